#include "dict/read/apkg_package.h"

#include <zip.h>
#include <zstd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>
#include <vector>

#include "text/file_reader.h"

namespace lexo::dict {
namespace {

constexpr std::string_view kSqliteMagic("SQLite format 3\0", 16);
constexpr std::string_view kZipMagic = "PK\x03\x04";
constexpr std::string_view kEmptyZipMagic = "PK\x05\x06";
constexpr std::string_view kZstdMagic = "\x28\xB5\x2F\xFD";
constexpr std::array<std::string_view, 4> kPackageEndings{".apkg", ".colpkg", ".anki2", ".anki21"};

// The collections a package may carry, newest first: new packages keep an older one beside
// the newest that holds only a note asking to update Anki.
constexpr std::array<const char*, 3> kCollections{"collection.anki21b", "collection.anki21",
                                                  "collection.anki2"};
// The package version of the `meta` entry that goes with collection.anki21b; a later one is a
// layout this reader does not know.
constexpr uint64_t kNewestPackageVersion = 3;
constexpr size_t kMetaLimit = 4096;

struct ZipDiscard {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct ZipFileClose {
    void operator()(zip_file_t* entry) const { zip_fclose(entry); }
};
struct ZstdFree {
    void operator()(ZSTD_DCtx* context) const { ZSTD_freeDCtx(context); }
};
using Archive = std::unique_ptr<zip_t, ZipDiscard>;

std::string TooLarge(std::string_view name, size_t limit) {
    return std::string(name) + " unpacks to more than the " + SizeText(limit) +
           " a collection may hold";
}

bool StepsOutside(std::string_view name) {
    if (name.starts_with('/') || name.starts_with('\\')) return true;
    for (size_t start = 0; start <= name.size();) {
        const size_t end = std::min(name.find_first_of("/\\", start), name.size());
        if (name.substr(start, end - start) == "..") return true;
        start = end + 1;
    }
    return false;
}

// Takes the source; a damaged or foreign archive throws.
Archive OpenArchive(zip_source_t* source, zip_error_t& error) {
    if (source == nullptr) {
        const std::string text = zip_error_strerror(&error);
        zip_error_fini(&error);
        throw PackageError("cannot read the zip archive: " + text);
    }
    zip_t* archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (archive == nullptr) {
        zip_source_free(source);
        const std::string text =
            zip_error_code_zip(&error) == ZIP_ER_NOZIP
                ? "not a zip archive, so not an Anki package"
                : std::string("a damaged zip archive: ") + zip_error_strerror(&error);
        zip_error_fini(&error);
        throw PackageError(text);
    }
    zip_error_fini(&error);
    return Archive(archive);
}

void RefuseStepsOutside(zip_t* archive) {
    const zip_int64_t entries = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < entries; ++i) {
        const char* name = zip_get_name(archive, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW);
        if (name == nullptr)
            throw PackageError(std::string("a damaged zip archive: ") + zip_strerror(archive));
        if (StepsOutside(name))
            throw PackageError(std::string("the entry \"") + name +
                               "\" names a place outside the package");
    }
}

// An entry's bytes, refused when it declares or inflates to more than `limit`.
std::string ReadEntry(zip_t* archive, zip_uint64_t index, std::string_view name, size_t limit,
                      std::string_view holder = "a collection") {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, index, 0, &stat) != 0)
        throw PackageError(std::string(name) + ": " + zip_strerror(archive));
    if ((stat.valid & ZIP_STAT_SIZE) != 0 && stat.size > limit)
        throw PackageError(std::string(name) + " declares " + SizeText(stat.size) +
                           " unpacked, more than the " + SizeText(limit) + " " +
                           std::string(holder) + " may hold");
    const std::unique_ptr<zip_file_t, ZipFileClose> entry(zip_fopen_index(archive, index, 0));
    if (!entry) throw PackageError(std::string(name) + ": " + zip_strerror(archive));
    std::string bytes;
    if ((stat.valid & ZIP_STAT_SIZE) != 0) bytes.reserve(stat.size);
    std::vector<char> chunk(size_t{1} << 16);
    for (;;) {
        const zip_int64_t got = zip_fread(entry.get(), chunk.data(), chunk.size());
        if (got < 0)
            throw PackageError(std::string(name) +
                               " is damaged: " + zip_file_strerror(entry.get()));
        if (got == 0) return bytes;
        if (bytes.size() + static_cast<size_t>(got) > limit)
            throw PackageError(TooLarge(name, limit));
        bytes.append(chunk.data(), static_cast<size_t>(got));
    }
}

// A zstd stream's content, checked against `limit` as it is inflated: a frame need not
// declare its size, and one that does may lie.
std::string Inflate(std::string_view packed, std::string_view name, size_t limit) {
    if (!packed.starts_with(kZstdMagic))
        throw PackageError(std::string(name) + " is not zstd-compressed");
    const unsigned long long declared = ZSTD_getFrameContentSize(packed.data(), packed.size());
    const bool known = declared != ZSTD_CONTENTSIZE_UNKNOWN && declared != ZSTD_CONTENTSIZE_ERROR;
    if (known && declared > limit) throw PackageError(TooLarge(name, limit));
    const std::unique_ptr<ZSTD_DCtx, ZstdFree> context(ZSTD_createDCtx());
    if (!context) throw std::bad_alloc();
    std::string bytes;
    if (known) bytes.reserve(declared);
    std::vector<char> chunk(ZSTD_DStreamOutSize());
    ZSTD_inBuffer in{packed.data(), packed.size(), 0};
    size_t pending = 1;
    while (pending != 0) {
        ZSTD_outBuffer out{chunk.data(), chunk.size(), 0};
        pending = ZSTD_decompressStream(context.get(), &out, &in);
        if (ZSTD_isError(pending) != 0)
            throw PackageError(std::string(name) + " is damaged: " + ZSTD_getErrorName(pending));
        if (bytes.size() + out.pos > limit) throw PackageError(TooLarge(name, limit));
        bytes.append(chunk.data(), out.pos);
        if (pending != 0 && out.pos == 0 && in.pos == in.size)
            throw PackageError(std::string(name) + " is cut short");
    }
    return bytes;
}

