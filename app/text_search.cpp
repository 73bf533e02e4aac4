#include "text_search.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace kal {

bool IsWordDelimiter(QChar c) {
  const char16_t u = c.unicode();
  return !((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9'));
}

std::optional<int> SearchBuffer(QStringView buffer, int selStart, int selLength, QStringView text,
                                SearchOptions options) {
  const int length = static_cast<int>(buffer.size());
  const int textLength = static_cast<int>(text.size());
  if (length <= 0 || textLength == 0) return std::nullopt;

  // `count` is the number of further positions the scan may try; it falls
  // below 0 once the match would run off the buffer.
  int step, position, count;
  if (options.down) {
    step = 1;
    position = selStart + selLength;
    count = length - position - textLength;
    if (count < 0) return std::nullopt;
  } else {
    step = -1;
    position = selStart - textLength;
    count = position;
  }
  if (position < 0 || position > length) return std::nullopt;

  const auto fold = [&options](QChar c) { return options.matchCase ? c : c.toUpper(); };
  QString wanted = text.toString();
  if (!options.matchCase) {
    for (QChar& c : wanted) c = c.toUpper();
  }
  // Outside the buffer counts as a delimiter: a word may end at its end.
  const auto delimiter = [&](int at) { return at < 0 || at >= length || IsWordDelimiter(buffer[at]); };

  while (count >= 0) {
    if (options.wholeWord) {
      if (options.down) {
        // Past the rest of the word under the position, then the delimiters.
        while (count >= 0 && !delimiter(position)) position += 1, count -= 1;
        while (count >= 0 && delimiter(position)) position += 1, count -= 1;
      } else {
        // Back over delimiters, then to the first character of the word.
        while (count >= 0 && delimiter(position)) position -= 1, count -= 1;
        if (count >= 0) {
          while (!delimiter(position - 1)) position -= 1, count -= 1;
        }
      }
      if (count < 0) break;
    }
    int matched = 0;
    // Bounded: a selection start past the end must not read beyond it.
    while (matched < textLength && position + matched < length &&
           fold(buffer[position + matched]) == wanted[matched])
      ++matched;
    if (matched == textLength && (!options.wholeWord || delimiter(position + textLength))) return position;
    position += step;
    count -= 1;
  }
  return std::nullopt;
}

bool SearchEditor(QTextEdit* editor, const QString& text, SearchOptions options) {
  if (text.isEmpty() || editor->document()->isEmpty()) return false;
  // The plain text has one character for each position of the document
  // (paragraph ends included), so offsets carry over unchanged.
  const QString buffer = editor->document()->toPlainText();
  QTextCursor cursor = editor->textCursor();
  const int selStart = cursor.selectionStart();
  const std::optional<int> hit =
      SearchBuffer(buffer, selStart, cursor.selectionEnd() - selStart, text, options);
  if (!hit) return false;
  cursor.setPosition(*hit);
  cursor.setPosition(*hit + static_cast<int>(text.size()), QTextCursor::KeepAnchor);
  editor->setTextCursor(cursor);
  editor->ensureCursorVisible();
  return true;
}

}  // namespace kal
