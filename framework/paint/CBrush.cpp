#include "framework/paint/CBrush.h"

CBrush::CBrush(COLORREF color) {
    CreateSolidBrush(color);
}

CBrush::~CBrush() {
    DeleteObject();
}

BOOL CBrush::CreateSolidBrush(COLORREF color) {
    const LOGBRUSH solid{BS_SOLID, color};
    return CreateBrushIndirect(&solid);
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* logBrush) {
    if (logBrush == nullptr || (logBrush->lbStyle != BS_SOLID && logBrush->lbStyle != BS_NULL))
        return FALSE;
    m_logBrush = *logBrush;
    MarkCreated();
    return TRUE;
}

int CBrush::GetLogBrush(LOGBRUSH* logBrush) const {
    if (GetSafeHandle() == nullptr || logBrush == nullptr)
        return 0;
    *logBrush = m_logBrush;
    return static_cast<int>(sizeof(LOGBRUSH));
}

void CBrush::Release() {
    m_logBrush = LOGBRUSH();
}
