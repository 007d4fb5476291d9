#include "check/check_options.h"

#include <CLI/CLI.hpp>
#include <algorithm>

#include "check/stroke_paths.h"

#ifndef ORVIK_VERSION
#error "ORVIK_VERSION gives the project's version"
#endif

namespace orvik::check {

Result<ParsedArguments> ParseArguments(const std::vector<std::filesystem::path>& arguments) {
    ParsedArguments parsed;
    CheckOptions& options = parsed.Options;
    CLI::App app;
    app.allow_windows_style_options(false);  // "/x" is a path everywhere
    app.set_help_flag();
    bool help = false;
    app.add_flag("-h,--help", help);
    app.add_flag("--version", parsed.Version);
    app.add_flag("--json", options.Json);
    app.add_flag("--diff", options.Diff);
    app.add_flag("-q,--quiet", options.Quiet);
    app.add_flag("-l,--files-with-problems", options.FilesWithProblems);
    app.add_flag("-v,--verbose", options.Verbose);
    std::vector<std::string> paths;
    app.add_option("PATH", paths);

    // CLI11 takes the arguments last first.
    std::vector<std::string> texts;
    for (const auto& argument : arguments) texts.push_back(Shown(argument));
    std::reverse(texts.begin(), texts.end());
    try {
        app.parse(texts);
    } catch (const CLI::ParseError& error) {
        // Help is given whatever else the arguments hold; so is the version,
        // where no help is asked for.
        const auto optionsEnd = std::find(arguments.begin(), arguments.end(), std::filesystem::path("--"));
        for (auto argument = arguments.begin(); argument != optionsEnd; ++argument)
            if (*argument == "--help" || *argument == "-h") help = true;
        if (!help && parsed.Version) return parsed;
        if (!help) return Fail(std::string(error.what()));
    }
    parsed.Help = help;
    for (const std::string& path : paths) options.Paths.push_back(PathFromShown(path));
    if (options.Paths.empty() && !parsed.Help && !parsed.Version) return Fail("no stroke file or folder given");
    return parsed;
}

std::string_view Usage() {
    return "usage: orvik-stroke-check [-q | -l] [-v] [--json] [--diff] [--] PATH...\n"
           "Checks stroke files (.atr) before the game reads them. A PATH is a stroke\n"
           "file or a folder, whose .atr files are checked (not those in its folders);\n"
           "\"-\" is the file of that name. Each problem is one line,\n"
           "PATH:LINE: CODE: message (PATH: CODE: message for the file as a whole),\n"
           "then a line with the counts.\n"
           "  -q, --quiet                print nothing; the exit status tells\n"
           "  -l, --files-with-problems  print only the paths of the files with problems\n"
           "  -v, --verbose              also name each file, clean or not, and its stroke\n"
           "      --json                 print the result as one JSON document\n"
           "      --diff                 show how a save in the editor would change each file\n"
           "      --version              print the version\n"
           "  -h, --help                 print this help\n"
           "      --                     end the options: every argument after it is a PATH\n"
           "Exit status: 0 every file is clean, 1 a file has a problem, 2 a usage error,\n"
           "a path or file that cannot be read, or output that cannot be written.\n";
}

std::string VersionText() { return std::string("orvik-stroke-check ") + ORVIK_VERSION; }

}  // namespace orvik::check
