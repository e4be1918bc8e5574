#include <filesystem>
#include <iostream>
#include <optional>

#include "dict/command_line.h"
#include "dict/commands.h"
#include "dict/read/apkg_import.h"
#include "dict/read/apkg_notes.h"
#include "dict/read/apkg_package.h"
#include "dict/read/input_text.h"
#include "dict/write/dictionary_build.h"
#include "dict/write/folder_writer.h"
#include "text/dictionary_languages.h"
#include "text/file_reader.h"

namespace lexo::dict {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage = R"(usage: lexodrome-dict import INPUT --out FOLDER [options]

Makes a dictionary folder for the game (about.txt, names.txt, names2.txt with CR LF line
ends) from a UTF-8 or UTF-16 word list. Words are kept as written (NFC); the files are CP1251
when it holds every character, UTF-8 otherwise. Characters of scripts other than Latin, Greek
and Cyrillic are refused. The folder is written whole or not at all.

INPUT formats, told apart by content:
  tsv    word TAB translation (a header row such as "word<TAB>translation" is skipped)
  csv    word,translation with RFC 4180 quoting
  anki   Anki's "Notes in Plain Text" export (#separator:, #html:, #deck: … headers)
  pairs  word = translation, translation
  words  one word per line (no translations)
  apkg   an Anki package (.apkg), or a collection.anki2 / .anki21 file: the notes' first
         field is the word, the second the translation; sounds, pictures and cloze notes
         are left out
Several translations separated by , ; | or / become alternatives.

options:
  --out FOLDER    the dictionary folder to make (required)
  --title TEXT    the title (default: the Anki deck, else the input's file name)
  --about TEXT    the description; the word count is added below it
  --swap          take the second column as the word and the first as its translation
  --format NAME   tsv, csv, anki, pairs or words instead of telling by content
  --fields N,M    apkg: the note fields of the word and of the translation (default 1,2)
  --deck NAME     apkg: only the notes of this deck and its subdecks (default: every deck)
  --force         replace FOLDER if it exists and holds only a dictionary's files
  --cp1251        write CP1251 whatever the words hold: letters CP1251 lacks are spelled
                  without their marks (German umlauts and ß as ae oe ue ss)
  --languages W,T the words' and the translations' languages (de,ru), written to
                  languages.txt: the game then speaks the shot words with espeak-ng
  --readings N    the column (from 1) of the words' Latin readings (pinyin, a
                  transliteration), written to readings.txt: typed, they hit the word too
  --help          this text

exit status: 0 written (perhaps with warnings), 1 the input has errors, 2 usage or file error
)";

}  // namespace

