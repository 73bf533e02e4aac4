// What each picture shows: its key, its caption and the kind of composition,
// read from the hymn sources and the small lists beside the libraries.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace icons {

enum class Kind { LordsFeast, Theotokos, Apostle, Prophet, Hierarch, Martyr, Monastic, Angel, Council, Group };

struct Subject {
  int key = 0;
  QString caption;   // the caption stored in the library, upper case
  Kind kind = Kind::Group;
};

// The kind of composition suggested by the words of a title line.
Kind KindFromTitle(const QString& title);
bool KindFromName(const QString& name, Kind* kind);
const char* KindName(Kind kind);

// The first title line of every day found in the month files of dataDir
// ("@ mm/dd" then the first "= " line), keyed by month * 100 + day. Days of
// a missing month file are absent from the result.
std::vector<std::pair<int, QString>> ReadFirstTitleLines(const QString& dataDir, QStringList* warnings);

// The 366 first icons of the day pack, 10101 to 11231: captions from the
// title lines, or the date alone ("JANUARY 1") while a month has no file yet.
std::vector<Subject> DaySubjects(const QString& dataDir, QStringList* warnings);

// A list file of "key | caption" or "key | kind | caption" lines ('#' starts
// a comment). Spaces inside the caption, trailing ones included, are kept;
// the caption is everything after the last separator but one leading space.
std::vector<Subject> ReadSubjectList(const QString& path, QString* error);

}  // namespace icons
