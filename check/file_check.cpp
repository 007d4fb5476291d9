#include "check/file_check.h"

#include <utility>

#include "check/byte_checks.h"
#include "core/file_bytes.h"
#include "core/read_report.h"
#include "core/save_check.h"
#include "core/save_diff.h"
#include "core/stroke_catalogue.h"
#include "core/stroke_file.h"
#include "core/stroke_format.h"
#include "core/stroke_lists.h"
#include "core/stroke_reader.h"
#include "core/stroke_writer.h"
#include "core/text_lines.h"
#include "core/usable_values.h"

namespace orvik::check {

namespace {

// A problem of the file as a whole.
Problem FileProblem(std::string_view code, std::string message) {
    Problem problem;
    problem.Code = code;
    problem.Message = std::move(message);
    return problem;
}

// Why the bytes could not be read: a problem of the file when it is no file
// a stroke can be read from, an error when the path cannot be read at all.
void NotRead(const FileBytesFailure& result, FileCheck& check) {
    switch (result.Outcome) {
        case FileBytesOutcome::Folder:
            check.Problems.push_back(FileProblem(problem_code::NotARegularFile, "not a regular file: a folder"));
            return;
        case FileBytesOutcome::NotRegular:
            check.Problems.push_back(FileProblem(problem_code::NotARegularFile, "not a regular file: " + result.Kind));
            return;
        case FileBytesOutcome::TooLarge:
            check.Problems.push_back(
                FileProblem(problem_code::TooLarge, "over the size limit: " + OverSizeLimitText(result.Size)));
            return;
        case FileBytesOutcome::DanglingLink:
            check.Unreadable = PathError{check.Name, problem_code::DanglingLink, "a link to nothing"};
            return;
        default: check.Unreadable = PathErrorFor(check.Name, result.Error); return;
    }
}

// The line (from 1) on which the two texts first differ, line end and all.
std::int64_t FirstDifferentLine(std::string_view a, std::string_view b) {
    const std::vector<std::string_view> before = SplitLines(a);
    const std::vector<std::string_view> after = SplitLines(b);
    std::size_t line = 0;
    while (line < before.size() && line < after.size() && before[line] == after[line]) ++line;
    return static_cast<std::int64_t>(line) + 1;
}

// Whether the two texts differ only in their line ends, of whatever kind, or
// in a last line end missing.
bool DifferOnlyInLineEnds(std::string_view a, std::string_view b) {
    const std::vector<std::string_view> before = SplitLines(a);
    const std::vector<std::string_view> after = SplitLines(b);
    if (before.size() != after.size()) return false;
    for (std::size_t i = 0; i < before.size(); ++i)
        if (WithoutLineEnd(before[i]) != WithoutLineEnd(after[i])) return false;
    return true;
}

// What a save does to the line ends of `bytes`, which differ from a save's
// only there: "its LF line ends become CR LF", "its last line gets a line
// end", or both.
std::string LineEndChange(std::string_view bytes) {
    bool lf = false;
    bool cr = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
            else
                cr = true;
        } else if (bytes[i] == '\n') {
            lf = true;
        }
    }
    const bool unended = !bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r';
    std::string change;
    if (lf || cr)
        change = std::string("its ") + (lf && cr ? "LF and CR" : lf ? "LF" : "CR") + " line ends become CR LF";
    if (unended) change += std::string(change.empty() ? "" : " and ") + "its last line gets a line end";
    return change;
}

// Where a save only adds line ends after the file's last byte: "its last line
// gets a line end", "2 empty lines are added at its end", or both; empty
// where it changes more.
std::string EndAdded(std::string_view bytes, std::string_view written) {
    if (!written.starts_with(bytes)) return {};
    std::string_view added = written.substr(bytes.size());
    std::size_t lines = 0;
    while (added.starts_with("\r\n")) added.remove_prefix(2), ++lines;
    if (!added.empty() || lines == 0) return {};
    std::string change;
    if (!bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r') {
        change = "its last line gets a line end";
        if (--lines == 0) return change;
        change += " and ";
    }
    return change + std::to_string(lines) + (lines == 1 ? " empty line is" : " empty lines are") + " added at its end";
}

