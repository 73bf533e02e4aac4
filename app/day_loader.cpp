// LoadDay: the page of the selected day in the main window's editor, and the
// day's icon.
#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <optional>

#include "app_context.h"
#include "bible_reader.h"
#include "calendar/day_designation.h"
#include "command_guard.h"
#include "date_box.h"
#include "day_load_times.h"
#include "hymnpak/hymnpak.h"
#include "icon_panel.h"
#include "main_form.h"
#include "personal_copies.h"
#include "readings_page.h"
#include "richtext/rtf_reader.h"

namespace kal {
namespace {

// While the page is replaced the editor holds no cursor, and afterwards its
// cursor stands at the top of the new page. A cursor carried along to the
// end of the inserted text would make the editor lay out the whole page
// just to redraw where that cursor had been.
class CursorToTop {
 public:
  explicit CursorToTop(QTextEdit* editor) : editor_(editor) { editor_->setTextCursor(QTextCursor()); }
  ~CursorToTop() { editor_->setTextCursor(QTextCursor(editor_->document())); }
  CursorToTop(const CursorToTop&) = delete;
  CursorToTop& operator=(const CursorToTop&) = delete;

 private:
  QTextEdit* editor_;
};

// Lays out the page as far as the editor shows it, so that it is drawn
// without waiting for the layout.
void LayOutVisiblePart(QTextEdit* editor) {
  editor->document()->documentLayout()->hitTest(QPointF(0, editor->viewport()->height()), Qt::FuzzyHit);
}

}  // namespace

namespace {

const char* const kDamagedCopyNote = " - the file is damaged: only the text that could be read is shown";

}  // namespace

void TDateBox::LoadDay(bool withIcons) {
  WaitCursor wait;
  const CalendarMode mode = main_->Mode();
  const bool troparion = !main_->ReadingsView();
  const uint16_t key = DateKey(day_, mode);
  main_->PersonalFileName = FindPersonalCopy(key, troparion);
  main_->PersonalCopyDamaged = false;

  IconPanel* icons = main_->Icons();
  const SelectedDay day = day_;
  day_.HasIcon = DayHasIcon(key, [day](uint16_t k) { return SubstituteIconKey(day, k); },
                            [icons](uint16_t k) { return icons->Libraries().BaseHas(k); });
  const IconDay iconDay = CurrentIconDay();

  QTextEdit* editor = main_->Editor();
  DayLoadTimes& times = LastDayLoadTimes();
  times = {};
  QElapsedTimer clock;
  clock.start();
  {
    RedrawFreeze batch(editor);
    // The page is replaced in one batch; its callers make the toolbar follow
    // the new selection once it is loaded.
    const QSignalBlocker quiet(editor);
    editor->clear();
    std::optional<CursorToTop> top(editor);
    QAction* verseNumbers = main_->Action("MShowVerseNumbers");
    QFile personal(main_->PersonalFileName);
    if (personal.exists()) {
      if (!personal.open(QIODevice::ReadOnly)) {
        throw std::runtime_error(personal.errorString().toStdString());
      }
      main_->PersonalCopyDamaged = ReadPersonalCopy(personal.readAll(), *editor->document()).damaged;
      main_->SetPersonalBackground(true);
      if (troparion) {
        main_->StatusText = "Viewing personalized troparia and kontakia for " + main_->DateCaption();
      } else {
        main_->StatusText = "Viewing personalized bible verses for " + main_->DateCaption();
        verseNumbers->setEnabled(false);
      }
      if (main_->PersonalCopyDamaged) main_->StatusText += kDamagedCopyNote;
    } else {
      main_->SetPersonalBackground(false);
      if (troparion) {
        main_->StatusText = "Viewing troparia and kontakia for " + main_->DateCaption();
        const char* document = LoadTropFromResource(key);
        // The library's bytes end at their NUL; a day without a document
        // leaves the editor empty.
        richtext::readRtf(document ? QByteArrayView(document, qstrlen(document)) : QByteArrayView(),
                          editor->document());
      } else {
        main_->StatusText = "Viewing bible verses for " + main_->DateCaption();
        verseNumbers->setEnabled(true);
        if (BibleReader* reader = App().bibleReader) {
          const QString text = DailyReadingsText(*reader, day_, mode, main_->ShowVerseNumbersChecked());
          times.text = clock.nsecsElapsed();
          LoadPlainPage(editor, text);
        }
      }
    }
    // Breaking lines only at word boundaries searches each long run to its
    // end for every line, so a page holding one run of many thousand letters
    // (a damaged or machine-written copy) would take minutes to lay out.
    editor->setWordWrapMode(HasLongUnbrokenRun(*editor->document()) ? QTextOption::WrapAnywhere
                                                                    : QTextOption::WrapAtWordBoundaryOrAnywhere);
    // A new page is read from its top.
    top.reset();
    times.editor = clock.nsecsElapsed() - times.text;
    editor->document()->setModified(false);
    LayOutVisiblePart(editor);
    times.layout = clock.nsecsElapsed() - times.text - times.editor;
  }
  if (main_->ShowIconsChecked() && withIcons) {
    clock.restart();
    uint16_t shown = key;
    try {
      icons->ShowDayIcon(shown, false, false, iconDay);
    } catch (...) {
      main_->SetEditorMargins();
      throw;
    }
    day_.ShownIconKey = static_cast<int16_t>(icons->ShownIconKey());
    times.icon = clock.nsecsElapsed();
  }
  main_->SetEditorMargins();
}

}  // namespace kal
