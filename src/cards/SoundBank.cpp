#include "cards/SoundBank.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>

#include <QFile>

#include "cards/SoundIds.h"

namespace {

constexpr int SoundCount = static_cast<int>(std::size(SoundNames));

// The recordings are built into the program as resources named after the
// sounds; they are read once, at the first request.
std::array<QByteArray, SoundCount> LoadAll() {
  std::array<QByteArray, SoundCount> waves;
  for (int sound = 0; sound < SoundCount; ++sound) {
    QFile file(QStringLiteral(":/sounds/%1.wav").arg(QLatin1String(SoundNames[sound])));
    if (file.open(QIODevice::ReadOnly))
      waves[static_cast<size_t>(sound)] = file.readAll();
  }
  return waves;
}

const QByteArray& NoWave() {
  static const QByteArray empty;
  return empty;
}

// --- reading wave files ---

// Callers check the bounds first. Bytes are read one by one through at()
// (rather than through a pointer) so the reads stay independent of the host's
// byte order and alignment.
uint32_t LittleEndianAt(const QByteArray& bytes, qsizetype at, int size) {
  uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i)
    value = value << 8 | static_cast<uint8_t>(bytes.at(at + i));
  return value;
}

uint32_t U32At(const QByteArray& bytes, qsizetype at) {
  return LittleEndianAt(bytes, at, 4);
}

uint16_t U16At(const QByteArray& bytes, qsizetype at) {
  return static_cast<uint16_t>(LittleEndianAt(bytes, at, 2));
}

bool TagAt(const QByteArray& bytes, qsizetype at, const char (&tag)[5]) {
  if (bytes.size() < at + 4)
    return false;
  for (int i = 0; i < 4; ++i)
    if (bytes.at(at + i) != tag[i])
      return false;
  return true;
}

// The "fmt " chunk's fields, or nothing when they describe a format this
// reader does not handle or contradict each other.
std::optional<TWaveData> ReadFormat(const QByteArray& bytes, qsizetype body, qsizetype size) {
  if (size < 16)
    return std::nullopt;
  TWaveData format;
  format.FormatTag = U16At(bytes, body);
  format.Channels = U16At(bytes, body + 2);
  format.SampleRate = static_cast<int>(std::min<uint32_t>(U32At(bytes, body + 4), INT32_MAX));
  const uint32_t byteRate = U32At(bytes, body + 8);
  const int blockAlign = U16At(bytes, body + 12);
  format.BitsPerSample = U16At(bytes, body + 14);
  const bool supported = format.FormatTag == 1 && (format.Channels == 1 || format.Channels == 2) &&
                         (format.BitsPerSample == 8 || format.BitsPerSample == 16) &&
                         format.SampleRate > 0;
  if (!supported || blockAlign != format.BytesPerFrame() ||
      byteRate != static_cast<uint64_t>(format.SampleRate) * static_cast<uint64_t>(blockAlign))
    return std::nullopt;
  return format;
}

}  // namespace

const QByteArray& SoundWave(int sound) {
  static const std::array<QByteArray, SoundCount> waves = LoadAll();
  if (sound < 0 || sound >= SoundCount)
    return NoWave();
  return waves[sound];
}

const QByteArray& SoundResource(const QString& name) {
  for (int sound = 0; sound < SoundCount; ++sound)
    if (name.compare(QLatin1String(SoundNames[sound]), Qt::CaseInsensitive) == 0)
      return SoundWave(sound);
  return NoWave();
}

std::optional<TWaveData> ParseWave(const QByteArray& wave) {
  if (wave.size() < 12 || !TagAt(wave, 0, "RIFF") || !TagAt(wave, 8, "WAVE"))
    return std::nullopt;
  const qint64 riffEnd = 8 + static_cast<qint64>(U32At(wave, 4));
  if (riffEnd > wave.size())
    return std::nullopt;
  std::optional<TWaveData> format;
  std::optional<QByteArray> samples;
  qint64 at = 12;
  while (at + 8 <= riffEnd) {
    const qint64 body = at + 8;
    const qint64 size = U32At(wave, at + 4);
    if (body + size > riffEnd)
      return std::nullopt;
    if (TagAt(wave, at, "fmt ") && !format) {
      format = ReadFormat(wave, body, size);
      if (!format)
        return std::nullopt;
    } else if (TagAt(wave, at, "data") && !samples) {
      samples = wave.mid(body, size);
    }
    at = body + size + (size & 1);
  }
  // Anything but a pad byte missing after the last chunk is left-over junk.
  const bool endsCleanly = at == riffEnd || at == riffEnd + 1;
  if (!endsCleanly || !format || !samples || samples->size() % format->BytesPerFrame() != 0)
    return std::nullopt;
  format->Samples = *samples;
  return format;
}
