// Building the main window's controls: menus, toolbars, bars, icon panel,
// editor and status bar, each under its own object name.
#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFontComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "icon_panel.h"
#include "main_form.h"
#include "page_ink.h"
#include "rich_edit.h"

namespace kal {

QAction* TMainForm::AddItem(QMenu* menu, const char* name, const char* caption, const QKeySequence& shortcut,
                            const char* hint, int help) {
  auto* action = new QAction(QString::fromLatin1(caption), this);
  action->setObjectName(name);
  action->setShortcut(shortcut);
  action->setShortcutContext(Qt::WindowShortcut);
  if (hint) action->setStatusTip(QString::fromLatin1(hint));
  if (help) action->setProperty("helpContext", help);
  menu->addAction(action);
  actions_[name] = action;
  return action;
}

namespace {

QMenu* AddMenu(QMenuBar* bar, std::map<QString, QAction*>& actions, const char* name, const char* caption,
               const char* hint, int help) {
  QMenu* menu = bar->addMenu(QString::fromLatin1(caption));
  menu->setObjectName(name);
  QAction* item = menu->menuAction();
  item->setObjectName(name);
  item->setStatusTip(QString::fromLatin1(hint));
  item->setProperty("helpContext", help);
  actions[name] = item;
  return menu;
}

}  // namespace

void TMainForm::BuildMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu");

  QMenu* file = AddMenu(bar, actions_, "MFile", "&File", "Select date, save, print active document or quit kalendra", 73);
  AddItem(file, "MSelectDate", "Sele&ct Date", Qt::Key_F5, "Selects the date for the desired readings", 75);
  AddItem(file, "MGoToDate", "&Go to Date...", Qt::CTRL | Qt::Key_O, "Goes to the readings for a specific date", 80);
  AddItem(file, "MPreviousDay", "Pr&evious Day", Qt::Key_F6, "Selects the readings for the previous day", 85);
  AddItem(file, "MNextDay", "&Next Day", Qt::Key_F7, "Selects the readings for the next day", 90);
  file->addSeparator();
  AddItem(file, "MSave", "&Save", Qt::CTRL | Qt::Key_S, "Creates or saves a personalized copy of the active document", 93);
  AddItem(file, "MSaveAs", "Save &As...", {}, "Saves a copy of the active document to a disk file", 95);
  file->addSeparator();
  AddItem(file, "MDeleteFile", "&Delete File", Qt::CTRL | Qt::Key_D, nullptr, 98);
  file->addSeparator();
  AddItem(file, "MPrint", "&Print...", Qt::CTRL | Qt::Key_P, "Prints the active document", 100);
  AddItem(file, "MPrintRange", "Print &Range...", Qt::CTRL | Qt::Key_G, "Prints documents for a range of dates", 105);
  file->addSeparator();
  AddItem(file, "MExportCalendar", "&Export to Calendar...", {},
          "Saves the church calendar of a range of dates for a calendar program", 107);
  file->addSeparator();
  AddItem(file, "MExit", "E&xit", {}, "Quits kalendra and prompts to save the document", 110);

  QMenu* edit = AddMenu(bar, actions_, "MEdit", "&Edit", "Undo, delete, copy, insert and select text", 113);
  AddItem(edit, "MUndo", "&Undo", Qt::CTRL | Qt::Key_Z, "Reverses the last action", 115)->setEnabled(false);
  edit->addSeparator();
  AddItem(edit, "MCut", "Cu&t", Qt::CTRL | Qt::Key_X, "Removes the selection and puts it on the clipboard", 120)->setEnabled(false);
  AddItem(edit, "MCopy", "&Copy", Qt::CTRL | Qt::Key_C, "Copies the selection and puts it on the clipboard", 125)->setEnabled(false);
  AddItem(edit, "MPaste", "&Paste", Qt::CTRL | Qt::Key_V, "Inserts the text on the clipboard at the insertion point", 130)->setEnabled(false);
  AddItem(edit, "MDelete", "&Delete", Qt::Key_Delete, "Removes the selection without puting it on the clipboard", 135);
  edit->addSeparator();
  AddItem(edit, "MSelectAll", "Select &All", Qt::CTRL | Qt::Key_A, "Selects the entire document", 140);

