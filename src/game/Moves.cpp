// Carrying out a move once its destination is known: runs between columns,
// whole suits home, the card a move uncovers and the test for the win.

#include "cards/Canvas.h"
#include "cards/SoundIds.h"
#include "game/GameEngine.h"

void TGameEngine::PlaceSelection() {
  const TTablePos& source = Selection[0];
  const TTablePos& dest = Selection[1];
  if (!SourceStillInPlace(source))
    MoveDone = false;
  else if (dest.Row == -1 && dest.Column >= 0)
    MoveDone = HomeMove(source, dest);
  else
    MoveDone = ColumnMove(source, dest);
  if (MoveDone)
    ShowError(QString());
  FinishPlacement();
  if (CardCounter <= 0)
    WinSequence();
}

// A pick made before a deal, undo, replay or load may name a slot that now
// holds another card; such a pick moves nothing.
bool TGameEngine::SourceStillInPlace(const TTablePos& source) const {
  return source.Column >= 0 && source.Column < Columns && source.Row >= 0 &&
         source.Row < PileSlots && source.Card != nullptr &&
         Table.Slot(source.Column, source.Row) == source.Card;
}

// The highlights go before the last repaint, so that no moved or refused card
// keeps its frame on the picture.
void TGameEngine::FinishPlacement() {
  TurnUpSourceTop(Selection[0].Column);
  Relayout();
  SelectStage = 0;
  FDeck->ClearHighlights();
  Redraw(true);
}

void TGameEngine::TurnUpSourceTop(int cs) {
  if (cs < 0 || cs >= Columns)
    return;
  TCard* top = Table.TopCard(cs);
  if (top == nullptr || top->FaceUp)
    return;
  FlipOnTable(*top);
  top->FaceUp = true;
}

void TGameEngine::FlipOnTable(TCard& card) {
  if (FTablePicture.isNull()) {
    FlipOnPiece(card);
    return;
  }
  TCanvas canvas(FTablePicture);
  // The turning frames are drawn straight onto the picture, over the card's
  // place, and only that place is shown; complete frames come between.
  const QRect place = card.BoundsRect();
  FDeck->FlipCard(card, canvas, 20, 5, [this, place](bool full) {
    FDirectArea = full ? QRect() : place;
    Redraw(full);
  });
}

// The same with no table picture: the frames are drawn on a piece of the
// table around the card, painted from the table without it, and the window
// shows that piece over the table while the card turns.
void TGameEngine::FlipOnPiece(TCard& card) {
  const QRect pixels = FDeck->Scale().Cover(card.ShadowRect());
  FDirectOrigin = pixels.topLeft();
  FDirectPiece = QImage(pixels.size(), QImage::Format_RGB32);
  TCanvas canvas(FDirectPiece, FDirectOrigin);
  const QRect place = card.BoundsRect();
  FDeck->FlipCard(card, canvas, 20, 5, [this, place](bool full) {
    FDirectArea = full ? QRect() : place;
    FShowDirectPiece = !full;
    if (full)
      PaintPixels(FDirectPiece, FDirectOrigin);
    Redraw(full);
  });
  FShowDirectPiece = false;
  FDirectPiece = QImage();
}

bool TGameEngine::HomeMove(const TTablePos& source, const TTablePos& dest) {
  if (!IsFullSuit(source.Column)) {
    ShowError(QStringLiteral("You can only move a full suit to the out piles."));
    return false;
  }
  if (Table.HomeSlot(dest.Column, HomeSlots - 1) != nullptr) {
    ShowError(QStringLiteral("Pocket not empty"));
    return false;
  }
  return MoveSuitHome(source, dest);
}

bool TGameEngine::ColumnMove(const TTablePos& source, TTablePos dest) {
  const int cs = source.Column;
  const int cd = dest.Column;
  const bool run = IsRun(cs, source.Row);
  const TCard* top = Table.TopCard(cd);
  if (top != nullptr && run) {
    if (cd == cs) {
      // The source column clicked again: its full suit goes home.
      dest = TTablePos{Table.FirstEmptyHome(), 0, nullptr};
      return dest.Column >= 0 && HomeMove(source, dest);
    }
    if (top->Rank != source.Card->Rank + 1) {
      ShowError(QStringLiteral("No where to move ") + source.Card->LongName());
      return false;
    }
  } else if (top != nullptr || !run) {
    return false;
  }
  SuitStreak = 0;
  dest.Row = top != nullptr ? Table.LastRow(cd) + 1 : 0;
  PushUndo();
  FHost.PlaySound(sndMoveTo, false);
  CollectRun(source);  // the column may have grown since the pick
  return MoveRun(source, dest) > 0;
}

int TGameEngine::MoveRun(const TTablePos& source, const TTablePos& dest) {
  FDeck->AnimateCards(source.Card->Position, SlotPoint(dest.Column, dest.Row), 8, 10, DragCards,
                      Refresh());
  int moved = 0;
  while (source.Row + moved < PileSlots && dest.Row + moved < PileSlots &&
         Table.Slot(source.Column, source.Row + moved) != nullptr) {
    Table.Slot(dest.Column, dest.Row + moved) = Table.Slot(source.Column, source.Row + moved);
    Table.Slot(source.Column, source.Row + moved) = nullptr;
    ++moved;
  }
  ++MoveCount;
  return moved;
}

bool TGameEngine::MoveSuitHome(const TTablePos& source, const TTablePos& dest) {
  const int cs = source.Column;
  const int last = Table.LastRow(cs);
  PushUndo();
  FHost.PlaySound(sndMoveTo, true);
  for (int i = 0; i < HomeSlots; ++i) {
    MoveCardHome(*Table.Slot(cs, last - i), cs, last - i, i, dest.Column);
    ++MoveCount;
  }
  FHost.PlaySound(sndMoveTo, false);
  ++SuitStreak;
  return true;
}

void TGameEngine::MoveCardHome(TCard& card, int cs, int slot, int i, int h) {
  FDeck->AnimateCards(card.Position, HomePoint(h), 5, 5, {card.Index}, Refresh());
  Table.HomeSlot(h, i) = &card;
  Table.Slot(cs, slot) = nullptr;
  --CardCounter;
}
