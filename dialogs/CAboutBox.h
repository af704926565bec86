#pragma once

#include "controls/CFadeBanner.h"
#include "controls/CIconButton.h"
#include "controls/CLinkLabel.h"
#include "framework/dialog/CDialog.h"

#include <string>

// The About box: the product's name and version, thanks, the maker's contact
// address as a mail link, and the maker's name fading in on a banner. It
// keeps nothing and writes nothing.
class CAboutBox : public CDialog {
public:
    CAboutBox();

protected:
    void DoDataExchange(CDataExchange& dx) override;
    BOOL OnInitDialog() override;

private:
    CIconButton m_btnOK;
    CFadeBanner m_banner;
    CLinkLabel m_mailLink;
    std::string m_versionText;
    std::string m_thanksText;
    std::string m_mailLinkText;
    std::string m_makerText;
};
