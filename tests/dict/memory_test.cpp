#include <gtest/gtest.h>

#include <vector>

#include "history/fsrs.h"
#include "history/memory_states.h"

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

}  // namespace
}  // namespace lexo
