#include "framework/dialog/internal/DialogWindow.h"

#include "framework/desktop/internal/MinimiseGuard.h"
#include "framework/desktop/internal/WindowPlacement.h"
#include "framework/dialog/CDialog.h"
#include "framework/dialog/ResourceTable.h"
#include "framework/dialog/internal/ControlKind.h"
#include "framework/types/ByteText.h"
#include "framework/types/WinStyles.h"
#include "framework/window/internal/WndRecord.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

namespace {
// The title bar's buttons as the template asks for them; Qt hands them to the
// window manager as hints (Motif hints, the window type, a fixed size). A
// window manager may draw its own buttons whatever the hints say: openbox
// puts minimise and maximise on every window. Maximise does nothing on a
// window of fixed size, and MinimiseGuard undoes a minimise.
Qt::WindowFlags FlagsFor(const DialogTemplate& dialog) {
    Qt::WindowFlags flags = Qt::CustomizeWindowHint;
    flags |= dialog.exStyle & WS_EX_APPWINDOW ? Qt::Window : Qt::Dialog;
    if ((dialog.style & WS_CAPTION) == WS_CAPTION)
        flags |= Qt::WindowTitleHint;
    if (dialog.style & WS_SYSMENU)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (dialog.style & WS_MINIMIZEBOX)
        flags |= Qt::WindowMinimizeButtonHint;
    if (dialog.style & WS_MAXIMIZEBOX)
        flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}
} // namespace

DialogWindow::DialogWindow(CDialog* owner, const DialogTemplate& dialog, QWidget* parent)
    : QDialog(parent, FlagsFor(dialog)), m_owner(owner),
      m_units(DialogUnits::ForFont(DialogUnits::TemplateFont(dialog.faceName, dialog.pointSize))) {
    // Every member is set by now: making a child sends this window events.
    m_client = new QWidget(this);
    setFont(DialogUnits::TemplateFont(dialog.faceName, dialog.pointSize));
    setWindowTitle(ByteText::ToDisplay(dialog.caption));
    const int width = m_units.ToPixelsX(dialog.cx);
    const int height = m_units.ToPixelsY(dialog.cy);
    int barHeight = 0;
    if (const MenuTemplate* menu = ResourceTable::FindMenu(dialog.menuId)) {
        m_menuBar = new QMenuBar(this);
        m_menuBar->setNativeMenuBar(false);
        m_menuBar->installEventFilter(this);
        AddMenuItems(menu->items, m_menuBar, nullptr);
        barHeight = m_menuBar->heightForWidth(width);
        m_menuBar->setGeometry(0, 0, width, barHeight);
    }
    m_client->setGeometry(0, barHeight, width, height);
    setFixedSize(width, barHeight + height);
    installEventFilter(this);
    MinimiseGuard::Install(*this);

    QWidget* previous = nullptr;
    for (const DialogItem& item : dialog.items) {
        QWidget* control = AddControl(item);
        if (control->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous != nullptr)
            setTabOrder(previous, control);
        previous = control;
    }
}

void DialogWindow::AddMenuItems(const std::vector<MenuItem>& items, QMenuBar* bar, QMenu* menu) {
    for (const MenuItem& item : items) {
        const QString text = ByteText::ToDisplay(item.text);
        if (item.separator) {
            if (menu != nullptr)
                menu->addSeparator();
        } else if (!item.children.empty()) {
            QMenu* popup = menu ? menu->addMenu(text) : bar->addMenu(text);
            popup->installEventFilter(this);
            AddMenuItems(item.children, nullptr, popup);
        } else {
            QAction* action = menu ? menu->addAction(text) : bar->addAction(text);
            const UINT id = item.id;
            connect(action, &QAction::triggered, this,
                    [this, id] { m_owner->SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0); });
        }
    }
}

QWidget* DialogWindow::AddControl(const DialogItem& item) {
    QWidget* control = ControlKind::MakeControl(item, m_client);
    control->setGeometry(m_units.ToPixelsX(item.x), m_units.ToPixelsY(item.y),
                         m_units.ToPixelsX(item.cx), m_units.ToPixelsY(item.cy));
    WndRecord::Of(control).SetText(item.text);
    if (!(item.style & WS_VISIBLE))
        control->hide();
    if (item.style & WS_DISABLED)
        control->setEnabled(false);
    control->installEventFilter(this);
    m_controls.emplace_back(control);
    return control;
}

bool DialogWindow::event(QEvent* event) {
    if (m_placed && !m_framePlaced && frameGeometry().size() != size()) {
        m_framePlaced = true;
        Place();
    }
    return QDialog::event(event);
}

void DialogWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    Place();
}

void DialogWindow::Place() {
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QRect area = (owner ? owner : this)->screen()->availableGeometry();
    move(WindowPlacement::FramePosition(frameGeometry().size(),
                                        owner ? owner->frameGeometry() : area, area));
}

void DialogWindow::reject() {
    m_owner->SendMessage(WM_CLOSE);
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    m_owner->SendMessage(WM_CLOSE);
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_menuBar || qobject_cast<QMenu*>(watched)) {
        NoteMenuInput(event);
        return false;
    }
    switch (event->type()) {
    case QEvent::KeyPress:
        if (!MenuBarHoldsKeys())
            return false;
        QCoreApplication::sendEvent(m_menuBar, event);
        m_menuKeys = m_menuBar->activeAction() != nullptr;
        return true;
    case QEvent::MouseButtonPress:
        m_menuKeys = false;
        return false;
    case QEvent::ShortcutOverride:
        if (!m_owner->ClaimsKey(static_cast<QKeyEvent*>(event)))
            return false;
        event->accept();
        return true;
    default:
        return false;
    }
}

void DialogWindow::NoteMenuInput(const QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        m_menuKeys = true;
        break;
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
        m_menuKeys = false;
        break;
    default:
        break;
    }
}

// While a menu is open it has the keys anyway, and a menu bar that has the
// focus gets them itself.
bool DialogWindow::MenuBarHoldsKeys() const {
    return m_menuKeys && m_menuBar->activeAction() != nullptr && !m_menuBar->hasFocus() &&
           QApplication::activePopupWidget() == nullptr;
}
