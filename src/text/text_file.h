#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace lexo {

// The game's readers of text files, through ReadFile (text/file_reader.h), with the errors the
// game shows.

// Reads a catalogue text file (monsters.txt, a .mon file) line by line: CR LF or a lone LF ends
// a line, and reading past the end gives empty lines. Opening throws RunTimeError with the
// run-time library's texts: "File not found", "Invalid filename" (the folder does not exist),
// "File access denied" (also what is no regular file), "Too many open files" or
// "I/O error <errno>".
class LineReader {
  public:
    explicit LineReader(const std::string& path);

    bool Eof() const { return next_ >= lines_.size(); }
    std::string ReadLn();

  private:
    std::vector<std::string> lines_;
    size_t next_ = 0;
};

// Reads a whole file for a string list (a dictionary file, about.txt). Throws RunTimeError
// "Cannot open file \"<full path>\". <reason>" when it cannot be read (FileError::Reason).
std::string ReadWholeFile(const std::string& path);

// A dictionary file's text as the game holds it (UTF-8), whichever encoding the file is in.
std::string ReadDictionaryFile(const std::string& path);

// The same for the first `limit` bytes of a file, for a box that shows only so much of it.
std::string ReadFileStart(const std::string& path, size_t limit);

// The whole of a regular file of at most `limit` bytes, or with `pipesToo` of a pipe such as
// /dev/stdin. Anything else throws the same RunTimeError with the reason.
std::string ReadBoundedFile(const std::string& path, size_t limit, bool pipesToo = false);

}  // namespace lexo
