#include "dict/read/apkg_import.h"

#include <filesystem>

#include "dict/diagnostics/exit_status.h"
#include "dict/read/apkg_collection.h"
#include "dict/read/apkg_package.h"

namespace lexo::dict {

Outcome<ParsedInput> ReadPackageInput(const NoteChoice& choice, const std::string& file,
                                      Diagnostics& found) {
    try {
        const std::expected<std::string, FileError> collection = UnpackCollectionFile(file);
        if (!collection) return std::unexpected(FileSystemEnd(collection.error()));
        return NotesInput(ReadAnkiCollection(*collection), choice, file, found);
    } catch (const PackageError& error) {
        return std::unexpected(EarlyEnd{kInputErrors, file + ": error: " + error.what() +
                                                          "\nlexodrome-dict: nothing written\n"});
    } catch (const std::filesystem::filesystem_error& error) {
        return std::unexpected(FileSystemEnd(error.what()));
    }
}

}  // namespace lexo::dict
