#include "check/command_line.h"

#ifdef _WIN32
#include <windows.h>
// shellapi.h needs what windows.h defines first.
#include <shellapi.h>
#endif

namespace orvik::check {

#ifdef _WIN32

std::vector<std::filesystem::path> CommandLineArguments(int, char**) {
    std::vector<std::filesystem::path> arguments;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) return arguments;
    for (int i = 1; i < count; ++i) arguments.emplace_back(wide[i]);
    LocalFree(wide);
    return arguments;
}

void UseUtf8Console() { SetConsoleOutputCP(CP_UTF8); }

#else

std::vector<std::filesystem::path> CommandLineArguments(int argc, char** argv) {
    std::vector<std::filesystem::path> arguments;
    for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
    return arguments;
}

void UseUtf8Console() {}

#endif

}  // namespace orvik::check
