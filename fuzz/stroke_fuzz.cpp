// Fuzzes the stroke file reader and writer together.
//
// For any bytes:
// - reading never crashes, hangs or misbehaves (the sanitizers watch);
// - reading takes from the file only what its 138 field reads need: the input
//   is followed by 200 line ends (200 empty fields) and a sentinel, and the
//   sentinel is never touched, unless the input ends inside an open quoted
//   field, which legitimately runs to the end of the file;
// - a report changes nothing in the record: the same bytes read with a report
//   give the same fields, and every problem it holds names a line of the file;
// - a file that the writer gives back byte for byte (read as the editor loads
//   a file, written with its own type and bowler code) has nothing to report;
// - the writer is a fixed point after one cycle: what was read is written,
//   read back into a fresh record and written again, and the two outputs are
//   byte for byte the same. Texts the format cannot carry (a comma or a line
//   end inside a value, which only a quoted field can bring in; a trailing
//   line that begins with a space or a double quote; trailing text after
//   fewer than five six-hit key frames that itself reads as a six-hit block)
//   change on the way back, so for those records the cycles must instead
//   settle within a few rounds.
// - the save check that Save runs agrees: where it finds nothing, the
//   write-read-write cycle gives the same bytes; where the format carries the
//   record and the cycle gives the same bytes, it finds nothing, so that Save
//   never refuses a stroke that would come back whole.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>

#include "clean_stroke.h"
#include "core/read_report.h"
#include "core/save_check.h"
#include "core/stroke_file.h"
#include "core/stroke_reader.h"
#include "core/stroke_writer.h"

