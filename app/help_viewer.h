// The help system: context help from F1 and from the dialogs' Help buttons,
// routed by context number to the help viewer's main window or to its small
// secondary window "REF"; the contents with a finder; help on help.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class QLineEdit;
class QTextBrowser;
class QWidget;

namespace kal {

class TMainForm;

// Where a help request goes: the topic, and the help file with the window
// named after ">" ("KALVIEW.HLP" for the main window, the file's full path
// in the current folder then ">REF" for the secondary one).
struct HelpRoute {
  int topic = 0;
  bool refWindow = false;
  QString file;
};
HelpRoute RouteHelp(int context);

// A help request from anywhere in the program (a dialog's Help button);
// does nothing before the main window has its help system.
void RequestHelp(int context);

class HelpSystem : public QObject {
  Q_OBJECT

 public:
  explicit HelpSystem(TMainForm& form);
  ~HelpSystem() override;
  static HelpSystem* Current();

  // Context help, routed as RouteHelp says.
  void ShowContext(int context);
  // The contents of the help, with the finder, in the main help window.
  void ShowContents();
  // How to use the help window.
  void ShowHelpOnHelp();
  // Closes the help windows.
  void Quit();

  // The windows, once opened (null before).
  QWidget* MainWindow() const { return main_.get(); }
  QWidget* RefWindow() const { return ref_.get(); }
  // The topic on display in a window ("" for none, "contents" for the
  // contents page).
  QString ShownTopic(bool refWindow) const;
  // The help context of the control a person is asking about: the open
  // menu's highlighted item, or the focused control or its nearest parent
  // that has one; 0 for none.
  static int ContextOf(QObject* receiver);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowTopic(const QString& id, bool refWindow);
  // Shows a help window beside the window that asked, above it.
  void Present(QWidget& window);
  // Makes the help window one of owner's windows (none: a window of its own).
  void AttachTo(QWidget& window, QWidget* owner);
  void OpenLink(const QString& link, bool refWindow);
  void ShowFound(const QString& words);
  void BuildMain();
  void BuildRef();
  QTextBrowser* Browser(bool refWindow) const;

  TMainForm& form_;
  std::unique_ptr<QWidget> main_;
  std::unique_ptr<QWidget> ref_;
  QTextBrowser* mainText_ = nullptr;
  QTextBrowser* refText_ = nullptr;
  QLineEdit* finder_ = nullptr;
  QStringList history_;
  QString mainTopic_, refTopic_;
};

}  // namespace kal
