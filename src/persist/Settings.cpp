#include "persist/Settings.h"

#include <QStandardPaths>

#include "persist/IniFile.h"

namespace {

const QString Display = QStringLiteral("Display");
const QString Layout = QStringLiteral("Layout");
const QString Sound = QStringLiteral("Sound");
const QString Play = QStringLiteral("Play");

}  // namespace

QString UserSettingsFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/Sorvane32.ini");
}

TSettings ReadSettings(const TIniFile& ini, const TSettings& current) {
  TSettings read;
  read.CardBack = ini.ReadInteger(Display, QStringLiteral("CardBack"), TSettings::DefaultCardBack);
  if (read.CardBack < 0 || read.CardBack >= TSettings::CardBacks)
    read.CardBack = TSettings::DefaultCardBack;
  read.SmallCards = ini.ReadBool(Display, QStringLiteral("SmallCards"), current.SmallCards);
  read.ScreenHeight = ini.ReadInteger(Layout, QStringLiteral("ScreenHeight"), current.ScreenHeight);
  read.PositionX = ini.ReadInteger(Layout, QStringLiteral("PositionX"), current.PositionX);
  read.PositionY = ini.ReadInteger(Layout, QStringLiteral("PositionY"), current.PositionY);
  read.SoundOff = ini.ReadBool(Sound, QStringLiteral("Disable"), current.SoundOff);
  read.SingleClickMode =
      ini.ReadBool(Play, QStringLiteral("SingleClickMode"), current.SingleClickMode);
  read.Verbose = ini.ReadBool(Play, QStringLiteral("Verbose"), current.Verbose);
  read.FitCards = ini.ReadBool(Display, QStringLiteral("FitCards"), current.FitCards);
  read.Suits = ini.ReadInteger(Play, QStringLiteral("Suits"), 4);
  if (read.Suits != 1 && read.Suits != 2)
    read.Suits = 4;
  return read;
}

void WriteSettings(TIniFile& ini, const TSettings& settings) {
  ini.WriteInteger(Display, QStringLiteral("CardBack"), settings.CardBack);
  ini.WriteBool(Display, QStringLiteral("SmallCards"), settings.SmallCards);
  ini.WriteInteger(Layout, QStringLiteral("ScreenHeight"), settings.ScreenHeight);
  ini.WriteInteger(Layout, QStringLiteral("PositionX"), settings.PositionX);
  ini.WriteInteger(Layout, QStringLiteral("PositionY"), settings.PositionY);
  ini.WriteBool(Sound, QStringLiteral("Disable"), settings.SoundOff);
  ini.WriteBool(Play, QStringLiteral("SingleClickMode"), settings.SingleClickMode);
  ini.WriteBool(Play, QStringLiteral("Verbose"), settings.Verbose);
  // Fitted cards and four suits, the defaults, leave a file without their
  // keys as it was.
  QString value;
  if (!settings.FitCards || ini.ReadValue(Display, QStringLiteral("FitCards"), value))
    ini.WriteBool(Display, QStringLiteral("FitCards"), settings.FitCards);
  if (settings.Suits != 4 || ini.ReadValue(Play, QStringLiteral("Suits"), value))
    ini.WriteInteger(Play, QStringLiteral("Suits"), settings.Suits);
}

TSettings ReadSettingsFile(const QString& path, const TSettings& current) {
  try {
    return ReadSettings(ReadIniFile(path), current);
  } catch (const EIniFileError&) {
    return ReadSettings(TIniFile(), current);
  }
}

void SaveSettingsFile(const QString& path, const TSettings& settings) {
  TIniFile ini = ReadIniFile(path);
  WriteSettings(ini, settings);
  WriteIniFile(path, ini);
}
