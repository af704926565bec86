// Every dialog of the program as a screen reader reads it, through Qt's
// accessibility interfaces: no control is a nameless filler, every edit,
// list, tree and link has a name, and every static is named by the text it
// shows. The main window after a search holds what a sighted user reads.
#include "dialogs/CAboutBox.h"
#include "dialogs/CLinksDlg.h"
#include "dialogs/COptionsDlg.h"
#include "dialogs/CTipOfDayDlg.h"
#include "framework/desktop/internal/FolderChooserDialog.h"
#include "tests/support/AccessibilityRecorder.h"
#include "tests/support/KeyedApp.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TempConfigHome.h"
#include "tests/ui/SearchDialogFixture.h"

#include <QAccessible>
#include <QLabel>
#include <QTreeView>
#include <functional>
#include <memory>

namespace {
// Every interface under `node` that a reader is shown, depth first.
void Collect(QAccessibleInterface* node, std::vector<QAccessibleInterface*>& found) {
    if (node == nullptr || node->state().invisible)
        return;
    found.push_back(node);
    for (int i = 0; i < node->childCount(); ++i)
        Collect(node->child(i), found);
}

std::vector<QAccessibleInterface*> ReaderView(QWidget* window) {
    std::vector<QAccessibleInterface*> found;
    Collect(QAccessible::queryAccessibleInterface(window), found);
    return found;
}

// The text a static shows: its window text, with "&" as a mnemonic mark
// unless the static shows it as it is.
QString Shown(const QObject* object) {
    if (const auto* label = qobject_cast<const QLabel*>(object))
        return label->text();
    const CWnd* wnd = CWnd::FromHandle(qobject_cast<QWidget*>(const_cast<QObject*>(object)));
    std::string text;
    wnd->GetWindowText(text);
    const QString shown = QString::fromStdString(text);
    return wnd->GetStyle() & SS_NOPREFIX ? shown : QString(shown).remove(u'&');
}

void ExpectReadable(QWidget* window, const char* dialog) {
    const auto view = ReaderView(window);
    EXPECT_GT(view.size(), 3u) << dialog;
    for (QAccessibleInterface* node : view) {
        const QString name = node->text(QAccessible::Name);
        const QObject* object = node->object();
        const std::string what = std::string(dialog) + ": " +
                                 (object ? object->metaObject()->className() : "item") + " \"" +
                                 name.toStdString() + "\"";
        switch (node->role()) {
        case QAccessible::Client:
            EXPECT_TRUE(node->childCount() > 0 || !name.isEmpty()) << what << " is a filler";
            break;
        case QAccessible::EditableText:
        case QAccessible::List:
        case QAccessible::Tree:
        case QAccessible::Link:
            EXPECT_FALSE(name.isEmpty()) << what << " has no name";
            break;
        case QAccessible::StaticText:
            EXPECT_EQ(name, Shown(object)) << what;
            break;
        default:
            break;
        }
    }
}

std::vector<QString> Names(QWidget* window, QAccessible::Role role) {
    std::vector<QString> names;
    for (QAccessibleInterface* node : ReaderView(window))
        if (node->role() == role)
            names.push_back(node->text(QAccessible::Name));
    return names;
}

using AccessibilitySweep = SearchDialogFixture;
} // namespace

