#include "game/dictionary_folders.h"

#include <dirent.h>
#include <sys/stat.h>

#include "text/dictionary_languages.h"

namespace lexo {
namespace {

bool IsHidden(const std::string& name) { return name[0] == '.' && name != "." && name != ".."; }

// stat follows symbolic links, so a link to a folder or a file counts as what it points to.
bool IsFolder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsRegularFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    return folder + "/" + name;
}

// The three files are tested in order; the first one missing settles it.
bool HoldsDictionary(const std::string& folderPath) {
    for (const char* file : {kAboutFile, kNamesFile, kNames2File}) {
        if (!IsRegularFile(JoinPath(folderPath, file))) return false;
    }
    return true;
}

}  // namespace

std::vector<std::string> ScanDictionaryFolders(const std::string& workingDir) {
    std::vector<std::string> folders;
    DIR* dir = opendir(workingDir.c_str());
    if (dir == nullptr) return folders;
    while (const dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (IsHidden(name)) continue;
        std::string path = JoinPath(workingDir, name);
        if (IsFolder(path) && HoldsDictionary(path)) folders.push_back(name);
    }
    closedir(dir);
    return folders;
}

std::string DictionaryFilePath(const std::string& workingDir, const std::string& folder,
                               const std::string& file) {
    std::string relative = JoinPath(folder, file);
    return workingDir == "." ? relative : JoinPath(workingDir, relative);
}

std::string AboutFileFor(const std::string& workingDir, const std::string& folder,
                         std::string_view language) {
    const std::string translated = DictionaryFilePath(workingDir, folder, AboutFileName(language));
    return IsRegularFile(translated) ? translated
                                     : DictionaryFilePath(workingDir, folder, kAboutFile);
}

}  // namespace lexo
