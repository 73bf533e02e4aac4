#include "readings_page.h"

#include <QFont>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
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
  QTextDocument* document = editor->document();
  // Cleared and filled in one edit block, the document takes the page as
  // new: it lays out the top at once and the rest between events, instead
  // of the whole page before it can be shown.
  QTextCursor cursor(document);
  cursor.beginEditBlock();
  document->setPlainText(text);
  cursor.select(QTextCursor::Document);
  cursor.setBlockFormat(paragraph);
  cursor.setBlockCharFormat(characters);
  cursor.setCharFormat(characters);
  cursor.endEditBlock();
  document->clearUndoRedoStacks();
}

}  // namespace kal
