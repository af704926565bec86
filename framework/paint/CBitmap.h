#pragma once

#include "framework/paint/CGdiObject.h"

#include <QImage>

class CDC;

// What GetBitmap reports: the size in logical pixels and 32 bits a pixel.
struct BITMAP {
    int bmType = 0;
    int bmWidth = 0;
    int bmHeight = 0;
    int bmWidthBytes = 0;
    uint16_t bmPlanes = 0;
    uint16_t bmBitsPixel = 0;
    void* bmBits = nullptr;
};

// A bitmap that a memory device context draws into. Its pixels are a QImage
// at the device pixel ratio of the context it was made compatible with, so
// that copying it to a high-DPI window stays crisp. A bitmap is selected into
// at most one context at a time.
class CBitmap : public CGdiObject {
public:
    CBitmap() = default;
    ~CBitmap() override;

    // A width x height colour bitmap (opaque black) for `dc`'s screen; a null
    // `dc` stands for the screen. FALSE for a negative size.
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    // A bitmap holding a copy of `image` (its device pixel ratio kept).
    BOOL CreateFromImage(const QImage& image);
    // Bitmap resource `nIDResource`: the picture ":/bitmaps/<id>.svg" at its
    // natural size, drawn at the screen's device pixel ratio. FALSE when the
    // resource is missing.
    BOOL LoadBitmap(UINT nIDResource);
    // The description (GetObject of a bitmap); 0 when no resource is held.
    int GetBitmap(BITMAP* bitmap) const;
    // The pixels; null image when no resource is held.
    const QImage& GetImage() const { return m_image; }

    // A new bitmap holding `image`, owned by its handle: ::DeleteObject frees
    // the object too.
    static CBitmap* CreateHandle(const QImage& image);

private:
    friend class CDC;
    bool CanRelease() const override { return m_selectedIn == nullptr; }
    void Release() override;
    QImage m_image;
    CDC* m_selectedIn = nullptr;
};