  QMenu* format = AddMenu(bar, actions_, "MFormat", "Fo&rmat", "Format text in the active document", 143);
  AddItem(format, "MFont", "&Font...", {}, "Opens the font selection dialog box", 145);
  format->addSeparator();
  AddItem(format, "MBold", "&Bold", Qt::CTRL | Qt::Key_B, "Makes the selection bold (toggle)", 150)->setCheckable(true);
  AddItem(format, "MItalic", "&Italic", Qt::CTRL | Qt::Key_I, "Makes the selection Italic (toggle)", 155)->setCheckable(true);
  AddItem(format, "MUnderline", "&Underline", Qt::CTRL | Qt::Key_U, "Makes the selection underlined (toggle)", 160)->setCheckable(true);
  format->addSeparator();
  AddItem(format, "MLeftAlign", "&Left Align", Qt::CTRL | Qt::Key_L, "Aligns the paragraph at the left margin", 165)->setCheckable(true);
  AddItem(format, "MCenterAlign", "&Center Align", Qt::CTRL | Qt::Key_N, "Centers the paragraph between the margins", 170)->setCheckable(true);
  AddItem(format, "MRightAlign", "&Right Align", Qt::CTRL | Qt::Key_R, "Aligns the paragraph at the right margin", 175)->setCheckable(true);
  format->addSeparator();
  AddItem(format, "MBullets", "Bulle&ts", Qt::CTRL | Qt::Key_T, "Adds a bullet to the selected paragraph or paragraphs (toggle)", 180)->setCheckable(true);
  actions_["MLeftAlign"]->setProperty("alignment", 0);
  actions_["MCenterAlign"]->setProperty("alignment", 2);
  actions_["MRightAlign"]->setProperty("alignment", 1);

  QMenu* search = AddMenu(bar, actions_, "MSearch", "&Search", "Search for text in the active document", 183);
  AddItem(search, "MFind", "&Find on This Page...", Qt::CTRL | Qt::Key_F, "Finds the specified text in the active document", 185);
  AddItem(search, "MFindNext", "Find &Next", Qt::Key_F3, "Repeats the previous find in the active document", 190)->setEnabled(false);
  search->addSeparator();
  AddItem(search, "MFindSaint", "Find &Saint...", Qt::Key_F4, "Finds the specified saint, and goes to that page", 195);
  QAction* endSearch = AddItem(search, "MEndBibleSearch", "&End Bible Search", Qt::CTRL | Qt::Key_E,
                               "Ends bible search mode, and reactivates the daily bible readings", 196);
  endSearch->setVisible(false);
  endSearch->setEnabled(false);

