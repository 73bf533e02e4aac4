#include "printing.h"

#include <QAbstractTextDocumentLayout>
#include <QComboBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextList>
#include <memory>
#include <stdexcept>

#include "app_context.h"
#include "command_guard.h"
#include "date_box.h"
#include "date_lists.h"
#include "main_form.h"
#include "modal_runner.h"
#include "print_range_dlg.h"

namespace kal {

namespace {

PrintService*& CurrentService() {
  static PrintService* service = nullptr;
  return service;
}

// Holds the main window's printer for the window's lifetime.
class PrinterHolder : public QObject {
 public:
  explicit PrinterHolder(QObject* parent) : QObject(parent) { setObjectName("PrintDialog"); }
  QPrinter printer{QPrinter::HighResolution};
};

// The heading as the edit toolbar shows the selection's font: its name,
// size and colour boxes.
struct HeadingLook {
  QString family;
  qreal points = 12;
  QColor colour = Qt::black;
};

HeadingLook EditToolBarLook(const TMainForm& main) {
  HeadingLook look;
  if (const auto* name = main.findChild<QComboBox*>("ETBFontName")) look.family = name->currentText();
  if (const auto* size = main.findChild<QComboBox*>("ETBFontSize")) {
    bool number = false;
    const qreal points = size->currentText().toDouble(&number);
    if (number && points > 0) look.points = points;
  }
  if (const auto* colour = main.findChild<QComboBox*>("ETBFontColor")) {
    const QVariant data = colour->currentData();
    if (data.canConvert<QColor>()) look.colour = data.value<QColor>();
  }
  return look;
}

// The day's heading and an empty line above the page: the heading centred,
// in the toolbar's font.
void InsertHeading(QTextDocument& page, const QString& heading, const HeadingLook& look) {
  QTextCursor cursor(&page);
  cursor.movePosition(QTextCursor::Start);
  cursor.insertText(heading);
  cursor.insertBlock();
  cursor.insertBlock();
  cursor.setPosition(0);
  cursor.setPosition(static_cast<int>(heading.size()), QTextCursor::KeepAnchor);
  QTextCharFormat font;
  if (!look.family.isEmpty()) font.setFontFamilies({look.family});
  font.setFontPointSize(look.points);
  font.setForeground(look.colour);
  cursor.mergeCharFormat(font);
  cursor.clearSelection();
  for (int line = 0; line < 2; ++line) {
    QTextBlock block = page.findBlockByNumber(line);
    if (QTextList* list = block.textList()) list->remove(block);
  }
  QTextBlockFormat centred = cursor.blockFormat();
  centred.setAlignment(Qt::AlignHCenter);
  cursor.setBlockFormat(centred);
}

class SystemPrintService : public PrintService {};

}  // namespace

bool PrintService::HasDefaultPrinter() const { return !QPrinterInfo::defaultPrinter().isNull(); }

bool PrintService::ChoosePrinter(QPrinter& printer, QWidget* parent) {
  printer.setCollateCopies(true);
  QPrintDialog dialog(&printer, parent);
  dialog.setObjectName("PrintDialog");
  dialog.setProperty("helpContext", 255);
  return RunModal(dialog) == QDialog::Accepted;
}

void PrintService::BeginJob(QPrinter& printer, const QString& title) { printer.setDocName(title); }

void PrintService::UseDefaultPrinter(QPrinter& printer) {
  printer.setOutputFileName(QString());
  printer.setOutputFormat(QPrinter::NativeFormat);
  const QPrinterInfo system = QPrinterInfo::defaultPrinter();
  if (!system.isNull()) printer.setPrinterName(system.printerName());
}

PrintService& Printing() {
  static SystemPrintService system;
  PrintService* service = CurrentService();
  return service ? *service : system;
}

void SetPrintService(PrintService* service) { CurrentService() = service; }

QPrinter& ProgramPrinter(TMainForm& main) {
  auto* holder = main.findChild<PrinterHolder*>("PrintDialog", Qt::FindDirectChildrenOnly);
  if (!holder) holder = new PrinterHolder(&main);
  return holder->printer;
}

QRect PageRectangle(const QPrinter& printer) {
  const int dx = printer.logicalDpiX();
  const int dy = printer.logicalDpiY();
  const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
  const QRectF printable = printer.pageRect(QPrinter::DevicePixel);
  const int ox = qRound(printable.left() - paper.left());
  const int oy = qRound(printable.top() - paper.top());
  const int left = dx - ox;
  const int top = dy - oy;
  const int right = qRound(paper.width()) - dx - ox;
  const int bottom = qRound(paper.height()) - dy - oy;
  if (right <= left || bottom <= top) return {};
  return QRect(left, top, right - left, bottom - top);
}

void PrintRichText(const QString& title, const QTextDocument& document, QPrinter& printer, const QRect& pageRect,
                   qreal screenDpi) {
  printer.setDocName(title);
  QRect target = pageRect;
  if (target.isEmpty()) {
    target = QRect(QPoint(0, 0), printer.pageRect(QPrinter::DevicePixel).size().toSize());
  }
  // Laid out at the screen's resolution, as the editor shows it, and scaled
  // onto the printer's pixels; pages break between lines.
  std::unique_ptr<QTextDocument> page(document.clone());
  page->setDocumentMargin(0);
  const qreal scaleX = printer.logicalDpiX() / screenDpi;
  const qreal scaleY = printer.logicalDpiY() / screenDpi;
  const QSizeF pageSize(target.width() / scaleX, target.height() / scaleY);
  page->setPageSize(pageSize);
  const int pages = std::max(1, page->pageCount());

  QPainter painter;
  if (!painter.begin(&printer)) throw std::runtime_error("The printer could not start the print job.");
  for (int number = 0; number < pages; ++number) {
    if (number > 0 && !printer.newPage()) {
      painter.end();
      throw std::runtime_error("The printer could not start a new page.");
    }
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(scaleX, scaleY);
    const QRectF band(0, number * pageSize.height(), pageSize.width(), pageSize.height());
    painter.translate(0, -band.top());
    painter.setClipRect(band);
    QAbstractTextDocumentLayout::PaintContext context;
    // Lines never cross a page break; a clip a little inside the band keeps
    // a paragraph that ends on the break off the next page.
    context.clip = band.adjusted(0, 1, 0, -1);
    context.palette.setColor(QPalette::Text, Qt::black);
    page->documentLayout()->draw(&painter, context);
    painter.restore();
  }
  if (!painter.end()) throw std::runtime_error("The print job could not be completed.");
}

void PrintActiveDocument(TMainForm& main) { PrintActiveDocument(main, ProgramPrinter(main)); }

QString SuggestedJobFileName(const TMainForm& main) {
  return QString("Kalendra " + main.DateCaption()).replace('/', '-');
}

void PrintActiveDocument(TMainForm& main, QPrinter& printer) {
  QTextEdit* editor = main.Editor();
  if (editor->document()->toPlainText().isEmpty()) {
    App().prompt->Ask(PromptKind::Information, "Print", "There is no text to print.", PromptButtons::Ok);
    return;
  }
  // The heading goes onto a copy of the page, so the editor's text, undo
  // history and modified flag stay exactly as they were.
  std::unique_ptr<QTextDocument> page(editor->document()->clone());
  if (!main.InBibleSearchMode()) InsertHeading(*page, main.DateCaption().toUpper(), EditToolBarLook(main));
  const QString title = "Kalendra " + main.DateCaption();
  Printing().BeginJob(printer, title);
  PrintRichText(title, *page, printer, PageRectangle(printer), editor->logicalDpiY());
}

void PrintCommand(TMainForm& main, QObject* sender) {
  main.CheckSaveOnLeave(sender);
  QPrinter& printer = ProgramPrinter(main);
  // The dialog builds its print-to-file suggestion from the job's name; a
  // "/" there would make it a path into a folder that is not there.
  printer.setDocName(SuggestedJobFileName(main));
  if (!Printing().ChoosePrinter(printer, &main)) return;
  PrintActiveDocument(main, printer);
}

void PrintRangeCommand(TMainForm& main, QObject* sender) {
  main.CheckSaveOnLeave(sender);
  if (!Printing().HasDefaultPrinter()) {
    App().prompt->Ask(PromptKind::Error, TMainForm::ApplicationTitle(), "There is no default printer currently selected.",
                      PromptButtons::Ok);
    return;
  }
  TDateBox& dateBox = *main.DateBox();
  const CalendarMode mode = main.Mode();
  const YearMonthDay shown = ActiveListDate(dateBox.Day(), mode);
  // The range's last day must be in the lists too: the lists' last day is
  // refused.
  if (!YearInLists(shown.year) || shown == YearMonthDay{kLastListYear, 12, 31}) {
    App().prompt->Ask(PromptKind::Information, "Print Range", PrintRangeDateMessage(), PromptButtons::Ok);
    return;
  }
  TPrintRangeDlg dialog(&main, shown);
  if (RunModal(dialog) != QDialog::Accepted) return;

  const DayNumber remembered = GridDateOf(shown, mode);
  const DayNumber first = GridDateOf(dialog.From(), mode);
  const DayNumber last = GridDateOf(dialog.To(), mode);
  // A range goes to the default printer, never to the file or printer an
  // earlier Print chose: each day there would overwrite the one before.
  QPrinter rangePrinter(QPrinter::HighResolution);
  main.PrintingRange = true;
  try {
    for (DayNumber day = first; day <= last; ++day) {
      dateBox.SetGrid(day, sender);
      Printing().UseDefaultPrinter(rangePrinter);
      PrintActiveDocument(main, rangePrinter);
    }
  } catch (...) {
    // The page that was on display comes back after a failure too.
    RunCommand([&] { dateBox.SetGrid(remembered, sender); });
    main.PrintingRange = false;
    throw;
  }
  dateBox.SetGrid(remembered, sender);
  main.PrintingRange = false;
  main.ShowStatusText();
}

}  // namespace kal
