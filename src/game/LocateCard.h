#pragma once

#include <QString>
#include <QStringList>

#include "game/GameTypes.h"

// What the player is told about where a card lies: one message for every
// face-up copy in the columns, or else the error text for the error panel.
struct TLocateAnswer {
  QStringList Messages;
  QString Error;
};

// Looks for the face-up copies of a rank (0 Ace .. 12 King) and suit among
// the columns, column by column and from the top slot down. A copy's
// position counts only the face-up cards of its column; cards on the home
// piles and in the stock are not visible.
TLocateAnswer LocateCard(const TTable& table, int rank, int suit);
