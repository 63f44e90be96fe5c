#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "cards/CardArt.h"
#include "cards/CardOutline.h"

namespace {

constexpr QRgb TableGreen = qRgb(0, 128, 0);
constexpr QRgb White = qRgb(255, 255, 255);
constexpr int FaceCount = 52;
constexpr int RankCount = 13;
const std::array<QSize, 2> CardSizes{CardOutline::LargeSize, CardOutline::SmallSize};

std::string SizeName(QSize size) {
  return std::to_string(size.width()) + "x" + std::to_string(size.height());
}

struct Picture {
  std::string name;
  QImage image;
};

// Every picture of one size: the 52 faces, then the back designs.
std::vector<Picture> AllPictures(QSize size) {
  std::vector<Picture> pictures;
  for (int face = 0; face < FaceCount; ++face)
    pictures.push_back(
        {"face " + std::to_string(face) + " " + SizeName(size), CardArt::DrawFace(face, size)});
  for (int design = 0; design < CardArt::BackDesigns; ++design)
    pictures.push_back(
        {"back " + std::to_string(design) + " " + SizeName(size), CardArt::DrawBack(design, size)});
  return pictures;
}

std::vector<QImage> Faces(QSize size) {
  std::vector<QImage> faces;
  for (int face = 0; face < FaceCount; ++face)
    faces.push_back(CardArt::DrawFace(face, size));
  return faces;
}

std::vector<QImage> Backs(QSize size) {
  std::vector<QImage> backs;
  for (int design = 0; design < CardArt::BackDesigns; ++design)
    backs.push_back(CardArt::DrawBack(design, size));
  return backs;
}

std::string At(int x, int y) {
  return " at (" + std::to_string(x) + "," + std::to_string(y) + ")";
}

// Distance of a pixel from the picture's edge.
int EdgeDistance(int x, int y, QSize size) {
  return std::min({x, y, size.width() - 1 - x, size.height() - 1 - y});
}

// Inside the card and not on its border line.
bool IsPlainInside(int x, int y, QSize size) {
  return !CardOutline::IsOutside(x, y, size) && !CardOutline::IsBorder(x, y, size);
}

bool IsStrongRed(QRgb pixel) {
  return qRed(pixel) >= 150 && qGreen(pixel) <= 90 && qBlue(pixel) <= 90;
}

// Ink: anything clearly darker than the white card in some channel.
bool IsInk(QRgb pixel) {
  return std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}) < 128;
}

// The first pixel that breaks the card outline, or "" when there is none.
std::string OutlineFault(const QImage& image) {
  const QSize size = image.size();
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      if (CardOutline::IsOutside(x, y, size)) {
        if (pixel != TableGreen)
          return "outside pixel not table green" + At(x, y);
      } else if (CardOutline::IsBorder(x, y, size)) {
        if (qGray(pixel) > 100)
          return "border pixel not dark" + At(x, y);
      } else if (pixel == TableGreen) {
        return "table green inside the card" + At(x, y);
      }
    }
  return "";
}

// Number of 8-connected groups of at least `minPixels` ink pixels inside
// `area`.
int CountInkBlobs(const QImage& image, const QRect& area, int minPixels) {
  std::vector<char> seen(static_cast<size_t>(area.width() * area.height()), 0);
  auto index = [&](int x, int y) {
    return static_cast<size_t>((y - area.top()) * area.width() + (x - area.left()));
  };
  int blobs = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      if (seen[index(x, y)] || !IsInk(image.pixel(x, y)))
        continue;
      int pixels = 0;
      std::vector<QPoint> stack{{x, y}};
      seen[index(x, y)] = 1;
      while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        ++pixels;
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx) {
            const QPoint q(p.x() + dx, p.y() + dy);
            if (!area.contains(q) || seen[index(q.x(), q.y())] || !IsInk(image.pixel(q)))
              continue;
            seen[index(q.x(), q.y())] = 1;
            stack.push_back(q);
          }
      }
      if (pixels >= minPixels)
        ++blobs;
    }
  return blobs;
}

