#include "edit_toolbar.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QRegularExpression>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextList>
#include <QToolBar>
#include <QToolButton>
#include <stdexcept>

#include "command_guard.h"
#include "main_form.h"
#include "modal_runner.h"

namespace kal {

namespace {

constexpr int kFaceNameLimit = 32;

Qt::Alignment AlignmentOfCode(int code) {
  switch (code) {
    case 1: return Qt::AlignRight;
    case 2: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
  }
}

// The alignment commands by code (0 left, 1 right, 2 centre).
const char* const kAlignButtons[] = {"ETBLeftAlign", "ETBRightAlign", "ETBCenterAlign"};
const char* const kAlignItems[] = {"MLeftAlign", "MRightAlign", "MCenterAlign"};

struct StyleNames {
  const char* button;
  const char* item;
  const char* popup;
};
const StyleNames kStyles[] = {{"ETBBold", "MBold", "PUBold"},
                              {"ETBItalic", "MItalic", "PUItalic"},
                              {"ETBUnderline", "MUnderline", "PUUnderline"}};

// Undoes the check mark a checkable item gives itself when triggered: the
// handlers alone decide the marks.
void KeepCheckMark(QAction* action) {
  if (!action->isCheckable()) return;
  const QSignalBlocker quiet(action);
  action->setChecked(!action->isChecked());
}

// The format of the selection's first character, or the typing format when
// nothing is selected.
QTextCharFormat SelectionFormat(const QTextEdit& editor) {
  const QTextCursor cursor = editor.textCursor();
  if (!cursor.hasSelection()) return editor.currentCharFormat();
  QTextCursor first(editor.document());
  first.setPosition(cursor.selectionStart() + 1);
  return first.charFormat();
}

// Whether the control with the focus can undo: an edit box its own way, the
// page through its document.
bool FocusedCanUndo(const QTextEdit& editor) {
  if (auto* line = qobject_cast<QLineEdit*>(QApplication::focusWidget())) return line->isUndoAvailable();
  return editor.document()->isUndoAvailable();
}

}  // namespace

EditCommands::EditCommands(TMainForm& form) : QObject(&form), form_(form) {
  setObjectName("EditCommands");
  QToolBar* bar = form.EditToolBar();
  fontName_ = bar->findChild<QComboBox*>("ETBFontName");
  fontSize_ = bar->findChild<QComboBox*>("ETBFontSize");
  fontColor_ = bar->findChild<QComboBox*>("ETBFontColor");

  // Font names: the screen's faces, sorted; only a row of the list names a
  // font, so a typed name is never added.
  fontName_->clear();
  fontName_->addItems(FontNames());
  fontName_->setInsertPolicy(QComboBox::NoInsert);
  fontSize_->setInsertPolicy(QComboBox::NoInsert);
  if (fontSize_->lineEdit()) fontSize_->lineEdit()->setMaxLength(2);

  chooseFont = [this](const FontChoice& initial) -> std::optional<FontChoice> {
    QVector<std::pair<QString, QColor>> colours;
    for (int row = 0; row < fontColor_->count(); ++row)
      colours.push_back({fontColor_->itemText(row), fontColor_->itemData(row).value<QColor>()});
    FontDialog dialog(colours, &form_);
    dialog.SetChoice(initial);
    if (RunModal(dialog) != QDialog::Accepted) return std::nullopt;
    return dialog.Choice();
  };

  // Clipboard and editing.
  for (const char* name : {"MUndo", "PUUndo"}) OnItem(name, [this](QObject*) { Undo(); });
  OnButton("ETBUndo", [this](QObject*) { Undo(); });
  const std::pair<const char*, void (QTextEdit::*)()> clipboard[] = {
      {"Cut", &QTextEdit::cut}, {"Copy", &QTextEdit::copy}, {"Paste", &QTextEdit::paste}};
  for (const auto& [name, operation] : clipboard) {
    const QByteArray item = QByteArray("M") + name, popup = QByteArray("PU") + name, button = QByteArray("ETB") + name;
    auto run = [this, operation = operation](QObject*) { Clipboard(operation); };
    OnItem(item.constData(), run);
    OnItem(popup.constData(), run);
    OnButton(button.constData(), run);
  }
  for (const char* name : {"MDelete", "PUDelete"}) OnItem(name, [this](QObject*) { Delete(); });
  for (const char* name : {"MSelectAll", "PUSelectAll"}) OnItem(name, [this](QObject*) { SelectAll(); });

  // Character styles.
  for (int i = 0; i < 3; ++i) {
    const Style style = static_cast<Style>(i);
    auto toggle = [this, style](QObject* sender) { StyleToggle(sender, style); };
    OnItem(kStyles[i].item, toggle);
    OnItem(kStyles[i].popup, toggle);
    OnButton(kStyles[i].button, toggle);
  }

  // Alignment: the code travels with each of the nine commands.
  const char* const popupAligns[] = {"PULeftAlign", "PURightAlign", "PUCenterAlign"};
  for (int code = 0; code < 3; ++code) {
    Item(popupAligns[code])->setProperty("alignment", code);
    auto align = [this](QObject* sender) { Alignment(sender); };
    OnItem(kAlignItems[code], align);
    OnItem(popupAligns[code], align);
    OnButton(kAlignButtons[code], align);
  }
  for (const char* name : {"MBullets", "PUBullets"}) OnItem(name, [this](QObject* sender) { Bullets(sender); });
  OnButton("ETBBullets", [this](QObject* sender) { Bullets(sender); });

  // Font boxes and the font dialog.
  connect(fontName_, &QComboBox::currentIndexChanged, this,
          [this](int row) { RunCommand([this, row] { FontNameChanged(row); }); });
  connect(fontSize_, &QComboBox::editTextChanged, this,
          [this](const QString& text) { RunCommand([this, text] { FontSizeChanged(text); }); });
  // A size picked from the list, or typed and confirmed, sends the user back
  // to the page; typing alone keeps the focus in the box for a second digit.
  connect(fontSize_, &QComboBox::activated, this, [this] { ReturnFocus(); });
  connect(fontColor_, &QComboBox::currentIndexChanged, this,
          [this](int row) { RunCommand([this, row] { FontColorChanged(row); }); });
  for (QComboBox* box : {fontName_, fontSize_, fontColor_}) {
    box->installEventFilter(this);
    if (box->lineEdit()) box->lineEdit()->installEventFilter(this);
  }
  OnItem("MFont", [this](QObject*) { FontDialogCommand(); });
  OnButton("ETBFontButton", [this](QObject*) { FontDialogCommand(); });

  if (auto* popup = form.findChild<QMenu*>("MainRichEditPopupMenu")) {
    connect(popup, &QMenu::aboutToShow, this, &EditCommands::PopupOpening);
  }
  // Paste follows the clipboard as well as the selection.
  connect(QApplication::clipboard(), &QClipboard::dataChanged, this, [this] { FollowSelection(); });
}

EditCommands* EditCommands::Of(const TMainForm& form) { return form.findChild<EditCommands*>("EditCommands"); }

QStringList EditCommands::FontNames() { return FontNames(QFontDatabase::families()); }

QStringList EditCommands::FontNames(const QStringList& families) {
  static const QRegularExpression foundry(R"(\s*\[[^\]]*\]$)");
  QStringList names;
  for (const QString& family : families) {
    const QString face = QString(family).remove(foundry).left(kFaceNameLimit);
    if (face.isEmpty()) continue;
    if (!names.contains(face)) names << face;
  }
  names.sort(Qt::CaseInsensitive);
  return names;
}

QAction* EditCommands::Item(const char* name) const { return form_.findChild<QAction*>(name); }
QToolButton* EditCommands::Button(const char* name) const { return form_.ToolButton(name); }

void EditCommands::OnItem(const char* name, std::function<void(QObject*)> handler) {
  QAction* action = Item(name);
  connect(action, &QAction::triggered, this, [action, handler] {
    KeepCheckMark(action);
    RunCommand([action, handler] { handler(action); });
  });
}

void EditCommands::OnButton(const char* name, std::function<void(QObject*)> handler) {
  QToolButton* button = Button(name);
  connect(button, &QToolButton::clicked, this, [button, handler] { RunCommand([button, handler] { handler(button); }); });
}

// ----------------------------------------------------- following

void EditCommands::FollowSelection() {
  form_.SuppressFormatEvents = true;
  struct Release {
    bool& flag;
    ~Release() { flag = false; }
  } release{form_.SuppressFormatEvents};

  const QTextEdit& editor = *form_.Editor();
  const QTextCursor cursor = editor.textCursor();
  const auto enable = [this](const char* item, const char* popup, const char* button, bool on) {
    Item(item)->setEnabled(on);
    Item(popup)->setEnabled(on);
    Button(button)->setEnabled(on);
  };
  enable("MUndo", "PUUndo", "ETBUndo", FocusedCanUndo(editor));
  enable("MCut", "PUCut", "ETBCut", cursor.hasSelection());
  enable("MCopy", "PUCopy", "ETBCopy", cursor.hasSelection());
  const QMimeData* clip = QApplication::clipboard()->mimeData();
  enable("MPaste", "PUPaste", "ETBPaste", clip != nullptr && clip->hasText());

  const QTextCharFormat format = SelectionFormat(editor);
  const QFont font = format.font().resolve(editor.document()->defaultFont());
  const int row = fontName_->findText(font.family(), Qt::MatchFixedString);
  fontName_->setCurrentIndex(row);
  fontName_->setEditText(font.family());
  const double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / form_.logicalDpiY();
  fontSize_->setEditText(QString::number(qRound(points)));
  const QColor colour = format.foreground().style() == Qt::NoBrush
                            ? editor.palette().color(QPalette::Text)
                            : format.foreground().color();
  fontColor_->setCurrentIndex(fontColor_->findData(colour));

  const bool styles[] = {font.bold(), font.italic(), font.underline()};
  for (int i = 0; i < 3; ++i) {
    Button(kStyles[i].button)->setChecked(styles[i]);
    Item(kStyles[i].item)->setChecked(styles[i]);
  }
  const bool bullets = cursor.currentList() != nullptr;
  Button("ETBBullets")->setChecked(bullets);
  Item("MBullets")->setChecked(bullets);

  const Qt::Alignment alignment = cursor.blockFormat().alignment();
  const int code = (alignment & Qt::AlignHCenter) ? 2 : (alignment & Qt::AlignRight) ? 1 : 0;
  Button(kAlignButtons[code])->setChecked(true);
  for (int i = 0; i < 3; ++i) Item(kAlignItems[i])->setChecked(i == code);
}

void EditCommands::PopupOpening() {
  for (const StyleNames& style : kStyles) Item(style.popup)->setChecked(Button(style.button)->isChecked());
  const char* const popupAligns[] = {"PULeftAlign", "PURightAlign", "PUCenterAlign"};
  for (int code = 0; code < 3; ++code) Item(popupAligns[code])->setChecked(Button(kAlignButtons[code])->isChecked());
  Item("PUBullets")->setChecked(Button("ETBBullets")->isChecked());
}

// ----------------------------------------------------- formatting

void EditCommands::Apply(const QTextCharFormat& format) { form_.Editor()->mergeCurrentCharFormat(format); }

void EditCommands::ReturnFocus() {
  if (form_.Editor()->isVisible()) form_.Editor()->setFocus();
}

void EditCommands::StyleToggle(QObject* sender, Style style) {
  if (form_.SuppressFormatEvents) return;
  const StyleNames& names = kStyles[static_cast<int>(style)];
  form_.Editor()->document()->setModified(true);
  QToolButton* button = Button(names.button);
  if (qobject_cast<QAction*>(sender)) button->setChecked(!button->isChecked());
  const bool down = button->isChecked();
  Item(names.item)->setChecked(down);
  QTextCharFormat format;
  switch (style) {
    case Style::Bold: format.setFontWeight(down ? QFont::Bold : QFont::Normal); break;
    case Style::Italic: format.setFontItalic(down); break;
    case Style::Underline: format.setFontUnderline(down); break;
  }
  Apply(format);
  form_.ShowStatusText();
}

void EditCommands::Alignment(QObject* sender) {
  if (form_.SuppressFormatEvents) return;
  const int code = sender->property("alignment").toInt();
  // A paragraph's alignment is a change of the page like any other: Save and
  // the question on leaving the page must see it.
  form_.Editor()->document()->setModified(true);
  QTextBlockFormat paragraph;
  paragraph.setAlignment(AlignmentOfCode(code));
  form_.Editor()->textCursor().mergeBlockFormat(paragraph);
  if (qobject_cast<QAction*>(sender)) {
    Button(kAlignButtons[code])->setChecked(true);
    for (int i = 0; i < 3; ++i) Item(kAlignItems[i])->setChecked(i == code);
  } else {
    for (int i = 0; i < 3; ++i) Item(kAlignItems[i])->setChecked(Button(kAlignButtons[i])->isChecked());
  }
  form_.ShowStatusText();
}

void EditCommands::Bullets(QObject* sender) {
  if (form_.SuppressFormatEvents) return;
  QToolButton* button = Button("ETBBullets");
  if (qobject_cast<QAction*>(sender)) button->setChecked(!button->isChecked());
  const bool down = button->isChecked();
  QTextDocument* document = form_.Editor()->document();
  document->setModified(true);  // as for alignment: a change Save must keep
  QTextCursor cursor = form_.Editor()->textCursor();
  if (down) {
    if (!cursor.currentList()) cursor.createList(QTextListFormat::ListDisc);
  } else {
    // Every paragraph of the selection leaves its list.
    QTextBlock block = document->findBlock(cursor.selectionStart());
    const QTextBlock last = document->findBlock(cursor.selectionEnd());
    while (block.isValid()) {
      if (QTextList* list = block.textList()) {
        list->remove(block);
        QTextCursor at(block);
        QTextBlockFormat flat = block.blockFormat();
        flat.setIndent(0);
        at.setBlockFormat(flat);
      }
      if (block == last) break;
      block = block.next();
    }
  }
  Item("MBullets")->setChecked(down);
  form_.ShowStatusText();
}

void EditCommands::FontNameChanged(int row) {
  if (form_.SuppressFormatEvents || row < 0) return;
  form_.Editor()->document()->setModified(true);
  QTextCharFormat format;
  format.setFontFamilies(QStringList{fontName_->itemText(row)});
  Apply(format);
  ReturnFocus();
}

void EditCommands::FontSizeChanged(const QString& text) {
  if (form_.SuppressFormatEvents) return;
  // An emptied box is the user on the way to a new number, not an error.
  if (text.trimmed().isEmpty()) return;
  form_.Editor()->document()->setModified(true);
  bool number = false;
  const int size = text.trimmed().toInt(&number);
  if (!number) throw std::runtime_error(("'" + text + "' is not a valid integer value").toStdString());
  if (size < 1) return;  // no font has a size of 0 or less; the selection keeps its size
  QTextCharFormat format;
  format.setFontPointSize(size);
  Apply(format);
}

void EditCommands::FontColorChanged(int row) {
  if (form_.SuppressFormatEvents || row < 0) return;
  form_.Editor()->document()->setModified(true);
  QTextCharFormat format;
  format.setForeground(fontColor_->itemData(row).value<QColor>());
  Apply(format);
  ReturnFocus();
}

void EditCommands::FontDialogCommand() {
  QTextEdit& editor = *form_.Editor();
  const QTextCharFormat format = SelectionFormat(editor);
  FontChoice initial;
  initial.font = format.font().resolve(editor.document()->defaultFont());
  initial.colour = format.foreground().style() == Qt::NoBrush ? editor.palette().color(QPalette::Text)
                                                              : format.foreground().color();
  if (const std::optional<FontChoice> chosen = chooseFont(initial)) {
    QTextCharFormat applied;
    applied.setFont(chosen->font);
    applied.setForeground(chosen->colour);
    Apply(applied);
  }
  form_.FollowSelection();
}

// ------------------------------------------------ clipboard and editing

void EditCommands::Undo() {
  form_.Editor()->undo();
  form_.ShowStatusText();
}

void EditCommands::Clipboard(void (QTextEdit::*operation)()) {
  (form_.Editor()->*operation)();
  form_.ShowStatusText();
}

void EditCommands::Delete() {
  QTextEdit& editor = *form_.Editor();
  QTextCursor cursor = editor.textCursor();
  // Nothing selected: the character after the caret goes.
  if (!cursor.hasSelection()) cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
  editor.setTextCursor(cursor);
}

void EditCommands::SelectAll() { form_.Editor()->selectAll(); }

bool EditCommands::eventFilter(QObject* watched, QEvent* event) {
  // Entering or clicking a font box brings the status message back.
  if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonPress) form_.ShowStatusText();
  if (event->type() == QEvent::KeyPress && watched == fontSize_->lineEdit()) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      ReturnFocus();
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace kal
