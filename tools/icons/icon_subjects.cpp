#include "icon_subjects.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>
#include <map>

namespace icons {
namespace {

bool HasWord(const QString& text, const char* word) {
  QRegularExpression re(QStringLiteral("\\b%1\\b").arg(QLatin1String(word)));
  return re.match(text).hasMatch();
}

bool HasAnyWord(const QString& text, std::initializer_list<const char*> words) {
  for (const char* w : words)
    if (HasWord(text, w)) return true;
  return false;
}

const char* const kMonthNames[] = {"JANUARY", "FEBRUARY", "MARCH",     "APRIL",   "MAY",      "JUNE",
                                   "JULY",    "AUGUST",   "SEPTEMBER", "OCTOBER", "NOVEMBER", "DECEMBER"};
const int kDaysInMonth[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

}  // namespace

Kind KindFromTitle(const QString& rawTitle) {
  const QString t = rawTitle.toUpper();
  // Feasts first: "NATIVITY OF THE THEOTOKOS" is a feast of the Mother of God,
  // "MEETING OF OUR LORD" one of the Lord, whatever saints follow.
  if (HasAnyWord(t, {"THEOTOKOS", "MOTHER OF GOD", "VIRGIN MARY"}) && !HasWord(t, "MARTYR")) return Kind::Theotokos;
  // Kinship and service "of the Lord" name a saint, not a feast.
  QString feastText = t;
  for (const char* phrase : {"BROTHER OF THE LORD", "BROTHERS OF THE LORD", "BAPTIST OF THE LORD",
                             "FORERUNNER OF THE LORD", "FOOL-FOR-CHRIST", "FOOL FOR CHRIST", "FOR CHRIST",
                             "GRANDMOTHER OF THE LORD", "GRANDFATHER OF THE LORD"})
    feastText.replace(QLatin1String(phrase), QLatin1String(" "));
  if (HasAnyWord(feastText, {"OUR LORD", "OF THE LORD", "JESUS CHRIST", "OF CHRIST", "HOLY CROSS", "PRECIOUS CROSS", "LIFE-GIVING CROSS",
                     "THEOPHANY", "TRANSFIGURATION", "HOLY MANDYLION", "NOT MADE BY HANDS"}))
    return Kind::LordsFeast;
  if (HasAnyWord(t, {"ARCHANGEL", "ARCHANGELS", "ANGELS", "BODILESS POWERS", "ARCHISTRATEGOS"})) return Kind::Angel;
  if (HasAnyWord(t, {"COUNCIL", "COUNCILS", "FATHERS OF THE"})) return Kind::Council;
  if (HasAnyWord(t, {"MARTYRS", "SAINTS", "CHILDREN", "VIRGINS", "YOUTHS", "BROTHERS", "MACCABEES", "MACCABEE",
                     "HOLY INNOCENTS", "INFANTS", "SLEEPERS", "COMPANIONS", "NEW MARTYRS", "THOSE WITH",
                     "FATHERS"}) &&
      !HasAnyWord(t, {"APOSTLE", "HIEROMARTYR"}))
    return Kind::Group;
  if (HasAnyWord(t, {"APOSTLE", "APOSTLES", "EVANGELIST", "EQUAL-TO-THE-APOSTLES", "EQUAL TO THE APOSTLES"}))
    return Kind::Apostle;
  if (HasAnyWord(t, {"PROPHET", "PROPHETESS", "FORERUNNER", "BAPTIST", "PROPHETS"})) return Kind::Prophet;
  if (HasAnyWord(t, {"HIEROMARTYR", "ARCHBISHOP", "BISHOP", "HIERARCH", "PATRIARCH", "METROPOLITAN", "POPE"}))
    return Kind::Hierarch;
  if (HasAnyWord(t, {"MARTYR", "GREAT MARTYR", "PROTOMARTYR", "VIRGIN-MARTYR", "MARTYRED", "PASSION-BEARER",
                     "PASSION-BEARERS"}))
    return Kind::Martyr;
  if (HasAnyWord(t, {"VENERABLE", "MONK", "ABBOT", "HEGUMEN", "HERMIT", "STYLITE", "ASCETIC", "NUN",
                     "HIEROMONK", "RECLUSE", "FOOL-FOR-CHRIST", "ANCHORITE", "ABBESS"}))
    return Kind::Monastic;
  if (HasAnyWord(t, {"RIGHTEOUS"})) return Kind::Prophet;
  return Kind::Monastic;
}

bool KindFromName(const QString& name, Kind* kind) {
  static const std::map<QString, Kind> names = {
      {"lord", Kind::LordsFeast},      {"theotokos", Kind::Theotokos}, {"apostle", Kind::Apostle},
      {"prophet", Kind::Prophet},      {"hierarch", Kind::Hierarch},   {"martyr", Kind::Martyr},
      {"monastic", Kind::Monastic},    {"angel", Kind::Angel},         {"council", Kind::Council},
      {"group", Kind::Group}};
  auto it = names.find(name.trimmed().toLower());
  if (it == names.end()) return false;
  *kind = it->second;
  return true;
}

const char* KindName(Kind kind) {
  switch (kind) {
    case Kind::LordsFeast: return "lord";
    case Kind::Theotokos: return "theotokos";
    case Kind::Apostle: return "apostle";
    case Kind::Prophet: return "prophet";
    case Kind::Hierarch: return "hierarch";
    case Kind::Martyr: return "martyr";
    case Kind::Monastic: return "monastic";
    case Kind::Angel: return "angel";
    case Kind::Council: return "council";
    case Kind::Group: return "group";
  }
  return "group";
}

std::vector<std::pair<int, QString>> ReadFirstTitleLines(const QString& dataDir, QStringList* warnings) {
  std::vector<std::pair<int, QString>> result;
  for (int month = 1; month <= 12; ++month) {
    QDir dir(dataDir);
    const QStringList files =
        dir.entryList({QStringLiteral("%1-*.txt").arg(month, 2, 10, QLatin1Char('0'))}, QDir::Files, QDir::Name);
    if (files.isEmpty()) continue;
    QFile file(dir.filePath(files.first()));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
      if (warnings) warnings->append(QStringLiteral("cannot read %1").arg(file.fileName()));
      continue;
    }
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    static const QRegularExpression dayLine(QStringLiteral("^@\\s*(\\d{1,2})/(\\d{1,2})\\s*$"));
    int openKey = 0;  // a day whose first title line is still to come
    while (!in.atEnd()) {
      const QString line = in.readLine();
      auto m = dayLine.match(line.trimmed());
      if (m.hasMatch()) {
        openKey = m.captured(1).toInt() * 100 + m.captured(2).toInt();
        continue;
      }
      if (openKey != 0 && line.startsWith(QLatin1String("= "))) {
        result.emplace_back(openKey, line.mid(2).trimmed());
        openKey = 0;
      }
    }
  }
  return result;
}

std::vector<Subject> DaySubjects(const QString& dataDir, QStringList* warnings) {
  std::map<int, QString> titles;
  for (auto& [key, title] : ReadFirstTitleLines(dataDir, warnings)) titles.emplace(key, title);
  std::vector<Subject> subjects;
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= kDaysInMonth[month - 1]; ++day) {
      const int dateKey = month * 100 + day;
      Subject s;
      s.key = 10000 + dateKey;
      auto it = titles.find(dateKey);
      if (it != titles.end()) {
        s.caption = it->second;
        s.kind = KindFromTitle(s.caption);
      } else {
        s.caption = QStringLiteral("%1 %2").arg(QLatin1String(kMonthNames[month - 1])).arg(day);
        s.kind = Kind::Group;
        if (warnings) warnings->append(QStringLiteral("no title line for %1, caption \"%2\"").arg(dateKey).arg(s.caption));
      }
      subjects.push_back(s);
    }
  }
  return subjects;
}

