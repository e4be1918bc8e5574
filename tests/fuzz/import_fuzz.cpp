// The importer on any bytes, read in every format: what comes out is always a dictionary the
// game reads as meant, or nothing with an error.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "dict/read/import_formats.h"
#include "dict/read/input_text.h"
#include "dict/write/dictionary_build.h"
#include "fuzz_check.h"

namespace {

using namespace lexo::dict;

// No line end, control byte or stray blank inside a line of a game file.
bool IsCleanLine(std::string_view line) {
    for (char c : line) {
        if (static_cast<unsigned char>(c) < 0x20) return false;
    }
    return line.empty() || (line.front() != ' ' && line.back() != ' ');
}

void CheckImport(std::string_view utf8, InputFormat format, const Cp1251Folder& folder) {
    Diagnostics found;
    const ParsedInput input = ParseInput(utf8, format, "fuzz", found);
    const size_t lines = LineAtOffset(utf8, utf8.size());
    for (const SourceEntry& entry : input.entries) {
        LEXO_FUZZ_CHECK(entry.line >= 1 && entry.line <= lines);
    }
    BuildOptions options;
    options.fallbackTitle = "fuzz";
    const DictionaryLines made = BuildDictionary(input, options, "fuzz", folder, found);
    LEXO_FUZZ_CHECK(made.names.size() == made.names2.size());
    LEXO_FUZZ_CHECK(made.names.size() <= input.entries.size());
    // A description read from #about: lines stays as written; otherwise the count ends it.
    LEXO_FUZZ_CHECK(made.about.size() >= 2);
    LEXO_FUZZ_CHECK(!input.about.empty() || made.about.back() == WordCountLine(made.names.size()));
    for (size_t i = 0; i < made.names.size(); ++i) {
        LEXO_FUZZ_CHECK(!made.names[i].empty() && IsCleanLine(made.names[i]));
        LEXO_FUZZ_CHECK(made.names[i].find("  ") == std::string::npos);
        LEXO_FUZZ_CHECK(IsCleanLine(made.names2[i]));
        LEXO_FUZZ_CHECK(made.names2[i].find("   ") == std::string::npos);
    }
    for (const Diagnostic& finding : found.All()) {
        LEXO_FUZZ_CHECK(finding.file == "fuzz" && finding.line >= 1 && finding.line <= lines);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const Cp1251Folder folder;
    const DecodedInput decoded =
        DecodeInput(std::string_view(reinterpret_cast<const char*>(data), size));
    if (decoded.badOffset) {
        LEXO_FUZZ_CHECK(*decoded.badOffset < size && decoded.utf8.empty());
        return 0;
    }
    for (InputFormat format : {InputFormat::Tsv, InputFormat::Csv, InputFormat::Anki,
                               InputFormat::Pairs, InputFormat::Words}) {
        CheckImport(decoded.utf8, format, folder);
    }
    CheckImport(decoded.utf8, DetectFormat(decoded.utf8), folder);
    return 0;
}
