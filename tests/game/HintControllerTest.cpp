// The hint's choice of move, its searches and when they start, stop and
// count, with a searcher the test answers.
#include "game/EngineFixture.h"
#include "game/HintController.h"

#include <QCoreApplication>
#include <QThread>

namespace {

class TFakeSearcher : public THintSearcher {
 public:
  struct TRequest {
    TSolverTable Table;
    TSolveLimits Limits;
    TPriority Priority;
    TDone Done;
  };
  void Start(const TSolverTable& table, const TSolveLimits& limits, TPriority priority,
             TDone done) override {
    Requests.push_back({table, limits, priority, std::move(done)});
    FRunning = true;
  }
  void Cancel() override {
    Cancels += FRunning ? 1 : 0;
    FRunning = false;
  }
  bool Running() const override { return FRunning; }
  // Answers the latest search as its thread would.
  void Answer(const TSolveResult& result) {
    FRunning = false;
    TDone done = Requests.back().Done;
    done(result);
  }
  // Answers it with the solver's own search of that table.
  void Solve() {
    TSolveLimits limits;
    limits.Time = std::chrono::hours(1);
    limits.MaxNodes = 200000;
    Answer(::Solve(Requests.back().Table, limits));
  }
  std::vector<TRequest> Requests;
  int Cancels = 0;

 private:
  bool FRunning = false;
};

class HintControllerTest : public EngineTest {
 protected:
  HintControllerTest() : Hint(Engine, std::make_unique<TFakeSearcher>()) {
    Searcher = static_cast<TFakeSearcher*>(&Hint.Searcher());
    Hint.OnShow = [this](const THint& hint) { Shown.push_back(hint); };
    Hint.OnClear = [this] { ++Clears; };
  }
  void Changed() { Hint.TableMayHaveChanged(); }
  void ArrangeAndTell(const std::vector<QString>& columns, const QStringList& home = {}) {
    Arrange(columns, home);
    Changed();
  }
  void EmptyTheStock() {
    TDeckState state;
    Engine.Deck().Shuffler().GetState(state);
    state.ShuffleIndex = 0;
    Engine.Deck().Shuffler().SetState(state);
  }
  // Presses until the hint shows (the first press waits for its search).
  THint PressAndShow() {
    const size_t before = Shown.size();
    Hint.Press();
    if (Shown.size() == before && Hint.Waiting())
      Searcher->Answer({});
    EXPECT_EQ(Shown.size(), before + 1);
    return Shown.back();
  }

