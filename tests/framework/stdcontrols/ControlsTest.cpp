#include "framework/paint/CBrush.h"
#include "framework/paint/CDC.h"
#include "framework/stdcontrols/CListBox.h"
#include "framework/stdcontrols/CToolTipCtrl.h"
#include "framework/stdcontrols/internal/EditLimitValidator.h"
#include "framework/stdcontrols/internal/StaticWidget.h"
#include "tests/framework/support/DialogFixture.h"

#include <QHelpEvent>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QToolTip>

namespace {
// Whether some pixel in the rectangle is dark (text ink on a light ground).
bool HasInk(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                return true;
    return false;
}

const std::string kWide(300, 'M');
} // namespace

using Controls = DialogFixture;

TEST_F(Controls, AListBoxKeepsItsLinesInTheOrderAddedWithTheirExactBytes) {
    auto* list = static_cast<CListBox*>(dialog.GetDlgItem(TestIds::kList));
    const std::string lines[] = {"zeta", "alpha", "caf\xE9 \xFF", ""};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(list->AddString(lines[i]), i);
    ASSERT_EQ(list->GetCount(), 4);
    for (int i = 0; i < 4; ++i) {
        std::string text;
        list->GetText(i, text);
        EXPECT_EQ(text, lines[i]) << i;
    }
    auto* widget = qobject_cast<QListWidget*>(Control(TestIds::kList));
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {},
                      widget->visualItemRect(widget->item(1)).center());
    EXPECT_TRUE(widget->selectedItems().isEmpty());
    list->ResetContent();
    EXPECT_EQ(list->GetCount(), 0);
}

TEST_F(Controls, ADoubleClickOnALineNotifiesTheParentWhenTheListBoxAsksForIt) {
    const struct {
        const char* name;
        bool notify;
        bool onLine;
        std::vector<std::string> log;
    } cases[] = {
        {"a line, LBS_NOTIFY", true, true, {"line double"}},
        {"below the lines", true, false, {}},
        {"a line, no LBS_NOTIFY", false, true, {}},
    };
    for (const auto& c : cases) {
        TestDialog fresh;
        ASSERT_TRUE(fresh.Create());
        ShowActive(fresh);
        CWnd* list = fresh.GetDlgItem(TestIds::kList);
        static_cast<CListBox*>(list)->AddString("one");
        if (!c.notify)
            list->ModifyStyle(LBS_NOTIFY, 0);
        auto* widget = qobject_cast<QListWidget*>(list->m_hWnd);
        const QRect line = widget->visualItemRect(widget->item(0));
        const QPoint at = c.onLine ? line.center() : QPoint(line.center().x(), line.bottom() + 8);
        QTest::mouseDClick(widget->viewport(), Qt::LeftButton, {}, at);
        EXPECT_EQ(fresh.log, c.log) << c.name;
    }
}

TEST_F(Controls, ALineWiderThanTheListBoxIsCutAtItsEdgeAndNeverScrolledSideways) {
    auto* list = static_cast<CListBox*>(dialog.GetDlgItem(TestIds::kList));
    list->AddString(kWide);
    auto* widget = qobject_cast<QListWidget*>(Control(TestIds::kList));
    QWidget* viewport = widget->viewport();
    const QRect line = widget->visualItemRect(widget->item(0));
    // The upper half of the last columns: letters reach there, an ellipsis
    // would not.
    const QRect edge(viewport->width() - 6, line.top() + 1, 5, line.height() / 2 - 1);
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_Home);
    const QImage before = viewport->grab().toImage();
    EXPECT_TRUE(HasInk(before, edge));

    for (Qt::Key key : {Qt::Key_End, Qt::Key_Right, Qt::Key_Right})
        QTest::keyClick(widget, key);
    QWheelEvent wheel(QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(-120, 0),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
    EXPECT_EQ(viewport->grab().toImage(), before);
}

TEST_F(Controls, AStaticHasASunkenEdgeAndCutsALongLineAtItsRightEdge) {
    dialog.GetDlgItem(TestIds::kPath)->SetWindowText(kWide);
    QWidget* label = Control(TestIds::kPath);
    const QImage image = label->grab().toImage();
    const QRgb shadow = label->palette().color(QPalette::Dark).rgb();
    const QRgb highlight = label->palette().color(QPalette::Light).rgb();
    const int w = image.width();
    const int h = image.height();
    EXPECT_EQ(image.pixel(0, 0), shadow);
    EXPECT_EQ(image.pixel(w - 2, 0), shadow);
    EXPECT_EQ(image.pixel(0, h - 2), shadow);
    EXPECT_EQ(image.pixel(w - 1, 0), highlight);
    EXPECT_EQ(image.pixel(0, h - 1), highlight);
    EXPECT_TRUE(HasInk(image, QRect(w - 7, 2, 5, h / 2 - 2)));
}

