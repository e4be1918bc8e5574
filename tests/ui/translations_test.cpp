#include "ui/translations.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTranslator>
#include <filesystem>
#include <fstream>
#include <map>

#include "temp_folder.h"
#include "text/text_file.h"
#include "ui/dictionary_dialog.h"
#include "ui/qt_text.h"

namespace lexo {
namespace {

TEST(PlayerLanguage, TheDesktopsLanguageWinsAndCKeepsTheClassicGame) {
    using Environment = std::map<std::string, std::string>;
    struct Case {
        Environment environment;
        std::string code;
        bool asked;
    };
    const Case cases[] = {
        {{}, "ru", false},
        {{{"LANG", "C.UTF-8"}}, "ru", false},
        {{{"LANG", "C"}, {"LANGUAGE", "de"}}, "ru", false},
        {{{"LANG", "POSIX"}, {"LANGUAGE", "de"}}, "ru", false},
        {{{"LANG", "ru_RU.UTF-8"}}, "ru", true},
        {{{"LANG", "en_US.UTF-8"}}, "en", true},
        {{{"LANG", "sv_SE.UTF-8"}}, "en", true},
        {{{"LANG", "fr_FR.UTF-8"}}, "fr", true},
        {{{"LANG", "en_GB.UTF-8"}, {"LC_MESSAGES", "uk_UA.UTF-8"}}, "uk", true},
        {{{"LANG", "uk_UA.UTF-8"}, {"LC_ALL", "de_DE.UTF-8"}}, "de", true},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "sv:pl:en"}}, "pl", true},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "sv"}}, "de", true},
        {{{"LANG", "ru_RU.UTF-8"}, {"LEXODROME_LANGUAGE", "de"}}, "de", true},
        {{{"LANG", "de_DE.UTF-8"}, {"LEXODROME_LANGUAGE", "C"}}, "ru", false},
    };
    for (const Case& c : cases) {
        const PlayerLanguage chosen = ChoosePlayerLanguage([&](const char* name) -> const char* {
            auto found = c.environment.find(name);
            return found == c.environment.end() ? nullptr : found->second.c_str();
        });
        SCOPED_TRACE(::testing::PrintToString(c.environment));
        EXPECT_EQ(chosen.code, c.code);
        EXPECT_EQ(chosen.asked, c.asked);
    }
}

// Each compiled translation speaks in the windows, and the texts the game draws and writes keep
// every letter in the game's text form.
TEST(Translations, EachLanguageReachesTheWindowsAndTheGamesOwnTexts) {
    const GameTexts classic;
    const std::map<std::string, QString> dialogTitles = {
        {"en", "Choose a dictionary:"},  {"de", "Wörterbuch wählen:"},
        {"uk", "Виберіть словник:"},     {"fr", "Choisissez un dictionnaire :"},
        {"es", "Elige un diccionario:"}, {"pl", "Wybierz słownik:"},
        {"it", "Scegli un dizionario:"}};
    for (const auto& [code, title] : dialogTitles) {
        SCOPED_TRACE(code);
        QTranslator translator;
        ASSERT_TRUE(
            translator.load(QString::fromStdString("lexodrome_" + code), LEXO_TRANSLATIONS_DIR));
        QCoreApplication::installTranslator(&translator);
        EXPECT_EQ(TForm3("/nonexistent").windowTitle(), title);
        const GameTexts texts = TranslatedGameTexts();
        QCoreApplication::removeTranslator(&translator);

        EXPECT_NE(texts.banner, classic.banner);
        EXPECT_NE(texts.noWords, classic.noWords);
        for (const std::string& text : {texts.scoreCaption, texts.banner, texts.noWords}) {
            EXPECT_EQ(text.find('?'), std::string::npos) << FromCp1251(text).toStdString();
        }
        EXPECT_NE(texts.scoreCaption.find("%2"), std::string::npos);
        EXPECT_NE(texts.noWords.find("%1"), std::string::npos);
    }
    EXPECT_EQ(TranslatedGameTexts().banner, classic.banner);
}

// A damaged .qm, which would crash Qt's lookup, is told from the one the build wrote.
TEST(Translations, ADamagedTranslationIsRefused) {
    const testing::TempFolder folder;
    const std::string built = std::string(LEXO_TRANSLATIONS_DIR) + "/lexodrome_de.qm";
    const std::string qm = folder.Path() + "/lexodrome_de.qm";
    std::filesystem::copy_file(built, qm);
    std::filesystem::copy_file(built + ".sha256", qm + ".sha256");
    EXPECT_TRUE(TranslationIntact(qm));
    std::string bytes = ReadWholeFile(qm);
    for (size_t i = 0; i < 200; ++i) bytes[bytes.size() / 2 + i] ^= 0x5A;
    std::ofstream(qm, std::ios::binary | std::ios::trunc) << bytes;
    EXPECT_FALSE(TranslationIntact(qm));
    std::filesystem::remove(qm + ".sha256");
    std::filesystem::copy_file(built, qm, std::filesystem::copy_options::overwrite_existing);
    EXPECT_FALSE(TranslationIntact(qm)) << "without its sum";
}

}  // namespace
}  // namespace lexo
