#include "dict/read/apkg_notes.h"

#include <algorithm>
#include <set>
#include <vector>

#include "dict/read/html_text.h"
#include "text/str_to_int.h"

namespace lexo::dict {
namespace {

constexpr char kFieldSeparator = '\x1F';
constexpr std::string_view kDeckSeparator = "::";

// Field `number` (from 1) of a note's fields; empty when the note has fewer.
std::string_view FieldOf(std::string_view fields, size_t number) {
    size_t start = 0;
    for (size_t field = 1; field < number; ++field) {
        start = fields.find(kFieldSeparator, start);
        if (start == std::string_view::npos) return {};
        ++start;
    }
    return fields.substr(start, fields.find(kFieldSeparator, start) - start);
}

// The field's text without its [sound:…] references; the HTML reduction drops pictures with
// every other tag.
std::string FieldText(std::string_view html) {
    if (html.find("[sound:") == std::string_view::npos) return ReduceHtml(html);
    std::string kept;
    for (size_t start = 0; start < html.size();) {
        const size_t sound = html.find("[sound:", start);
        const size_t end = sound == std::string_view::npos ? sound : html.find(']', sound);
        kept += html.substr(start, end == std::string_view::npos ? end : sound - start);
        start = end == std::string_view::npos ? html.size() : end + 1;
    }
    return ReduceHtml(kept);
}

bool InDeck(std::string_view name, std::string_view deck) {
    return name == deck || (name.starts_with(deck) && name.substr(deck.size()).starts_with("::"));
}

// The parts of a deck's name: "School::Animals" is School, Animals.
std::vector<std::string_view> PartsOf(std::string_view name) {
    std::vector<std::string_view> parts;
    for (size_t start = 0; start <= name.size();) {
        const size_t end = std::min(name.find(kDeckSeparator, start), name.size());
        parts.push_back(name.substr(start, end - start));
        start = end + kDeckSeparator.size();
    }
    return parts;
}

// The last part of the name the decks share ("School" for School::Animals and School::Food),
// or nothing when they share none.
std::optional<std::string> CommonTitle(const std::set<std::string>& names) {
    if (names.empty()) return std::nullopt;
    std::vector<std::string_view> common = PartsOf(*names.begin());
    for (const std::string& name : names) {
        const std::vector<std::string_view> parts = PartsOf(name);
        const auto [differ, unused] =
            std::mismatch(common.begin(), common.end(), parts.begin(), parts.end());
        common.erase(differ, common.end());
    }
    if (common.empty() || common.back().empty()) return std::nullopt;
    return std::string(common.back());
}

std::string Listed(const std::set<std::string>& names) {
    std::string listed;
    for (const std::string& name : names) listed += (listed.empty() ? "\"" : ", \"") + name + "\"";
    return Printable(listed, 200);
}

}  // namespace

std::optional<std::pair<size_t, size_t>> NoteFieldsNamed(std::string_view text) {
    const size_t comma = text.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const std::optional<int32_t> word = TryStrToInt(text.substr(0, comma));
    const std::optional<int32_t> translation = TryStrToInt(text.substr(comma + 1));
    if (!word || !translation || *word < 1 || *translation < 1 || *word == *translation)
        return std::nullopt;
    return std::pair<size_t, size_t>(*word, *translation);
}

ParsedInput NotesInput(const AnkiCollection& collection, const NoteChoice& choice,
                       const std::string& file, Diagnostics& found) {
    ParsedInput input;
    input.rowName = "note";
    auto deckOf = [&](const AnkiNote& note) {
        const auto deck = collection.decks.find(note.deck);
        return deck == collection.decks.end() ? std::string_view() : std::string_view(deck->second);
    };
    if (choice.deck &&
        std::none_of(collection.decks.begin(), collection.decks.end(),
                     [&](const auto& deck) { return InDeck(deck.second, *choice.deck); })) {
        std::set<std::string> names;
        for (const auto& [id, name] : collection.decks) names.insert(name);
        found.Error(
            file, 0,
            "no deck \"" + Printable(*choice.deck) + "\"; the package holds " + Listed(names));
        return input;
    }
    std::set<std::string> decks;  // those of the notes taken
    std::string_view lastDeck;
    size_t cloze = 0;
    size_t firstCloze = 0;
    for (const AnkiNote& note : collection.notes) {
        const std::string_view deck = deckOf(note);
        if (choice.deck && !InDeck(deck, *choice.deck)) continue;
        const auto line = static_cast<size_t>(note.id);
        if (collection.clozeTypes.contains(note.notetype)) {
            if (cloze++ == 0) firstCloze = line;
            continue;
        }
        // Notes of one deck mostly come together: a name is looked up again only when it changes.
        if (!deck.empty() && deck != lastDeck) decks.emplace(deck);
        lastDeck = deck;
        const std::string_view word =
            input.kept.emplace_back(FieldText(FieldOf(note.fields, choice.wordField)));
        const std::string_view translation =
            input.kept.emplace_back(FieldText(FieldOf(note.fields, choice.translationField)));
        input.entries.push_back({line, {}, word, translation, {}});
    }
    if (cloze > 0)
        found.Warning(file, firstCloze,
                      std::to_string(cloze) +
                          " cloze note(s) skipped: a cloze deletion has no word and translation");
    if (decks.size() > 1 && !choice.deck)
        found.Warning(file, 0,
                      std::to_string(decks.size()) + " decks taken together: " + Listed(decks) +
                          "; --deck NAME takes one");
    input.title = CommonTitle(decks);
    return input;
}

}  // namespace lexo::dict
