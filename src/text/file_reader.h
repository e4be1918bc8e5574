#pragma once

#include <sys/types.h>

#include <cstddef>
#include <expected>
#include <string>

namespace lexo {

// The most a file read may hold unless a reader asks for less: far above the largest word list
// or history, far below what would exhaust the memory.
inline constexpr size_t kFileLimit = size_t{256} << 20;

// Why a file was not read: the file as it was named, and the reason.
struct FileError {
    enum class Kind { System, NotRegular, TooLong };

    std::string path;
    Kind kind = Kind::System;
    int error = 0;     // errno of the call that failed, for System
    size_t limit = 0;  // for TooLong

    // "No such file or directory", "Not a regular file", "Longer than 256 MB".
    std::string Reason() const;
    // "Cannot open file "FULL PATH". REASON", the path made absolute.
    std::string Text() const;
};

// What a file was when it was read: a reader that follows a growing file tells a replaced one
// by it.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
};

enum class PastLimit {
    Refuse,  // a longer file is a TooLong error
    Cut,     // only its first `limit` bytes are read
};

struct ReadRequest {
    size_t limit = kFileLimit;
    PastLimit pastLimit = PastLimit::Refuse;
    off_t from = 0;  // the offset of the first byte read
    // A FIFO too, such as /dev/stdin, for a command whose input the user names.
    bool pipesToo = false;
};

struct FileBytes {
    std::string bytes;
    FileIdentity identity;
};

// The one way files are read. The file is opened without blocking, so that a FIFO or a device
// named where a file belongs is refused at once rather than waited on; directories and devices
// are refused too, and a file longer than the limit.
std::expected<FileBytes, FileError> ReadFileWithIdentity(const std::string& path,
                                                         const ReadRequest& request = {});

// The same, the bytes alone.
std::expected<std::string, FileError> ReadFile(const std::string& path,
                                               const ReadRequest& request = {});

}  // namespace lexo
