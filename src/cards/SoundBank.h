#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The ten sound effects (see SoundIds.h) as complete RIFF WAVE files:
// 16-bit PCM at 22050 Hz, mono except STARTMOVE, which pans across stereo.
// They are synthesised together on first use and then shared.

// The recording for sound number 0..9; an empty array for other numbers.
const QByteArray& SoundWave(int sound);
// The recording by resource name ("MOVETO", "DEAL", ...), compared without
// regard to case as resource names are; an empty array for unknown names.
const QByteArray& SoundResource(const QString& name);

// The parts of a wave file needed to play it.
struct TWaveData {
  int FormatTag = 0;  // 1: integer PCM
  int Channels = 0;
  int SampleRate = 0;
  int BitsPerSample = 0;  // 8 (unsigned) or 16 (signed, little-endian)
  QByteArray Samples;     // whole frames, channels interleaved

  int BytesPerFrame() const { return Channels * BitsPerSample / 8; }
  int Frames() const { return BytesPerFrame() > 0 ? Samples.size() / BytesPerFrame() : 0; }
};

// Reads a RIFF WAVE file of 8- or 16-bit PCM. Chunks other than "fmt " and
// "data" are skipped, odd-sized chunks are followed by a pad byte. Returns
// nothing for anything truncated, inconsistent or in another format.
std::optional<TWaveData> ParseWave(const QByteArray& wave);
