#include "dict/write/folder_writer.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <system_error>
#include <utility>

#include "dict/diagnostics/held_signals.h"
#include "text/dictionary_languages.h"
#include "text/latin_reading.h"

namespace lexo::dict {
namespace {

namespace fs = std::filesystem;

// Why a folder could not be written; the text names the path and the system's reason. Thrown
// only inside this file, where a failure deep in the steps unwinds to the one clean-up.
class FolderWriteError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void Fail(const fs::path& path, const std::string& what, int error) {
    throw FolderWriteError(path.string() + ": " + what + ": " + std::strerror(error));
}

// An open file of the folder being written; closed when it goes.
class OpenFile {
  public:
    explicit OpenFile(fs::path path, int flags = O_EXCL)
        : path_(std::move(path)),
          fd_(::open(path_.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | flags, 0666)) {
        if (fd_ < 0) Fail(path_, "cannot create", errno);
    }
    ~OpenFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    void Write(const std::string& bytes) {
        size_t written = 0;
        while (written < bytes.size()) {
            const ssize_t n = ::write(fd_, bytes.data() + written, bytes.size() - written);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) Fail(path_, "cannot write", errno);
            written += static_cast<size_t>(n);
        }
    }

    // Returns once the bytes are on the disk. A pipe or a terminal (--out /dev/stdout) has no
    // disk to wait for.
    void Sync() {
        const int fd = std::exchange(fd_, -1);
        if (::fsync(fd) != 0 && errno != EINVAL) {
            const int error = errno;
            ::close(fd);
            Fail(path_, "cannot write", error);
        }
        if (::close(fd) != 0) Fail(path_, "cannot write", errno);
    }

  private:
    fs::path path_;
    int fd_;
};

// Writes every file, then waits for each to be on the disk.
void WriteFiles(const fs::path& folder, const std::vector<FolderFile>& files) {
    std::vector<std::unique_ptr<OpenFile>> open;
    for (const FolderFile& file : files) {
        open.push_back(std::make_unique<OpenFile>(folder / file.name));
        open.back()->Write(file.bytes);
    }
    for (const auto& file : open) file->Sync();
}

void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

std::string StagingPrefix(const fs::path& target) {
    return "." + target.filename().string() + ".new-";
}

// A staging folder stays locked while its writer lives, so one that can be locked was left by
// a writer that was killed.
bool LockFolder(const fs::path& folder, int& fd) {
    fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0) return true;
    if (fd >= 0) ::close(fd);
    fd = -1;
    return false;
}

void RemoveLeftStaging(const fs::path& target) {
    const std::string prefix = StagingPrefix(target);
    const fs::path parent = target.parent_path().empty() ? "." : target.parent_path();
    std::error_code error;
    std::vector<fs::path> left;
    for (const auto& entry : fs::directory_iterator(parent, error)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(prefix) && name.size() == prefix.size() + 6) left.push_back(entry);
    }
    for (const fs::path& folder : left) {
        int fd = -1;
        if (!fs::is_directory(fs::symlink_status(folder, error)) || !LockFolder(folder, fd))
            continue;
        fs::remove_all(folder, error);
        ::close(fd);
    }
}

// The permissions a new folder gets from the umask, as mkdir gives them.
fs::perms FolderPermissions() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<fs::perms>(0777 & ~mask);
}

