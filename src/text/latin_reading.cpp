#include "text/latin_reading.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>
#include <unicode/uscript.h>

#include "text/answer_text.h"
#include "text/hangul_romanization.h"

namespace lexo {
namespace {

// Which of the scripts with a reading rule a word holds.
struct WordScripts {
    bool han = false;
    bool kana = false;
    bool hangul = false;
    bool romanised = false;  // Georgian or Armenian
    bool taught = false;     // a script whose reading only a dictionary can give
    bool other = false;      // anything beyond Latin, Greek, Cyrillic and the above
};

WordScripts ScriptsOf(const icu::UnicodeString& word) {
    WordScripts scripts;
    for (int32_t i = 0; i < word.length(); i = word.moveIndex32(i, 1)) {
        UErrorCode status = U_ZERO_ERROR;
        switch (uscript_getScript(word.char32At(i), &status)) {
            case USCRIPT_COMMON:
            case USCRIPT_INHERITED:
            case USCRIPT_LATIN:
            case USCRIPT_GREEK:
            case USCRIPT_CYRILLIC: break;
            case USCRIPT_HAN: scripts.han = true; break;
            case USCRIPT_HIRAGANA:
            case USCRIPT_KATAKANA: scripts.kana = true; break;
            case USCRIPT_HANGUL: scripts.hangul = true; break;
            case USCRIPT_GEORGIAN:
            case USCRIPT_ARMENIAN: scripts.romanised = true; break;
            case USCRIPT_ARABIC:
            case USCRIPT_HEBREW:
            case USCRIPT_DEVANAGARI:
            case USCRIPT_THAI: scripts.taught = true; break;
            default: scripts.other = true; break;
        }
    }
    return scripts;
}

// Kana readings spell long vowels as written ("gakkou"); textbooks write them short or with a
// macron ("gakkō"), which is typed short. The prolonged sound mark is typed as nothing.
std::string ShortVowels(std::string reading) {
    for (const char* pair : {"ou", "uu", "oo"}) {
        for (size_t at = reading.find(pair); at != std::string::npos; at = reading.find(pair, at)) {
            reading.erase(at + 1, 1);
        }
    }
    return reading;
}

// Whether the UTF-8 text holds only characters below U+0500 (Latin, Greek, Cyrillic), which
// have no reading: the lead byte of every later character is 0xD4 or more. Most lists are
// told so without Unicode tables.
bool BelowOtherScripts(std::string_view utf8) {
    for (char c : utf8) {
        if (static_cast<unsigned char>(c) >= 0xD4) return false;
    }
    return true;
}

bool IsReadingText(std::string_view reading) {
    for (char c : reading) {
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
    }
    return !reading.empty();
}

void AddReading(const std::string& reading, std::string& readings) {
    if (reading.empty()) return;
    std::string_view rest = readings;
    while (!rest.empty()) {
        const size_t end = rest.find(' ');
        if (rest.substr(0, end) == reading) return;
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    if (!readings.empty()) readings += ' ';
    readings += reading;
}

}  // namespace

LatinReader::LatinReader() = default;
LatinReader::~LatinReader() = default;

std::string LatinReader::Readings(std::string_view line, std::string_view given) {
    if (given.empty() && BelowOtherScripts(line)) return std::string();
    std::string readings;
    // A reading given for kanji is the one taught: ICU's would be Mandarin.
    const bool hanGiven = !given.empty();
    ForEachAlternative(line,
                       [&](std::string_view word) { AddReadingsOf(word, hanGiven, readings); });
    // A given reading is kept as written, in reading form, whatever letters it holds.
    ForEachAlternative(
        given, [&](std::string_view reading) { AddReading(ReadingForm(reading), readings); });
    return readings;
}

void LatinReader::AddReadingsOf(std::string_view word, bool hanGiven, std::string& readings) {
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(
        icu::StringPiece(word.data(), static_cast<int32_t>(word.size())));
    const WordScripts scripts = ScriptsOf(text);
    const bool ruled = scripts.han || scripts.kana || scripts.hangul || scripts.romanised;
    if (!ruled || scripts.taught || scripts.other || (scripts.han && scripts.kana)) return;
    if (scripts.han && hanGiven) return;
    if (scripts.hangul) {
        AddReading(RevisedRomanization(
                       std::u16string_view(text.getBuffer(), static_cast<size_t>(text.length()))),
                   readings);
    }
    if (!anyLatin_ && !failed_) {
        UErrorCode status = U_ZERO_ERROR;
        anyLatin_.reset(icu::Transliterator::createInstance("Any-Latin", UTRANS_FORWARD, status));
        failed_ = U_FAILURE(status) || !anyLatin_;
    }
    if (failed_) return;
    icu::UnicodeString latin(text);
    anyLatin_->transliterate(latin);
    latin.findAndReplace(u"ー", u"");
    std::string utf8;
    const std::string reading = ReadingForm(latin.toUTF8String(utf8));
    // Letters the transliterator left as they were make no reading.
    if (!IsReadingText(reading)) return;
    AddReading(reading, readings);
    if (scripts.kana) AddReading(ShortVowels(reading), readings);
}

}  // namespace lexo
