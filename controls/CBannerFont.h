#pragma once

#include "framework/paint/CFont.h"

#include <string>

// A font of the fading banner, described by a face name or by a font description,
// with a colour kept beside it (read from the description; nothing draws with it).
class CBannerFont : public CFont {
public:
    // The face at a cell height of 16 pixels, normal weight, proof quality,
    // variable pitch.
    explicit CBannerFont(const std::string& faceName);

    // Rebuilds the font from a description: sixteen comma-separated numbers, then
    // the face name, which is the rest of the text, commas and all:
    //   height, width, escapement, orientation, weight,
    //   italic, underline, strike-out, character set, output precision,
    //   clip precision, quality, pitch and family, red, green, blue, face
    // Each number is read as atol reads it (blanks, a sign, digits, 0 when
    // there are none, clamped to 32 bits); the eight flags and the colour
    // keep their low 8 bits. A description with fewer commas gives 0 to the fields
    // after its last comma, whose text becomes the face name.
    void ParseSpec(std::string description);
    // Each component keeps its low 8 bits.
    void SetColor(int red, int green, int blue);
    COLORREF GetColor() const { return m_color; }

private:
    COLORREF m_color = 0;
};