// Largest per-channel difference between `image` and itself turned half a
// turn, over the pixels of `area` (in the unturned picture).
int HalfTurnDifference(const QImage& image, const QRect& area) {
  const QSize size = image.size();
  int worst = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb a = image.pixel(x, y);
      const QRgb b = image.pixel(size.width() - 1 - x, size.height() - 1 - y);
      worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                        std::abs(qBlue(a) - qBlue(b))});
    }
  return worst;
}

std::array<double, 3> MeanColour(const QImage& image) {
  std::array<double, 3> sum{0, 0, 0};
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      if (CardOutline::IsOutside(x, y, image.size()))
        continue;
      const QRgb pixel = image.pixel(x, y);
      sum[0] += qRed(pixel);
      sum[1] += qGreen(pixel);
      sum[2] += qBlue(pixel);
      ++count;
    }
  for (double& channel : sum)
    channel /= count;
  return sum;
}

// --- Every picture

// The row runs that pictures are cut with say of every pixel what the
// pixel rule says, at any ratio and border width, in the rows just off the
// picture too.
TEST(CardOutlineRows, AgreeWithThePixelRule) {
  struct TCase {
    QSize Card;
    double Ratio;
    int Width;
  };
  const auto large = CardOutline::LargeSize;
  const auto small = CardOutline::SmallSize;
  for (const TCase& c : {TCase{large, 1, 1}, TCase{small, 1, 1}, TCase{large * 1.25, 1.25, 1},
                         TCase{large * 4.375, 4.375, 1}, TCase{large * 4.375, 4.375, 4},
                         TCase{small * 2, 2, 2}, TCase{QSize(3, 5), 1, 1}, TCase{large, 1, 3}}) {
    const CardOutline::TShape shape(c.Card, c.Ratio);
    for (int y = -2; y < c.Card.height() + 2; ++y) {
      const auto inside = shape.Inside(y);
      const auto runs = shape.BorderRuns(y, c.Width);
      for (int x = -1; x <= c.Card.width(); ++x) {
        const auto in = [x](std::pair<int, int> run) { return run.first <= x && x < run.second; };
        ASSERT_EQ(in(inside), !shape.IsOutside(x, y)) << c.Card.width() << " " << x << "," << y;
        ASSERT_EQ(in(runs[0]) || in(runs[1]), shape.IsBorder(x, y, c.Width))
            << c.Card.width() << " w" << c.Width << " " << x << "," << y;
        ASSERT_FALSE(in(runs[0]) && in(runs[1])) << x << "," << y;
      }
    }
  }
}

TEST(CardArtPictures, HaveTheRequestedSizeAndFormat) {
  for (QSize size : CardSizes)
    for (const Picture& picture : AllPictures(size)) {
      EXPECT_EQ(picture.image.size(), size) << picture.name;
      EXPECT_EQ(picture.image.format(), QImage::Format_RGB32) << picture.name;
    }
}

TEST(CardArtPictures, FollowTheRoundedOutlineExactly) {
  for (QSize size : CardSizes)
    for (const Picture& picture : AllPictures(size))
      EXPECT_EQ(OutlineFault(picture.image), "") << picture.name;
}

TEST(CardArtPictures, AreTheSameOnEveryDrawing) {
  for (QSize size : CardSizes) {
    const std::vector<Picture> first = AllPictures(size);
    const std::vector<Picture> second = AllPictures(size);
    for (size_t i = 0; i < first.size(); ++i)
      EXPECT_TRUE(first[i].image == second[i].image) << first[i].name;
  }
}

TEST(CardArtPictures, NumbersOutOfRangeStillGiveAWellFormedCard) {
  for (QSize size : CardSizes)
    for (const QImage& image :
         {CardArt::DrawFace(-1, size), CardArt::DrawFace(FaceCount, size),
          CardArt::DrawBack(-1, size), CardArt::DrawBack(CardArt::BackDesigns, size)}) {
      EXPECT_EQ(image.size(), size);
      EXPECT_EQ(image.format(), QImage::Format_RGB32);
      EXPECT_EQ(OutlineFault(image), "");
    }
}

// --- Faces

