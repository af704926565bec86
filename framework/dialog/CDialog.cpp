#include "framework/dialog/CDialog.h"

#include "framework/desktop/DesktopServices.h"
#include "framework/dialog/CDataExchange.h"
#include "framework/dialog/ModalHook.h"
#include "framework/dialog/ResourceTable.h"
#include "framework/dialog/internal/ControlAccessibility.h"
#include "framework/dialog/internal/DialogWindow.h"
#include "framework/stdcontrols/internal/ButtonWidget.h"
#include "framework/stdcontrols/internal/CheckBoxWidget.h"
#include "framework/stdcontrols/internal/EditWidget.h"
#include "framework/stdcontrols/internal/GroupBoxWidget.h"
#include "framework/stdcontrols/internal/ListBoxWidget.h"
#include "framework/stdcontrols/internal/StaticWidget.h"
#include "framework/window/CWinApp.h"
#include "framework/window/internal/MessageTranslation.h"
#include "framework/window/internal/WndRecord.h"

#include <QKeyEvent>

namespace {
// The letter that "&" marks in a control's text; null when there is none.
QChar MnemonicOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i)
        if (text[i] == u'&') {
            if (text[i + 1] != u'&')
                return text[i + 1];
            ++i;
        }
    return QChar();
}

bool HasMnemonic(const QWidget* control) {
    if (dynamic_cast<const StaticWidget*>(control)) {
        const WndRecord* record = WndRecord::Find(control);
        return record && !(record->Style() & SS_NOPREFIX);
    }
    return dynamic_cast<const ButtonWidget*>(control) ||
           dynamic_cast<const CheckBoxWidget*>(control) ||
           dynamic_cast<const GroupBoxWidget*>(control);
}

// The upper-case mnemonic of a control that can take one now, else 0.
WPARAM MnemonicKey(const QWidget* control) {
    if (!control || control->isHidden() || !control->isEnabled() || !HasMnemonic(control))
        return 0;
    const QChar mnemonic = MnemonicOf(dynamic_cast<const ControlWidget*>(control)->DisplayText());
    return mnemonic.isNull() ? 0 : mnemonic.toUpper().unicode();
}

bool IsTabStop(const QWidget* control) {
    const WndRecord* record = WndRecord::Find(control);
    return record && !control->isHidden() && control->isEnabled() &&
           control->focusPolicy() != Qt::NoFocus && (record->Style() & WS_TABSTOP);
}
} // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() {
    if (m_hWnd != nullptr)
        CDialog::DestroyWindow();
}

BOOL CDialog::BuildWindow() {
    const DialogTemplate* dialog = ResourceTable::FindDialog(m_nIDTemplate);
    if (m_hWnd != nullptr || dialog == nullptr)
        return FALSE;
    QWidget* parent =
        m_pParentWnd && m_pParentWnd->m_hWnd ? m_pParentWnd->m_hWnd->window() : nullptr;
    ControlAccessibility::Install();
    m_window = new DialogWindow(this, *dialog, parent);
    m_hWnd = m_window;
    m_hWndClient = m_window->Client();
    for (const QPointer<QWidget>& control : m_window->Controls())
        ControlAccessibility::Adopt(control);
    WndRecord& frame = WndRecord::Of(m_hWnd);
    frame.Define(0, nullptr, dialog->style, dialog->exStyle);
    frame.Attach(this);
    WndRecord::Of(m_hWndClient).Attach(this);
    m_defId = 0;
    for (const DialogItem& item : dialog->items)
        if (item.itemClass == DialogItemClass::Button &&
            (item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
            m_defId = static_cast<UINT>(item.id);
            break;
        }
    m_nModalResult = -1;
    m_ended = false;
    return TRUE;
}

void CDialog::InitDialog() {
    if (!OnInitDialog() || !m_window)
        return;
    for (const QPointer<QWidget>& control : m_window->Controls())
        if (IsTabStop(control)) {
            GotoDlgCtrl(FromHandle(control));
            return;
        }
}

INT_PTR CDialog::DoModal() {
    if (!BuildWindow())
        return -1;
    InitDialog();
    INT_PTR result = m_nModalResult;
    if (!m_ended && m_window) {
        if (const ModalHook::Handler* hook = ModalHook::Current()) {
            m_window->show();
            result = (*hook)(*this);
        } else {
            m_window->exec();
            result = m_nModalResult;
        }
    }
    DestroyWindow();
    return result;
}

BOOL CDialog::Create() {
    if (!BuildWindow())
        return FALSE;
    InitDialog();
    if (m_window && !m_ended && (WndRecord::Of(m_hWnd).Style() & WS_VISIBLE))
        m_window->show();
    return TRUE;
}

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    m_ended = true;
    if (m_window)
        m_window->done(nResult);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(dx);
    } catch (const CDataExchange::Failure&) {
        return FALSE;
    }
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange&) {}

