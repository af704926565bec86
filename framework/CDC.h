#pragma once

#include "WinDefs.h"

class QPainter;

// A device context: GDI painting calls carried out through a QPainter, pixel
// exact for axis-aligned drawing (no antialiasing).
class CDC {
public:
    CDC() = default;
    // Paints through `painter`, which the caller owns and keeps alive.
    explicit CDC(QPainter* painter);
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    QPainter* Painter() const { return m_painter; }

private:
    QPainter* m_painter = nullptr;
};
