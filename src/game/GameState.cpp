// The engine's life and its snapshots of the table.

#include "cards/Canvas.h"
#include "game/GameEngine.h"

TGameEngine::TGameEngine(TGameHost& host, TRandom& random, double pixelRatio)
    : FHost(host),
      FRandom(random),
      FDeck(std::make_unique<TDeck>(random, host.Clock(), pixelRatio)),
      FScreenRatio(TPixelScale(pixelRatio).Ratio()) {
  PileStep.fill(FanStep);
}

TGameEngine::~TGameEngine() = default;

void TGameEngine::EngineStart() {
  FDeck->SetPacks(2);
  SmallCards = FHost.ScreenWidth() < 800;
  ApplyCardSize(SmallCards);
  CardsDealt = false;
  ResetUndo();
  GatherCards();
  UpdateStatus();
  ShowError(QString());
  GameState = gsNoGame;
}

void TGameEngine::SaveItem(TUndoItem& item) const {
  item.Counter = CardCounter;
  for (int p = 0; p < HomePiles; ++p)
    for (int s = 0; s < HomeSlots; ++s)
      item.Home[static_cast<size_t>(p)][static_cast<size_t>(s)].Card = Table.HomeSlot(p, s);
  for (int c = 0; c < Columns; ++c) {
    for (int r = 0; r < PileSlots; ++r) {
      TUndoInfo& info = item.Pile[static_cast<size_t>(c)][static_cast<size_t>(r)];
      info.Card = Table.Slot(c, r);
      // An empty slot keeps whatever face flag the record held.
      if (info.Card != nullptr)
        info.FaceUp = info.Card->FaceUp ? 1 : 0;
    }
  }
  FDeck->Shuffler().GetState(item.DeckState);
  item.DealCount = DealCount;
}

void TGameEngine::RestoreItem(const TUndoItem& item) {
  // The deck order goes first: a record it refuses leaves the table as it was.
  TShuffler& shuffler = FDeck->Shuffler();
  shuffler.SetState(item.DeckState);
  CardCounter = item.Counter;
  for (int p = 0; p < HomePiles; ++p)
    for (int s = 0; s < HomeSlots; ++s)
      Table.HomeSlot(p, s) = item.Home[static_cast<size_t>(p)][static_cast<size_t>(s)].Card;
  for (int c = 0; c < Columns; ++c) {
    for (int r = 0; r < PileSlots; ++r) {
      const TUndoInfo& info = item.Pile[static_cast<size_t>(c)][static_cast<size_t>(r)];
      Table.Slot(c, r) = info.Card;
      if (info.Card != nullptr)
        info.Card->FaceUp = info.FaceUp != 0;
    }
  }
  const TDeckArray& order = shuffler.DeckArray();
  for (int i = 0; i < shuffler.ShuffleIndex(); ++i) {
    TCard& card = FDeck->Card(order[static_cast<size_t>(i)]);
    card.Position = StockPoint;
    card.FaceUp = false;
  }
  DealCount = item.DealCount;
  Relayout();
  Redraw(true);
  UpdateStatus();
}
