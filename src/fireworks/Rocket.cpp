#include "fireworks/Rocket.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr double StageSeconds = 0.6;

TRocketStages Scheme(std::array<QRgb, StageCount> colours) {
  TRocketStages stages{};
  for (size_t i = 0; i < stages.size(); ++i)
    stages[i] = {StageSeconds, colours[i]};
  return stages;
}

TRocketStages Unlit(QRgb colour) {
  TRocketStages stages{};
  for (TRocketStage& stage : stages)
    stage = {0.0, colour};
  return stages;
}

TRocket MakeBasicRocket() {
  TRocket r;
  r.Name = "Basic";
  r.Mass = 1.0;
  r.Position = Make(200, 2, 0);
  r.Thrust = Make(0, 88, 0);
  r.LaunchForce = 88.0;
  r.LaunchAngle = 8.0;
  r.RandomAngle = true;
  r.Radius = 0.1;
  r.Color = RGB(0, 0, 255);
  r.Jitter = 2.0;
  r.Life = 10.0;
  r.Stages = Unlit(RGB(255, 0, 0));
  r.Stages[0].Duration = 1.0;
  r.BurstColor = RGB(255, 0, 255);
  r.BurstStages = BluePurpleStages();
  r.Spherical = true;
  r.StarCount = 35;
  r.Fuse = 5.5;
  r.StarJitter = 1.0;
  r.BurstSpeed = 30.0;
  r.BurstSpeedRange = 2.0;
  return r;
}

TRocket MakeStar() {
  TRocket r;
  r.Mass = 0.05;
  r.Radius = 0.05;
  r.Color = RGB(255, 128, 255);
  r.Jitter = 2.0;
  r.Life = 10.0;
  return r;
}

TRocket MakeSpark() {
  TRocket r;
  r.Mass = 0.0001;
  r.Radius = 0.01;
  r.Color = RGB(255, 255, 0);
  r.Jitter = 2.0;
  r.Life = 10.0;
  r.Stages = Unlit(RGB(255, 0, 0));
  return r;
}

TRocket MakeGravityBody() {
  TRocket r;
  r.Mass = 5.8e24;
  r.Radius = 6378160.0;
  r.Color = RGB(0, 0, 255);
  return r;
}

}  // namespace

TRocketName::TRocketName(const char* text) {
  const size_t n = std::min(std::strlen(text), FText.size() - 1);
  std::memcpy(FText.data(), text, n);
}

void TRocketList::Delete(int index) {
  FItems.erase(FItems.begin() + index);
}

const TRocketStages& BluePurpleStages() {
  static const TRocketStages stages =
      Scheme({RGB(0, 0, 255), RGB(51, 0, 255), RGB(102, 0, 255), RGB(153, 0, 255), RGB(204, 0, 255),
              RGB(255, 0, 255)});
  return stages;
}

const TRocketStages& RedYellowStages() {
  static const TRocketStages stages =
      Scheme({RGB(255, 0, 0), RGB(255, 51, 0), RGB(255, 102, 0), RGB(255, 153, 0), RGB(255, 204, 0),
              RGB(255, 255, 0)});
  return stages;
}

const TRocketStages& YellowGreenStages() {
  static const TRocketStages stages = Scheme({RGB(255, 255, 0), RGB(160, 229, 0), RGB(81, 204, 0),
                                              RGB(17, 178, 0), RGB(0, 153, 30), RGB(0, 128, 64)});
  return stages;
}

const TRocket& BasicRocket() {
  static const TRocket rocket = MakeBasicRocket();
  return rocket;
}

const TRocket& StarTemplate() {
  static const TRocket star = MakeStar();
  return star;
}

const TRocket& SparkTemplate() {
  static const TRocket spark = MakeSpark();
  return spark;
}

const TRocket& GravityBody() {
  static const TRocket body = MakeGravityBody();
  return body;
}
