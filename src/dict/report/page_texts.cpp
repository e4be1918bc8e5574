#include "dict/report/page_texts.h"

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
    {"Сколько слов вы знаете (сумма вероятностей вспомнить)",
     "Words you know (the sum of the chances of recall)",
     "Wörter, die Sie können (Summe der Erinnerungschancen)",
     "Скільки слів ви знаєте (сума ймовірностей згадати)",
     "Les mots que vous savez (la somme des chances de vous en souvenir)",
     "Palabras que sabes (la suma de las probabilidades de recordarlas)",
     "Ile słów znasz (suma szans na przypomnienie)",
     "Parole che conosci (la somma delle probabilità di ricordarle)"},
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
    {"знает слов", "words known", "gewusste Wörter", "знає слів", "mots sus", "palabras sabidas",
     "zna słów", "parole sapute"},
    {"слова", "words", "Wörter", "слова", "mots", "palabras", "słowa", "parole"},
    {"переводы", "translations", "Übersetzungen", "переклади", "traductions", "traducciones",
     "tłumaczenia", "traduzioni"},
    {"Что чаще всего путается", "The most frequent confusions", "Die häufigsten Verwechslungen",
     "Що найчастіше плутається", "Les confusions les plus fréquentes",
     "Las confusiones más frecuentes", "Najczęstsze pomyłki", "Le confusioni più frequenti"},
    {"Путаниц пока нет.", "No confusion yet.", "Noch keine Verwechslung.", "Плутанини поки немає.",
     "Aucune confusion pour l'instant.", "Todavía ninguna confusión.", "Na razie żadnych pomyłek.",
     "Ancora nessuna confusione."},
    {"набрано", "typed", "getippt", "набрано", "tapé", "escrito", "wpisano", "digitato"},
    {"когда шло слово", "while this word walked", "während dieses Wort lief", "коли йшло слово",
     "pendant que ce mot avançait", "mientras avanzaba esta palabra", "gdy szło to słowo",
     "mentre avanzava questa parola"},
    {"сколько раз", "times", "wie oft", "скільки разів", "fois", "veces", "ile razy", "volte"},
    {"удержание", "retention", "Behalten", "утримання", "rétention", "retención", "zapamiętywanie",
     "ritenzione"},
    {"Вспомнено через день и более после прошлой встречи:",
     "Recalled a day or more after the last time:",
     "Gewusst einen Tag oder länger nach dem letzten Mal:",
     "Згадано через день і більше після минулої зустрічі:",
     "Retrouvés un jour ou plus après la dernière fois :",
     "Recordadas un día o más después de la última vez:",
     "Przypomniane dzień lub więcej po ostatnim razie:",
     "Ricordate un giorno o più dopo l'ultima volta:"},
    {"Предсказание модели и что было", "The model's predictions and what happened",
     "Vorhersagen des Modells und was geschah", "Передбачення моделі і що сталося",
     "Les prédictions du modèle et ce qui s'est passé", "Las predicciones del modelo y lo que pasó",
     "Przewidywania modelu i to, co się stało", "Le previsioni del modello e cosa è successo"},
    {"предсказано", "predicted", "vorhergesagt", "передбачено", "prédit", "previsto",
     "przewidziano", "previsto"},
    {"вспомнено", "recalled", "gewusst", "згадано", "retrouvé", "recordado", "przypomniano",
     "ricordato"},
    {"повторений", "reviews", "Wiederholungen", "повторень", "révisions", "repasos", "powtórek",
     "ripassi"},
    {"Двадцать слов класса, которые скорее всего забудутся к",
     "The twenty words of the class most likely forgotten by",
     "Die zwanzig Wörter der Klasse, die bis dahin am ehesten vergessen sind:",
     "Двадцять слів класу, які найімовірніше забудуться до",
     "Les vingt mots de la classe les plus susceptibles d'être oubliés d'ici le",
     "Las veinte palabras de la clase que más probablemente se olvidarán para el",
     "Dwadzieścia słów klasy, które najpewniej zostaną zapomniane do",
     "Le venti parole della classe che più probabilmente saranno dimenticate entro il"},
    {"вероятность вспомнить", "chance of recall", "Erinnerungschance", "ймовірність згадати",
     "chance de s'en souvenir", "probabilidad de recordar", "szansa na przypomnienie",
     "probabilità di ricordare"},
    {"знаете сейчас", "known now", "jetzt gewusst", "знаєте зараз", "sus maintenant",
     "sabidas ahora", "znane teraz", "sapute ora"},
    {"слов сыграно", "words played", "gespielte Wörter", "слів зіграно", "mots joués",
     "palabras jugadas", "słów zagranych", "parole giocate"},
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
