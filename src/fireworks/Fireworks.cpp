// The fireworks model: launching, the three passes of a frame, bursts,
// sparks, the motion of a particle and the ground and edge checks.

#include "fireworks/Fireworks.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double RadiansPerDegree = 0.017453292519943295;
constexpr double GravitationalConstant = 6.67e-11;
// Air drag: s^2 x 0.6465 x area x 0.08.
constexpr double DragFactor = 0.6465;
constexpr double DragScale = 0.08;
constexpr double SparkLife = 10.0;
constexpr double SparkLifeSpread = 5.0;
constexpr double StarLife = 10.0;
constexpr int StarLifeChoices = 5;
constexpr QRgb ShellGrey = RGB(128, 128, 128);

// Normalise with the length already known.
TVector3 UnitOf(const TVector3& v, double length) {
  return Divide(v, length == 0.0 ? 1e-99 : length);
}

}  // namespace

TFireworks::TFireworks(TRandom& random) : FRandom(random) {}

double TFireworks::Half(double x) {
  return FRandom.Uniform() * x - x / 2;
}

double TFireworks::Sym(double x) {
  return x - 2 * FRandom.Uniform() * x;
}

void TFireworks::Launch(QImage& image, const TRocket& record) {
  TRocket rocket = record;
  rocket.Position.x = TableSizeOf(image).width() / 2;
  const double angle = rocket.RandomAngle ? Sym(rocket.LaunchAngle) : rocket.LaunchAngle;
  const double radians = angle * RadiansPerDegree;
  rocket.Thrust =
      Make(rocket.LaunchForce * std::sin(radians), rocket.LaunchForce * std::cos(radians), 0);
  AddRocket(rocket);
  Paint(image);
}

void TFireworks::Advance(QImage& image) {
  StepSeconds = (1.0 / FramesPerSecond) * TimeScale;
  Step(StepSeconds);
  Paint(image);
  CheckGround();
  if (BounceOnEdges) {
    const QSize table = TableSizeOf(image);
    CheckEdges(table.width(), table.height());
  }
}

// The update pass takes the count when it starts: particles born in it are
// aged and moved in the same frame, but not updated. Ageing and motion share
// one walk in list order: a particle whose life runs out is removed before
// it would move, the others move, as two passes would have it.
void TFireworks::Step(double dt) {
  for (int i = Rockets.Count() - 1; i >= 0; --i)
    UpdateParticle(i, dt);

  const double age = StepSeconds;
  TRocket body = GravityBody();
  Rockets.DeleteWhere([&](TRocket& particle) {
    // A particle without life left is neither aged nor removed here.
    if (particle.Life > 0) {
      particle.Life -= age;
      if (particle.Life <= 0)
        return true;
    }
    body.Position = Make(particle.Position.x, 0, 0);
    Integrate(particle, body, dt);
    return false;
  });
}

void TFireworks::UpdateParticle(int index, double dt) {
  TRocket& stored = Rockets[index];
  const TTrail trail = StageStep(stored, dt);
  const bool burst = FuseStep(stored, dt);
  if (!burst && !(trail.Burns && SparksPerFrame > 0))
    return;  // most particles, the sparks, end here
  // Appending below moves the list; work on a copy from here on.
  const TRocket particle = stored;
  if (burst)
    Burst(particle);
  if (trail.Burns)
    for (int i = 0; i < SparksPerFrame; ++i)
      EmitSpark(particle, trail.Color);
}

TFireworks::TTrail TFireworks::StageStep(TRocket& particle, double dt) {
  size_t current = 0;
  while (current < particle.Stages.size() && !(particle.Stages[current].Duration > 0))
    ++current;
  if (current == particle.Stages.size())
    current = 0;
  TRocketStage& stage = particle.Stages[current];
  if (stage.Duration > 0) {
    stage.Duration -= dt;
    if (stage.Duration <= 0) {
      stage.Duration = 0;
      particle.Thrust = Make(0, 0, 0);
    }
  }
  return {stage.Duration > 0, stage.Color};
}

bool TFireworks::FuseStep(TRocket& particle, double dt) {
  if (!(particle.Fuse > 0))
    return false;
  particle.Fuse -= dt;
  if (particle.Fuse > 0)
    return false;
  particle.Color = ShellGrey;
  particle.Mass /= 2;
  particle.Radius /= 2;
  return true;
}

