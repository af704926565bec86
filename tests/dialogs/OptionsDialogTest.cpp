#include "dialogs/COptionsDlg.h"
#include "dialogs/OptionsStore.h"
#include "res/RegisterResources.h"
#include "res/Resource.h"
#include "tests/support/KeyedApp.h"
#include "tests/support/OptionsPrinter.h"
#include "tests/support/TempConfigHome.h"
#include "tests/support/UiDriver.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <utility>

using Texts = std::vector<std::string>;

namespace {
const char* const kNotAnInteger = "Please enter an integer.";
const char* const kOutOfRange = "Please enter an integer between 1 and 1000.";
const char* const kTooLong = "Please enter no more than 3 characters.";

// An Options dialog, modeless, shown and active, over a profile of its own
// holding the first-run options, `entry` written over with `value`. Message
// boxes are recorded.
struct Session {
    explicit Session(const char* entry = nullptr, const char* value = nullptr) {
        RegisterResources();
        WriteDefaultOptions(app);
        if (entry)
            app.WriteProfileString("1.10", entry, value);
        profile = home.Profile("options");
        dialog.Create();
        ShowActive(dialog);
    }

    std::string Text(int id) const {
        std::string text;
        dialog.GetDlgItem(id)->GetWindowText(text);
        return text;
    }
    int Checked(int id) const {
        return dynamic_cast<const CButton*>(dialog.GetDlgItem(id))->GetCheck();
    }
    // Warning texts, after checking that each box is a warning.
    Texts Warnings() const {
        Texts texts;
        for (const auto& [text, type] : boxes.boxes) {
            EXPECT_EQ(type, MB_ICONEXCLAMATION) << text;
            texts.push_back(text);
        }
        return texts;
    }
    // Whether the focus is on edit `id` with all of its text selected.
    bool FocusedAndSelected(int id) const {
        auto* edit = qobject_cast<QLineEdit*>(Widget(dialog, id));
        return QApplication::focusWidget() == edit && edit->selectedText() == edit->text();
    }
    bool ProfileUnchanged() const { return home.Profile("options") == profile; }

    void Click(int id) { QTest::mouseClick(Widget(dialog, id), Qt::LeftButton); }
    // Clicks into edit `id` and presses `keys`: "*" selects all, "^" is
    // Home, "$" End, "<" Left, "\b" Backspace; any other character is typed.
    void Keys(int id, const std::string& keys) {
        static const std::map<char, std::pair<Qt::Key, Qt::KeyboardModifier>> named = {
            {'*', {Qt::Key_A, Qt::ControlModifier}},     {'^', {Qt::Key_Home, Qt::NoModifier}},
            {'$', {Qt::Key_End, Qt::NoModifier}},        {'<', {Qt::Key_Left, Qt::NoModifier}},
            {'\b', {Qt::Key_Backspace, Qt::NoModifier}},
        };
        Click(id);
        for (char key : keys)
            if (const auto found = named.find(key); found != named.end())
                QTest::keyClick(Widget(dialog, id), found->second.first, found->second.second);
            else
                QTest::keyClick(Widget(dialog, id), key);
    }

    TempConfigHome home;
    KeyedApp app{"options"};
    BoxRecorder boxes;
    COptionsDlg dialog;
    std::optional<std::string> profile; // as it was when the dialog opened
};
} // namespace

TEST(OptionsDialog, TheFirstOpeningShowsTheFirstRunOptionsWithTheFocusOnOK) {
    Session s;
    const Texts shown = {s.Text(IDC_EXT1), s.Text(IDC_EXT2), s.Text(IDC_EXT3),
                         s.Text(IDC_EXT4), s.Text(IDC_EXT5), s.Text(IDC_MAX_MATCHES)};
    EXPECT_EQ(shown, (Texts{"txt", "diz", "nfo", "", "", "50"}));
    EXPECT_EQ(s.Checked(IDC_IGNORE_CAPS), BST_CHECKED);
    EXPECT_EQ(s.Checked(IDC_IGNORE_EXT), BST_CHECKED);
    EXPECT_EQ(QApplication::focusWidget(), Widget(s.dialog, IDOK));
    EXPECT_TRUE(s.boxes.boxes.empty());
}

