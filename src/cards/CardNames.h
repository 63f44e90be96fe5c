#pragma once

#include <QString>

// Rank and suit of a card index and the names players read: "AH", "10S",
// "Queen of Spades". Ranks 0..12 run Ace..King, suits 0..3 Hearts, Diamonds,
// Clubs, Spades; a second pack repeats the first 52 indices.
inline constexpr int RanksPerSuit = 13;
inline constexpr int SuitsPerPack = 4;
inline constexpr int CardsPerPack = RanksPerSuit * SuitsPerPack;

int RankOf(int index);
int SuitOf(int index);

// Short name of a rank and suit, such as "AH" or "10S".
QString ShortName(int rank, int suit);

// Long name such as "Queen of Spades"; expects a rank 0..12 and a suit 0..3
// and answers "??" for anything else.
QString LongName(int rank, int suit);
