// Random play over many deals: mostly legal moves picked from the table, mixed
// with clicks and drags anywhere, row deals, undos, replays, auto-move clicks
// and card size changes. After every step the table must be one the game can
// hold, its score what the table says, and a sample of undos must give back
// exactly the table before the step.
#include <cstdio>
#include <random>

#include "cards/RepaintTracker.h"
#include "game/EngineFixture.h"

namespace {

#ifdef SORVANE_SANITIZED_BUILD
constexpr int StepsPerDeal = 100;
#else
constexpr int StepsPerDeal = 250;
#endif

// Two snapshots hold the same table: cards, faces of the cards in the
// columns, counters and the stock.
bool SameTable(const TUndoItem& a, const TUndoItem& b) {
  if (a.Counter != b.Counter || a.DealCount != b.DealCount || !(a.DeckState == b.DeckState))
    return false;
  for (size_t p = 0; p < HomePiles; ++p)
    for (size_t s = 0; s < HomeSlots; ++s)
      if (a.Home[p][s].Card != b.Home[p][s].Card)
        return false;
  for (size_t c = 0; c < Columns; ++c) {
    for (size_t r = 0; r < PileSlots; ++r) {
      const TUndoInfo &x = a.Pile[c][r], &y = b.Pile[c][r];
      if (x.Card != y.Card || (x.Card != nullptr && x.FaceUp != y.FaceUp))
        return false;
    }
  }
  return true;
}

// The score as the rules define it, counted afresh from the table.
int ExpectedScore(const TGameEngine& e) {
  if (!e.CardsDealt)
    return 0;
  int down = 0, clear = 0, links = 0, home = 0;
  for (int c = 0; c < Columns; ++c) {
    const int n = e.Table.PileCount(c);
    bool hidden = false;
    for (int r = 0; r < n; ++r) {
      const TCard* card = e.Table.Slot(c, r);
      hidden |= !card->FaceUp;
      down += card->FaceUp ? 0 : 1;
      if (r == 0)
        continue;
      const TCard* lower = e.Table.Slot(c, r - 1);
      if (lower->FaceUp && card->FaceUp && lower->Suit == card->Suit && lower->Rank != 0 &&
          card->Rank + 1 == lower->Rank)
        ++links;
    }
    clear += hidden ? 0 : 1;
  }
  for (int p = 0; p < HomePiles; ++p)
    home += e.Table.HomeSlot(p, 0) != nullptr ? 1 : 0;
  int score = (44 - down) * 10 + clear * 15 + links * 2 + home * 50;
  if (e.GameState == gsWon && e.SuitStreak > 3)
    score += (e.SuitStreak - 3) * 2;
  return score;
}

// The table is one the game can hold; returns what is wrong, or nothing.
std::string Broken(const TGameEngine& e) {
  std::vector<int> seen(104, 0);
  for (int p = 0; p < HomePiles; ++p) {
    const TCard* ace = e.Table.HomeSlot(p, 0);
    for (int s = 0; s < HomeSlots; ++s) {
      const TCard* card = e.Table.HomeSlot(p, s);
      if ((card == nullptr) != (ace == nullptr))
        return "home " + std::to_string(p) + " is partly filled";
      if (card == nullptr)
        continue;
      ++seen[static_cast<size_t>(card->Index)];
      // A won game's cards lie gathered face down on the stock.
      if (card->Rank != s || card->Suit != ace->Suit || (!card->FaceUp && e.GameState != gsWon))
        return "home " + std::to_string(p) + " is not a suit from Ace to King";
    }
  }
  for (int c = 0; c < Columns; ++c) {
    const int n = e.Table.PileCount(c);
    for (int r = n; r < PileSlots; ++r)
      if (e.Table.Slot(c, r) != nullptr)
        return "column " + std::to_string(c) + " has a gap";
    for (int r = 0; r < n; ++r) {
      const TCard* card = e.Table.Slot(c, r);
      ++seen[static_cast<size_t>(card->Index)];
      if (r > 0 && !card->FaceUp && e.Table.Slot(c, r - 1)->FaceUp)
        return "column " + std::to_string(c) + " has a hidden card over a face-up one";
    }
    if (n > 0 && !e.Table.Slot(c, n - 1)->FaceUp && e.GameState != gsWon)
      return "column " + std::to_string(c) + " has its top card face down";
  }
  const TShuffler& shuffler = e.Deck().Shuffler();
  for (int i = 0; i < shuffler.ShuffleIndex(); ++i)
    ++seen[static_cast<size_t>(shuffler.DeckArray()[static_cast<size_t>(i)])];
  for (int i = 0; i < 104; ++i)
    if (seen[static_cast<size_t>(i)] != 1)
      return "card " + std::to_string(i) + " is in " +
             std::to_string(seen[static_cast<size_t>(i)]) + " places";
  if (e.GameScore() != ExpectedScore(e))
    return "score " + std::to_string(e.GameScore()) + " instead of " +
           std::to_string(ExpectedScore(e));
  return {};
}

// A deal arranged so that sending the revealed cards to their suits wins:
// each column's first card and its five row cards make a run King to Eight,
// or Seven to Two, of one suit, and the hidden cards come up in the order
// the open runs need them. The order is laid into the game-start snapshot
// and played through Replay, as the game would deal it.
TUndoItem WinnableStart(TGameEngine& e) {
  // Suit copy k (0..7) is pack k / 4, suit k % 4.
  const auto card = [&e](int copy, int rank) -> TCard& {
    return e.Deck().Card((copy / 4) * 52 + (copy % 4) * 13 + rank);
  };
  // Per column: its top card and row cards (King..Eight of copy c, or
  // Seven..Two of copies 0 and 1 on columns 8 and 9), bottom first.
  std::array<std::vector<TCard*>, Columns> open;
  for (int c = 0; c < Columns; ++c)
    for (int k = 0; k < 6; ++k)
      open[static_cast<size_t>(c)].push_back(c < 8 ? &card(c, 12 - k) : &card(c - 8, 6 - k));
  // The hidden cards in the order they come up: the Aces of copies 0 and 1,
  // then Seven to Ace of copies 2 to 7.
  std::vector<TCard*> needed{&card(0, 0), &card(1, 0)};
  for (int copy = 2; copy < 8; ++copy)
    for (int rank = 6; rank >= 0; --rank)
      needed.push_back(&card(copy, rank));
  // Columns uncover in this order: 8 and 9 (their runs join columns 0 and
  // 1), then each column whose suit went home.
  const int hiddenRows[Columns] = {5, 4, 4, 5, 4, 4, 5, 4, 4, 5};
  std::array<std::vector<TCard*>, Columns> hidden;  // top first
  const int uncover[] = {8, 9, 0, 1, 2, 3, 4, 5, 6, 7};
  size_t next = 0;
  for (const int c : uncover)
    for (int r = 0; r < hiddenRows[c]; ++r)
      hidden[static_cast<size_t>(c)].push_back(needed[next++]);

  TUndoItem start;
  start.Counter = 104;
  std::vector<int32_t> dealt;  // in dealing order
  const auto place = [&](int c, int r, TCard* which, bool up) {
    start.Pile[static_cast<size_t>(c)][static_cast<size_t>(r)] = {which, uint8_t(up ? 1 : 0)};
    which->DealFaceUp = up;
    dealt.push_back(which->Index);
  };
  for (int r = 0; r <= 5; ++r) {
    for (int c = 0; c < Columns; ++c) {
      const int down = hiddenRows[c];
      if (r > down)
        continue;
      const auto& h = hidden[static_cast<size_t>(c)];
      if (r < down)
        place(c, r, h[static_cast<size_t>(down - 1 - r)], false);
      else
        place(c, r, open[static_cast<size_t>(c)][0], true);
    }
  }
  // The first deal takes rows 0..4 column by column, then row 5 of columns
  // 0, 3, 6, 9; the loop above already went in that order.
  std::vector<int32_t> stock;  // dealt from the end
  for (int deal = 5; deal >= 1; --deal)
    for (int c = Columns - 1; c >= 0; --c) {
      TCard* row = open[static_cast<size_t>(c)][static_cast<size_t>(deal)];
      row->DealFaceUp = true;
      stock.push_back(row->Index);
    }
  start.DeckState.DeckArray = stock;
  for (auto it = dealt.rbegin(); it != dealt.rend(); ++it)
    start.DeckState.DeckArray.push_back(*it);
  start.DeckState.ShuffleIndex = static_cast<int32_t>(stock.size());
  return start;
}

struct TLegalMove {
  int From, Row, To;  // To is a column, or -1 for the first empty home pile
  int Weight;
};

class RandomPlayer : public EngineTest {
 protected:
  // Every move the rules allow now: a face-up run of one suit onto a card one
  // rank higher or into an empty column, a whole suit home.
  std::vector<TLegalMove> LegalMoves() const {
    std::vector<TLegalMove> moves;
    const TTable& t = Engine.Table;
    for (int c = 0; c < Columns; ++c) {
      const int n = t.PileCount(c);
      if (Engine.IsFullSuit(c) && t.FirstEmptyHome() >= 0)
        moves.push_back({c, n - 13, -1, 100});
      for (int r = n - 1; r >= 0 && t.Slot(c, r)->FaceUp && Engine.IsRun(c, r); --r) {
        const TCard* card = t.Slot(c, r);
        const bool uncovers = r > 0 && !t.Slot(c, r - 1)->FaceUp;
        for (int d = 0; d < Columns; ++d) {
          const TCard* top = t.TopCard(d);
          if (d == c || (top != nullptr && top->Rank != card->Rank + 1) ||
              (top == nullptr && r == 0))
            continue;
          const bool sameSuit = top != nullptr && top->Suit == card->Suit;
          moves.push_back({c, r, d, 1 + (uncovers ? 20 : 0) + (sameSuit ? 10 : 0)});
        }
      }
    }
    return moves;
  }

