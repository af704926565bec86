#pragma once

#include "framework/stdcontrols/CListBox.h"
#include "res/RegisterResources.h"
#include "res/Resource.h"
#include "tests/support/FakeDesktop.h"
#include "tests/support/TempTree.h"
#include "tests/support/UiDriver.h"
#include "ui/CSearchDlg.h"

#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// A main search dialog made modeless, shown and active, driven with the
// mouse and the keyboard. Message boxes are recorded, the folder chooser and
// the editor are the fake desktop's.
class SearchDialogFixture : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterResources();
        ASSERT_TRUE(dialog.Create());
        ShowActive(dialog);
    }

    QWidget* Control(int id) const { return Widget(dialog, id); }
    std::string Text(int id) const {
        std::string text;
        dialog.GetDlgItem(id)->GetWindowText(text);
        return text;
    }
    std::vector<std::string> Lines() const {
        const auto* list = dynamic_cast<const CListBox*>(dialog.GetDlgItem(IDC_LINE_LIST));
        std::vector<std::string> lines(static_cast<size_t>(list->GetCount()));
        for (size_t i = 0; i < lines.size(); ++i)
            list->GetText(static_cast<int>(i), lines[i]);
        return lines;
    }
    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const auto& box : boxes.boxes)
            texts.push_back(box.first);
        return texts;
    }

    void Click(int id) { QTest::mouseClick(Control(id), Qt::LeftButton); }
    // Chooses `item` of the menu `menu` ("" for an item of the bar itself).
    void Choose(const char* menu, const char* item) {
        const auto* bar = dialog.m_hWnd->findChild<QMenuBar*>();
        for (QAction* action : bar->actions()) {
            if (!*menu && action->text() == item)
                return action->trigger();
            if (action->menu() && action->text() == menu)
                for (QAction* entry : action->menu()->actions())
                    if (entry->text() == item)
                        return entry->trigger();
        }
        FAIL() << menu << " / " << item;
    }
    // Replaces the search field's text as a user does: click into it, select
    // all, type (a letter typed while a button has the focus is a mnemonic).
    void Type(const std::string& text) {
        QWidget* edit = Control(IDC_SEARCH_TEXT);
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, QString::fromStdString(text));
    }
    // Browse, choosing `folder` in the chooser.
    void Browse(const std::string& folder) {
        desktop.moves = {folder};
        desktop.confirm = true;
        Click(IDC_BROWSE);
    }
    // Browse to `folder`, type `pattern` and press Find.
    void Find(const std::string& folder, const std::string& pattern) {
        Browse(folder);
        Type(pattern);
        Click(IDC_FIND);
    }

    FakeDesktop desktop;
    BoxRecorder boxes;
    TempTree tree;
    CSearchDlg dialog;
};
