#pragma once

#include <cstddef>
#include <string>

namespace lexo {

// More of about.txt than the dialog's title and description box can show without a scroll bar;
// a huge file is read no further, so selecting it stays instant.
inline constexpr size_t kAboutShownBytes = 4096;

// The description of the dictionary folder `folder` under workingDir as the dialog shows it, in
// the player's `language` where the folder has an about.LL.txt, else its about.txt: the start
// of the file, as game text, its lines joined by line feeds. Throws RunTimeError when the file
// cannot be read.
std::string FolderAbout(const std::string& workingDir, const std::string& folder,
                        const std::string& language);

// Whether the folder names its words' languages, so that they can be spoken.
bool NamesLanguages(const std::string& workingDir, const std::string& folder);

// The folder as an absolute path, for telling the player where the game looked.
std::string AbsoluteFolderPath(const std::string& folder);

}  // namespace lexo
