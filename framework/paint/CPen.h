#pragma once

#include "framework/paint/CGdiObject.h"
#include "framework/types/CPoint.h"

struct LOGPEN {
    UINT lopnStyle = PS_SOLID;
    CPoint lopnWidth; // x is the width
    COLORREF lopnColor = 0;
};

// A pen for MoveTo/LineTo and Rectangle outlines. Only solid pens exist; a
// width of 0 draws 1 pixel wide, as in GDI.
class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color);
    ~CPen() override;

    // FALSE for a style other than PS_SOLID.
    BOOL CreatePen(int style, int width, COLORREF color);
    // The pen's description; 0 when the pen holds no resource.
    int GetLogPen(LOGPEN* logPen) const;

private:
    void Release() override;
    LOGPEN m_logPen;
};
