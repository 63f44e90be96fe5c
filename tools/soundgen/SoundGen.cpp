// sorvane-soundgen: synthesises the game's ten sound effects into a folder
// as wave files named after their resources ("MOVETO.wav", ...). The build
// runs it and embeds the files in the program, so the game never has to
// synthesise a sound while it is played.

#include <QDir>
#include <QSaveFile>
#include <cstdio>
#include <iterator>

#include "cards/SoundIds.h"
#include "cards/SoundRecipes.h"
#include "cards/SoundSynth.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "cannot make the folder %s\n", argv[1]);
    return 1;
  }
  for (int sound = 0; sound < static_cast<int>(std::size(SoundNames)); ++sound) {
    const std::vector<SoundSynth::TSignal> channels = SoundRecipes::Synthesise(sound);
    const QByteArray wave = SoundSynth::WaveFile(
        SoundSynth::Quantise(channels), static_cast<int>(channels.size()), SoundSynth::SampleRate);
    QSaveFile file(folder + QLatin1Char('/') + QLatin1String(SoundNames[sound]) +
                   QLatin1String(".wav"));
    if (!file.open(QIODevice::WriteOnly) || file.write(wave) != wave.size() || !file.commit()) {
      std::fprintf(stderr, "%s\n", qPrintable(file.errorString()));
      return 1;
    }
  }
  return 0;
}
