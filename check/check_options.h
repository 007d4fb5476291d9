#pragma once
// The checker's command line: orvik-stroke-check [--json] [--diff] [-q] PATH...
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orvik::check {

struct CheckOptions {
    bool Json = false;   // one JSON document instead of text
    bool Diff = false;   // a unified diff of each file a save would change
    bool Quiet = false;  // only the files with problems
    std::vector<std::filesystem::path> Paths;
};

struct ParsedArguments {
    CheckOptions Options;
    bool Help = false;  // --help: print the usage and stop
    std::string Error;  // a usage error in words; empty when the arguments are good
};

// `arguments` without the program's name. "--" ends the options, so that a
// path may begin with "-".
ParsedArguments ParseArguments(const std::vector<std::filesystem::path>& arguments);

std::string_view Usage();

}  // namespace orvik::check
