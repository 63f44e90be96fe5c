// Whole frames of a seeded Basic launch against the values that
// basic_launch.py (beside this file) works out from the model's rules on its
// own: positions, speeds, lives, colours and bounces of sample particles,
// and the generator's state after the last frame, which pins the number and
// order of every random draw.
#include <gtest/gtest.h>

#include <map>

#include "fireworks/Fireworks.h"

namespace {

struct TExpected {
  int Frame, Count, Index;
  TVector3 Position, Velocity;
  double Life;
  QRgb Color;
  int Bounces;
};

// Output of basic_launch.py: seed 20261208, a 640 x 480 picture.
const TExpected Expected[] = {
    // clang-format off
    {1, 2, 0, {320.09060210054344, 2.8372894082777966, -0.02041598086976903}, {0.9060210054344975, 8.372894082777965, -0.2041598086976903}, 9.9, 0x0000ff, 0},
    {1, 2, 1, {319.96148418223936, 1.8276489255816462, 0.09019530568633777}, {-0.38515817760641824, -1.7235107441835384, 0.9019530568633777}, 10.347443207958714, 0xff0000, 0},
    {11, 11, 0, {322.3704929337109, 51.27857079723128, 1.1145943218295369}, {1.5250608773070828, 73.43863948265651, 2.8038863825892935}, 8.900000000000004, 0x0000ff, 0},
    {11, 11, 1, {319.75186591809677, 0.2696203443484433, -0.4153215746127086}, {0.16266791773482986, 0.902065906007607, -2.0771376657492686}, 9.347443207958717, 0xff0000, 1},
    {11, 11, 10, {321.94118686780615, 34.72099198129043, 0.5370292277059775}, {-0.11592012492727959, -8.366000001804505, 0.13370483508678818}, 9.22977407714352, 0xff0000, 0},
    {56, 54, 0, {314.74999640815724, 229.42740800760518, 16.91847396213935}, {-3.8634329025261147, 11.687384540139908, 5.825195589250229}, 4.40000000000002, 0x808080, 0},
    {56, 54, 1, {323.73999698465127, 0.20858808474443125, -0.3608751200932833}, {-2.4163815095806624, 0.3910190274583353, 2.770360050502572}, 5.059428417589533, 0xff0000, 1},
    {56, 54, 53, {312.3676921680861, 230.635368843166, 18.303100389046246}, {-27.68647530323765, 23.766992895748043, 19.67145985831918}, 9.4, 0xff00ff, 0},
    {57, 103, 0, {314.4274490460011, 230.44611407888667, 17.542221026330004}, {-3.2254736215619086, 10.187060712814832, 6.23747064190656}, 4.30000000000002, 0x808080, 0},
    {57, 103, 1, {323.46111846593226, 0.20259917503299785, -0.023813531504928542}, {-2.7887851871903617, -0.05988909711433399, 3.3706158858835478}, 4.959428417589534, 0xff0000, 1},
    {57, 103, 102, {314.540953219774, 233.59111808147594, 17.02630043648048}, {-1.2968016272432608, 12.127698288462259, 1.4691624432735333}, 10.067918012011797, 0x0000ff, 0},
    // clang-format on
};
constexpr uint32_t SeedAfterLastFrame = 102368776;

void ExpectNear(const TVector3& actual, const TVector3& expected, const char* what) {
  EXPECT_NEAR(actual.x, expected.x, 1e-9) << what;
  EXPECT_NEAR(actual.y, expected.y, 1e-9) << what;
  EXPECT_NEAR(actual.z, expected.z, 1e-9) << what;
}

TEST(BasicLaunchTest, FramesMatchTheIndependentlyWorkedOutValues) {
  std::multimap<int, TExpected> byFrame;
  for (const TExpected& e : Expected)
    byFrame.emplace(e.Frame, e);

  TRandom random;
  random.SetSeed(20261208);
  TFireworks fireworks(random);
  QImage picture(640, 480, QImage::Format_RGB32);
  fireworks.Launch(picture, BasicRocket());
  const int lastFrame = byFrame.rbegin()->first;
  for (int frame = 1; frame <= lastFrame; ++frame) {
    fireworks.Advance(picture);
    const auto [first, last] = byFrame.equal_range(frame);
    for (auto it = first; it != last; ++it) {
      const TExpected& e = it->second;
      SCOPED_TRACE(testing::Message() << "frame " << frame << ", particle " << e.Index);
      ASSERT_EQ(fireworks.Rockets.Count(), e.Count);
      const TRocket p = fireworks.Rockets.Get(e.Index);
      ExpectNear(p.Position, e.Position, "position");
      ExpectNear(p.Velocity, e.Velocity, "velocity");
      EXPECT_NEAR(p.Life, e.Life, 1e-9);
      EXPECT_EQ(p.Color & 0xffffff, e.Color);
      EXPECT_EQ(p.Bounces, e.Bounces);
    }
  }
  EXPECT_EQ(random.Seed(), SeedAfterLastFrame);
}

}  // namespace
