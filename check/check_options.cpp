#include "check/check_options.h"

namespace orvik::check {

namespace {

// An argument as the text it is, for comparing with the options' names.
bool Is(const std::filesystem::path& argument, std::string_view option) {
    return argument.native() == std::filesystem::path(option).native();
}

bool LooksLikeAnOption(const std::filesystem::path& argument) {
    const auto& text = argument.native();
    return text.size() > 1 && text[0] == '-';
}

}  // namespace

ParsedArguments ParseArguments(const std::vector<std::filesystem::path>& arguments) {
    ParsedArguments parsed;
    bool optionsEnded = false;
    for (const auto& argument : arguments) {
        if (optionsEnded || !LooksLikeAnOption(argument)) {
            parsed.Options.Paths.push_back(argument);
        } else if (Is(argument, "--")) {
            optionsEnded = true;
        } else if (Is(argument, "--json")) {
            parsed.Options.Json = true;
        } else if (Is(argument, "--diff")) {
            parsed.Options.Diff = true;
        } else if (Is(argument, "-q") || Is(argument, "--quiet")) {
            parsed.Options.Quiet = true;
        } else if (Is(argument, "-h") || Is(argument, "--help")) {
            parsed.Help = true;
        } else {
            const auto u8 = argument.u8string();
            parsed.Error = "unknown option " + std::string(u8.begin(), u8.end());
            return parsed;
        }
    }
    if (parsed.Options.Paths.empty() && !parsed.Help) parsed.Error = "no stroke file or folder given";
    return parsed;
}

std::string_view Usage() {
    return "usage: orvik-stroke-check [--json] [--diff] [-q] PATH...\n"
           "Checks stroke files (.atr) before the game reads them. A PATH is a stroke\n"
           "file or a folder, whose .atr files are checked (not those in its folders).\n"
           "  --json  print the result as one JSON document\n"
           "  --diff  show how a save in the editor would change each file\n"
           "  -q      print only the files with problems\n"
           "Exit status: 0 every file is clean, 1 a file has a problem, 2 a usage\n"
           "error or a path that cannot be read.\n";
}

}  // namespace orvik::check