std::string CollectionOf(Archive archive, size_t limit) {
    RefuseStepsOutside(archive.get());
    // 0 when the package has no `meta` entry (the older layouts) or it names no version.
    uint64_t version = 0;
    const zip_int64_t meta = zip_name_locate(archive.get(), "meta", 0);
    if (meta >= 0) {
        version = ProtobufVarint(ReadEntry(archive.get(), static_cast<zip_uint64_t>(meta), "meta",
                                           kMetaLimit, "the package's meta entry"),
                                 1)
                      .value_or(0);
    }
    if (version > kNewestPackageVersion)
        throw PackageError("a package of version " + std::to_string(version) +
                           ", newer than this importer knows: export it again with \"Support "
                           "older Anki versions\" ticked");
    for (const char* name : kCollections) {
        const zip_int64_t index = zip_name_locate(archive.get(), name, 0);
        if (index < 0) continue;
        std::string bytes = ReadEntry(archive.get(), static_cast<zip_uint64_t>(index), name, limit);
        if (std::string_view(name) == kCollections[0]) bytes = Inflate(bytes, name, limit);
        if (!std::string_view(bytes).starts_with(kSqliteMagic))
            throw PackageError(std::string(name) + " is not an SQLite database");
        return bytes;
    }
    if (version == kNewestPackageVersion)
        throw PackageError("the package's meta entry names collection.anki21b, which it lacks");
    throw PackageError(
        "a zip archive without a collection (collection.anki21b, collection.anki21 or "
        "collection.anki2): not an Anki package");
}

// The file's first bytes, as many as an SQLite header; fewer or none when it is shorter or
// cannot be read.
std::string FileStart(const std::string& file) {
    return ReadFile(file, {.limit = kSqliteMagic.size(), .pastLimit = PastLimit::Cut})
        .value_or(std::string());
}

}  // namespace

std::string SizeText(size_t bytes) {
    constexpr size_t kKiB = 1024;
    if (bytes >= kKiB * kKiB && bytes % (kKiB * kKiB) == 0)
        return std::to_string(bytes / (kKiB * kKiB)) + " MiB";
    if (bytes >= kKiB && bytes % kKiB == 0) return std::to_string(bytes / kKiB) + " KiB";
    return std::to_string(bytes) + " bytes";
}

std::optional<uint64_t> ProtobufVarint(std::string_view message, uint32_t field) {
    size_t at = 0;
    auto varint = [&]() -> std::optional<uint64_t> {
        uint64_t value = 0;
        for (unsigned shift = 0; shift < 64 && at < message.size(); shift += 7) {
            const auto byte = static_cast<unsigned char>(message[at++]);
            value |= uint64_t{byte & 0x7Fu} << shift;
            if ((byte & 0x80) == 0) return value;
        }
        return std::nullopt;
    };
    while (at < message.size()) {
        const std::optional<uint64_t> key = varint();
        if (!key) return std::nullopt;
        const uint64_t type = *key & 7;
        std::optional<uint64_t> value = 0;
        if (type == 0) value = varint();
        if (type == 1) at += 8;
        if (type == 5) at += 4;
        if (type == 2) {
            value = varint();
            if (value && *value <= message.size() - at)
                at += *value;
            else
                value = std::nullopt;
        }
        if (!value || type == 3 || type == 4 || type > 5 || at > message.size())
            return std::nullopt;
        if ((*key >> 3) == field) return type == 0 ? value : std::nullopt;
    }
    return std::nullopt;
}

bool IsAnkiPackage(const std::string& file) {
    for (std::string_view ending : kPackageEndings) {
        if (file.ends_with(ending)) return true;
    }
    const std::string start = FileStart(file);
    return start.starts_with(kZipMagic) || start.starts_with(kEmptyZipMagic) ||
           start.starts_with(kZstdMagic) || start == kSqliteMagic;
}

std::string UnpackCollection(std::string_view bytes, size_t limit) {
    if (bytes.starts_with(kSqliteMagic)) {
        if (bytes.size() > limit) throw PackageError(TooLarge("the collection", limit));
        return std::string(bytes);
    }
    if (bytes.starts_with(kZstdMagic))
        throw PackageError(
            "a zstd-compressed file, as Anki keeps a collection.anki21b inside its package: "
            "import the .apkg or .colpkg file it came from");
    zip_error_t error;
    zip_error_init(&error);
    return CollectionOf(
        OpenArchive(zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error), error), limit);
}

std::expected<std::string, FileError> UnpackCollectionFile(const std::string& file, size_t limit) {
    // What is not a regular file, and a bare collection, are read whole: the one reader of
    // files names what is wrong with the first.
    std::error_code ignored;
    const std::string start = FileStart(file);
    if (start.starts_with(kZstdMagic)) return UnpackCollection(start, limit);
    if (!std::filesystem::is_regular_file(file, ignored) || start == kSqliteMagic) {
        const std::expected<std::string, FileError> bytes = ReadFile(file, {.limit = limit});
        if (!bytes) return std::unexpected(bytes.error());
        return UnpackCollection(*bytes, limit);
    }
    zip_error_t error;
    zip_error_init(&error);
    return CollectionOf(OpenArchive(zip_source_file_create(file.c_str(), 0, -1, &error), error),
                        limit);
}

}  // namespace lexo::dict
