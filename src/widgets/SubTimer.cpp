#include "widgets/SubTimer.h"

#include <QLocale>
#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

constexpr int64_t MicrosPerMilli = 1000;
constexpr int64_t MicrosPerSecond = 1000000;
constexpr int64_t MillisPerDay = 24LL * 60 * 60 * 1000;

// A count split as a time of day, so hours wrap at 24.
struct TClockParts {
  int64_t Hours;
  int64_t Minutes;
  int64_t Seconds;
  int64_t Milliseconds;
};

// Whole milliseconds, halves away from zero; the magnitude only, as the
// clock formats have no sign.
int64_t RoundedMillis(int64_t count) {
  const uint64_t magnitude =
      count < 0 ? 0 - static_cast<uint64_t>(count) : static_cast<uint64_t>(count);
  return static_cast<int64_t>((magnitude + MicrosPerMilli / 2) / MicrosPerMilli);
}

// Done in whole milliseconds: splitting a double would turn 125.4 s into
// 2 minutes 4.999... seconds.
TClockParts SplitTimeOfDay(int64_t count) {
  const int64_t millis = RoundedMillis(count) % MillisPerDay;
  return {millis / 3600000, millis / 60000 % 60, millis / 1000 % 60, millis % 1000};
}

QString Fixed(double value, int digits, QChar decimalPoint) {
  QString text = QString::number(value, 'f', digits);
  return text.replace(QLatin1Char('.'), decimalPoint);
}

QString ZeroPad(int64_t value) {
  return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

QString MinutesCaption(int64_t count, int digits, QChar decimalPoint) {
  const TClockParts parts = SplitTimeOfDay(count);
  const double seconds = static_cast<double>(parts.Seconds) + parts.Milliseconds / 1000.0;
  QString secondsText = Fixed(seconds, digits, decimalPoint);
  const qsizetype integerDigits =
      digits > 0 ? secondsText.indexOf(decimalPoint) : secondsText.size();
  if (integerDigits == 1)
    secondsText.prepend(QLatin1Char('0'));
  return ZeroPad(parts.Minutes) + QLatin1Char(':') + secondsText + QStringLiteral(" min");
}

QString HoursCaption(int64_t count) {
  const TClockParts parts = SplitTimeOfDay(count);
  return QString::number(parts.Hours) + QLatin1Char(':') + ZeroPad(parts.Minutes) +
         QLatin1Char(':') + ZeroPad(parts.Seconds) + QStringLiteral(" hrs");
}

QString SecondsCaption(double seconds, int digits, QChar decimalPoint) {
  return Fixed(seconds, digits, decimalPoint) + QStringLiteral(" Sec.");
}

QString MillisecondsCaption(int64_t count, int digits, QChar decimalPoint) {
  return Fixed(static_cast<double>(count) / MicrosPerMilli, digits, decimalPoint) +
         QStringLiteral(" ms.");
}

QString AutoScaleCaption(int64_t count, int digits, QChar decimalPoint) {
  const double seconds = static_cast<double>(count) / MicrosPerSecond;
  if (seconds < 1)
    return MillisecondsCaption(count, digits, decimalPoint);
  if (seconds > 3600)
    return HoursCaption(count);
  if (seconds > 60)
    return MinutesCaption(count, digits, decimalPoint);
  return SecondsCaption(seconds, digits, decimalPoint);
}

// Seconds to whole microseconds, truncated. Kept to about +-146,000 years:
// converting an out-of-range double is undefined, and the clock reading is
// later added to it.
int64_t SecondsToMicros(double seconds) {
  constexpr double Limit = 4611686018427387904.0;  // 2^62
  const double micros = std::trunc(seconds * MicrosPerSecond);
  if (std::isnan(micros))
    return 0;
  return static_cast<int64_t>(std::clamp(micros, -Limit, Limit));
}

}  // namespace

QString SubTimerCaption(int64_t count, TResolution resolution, int digits, QChar decimalPoint) {
  switch (resolution) {
    case rsMinutes:
      return MinutesCaption(count, digits, decimalPoint);
    case rsSeconds:
      return SecondsCaption(static_cast<double>(count) / MicrosPerSecond, digits, decimalPoint);
    case rsMilliSeconds:
      return MillisecondsCaption(count, digits, decimalPoint);
    case rsAutoScale:
      return AutoScaleCaption(count, digits, decimalPoint);
  }
  return QString();
}

int64_t TSubTimer::SteadyMicroseconds() {
  using namespace std::chrono;
  return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

TSubTimer::TSubTimer(QWidget* parent, TMicroClock now) : QLabel(parent), FNow(std::move(now)) {
  setAlignment(Qt::AlignCenter);
}

int64_t TSubTimer::CurrentCount() const {
  return FRunning ? FNow() - FStartCount + FAccumulated : FAccumulated;
}

void TSubTimer::SetResolution(TResolution resolution) {
  FResolution = resolution;
}

void TSubTimer::SetDigits(int digits) {
  if (digits >= 0)
    FDigits = digits;
}

double TSubTimer::Time() const {
  return static_cast<double>(CurrentCount()) / MicrosPerSecond;
}

void TSubTimer::SetTime(double seconds) {
  const int64_t micros = SecondsToMicros(seconds);
  if (FRunning) {
    FStartCount = FNow() - micros;
    FAccumulated = 0;
  } else {
    FAccumulated = micros;
  }
}

void TSubTimer::Reset() {
  FStartCount = 0;
  FAccumulated = 0;
  FRunning = false;
}

void TSubTimer::Start() {
  if (FRunning)
    return;
  FStartCount = FNow();
  FRunning = true;
}

void TSubTimer::Stop() {
  FAccumulated = CurrentCount();
  FRunning = false;
}

void TSubTimer::UpdateDisplay() {
  const QString point = QLocale().decimalPoint();
  setText(SubTimerCaption(CurrentCount(), FResolution, FDigits,
                          point.isEmpty() ? QLatin1Char('.') : point.front()));
}
