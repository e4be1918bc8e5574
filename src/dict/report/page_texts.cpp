#include "dict/report/page_texts.h"

#include <array>

namespace lexo::dict {
namespace {

constexpr std::array<std::string_view, 4> kLanguages = {"ru", "en", "de", "uk"};

using Row = std::array<std::string_view, kLanguages.size()>;

// One row a text, in the order of PageText; the columns in the order of kLanguages.
constexpr std::array<Row, static_cast<size_t>(PageText::Count)> kTexts = {{
    {"Успехи в Lexodrome", "Lexodrome progress", "Lernfortschritt in Lexodrome",
     "Успіхи в Lexodrome"},
    {"Успехи класса в Lexodrome", "Lexodrome class progress", "Lernfortschritt der Klasse",
     "Успіхи класу в Lexodrome"},
    {"Источник:", "Source:", "Quelle:", "Джерело:"},
    {"Сыгранных игр пока нет.", "No game kept yet.", "Noch kein Spiel gespeichert.",
     "Зіграних ігор поки немає."},
    {"Пропущенных слов нет.", "No word missed yet.", "Noch kein Wort verpasst.",
     "Пропущених слів немає."},
    {"словарь", "dictionary", "Wörterbuch", "словник"},
    {"режим", "mode", "Modus", "режим"},
    {"игры", "games", "Spiele", "ігри"},
    {"лучший", "best", "Bestwert", "найкращий"},
    {"последний", "latest", "zuletzt", "останній"},
    {"сбито", "shot", "getroffen", "збито"},
    {"пропущено", "missed", "verpasst", "пропущено"},
    {"чаще всего пропущены", "most missed", "am häufigsten verpasst", "найчастіше пропущені"},
    {"Счёт по датам", "Score over time", "Punkte im Zeitverlauf", "Рахунок за датами"},
    {"Сколько слов вы знаете (сумма вероятностей вспомнить)",
     "Words you know (the sum of the chances of recall)",
     "Wörter, die Sie können (Summe der Erinnerungschancen)",
     "Скільки слів ви знаєте (сума ймовірностей згадати)"},
    {"Десять слов, пропущенных чаще всего", "The ten most-missed words",
     "Die zehn am häufigsten verpassten Wörter", "Десять слів, пропущених найчастіше"},
    {"слово", "word", "Wort", "слово"},
    {"перевод", "translation", "Übersetzung", "переклад"},
    {"пропусков", "times missed", "wie oft verpasst", "пропусків"},
    {"ученик", "learner", "Lernende", "учень"},
    {"последняя игра", "last played", "zuletzt gespielt", "остання гра"},
    {"счёт", "score", "Punkte", "рахунок"},
    {"знает слов", "words known", "gewusste Wörter", "знає слів"},
    {"слова", "words", "Wörter", "слова"},
    {"переводы", "translations", "Übersetzungen", "переклади"},
    {"Что чаще всего путается", "The most frequent confusions", "Die häufigsten Verwechslungen",
     "Що найчастіше плутається"},
    {"Путаниц пока нет.", "No confusion yet.", "Noch keine Verwechslung.", "Плутанини поки немає."},
    {"набрано", "typed", "getippt", "набрано"},
    {"когда шло слово", "while this word walked", "während dieses Wort lief", "коли йшло слово"},
    {"сколько раз", "times", "wie oft", "скільки разів"},
    {"удержание", "retention", "Behalten", "утримання"},
    {"Вспомнено через день и более после прошлой встречи:",
     "Recalled a day or more after the last time:",
     "Gewusst einen Tag oder länger nach dem letzten Mal:",
     "Згадано через день і більше після минулої зустрічі:"},
    {"Предсказание модели и что было", "The model's predictions and what happened",
     "Vorhersagen des Modells und was geschah", "Передбачення моделі і що сталося"},
    {"предсказано", "predicted", "vorhergesagt", "передбачено"},
    {"вспомнено", "recalled", "gewusst", "згадано"},
    {"повторений", "reviews", "Wiederholungen", "повторень"},
    {"Двадцать слов класса, которые скорее всего забудутся к",
     "The twenty words of the class most likely forgotten by",
     "Die zwanzig Wörter der Klasse, die bis dahin am ehesten vergessen sind:",
     "Двадцять слів класу, які найімовірніше забудуться до"},
    {"вероятность вспомнить", "chance of recall", "Erinnerungschance", "ймовірність згадати"},
    {"знаете сейчас", "known now", "jetzt gewusst", "знаєте зараз"},
    {"слов сыграно", "words played", "gespielte Wörter", "слів зіграно"},
}};

size_t Column(std::string_view language) {
    for (size_t column = 0; column < kLanguages.size(); ++column) {
        if (kLanguages[column] == language) return column;
    }
    return 0;
}

}  // namespace

std::string_view PageString(PageText text, std::string_view language) {
    return kTexts[static_cast<size_t>(text)][Column(language)];
}

std::string_view ModeName(std::string_view mode, std::string_view language) {
    if (mode == "words") return PageString(PageText::ModeWords, language);
    if (mode == "translations") return PageString(PageText::ModeTranslations, language);
    return mode;
}

}  // namespace lexo::dict