DialogUnits CDialog::Units() const {
    if (m_window)
        return m_window->Units();
    const DialogTemplate* dialog = ResourceTable::FindDialog(m_nIDTemplate);
    return dialog ? DialogUnits::ForFont(
                        DialogUnits::TemplateFont(dialog->faceName, dialog->pointSize))
                  : DialogUnits::ForFont(DialogUnits::TemplateFont("MS Sans Serif", 8));
}

void CDialog::MapDialogRect(LPRECT lpRect) const {
    *lpRect = Units().MapRect(*lpRect);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
    if (pWndCtrl == nullptr || pWndCtrl->m_hWnd == nullptr)
        return;
    pWndCtrl->m_hWnd->setFocus(Qt::TabFocusReason);
    if (auto* edit = dynamic_cast<EditWidget*>(pWndCtrl->m_hWnd))
        edit->selectAll();
}

QWidget* CDialog::FocusedControl() const {
    QWidget* focus = m_window ? m_window->focusWidget() : nullptr;
    return IndexOf(focus) >= 0 ? focus : nullptr;
}

int CDialog::IndexOf(const QWidget* control) const {
    if (!m_window || control == nullptr)
        return -1;
    const auto& controls = m_window->Controls();
    for (size_t i = 0; i < controls.size(); ++i)
        if (controls[i] == control)
            return static_cast<int>(i);
    return -1;
}

QWidget* CDialog::MnemonicTarget(WPARAM key, bool alt, LPARAM modifiers) const {
    const bool letterOrDigit = (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
    if (!m_window || !letterOrDigit || (modifiers & MK_CONTROL))
        return nullptr;
    QWidget* focus = FocusedControl();
    if (!alt && (dynamic_cast<EditWidget*>(focus) || dynamic_cast<ListBoxWidget*>(focus)))
        return nullptr;
    const auto& controls = m_window->Controls();
    const int count = static_cast<int>(controls.size());
    const int start = IndexOf(focus);
    for (int step = 1; step <= count; ++step) {
        QWidget* control = controls[static_cast<size_t>((start + step + count) % count)];
        if (MnemonicKey(control) == key)
            return control;
    }
    return nullptr;
}

bool CDialog::SharesMnemonic(const QWidget* target) const {
    const WPARAM key = MnemonicKey(target);
    for (const QWidget* control : m_window->Controls())
        if (control != target && MnemonicKey(control) == key)
            return true;
    return false;
}

void CDialog::ActivateMnemonic(QWidget* target) {
    if (auto* button = dynamic_cast<QAbstractButton*>(target);
        button && !dynamic_cast<GroupBoxWidget*>(target)) {
        // A mnemonic that several controls share only moves the focus among
        // them, so that the key never presses a button the user did not mean.
        button->setFocus(Qt::ShortcutFocusReason);
        if (!SharesMnemonic(target))
            button->click();
        return;
    }
    const auto& controls = m_window->Controls();
    const int count = static_cast<int>(controls.size());
    const int start = IndexOf(target);
    for (int step = 1; step < count; ++step) {
        QWidget* control = controls[static_cast<size_t>((start + step) % count)];
        if (IsTabStop(control)) {
            GotoDlgCtrl(FromHandle(control));
            return;
        }
    }
}

void CDialog::PressDefault() {
    UINT id = IDOK;
    if (auto* button = dynamic_cast<ButtonWidget*>(FocusedControl());
        button &&
        (button->ButtonType() == BS_PUSHBUTTON || button->ButtonType() == BS_DEFPUSHBUTTON))
        id = static_cast<UINT>(WndRecord::Of(button).Id());
    else if (m_defId != 0)
        id = m_defId;
    const CWnd* control = GetDlgItem(static_cast<int>(id));
    if (control != nullptr && !control->IsWindowEnabled())
        return;
    SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                reinterpret_cast<LPARAM>(control ? control->m_hWnd : nullptr));
}

