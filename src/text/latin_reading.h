#pragma once

#include <unicode/translit.h>

#include <memory>
#include <string>
#include <string_view>

namespace lexo {

// A dictionary's optional file of readings: the line of a word's readings for each line of
// names.txt, alternatives separated by two spaces as in translations.
inline constexpr const char* kReadingsFile = "readings.txt";

// The Latin readings by which a word in a script the player may have no keyboard for is also
// hit: pinyin without tones for Chinese, romaji for kana, ICU's and the Revised Romanization
// for Hangul, ICU's romanisation for Georgian and Armenian. Words with a letter of Arabic,
// Hebrew, Devanagari or Thai, and Japanese that mixes kanji and kana, get none from here: no
// rule gives the reading a learner is taught, so a dictionary's readings.txt gives it.
// Transliterators are slow to make and to run: a reader is made for a dictionary's loading,
// and the game never runs one while it plays.
class LatinReader {
  public:
    LatinReader();
    ~LatinReader();
    LatinReader(const LatinReader&) = delete;
    LatinReader& operator=(const LatinReader&) = delete;

    // The readings of every alternative of the line and of the line `given` (alternatives as
    // in translations), in reading form, separated by one space, each once; empty for a line
    // of Latin, Greek or Cyrillic with nothing given. Given readings of Han replace the
    // pinyin, which Japanese kanji do not have.
    std::string Readings(std::string_view line, std::string_view given = {});

  private:
    void AddReadingsOf(std::string_view word, bool hanGiven, std::string& readings);

    std::unique_ptr<icu::Transliterator> anyLatin_;
    bool failed_ = false;
};

}  // namespace lexo