std::vector<Subject> ReadSubjectList(const QString& path, QString* error) {
  std::vector<Subject> subjects;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    if (error) *error = QStringLiteral("cannot read %1").arg(path);
    return {};
  }
  QTextStream in(&file);
  in.setEncoding(QStringConverter::Utf8);
  int lineNo = 0;
  while (!in.atEnd()) {
    QString line = in.readLine();
    ++lineNo;
    if (line.trimmed().isEmpty() || line.trimmed().startsWith('#')) continue;
    QStringList parts = line.split('|');
    if (parts.size() < 2 || parts.size() > 3) {
      if (error) *error = QStringLiteral("%1:%2: expected key | [kind |] caption").arg(path).arg(lineNo);
      return {};
    }
    Subject s;
    bool ok = false;
    s.key = parts[0].trimmed().toInt(&ok);
    QString caption = parts.last();
    if (caption.startsWith(' ')) caption.remove(0, 1);
    s.caption = caption;
    if (!ok || s.key <= 0 || s.key > 65535 || caption.isEmpty()) {
      if (error) *error = QStringLiteral("%1:%2: bad key or caption").arg(path).arg(lineNo);
      return {};
    }
    if (parts.size() == 3) {
      if (!KindFromName(parts[1], &s.kind)) {
        if (error) *error = QStringLiteral("%1:%2: unknown kind %3").arg(path).arg(lineNo).arg(parts[1].trimmed());
        return {};
      }
    } else {
      s.kind = KindFromTitle(s.caption);
    }
    subjects.push_back(s);
  }
  return subjects;
}

}  // namespace icons
