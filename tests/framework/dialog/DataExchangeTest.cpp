#include "framework/stdcontrols/CEdit.h"
#include "tests/framework/support/DialogFixture.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

namespace {
constexpr const char* kNotInteger = "Please enter an integer.";
constexpr const char* kOutOfRange = "Please enter an integer between 1 and 1000.";
constexpr const char* kTooLong = "Please enter no more than 5 characters.";

QLineEdit* Edit(QWidget* widget) {
    return qobject_cast<QLineEdit*>(widget);
}

std::string Text(const CWnd& dialog, int id) {
    std::string text;
    dialog.GetDlgItem(id)->GetWindowText(text);
    return text;
}
} // namespace

using DataExchange = DialogFixture;

TEST_F(DataExchange, MembersGoIntoTheControlsAndTheUsersChangesComeBack) {
    dialog.m_text = "abc";
    dialog.m_number = 17;
    dialog.m_check = 0;
    ASSERT_TRUE(dialog.UpdateData(FALSE));
    EXPECT_EQ(Text(dialog, TestIds::kText), "abc");
    EXPECT_EQ(Text(dialog, TestIds::kNumber), "17");
    EXPECT_FALSE(qobject_cast<QAbstractButton*>(Control(TestIds::kCheck))->isChecked());

    Edit(Control(TestIds::kText))->clear();
    QTest::keyClicks(Control(TestIds::kText), "xyz");
    Edit(Control(TestIds::kNumber))->clear();
    QTest::keyClicks(Control(TestIds::kNumber), "250");
    QTest::mouseClick(Control(TestIds::kCheck), Qt::LeftButton);
    ASSERT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.m_text, "xyz");
    EXPECT_EQ(dialog.m_number, 250);
    EXPECT_EQ(dialog.m_check, 1);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(DataExchange, AnIntegerIsASignAndDigitsWithBlanksAroundAndNothingElse) {
    const struct {
        const char* text;
        const char* warning; // null: none
        int member;          // 50 is the value before
    } cases[] = {
        {"250", nullptr, 250},
        {" \t 12 \t", nullptr, 12},
        {"+7", nullptr, 7},
        {"1000", nullptr, 1000},
        {"", kNotInteger, 50},
        {"   ", kNotInteger, 50},
        {"12a", kNotInteger, 50},
        {"1.5", kNotInteger, 50},
        {"+-5", kNotInteger, 50},
        {"- 5", kNotInteger, 50},
        {"1 2", kNotInteger, 50},
        {"99999999999", kNotInteger, 50},
        {"\xEF\xBC\x91\xEF\xBC\x92", kNotInteger, 50}, // full-width digits
        {"0", kOutOfRange, 0},
        {"1001", kOutOfRange, 1001},
        {"-3", kOutOfRange, -3},
    };
    for (const auto& c : cases) {
        boxes.boxes.clear();
        dialog.m_number = 50;
        dialog.GetDlgItem(TestIds::kNumber)->SetWindowText(c.text);
        EXPECT_EQ(dialog.UpdateData(TRUE), c.warning == nullptr) << c.text;
        EXPECT_EQ(dialog.m_number, c.member) << c.text;
        if (c.warning == nullptr) {
            EXPECT_TRUE(boxes.boxes.empty()) << c.text;
            continue;
        }
        ASSERT_EQ(boxes.boxes.size(), 1u) << c.text;
        EXPECT_EQ(boxes.boxes[0].first, c.warning) << c.text;
        EXPECT_EQ(boxes.boxes[0].second, MB_ICONEXCLAMATION) << c.text;
        EXPECT_TRUE(Control(TestIds::kNumber)->hasFocus()) << c.text;
        EXPECT_EQ(Edit(Control(TestIds::kNumber))->selectedText(), QString::fromUtf8(c.text))
            << c.text;
    }
}

