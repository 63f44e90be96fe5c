#pragma once

#include <array>

#include "fireworks/Rocket.h"

inline constexpr int WinnerRocketCount = 4;
using TWinnerRockets = std::array<TRocket, WinnerRocketCount>;

// The four rockets of a celebration, launched in this order: Basic rockets
// with their own burst colours, launch forces and fuses.
TWinnerRockets InitWinnerRockets();
