#include "game/dictionary_about.h"

#include <filesystem>
#include <string_view>
#include <system_error>

#include "game/dictionary_folders.h"
#include "text/dictionary_languages.h"
#include "text/dictionary_text.h"
#include "text/text_file.h"
#include "text/text_lines.h"

namespace lexo {

std::string FolderAbout(const std::string& workingDir, const std::string& folder,
                        const std::string& language) {
    std::string start = ReadFileStart(AboutFileFor(workingDir, folder, language), kAboutShownBytes);
    const bool cut = start.size() == kAboutShownBytes;
    const std::string text = DictionaryFileText(std::move(start), cut);
    std::string joined;
    bool first = true;
    ForEachLine(text, LineEnds::AnyAndNulEnds, [&](std::string_view line) {
        if (!first) joined += '\n';
        joined += line;
        first = false;
    });
    return joined;
}

bool NamesLanguages(const std::string& workingDir, const std::string& folder) {
    return ReadLanguages(DictionaryFilePath(workingDir, folder, kLanguagesFile)).has_value();
}

std::string AbsoluteFolderPath(const std::string& folder) {
    std::error_code error;
    std::filesystem::path path = std::filesystem::weakly_canonical(folder, error);
    if (error) path = std::filesystem::absolute(folder, error).lexically_normal();
    return path.string();
}

}  // namespace lexo