TEST_F(Controls, AStaticWrapsWordsOnlyWhenItHasRoomForASecondLine) {
    const int lineHeight = QFontMetrics(QApplication::font()).height();
    const struct {
        int lines;
        bool secondLineInked;
    } cases[] = {{1, false}, {3, true}};
    for (const auto& c : cases) {
        StaticWidget label(nullptr);
        label.ApplyStyle(SS_LEFT, 0);
        label.resize(60, c.lines * lineHeight);
        label.SetDisplayText("MMM MMM MMM MMM MMM MMM");
        const QImage image = label.grab().toImage();
        EXPECT_TRUE(HasInk(image, QRect(0, 0, 60, lineHeight)));
        if (c.lines > 1) {
            EXPECT_EQ(HasInk(image, QRect(0, lineHeight, 60, lineHeight)), c.secondLineInked);
        }
    }
}

TEST(IconStatic, ShowsItsIconAtItsOwnSizeInsideItsEdge) {
    const QRgb red = qRgb(0xc0, 0x20, 0x20); // the test icon's colour
    const struct {
        const char* name;
        DWORD style;
        QString text;
        QSize size;
        QPoint centre;
    } cases[] = {
        {"sunken", SS_ICON | SS_SUNKEN, "#9002", {18, 18}, {9, 9}},
        {"plain", SS_ICON, "#9002", {16, 16}, {8, 8}},
        {"a missing icon", SS_ICON, "#9999", {40, 30}, {20, 15}},
        {"not an icon's name", SS_ICON, "9002", {40, 30}, {20, 15}},
    };
    for (const auto& c : cases) {
        StaticWidget label(nullptr);
        label.resize(40, 30);
        label.ApplyStyle(c.style, 0);
        label.SetDisplayText(c.text);
        EXPECT_EQ(label.size(), c.size) << c.name;
        const QImage image = label.grab().toImage();
        EXPECT_EQ(image.pixel(c.centre) == red, c.size.width() < 40) << c.name;
        if (c.style & SS_SUNKEN) {
            EXPECT_EQ(image.pixel(0, 0), label.palette().color(QPalette::Dark).rgb()) << c.name;
        }
    }
}

namespace {
// Paints the path static green with red text and leaves the others alone,
// noting who asked.
class ColouringDialog : public TestDialog {
public:
    std::vector<std::pair<int, UINT>> asked;

protected:
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) override {
        asked.emplace_back(pWnd->GetDlgCtrlID(), nCtlColor);
        if (pWnd->GetDlgCtrlID() != TestIds::kPath)
            return TestDialog::OnCtlColor(pDC, pWnd, nCtlColor);
        pDC->SetTextColor(RGB(255, 0, 0));
        return &m_green;
    }

private:
    CBrush m_green{RGB(0, 255, 0)};
};
} // namespace

TEST(StaticColours, AStaticTakesItsBackgroundAndTextColourFromItsParent) {
    RegisterTestResources();
    ColouringDialog dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.GetDlgItem(TestIds::kPath)->SetWindowText("MMMM");
    const QImage path = Widget(dialog, TestIds::kPath)->grab().toImage();
    const int w = path.width();
    const int h = path.height();
    EXPECT_EQ(path.pixel(0, 0),
              Widget(dialog, TestIds::kPath)->palette().color(QPalette::Dark).rgb())
        << "the edge stays outside the background";
    EXPECT_EQ(path.pixel(w - 3, h - 3), qRgb(0, 255, 0));
    int red = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            red += qRed(path.pixel(x, y)) > 128 && qGreen(path.pixel(x, y)) < 128;
    EXPECT_GT(red, 0) << "the text is drawn in the colour the parent set";

    // "&Lines :", which the parent leaves alone.
    QWidget* label = nullptr;
    for (QWidget* child : dialog.m_hWnd->findChildren<QWidget*>())
        if (const auto* item = dynamic_cast<const StaticWidget*>(child))
            label = item->DisplayText() == "&Lines :" ? child : label;
    ASSERT_NE(label, nullptr);
    const QImage lines = label->grab().toImage();
    EXPECT_EQ(lines.pixel(lines.width() - 1, lines.height() - 1),
              dialog.m_hWnd->palette().color(QPalette::Window).rgb());
    EXPECT_TRUE(std::find(dialog.asked.begin(), dialog.asked.end(),
                          std::pair<int, UINT>(TestIds::kPath, CTLCOLOR_STATIC)) !=
                dialog.asked.end());
}

