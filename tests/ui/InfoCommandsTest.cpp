// The About and Web links commands of the main dialog: buttons and menu items
// open their dialogs, whose banners fade in afresh each time.
#include "dialogs/CAboutBox.h"
#include "dialogs/CLinksDlg.h"
#include "framework/dialog/ModalHook.h"
#include "framework/window/TickCount.h"
#include "tests/ui/SearchDialogFixture.h"

#include <functional>

namespace {
// Whether any pixel of the banner shows the maker's line in its final pale
// blue.
bool ShowsPaleText(const CDialog& dialog, int banner) {
    const QImage image = Widget(dialog, banner)->grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == QColor(184, 220, 240))
                return true;
    return false;
}
} // namespace

using InfoCommands = SearchDialogFixture;

TEST_F(InfoCommands, ButtonsAndMenuItemsOpenTheAboutBoxAndTheWebLinksDialog) {
    const struct {
        const char* name;
        std::function<void()> command;
        bool about;
    } cases[] = {
        {"About button", [this] { Click(IDC_ABOUT); }, true},
        {"Help > About", [this] { Choose("&Help", "&About"); }, true},
        {"Web links button", [this] { Click(ID_WEB_LINKS); }, false},
        {"Help > Web links", [this] { Choose("&Help", "&Web links ..."); }, false},
    };
    for (const auto& c : cases) {
        std::vector<std::string> opened;
        ModalHook hook([&opened](CDialog& running) {
            if (dynamic_cast<CAboutBox*>(&running))
                opened.push_back("about");
            if (dynamic_cast<CLinksDlg*>(&running))
                opened.push_back("links");
            return INT_PTR{IDOK};
        });
        c.command();
        EXPECT_EQ(opened, std::vector<std::string>{c.about ? "about" : "links"}) << c.name;
        EXPECT_EQ(dialog.GetModalResult(), -1) << c.name;
    }
}

TEST_F(InfoCommands, EachOpeningFadesTheBannerInWithinOneSecond) {
    DWORD now = 0;
    const TickCountHook clock([&now] { return now; });
    const struct {
        int button;
        int banner;
    } dialogs[] = {{IDC_ABOUT, IDC_ABOUT_BANNER}, {ID_WEB_LINKS, IDC_LINKS_BANNER}};
    for (const auto& d : dialogs) {
        for (DWORD opening : {DWORD{1000}, DWORD{60000}}) {
            SCOPED_TRACE(opening);
            now = opening;
            std::vector<bool> pale;
            ModalHook hook([&](CDialog& running) {
                pale.push_back(ShowsPaleText(running, d.banner));
                now = opening + 990;
                pale.push_back(ShowsPaleText(running, d.banner));
                now = opening + 1000;
                pale.push_back(ShowsPaleText(running, d.banner));
                return INT_PTR{IDOK};
            });
            Click(d.button);
            EXPECT_EQ(pale, (std::vector<bool>{false, false, true}));
        }
    }
}
