#pragma once
// The sequential field read of the game's text files, one field per read:
// leading spaces skipped; an unquoted field runs up to the next comma or line
// end (CR LF, LF or CR); an empty line is one empty field; a field that begins
// with a double quote is the text up to the closing quote (or to the end of
// the file), after which the rest of that field is skipped up to and including
// the next comma or line end. Bytes are kept as they are, up to the length
// of the largest stroke file; the rest of a longer field is passed over.
//
// The reader takes from the stream only what its reads need: it never looks
// more than one character past the field it returns, and Peek looks ahead by
// whole fields, which the following reads then return.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <istream>
#include <optional>
#include <stdexcept>
#include <string>

#include "core/resume_next.h"

namespace orvik {

// Where a field came from and how the field rules cut it.
struct FieldOrigin {
    std::int64_t Line = 0;        // the line the field begins on, from 1
    std::int64_t LastLine = 0;    // the line it ends on: later than Line only for a quoted field over line ends
    bool EndsAtComma = false;     // a comma ends it, so that the next field begins on the same line
    bool Quoted = false;          // it begins with a double quote
    bool Unclosed = false;        // quoted, and no closing quote before the end of the file
    bool TextAfterQuote = false;  // quoted, and text after the closing quote was dropped
};

class FieldReader {
public:
    // A stream that is already failed reads as a missing file: every read fails.
    explicit FieldReader(std::istream& in);

    // The next field, or none when the file has none left.
    std::optional<std::string> TryRead();

    // The field `ahead` reads from now (0 = the next one) without consuming
    // it, or nullptr when the file ends before it.
    const std::string* Peek(std::size_t ahead);

    // Where the field last returned by TryRead came from; where the
    // next one would begin once the file has none left.
    const FieldOrigin& LastOrigin() const { return lastOrigin_; }

private:
    std::optional<std::string> ReadFromStream();

    std::streambuf* buffer_;
    std::deque<std::optional<std::string>> peeked_;
    // The origins of the peeked fields, then of the fields read last.
    std::deque<FieldOrigin> peekedOrigins_;
    FieldOrigin origin_;  // of the field ReadFromStream returned last
    FieldOrigin lastOrigin_;
    std::int64_t line_ = 1;  // the line the stream is at
};

}  // namespace orvik
