// Editing the page: the edit toolbar and the menus following the
// selection, the formatting commands from menu, popup and toolbar, the font
// boxes and dialog, and the clipboard and delete commands.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextList>
#include <QToolBar>
#include <QToolButton>

#include "edit_toolbar.h"
#include "kalview_fixture.h"
#include "main_form.h"
#include "modal_runner.h"

namespace kal {
namespace {

class EditingTest : public KalviewTest {
 protected:
  void SetUp() override {
    KalviewTest::SetUp();
    Start();
    // A page of our own, read as unmodified.
    Editor()->setHtml("<p>plain <b>bold</b> <i>slanted</i> text</p><p>second paragraph</p>");
    Editor()->document()->setModified(false);
  }
  TMainForm& Main() const { return *windows_.main; }
  QToolButton* Button(const char* name) const { return Main().ToolButton(name); }
  QAction* Popup(const char* name) const { return Main().findChild<QAction*>(name); }
  QComboBox* Box(const char* name) const { return Main().EditToolBar()->findChild<QComboBox*>(name); }
  // Selects `length` characters from `from`, as a person dragging would.
  void Select(int from, int length) {
    QTextCursor cursor = Editor()->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(from + length, QTextCursor::KeepAnchor);
    Editor()->setTextCursor(cursor);
  }
  QTextCharFormat FormatAt(int position) const {
    QTextCursor cursor(Editor()->document());
    cursor.setPosition(position + 1);
    return cursor.charFormat();
  }
  bool Modified() const { return Editor()->document()->isModified(); }
};

TEST_F(EditingTest, TheToolbarFollowsTheSelectionWithoutMarkingThePage) {
  const struct {
    int from, length;
    bool bold, italic;
  } cases[] = {{6, 4, true, false}, {11, 7, false, true}, {0, 5, false, false}, {7, 0, true, false}};
  for (const auto& c : cases) {
    Select(c.from, c.length);
    EXPECT_EQ(Button("ETBBold")->isChecked(), c.bold) << c.from;
    EXPECT_EQ(Item("MBold")->isChecked(), c.bold) << c.from;
    EXPECT_EQ(Button("ETBItalic")->isChecked(), c.italic) << c.from;
    EXPECT_EQ(Item("MItalic")->isChecked(), c.italic) << c.from;
    EXPECT_EQ(Item("MCut")->isEnabled(), c.length > 0);
    EXPECT_EQ(Popup("PUCopy")->isEnabled(), c.length > 0);
    EXPECT_EQ(Button("ETBCut")->isEnabled(), c.length > 0);
  }
  EXPECT_FALSE(Modified());
  EXPECT_FALSE(Main().SuppressFormatEvents);
}

TEST_F(EditingTest, PasteFollowsTheClipboardAndUndoTheEditor) {
  QApplication::clipboard()->clear();
  Select(0, 0);
  EXPECT_FALSE(Item("MPaste")->isEnabled());
  QApplication::clipboard()->setText("words");
  Select(1, 0);
  EXPECT_TRUE(Item("MPaste")->isEnabled());
  EXPECT_TRUE(Popup("PUPaste")->isEnabled());
  EXPECT_TRUE(Button("ETBPaste")->isEnabled());
  EXPECT_FALSE(Item("MUndo")->isEnabled());
  Editor()->setFocus();
  Editor()->insertPlainText("x");
  EXPECT_TRUE(Item("MUndo")->isEnabled());
  EXPECT_TRUE(Popup("PUUndo")->isEnabled());
  Item("MUndo")->trigger();
  EXPECT_TRUE(Editor()->toPlainText().startsWith("plain bold"));
}

TEST_F(EditingTest, StyleTogglesFromEachPlaceMarkThePage) {
  const struct {
    const char* from;  // an item, a popup item or a button
    const char* button;
    bool (QTextCharFormat::*has)() const;
  } cases[] = {{"MBold", "ETBBold", nullptr},
               {"PUItalic", "ETBItalic", &QTextCharFormat::fontItalic},
               {"ETBUnderline", "ETBUnderline", &QTextCharFormat::fontUnderline}};
  for (const auto& c : cases) {
    Select(0, 5);  // "plain"
    Editor()->document()->setModified(false);
    for (bool on : {true, false}) {
      if (c.from[0] == 'E') {
        Button(c.from)->click();
      } else {
        Popup(c.from)->trigger();
      }
      EXPECT_EQ(Button(c.button)->isChecked(), on) << c.from;
      const QString item = QString("M") + (c.button + 3);
      EXPECT_EQ(Main().Action(item)->isChecked(), on) << c.from;
      const QTextCharFormat format = FormatAt(2);
      EXPECT_EQ(c.has ? (format.*c.has)() : format.fontWeight() >= QFont::Bold, on) << c.from;
      EXPECT_TRUE(Modified()) << c.from;
    }
  }
}

TEST_F(EditingTest, FormattingCommandsDoNothingWhileTheToolbarFollows) {
  Select(0, 5);
  Main().SuppressFormatEvents = true;
  Item("MBold")->trigger();
  Popup("PUCenterAlign")->trigger();
  Item("MBullets")->trigger();
  Main().SuppressFormatEvents = false;
  EXPECT_FALSE(Button("ETBBold")->isChecked());
  EXPECT_FALSE(FormatAt(2).fontWeight() >= QFont::Bold);
  EXPECT_TRUE(Button("ETBLeftAlign")->isChecked());
  EXPECT_EQ(Editor()->document()->firstBlock().textList(), nullptr);
  EXPECT_FALSE(Modified());
}

TEST_F(EditingTest, AlignmentFromEveryPlaceMarksThePage) {
  const struct {
    const char* from;
    Qt::Alignment alignment;
    const char* item;
    const char* button;
  } cases[] = {{"PUCenterAlign", Qt::AlignHCenter, "MCenterAlign", "ETBCenterAlign"},
               {"MRightAlign", Qt::AlignRight, "MRightAlign", "ETBRightAlign"},
               {"ETBLeftAlign", Qt::AlignLeft, "MLeftAlign", "ETBLeftAlign"},
               {"ETBCenterAlign", Qt::AlignHCenter, "MCenterAlign", "ETBCenterAlign"},
               {"PULeftAlign", Qt::AlignLeft, "MLeftAlign", "ETBLeftAlign"}};
  Select(2, 0);
  for (const auto& c : cases) {
    Editor()->document()->setModified(false);
    if (c.from[0] == 'E') {
      Button(c.from)->click();
    } else {
      Popup(c.from)->trigger();
    }
    EXPECT_TRUE(Editor()->document()->firstBlock().blockFormat().alignment() & c.alignment) << c.from;
    EXPECT_TRUE(Button(c.button)->isChecked()) << c.from;
    for (const char* item : {"MLeftAlign", "MCenterAlign", "MRightAlign"}) {
      EXPECT_EQ(Main().Action(item)->isChecked(), qstrcmp(item, c.item) == 0) << c.from << " " << item;
    }
    EXPECT_EQ(Editor()->document()->lastBlock().blockFormat().alignment() & Qt::AlignHCenter, 0) << c.from;
    EXPECT_TRUE(Modified()) << c.from;
  }
}

TEST_F(EditingTest, BulletsToggleOverTheSelectedParagraphs) {
  Select(2, 30);  // into the second paragraph
  Popup("PUBullets")->trigger();
  EXPECT_TRUE(Button("ETBBullets")->isChecked());
  EXPECT_TRUE(Item("MBullets")->isChecked());
  EXPECT_NE(Editor()->document()->firstBlock().textList(), nullptr);
  EXPECT_NE(Editor()->document()->lastBlock().textList(), nullptr);
  EXPECT_TRUE(Modified());
  Editor()->document()->setModified(false);
  Button("ETBBullets")->click();
  EXPECT_FALSE(Item("MBullets")->isChecked());
  EXPECT_EQ(Editor()->document()->firstBlock().textList(), nullptr);
  EXPECT_EQ(Editor()->document()->lastBlock().textList(), nullptr);
  EXPECT_TRUE(Modified());
}

// A page whose only change is its layout is still a changed page: the next
// day asks before the change is dropped.
TEST_F(EditingTest, AlignmentOrBulletsThenNextDayAsksToSave) {
  for (const char* command : {"ETBCenterAlign", "MRightAlign", "ETBBullets", "PUBullets"}) {
    SCOPED_TRACE(command);
    Editor()->setHtml("<p>plain <b>bold</b> <i>slanted</i> text</p><p>second paragraph</p>");
    Editor()->document()->setModified(false);
    Select(2, 0);
    if (command[0] == 'E')
      Button(command)->click();
    else
      Popup(command)->trigger();
    const YearMonthDay before = ShownDate();
    prompt_.asked.clear();
    prompt_.answers = {PromptAnswer::Cancel};
    Press(Qt::Key_F7);
    ASSERT_EQ(prompt_.asked.size(), 1u);
    EXPECT_EQ(prompt_.asked[0].text, "Text has changed. Create new personalized file?");
    EXPECT_EQ(ShownDate(), before);
  }
}

TEST_F(EditingTest, ThePopupShowsTheToolbarsState) {
  Select(7, 2);  // inside "bold"
  Popup("PURightAlign")->trigger();
  QMenu* popup = Main().findChild<QMenu*>("MainRichEditPopupMenu");
  ASSERT_NE(popup, nullptr);
  emit popup->aboutToShow();
  EXPECT_TRUE(Popup("PUBold")->isChecked());
  EXPECT_FALSE(Popup("PUItalic")->isChecked());
  EXPECT_TRUE(Popup("PURightAlign")->isChecked());
  EXPECT_FALSE(Popup("PULeftAlign")->isChecked());
  EXPECT_FALSE(Popup("PUBullets")->isChecked());
}

TEST_F(EditingTest, DeleteNeverTouchesTheClipboard) {
  QApplication::clipboard()->setText("kept");
  Select(0, 0);
  Item("MDelete")->trigger();  // the character after the caret
  EXPECT_TRUE(Editor()->toPlainText().startsWith("lain bold"));
  Select(0, 5);  // "lain "
  Popup("PUDelete")->trigger();
  EXPECT_TRUE(Editor()->toPlainText().startsWith("bold slanted"));
  EXPECT_EQ(QApplication::clipboard()->text(), "kept");
  EXPECT_TRUE(Modified());
}

TEST_F(EditingTest, CutCopyPasteAndSelectAll) {
  Select(6, 4);  // "bold"
  Button("ETBCopy")->click();
  EXPECT_EQ(QApplication::clipboard()->text(), "bold");
  Select(0, 6);  // "plain "
  Item("MCut")->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), "plain ");
  Select(0, 0);
  Popup("PUPaste")->trigger();
  EXPECT_TRUE(Editor()->toPlainText().startsWith("plain bold"));
  Item("MSelectAll")->trigger();
  EXPECT_EQ(Editor()->textCursor().selectedText().size(), Editor()->document()->characterCount() - 1);
}

