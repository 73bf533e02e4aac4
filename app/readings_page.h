// The day's Bible readings page as plain text, from the lectionary.
#pragma once

#include <QString>

class QTextEdit;

#include "calendar/selected_day.h"

namespace kal {

class BibleReader;

// The page for the selected day, its line breaks made plain; reader is the
// program's one Bible reader (left on NewTstmt.dat).
QString DailyReadingsText(BibleReader& reader, const SelectedDay& day, CalendarMode mode, bool verseNumbers);

// Replaces the editor's page with plain Bible text in the page font (Times New
// Roman 12, black, left-aligned), with no undo history. The readings view and
// the Bible search results both show their text this way.
void LoadPlainPage(QTextEdit* editor, const QString& text);

}  // namespace kal
