#pragma once

#include "controls/CIconButton.h"
#include "framework/dialog/CDialog.h"
#include "framework/types/WinStyles.h"

#include <string>
#include <vector>

// An icon button that counts its paints.
class CountingButton : public CIconButton {
public:
    int paints = 0;
    void DrawItem(LPDRAWITEMSTRUCT item) override {
        ++paints;
        CIconButton::DrawItem(item);
    }
};

// A dialog with three icon buttons: the default button IDOK "E&xit", kFind
// "&Find" and kBlank without a caption, plus a plain button kOther. Clicks
// of the icon buttons are logged as "exit", "find" and "blank".
class ButtonDialog : public CDialog {
public:
    static constexpr UINT kTemplate = 9201;
    static constexpr int kFind = 1011;
    static constexpr int kBlank = 1012;
    static constexpr int kOther = 1013;
    // The size the tests give every button, odd so that halvings truncate.
    static constexpr int kWidth = 81;
    static constexpr int kHeight = 31;

    ButtonDialog();

    CountingButton m_exit;
    CountingButton m_find;
    CountingButton m_blank;
    std::vector<std::string> log;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    const CommandMap& GetCommandMap() const override;

private:
    void OnExit() { log.push_back("exit"); }
    void OnFind() { log.push_back("find"); }
    void OnBlank() { log.push_back("blank"); }
};
