#pragma once

#include "framework/paint/CBitmap.h"
#include "framework/paint/CBrush.h"
#include "framework/paint/CFont.h"
#include "framework/paint/CPen.h"
#include "framework/paint/GdiDefs.h"
#include "framework/types/CPoint.h"
#include "framework/types/CRect.h"
#include "framework/types/CSize.h"
#include "framework/types/WinDefs.h"

#include <QFont>
#include <QRect>
#include <memory>
#include <string_view>

class QPainter;

// A device context: GDI painting carried out through a QPainter, pixel exact
// for axis-aligned drawing. Coordinates are logical pixels; a point (x, y)
// lands at (x - window origin x, y - window origin y) of the device, and right
// and bottom edges are exclusive. A context either paints through a caller's
// QPainter or is a memory context that paints into its selected CBitmap.
// Defaults as in GDI: black 1-pixel pen, white brush, black text, white
// opaque background; the font is the painter's (a window's) font, or the
// application font in a memory context.
class CDC {
public:
    // A context without a device until CreateCompatibleDC. Defined out of line
    // so that users need not see QPainter.
    CDC();
    // Paints through `painter`, which the caller owns and keeps alive.
    explicit CDC(QPainter* painter);
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // Non-null while the context exists.
    HDC GetSafeHdc() const;
    // Whether the context draws for a printer. Nothing in the program prints;
    // a context is marked printing by setting the flag (tests do).
    BOOL m_bPrinting = FALSE;
    BOOL IsPrinting() const { return m_bPrinting; }

    // A memory context with a 1 x 1 bitmap selected, for drawing compatible
    // with `dc` (null: the screen). FALSE when this context already exists.
    BOOL CreateCompatibleDC(CDC* dc);
    // Ends a context made by CreateCompatibleDC; a bitmap selected into it is
    // free again. FALSE for an attached context (Detach ends it).
    BOOL DeleteDC();
    // Makes this context draw on `hDC`'s device, starting from the drawing
    // state `hDC` has now (selected objects, colours, modes, origin); later
    // changes stay with the context that makes them. The device stays
    // `hDC`'s: ending this context leaves it alone. FALSE when this context
    // exists already or `hDC` is null.
    BOOL Attach(HDC hDC);
    // Ends an attached context without touching its device and returns the
    // context it was attached to; null when it is not attached.
    HDC Detach();

    int SetBkMode(int mode);
    int GetBkMode() const { return m_bkMode; }
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const { return m_bkColor; }
    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const { return m_textColor; }