  QMenu* options = AddMenu(bar, actions_, "MOptions", "&Options", "Select user interface preferences", 198);
  AddItem(options, "MOldCalendar", "&Old Calendar", {}, "Displays the readings for old calendar dates", 200)->setCheckable(true);
  AddItem(options, "MNewCalendar", "&New Calendar", {}, "Displays the readings for new calendar dates", 205)->setCheckable(true);
  actions_["MOldCalendar"]->setChecked(true);
  options->addSeparator();
  AddItem(options, "MTroparionKontakion", "&Kalendra", Qt::Key_F8, "Displays the troparia and kontakia for the selected date", 206)->setCheckable(true);
  AddItem(options, "MDailyBibleReadings", "&Bible Readings", Qt::Key_F9, "Displays the bible readings for the selected date", 207)->setCheckable(true);
  QAction* lives = AddItem(options, "MLivesSaints", "&Lives of Saints", Qt::Key_F10, "Displays the lives of saints for the selected date", 208);
  lives->setCheckable(true);
  lives->setVisible(false);
  lives->setEnabled(false);
  actions_["MTroparionKontakion"]->setChecked(true);
  options->addSeparator();
  QAction* verses = AddItem(options, "MShowVerseNumbers", "Show &Verse Numbers", Qt::Key_F11,
                            "Shows or hides verse numbers in the daily bible readings", 209);
  verses->setCheckable(true);
  verses->setEnabled(false);
  AddItem(options, "MShowIcons", "Show &Icons", {}, "Shows or hides the Icons", 210)->setCheckable(true);
  actions_["MShowIcons"]->setChecked(true);
  QAction* nextIcon = AddItem(options, "NextIcon", "Show Next Icon", Qt::Key_F12, nullptr, 0);
  nextIcon->setEnabled(false);
  // Never shown in a menu; the window alone carries it, for its F12 shortcut
  // (a hidden menu item would lose the shortcut).
  options->removeAction(nextIcon);
  addAction(nextIcon);
  AddItem(options, "MShowMainToolBar", "Show Main &Toolbar", {}, "Shows or hides the main toolbar", 215)->setCheckable(true);
  AddItem(options, "MShowEditToolBar", "Show &Edit Toolbar", {}, "Shows or hides the edit toolbar", 220)->setCheckable(true);
  AddItem(options, "MShowHints", "Show &Hints", {}, "Turns popup hints on and off", 222)->setCheckable(true);
  for (const char* name : {"MShowMainToolBar", "MShowEditToolBar", "MShowHints"}) actions_[name]->setChecked(true);

  QMenu* help = AddMenu(bar, actions_, "MHelp", "&Help", "Get help", 223);
  AddItem(help, "MHelpTopics", "&HelpTopics", {}, "Displays kalendra's help system", 225);
  AddItem(help, "MHowtoUseHelp", "How to &Use Help", {}, "Help on using the help system", 230);
  help->addSeparator();
  AddItem(help, "MFindEasterDate", "&Find the date of Easter...", {}, "Displays the dates of Western Easter and Pascha for the current year", 233);
  help->addSeparator();
  AddItem(help, "MAboutKalendra", "&About Kalendra...", {}, "Shows program information", 235);
}

QToolButton* TMainForm::AddButton(QToolBar* bar, const char* name, const QString& text, const char* tooltip,
                                  const char* statusText) {
  auto* button = new QToolButton(bar);
  button->setObjectName(name);
  button->setText(text);
  button->setToolTip(QString::fromLatin1(tooltip));
  button->setStatusTip(QString::fromLatin1(statusText));
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  QAction* holder = bar->addWidget(button);
  holder->setObjectName(QString(name) + "Holder");
  buttons_[name] = button;
  return button;
}

