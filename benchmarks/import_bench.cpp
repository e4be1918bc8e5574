// `lexodrome-dict import` of a 100,000-line TSV, from reading the file to the written folder,
// against reading the same file and converting its bytes to CP1251 with ICU alone.

#include <unicode/ucnv.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "bench_report.h"
#include "dict/read/import_formats.h"
#include "dict/read/input_text.h"
#include "dict/write/dictionary_build.h"
#include "dict/write/folder_writer.h"
#include "temp_dir.h"
#include "text/cp1251.h"
#include "text/text_file.h"
#include "word_maker.h"

namespace lexo::bench {
namespace {

constexpr size_t kLines = 100'000;
constexpr int kRounds = 5;
constexpr size_t kRepetitions = 5;

// A spreadsheet's export: word TAB translation, now and then two translations, UTF-8, LF.
std::string MakeTsv() {
    const std::vector<std::string> words = MakeWords(2 * kLines, 5);
    std::string tsv = "word\ttranslation\n";
    for (size_t i = 0; i < kLines; ++i) {
        tsv += Cp1251ToUtf8(words[i]) + "\t" + Cp1251ToUtf8(words[kLines + i]);
        if (i % 4 == 0) tsv += ", " + Cp1251ToUtf8(words[(i * 7) % kLines]);
        tsv += '\n';
    }
    return tsv;
}

void Import(const std::string& input, const std::string& out, const dict::Cp1251Folder& folder) {
    using namespace dict;
    const std::string bytes = ReadWholeFile(input);
    const DecodedInput decoded = DecodeInput(bytes);
    Diagnostics found;
    const ParsedInput parsed = ParseInput(decoded.utf8, DetectFormat(decoded.utf8), input, found);
    BuildOptions options;
    options.fallbackTitle = "bench";
    const DictionaryLines lines = BuildDictionary(parsed, options, input, folder, found);
    WriteFolder(out, DictionaryFolderFiles(lines), ExistingFolder::Replace);
    if (found.Errors() > 0 || lines.names.size() < kLines / 2) std::abort();
}

void ConvertWithIcu(const std::string& input, std::string& cp1251) {
    const std::string bytes = ReadWholeFile(input);
    UErrorCode status = U_ZERO_ERROR;
    cp1251.resize(bytes.size());
    const int32_t size =
        ucnv_convert("windows-1251", "UTF-8", cp1251.data(), static_cast<int32_t>(cp1251.size()),
                     bytes.data(), static_cast<int32_t>(bytes.size()), &status);
    if (U_FAILURE(status)) std::abort();
    cp1251.resize(static_cast<size_t>(size));
    KeepAlive(cp1251.data());
}

}  // namespace
}  // namespace lexo::bench

int main() {
    using namespace lexo::bench;
    lexo::test::TempDir dir;
    const std::string input = dir.File("words.tsv");
    std::ofstream(input, std::ios::binary) << MakeTsv();
    const lexo::dict::Cp1251Folder folder;
    std::string cp1251;
    const std::vector<double> least = LeastOfRounds(kRounds, std::chrono::milliseconds(200), [&] {
        return std::vector<double>{
            MedianSeconds(kRepetitions, [&] { Import(input, dir.File("words"), folder); }),
            MedianSeconds(kRepetitions, [&] { ConvertWithIcu(input, cp1251); })};
    });
    PrintInformation("import", least[0] * 1e3, least[1] * 1e3, "ms");
    return 0;
}
