#include "dict/page_texts.h"

#include <array>

namespace lexo::dict {
namespace {

constexpr std::array<std::string_view, 8> kLanguages = {"ru", "en", "de", "uk",
                                                        "fr", "es", "pl", "it"};

using Row = std::array<std::string_view, kLanguages.size()>;

// One row a text, in the order of PageText; the columns in the order of kLanguages.
constexpr std::array<Row, static_cast<size_t>(PageText::Count)> kTexts = {{
    {"Успехи в Lexodrome", "Lexodrome progress", "Lernfortschritt in Lexodrome",
     "Успіхи в Lexodrome", "Progrès dans Lexodrome", "Progreso en Lexodrome", "Postępy w Lexodrome",
     "Progressi in Lexodrome"},
    {"Успехи класса в Lexodrome", "Lexodrome class progress", "Lernfortschritt der Klasse",
     "Успіхи класу в Lexodrome", "Progrès de la classe dans Lexodrome",
     "Progreso de la clase en Lexodrome", "Postępy klasy w Lexodrome",
     "Progressi della classe in Lexodrome"},
    {"Источник:", "Source:", "Quelle:", "Джерело:", "Source :", "Fuente:", "Źródło:", "Fonte:"},
    {"Сыгранных игр пока нет.", "No game kept yet.", "Noch kein Spiel gespeichert.",
     "Зіграних ігор поки немає.", "Aucune partie enregistrée pour l'instant.",
     "Todavía no hay ninguna partida guardada.", "Nie zapisano jeszcze żadnej gry.",
     "Ancora nessuna partita salvata."},
    {"Пропущенных слов нет.", "No word missed yet.", "Noch kein Wort verpasst.",
     "Пропущених слів немає.", "Aucun mot manqué pour l'instant.",
     "Todavía no se ha escapado ninguna palabra.", "Nie pominięto jeszcze żadnego słowa.",
     "Ancora nessuna parola mancata."},
    {"словарь", "dictionary", "Wörterbuch", "словник", "dictionnaire", "diccionario", "słownik",
     "dizionario"},
    {"режим", "mode", "Modus", "режим", "mode", "modo", "tryb", "modalità"},
    {"игры", "games", "Spiele", "ігри", "parties", "partidas", "gry", "partite"},
    {"лучший", "best", "Bestwert", "найкращий", "meilleur", "mejor", "najlepszy", "migliore"},
    {"последний", "latest", "zuletzt", "останній", "dernier", "último", "ostatni", "ultimo"},
    {"сбито", "shot", "getroffen", "збито", "touchés", "acertadas", "trafione", "colpite"},
    {"пропущено", "missed", "verpasst", "пропущено", "manqués", "falladas", "pominięte", "mancate"},
    {"чаще всего пропущены", "most missed", "am häufigsten verpasst", "найчастіше пропущені",
     "les plus manqués", "más falladas", "najczęściej pomijane", "più mancate"},
    {"Счёт по датам", "Score over time", "Punkte im Zeitverlauf", "Рахунок за датами",
     "Score au fil du temps", "Puntuación a lo largo del tiempo", "Wynik w czasie",
     "Punteggio nel tempo"},
    {"Выученные слова (ящик 4 и выше)", "Words mastered (box 4 or higher)",
     "Gelernte Wörter (Fach 4 oder höher)", "Вивчені слова (скринька 4 і вище)",
     "Mots appris (boîte 4 ou plus)", "Palabras aprendidas (caja 4 o superior)",
     "Opanowane słowa (pudełko 4 lub wyżej)", "Parole imparate (scatola 4 o superiore)"},
    {"Десять слов, пропущенных чаще всего", "The ten most-missed words",
     "Die zehn am häufigsten verpassten Wörter", "Десять слів, пропущених найчастіше",
     "Les dix mots les plus souvent manqués", "Las diez palabras más falladas",
     "Dziesięć najczęściej pomijanych słów", "Le dieci parole più mancate"},
    {"слово", "word", "Wort", "слово", "mot", "palabra", "słowo", "parola"},
    {"перевод", "translation", "Übersetzung", "переклад", "traduction", "traducción", "tłumaczenie",
     "traduzione"},
    {"пропусков", "times missed", "wie oft verpasst", "пропусків", "fois manqué", "veces fallada",
     "ile razy pominięte", "volte mancata"},
    {"ученик", "learner", "Lernende", "учень", "élève", "alumno", "uczeń", "studente"},
    {"последняя игра", "last played", "zuletzt gespielt", "остання гра", "dernière partie",
     "última partida", "ostatnia gra", "ultima partita"},
    {"счёт", "score", "Punkte", "рахунок", "score", "puntos", "wynik", "punteggio"},
    {"выучено слов", "words mastered", "gelernte Wörter", "вивчено слів", "mots appris",
     "palabras aprendidas", "opanowane słowa", "parole imparate"},
    {"слова", "words", "Wörter", "слова", "mots", "palabras", "słowa", "parole"},
    {"переводы", "translations", "Übersetzungen", "переклади", "traductions", "traducciones",
     "tłumaczenia", "traduzioni"},
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
