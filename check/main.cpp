// orvik-stroke-check: checks stroke files before the game reads them; see
// check_options.cpp for the usage.
#include <exception>
#include <iostream>

#include "check/check_options.h"
#include "check/command_line.h"
#include "check/run_check.h"
#include "core/shown_text.h"

int main(int argc, char** argv) {
    using namespace orvik::check;
    using orvik::Escaped;
    std::ios::sync_with_stdio(false);
    UseUtf8Console();
    int status = 2;
    try {
        const orvik::Result<ParsedArguments> parsed = ParseArguments(CommandLineArguments(argc, argv));
        if (!parsed) {
            std::cerr << "orvik-stroke-check: " << Escaped(parsed.Why()) << "\n" << Usage();
            return 2;
        } else if (parsed->Help) {
            std::cout << Usage();
            status = 0;
        } else if (parsed->Version) {
            std::cout << VersionText() << "\n";
            status = 0;
        } else {
            status = RunCheck(parsed->Options, std::cout, std::cerr);
        }
    } catch (const std::exception& failure) {
        std::cerr << "orvik-stroke-check: " << Escaped(failure.what()) << "\n";
        return 2;
    }
    // Output that could not be written all (a full disk, a closed pipe) is
    // a failure of the run, whatever the files hold.
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "orvik-stroke-check: the output cannot be written\n";
        return 2;
    }
    return status;
}
