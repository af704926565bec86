#pragma once

// A point in pixels.
struct CPoint {
    int x = 0;
    int y = 0;
    CPoint() = default;
    CPoint(int px, int py) : x(px), y(py) {}
    bool operator==(const CPoint&) const = default;
};
