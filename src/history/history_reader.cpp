#include "history/history_reader.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <optional>

#include "text/text_lines.h"

namespace lexo {

using namespace std::chrono;

namespace {

using Json = nlohmann::json;

// The number of `digits` digits at text[at], or nothing.
std::optional<int> Digits(std::string_view text, size_t at, size_t digits) {
    if (at + digits > text.size()) return std::nullopt;
    int value = 0;
    const char* first = text.data() + at;
    const auto [end, error] = std::from_chars(first, first + digits, value);
    if (error != std::errc() || end != first + digits || *first == '+' || *first == '-')
        return std::nullopt;
    return value;
}

// Text, or nothing when the field is missing or not a string.
const std::string* TextField(const Json& game, const char* name) {
    const auto found = game.find(name);
    return found != game.end() && found->is_string() ? found->get_ptr<const std::string*>()
                                                     : nullptr;
}

// A count the game keeps in 32 bits, so never negative nor above that.
bool NumberField(const Json& game, const char* name, int64_t& value) {
    const auto found = game.find(name);
    if (found == game.end() || !found->is_number_unsigned()) return false;
    const uint64_t number = found->get<uint64_t>();
    if (number > INT32_MAX) return false;
    value = static_cast<int64_t>(number);
    return true;
}

// The words are moved out of the parsed line, which is thrown away after. A word of another
// dictionary is an object with its "word" and "dictionary".
bool ReadShot(Json& game, HistoryGame& played) {
    const auto found = game.find("shot");
    if (found == game.end() || !found->is_array()) return false;
    played.shot.reserve(found->size());
    for (Json& word : *found) {
        if (word.is_string()) {
            played.shot.push_back(std::move(word.get_ref<std::string&>()));
            continue;
        }
        const std::string* text = word.is_object() ? TextField(word, "word") : nullptr;
        const std::string* dictionary = text ? TextField(word, "dictionary") : nullptr;
        if (dictionary == nullptr) return false;
        played.shotDictionaries.resize(played.shot.size());
        played.shotDictionaries.push_back(*dictionary);
        played.shot.push_back(*text);
    }
    return true;
}

bool ReadMissed(const Json& game, std::vector<MissedWord>& missed) {
    const auto found = game.find("missed");
    if (found == game.end() || !found->is_array()) return false;
    for (const Json& entry : *found) {
        if (!entry.is_object()) return false;
        const std::string* word = TextField(entry, "word");
        const std::string* translation = TextField(entry, "translation");
        if (word == nullptr || translation == nullptr) return false;
        const std::string* dictionary = TextField(entry, "dictionary");
        missed.push_back({*word, *translation, dictionary ? *dictionary : std::string()});
    }
    return true;
}

// Seconds of the game: a number, never negative.
bool SecondsField(const Json& entry, const char* name, double& value) {
    const auto found = entry.find(name);
    if (found == entry.end() || !found->is_number()) return false;
    value = found->get<double>();
    return value >= 0;
}

bool ReadEnd(const Json& entry, WalkEnd& end) {
    const std::string* name = TextField(entry, "end");
    if (name == nullptr) return false;
    if (*name == "shot") {
        end = WalkEnd::Shot;
    } else if (*name == "reached") {
        end = WalkEnd::Reached;
    } else if (*name == "walking") {
        end = WalkEnd::Walking;
    } else {
        return false;
    }
    return true;
}

bool ReadWalk(const Json& entry, WordWalk& walk) {
    if (!entry.is_object()) return false;
    const std::string* word = TextField(entry, "word");
    const std::string* translation = TextField(entry, "translation");
    if (word == nullptr || translation == nullptr ||
        !SecondsField(entry, "appeared", walk.appeared) ||
        !NumberField(entry, "misfires", walk.misfires) || !ReadEnd(entry, walk.end))
        return false;
    walk.word = *word;
    walk.translation = *translation;
    if (const std::string* dictionary = TextField(entry, "dictionary"))
        walk.dictionary = *dictionary;
    if (walk.end != WalkEnd::Shot) return true;
    const std::string* answer = TextField(entry, "answer");
    if (answer == nullptr || !SecondsField(entry, "shot", walk.shot) ||
        !SecondsField(entry, "typing", walk.typing) ||
        !NumberField(entry, "corrections", walk.corrections))
        return false;
    walk.answer = *answer;
    return true;
}

bool ReadMisfire(const Json& entry, HistoryMisfire& misfire) {
    if (!entry.is_object()) return false;
    const std::string* typed = TextField(entry, "typed");
    const auto field = entry.find("field");
    if (typed == nullptr || !SecondsField(entry, "at", misfire.at) || field == entry.end() ||
        !field->is_array())
        return false;
    misfire.typed = *typed;
    for (const Json& word : *field) {
        if (!word.is_string()) return false;
        misfire.field.push_back(word.get<std::string>());
    }
    return true;
}

// The evidence of the walks, kept whole or not at all. A damaged record costs the game its
// detail only: "shot" and "missed" still say what the game reviewed, so its words are read
// with their older meaning rather than the line being lost.
void ReadWalks(const Json& line, HistoryGame& game) {
    const auto words = line.find("words");
    double seconds = 0;
    if (words == line.end() || !words->is_array() || !SecondsField(line, "seconds", seconds))
        return;
    std::vector<WordWalk> walks(words->size());
    for (size_t i = 0; i < walks.size(); ++i) {
        if (!ReadWalk((*words)[i], walks[i])) return;
    }
    game.walksKept = true;
    game.seconds = seconds;
    game.walks = std::move(walks);
    // Misfires only tell the confusions; damaged ones are left out on their own.
    const auto misfires = line.find("misfires");
    if (misfires == line.end() || !misfires->is_array()) return;
    std::vector<HistoryMisfire> read(misfires->size());
    for (size_t i = 0; i < read.size(); ++i) {
        if (!ReadMisfire((*misfires)[i], read[i])) return;
    }
    game.misfires = std::move(read);
}

// The game a parsed line holds, or the reason it holds none.
std::string ReadGame(Json& line, HistoryGame& game) {
    if (!line.is_object()) return "not a game: the line is no JSON object";
    const std::string* time = TextField(line, "time");
    if (time == nullptr || !ParseHistoryTime(*time, game.when, game.day, &game.offset))
        return "not a game: no \"time\" such as 2026-12-07T18:20:05+01:00";
    const std::string* dictionary = TextField(line, "dictionary");
    const std::string* mode = TextField(line, "mode");
    if (dictionary == nullptr || mode == nullptr)
        return "not a game: \"dictionary\" or \"mode\" is missing";
    game.dictionary = *dictionary;
    game.mode = *mode;
    if (!NumberField(line, "pace", game.pace) ||
        !NumberField(line, "words_complete", game.wordsComplete) ||
        !NumberField(line, "score", game.score))
        return "not a game: \"pace\", \"words_complete\" or \"score\" is not a count the game "
               "keeps";
    if (!ReadShot(line, game)) return "not a game: \"shot\" is not a list of words";
    if (!ReadMissed(line, game.missed))
        return "not a game: \"missed\" is not a list of words with translations";
    ReadWalks(line, game);
    return {};
}

}  // namespace

bool ParseHistoryTime(std::string_view text, sys_seconds& when, sys_days& day, minutes* offset) {
    // 2026-12-07T18:20:05+01:00
    if (text.size() < 20 || text[4] != '-' || text[7] != '-' || text[10] != 'T' ||
        text[13] != ':' || text[16] != ':')
        return false;
    const auto y = Digits(text, 0, 4), mo = Digits(text, 5, 2), d = Digits(text, 8, 2);
    const auto h = Digits(text, 11, 2), mi = Digits(text, 14, 2), s = Digits(text, 17, 2);
    if (!y || !mo || !d || !h || !mi || !s || *h > 23 || *mi > 59 || *s > 60) return false;
    const year_month_day date{year(*y), month(static_cast<unsigned>(*mo)),
                              std::chrono::day(static_cast<unsigned>(*d))};
    if (!date.ok()) return false;
    int offsetMinutes = 0;
    const std::string_view zone = text.substr(19);
    if (zone != "Z") {
        const auto oh = Digits(zone, 1, 2), om = Digits(zone, 4, 2);
        if (zone.size() != 6 || (zone[0] != '+' && zone[0] != '-') || zone[3] != ':' || !oh ||
            !om || *oh > 23 || *om > 59)
            return false;
        offsetMinutes = (zone[0] == '-' ? -1 : 1) * (*oh * 60 + *om);
    }
    day = sys_days(date);
    when = day + hours(*h) + minutes(*mi) + seconds(*s) - minutes(offsetMinutes);
    if (offset != nullptr) *offset = minutes(offsetMinutes);
    return true;
}

std::string FormatHistoryDay(sys_days day) {
    const year_month_day date(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::vector<const HistoryGame*> InPlayOrder(const std::vector<HistoryGame>& games) {
    std::vector<const HistoryGame*> played;
    played.reserve(games.size());
    for (const HistoryGame& game : games) played.push_back(&game);
    std::stable_sort(played.begin(), played.end(),
                     [](const auto* a, const auto* b) { return a->when < b->when; });
    return played;
}

History ReadHistory(std::string_view text) {
    History history;
    size_t number = 0;
    ForEachLine(text, LineEnds::CrLfOrLf, [&](std::string_view line) {
        ++number;
        if (line.find_first_not_of(" \t\r") == std::string_view::npos) return;
        Json parsed = Json::parse(line, nullptr, false);
        if (parsed.is_discarded()) {
            history.skipped.push_back({number, "not JSON (a torn or damaged line)"});
            return;
        }
        HistoryGame game;
        game.line = number;
        std::string reason = ReadGame(parsed, game);
        if (reason.empty()) {
            history.games.push_back(std::move(game));
        } else {
            history.skipped.push_back({number, std::move(reason)});
        }
    });
    return history;
}

}  // namespace lexo