// The reader's problems but the first line's misfit that a byte-order mark
// alone makes: the mark is named on its own.
void AddReadReport(ReadReport& report, FileCheck& check) {
    for (Problem& problem : report) {
        if (problem.Line == 1 && problem.Code == problem_code::UnexpectedLine &&
            problem.Found == std::string(ByteOrderMark) + std::string(format::FirstLine))
            continue;
        check.Problems.push_back(std::move(problem));
    }
}

// Each normal key frame of zeros, as a comma in a number before it leaves
// it. The line is that of its Frame where the file is laid out as a save
// writes it. Of a file that ends early, the key frames it does not reach
// keep their start values, which its ends-early problem tells already.
void AddZeroedKeyFrames(const StrokeFile& stroke, bool laidOut, FileCheck& check) {
    for (const Problem& problem : check.Problems)
        if (problem.Code == problem_code::EndsEarly || problem.Code == problem_code::EmptyFile) return;
    constexpr std::int64_t FirstFrameLine = 16;  // after the header, the empty line and the mode line
    constexpr std::int64_t KeyFrameBlockLines = 6;
    for (int k = 0; k < NormalKeyFrameCount; ++k) {
        if (!IsZeroedKeyFrame(KeyFrameAt(stroke, k))) continue;
        const std::string key = "normal key frame " + std::to_string(k);
        Problem problem = FileProblem(problem_code::ZeroedKeyFrame,
                                      key + " (" + std::string(TimingNames[static_cast<std::size_t>(k)]) +
                                          ") has Frame, Vertical, Direction and Power all 0");
        problem.Field = key;
        if (laidOut) problem.Line = FirstFrameLine + KeyFrameBlockLines * k;
        check.Problems.push_back(std::move(problem));
    }
}

// The checks of a file's bytes, once read.
void CheckStrokeBytes(std::string_view bytes, bool withDiff, FileCheck& check) {
    // Read as the editor loads a file: into the record as it starts. The
    // report leaves the record as it would be without one.
    StrokeFile stroke = StartStroke();
    ReadReport report;
    ReadStrokeText(bytes, stroke, &report);
    // What a save would write: the record with the file's own type and bowler
    // code. A file that it gives back byte for byte reads as the layout says,
    // with nothing for the reader to report, and reads back as it is; it is
    // clean when its values are ones the editor can use and its bytes text.
    const std::string written = StrokeFileText(stroke, stroke.Type, stroke.BowlerTypes);
    std::vector<Problem> byteProblems = ByteProblems(bytes);
    if (written == bytes && byteProblems.empty() && HasOnlyUsableValues(stroke)) return;

    for (Problem& problem : byteProblems) check.Problems.push_back(std::move(problem));
    AddReadReport(report, check);
    AddZeroedKeyFrames(stroke, written == bytes, check);
    if (written == bytes) return;

    const std::vector<FieldProblem> refused =
        FieldsThatWouldNotReadBack(stroke, stroke.Type, stroke.BowlerTypes, written);
    for (const FieldProblem& field : refused) {
        const std::string key = FieldFileKey(stroke, field.Field);
        Problem problem =
            FileProblem(problem_code::SaveRefused, "a save would refuse it: " + key + ": " + field.Reason);
        problem.Field = key;
        check.Problems.push_back(std::move(problem));
    }
    if (!refused.empty()) return;

    Problem changes = FileProblem(problem_code::SaveChanges, "a save would change this file");
    changes.Line = FirstDifferentLine(bytes, written);
    if (const std::string added = EndAdded(bytes, written); !added.empty())
        changes.Message += ": " + added;
    else if (DifferOnlyInLineEnds(bytes, written))
        changes.Message += ": " + LineEndChange(bytes);
    check.Problems.push_back(std::move(changes));
    if (withDiff) check.Diff = UnifiedDiff(bytes, written, check.Name, check.Name + " as a save would write it");
}

}  // namespace

FileCheck CheckStrokeFile(const StrokePath& file, bool withDiff) {
    FileCheck check;
    check.Name = file.Name;
    check.StrokeName = StrokeNameForFile(FileNameOf(file.Name));
    const Result<std::string, FileBytesFailure> bytes = ReadFileBytes(file.Path);
    if (!bytes) {
        NotRead(bytes.Why(), check);
        return check;
    }
    CheckStrokeBytes(*bytes, withDiff, check);
    return check;
}

}  // namespace orvik::check
