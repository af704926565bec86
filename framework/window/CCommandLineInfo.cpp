#include "framework/window/CCommandLineInfo.h"

#include <string_view>

namespace {
bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto fold = [](unsigned char c) {
            return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
        };
        if (fold(static_cast<unsigned char>(a[i])) != fold(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}
} // namespace

void CCommandLineInfo::ParseParam(const char* pszParam, BOOL bFlag, BOOL /*bLast*/) {
    if (bFlag &&
        (SameIgnoringCase(pszParam, "Embedding") || SameIgnoringCase(pszParam, "Automation")))
        m_bShowSplash = FALSE;
}
