#pragma once
// The checker's command line, by the conventions of grep and ripgrep:
// orvik-stroke-check [-q | -l] [-v] [--json] [--diff] [--] PATH...
#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"

namespace orvik::check {

struct CheckOptions {
    bool Json = false;               // one JSON document instead of text
    bool Diff = false;               // a unified diff of each file a save would change
    bool Quiet = false;              // nothing printed: the exit status only
    bool FilesWithProblems = false;  // only the paths of the files with problems, one per line
    bool Verbose = false;            // every file with its state and catalogue note, the clean ones too
    std::vector<std::filesystem::path> Paths;
};

struct ParsedArguments {
    CheckOptions Options;
    bool Help = false;     // --help: print the usage and stop
    bool Version = false;  // --version: print the name and version and stop
};

// `arguments` without the program's name, or a usage error in words, naming
// the bad option. "--" ends the options, so that a path may begin with "-"; a
// lone "-" is a path.
Result<ParsedArguments> ParseArguments(const std::vector<std::filesystem::path>& arguments);

// One option of the command line: its short and long names (either may be
// empty) and its line of help. The command line's parser and the usage text
// both come from CheckFlags, so each option is named there alone.
struct CheckFlag {
    std::string_view Short;  // "-q"
    std::string_view Long;   // "--quiet"
    std::string_view Help;
    // What it sets; none for "--", which the parser itself knows.
    bool& (*Sets)(ParsedArguments&);
};

extern const std::array<CheckFlag, 8> CheckFlags;

// The help that --help prints, and a usage error after its message.
std::string Usage();

// "orvik-stroke-check 1.0.1": the project's one version.
std::string VersionText();

}  // namespace orvik::check
