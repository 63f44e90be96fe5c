// The fireworks model's edge cases, on a seeded generator.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "fireworks/Fireworks.h"

namespace {

class ModelTest : public ::testing::Test {
 protected:
  ModelTest() : Fireworks(Random) { Random.SetSeed(4242); }

  // A still particle high above the ground that lives long.
  static TRocket Floating() {
    TRocket p = StarTemplate();
    p.Position = Make(100, 300, 0);
    p.Life = 100;
    return p;
  }
  // A Basic rocket as launched straight up, at rest.
  static TRocket Rocket() {
    TRocket r = BasicRocket();
    r.Position = Make(100, 2, 0);
    return r;
  }

  TRandom Random;
  TFireworks Fireworks;
};

TEST_F(ModelTest, ARocketWithNoBurningStageKeepsItsThrustAndLeavesNoTrail) {
  TRocket rocket = Rocket();
  for (TRocketStage& stage : rocket.Stages)
    stage.Duration = 0;
  rocket.Fuse = 0;
  Fireworks.AddRocket(rocket);
  for (int frame = 0; frame < 30; ++frame)
    Fireworks.Step(0.1);
  ASSERT_EQ(Fireworks.Rockets.Count(), 1);
  EXPECT_EQ(Fireworks.Rockets[0].Thrust.y, 88.0);
  EXPECT_GT(Fireworks.Rockets[0].Position.y, 100.0);
}

TEST_F(ModelTest, TheFirstStageToEndCutsTheThrust) {
  Fireworks.AddRocket(Rocket());
  for (int frame = 0; frame < 10; ++frame)
    Fireworks.UpdateParticle(0, 0.1);
  // 1.0 s less ten rounded tenths is still a hair above zero.
  EXPECT_EQ(Fireworks.Rockets[0].Thrust.y, 88.0);
  Fireworks.UpdateParticle(0, 0.1);
  EXPECT_EQ(Fireworks.Rockets[0].Thrust.y, 0.0);
  EXPECT_EQ(Fireworks.Rockets.Count(), 11);  // ten red sparks
  EXPECT_EQ(Fireworks.Rockets[10].Color, RGB(255, 0, 0));
}

TEST_F(ModelTest, SpentFusesNeverBurst) {
  for (double fuse : {0.0, -1.0}) {
    SCOPED_TRACE(fuse);
    TFireworks fireworks(Random);
    TRocket rocket = Rocket();
    rocket.Fuse = fuse;
    fireworks.AddRocket(rocket);
    for (int frame = 0; frame < 20; ++frame)
      fireworks.UpdateParticle(0, 0.1);
    EXPECT_EQ(fireworks.Rockets[0].Color, RGB(0, 0, 255));
    EXPECT_EQ(fireworks.Rockets.Count(), 1 + 10);  // the trail only
  }
}

TEST_F(ModelTest, ABurstTurnsTheRocketIntoAGreyShellAndItsStarsNeverBurstAgain) {
  TRocket rocket = Floating();
  rocket.Fuse = 0.05;
  rocket.Spherical = true;
  rocket.StarCount = 35;
  rocket.BurstColor = RGB(1, 2, 3);
  rocket.BurstStages = RedYellowStages();
  rocket.StarJitter = 0.5;
  Fireworks.AddRocket(rocket);
  Fireworks.UpdateParticle(0, 0.1);
  const TRocket shell = Fireworks.Rockets.Get(0);
  EXPECT_EQ(shell.Color, RGB(128, 128, 128));
  EXPECT_EQ(shell.Mass, 0.025);
  EXPECT_EQ(shell.Radius, 0.025);
  ASSERT_EQ(Fireworks.Rockets.Count(), 1 + 49);
  const TRocket star = Fireworks.Rockets.Get(1);
  EXPECT_EQ(star.Color, RGB(1, 2, 3));
  EXPECT_EQ(star.Jitter, 0.5);
  EXPECT_EQ(star.Stages[5].Color, RGB(255, 255, 0));
  EXPECT_EQ(star.Mass, 0.05);
  EXPECT_LE(star.Fuse, 0.0);
  // Forty more frames: the stars trail sparks but no star bursts.
  for (int frame = 0; frame < 40; ++frame)
    for (int i = Fireworks.Rockets.Count() - 1; i >= 0; --i)
      Fireworks.UpdateParticle(i, 0.1);
  int grey = 0;
  for (int i = 0; i < Fireworks.Rockets.Count(); ++i)
    grey += Fireworks.Rockets[i].Color == RGB(128, 128, 128) ? 1 : 0;
  EXPECT_EQ(grey, 1);
}

TEST_F(ModelTest, BurstPatterns) {
  const struct {
    bool Spherical;
    int StarCount;
    int Stars;
  } cases[] = {{true, 35, 49}, {true, 0, 1}, {true, 2, 4}, {false, 4, 4}, {false, 0, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.Spherical ? "spherical " : "ring ") << c.StarCount);
    TFireworks fireworks(Random);
    TRocket shell = Floating();
    shell.Velocity = Make(1, 2, 3);
    shell.Spherical = c.Spherical;
    shell.StarCount = c.StarCount;
    shell.BurstSpeed = 30;
    shell.BurstSpeedRange = 2;
    fireworks.Burst(shell);
    ASSERT_EQ(fireworks.Rockets.Count(), c.Stars);
    std::set<double> lives;
    for (int i = 0; i < c.Stars; ++i) {
      const TRocket star = fireworks.Rockets.Get(i);
      const TVector3 kick = Subtract(star.Velocity, shell.Velocity);
      EXPECT_GE(Length(kick), 30.0);
      EXPECT_LT(Length(kick), 32.0);
      if (!c.Spherical) {
        EXPECT_NEAR(kick.z, 0.0, 1e-12);  // a ring lies in the x-y plane
      }
      EXPECT_EQ(star.Position.y, 300.0);
      lives.insert(star.Life);
    }
    for (double life : lives)
      EXPECT_TRUE(std::set<double>({7.5, 8.5, 9.5, 10.5, 11.5}).count(life)) << life;
    if (c.Stars == 0)
      continue;
    // The first star goes straight up; a ring's second one a quarter turn on.
    const TVector3 first = Subtract(fireworks.Rockets[0].Velocity, shell.Velocity);
    EXPECT_NEAR(first.x, 0.0, 1e-12);
    EXPECT_NEAR(first.z, 0.0, 1e-12);
    EXPECT_GT(first.y, 0.0);
    if (!c.Spherical) {
      const TVector3 second = Subtract(fireworks.Rockets[1].Velocity, shell.Velocity);
      EXPECT_NEAR(second.y, 0.0, 1e-12);
      EXPECT_GT(second.x, 0.0);
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
  for (int i = 1; i < 3; ++i) {
    const TRocket born = Fireworks.Rockets.Get(i);
    EXPECT_NE(born.Position.y, 300.0) << i;  // moved once
    EXPECT_NE(born.Acceleration.y, 0.0) << i;
  }
  const double starLife = Fireworks.Rockets[1].Life + 0.1;
  EXPECT_NEAR(starLife - std::floor(starLife), 0.5, 1e-9);  // 7.5 .. 11.5, aged once
  EXPECT_LT(Fireworks.Rockets[2].Life, 12.5 - 0.1 + 1e-12);
}

TEST_F(ModelTest, AParticleWithoutLifeGoesOnlyAtItsSecondGroundContact) {
  for (double life : {0.0, -3.0}) {
    SCOPED_TRACE(life);
    TFireworks fireworks(Random);
    TRocket spark = SparkTemplate();
    spark.Position = Make(50, 5, 0);
    spark.Life = life;
    fireworks.AddRocket(spark);
    int frames = 0;
    while (fireworks.Rockets.Count() == 1 && fireworks.Rockets[0].Bounces == 0 && frames < 500) {
      fireworks.Step(0.1);
      fireworks.CheckGround();
      ++frames;
    }
    ASSERT_EQ(fireworks.Rockets.Count(), 1);
    EXPECT_EQ(fireworks.Rockets[0].Bounces, 1);
    EXPECT_EQ(fireworks.Rockets[0].Life, life);  // never aged
    while (fireworks.Rockets.Count() == 1 && frames < 1000) {
      fireworks.Step(0.1);
      fireworks.CheckGround();
      ++frames;
    }
    EXPECT_EQ(fireworks.Rockets.Count(), 0);
  }
}

TEST_F(ModelTest, TheGroundBouncesOnceAtAQuarterOfTheSpeedThenRemoves) {
  TRocket low = Floating();
  low.Position = Make(10, -1, 0);
  low.Velocity = Make(3, -8, 0);
  TRocket high = Floating();
  Fireworks.AddRocket(low);
  Fireworks.AddRocket(high);
  Fireworks.CheckGround();
  ASSERT_EQ(Fireworks.Rockets.Count(), 2);
  EXPECT_EQ(Fireworks.Rockets[0].Position.y, 0.0);
  EXPECT_EQ(Fireworks.Rockets[0].Velocity.y, 2.0);
  EXPECT_EQ(Fireworks.Rockets[0].Velocity.x, 3.0);
  EXPECT_EQ(Fireworks.Rockets[0].Bounces, 1);
  Fireworks.Rockets[0].Position.y = -0.001;
  Fireworks.CheckGround();
  ASSERT_EQ(Fireworks.Rockets.Count(), 1);
  EXPECT_EQ(Fireworks.Rockets[0].Position.y, 300.0);  // the other one keeps its place
}

TEST_F(ModelTest, SparksStartAtTheirEmitterUnlessSpread) {
  TRocket emitter = Floating();
  emitter.Position = Make(1.25, 2.5, -3.75);
  emitter.Velocity = Make(4, 5, 6);
  Fireworks.EmitSpark(emitter, RGB(7, 8, 9));
  TRocket spark = Fireworks.Rockets.Get(0);
  EXPECT_EQ(spark.Position.x, 1.25);
  EXPECT_EQ(spark.Position.y, 2.5);
  EXPECT_EQ(spark.Position.z, -3.75);
  EXPECT_EQ(spark.Velocity.z, 6.0);
  EXPECT_EQ(spark.Color, RGB(7, 8, 9));
  EXPECT_GE(spark.Life, 7.5);
  EXPECT_LT(spark.Life, 12.5);

  Fireworks.SparkSpread = 2;
  for (int i = 0; i < 50; ++i)
    Fireworks.EmitSpark(emitter, RGB(7, 8, 9));
  double widest = 0;
  for (int i = 1; i < Fireworks.Rockets.Count(); ++i) {
    const TVector3 offset = Subtract(Fireworks.Rockets[i].Position, emitter.Position);
    for (double d : {offset.x, offset.y, offset.z}) {
      EXPECT_GE(d, -1.0);
      EXPECT_LT(d, 1.0);
      widest = std::max(widest, std::abs(d));
    }
  }
  EXPECT_GT(widest, 0.5);
}

TEST_F(ModelTest, ParticlesLeavingThePictureBounceOffItsEdgesWhenAsked) {
  const struct {
    TVector3 Position, Velocity, BackAt, BackWith;
  } cases[] = {
      {{-3, 10, 0}, {-4, 0, 0}, {1, 10, 0}, {2, 0, 0}},
      {{650, 10, 0}, {4, 0, 0}, {640, 10, 0}, {-2, 0, 0}},
      {{10, 500, 0}, {0, 6, 0}, {10, 480, 0}, {0, -3, 0}},
      {{10, -5, 0}, {0, -6, 0}, {10, -5, 0}, {0, -6, 0}},  // the ground is another check
  };
  for (const auto& c : cases) {
    TRocket p = Floating();
    p.Position = c.Position;
    p.Velocity = c.Velocity;
    Fireworks.Rockets.Clear();
    Fireworks.AddRocket(p);
    Fireworks.CheckEdges(640, 480);
    const TRocket q = Fireworks.Rockets.Get(0);
    EXPECT_EQ(ToPoint(q.Position), ToPoint(c.BackAt));
    EXPECT_EQ(q.Velocity.x, c.BackWith.x);
    EXPECT_EQ(q.Velocity.y, c.BackWith.y);
  }
}

TEST_F(ModelTest, ALaunchLeavesFromTheMiddleWithinItsAngle) {
  QImage picture(641, 300, QImage::Format_RGB32);
  for (int i = 0; i < 40; ++i)
    Fireworks.Launch(picture, BasicRocket());
  double least = 90, most = -90;
  for (int i = 0; i < Fireworks.Rockets.Count(); ++i) {
    const TRocket r = Fireworks.Rockets.Get(i);
    EXPECT_EQ(r.Position.x, 320.0);
    EXPECT_NEAR(Length(r.Thrust), 88.0, 1e-9);
    const double angle = std::atan2(r.Thrust.x, r.Thrust.y) * 180 / M_PI;
    least = std::min(least, angle);
    most = std::max(most, angle);
  }
  EXPECT_GE(least, -8.0);
  EXPECT_LE(most, 8.0);
  EXPECT_LT(least, -4.0);  // both ways
  EXPECT_GT(most, 4.0);

  TRocket fixed = BasicRocket();
  fixed.RandomAngle = false;
  Fireworks.Launch(picture, fixed);
  const TRocket r = Fireworks.Rockets.Get(Fireworks.Rockets.Count() - 1);
  EXPECT_NEAR(r.Thrust.x, 88 * std::sin(8 * M_PI / 180), 1e-12);
}

}  // namespace
