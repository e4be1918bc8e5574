#include "ui/translations.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <filesystem>

#include "text/file_reader.h"
#include "ui/qt_text.h"

namespace lexo {
namespace {

bool Install(QCoreApplication& application, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(&application);
    if (translator->load(name, folder)) return QCoreApplication::installTranslator(translator);
    delete translator;
    return false;
}

}  // namespace

bool TranslationIntact(const std::string& qm) {
    const std::expected<std::string, FileError> bytes = ReadFile(qm);
    const std::expected<std::string, FileError> sum = ReadFile(qm + ".sha256");
    if (!bytes || !sum) return false;
    const QByteArray actual =
        QCryptographicHash::hash(QByteArray::fromRawData(bytes->data(), qsizetype(bytes->size())),
                                 QCryptographicHash::Sha256)
            .toHex();
    return QByteArray::fromStdString(*sum).trimmed() == actual;
}

void InstallTranslations(QCoreApplication& application, const PlayerLanguage& language) {
    const QString code = QString::fromStdString(language.code);
    // Under the C locale Qt's texts stay in its own English, as they always were.
    if (language.asked) {
        Install(application, QStringLiteral("qtbase_") + code,
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    if (language.code == "ru") return;
    const QString name = QStringLiteral("lexodrome_") + code;
    const std::string qm = std::string(kTranslationsFolder) + "/lexodrome_" + language.code + ".qm";
    if (std::filesystem::exists(qm) && !TranslationIntact(qm)) {
        std::fprintf(stderr, "lexodrome: the translation %s is damaged; the game speaks Russian\n",
                     qm.c_str());
        return;
    }
    if (!Install(application, name, QString::fromUtf8(kTranslationsFolder))) {
        std::fprintf(stderr, "lexodrome: no translation %s/%s.qm here; the game speaks Russian\n",
                     kTranslationsFolder, qPrintable(name));
    }
}

GameTexts TranslatedGameTexts() {
    GameTexts texts;
    texts.scoreCaption =
        ToGameText(QCoreApplication::translate("Game", "Lexodrome. Words complete: %1. Score:%2."));
    //: Drawn on the field in the game's own font; keep to the letters of code page 1251, so that an
    //: engine without Unicode text draws it too.
    texts.banner = ToGameText(QCoreApplication::translate("Game", "ИГРА ОКОНЧЕНА!"));
    //: %1 is the path of the dictionary's names.txt. Code page 1251 letters only.
    texts.noWords =
        ToGameText(QCoreApplication::translate("Game", "В файле \"%1\" нет ни одного слова"));
    return texts;
}

ReviewTexts TranslatedReviewTexts() {
    // Each text is marked where it is written, for lupdate to find it.
    auto translated = [](const char* text) {
        return QCoreApplication::translate("Review", text).toStdString();
    };
    ReviewTexts texts;
    texts.name = translated(QT_TRANSLATE_NOOP("Review", "Повторение"));
    texts.description =
        translated(QT_TRANSLATE_NOOP("Review", "Слова, которые вы вот-вот забудете."));
    texts.wordCount = translated(QT_TRANSLATE_NOOP("Review", "Слов: %1."));
    //: %1 is a dictionary's name with its number of words: "animals (4)".
    texts.fromDictionary = translated(QT_TRANSLATE_NOOP("Review", "Из словаря: %1."));
    //: %1 lists dictionaries with their numbers of words: "animals (4), colours (2)".
    texts.fromDictionaries = translated(QT_TRANSLATE_NOOP("Review", "Из словарей: %1."));
    //: %1 lists dictionaries, %2 is how many more there are.
    texts.andMore = translated(QT_TRANSLATE_NOOP("Review", "%1 и ещё %2"));
    return texts;
}

}  // namespace lexo
