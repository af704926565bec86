// Writes pictures of the dialogs as PNG files, for a person to look at:
//   vodizuzi_screenshots dialogs FOLDER   the main dialog empty and showing
//                                         results, the Options dialog with
//                                         the first-run options, the About
//                                         box, the Web Links dialog, the
//                                         folder picker, the Tip of the Day
//                                         (its first tip and its longest)
//                                         and the help window at the main
//                                         window's topic
//   vodizuzi_screenshots button FOLDER    one icon button in its four states
//   vodizuzi_screenshots banner FOLDER    the About box's banner half way
//                                         and at the end of its fade
// Run it with QT_QPA_PLATFORM=offscreen; the button and banner pictures are
// meant to be taken with QT_SCALE_FACTOR=2.
#include "dialogs/CAboutBox.h"
#include "dialogs/CFolderBrowser.h"
#include "dialogs/CLinksDlg.h"
#include "dialogs/COptionsDlg.h"
#include "dialogs/CTipOfDayDlg.h"
#include "dialogs/OptionsStore.h"
#include "framework/desktop/DesktopServices.h"
#include "framework/dialog/MessageBoxHook.h"
#include "framework/dialog/ResourceTable.h"
#include "framework/window/TickCount.h"
#include "res/RegisterResources.h"
#include "res/Resource.h"
#include "tests/support/KeyedApp.h"
#include "tests/support/ScopedCurrentFolder.h"
#include "tests/support/TempConfigHome.h"
#include "tests/support/TempTree.h"
#include "ui/CSearchDlg.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

// Answers the folder chooser with one folder; starts no editor, opens no
// link and shows no help.
class ChooseFolderDesktop : public DesktopServices {
public:
    explicit ChooseFolderDesktop(std::string folder) : m_folder(std::move(folder)) {}
    std::optional<std::string> ChooseFolder(const FolderChooserEvents&) override {
        return m_folder;
    }
    bool StartEditor(const std::string&) override { return false; }
    bool OpenLink(const std::string&) override { return false; }
    void ShowHelp(const std::string&) override {}
    void CloseHelp() override {}

private:
    std::string m_folder;
};

QString g_folder;

