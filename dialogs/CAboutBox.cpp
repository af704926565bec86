#include "dialogs/CAboutBox.h"

#include "dialogs/MakerBanner.h"
#include "framework/dialog/DDX.h"
#include "res/Product.h"
#include "res/Resource.h"

namespace {
constexpr int kMaxText = 100;
} // namespace

CAboutBox::CAboutBox()
    : CDialog(IDD_ABOUTBOX),
      m_versionText(std::string(kProductName) + " Version " + kProductVersion),
      m_thanksText(std::string("Thank you for using\n") + kProductName),
      m_mailLinkText(MakerMailLink()), m_makerText(std::string(kMakerName) + " Software") {}

void CAboutBox::DoDataExchange(CDataExchange& dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDOK, m_btnOK);
    DDX_Control(dx, IDC_ABOUT_BANNER, m_banner);
    DDX_Control(dx, IDC_ABOUT_MAIL_LINK, m_mailLink);
    DDX_Text(dx, IDC_ABOUT_VERSION, m_versionText);
    DDV_MaxChars(dx, m_versionText, kMaxText);
    DDX_Text(dx, IDC_ABOUT_THANKS, m_thanksText);
    DDV_MaxChars(dx, m_thanksText, kMaxText);
    DDX_Text(dx, IDC_ABOUT_MAIL_LINK, m_mailLinkText);
    DDV_MaxChars(dx, m_mailLinkText, kMaxText);
    DDX_Text(dx, IDC_ABOUT_MAKER, m_makerText);
    DDV_MaxChars(dx, m_makerText, kMaxText);
}

BOOL CAboutBox::OnInitDialog() {
    CDialog::OnInitDialog();
    // One icon for both states.
    m_btnOK.LoadIcons(IDI_OK);
    ShowMakerBanner(m_banner);
    // The focus starts on OK, not on the link before it in tab order.
    GotoDlgCtrl(&m_btnOK);
    return FALSE;
}
