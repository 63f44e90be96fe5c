// Turning presses, moves and releases on the table into picks, drags,
// destinations, deals and auto-moves.

#include "cards/Card.h"
#include "cards/SoundIds.h"
#include "game/GameEngine.h"

TTablePos TGameEngine::HitTest(int x, int y) const {
  TTablePos pos;
  const int w = FDeck->CardWidth();
  const int h = FDeck->CardHeight();
  const int pitch = w + ColumnGap;
  // The column area runs from the first column's top-left to the last
  // column's right edge and the bottom of the table; on a table lower than
  // the columns' top it is empty.
  const bool inColumnArea = pitch > 0 && x >= PileOrigin.x() &&
                            x < PileOrigin.x() + Columns * pitch - 1 && y >= PileOrigin.y() &&
                            y < FTableSize.height();
  if (inColumnArea) {
    const int dx = x - PileOrigin.x();
    const int c = dx / pitch;
    if (dx < c * pitch + w) {
      const int step = std::max(PileStep[static_cast<size_t>(c)], 1);
      const int dy = y - PileOrigin.y();
      pos.Column = c;
      pos.Row = dy / step;
      const bool emptySlot = pos.Row >= PileSlots || Table.Slot(c, pos.Row) == nullptr;
      if (pos.Row > 0 && emptySlot) {
        const int last = Table.LastRow(c);
        if (dy < h + last * step)
          pos.Row = last;
      }
      pos.Card = pos.Row < PileSlots ? Table.Slot(c, pos.Row) : nullptr;
    }
  }
  const int home = HomeAt(QPoint(x, y));
  if (home >= 0) {
    pos.Column = home;
    pos.Row = -1;
    pos.Card = Table.HomeSlot(home, HomeSlots - 1);
  }
  return pos;
}

void TGameEngine::ClickAt(int x, int y) {
  if (DealRect.contains(x, y)) {
    if (CardsDealt)
      DealRow();
    else
      NewGame();
  } else if (CardsDealt && GameState != gsWon) {
    TableClick(x, y);
  }
  UpdateStatus();
}

void TGameEngine::TableClick(int x, int y) {
  if (SelectStage == 0) {
    for (const TTablePos& record : Selection)
      if (record.Card != nullptr)
        record.Card->Highlighted = false;
  }
  TTablePos& record = Selection[static_cast<size_t>(SelectStage)];
  record = HitTest(x, y);
  if (record.Card != nullptr && record.Card->FaceUp)
    record.Card->Highlighted = true;
  if (record.Column < 0 && record.Row < 0) {
    SelectStage = 0;
    ShowError(QStringLiteral("Not A Valid Card"));
    MoveDone = false;
    return;
  }
  if (SelectStage == 0)
    PickSource();
  else
    PlaceSelection();
}

void TGameEngine::PickSource() {
  if (RefusePick(Selection[0]))
    return;
  SelectStage = 1;
  FHost.PlaySound(sndPlayCard, false);
  Dragging = true;
  DragMoves = 0;
  CollectRun(Selection[0]);
}

void TGameEngine::CollectRun(const TTablePos& p) {
  DragCards.clear();
  for (int r = p.Row; r >= 0 && r < PileSlots && Table.Slot(p.Column, r) != nullptr; ++r)
    DragCards.push_back(Table.Slot(p.Column, r)->Index);
}

namespace {

// A point from outside, kept where a card may be placed.
void Bound(int& x, int& y) {
  const QPoint p = BoundedPosition({x, y});
  x = p.x();
  y = p.y();
}

}  // namespace

void TGameEngine::TableMouseDown(int buttons, int x, int y) {
  Bound(x, y);
  // A press during the celebration only ends it.
  if (Busy || FHost.FireworksRunning() || (buttons & (mbLeft | mbRight)) == 0)
    return;
  ClickAt(x, y);
  Redraw(true);
  const int pressed = FDeck->CardAt(QPoint(x, y));
  PressedCard = pressed >= 0 ? &FDeck->Card(pressed) : nullptr;
  if (PressedCard != nullptr)
    PressedPos = PressedCard->Position;
}

void TGameEngine::TableMouseMove(int x, int y) {
  Bound(x, y);
  if (!Dragging) {
    ShowCardUnderCursor(x, y);
    return;
  }
  if (DragMoves == 10)
    FHost.PlaySound(sndStartMove, false);
  if (DragMoves > 10)
    FDeck->PlaceCards(QPoint(x, y), DragCards, true);
  Redraw(true);
  ++DragMoves;
}

void TGameEngine::ShowCardUnderCursor(int x, int y) {
  const int index = FDeck->CardAt(QPoint(x, y));
  QString text = QStringLiteral("None");
  if (index >= 0 && FDeck->Card(index).Visible)
    text = FDeck->Card(index).FaceUp ? FDeck->Card(index).Name : QStringLiteral("Down");
  FHost.SetPanelText(CurCardDis, text);
}

void TGameEngine::TableMouseUp(int x, int y) {
  Bound(x, y);
  if (Busy || FHost.FireworksRunning())
    return;
  if (Dragging) {
    FDeck->PlaceCards(QPoint(x, y), DragCards, false);
    if (DragMoves > 10 && PressedCard != nullptr) {
      const QPoint start = PressedCard->Position;
      ClickAt(x, y);
      if (!MoveDone)
        FDeck->AnimateCards(start, PressedPos, 10, 15, DragCards, Refresh());
    }
    Redraw(true);
  }
  if (FHost.AutoMoveMode() && DragMoves < 10) {
    const TTablePos p = HitTest(x, y);
    if (p.Column >= 0 && p.Row >= 0)
      AutoMove(p.Column);
  }
  Dragging = false;
}
