#include "framework/dialog/Accelerators.h"
#include "framework/dialog/ResourceTable.h"
#include "tests/framework/support/DialogFixture.h"

namespace {
constexpr UINT kTable = 9010;
} // namespace

class Accelerators : public DialogFixture {};

TEST_F(Accelerators, AKeyWithExactlyItsModifiersSendsItsCommand) {
    ResourceTable::AddAccelerators(
        AcceleratorTable{kTable,
                         {ACCEL{FVIRTKEY, VK_F3, TestIds::kFind},
                          ACCEL{FVIRTKEY | FSHIFT, VK_F3, TestIds::kBrowse}}});
    const HACCEL table = LoadAccelerators(kTable);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(LoadAccelerators(TestIds::kMissing), nullptr);

    const struct {
        const char* name;
        UINT message;
        WPARAM key;
        LPARAM modifiers;
        int translated;
        std::vector<std::string> log;
    } cases[] = {
        {"F3", WM_KEYDOWN, VK_F3, 0, 1, {"find"}},
        {"Shift+F3", WM_KEYDOWN, VK_F3, MK_SHIFT, 1, {"browse"}},
        {"Ctrl+F3: no entry", WM_KEYDOWN, VK_F3, MK_CONTROL, 0, {}},
        {"Alt+F3: no entry", WM_SYSKEYDOWN, VK_F3, 0, 0, {}},
        {"Shift+Ctrl+F3: no entry", WM_KEYDOWN, VK_F3, MK_SHIFT | MK_CONTROL, 0, {}},
        {"F3 released", WM_KEYUP, VK_F3, 0, 0, {}},
        {"another key", WM_KEYDOWN, VK_F1, 0, 0, {}},
    };
    for (const auto& c : cases) {
        dialog.log.clear();
        MSG msg;
        msg.hwnd = Control(TestIds::kText);
        msg.message = c.message;
        msg.wParam = c.key;
        msg.lParam = c.modifiers;
        EXPECT_EQ(TranslateAccelerator(dialog.m_hWnd, table, &msg), c.translated) << c.name;
        EXPECT_EQ(dialog.log, c.log) << c.name;
    }
    MSG f3;
    f3.message = WM_KEYDOWN;
    f3.wParam = VK_F3;
    EXPECT_EQ(TranslateAccelerator(dialog.m_hWnd, nullptr, &f3), 0) << "no table";
}
