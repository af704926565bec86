#include "dialogs/MakerBanner.h"

#include "controls/CFadeBanner.h"

namespace {
constexpr COLORREF kDarkBlue = RGB(0, 72, 176);
constexpr COLORREF kPaleBlue = RGB(184, 220, 240);
constexpr COLORREF kBlack = RGB(0, 0, 0);
// Steps of 10 milliseconds: one second.
constexpr int kFadeSteps = 100;
} // namespace

void ShowMakerBanner(CFadeBanner& banner) {
    banner.SetColors(kDarkBlue, kPaleBlue, kBlack);
    banner.m_textFormat = DT_CENTER;
    banner.ShowText("Tarnwick software", "", kFadeSteps, FALSE, "", "");
}
