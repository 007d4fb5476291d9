#pragma once
// Text from a file or a file name as a message or the checker shows it. Such
// text comes from anywhere; printed raw, a control character or an escape
// sequence in it would act on the terminal (clear it, set its title, move the
// cursor), a line break would start a line that looks like one of the
// message's own, and bytes that are not UTF-8 would show as something else or
// as nothing.
#include <cstddef>
#include <string>
#include <string_view>

namespace orvik {

// The text with every byte that is not part of a printable UTF-8 character
// written as an escape: CR, LF and tab as "\r", "\n" and "\t"; other control
// characters (C0, DEL and the C1 characters U+0080 to U+009F), bytes that are
// not UTF-8, the byte-order mark U+FEFF, the line and paragraph separators
// and the characters that reorder text (U+200E, U+200F, U+202A to U+202E,
// U+2066 to U+2069) as "\xHH" for each of their bytes. Backslashes stay as
// they are, so that Windows paths read as usual.
std::string Escaped(std::string_view text);

// Whether the text is UTF-8 throughout.
bool IsValidUtf8(std::string_view text);

// The length of the UTF-8 character at the start of `text`, or 0 when the
// bytes there are not one (a stray or cut sequence, an overlong form, a
// surrogate or a value past U+10FFFF). ASCII gives 1.
std::size_t Utf8Length(std::string_view text);

// A text as a message shows it: escaped as above, cut after 60 bytes (never
// inside a character) with "..." where it was cut, in double quotes.
std::string Quoted(std::string_view text);

}  // namespace orvik
