#include "help_topics.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace kal {

namespace {

QString Escaped(const QString& text) { return text.toHtmlEscaped(); }

}  // namespace

void HelpTopics::Parse(const QString& source) {
  QString book;
  HelpTopic* topic = nullptr;
  QStringList paragraph;
  bool inList = false;
  const QRegularExpression link(R"(\[\[([^\]|]+)(?:\|([^\]]+))?\]\])");
  const QRegularExpression bold(R"(\*([^*]+)\*)");

  // Inline markup of one line. A link without words of its own shows the
  // title of its topic, filled in once every topic is read.
  auto inlineHtml = [&](const QString& line) {
    QString out;
    int last = 0;
    auto matches = link.globalMatch(line);
    while (matches.hasNext()) {
      const auto match = matches.next();
      out += Escaped(line.mid(last, match.capturedStart() - last));
      const QString target = match.captured(1).trimmed();
      const QString words = match.captured(2).trimmed();
      links_ << topic->id + " -> " + target;
      out += "<a href=\"topic:" + target + "\">" + (words.isEmpty() ? "{{title:" + target + "}}" : Escaped(words)) +
             "</a>";
      last = match.capturedEnd();
    }
    out += Escaped(line.mid(last));
    out.replace(bold, "<b>\\1</b>");
    return out;
  };
  auto plainText = [&](const QString& line) {
    QString out = line;
    out.replace(link, "\\2");
    out.remove('*');
    return out;
  };
  auto endParagraph = [&] {
    if (!topic) return;
    if (!paragraph.isEmpty()) {
      topic->html += "<p>" + paragraph.join(' ') + "</p>\n";
      paragraph.clear();
    }
    if (inList) {
      topic->html += "</ul>\n";
      inList = false;
    }
  };

  for (const QString& raw : source.split('\n')) {
    const QString line = raw.trimmed();
    if (line.startsWith("@file")) {
      // A new source: its lines before its first topic are comments, not
      // the end of the last topic of the file before.
      endParagraph();
      topic = nullptr;
      continue;
    }
    if (line.startsWith("@book ")) {
      endParagraph();
      book = line.mid(6).trimmed();
      continue;
    }
    if (line.startsWith("== ")) {
      endParagraph();
      const QString rest = line.mid(3).trimmed();
      const int space = rest.indexOf(' ');
      topics_.push_back({rest.left(space), rest.mid(space + 1).trimmed(), book, QString(), QString()});
      topic = &topics_.back();
      topic->html = "<h2>" + Escaped(topic->title) + "</h2>\n";
      topic->plain = topic->title + '\n';
      continue;
    }
    if (!topic) continue;  // comments before the first topic
    if (line.isEmpty()) {
      endParagraph();
      continue;
    }
    topic->plain += plainText(line) + '\n';
    if (line.startsWith("- ")) {
      if (!paragraph.isEmpty()) {
        topic->html += "<p>" + paragraph.join(' ') + "</p>\n";
        paragraph.clear();
      }
      if (!inList) topic->html += "<ul>\n";
      inList = true;
      topic->html += "<li>" + inlineHtml(line.mid(2)) + "</li>\n";
      continue;
    }
    if (inList) {
      // A line after a list item continues it.
      topic->html.insert(topic->html.size() - QString("</li>\n").size(), " " + inlineHtml(line));
      continue;
    }
    paragraph << inlineHtml(line);
  }
  endParagraph();

  // Link captions: the title of the topic linked to.
  const QRegularExpression placeholder(R"(\{\{title:([^}]+)\}\})");
  for (HelpTopic& each : topics_) {
    QString html;
    int last = 0;
    auto matches = placeholder.globalMatch(each.html);
    while (matches.hasNext()) {
      const auto match = matches.next();
      html += each.html.mid(last, match.capturedStart() - last);
      const HelpTopic* target = Find(match.captured(1));
      html += target ? Escaped(target->title) : Escaped(match.captured(1));
      last = match.capturedEnd();
    }
    each.html = html + each.html.mid(last);
  }
}

const HelpTopics& HelpTopics::Program() {
  static const HelpTopics topics = [] {
    HelpTopics read;
    QString all;
    QDir folder(":/help");
    for (const QString& name : folder.entryList({"*.txt"}, QDir::Files, QDir::Name)) {
      QFile file(folder.filePath(name));
      if (file.open(QIODevice::ReadOnly)) all += "@file " + name + "\n" + QString::fromUtf8(file.readAll()) + "\n";
    }
    read.Parse(all);
    return read;
  }();
  return topics;
}

const HelpTopic* HelpTopics::Find(const QString& id) const {
  for (const HelpTopic& topic : topics_) {
    if (topic.id == id) return &topic;
  }
  return nullptr;
}

QString HelpTopics::ContentsHtml() const {
  QString html = "<h2>Kalendra Help</h2>\n";
  if (const HelpTopic* intro = Find("contents")) html = intro->html;
  QString book;
  bool open = false;
  for (const HelpTopic& topic : topics_) {
    if (topic.id == "contents") continue;
    if (topic.book != book) {
      if (open) html += "</ul>\n";
      book = topic.book;
      html += "<h3>" + Escaped(book) + "</h3>\n<ul>\n";
      open = true;
    }
    html += "<li><a href=\"topic:" + topic.id + "\">" + Escaped(topic.title) + "</a></li>\n";
  }
  if (open) html += "</ul>\n";
  return html;
}

QVector<const HelpTopic*> HelpTopics::FindWords(const QString& words) const {
  QVector<const HelpTopic*> found;
  const QStringList wanted = words.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
  if (wanted.isEmpty()) return found;
  for (const HelpTopic& topic : topics_) {
    bool all = true;
    for (const QString& word : wanted) all = all && topic.plain.contains(word, Qt::CaseInsensitive);
    if (all) found << &topic;
  }
  return found;
}

QStringList HelpTopics::BrokenLinks() const {
  QStringList broken;
  for (const QString& each : links_) {
    if (!Find(each.section(" -> ", 1))) broken << each;
  }
  return broken;
}

}  // namespace kal
