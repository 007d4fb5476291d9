#pragma once
// The reader's text operations on its line buffer. Positions count from 1;
// they are 64-bit so that no line, however long, can overflow them. From and
// Head give views into their argument, so that cutting a long line does not
// copy it.
#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace orvik::text {

// The characters of s from position n on; empty past the end. Fails for n < 1.
inline std::string_view From(std::string_view s, std::int64_t n) {
    if (n < 1) throw std::out_of_range("from: position below 1");
    const auto start = static_cast<std::uint64_t>(n - 1);
    if (start >= s.size()) return {};
    return s.substr(static_cast<std::size_t>(start));
}

// The first n characters of s; all of s when n exceeds its length. Fails for n < 0.
inline std::string_view Head(std::string_view s, std::int64_t n) {
    if (n < 0) throw std::out_of_range("head: negative length");
    const auto length = std::min<std::uint64_t>(static_cast<std::uint64_t>(n), s.size());
    return s.substr(0, static_cast<std::size_t>(length));
}

// Position of the last occurrence of marker in s (case-sensitive); 0 when absent.
// Steps from one occurrence of the marker's first character to the one
// before, so that a long line without the marker costs one pass.
inline std::int64_t Last(std::string_view s, std::string_view marker) {
    if (marker.empty() || marker.size() > s.size()) return 0;
    std::size_t at = s.size() - marker.size();
    while ((at = s.rfind(marker.front(), at)) != std::string_view::npos) {
        if (s.compare(at, marker.size(), marker) == 0) return static_cast<std::int64_t>(at) + 1;
        if (at == 0) break;
        --at;
    }
    return 0;
}

// Position of the first letter of the last occurrence of a key written with a
// space on each side (" Reward "), so that a value holding the key's letter
// ("R2") does not move the split. Where s holds no such key, the position of
// the last occurrence of the key's first letter, as the game's files were
// always split.
inline std::int64_t LastKey(std::string_view s, std::string_view spacedKey) {
    const std::int64_t key = Last(s, spacedKey);
    if (key > 0) return key + 1;
    return Last(s, spacedKey.substr(1, 1));
}

}  // namespace orvik::text
