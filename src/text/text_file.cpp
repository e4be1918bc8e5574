#include "text/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <optional>

#include "errors/run_time_error.h"
#include "text/cp1251.h"
#include "text/dictionary_text.h"
#include "text/text_lines.h"

namespace lexo {
namespace {

// Sizes the string for read() to fill, without zero-filling the room first (for a dictionary
// of a million lines that would take about a third as long as reading it).
void ResizeForReading(std::string& text, size_t size) {
#ifdef __cpp_lib_string_resize_and_overwrite
    text.resize_and_overwrite(size, [](char*, size_t room) { return room; });
#else
    text.resize(size);
#endif
}

// Reads everything from an open descriptor, or its first `limit` bytes, straight into out,
// which grows when the file is longer than it said (or says nothing, like a pipe); returns the
// errno of a failed read.
std::optional<int> ReadAll(int fd, std::string& out, size_t limit = SIZE_MAX) {
    struct stat info {};
    if (fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) return EISDIR;
    constexpr size_t kChunk = 65536;
    size_t filled = 0;
    size_t room = info.st_size > 0 ? static_cast<size_t>(info.st_size) + 1 : kChunk;
    ResizeForReading(out, std::min(room, limit));
    while (filled < limit) {
        if (filled == out.size()) ResizeForReading(out, std::min(out.size() * 2, limit));
        ssize_t got = read(fd, out.data() + filled, out.size() - filled);
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

bool FolderExists(const std::string& path) {
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty()) return true;
    std::error_code ignored;
    return std::filesystem::is_directory(folder, ignored);
}

std::string CatalogueOpenError(int error, const std::string& path) {
    switch (error) {
        case ENOENT: return FolderExists(path) ? "File not found" : "Invalid filename";
        case ENOTDIR: return "Invalid filename";
        case EACCES:
        case EPERM:
        case EISDIR: return "File access denied";
        case EMFILE:
        case ENFILE: return "Too many open files";
        default: return "I/O error " + std::to_string(error);
    }
}

}  // namespace

LineReader::LineReader(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw RunTimeError(CatalogueOpenError(errno, path), Utf8ToCp1251(path));
    std::string text;
    std::optional<int> error = ReadAll(fd, text);
    close(fd);
    if (error) throw RunTimeError(CatalogueOpenError(*error, path), Utf8ToCp1251(path));
    ForEachLine(text, LineEnds::CrLfOrLf,
                [this](std::string_view line) { lines_.emplace_back(line); });
}

std::string LineReader::ReadLn() {
    if (Eof()) return std::string();
    return std::move(lines_[next_++]);
}

namespace {

RunTimeError CannotOpen(const std::string& path, const std::string& reason) {
    // File names are UTF-8 on this system; the message is game text, CP1251.
    std::string full = Utf8ToCp1251(std::filesystem::absolute(path).lexically_normal().string());
    return RunTimeError("Cannot open file \"" + full + "\". " + reason);
}

}  // namespace

std::string ReadFileStart(const std::string& path, size_t limit) {
    auto fail = [&path](int error) { return CannotOpen(path, std::strerror(error)); };
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw fail(errno);
    std::string text;
    std::optional<int> error = ReadAll(fd, text, limit);
    close(fd);
    if (error) throw fail(*error);
    return text;
}

std::string ReadWholeFile(const std::string& path) { return ReadFileStart(path, SIZE_MAX); }

std::string ReadBoundedFile(const std::string& path, size_t limit, bool pipesToo) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) throw CannotOpen(path, std::strerror(errno));
    if (!S_ISREG(info.st_mode) && !(pipesToo && S_ISFIFO(info.st_mode)))
        throw CannotOpen(path, "Not a regular file");
    std::string text = ReadFileStart(path, limit + 1);
    if (text.size() > limit)
        throw CannotOpen(path, "Longer than " + std::to_string(limit >> 20) + " MB");
    return text;
}

std::string ReadDictionaryFile(const std::string& path) {
    return DictionaryFileText(ReadWholeFile(path));
}

}  // namespace lexo
