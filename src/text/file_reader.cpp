#include "text/file_reader.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <optional>
#include <utility>

namespace lexo {
namespace {

// Sizes the string for read() to fill, without zero-filling the room first (for a dictionary
// of a million lines that would take about a third as long as reading it).
void ResizeForReading(std::string& text, size_t size) {
#ifdef __cpp_lib_string_resize_and_overwrite
    // The size asked for, not the room given: g++ 12's library passes the whole capacity.
    text.resize_and_overwrite(size, [size](char*, size_t) { return size; });
#else
    text.resize(size);
#endif
}

// Reads from an open descriptor up to `limit` bytes straight into out, which grows when the
// file is longer than it said (or says nothing, like a pipe or a file under /proc); returns
// the errno of a failed read.
std::optional<int> ReadAll(int fd, size_t expected, std::string& out, size_t limit) {
    constexpr size_t kChunk = 65536;
    size_t filled = 0;
    const size_t room = expected > 0 ? expected + 1 : kChunk;
    ResizeForReading(out, std::min(room, limit));
    while (filled < limit) {
        if (filled == out.size()) ResizeForReading(out, std::min(out.size() * 2, limit));
        const ssize_t got = read(fd, out.data() + filled, out.size() - filled);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            out.clear();
            return errno;
        }
        filled += static_cast<size_t>(got);
    }
    out.resize(filled);
    return std::nullopt;
}

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) close(fd_);
    }
    int Get() const { return fd_; }

  private:
    int fd_;
};

}  // namespace

std::string FileError::Reason() const {
    switch (kind) {
        case Kind::NotRegular: return "Not a regular file";
        case Kind::TooLong: return "Longer than " + std::to_string(limit >> 20) + " MB";
        case Kind::System: break;
    }
    return std::strerror(error);
}

std::string FileError::Text() const {
    const std::string full = std::filesystem::absolute(path).lexically_normal().string();
    return "Cannot open file \"" + full + "\". " + Reason();
}

std::expected<FileBytes, FileError> ReadFileWithIdentity(const std::string& path,
                                                         const ReadRequest& request) {
    auto fail = [&path](FileError::Kind kind, int error = 0, size_t limit = 0) {
        return std::unexpected(FileError{path, kind, error, limit});
    };
    Descriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.Get() < 0) return fail(FileError::Kind::System, errno);
    struct stat info {};
    if (fstat(file.Get(), &info) != 0) return fail(FileError::Kind::System, errno);
    const bool pipe = request.pipesToo && S_ISFIFO(info.st_mode);
    if (!S_ISREG(info.st_mode) && !pipe) return fail(FileError::Kind::NotRegular);
    if (fcntl(file.Get(), F_SETFL, 0) != 0) return fail(FileError::Kind::System, errno);
    // A pipe the user named is read as a pipe: its writer may not have come yet, and a read
    // before then would see its end. The wait ends with its first bytes or once it has left.
    if (pipe) {
        pollfd ready{file.Get(), POLLIN, 0};
        while (poll(&ready, 1, -1) < 0) {
            if (errno != EINTR) return fail(FileError::Kind::System, errno);
        }
    }
    if (request.from > 0 && lseek(file.Get(), request.from, SEEK_SET) < 0)
        return fail(FileError::Kind::System, errno);

    const bool refuse = request.pastLimit == PastLimit::Refuse;
    const size_t wanted = refuse && request.limit < SIZE_MAX ? request.limit + 1 : request.limit;
    const size_t expected =
        info.st_size > request.from ? static_cast<size_t>(info.st_size - request.from) : 0;
    FileBytes read{{}, {info.st_dev, info.st_ino, info.st_size}};
    if (const std::optional<int> error = ReadAll(file.Get(), expected, read.bytes, wanted))
        return fail(FileError::Kind::System, *error);
    if (refuse && read.bytes.size() > request.limit)
        return fail(FileError::Kind::TooLong, 0, request.limit);
    return read;
}

std::expected<std::string, FileError> ReadFile(const std::string& path,
                                               const ReadRequest& request) {
    std::expected<FileBytes, FileError> read = ReadFileWithIdentity(path, request);
    if (!read) return std::unexpected(std::move(read.error()));
    return std::move(read->bytes);
}

}  // namespace lexo