TEST(StaticColours, AFrameStaticDrawsABlackFrameAndABitmapStaticWithoutImageNothing) {
    const struct {
        const char* name;
        DWORD style;
        bool frame;
    } cases[] = {{"black frame", SS_BLACKFRAME, true}, {"bitmap without image", SS_BITMAP, false}};
    for (const auto& c : cases) {
        QWidget parent;
        parent.resize(80, 40);
        StaticWidget item(&parent);
        item.ApplyStyle(c.style, 0);
        item.SetDisplayText("MMMMMMMM");
        item.setGeometry(10, 10, 60, 20);
        const QImage image = parent.grab().toImage();
        const QRgb ground = parent.palette().color(QPalette::Window).rgb();
        const QRgb edge = c.frame ? qRgb(0, 0, 0) : ground;
        for (QPoint corner : {QPoint(10, 10), QPoint(69, 10), QPoint(10, 29), QPoint(69, 29)})
            EXPECT_EQ(image.pixel(corner), edge) << c.name;
        EXPECT_EQ(image.pixel(9, 9), ground) << c.name;
        EXPECT_FALSE(HasInk(image, QRect(11, 11, 58, 18))) << c.name << ": no text, no fill";
    }
}

TEST(EditLimit, TheLimitStopsGrowthAndKeepsWhatFitsOfAnInsertion) {
    const struct {
        const char* name;
        QString previous;
        int limit;
        QString input;
        QValidator::State state;
        QString result;
    } cases[] = {
        {"typing up to the limit", "ab", 3, "abc", QValidator::Acceptable, "abc"},
        {"typing past the limit", "abc", 3, "abcd", QValidator::Invalid, "abcd"},
        {"a paste keeps what fits", "ad", 4, "aXYZWd", QValidator::Acceptable, "aXYd"},
        {"replacing a selection", "abc", 3, "aXYc", QValidator::Acceptable, "aXc"},
        {"shortening a longer text", "abcdef", 3, "abcde", QValidator::Acceptable, "abcde"},
        {"overtyping a longer text", "abcdef", 3, "abcdeX", QValidator::Acceptable, "abcdeX"},
        {"growing a longer text", "abcde", 3, "abcdeX", QValidator::Invalid, "abcdeX"},
    };
    for (const auto& c : cases) {
        QLineEdit edit;
        EditLimitValidator validator(&edit);
        validator.SetLimit(c.limit);
        validator.SetPrevious(c.previous);
        QString input = c.input;
        int pos = static_cast<int>(input.size());
        EXPECT_EQ(validator.validate(input, pos), c.state) << c.name;
        if (c.state == QValidator::Acceptable) {
            EXPECT_EQ(input, c.result) << c.name;
        }
    }
}

TEST_F(Controls, ATooltipShowsItsToolsTextOnlyWhileActiveAndInsideTheTool) {
    CButton find;
    ASSERT_TRUE(find.SubclassDlgItem(TestIds::kFind, &dialog));
    CToolTipCtrl tip;
    EXPECT_EQ(tip.GetSafeHwnd(), nullptr);
    ASSERT_TRUE(tip.Create(&find));
    EXPECT_FALSE(tip.Create(&find));
    CRect rect;
    find.GetClientRect(&rect);
    rect.right /= 2;
    ASSERT_TRUE(tip.AddTool(&find, "Activate search", &rect, 1));
    tip.UpdateTipText("Search now", &find, 1);
    EXPECT_EQ(tip.GetToolCount(), 1);
    std::string text;
    tip.GetText(text, &find, 1);
    EXPECT_EQ(text, "Search now");

    // What Qt shows when the pointer rests at `pos`: the tool's text, or
    // still the sentinel shown before when the tip stays away.
    QWidget* button = find.m_hWnd;
    const auto ask = [button](QPoint pos) {
        QToolTip::showText(button->mapToGlobal(pos), "sentinel");
        QHelpEvent help(QEvent::ToolTip, pos, button->mapToGlobal(pos));
        QApplication::sendEvent(button, &help);
        return QToolTip::text();
    };
    EXPECT_EQ(ask(QPoint(2, 2)), "Search now");
    EXPECT_EQ(ask(QPoint(button->width() - 2, 2)), "sentinel");
    tip.Activate(FALSE);
    EXPECT_FALSE(tip.IsActive());
    EXPECT_EQ(ask(QPoint(2, 2)), "sentinel");
    tip.Activate(TRUE);
    EXPECT_EQ(ask(QPoint(2, 2)), "Search now");
    QToolTip::hideText();
}
