#include "page_ink.h"

#include <QEvent>
#include <QPalette>
#include <QTextBlock>
#include <QTextEdit>

namespace kal {
namespace {

bool PlainBlack(const QTextCharFormat& format) {
  const QBrush ink = format.foreground();
  return ink.style() != Qt::NoBrush && ink.color().rgb() == QColor(Qt::black).rgb();
}

}  // namespace

PageInk::PageInk(QTextEdit* editor) : QObject(editor), editor_(editor) {
  setObjectName("PageInk");
  connect(editor->document(), &QTextDocument::contentsChanged, this, [this] { stale_ = true; });
  editor->installEventFilter(this);
  editor->viewport()->installEventFilter(this);
}

bool PageInk::eventFilter(QObject* watched, QEvent* event) {
  if (watched == editor_ && event->type() == QEvent::PaletteChange) stale_ = true;
  // Worked out just before drawing, once for a whole page load.
  if (watched == editor_->viewport() && event->type() == QEvent::Paint && stale_) Refresh();
  return false;
}

void PageInk::Refresh() {
  stale_ = false;
  const QColor text = editor_->palette().color(QPalette::Text);
  QList<QTextEdit::ExtraSelection> runs;
  if (text.rgb() != QColor(Qt::black).rgb()) {
    QTextCharFormat ink;
    ink.setForeground(text);
    for (QTextBlock block = editor_->document()->begin(); block.isValid(); block = block.next()) {
      for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!PlainBlack(fragment.charFormat())) continue;
        const int start = fragment.position();
        const int end = start + fragment.length();
        // Neighbouring black runs are drawn as one.
        if (!runs.isEmpty() && runs.last().cursor.selectionEnd() == start) {
          runs.last().cursor.setPosition(end, QTextCursor::KeepAnchor);
          continue;
        }
        QTextCursor run(editor_->document());
        run.setPosition(start);
        run.setPosition(end, QTextCursor::KeepAnchor);
        runs.push_back({run, ink});
      }
    }
  }
  editor_->setExtraSelections(runs);
}

QColor PersonalPageColour(const QPalette& palette) {
  const QColor base = palette.color(QPalette::Base);
  // Light bases take the faint tint of old; dark ones need more to show.
  const double share = base.lightnessF() > 0.5 ? 16.0 / 255.0 : 0.15;
  const auto towards = [share](int from, int to) { return static_cast<int>(from + (to - from) * share + 0.5); };
  return QColor(towards(base.red(), 255), towards(base.green(), 255), towards(base.blue(), 0));
}

}  // namespace kal