void TMainForm::BuildMainToolBar() {
  mainToolBar_ = new QToolBar("Main Tool Bar", this);
  mainToolBar_->setObjectName("MainToolBar");
  addToolBar(Qt::TopToolBarArea, mainToolBar_);
  QStyle* style = this->style();

  QToolButton* select = AddButton(mainToolBar_, "MTBSelectDate", QString(), "Select Date",
                                  "Selects the date for the desired readings");
  select->setIcon(style->standardIcon(QStyle::SP_FileDialogContentsView));
  QFont bold = font();
  bold.setBold(true);
  AddButton(mainToolBar_, "MTBPreviousDay", "<", "Previous Day", "Selects the readings for the previous day")->setFont(bold);
  AddButton(mainToolBar_, "MTBNextDay", ">", "Next Day", "Selects the readings for the next day")->setFont(bold);
  AddButton(mainToolBar_, "MTBSave", QString(), "Save", "Creates or saves a personalized copy of the active document")
      ->setIcon(style->standardIcon(QStyle::SP_DialogSaveButton));
  mainToolBar_->addSeparator();

  viewButtons_ = new QButtonGroup(this);
  viewButtons_->setExclusive(true);
  struct ViewButton {
    const char* name;
    const char* text;
    const char* tip;
    const char* status;
  };
  const ViewButton views[] = {
      {"MTBKalendra", "Kalendra", "Troparia and Kontakia", "Displays the troparia and kontakia for the selected date"},
      {"MTBBibleReadings", "Bible Readings", "Daily Bible Readings", "Displays the bible readings for the selected date"},
      {"MTBLivesSaints", "Lives of Saints", "Lives of Saints", "Displays the lives of saints for the selected date"}};
  for (const ViewButton& view : views) {
    QToolButton* button = AddButton(mainToolBar_, view.name, view.text, view.tip, view.status);
    button->setCheckable(true);
    button->setFixedWidth(120);
    viewButtons_->addButton(button);
  }
  buttons_["MTBKalendra"]->setChecked(true);
  mainToolBar_->actions().last()->setVisible(false);  // Lives of Saints
  buttons_["MTBLivesSaints"]->setEnabled(false);
  QToolButton* end = AddButton(mainToolBar_, "MTBEndBibleSearch", "End Bible Search", "Reactivate the Application",
                               "End Bible Search Mode, and Reactivate the Application");
  end->setFixedWidth(150);
  mainToolBar_->actions().last()->setVisible(false);
  mainToolBar_->addSeparator();
  AddButton(mainToolBar_, "MTBFindSaint", "Find Saint...", "Finds the Specified Saint",
            "Finds the specified saint, and goes to that page")
      ->setFixedWidth(152);
  mainToolBar_->addSeparator();
  AddButton(mainToolBar_, "MTBHelpTopics", "?", "Help Topics", "Displays kalendra's help system")->setFont(bold);
}