void TFireworks::Burst(const TRocket& shell) {
  int m = shell.StarCount;
  int k = 1;
  if (shell.Spherical)
    m = k = RoundEven(std::sqrt(static_cast<double>(shell.StarCount))) + 1;
  for (int i = 0; i < m; ++i) {
    for (int j = 0; j < k; ++j) {
      const double speed = FRandom.Uniform() * shell.BurstSpeedRange + shell.BurstSpeed;
      const double a = i * (360.0 / m);
      const double b = j * (360.0 / k);
      const TVector3 kick = SphericalPoint(Make(0, 0, 0), a, b, speed);
      TRocket star = StarTemplate();
      star.BurstColor = shell.BurstColor;
      star.BurstStages = shell.BurstStages;
      star.Spherical = shell.Spherical;
      star.StarCount = shell.StarCount;
      star.Fuse = shell.Fuse;  // spent, so stars never burst
      star.StarJitter = shell.StarJitter;
      star.BurstSpeed = shell.BurstSpeed;
      star.BurstSpeedRange = shell.BurstSpeedRange;
      star.Color = shell.BurstColor;
      star.Jitter = shell.StarJitter;
      star.Stages = shell.BurstStages;
      star.Position = shell.Position;
      star.Velocity = Add(shell.Velocity, kick);
      star.Thrust = Make(0, 0, 0);
      star.Life = static_cast<double>(FRandom.Next(StarLifeChoices)) - 2.5 + StarLife;
      AddRocket(star);
    }
  }
}

void TFireworks::EmitSpark(const TRocket& emitter, QRgb color) {
  TRocket spark = SparkTemplate();
  const double dx = Half(SparkSpread);
  const double dy = Half(SparkSpread);
  const double dz = Half(SparkSpread);
  spark.Position = Add(emitter.Position, Make(dx, dy, dz));
  spark.Velocity = emitter.Velocity;
  spark.Color = color;
  spark.Life = Half(SparkLifeSpread) + SparkLife;
  AddRocket(spark);
}

void TFireworks::Integrate(TRocket& particle, const TRocket& body, double dt) {
  const double jx = (FRandom.Uniform() - 0.5) * particle.Jitter;
  const double jy = (FRandom.Uniform() - 0.5) * particle.Jitter;
  const double jz = (FRandom.Uniform() - 0.5) * particle.Jitter;
  TVector3 velocity = Add(particle.Velocity, Make(jx, jy, jz));

  // Each length is taken once and also serves the unit vector.
  const double area = std::numbers::pi * particle.Radius * particle.Radius;
  const double speed = Length(velocity);
  const double dragForce = speed * speed * DragFactor * area * DragScale;
  const TVector3 drag = Divide(Scale(UnitOf(velocity, speed), dragForce), particle.Mass);

  const TVector3 r = Subtract(particle.Position, body.Position);
  const double distance = Length(r);
  const double d = distance + body.Radius + particle.Radius;
  const double pull = GravitationalConstant * body.Mass * particle.Mass / (d * d);
  const TVector3 gravity = Divide(Scale(Negate(UnitOf(r, distance)), pull), particle.Mass);

  particle.Acceleration = Add(Subtract(gravity, drag), Divide(particle.Thrust, particle.Mass));
  velocity = Add(velocity, Scale(particle.Acceleration, dt));
  particle.Velocity = velocity;
  particle.Position = Add(particle.Position, Scale(velocity, dt));
}

// The first contact bounces a particle back to the ground line, the second
// removes it.
void TFireworks::CheckGround() {
  Rockets.DeleteWhere([](TRocket& particle) {
    if (!(particle.Position.y < 0))
      return false;
    ++particle.Bounces;
    particle.Velocity.y = -particle.Velocity.y / 4;
    particle.Position.y = 0;
    return particle.Bounces > 1;
  });
}

void TFireworks::CheckEdges(double right, double bottom) {
  for (int i = 0; i < Rockets.Count(); ++i) {
    TRocket& particle = Rockets[i];
    if (particle.Position.x < 0) {
      particle.Velocity.x = -particle.Velocity.x / 2;
      particle.Position.x = 1.0;
    }
    if (particle.Position.x > right) {
      particle.Velocity.x = -particle.Velocity.x / 2;
      particle.Position.x = right;
    }
    if (particle.Position.y > bottom) {
      particle.Velocity.y = -particle.Velocity.y / 2;
      particle.Position.y = bottom;
    }
  }
}
