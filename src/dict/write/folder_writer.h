#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace lexo::dict {

// A file of a folder to write: its name inside the folder and its bytes.
struct FolderFile {
    std::string name;
    std::string bytes;
};

// Why a folder could not be written; the text names the path and the system's reason.
class FolderWriteError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Writes one file (an export, a page), replacing it; throws FolderWriteError.
void WriteWholeFile(const std::filesystem::path& path, const std::string& bytes);

enum class ExistingFolder { Keep, Replace };

// Writes a whole folder or nothing. The files go into a hidden folder beside the target (the
// game lists no folder whose name starts with "."), are flushed to disk, and the folder is
// renamed into place only when complete; an existing target is swapped out in the same step
// and removed only with ExistingFolder::Replace, otherwise it stays and this throws. After a
// failure or an interruption the target is as it was.
void WriteFolder(const std::filesystem::path& target, const std::vector<FolderFile>& files,
                 ExistingFolder existing);

}  // namespace lexo::dict