    // Each returns the object selected before, or null (nothing changes) for
    // an object without a resource. The context keeps a copy of a pen's,
    // brush's or font's description; a bitmap is drawn into in place and can
    // only be selected into a memory context, and into one context at a time.
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);

    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(CPoint point) { return SetWindowOrg(point.x, point.y); }
    CPoint GetWindowOrg() const { return m_windowOrg; }
    // The logical rectangle that drawing can reach: the device (or the
    // bitmap) within the painter's clip. SIMPLEREGION, NULLREGION when
    // nothing can be drawn, RGN_ERROR without a context.
    int GetClipBox(CRect* rect) const;

    // Solid brush: fills; hollow brush (NULL_BRUSH): nothing.
    void FillRect(const CRect& rect, CBrush* brush);
    // Fills with `color`, which becomes the background colour (as in MFC).
    // Negative extents are measured leftwards / upwards.
    void FillSolidRect(const CRect& rect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    // A 1-pixel frame inside `rect`.
    void FrameRect(const CRect& rect, CBrush* brush);
    // Top row x..x+cx-2 and left column y..y+cy-2 in `topLeft`; right column
    // x+cx-1 and bottom row y+cy-1, each full length, in `bottomRight`.
    void Draw3dRect(const CRect& rect, COLORREF topLeft, COLORREF bottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
    // Outline with the pen on the rectangle's edge pixels, inside filled with
    // the brush.
    BOOL Rectangle(int left, int top, int right, int bottom);
    BOOL Rectangle(const CRect& rect) {
        return Rectangle(rect.left, rect.top, rect.right, rect.bottom);
    }

    // Sets the current position; returns the previous one.
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(CPoint point) { return MoveTo(point.x, point.y); }
    // A line with the current pen from the current position up to, not
    // including, (x, y), which becomes the current position. Pens wider than
    // 1 stamp a square of their width along the line.
    BOOL LineTo(int x, int y);
    BOOL LineTo(CPoint point) { return LineTo(point.x, point.y); }

    // Text bytes (shown as UTF-8 when valid, else Latin-1) in the selected
    // font and text colour, on the background colour when the mode is
    // OPAQUE. Without DT_NOPREFIX "&x" underlines x and "&&" shows "&".
    // DT_LEFT / DT_CENTER / DT_RIGHT place each line at a whole pixel (a
    // centred line at (left + right - width) / 2); DT_VCENTER and DT_BOTTOM
    // act with DT_SINGLELINE only; DT_WORDBREAK breaks at spaces to fit the
    // rectangle's width; without DT_SINGLELINE a line feed starts a new
    // line (see TextLayout). Clipped to
    // the rectangle unless DT_NOCLIP. DT_CALCRECT draws nothing and sets
    // right and bottom to the text's extent. Returns the text's height (from
    // the rectangle's top to the text's bottom when placed vertically).
    int DrawText(std::string_view text, CRect* rect, UINT format);
    // `count` -1: up to the terminating zero.
    int DrawText(const char* text, int count, CRect* rect, UINT format);

    // The icon at its natural size with its top-left corner at `point`
    // (`size` is not used). DSS_DISABLED embosses it: its shape in the 3-D
    // highlight colour 1 pixel right and down, then in the shadow colour.
    BOOL DrawState(CPoint point, CSize size, HICON icon, UINT flags);
    // One line of text with its top-left corner at `point`, prefixes handled
    // when `prefixText` is TRUE or `flags` holds DST_PREFIXTEXT. `length` 0:
    // up to the terminating zero; `size` 0 x 0: the text's extent (the area
    // an OPAQUE background fills). Normal: the text colour; DSS_DISABLED:
    // embossed as for icons, always transparent.
    BOOL DrawState(CPoint point, CSize size, const char* text, UINT flags, BOOL prefixText = TRUE,
                   int length = 0);
    // Inverts every other pixel of a 1-pixel frame inside `rect`; drawing
    // the same rectangle again restores the pixels.
    void DrawFocusRect(const CRect& rect);

    // Copies width x height pixels from `source` at (xSrc, ySrc) to (x, y),
    // each point in its own context's logical coordinates. The source must
    // be a memory context or paint on a QImage or QPixmap; only SRCCOPY.
    // Only pixels inside the source's device are copied: the target beyond
    // them keeps what it had.
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop);

    // The device pixel ratio that bitmaps compatible with `dc` get (null:
    // the screen's).
    static qreal DevicePixelRatioOf(const CDC* dc);

private:
    friend class CBitmap;
    // Called by a selected bitmap that is being destroyed.
    void DropBitmap(CBitmap* bitmap);
    void ResetState(const QFont& font);
    bool CanPaint() const;
    QPoint ToDevice(int x, int y) const;
    QRect ToDevice(const CRect& rect) const;
    // The device's rectangle in painter coordinates.
    QRect DeviceBounds() const;
    // A copy of the device pixels under `area` (painter coordinates); null
    // when they cannot be read.
    QImage ReadPixels(const QRect& area) const;
    void Fill(const QRect& area, COLORREF color);
    void StrokeLine(CPoint from, CPoint to);
    void PaintText(const QString& text, const QRect& block, int qtFlags, COLORREF color,
                   bool opaque, const QRect& clip);
    void PaintShape(const QImage& image, const QRect& target, COLORREF color);

    QPainter* m_painter = nullptr;
    std::unique_ptr<QPainter> m_ownPainter; // a memory context's, on its bitmap
    HDC m_attachedTo = nullptr;
    qreal m_ratio = 1.0;
    CBitmap m_defaultBitmap;
    CBitmap* m_bitmap = nullptr;
    CFont m_defaultFont;
    CFont* m_font = nullptr;
    QFont m_qfont;
    CPen* m_pen = nullptr;
    LOGPEN m_logPen;
    CBrush* m_brush = nullptr;
    LOGBRUSH m_logBrush;
    COLORREF m_textColor = RGB(0, 0, 0);
    COLORREF m_bkColor = RGB(255, 255, 255);
    int m_bkMode = OPAQUE;
    CPoint m_windowOrg;
    CPoint m_position;
};
