#pragma once
// Reading a stroke file's bytes without ever waiting: only a regular file
// (through links) is opened, and opened so that a pipe or device put in its
// place in the meantime is refused instead of waited on. Both the editor's
// load and orvik-stroke-check read through here.
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

namespace orvik {

enum class FileBytesOutcome {
    Read,              // the bytes are read whole
    Missing,           // nothing of that name
    DanglingLink,      // a link to nothing
    LinkLoop,          // links that lead back to themselves, or too many in a row
    PermissionDenied,  // no permission to read the file or to search a folder on its way
    Folder,            // a folder, not a file
    NotRegular,        // a device, a pipe or a socket
    TooLarge,          // more than MaxStrokeFileSize bytes
    Failed,            // any other failure; Error says why
};

struct FileBytesResult {
    FileBytesOutcome Outcome = FileBytesOutcome::Read;
    std::error_code Error;  // the system's reason, where there is one
    std::string Kind;       // NotRegular: "a named pipe", "a character device", ...
    std::int64_t Size = 0;  // TooLarge: the size found (at least MaxStrokeFileSize + 1)
};

// Reads the file at `path` whole into `bytes` (emptied on any failure). A
// file of exactly MaxStrokeFileSize bytes is read; one byte more is TooLarge,
// also when the file grows past the limit while it is read.
FileBytesResult ReadFileBytes(const std::filesystem::path& path, std::string& bytes);

}  // namespace orvik
