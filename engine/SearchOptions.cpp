#include "engine/SearchOptions.h"

namespace {
enum class LetterCase { AsStored, Lower, Upper };

// "." followed by the extension, its ASCII letters put in one case or kept.
std::string Mask(const std::string& ext, LetterCase letterCase) {
    std::string mask(".");
    mask += ext;
    for (char& c : mask) {
        if (letterCase == LetterCase::Upper && c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
        else if (letterCase == LetterCase::Lower && c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    }
    return mask;
}
} // namespace

std::vector<std::string> SearchOptions::Masks() const {
    std::vector<std::string> masks;
    for (std::string SearchOptions::*slot : kExtensions) {
        const std::string& ext = this->*slot;
        if (ext.empty())
            continue;
        if (IgnoreExt != 0) {
            masks.push_back(Mask(ext, LetterCase::Lower));
            masks.push_back(Mask(ext, LetterCase::Upper));
        } else {
            masks.push_back(Mask(ext, LetterCase::AsStored));
        }
    }
    return masks;
}
