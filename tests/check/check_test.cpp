// The checker from its options to its output and exit status, on files
// written into a scratch folder: one file per problem code, with the exact
// text line, the JSON members and the exit status each gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "check/run_check.h"
#include "clean_stroke.h"
#include "core/problem_kinds.h"
#include "core/shown_text.h"
#include "core/stroke_file.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#endif

namespace orvik::check {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

// The clean file as a save writes it, with two six-hit key frames (lines 45
// and 51), one trailing line (57) and four empty ones, and `edit` done to its
// lines (line n at [n - 1]); line 19 is the Power line of normal key frame 0.
std::string Edited(const std::function<void(std::vector<std::string>&)>& edit) {
    std::vector<std::string> lines = CleanLines("2 0");
    edit(lines);
    return JoinedLines(lines);
}
// The clean file with line n set to each text given.
std::string Edited(std::initializer_list<std::pair<int, std::string>> set) {
    return Edited([&](auto& l) {
        for (const auto& [n, text] : set) l[static_cast<std::size_t>(n - 1)] = text;
    });
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
    Run CheckWith(CheckOptions options) {
        std::ostringstream out;
        std::ostringstream errors;
        const int status = RunCheck(options, out, errors);
        return {Unfoldered(out.str()), Unfoldered(errors.str()), status};
    }
    Run Check(std::vector<fs::path> paths) { return CheckWith({.Paths = std::move(paths)}); }
    Json CheckJson(std::vector<fs::path> paths) {
        return Json::parse(CheckWith({.Json = true, .Paths = std::move(paths)}).Out);
    }
    std::string Unfoldered(std::string text) const {
        const std::string prefix = (folder_ / "").string();
        for (std::size_t at; (at = text.find(prefix)) != std::string::npos;) text.erase(at, prefix.size());
        return text;
    }

    fs::path folder_;
};

// One file with one kind of problem: the first line the checker prints for it,
// the JSON members of its first problem (or of its error) but the message,
// which the text holds, and the exit status; a file of status 2 is not written.
struct CodeCase {
    const char* code;
    const char* file;
    std::string bytes;
    const char* text;
    const char* json = nullptr;
    int status = 1;
};

TEST_F(CheckTest, EachProblemCodeWithItsLineFieldsAndExitStatus) {
    const std::vector<std::string> clean = CleanLines("2 0");
    const CodeCase cases[] = {
        {"empty-file", "empty.atr", "", "empty.atr:1: empty-file: the file is empty"},
        {"ends-early", "short.atr", JoinedLines({clean.begin(), clean.begin() + 30}),
         "short.atr:31: ends-early: the file ends early: expected \"Power <number> Range <number>\""},
        {"ends-early", "unended.atr", "StrokeAttr",
         "unended.atr:1: ends-early: the file ends early: expected an empty line"},
        // An empty number is what the field held.
        {"not-a-number", "number.atr", Edited({{19, " Power  Range 10"}}),
         "number.atr:19: not-a-number: Power \"\" is not a number; Power of normal key frame 0 keeps 0",
         R"({"code": "not-a-number", "severity": "error", "line": 19, "field": "Power of normal key frame 0",
             "found": "", "kept": "0"})"},
        {"out-of-range", "range.atr", Edited({{16, " Frame 40000"}}),
         "range.atr:16: out-of-range: Frame \"40000\" is out of range (-32768 to 32767); "
         "Frame of normal key frame 0 keeps 0"},
        // A save keeps such a tag as found, yet no timing of the game uses the key frame.
        {"bad-six-hit-tag", "tag.atr", Edited({{45, "Mode 6Hit KeyFrame 7"}}),
         "tag.atr:45: bad-six-hit-tag: six-hit key frame tag \"7\" names no timing (0 to 4); "
         "no timing uses this key frame",
         R"({"code": "bad-six-hit-tag", "severity": "error", "line": 45, "field": "six-hit key frame 7",
             "found": "Mode 6Hit KeyFrame 7"})"},
        {"unexpected-line", "word.atr", Edited({{15, "Mode Normal KeyFrame 1x"}}),
         "word.atr:15: unexpected-line: expected \"Mode Normal KeyFrame 0\", found \"Mode Normal KeyFrame 1x\""},
        {"line-out-of-step", "block.atr", Edited([](auto& l) { l.erase(l.begin() + 26, l.begin() + 32); }),
         "block.atr:27: line-out-of-step: expected \"Mode Normal KeyFrame 2\", found \"Mode Normal KeyFrame 3\"; "
         "a line is missing or extra here, so every later field shifts"},
        // An empty line where a line of the layout belongs holds nothing for a field.
        {"line-out-of-step", "line.atr", Edited({{15, ""}}),
         "line.atr:15: line-out-of-step: expected \"Mode Normal KeyFrame 0\", found \"\"; a line is missing or extra "
         "here, so every later field shifts",
         R"({"code": "line-out-of-step", "severity": "error", "line": 15})"},
        {"unclosed-quote", "open.atr", Edited({{57, "\"note"}}),
         "open.atr:57: unclosed-quote: a double quote opens a field that runs to the end of the file; "
         "every later field is lost",
         R"({"code": "unclosed-quote", "severity": "error", "line": 57, "field": "trailing line 1",
             "found": "note\r\n\r\n\r\n\r\n\r\n"})"},
        {"quote-joins-lines", "join.atr", Edited({{57, "\"no"}, {58, "te\""}}),
         "join.atr:57: quote-joins-lines: a double quote joins lines 57 to 58 into one field; every later field "
         "shifts"},
        {"text-after-quote", "after.atr", Edited({{57, "\"note\" x"}}),
         "after.atr:57: text-after-quote: text after the closing double quote is dropped"},
        {"comma-split", "comma.atr", Edited({{13, "Name a, b Variation 0"}}),
         "comma.atr:13: comma-split: a comma splits this line into two fields; every later field shifts",
         R"({"code": "comma-split", "severity": "error", "line": 13, "field": "Name", "found": "Name a"})"},
        {"text-after-end", "long.atr", Edited([](auto& l) {
             for (int j = 2; j <= 66; ++j) l.insert(l.end() - 4, "t" + std::to_string(j));
         }),
         "long.atr:122: text-after-end: text after trailing line 65 is not kept"},
        {"edge-prob-not-a-number", "edge.atr", Edited({{8, "EdgeProb abc EdgeProb6 0.05 EdgeProb3 0.02"}}),
         "edge.atr:8: edge-prob-not-a-number: EdgeProb \"abc\" is not a number; an edge probability is one from 0 "
         "to 1"},
        {"edge-prob-out-of-range", "seven.atr", Edited({{8, "EdgeProb 0.1 EdgeProb6 7 EdgeProb3 -0.5"}}),
         "seven.atr:8: edge-prob-out-of-range: EdgeProb6 \"7\" lies outside 0 to 1, where an edge probability lies"},
        {"unknown-type", "type.atr", Edited({{3, "Type aggressive"}}),
         "type.atr:3: unknown-type: Type \"aggressive\" is none of the editor's types (\"Aggressive\", "
         "\"Defensive\", \"Moderate\"), compared exactly: the editor shows no type for it"},
        {"unknown-bowler-class", "bowler.atr", Edited({{9, "BowlerTypes 99"}}),
         "bowler.atr:9: unknown-bowler-class: BowlerTypes 99 is none of the editor's bowler classes (15 All "
         "Bowlers, 6 Spinners, 1 Fast Bowler, 9 Fast and Swing bowlers): the editor shows no bowler class for it"},
        // Clean otherwise: the ranges of such a key frame do not matter.
        {"zeroed-key-frame", "zeros.atr",
         Edited({{28, " Frame 0"}, {29, " Vertical 0"}, {30, " Direction 0 Range 0"}, {31, " Power 0 Range 5"}}),
         "zeros.atr:28: zeroed-key-frame: normal key frame 2 (Perfectly on time) has Frame, Vertical, Direction and "
         "Power all 0"},
        {"byte-order-mark", "bom.atr", "\xEF\xBB\xBF" + JoinedLines(clean),
         "bom.atr:1: byte-order-mark: the file starts with a byte-order mark (\\xEF\\xBB\\xBF), which a save drops",
         R"({"code": "byte-order-mark", "severity": "warning", "line": 1, "found": "\ufeff"})"},
        {"control-byte", "control.atr", Edited({{13, "Name a\x01 Variation 0"}, {57, "n\to\x7fte"}}),
         "control.atr:13: control-byte: a byte that is neither printable nor a line end: \\x01 (and such bytes on 1 "
         "more line)",
         R"({"code": "control-byte", "severity": "error", "line": 13, "found": "\\x01"})"},
        {"save-refused", "refused.atr", Edited({{57, "\"a, b\""}}),
         "refused.atr: save-refused: a save would refuse it: trailing line 1: a comma ends a field in a stroke file",
         R"({"code": "save-refused", "severity": "error", "line": null, "field": "trailing line 1"})"},
        {"save-changes", "cr.atr", JoinedLines(clean, "\r"),
         "cr.atr:1: save-changes: a save would change this file: its CR line ends become CR LF"},
        {"too-large", "big.atr", std::string(MaxStrokeFileSize + 1, '\n'),
         "big.atr: too-large: over the size limit: 1048577 bytes, more than the 1048576 bytes a stroke file may hold",
         R"({"code": "too-large", "severity": "error", "line": null})"},
        {"not-found", "gone.atr", "", "orvik-stroke-check: gone.atr: not-found: no such file or folder",
         R"({"path": "gone.atr", "code": "not-found", "message": "no such file or folder"})", 2},
    };
    std::set<std::string> tried;
    for (const CodeCase& c : cases) {
        tried.insert(c.code);
        const fs::path path = c.status == 2 ? folder_ / c.file : Write(c.file, c.bytes);
        const Run run = Check({path});
        const Json doc = CheckJson({path});
        EXPECT_EQ(run.Status, c.status) << c.code;
        if (c.status == 2) {
            EXPECT_EQ(run.Errors, c.text + std::string("\n")) << c.code;
            Json error = doc["errors"].at(0);
            error["path"] = Unfoldered(error["path"]);
            EXPECT_EQ(error.dump(), Json::parse(c.json).dump()) << c.code;
            continue;
        }
        EXPECT_EQ(run.Out.substr(0, run.Out.find('\n')), c.text) << c.code;
        if (!c.json) continue;  // the members as any problem's; the command-line test compares JSON and text
        Json first = doc["files"].at(0)["problems"].at(0);
        EXPECT_EQ(run.Out.find(first["message"].get<std::string>()) != std::string::npos, true) << c.code;
        first.erase("message");
        EXPECT_EQ(first.dump(), Json::parse(c.json).dump()) << c.code;
    }

    // A folder as an entry of a folder.
    fs::create_directories(folder_ / "inner" / "folder.atr");
    const Run folder = Check({folder_ / "inner"});
    EXPECT_EQ(folder.Out, (fs::path("inner") / "folder.atr").string() +
                              ": not-a-regular-file: not a regular file: a folder\n1 file, 0 clean, 1 problem\n");
    EXPECT_EQ(folder.Status, 1);
    // Links to nothing and in a loop are tried by the command-line test, and
    // permission denied there as another user than root; "unreadable" needs
    // a failing disk.
    tried.insert({"not-a-regular-file", "dangling-link", "link-loop", "permission-denied", "unreadable"});
    for (const ProblemKind& code : ProblemKinds) EXPECT_EQ(tried.count(std::string(code.Code)), 1u) << code.Code;
}

