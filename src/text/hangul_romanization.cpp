#include "text/hangul_romanization.h"

#include <array>
#include <cstdint>
#include <vector>

namespace lexo {
namespace {

constexpr char16_t kFirstSyllable = 0xAC00;
constexpr char16_t kLastSyllable = 0xD7A3;
constexpr int kVowels = 21;
constexpr int kFinals = 28;

// Initial consonants by their index in the syllable block, and the letters they are written.
enum Initial : int8_t {
    G,
    KK,
    N,
    D,
    TT,
    R,
    M,
    B,
    PP,
    S,
    SS,
    Silent,
    J,
    JJ,
    CH,
    K,
    T,
    P,
    H,
};
constexpr std::array<const char*, 19> kInitialLetters = {"g",  "kk", "n", "d",  "tt", "r", "m",
                                                         "b",  "pp", "s", "ss", "",   "j", "jj",
                                                         "ch", "k",  "t", "p",  "h"};
constexpr std::array<const char*, kVowels> kVowelLetters = {
    "a",  "ae", "ya", "yae", "eo", "e",  "yeo", "ye", "o",  "wa", "wae",
    "oe", "yo", "u",  "wo",  "we", "wi", "yu",  "eu", "ui", "i"};
constexpr int kVowelI = 20;

// The sound a final consonant is heard as before another consonant or at the word's end.
enum Sound : int8_t { None, Sk, Sn, St, Sl, Sm, Sp, Sng };
constexpr std::array<const char*, 8> kSoundLetters = {"", "k", "n", "t", "l", "m", "p", "ng"};

struct Final {
    Sound sound;     // heard before a consonant
    Sound kept;      // what stays when a vowel follows
    int8_t carried;  // the initial the vowel takes over, Silent for none
};
// ㄱ ㄲ ㄳ ㄴ ㄵ ㄶ ㄷ ㄹ ㄺ ㄻ ㄼ ㄽ ㄾ ㄿ ㅀ ㅁ ㅂ ㅄ ㅅ ㅆ ㅇ ㅈ ㅊ ㅋ ㅌ ㅍ ㅎ, after "none".
constexpr std::array<Final, kFinals> kFinalsTable = {{
    {None, None, Silent}, {Sk, None, G},      {Sk, None, KK},     {Sk, Sk, S},    {Sn, None, N},
    {Sn, Sn, J},          {Sn, None, N},      {St, None, D},      {Sl, None, R},  {Sk, Sl, G},
    {Sm, Sl, M},          {Sl, Sl, B},        {Sl, Sl, S},        {Sl, Sl, T},    {Sp, Sl, P},
    {Sl, None, R},        {Sm, None, M},      {Sp, None, B},      {Sp, Sp, S},    {St, None, S},
    {St, None, SS},       {Sng, Sng, Silent}, {St, None, J},      {St, None, CH}, {Sk, None, K},
    {St, None, T},        {Sp, None, P},      {St, None, Silent},
}};
constexpr int kFinalH = 27;

struct Syllable {
    int initial;
    int vowel;
    int final;
};

std::vector<Syllable> Syllables(std::u16string_view text) {
    std::vector<Syllable> out;
    for (char16_t c : text) {
        if (c < kFirstSyllable || c > kLastSyllable) continue;
        const int index = c - kFirstSyllable;
        out.push_back({index / (kVowels * kFinals), index / kFinals % kVowels, index % kFinals});
    }
    return out;
}

// The final's sound and the next initial after they meet; the final's "h" (ㅎ, ㄶ, ㅀ)
// aspirates or doubles what follows.
void Assimilate(int final, Sound& sound, int& next, int nextVowel) {
    const bool h = final == kFinalH || final == 6 || final == 15;
    if (h) {
        if (next == G || next == D || next == J) {
            next = next == G ? K : next == D ? T : CH;
            sound = kFinalsTable[final].kept;
            return;
        }
        if (next == S) {
            next = SS;
            sound = kFinalsTable[final].kept;
            return;
        }
        if (next == N && final == kFinalH) sound = Sn;
    }
    if (next == H && (sound == Sk || sound == St || sound == Sp)) {
        // 굳히다: ㄷ and ㅎ before 이 are heard as ㅊ, as ㅈ and ㅎ are.
        const bool ch = final == 22 || (sound == St && nextVowel == kVowelI);
        next = sound == Sk ? K : sound == Sp ? P : ch ? CH : T;
        sound = None;
        return;
    }
    const bool nasal = next == N || next == M;
    if (next == R) {
        if (sound == Sn || sound == Sl) {
            sound = Sl;
            return;  // written "ll": the initial stays "r" and is written "l" below
        }
        next = N;
    }
    if (nasal || next == N) {
        if (sound == Sk) sound = Sng;
        if (sound == St) sound = Sn;
        if (sound == Sp) sound = Sm;
        if (sound == Sl && next == N) next = R;
    }
}

}  // namespace

std::string RevisedRomanization(std::u16string_view text) {
    std::vector<Syllable> syllables = Syllables(text);
    std::string out;
    Sound heard = None;  // the previous syllable's final as written
    for (size_t i = 0; i < syllables.size(); ++i) {
        const Syllable& here = syllables[i];
        Syllable* next = i + 1 < syllables.size() ? &syllables[i + 1] : nullptr;
        // ㄹ after an "l" is written "l" too (빨리: ppalli).
        out += here.initial == R && heard == Sl ? "l" : kInitialLetters[here.initial];
        out += kVowelLetters[here.vowel];
        const Final& final = kFinalsTable[here.final];
        heard = final.sound;
        if (next != nullptr && next->initial == Silent) {
            // A vowel follows: the final, or its second consonant, begins the next syllable.
            heard = final.kept;
            int carried = final.carried;
            // 같이, 굳이: ㄷ and ㅌ before 이 are heard as ㅈ and ㅊ.
            if (next->vowel == kVowelI && (carried == D || carried == T)) {
                carried = carried == D ? J : CH;
            }
            next->initial = carried;
        } else if (next != nullptr && here.final != 0) {
            Assimilate(here.final, heard, next->initial, next->vowel);
        }
        out += kSoundLetters[heard];
    }
    return out;
}

}  // namespace lexo
