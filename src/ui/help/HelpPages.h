#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <vector>

// The game's help pages, built into the program under ":/help/". The
// contents page lists every other page; its links give the order and the
// titles of the contents list.

inline constexpr const char* HelpContentsPage = "index.html";
// The help context of the page that explains the game's messages.
inline constexpr int MessagesHelpContext = 2;

struct THelpTopic {
  QString Page;  // file name, such as "rules.html"
  QString Title;
};

QUrl HelpUrl(const QString& page);
// The page file of a help URL, or an empty text for anything outside the pages.
QString HelpPageOf(const QUrl& url);
// The topics linked from the contents page, in its order.
const std::vector<THelpTopic>& HelpContents();
// The page a help context shows: 2 explains the messages; any other number
// shows the contents.
QString HelpPageForContext(int context);
// The page of a topic given as "Sorvane32.chm::/rules.html", "/rules.html"
// or "rules.html"; no topic, or one that is no page, gives the contents.
QString HelpPageForTopic(const QString& topic);
// The pages whose text holds every word of `words`, in any letter case, in
// the order of the contents; nothing for no words.
QStringList SearchHelp(const QString& words);
