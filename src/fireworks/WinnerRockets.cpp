#include "fireworks/WinnerRockets.h"

namespace {

struct TSlot {
  const char* Name;
  QRgb BurstColor;
  const TRocketStages& BurstStages;
  double LaunchForce;
  double Fuse;
};

}  // namespace

TWinnerRockets InitWinnerRockets() {
  const TSlot kinds[WinnerRocketCount] = {
      {"Blue/Purple", RGB(255, 0, 255), BluePurpleStages(), 88.0, 5.0},
      {"Red/Yellow", RGB(255, 255, 0), RedYellowStages(), 100.0, 5.5},
      {"Yellow/Green", RGB(0, 255, 0), YellowGreenStages(), 120.0, 4.0},
      {"Red/Yellow", RGB(255, 255, 0), RedYellowStages(), 100.0, 5.5},
  };
  TWinnerRockets rockets;
  TRocket rocket = BasicRocket();
  for (size_t i = 0; i < rockets.size(); ++i) {
    rocket.Name = kinds[i].Name;
    rocket.BurstColor = kinds[i].BurstColor;
    rocket.BurstStages = kinds[i].BurstStages;
    rocket.LaunchForce = kinds[i].LaunchForce;
    rocket.Fuse = kinds[i].Fuse;
    rockets[i] = rocket;
  }
  return rockets;
}
