#pragma once

#include <signal.h>

namespace lexo::dict {

// Holds back the signals that end a command (Ctrl-C, SIGTERM, SIGHUP, SIGQUIT) while it lives,
// around a step that leaves temporary files until it finishes or removes them; a signal that
// came meanwhile ends the command as soon as it goes, with nothing left behind.
class HeldSignals {
  public:
    HeldSignals() {
        sigset_t ending;
        sigemptyset(&ending);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) sigaddset(&ending, signal);
        pthread_sigmask(SIG_BLOCK, &ending, &saved_);
    }
    ~HeldSignals() { pthread_sigmask(SIG_SETMASK, &saved_, nullptr); }
    HeldSignals(const HeldSignals&) = delete;
    HeldSignals& operator=(const HeldSignals&) = delete;

  private:
    sigset_t saved_;
};

}  // namespace lexo::dict
