#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <vector>

#include "dict/commands.h"
#include "history/fsrs.h"
#include "history/memory_fit.h"
#include "history/memory_states.h"
#include "temp_dir.h"

namespace lexo {
namespace {

// States fsrs-rs gives the same reviews with its default parameters, printed by
// tools/fsrs_reference.mjs from @open-spaced-repetition/binding 0.5.0. R seven days after the
// last review is the published curve on the binding's stability, which it does not expose.
struct Reference {
    std::vector<std::pair<int, int>> reviews;  // rating, days since the previous
    double stability;
    double difficulty;
    double r7;
};

TEST(Fsrs, MatchesFsrsRsOnTheSameReviews) {
    const Reference references[] = {
        {{{1, 0}}, 0.21199999749660492, 6.413300037384033, 0.5822354036489902},
        {{{2, 0}}, 1.2930999994277954, 5.112170696258545, 0.752779495737304},
        {{{3, 0}}, 2.30649995803833, 2.1181039810180664, 0.8083099385404029},
        {{{4, 0}}, 8.295599937438965, 1, 0.9112367723668454},
        // A lapse ten days on.
        {{{3, 0}, {3, 3}, {1, 10}}, 1.6661410331726074, 7.392237663269043, 0.7774041739683957},
        // The same day again and again.
        {{{3, 0}, {3, 0}, {4, 0}, {1, 0}},
         1.280009388923645,
         7.026989459991455,
         0.7517855201143874},
        // A long gap.
        {{{2, 0}, {3, 1}, {3, 400}}, 70.44424438476562, 5.092412948608398, 0.9857680144447741},
        {{{1, 0}, {1, 2}, {3, 1}, {4, 30}, {2, 90}},
         27.31888771057129,
         8.906171798706055,
         0.9660339121698261},
    };
    const FsrsParameters& w = kDefaultFsrsParameters;
    for (const Reference& reference : references) {
        std::vector<WordReview> reviews;
        std::chrono::sys_days day{};
        for (const auto& [rating, gap] : reference.reviews) {
            day += std::chrono::days(gap);
            reviews.push_back({static_cast<Rating>(rating), day});
        }
        const MemoryState state = MemoryAfter(w, reviews);
        const size_t n = reference.reviews.size();
        EXPECT_NEAR(state.stability, reference.stability, reference.stability * 0.005) << n;
        EXPECT_NEAR(state.difficulty, reference.difficulty, 0.01) << n;
        EXPECT_NEAR(Retrievability(w, 7, state.stability), reference.r7, 0.005) << n;
    }
}

// Words reviewed every few days by a learner who forgets faster than the defaults expect.
std::vector<WordHistory> LearnerReviews(size_t words) {
    FsrsParameters learner = kDefaultFsrsParameters;
    learner[8] = 1.2;
    learner[20] = 0.4;
    std::mt19937 random(7);
    std::uniform_real_distribution<double> chance(0, 1);
    std::vector<WordHistory> histories(words);
    for (WordHistory& word : histories) {
        std::chrono::sys_days day{};
        MemoryState state = FirstMemory(learner, Rating::Good);
        word.reviews.push_back({Rating::Good, day});
        for (int gap : {1, 3, 7, 15}) {
            day += std::chrono::days(gap);
            const bool recalled = chance(random) < Retrievability(learner, gap, state.stability);
            const Rating rating = recalled ? Rating::Good : Rating::Again;
            state = NextMemory(learner, state, gap, rating);
            word.reviews.push_back({rating, day});
        }
    }
    return histories;
}

TEST(MemoryFit, LowersTheLogLossOfTheReviewsItFits) {
    const std::vector<WordHistory> words = LearnerReviews(kFewestFitReviews / 4);
    const MemoryReviews reviews(words);
    ASSERT_EQ(reviews.Count(), kFewestFitReviews);
    const Prediction before = reviews.Evaluate(kDefaultFsrsParameters);
    const Prediction after = reviews.Evaluate(FitParameters(reviews));
    EXPECT_LT(after.logLoss, before.logLoss - 0.01);
    EXPECT_LT(after.rmseBins, before.rmseBins);
}

// Words whose first review is always Good cannot tell the initial difficulty (w4) from its
// change with the grade (w5): the fit keeps both within fsrs-rs's spread of their defaults
// instead of trading one against the other.
TEST(MemoryFit, KeepsWhatTheReviewsCannotTellApartNearTheDefaults) {
    const std::vector<WordHistory> words = LearnerReviews(kFewestFitReviews / 4);
    const FsrsParameters fitted = FitParameters(MemoryReviews(words));
    EXPECT_NEAR(fitted[4], kDefaultFsrsParameters[4], 0.57);
    EXPECT_NEAR(fitted[5], kDefaultFsrsParameters[5], 0.28);
}

// One review short of the minimum, the command refuses and keeps nothing.
TEST(MemoryFit, RefusesBelowTheFewestReviews) {
    const test::TempDir dir;
    std::string history;
    // Two words a game, each day: every game after the first adds two counted reviews.
    for (size_t day = 0; day <= kFewestFitReviews / 2; ++day) {
        const auto date = std::chrono::sys_days(std::chrono::days(20000 + day));
        history += R"({"time":")" + FormatHistoryDay(date) +
                   R"(T18:00:00Z","dictionary":"d","mode":"words","pace":40,)"
                   R"("words_complete":1,"score":1,"shot":["a"],"missed":[)" +
                   (day == kFewestFitReviews / 2 ? "" : R"({"word":"b","translation":"x"})") +
                   "]}\n";
    }
    const std::string path = dir.File("history.jsonl");
    std::ofstream(path, std::ios::binary) << history;
    ::testing::internal::CaptureStderr();
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(dict::RunMemory({"--fit", "--history", path}), dict::kTooFewReviews);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("399 reviews"), std::string::npos);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
}

}  // namespace
}  // namespace lexo
