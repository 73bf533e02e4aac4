#include "program_windows.h"

#include "app_context.h"
#include "bible_search_dlg.h"
#include "date_box.h"
#include "main_form.h"

#include "bible_reader.h"

namespace kal {

struct BibleReaderOwner::Impl {
  explicit Impl(const QString& folder) : reader(folder.toStdString()) { reader.OpenBibleFile("NewTstmt.dat"); }
  BibleReader reader;
};
BibleReader* BibleReaderOwner::Reader() const { return &impl_->reader; }

BibleReaderOwner::BibleReaderOwner(const QString& programFolder)
    : impl_(std::make_unique<Impl>(programFolder)) {}
BibleReaderOwner::~BibleReaderOwner() = default;

ProgramWindows::ProgramWindows() = default;
ProgramWindows::ProgramWindows(ProgramWindows&&) noexcept = default;
ProgramWindows& ProgramWindows::operator=(ProgramWindows&&) noexcept = default;
ProgramWindows::~ProgramWindows() {
  // The main window goes first: it saves its settings and takes the date
  // selection window with it.
  main.reset();
  if (bibleSearch && App().bibleReader == bibleSearch->Reader()) App().bibleReader = nullptr;
  bibleSearch.reset();
}

ProgramWindows CreateProgramWindows(QDate today) {
  ProgramWindows windows;
  windows.main = std::make_unique<TMainForm>();
  windows.bibleSearch = std::make_unique<BibleReaderOwner>(App().programFolder);
  App().bibleReader = windows.bibleSearch->Reader();
  new TBibleSearchDlg(windows.main.get(), windows.bibleSearch->Reader());  // owned by the main window
  windows.dateBox = new TDateBox(windows.main.get(), today);
  return windows;
}

}  // namespace kal