TEST_F(AccessibilitySweep, EveryDialogIsReadableAndEveryControlNamed) {
    tree.File("notes.txt", "first hit\nmiss\nhit & more\n");
    tree.File("other.txt", "hit again\n");
    Find(tree.Root(), "hit");
    ExpectReadable(dialog.m_hWnd, "main");

    const TempConfigHome home;
    const KeyedApp app{"vodizuzi"};
    const struct {
        const char* name;
        std::function<std::unique_ptr<CDialog>()> make;
    } dialogs[] = {
        {"Options", [] { return std::make_unique<COptionsDlg>(); }},
        {"About", [] { return std::make_unique<CAboutBox>(); }},
        {"Web Links", [] { return std::make_unique<CLinksDlg>(); }},
        {"Tip of the Day", [] { return std::make_unique<CTipOfDayDlg>(); }},
    };
    for (const auto& d : dialogs) {
        const auto shown = d.make();
        ASSERT_TRUE(shown->Create()) << d.name;
        ShowActive(*shown);
        ExpectReadable(shown->m_hWnd, d.name);
    }

    const ScopedEnvironment homeFolder("HOME", tree.Root());
    FolderChooserDialog picker(FolderChooserEvents{});
    picker.show();
    picker.SetStatusText(tree.Root());
    ExpectReadable(&picker, "picker");
    EXPECT_EQ(Names(&picker, QAccessible::Tree), (std::vector<QString>{"Current Selection"}));
    // Qt keeps the hidden header of a tree as an invisible cell, which read "1".
    QAccessibleInterface* folders =
        QAccessible::queryAccessibleInterface(picker.findChild<QTreeView*>());
    for (int i = 0; i < folders->childCount(); ++i) {
        if (folders->child(i)->role() == QAccessible::ColumnHeader) {
            EXPECT_EQ(folders->child(i)->text(QAccessible::Name), "") << "a stray header";
        }
    }
}

TEST_F(AccessibilitySweep, AfterASearchTheMainWindowReadsAsItShows) {
    tree.File("notes.txt", "first hit\nmiss\nhit & more\n");
    tree.File("other.txt", "hit again\n");
    Find(tree.Root(), "hit");
    const auto statics = Names(dialog.m_hWnd, QAccessible::StaticText);
    for (const std::string& shown :
         {tree.Root(), std::string("Waiting..."), std::string("1 / 2"), tree.Path("notes.txt")})
        EXPECT_NE(std::find(statics.begin(), statics.end(), QString::fromStdString(shown)),
                  statics.end())
            << shown;
    EXPECT_EQ(Names(dialog.m_hWnd, QAccessible::ListItem),
              (std::vector<QString>{"first hit", "hit & more"}));
    EXPECT_EQ(Names(dialog.m_hWnd, QAccessible::EditableText),
              (std::vector<QString>{"Search string"}));
    EXPECT_EQ(Names(dialog.m_hWnd, QAccessible::List), (std::vector<QString>{"Results"}));
}

// A reader heard nothing of a search's progress or outcome.
TEST_F(AccessibilitySweep, TheStatusLineCounterAndPathAnnounceEachChangeOfText) {
    for (const char* folder : {"a", "b", "c"})
        tree.File(std::string(folder) + "/hit.txt", "hit\n");
    AccessibilityRecorder reader;
    Find(tree.Root(), "hit");
    const auto status = reader.Names(Control(IDC_STATUS_TEXT), QAccessible::NameChanged);
    ASSERT_GE(status.size(), 2u);
    EXPECT_EQ(status[status.size() - 2], QString::fromStdString(tree.Path("c")));
    EXPECT_EQ(status.back(), "Waiting...");
    const auto counter = reader.Names(Control(IDC_COUNTER), QAccessible::NameChanged);
    ASSERT_FALSE(counter.empty());
    EXPECT_EQ(counter.back(), "1 / 3");
    const auto path = reader.Names(Control(IDC_MATCH_PATH), QAccessible::NameChanged);
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.back(), QString::fromStdString(tree.Path("a/hit.txt")));
}

// With a screen reader already on, Qt made a plain list interface while the
// list box was still being built, and the result list had no name.
TEST_F(AccessibilitySweep, AListBoxBuiltWhileAReaderIsOnIsNamedAllTheSame) {
    const AccessibilityRecorder reader;
    CSearchDlg fresh;
    ASSERT_TRUE(fresh.Create());
    ShowActive(fresh);
    EXPECT_EQ(Names(fresh.m_hWnd, QAccessible::List), (std::vector<QString>{"Results"}));
}