TEST_F(CheckTest, TheReadmeListsEveryProblemCodeWithItsMeaning) {
    std::ifstream in(ORVIK_README);
    const std::string readme((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::set<std::string_view> codes;
    for (const ProblemKind& code : ProblemKinds) {
        codes.insert(code.Code);
        const std::string row = "| `" + std::string(code.Code) + "` | " + std::to_string(code.ExitStatus) + " | " +
                                std::string(code.Severity) + " | " + std::string(code.Meaning) + " |";
        EXPECT_NE(readme.find(row), std::string::npos) << row;
    }
    EXPECT_EQ(codes.size(), ProblemKinds.size());
    // The meaning of too-large names the limit the checker applies.
    const std::string limit = "(" + std::to_string(MaxStrokeFileSize) + ")";
    EXPECT_NE(ProblemKindOf(problem_code::TooLarge).Meaning.find(limit), std::string::npos);
}

// Every sample stroke being clean is tried by the command-line test.
TEST_F(CheckTest, OfAFolderOnlyItsAtrFilesAreChecked) {
    // Only .atr files of the folder, in any case, not those of its folders.
    // (The verbose lines of each: the command-line test.)
    Write("A.ATR", JoinedLines(CleanLines("2 0")));
    Write("a-Cc031.atr", Edited({{19, " Power abc Range 10"}}));
    Write("notes.txt", "x");
    fs::create_directories(folder_ / "inner");
    std::ofstream(folder_ / "inner" / "b.atr") << "x";
    const Run all = Check({folder_});
    EXPECT_EQ(all.Out.substr(all.Out.rfind('\n', all.Out.size() - 2) + 1), "2 files, 1 clean, 2 problems\n");

    // Quiet prints nothing, even beside JSON or the listing, which names
    // each file with a problem once.
    for (const bool json : {false, true}) {
        const Run quiet = CheckWith({.Json = json, .Quiet = true, .FilesWithProblems = !json, .Paths = {folder_}});
        EXPECT_EQ(quiet.Out + std::to_string(quiet.Status), "1") << json;
    }
    const Run listed = CheckWith({.FilesWithProblems = true, .Paths = {folder_, folder_ / "a-Cc031.atr"}});
    EXPECT_EQ(listed.Out, "a-Cc031.atr\n");
    EXPECT_EQ(listed.Status, 1);
    const Json listedJson = Json::parse(CheckWith({.Json = true, .FilesWithProblems = true, .Paths = {folder_}}).Out);
    EXPECT_EQ(listedJson["files"].size(), 1u);
    EXPECT_EQ(listedJson["file_count"], 2);
    // The game's name for a file, and null for a file that is none of its.
    const Json files = CheckJson({folder_})["files"];
    EXPECT_EQ(files.at(0)["stroke"], nullptr);
    EXPECT_EQ(files.at(1)["stroke"], "Pull");

    // A path that names nothing is an error even when the files are clean.
    EXPECT_EQ(Check({folder_ / "nothing.atr", folder_ / "A.ATR"}).Status, 2);
}

// Only a byte-order mark before a right first line leaves the line unnamed.
TEST_F(CheckTest, AWrongFirstLineAfterAByteOrderMarkIsNamed) {
    const Run marked = Check({Write("marked.atr", "\xEF\xBB\xBF" + Edited({{1, "Strokeattr"}}))});
    EXPECT_EQ(marked.Out.substr(0, marked.Out.find("\nmarked.atr:1: save")),
              "marked.atr:1: byte-order-mark: the file starts with a byte-order mark (\\xEF\\xBB\\xBF), which a save "
              "drops\nmarked.atr:1: unexpected-line: expected \"StrokeAttr\", found \"\\xEF\\xBB\\xBFStrokeattr\"");
}

TEST_F(CheckTest, ASaveChangeNamesWhatReallyChanges) {
    const std::vector<std::string> lines = CleanLines("2 0");
    std::vector<std::string> full = lines;  // 65 trailing lines: a save adds no empty line after them
    full.resize(full.size() - 4);
    for (int j = 2; j <= 65; ++j) full.push_back("t" + std::to_string(j));
    // Each file, its first line that changes and how.
    const struct {
        const char* file;
        std::string bytes;
        const char* line;
        const char* change;
    } cases[] = {
        {"lf.atr", JoinedLines(lines, "\n"), "1", "its LF line ends become CR LF"},
        {"mixed.atr",
         JoinedLines({lines.begin(), lines.begin() + 2}, "\n") + JoinedLines({lines.begin() + 2, lines.end()}, "\r"),
         "1", "its LF and CR line ends become CR LF"},
        {"unended.atr", JoinedLines(full).substr(0, JoinedLines(full).size() - 2), "121",
         "its last line gets a line end"},
        {"unended-lf.atr", JoinedLines(full, "\n").substr(0, JoinedLines(full, "\n").size() - 1), "1",
         "its LF line ends become CR LF and its last line gets a line end"},
        {"short-end.atr", JoinedLines({lines.begin(), lines.end() - 1}), "61", "1 empty line is added at its end"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Check({Write(c.file, c.bytes)}).Out,
                  std::string(c.file) + ":" + c.line + ": save-changes: a save would change this file: " + c.change +
                      "\n1 file, 0 clean, 1 problem\n");
}

#ifndef _WIN32
TEST_F(CheckTest, DevicesPipesAndLinksToThemAreNamedAndNeverOpened) {
    fs::create_symlink("/dev/zero", folder_ / "zero.atr");
    ASSERT_EQ(mkfifo((folder_ / "pipe.atr").c_str(), 0600), 0);
    fs::create_symlink(folder_ / "pipe.atr", folder_ / "to-pipe.atr");
    // A writer's open of the pipe waits until a reader opens it: none does.
    std::atomic<bool> readerCame = false;
    std::thread writer([&] {
        const int fd = open((folder_ / "pipe.atr").c_str(), O_WRONLY);
        readerCame = true;
        if (fd >= 0) close(fd);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));  // the writer waits by now
    const Run run = Check({folder_});
    EXPECT_EQ(run.Out,
              "pipe.atr: not-a-regular-file: not a regular file: a named pipe\n"
              "to-pipe.atr: not-a-regular-file: not a regular file: a named pipe\n"
              "zero.atr: not-a-regular-file: not a regular file: a character device\n"
              "3 files, 0 clean, 3 problems\n");
    EXPECT_EQ(run.Status, 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(readerCame) << "the pipe was opened";
    const int reader = open((folder_ / "pipe.atr").c_str(), O_RDONLY | O_NONBLOCK);  // lets the writer go
    writer.join();
    close(reader);
}

// A file that another program turns into a named pipe and back while the
// checker reads it: each check ends, with the file or with the pipe refused,
// never waiting for a writer to the pipe.
TEST_F(CheckTest, AFileSwappedForANamedPipeNeverHoldsTheCheckerUp) {
    const fs::path name = folder_ / "swap.atr";
    const fs::path file = Write("file.keep", JoinedLines(CleanLines("2 0")));
    const fs::path pipe = folder_ / "pipe.keep";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    ASSERT_EQ(link(file.c_str(), name.c_str()), 0);
    // Each swap is a new link to one of the two, renamed over the name.
    std::atomic<bool> done = false;
    std::thread swapper([&] {
        const fs::path next = folder_ / "next";
        while (!done)
            for (const fs::path& kind : {pipe, file})
                if (link(kind.c_str(), next.c_str()) == 0) std::rename(next.c_str(), name.c_str());
    });
    std::set<std::string> outcomes;
    auto checks = std::async(std::launch::async, [&] {
        for (int i = 0; i < 3000; ++i) {
            const Run run = Check({name});
            outcomes.insert(run.Out.substr(0, run.Out.find('\n')));
        }
    });
    if (checks.wait_for(std::chrono::seconds(60)) == std::future_status::timeout) {
        ADD_FAILURE() << "a check waits on the pipe";
        // A writer lets the waiting check go on, so that the test can end.
        while (checks.wait_for(std::chrono::milliseconds(10)) == std::future_status::timeout) {
            const int writer = open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0) close(writer);
        }
    }
    checks.get();
    done = true;
    swapper.join();
    for (const std::string& outcome : outcomes)
        EXPECT_TRUE(outcome == "1 file, 1 clean, 0 problems" ||
                    outcome == "swap.atr: not-a-regular-file: not a regular file: a named pipe")
            << outcome;
}
// Names and contents made to trip a terminal or a JSON reader: a terminal
// title and clear-screen sequence, BEL, U+009B, a line break, a quote and a
// backslash, bytes that are not UTF-8, a byte-order mark. That nothing raw
// reaches any output in any form is tried by the command-line test; here,
// that names stay distinct and whole.
TEST_F(CheckTest, NamesStayDistinctAndWhole) {
    const std::string content =
        "StrokeAttr\n\nType \x1b]0;owned\x07\x1b[2J\xc2\x9b"
        "31m\xe9\\\"\n";
    for (const char* name :
         {"t\x1b]0;title\x07.atr", "c\x1b[2J\xc2\x9b.atr", "n\n+++ x.atr", "q\"\\.atr", "x\xe9.atr", "x\xc3\xa9.atr",
          "\xef\xbb\xbf"
          "b.atr"})
        Write(name, content);
    fs::create_symlink(folder_ / "none", folder_ / "d\x1b[2J\n.atr");

    const Run listed = CheckWith({.FilesWithProblems = true, .Paths = {folder_}});
    EXPECT_EQ(listed.Errors,
              "orvik-stroke-check: " + Escaped("d\x1b[2J\n.atr") + ": dangling-link: a link to nothing\n");
    // One line per named file: a line break in a name cannot add one.
    EXPECT_EQ(std::count(listed.Out.begin(), listed.Out.end(), '\n'), 7);

    for (const bool withDiff : {false, true})
        for (const bool listOnly : {false, true}) {
            const Json doc = Json::parse(
                CheckWith({.Json = true, .Diff = withDiff, .FilesWithProblems = listOnly, .Paths = {folder_}}).Out);
            ASSERT_EQ(doc["files"].size(), 7u);
            std::set<std::string> shownNames;
            for (const Json& file : doc["files"]) {
                const std::string name = file["name"];
                shownNames.insert(name + (file.contains("name_bytes") ? " (bytes)" : ""));
                // Only a name that is not UTF-8 carries its bytes, and they are the name's own.
                if (file.contains("name_bytes")) {
                    std::string bytes;
                    for (const Json& byte : file["name_bytes"]) bytes += static_cast<char>(byte.get<int>());
                    EXPECT_EQ(Unfoldered(Escaped(bytes)), name);
                }
                EXPECT_EQ(file.contains("diff"), withDiff);
                const Json& type = file["problems"].at(1);
                EXPECT_EQ(type["code"], "unknown-type");
                EXPECT_TRUE(type.contains("found_bytes"));
            }
            EXPECT_EQ(shownNames.size(), 7u);
            EXPECT_EQ(shownNames.count("x\xc3\xa9.atr"), 1u);
            EXPECT_EQ(shownNames.count(Escaped("x\xe9.atr") + " (bytes)"), 1u);
            EXPECT_EQ(shownNames.count("q\"\\.atr"), 1u);
            EXPECT_EQ(doc["errors"].at(0)["code"], "dangling-link");
        }
}
#endif

}  // namespace
}  // namespace orvik::check
