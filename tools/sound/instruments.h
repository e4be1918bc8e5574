#pragma once

#include "synth.h"

namespace lexo {

// One note for an instrument: when it starts and how long it is held (seconds), its pitch as
// a MIDI note number, its loudness and its place between left (0) and right (1).
struct Note {
    float start;
    float length;
    float pitch;
    float gain;
    float pan;
};

// A soft flute for the tune: breathy attack, gentle vibrato on long notes.
void AddFlute(LoopTrack& track, const Note& note);
// A wooden mallet, for the broken chords.
void AddMallet(LoopTrack& track, const Note& note);
// A slow, warm pad for the held chords.
void AddPad(LoopTrack& track, const Note& note);
// A round plucked bass.
void AddBass(LoopTrack& track, const Note& note);
// A muffled kick drum; pitch is ignored.
void AddKick(LoopTrack& track, const Note& note);
// A light shaker; pitch is ignored.
void AddShaker(LoopTrack& track, const Note& note, uint32_t seed);

}  // namespace lexo
