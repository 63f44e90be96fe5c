#pragma once

#include <vector>

#include "cards/SoundSynth.h"

// How each of the game's sound effects is made.
namespace SoundRecipes {

// The channels of sound number 0..9 (TSoundId) at SoundSynth::SampleRate:
// one, or two (left, right) for STARTMOVE; none for other numbers.
std::vector<SoundSynth::TSignal> Synthesise(int sound);

}  // namespace SoundRecipes
