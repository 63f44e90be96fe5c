#include "ui/mainwindow/AudioOutput.h"

#include <QAudioSink>
#include <QMediaDevices>
#include <QSysInfo>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Without a sound server, Qt's PulseAudio backend warns on the default
// category that it could not connect, the first time devices are listed.
// The game then simply stays silent, so that one message is dropped while
// the list is read; everything else passes on.
QtMessageHandler PassOn = nullptr;

void DropSoundServerWarning(QtMsgType type, const QMessageLogContext& context,
                            const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QLatin1String("PulseAudioService:")))
    return;
  if (PassOn != nullptr)
    PassOn(type, context, message);
}

QAudioDevice DefaultOutput() {
  PassOn = qInstallMessageHandler(DropSoundServerWarning);
  QAudioDevice device = QMediaDevices::defaultAudioOutput();
  qInstallMessageHandler(PassOn);
  return device;
}

double DecodedSample(const TWaveData& wave, qsizetype frame, int channel) {
  const char* at =
      wave.Samples.constData() + frame * wave.BytesPerFrame() + channel * (wave.BitsPerSample / 8);
  if (wave.BitsPerSample == 8)
    return (static_cast<uint8_t>(*at) - 128) / 128.0;
  return qFromLittleEndian<int16_t>(at) / 32768.0;
}

// What output channel `channel` of `channels` plays from the wave's frame.
double MappedSample(const TWaveData& wave, qsizetype frame, int channel, int channels) {
  if (wave.Channels == 1)
    return DecodedSample(wave, frame, 0);
  if (channels == 1)
    return 0.5 * (DecodedSample(wave, frame, 0) + DecodedSample(wave, frame, 1));
  return channel < wave.Channels ? DecodedSample(wave, frame, channel) : 0.0;
}

template <typename T>
void AppendNative(QByteArray& out, T value) {
  out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void AppendEncoded(QByteArray& out, double value, QAudioFormat::SampleFormat format) {
  value = std::clamp(value, -1.0, 1.0);
  switch (format) {
    case QAudioFormat::UInt8:
      AppendNative(out, static_cast<uint8_t>(std::lround(value * 127) + 128));
      break;
    case QAudioFormat::Int16:
      AppendNative(out, static_cast<int16_t>(std::lround(value * 32767)));
      break;
    case QAudioFormat::Int32:
      AppendNative(out, static_cast<int32_t>(std::llround(value * 2147483647.0)));
      break;
    case QAudioFormat::Float:
      AppendNative(out, static_cast<float>(value));
      break;
    default:
      break;
  }
}

// The wave's bytes can go to the sink as they are when the sink takes the
// wave's format, and 16-bit samples also need a little-endian machine.
bool PlaysAsStored(const TWaveData& wave, const QAudioFormat& format) {
  const bool nativeOrder = wave.BitsPerSample == 8 || QSysInfo::ByteOrder == QSysInfo::LittleEndian;
  return nativeOrder && format == WaveFormat(wave);
}

}  // namespace

void TPcmSource::Load(const QByteArray& pcm, bool loop) {
  close();
  FPcm = pcm;
  FLoop = loop;
  FPosition = 0;
  open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

qint64 TPcmSource::bytesAvailable() const {
  const qint64 left = FLoop && !FPcm.isEmpty() ? FPcm.size() : FPcm.size() - FPosition;
  return left + QIODevice::bytesAvailable();
}

qint64 TPcmSource::readData(char* data, qint64 maxSize) {
  qint64 copied = 0;
  while (copied < maxSize && FPosition < FPcm.size()) {
    const qint64 chunk = std::min(maxSize - copied, FPcm.size() - FPosition);
    std::memcpy(data + copied, FPcm.constData() + FPosition, static_cast<size_t>(chunk));
    copied += chunk;
    FPosition += chunk;
    if (FLoop && FPosition == FPcm.size())
      FPosition = 0;
  }
  return copied;
}

namespace {

class TDeviceSink : public TAudioSinkPort {
 public:
  QAudioFormat FormatFor(const QAudioFormat& waveFormat) override {
    FDevice = DefaultOutput();
    if (FDevice.isNull())
      return {};
    return FDevice.isFormatSupported(waveFormat) ? waveFormat : FDevice.preferredFormat();
  }

  bool Start(QIODevice* source, const QAudioFormat& format) override {
    // Most plays keep the sink: same device, same format.
    if (!FSink || FSinkDevice != FDevice || FSink->format() != format) {
      FSink.reset();
      FSink = std::make_unique<QAudioSink>(FDevice, format);
      FSinkDevice = FDevice;
    }
    FSink->start(source);
    return FSink->error() == QAudio::NoError;
  }

  void Stop() override {
    if (FSink)
      FSink->stop();
  }

 private:
  QAudioDevice FDevice;
  std::unique_ptr<QAudioSink> FSink;
  QAudioDevice FSinkDevice;
};

}  // namespace

std::unique_ptr<TAudioSinkPort> MakeDeviceSink() {
  return std::make_unique<TDeviceSink>();
}

TAudioOutput::TAudioOutput(std::unique_ptr<TAudioSinkPort> sink)
    : FSource(std::make_unique<TPcmSource>()), FSink(std::move(sink)) {}

TAudioOutput::~TAudioOutput() {
  Stop();
}

void TAudioOutput::Play(const QByteArray& wave, bool loop) {
  Stop();
  const std::optional<TWaveData> data = ParseWave(wave);
  if (!data || data->Samples.isEmpty())
    return;
  const QAudioFormat format = FSink->FormatFor(WaveFormat(*data));
  if (!format.isValid())
    return;
  FSource->Load(PlaysAsStored(*data, format) ? data->Samples : ConvertSamples(*data, format), loop);
  if (!FSink->Start(FSource.get(), format))
    Stop();
}

void TAudioOutput::Stop() {
  FSink->Stop();
  FSource->close();
}

QAudioFormat WaveFormat(const TWaveData& wave) {
  QAudioFormat format;
  format.setSampleRate(wave.SampleRate);
  format.setChannelCount(wave.Channels);
  format.setSampleFormat(wave.BitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
  return format;
}

QByteArray ConvertSamples(const TWaveData& wave, const QAudioFormat& format) {
  const qint64 frames = wave.Frames();
  const int rate = format.sampleRate(), channels = format.channelCount();
  if (frames == 0 || wave.SampleRate <= 0 || rate <= 0 || channels <= 0 ||
      format.sampleFormat() == QAudioFormat::Unknown)
    return {};
  const qint64 outFrames = (frames * rate + wave.SampleRate - 1) / wave.SampleRate;
  QByteArray out;
  out.reserve(outFrames * format.bytesPerFrame());
  for (qint64 frame = 0; frame < outFrames; ++frame) {
    const double position = static_cast<double>(frame) * wave.SampleRate / rate;
    const qint64 before = std::min(static_cast<qint64>(position), frames - 1);
    const qint64 after = std::min(before + 1, frames - 1);
    const double weight = position - static_cast<double>(before);
    for (int channel = 0; channel < channels; ++channel) {
      const double first = MappedSample(wave, before, channel, channels);
      const double second = MappedSample(wave, after, channel, channels);
      AppendEncoded(out, first + (second - first) * weight, format.sampleFormat());
    }
  }
  return out;
}
