// The checker from its options to its output and exit status, on files
// written into a scratch folder: one fault each, a mixed folder, the diff.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "check/run_check.h"
#include "check/save_diff.h"
#include "core/stroke_file.h"
#include "core/stroke_writer.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace orvik::check {
namespace {

namespace fs = std::filesystem;

// A clean file as a save writes it: two six-hit key frames (lines 45 and 51)
// and one trailing line (57); line 19 is the Power line of normal key frame 0.
std::vector<std::string> CleanLines() {
    StrokeFile s = StartStroke();
    s.Type = "Aggressive", s.Faceing = "1", s.Difficulty = "3", s.Reward = "2", s.EdgeProb = "0.1";
    s.EdgeProb6 = "0.05", s.EdgeProb3 = "0.02", s.Name = "a-Cc031", s.Variation = "0", s.BowlerTypes = 9;
    for (int k = 0; k < 7; ++k) s.KeyFrames[k] = {std::int16_t(10 + k), 2e7, 7.5e6 * k, 3.75e6, 80.5, 10, ""};
    s.KeyFrames[5].KeyFrameTag = "2", s.KeyFrames[6].KeyFrameTag = "0";
    s.TrailingLines.at(1) = "note";
    std::ostringstream out;
    WriteStrokeFile(out, s, s.Type, s.BowlerTypes);
    const std::string text = out.str();
    std::vector<std::string> lines;
    for (std::string_view line : SplitLines(text)) lines.emplace_back(WithoutLineEnd(line));
    return lines;
}

std::string Joined(const std::vector<std::string>& lines, const char* lineEnd = "\r\n") {
    std::string text;
    for (const auto& line : lines) text += line + lineEnd;
    return text;
}

// A scratch folder of its own for each test, removed after it.
class CheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() / (std::string("orvik-check-") + test->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path Write(const std::string& name, const std::string& bytes) {
        std::ofstream(folder_ / name, std::ios::binary) << bytes;
        return folder_ / name;
    }

    // The output, with the scratch folder's name taken out, and the exit status.
    struct Run {
        std::string Out;
        std::string Errors;
        int Status;
    };
    Run Check(std::vector<fs::path> paths, bool diff = false, bool quiet = false) {
        std::ostringstream out;
        std::ostringstream errors;
        const int status = RunCheck({.Json = false, .Diff = diff, .Quiet = quiet, .Paths = std::move(paths)}, out, errors);
        return {Unfoldered(out.str()), Unfoldered(errors.str()), status};
    }
    std::string Unfoldered(std::string text) const {
        const std::string prefix = (folder_ / "").string();
        for (std::size_t at; (at = text.find(prefix)) != std::string::npos;) text.erase(at, prefix.size());
        return text;
    }

    fs::path folder_;
};

struct Fault {
    const char* file;
    std::function<std::string()> bytes;
    const char* output;  // what the checker prints for the file alone
};

TEST_F(CheckTest, NamesEachFaultWithItsLineAndWhatIsWrong) {
    const auto edited = [](std::function<void(std::vector<std::string>&)> edit) {
        return [edit] {
            std::vector<std::string> lines = CleanLines();
            edit(lines);
            return Joined(lines);
        };
    };
    const Fault faults[] = {
        {.file = "a-Cc031.atr", .bytes = edited([](auto&) {}),
         .output = "a-Cc031.atr: ok, the game's \"Pull\"\n1 file, 1 clean, 0 problems\n"},
        {.file = "number.atr", .bytes = edited([](auto& l) { l[18] = " Power abc Range 10"; }),
         .output = "number.atr: 2 problems, not one of the game's stroke files\n"
                   "  number.atr: line 19: Power \"abc\" is not a number; Power of normal key frame 0 keeps 0\n"
                   "  number.atr: line 19: a save would change this file\n1 file, 0 clean, 2 problems\n"},
        {.file = "block.atr", .bytes = edited([](auto& l) { l.erase(l.begin() + 26, l.begin() + 32); }),
         .output = "block.atr: 2 problems, not one of the game's stroke files\n"
                   "  block.atr: line 27: expected \"Mode Normal KeyFrame 2\", found \"Mode Normal KeyFrame 3\"; "
                   "a line is missing or extra here, so every later field shifts\n"
                   "  block.atr: line 27: a save would change this file\n1 file, 0 clean, 2 problems\n"},
        {.file = "tag.atr", .bytes = edited([](auto& l) { l[44] = "Mode 6Hit KeyFrame 7"; }),
         // A save writes a six-hit key frame whose tag names no timing back as it was found.
         .output = "tag.atr: ok, not one of the game's stroke files\n1 file, 1 clean, 0 problems\n"},
        {.file = "comma.atr", .bytes = edited([](auto& l) { l[12] = "Name a, b Variation 0"; }),
         .output = "comma.atr: 2 problems, not one of the game's stroke files\n"
                   "  comma.atr: line 13: a comma splits this line into two fields; every later field shifts\n"
                   "  comma.atr: line 13: a save would change this file\n1 file, 0 clean, 2 problems\n"},
        {.file = "long.atr", .bytes = edited([](auto& l) {
             for (int j = 2; j <= 66; ++j) l.insert(l.end() - 3, "t" + std::to_string(j));
         }),
         .output = "long.atr: 2 problems, not one of the game's stroke files\n"
                   "  long.atr: line 122: text after trailing line 65 is not kept\n"
                   "  long.atr: line 122: a save would change this file\n1 file, 0 clean, 2 problems\n"},
        {.file = "cr.atr", .bytes = [] { return Joined(CleanLines(), "\r"); },
         .output = "cr.atr: 1 problem, not one of the game's stroke files\n"
                   "  cr.atr: line 1: a save would change this file: its CR line ends become CR LF\n"
                   "1 file, 0 clean, 1 problem\n"},
        // A quoted field brings a comma into the record, which a save could not give back.
        {.file = "quoted.atr", .bytes = edited([](auto& l) { l[56] = "\"a, b\""; }),
         .output = "quoted.atr: 1 problem, not one of the game's stroke files\n"
                   "  quoted.atr: a save would refuse it: trailing line 1: a comma ends a field in a stroke file\n"
                   "1 file, 0 clean, 1 problem\n"},
        {.file = "big.atr", .bytes = [] { return std::string(MaxStrokeFileSize + 1, '\n'); },
         .output = "big.atr: 1 problem, not one of the game's stroke files\n"
                   "  big.atr: over the size limit: 1048577 bytes, more than the 1048576 bytes a stroke file may hold\n"
                   "1 file, 0 clean, 1 problem\n"},
    };
    for (const Fault& fault : faults) {
        const Run run = Check({Write(fault.file, fault.bytes())});
        EXPECT_EQ(run.Out, fault.output) << fault.file;
        EXPECT_EQ(run.Status, run.Out.find(": ok,") != std::string::npos ? 0 : 1) << fault.file;
    }

    // The folder of them all: the right counts, the clean file left out with -q.
    const Run all = Check({folder_}, false, true);
    EXPECT_EQ(all.Out.substr(all.Out.rfind('\n', all.Out.size() - 2) + 1), "9 files, 2 clean, 11 problems\n");
    EXPECT_EQ(all.Out.find("a-Cc031.atr"), std::string::npos);
    EXPECT_EQ(all.Status, 1);
}

TEST_F(CheckTest, EverySampleStrokeIsCleanAndAPathThatIsNotThereIsAUsageError) {
    const Run samples = Check({fs::path(ORVIK_SAMPLES_DIR) / "strokes"});
    EXPECT_EQ(samples.Out.substr(samples.Out.rfind('\n', samples.Out.size() - 2) + 1),
              "28 files, 28 clean, 0 problems\n");
    EXPECT_EQ(samples.Status, 0);

    // Only .atr files of the folder, in any case, not those of its folders.
    Write("A.ATR", Joined(CleanLines()));
    Write("notes.txt", "x");
    fs::create_directories(folder_ / "inner");
    std::ofstream(folder_ / "inner" / "b.atr") << "x";
    const Run missing = Check({folder_ / "nothing.atr", folder_});
    EXPECT_EQ(missing.Out, "A.ATR: ok, not one of the game's stroke files\n1 file, 1 clean, 0 problems\n");
    EXPECT_EQ(missing.Errors, "orvik-stroke-check: nothing.atr: no such file or folder\n");
    EXPECT_EQ(missing.Status, 2);
}

TEST_F(CheckTest, TheDiffShowsWhatASaveWouldChangeWithItsLineEnds) {
    const Run written = Check({Write("a.atr", Joined(CleanLines()))}, true);
    EXPECT_EQ(written.Out, "a.atr: ok, not one of the game's stroke files\n1 file, 1 clean, 0 problems\n");

    // Every line of a file with LF line ends changes.
    const std::vector<std::string> lines = CleanLines();
    const std::string count = std::to_string(lines.size());
    std::string diff = "--- lf.atr\n+++ lf.atr as a save would write it\n@@ -1," + count + " +1," + count + " @@\n";
    for (const std::string& line : lines) diff += "-" + line + "\\n\n";
    for (const std::string& line : lines) diff += "+" + line + "\\r\\n\n";
    const Run lf = Check({Write("lf.atr", Joined(lines, "\n"))}, true);
    EXPECT_EQ(lf.Out, "lf.atr: 1 problem, not one of the game's stroke files\n"
                      "  lf.atr: line 1: a save would change this file: its LF line ends become CR LF\n" +
                          diff + "1 file, 0 clean, 1 problem\n");

    // Two changes far apart: two hunks, each with three lines of context.
    std::vector<std::string> edited = lines;
    edited[18] = " Power 80.50 Range 10", edited[42] = " Power 80.5 Range 1e1";
    const Run apart = Check({Write("apart.atr", Joined(edited))}, true);
    EXPECT_EQ(apart.Out.substr(apart.Out.find("---")),
              "--- apart.atr\n+++ apart.atr as a save would write it\n"
              "@@ -16,7 +16,7 @@\n  Frame 10\\r\\n\n  Vertical 20000000\\r\\n\n  Direction 0 Range 3750000\\r\\n\n"
              "- Power 80.50 Range 10\\r\\n\n+ Power 80.5 Range 10\\r\\n\n \\r\\n\n Mode Normal KeyFrame 1\\r\\n\n"
              "  Frame 11\\r\\n\n"
              "@@ -40,7 +40,7 @@\n  Frame 14\\r\\n\n  Vertical 20000000\\r\\n\n  Direction 30000000 Range 3750000\\r\\n\n"
              "- Power 80.5 Range 1e1\\r\\n\n+ Power 80.5 Range 10\\r\\n\n \\r\\n\n Mode 6Hit KeyFrame 2\\r\\n\n"
              "  Frame 15\\r\\n\n1 file, 0 clean, 1 problem\n");
}

#ifndef _WIN32
TEST_F(CheckTest, DevicesPipesAndLinksToThemAreNamedAndNeverOpened) {
    fs::create_symlink("/dev/zero", folder_ / "zero.atr");
    fs::create_symlink(folder_ / "nothing", folder_ / "dangling.atr");
    ASSERT_EQ(mkfifo((folder_ / "pipe.atr").c_str(), 0600), 0);
    fs::create_symlink(folder_ / "pipe.atr", folder_ / "to-pipe.atr");
    const Run run = Check({folder_}, false, true);
    EXPECT_EQ(run.Out,
              "dangling.atr: 1 problem, not one of the game's stroke files\n  dangling.atr: a link to nothing\n"
              "pipe.atr: 1 problem, not one of the game's stroke files\n  pipe.atr: not a regular file: a named pipe\n"
              "to-pipe.atr: 1 problem, not one of the game's stroke files\n"
              "  to-pipe.atr: not a regular file: a named pipe\n"
              "zero.atr: 1 problem, not one of the game's stroke files\n"
              "  zero.atr: not a regular file: a character device\n4 files, 0 clean, 4 problems\n");
    EXPECT_EQ(run.Status, 1);
}
#endif

}  // namespace
}  // namespace orvik::check
