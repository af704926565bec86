#include "DialogWindow.h"

#include "ButtonWidget.h"
#include "ByteText.h"
#include "CDialog.h"
#include "CheckBoxWidget.h"
#include "EditWidget.h"
#include "GroupBoxWidget.h"
#include "ListBoxWidget.h"
#include "ResourceTable.h"
#include "StaticWidget.h"
#include "WinStyles.h"
#include "WndRecord.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace {
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

QWidget* MakeControl(const DialogItem& item, QWidget* parent, WndClass* wndClass) {
    switch (item.itemClass) {
    case DialogItemClass::Edit:
        *wndClass = WndClass::Edit;
        return new EditWidget(parent);
    case DialogItemClass::ListBox:
        *wndClass = WndClass::ListBox;
        return new ListBoxWidget(parent);
    case DialogItemClass::Static:
        *wndClass = WndClass::Static;
        return new StaticWidget(parent);
    case DialogItemClass::Button:
        break;
    }
    *wndClass = WndClass::Button;
    switch (item.style & BS_TYPEMASK) {
    case BS_AUTOCHECKBOX:
        return new CheckBoxWidget(parent);
    case BS_GROUPBOX:
        return new GroupBoxWidget(parent);
    default:
        return new ButtonWidget(parent);
    }
}
} // namespace

DialogWindow::DialogWindow(CDialog* owner, const DialogTemplate& dialog, QWidget* parent)
    : QDialog(parent, FlagsFor(dialog)), m_owner(owner),
      m_units(DialogUnits::ForFont(DialogUnits::TemplateFont(dialog.faceName, dialog.pointSize))),
      m_client(new QWidget(this)) {
    setFont(DialogUnits::TemplateFont(dialog.faceName, dialog.pointSize));
    setWindowTitle(ByteText::ToDisplay(dialog.caption));
    const int width = m_units.ToPixelsX(dialog.cx);
    const int height = m_units.ToPixelsY(dialog.cy);
    int barHeight = 0;
    if (const MenuTemplate* menu = ResourceTable::FindMenu(dialog.menuId)) {
        auto* bar = new QMenuBar(this);
        bar->setNativeMenuBar(false);
        AddMenuItems(menu->items, bar, nullptr);
        barHeight = bar->heightForWidth(width);
        bar->setGeometry(0, 0, width, barHeight);
    }
    m_client->setGeometry(0, barHeight, width, height);
    setFixedSize(width, barHeight + height);
    installEventFilter(this);

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
            AddMenuItems(item.children, nullptr, menu ? menu->addMenu(text) : bar->addMenu(text));
        } else {
            QAction* action = menu ? menu->addAction(text) : bar->addAction(text);
            const UINT id = item.id;
            connect(action, &QAction::triggered, this,
                    [this, id] { m_owner->SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0); });
        }
    }
}

QWidget* DialogWindow::AddControl(const DialogItem& item) {
    WndClass wndClass = WndClass::Generic;
    QWidget* control = MakeControl(item, m_client, &wndClass);
    control->setGeometry(m_units.ToPixelsX(item.x), m_units.ToPixelsY(item.y),
                         m_units.ToPixelsX(item.cx), m_units.ToPixelsY(item.cy));
    WndRecord& record = WndRecord::Of(control);
    record.Define(item.id, wndClass, item.style, item.exStyle);
    record.SetText(item.text);
    if (!(item.style & WS_VISIBLE))
        control->hide();
    if (item.style & WS_DISABLED)
        control->setEnabled(false);
    if (wndClass == WndClass::Button && (item.style & BS_TYPEMASK) == BS_GROUPBOX)
        control->lower();
    control->installEventFilter(this);
    m_controls.emplace_back(control);
    return control;
}

void DialogWindow::reject() {
    m_owner->SendMessage(WM_CLOSE);
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    m_owner->SendMessage(WM_CLOSE);
}

bool DialogWindow::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    if (!m_owner->ClaimsKey(static_cast<QKeyEvent*>(event)))
        return false;
    event->accept();
    return true;
}
