#include "cards/Sound.h"

#include "cards/SoundBank.h"

void TSoundPlayer::PlaySound(int sound, bool loop) {
  if (SoundOff)
    return;
  const QByteArray& wave = SoundWave(sound);
  if (wave.isEmpty())
    return;
  FOutput.Play(wave, loop);
}

void TSoundPlayer::StopSound() {
  FOutput.Stop();
}
