#pragma once

#include "framework/paint/CDC.h"

#include <memory>

class CWnd;

// A device context on a window's client area outside a paint. Qt draws a
// window only in its paint, so this context holds a snapshot: the window's
// own painting (its background and what its paint draws, without the
// windows in it) rendered into an image at the window's pixel ratio, with
// the window's font. Reading it (BitBlt from it) gives the window's pixels;
// drawing on it changes the snapshot only, not the screen.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

private:
    struct Surface;
    static std::unique_ptr<Surface> Snapshot(CWnd* pWnd);
    explicit CClientDC(std::unique_ptr<Surface> surface);
    std::unique_ptr<Surface> m_surface;
};
