#pragma once

#include "framework/paint/CGdiObject.h"

struct LOGBRUSH {
    UINT lbStyle = BS_SOLID;
    COLORREF lbColor = 0;
};

// A brush for FillRect, FrameRect and Rectangle interiors: solid, or hollow
// (BS_NULL, the stock NULL_BRUSH), which paints nothing.
class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color);
    ~CBrush() override;

    BOOL CreateSolidBrush(COLORREF color);
    // FALSE for a style other than BS_SOLID and BS_NULL.
    BOOL CreateBrushIndirect(const LOGBRUSH* logBrush);
    // The brush's description; 0 when the brush holds no resource.
    int GetLogBrush(LOGBRUSH* logBrush) const;

private:
    void Release() override;
    LOGBRUSH m_logBrush;
};
