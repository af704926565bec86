#pragma once

#include "controls/CFadeBanner.h"
#include "controls/CIconButton.h"
#include "controls/CLinkLabel.h"
#include "framework/dialog/CDialog.h"

#include <string>

// The Web Links dialog: three links, each under its caption: the product's
// home page, the download of the latest version and the maker's contact
// address. A click hands a link to the desktop. It keeps nothing and writes
// nothing.
class CLinksDlg : public CDialog {
public:
    explicit CLinksDlg(CWnd* pParent = nullptr);

protected:
    void DoDataExchange(CDataExchange& dx) override;
    BOOL OnInitDialog() override;

private:
    CIconButton m_btnOK;
    CFadeBanner m_banner;
    CLinkLabel m_downloadLink;
    CLinkLabel m_mailLink;
    CLinkLabel m_homeLink;
    std::string m_homeCaption;
    // The web addresses have no scheme: host and path, as the desktop gets
    // them.
    std::string m_homeLinkText;
    std::string m_mailLinkText;
    std::string m_downloadLinkText;
    std::string m_downloadCaption;
    std::string m_questionCaption;
};
