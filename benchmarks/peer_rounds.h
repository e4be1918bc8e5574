#pragma once

#include "play_session.h"

namespace lexo::bench {

// The game and Debian's Tux Typing played by turns, each round on a fresh desktop: prints
// peer-cpu, peer-rss and peer-startup. False when the game could not be played; a peer that
// cannot be played is said so and is no failure.
bool BenchPeer(const Setting& setting);

}  // namespace lexo::bench
