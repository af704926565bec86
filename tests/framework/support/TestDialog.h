#pragma once

#include "framework/dialog/CDialog.h"
#include "tests/framework/support/RecordingButton.h"
#include "tests/framework/support/TestResources.h"

#include <functional>
#include <string>
#include <vector>

// The test dialog kDialog with members bound to its controls:
//   kDraw   <- m_draw (DDX_Control)
//   kText   <- m_text, at most 5 characters
//   kNumber <- m_number, 1 to 1000
//   kCheck  <- m_check
//   kPath   <- m_path, "at most 10 characters" (a static: not checked)
// and a command map that logs what reaches it: kFind "find", EN_CHANGE of
// kText "change" (then runs onChange), kBrowse "browse" (then runs
// onBrowse), BN_CLICKED of kDraw "draw", BN_DOUBLECLICKED of kDraw "double",
// LBN_DBLCLK of kList "line double".
class TestDialog : public CDialog {
public:
    explicit TestDialog(CWnd* parent = nullptr) : CDialog(TestIds::kDialog, parent) {}

    std::string m_text;
    int m_number = 50;
    int m_check = 1;
    std::string m_path;
    RecordingButton m_draw;

    std::vector<std::string> log;
    std::function<void()> onChange;
    std::function<void()> onBrowse;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    const CommandMap& GetCommandMap() const override;

private:
    void OnFind() { log.push_back("find"); }
    void OnTextChange();
    void OnBrowse();
    void OnDraw() { log.push_back("draw"); }
    void OnDrawDouble() { log.push_back("double"); }
    void OnLineDouble() { log.push_back("line double"); }
};