  void PlayLegal(const TLegalMove& m, bool drag) {
    if (Engine.SelectStage != 0)
      Click(QPoint(1, 300));  // a click on nothing drops a pick left by a wild click
    const QPoint from = PointOn(m.From, m.Row);
    const int topRow = Engine.Table.LastRow(m.To < 0 ? 0 : m.To);
    const QPoint to = m.To < 0 ? HomeCentre(Engine.Table.FirstEmptyHome()) : PointOn(m.To, topRow);
    if (drag)
      Drag(from, to);
    else
      Move(from, to);
  }

  int Any(int n) { return static_cast<int>(Pick() % static_cast<unsigned>(n)); }

  // The move a careful player makes: a suit home, else a run joined to its
  // suit that was not joined before, else one that uncovers a hidden card.
  const TLegalMove* BestMove(const std::vector<TLegalMove>& moves) const {
    const TLegalMove* best = nullptr;
    for (const auto& m : moves) {
      const TCard* card = Engine.Table.Slot(m.From, m.Row);
      const TCard* below = m.Row > 0 ? Engine.Table.Slot(m.From, m.Row - 1) : nullptr;
      const bool joined = below != nullptr && below->FaceUp && below->Suit == card->Suit &&
                          below->Rank == card->Rank + 1;
      const bool productive = m.To < 0 || (m.Weight > 1 && !joined);
      if (productive && (best == nullptr || m.Weight > best->Weight))
        best = &m;
    }
    return best;
  }

