#pragma once

class CFadeBanner;

// The signature strip at the foot of the About and Web Links dialogs: the
// maker's line, centred, fading in from dark blue to pale blue within one
// second. Called from OnInitDialog, once the banner is attached.
void ShowMakerBanner(CFadeBanner& banner);