// A fresh hidden folder beside the target, locked through `fd`, with the permissions of the
// folder it replaces, else those of a new folder.
fs::path MakeStaging(const fs::path& target, int& fd) {
    std::string pattern = (target.parent_path() / (StagingPrefix(target) + "XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr)
        Fail(target.parent_path(), "cannot create a folder in", errno);
    LockFolder(pattern, fd);
    std::error_code error;
    const fs::file_status existing = fs::symlink_status(target, error);
    fs::permissions(
        pattern, fs::is_directory(existing) ? existing.permissions() : FolderPermissions(), error);
    return pattern;
}

// A folder --force may replace: one that holds nothing but files of the folder to write, so
// that no player's file, no game folder, no input is lost.
void RefuseOtherFolders(const fs::path& target, const std::vector<FolderFile>& files) {
    std::error_code error;
    if (!fs::is_directory(fs::symlink_status(target, error))) return;
    for (const auto& entry : fs::directory_iterator(target, error)) {
        const std::string name = entry.path().filename().string();
        // A dictionary's optional files go with it even when the new one has none.
        const bool ours = name == kLanguagesFile || name == kReadingsFile ||
                          AboutFileLanguage(name) ||
                          std::any_of(files.begin(), files.end(),
                                      [&](const FolderFile& file) { return file.name == name; });
        if (!ours || !entry.is_regular_file(error)) {
            throw FolderWriteError(target.string() + ": not a dictionary folder, it holds " + name +
                                   " (--force replaces only a dictionary folder)");
        }
    }
    if (error) Fail(target, "cannot read", error.value());
}

// Moves the complete staging folder to the target: in one step where nothing is there yet,
// or by exchanging the two when replacing, so the target never goes missing. File systems
// without these renames get plain ones, which leave a moment without the target.
void MoveIntoPlace(const fs::path& staging, const fs::path& target, ExistingFolder existing) {
    if (::renameat2(AT_FDCWD, staging.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
        return;
    const bool plainOnly = errno == EINVAL;
    if (plainOnly && !fs::exists(fs::symlink_status(target))) {
        if (::rename(staging.c_str(), target.c_str()) != 0)
            Fail(target, "cannot rename the new folder to", errno);
        return;
    }
    if (!plainOnly && errno != EEXIST) Fail(target, "cannot rename the new folder to", errno);
    if (existing == ExistingFolder::Keep) {
        throw FolderWriteError(target.string() + ": already exists (--force replaces it)");
    }
    if (!fs::is_directory(fs::symlink_status(target))) {
        throw FolderWriteError(target.string() + ": exists and is not a folder");
    }
    if (::renameat2(AT_FDCWD, staging.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) == 0)
        return;
    if (errno != EINVAL) Fail(target, "cannot replace", errno);
    int lock = -1;
    const fs::path old = MakeStaging(target, lock);
    if (::rename(target.c_str(), (old / "old").c_str()) != 0) {
        ::close(lock);
        Fail(target, "cannot move away", errno);
    }
    if (::rename(staging.c_str(), target.c_str()) != 0)
        Fail(target, "cannot rename the new folder to", errno);
    std::error_code ignored;
    fs::remove_all(old, ignored);
    ::close(lock);
    fs::create_directory(staging, ignored);
}

void WriteFolderOrThrow(const fs::path& folder, const std::vector<FolderFile>& files,
                        ExistingFolder existing) {
    const fs::path target = folder.has_filename() ? folder : folder.parent_path();
    if (existing == ExistingFolder::Keep && fs::exists(fs::symlink_status(target))) {
        throw FolderWriteError(target.string() + ": already exists (--force replaces it)");
    }
    if (existing == ExistingFolder::Replace) RefuseOtherFolders(target, files);
    RemoveLeftStaging(target);
    // The staging folder, made to be renamed or removed, never outlives an interruption.
    const HeldSignals held;
    int lock = -1;
    const fs::path staging = MakeStaging(target, lock);
    try {
        WriteFiles(staging, files);
        SyncFolder(staging);
        MoveIntoPlace(staging, target, existing);
    } catch (...) {
        std::error_code ignored;
        fs::remove_all(staging, ignored);
        ::close(lock);
        throw;
    }
    SyncFolder(target.parent_path().empty() ? "." : target.parent_path());
    // After an exchange the staging name holds the folder that was replaced.
    std::error_code ignored;
    fs::remove_all(staging, ignored);
    ::close(lock);
}

// Runs a writing step, its failure the command's end.
template <class Step>
Outcome<void> Written(const Step& step) {
    try {
        step();
    } catch (const FolderWriteError& error) {
        return std::unexpected(FileSystemEnd(error.what()));
    } catch (const fs::filesystem_error& error) {
        return std::unexpected(FileSystemEnd(error.what()));
    }
    return {};
}

}  // namespace

Outcome<void> WriteWholeFile(const fs::path& path, const std::string& bytes) {
    return Written([&] {
        OpenFile file(path, O_TRUNC);
        file.Write(bytes);
        file.Sync();
    });
}

Outcome<void> WriteFolder(const fs::path& folder, const std::vector<FolderFile>& files,
                          ExistingFolder existing) {
    return Written([&] { WriteFolderOrThrow(folder, files, existing); });
}

}  // namespace lexo::dict
