#include "dict/read/apkg_import.h"

#include <filesystem>
#include <iostream>

#include "dict/diagnostics/exit_status.h"
#include "dict/read/apkg_collection.h"
#include "dict/read/apkg_package.h"
#include "error_type/run_time_error.h"
#include "text/cp1251.h"

namespace lexo::dict {

std::optional<ParsedInput> ReadPackageInput(const NoteChoice& choice, const std::string& file,
                                            Diagnostics& found, int& status) {
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
