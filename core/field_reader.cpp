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

// Consumes one line end at the current position: CR LF, LF or CR.
void ConsumeLineEnd(std::streambuf& buffer) {
    const auto c = buffer.sbumpc();
    if (c == Traits::to_int_type('\r') && buffer.sgetc() == Traits::to_int_type('\n')) buffer.sbumpc();
}

}  // namespace

FieldReader::FieldReader(std::istream& in) : buffer_(in ? in.rdbuf() : nullptr) {}

std::optional<std::string> FieldReader::TryRead() {
    if (peeked_.empty()) return ReadFromStream();
    std::optional<std::string> field = std::move(peeked_.front());
    peeked_.pop_front();
    return field;
}

const std::string* FieldReader::Peek(std::size_t ahead) {
    while (peeked_.size() <= ahead) peeked_.push_back(ReadFromStream());
    const auto& field = peeked_[ahead];
    return field ? &*field : nullptr;
}

std::optional<std::string> FieldReader::ReadFromStream() {
    if (buffer_ == nullptr) return std::nullopt;
    std::streambuf& buffer = *buffer_;
    const auto eof = Traits::eof();
    if (buffer.sgetc() == eof) return std::nullopt;

    while (buffer.sgetc() == Traits::to_int_type(' ')) buffer.sbumpc();

    std::string value;
    auto c = buffer.sgetc();
    if (c == Traits::to_int_type('"')) {
        buffer.sbumpc();
        for (c = buffer.sbumpc(); c != eof && c != Traits::to_int_type('"'); c = buffer.sbumpc()) Keep(value, c);
        // Whatever follows the closing quote up to the end of the field is dropped.
        for (c = buffer.sgetc(); c != eof && c != Traits::to_int_type(',') && !IsLineEnd(c); c = buffer.sgetc())
            buffer.sbumpc();
    } else {
        for (; c != eof && c != Traits::to_int_type(',') && !IsLineEnd(c); c = buffer.sgetc()) {
            Keep(value, c);
            buffer.sbumpc();
        }
    }
    if (c == Traits::to_int_type(','))
        buffer.sbumpc();
    else if (c != eof)
        ConsumeLineEnd(buffer);
    return value;
}

}  // namespace orvik
