#include "tests/ui/SearchDialogFixture.h"

#include "dialogs/OptionsStore.h"
#include "framework/dialog/ModalHook.h"
#include "tests/support/KeyedApp.h"
#include "tests/support/OptionsPrinter.h"
#include "tests/support/TempConfigHome.h"

#include <QMenuBar>
#include <optional>

using Texts = std::vector<std::string>;

namespace {
struct OptionsCase {
    const char* name;
    bool fromMenu;
    void (*use)(CDialog& options);
    std::optional<SearchOptions> stored; // the profile afterwards; none: as before
    Texts found;                         // by the next search for "hit"
};

void PrintTo(const OptionsCase& c, std::ostream* out) {
    *out << c.name;
}

// The main dialog over a profile of its own that holds the first-run options.
class OptionsCommand : public SearchDialogFixture,
                       public ::testing::WithParamInterface<OptionsCase> {
protected:
    OptionsCommand() { WriteDefaultOptions(app); }

    // Runs the Options command from the button or the menu; `use` plays the
    // user's part in the Options dialog.
    void RunOptions(bool fromMenu, void (*use)(CDialog&)) {
        ModalHook hook([use](CDialog& options) {
            ShowActive(options);
            use(options);
            return options.GetModalResult();
        });
        if (!fromMenu)
            return Click(ID_OPTIONS);
        for (QAction* menu : dialog.m_hWnd->findChild<QMenuBar*>()->actions())
            if (menu->text() == "&Edit")
                for (QAction* item : menu->menu()->actions())
                    if (item->text() == "&Options...")
                        return item->trigger();
        FAIL() << "no Edit > Options...";
    }
    // The file names of the records, stepping through them with Next.
    Texts Found() {
        const std::string counter = Text(IDC_COUNTER);
        const int count = counter.empty() ? 0 : std::stoi(counter.substr(counter.rfind(' ') + 1));
        Texts names;
        for (int i = 0; i < count; ++i) {
            if (i > 0)
                Click(IDC_NEXT);
            const std::string path = Text(IDC_MATCH_PATH);
            names.push_back(path.substr(path.rfind('/') + 1));
        }
        return names;
    }

    TempConfigHome home;
    KeyedApp app{"main"};
};

void ClickIn(CDialog& options, int id) {
    QTest::mouseClick(Widget(options, id), Qt::LeftButton);
}

const OptionsCase kOptionsCases[] = {
    {"CancelAfterChanges",
     false,
     [](CDialog& d) {
         ClickIn(d, IDC_IGNORE_CAPS);
         ClickIn(d, IDC_MAX_MATCHES);
         QTest::keyClick(Widget(d, IDC_MAX_MATCHES), Qt::Key_A, Qt::ControlModifier);
         QTest::keyClicks(Widget(d, IDC_MAX_MATCHES), "1");
         ClickIn(d, IDCANCEL);
     },
     std::nullopt,
     {"d.txt", "c.nfo", "b.diz"}},
    // The profile's order of the extensions, and case-sensitive.
    {"OKAfterUncheckingTheFirstBox",
     false,
     [](CDialog& d) {
         ClickIn(d, IDC_IGNORE_CAPS);
         ClickIn(d, IDOK);
     },
     SearchOptions{"txt", "diz", "nfo", "", "", 0, 1, 50},
     {"b.diz", "c.nfo"}},
    {"OKFromTheMenu",
     true,
     [](CDialog& d) { ClickIn(d, IDOK); },
     SearchOptions{"txt", "diz", "nfo", "", "", 1, 1, 50},
     {"d.txt", "b.diz", "c.nfo"}},
};

} // namespace

INSTANTIATE_TEST_SUITE_P(, OptionsCommand, ::testing::ValuesIn(kOptionsCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(OptionsCommand, OnlyOKHandsTheOptionsToTheNextSearch) {
    const OptionsCase& c = GetParam();
    tree.File("d.txt", "HIT\n");
    tree.File("c.nfo", "hit\n");
    tree.File("b.diz", "hit\n");
    Find(tree.Root(), "hit");
    // The built-in options until the first OK.
    ASSERT_EQ(Found(), (Texts{"d.txt", "c.nfo", "b.diz"}));
    const std::optional<std::string> profile = home.Profile("main");

    RunOptions(c.fromMenu, c.use);
    // The record on display stays.
    EXPECT_EQ(Text(IDC_MATCH_PATH), tree.Path("b.diz"));
    EXPECT_EQ(Text(IDC_COUNTER), "3 / 3");
    if (c.stored)
        EXPECT_EQ(LoadOptions(app), *c.stored);
    else
        EXPECT_EQ(home.Profile("main"), profile);
    Click(IDC_FIND);
    EXPECT_EQ(Found(), c.found);
    EXPECT_TRUE(boxes.boxes.empty());
}