void TMainForm::BuildEditToolBar() {
  addToolBarBreak(Qt::TopToolBarArea);
  editToolBar_ = new QToolBar("Edit Tool Bar", this);
  editToolBar_->setObjectName("EditToolBar");
  addToolBar(Qt::TopToolBarArea, editToolBar_);
  QStyle* style = this->style();

  AddButton(editToolBar_, "ETBUndo", "Undo", "Undo", "Reverses the last action")
      ->setIcon(style->standardIcon(QStyle::SP_ArrowBack));
  AddButton(editToolBar_, "ETBCut", "Cut", "Cut", "Removes the selection and puts it on the clipboard");
  AddButton(editToolBar_, "ETBCopy", "Copy", "Copy", "Copies the selection and puts it on the clipboard");
  AddButton(editToolBar_, "ETBPaste", "Paste", "Paste", "Inserts the text on the clipboard at the insertion point");
  editToolBar_->addSeparator();

  auto* fontName = new QComboBox(editToolBar_);  // filled with the screen's fonts
  fontName->setObjectName("ETBFontName");
  fontName->setFixedWidth(201);
  fontName->setEditable(true);
  fontName->setToolTip("Font Name");
  fontName->setStatusTip("Changes the font of the selection");
  fontName->setProperty("helpContext", 65);
  editToolBar_->addWidget(fontName);

  auto* fontSize = new QComboBox(editToolBar_);
  fontSize->setObjectName("ETBFontSize");
  fontSize->setEditable(true);
  fontSize->setFixedWidth(60);
  fontSize->setMaxVisibleItems(16);
  fontSize->addItems({"8", "9", "10", "11", "12", "14", "16", "18", "20", "22", "24", "26", "28", "36", "48", "72"});
  fontSize->setToolTip("Font Size");
  fontSize->setStatusTip("Changes the font size of the selection");
  fontSize->setProperty("helpContext", 70);
  editToolBar_->addWidget(fontSize);

  auto* fontColor = new QComboBox(editToolBar_);
  fontColor->setObjectName("ETBFontColor");
  fontColor->setFixedWidth(119);
  const std::pair<const char*, QColor> colours[] = {
      {"Black", Qt::black},       {"Maroon", QColor(128, 0, 0)}, {"Green", QColor(0, 128, 0)},
      {"Olive", QColor(128, 128, 0)}, {"Navy", QColor(0, 0, 128)}, {"Purple", QColor(128, 0, 128)},
      {"Teal", QColor(0, 128, 128)}, {"Gray", QColor(128, 128, 128)}, {"Silver", QColor(192, 192, 192)},
      {"Red", Qt::red},           {"Lime", Qt::green},           {"Yellow", Qt::yellow},
      {"Blue", Qt::blue},         {"Fuchsia", Qt::magenta},      {"Aqua", Qt::cyan},
      {"White", Qt::white}};
  for (const auto& [name, colour] : colours) {
    QPixmap swatch(12, 12);
    swatch.fill(colour);
    fontColor->addItem(QIcon(swatch), name, colour);
  }
  fontColor->setToolTip("Font Color");
  fontColor->setStatusTip("Changes the color of the selection");
  fontColor->setProperty("helpContext", 71);
  editToolBar_->addWidget(fontColor);

  QToolButton* fontButton = AddButton(editToolBar_, "ETBFontButton", "Font", "Font Dialog",
                                      "Opens the Font Selection Dialog Box");
  editToolBar_->actions().last()->setVisible(false);  // shown only in a side dock
  (void)fontButton;
  editToolBar_->addSeparator();

  QFont face = font();
  struct Toggle {
    const char* name;
    const char* text;
    const char* tip;
    const char* status;
  };
  const Toggle styles[] = {{"ETBBold", "B", "Bold", "Makes the selection bold (toggle)"},
                           {"ETBItalic", "I", "Italic", "Makes the selection Italic (toggle)"},
                           {"ETBUnderline", "U", "Underline", "Makes the selection underlined (toggle)"}};
  for (const Toggle& toggle : styles) {
    QToolButton* button = AddButton(editToolBar_, toggle.name, toggle.text, toggle.tip, toggle.status);
    button->setCheckable(true);
    QFont look = face;
    look.setBold(toggle.text[0] == 'B');
    look.setItalic(toggle.text[0] == 'I');
    look.setUnderline(toggle.text[0] == 'U');
    button->setFont(look);
  }
  editToolBar_->addSeparator();

  auto* alignments = new QButtonGroup(this);
  alignments->setExclusive(true);
  const Toggle aligns[] = {{"ETBLeftAlign", "Left", "Left Align", "Aligns the paragraph at the left margin"},
                           {"ETBCenterAlign", "Center", "Center Align", "Centers the paragraph between the margins"},
                           {"ETBRightAlign", "Right", "Right Align", "Aligns the paragraph at the right margin"}};
  const int codes[] = {0, 2, 1};
  for (int i = 0; i < 3; ++i) {
    QToolButton* button = AddButton(editToolBar_, aligns[i].name, aligns[i].text, aligns[i].tip, aligns[i].status);
    button->setCheckable(true);
    button->setProperty("alignment", codes[i]);
    alignments->addButton(button);
  }
  buttons_["ETBLeftAlign"]->setChecked(true);
  editToolBar_->addSeparator();
  AddButton(editToolBar_, "ETBBullets", "Bullets", "Bullets",
            "Adds a bullet to the selected paragraph or paragraphs (toggle)")
      ->setCheckable(true);
}

