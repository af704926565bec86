#include "dialogs/CLinksDlg.h"

#include "dialogs/MakerBanner.h"
#include "framework/dialog/DDX.h"
#include "res/Product.h"
#include "res/Resource.h"

namespace {
constexpr int kMaxText = 100;
} // namespace

CLinksDlg::CLinksDlg(CWnd* pParent)
    : CDialog(IDD_WEBLINKS, pParent),
      m_homeCaption(std::string("Visit ") + kProductName + " main page:"),
      m_homeLinkText(std::string(kMakerWebHost) + "/projects/VODizuzi.html"),
      m_mailLinkText(MakerMailLink()),
      m_downloadLinkText(std::string(kMakerWebHost) + "/projects/DAVeza11.zip"),
      m_downloadCaption(std::string("Download the latest version of ") + kProductName + " :"),
      m_questionCaption(std::string("Ask question about the ") + kProductName + " :") {}

void CLinksDlg::DoDataExchange(CDataExchange& dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDOK, m_btnOK);
    DDX_Control(dx, IDC_LINKS_BANNER, m_banner);
    DDX_Control(dx, IDC_DOWNLOAD_LINK, m_downloadLink);
    DDX_Control(dx, IDC_MAIL_LINK, m_mailLink);
    DDX_Control(dx, IDC_HOME_LINK, m_homeLink);
    DDX_Text(dx, IDC_HOME_CAPTION, m_homeCaption);
    DDV_MaxChars(dx, m_homeCaption, kMaxText);
    DDX_Text(dx, IDC_HOME_LINK, m_homeLinkText);
    DDV_MaxChars(dx, m_homeLinkText, kMaxText);
    DDX_Text(dx, IDC_MAIL_LINK, m_mailLinkText);
    DDV_MaxChars(dx, m_mailLinkText, kMaxText);
    DDX_Text(dx, IDC_DOWNLOAD_LINK, m_downloadLinkText);
    DDV_MaxChars(dx, m_downloadLinkText, kMaxText);
    DDX_Text(dx, IDC_DOWNLOAD_CAPTION, m_downloadCaption);
    DDV_MaxChars(dx, m_downloadCaption, kMaxText);
    DDX_Text(dx, IDC_QUESTION_CAPTION, m_questionCaption);
    DDV_MaxChars(dx, m_questionCaption, kMaxText);
}

BOOL CLinksDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // One icon for both states.
    m_btnOK.LoadIcons(IDI_OK);
    ShowMakerBanner(m_banner);
    // The focus starts on OK, not on the link before it in tab order.
    GotoDlgCtrl(&m_btnOK);
    return FALSE;
}
