#include "controls/COffscreenDC.h"

COffscreenDC::COffscreenDC(CDC* pDC, const CRect& area)
    : m_target(pDC), m_area(area), m_isMemory(!pDC->IsPrinting()) {
    if (!m_isMemory) {
        Attach(pDC->GetSafeHdc());
        m_bPrinting = pDC->m_bPrinting;
        return;
    }
    CreateCompatibleDC(pDC);
    if (area == CRect())
        pDC->GetClipBox(&m_area);
    m_bitmap.CreateCompatibleBitmap(pDC, m_area.Width(), m_area.Height());
    m_oldBitmap = SelectObject(&m_bitmap);
    // A point of the target's logical space lands at the same place of the
    // area's picture.
    SetWindowOrg(m_area.left, m_area.top);
}

COffscreenDC::~COffscreenDC() {
    if (m_isMemory) {
        m_target->BitBlt(m_area.left, m_area.top, m_area.Width(), m_area.Height(), this,
                         m_area.left, m_area.top, SRCCOPY);
        SelectObject(m_oldBitmap);
    } else {
        // The target's context is borrowed: nothing of it is deleted.
        Detach();
    }
    m_bitmap.DeleteObject();
}
