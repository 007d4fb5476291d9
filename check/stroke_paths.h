#pragma once
// Which files the checker looks at: each PATH that is not a folder, and the
// .atr entries (any case) of each folder, not those of its folders, in name
// order. Nothing is opened here; what an entry is, is found out when it is
// checked.
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace orvik::check {

struct StrokePath {
    std::filesystem::path Path;
    std::string Name;  // the path as shown: its bytes (UTF-8 on Windows), not yet escaped
};

// A path that cannot be read at all.
struct PathError {
    std::string Name;       // as StrokePath::Name
    std::string_view Code;  // one of problem_code, of exit status 2
    std::string Message;    // in words
};

struct PathListing {
    std::vector<StrokePath> Files;
    std::vector<PathError> Errors;  // paths that name nothing, folders that cannot be listed
};

PathListing ListStrokeFiles(const std::vector<std::filesystem::path>& paths);

// Why a folder or file cannot be read, from the system's error: a code and
// words ("permission-denied", "permission denied").
PathError PathErrorFor(std::string name, const std::error_code& error);

// A path as the checker shows it (before escaping): its bytes on POSIX
// systems, UTF-8 on Windows.
std::string Shown(const std::filesystem::path& path);

// The path for an argument given as such text.
std::filesystem::path PathFromShown(const std::string& text);

// The file's name in a path as shown: what follows the last separator.
std::string_view FileNameOf(std::string_view shownPath);

}  // namespace orvik::check
