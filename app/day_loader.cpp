// LoadDay: the page of the selected day in the main window's editor, and the
// day's icon.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>

#include "app_context.h"
#include "bible_reader.h"
#include "calendar/day_designation.h"
#include "command_guard.h"
#include "date_box.h"
#include "hymnpak/hymnpak.h"
#include "icon_panel.h"
#include "main_form.h"
#include "personal_copies.h"
#include "readings_page.h"
#include "richtext/rtf_reader.h"

namespace kal {

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
  {
    RedrawFreeze batch(editor);
    // The page is replaced in one batch; its callers make the toolbar follow
    // the new selection once it is loaded.
    const QSignalBlocker quiet(editor);
    editor->clear();
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
          LoadPlainPage(editor, DailyReadingsText(*reader, day_, mode, main_->ShowVerseNumbersChecked()));
        }
      }
    }
    // Breaking lines only at word boundaries searches each long run to its
    // end for every line, so a page holding one run of many thousand letters
    // (a damaged or machine-written copy) would take minutes to lay out.
    editor->setWordWrapMode(HasLongUnbrokenRun(*editor->document()) ? QTextOption::WrapAnywhere
                                                                    : QTextOption::WrapAtWordBoundaryOrAnywhere);
    // A new page is read from its top.
    editor->moveCursor(QTextCursor::Start);
    editor->document()->setModified(false);
  }
  if (main_->ShowIconsChecked() && withIcons) {
    uint16_t shown = key;
    try {
      icons->ShowDayIcon(shown, false, false, iconDay);
    } catch (...) {
      main_->SetEditorMargins();
      throw;
    }
    day_.ShownIconKey = static_cast<int16_t>(icons->ShownIconKey());
  }
  main_->SetEditorMargins();
}

}  // namespace kal
