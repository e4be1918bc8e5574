#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lexo {

// The files every dictionary folder holds.
inline constexpr const char* kAboutFile = "about.txt";
inline constexpr const char* kNamesFile = "names.txt";
inline constexpr const char* kNames2File = "names2.txt";

// The dictionary folders directly under workingDir: every folder (hidden ones excepted) that
// holds about.txt, names.txt and names2.txt as regular files, in the order the file system
// reports them. Names are the file system's bytes. A name beginning with "." is hidden, except
// "." and "..", which stand for workingDir and its parent and are tested like any other folder.
// A symbolic link to a folder counts as a folder. An unreadable workingDir gives no folders.
std::vector<std::string> ScanDictionaryFolders(const std::string& workingDir);

// The path of a file of the dictionary folder `folder` (as listed by the scan) under
// workingDir. With workingDir "." this is folder + "/" + file, relative to the working
// directory.
std::string DictionaryFilePath(const std::string& workingDir, const std::string& folder,
                               const std::string& file);

// The path of the description the dialog shows a player who reads `language` ("de"): the
// folder's about.de.txt when it is a regular file there, else its about.txt.
std::string AboutFileFor(const std::string& workingDir, const std::string& folder,
                         std::string_view language);

}  // namespace lexo
