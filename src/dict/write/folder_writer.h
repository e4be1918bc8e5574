#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "dict/diagnostics/early_end.h"

namespace lexo::dict {

// A file of a folder to write: its name inside the folder and its bytes.
struct FolderFile {
    std::string name;
    std::string bytes;
};

// Writes one file (an export, a page), replacing it; the end names the path and the system's
// reason when it cannot.
Outcome<void> WriteWholeFile(const std::filesystem::path& path, const std::string& bytes);

enum class ExistingFolder { Keep, Replace };

// Writes a whole folder or nothing. The files go into a hidden folder beside the target (the
// game lists no folder whose name starts with "."), are flushed to disk, and the folder is
// renamed into place only when complete; an existing target is swapped out in the same step
// and removed only with ExistingFolder::Replace, otherwise it stays and this fails. After a
// failure or an interruption the target is as it was.
Outcome<void> WriteFolder(const std::filesystem::path& target, const std::vector<FolderFile>& files,
                          ExistingFolder existing);

}  // namespace lexo::dict
