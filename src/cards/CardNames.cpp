#include "cards/CardNames.h"

#include <array>

namespace {

constexpr std::array<const char*, RanksPerSuit> RankTexts{"A", "2", "3",  "4", "5", "6", "7",
                                                          "8", "9", "10", "J", "Q", "K"};
constexpr std::array<const char*, SuitsPerPack> SuitLetters{"H", "D", "C", "S"};
constexpr std::array<const char*, RanksPerSuit> RankWords{"Ace",  "Two",   "Three", "Four", "Five",
                                                          "Six",  "Seven", "Eight", "Nine", "Ten",
                                                          "Jack", "Queen", "King"};
constexpr std::array<const char*, SuitsPerPack> SuitWords{"Hearts", "Diamonds", "Clubs", "Spades"};

bool ValidCard(int rank, int suit) {
  return rank >= 0 && rank < RanksPerSuit && suit >= 0 && suit < SuitsPerPack;
}

}  // namespace

int RankOf(int index) {
  return index % RanksPerSuit;
}

int SuitOf(int index) {
  return (index / RanksPerSuit) % SuitsPerPack;
}

QString ShortName(int rank, int suit) {
  if (!ValidCard(rank, suit))
    return QStringLiteral("??");
  return QString::fromLatin1(RankTexts[static_cast<size_t>(rank)]) +
         QString::fromLatin1(SuitLetters[static_cast<size_t>(suit)]);
}

QString LongName(int rank, int suit) {
  if (!ValidCard(rank, suit))
    return QStringLiteral("??");
  return QString::fromLatin1(RankWords[static_cast<size_t>(rank)]) + QStringLiteral(" of ") +
         QString::fromLatin1(SuitWords[static_cast<size_t>(suit)]);
}
