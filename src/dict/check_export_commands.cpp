#include <algorithm>
#include <filesystem>
#include <iostream>
#include <tuple>

#include "dict/check/dictionary_check.h"
#include "dict/command_line.h"
#include "dict/commands.h"
#include "dict/write/dictionary_export.h"
#include "dict/write/folder_writer.h"

namespace lexo::dict {
namespace {

namespace fs = std::filesystem;

constexpr const char* kCheckUsage = R"(usage: lexodrome-dict check [--game DIR] FOLDER...

Reports everything in dictionary folders that would surprise a player, each as
FILE:LINE: error: … or FILE:LINE: warning: …, then a summary line per folder. A folder
without languages.txt gets a note: its words are not spoken.
Words are measured in pixels with the game's own word font (data/font.dft): a word
wider than the field right of the player is cut off for as long as its monster lives.

options:
  --game DIR   the game folder whose word font to measure with (default: the game
               folder this program is in or was installed with, else the current folder)
  --help       this text

exit status: 0 no errors (perhaps warnings), 1 errors found, 2 usage error
)";

constexpr const char* kExportUsage = R"(usage: lexodrome-dict export FOLDER [--out FILE]

Writes a dictionary folder as UTF-8 TSV with LF line ends (one row "word TAB
translations" for each line of names.txt and names2.txt), with Anki's headers on top
(#separator:tab, #html:false, #lexodrome: with the files' line ends and line counts,
#languages: with languages.txt, #deck: with the title, #about: lines with the description),
so that Anki reads it and `lexodrome-dict import` gives the same files back. Standard output without --out.

options:
  --out FILE   write to FILE instead
  --help       this text

exit status: 0 written, 1 the folder has bytes that are not CP1251 characters, 2 usage
or file error
)";

// Where the game's data is: beside this program (the game folder it was built into), in the
// content installed with it (share/lexodrome/ as seen from bin/), else here.
fs::path DefaultGameDir() {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error).parent_path();
    for (const fs::path& dir : {program, program / LEXO_BIN_TO_CONTENT}) {
        if (!error && fs::exists(dir / "data" / "font.dft", error)) return dir.lexically_normal();
    }
    return fs::current_path();
}

}  // namespace

int RunCheck(const std::vector<std::string>& args) {
    const Outcome<Arguments> parsed = ReadCommandLine(
        {"check", kCheckUsage, {"--game"}, {}}, args,
        [](const Arguments& a) { return a.positional.empty() ? "give at least one FOLDER" : ""; });
    if (!parsed) return Finish(parsed.error());
    const fs::path gameDir = parsed->Value("--game").value_or(DefaultGameDir().string());
    const auto metrics = LoadGameMetrics(gameDir);
    if (!metrics)
        std::cerr << "lexodrome-dict: word widths not measured: " << metrics.error() << '\n';

    size_t errors = 0;
    for (const std::string& folder : parsed->positional) {
        Diagnostics found;
        const CheckSummary summary = CheckDictionary(folder, metrics ? &*metrics : nullptr, found);
        // File by file (about.txt, names.txt, names2.txt), line by line.
        std::vector<Diagnostic> sorted = found.All();
        std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
            return std::tie(a.file, a.line) < std::tie(b.file, b.line);
        });
        for (const Diagnostic& diagnostic : sorted)
            std::cout << FormatDiagnostic(diagnostic) << '\n';
        std::cout << FormatSummary(folder, summary) << std::endl;
        errors += summary.errors;
    }
    return errors > 0 ? kInputErrors : kSuccess;
}

int RunExport(const std::vector<std::string>& args) {
    const Outcome<Arguments> parsed = ReadCommandLine(
        {"export", kExportUsage, {"--out"}, {}}, args,
        [](const Arguments& a) { return a.positional.size() != 1 ? "give one FOLDER" : ""; });
    if (!parsed) return Finish(parsed.error());
    const auto out = parsed->Value("--out");
    for (const char* name : {"about.txt", "names.txt", "names2.txt"}) {
        std::error_code error;
        if (out && fs::equivalent(*out, fs::path(parsed->positional[0]) / name, error)) {
            std::cerr << "lexodrome-dict export: " << *out << " is the folder's own " << name
                      << ": give --out another file\n";
            return kUsageOrFiles;
        }
    }
    Diagnostics found;
    const Outcome<std::string> tsv = ExportDictionary(parsed->positional[0], found);
    if (!tsv) return Finish(tsv.error());
    PrintDiagnostics(found, std::cerr);
    if (found.Errors() > 0) return kInputErrors;
    if (!out) {
        std::cout << *tsv;
        return kSuccess;
    }
    const Outcome<void> written = WriteWholeFile(*out, *tsv);
    return written ? kSuccess : Finish(written.error());
}

}  // namespace lexo::dict
