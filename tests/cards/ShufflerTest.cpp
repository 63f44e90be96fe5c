#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "cards/Shuffler.h"

namespace {

TRandom FixedRandom(uint32_t seed) {
  TRandom random;
  random.SetSeedSource([seed] { return seed; });
  return random;
}

TEST(RandomTest, FollowsTheLinearCongruentialSequenceFromSeedZero) {
  TRandom random;
  EXPECT_EQ(random.Seed(), 0u);
  // seed := seed * 134775813 + 1; result := (seed * n) >> 32.
  EXPECT_EQ(random.Next(52), 0u);  // seed 1
  EXPECT_EQ(random.Seed(), 1u);
  EXPECT_EQ(random.Next(52), 1u);  // seed 134775814
  EXPECT_EQ(random.Seed(), 134775814u);
  EXPECT_EQ(random.Next(100), 86u);  // seed 3698175007
  EXPECT_EQ(random.Seed(), 3698175007u);
  EXPECT_EQ(random.Next(52), 10u);   // seed 870078620
  EXPECT_EQ(random.Next(100), 27u);  // seed 1172187917
}

TEST(RandomTest, StaysInRangeAtTheExtremes) {
  TRandom random;
  random.SetSeed(0xffffffffu);
  EXPECT_EQ(random.Next(1), 0u);
  for (int i = 0; i < 1000; ++i)
    EXPECT_LT(random.Next(7), 7u);
  EXPECT_EQ(random.Next(0), 0u);
}

TEST(RandomTest, RandomizeTakesTheSeedSourceAndFallsBackToTheClock) {
  TRandom random;
  random.SetSeedSource([] { return 1234u; });
  random.Randomize();
  EXPECT_EQ(random.Seed(), 1234u);
  random.SetSeedSource({});
  random.Randomize();
  EXPECT_LT(random.Seed(), 86400000u);
}

TEST(ShufflerTest, StartsWithOnePackOfZerosAndAnEmptyStock) {
  TShuffler shuffler;
  EXPECT_EQ(shuffler.Packs(), 1);
  EXPECT_EQ(shuffler.DeckArray(), TDeckArray(52, 0));
  EXPECT_EQ(shuffler.ShuffleIndex(), 0);
  EXPECT_TRUE(shuffler.IsEmpty());
  int32_t card = -7;
  EXPECT_FALSE(shuffler.NextCard(card));
  EXPECT_EQ(card, -7);
}

TEST(ShufflerTest, SetPacksKeepsEntriesAndDealPosition) {
  TRandom random = FixedRandom(5);
  TShuffler shuffler(random);
  shuffler.Shuffle();
  const TDeckArray before = shuffler.DeckArray();
  shuffler.SetPacks(1);
  EXPECT_EQ(shuffler.DeckArray(), before);
  shuffler.SetPacks(2);
  ASSERT_EQ(shuffler.CardCount(), 104);
  EXPECT_TRUE(std::equal(before.begin(), before.end(), shuffler.DeckArray().begin()));
  EXPECT_TRUE(std::all_of(shuffler.DeckArray().begin() + 52, shuffler.DeckArray().end(),
                          [](int32_t v) { return v == 0; }));
  EXPECT_EQ(shuffler.ShuffleIndex(), 52);
}

TEST(ShufflerTest, ShuffleGivesAPermutationAndAFullStock) {
  TShuffler shuffler;
  shuffler.SetPacks(2);
  for (int round = 0; round < 3; ++round) {
    shuffler.Shuffle();
    TDeckArray sorted = shuffler.DeckArray();
    std::sort(sorted.begin(), sorted.end());
    TDeckArray expected(104);
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(sorted, expected);
    EXPECT_EQ(shuffler.ShuffleIndex(), 104);
    EXPECT_FALSE(shuffler.IsEmpty());
  }
}

TEST(ShufflerTest, SameSeedGivesSameOrderAndOtherSeedsDiffer) {
  TRandom first = FixedRandom(42), second = FixedRandom(42), other = FixedRandom(43);
  TShuffler a(first), b(second), c(other);
  for (TShuffler* s : {&a, &b, &c}) {
    s->SetPacks(2);
    s->Shuffle();
  }
  EXPECT_EQ(a.DeckArray(), b.DeckArray());
  EXPECT_NE(a.DeckArray(), c.DeckArray());
}

TEST(ShufflerTest, InsideOutShuffleOfSeedZeroGivesTheKnownOrder) {
  // Worked out independently from the generator's formula and the inside-out
  // shuffle: the draws start 0, 0, 3 for ranges 2, 3, 4, giving [2,0,1,3]
  // after four cards, and end in this order for one pack.
  TRandom random = FixedRandom(0);
  TShuffler shuffler(random);
  shuffler.Shuffle();
  const TDeckArray expected{46, 8,  7,  9,  32, 41, 42, 28, 30, 3,  34, 2,  14, 27, 0,  31, 17, 23,
                            37, 22, 18, 19, 43, 10, 29, 16, 5,  45, 51, 33, 26, 48, 25, 39, 38, 11,
                            50, 47, 49, 1,  15, 4,  20, 13, 40, 35, 44, 12, 21, 6,  36, 24};
  EXPECT_EQ(shuffler.DeckArray(), expected);
}

TEST(ShufflerTest, NextCardDealsFromTheEndUntilEmpty) {
  TShuffler shuffler;
  shuffler.SetPacks(2);
  shuffler.Shuffle();
  const TDeckArray order = shuffler.DeckArray();
  for (int k = 103; k >= 0; --k) {
    int32_t card = -1;
    ASSERT_TRUE(shuffler.NextCard(card));
    EXPECT_EQ(card, order[static_cast<size_t>(k)]);
    EXPECT_EQ(shuffler.ShuffleIndex(), k);
  }
  int32_t card = -1;
  EXPECT_FALSE(shuffler.NextCard(card));
  EXPECT_TRUE(shuffler.IsEmpty());
  EXPECT_EQ(shuffler.ShuffleIndex(), 0);
}

TEST(ShufflerTest, SetStateRestoresTheStockForLaterDeals) {
  TShuffler shuffler;
  shuffler.SetPacks(2);
  shuffler.Shuffle();
  int32_t card = 0;
  for (int k = 0; k < 54; ++k)
    shuffler.NextCard(card);
  TDeckState saved;
  EXPECT_EQ(shuffler.GetState(saved), 50);
  EXPECT_EQ(saved.DeckArray, shuffler.DeckArray());

  std::vector<int32_t> firstRun, secondRun;
  while (shuffler.NextCard(card))
    firstRun.push_back(card);
  shuffler.Shuffle();  // a different game in between
  EXPECT_EQ(shuffler.SetState(saved), 50);
  while (shuffler.NextCard(card))
    secondRun.push_back(card);
  EXPECT_EQ(firstRun, secondRun);
  EXPECT_EQ(firstRun.size(), 50u);
}

TEST(ShufflerTest, SetStateAcceptsALongerRecordOverTheDeckLength) {
  TShuffler shuffler;
  TDeckState state{TDeckArray(104, 0), 10};
  for (int k = 0; k < 104; ++k)
    state.DeckArray[static_cast<size_t>(k)] = (k * 7) % 52;
  EXPECT_EQ(shuffler.SetState(state), 10);
  EXPECT_EQ(shuffler.CardCount(), 52);
  EXPECT_EQ(shuffler.DeckArray()[51], (51 * 7) % 52);
}

TEST(ShufflerTest, SetStateRefusesDamagedRecordsAndChangesNothing) {
  TShuffler shuffler;
  shuffler.SetPacks(2);
  shuffler.Shuffle();
  TDeckState before;
  shuffler.GetState(before);

  TDeckState shortRecord{TDeckArray(50, 1), 10};
  TDeckState badCard = before;
  badCard.DeckArray[3] = 104;
  TDeckState negativeCard = before;
  negativeCard.DeckArray[0] = -1;
  TDeckState badIndex = before;
  badIndex.ShuffleIndex = 105;
  TDeckState negativeIndex = before;
  negativeIndex.ShuffleIndex = -1;
  TDeckState repeated = before;
  std::fill_n(repeated.DeckArray.begin(), 50, 0);
  TDeckState oneSwapped = before;
  oneSwapped.DeckArray[103] = oneSwapped.DeckArray[0];

  for (const TDeckState* damaged :
       {&shortRecord, &badCard, &negativeCard, &badIndex, &negativeIndex, &repeated, &oneSwapped}) {
    EXPECT_THROW(shuffler.SetState(*damaged), EDeckStateError);
    TDeckState after;
    shuffler.GetState(after);
    EXPECT_EQ(after, before);
  }
  try {
    shuffler.SetState(shortRecord);
  } catch (const EDeckStateError& error) {
    EXPECT_STREQ(error.what(), "The deck order holds 50 cards, but the deck has 104.");
  }
  try {
    shuffler.SetState(repeated);
  } catch (const EDeckStateError& error) {
    EXPECT_STREQ(error.what(),
                 "The deck order names card 0 twice; it must name every card of the deck once.");
  }
}

}  // namespace
