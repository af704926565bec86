#include "framework/stdcontrols/CButton.h"

#include "framework/window/internal/WndRecord.h"

#include <QAbstractButton>

UINT CButton::GetButtonStyle() const {
    return static_cast<UINT>(GetStyle() & 0xFF);
}

void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw) {
    if (m_hWnd == nullptr)
        return;
    WndRecord& record = WndRecord::Of(m_hWnd);
    record.SetStyles((record.Style() & ~BS_TYPEMASK) | (nStyle & BS_TYPEMASK), record.ExStyle());
    if (bRedraw)
        Invalidate();
}

int CButton::GetCheck() const {
    const auto* button = qobject_cast<const QAbstractButton*>(m_hWnd);
    return button && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void CButton::SetCheck(int nCheck) {
    if (auto* button = qobject_cast<QAbstractButton*>(m_hWnd))
        button->setChecked(nCheck == BST_CHECKED);
}

UINT CButton::GetState() const {
    const auto* button = qobject_cast<const QAbstractButton*>(m_hWnd);
    if (button == nullptr)
        return 0;
    UINT state = button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
    if (button->isDown())
        state |= BST_PUSHED;
    if (button->hasFocus())
        state |= BST_FOCUS;
    return state;
}

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}
