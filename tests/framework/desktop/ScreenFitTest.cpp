#include "FolderChooserDialog.h"
#include "HelpWindow.h"
#include "ScopedEnvironment.h"
#include "TempTree.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {
// The application's font, at `pixels` high while it lives.
class ScopedFontSize {
public:
    explicit ScopedFontSize(int pixels) : m_saved(QApplication::font()) {
        QFont font = m_saved;
        font.setPixelSize(pixels);
        QApplication::setFont(font);
    }
    ~ScopedFontSize() { QApplication::setFont(m_saved); }

private:
    QFont m_saved;
};
} // namespace

// Regression: at 200 % on a 1024 x 768 screen the help window (960 x 1008)
// and the folder picker (its OK and Cancel below the edge) ran off the
// screen. A large font makes both want more than the screen holds here.
TEST(ScreenFit, HelpAndPickerWiderOrTallerThanTheScreenKeepWithinIt) {
    TempTree home;
    const ScopedEnvironment homeVariable("HOME", home.Root());
    const struct {
        const char* name;
        std::function<std::unique_ptr<QWidget>()> make;
    } cases[] = {
        {"help window", [] { return std::make_unique<HelpWindow>(QUrl("qrc:/help/manual.html")); }},
        {"folder picker",
         [] { return std::make_unique<FolderChooserDialog>(FolderChooserEvents{}); }},
    };
    for (const auto& c : cases) {
        // The main window, framed and active, that the window is opened from.
        QWidget owner;
        owner.show();
        owner.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&owner)) << c.name;
        const ScopedFontSize large(32);
        const std::unique_ptr<QWidget> window = c.make();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get())) << c.name;
        const QRect area = owner.screen()->availableGeometry();
        const QSize frame = window->frameGeometry().size();
        EXPECT_LE(frame.width(), area.width()) << c.name;
        EXPECT_LE(frame.height(), area.height()) << c.name;
        EXPECT_TRUE(area.contains(window->frameGeometry()))
            << c.name << ": " << window->frameGeometry().x() << "," << window->frameGeometry().y();
    }
}