namespace {

// What is wrong with the arguments, or "".
std::string ImportProblem(const Arguments& parsed) {
    if (parsed.positional.size() != 1) return "give one INPUT file";
    if (!parsed.Value("--out")) return "--out FOLDER is needed";
    const auto named = parsed.Value("--format");
    if (named && !FormatNamed(*named)) return "unknown --format " + *named;
    const auto languages = parsed.Value("--languages");
    if (languages && !ParseLanguages(*languages))
        return "--languages needs two language tags, the words' and the translations': de,ru";
    const auto fields = parsed.Value("--fields");
    if (fields && !NoteFieldsNamed(*fields)) return "--fields takes two field numbers, as 1,3";
    const auto readings = parsed.Value("--readings");
    if (readings && !CountOption(*readings)) return "--readings takes a column number, as 3";
    return "";
}

// The notes an Anki package's import takes, as --fields and --deck choose them.
NoteChoice NotesChosen(const Arguments& parsed) {
    NoteChoice choice;
    if (const auto fields = parsed.Value("--fields")) {
        std::tie(choice.wordField, choice.translationField) = *NoteFieldsNamed(*fields);
    }
    choice.deck = parsed.Value("--deck");
    return choice;
}

// The input's text as UTF-8, or the import's end saying why not.
Outcome<std::string> ReadInput(const std::string& file) {
    const std::expected<std::string, FileError> bytes = ReadFile(file);
    if (!bytes) return std::unexpected(FileSystemEnd(bytes.error()));
    DecodedInput decoded = DecodeInput(*bytes);
    if (!decoded.badOffset) return std::move(decoded.utf8);
    return std::unexpected(
        EarlyEnd{kInputErrors,
                 FormatDiagnostic(
                     {file, LineAtOffset(*bytes, *decoded.badOffset), Severity::Error,
                      "offset " + std::to_string(*decoded.badOffset) + ": " + decoded.problem}) +
                     "\n"});
}

// The rows of the input, read as its format, and the format's name; the import's end when the
// input cannot be read. The rows of a text input point into `utf8`, which then holds its text.
Outcome<std::pair<ParsedInput, const char*>> ParsedRows(const Arguments& parsed,
                                                        const std::string& file, std::string& utf8,
                                                        Diagnostics& found) {
    if (IsAnkiPackage(file)) {
        if (parsed.Value("--readings"))
            return std::unexpected(EarlyEnd{
                kUsageOrFiles,
                "lexodrome-dict import: --readings is for TSV, CSV and Anki text files\n"});
        Outcome<ParsedInput> input = ReadPackageInput(NotesChosen(parsed), file, found);
        if (!input) return std::unexpected(std::move(input.error()));
        return std::pair{std::move(*input), "apkg"};
    }
    if (parsed.Value("--fields") || parsed.Value("--deck"))
        return std::unexpected(EarlyEnd{
            kUsageOrFiles, "lexodrome-dict import: --fields and --deck are for Anki packages\n"});
    Outcome<std::string> text = ReadInput(file);
    if (!text) return std::unexpected(std::move(text.error()));
    utf8 = std::move(*text);
    const auto named = parsed.Value("--format");
    const InputFormat format = named ? *FormatNamed(*named) : DetectFormat(utf8);
    return std::pair{ParseInput(utf8, format, file, found,
                                CountOption(parsed.Value("--readings").value_or("")).value_or(0)),
                     FormatName(format)};
}

}  // namespace

int RunImport(const std::vector<std::string>& args) {
    const Outcome<Arguments> parsed =
        ReadCommandLine({"import",
                         kUsage,
                         {"--out", "--title", "--about", "--format", "--languages", "--fields",
                          "--deck", "--readings"},
                         {"--swap", "--force", "--cp1251"}},
                        args, ImportProblem);
    if (!parsed) return Finish(parsed.error());
    const std::string& file = parsed->positional[0];
    Diagnostics found;
    std::string utf8;  // the rows point into it
    const auto rows = ParsedRows(*parsed, file, utf8, found);
    if (!rows) return Finish(rows.error());
    const auto& [input, formatName] = *rows;
    BuildOptions options;
    options.fallbackTitle = fs::path(file).stem().string();
    options.title = parsed->Value("--title");
    options.about = parsed->Value("--about");
    options.swap = parsed->Flag("--swap");
    DictionaryLines lines = BuildDictionary(
        input, options, file,
        Cp1251Folder(parsed->Flag("--cp1251") ? FoldTarget::Cp1251 : FoldTarget::Unicode), found);
    if (const auto named = parsed->Value("--languages")) lines.languages = ParseLanguages(*named);
    if (lines.names.empty() && found.Errors() == 0) {
        const size_t line = std::string_view(formatName) == "apkg" ? 0 : 1;
        found.Error(file, line, std::string("no word found (read as ") + formatName + ")");
    }
    PrintDiagnostics(found, std::cerr);
    if (found.Errors() > 0) {
        std::cerr << "lexodrome-dict: nothing written, " << found.Errors() << " error(s)\n";
        return kInputErrors;
    }
    const fs::path out = *parsed->Value("--out");
    const Outcome<void> written =
        WriteFolder(out, DictionaryFolderFiles(lines),
                    parsed->Flag("--force") ? ExistingFolder::Replace : ExistingFolder::Keep);
    if (!written) return Finish(written.error());
    std::cout << out.string() << ": " << WordsIn(lines) << " words (read as " << formatName
              << ")\n";
    return kSuccess;
}

}  // namespace lexo::dict
