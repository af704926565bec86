#pragma once

#include "controls/CBannerFont.h"
#include "framework/paint/GdiDefs.h"
#include "framework/stdcontrols/CStatic.h"
#include "framework/types/CRect.h"

#include <string>

class CDC;

// A static control that shows a line of text on a coloured, sunken panel and
// lets it fade in: the text starts in the panel's background colour and
// reaches its own colour after a number of 10-millisecond steps. The colour
// at any moment follows from the time since ShowText, so a late timer tick
// never slows the fade. An optional caption stands in a box of its own at the
// panel's left. Everything is painted through an off-screen buffer, so the
// repaint every 10 milliseconds does not flicker. Attach it to a template
// static (DDX_Control), then call ShowText.
class CFadeBanner : public CStatic {
public:
    CFadeBanner();

    // Horizontal alignment of the main text (DT_LEFT, DT_CENTER, DT_RIGHT).
    UINT m_textFormat = DT_CENTER;
    // Sunken 3-D frames around the panel (and the caption box).
    BYTE m_sunken = 1;
    // A darker copy of the main text 2 pixels right of and below it.
    BYTE m_shadow = 0;

    // Background (also where every text fades in from), main text and
    // caption colours; shown from the next paint on.
    void SetColors(COLORREF backColor, COLORREF textColor, COLORREF captionColor);
    // Shows `text`, and `caption` in its own box unless it is empty, fading
    // in over `fadeSteps` steps of 10 milliseconds (none or fewer: at once).
    // A non-empty font description rebuilds that font (CBannerFont::ParseSpec);
    // `resetColors` first puts back the default colours. Starts the fade
    // timer, whose first tick repaints; the timer stops at the first tick
    // more than a second after this call.
    void ShowText(std::string text, std::string caption, int fadeSteps, BOOL resetColors,
                  std::string captionFontSpec, std::string textFontSpec);
    // `target` as it shows now: the background colour moved towards it by
    // the steps elapsed, each channel on its own and truncated towards zero.
    COLORREF FadeColor(COLORREF target) const;

protected:
    void OnTimer(UINT_PTR nIDEvent) override;
    void OnPaint() override;

private:
    void DrawPanel(CDC* pDC, const CRect& rect) const;
    void DrawTexts(CDC* pDC);

    int m_fadeSteps = 0;
    COLORREF m_captionColor;
    COLORREF m_textColor;
    CBannerFont m_captionFont{"Arial"};
    CBannerFont m_textFont{"Arial"};
    std::string m_caption;
    std::string m_text;
    COLORREF m_backColor;
    // The client rectangle at the previous paint; empty before the first.
    CRect m_client;
    DWORD m_startTick = 0;
};
