#include "help_viewer.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QPushButton>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "help_topics.h"
#include "main_form.h"

namespace kal {

namespace {

constexpr const char* kHelpFile = "KALVIEW.HLP";
constexpr int kDefaultTopic = 240;  // the page and its popup menu
// The six menus of the menu bar open in the main help window.
constexpr int kMenuContexts[] = {73, 113, 143, 183, 198, 223};

HelpSystem* current = nullptr;

// A help window that opens (again) goes beside the window that asked for
// it: to its right, else to its left, else into the bottom right corner of
// the screen, away from the menus and toolbars at the top.
void PlaceBeside(QWidget& help, const QWidget* asker) {
  const QScreen* screen = asker && asker->screen() ? asker->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const QSize size = help.frameGeometry().size();
  const QRect by = asker ? asker->frameGeometry() : QRect();
  QPoint at(area.right() + 1 - size.width(), area.bottom() + 1 - size.height());
  if (asker && by.right() + 1 + size.width() <= area.right() + 1) {
    at = QPoint(by.right() + 1, by.top());
  } else if (asker && by.left() - size.width() >= area.left()) {
    at = QPoint(by.left() - size.width(), by.top());
  }
  at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width())));
  at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height())));
  help.move(at);
}

}  // namespace

HelpRoute RouteHelp(int context) {
  HelpRoute route;
  route.topic = context == 0 ? kDefaultTopic : context;
  route.refWindow = std::find(std::begin(kMenuContexts), std::end(kMenuContexts), route.topic) ==
                    std::end(kMenuContexts);
  route.file = route.refWindow ? QDir::current().absoluteFilePath(kHelpFile) + ">REF" : QString(kHelpFile);
  return route;
}

void RequestHelp(int context) {
  if (current) current->ShowContext(context);
}

HelpSystem::HelpSystem(TMainForm& form) : QObject(&form), form_(form) {
  setObjectName("HelpSystem");
  current = this;
  qApp->installEventFilter(this);
  connect(form.Action("MHelpTopics"), &QAction::triggered, this, [this] {
    ShowContents();
    form_.ShowStatusText();
  });
  connect(form.ToolButton("MTBHelpTopics"), &QToolButton::clicked, this, [this] {
    ShowContents();
    form_.ShowStatusText();
  });
  connect(form.Action("MHowtoUseHelp"), &QAction::triggered, this, [this] {
    ShowHelpOnHelp();
    form_.ShowStatusText();
  });
}

HelpSystem::~HelpSystem() {
  qApp->removeEventFilter(this);
  Quit();
  if (current == this) current = nullptr;
}

HelpSystem* HelpSystem::Current() { return current; }

void HelpSystem::Quit() {
  main_.reset();
  ref_.reset();
  mainText_ = refText_ = nullptr;
  finder_ = nullptr;
  history_.clear();
  mainTopic_.clear();
  refTopic_.clear();
}

QString HelpSystem::ShownTopic(bool refWindow) const { return refWindow ? refTopic_ : mainTopic_; }

QTextBrowser* HelpSystem::Browser(bool refWindow) const { return refWindow ? refText_ : mainText_; }

void HelpSystem::BuildMain() {
  main_ = std::make_unique<QWidget>();
  main_->setObjectName("HelpWindow");
  main_->setWindowTitle("Kalendra Help");
  main_->resize(720, 560);
  auto* column = new QVBoxLayout(main_.get());
  auto* row = new QHBoxLayout;
  auto* contents = new QPushButton("&Contents", main_.get());
  contents->setObjectName("HelpContents");
  auto* back = new QPushButton("&Back", main_.get());
  back->setObjectName("HelpBack");
  auto* onHelp = new QPushButton("How to &Use Help", main_.get());
  onHelp->setObjectName("HelpOnHelp");
  auto* findLabel = new QLabel("&Find:", main_.get());
  finder_ = new QLineEdit(main_.get());
  finder_->setObjectName("HelpFinder");
  finder_->setPlaceholderText("Words to look for");
  findLabel->setBuddy(finder_);
  row->addWidget(contents);
  row->addWidget(back);
  row->addWidget(onHelp);
  row->addStretch(1);
  row->addWidget(findLabel);
  row->addWidget(finder_);
  column->addLayout(row);
  mainText_ = new QTextBrowser(main_.get());
  mainText_->setObjectName("HelpText");
  mainText_->setOpenLinks(false);
  column->addWidget(mainText_, 1);

  connect(contents, &QPushButton::clicked, this, [this] { ShowContents(); });
  connect(onHelp, &QPushButton::clicked, this, [this] { ShowHelpOnHelp(); });
  connect(back, &QPushButton::clicked, this, [this] {
    if (history_.size() < 2) return;
    history_.removeLast();
    const QString previous = history_.takeLast();
    if (previous == "contents") {
      ShowContents();
    } else {
      ShowTopic(previous, false);
    }
  });
  connect(finder_, &QLineEdit::returnPressed, this, [this] { ShowFound(finder_->text()); });
  connect(mainText_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) { OpenLink(url.toString(), false); });
}

