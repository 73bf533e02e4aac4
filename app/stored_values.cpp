#include "stored_values.h"

#include <limits>

namespace kal {

std::optional<long long> ParseStoredInteger(const QString& text) {
  qsizetype i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) return std::nullopt;
  long long value = 0;
  for (; i < text.size(); ++i) {
    const int digit = text[i].isDigit()                          ? text[i].unicode() - '0'
                      : base == 16 && text[i] >= 'a' && text[i] <= 'f' ? text[i].unicode() - 'a' + 10
                      : base == 16 && text[i] >= 'A' && text[i] <= 'F' ? text[i].unicode() - 'A' + 10
                                                                       : -1;
    if (digit < 0 || digit >= base) return std::nullopt;
    value = value * base + digit;
    if (value > std::numeric_limits<int>::max() + 1LL) return std::nullopt;
  }
  value = negative ? -value : value;
  if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min()) return std::nullopt;
  return value;
}

int ReadStoredInt(const QSettings& store, const QString& key, int fallback) {
  const QVariant stored = store.value(key);
  if (!stored.isValid()) return fallback;
  const std::optional<long long> value = ParseStoredInteger(stored.toString());
  return value ? static_cast<int>(*value) : fallback;
}

bool ReadStoredBool(const QSettings& store, const QString& key, bool fallback) {
  return ReadStoredInt(store, key, fallback ? 1 : 0) != 0;
}

QString ReadStoredString(const QSettings& store, const QString& key, const QString& fallback) {
  const QVariant stored = store.value(key);
  return stored.isValid() ? stored.toString() : fallback;
}

void WriteStoredInt(QSettings& store, const QString& key, int value) { store.setValue(key, QString::number(value)); }

void WriteStoredBool(QSettings& store, const QString& key, bool value) {
  store.setValue(key, QString(value ? "1" : "0"));
}

}  // namespace kal