TEST(OptionsDialog, TheMaximumIsCheckedAtEveryKeystrokeAndAgainByOK) {
    const struct {
        const char* name;
        const char* keys; // in the maximum field, which shows "50"
        const char* shown;
        const char* warning; // at the last key and again for OK, or none
        int stored;          // after OK, when there is no warning
    } cases[] = {
        {"the last digit deleted", "$\b\b", "", kNotAnInteger, 0},
        {"0", "*0", "0", kOutOfRange, 0},
        {"1001", "*1001", "1001", kOutOfRange, 0},
        {"a letter after the number", "*4x", "4x", kNotAnInteger, 0},
        {"a decimal point", "*40<.", "4.0", kNotAnInteger, 0},
        {"a minus sign", "*1<-", "-1", kOutOfRange, 0},
        {"blanks around and a plus sign", "*42^+^ $ ", " +42 ", nullptr, 42},
        {"1", "*1", "1", nullptr, 1},
        {"1000", "*1000", "1000", nullptr, 1000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Session s;
        s.Keys(IDC_MAX_MATCHES, c.keys);
        EXPECT_EQ(s.Text(IDC_MAX_MATCHES), c.shown);
        const Texts once = c.warning ? Texts{c.warning} : Texts{};
        EXPECT_EQ(s.Warnings(), once);
        s.boxes.boxes.clear();
        s.Click(IDOK);
        EXPECT_EQ(s.Warnings(), once);
        if (c.warning) {
            EXPECT_TRUE(s.FocusedAndSelected(IDC_MAX_MATCHES));
            EXPECT_TRUE(s.ProfileUnchanged());
            EXPECT_EQ(s.dialog.GetModalResult(), -1);
        } else {
            EXPECT_EQ(s.dialog.GetModalResult(), IDOK);
            EXPECT_EQ(LoadOptions(s.app).Max, c.stored);
            EXPECT_EQ(s.dialog.GetMax(), c.stored);
        }
    }
}

TEST(OptionsDialog, AnExtensionTakesThreeTypedCharactersAtMostAndMayBeEmpty) {
    Session s;
    s.Keys(IDC_EXT1, "$x");
    s.Keys(IDC_EXT4, "abcd");
    s.Keys(IDC_EXT2, "*\b");
    s.Click(IDC_IGNORE_EXT);
    EXPECT_EQ(s.Text(IDC_EXT1), "txt");
    EXPECT_EQ(s.Text(IDC_EXT4), "abc");
    s.Click(IDOK);
    EXPECT_TRUE(s.boxes.boxes.empty());
    EXPECT_EQ(s.dialog.GetModalResult(), IDOK);
    EXPECT_EQ(LoadOptions(s.app), (SearchOptions{"txt", "", "nfo", "abc", "", 1, 0, 50}));
}

TEST(OptionsDialog, AStoredValueOutOfRangeIsShownAndRefusedUntilCorrected) {
    const struct {
        const char* entry;
        const char* value;
        int field;
        const char* warning;
        const char* fix; // keys in the field after OK's warning
        Texts fixWarnings;
        SearchOptions stored;
    } cases[] = {
        // Nothing can be added; each deletion warns until 3 are left.
        {"Ext3",
         "abcde",
         IDC_EXT3,
         kTooLong,
         "$f\b$\b",
         {kTooLong},
         {"txt", "diz", "abc", "", "", 1, 1, 50}},
        {"Max",
         "5000",
         IDC_MAX_MATCHES,
         kOutOfRange,
         "*999",
         {},
         {"txt", "diz", "nfo", "", "", 1, 1, 999}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        Session s(c.entry, c.value);
        EXPECT_EQ(s.Text(c.field), c.value);
        EXPECT_TRUE(s.boxes.boxes.empty());
        s.Click(IDOK);
        EXPECT_EQ(s.Warnings(), Texts{c.warning});
        EXPECT_TRUE(s.FocusedAndSelected(c.field));
        EXPECT_EQ(s.dialog.GetModalResult(), -1);
        s.boxes.boxes.clear();
        s.Keys(c.field, c.fix);
        EXPECT_EQ(s.Warnings(), c.fixWarnings);
        QTest::keyClick(Widget(s.dialog, c.field), Qt::Key_Return);
        EXPECT_EQ(s.dialog.GetModalResult(), IDOK);
        EXPECT_EQ(LoadOptions(s.app), c.stored);
    }
}

TEST(OptionsDialog, WhileTheMaximumIsInvalidEachChangeWarnsAndTheChangedFieldIsTaken) {
    Session s;
    s.Keys(IDC_MAX_MATCHES, "*\b");
    s.Click(IDC_IGNORE_CAPS);
    EXPECT_TRUE(s.FocusedAndSelected(IDC_MAX_MATCHES));
    s.Keys(IDC_EXT4, "a");
    EXPECT_TRUE(s.FocusedAndSelected(IDC_MAX_MATCHES));
    EXPECT_EQ(s.Warnings(), (Texts{kNotAnInteger, kNotAnInteger, kNotAnInteger}));
    // Each change takes its own field only: the other fields keep what the
    // dialog was constructed with, not what it shows.
    EXPECT_EQ(s.dialog.GetIgnoreCaps(), 0);
    EXPECT_EQ(s.dialog.GetExt4(), "a");
    EXPECT_EQ(s.dialog.GetExt2(), SearchOptions().Ext2);
    EXPECT_NE(s.Text(IDC_EXT2), SearchOptions().Ext2);
}

TEST(OptionsDialog, CancelEscapeAndTheCloseBoxStoreNothing) {
    const struct {
        const char* name;
        void (*cancel)(Session& s);
    } cases[] = {
        {"Cancel", [](Session& s) { s.Click(IDCANCEL); }},
        {"Escape", [](Session& s) { QTest::keyClick(Widget(s.dialog, IDC_EXT1), Qt::Key_Escape); }},
        {"close box", [](Session& s) { s.dialog.m_hWnd->close(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Session s("Max", "5000");
        s.Keys(IDC_MAX_MATCHES, "*7");
        s.Click(IDC_IGNORE_CAPS);
        s.Keys(IDC_EXT1, "*c");
        c.cancel(s);
        EXPECT_EQ(s.dialog.GetModalResult(), IDCANCEL);
        EXPECT_TRUE(s.boxes.boxes.empty());
        EXPECT_TRUE(s.ProfileUnchanged());
    }
}

// A change or an OK that reached the dialog while a warning was open used to
// start a second reading inside the first, stacking a warning on a warning.
TEST(OptionsDialog, WhatArrivesWhileAWarningIsOpenIsHandledAfterItNotInsideIt) {
    Session s;
    int open = 0, deepest = 0, shown = 0;
    MessageBoxHook hook([&](const std::string&, UINT) {
        deepest = std::max(deepest, ++open);
        if (++shown == 1) {
            QTest::keyClicks(Widget(s.dialog, IDC_EXT4), "x");
            s.Click(IDOK);
        }
        --open;
        return IDOK;
    });
    s.Keys(IDC_MAX_MATCHES, "*\b");
    EXPECT_EQ(deepest, 1);
    // The first warning for the maximum, the second for the change of Ext4.
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(s.dialog.GetExt4(), "x");
    EXPECT_EQ(s.dialog.GetModalResult(), -1);
    EXPECT_TRUE(s.ProfileUnchanged());
}
