#include "ui/dialogs/DebugCells.h"

#include "cards/Card.h"
#include "cards/Deck.h"
#include "game/GameEngine.h"

namespace {

// The heading cells shared by both slot grids.
QString HeadingText(int col, int row) {
  if (col == 0 && row == 0)
    return QStringLiteral("#");
  return QString::number(row == 0 ? col : row);
}

template <size_t Piles, size_t Slots>
const TCard* RecordCard(const std::array<std::array<TUndoInfo, Slots>, Piles>& places, int pile,
                        int slot) {
  return places[static_cast<size_t>(pile)][static_cast<size_t>(slot)].Card;
}

}  // namespace

QString CardLabel(const TCard* card) {
  if (card == nullptr)
    return QStringLiteral("nil");
  return card->Name + QStringLiteral(" (") + QString::number(card->Index) + QStringLiteral(") ") +
         (card->FaceUp ? QStringLiteral("+") : QStringLiteral("-"));
}

const TUndoItem* ShownUndoRecord(const TGameEngine& engine) {
  if (engine.UndoIndex == engine.UndoFloor || engine.UndoBuffer.empty())
    return nullptr;
  const int previous = engine.UndoIndex == 0 ? UndoSize - 1 : engine.UndoIndex - 1;
  return &engine.UndoBuffer[static_cast<size_t>(previous)];
}

QString HomeGridText(const TGameEngine& engine, bool undo, int col, int row) {
  if (col == 0 || row == 0)
    return HeadingText(col, row);
  if (col > HomePiles || row > HomeSlots)
    return QString();
  if (!undo)
    return CardLabel(engine.Table.HomeSlot(col - 1, row - 1));
  const TUndoItem* record = ShownUndoRecord(engine);
  return CardLabel(record != nullptr ? RecordCard(record->Home, col - 1, row - 1) : nullptr);
}

QString PileGridText(const TGameEngine& engine, bool undo, int col, int row) {
  if (col == 0 || row == 0)
    return HeadingText(col, row);
  if (col > Columns || row > PileSlots)
    return QString();
  if (!undo)
    return CardLabel(engine.Table.Slot(col - 1, row - 1));
  const TUndoItem* record = ShownUndoRecord(engine);
  return CardLabel(record != nullptr ? RecordCard(record->Pile, col - 1, row - 1) : nullptr);
}

QString DeckGridText(const TDeck& deck, int col, int row) {
  static const char* const Headings[] = {"#", "Name", "Index", "Face Up", "Position", "Visible"};
  if (row == 0)
    return col < 6 ? QString::fromLatin1(Headings[col]) : QString();
  if (row > deck.CardCount())
    return QString();
  const TCard& card = deck.Card(row - 1);
  switch (col) {
    case 0:
      return QString::number(row);
    case 1:
      return card.Name;
    case 2:
      return QString::number(card.Index);
    case 3:
      return card.FaceUp ? QStringLiteral("Up") : QStringLiteral("Down");
    case 4:
      return QStringLiteral("X: ") + QString::number(card.Position.x()) + QStringLiteral(" Y: ") +
             QString::number(card.Position.y());
    case 5:
      return card.Visible ? QStringLiteral("Yes") : QStringLiteral("No");
    default:
      return QString();
  }
}
