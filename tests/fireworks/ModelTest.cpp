// The fireworks model's edge cases, on a seeded generator.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "fireworks/Fireworks.h"

namespace {

class ModelTest : public ::testing::Test {
 protected:
  ModelTest() : Fireworks(Random) { Random.SetSeed(4242); }

  // A still, long-lived particle high above the ground.
  static TRocket Floating() {
    TRocket p = StarTemplate();
    p.Position = Make(100, 300, 0);
    p.Life = 100;
    return p;
  }
  void StepAndLand() {
    Fireworks.Step(0.1);
    Fireworks.CheckGround();
  }

  TRandom Random;
  TFireworks Fireworks;
};

TEST_F(ModelTest, ARocketWithNoBurningStageKeepsItsThrustAndLeavesNoTrail) {
  TRocket rocket = BasicRocket();
  for (TRocketStage& stage : rocket.Stages)
    stage.Duration = 0;
  rocket.Fuse = 0;
  Fireworks.AddRocket(rocket);
  for (int frame = 0; frame < 30; ++frame)
    Fireworks.Step(0.1);
  ASSERT_EQ(Fireworks.Rockets.Count(), 1);
  EXPECT_EQ(Fireworks.Rockets[0].Thrust.y, 88.0);
}

TEST_F(ModelTest, SpentFusesNeverBurst) {
  for (double fuse : {0.0, -1.0}) {
    TFireworks fireworks(Random);
    TRocket rocket = BasicRocket();
    rocket.Fuse = fuse;
    fireworks.AddRocket(rocket);
    for (int frame = 0; frame < 20; ++frame)
      fireworks.UpdateParticle(0, 0.1);
    EXPECT_EQ(fireworks.Rockets[0].Color, RGB(0, 0, 255)) << fuse;
    EXPECT_EQ(fireworks.Rockets.Count(), 1 + 10) << fuse;  // the trail only
  }
}

TEST_F(ModelTest, BurstPatterns) {
  const struct {
    bool Spherical;
    int StarCount, Stars;
  } cases[] = {{true, 35, 49}, {true, 0, 1}, {true, 2, 4}, {false, 4, 4}, {false, 0, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.Spherical ? "spherical " : "ring ") << c.StarCount);
    TFireworks fireworks(Random);
    TRocket shell = Floating();
    shell.Velocity = Make(1, 2, 3);
    shell.Spherical = c.Spherical;
    shell.StarCount = c.StarCount;
    shell.Fuse = -0.05;
    shell.BurstSpeed = 30;
    shell.BurstSpeedRange = 2;
    fireworks.Burst(shell);
    ASSERT_EQ(fireworks.Rockets.Count(), c.Stars);
    for (int i = 0; i < c.Stars; ++i) {
      const TRocket star = fireworks.Rockets.Get(i);
      const TVector3 kick = Subtract(star.Velocity, shell.Velocity);
      EXPECT_GE(Length(kick), 30.0);
      EXPECT_LT(Length(kick), 32.0);
      if (!c.Spherical) {
        EXPECT_NEAR(kick.z, 0.0, 1e-12);  // a ring lies in the x-y plane
      }
      EXPECT_TRUE(std::set<double>({7.5, 8.5, 9.5, 10.5, 11.5}).count(star.Life)) << star.Life;
      EXPECT_LE(star.Fuse, 0.0);  // stars never burst again
    }
    if (c.Stars == 0)
      continue;
    // The first star goes straight up; a ring's second one a quarter turn on.
    const TVector3 first = Subtract(fireworks.Rockets[0].Velocity, shell.Velocity);
    EXPECT_NEAR(std::hypot(first.x, first.z), 0.0, 1e-12);
    EXPECT_GT(first.y, 0.0);
    if (!c.Spherical) {
      EXPECT_GT(fireworks.Rockets[1].Velocity.x - shell.Velocity.x, 0.0);
      EXPECT_NEAR(fireworks.Rockets[1].Velocity.y, shell.Velocity.y, 1e-12);
    }
  }
}

TEST_F(ModelTest, ParticlesBornInTheUpdatePassAreAgedAndMovedInTheSameFrame) {
  TRocket rocket = Floating();
  rocket.Fuse = 0.05;
  rocket.Spherical = true;
  rocket.StarCount = 0;
  rocket.Stages[0] = {1.0, RGB(9, 9, 9)};
  Fireworks.AddRocket(rocket);
  Fireworks.Step(0.1);
  ASSERT_EQ(Fireworks.Rockets.Count(), 3);  // shell, star, spark
  for (int i = 1; i < 3; ++i)
    EXPECT_NE(Fireworks.Rockets[i].Position.y, 300.0) << i;  // moved once
  const double starLife = Fireworks.Rockets[1].Life + 0.1;
  EXPECT_NEAR(starLife - std::floor(starLife), 0.5, 1e-9);  // 7.5 .. 11.5, aged once
}

TEST_F(ModelTest, AParticleWithoutLifeGoesOnlyAtItsSecondGroundContact) {
  for (double life : {0.0, -3.0}) {
    SCOPED_TRACE(life);
    Fireworks.Rockets.Clear();
    TRocket spark = SparkTemplate();
    spark.Position = Make(50, 5, 0);
    spark.Life = life;
    Fireworks.AddRocket(spark);
    for (int frame = 0; frame < 500 && Fireworks.Rockets[0].Bounces == 0; ++frame)
      StepAndLand();
    ASSERT_EQ(Fireworks.Rockets.Count(), 1);
    EXPECT_EQ(Fireworks.Rockets[0].Life, life);  // never aged
    for (int frame = 0; frame < 500 && Fireworks.Rockets.Count() == 1; ++frame)
      StepAndLand();
    EXPECT_EQ(Fireworks.Rockets.Count(), 0);
  }
}

TEST_F(ModelTest, TheGroundBouncesOnceAtAQuarterOfTheSpeedThenRemoves) {
  TRocket low = Floating();
  low.Position = Make(10, -1, 0);
  low.Velocity = Make(3, -8, 0);
  Fireworks.AddRocket(low);
  Fireworks.AddRocket(Floating());
  Fireworks.CheckGround();
  ASSERT_EQ(Fireworks.Rockets.Count(), 2);
  EXPECT_EQ(Fireworks.Rockets[0].Position.y, 0.0);
  EXPECT_EQ(Fireworks.Rockets[0].Velocity.y, 2.0);
  EXPECT_EQ(Fireworks.Rockets[0].Bounces, 1);
  Fireworks.Rockets[0].Position.y = -0.001;
  Fireworks.CheckGround();
  ASSERT_EQ(Fireworks.Rockets.Count(), 1);
  EXPECT_EQ(Fireworks.Rockets[0].Position.y, 300.0);  // the other one stays
}

TEST_F(ModelTest, WithoutSpreadASparkStartsExactlyAtItsEmitter) {
  TRocket emitter = Floating();
  emitter.Position = Make(1.25, 2.5, -3.75);
  emitter.Velocity = Make(4, 5, 6);
  Fireworks.EmitSpark(emitter, RGB(7, 8, 9));
  const TRocket spark = Fireworks.Rockets.Get(0);
  EXPECT_EQ(spark.Position.x, 1.25);
  EXPECT_EQ(spark.Position.y, 2.5);
  EXPECT_EQ(spark.Position.z, -3.75);
  EXPECT_EQ(spark.Velocity.z, 6.0);
  EXPECT_EQ(spark.Color, RGB(7, 8, 9));
}

}  // namespace
