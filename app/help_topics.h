// The help topics of the program, read from the topic sources compiled in
// as resources. A topic has a context number (the number dialogs, menus and
// controls carry) or a name for pages no control opens, a title, the book
// of the contents it belongs to, and its text as HTML.
#pragma once

#include <QString>
#include <QVector>

namespace kal {

struct HelpTopic {
  QString id;     // the context number as text, or a name such as "help-on-help"
  QString title;
  QString book;   // the contents heading it stands under
  QString html;   // the page, links as <a href="topic:ID">
  QString plain;  // the words of the page, for the finder
};

class HelpTopics {
 public:
  // Parses topic sources. Lines: "@book Heading" starts a book; "== ID
  // Title" starts a topic; blank lines end paragraphs; "- " starts a list
  // item; [[ID]] and [[ID|words]] link to a topic; *words* are bold;
  // "@file NAME" starts the next source file, whose lines before its first
  // topic are comments.
  void Parse(const QString& source);

  // The program's topics, read once from the resources.
  static const HelpTopics& Program();

  const HelpTopic* Find(const QString& id) const;
  const HelpTopic* Find(int context) const { return Find(QString::number(context)); }
  const QVector<HelpTopic>& All() const { return topics_; }
  // The contents page: each book with its topics.
  QString ContentsHtml() const;
  // The topics whose title or text holds every word of `words`.
  QVector<const HelpTopic*> FindWords(const QString& words) const;
  // Links that name no topic, as "from -> to" (a source with none is whole).
  QStringList BrokenLinks() const;

 private:
  QVector<HelpTopic> topics_;
  QStringList links_;  // "from -> to" for every link written
};

}  // namespace kal