  // One step of play; careful steps make the best move or deal a row.
  void Step(bool careful) {
    if (Engine.GameState == gsWon) {
      ++Wins;
      Engine.NewGame();
      return;
    }
    const std::vector<TLegalMove> moves = LegalMoves();
    if (careful) {
      if (const TLegalMove* best = BestMove(moves))
        PlayLegal(*best, Any(3) == 0);
      else
        Click(StockCentre());
      return;
    }
    const int roll = Any(100);
    if (!moves.empty() && roll < 55) {
      int total = 0;
      for (const auto& m : moves)
        total += m.Weight;
      int at = Any(total);
      for (const auto& m : moves) {
        if ((at -= m.Weight) < 0) {
          PlayLegal(m, Any(3) == 0);
          break;
        }
      }
    } else if (roll < 62 || moves.empty()) {
      Click(StockCentre());
    } else if (roll < 72) {
      Engine.UndoMove();
    } else if (roll < 80) {
      Host.AutoMove = true;
      Click(PointOn(Any(Columns), 0));
      Host.AutoMove = false;
    } else if (roll < 90) {
      const QPoint p(Any(840) - 20, Any(480) - 20);
      Click(p, Any(4) == 0 ? mbRight : mbLeft);
    } else if (roll < 97) {
      Drag(QPoint(Any(820), Any(460)), QPoint(Any(820), Any(460)), 8 + Any(8));
    } else if (roll < 99) {
      Engine.ReplayGame();
    } else {
      Engine.ApplyCardSize(!Engine.SmallCards);
    }
  }

