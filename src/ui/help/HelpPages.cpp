#include "ui/help/HelpPages.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>

namespace {

const QString HelpFolder = QStringLiteral(":/help/");

QString ReadPage(const QString& page) {
  QFile file(HelpFolder + page);
  if (!file.open(QIODevice::ReadOnly))
    return QString();
  return QString::fromUtf8(file.readAll());
}

bool IsPage(const QString& page) {
  return !page.isEmpty() && !page.contains(QLatin1Char('/')) &&
         page.endsWith(QStringLiteral(".html")) && QFile::exists(HelpFolder + page);
}

std::vector<THelpTopic> ReadContents() {
  std::vector<THelpTopic> topics;
  QTextDocument document;
  document.setHtml(ReadPage(QString::fromLatin1(HelpContentsPage)));
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const QString page = fragment.charFormat().anchorHref();
      if (IsPage(page))
        topics.push_back({page, fragment.text().trimmed()});
    }
  }
  return topics;
}

// The plain text of every page, read once.
const QHash<QString, QString>& PageTexts() {
  static const QHash<QString, QString> texts = [] {
    QHash<QString, QString> read;
    QStringList pages{QString::fromLatin1(HelpContentsPage)};
    for (const THelpTopic& topic : HelpContents())
      pages << topic.Page;
    for (const QString& page : pages) {
      QTextDocument document;
      document.setHtml(ReadPage(page));
      read.insert(page, document.toPlainText());
    }
    return read;
  }();
  return texts;
}

}  // namespace

QUrl HelpUrl(const QString& page) {
  return QUrl(QStringLiteral("qrc:/help/") + page);
}

QString HelpPageOf(const QUrl& url) {
  if (url.scheme() != QLatin1String("qrc"))
    return QString();
  const QString path = url.path();
  if (!path.startsWith(QStringLiteral("/help/")))
    return QString();
  return path.mid(6);
}

const std::vector<THelpTopic>& HelpContents() {
  static const std::vector<THelpTopic> topics = ReadContents();
  return topics;
}

QString HelpPageForContext(int context) {
  if (context == MessagesHelpContext)
    return QStringLiteral("messages.html");
  return QString::fromLatin1(HelpContentsPage);
}

QString HelpPageForTopic(const QString& topic) {
  QString page = topic;
  const int separator = page.indexOf(QStringLiteral("::"));
  if (separator >= 0)
    page = page.mid(separator + 2);
  while (page.startsWith(QLatin1Char('/')))
    page.remove(0, 1);
  page = page.section(QLatin1Char('#'), 0, 0);
  return IsPage(page) ? page : QString::fromLatin1(HelpContentsPage);
}

QStringList SearchHelp(const QString& words) {
  const QStringList wanted =
      words.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
  QStringList found;
  if (wanted.isEmpty())
    return found;
  QStringList pages;
  for (const THelpTopic& topic : HelpContents())
    pages << topic.Page;
  for (const QString& page : pages) {
    const QString& text = PageTexts()[page];
    if (std::all_of(wanted.begin(), wanted.end(),
                    [&text](const QString& w) { return text.contains(w, Qt::CaseInsensitive); }))
      found << page;
  }
  return found;
}