TEST_F(EditingTest, TheSizeBoxTakesAnyNumberOfTwoDigits) {
  QComboBox* size = Box("ETBFontSize");
  EXPECT_EQ(size->findText("7"), -1);
  EXPECT_EQ(size->lineEdit()->maxLength(), 2);
  Select(0, 5);
  size->setEditText("7");
  EXPECT_EQ(FormatAt(1).fontPointSize(), 7);
  EXPECT_TRUE(Modified());
  size->setEditText("36");
  EXPECT_EQ(FormatAt(1).fontPointSize(), 36);
  EXPECT_TRUE(prompt_.asked.empty());

  // Not a number: the conversion error, and the size stays.
  size->setEditText("ab");
  ASSERT_EQ(prompt_.asked.size(), 1u);
  EXPECT_EQ(prompt_.asked[0].text, "'ab' is not a valid integer value");
  EXPECT_EQ(FormatAt(1).fontPointSize(), 36);
  // An emptied box and a size of 0 change nothing and say nothing.
  size->setEditText("");
  size->setEditText("0");
  EXPECT_EQ(FormatAt(1).fontPointSize(), 36);
  EXPECT_EQ(prompt_.asked.size(), 1u);
  // Following the selection shows the size without applying it.
  Select(20, 3);
  EXPECT_EQ(size->currentText(), QString::number(qRound(18 * 72.0 / Main().logicalDpiY())));
}

