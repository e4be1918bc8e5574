#include "text/text_file.h"

#include <cerrno>
#include <filesystem>

#include "errors/run_time_error.h"
#include "text/cp1251.h"
#include "text/dictionary_text.h"
#include "text/file_reader.h"
#include "text/text_lines.h"

namespace lexo {
namespace {

bool FolderExists(const std::string& path) {
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty()) return true;
    std::error_code ignored;
    return std::filesystem::is_directory(folder, ignored);
}

// The run-time library's texts for a catalogue file that cannot be read.
std::string CatalogueOpenError(const FileError& failure) {
    if (failure.kind != FileError::Kind::System) return "File access denied";
    switch (failure.error) {
        case ENOENT: return FolderExists(failure.path) ? "File not found" : "Invalid filename";
        case ENOTDIR: return "Invalid filename";
        case EACCES:
        case EPERM: return "File access denied";
        case EMFILE:
        case ENFILE: return "Too many open files";
        default: return "I/O error " + std::to_string(failure.error);
    }
}

RunTimeError CannotOpen(const FileError& failure) {
    // File names are UTF-8 on this system; the message is game text, CP1251.
    return RunTimeError(Utf8ToCp1251(failure.Text()));
}

std::string ReadOrThrow(const std::string& path, const ReadRequest& request) {
    std::expected<std::string, FileError> text = ReadFile(path, request);
    if (!text) throw CannotOpen(text.error());
    return std::move(*text);
}

}  // namespace

LineReader::LineReader(const std::string& path) {
    const std::expected<std::string, FileError> text = ReadFile(path);
    if (!text) throw RunTimeError(CatalogueOpenError(text.error()), Utf8ToCp1251(path));
    ForEachLine(*text, LineEnds::CrLfOrLf,
                [this](std::string_view line) { lines_.emplace_back(line); });
}

std::string LineReader::ReadLn() {
    if (Eof()) return std::string();
    return std::move(lines_[next_++]);
}

std::string ReadFileStart(const std::string& path, size_t limit) {
    return ReadOrThrow(path, {.limit = limit, .pastLimit = PastLimit::Cut});
}

std::string ReadWholeFile(const std::string& path) { return ReadOrThrow(path, {}); }

std::string ReadBoundedFile(const std::string& path, size_t limit, bool pipesToo) {
    return ReadOrThrow(path, {.limit = limit, .pipesToo = pipesToo});
}

std::string ReadDictionaryFile(const std::string& path) {
    return DictionaryFileText(ReadWholeFile(path));
}

}  // namespace lexo
