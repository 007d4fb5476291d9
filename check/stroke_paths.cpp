#include "check/stroke_paths.h"

#include <algorithm>
#include <system_error>

namespace orvik::check {

namespace fs = std::filesystem;

std::string Shown(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string_view FileNameOf(std::string_view shownPath) {
#ifdef _WIN32
    const std::size_t separator = shownPath.find_last_of("/\\:");
#else
    const std::size_t separator = shownPath.find_last_of('/');
#endif
    return separator == std::string_view::npos ? shownPath : shownPath.substr(separator + 1);
}

namespace {

// Whether the name ends in ".atr", in any case.
bool HasStrokeFileExtension(const fs::path& name) {
    const auto& text = name.native();
    if (text.size() < 4) return false;
    constexpr char extension[] = ".atr";
    for (std::size_t i = 0; i < 4; ++i) {
        auto c = text[text.size() - 4 + i];
        if (c >= 'A' && c <= 'Z') c = static_cast<decltype(c)>(c - 'A' + 'a');
        if (c != static_cast<decltype(c)>(extension[i])) return false;
    }
    return true;
}

std::string Why(const std::error_code& error) { return error.message(); }

// The .atr entries of a folder in name order; an error in words when it
// cannot be listed.
std::string ListFolder(const fs::path& folder, std::vector<StrokePath>& files) {
    std::vector<fs::path> found;
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    for (; !error && entries != fs::directory_iterator(); entries.increment(error))
        if (HasStrokeFileExtension(entries->path())) found.push_back(entries->path());
    if (error) return Shown(folder) + ": " + Why(error);
    // All in one folder: the whole paths sort as their names do.
    std::sort(found.begin(), found.end(), [](const fs::path& a, const fs::path& b) { return a.native() < b.native(); });
    for (auto& path : found) files.push_back({path, Shown(path)});
    return {};
}

}  // namespace

PathListing ListStrokeFiles(const std::vector<fs::path>& paths) {
    PathListing listing;
    for (const fs::path& path : paths) {
        std::error_code error;
        const fs::file_status status = fs::status(path, error);
        if (fs::is_directory(status)) {
            if (std::string why = ListFolder(path, listing.Files); !why.empty()) listing.Errors.push_back(why);
            continue;
        }
        // A link to nothing is a file that cannot be read; a path that names
        // nothing at all cannot be checked.
        const fs::file_status link = fs::symlink_status(path, error);
        if (!fs::exists(link)) {
            listing.Errors.push_back(Shown(path) + ": no such file or folder");
            continue;
        }
        listing.Files.push_back({path, Shown(path)});
    }
    return listing;
}

}  // namespace orvik::check
