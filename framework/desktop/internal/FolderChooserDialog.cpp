#include "framework/desktop/internal/FolderChooserDialog.h"

#include "framework/desktop/internal/FolderTreeModel.h"
#include "framework/desktop/internal/MinimiseGuard.h"
#include "framework/desktop/internal/ScreenFit.h"
#include "framework/types/ByteText.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace {
std::string HomePath() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0')
        return home;
    const passwd* user = ::getpwuid(::getuid());
    return user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "/";
}
} // namespace

FolderChooserDialog::FolderChooserDialog(FolderChooserEvents events, QWidget* parent)
    : QDialog(parent), m_events(std::move(events)) {
    // Members first: making a child sends this window events.
    m_model = new FolderTreeModel(this);
    m_tree = new QTreeView(this);
    m_status = new QLabel(this);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    setWindowTitle("Current Selection");

    m_tree->setModel(m_model);
    m_tree->setHeaderHidden(true);
    m_tree->setAccessibleName(windowTitle());
    // Deep folders scroll sideways rather than cutting their names short.
    m_tree->header()->setStretchLastSection(false);
    m_tree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_tree->setUniformRowHeights(true);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setFocus();

    // One line, whatever its text: a long text neither wraps nor widens the dialog.
    m_status->setTextFormat(Qt::PlainText);
    m_status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_status->setMinimumHeight(m_status->fontMetrics().height());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tree, 1);
    layout->addWidget(m_status);
    layout->addWidget(m_buttons);

    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(false);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_tree->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FolderChooserDialog::OnSelectionChanged);
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &FolderChooserDialog::ShowNameOf);
    connect(m_tree, &QTreeView::expanded, this, &FolderChooserDialog::OnExpanded);

    const QFontMetrics metrics = fontMetrics();
    resize(std::max(360, 45 * metrics.averageCharWidth()), std::max(420, 26 * metrics.height()));
    ScreenFit::Apply(*this);
    MinimiseGuard::Install(*this);
}

void FolderChooserDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_initialized)
        return;
    m_initialized = true;
    ShowHome();
    if (m_events.initialized)
        m_events.initialized(*this);
    // Never open without a selection: with none from the caller, the home
    // folder in view is selected, which the caller hears of as a change.
    if (SelectedPath().empty())
        m_tree->selectionModel()->select(m_tree->currentIndex(),
                                         QItemSelectionModel::ClearAndSelect);
}

void FolderChooserDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier && m_events.help) {
        m_events.help();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FolderChooserDialog::SetSelection(const std::string& path) {
    if (path.empty()) {
        ShowHome();
        return;
    }
    const QModelIndex index = m_model->IndexOf(path);
    if (!index.isValid())
        return;
    Reveal(index);
    m_tree->setCurrentIndex(index);
}

void FolderChooserDialog::SetStatusText(const std::string& text) {
    m_status->setText(ByteText::ToDisplay(text));
}

std::string FolderChooserDialog::SelectedPath() const {
    const QModelIndexList selected = m_tree->selectionModel()->selectedRows();
    return selected.isEmpty() ? std::string() : m_model->PathOf(selected.front());
}

void FolderChooserDialog::OnSelectionChanged() {
    const std::string path = SelectedPath();
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!path.empty());
    if (!path.empty() && m_events.selectionChanged)
        m_events.selectionChanged(*this, path);
}

// A folder is read when first expanded; one found to have no subfolders then
// closes again and loses its expand mark.
void FolderChooserDialog::OnExpanded(const QModelIndex& index) {
    if (m_model->hasChildren(index))
        return;
    m_tree->collapse(index);
    m_tree->doItemsLayout();
}

// Nothing selected, the home folder in view and current, so that the keys
// move on from there.
void FolderChooserDialog::ShowHome() {
    m_tree->selectionModel()->clearSelection();
    QModelIndex home = m_model->IndexOf(HomePath());
    if (!home.isValid())
        home = m_model->index(0, 0);
    Reveal(home);
    m_tree->selectionModel()->setCurrentIndex(home, QItemSelectionModel::NoUpdate);
}

void FolderChooserDialog::Reveal(const QModelIndex& index) {
    for (QModelIndex folder = index.parent(); folder.isValid(); folder = folder.parent())
        m_tree->expand(folder);
    m_tree->scrollTo(index, QAbstractItemView::PositionAtCenter);
    ShowNameOf(index);
}

// The tree scrolls only up and down to an item; this brings its name into
// view sideways too, as deep folders lie beyond the right edge. The item's
// cell is as wide as the widest name in view: what must show is its own icon
// and name, so that a short name beside a long one scrolls nothing.
void FolderChooserDialog::ShowNameOf(const QModelIndex& index) {
    m_tree->header()->resizeSections(QHeaderView::ResizeToContents);
    const int left = m_tree->visualRect(index).left();
    const int itemWidth = m_tree->sizeHintForIndex(index).width();
    const int width = m_tree->viewport()->width();
    if (left >= 0 && left + std::min(itemWidth, width) <= width)
        return;
    QScrollBar* bar = m_tree->horizontalScrollBar();
    bar->setValue(bar->value() + left - m_tree->indentation());
}
