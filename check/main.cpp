// orvik-stroke-check [--json] [--diff] [-q] PATH...: checks stroke files
// before the game reads them; see check_options.cpp for the usage.
#include <exception>
#include <iostream>

#include "check/check_options.h"
#include "check/command_line.h"
#include "check/run_check.h"

int main(int argc, char** argv) {
    using namespace orvik::check;
    std::ios::sync_with_stdio(false);
    UseUtf8Console();
    try {
        const ParsedArguments parsed = ParseArguments(CommandLineArguments(argc, argv));
        if (parsed.Help) {
            std::cout << Usage();
            return 0;
        }
        if (!parsed.Error.empty()) {
            std::cerr << "orvik-stroke-check: " << parsed.Error << "\n" << Usage();
            return 2;
        }
        const int status = RunCheck(parsed.Options, std::cout, std::cerr);
        std::cout.flush();
        return std::cout ? status : 2;
    } catch (const std::exception& failure) {
        std::cerr << "orvik-stroke-check: " << failure.what() << "\n";
        return 2;
    }
}
