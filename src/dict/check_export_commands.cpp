#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>

#include "dict/command_line.h"
#include "dict/commands.h"
#include "dict/dictionary_check.h"
#include "dict/dictionary_export.h"
#include "errors/run_time_error.h"
#include "text/cp1251.h"

namespace lexo::dict {
namespace {

namespace fs = std::filesystem;

constexpr const char* kCheckUsage = R"(usage: lexodrome-dict check [--game DIR] FOLDER...

Reports everything in dictionary folders that would surprise a player, each as
FILE:LINE: error: … or FILE:LINE: warning: …, then a summary line per folder.
Words are measured in pixels with the game's own word font (data/font.dft): a word
wider than the field right of the player is cut off for as long as its monster lives.

options:
  --game DIR   the game folder whose word font to measure with (default: the folder
               of this program, else the current folder)
  --help       this text

exit status: 0 no errors (perhaps warnings), 1 errors found, 2 usage error
)";

constexpr const char* kExportUsage = R"(usage: lexodrome-dict export FOLDER [--out FILE]

Writes a dictionary folder as UTF-8 TSV with LF line ends (word TAB translations joined
by "; "), with Anki's headers on top (#separator:tab, #html:false, #deck: with the
title, #about: lines with the description) so that Anki and `lexodrome-dict import`
read it back. Standard output without --out.

options:
  --out FILE   write to FILE instead
  --help       this text

exit status: 0 written, 1 the folder has bytes that are not CP1251 characters, 2 usage
or file error
)";

// Where the game's data is: beside this program (the game folder), else here.
fs::path DefaultGameDir() {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (!error && fs::exists(program.parent_path() / "data" / "font.dft")) return program.parent_path();
    return fs::current_path();
}

void Print(const Diagnostics& found, size_t from, std::ostream& out) {
    for (size_t i = from; i < found.All().size(); ++i) {
        out << FormatDiagnostic(found.All()[i]) << '\n';
    }
}

}  // namespace

int RunCheck(const std::vector<std::string>& args) {
    std::string problem;
    const auto parsed = ParseArguments(args, {"--game"}, {}, problem);
    if (parsed && parsed->Flag("--help")) {
        std::cout << kCheckUsage;
        return kSuccess;
    }
    if (parsed && parsed->positional.empty()) problem = "give at least one FOLDER";
    if (!problem.empty()) {
        std::cerr << "lexodrome-dict check: " << problem << "\n" << kCheckUsage;
        return kUsageOrFiles;
    }
    const fs::path gameDir = parsed->Value("--game").value_or(DefaultGameDir().string());
    std::string unmeasured;
    const auto metrics = LoadGameMetrics(gameDir, unmeasured);
    if (!metrics) std::cerr << "lexodrome-dict: word widths not measured: " << unmeasured << '\n';

    Diagnostics found;
    for (const std::string& folder : parsed->positional) {
        const size_t from = found.All().size();
        const CheckSummary summary = CheckDictionary(folder, metrics ? &*metrics : nullptr, found);
        Print(found, from, std::cout);
        std::cout << FormatSummary(folder, summary) << std::endl;
    }
    return found.Errors() > 0 ? kInputErrors : kSuccess;
}

int RunExport(const std::vector<std::string>& args) {
    std::string problem;
    const auto parsed = ParseArguments(args, {"--out"}, {}, problem);
    if (parsed && parsed->Flag("--help")) {
        std::cout << kExportUsage;
        return kSuccess;
    }
    if (parsed && parsed->positional.size() != 1) problem = "give one FOLDER";
    if (!problem.empty()) {
        std::cerr << "lexodrome-dict export: " << problem << "\n" << kExportUsage;
        return kUsageOrFiles;
    }
    Diagnostics found;
    std::string tsv;
    try {
        tsv = ExportDictionary(parsed->positional[0], found);
    } catch (const RunTimeError& error) {
        std::cerr << "lexodrome-dict: " << Cp1251ToUtf8(error.what()) << '\n';
        return kUsageOrFiles;
    }
    Print(found, 0, std::cerr);
    if (found.Errors() > 0) return kInputErrors;
    const auto out = parsed->Value("--out");
    if (!out) {
        std::cout << tsv << std::flush;
        return std::cout ? kSuccess : kUsageOrFiles;
    }
    std::ofstream file(*out, std::ios::binary | std::ios::trunc);
    file << tsv;
    file.close();
    if (!file) {
        std::cerr << "lexodrome-dict: " << *out << ": cannot write\n";
        return kUsageOrFiles;
    }
    return kSuccess;
}

}  // namespace lexo::dict
