#include "CEdit.h"

#include "EditWidget.h"

UINT CEdit::GetLimitText() const {
    const auto* edit = dynamic_cast<const EditWidget*>(m_hWnd);
    return edit ? static_cast<UINT>(edit->Limit()) : 0;
}
