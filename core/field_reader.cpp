#include "core/field_reader.h"

#include "core/stroke_file.h"

namespace orvik {

namespace {

using Traits = std::char_traits<char>;

// No field of a stroke file is longer than the file may be; the rest of a
// longer one is passed over, so that a read never grows without bound.
constexpr std::size_t MaxFieldLength = static_cast<std::size_t>(MaxStrokeFileSize);

void Keep(std::string& value, Traits::int_type c) {
    if (value.size() < MaxFieldLength) value.push_back(Traits::to_char_type(c));
}

bool IsLineEnd(Traits::int_type c) { return c == Traits::to_int_type('\r') || c == Traits::to_int_type('\n'); }

// Whether c, after `previous`, ends a line: the LF of a CR LF does not, the CR did.
bool EndsLineAfter(Traits::int_type previous, Traits::int_type c) {
    return c == Traits::to_int_type('\r') || (c == Traits::to_int_type('\n') && previous != Traits::to_int_type('\r'));
}

// Consumes one line end at the current position: CR LF, LF or CR.
void ConsumeLineEnd(std::streambuf& buffer) {
    const auto c = buffer.sbumpc();
    if (c == Traits::to_int_type('\r') && buffer.sgetc() == Traits::to_int_type('\n')) buffer.sbumpc();
}

}  // namespace

FieldReader::FieldReader(std::istream& in) : buffer_(in ? in.rdbuf() : nullptr) {}

std::optional<std::string> FieldReader::TryRead() {
    if (peeked_.empty()) {
        std::optional<std::string> field = ReadFromStream();
        lastOrigin_ = origin_;
        return field;
    }
    std::optional<std::string> field = std::move(peeked_.front());
    peeked_.pop_front();
    lastOrigin_ = peekedOrigins_.front();
    peekedOrigins_.pop_front();
    return field;
}

const std::string* FieldReader::Peek(std::size_t ahead) {
    while (peeked_.size() <= ahead) {
        peeked_.push_back(ReadFromStream());
        peekedOrigins_.push_back(origin_);
    }
    const auto& field = peeked_[ahead];
    return field ? &*field : nullptr;
}

std::optional<std::string> FieldReader::ReadFromStream() {
    origin_ = FieldOrigin{.Line = line_, .LastLine = line_};
    if (buffer_ == nullptr) return std::nullopt;
    std::streambuf& buffer = *buffer_;
    const auto eof = Traits::eof();
    if (buffer.sgetc() == eof) return std::nullopt;

    while (buffer.sgetc() == Traits::to_int_type(' ')) buffer.sbumpc();

    std::string value;
    auto c = buffer.sgetc();
    if (c == Traits::to_int_type('"')) {
        origin_.Quoted = true;
        buffer.sbumpc();
        auto previous = eof;
        for (c = buffer.sbumpc(); c != eof && c != Traits::to_int_type('"'); c = buffer.sbumpc()) {
            Keep(value, c);
            if (EndsLineAfter(previous, c)) ++line_;
            previous = c;
        }
        origin_.Unclosed = c == eof;
        // Whatever follows the closing quote up to the end of the field is dropped.
        for (c = buffer.sgetc(); c != eof && c != Traits::to_int_type(',') && !IsLineEnd(c); c = buffer.sgetc()) {
            origin_.TextAfterQuote = true;
            buffer.sbumpc();
        }
        origin_.LastLine = line_;
    } else {
        for (; c != eof && c != Traits::to_int_type(',') && !IsLineEnd(c); c = buffer.sgetc()) {
            Keep(value, c);
            buffer.sbumpc();
        }
    }
    if (c == Traits::to_int_type(',')) {
        origin_.EndsAtComma = true;
        buffer.sbumpc();
    } else if (c != eof) {
        ConsumeLineEnd(buffer);
        ++line_;
    }
    return value;
}

}  // namespace orvik
