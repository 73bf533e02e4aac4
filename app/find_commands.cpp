#include "find_commands.h"

#include <QTextCursor>

#include <QAction>
#include <QFile>
#include <QTextEdit>
#include <QToolButton>
#include <dlfcn.h>

#include "app_context.h"
#include "bible_search_dlg.h"
#include "command_guard.h"
#include "date_box.h"
#include "find_dialog.h"
#include "hymnpak/hymnpak.h"
#include "icon_libraries.h"
#include "loadable_library.h"
#include "main_form.h"
#include "text_search.h"

namespace kal {

namespace {

constexpr int kFindHelp = 270;
constexpr int kFindSaintHelp = 275;

using SearchBibleLookupTableFn = std::uint16_t (*)(const char*, std::uint16_t);

// The bytes 0x80-0x9F of Windows-1252 that stand for characters beyond
// Latin-1 (0 where the code page leaves the byte undefined).
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

QByteArray ToWindows1252(const QString& text) {
  QByteArray bytes;
  bytes.reserve(text.size());
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    char byte = '?';
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
      byte = static_cast<char>(u);
    } else {
      for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == u) byte = static_cast<char>(0x80 + i);
      }
    }
    bytes.append(byte);
  }
  return bytes;
}

FindCommands::FindCommands(TMainForm& form) : QObject(&form), form_(form) {
  setObjectName("FindCommands");
  pageDialog_ = new FindDialog(FindDialog::Kind::PageText, kFindHelp, &form);
  saintDialog_ = new FindDialog(FindDialog::Kind::Saint, kFindSaintHelp, &form);
  // A request from a dialog: its messages open over it.
  connect(pageDialog_, &FindDialog::FindRequested, this, [this] {
    const PromptOwner owner(pageDialog_);
    RunCommand([this] { FindRequest(); });
  });
  connect(saintDialog_, &FindDialog::FindRequested, this, [this] {
    const PromptOwner owner(saintDialog_);
    RunCommand([this] { FindSaintRequest(); });
  });

  connect(form.Action("MFind"), &QAction::triggered, this, [this] { RunCommand([this] { FindCommand(); }); });
  connect(form.Action("MFindNext"), &QAction::triggered, this, [this] { RunCommand([this] { FindRequest(); }); });
  QAction* findSaint = form.Action("MFindSaint");
  connect(findSaint, &QAction::triggered, this,
          [this, findSaint] { RunCommand([this, findSaint] { FindSaintCommand(findSaint); }); });
  QToolButton* button = form.ToolButton("MTBFindSaint");
  connect(button, &QToolButton::clicked, this,
          [this, button] { RunCommand([this, button] { FindSaintCommand(button); }); });
}

FindCommands* FindCommands::Of(const TMainForm& form) { return form.findChild<FindCommands*>("FindCommands"); }

QPoint FindCommands::DialogPlace() const {
  const ScreenInfo fallback;
  const QSize screen = App().screen ? App().screen->Size() : fallback.Size();
  return {screen.width() / 2 - 250, screen.height() / 2 - 50};
}

void FindCommands::ShowCannotFind(const QString& text) {
  App().prompt->Ask(PromptKind::Information, "Find", "Cannot find \"" + text + "\".", PromptButtons::Ok);
}

// --------------------------------------------------------- the page

void FindCommands::FindCommand() {
  form_.Action("MFindNext")->setEnabled(!pageDialog_->Text().isEmpty());
  pageDialog_->ShowAt(DialogPlace());
}

void FindCommands::FindRequest() {
  const QString text = pageDialog_->Text();
  if (!text.isEmpty()) form_.Action("MFindNext")->setEnabled(true);
  if (!SearchEditor(form_.Editor(), text, pageDialog_->Options())) {
    ShowCannotFind(text);
    return;
  }
  // The match must not hide behind the dialog that found it.
  QTextEdit* editor = form_.Editor();
  QTextCursor start = editor->textCursor();
  QTextCursor end = start;
  start.setPosition(start.selectionStart());
  end.setPosition(end.selectionEnd());
  const QRect match = editor->cursorRect(start).united(editor->cursorRect(end));
  pageDialog_->MoveOffMatch(QRect(editor->viewport()->mapToGlobal(match.topLeft()), match.size()));
}

// --------------------------------------------------------- the saints

void FindCommands::FindSaintCommand(QObject* sender) {
  if (form_.ReadingsView()) {
    // Find Bible Verses: the Bible search window (which runs the leave-page
    // check itself).
    if (TBibleSearchDlg* search = TBibleSearchDlg::Of(form_)) search->ShowForFind(sender);
    return;
  }
  form_.CheckSaveOnLeave(sender);
  saintDialog_->SetText(QString());
  saintDialog_->ShowAt(DialogPlace());
}

std::uint16_t FindCommands::LookupBibleKey(const QString& folder, const QByteArray& text, std::uint16_t key) {
  const QString path = folder + "/" + kVersePakFileName;
  if (!QFile::exists(path)) return key;
  // A library cut short would fault inside dlopen instead of failing.
  void* library = LooksLoadable(QFile::encodeName(path).toStdString())
                      ? dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL)
                      : nullptr;
  if (!library) throw EDLLLoadError("Unable to Load DLL");
  const auto search = reinterpret_cast<SearchBibleLookupTableFn>(dlsym(library, "SearchBibleLookupTable"));
  if (!search) {
    // Without its export the library is of no more use than one that fails
    // to load.
    dlclose(library);
    throw EDLLLoadError("Unable to Load DLL");
  }
  const std::uint16_t found = search(text.constData(), key);
  dlclose(library);
  return found;
}

void FindCommands::FindSaintRequest() {
  RedrawFreeze freeze(&form_);
  TDateBox& dateBox = *form_.DateBox();
  const CalendarMode mode = form_.Mode();
  const SelectedDay& day = dateBox.Day();
  const QString text = saintDialog_->Text();
  const QByteArray bytes = ToWindows1252(text);
  std::uint16_t key = DateKey(day, mode);
  if (form_.TroparionView()) {
    // The search starts after the page's own day and wraps round the year.
    key = SearchTropLookupTable(bytes.constData(), key);
  } else if (form_.ReadingsView()) {
    try {
      key = LookupBibleKey(App().programFolder, bytes, key);
    } catch (const EDLLLoadError& error) {
      App().prompt->Ask(PromptKind::Information, TMainForm::ApplicationTitle(), QString::fromUtf8(error.what()),
                        PromptButtons::Ok);
    }
  }

  if (key == 0) {
    // No day names the saint: perhaps the page itself does.
    if (!SearchEditor(form_.Editor(), text, SearchOptions{})) ShowCannotFind(text);
    return;
  }

  // The day found, in the year of the page on display.
  const int month = key / 100;
  const int dayOfMonth = key % 100;
  const int year = mode == CalendarMode::Old ? day.OldYear : day.NewYear;
  if (!QDate::isValid(year, month, dayOfMonth)) {
    // 29 February in a common year: the page on display stays.
    dateBox.SetGridToActiveDate(saintDialog_);
    return;
  }
  const DayNumber target = EncodeDate(year, month, dayOfMonth);
  if (mode == CalendarMode::Old &&
      (target < OldCalendarRange::FirstShifted() || target > OldCalendarRange::LastShifted())) {
    App().prompt->Ask(PromptKind::Information, TMainForm::ApplicationTitle(), kOldCalendarRangeMessage,
                      PromptButtons::Ok);
    return;
  }
  dateBox.SetGrid(target, saintDialog_);
}

}  // namespace kal
