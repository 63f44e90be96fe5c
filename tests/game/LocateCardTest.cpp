#include "game/LocateCard.h"

#include "EngineFixture.h"

namespace {

using LocateCardTest = EngineTest;

TEST_F(LocateCardTest, EachFaceUpCopyIsNamedWithItsPlaceAmongTheFaceUpCards) {
  struct TCase {
    std::vector<QString> Columns;
    QStringList Expected;
  };
  const TCase cases[] = {
      {{"KH", "QS", "KD", "KC", "KS", "KH", "-9D 5C QS"},
       {"The Queen of Spades is in position 1 of column 2",
        "The Queen of Spades is in position 2 of column 7"}},
      {{"KH", "-2H QS 5C QS"},
       {"The Queen of Spades is in position 1 of column 2",
        "The Queen of Spades is in position 3 of column 2"}},
      {{"-2H -3H -4H -5H 9D 8C QS"}, {"The Queen of Spades is in position 3 of column 1"}},
  };
  for (const TCase& c : cases) {
    Arrange(c.Columns);
    const TLocateAnswer answer = LocateCard(Engine.Table, 11, 3);
    EXPECT_EQ(answer.Messages, c.Expected);
    EXPECT_EQ(answer.Error, "");
  }
}

TEST_F(LocateCardTest, CopiesAtHomeFaceDownOrInTheStockAreNotVisible) {
  Arrange({"5C", "KD"}, {"S", "S"});
  EXPECT_EQ(LocateCard(Engine.Table, 11, 3).Error, "The Queen of Spades is not visible.");
  EXPECT_TRUE(LocateCard(Engine.Table, 11, 3).Messages.isEmpty());
  Arrange({"-QS 5C", "KD"});  // the second Queen lies in the stock
  EXPECT_EQ(LocateCard(Engine.Table, 11, 3).Error, "The Queen of Spades is not visible.");
  EXPECT_EQ(LocateCard(Engine.Table, 0, 0).Error, "The Ace of Hearts is not visible.");
}

}  // namespace
