#pragma once

#include <cstddef>
#include <cstdint>
#include <expected>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "text/file_reader.h"

namespace lexo::dict {

// Why an Anki package or collection cannot be read: the text says what is wrong with it.
class PackageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The most a collection may hold unpacked, as the zip entry declares it and as it inflates
// (and again for a zstd-compressed one): a deck of 100,000 notes takes a few dozen MiB.
inline constexpr size_t kCollectionLimit = kFileLimit;

// A size as messages give it: "256 MiB", "4 KiB", else "4097 bytes", never rounded.
std::string SizeText(size_t bytes);

// Whether `file` is read as an Anki package: it starts as a zip archive, an SQLite database or
// a zstd stream (a collection.anki21b taken out of its package) does, or its name ends in .apkg,
// .colpkg, .anki2 or .anki21 (so that a damaged package is refused as one rather than read as a
// word list).
bool IsAnkiPackage(const std::string& file);

// The SQLite bytes of a package's newest collection (collection.anki21b unpacked with zstd,
// else collection.anki21, else collection.anki2) or of a bare collection file. Refuses, with
// PackageError, what is not a zip archive or an SQLite file (a bare collection.anki21b told
// apart), a package without a collection, an
// entry name with ".." or a leading "/", and a collection larger than `limit`.
std::string UnpackCollection(std::string_view bytes, size_t limit = kCollectionLimit);
// The same, reading the file; a zip archive is read from the disk as it is needed. A file that
// cannot be read at all is its FileError.
std::expected<std::string, FileError> UnpackCollectionFile(const std::string& file,
                                                           size_t limit = kCollectionLimit);

// The value of a varint field at the top level of a protocol-buffers message (the package's
// `meta` entry, a note type's settings), or nothing when it is absent or the message malformed.
std::optional<uint64_t> ProtobufVarint(std::string_view message, uint32_t field);

}  // namespace lexo::dict
