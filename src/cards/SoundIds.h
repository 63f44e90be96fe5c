#pragma once

// The game's sound effects by number, as the game requests them.
enum TSoundId {
  sndMoveTo = 0,     // a card or run moves; looping while a suit travels home
  sndDeal = 1,       // looping while cards are dealt
  sndError = 2,      // an error is reported
  sndMoveHome = 3,   // not requested by the game
  sndPlayCard = 4,   // a card is picked up
  sndStartMove = 5,  // a picked-up card starts to follow the pointer
  sndUndo = 6,       // an undo step starts
  sndWinner = 7,     // the fireworks reach their fifth salvo
  sndBlast = 8,      // not requested by the game
  sndRocket = 9,     // each of the first four rocket salvos
};

inline constexpr const char* SoundNames[] = {"MOVETO",    "DEAL", "ERROR",  "MOVEHOME", "PLAYCARD",
                                             "STARTMOVE", "UNDO", "WINNER", "BLAST",    "ROCKET"};
