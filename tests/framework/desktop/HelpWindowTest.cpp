// The standard help window over this folder's test manual: one window that
// follows each request to its topic and comes to the front, that closes on
// Escape and when asked, and that no modal dialog blocks.
#include "framework/desktop/internal/HelpWindow.h"
#include "framework/desktop/DesktopServices.h"
#include "tests/support/ModalDeadline.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDialog>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
std::vector<HelpWindow*> HelpWindows() {
    std::vector<HelpWindow*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<HelpWindow*>(widget); help && help->isVisible())
            windows.push_back(help);
    return windows;
}

QTextBrowser* Browser(const QWidget* help) {
    return help->findChild<QTextBrowser*>();
}

int Scrolled(const QTextBrowser* browser) {
    return browser->verticalScrollBar()->value();
}

// The first text fragment of the document that `matches`.
QTextFragment FindFragment(const QTextBrowser* browser,
                           const std::function<bool(const QTextCharFormat&)>& matches) {
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (matches(it.fragment().charFormat()))
                return it.fragment();
    return QTextFragment();
}

// How far down the document the anchor `name` lies, in pixels.
int AnchorTop(const QTextBrowser* browser, const QString& name) {
    const QTextFragment fragment = FindFragment(browser, [&name](const QTextCharFormat& format) {
        return format.anchorNames().contains(name);
    });
    const QTextBlock block = browser->document()->findBlock(fragment.position());
    return static_cast<int>(browser->document()->documentLayout()->blockBoundingRect(block).top());
}

// The middle of the link to `href`, in the coordinates of the browser's window.
QPoint LinkPoint(const QTextBrowser* browser, const QString& href) {
    const QTextFragment link = FindFragment(
        browser, [&href](const QTextCharFormat& format) { return format.anchorHref() == href; });
    QTextCursor cursor(browser->document());
    cursor.setPosition(link.position() + link.length() / 2);
    return browser->viewport()->mapTo(browser->window(), browser->cursorRect(cursor).center());
}
} // namespace

TEST(HelpWindow, OneWindowFollowsEachRequestToItsTopicAndComesToTheFront) {
    DesktopServices& services = DesktopServices::Current();
    QWidget other;
    const struct {
        const char* topic;
        bool scrollAway; // the user scrolls to the top before the request
    } requests[] = {{"second", false}, {"third", false}, {"third", true}, {"", false}};
    HelpWindow* first = nullptr;
    for (const auto& r : requests) {
        SCOPED_TRACE(r.topic);
        if (first != nullptr) {
            other.show();
            other.activateWindow();
            QApplication::processEvents();
            ASSERT_EQ(QApplication::activeWindow(), &other);
            if (r.scrollAway)
                Browser(first)->verticalScrollBar()->setValue(0);
        }
        services.ShowHelp(r.topic);
        QApplication::processEvents();
        const std::vector<HelpWindow*> windows = HelpWindows();
        ASSERT_EQ(windows.size(), 1u);
        if (first == nullptr)
            first = windows.front();
        EXPECT_EQ(windows.front(), first);
        EXPECT_EQ(QApplication::activeWindow(), first);
        EXPECT_EQ(first->windowTitle(), "Test Manual");
        const QTextBrowser* browser = Browser(first);
        EXPECT_EQ(Scrolled(browser), *r.topic ? AnchorTop(browser, r.topic) : 0);
        EXPECT_GT(browser->verticalScrollBar()->maximum(), Scrolled(browser));
    }
    services.CloseHelp();
}

TEST(HelpWindow, EscapeAndCloseHelpCloseItAndTheNextRequestOpensItAgain) {
    DesktopServices& services = DesktopServices::Current();
    const struct {
        const char* name;
        std::function<void(HelpWindow*)> close;
    } cases[] = {
        {"Escape", [](HelpWindow* help) { QTest::keyClick(help->windowHandle(), Qt::Key_Escape); }},
        {"CloseHelp", [&services](HelpWindow*) { services.CloseHelp(); }},
    };
    for (const auto& c : cases) {
        services.ShowHelp("second");
        QApplication::processEvents();
        ASSERT_EQ(HelpWindows().size(), 1u) << c.name;
        c.close(HelpWindows().front());
        QApplication::processEvents();
        EXPECT_TRUE(HelpWindows().empty()) << c.name;
        services.ShowHelp("third");
        QApplication::processEvents();
        ASSERT_EQ(HelpWindows().size(), 1u) << c.name;
        EXPECT_EQ(Browser(HelpWindows().front())->source().fragment(), "third") << c.name;
        services.CloseHelp();
    }
}

// Input is given to the windows as the window system gives it, which drops
// what a modal dialog blocks.
TEST(HelpWindow, AModalDialogDoesNotBlockItsScrollingLinksOrClosing) {
    DesktopServices& services = DesktopServices::Current();
    const struct {
        const char* name;
        bool openBefore; // else opened from inside the dialog
    } cases[] = {{"opened while the dialog runs", false}, {"open when the dialog starts", true}};
    for (const auto& c : cases) {
        const ModalDeadline deadline;
        QDialog dialog;
        if (c.openBefore)
            services.ShowHelp("first");
        std::vector<std::string> seen;
        QTimer::singleShot(0, &dialog, [&] {
            if (!c.openBefore)
                services.ShowHelp("first");
            QApplication::processEvents();
            HelpWindow* help = HelpWindows().front();
            QTextBrowser* browser = Browser(help);
            QWindow* window = help->windowHandle();
            QTest::mouseClick(window, Qt::LeftButton, {}, LinkPoint(browser, "#third"));
            seen.push_back(browser->source().fragment().toStdString());
            QTest::keyClick(window, Qt::Key_Left, Qt::AltModifier);
            seen.push_back(browser->source().fragment().toStdString());
            QTest::keyClick(window, Qt::Key_End);
            seen.push_back(
                Scrolled(browser) == browser->verticalScrollBar()->maximum() ? "end" : "not end");
            QTest::keyClick(window, Qt::Key_Escape);
            QApplication::processEvents();
            seen.push_back(HelpWindows().empty() ? "closed" : "open");
            dialog.reject();
        });
        dialog.exec();
        EXPECT_EQ(seen, (std::vector<std::string>{"third", "first", "end", "closed"})) << c.name;
        services.CloseHelp();
    }
}