TEST(CardArtFaces, RedSuitsUseRedInkAndBlackSuitsNone) {
  for (QSize size : CardSizes) {
    const std::vector<QImage> faces = Faces(size);
    for (int face = 0; face < FaceCount; ++face) {
      const QImage& image = faces[static_cast<size_t>(face)];
      int red = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
          red += IsStrongRed(image.pixel(x, y)) ? 1 : 0;
      const bool redSuit = face / RankCount < 2;
      if (redSuit) {
        EXPECT_GT(red, 10) << "face " << face << " " << SizeName(size);
      } else {
        EXPECT_EQ(red, 0) << "face " << face << " " << SizeName(size);
      }
    }
  }
}

TEST(CardArtFaces, AllFiftyTwoAreDifferent) {
  for (QSize size : CardSizes) {
    const std::vector<QImage> faces = Faces(size);
    for (size_t a = 0; a < faces.size(); ++a)
      for (size_t b = a + 1; b < faces.size(); ++b)
        EXPECT_FALSE(faces[a] == faces[b])
            << "faces " << a << " and " << b << " " << SizeName(size);
  }
}

TEST(CardArtFaces, CornerRankCharactersDifferForEveryRank) {
  for (QSize size : CardSizes) {
    const std::vector<QImage> faces = Faces(size);
    // The rank characters sit in the top-left corner, above the suit symbol.
    const QRect corner(0, 0, size.width() * 16 / 100, size.height() * 16 / 100);
    for (int suit = 0; suit < 4; ++suit)
      for (int a = 0; a < RankCount; ++a)
        for (int b = a + 1; b < RankCount; ++b)
          EXPECT_FALSE(faces[static_cast<size_t>(suit * RankCount + a)].copy(corner) ==
                       faces[static_cast<size_t>(suit * RankCount + b)].copy(corner))
              << "suit " << suit << " ranks " << a << " and " << b << " " << SizeName(size);
  }
}

TEST(CardArtFaces, NothingIsPaintedAgainstTheBorderLine) {
  // The corner indexes (including the wide "10") must fit inside the card.
  for (QSize size : CardSizes) {
    const std::vector<QImage> faces = Faces(size);
    for (size_t face = 0; face < faces.size(); ++face)
      for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
          if (EdgeDistance(x, y, size) != 1 || !IsPlainInside(x, y, size))
            continue;
          const QRgb pixel = faces[face].pixel(x, y);
          ASSERT_GT(std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}), 200)
              << "face " << face << " " << SizeName(size) << At(x, y);
        }
  }
}

TEST(CardArtFaces, NumberCardsShowOnePipPerPoint) {
  for (QSize size : CardSizes) {
    const std::vector<QImage> faces = Faces(size);
    // The pip field, clear of both corner indexes and of the border line.
    const QRect pipField(size.width() / 5, 1, size.width() - 2 * (size.width() / 5),
                         size.height() - 2);
    for (int suit = 0; suit < 4; ++suit)
      for (int rank = 1; rank <= 9; ++rank)
        EXPECT_EQ(CountInkBlobs(faces[static_cast<size_t>(suit * RankCount + rank)], pipField, 4),
                  rank + 1)
            << "suit " << suit << " rank " << rank << " " << SizeName(size);
  }
}

TEST(CardArtFaces, AcesCarryOneLargeCentralPip) {
  for (QSize size : CardSizes)
    for (int suit = 0; suit < 4; ++suit) {
      const QImage ace = CardArt::DrawFace(suit * RankCount, size);
      // Much of the middle third of the card is ink, and none of the
      // number-card pip positions near the top and bottom are.
      const QRect middle(size.width() / 3, size.height() / 3, size.width() / 3, size.height() / 3);
      int ink = 0;
      for (int y = middle.top(); y <= middle.bottom(); ++y)
        for (int x = middle.left(); x <= middle.right(); ++x)
          ink += IsInk(ace.pixel(x, y)) ? 1 : 0;
      EXPECT_GE(ink, middle.width() * middle.height() * 3 / 10)
          << "suit " << suit << " " << SizeName(size);
      const QRect pipField(size.width() / 5, 1, size.width() - 2 * (size.width() / 5),
                           size.height() - 2);
      EXPECT_EQ(CountInkBlobs(ace, pipField.adjusted(0, 0, 0, -size.height() * 3 / 4), 4), 0)
          << "suit " << suit << " " << SizeName(size);
    }
}

