// The help: the routing of help requests, the pages and their links, and
// the help window.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QToolButton>

#include "support/QtPrinters.h"
#include "ui/help/CHMHelper.h"
#include "ui/help/HelpPages.h"
#include "ui/help/HelpWindow.h"

namespace {

TEST(HelpRoutingTest, ClassicCommandsBecomeViewerCommands) {
  struct TCase {
    int Classic;
    QVariant Data;
    int Command;
    QVariant Sent;
  };
  const TCase cases[] = {
      {hcContext, 2, hhHelpContext, 2},
      {hcContextPopup, 7, hhHelpContext, 7},
      {hcQuit, 5, hhCloseAll, 0},
      {hcContents, 9, hhDisplayToc, 0},
      {hcFinder, 4, hhDisplayTopic, 4},
      {hcKey, QStringLiteral("score"), hhDisplayIndex, QStringLiteral("score")},
      {4, 6, hhDisplayTopic, 0},
      {258, QStringLiteral("x"), hhDisplayTopic, 0},
  };
  for (const TCase& c : cases) {
    const THtmlHelpRequest request = TranslateHelpCommand(c.Classic, c.Data);
    EXPECT_EQ(request.Command, c.Command) << c.Classic;
    EXPECT_EQ(request.Data, c.Sent) << c.Classic;
  }
}

TEST(HelpRoutingTest, OnlyChmHelpFilesInAnyCaseAreHandled) {
  TRecordingHelpViewer viewer;
  {
    TCHMHelper helper(viewer);
    for (const QString& file : {QStringLiteral("/games/Sorvane32.chm"),
                                QStringLiteral("/games/SORVANE32.CHM"), QStringLiteral("a.Chm")}) {
      helper.HelpFile = file;
      EXPECT_TRUE(helper.HelpCommand(hcContents, 0)) << file.toStdString();
      EXPECT_EQ(viewer.Requests.back().HelpFile, file);
      EXPECT_EQ(viewer.Requests.back().Command, hhDisplayToc);
    }
    viewer.Requests.clear();
    for (const QString& file : {QStringLiteral("Sorvane32.hlp"), QStringLiteral("chm"),
                                QStringLiteral("Sorvane32.chm.txt"), QString()}) {
      helper.HelpFile = file;
      EXPECT_FALSE(helper.HelpContext(2)) << file.toStdString();
    }
    EXPECT_TRUE(viewer.Requests.empty());
    helper.HelpFile = QStringLiteral("Sorvane32.chm");
  }
  // Going away, the helper closes every help window.
  ASSERT_EQ(viewer.Requests.size(), 1u);
  EXPECT_EQ(viewer.Requests.back().Command, hhCloseAll);
}

TEST(HelpPagesTest, ContextsAndTopicsNameTheirPages) {
  EXPECT_EQ(HelpPageForContext(2), "messages.html");
  EXPECT_EQ(HelpPageForContext(0), "index.html");
  EXPECT_EQ(HelpPageForContext(99), "index.html");
  EXPECT_EQ(HelpPageForTopic("C:/Games/Sorvane32.chm::/rules.html"), "rules.html");
  EXPECT_EQ(HelpPageForTopic("/score.html#bonus"), "score.html");
  EXPECT_EQ(HelpPageForTopic("mouse.html"), "mouse.html");
  EXPECT_EQ(HelpPageForTopic(""), "index.html");
  EXPECT_EQ(HelpPageForTopic("../secret.html"), "index.html");
  EXPECT_EQ(HelpPageForTopic("nothing.html"), "index.html");
}

TEST(HelpPagesTest, TheContentsListEveryPageWithItsTitle) {
  QStringList pages;
  for (const THelpTopic& topic : HelpContents()) {
    pages << topic.Page;
    EXPECT_FALSE(topic.Title.isEmpty()) << topic.Page.toStdString();
  }
  EXPECT_TRUE(pages.contains("messages.html"));
  EXPECT_TRUE(pages.contains("rules.html"));
  // Every page built in is reachable from the contents.
  QStringList built;
  for (const QString& file : QDir(":/help").entryList({"*.html"}))
    if (file != HelpContentsPage)
      built << file;
  pages.sort();
  built.sort();
  EXPECT_EQ(pages, built);
}

// Every link, picture and style sheet of every page points at something the
// program carries, and every #anchor exists on its page.
TEST(HelpPagesTest, EveryLinkOfEveryPageResolves) {
  const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
  int checked = 0;
  for (const QString& page : QDir(":/help").entryList({"*.html"})) {
    QFile file(":/help/" + page);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    for (auto it = reference.globalMatch(html); it.hasNext();) {
      const QString link = it.next().captured(1);
      const QString target = link.section('#', 0, 0);
      const QString anchor = link.section('#', 1);
      SCOPED_TRACE((page + " -> " + link).toStdString());
      EXPECT_FALSE(link.contains(':')) << "pages link only to pages of their own";
      const QString path = ":/help/" + (target.isEmpty() ? page : target);
      EXPECT_TRUE(QFile::exists(path));
      if (!anchor.isEmpty()) {
        QFile linked(path);
        ASSERT_TRUE(linked.open(QIODevice::ReadOnly));
        EXPECT_TRUE(QString::fromUtf8(linked.readAll()).contains("name=\"" + anchor + "\""));
      }
      ++checked;
    }
  }
  EXPECT_GT(checked, 40);
}

TEST(HelpPagesTest, SearchFindsThePagesHoldingEveryWord) {
  EXPECT_EQ(SearchHelp("pocket"), QStringList({"messages.html"}));
  EXPECT_TRUE(SearchHelp("VERBOSE").contains("options.html"));
  EXPECT_EQ(SearchHelp("pocket verbose"), QStringList({"messages.html"}));
  EXPECT_TRUE(SearchHelp("pocket zebra").isEmpty());
  EXPECT_TRUE(SearchHelp("  ").isEmpty());
}

class HelpWindowTest : public ::testing::Test {
 protected:
  THelpWindow Window;
};

TEST_F(HelpWindowTest, ViewerCommandsShowTheirPagesAndCloseTheWindow) {
  Window.HtmlHelp("Sorvane32.chm", hhHelpContext, 2);
  EXPECT_TRUE(Window.isVisible());
  EXPECT_EQ(Window.CurrentPage(), "messages.html");
  EXPECT_EQ(Window.ContentsList->currentItem()->text(), "Messages");
  EXPECT_EQ(Window.Browser->documentTitle(), "Messages");

  Window.HtmlHelp("Sorvane32.chm", hhDisplayTopic, QStringLiteral("Sorvane32.chm::/rules.html"));
  EXPECT_EQ(Window.CurrentPage(), "rules.html");
  Window.HtmlHelp("Sorvane32.chm", hhDisplayToc, 0);
  EXPECT_EQ(Window.CurrentPage(), "index.html");
  Window.HtmlHelp("Sorvane32.chm", hhDisplayIndex, QStringLiteral("Pocket"));
  EXPECT_EQ(Window.CurrentPage(), "messages.html");
  EXPECT_EQ(Window.SearchResults->count(), 1);
  EXPECT_EQ(Window.Tabs->currentIndex(), 1);

  Window.HtmlHelp("Sorvane32.chm", hhCloseAll, 0);
  EXPECT_FALSE(Window.isVisible());
}

TEST_F(HelpWindowTest, LinksBackAndForwardMoveThroughThePages) {
  Window.ShowPage("index.html");
  Window.Browser->setSource(QUrl("rules.html"));  // as a click on the link does
  EXPECT_EQ(Window.CurrentPage(), "rules.html");
  Window.ContentsList->setCurrentRow(3);
  emit Window.ContentsList->itemClicked(Window.ContentsList->item(3));
  const QString third = Window.CurrentPage();
  EXPECT_EQ(third, HelpContents()[2].Page);
  EXPECT_TRUE(Window.BackBtn->isEnabled());
  Window.BackBtn->click();
  EXPECT_EQ(Window.CurrentPage(), "rules.html");
  Window.ForwardBtn->click();
  EXPECT_EQ(Window.CurrentPage(), third);
  // Every page of the contents list opens from it.
  for (int i = 0; i < Window.ContentsList->count(); ++i) {
    emit Window.ContentsList->itemClicked(Window.ContentsList->item(i));
    EXPECT_FALSE(Window.Browser->toPlainText().isEmpty());
  }
}

}  // namespace
