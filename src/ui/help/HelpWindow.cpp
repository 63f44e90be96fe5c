#include "ui/help/HelpWindow.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/help/HelpPages.h"

namespace {

constexpr int PageRole = Qt::UserRole;

QListWidgetItem* AddTopic(QListWidget* list, const QString& page, const QString& title) {
  auto* item = new QListWidgetItem(title, list);
  item->setData(PageRole, page);
  return item;
}

// Links inside the pages may come relative to the page they are on.
QString PageOf(const QUrl& url) {
  return HelpPageOf(HelpUrl(QString()).resolved(url));
}

QString TitleOf(const QString& page) {
  for (const THelpTopic& topic : HelpContents())
    if (topic.Page == page)
      return topic.Title;
  return page;
}

}  // namespace

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setWindowTitle(QStringLiteral("Sorvane-32 Help"));
  // Closing the game's window ends the program even while the help is open.
  setAttribute(Qt::WA_QuitOnClose, false);
  resize(820, 560);

  Browser = new QTextBrowser;
  Browser->setOpenExternalLinks(true);
  Browser->setSearchPaths({QStringLiteral(":/help")});
  connect(Browser, &QTextBrowser::sourceChanged, this, &THelpWindow::PageShown);

  Tabs = new QTabWidget;
  Tabs->addTab(MakeContentsTab(), QStringLiteral("Contents"));
  Tabs->addTab(MakeSearchTab(), QStringLiteral("Search"));

  auto* splitter = new QSplitter;
  splitter->addWidget(Tabs);
  splitter->addWidget(Browser);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({220, 600});

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(4, 4, 4, 4);
  column->addWidget(MakeToolBar());
  column->addWidget(splitter, 1);
  Browser->setSource(HelpUrl(QString::fromLatin1(HelpContentsPage)));
}

QWidget* THelpWindow::MakeToolBar() {
  auto* bar = new QWidget;
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(0, 0, 0, 0);
  const auto make = [this, row](QStyle::StandardPixmap icon, const QString& text) {
    auto* button = new QToolButton;
    button->setIcon(style()->standardIcon(icon));
    button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    row->addWidget(button);
    return button;
  };
  BackBtn = make(QStyle::SP_ArrowBack, QStringLiteral("Back"));
  ForwardBtn = make(QStyle::SP_ArrowForward, QStringLiteral("Forward"));
  ContentsBtn = make(QStyle::SP_FileDialogContentsView, QStringLiteral("Contents"));
  row->addStretch(1);
  BackBtn->setEnabled(false);
  ForwardBtn->setEnabled(false);
  connect(BackBtn, &QToolButton::clicked, Browser, &QTextBrowser::backward);
  connect(ForwardBtn, &QToolButton::clicked, Browser, &QTextBrowser::forward);
  connect(Browser, &QTextBrowser::backwardAvailable, BackBtn, &QToolButton::setEnabled);
  connect(Browser, &QTextBrowser::forwardAvailable, ForwardBtn, &QToolButton::setEnabled);
  connect(ContentsBtn, &QToolButton::clicked, this,
          [this] { HtmlHelp(QString(), hhDisplayToc, 0); });
  return bar;
}

QWidget* THelpWindow::MakeContentsTab() {
  ContentsList = new QListWidget;
  AddTopic(ContentsList, QString::fromLatin1(HelpContentsPage), QStringLiteral("Contents"));
  for (const THelpTopic& topic : HelpContents())
    AddTopic(ContentsList, topic.Page, topic.Title);
  connect(ContentsList, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { ShowPage(item->data(PageRole).toString()); });
  connect(ContentsList, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ShowPage(item->data(PageRole).toString()); });
  return ContentsList;
}

QWidget* THelpWindow::MakeSearchTab() {
  auto* tab = new QWidget;
  auto* column = new QVBoxLayout(tab);
  column->setContentsMargins(4, 4, 4, 4);
  SearchEdit = new QLineEdit;
  SearchEdit->setPlaceholderText(QStringLiteral("Words to look for"));
  SearchEdit->setClearButtonEnabled(true);
  auto* find = new QPushButton(QStringLiteral("Find"));
  auto* row = new QHBoxLayout;
  row->addWidget(SearchEdit, 1);
  row->addWidget(find);
  SearchResults = new QListWidget;
  column->addLayout(row);
  column->addWidget(SearchResults, 1);
  const auto search = [this] { Search(SearchEdit->text()); };
  connect(SearchEdit, &QLineEdit::returnPressed, this, search);
  connect(find, &QPushButton::clicked, this, search);
  connect(SearchResults, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { ShowPage(item->data(PageRole).toString()); });
  connect(SearchResults, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ShowPage(item->data(PageRole).toString()); });
  return tab;
}

void THelpWindow::HtmlHelp(const QString&, int command, const QVariant& data) {
  switch (command) {
    case hhDisplayToc:
      Tabs->setCurrentIndex(0);
      ShowPage(QString::fromLatin1(HelpContentsPage));
      break;
    case hhHelpContext:
      ShowPage(HelpPageForContext(data.toInt()));
      break;
    case hhCloseAll:
      close();
      break;
    case hhDisplayIndex:
    case hhKeywordLookup:
      Tabs->setCurrentIndex(1);
      SearchEdit->setText(data.toString());
      Search(data.toString());
      Present();
      break;
    default:  // a topic, or the contents when none is named
      ShowPage(HelpPageForTopic(data.typeId() == QMetaType::QString ? data.toString() : QString()));
  }
}

void THelpWindow::ShowPage(const QString& page) {
  if (page != CurrentPage())
    Browser->setSource(HelpUrl(page));
  Present();
}

QString THelpWindow::CurrentPage() const {
  return PageOf(Browser->source());
}

void THelpWindow::Search(const QString& words) {
  SearchResults->clear();
  const QStringList pages = SearchHelp(words);
  for (const QString& page : pages)
    AddTopic(SearchResults, page, TitleOf(page));
  if (pages.isEmpty() && !words.trimmed().isEmpty())
    (new QListWidgetItem(QStringLiteral("No page holds these words."), SearchResults))
        ->setFlags(Qt::NoItemFlags);
  if (!pages.isEmpty())
    ShowPage(pages.front());
}

// The contents list follows the page on show, however it was reached.
void THelpWindow::PageShown(const QUrl& url) {
  const QString page = PageOf(url);
  for (int i = 0; i < ContentsList->count(); ++i) {
    if (ContentsList->item(i)->data(PageRole).toString() == page) {
      ContentsList->setCurrentRow(i);
      return;
    }
  }
  ContentsList->clearSelection();
}

void THelpWindow::Present() {
  if (isMinimized())
    showNormal();
  show();
  raise();
  activateWindow();
}

THelpWindow& TLazyHelpWindow::Window() {
  if (!FWindow)
    FWindow = std::make_unique<THelpWindow>();
  return *FWindow;
}

void TLazyHelpWindow::HtmlHelp(const QString& helpFile, int command, const QVariant& data) {
  if (FWindow || command != hhCloseAll)
    Window().HtmlHelp(helpFile, command, data);
}
