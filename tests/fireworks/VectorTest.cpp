#include <gtest/gtest.h>

#include "fireworks/Vector3.h"

namespace {

void ExpectNear(const TVector3& actual, const TVector3& expected) {
  EXPECT_NEAR(actual.x, expected.x, 1e-12);
  EXPECT_NEAR(actual.y, expected.y, 1e-12);
  EXPECT_NEAR(actual.z, expected.z, 1e-12);
}

TEST(VectorTest, NormaliseLengthAndRounding) {
  ExpectNear(Normalise(Make(0, 0, 0)), Make(0, 0, 0));  // no division by zero
  ExpectNear(Normalise(Make(3, 0, 4)), Make(0.6, 0, 0.8));
  // 1e200 squared overflows a double; the extended sum does not.
  EXPECT_NEAR(Length(Make(3e200, 4e200, 0)) / 1e200, 5.0, 1e-12);
  EXPECT_EQ(ToPoint(Make(2.5, 3.5, 9)), QPoint(2, 4));
}

TEST(VectorTest, SphericalPointTurnsUpAboutZThenAboutX) {
  const TVector3 origin = Make(10, 20, 30);
  const struct {
    double A, B, R;
    TVector3 Offset;
  } cases[] = {
      {0, 0, 5, {0, 5, 0}},   {90, 0, 5, {5, 0, 0}},   {0, 90, 5, {0, 0, -5}},
      {90, 90, 2, {2, 0, 0}}, {37, 211, 0, {0, 0, 0}},  // no radius: the origin itself
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "a " << c.A << ", b " << c.B);
    ExpectNear(SphericalPoint(origin, c.A, c.B, c.R), Add(origin, c.Offset));
  }
}

}  // namespace
