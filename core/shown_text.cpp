#include "core/shown_text.h"

#include <algorithm>
#include <cstdio>

namespace orvik {

namespace {

unsigned CodePoint(std::string_view character) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(character[i]); };
    if (character.size() == 1) return byte(0);
    unsigned code = byte(0) & (0x7fu >> character.size());
    for (std::size_t i = 1; i < character.size(); ++i) code = (code << 6) | (byte(i) & 0x3fu);
    return code;
}

// Characters that are not printed as they are, though valid.
bool ActsOnTheText(unsigned code) {
    return code < 0x20 || (code >= 0x7f && code <= 0x9f) || code == 0xfeff || code == 0x200e || code == 0x200f ||
           code == 0x2028 || code == 0x2029 || (code >= 0x202a && code <= 0x202e) || (code >= 0x2066 && code <= 0x2069);
}

void AppendByteEscape(std::string& out, unsigned char byte) {
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned>(byte));
    out += escape;
}

}  // namespace

std::size_t Utf8Length(std::string_view text) {
    if (text.empty()) return 0;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned minimum = 0;
    if (lead >= 0xc2 && lead <= 0xdf)
        length = 2, minimum = 0x80;
    else if (lead >= 0xe0 && lead <= 0xef)
        length = 3, minimum = 0x800;
    else if (lead >= 0xf0 && lead <= 0xf4)
        length = 4, minimum = 0x10000;
    else
        return 0;
    if (text.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((byte(i) & 0xc0) != 0x80) return 0;
    const unsigned code = CodePoint(text.substr(0, length));
    if (code < minimum || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff)) return 0;
    return length;
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8Length(text.substr(i));
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::string Escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8Length(text.substr(i));
        if (length == 0) {
            AppendByteEscape(out, static_cast<unsigned char>(text[i]));
            ++i;
            continue;
        }
        const std::string_view character = text.substr(i, length);
        i += length;
        if (!ActsOnTheText(CodePoint(character))) {
            out += character;
        } else if (character == "\r") {
            out += "\\r";
        } else if (character == "\n") {
            out += "\\n";
        } else if (character == "\t") {
            out += "\\t";
        } else {
            for (const char c : character) AppendByteEscape(out, static_cast<unsigned char>(c));
        }
    }
    return out;
}

std::string Quoted(std::string_view text) {
    constexpr std::size_t MaxShown = 60;
    std::size_t cut = 0;
    while (cut < text.size()) {
        const std::size_t length = std::max<std::size_t>(Utf8Length(text.substr(cut)), 1);
        if (cut + length > MaxShown) break;
        cut += length;
    }
    return "\"" + Escaped(text.substr(0, cut)) + (cut < text.size() ? "...\"" : "\"");
}

}  // namespace orvik
