// Games of one, two and four suits. Tables are laid out by the cards' printed
// names (their indices); in fewer suits those cards play as the suit their
// index gives.
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "cards/Suits.h"
#include "game/LocateCard.h"
#include "game/SavedGameHelpers.h"

namespace {

// The table and its counters; a load keeps no undo steps.
std::string Table(const TGameEngine& engine) {
  static const QRegularExpression undo(QStringLiteral(" undo [0-9]+-[0-9]+"));
  return QString::fromStdString(Describe(engine)).remove(undo).toStdString();
}

class SuitsTest : public EngineTest {
 protected:
  void DealIn(int suits) {
    Engine.NextSuits = suits;
    Engine.NewGame();
  }
};

TEST(SuitMappingTest, EachCardPlaysAsTheSuitItsIndexGives) {
  struct TCase {
    int Index, Suits;
    const char* Name;
  };
  const std::vector<TCase> cases{
      {0, 4, "AH"},  {13, 4, "AD"}, {27, 4, "2C"}, {51, 4, "KS"},  {66, 4, "2D"},
      {0, 2, "AH"},  {13, 2, "AS"}, {27, 2, "2H"}, {51, 2, "KS"},  {66, 2, "2S"},
      {78, 2, "AH"}, {0, 1, "AS"},  {27, 1, "2S"}, {103, 1, "KS"}, {103, 2, "KS"},
  };
  for (const TCase& c : cases) {
    TDeck deck;
    deck.SetPacks(2);
    SetDeckSuits(deck, c.Suits);
    EXPECT_EQ(deck.Card(c.Index).Name, c.Name) << c.Index << " in " << c.Suits;
  }
}

// A card's face shows the suit it plays as: the two Aces of Spades of a
// classic deck and every Ace of a one-suit deck share a face.
TEST(SuitMappingTest, FacesFollowTheSuitAndTheClassicDeckKeepsItsFaces) {
  TDeck deck;
  deck.SetPacks(2);
  std::vector<qint64> classic;
  for (const auto& card : deck.Cards)
    classic.push_back(card->FaceKey());
  SetDeckSuits(deck, 1);
  EXPECT_EQ(deck.Card(0).FaceKey(), classic[39]);
  EXPECT_EQ(deck.Card(13).FaceKey(), classic[39]);
  SetDeckSuits(deck, 2);
  EXPECT_EQ(deck.Card(26).FaceKey(), classic[0]);
  EXPECT_EQ(deck.Card(13).FaceKey(), classic[39]);
  SetDeckSuits(deck, 4);
  for (const auto& card : deck.Cards)
    EXPECT_EQ(card->FaceKey(), classic[static_cast<size_t>(card->Index)]);
}

// Runs, whole suits and the score's pairs follow the suit each card plays as.
TEST_F(SuitsTest, RunsWholeSuitsAndTheScoreFollowThePlayedSuit) {
  struct TCase {
    int Suits;
    QString Column;
    bool FullSuit;
    int Pairs;
  };
  const QString alternating = "KH QD JH 10D 9H 8D 7H 6D 5H 4D 3H 2D AH";
  const QString evenBlocks = "KH QC JH 10C 9H 8C 7H 6C 5H 4C 3H 2C AH";
  const std::vector<TCase> cases{
      {4, alternating, false, 0}, {2, alternating, false, 0}, {1, alternating, true, 12},
      {4, evenBlocks, false, 0},  {2, evenBlocks, true, 12},  {1, evenBlocks, true, 12},
  };
  for (const TCase& c : cases) {
    DealIn(c.Suits);
    Arrange({c.Column, "KS"});
    EXPECT_EQ(Engine.IsFullSuit(0), c.FullSuit) << c.Suits << ' ' << c.Column.toStdString();
    EXPECT_EQ(Engine.IsRun(0, 11), c.Pairs > 0);
    EXPECT_EQ(Engine.GameScore(), 44 * 10 + 10 * 15 + 2 * c.Pairs) << c.Suits;
    Move(PointOn(0, 0), HomeCentre(0));
    EXPECT_EQ(Engine.CardCounter, c.FullSuit ? 91 : 104) << c.Suits;
  }
}

TEST_F(SuitsTest, TheChoiceTakesEffectAtTheNextNewGameAndReplayKeepsIt) {
  DealIn(4);
  Engine.NextSuits = 1;
  EXPECT_EQ(Engine.Deck().Card(0).Name, "AH");
  Engine.ReplayGame();
  EXPECT_EQ(Engine.Suits, 4);
  EXPECT_EQ(Engine.Deck().Card(0).Name, "AH");
  Engine.NewGame();
  EXPECT_EQ(Engine.Suits, 1);
  Engine.NextSuits = 4;
  Engine.ReplayGame();
  EXPECT_EQ(Engine.Deck().Card(0).Name, "AS");
}

TEST_F(SuitsTest, LocateCardFindsAllEightCopiesOfOneSuit) {
  DealIn(1);
  Arrange({"AH AD AC AS", "AH AD AC AS"});
  EXPECT_EQ(LocateCard(Engine.Table, 0, 3).Messages.size(), 8);
  EXPECT_FALSE(LocateCard(Engine.Table, 0, 0).Error.isEmpty());
}

TEST_F(SuitsTest, SavedGamesCarryTheSuitsOnlyWhenThereAreFewerThanFour) {
  DealIn(4);
  EXPECT_EQ(Engine.SaveGameDocument().find("<Suits>"), std::string::npos);
  for (const int suits : {1, 2}) {
    DealIn(suits);
    Engine.DealRow();
    const std::string saved = Engine.SaveGameDocument();
    const std::string end = "  <Suits>\n    <Integer>" + std::to_string(suits) +
                            "</Integer>\n  </Suits>\n</Sorvane32XML>\n";
    EXPECT_EQ(saved.substr(saved.size() - end.size()), end);
    const std::string before = Table(Engine);
    DealIn(4);
    Engine.LoadGameDocument(saved.data(), saved.size());
    EXPECT_EQ(Table(Engine), before);
    EXPECT_EQ(Engine.Suits, suits);
    EXPECT_EQ(Engine.Deck().Card(13).Name, "AS");
  }
}

TEST_F(SuitsTest, AFileWithAnotherNumberOfSuitsIsRefusedAndChangesNothing) {
  DealIn(2);
  const std::string saved = Engine.SaveGameDocument();
  DealIn(1);
  const std::string before = Describe(Engine);
  for (const char* bad : {"3", "0", "8", "-4", "two"}) {
    std::string edited = saved;
    const size_t at = edited.find("<Integer>2</Integer>\n  </Suits>");
    ASSERT_NE(at, std::string::npos);
    edited.replace(at + 9, 1, bad);
    EXPECT_THROW(Engine.LoadGameDocument(edited.data(), edited.size()), std::exception) << bad;
    EXPECT_EQ(Describe(Engine), before) << bad;
    EXPECT_EQ(Engine.Suits, 1);
    EXPECT_EQ(Engine.Deck().Card(0).Name, "AS");
  }
  // Without the element the file is a classic four-suit game.
  std::string classic = saved;
  classic.erase(classic.find("  <Suits>"),
                classic.find("</Sorvane32XML>") - classic.find("  <Suits>"));
  Engine.LoadGameDocument(classic.data(), classic.size());
  EXPECT_EQ(Engine.Suits, 4);
  EXPECT_EQ(Engine.Deck().Card(13).Name, "AD");
}

}  // namespace
