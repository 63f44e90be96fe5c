#pragma once

#include <QString>
#include <cstdint>

class TIniFile;

// The player's options and the main window's place, as "Sorvane32.ini"
// keeps them between runs.
struct TSettings {
  static constexpr int32_t DefaultCardBack = 5;
  static constexpr int32_t CardBacks = 13;

  int32_t CardBack = DefaultCardBack;  // "Display", "CardBack": 0..12
  bool SmallCards = false;             // "Display", "SmallCards"
  int32_t ScreenHeight = 0;            // "Layout", "ScreenHeight": the window's height
  int32_t PositionX = 0;               // "Layout", "PositionX": its left edge
  int32_t PositionY = 0;               // "Layout", "PositionY": its top edge
  bool SoundOff = false;               // "Sound", "Disable"
  bool SingleClickMode = false;        // "Play", "SingleClickMode": auto-move mode
  bool Verbose = true;                 // "Play", "Verbose"
  int32_t Suits = 4;                   // "Play", "Suits": of the next new game, 1, 2 or 4
  bool FitCards = true;                // "Display", "FitCards": cards fill the window

  bool operator==(const TSettings&) const = default;
};

// The settings file in the user's configuration folder
// ($XDG_CONFIG_HOME, else ~/.config): ".../Sorvane32.ini".
QString UserSettingsFile();

// The eight keys read from `ini`. A missing key or a value that is no
// integer keeps what `current` holds, except the card back, which falls
// back to 5, as does a back outside 0..12. The suits read as 4 unless the
// file holds 1 or 2.
TSettings ReadSettings(const TIniFile& ini, const TSettings& current);
// Writes the eight keys, in their order, into their sections; then fitted
// cards and the suits, each unless it is at its default (on, four) and the
// file has no such key: a file saved with every option at its default holds
// the eight keys alone.
void WriteSettings(TIniFile& ini, const TSettings& settings);

// ReadSettings on the file at `path`; a file that is missing or cannot be
// read gives the same as an empty one. Reading never writes.
TSettings ReadSettingsFile(const QString& path, const TSettings& current);
// Stores the settings in the file at `path`, keeping everything else in it.
// The file is replaced whole or not at all; a file that exists but cannot
// be read is left alone. Throws EIniFileError with the reason.
void SaveSettingsFile(const QString& path, const TSettings& settings);
