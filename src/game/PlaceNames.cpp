// What a screen reader says of each place of the table: the stock's deals,
// a column's hidden count and face-up cards, a home pile's suit.

#include <QStringList>

#include "cards/Card.h"
#include "cards/CardNames.h"
#include "game/GameEngine.h"

namespace {

constexpr int CardsPerDeal = Columns;

// "Spades", from the card names.
QString SuitWord(int suit) {
  return LongName(0, suit).section(QStringLiteral(" of "), 1);
}

QString StockText(int stockCards, bool dealt) {
  if (!dealt)
    return QStringLiteral("no game dealt");
  const int deals = stockCards / CardsPerDeal;
  if (deals == 0)
    return QStringLiteral("no deals left");
  if (deals == 1)
    return QStringLiteral("1 deal left");
  return QStringLiteral("%1 deals left").arg(deals);
}

}  // namespace

QString TGameEngine::PlaceName(int place) const {
  const int c = ColumnOfPlace(place);
  const int home = HomeOfPlace(place);
  if (c >= 0) {
    QStringList parts;
    int hidden = 0;
    for (int r = 0; r < PileSlots && Table.Slot(c, r) != nullptr; ++r) {
      const TCard* card = Table.Slot(c, r);
      if (card->FaceUp)
        parts << card->LongName();
      else
        ++hidden;
    }
    if (hidden > 0)
      parts.prepend(QStringLiteral("%1 face down").arg(hidden));
    if (parts.isEmpty())
      parts << QStringLiteral("empty");
    return QStringLiteral("Column %1: ").arg(c + 1) + parts.join(QStringLiteral(", "));
  }
  if (home >= 0) {
    int count = 0;
    const TCard* card = nullptr;
    for (int s = 0; s < HomeSlots; ++s) {
      if (Table.HomeSlot(home, s) != nullptr) {
        card = Table.HomeSlot(home, s);
        ++count;
      }
    }
    const QString text = card == nullptr ? QStringLiteral("empty")
                         : count == HomeSlots
                             ? SuitWord(card->Suit) + QStringLiteral(", full")
                             : SuitWord(card->Suit) + QStringLiteral(", %1 cards").arg(count);
    return QStringLiteral("Home %1: ").arg(home + 1) + text;
  }
  return QStringLiteral("Stock: ") + StockText(FDeck->Shuffler().ShuffleIndex(), CardsDealt);
}

// The framed card of a column, which Enter would pick with the cards on it.
QString TGameEngine::FocusDescription() const {
  const TKeyFocus focus = SettledFocus(FKeyFocus);
  const int c = ColumnOfPlace(focus.Place);
  const TCard* card = c >= 0 ? Table.Slot(c, focus.Row) : nullptr;
  if (card == nullptr || !card->FaceUp)
    return {};
  const int above = Table.LastRow(c) - focus.Row;
  QString text = QStringLiteral("Frame on ") + card->LongName();
  if (above == 1)
    text += QStringLiteral(" and 1 card on it");
  else if (above > 1)
    text += QStringLiteral(" and %1 cards on it").arg(above);
  return text;
}

QRect TGameEngine::PlaceRect(int place) const {
  const int c = ColumnOfPlace(place);
  const int home = HomeOfPlace(place);
  if (home >= 0)
    return {HomePoint(home), FDeck->CardSize()};
  if (c < 0)
    return DealRect;
  const QPoint bottom =
      SlotPoint(c, Table.LastRow(c)) + QPoint(FDeck->CardWidth(), FDeck->CardHeight());
  return QRect(SlotPoint(c, 0), bottom - QPoint(1, 1));
}
