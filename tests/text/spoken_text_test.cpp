#include <gtest/gtest.h>

#include <string>

#include "text/dictionary_languages.h"

namespace lexo {
namespace {

// The phrase spoken for a word: its first alternative, cut to 32 characters (not bytes) at the
// last space within them, or at the 32nd character when there is none.
TEST(SpokenText, IsTheFirstAlternativeCutToThirtyTwoCharacters) {
    const struct {
        const char* word;
        const char* spoken;
    } cases[] = {
        {"кошка  кот", "кошка"},
        {"большая белая кошка", "большая белая кошка"},
        {"очень длинное русское предложение для проверки", "очень длинное русское"},
        {"достопримечательностьдостопримечательность", "достопримечательностьдостопримеч"},
        {"a brief phrase of thirty-two ch.", "a brief phrase of thirty-two ch."},
    };
    for (const auto& c : cases) EXPECT_EQ(SpokenText(c.word), c.spoken) << c.word;
}

}  // namespace
}  // namespace lexo
