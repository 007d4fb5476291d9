#include "check/check_options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <stdexcept>

#include "check/stroke_paths.h"

#ifndef ORVIK_VERSION
#error "ORVIK_VERSION gives the project's version"
#endif

namespace orvik::check {

const std::array<CheckFlag, 8> CheckFlags = {{
    {"-q", "--quiet", "print nothing; the exit status tells",
     [](ParsedArguments& p) -> bool& { return p.Options.Quiet; }},
    {"-l", "--files-with-problems", "print only the paths of the files with problems",
     [](ParsedArguments& p) -> bool& { return p.Options.FilesWithProblems; }},
    {"-v", "--verbose", "also name each file, clean or not, and its stroke",
     [](ParsedArguments& p) -> bool& { return p.Options.Verbose; }},
    {"", "--json", "print the result as one JSON document", [](ParsedArguments& p) -> bool& { return p.Options.Json; }},
    {"", "--diff", "show how a save in the editor would change each file",
     [](ParsedArguments& p) -> bool& { return p.Options.Diff; }},
    {"", "--version", "print the version", [](ParsedArguments& p) -> bool& { return p.Version; }},
    {"-h", "--help", "print this help", [](ParsedArguments& p) -> bool& { return p.Help; }},
    {"", "--", "end the options: every argument after it is a PATH", nullptr},
}};

namespace {

const CheckFlag& HelpFlag() {
    for (const CheckFlag& flag : CheckFlags)
        if (flag.Long == "--help") return flag;
    throw std::logic_error("no help option");
}

// "-q,--quiet", as CLI11 takes an option's names.
std::string NamesForParser(const CheckFlag& flag) {
    return flag.Short.empty() ? std::string(flag.Long) : std::string(flag.Short) + "," + std::string(flag.Long);
}

}  // namespace

Result<ParsedArguments> ParseArguments(const std::vector<std::filesystem::path>& arguments) {
    ParsedArguments parsed;
    CLI::App app;
    app.allow_windows_style_options(false);  // "/x" is a path everywhere
    app.set_help_flag();                     // help is one flag among the others
    for (const CheckFlag& flag : CheckFlags)
        if (flag.Sets != nullptr) app.add_flag(NamesForParser(flag), flag.Sets(parsed));
    std::vector<std::string> paths;
    app.add_option("PATH", paths);

    // The parser is given the options alone: what follows "--" is paths
    // whatever it looks like, and the "--" itself is no argument a usage
    // error could name.
    const auto optionsEnd = std::find(arguments.begin(), arguments.end(), std::filesystem::path("--"));
    std::vector<std::string> texts{"orvik-stroke-check"};
    for (auto argument = arguments.begin(); argument != optionsEnd; ++argument) texts.push_back(Shown(*argument));
    std::vector<const char*> argv;
    for (const std::string& text : texts) argv.push_back(text.c_str());
    try {
        app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::ParseError& error) {
        // Help is given whatever else the options hold; so is the version,
        // where no help is asked for. The parser stops at the first fault, so
        // help after it is looked for here.
        const CheckFlag& help = HelpFlag();
        for (auto argument = arguments.begin(); argument != optionsEnd; ++argument)
            if (*argument == help.Short || *argument == help.Long) parsed.Help = true;
        if (!parsed.Help && parsed.Version) return parsed;
        if (!parsed.Help) return Fail(std::string(error.what()));
    }
    CheckOptions& options = parsed.Options;
    for (const std::string& path : paths) options.Paths.push_back(PathFromShown(path));
    if (optionsEnd != arguments.end()) options.Paths.insert(options.Paths.end(), optionsEnd + 1, arguments.end());
    if (options.Paths.empty() && !parsed.Help && !parsed.Version) return Fail("no stroke file or folder given");
    return parsed;
}

std::string Usage() {
    std::string usage =
        "usage: orvik-stroke-check [-q | -l] [-v] [--json] [--diff] [--] PATH...\n"
        "Checks stroke files (.atr) before the game reads them. A PATH is a stroke\n"
        "file or a folder, whose .atr files are checked (not those in its folders);\n"
        "\"-\" is the file of that name. Each problem is one line,\n"
        "PATH:LINE: CODE: message (PATH: CODE: message for the file as a whole),\n"
        "then a line with the counts.\n";
    constexpr std::size_t HelpColumn = 29;
    for (const CheckFlag& flag : CheckFlags) {
        std::string line = "  " + (flag.Short.empty() ? std::string("    ") : std::string(flag.Short) + ", ");
        line += flag.Long;
        line.resize(std::max(HelpColumn, line.size() + 2), ' ');
        usage += line + std::string(flag.Help) + "\n";
    }
    return usage +
           "Exit status: 0 every file is clean, 1 a file has a problem, 2 a usage error,\n"
           "a path or file that cannot be read, or output that cannot be written.\n";
}

std::string VersionText() { return std::string("orvik-stroke-check ") + ORVIK_VERSION; }

}  // namespace orvik::check
