// Values of the settings store in their text forms: integers as decimal
// text (read also as 0x, 0X or $ hexadecimal, with leading spaces and a
// sign), booleans as "0" and "1". A missing value or text that is not a
// number gives the default; nothing is written on reading.
#pragma once

#include <QSettings>
#include <QString>
#include <optional>

namespace kal {

// The company and program names of the per-user store.
inline constexpr const char* kSettingsCompany = "Norwick";
inline constexpr const char* kSettingsProgram = "Kalendra";

std::optional<long long> ParseStoredInteger(const QString& text);

int ReadStoredInt(const QSettings& store, const QString& key, int fallback);
bool ReadStoredBool(const QSettings& store, const QString& key, bool fallback);
QString ReadStoredString(const QSettings& store, const QString& key, const QString& fallback);

void WriteStoredInt(QSettings& store, const QString& key, int value);
void WriteStoredBool(QSettings& store, const QString& key, bool value);

}  // namespace kal
