#include "check/file_check.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "check/save_diff.h"
#include "core/read_back_check.h"
#include "core/stroke_catalogue.h"
#include "core/stroke_reader.h"
#include "core/stroke_writer.h"

namespace orvik::check {

namespace fs = std::filesystem;

namespace {

std::string WhatItIs(fs::file_type type) {
    switch (type) {
        case fs::file_type::directory: return "a folder";
        case fs::file_type::block: return "a block device";
        case fs::file_type::character: return "a character device";
        case fs::file_type::fifo: return "a named pipe";
        case fs::file_type::socket: return "a socket";
        default: return "not a file";
    }
}

// A problem of the file as a whole.
Problem FileProblem(std::string message) { return {0, {}, {}, std::move(message)}; }

std::string LimitText() { return std::to_string(MaxStrokeFileSize) + " bytes a stroke file may hold"; }

// Why a path that is no regular file has no bytes to check.
Problem WhyNotReadable(const fs::path& path, const std::error_code& sizeError) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error) {
        if (fs::is_symlink(fs::symlink_status(path, error))) return FileProblem("a link to nothing");
        return FileProblem("cannot be read: " + sizeError.message());
    }
    if (!fs::is_regular_file(status)) return FileProblem("not a regular file: " + WhatItIs(status.type()));
    return FileProblem("cannot be read: " + sizeError.message());
}

// The file's bytes, or a problem that says why there are none to check. Its
// size, asked for first, tells a regular file (through links) from anything
// else, which is never opened.
std::optional<Problem> ReadBytes(const fs::path& path, std::string& bytes) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(path, error);
    if (error) return WhyNotReadable(path, error);
    if (size > static_cast<std::uintmax_t>(MaxStrokeFileSize))
        return FileProblem("over the size limit: " + std::to_string(size) + " bytes, more than the " + LimitText());

    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) return FileProblem(std::string("cannot be read: ") + (errno ? std::strerror(errno) : "cannot open"));
    // What it holds now, up to the size it had: a file that grows meanwhile
    // is checked as it was.
    bytes.resize(static_cast<std::size_t>(size));
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) return FileProblem("cannot be read: a read failed");
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return std::nullopt;
}

// The line (from 1) on which the two texts first differ, line end and all.
std::int64_t FirstDifferentLine(std::string_view a, std::string_view b) {
    const std::vector<std::string_view> before = SplitLines(a);
    const std::vector<std::string_view> after = SplitLines(b);
    std::size_t line = 0;
    while (line < before.size() && line < after.size() && before[line] == after[line]) ++line;
    return static_cast<std::int64_t>(line) + 1;
}

// Whether the two texts differ only in their line ends, of whatever kind.
bool DifferOnlyInLineEnds(std::string_view a, std::string_view b) {
    const std::vector<std::string_view> before = SplitLines(a);
    const std::vector<std::string_view> after = SplitLines(b);
    if (before.size() != after.size()) return false;
    for (std::size_t i = 0; i < before.size(); ++i)
        if (WithoutLineEnd(before[i]) != WithoutLineEnd(after[i])) return false;
    return true;
}

// The kinds of line end other than CR LF in the bytes: "LF", "CR" or "LF and CR".
std::string OtherLineEnds(std::string_view bytes) {
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
    if (lf && cr) return "LF and CR";
    return lf ? "LF" : "CR";
}

// The checks of a file's bytes, once read.
void CheckStrokeBytes(std::string_view bytes, bool withDiff, FileCheck& check) {
    // Read as the editor loads a file: into the record as it starts.
    StrokeFile stroke = StartStroke();
    ReadStrokeText(bytes, stroke);
    // What a save would write: the record with the file's own type and bowler
    // code. A file that it gives back byte for byte reads as the layout says,
    // with nothing for the reader to report, and reads back as it is.
    const std::string written = StrokeFileText(stroke, stroke.Type, stroke.BowlerTypes);
    if (written == bytes) return;

    ReadReport report;
    StrokeFile again = StartStroke();
    ReadStrokeText(bytes, again, &report);
    for (ReadProblem& p : report) {
        std::string message = std::move(p.Message);
        if (!p.Keeps.empty()) message += "; " + p.Keeps;
        check.Problems.push_back({p.Line, std::move(p.Field), std::move(p.Found), std::move(message)});
    }

    const std::vector<FieldProblem> refused =
        FieldsThatWouldNotReadBack(stroke, stroke.Type, stroke.BowlerTypes, written);
    for (const FieldProblem& field : refused) {
        const std::string key = FieldFileKey(stroke, field.Field);
        check.Problems.push_back({0, key, {}, "a save would refuse it: " + key + ": " + field.Reason});
    }
    if (!refused.empty()) return;

    const std::int64_t line = FirstDifferentLine(bytes, written);
    std::string message = "a save would change this file";
    if (DifferOnlyInLineEnds(bytes, written)) message += ": its " + OtherLineEnds(bytes) + " line ends become CR LF";
    check.Problems.push_back({line, {}, {}, message});
    if (withDiff) check.Diff = UnifiedDiff(bytes, written, check.Name, check.Name + " as a save would write it");
}

}  // namespace

FileCheck CheckStrokeFile(const StrokePath& file, bool withDiff) {
    FileCheck check;
    check.Name = file.Name;
    check.StrokeName = StrokeNameForFile(FileNameOf(file.Name));
    std::string bytes;
    if (std::optional<Problem> unreadable = ReadBytes(file.Path, bytes)) {
        check.Problems.push_back(std::move(*unreadable));
        return check;
    }
    CheckStrokeBytes(bytes, withDiff, check);
    return check;
}

}  // namespace orvik::check