bool CDialog::ClaimsKey(const QKeyEvent* event) const {
    const LPARAM modifiers = event->modifiers() & Qt::ControlModifier ? MK_CONTROL : 0;
    return MnemonicTarget(MessageTranslation::VirtualKey(event->key()),
                          event->modifiers() & Qt::AltModifier, modifiers) != nullptr;
}

BOOL CDialog::IsDialogMessage(MSG* pMsg) {
    const bool alt = pMsg->message == WM_SYSKEYDOWN;
    if (!m_window || (pMsg->message != WM_KEYDOWN && !alt))
        return FALSE;
    // Keys of the menu bar are the menu's own.
    if (pMsg->hwnd != m_hWnd && pMsg->hwnd != m_hWndClient && IndexOf(pMsg->hwnd) < 0)
        return FALSE;
    if (!alt && pMsg->wParam == VK_RETURN) {
        PressDefault();
        return TRUE;
    }
    if (!alt && pMsg->wParam == VK_F1 && !(pMsg->lParam & (MK_SHIFT | MK_CONTROL))) {
        SendMessage(WM_COMMAND, MAKEWPARAM(ID_HELP, 0), 0);
        return TRUE;
    }
    if (!alt && pMsg->wParam == VK_ESCAPE) {
        const CWnd* cancel = GetDlgItem(IDCANCEL);
        SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                    reinterpret_cast<LPARAM>(cancel ? cancel->m_hWnd : nullptr));
        return TRUE;
    }
    if (QWidget* target = MnemonicTarget(pMsg->wParam, alt, pMsg->lParam)) {
        ActivateMnemonic(target);
        return TRUE;
    }
    // Alt+letter that neither a control nor the menu took types nothing.
    const WPARAM key = pMsg->wParam;
    return alt && ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'));
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    return IsDialogMessage(pMsg);
}

BOOL CDialog::OnCmdMsg(UINT nID, UINT nCode) {
    if (CCmdTarget::OnCmdMsg(nID, nCode))
        return TRUE;
    if (nCode == BN_CLICKED && nID == IDOK) {
        OnOK();
        return TRUE;
    }
    if (nCode == BN_CLICKED && nID == IDCANCEL) {
        OnCancel();
        return TRUE;
    }
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->OnCmdMsg(nID, nCode);
}

BOOL CDialog::DestroyWindow() {
    const BOOL destroyed = CWnd::DestroyWindow();
    m_window = nullptr;
    return destroyed;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMANDHELP)
        return ShowHelpTopic();
    if (message != WM_CLOSE)
        return CWnd::WindowProc(message, wParam, lParam);
    const CWnd* cancel = GetDlgItem(IDCANCEL);
    if (cancel == nullptr || cancel->IsWindowEnabled())
        SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                    reinterpret_cast<LPARAM>(cancel ? cancel->m_hWnd : nullptr));
    return 0;
}

BOOL CDialog::ShowHelpTopic() const {
    const DialogTemplate* dialog = ResourceTable::FindDialog(m_nIDTemplate);
    if (dialog == nullptr || dialog->helpTopic.empty())
        return FALSE;
    DesktopServices::Current().ShowHelp(dialog->helpTopic);
    return TRUE;
}
