#include "file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace lexo {
namespace {

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return fd_; }

  private:
    int fd_;
};

}  // namespace

std::optional<std::vector<uint8_t>> ReadFileBytes(const char* path, size_t maxBytes) {
    if (path == nullptr || *path == '\0') return std::nullopt;
    // O_NONBLOCK: opening a FIFO must not wait for a writer; the type check below rejects it.
    FileDescriptor file(open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.Get() < 0) return std::nullopt;
    struct stat info {};
    if (fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    if (info.st_size < 0 || static_cast<uint64_t>(info.st_size) > maxBytes) return std::nullopt;

    std::vector<uint8_t> bytes(static_cast<size_t>(info.st_size));
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t got = read(file.Get(), bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return std::nullopt;
        done += static_cast<size_t>(got);
    }
    return bytes;
}

bool WriteFileBytes(const char* path, const std::vector<uint8_t>& bytes) {
    if (path == nullptr || *path == '\0') return false;
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    bool closed = std::fclose(file) == 0;
    return written && closed;
}

}  // namespace lexo
