#pragma once

#include <QRgb>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "fireworks/Vector3.h"

// One burn stage of a particle.
struct TRocketStage {
  double Duration = 0.0;  // seconds still to burn; 0 when finished or unused
  QRgb Color = 0;         // colour of the sparks emitted while it burns
};

inline constexpr int StageCount = 6;
using TRocketStages = std::array<TRocketStage, StageCount>;

// The label of a rocket type, kept inside the record so that particles copy
// as plain values.
class TRocketName {
 public:
  TRocketName() = default;
  // Keeps at most 15 characters.
  TRocketName(const char* text);  // NOLINT: names are written as literals
  QString ToString() const { return QString::fromLatin1(FText.data()); }
  bool IsEmpty() const { return FText[0] == '\0'; }

 private:
  std::array<char, 16> FText{};
};

// One particle: a rocket, a star of its burst or a spark of a trail. The
// simulation reads the units as metres, seconds and kilograms; one metre of
// x or y is one pixel on the table.
struct TRocket {
  TRocketName Name;
  double Mass = 0.0;
  TVector3 Position;
  TVector3 Velocity;
  TVector3 Acceleration;  // the total of the last step
  TVector3 Thrust;        // newtons, until the first stage that ends
  double LaunchForce = 0.0;
  double LaunchAngle = 0.0;  // degrees from the vertical, positive toward +x
  bool RandomAngle = false;  // launch within +-LaunchAngle at random
  double Radius = 0.0;
  QRgb Color = 0;
  int32_t Bounces = 0;  // ground contacts so far
  double Jitter = 0.0;  // amplitude of the random kick of every step
  double Life = 0.0;    // seconds left
  TRocketStages Stages{};
  QRgb BurstColor = 0;
  TRocketStages BurstStages{};  // every star's stages
  bool Spherical = false;       // burst on a spherical grid, else a ring
  int32_t StarCount = 0;
  double Fuse = 0.0;  // seconds to the burst; counts down only while above 0
  double StarJitter = 0.0;
  double BurstSpeed = 0.0;
  double BurstSpeedRange = 0.0;
};

// The particles, held by value. Delete keeps the order of the others.
class TRocketList {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }
  void Add(const TRocket& rocket) { FItems.push_back(rocket); }
  void Delete(int index);
  void Clear() { FItems.clear(); }
  TRocket Get(int index) const { return FItems.at(static_cast<size_t>(index)); }

  // In-place access for the frame step; appending invalidates it.
  TRocket& operator[](int index) { return FItems[static_cast<size_t>(index)]; }
  const TRocket& operator[](int index) const { return FItems[static_cast<size_t>(index)]; }

  // Visits every particle in order, lets `visit` change it, and removes the
  // ones it answers true for, keeping the order of the rest: the same
  // result as deleting them one at a time, in one pass over the list.
  template <typename TVisit>
  void DeleteWhere(TVisit visit) {
    size_t kept = 0;
    for (size_t i = 0; i < FItems.size(); ++i) {
      if (visit(FItems[i]))
        continue;
      if (kept != i)
        FItems[kept] = FItems[i];
      ++kept;
    }
    FItems.resize(kept);
  }

 private:
  std::vector<TRocket> FItems;
};

constexpr QRgb RGB(int r, int g, int b) {
  return qRgb(r, g, b);
}

// The three colour schemes of a burst, six stages of 0.6 s each.
const TRocketStages& BluePurpleStages();
const TRocketStages& RedYellowStages();
const TRocketStages& YellowGreenStages();

// The templates every particle starts from.
const TRocket& BasicRocket();
const TRocket& StarTemplate();
const TRocket& SparkTemplate();
// The Earth-sized body whose gravity pulls every particle down.
const TRocket& GravityBody();