  std::mt19937 Pick;
  int Wins = 0;
};

class RandomPlayTest : public RandomPlayer, public ::testing::WithParamInterface<uint32_t> {};

// 200 deals in four shards of 50, so that the shards run side by side.
TEST_P(RandomPlayTest, EveryStepKeepsTheTableWholeAndUndoGivesItBack) {
  // A picture one pixel wide keeps painting nearly free: the cards lie beyond
  // its right edge, where the hit test, which needs only the height, still
  // finds them.
  Engine.ResizeTable(QSize(1, 440));
  int steps = 0, undoChecks = 0, movesMade = 0, suitsHome = 0;
  const auto homePiles = [this] {
    int n = 0;
    for (int p = 0; p < HomePiles; ++p)
      n += Engine.Table.HomeSlot(p, 0) != nullptr ? 1 : 0;
    return n;
  };
  const uint32_t first = GetParam() * 50 + 1;
  for (uint32_t seed = first; seed < first + 50; ++seed) {
    Pick.seed(seed);
    Random.SetSeedSource([seed] { return seed; });
    Engine.ApplyCardSize(seed % 2 == 0);
    Engine.NewGame();
    const bool winnable = seed % 5 == 0;
    if (winnable) {
      Engine.GameStart = WinnableStart(Engine);
      Engine.ReplayGame();
    }
    for (int i = 0; i < StepsPerDeal; ++i, ++steps) {
      TUndoItem before;
      Engine.SaveItem(before);
      const int undoBefore = Engine.UndoIndex;
      const int movesBefore = Engine.MoveCount, homeBefore = homePiles();
      Step(winnable);
      ASSERT_EQ(Broken(Engine), "") << "seed " << seed << " step " << i;
      ASSERT_FALSE(Engine.Busy || Engine.Dragging);
      movesMade += std::max(Engine.MoveCount - movesBefore, 0);
      suitsHome += std::max(homePiles() - homeBefore, 0);
      const bool pushed = Engine.UndoIndex == (undoBefore + 1) % UndoSize;
      if (pushed && Engine.GameState == gsPlaying && Any(4) == 0) {
        ASSERT_TRUE(Engine.UndoMove());
        TUndoItem after;
        Engine.SaveItem(after);
        ASSERT_TRUE(SameTable(before, after)) << "seed " << seed << " step " << i;
        ASSERT_EQ(Broken(Engine), "");
        ++undoChecks;
      }
    }
  }
  std::printf(
      "random play: %d steps, %d moves made, %d suits sent home, %d undos checked, %d wins\n",
      steps, movesMade, suitsHome, undoChecks, Wins);
  EXPECT_GT(Wins, 0);
}

INSTANTIATE_TEST_SUITE_P(Shards, RandomPlayTest, ::testing::Range(0u, 4u));

}  // namespace

// Frames repaint only what changed. After every frame the table picture must
// be what a repaint of the whole table gives, and the window, which is shown
// only the changed region, must show the picture as it is; also when the
// picture has several pixels per table pixel, for a screen with a device
// pixel ratio of 1.5 or 2.
// With no picture kept, the window paints what it is shown from the table's
// state: the screen must end up the same.
struct TRepaintCase {
  double Ratio;
  bool KeepPicture;
};

void PrintTo(const TRepaintCase& c, std::ostream* os) {
  *os << "ratio " << c.Ratio << (c.KeepPicture ? ", picture kept" : ", painted from the state");
}

class TrackedRepaintTest : public RandomPlayer,
                           public ::testing::WithParamInterface<TRepaintCase> {};

TEST_P(TrackedRepaintTest, EveryFrameEqualsAFullRepaintAndShowsAllItChanged) {
  const TPixelScale scale(GetParam().Ratio);
  Engine.SetPixelRatio(scale.Ratio());
  Engine.SetKeepPicture(GetParam().KeepPicture);
  QImage screen;
  int frames = 0, wrong = 0, unshown = 0;
  Host.OnShowTable = [&] {
    const QImage picture = Engine.TablePicture();
    if (screen.size() != picture.size())
      screen = QImage(picture.size(), picture.format());  // what the window showed is lost
    for (const QRect& shown : Host.LastShown) {
      const QRect area = scale.Cover(shown) & picture.rect();
      if (!GetParam().KeepPicture) {
        QImage piece = PictureArea(screen, area);
        Engine.PaintPixels(piece, area.topLeft());
        continue;
      }
      for (int y = area.top(); y <= area.bottom(); ++y)
        std::copy_n(picture.constScanLine(y) + area.left() * 4, area.width() * 4,
                    screen.scanLine(y) + area.left() * 4);
    }
    ++frames;
    unshown += screen != picture;
    wrong += !Engine.DrawingDirect() && Engine.PaintedInFull() != picture;
  };
  Engine.ResizeTable(QSize(800, 520));
  // Finer pictures cost more to compare: fewer deals.
  const uint32_t deals = scale.IsOne() ? 4 : 2;
  for (uint32_t seed = 1; seed <= deals; ++seed) {
    Pick.seed(seed);
    Random.SetSeedSource([seed] { return seed; });
    Engine.NewGame();
    for (int i = 0; i < StepsPerDeal / 3 && wrong + unshown == 0; ++i)
      Step(false);
    if (seed == 1)
      Engine.ResizeTable(QSize(640, 700));
  }
  Host.OnShowTable = nullptr;
  std::printf("tracked repaint at ratio %g: %d frames\n", scale.Ratio(), frames);
  EXPECT_GT(frames, 500 * static_cast<int>(deals) / 2);
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(unshown, 0);
}

INSTANTIATE_TEST_SUITE_P(PixelRatios, TrackedRepaintTest,
                         ::testing::Values(TRepaintCase{1.0, true}, TRepaintCase{1.5, true},
                                           TRepaintCase{2.0, true}, TRepaintCase{1.5, false}),
                         [](const auto& info) {
                           return "ratio" +
                                  std::to_string(static_cast<int>(info.param.Ratio * 10)) +
                                  (info.param.KeepPicture ? "Picture" : "FromState");
                         });