TEST(FontNames, OneRowPerFamilyWithoutItsFoundry) {
  EXPECT_EQ(EditCommands::FontNames({"C059 [UKWN]", "C059 [urw]", "Arial", "DejaVu Sans", "P052 [URW]",
                                     "[odd]", "Liberation Serif"}),
            (QStringList{"Arial", "C059", "DejaVu Sans", "Liberation Serif", "P052"}));
  for (const QString& name : EditCommands::FontNames()) EXPECT_FALSE(name.contains(" [")) << name.toStdString();
}

TEST_F(EditingTest, FontNameFromTheListOnlyAndColourFromTheBox) {
  QComboBox* names = Box("ETBFontName");
  const QStringList fonts = EditCommands::FontNames();
  ASSERT_FALSE(fonts.isEmpty());
  EXPECT_EQ(names->count(), fonts.size());
  for (int row = 1; row < fonts.size(); ++row) {
    EXPECT_LE(QString::compare(fonts[row - 1], fonts[row], Qt::CaseInsensitive), 0);
    EXPECT_LE(fonts[row].size(), 32);
  }
  Select(0, 5);
  const int row = names->count() - 1;
  names->setCurrentIndex(row);
  EXPECT_EQ(FormatAt(1).fontFamilies().toStringList(), QStringList{fonts[row]});
  EXPECT_TRUE(Modified());
  // A typed name selects no row and changes nothing.
  Editor()->document()->setModified(false);
  Select(0, 5);
  names->setEditText("No Such Face");
  EXPECT_EQ(FormatAt(1).fontFamilies().toStringList(), QStringList{fonts[row]});
  EXPECT_FALSE(Modified());

  QComboBox* colour = Box("ETBFontColor");
  colour->setCurrentIndex(colour->findText("Maroon"));
  EXPECT_EQ(FormatAt(1).foreground().color(), QColor(128, 0, 0));
  EXPECT_TRUE(Modified());
  Select(20, 2);
  EXPECT_EQ(colour->currentText(), "Black");
  Select(0, 3);
  EXPECT_EQ(colour->currentText(), "Maroon");
}

