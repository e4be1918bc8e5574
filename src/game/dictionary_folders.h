#pragma once

#include <string>
#include <vector>

namespace lexo {

// The dictionary folders directly under workingDir: every folder (hidden ones excepted) that
// holds about.txt, names.txt and names2.txt as regular files, in the order the file system
// reports them. Names are the file system's bytes.
std::vector<std::string> ScanDictionaryFolders(const std::string& workingDir);

}  // namespace lexo
