#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <QTimer>

namespace lexo {
namespace {

// The pace of the whole game lives in these six timers: a changed interval or a timer running
// too early changes what a player sees.
TEST(MainWindow, TheSixTimersStartWithTheirIntervalsAndStates) {
    GameState state;
    EngineLibrary library;
    TForm1 form(state, library);

    struct Expected {
        TimerId id;
        int interval;
        bool running;
    };
    for (const Expected& expected :
         {Expected{TimerId::TimerAdd, 2200, false}, Expected{TimerId::TimerMove, 40, false},
          Expected{TimerId::TimerAnimat, 120, false},
          Expected{TimerId::TimerDethAnimat, 140, false}, Expected{TimerId::TimerGame, 140, true},
          Expected{TimerId::Game, 55, true}}) {
        const QTimer* timer = form.Timer(expected.id);
        SCOPED_TRACE(static_cast<int>(expected.id));
        ASSERT_NE(timer, nullptr);
        EXPECT_EQ(timer->interval(), expected.interval);
        EXPECT_EQ(timer->isActive(), expected.running);
        EXPECT_FALSE(timer->isSingleShot());
        EXPECT_EQ(timer->timerType(), Qt::PreciseTimer);
    }
}

}  // namespace
}  // namespace lexo
