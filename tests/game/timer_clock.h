#pragma once

#include <functional>
#include <map>
#include <vector>

#include "errors/error_guard.h"
#include "fake_windows.h"
#include "game/game.h"

namespace lexo::testing {

// Fires the enabled timers of the fake windows on simulated time, one millisecond a step, with
// the classic timer rules: a timer counts its period from when it was enabled or given a new
// interval. Each handler runs under the error guard, as in the game.
class TimerClock {
  public:
    TimerClock(FakeWindows& windows, Game& game) : windows_(windows), game_(game) {}

    // Fires whatever is due at this millisecond; returns the timers fired.
    std::vector<TimerId> Step() {
        std::vector<TimerId> due;
        for (auto& [id, timer] : windows_.timers) {
            Seen& seen = seen_[id];
            if (!timer.enabled || !seen.enabled || timer.interval != seen.interval)
                seen.elapsed = 0;
            seen.enabled = timer.enabled;
            seen.interval = timer.interval;
            if (timer.enabled && ++seen.elapsed >= timer.interval) {
                seen.elapsed = 0;
                due.push_back(id);
            }
        }
        for (TimerId id : due) RunGuarded([&] { Fire(id); });
        return due;
    }

    // Steps until done() holds or the time limit passes, drawing a frame after every step that
    // fired a timer, as the game's idle moments do; returns whether done() held.
    bool RunUntil(const std::function<bool()>& done, int limitMs = 600000) {
        for (int ms = 0; ms < limitMs; ++ms) {
            if (done()) return true;
            if (!Step().empty()) game_.ApplicationEvents1Idle();
        }
        return done();
    }

  private:
    struct Seen {
        bool enabled = false;
        int32_t interval = 0;
        int32_t elapsed = 0;
    };

    void Fire(TimerId id) {
        switch (id) {
            case TimerId::TimerAdd: return game_.TimerAddTimer();
            case TimerId::TimerMove: return game_.TimerMoveTimer();
            case TimerId::TimerAnimat: return game_.TimerAnimatTimer();
            case TimerId::TimerDethAnimat: return game_.TimerDethAnimatTimer();
            case TimerId::TimerGame: return game_.TimerGameTimer();
            case TimerId::Game: return game_.GameTimer();
        }
    }

    FakeWindows& windows_;
    Game& game_;
    std::map<TimerId, Seen> seen_;
};

}  // namespace lexo::testing
