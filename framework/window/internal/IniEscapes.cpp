#include "framework/window/internal/IniEscapes.h"

#include <algorithm>

namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The value of a hex digit, or -1.
int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void AppendHex(std::string& out, unsigned value, int width, const char* digits) {
    std::string hex;
    do {
        hex.insert(hex.begin(), digits[value % 16]);
        value /= 16;
    } while (value != 0 || static_cast<int>(hex.size()) < width);
    out += hex;
}

// The characters written as "\" and a letter, and those letters; the
// letters that read as characters, and those characters.
constexpr std::string_view kEscaped("\0\a\b\f\n\r\t\v\"\\", 10);
constexpr std::string_view kEscapeLetters = "0abfnrtv\"\\";
constexpr std::string_view kReadLetters = "abfnrtv\"\\'?";
constexpr std::string_view kReadCharacters = "\a\b\f\n\r\t\v\"\\'?";

// Decodes the escape whose letter is text[at] into `out`; returns the index
// of its last character. "\x" with up to six hex digits, or up to three
// octal digits, name a character (written as UTF-8), or a byte in `bytes`
// mode. An escape of no kind stays as it is.
size_t DecodeEscape(std::string_view text, size_t at, bool bytes, std::string& out) {
    const char letter = text[at];
    if (const size_t named = kReadLetters.find(letter); named != kReadLetters.npos) {
        out += kReadCharacters[named];
        return at;
    }
    const bool hex = letter == 'x';
    const int base = hex ? 16 : 8;
    const size_t first = hex ? at + 1 : at;
    const size_t last = std::min(text.size(), first + (hex ? 6 : 3));
    size_t end = first;
    char32_t code = 0;
    for (; end < last; ++end) {
        const int digit = HexDigit(text[end]);
        if (digit < 0 || digit >= base)
            break;
        code = code * base + static_cast<char32_t>(digit);
    }
    if (end == first) {
        out += '\\';
        out += letter;
        return at;
    }
    if (bytes)
        out += static_cast<char>(code & 0xFF);
    else
        out += QString::fromUcs4(&code, 1).toStdString();
    return end - 1;
}
} // namespace

std::string IniEscapes::EscapeValue(std::string_view bytes) {
    std::string out;
    if (!bytes.empty() && bytes.front() == '@')
        out += '@';
    bool quote = false;
    // After "\xH" or "\0" a hex digit would read as part of the escape.
    bool escapeDigit = false;
    for (const char c : bytes) {
        const auto code = static_cast<unsigned char>(c);
        quote = quote || c == ';' || c == ',' || c == '=';
        if (escapeDigit && HexDigit(c) >= 0) {
            out += "\\x";
            AppendHex(out, code, 1, "0123456789abcdef");
            continue;
        }
        escapeDigit = false;
        if (const size_t named = kEscaped.find(c); named != kEscaped.npos) {
            out += '\\';
            out += kEscapeLetters[named];
            escapeDigit = c == '\0';
        } else if (code < 0x20) {
            out += "\\x";
            AppendHex(out, code, 1, "0123456789abcdef");
            escapeDigit = true;
        } else {
            out += c;
        }
    }
    quote = quote || (!out.empty() && (out.front() == ' ' || out.back() == ' '));
    return quote ? '"' + out + '"' : out;
}

std::string IniEscapes::UnescapeValue(std::string_view text) {
    size_t at = 0;
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    std::string_view start = text.substr(at);
    if (start.starts_with('"'))
        start.remove_prefix(1);
    const bool bytes = start.starts_with("@ByteArray(");
    std::string out;
    // The length of `out` without the blanks that end it outside quotes.
    size_t kept = 0;
    bool quoted = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '"') {
            quoted = !quoted;
        } else if (c == '\\' && at + 1 < text.size()) {
            at = DecodeEscape(text, at + 1, bytes, out);
        } else {
            out += c;
            if (!quoted && IsBlank(c))
                continue;
        }
        kept = out.size();
    }
    out.resize(kept);
    if (out.starts_with("@@"))
        out.erase(0, 1);
    else if (bytes && out.ends_with(')'))
        out = out.substr(11, out.size() - 12);
    return out;
}

std::string IniEscapes::EscapeName(const QString& name) {
    std::string out;
    for (const QChar ch : name) {
        const char16_t code = ch.unicode();
        const bool plain = (code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z') ||
                           (code >= '0' && code <= '9') || code == '_' || code == '-' ||
                           code == '.';
        if (code == '/') {
            out += '\\';
        } else if (plain) {
            out += static_cast<char>(code);
        } else if (code <= 0xFF) {
            out += '%';
            AppendHex(out, code, 2, "0123456789ABCDEF");
        } else {
            out += "%U";
            AppendHex(out, code, 4, "0123456789ABCDEF");
        }
    }
    return out;
}

QString IniEscapes::UnescapeName(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    QString out;
    std::string plain;
    const auto flush = [&] {
        out += QString::fromUtf8(plain.data(), static_cast<qsizetype>(plain.size()));
        plain.clear();
    };
    for (size_t at = 0; at < text.size(); ++at) {
        const bool wide = text[at] == '%' && text.substr(at + 1, 1) == "U";
        const size_t digits = wide ? 4 : 2;
        const size_t first = at + (wide ? 2 : 1);
        char16_t code = 0;
        bool escape = text[at] == '%' && first + digits <= text.size();
        for (size_t i = first; escape && i < first + digits; ++i) {
            const int digit = HexDigit(text[i]);
            escape = digit >= 0;
            code = static_cast<char16_t>(code * 16 + digit);
        }
        if (text[at] == '\\' || escape) {
            flush();
            out += text[at] == '\\' ? QChar('/') : QChar(code);
            at = text[at] == '\\' ? at : first + digits - 1;
        } else {
            plain += text[at];
        }
    }
    flush();
    return out;
}
