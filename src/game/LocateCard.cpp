#include "game/LocateCard.h"

#include "cards/Card.h"
#include "cards/CardNames.h"

TLocateAnswer LocateCard(const TTable& table, int rank, int suit) {
  const QString title = QStringLiteral("The ") + LongName(rank, suit);
  TLocateAnswer answer;
  for (int c = 0; c < Columns; ++c) {
    int faceUp = 0;
    for (int r = 0; r < PileSlots; ++r) {
      const TCard* card = table.Slot(c, r);
      if (card == nullptr || !card->FaceUp)
        continue;
      ++faceUp;
      if (card->Rank == rank && card->Suit == suit)
        answer.Messages << title + QStringLiteral(" is in position ") + QString::number(faceUp) +
                               QStringLiteral(" of column ") + QString::number(c + 1);
    }
  }
  if (answer.Messages.isEmpty())
    answer.Error = title + QStringLiteral(" is not visible.");
  return answer;
}