TEST_F(DataExchange, ReadingStopsAtTheFirstFailureWithTheFocusOnIt) {
    dialog.m_text = "toolong";
    ASSERT_TRUE(dialog.UpdateData(FALSE));
    dialog.GetDlgItem(TestIds::kNumber)->SetWindowText("abc");
    QTest::mouseClick(Control(TestIds::kCheck), Qt::LeftButton);
    dialog.m_text.clear();

    EXPECT_FALSE(dialog.UpdateData(TRUE));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].first, kTooLong);
    EXPECT_EQ(dialog.m_text, "toolong"); // read, then found too long
    EXPECT_EQ(dialog.m_number, 50);      // never read
    EXPECT_EQ(dialog.m_check, 1);        // never read, though the box was cleared
    EXPECT_TRUE(Control(TestIds::kText)->hasFocus());
    EXPECT_EQ(Edit(Control(TestIds::kText))->selectedText(), "toolong");

    dialog.GetDlgItem(TestIds::kText)->SetWindowText("short");
    EXPECT_FALSE(dialog.UpdateData(TRUE));
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[1].first, kNotInteger);
    EXPECT_EQ(dialog.m_check, 1);
    EXPECT_TRUE(Control(TestIds::kNumber)->hasFocus());
    EXPECT_EQ(Edit(Control(TestIds::kNumber))->selectedText(), "abc");
}

TEST_F(DataExchange, OnlyTheUsersOwnEditsNotifyAChange) {
    dialog.m_text = "one";
    dialog.UpdateData(FALSE);
    dialog.GetDlgItem(TestIds::kText)->SetWindowText("two");
    EXPECT_TRUE(dialog.log.empty());

    Control(TestIds::kText)->setFocus();
    QTest::keyClicks(Control(TestIds::kText), "ab");
    QTest::keyClick(Control(TestIds::kText), Qt::Key_Backspace);
    EXPECT_EQ(dialog.log, (std::vector<std::string>{"change", "change", "change"}));
}

TEST_F(DataExchange, ValidatingWhileTheUserTypesTakesTheFocusToTheFailingField) {
    dialog.onChange = [this] { dialog.UpdateData(TRUE); };
    dialog.GetDlgItem(TestIds::kNumber)->SetWindowText("12x");
    Control(TestIds::kText)->setFocus();
    QTest::keyClick(Control(TestIds::kText), Qt::Key_A);

    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].first, kNotInteger);
    EXPECT_EQ(dialog.m_text, "a");
    EXPECT_TRUE(Control(TestIds::kNumber)->hasFocus());
    EXPECT_EQ(Edit(Control(TestIds::kNumber))->selectedText(), "12x");
}

TEST_F(DataExchange, AnEditTakesNoMoreThanItsLimitButKeepsALongerTextItWasGiven) {
    ASSERT_TRUE(dialog.UpdateData(FALSE)); // limits kText to 5
    Control(TestIds::kText)->setFocus();
    QTest::keyClicks(Control(TestIds::kText), "abcdefg");
    EXPECT_EQ(Text(dialog, TestIds::kText), "abcde");

    dialog.m_text = "abcdefgh";
    ASSERT_TRUE(dialog.UpdateData(FALSE));
    EXPECT_EQ(Text(dialog, TestIds::kText), "abcdefgh");
    QTest::keyClick(Control(TestIds::kText), Qt::Key_End);
    QTest::keyClick(Control(TestIds::kText), Qt::Key_X);
    QTest::keyClick(Control(TestIds::kText), Qt::Key_Backspace);
    QTest::keyClick(Control(TestIds::kText), Qt::Key_Y);
    EXPECT_EQ(Text(dialog, TestIds::kText), "abcdefg");
    EXPECT_EQ(static_cast<CEdit*>(dialog.GetDlgItem(TestIds::kText))->GetLimitText(), 5u);
}

TEST_F(DataExchange, ExactBytesSurviveARoundTripAndAStaticIsNotLengthChecked) {
    const std::string path = "/data/caf\xE9/\xFF\xFE/a folder name far longer than ten";
    const std::string latin = "\xE9t\xE9";
    dialog.m_path = path;
    dialog.m_text = latin;
    ASSERT_TRUE(dialog.UpdateData(FALSE));
    dialog.m_path.clear();
    dialog.m_text.clear();
    ASSERT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.m_path, path);
    EXPECT_EQ(dialog.m_text, latin);
    EXPECT_TRUE(boxes.boxes.empty());

    // Once the user edits it, the edit holds what it shows, in UTF-8.
    Control(TestIds::kText)->setFocus();
    QTest::keyClick(Control(TestIds::kText), Qt::Key_End);
    QTest::keyClick(Control(TestIds::kText), Qt::Key_Backspace);
    ASSERT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.m_text, "\xC3\xA9t");
}
