#include "framework/paint/CPen.h"

CPen::CPen(int style, int width, COLORREF color) {
    CreatePen(style, width, color);
}

CPen::~CPen() {
    DeleteObject();
}

BOOL CPen::CreatePen(int style, int width, COLORREF color) {
    if (style != PS_SOLID)
        return FALSE;
    m_logPen = LOGPEN{static_cast<UINT>(style), CPoint(width, 0), color};
    MarkCreated();
    return TRUE;
}

int CPen::GetLogPen(LOGPEN* logPen) const {
    if (GetSafeHandle() == nullptr || logPen == nullptr)
        return 0;
    *logPen = m_logPen;
    return static_cast<int>(sizeof(LOGPEN));
}

void CPen::Release() {
    m_logPen = LOGPEN();
}
