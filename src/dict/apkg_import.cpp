#include "dict/apkg_import.h"

#include <filesystem>
#include <iostream>

#include "dict/apkg_collection.h"
#include "dict/apkg_notes.h"
#include "dict/apkg_package.h"
#include "dict/commands.h"
#include "errors/run_time_error.h"
#include "text/cp1251.h"

namespace lexo::dict {

std::optional<ParsedInput> ReadPackageInput(const Arguments& parsed, const std::string& file,
                                            Diagnostics& found, int& status) {
    NoteChoice choice;
    if (const auto fields = parsed.Value("--fields")) {
        std::tie(choice.wordField, choice.translationField) = *NoteFieldsNamed(*fields);
    }
    choice.deck = parsed.Value("--deck");
    try {
        return NotesInput(ReadAnkiCollection(UnpackCollectionFile(file)), choice, file, found);
    } catch (const PackageError& error) {
        std::cerr << file << ": error: " << error.what() << "\nlexodrome-dict: nothing written\n";
        status = kInputErrors;
    } catch (const RunTimeError& error) {
        std::cerr << "lexodrome-dict: " << Cp1251ToUtf8(error.what()) << '\n';
        status = kUsageOrFiles;
    } catch (const std::filesystem::filesystem_error& error) {
        std::cerr << "lexodrome-dict: " << error.what() << '\n';
        status = kUsageOrFiles;
    }
    return std::nullopt;
}

}  // namespace lexo::dict
