#pragma once

#include "framework/paint/CDC.h"

#include <memory>

class CWnd;
class QPainter;

// The device context of a paint: made in OnPaint (and only there) on the
// window's client area, with the window's font; it ends the paint when it
// goes.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

private:
    explicit CPaintDC(std::unique_ptr<QPainter> painter);
    std::unique_ptr<QPainter> m_ownPainter;
};
