#pragma once

class TDeck;

// The suits a game is dealt in. The deck always holds its 104 cards with
// their indices; what changes is the suit each card shows and plays as:
// four suits as printed (the classic game), two suits (Hearts for the
// thirteen-card blocks of an even number, index div 13, Spades for the odd
// ones), or one suit (all Spades).
inline constexpr int ClassicSuits = 4;

// 1, 2 or 4.
bool ValidSuitCount(int suits);
// The suit (0 Hearts .. 3 Spades) card `index` plays as in a game of `suits` suits.
int PlayedSuit(int index, int suits);
// Gives every card of the deck its suit, name and face for a game of `suits` suits.
void SetDeckSuits(TDeck& deck, int suits);
