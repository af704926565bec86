#pragma once

#include "framework/desktop/FolderChooserEvents.h"
#include "framework/desktop/FolderChooserWindow.h"

#include <QDialog>
#include <string>

class FolderTreeModel;
class QDialogButtonBox;
class QItemSelection;
class QLabel;
class QModelIndex;
class QTreeView;

// The folder chooser: "Current Selection", a tree of the file system's
// folders, a one-line status line and OK / Cancel. It reports "initialized"
// when it first opens and every change of the selected folder; OK is enabled
// while a folder is selected and accepts it. It opens with a folder
// selected: the caller's, else the home folder. F1 is reported as a request
// for help. It never opens larger than the screen holds (ScreenFit).
class FolderChooserDialog : public QDialog, public FolderChooserWindow {
    Q_OBJECT

public:
    explicit FolderChooserDialog(FolderChooserEvents events, QWidget* parent = nullptr);

    void SetSelection(const std::string& path) override;
    void SetStatusText(const std::string& text) override;

    // The selected folder's path; empty while nothing is selected.
    std::string SelectedPath() const;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnSelectionChanged();
    void OnExpanded(const QModelIndex& index);
    void ShowHome();
    void Reveal(const QModelIndex& index);
    void ShowNameOf(const QModelIndex& index);

    FolderChooserEvents m_events;
    FolderTreeModel* m_model = nullptr;
    QTreeView* m_tree = nullptr;
    QLabel* m_status = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
    bool m_initialized = false;
};
