#include "dict/check/languages_check.h"

#include <espeak-ng/speak_lib.h>

#include "text/dictionary_languages.h"

namespace lexo::dict {

bool HasVoice(const std::string& name) {
    static const bool initialised =
        espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT) > 0;
    return initialised && espeak_SetVoiceByName(name.c_str()) == EE_OK;
}

void CheckLanguages(const std::filesystem::path& folder, Diagnostics& found) {
    const std::filesystem::path path = folder / kLanguagesFile;
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        found.Note(path.string(), 1,
                   "no such file: the words are not spoken (import --languages writes it)");
        return;
    }
    const std::optional<DictionaryLanguages> languages = ReadLanguages(path.string());
    if (!languages) {
        found.Warning(path.string(), 1,
                      "not two language tags such as \"de ru\": the words are not spoken");
        return;
    }
    if (!HasVoice(languages->words)) {
        found.Warning(
            path.string(), 1,
            "espeak-ng has no voice \"" + languages->words + "\": the words are not spoken");
    }
    if (!HasVoice(languages->translations)) {
        found.Warning(path.string(), 1,
                      "espeak-ng has no voice \"" + languages->translations +
                          "\" for the translations' language: is the tag right?");
    }
}

}  // namespace lexo::dict
