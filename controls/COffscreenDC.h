#pragma once

#include "framework/paint/CBitmap.h"
#include "framework/paint/CDC.h"
#include "framework/types/CRect.h"

// A device context for painting without flicker: made on the stack in a
// paint handler over the real target context, it takes all the drawing of
// the paint into a memory bitmap, in the target's own logical coordinates,
// and copies the finished picture to the target in one block transfer when
// it goes. Nothing drawn reaches the target before then.
//
// A printing target is not buffered: the context then draws straight on it
// and leaves it as it was.
class COffscreenDC : public CDC {
public:
    // Buffers `area` of the target, in the target's logical coordinates; an
    // all-zero rectangle stands for the target's clip box. An empty area
    // gives a bitmap without pixels, and nothing is copied.
    COffscreenDC(CDC* pDC, const CRect& area = CRect());
    ~COffscreenDC() override;

private:
    CBitmap m_bitmap;
    CBitmap* m_oldBitmap = nullptr;
    CDC* m_target;
    CRect m_area;
    BOOL m_isMemory;
};