  THintController Hint;
  TFakeSearcher* Searcher = nullptr;
  std::vector<THint> Shown;
  int Clears = 0;
};

TEST_F(HintControllerTest, NoSearchUntilAskedThenABriefOneAndBackgroundOnesAfterChanges) {
  Engine.NewGame();
  Changed();
  Changed();  // told twice, nothing changed
  EXPECT_TRUE(Searcher->Requests.empty());
  EXPECT_FALSE(Hint.Active());

  Hint.Press();
  ASSERT_EQ(Searcher->Requests.size(), 1u);
  EXPECT_EQ(Searcher->Requests[0].Limits.Time, THintController::FirstBudget);
  EXPECT_EQ(Searcher->Requests[0].Priority, THintSearcher::Normal);
  EXPECT_TRUE(Hint.Waiting());
  EXPECT_TRUE(Shown.empty());
  Searcher->Answer({});  // unknown: the order's best move, and a longer search goes on
  ASSERT_EQ(Shown.size(), 1u);
  EXPECT_FALSE(Shown[0].FromLine);
  EXPECT_EQ(Shown[0].Move, *BestMove(SolverTableOf(Engine)));
  ASSERT_EQ(Searcher->Requests.size(), 2u);
  EXPECT_EQ(Searcher->Requests[1].Limits.Time, THintController::BackgroundBudget);
  EXPECT_EQ(Searcher->Requests[1].Priority, THintSearcher::Lowest);

  for (const TPlayerAction& action : Shown[0].Clicks)
    PlayAction(Engine, action);
  Changed();
  EXPECT_EQ(Searcher->Cancels, 1);
  EXPECT_EQ(Searcher->Requests.size(), 3u);
  EXPECT_GE(Clears, 1);

  Random.SetSeedSource([] { return 7u; });
  Engine.NewGame();  // a new game: quiet again until asked
  Changed();
  EXPECT_EQ(Searcher->Requests.size(), 3u);
  EXPECT_FALSE(Hint.Active());
}

TEST_F(HintControllerTest, TheHintNeverChangesTheGame) {
  Engine.NewGame();
  Engine.DealRow();
  const TSolverTable table = SolverTableOf(Engine);
  const int moves = Engine.MoveCount, undo = Engine.UndoIndex;
  Hint.Press();
  Searcher->Solve();
  for (int i = 0; i < 5; ++i)
    PressAndShow();
  EXPECT_TRUE(SameTable(SolverTableOf(Engine), table));
  EXPECT_EQ(Engine.MoveCount, moves);
  EXPECT_EQ(Engine.UndoIndex, undo);
  EXPECT_EQ(Engine.SelectStage, 0);
  EXPECT_TRUE(Engine.RedoList.empty());
}

TEST_F(HintControllerTest, PressesCycleThroughTheMovesBestFirst) {
  ArrangeAndTell({"9D 8C", "7H", "", "KS QS", "10C"});
  std::vector<QString> texts;
  texts.push_back(PressAndShow().Text);
  const int choices = Shown.back().Choices;
  for (int i = 1; i <= choices; ++i)
    texts.push_back(PressAndShow().Text);
  ASSERT_EQ(choices, 3);
  EXPECT_EQ(texts.front(), texts.back());  // round again
  EXPECT_EQ(std::set<QString>(texts.begin(), texts.end()).size(), static_cast<size_t>(choices));
  EXPECT_EQ(texts[0], "Move Seven of Hearts to Eight of Clubs");
  EXPECT_TRUE(std::count(texts.begin(), texts.end(), "Move Eight of Clubs to Empty Column"));
  EXPECT_TRUE(std::count(texts.begin(), texts.end(), "Move Queen of Spades to Empty Column"));
  // Offered once for the six empty columns; a whole column into one, never.
  Changed();  // nothing changed: the cycle goes on
  EXPECT_NE(PressAndShow().Text, texts[0]);
}

TEST_F(HintControllerTest, NoMoveLeftSaysWhetherToDeal) {
  const std::vector<QString> stuck{"KH", "KS", "KD", "KC", "KH", "KS", "KD", "KC", "JH", "JS"};
  struct TCase {
    std::vector<QString> Columns;
    bool EmptyStock;
    QString Text;
    THint::TKind Kind;
  };
  const std::vector<TCase> cases{
      {stuck, false, "No More Moves - Deal A Row", THint::hkNoMovesDeal},
      {stuck, true, "No More Moves", THint::hkNoMoves},
      {{"KH"}, false, "No More Moves", THint::hkNoMoves},  // a deal needs every column filled
  };
  for (const TCase& c : cases) {
    Arrange(c.Columns);
    if (c.EmptyStock)
      EmptyTheStock();
    Changed();
    const THint hint = PressAndShow();
    EXPECT_EQ(hint.Text, c.Text);
    EXPECT_EQ(hint.Kind, c.Kind);
    EXPECT_EQ(hint.Clicks.size(), c.Kind == THint::hkNoMovesDeal ? 1u : 0u);
  }
}

TEST_F(HintControllerTest, AMoveAlongTheKnownLineNeedsNoSearch) {
  Random.SetSeedSource([] { return 2u; });
  Engine.NewGame();
  Hint.Press();
  Searcher->Solve();  // the first search finds the line
  ASSERT_TRUE(Hint.LineKnown());
  ASSERT_EQ(Shown.size(), 1u);
  const size_t searches = Searcher->Requests.size();
  for (int i = 0; i < 6; ++i) {
    const THint hint = Shown.back();
    ASSERT_TRUE(hint.FromLine);
    for (const TPlayerAction& action : hint.Clicks)
      PlayAction(Engine, action);
    Changed();
    PressAndShow();
  }
  EXPECT_EQ(Searcher->Requests.size(), searches);
  Engine.UndoMove();  // back along the line: still known
  Changed();
  EXPECT_TRUE(Hint.LineKnown());
  EXPECT_EQ(Searcher->Requests.size(), searches);
}

TEST_F(HintControllerTest, AnAnswerForAnOldTableIsDropped) {
  Engine.NewGame();
  Hint.Press();
  ASSERT_TRUE(Hint.Waiting());
  const TSolverTable old = Searcher->Requests.back().Table;
  Engine.DealRow();  // no status refresh told yet
  TSolveResult won;
  won.Status = TSolveStatus::Won;
  won.Line = {{TMoveKind::Run, 0, 5, 1}};
  Searcher->Answer(won);
  EXPECT_TRUE(Shown.empty());
  EXPECT_FALSE(Hint.LineKnown());
  EXPECT_FALSE(Hint.Waiting());
  EXPECT_FALSE(SameTable(Searcher->Requests.back().Table, old));  // the new table is searched
}

// The real searcher: a cancelled search never answers, even one that ended
// before it was cancelled; the next one does.
TEST(ThreadSearcherTest, ACancelledSearchNeverAnswers) {
  TSolverTable table;
  for (int c = 0; c < SolverColumns; ++c)
    table.Column[static_cast<size_t>(c)].Push(MakeCard(c % SuitLength, c % 4));
  TThreadSearcher searcher;
  int cancelledAnswers = 0, answers = 0;
  TSolveLimits limits;
  limits.Time = std::chrono::hours(1);
  for (const int64_t nodes : {0, 1}) {
    limits.MaxNodes = nodes;
    searcher.Start(table, limits, THintSearcher::Lowest,
                   [&](const TSolveResult&) { ++cancelledAnswers; });
    searcher.Cancel();
    EXPECT_FALSE(searcher.Running());
  }
  limits.MaxNodes = 1;
  searcher.Start(table, limits, THintSearcher::Normal, [&](const TSolveResult&) { ++answers; });
  while (answers == 0 || !searcher.Idle()) {
    QCoreApplication::processEvents();
    QThread::msleep(1);
  }
  QCoreApplication::processEvents();  // what the ended threads sent last
  EXPECT_EQ(cancelledAnswers, 0);
  EXPECT_EQ(answers, 1);
}

}  // namespace
