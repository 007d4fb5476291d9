#pragma once
// Reading a stroke file's bytes without ever waiting: only a regular file
// (through links) is opened, and opened so that a pipe or device put in its
// place in the meantime is refused instead of waited on. Both the editor's
// load and orvik-stroke-check read through here.
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

#include "core/result.h"

namespace orvik {

// Why a file's bytes could not be read.
enum class FileBytesOutcome {
    Missing,           // nothing of that name
    DanglingLink,      // a link to nothing
    LinkLoop,          // links that lead back to themselves, or too many in a row
    PermissionDenied,  // no permission to read the file or to search a folder on its way
    Folder,            // a folder, not a file
    NotRegular,        // a device, a pipe or a socket
    TooLarge,          // more than MaxStrokeFileSize bytes
    Failed,            // any other failure; Error says why
};

struct FileBytesFailure {
    FileBytesOutcome Outcome = FileBytesOutcome::Failed;
    std::error_code Error;  // the system's reason, where there is one
    std::string Kind;       // NotRegular: "a named pipe", "a character device", ...
    std::int64_t Size = 0;  // TooLarge: the size found (at least MaxStrokeFileSize + 1)
};

// The bytes of the file at `path`, read whole, or why they cannot be read. A
// file of exactly MaxStrokeFileSize bytes is read; one byte more is TooLarge,
// also when the file grows past the limit while it is read.
Result<std::string, FileBytesFailure> ReadFileBytes(const std::filesystem::path& path);

}  // namespace orvik