void Save(QWidget* widget, const char* name) {
    const QString path = g_folder + "/" + name;
    if (!widget->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    std::printf("%s\n", qPrintable(path));
}

void Show(CWnd& wnd) {
    QApplication::setQuitOnLastWindowClosed(false);
    wnd.m_hWnd->show();
    QApplication::setActiveWindow(wnd.m_hWnd);
    QApplication::processEvents();
}

QWidget* Control(const CWnd& dialog, int id) {
    return dialog.GetDlgItem(id)->m_hWnd;
}

void MakeExample(TempTree& tree) {
    tree.File("Letters/2019/invoice.txt", "Dear customer,\nyour order 4711 has shipped.\n"
                                          "Order total: 12.50\nKind regards\n");
    tree.File("Letters/reply.txt", "Re: order 4711\nThe order arrived on Monday.\n"
                                   "One more order will follow.\nThanks\n");
    tree.File("Notes/todo.nfo", "- pay order 4711\n- call the bank\n- order paper\n");
    tree.File("Notes/readme.diz", "Nothing to see here\n");
}

void Dialogs() {
    TempTree tree;
    MakeExample(tree);

    CSearchDlg empty;
    empty.Create();
    Show(empty);
    Save(empty.m_hWnd, "main-empty.png");
    empty.DestroyWindow();

    ChooseFolderDesktop desktop(tree.Root());
    DesktopServices::Override installed(desktop);
    CSearchDlg results;
    results.Create();
    Show(results);
    QTest::mouseClick(Control(results, IDC_BROWSE), Qt::LeftButton);
    QTest::mouseClick(Control(results, IDC_SEARCH_TEXT), Qt::LeftButton);
    QTest::keyClicks(Control(results, IDC_SEARCH_TEXT), "order");
    QTest::mouseClick(Control(results, IDC_FIND), Qt::LeftButton);
    QTest::mouseClick(Control(results, IDC_NEXT), Qt::LeftButton);
    QWidget* outside = Control(results, IDC_LINE_LIST);
    QTest::mouseMove(outside, QPoint(outside->width() / 2, outside->height() / 2));
    QApplication::processEvents();
    Save(results.m_hWnd, "main-results.png");
    results.DestroyWindow();
}

void Options() {
    // A profile of its own, so that the user's stays untouched.
    TempConfigHome home;
    KeyedApp app("vodizuzi");
    WriteDefaultOptions(app);
    COptionsDlg dialog;
    dialog.Create();
    Show(dialog);
    Save(dialog.m_hWnd, "options.png");
}

void FolderPicker() {
    // A home folder of its own beside the pictures, so that the tree around
    // it shows the build tree rather than whatever fills /tmp.
    QTemporaryDir home(g_folder + "/home-XXXXXX");
    for (const char* folder :
         {"Documents/Letters/2019", "Documents/Notes", "Music/Albums", "Pictures/Holidays 2023"})
        QDir(home.path()).mkpath(folder);
    ::setenv("HOME", qPrintable(home.path()), 1);
    // The real chooser runs modally; it is photographed and closed from
    // within its own loop.
    QTimer::singleShot(0, [] {
        QApplication::processEvents();
        QWidget* chooser = QApplication::activeModalWidget();
        Save(chooser, "folder-picker.png");
        chooser->close();
    });
    CFolderBrowser browser(qPrintable(home.filePath("Documents/Letters/2019")));
    browser.DoModal();
}

// The Tip of the Day with the program's own tips, read afresh from a profile
// of its own: the first tip, then the longest one.
void TipOfTheDay() {
    TempConfigHome home;
    TempTree start;
    std::ifstream shipped(VODIZUZI_TIPS_FILE, std::ios::binary);
    start.File("tips.txt", std::string(std::istreambuf_iterator<char>(shipped), {}));
    ScopedCurrentFolder current(start.Root());
    KeyedApp app("vodizuzi");
    CTipOfDayDlg tip;
    tip.Create();
    Show(tip);
    Save(tip.m_hWnd, "tip-of-the-day.png");
    // The eleventh tip is the longest.
    for (int i = 0; i < 10; ++i)
        QTest::mouseClick(Control(tip, IDC_NEXTTIP), Qt::LeftButton);
    QApplication::processEvents();
    Save(tip.m_hWnd, "tip-of-the-day-long.png");
    tip.DestroyWindow();
}

void Send(QWidget* widget, QEvent::Type type, Qt::MouseButtons buttons) {
    const QPoint centre(widget->width() / 2, widget->height() / 2);
    QMouseEvent event(type, centre, widget->mapToGlobal(centre),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
    QApplication::processEvents();
}

void Button() {
    // Releasing the pressed Find button runs a search that has nothing to
    // look for; its message box is not wanted in a picture.
    MessageBoxHook quiet([](const std::string&, UINT) { return IDOK; });
    CSearchDlg dialog;
    dialog.Create();
    Show(dialog);
    QWidget* find = Control(dialog, IDC_FIND);
    Save(find, "button-normal.png");
    Send(find, QEvent::MouseMove, Qt::NoButton);
    Save(find, "button-hovered.png");
    Send(find, QEvent::MouseButtonPress, Qt::LeftButton);
    Save(find, "button-pressed.png");
    Send(find, QEvent::MouseButtonRelease, Qt::NoButton);
    dialog.GetDlgItem(IDC_FIND)->EnableWindow(FALSE);
    Send(Control(dialog, IDC_LINE_LIST), QEvent::MouseMove, Qt::NoButton);
    Save(find, "button-disabled.png");
}

// The About box and the Web Links dialog once their banners have faded in.
void InfoDialogs() {
    DWORD now = 0;
    TickCountHook clock([&now] { return now; });
    CAboutBox about;
    about.Create();
    Show(about);
    now = 1000;
    Save(about.m_hWnd, "about.png");
    about.DestroyWindow();
    CLinksDlg links;
    links.Create();
    Show(links);
    now = 2000;
    Save(links.m_hWnd, "web-links.png");
}

// The help window as the main window's Help button opens it.
void Help() {
    DesktopServices::Current().ShowHelp(HELP_MAIN_WINDOW);
    QApplication::processEvents();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->findChild<QTextBrowser*>())
            Save(window, "help.png");
    DesktopServices::Current().CloseHelp();
}

// The About box's banner half way through its fade and at its end.
void Banner() {
    DWORD now = 0;
    TickCountHook clock([&now] { return now; });
    CAboutBox about;
    about.Create();
    Show(about);
    QWidget* banner = Control(about, IDC_ABOUT_BANNER);
    now = 500;
    Save(banner, "banner-half-way.png");
    now = 1000;
    Save(banner, "banner-end.png");
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s dialogs|button|banner FOLDER\n", argv[0]);
        return 2;
    }
    g_folder = QDir(argv[2]).absolutePath();
    RegisterResources();
    const std::string what = argv[1];
    if (what == "dialogs") {
        Dialogs();
        Options();
        InfoDialogs();
        FolderPicker();
        TipOfTheDay();
        Help();
    } else if (what == "button") {
        Button();
    } else if (what == "banner") {
        Banner();
    } else {
        std::fprintf(stderr, "unknown picture set '%s'\n", argv[1]);
        return 2;
    }
    return 0;
}
