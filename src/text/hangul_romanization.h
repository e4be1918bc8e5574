#pragma once

#include <string>
#include <string_view>

namespace lexo {

// Hangul in the Revised Romanization of Korean, as learners' textbooks and road signs write it
// ("학교" as "hakgyo", "한국어" as "hangugeo", "같이" as "gachi"): initials and finals by the
// published tables, a final consonant carried over to a following vowel, and the common
// assimilations between syllables (nasals, "ll", aspiration by ㅎ, palatalisation before 이).
// Not written: the sound changes that depend on the word's meaning or grammar (the "n" added
// in compounds, the unaspirated ㅎ of nouns such as 묵호). Characters other than Hangul
// syllables are left out. Lower case, without blanks.
std::string RevisedRomanization(std::u16string_view text);

}  // namespace lexo
