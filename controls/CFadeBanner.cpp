#include "controls/CFadeBanner.h"

#include "controls/COffscreenDC.h"
#include "framework/paint/SysColor.h"
#include "framework/window/CPaintDC.h"
#include "framework/window/TickCount.h"

#include <algorithm>
#include <utility>

namespace {
constexpr UINT_PTR kFadeTimer = 500;
constexpr UINT kStepMilliseconds = 10;
// The timer stops at its first tick after this long.
constexpr DWORD kFadeMilliseconds = 1000;
constexpr COLORREF kDefaultBack = RGB(210, 210, 210);
constexpr COLORREF kDefaultText = RGB(0, 0, 60);
// The caption box takes x 0 to 48; the text box starts at x 50.
constexpr int kCaptionWidth = 50;
constexpr int kShadowOffset = 2;
constexpr int kShadowDarkening = 50;
constexpr UINT kFixedFormat = DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;

COLORREF Darker(COLORREF color) {
    const auto channel = [](int value) { return std::max(value - kShadowDarkening, 0); };
    return RGB(channel(GetRValue(color)), channel(GetGValue(color)), channel(GetBValue(color)));
}
} // namespace

CFadeBanner::CFadeBanner()
    : m_captionColor(kDefaultText), m_textColor(kDefaultText), m_backColor(kDefaultBack) {}

void CFadeBanner::SetColors(COLORREF backColor, COLORREF textColor, COLORREF captionColor) {
    m_backColor = backColor;
    m_textColor = textColor;
    m_captionColor = captionColor;
}

void CFadeBanner::ShowText(std::string text, std::string caption, int fadeSteps, BOOL resetColors,
                           std::string captionFontSpec, std::string textFontSpec) {
    if (!textFontSpec.empty())
        m_textFont.ParseSpec(std::move(textFontSpec));
    if (!captionFontSpec.empty())
        m_captionFont.ParseSpec(std::move(captionFontSpec));
    if (resetColors)
        SetColors(kDefaultBack, kDefaultText, kDefaultText);
    m_text = std::move(text);
    m_caption = std::move(caption);
    m_fadeSteps = fadeSteps;
    m_startTick = GetTickCount();
    SetTimer(kFadeTimer, kStepMilliseconds);
}

COLORREF CFadeBanner::FadeColor(COLORREF target) const {
    const DWORD steps = (GetTickCount() - m_startTick) / kStepMilliseconds;
    if (m_fadeSteps <= 0 || steps >= static_cast<DWORD>(m_fadeSteps))
        return target;
    const auto channel = [&](int back, int goal) {
        // The whole way divided by the steps first, then times the steps
        // taken; the cast truncates towards zero, whichever way it goes.
        const double moved = static_cast<double>(back - goal) / m_fadeSteps * steps;
        return back - static_cast<int>(moved);
    };
    return RGB(channel(GetRValue(m_backColor), GetRValue(target)),
               channel(GetGValue(m_backColor), GetGValue(target)),
               channel(GetBValue(m_backColor), GetBValue(target)));
}

void CFadeBanner::OnTimer(UINT_PTR nIDEvent) {
    if (GetTickCount() - m_startTick > kFadeMilliseconds)
        KillTimer(kFadeTimer);
    Invalidate(FALSE);
    CStatic::OnTimer(nIDEvent);
}

void CFadeBanner::OnPaint() {
    CPaintDC dc(this);
    COffscreenDC offscreen(&dc, m_client);
    GetClientRect(&m_client);
    offscreen.SetBkMode(TRANSPARENT);
    const int width = m_client.Width();
    const int height = m_client.Height();
    if (m_caption.empty()) {
        DrawPanel(&offscreen, CRect(0, 0, width, height));
    } else {
        // The column between the two boxes is left as it is.
        DrawPanel(&offscreen, CRect(0, 0, kCaptionWidth - 1, height));
        DrawPanel(&offscreen, CRect(kCaptionWidth, 0, width, height));
    }
    DrawTexts(&offscreen);
}

void CFadeBanner::DrawPanel(CDC* pDC, const CRect& rect) const {
    pDC->FillSolidRect(rect, m_backColor);
    if (m_sunken)
        pDC->Draw3dRect(rect, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
}

void CFadeBanner::DrawTexts(CDC* pDC) {
    const int width = m_client.Width();
    const int height = m_client.Height();
    if (!m_caption.empty()) {
        CFont* previous = pDC->SelectObject(&m_captionFont);
        pDC->SetTextColor(FadeColor(m_captionColor));
        CRect box(0, 0, kCaptionWidth, height);
        pDC->DrawText(m_caption, &box, DT_CENTER | kFixedFormat);
        pDC->SelectObject(previous);
    }
    if (m_text.empty())
        return;
    CFont* previous = pDC->SelectObject(&m_textFont);
    const UINT format = m_textFormat | kFixedFormat;
    const CRect box(m_caption.empty() ? 0 : kCaptionWidth, 0, width - 1, height);
    if (m_shadow) {
        // The text's own box moved, so the copy keeps the offset whatever the
        // alignment.
        CRect shadow = box;
        shadow.OffsetRect(kShadowOffset, kShadowOffset);
        pDC->SetTextColor(FadeColor(Darker(m_backColor)));
        pDC->DrawText(m_text, &shadow, format);
    }
    CRect text = box;
    pDC->SetTextColor(FadeColor(m_textColor));
    pDC->DrawText(m_text, &text, format);
    pDC->SelectObject(previous);
}
