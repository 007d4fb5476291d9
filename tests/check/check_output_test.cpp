// What the checker prints, piece by piece: its options, the escaping of
// everything it prints, the unified diff, and the JSON document for names
// and contents that hold what a terminal or a JSON reader could trip on.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "check/check_options.h"
#include "check/run_check.h"
#include "core/save_diff.h"
#include "core/shown_text.h"

namespace orvik::check {
namespace {

namespace fs = std::filesystem;

std::string Shown(const Result<ParsedArguments>& result) {
    if (!result) return "error: " + result.Why();
    const ParsedArguments& parsed = *result;
    const CheckOptions& o = parsed.Options;
    std::string shown = std::string(parsed.Help ? "help " : "") + (parsed.Version ? "version " : "") +
                        (o.Json ? "json " : "") + (o.Diff ? "diff " : "") + (o.Quiet ? "quiet " : "") +
                        (o.FilesWithProblems ? "list " : "") + (o.Verbose ? "verbose " : "") + "[";
    for (const fs::path& path : o.Paths) shown += (shown.back() == '[' ? "" : " ") + path.string();
    return shown + "]";
}

// That each long form is its short one: the command-line test.
TEST(CheckOptions, EachOptionTheEndOfOptionsAndAPathCalledDash) {
    // The arguments, split at spaces, and what they parse as. Help after "--"
    // is a path; the version is given beside a wrong option, on either side
    // of it; "--" is no wrong option.
    const std::pair<const char*, const char*> cases[] = {
        {"a.atr", "[a.atr]"},
        {"-q a", "quiet [a]"},
        {"-l a", "list [a]"},
        {"-v a", "verbose [a]"},
        {"a --json b --diff", "json diff [a b]"},
        {"-qlv a", "quiet list verbose [a]"},
        {"--version", "version []"},
        {"--help a b", "help [a b]"},
        {"a --help --bogus", "help [a]"},
        {"-", "[-]"},
        {"-- -q --json -", "[-q --json -]"},
        {"-q -- -- a", "quiet [-- a]"},
        {"-q", "error: no stroke file or folder given"},
        {"--bogus a", "error: The following argument was not expected: --bogus"},
        {"-x a", "error: The following argument was not expected: -x"},
        {"/q a", "[/q a]"},
        {"--bogus -- -h", "error: The following argument was not expected: --bogus"},
        {"--version --bogus", "version []"},
        {"-x --version", "version []"},
        {"--version -- --bogus", "version [--bogus]"}};
    for (const auto& [arguments, parsed] : cases) {
        std::vector<fs::path> split;
        for (std::istringstream words(arguments); words >> split.emplace_back();) {}
        split.pop_back();
        EXPECT_EQ(Shown(ParseArguments(split)), parsed) << arguments;
    }
}

std::string FileText(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A name as roff writes it, each dash escaped: "\-\-files\-with\-problems".
std::string RoffName(std::string_view name) {
    std::string roff;
    for (const char c : name) roff += c == '-' ? std::string("\\-") : std::string(1, c);
    return roff;
}

TEST(CheckOptions, TheManualPageAndTheReadmeNameEveryOption) {
    // The usage lists each option with its help in one column.
    const std::string usage = Usage();
    EXPECT_NE(usage.find("\n  -l, --files-with-problems  print only the paths of the files with problems\n"),
              std::string::npos);
    EXPECT_NE(usage.find("\n      --json                 print the result as one JSON document\n"), std::string::npos);

    const std::string manual = FileText(ORVIK_CHECK_MANUAL);
    const std::string readme = FileText(ORVIK_README);
    for (const CheckFlag& flag : CheckFlags) {
        // The manual page's option list: ".BR \-q ", " \-\-quiet" or ".B \-\-json".
        const std::string entry = flag.Short.empty()
                                      ? ".B " + RoffName(flag.Long) + "\n"
                                      : ".BR " + RoffName(flag.Short) + " \", \" " + RoffName(flag.Long) + "\n";
        EXPECT_NE(manual.find(".TP\n" + entry), std::string::npos) << entry;
        for (const std::string_view name : {flag.Short, flag.Long})
            if (!name.empty()) {
                EXPECT_NE(readme.find("`" + std::string(name) + "`"), std::string::npos) << name;
            }
    }
}

TEST(CheckOutput, EscapesEveryControlCharacterByteThatIsNotUtf8AndByteOrderMark) {
    const struct {
        std::string text;
        const char* shown;
    } cases[] = {
        {"plain äé € 𝄞 C:\\strokes\\a.atr", "plain äé € 𝄞 C:\\strokes\\a.atr"},
        {std::string("a\r\nb\tc \x1b]0;title\x07 \x1b[2J\x7f nul\0end", 31),
         "a\\r\\nb\\tc \\x1B]0;title\\x07 \\x1B[2J\\x7F nul\\x00end"},
        {"csi\xc2\x9b"
         "31m \xc2\x80 \xc2\x9f \xc2\xa0",
         "csi\\xC2\\x9B31m \\xC2\\x80 \\xC2\\x9F \xc2\xa0"},
        {"\xef\xbb\xbfStrokeAttr x\xe9.atr cut \xe2\x82", "\\xEF\\xBB\\xBFStrokeAttr x\\xE9.atr cut \\xE2\\x82"},
        {"overlong \xc0\xaf surrogate \xed\xa0\x80 past \xf4\x90\x80\x80",
         "overlong \\xC0\\xAF surrogate \\xED\\xA0\\x80 past \\xF4\\x90\\x80\\x80"},
        // The longer forms of "/", U+07FF and U+FFFF; the first three- and four-byte characters.
        {"\xe0\x80\xaf \xe0\x9f\xbf \xf0\x80\x80\xaf \xf0\x8f\xbf\xbf \xe0\xa0\x80 \xf0\x90\x80\x80",
         "\\xE0\\x80\\xAF \\xE0\\x9F\\xBF \\xF0\\x80\\x80\\xAF \\xF0\\x8F\\xBF\\xBF \xe0\xa0\x80 \xf0\x90\x80\x80"},
        {"bidi \xe2\x80\xae rev \xe2\x81\xa6 sep \xe2\x80\xa8",
         "bidi \\xE2\\x80\\xAE rev \\xE2\\x81\\xA6 sep \\xE2\\x80\\xA8"},
    };
    for (const auto& c : cases) EXPECT_EQ(Escaped(c.text), c.shown) << c.shown;
}

TEST(CheckOutput, TheDiffNumbersItsHunksAndShowsEveryLineEnd) {
    EXPECT_EQ(UnifiedDiff("", "a\r\nb\r\n", "x", "y"), "--- x\n+++ y\n@@ -0,0 +1,2 @@\n+a\\r\\n\n+b\\r\\n\n");
    EXPECT_EQ(UnifiedDiff("a\r\nb\r\n", "", "x", "y"), "--- x\n+++ y\n@@ -1,2 +0,0 @@\n-a\\r\\n\n-b\\r\\n\n");
    EXPECT_EQ(UnifiedDiff("a\r\nb", "a\r\nb\r\n", "x", "y"), "--- x\n+++ y\n@@ -1,2 +1,2 @@\n a\\r\\n\n-b\n+b\\r\\n\n");
    EXPECT_EQ(UnifiedDiff("a\rb\r", "a\r\nb\r\n", "x", "y"),
              "--- x\n+++ y\n@@ -1,2 +1,2 @@\n-a\\r\n-b\\r\n+a\\r\\n\n+b\\r\\n\n");
    EXPECT_EQ(UnifiedDiff("same\n", "same\n", "x", "y"), "");

    std::string before;
    for (int i = 1; i <= 20; ++i) before += std::to_string(i) + "\n";
    // Six unchanged lines between two changes are the two contexts: one hunk;
    // seven leave one line out between two hunks; a hunk stops at either end.
    const auto hunks = [&](const char* first, const char* second, bool whole = false) {
        std::string changed = before;
        for (const std::string line : {first, second})
            changed.replace(changed.find("\n" + line + "\n"), line.size() + 2, "\nx\n");
        const std::string diff = UnifiedDiff(before, changed, "x", "y");
        if (whole) return diff.substr(diff.find("@@"));
        std::string headers;
        for (std::size_t at = 0; (at = diff.find("@@ -", at)) != std::string::npos; at = diff.find('\n', at))
            headers += diff.substr(at, diff.find('\n', at) - at) + ";";
        return headers;
    };
    EXPECT_EQ(hunks("5", "12"), "@@ -2,14 +2,14 @@;");
    EXPECT_EQ(hunks("5", "13"), "@@ -2,7 +2,7 @@;@@ -10,7 +10,7 @@;");
    EXPECT_EQ(hunks("2", "18", true),
              "@@ -1,5 +1,5 @@\n 1\\n\n-2\\n\n+x\\n\n 3\\n\n 4\\n\n 5\\n\n"
              "@@ -15,6 +15,6 @@\n 15\\n\n 16\\n\n 17\\n\n-18\\n\n+x\\n\n 19\\n\n 20\\n\n");

    // Names and lines escaped: a line break in a name cannot forge a header.
    EXPECT_EQ(UnifiedDiff("\x1b[2J\xe9\n", "\x1b[2J\xe9\r\n", "n\n+++ m", "n\n+++ m as saved"),
              "--- n\\n+++ m\n+++ n\\n+++ m as saved\n@@ -1,1 +1,1 @@\n-\\x1B[2J\\xE9\\n\n+\\x1B[2J\\xE9\\r\\n\n");
}

}  // namespace
}  // namespace orvik::check
