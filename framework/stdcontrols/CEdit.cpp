#include "framework/stdcontrols/CEdit.h"

#include "framework/stdcontrols/internal/EditWidget.h"

UINT CEdit::GetLimitText() const {
    const auto* edit = dynamic_cast<const EditWidget*>(m_hWnd);
    return edit ? static_cast<UINT>(edit->Limit()) : 0;
}
