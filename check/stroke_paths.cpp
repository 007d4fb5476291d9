#include "check/stroke_paths.h"

#include <algorithm>
#include <system_error>

#include "core/problem_kinds.h"

namespace orvik::check {

namespace fs = std::filesystem;

std::string Shown(const fs::path& path) {
#ifdef _WIN32
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
#else
    return path.native();
#endif
}

fs::path PathFromShown(const std::string& text) {
#ifdef _WIN32
    return fs::path(std::u8string(text.begin(), text.end()));
#else
    return fs::path(text);
#endif
}

PathError PathErrorFor(std::string name, const std::error_code& error) {
    if (error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory)
        return {std::move(name), problem_code::NotFound, "no such file or folder"};
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
        return {std::move(name), problem_code::PermissionDenied, "permission denied"};
    if (error == std::errc::too_many_symbolic_link_levels)
        return {std::move(name), problem_code::LinkLoop, "a loop of links, or too many links in a row"};
    return {std::move(name), problem_code::Unreadable, "cannot be read: " + error.message()};
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

// The .atr entries of a folder in name order, added to the listing; an error
// when the folder cannot be listed.
void ListFolder(const fs::path& folder, PathListing& listing) {
    std::vector<fs::path> found;
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    for (; !error && entries != fs::directory_iterator(); entries.increment(error))
        if (HasStrokeFileExtension(entries->path())) found.push_back(entries->path());
    if (error) {
        listing.Errors.push_back(PathErrorFor(Shown(folder), error));
        return;
    }
    // All in one folder: the whole paths sort as their names do.
    std::sort(found.begin(), found.end(), [](const fs::path& a, const fs::path& b) { return a.native() < b.native(); });
    for (auto& path : found) listing.Files.push_back({path, Shown(path)});
}

}  // namespace

PathListing ListStrokeFiles(const std::vector<fs::path>& paths) {
    PathListing listing;
    for (const fs::path& path : paths) {
        std::error_code error;
        const fs::file_status status = fs::status(path, error);
        if (fs::is_directory(status)) {
            ListFolder(path, listing);
            continue;
        }
        // A path that names nothing at all is reported here; anything else,
        // a link to nothing or in a loop, or behind a folder that may not be
        // searched, is a file whose reading tells why it cannot be read.
        if (fs::symlink_status(path, error).type() == fs::file_type::not_found) {
            listing.Errors.push_back(
                PathErrorFor(Shown(path), std::make_error_code(std::errc::no_such_file_or_directory)));
            continue;
        }
        listing.Files.push_back({path, Shown(path)});
    }
    return listing;
}

}  // namespace orvik::check
