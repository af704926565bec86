#pragma once

#include <algorithm>
#include <string_view>

// The order in which folder entries are listed everywhere: the search walks
// folders in it and the folder chooser shows them in it. Names are compared
// byte by byte after folding ASCII a-z to A-Z, ties broken by the unfolded
// bytes, so the order is the same on every file system and in every locale.
class NameOrder {
public:
    static bool Before(std::string_view a, std::string_view b) {
        const size_t common = std::min(a.size(), b.size());
        for (size_t i = 0; i < common; ++i) {
            const unsigned char fa = Fold(a[i]), fb = Fold(b[i]);
            if (fa != fb)
                return fa < fb;
        }
        if (a.size() != b.size())
            return a.size() < b.size();
        return a < b; // compares as unsigned bytes
    }

private:
    static unsigned char Fold(unsigned char c) {
        return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 'a' + 'A') : c;
    }
};
