// Printing the page on display, one job per page with a heading that names
// the day, and printing the pages of a range of days. Jobs go through a
// PrintService, which a test points at PDF files.
#pragma once

#include <QRect>
#include <QString>

class QObject;
class QPrinter;
class QTextDocument;
class QWidget;

namespace kal {

class TMainForm;

class PrintService {
 public:
  virtual ~PrintService() = default;
  // True when the system names a default printer.
  virtual bool HasDefaultPrinter() const;
  // The print dialog of Print (copies collated); false when cancelled.
  virtual bool ChoosePrinter(QPrinter& printer, QWidget* parent);
  // Readies the printer for one job of the given title.
  virtual void BeginJob(QPrinter& printer, const QString& title);
  // Points the printer at the system's default printer, away from any file
  // or printer an earlier print dialog chose.
  virtual void UseDefaultPrinter(QPrinter& printer);
};

// The service in use: the system's unless a test set another (nullptr puts
// the system's back).
PrintService& Printing();
void SetPrintService(PrintService* service);

// The main window's printer, kept between jobs like its print dialog's
// choices.
QPrinter& ProgramPrinter(TMainForm& main);

// The rectangle the text fills, in printer pixels from the printable area's
// corner: one inch in from every edge of the paper.
QRect PageRectangle(const QPrinter& printer);

// One job: the document laid out page by page into the page rectangle (the
// whole printable area when the rectangle is empty). screenDpi is the
// resolution the document's pixel sizes were made for.
void PrintRichText(const QString& title, const QTextDocument& document, QPrinter& printer, const QRect& pageRect,
                   qreal screenDpi);

// The editor's page with the day's heading above it (none in Bible search
// mode), as one job titled "Kalendra " + DateCaption. The editor's document
// itself is not touched, so an edited page stays edited.
void PrintActiveDocument(TMainForm& main);
void PrintActiveDocument(TMainForm& main, QPrinter& printer);

// The name the print dialog offers for a print to file: the job's title
// with every "/" (of a date such as "January 11/24") made a "-".
QString SuggestedJobFileName(const TMainForm& main);

// The Print and Print Range commands.
void PrintCommand(TMainForm& main, QObject* sender);
void PrintRangeCommand(TMainForm& main, QObject* sender);

}  // namespace kal
