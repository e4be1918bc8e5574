#include "text/answer_text.h"

#include "text/unicode_text.h"

namespace lexo {
namespace {

// Readings are kept in reading form, one space between them.
template <typename Test>
bool AnyReading(std::string_view readings, Test test) {
    bool found = false;
    while (!found && !readings.empty()) {
        const size_t end = readings.find(' ');
        found = test(readings.substr(0, end));
        readings.remove_prefix(end == std::string_view::npos ? readings.size() : end + 1);
    }
    return found;
}

}  // namespace

std::string ReadingForm(std::string_view utf8) {
    std::string form = MatchForm(utf8);
    std::erase_if(form, [](char c) { return c == ' ' || c == '-' || c == '\''; });
    return form;
}

AnswerText::AnswerText(std::string_view typed)
    : plain_(MatchForm(typed)),
      spelled_(UmlautSpelledMatchForm(typed)),
      reading_(ReadingForm(typed)) {}

bool AnswerText::IsWholeOf(std::string_view entry, std::string_view readings) const {
    bool found = false;
    ForEachAlternative(entry, [&](std::string_view alternative) {
        if (found) return;
        const std::string plain = MatchForm(alternative);
        const std::string spelled = UmlautSpelledMatchForm(alternative);
        found = plain == plain_ || plain == spelled_ || (!spelled.empty() && spelled == plain_);
    });
    return found || (!reading_.empty() &&
                     AnyReading(readings, [&](std::string_view r) { return r == reading_; }));
}

bool AnswerText::IsPartOf(std::string_view entry, std::string_view readings) const {
    const std::string plain = MatchForm(entry);
    const std::string spelled = UmlautSpelledMatchForm(entry);
    const auto holds = [](const std::string& text, const std::string& part) {
        return !part.empty() && text.find(part) != std::string::npos;
    };
    return holds(plain, plain_) || holds(plain, spelled_) || holds(spelled, plain_) ||
           (!reading_.empty() &&
            AnyReading(readings, [&](std::string_view r) { return r.find(reading_) != r.npos; }));
}

}  // namespace lexo