TEST_F(EditingTest, TheFontDialogGivesTheSelectionItsChoice) {
  EditCommands* editing = EditCommands::Of(Main());
  ASSERT_NE(editing, nullptr);
  FontChoice offered;
  std::optional<FontChoice> answer;
  editing->chooseFont = [&](const FontChoice& initial) {
    offered = initial;
    return answer;
  };
  Select(6, 4);  // "bold"
  answer = std::nullopt;  // Cancel
  Item("MFont")->trigger();
  EXPECT_TRUE(offered.font.bold());
  EXPECT_FALSE(Modified());

  QFont chosen("Arial");
  chosen.setPointSize(20);
  chosen.setItalic(true);
  answer = FontChoice{chosen, QColor(0, 0, 128)};
  Item("MFont")->trigger();
  const QTextCharFormat format = FormatAt(7);
  EXPECT_TRUE(format.fontItalic());
  EXPECT_EQ(format.fontPointSize(), 20);
  EXPECT_EQ(format.foreground().color(), QColor(0, 0, 128));
  // The toolbar follows the new format at once.
  EXPECT_EQ(Box("ETBFontSize")->currentText(), "20");
  EXPECT_TRUE(Button("ETBItalic")->isChecked());
  EXPECT_EQ(Box("ETBFontColor")->currentText(), "Navy");
}

TEST_F(EditingTest, TheRealFontDialogStartsFromTheSelection) {
  QFont seen;
  QColor seenColour;
  QStringList buttons;
  SetModalRunner([&](QDialog& shown) {
    auto& dialog = static_cast<FontDialog&>(shown);
    seen = dialog.Choice().font;
    seenColour = dialog.Choice().colour;
    for (const char* name : {"FontDialogApply", "FontDialogHelp", "FontDialogColor"}) {
      if (dialog.findChild<QWidget*>(name)) buttons << name;
    }
    QFont chosen = seen;
    chosen.setUnderline(true);
    dialog.SetChoice({chosen, QColor(255, 0, 0)});
    return int(QDialog::Accepted);
  });
  Select(6, 4);  // "bold"
  Item("MFont")->trigger();
  SetModalRunner({});
  EXPECT_TRUE(seen.bold());
  EXPECT_EQ(seenColour, QColor(Qt::black));
  EXPECT_EQ(FormatAt(7).font().family(), "Times New Roman");  // the page's own face name is kept
  EXPECT_EQ(buttons, (QStringList{"FontDialogApply", "FontDialogHelp", "FontDialogColor"}));
  EXPECT_TRUE(FormatAt(7).fontUnderline());
  EXPECT_TRUE(FormatAt(7).fontWeight() >= QFont::Bold);
  EXPECT_EQ(FormatAt(7).foreground().color(), QColor(255, 0, 0));
  EXPECT_EQ(Box("ETBFontColor")->currentText(), "Red");
  EXPECT_TRUE(Button("ETBUnderline")->isChecked());
}

}  // namespace
}  // namespace kal
