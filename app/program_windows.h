// The program's three long-lived windows, created in their fixed order: the
// main window, the owner of the Bible reader (the Bible search window), and
// the date selection window, whose creation loads the first page.
#pragma once

#include <QDate>
#include <memory>

namespace kal {

class BibleReader;
class TDateBox;
class TMainForm;

// Holds the one Bible reader, its file NewTstmt.dat open, for the Bible
// search and the lectionary.
class BibleReaderOwner {
 public:
  explicit BibleReaderOwner(const QString& programFolder);
  ~BibleReaderOwner();
  BibleReader* Reader() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

struct ProgramWindows {
  std::unique_ptr<TMainForm> main;
  std::unique_ptr<BibleReaderOwner> bibleSearch;
  TDateBox* dateBox = nullptr;  // owned by the main window
  ProgramWindows();
  ProgramWindows(ProgramWindows&&) noexcept;
  ProgramWindows& operator=(ProgramWindows&&) noexcept;
  ~ProgramWindows();
};

ProgramWindows CreateProgramWindows(QDate today = QDate::currentDate());

}  // namespace kal