void TMainForm::BuildCentralArea() {
  auto* central = new QWidget(this);
  central->setObjectName("CentralArea");
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  dateBar_ = new QLabel(central);
  dateBar_->setObjectName("DateBar");
  QFont dateFont("Arial");
  dateFont.setPixelSize(23);
  dateFont.setBold(true);
  dateBar_->setFont(dateFont);
  dateBar_->setFixedHeight(28);
  dateBar_->setAlignment(Qt::AlignCenter);
  dateBar_->setFrameStyle(QFrame::Panel | QFrame::Raised);
  column->addWidget(dateBar_);

  infoBar_ = new QLabel(central);
  infoBar_->setObjectName("InfoBar");
  QFont infoFont("Arial");
  infoFont.setPixelSize(18);
  infoBar_->setFont(infoFont);
  infoBar_->setFixedHeight(24);
  infoBar_->setAlignment(Qt::AlignCenter);
  infoBar_->setFrameStyle(QFrame::Panel | QFrame::Raised);
  column->addWidget(infoBar_);

  auto* row = new QHBoxLayout;
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  iconPanel_ = new IconPanel(central);
  row->addWidget(iconPanel_);

  editor_ = new RichEdit(central);
  editor_->setObjectName("MainRichEdit");
  QFont editorFont("Times New Roman");
  editorFont.setPixelSize(18);
  editor_->setFont(editorFont);
  editor_->document()->setDefaultFont(editorFont);
  editor_->setFrameStyle(QFrame::NoFrame);
  editor_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  editor_->setAcceptRichText(true);
  editor_->setContextMenuPolicy(Qt::CustomContextMenu);
  editor_->setAutoFillBackground(true);
  new PageInk(editor_);
  row->addWidget(editor_, 1);
  column->addLayout(row, 1);
  setCentralWidget(central);
}

void TMainForm::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("StatusBar");
  bar->setSizeGripEnabled(true);
  QFont arial("Arial");
  bar->setFont(arial);
  statusPanel0_ = new QLabel(bar);
  statusPanel0_->setObjectName("StatusPanel0");
  statusPanel0_->setFixedWidth(0);
  statusPanel1_ = new QLabel(bar);
  statusPanel1_->setObjectName("StatusPanel1");
  bar->addWidget(statusPanel0_);
  bar->addWidget(statusPanel1_, 1);
}

void TMainForm::BuildPopupMenu() {
  popupMenu_ = new QMenu(this);
  popupMenu_->setObjectName("MainRichEditPopupMenu");
  popupMenu_->setProperty("helpContext", 240);
  struct Item {
    const char* name;
    const char* caption;
    const char* mainItem;
  };
  const Item items[] = {{"PUUndo", "Undo", "MUndo"},         {nullptr, nullptr, nullptr},
                        {"PUCut", "Cut", "MCut"},            {"PUCopy", "Copy", "MCopy"},
                        {"PUPaste", "Paste", "MPaste"},      {"PUDelete", "Delete", "MDelete"},
                        {nullptr, nullptr, nullptr},         {"PUSelectAll", "Select All", "MSelectAll"},
                        {nullptr, nullptr, nullptr},         {"PUBold", "Bold", "MBold"},
                        {"PUItalic", "Italic", "MItalic"},   {"PUUnderline", "Underline", "MUnderline"},
                        {nullptr, nullptr, nullptr},         {"PULeftAlign", "Left Align", "MLeftAlign"},
                        {"PUCenterAlign", "Center Align", "MCenterAlign"},
                        {"PURightAlign", "Right Align", "MRightAlign"},
                        {nullptr, nullptr, nullptr},         {"PUBullets", "Bullets", "MBullets"}};
  for (const Item& item : items) {
    if (!item.name) {
      popupMenu_->addSeparator();
      continue;
    }
    QAction* action = popupMenu_->addAction(item.caption);
    action->setObjectName(item.name);
    action->setProperty("helpContext", actions_[item.mainItem]->property("helpContext"));
    action->setCheckable(actions_[item.mainItem]->isCheckable());
    const QString name = item.name;
    action->setEnabled(name != "PUUndo" && name != "PUCut" && name != "PUCopy" && name != "PUPaste");
  }
  connect(editor_, &QTextEdit::customContextMenuRequested, this,
          [this](const QPoint& at) { popupMenu_->popup(editor_->viewport()->mapToGlobal(at)); });
}

}  // namespace kal
