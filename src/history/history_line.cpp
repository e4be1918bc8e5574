#include "history/history_line.h"

#include <ctime>
#include <nlohmann/json.hpp>
#include <string_view>

#include "records/game_mode.h"

namespace lexo {
namespace {

const char* ModeName(uint8_t mode) {
    switch (mode) {
        case kModeWords: return "words";
        case kModeTranslations: return "translations";
        default: return "none";
    }
}

const char* EndName(WalkEnd end) {
    switch (end) {
        case WalkEnd::Shot: return "shot";
        case WalkEnd::Reached: return "reached";
        case WalkEnd::Walking: break;
    }
    return "walking";
}

// Seconds with one decimal: the game's clock ticks in tenths of a second at best.
double Seconds(int64_t milliseconds) {
    return static_cast<double>((milliseconds + 50) / 100) / 10.0;
}

nlohmann::ordered_json WalkEntry(const WalkedWord& walk, const WordSource* source) {
    nlohmann::ordered_json entry = {{"word", source ? source->word : walk.word},
                                    {"translation", walk.translation}};
    if (source) entry["dictionary"] = source->dictionary;
    entry["appeared"] = Seconds(walk.appearedMs);
    if (walk.end == WalkEnd::Shot) {
        entry["shot"] = Seconds(walk.shotMs);
        entry["answer"] = walk.answer;
        entry["typing"] = Seconds(walk.typingMs);
        entry["corrections"] = walk.corrections;
    }
    entry["misfires"] = walk.misfires;
    entry["end"] = EndName(walk.end);
    return entry;
}

nlohmann::ordered_json MisfireEntry(const Misfire& misfire) {
    return {{"typed", misfire.typed}, {"at", Seconds(misfire.atMs)}, {"field", misfire.field}};
}

}  // namespace

std::string HistoryLine(const GameRecord& game, const std::string& time) {
    // A word from another dictionary names it, once for each dictionary it stands for.
    auto sources = [&](const std::string& word) {
        const auto found = game.sources.find(word);
        return found != game.sources.end() ? &found->second : nullptr;
    };
    nlohmann::ordered_json missed = nlohmann::ordered_json::array();
    for (const auto& [word, translation] : game.missed) {
        if (const auto* from = sources(word)) {
            for (const WordSource& source : *from) {
                missed.push_back({{"word", source.word},
                                  {"translation", translation},
                                  {"dictionary", source.dictionary}});
            }
        } else {
            missed.push_back({{"word", word}, {"translation", translation}});
        }
    }
    nlohmann::ordered_json shot = nlohmann::ordered_json::array();
    for (const std::string& word : game.shot) {
        if (const auto* from = sources(word)) {
            for (const WordSource& source : *from) {
                shot.push_back({{"word", source.word}, {"dictionary", source.dictionary}});
            }
        } else {
            shot.push_back(word);
        }
    }
    nlohmann::ordered_json words = nlohmann::ordered_json::array();
    for (const WalkedWord& walk : game.walked) {
        if (const auto* from = sources(walk.word)) {
            for (const WordSource& source : *from) words.push_back(WalkEntry(walk, &source));
        } else {
            words.push_back(WalkEntry(walk, nullptr));
        }
    }
    nlohmann::ordered_json misfires = nlohmann::ordered_json::array();
    for (const Misfire& misfire : game.misfires) misfires.push_back(MisfireEntry(misfire));
    const nlohmann::ordered_json line = {
        {"time", time},
        {"dictionary", game.dictionary},
        {"mode", ModeName(game.mode)},
        {"pace", game.pace},
        {"words_complete", game.wordsComplete},
        {"score", game.score},
        {"shot", std::move(shot)},
        {"missed", std::move(missed)},
        {"seconds", Seconds(game.lengthMs)},
        {"words", std::move(words)},
        {"misfires", std::move(misfires)},
    };
    // Text that is not UTF-8 after all becomes U+FFFD rather than losing the game.
    return line.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

std::string HistoryTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[40];
    // %z gives +0100; ISO 8601 writes +01:00.
    size_t length = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &local);
    const std::string_view time(text, length);
    if (time.size() < 2) return std::string(time);
    return std::string(time.substr(0, time.size() - 2)) + ":" +
           std::string(time.substr(time.size() - 2));
}

std::chrono::sys_days HistoryToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return std::chrono::sys_days(std::chrono::year(local.tm_year + 1900) /
                                 std::chrono::month(static_cast<unsigned>(local.tm_mon + 1)) /
                                 std::chrono::day(static_cast<unsigned>(local.tm_mday)));
}

}  // namespace lexo
