// New games, row deals from the stock, replay of a deal and gathering the
// cards onto the stock.

#include "cards/SoundIds.h"
#include "game/BusyScope.h"
#include "game/GameEngine.h"

namespace {

constexpr int FirstDealRows = 5;

}  // namespace

void TGameEngine::NewGame() {
  // A deal that lets events through must not start a second deal inside it.
  if (FHost.FireworksRunning() || Busy)
    return;
  CountLeftGame();
  {
    TBusyScope busy(*this);
    ApplySuits(NextSuits);
    DealCount = 0;
    SuitStreak = 0;
    SetGameClock(false);
    FDeck->Shuffler().Shuffle();
    GameNumber = FRandom.LastSeed();
    GameState = gsPlaying;
    ClearTable(Table);
    GatherCards();
    FDeck->ClearHighlights();
    FHost.PlaySound(sndDeal, true);
    FHost.ProcessMessages();
    for (int r = 0; r < FirstDealRows; ++r) {
      for (int c = 0; c < Columns; ++c) {
        PileStep[static_cast<size_t>(c)] = FanStep;
        DealOneCard(c, r, r == FirstDealRows - 1 && c % 3 != 0);
      }
    }
    for (int k = 0; k <= 3; ++k)
      DealOneCard(3 * k, FirstDealRows, true);
    FHost.StopSound();
    CardCounter = 104;
    MoveCount = 0;
    CardsDealt = true;
    ResetUndo();
    PushUndo();
    UpdateStatus();
    SaveItem(GameStart);
    SetGameClock(true);
    StartCountedGame(false);
  }
  Relayout();
  Redraw(true);
}

void TGameEngine::DealOneCard(int c, int r, bool up) {
  int32_t index = 0;
  if (!FDeck->Shuffler().NextCard(index))
    return;  // callers deal only what the stock holds
  TCard& card = FDeck->Card(index);
  Table.Slot(c, r) = &card;
  card.FaceUp = up;
  card.DealFaceUp = up;
  card.Visible = true;
  const bool even = c % 2 == 0;
  FDeck->AnimateCards(StockPoint, SlotPoint(c, r), even ? 4 : 1, even ? 1 : 0, {index}, Refresh());
  FHost.ProcessMessages();
}

void TGameEngine::DealRow() {
  if (FDeck->Shuffler().IsEmpty()) {
    ShowError(QStringLiteral("No More Cards To Deal!"));
    return;
  }
  if (Table.FirstEmptyPile() != -1) {
    ShowError(QStringLiteral("Can't deal while any columns are empty."));
    return;
  }
  TBusyScope busy(*this);
  PushUndo();
  FHost.PlaySound(sndDeal, true);
  FHost.ProcessMessages();
  for (int c = 0; c < Columns; ++c)
    DealOneCard(c, Table.LastRow(c) + 1, true);
  FHost.StopSound();
  ++DealCount;
  Relayout();
  Redraw(true);
}

void TGameEngine::ReplayGame() {
  // Nothing to replay before the first deal, and never inside a running deal.
  if (!CardsDealt || Busy)
    return;
  CountLeftGame();
  TBusyScope busy(*this);
  SuitStreak = 0;
  SetGameClock(false);
  RestoreItem(GameStart);
  for (auto& card : FDeck->Cards)
    card->FaceUp = card->DealFaceUp;
  ResetUndo();
  PushUndo();
  CardCounter = 104;
  MoveCount = 0;
  GameState = gsPlaying;
  UpdateStatus();
  Relayout();
  Redraw(true);
  SetGameClock(true);
  StartCountedGame(false);
}

int TGameEngine::RandomJitter() {
  return static_cast<int>(FRandom.Next(6)) - 3;
}

void TGameEngine::GatherCards() {
  FDeck->SetAllVisible(false);
  for (auto& card : FDeck->Cards) {
    card->FaceUp = false;
    const int dy = RandomJitter();
    const int dx = RandomJitter();
    card->Position = StockPoint + QPoint(dx, dy);
  }
  FDeck->SetAllVisible(true);
  GameFileName.clear();
}
