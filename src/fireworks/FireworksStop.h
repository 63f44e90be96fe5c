#pragma once

// Raised by every left-button press anywhere in the program; the winner
// celebration clears it when it starts and stops when it sees it raised.
inline bool FireworksStopRequested = false;