TEST(CardArtFaces, SymmetricLayoutsReadTheSameUpsideDown) {
  // The two, four and ten and the double-headed courts look the same either
  // way up; every face has its index turned upside down in the opposite
  // corner.
  constexpr int Tolerance = 40;
  for (QSize size : CardSizes) {
    const std::vector<QImage> faces = Faces(size);
    const QRect whole(QPoint(0, 0), size);
    const QRect index(0, 0, size.width() / 6, size.height() / 4);
    for (int face = 0; face < FaceCount; ++face) {
      const QImage& image = faces[static_cast<size_t>(face)];
      const int rank = face % RankCount;
      EXPECT_LE(HalfTurnDifference(image, index), Tolerance)
          << "index of face " << face << " " << SizeName(size);
      const bool symmetric = rank == 1 || rank == 3 || rank >= 9;
      if (symmetric) {
        EXPECT_LE(HalfTurnDifference(image, whole), Tolerance)
            << "face " << face << " " << SizeName(size);
      }
    }
  }
}

TEST(CardArtFaces, CourtCardsAreNotPlainWhite) {
  for (QSize size : CardSizes)
    for (int face = 0; face < FaceCount; ++face) {
      if (face % RankCount < 10)
        continue;
      const auto mean = MeanColour(CardArt::DrawFace(face, size));
      EXPECT_LT(mean[0] + mean[1] + mean[2], 3 * 200.0) << "face " << face << " " << SizeName(size);
    }
}

// --- Backs

TEST(CardArtBacks, AllDesignsDifferInPatternAndColour) {
  for (QSize size : CardSizes) {
    const std::vector<QImage> backs = Backs(size);
    for (size_t a = 0; a < backs.size(); ++a) {
      const auto meanA = MeanColour(backs[a]);
      for (size_t b = a + 1; b < backs.size(); ++b) {
        EXPECT_FALSE(backs[a] == backs[b]) << "designs " << a << " and " << b;
        const auto meanB = MeanColour(backs[b]);
        const double distance =
            std::hypot(meanA[0] - meanB[0], meanA[1] - meanB[1], meanA[2] - meanB[2]);
        EXPECT_GT(distance, 12.0) << "designs " << a << " and " << b << " " << SizeName(size);
      }
    }
  }
}

TEST(CardArtBacks, HaveAWhiteBandInsideTheBorder) {
  for (QSize size : CardSizes) {
    const std::vector<QImage> backs = Backs(size);
    for (size_t design = 0; design < backs.size(); ++design)
      for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
          const int distance = EdgeDistance(x, y, size);
          if ((distance != 1 && distance != 2) || !IsPlainInside(x, y, size))
            continue;
          ASSERT_EQ(backs[design].pixel(x, y), White)
              << "design " << design << " " << SizeName(size) << At(x, y);
        }
  }
}

TEST(CardArtBacks, ArePatternedRatherThanFlat) {
  for (QSize size : CardSizes) {
    const std::vector<QImage> backs = Backs(size);
    // The patterned field, well inside the white band.
    const QRect field(6, 6, size.width() - 12, size.height() - 12);
    for (size_t design = 0; design < backs.size(); ++design) {
      std::vector<QRgb> pixels;
      for (int y = field.top(); y <= field.bottom(); ++y)
        for (int x = field.left(); x <= field.right(); ++x)
          pixels.push_back(backs[design].pixel(x, y));
      std::sort(pixels.begin(), pixels.end());
      size_t commonest = 0;
      size_t colours = 0;
      for (size_t i = 0; i < pixels.size();) {
        size_t j = i;
        while (j < pixels.size() && pixels[j] == pixels[i])
          ++j;
        commonest = std::max(commonest, j - i);
        ++colours;
        i = j;
      }
      EXPECT_GE(colours, 3u) << "design " << design << " " << SizeName(size);
      EXPECT_LT(commonest, pixels.size() * 9 / 10) << "design " << design << " " << SizeName(size);
    }
  }
}

}  // namespace
