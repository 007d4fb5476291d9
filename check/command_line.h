#pragma once
// The program's arguments and console as the system gives them. On Windows the
// arguments come from the wide command line, so that a file name outside the
// system's code page arrives whole, and the console shows UTF-8, the encoding
// of everything the checker prints.
#include <filesystem>
#include <vector>

namespace orvik::check {

// The arguments after the program's name.
std::vector<std::filesystem::path> CommandLineArguments(int argc, char** argv);

void UseUtf8Console();

}  // namespace orvik::check
