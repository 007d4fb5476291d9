#pragma once
// Which files the checker looks at: each PATH that is not a folder, and the
// .atr entries (any case) of each folder, not those of its folders, in name
// order. Nothing is opened here; what an entry is, is found out when it is
// checked.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orvik::check {

struct StrokePath {
    std::filesystem::path Path;
    std::string Name;  // the path as shown, UTF-8
};

struct PathListing {
    std::vector<StrokePath> Files;
    std::vector<std::string> Errors;  // paths that cannot be read at all, with why
};

PathListing ListStrokeFiles(const std::vector<std::filesystem::path>& paths);

// A path as the checker shows it: UTF-8.
std::string Shown(const std::filesystem::path& path);

// The file's name in a path as shown: what follows the last separator.
std::string_view FileNameOf(std::string_view shownPath);

}  // namespace orvik::check
