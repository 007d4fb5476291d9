#include "core/file_bytes.h"

#include <algorithm>

#include "core/stroke_file.h"

#ifdef _WIN32
#include <fstream>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#endif

namespace orvik {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t ReadLimit = static_cast<std::size_t>(MaxStrokeFileSize);

using FileBytes = Result<std::string, FileBytesFailure>;

Failure<FileBytesFailure> Refused(FileBytesOutcome outcome, std::error_code error = {}) {
    return Fail(FileBytesFailure{outcome, error, {}, 0});
}

Failure<FileBytesFailure> TooLarge(std::int64_t size) {
    return Fail(FileBytesFailure{FileBytesOutcome::TooLarge, {}, {}, size});
}

Failure<FileBytesFailure> NotRegular(std::string kind) {
    return Fail(FileBytesFailure{FileBytesOutcome::NotRegular, {}, std::move(kind), 0});
}

// What a failure to find or open the path means. A name that is missing may
// still be a link, to nothing.
Failure<FileBytesFailure> WhyNotFound(const fs::path& path, std::error_code error) {
    if (error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory) {
        std::error_code ignored;
        if (fs::is_symlink(fs::symlink_status(path, ignored))) return Refused(FileBytesOutcome::DanglingLink, error);
        return Refused(FileBytesOutcome::Missing, error);
    }
    if (error == std::errc::too_many_symbolic_link_levels) return Refused(FileBytesOutcome::LinkLoop, error);
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
        return Refused(FileBytesOutcome::PermissionDenied, error);
    return Refused(FileBytesOutcome::Failed, error);
}

#ifdef _WIN32

std::string KindOf(fs::file_type type) {
    switch (type) {
        case fs::file_type::block: return "a block device";
        case fs::file_type::character: return "a character device";
        case fs::file_type::fifo: return "a named pipe";
        case fs::file_type::socket: return "a socket";
        default: return "not a file";
    }
}

// Windows has no pipes or devices among a folder's files: the status, asked
// first, decides, and the file is then read through a stream.
FileBytes ReadWhole(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error) return WhyNotFound(path, error);
    if (fs::is_directory(status)) return Refused(FileBytesOutcome::Folder);
    if (!fs::is_regular_file(status)) return NotRegular(KindOf(status.type()));
    const std::uintmax_t size = fs::file_size(path, error);
    if (error) return WhyNotFound(path, error);
    if (size > ReadLimit) return TooLarge(static_cast<std::int64_t>(size));
    std::ifstream in(path, std::ios::binary);
    if (!in) return Refused(FileBytesOutcome::PermissionDenied, std::make_error_code(std::errc::permission_denied));
    std::string bytes;
    // The size asked and one byte more, which tells a file that grew since;
    // a grown file is read on up to one byte past the limit.
    bytes.resize(static_cast<std::size_t>(size) + 1);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    std::size_t got = static_cast<std::size_t>(in.gcount());
    if (got == bytes.size()) {
        bytes.resize(ReadLimit + 1);
        in.read(bytes.data() + got, static_cast<std::streamsize>(bytes.size() - got));
        got += static_cast<std::size_t>(in.gcount());
    }
    if (in.bad()) return Refused(FileBytesOutcome::Failed, std::make_error_code(std::errc::io_error));
    if (got > ReadLimit) return TooLarge(static_cast<std::int64_t>(got));
    bytes.resize(got);
    return bytes;
}

#else

std::error_code LastError() { return {errno, std::generic_category()}; }

std::string KindOf(mode_t mode) {
    if (S_ISBLK(mode)) return "a block device";
    if (S_ISCHR(mode)) return "a character device";
    if (S_ISFIFO(mode)) return "a named pipe";
    if (S_ISSOCK(mode)) return "a socket";
    return "not a file";
}

// Closes the descriptor however the read ends.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

FileBytes ReadWhole(const fs::path& path) {
    // The kind of file is asked before it is opened: opening a pipe waits for
    // a writer, and opening a device may do anything.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return WhyNotFound(path, LastError());
    if (S_ISDIR(info.st_mode)) return Refused(FileBytesOutcome::Folder);
    if (!S_ISREG(info.st_mode)) return NotRegular(KindOf(info.st_mode));
    if (info.st_size > MaxStrokeFileSize) return TooLarge(info.st_size);
    // Not waiting even if the name is given to a pipe in between; what was
    // opened is asked again.
    const Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    if (file.fd < 0) return WhyNotFound(path, LastError());
    if (::fstat(file.fd, &info) != 0) return Refused(FileBytesOutcome::Failed, LastError());
    if (S_ISDIR(info.st_mode)) return Refused(FileBytesOutcome::Folder);
    if (!S_ISREG(info.st_mode)) return NotRegular(KindOf(info.st_mode));
    // Room for the size asked and one byte more, which tells a file that grew
    // since; a grown file gets room up to one byte past the limit.
    std::string bytes;
    bytes.resize(std::min(static_cast<std::size_t>(info.st_size), ReadLimit) + 1);
    std::size_t got = 0;
    while (true) {
        if (got == bytes.size()) {
            if (bytes.size() > ReadLimit) break;
            bytes.resize(ReadLimit + 1);
        }
        const ssize_t now = ::read(file.fd, bytes.data() + got, bytes.size() - got);
        if (now < 0 && errno == EINTR) continue;
        if (now < 0) return Refused(FileBytesOutcome::Failed, LastError());
        if (now == 0) break;
        got += static_cast<std::size_t>(now);
    }
    if (got > ReadLimit) return TooLarge(static_cast<std::int64_t>(got));
    bytes.resize(got);
    return bytes;
}

#endif

}  // namespace

FileBytes ReadFileBytes(const fs::path& path) { return ReadWhole(path); }

}  // namespace orvik
