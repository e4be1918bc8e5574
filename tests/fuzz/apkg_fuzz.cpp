// The Anki package reader on any bytes: a collection within the limit, read into rows named by
// their notes, or a PackageError; never a crash or a hang.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "dict/read/apkg_collection.h"
#include "dict/read/apkg_notes.h"
#include "dict/read/apkg_package.h"
#include "dict/write/dictionary_build.h"
#include "fuzz_check.h"

namespace {

using namespace lexo::dict;

// Small, so that a bomb costs the fuzzer little.
constexpr size_t kLimit = size_t{1} << 20;

void ReadRows(std::string_view bytes) {
    const std::string sqlite = UnpackCollection(bytes, kLimit);
    LEXO_FUZZ_CHECK(sqlite.size() <= kLimit);
    const AnkiCollection collection = ReadAnkiCollection(sqlite);
    Diagnostics found;
    const ParsedInput input = NotesInput(collection, {}, "fuzz", found);
    LEXO_FUZZ_CHECK(input.entries.size() <= collection.notes.size());
    static const Cp1251Folder folder(FoldTarget::Unicode);
    BuildOptions options;
    options.fallbackTitle = "fuzz";
    const DictionaryLines made = BuildDictionary(input, options, "fuzz", folder, found);
    LEXO_FUZZ_CHECK(made.names.size() == made.names2.size());
    LEXO_FUZZ_CHECK(made.names.size() <= input.entries.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        ReadRows(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const PackageError&) {
    }
    return 0;
}