void HelpSystem::BuildRef() {
  ref_ = std::make_unique<QWidget>(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint);
  ref_->setObjectName("HelpRefWindow");
  ref_->setWindowTitle("Kalendra Help");
  ref_->resize(420, 320);
  auto* column = new QVBoxLayout(ref_.get());
  column->setContentsMargins(4, 4, 4, 4);
  refText_ = new QTextBrowser(ref_.get());
  refText_->setObjectName("HelpRefText");
  refText_->setOpenLinks(false);
  column->addWidget(refText_);
  connect(refText_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) { OpenLink(url.toString(), true); });
}

void HelpSystem::OpenLink(const QString& link, bool refWindow) {
  if (!link.startsWith("topic:")) return;
  ShowTopic(link.mid(6), refWindow);
}

void HelpSystem::ShowTopic(const QString& id, bool refWindow) {
  if (refWindow && !ref_) BuildRef();
  if (!refWindow && !main_) BuildMain();
  const HelpTopic* topic = HelpTopics::Program().Find(id);
  QTextBrowser* browser = Browser(refWindow);
  if (topic) {
    browser->setHtml(topic->html);
  } else {
    // A context without a page of its own still answers.
    browser->setHtml("<h2>Kalendra Help</h2><p>There is no help for this item. The "
                     "<a href=\"topic:contents\">contents</a> list every page of the help.</p>");
  }
  QWidget* window = refWindow ? ref_.get() : main_.get();
  window->setWindowTitle(topic ? "Kalendra Help - " + topic->title : QString("Kalendra Help"));
  if (refWindow) {
    refTopic_ = id;
  } else {
    mainTopic_ = id;
    history_ << id;
  }
  Present(*window);
}

void HelpSystem::Present(QWidget& window) {
  QWidget* asker = QApplication::activeModalWidget();
  if (asker == main_.get() || asker == ref_.get()) asker = nullptr;
  // A modal dialog blocks every window but its own: the help window it asked
  // for becomes one of its windows while it runs, so its links answer.
  AttachTo(window, asker);
  if (!window.isVisible()) {
    QWidget* active = QApplication::activeWindow();
    if (active == main_.get() || active == ref_.get()) active = nullptr;
    PlaceBeside(window, asker ? asker : active ? active : &form_);
  }
  window.show();
  window.raise();
  window.activateWindow();
}

void HelpSystem::AttachTo(QWidget& window, QWidget* owner) {
  if (window.parentWidget() == owner) return;
  const QPoint at = window.pos();
  const bool shown = window.isVisible();
  window.setParent(owner, window.windowFlags() | Qt::Window);
  window.move(at);
  if (shown) window.show();
}

void HelpSystem::ShowContext(int context) {
  const HelpRoute route = RouteHelp(context);
  ShowTopic(QString::number(route.topic), route.refWindow);
}

void HelpSystem::ShowContents() {
  if (!main_) BuildMain();
  mainText_->setHtml(HelpTopics::Program().ContentsHtml());
  main_->setWindowTitle("Kalendra Help - Contents");
  mainTopic_ = "contents";
  history_ << "contents";
  Present(*main_);
  finder_->setFocus();
}

void HelpSystem::ShowHelpOnHelp() { ShowTopic("help-on-help", false); }

void HelpSystem::ShowFound(const QString& words) {
  const QVector<const HelpTopic*> found = HelpTopics::Program().FindWords(words);
  QString html = "<h2>Pages with \"" + words.toHtmlEscaped() + "\"</h2>\n";
  if (found.isEmpty()) {
    html += "<p>No page holds all of these words. Try fewer or shorter words, or go back to the "
            "<a href=\"topic:contents\">contents</a>.</p>";
  } else {
    html += "<ul>\n";
    for (const HelpTopic* topic : found)
      html += "<li><a href=\"topic:" + topic->id + "\">" + topic->title.toHtmlEscaped() + "</a></li>\n";
    html += "</ul>\n";
  }
  mainText_->setHtml(html);
  mainTopic_ = "find";
}

int HelpSystem::ContextOf(QObject* receiver) {
  if (auto* menu = qobject_cast<QMenu*>(receiver)) {
    if (QAction* item = menu->activeAction()) {
      const int context = item->property("helpContext").toInt();
      if (context) return context;
    }
    if (const int context = menu->property("helpContext").toInt()) return context;
    return menu->menuAction()->property("helpContext").toInt();
  }
  if (auto* bar = qobject_cast<QMenuBar*>(receiver)) {
    if (QAction* item = bar->activeAction()) return item->property("helpContext").toInt();
  }
  for (QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget()) {
    if (const int context = widget->property("helpContext").toInt()) return context;
  }
  return 0;
}

bool HelpSystem::eventFilter(QObject* watched, QEvent* event) {
  // The dialog a help window belonged to is closing: the window stays open
  // on its own, and is not deleted with the dialog.
  if (event->type() == QEvent::Hide && watched->isWidgetType()) {
    for (QWidget* help : {main_.get(), ref_.get()})
      if (help && help->parentWidget() == watched) AttachTo(*help, nullptr);
  }
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
      watched->isWidgetType()) {
    // Help windows answer F1 with help on help; the rest of the program
    // with the topic of what has the focus.
    auto* widget = static_cast<QWidget*>(watched);
    if ((main_ && widget->window() == main_.get()) || (ref_ && widget->window() == ref_.get())) {
      ShowHelpOnHelp();
    } else {
      ShowContext(ContextOf(watched));
    }
    return true;
  }
  return false;
}

}  // namespace kal
