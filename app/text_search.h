// Finding text on the page: the scan of a text buffer (no widgets) and its
// use on the editor, which selects what it finds.
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

class QTextEdit;

namespace kal {

// The find dialog's flags.
struct SearchOptions {
  bool down = true;
  bool matchCase = false;
  bool wholeWord = false;
};

// Every character but the ASCII letters and digits delimits a word.
bool IsWordDelimiter(QChar c);

// The position of the next match of `text` in `buffer`, searching from the
// selection: going down from its end, going up so that the match ends at
// or before its start. Without match case both sides compare in upper case.
// In whole-word mode a match must begin a word and be followed by a
// delimiter or the end of the buffer; going down, the word in which the
// search starts is passed over first.
std::optional<int> SearchBuffer(QStringView buffer, int selStart, int selLength, QStringView text,
                                SearchOptions options);

// Searches the editor's page from its selection; on a hit the match is
// selected and scrolled into view.
bool SearchEditor(QTextEdit* editor, const QString& text, SearchOptions options);

}  // namespace kal
