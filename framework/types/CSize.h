#pragma once

// A width and a height in pixels.
struct CSize {
    int cx = 0;
    int cy = 0;
    CSize() = default;
    CSize(int w, int h) : cx(w), cy(h) {}
    bool operator==(const CSize&) const = default;
};
