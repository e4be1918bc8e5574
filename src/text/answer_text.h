#pragma once

#include <string>
#include <string_view>

namespace lexo {

// A typed answer in the forms it is compared in with the entries on the field: its match form,
// the same with umlauts spelled out, and its reading form (for the Latin readings of words in
// other scripts, which are kept without blanks so that syllables may be typed joined or
// spaced).
class AnswerText {
  public:
    explicit AnswerText(std::string_view typed);

    // Nothing to compare: no text, or only marks.
    bool Empty() const { return plain_.empty(); }

    // Whether the answer is one whole alternative of the entry (alternatives are separated by
    // two spaces) or one whole reading of it.
    bool IsWholeOf(std::string_view entry, std::string_view readings) const;

    // Whether the answer is a part of the entry or of one of its readings.
    bool IsPartOf(std::string_view entry, std::string_view readings) const;

  private:
    std::string plain_;
    std::string spelled_;  // empty when the answer has no umlaut
    std::string reading_;
};

// The form in which a Latin reading is compared: the match form without blanks, hyphens and
// apostrophes ("Xī'ān" as "xian").
std::string ReadingForm(std::string_view utf8);

// The alternatives of a line, separated by two spaces, in order; a line without them is one.
template <typename Visit>
void ForEachAlternative(std::string_view line, Visit visit) {
    constexpr std::string_view kSeparator = "  ";
    for (;;) {
        const size_t end = line.find(kSeparator);
        visit(line.substr(0, end));
        if (end == std::string_view::npos) return;
        line.remove_prefix(end + kSeparator.size());
    }
}

}  // namespace lexo