namespace {

using orvik::StrokeFile;

constexpr int LineEndsAfterInput = 200;
constexpr std::string_view Sentinel = "SENTINEL-SENTINEL-SENTINEL";
constexpr std::string_view SixHitKey = "Mode 6Hit KeyFrame";

// Serves a byte range one character at a time and remembers the furthest
// character it ever showed to the reader (peeked or taken).
class CountingBuffer : public std::streambuf {
public:
    explicit CountingBuffer(std::string_view data) : data_(data) {}
    std::size_t Touched() const { return touched_; }

protected:
    int_type underflow() override {
        const std::size_t next = egptr() == nullptr ? 0 : static_cast<std::size_t>(egptr() - Base());
        if (next >= data_.size()) return traits_type::eof();
        setg(Base() + next, Base() + next, Base() + next + 1);
        if (next + 1 > touched_) touched_ = next + 1;
        return traits_type::to_int_type(*gptr());
    }

private:
    char* Base() { return const_cast<char*>(data_.data()); }
    std::string_view data_;
    std::size_t touched_ = 0;
};

void Fail(const char* what) {
    std::fprintf(stderr, "stroke_fuzz: %s\n", what);
    std::abort();
}

// A record that already holds a stroke: what a failed step keeps must be
// something the writer can write and the reader read back. Its numbers take
// the writer's exponent form, and every trailing line holds text.
StrokeFile HeldStroke() {
    StrokeFile stroke = orvik::CleanStroke("0 1 2 3 4");
    for (auto& frame : stroke.KeyFrames)
        frame.DirectionRange = -3, frame.Power = 1e-5, frame.PowerRange = 123456789012345.0;
    for (int j = 1; j <= orvik::TrailingLineArray::Last; ++j) stroke.TrailingLines.at(j) = "held line";
    return stroke;
}

// Whether the bytes end inside a quoted field, by the field rules: a field
// that begins (after its leading spaces) with a double quote runs to the next
// double quote, line ends included.
bool EndsInsideQuotes(std::string_view bytes) {
    enum { FieldStart, Unquoted, Quoted, AfterQuote } state = FieldStart;
    for (const char c : bytes) {
        const bool fieldEnd = c == ',' || c == '\r' || c == '\n';
        switch (state) {
            case FieldStart:
                if (c == '"')
                    state = Quoted;
                else if (c != ' ' && !fieldEnd)
                    state = Unquoted;
                break;
            case Unquoted:
            case AfterQuote:
                if (fieldEnd) state = FieldStart;
                break;
            case Quoted:
                if (c == '"') state = AfterQuote;
                break;
        }
    }
    return state == Quoted;
}

bool HasFieldBreak(std::string_view text) { return text.find_first_of(",\r\n") != std::string_view::npos; }

// Whether every text of the record comes back unchanged through the writer
// and the reader; see the top of the file.
bool FormatCarries(const StrokeFile& s) {
    for (const std::string* text :
         {&s.Type, &s.Faceing, &s.Difficulty, &s.Reward, &s.Difficulty6, &s.Reward6, &s.Difficulty3, &s.Reward3,
          &s.EdgeProb, &s.EdgeProb6, &s.EdgeProb3, &s.Name, &s.Variation})
        if (HasFieldBreak(*text)) return false;
    const int sixHitBlocks = orvik::SixHitKeyFrameCount(s);
    for (int j = 1; j <= orvik::TrailingLineArray::Last; ++j) {
        const std::string& line = s.TrailingLines.at(j);
        if (HasFieldBreak(line)) return false;
        if (!line.empty() && (line[0] == ' ' || line[0] == '"')) return false;
    }
    if (sixHitBlocks < orvik::KeyFrameCount - orvik::NormalKeyFrameCount &&
        std::string_view(s.TrailingLines.at(1)).starts_with(SixHitKey))
        return false;
    return true;
}

std::string Write(const StrokeFile& stroke) { return orvik::StrokeFileText(stroke, stroke.Type, stroke.BowlerTypes); }

// Every field of the record in one text: the file written with every six-hit
// key frame, then every tag and trailing line.
std::string EveryField(const StrokeFile& stroke) {
    StrokeFile all = stroke;
    for (int k = orvik::NormalKeyFrameCount; k < orvik::KeyFrameCount; ++k)
        all.KeyFrames[static_cast<std::size_t>(k)].KeyFrameTag = "0";
    std::string text = Write(all);
    for (const auto& frame : stroke.KeyFrames) text += "|" + frame.KeyFrameTag;
    for (int j = orvik::TrailingLineArray::First; j <= orvik::TrailingLineArray::Last; ++j)
        text += "|" + stroke.TrailingLines.at(j);
    return text;
}

// Reads a written file into a fresh record, as the editor holds it after start-up.
StrokeFile ReadFresh(const std::string& text) {
    StrokeFile stroke = orvik::StartStroke();
    std::istringstream in(text);
    orvik::ReadStrokeFile(in, stroke);
    return stroke;
}

// A value the editor or the game cannot use (a type none of the editor's list
// holds, an edge probability outside 0 to 1, a six-hit tag that names no
// timing) is reported whatever the layout.
bool IsUnusableValue(const orvik::Problem& problem) {
    namespace code = orvik::problem_code;
    const std::string_view c = problem.Code;
    return c == code::UnknownType || c == code::UnknownBowlerClass || c == code::EdgeProbNotANumber ||
           c == code::EdgeProbOutOfRange || c == code::BadSixHitTag;
}

// Reads the bytes as the editor loads a file, with a report: where writing the
// record gives the bytes back, the report holds nothing but unusable values.
void CheckNothingReportedWhereASaveChangesNothing(std::string_view bytes) {
    StrokeFile loaded = orvik::StartStroke();
    std::istringstream in{std::string(bytes)};
    orvik::ReadReport report;
    orvik::ReadStrokeFile(in, loaded, &report);
    for (const orvik::Problem& problem : report)
        if (!IsUnusableValue(problem) && Write(loaded) == bytes)
            Fail("a file a save gives back unchanged has a reported problem");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string stream(input);
    stream.append(LineEndsAfterInput, '\n');
    const std::size_t sentinelStart = stream.size();
    stream.append(Sentinel);

    StrokeFile stroke = HeldStroke();
    CountingBuffer buffer(stream);
    std::istream in(&buffer);
    orvik::ReadStrokeFile(in, stroke);
    if (buffer.Touched() > sentinelStart && !EndsInsideQuotes(input)) Fail("the reader read past the fields it needs");

    StrokeFile reported = HeldStroke();
    std::istringstream reportedIn(stream);
    orvik::ReadReport report;
    orvik::ReadStrokeFile(reportedIn, reported, &report);
    if (EveryField(reported) != EveryField(stroke)) Fail("reading with a report changed the record");
    for (const orvik::Problem& problem : report)
        if (problem.Line < 1) Fail("a problem of the report names no line");
    CheckNothingReportedWhereASaveChangesNothing(input);

    const std::string first = Write(stroke);
    CheckNothingReportedWhereASaveChangesNothing(first);
    const bool carries = FormatCarries(stroke);
    std::string previous = first;
    StrokeFile again = ReadFresh(previous);
    std::string next = Write(again);
    const bool checkFindsNothing = orvik::FieldsThatWouldNotReadBack(stroke, stroke.Type, stroke.BowlerTypes).empty();
    if (checkFindsNothing && next != first) Fail("the save check passed a stroke that does not come back");
    if (carries && next == first && !checkFindsNothing) Fail("the save check refused a stroke that comes back");
    if (carries) {
        if (next != first) Fail("writing what was read back changed the file");
        return 0;
    }
    for (int round = 0; round < 20 && next != previous; ++round) {
        previous = std::move(next);
        again = ReadFresh(previous);
        next = Write(again);
    }
    if (next != previous) Fail("the file does not settle in repeated cycles");
    return 0;
}
