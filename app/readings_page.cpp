#include "readings_page.h"

#include <QFont>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

#include "daily_readings.h"
#include "locale_date_names.h"
#include "windows_1252.h"

namespace kal {

QString DailyReadingsText(BibleReader& reader, const SelectedDay& day, CalendarMode mode, bool verseNumbers) {
  ReadingsOptions options;
  options.Mode = mode;
  options.VerseNumbers = verseNumbers;
  options.ProgramFolder = reader.ProgramDirectory();
  options.Names = &ProgramPageDateNames();
  // The page comes in the Bible files' code page with CR LF line breaks; the
  // locale's names went in as that code page too.
  QString page = QString::fromStdString(Utf8FromWindows1252(GetDailyReadings(reader, day, options)));
  page.replace("\r\n", "\n");
  return page;
}

void LoadPlainPage(QTextEdit* editor, const QString& text) {
  QTextCharFormat characters;
  QFont times("Times New Roman");
  times.setPointSize(12);
  characters.setFont(times);
  characters.setForeground(Qt::black);
  QTextBlockFormat paragraph;
  paragraph.setAlignment(Qt::AlignLeft);
  QTextCursor cursor(editor->document());
  cursor.setBlockFormat(paragraph);
  cursor.setBlockCharFormat(characters);
  cursor.setCharFormat(characters);
  cursor.insertText(text);
  editor->document()->clearUndoRedoStacks();
}

}  // namespace kal
