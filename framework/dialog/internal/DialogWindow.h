#pragma once

#include "framework/dialog/DialogTemplate.h"
#include "framework/dialog/DialogUnits.h"
#include "framework/dialog/MenuItem.h"
#include "framework/window/internal/ControlWidget.h"

#include <QDialog>
#include <QPointer>
#include <vector>

class CDialog;
class QMenu;
class QMenuBar;

// The top-level window of a CDialog, built from its template: the caption,
// the template's menu as a menu bar above a client area of the template's
// size in dialog units, and in the client area the controls at their
// rectangles, in template order, which is also the tab order. Its menu
// commands and its close box go to the dialog as messages; it lets the
// dialog's mnemonics win over the menu bar's.
//
// Once keys have moved the menu bar's highlight (from an open menu onto a
// command of the bar itself, or after Escape closed a menu), the bar keeps
// the keys as a menu does until the highlight goes: Escape only leaves the
// menu, it never reaches the dialog. A highlight under the pointer alone
// takes no keys.
//
// When first shown it is centred on its owner, or on the screen's available
// area, frame included and its title bar never off the screen (see
// WindowPlacement); the frame's size is known only once the window manager
// has framed the window, which places it once more.
class DialogWindow : public QDialog, public ControlWidget {
public:
    DialogWindow(CDialog* owner, const DialogTemplate& dialog, QWidget* parent);

    QWidget* Client() const { return m_client; }
    const DialogUnits& Units() const { return m_units; }
    // The controls in template order.
    const std::vector<QPointer<QWidget>>& Controls() const { return m_controls; }

    QString DisplayText() const override { return windowTitle(); }
    void SetDisplayText(const QString& text) override { setWindowTitle(text); }
    void ApplyStyle(DWORD, DWORD) override {}

    // The close box, and QDialog's own ways of cancelling, ask the dialog.
    void reject() override;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AddMenuItems(const std::vector<MenuItem>& items, QMenuBar* bar, QMenu* menu);
    QWidget* AddControl(const DialogItem& item);
    // Notes whether keys or the mouse moved the menu bar's highlight last.
    void NoteMenuInput(const QEvent* event);
    // Whether a key pressed now belongs to the menu bar, not to the dialog.
    bool MenuBarHoldsKeys() const;
    void Place();

    // All set before the constructor's body makes the first child: a child
    // made sends its window events, which event() and eventFilter() read
    // these for.
    CDialog* m_owner;
    DialogUnits m_units;
    QWidget* m_client = nullptr;
    QMenuBar* m_menuBar = nullptr;
    bool m_menuKeys = false;
    bool m_placed = false;
    bool m_framePlaced = false;
    std::vector<QPointer<QWidget>> m_controls;
};
