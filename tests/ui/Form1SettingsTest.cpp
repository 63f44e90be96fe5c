// The main window's settings as the player meets them: the three Defaults
// items, the start with a settings file, the recent games under "Reload",
// the back chooser and the about box.
#include <gtest/gtest.h>

#include <limits>

#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "cards/CardResources.h"
#include "cards/Clock.h"
#include "persist/IniFile.h"
#include "support/QtPrinters.h"
#include "support/TableArranger.h"
#include "ui/UiTestSupport.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/CardBackDlg.h"
#include "ui/dialogs/ProgressDlg.h"
#include "ui/mainwindow/Form1.h"
#include "ui/mainwindow/ReopenMenu.h"
#include "ui/mainwindow/TableImage.h"
#include "ui/mainwindow/WindowPlace.h"
#include "widgets/FancyButton.h"
#include "widgets/WebLinkLabel.h"

namespace {

QByteArray FileText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList Captions(const QMenu* menu) {
  QStringList captions;
  for (const QAction* item : menu->actions())
    captions << item->text();
  return captions;
}

// Runs `command`, answering the modal windows it opens in order, each
// answer on a timer of its own so that it may open a window in turn. A
// window nobody expected is cancelled and counted as a failure.
void RunAnswering(const std::function<void()>& command,
                  std::vector<std::function<void(QWidget*)>> answers) {
  size_t next = 0;
  int unexpected = 0;
  QPointer<QWidget> current;
  bool answering = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr || !dialog->isVisible() || (dialog == current && answering))
      return;
    current = dialog;
    answering = true;
    if (next == answers.size()) {
      ++unexpected;
      static_cast<QDialog*>(dialog)->reject();
      answering = false;
      return;
    }
    QTimer::singleShot(0, [&answers, &answering, dialog, i = next++] {
      answers[i](dialog);
      answering = false;
    });
  });
  poll.start(5);
  command();
  EXPECT_EQ(next, answers.size());
  EXPECT_EQ(unexpected, 0);
}

std::function<void(QWidget*)> ChooseFile(const QString& path) {
  return [path](QWidget* dialog) {
    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
    static_cast<QDialog*>(dialog)->accept();
  };
}

std::function<void(QWidget*)> ReadBox(QString& text) {
  return [&text](QWidget* dialog) {
    auto* box = qobject_cast<QMessageBox*>(dialog);
    text = box != nullptr ? box->text() : QStringLiteral("<no message box>");
    static_cast<QDialog*>(dialog)->accept();
  };
}

}  // namespace

class Form1SettingsTest : public ::testing::Test {
 protected:
  Form1SettingsTest() : Form(&Sound, &Clock, nullptr, Ini()) {
    Form.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Form));
  }
  QString Ini() const { return Folder.filePath("Sorvane32.ini"); }
  QString Path(const char* name) const { return Folder.filePath(QString::fromLatin1(name)); }
  TGameEngine& Engine() { return Form.Engine(); }

  QTemporaryDir Folder;
  TFakeSoundOutput Sound;
  TManualClock Clock;
  TForm1 Form;
};

TEST_F(Form1SettingsTest, SaveFactoryAndRestoreBringEverythingBackButTheWidth) {
  Engine().Deck().SetCardBack(9);
  Form.SmallCardsMnu->trigger();
  Form.DisableSoundMnu->trigger();
  Form.AutoMoveMnu->trigger();
  Form.VerboseMnu->trigger();
  Form.resize(900, 500);
  Form.move(40, 60);
  const TSettings saved = Form.CurrentSettings();
  Form.SaveDefaultsMnu->trigger();
  EXPECT_EQ(ReadSettingsFile(Ini(), TSettings()), saved);

  Form.FactoryDefaultsMnu->trigger();
  TSettings factory = Form.CurrentSettings();
  EXPECT_EQ(Form.width(), 778);
  EXPECT_EQ(Form.height(), 472 + Form.height() - Form.Image1->height());
  const QPoint offCentre =
      Form.frameGeometry().center() - Form.screen()->availableGeometry().center();
  EXPECT_LE(offCentre.manhattanLength(), 2) << offCentre.x() << ", " << offCentre.y();
  factory.ScreenHeight = factory.PositionX = factory.PositionY = 0;
  EXPECT_EQ(factory, TSettings());
  EXPECT_FALSE(Form.SmallCardsMnu->isChecked() || Form.DisableSoundMnu->isChecked());
  EXPECT_EQ(Engine().TablePicture(), Engine().PaintedInFull());
  EXPECT_EQ(ReadSettingsFile(Ini(), TSettings()), saved);  // the file is not touched

  Form.RestoreDefaultsMnu->trigger();
  EXPECT_EQ(Form.CurrentSettings(), saved);
  EXPECT_EQ(Form.width(), 778);
  EXPECT_TRUE(Form.SmallCardsMnu->isChecked() && Form.DisableSoundMnu->isChecked());
  EXPECT_TRUE(Form.Sound().SoundOff);
  EXPECT_EQ(Engine().TablePicture(), Engine().PaintedInFull());
}

TEST_F(Form1SettingsTest, AFailedSaveShowsTheReasonAndBusyTablesTakeNoDefaults) {
  TForm1 blocked(&Sound, &Clock, nullptr, "/proc/Sorvane32.ini");
  QString said;
  RunAnswering([&] { blocked.SaveDefaultsMnu->trigger(); }, {ReadBox(said)});
  EXPECT_TRUE(said.startsWith("Cannot write /proc/Sorvane32.ini: ")) << said.toStdString();

  Engine().Busy = true;
  for (QAction* item : {Form.SaveDefaultsMnu, Form.FactoryDefaultsMnu, Form.CardBacksMnu})
    RunAnswering([item] { item->trigger(); }, {});
  Engine().Busy = false;
  EXPECT_FALSE(QFile::exists(Ini()));
  EXPECT_NE(Form.width(), 778);
}

TEST(Form1StartTest, TheStartTakesTheFileWithoutWritingItAndKeepsTheWindowReachable) {
  QTemporaryDir folder;
  const QString ini = folder.filePath("Sorvane32.ini");
  const QByteArray text =
      "[Display]\nCardBack=2\nSmallCards=1\n[Layout]\nScreenHeight=500\nPositionX=%1\n"
      "PositionY=120\n[Sound]\nDisable=1\n[Play]\nSingleClickMode=1\nVerbose=0\n"
      "[History]\nCount=3\nPath0=/games/a.svgm\nPath1=/games/b&c.svgm\nPath2=/GAMES/A.svgm\n";
  for (const int x : {100, 5000}) {
    const QByteArray file = QByteArray(text).replace("%1", QByteArray::number(x));
    QFile out(ini);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
    out.close();
    TFakeSoundOutput sound;
    TManualClock clock;
    TForm1 form(&sound, &clock, nullptr, ini);
    EXPECT_EQ(form.Engine().Deck().CardBack(), 2);
    EXPECT_TRUE(form.Engine().SmallCards && form.SmallCardsMnu->isChecked());
    EXPECT_TRUE(form.Sound().SoundOff && form.DisableSoundMnu->isChecked());
    EXPECT_TRUE(form.AutoMoveMnu->isChecked());
    EXPECT_FALSE(form.VerboseMnu->isChecked());
    EXPECT_EQ(form.height(), 500);
    // Far off every screen, the window comes back to the middle of one.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    if (x == 100)
      EXPECT_EQ(form.pos(), QPoint(100, 120));
    else
      EXPECT_EQ(form.geometry().center().x(), screen.center().x());
    EXPECT_EQ(Captions(form.ReloadMnu), QStringList({"&1 b&&c.svgm", "&2 A.svgm"}));
    EXPECT_EQ(FileText(ini), file);
  }
}

TEST_F(Form1SettingsTest, SavesAndLoadsGoOnTheRecentGamesAndAnEntryReopensInPlace) {
  EXPECT_TRUE(Form.ReloadMnu->isEnabled());
  EXPECT_TRUE(Form.ReloadMnu->actions().isEmpty());
  Engine().NewGame();
  ArrangeTable(Engine(), MidGameColumns, {"S"});
  RunAnswering([&] { Form.SaveAsMnu->trigger(); }, {ChooseFile(Path("a.svgm"))});
  RunAnswering([&] { Form.SaveAsMnu->trigger(); }, {ChooseFile(Path("b.svgm"))});
  EXPECT_EQ(Captions(Form.ReloadMnu), QStringList({"&1 b.svgm", "&2 a.svgm"}));
  EXPECT_EQ(ReadIniFile(Ini()).Keys("History"), QStringList({"Count", "Path0", "Path1"}));

  // A reopened entry loads with the bar and keeps its place.
  Engine().NewGame();
  RunAnswering([&] { Form.ReloadMnu->actions().at(1)->trigger(); }, {});
  EXPECT_EQ(Engine().Table.PileCount(0), 3);
  EXPECT_EQ(Form.ProgressDlg().ProgressBar1->value(), 100);
  EXPECT_EQ(Engine().GameFileName, Path("a.svgm"));
  EXPECT_EQ(Form.ReopenMenu1->Paths(), QStringList({Path("b.svgm"), Path("a.svgm")}));

  // "Load..." puts the file on top; a load that fails changes nothing.
  RunAnswering([&] { Form.LoadMnu->trigger(); }, {ChooseFile(Path("a.svgm"))});
  EXPECT_EQ(Form.ReopenMenu1->Paths(), QStringList({Path("a.svgm"), Path("b.svgm")}));
  QFile::remove(Path("b.svgm"));
  QString said;
  RunAnswering([&] { Form.ReloadMnu->actions().at(1)->trigger(); }, {ReadBox(said)});
  EXPECT_TRUE(said.contains("does not exist")) << said.toStdString();
  EXPECT_EQ(ReadIniFile(Ini()).ReadString("History", "Path0", ""), Path("a.svgm"));
  EXPECT_EQ(Form.ReopenMenu1->Paths().size(), 2);
}

TEST_F(Form1SettingsTest, TheBackChooserShowsTheBackInUseAndOnlyOKChangesIt) {
  TCardBackDlg& dialog = Form.CardBackDlg();
  int shown = -1;
  bool okFocused = false;
  const auto pick = [&](int row, QPushButton* button) {
    return [&, row, button](QWidget*) {
      shown = dialog.BackList->currentRow();
      okFocused = dialog.OKBtn->hasFocus();
      dialog.BackList->setCurrentRow(row);
      QTest::mouseClick(button, Qt::LeftButton);
    };
  };
  RunAnswering([&] { Form.CardBacksMnu->trigger(); }, {pick(8, dialog.CancelBtn)});
  EXPECT_EQ(shown, 5);
  EXPECT_TRUE(okFocused);
  EXPECT_EQ(Engine().Deck().CardBack(), 5);
  RunAnswering([&] { Form.CardBacksMnu->trigger(); }, {[&](QWidget*) {
                 dialog.BackList->setCurrentRow(3);
                 QTest::keyClick(dialog.BackList, Qt::Key_Escape);
               }});
  EXPECT_EQ(Engine().Deck().CardBack(), 5);

  const QImage before = Engine().TablePicture();
  RunAnswering([&] { Form.CardBacksMnu->trigger(); }, {pick(8, dialog.OKBtn)});
  EXPECT_EQ(shown, 5);
  EXPECT_EQ(Engine().Deck().CardBack(), 8);
  EXPECT_NE(Engine().TablePicture(), before);
  EXPECT_EQ(Engine().TablePicture(), Engine().PaintedInFull());
  EXPECT_EQ(dialog.windowTitle(), "Select Card Backs");
  EXPECT_EQ(dialog.size(), QSize(233, 247));
  EXPECT_EQ(dialog.BackList->count(), 13);
}

// On a screen at 200 % the back is drawn for the screen's pixels.
TEST(CardBackDlgTest, AnEntryShowsTheLargeBackBesideItsNumber) {
  for (const auto& [n, ratio] : {std::pair{0, 1}, std::pair{12, 1}, std::pair{7, 2}}) {
    QImage entry(QSize(113, 108) * ratio, QImage::Format_RGB32);
    entry.setDevicePixelRatio(ratio);
    QPainter painter(&entry);
    PaintBackListEntry(painter, QRect(0, 0, 113, 108), n, Qt::yellow, Qt::black);
    painter.end();
    const QImage back = CardResources::Picture(CardResources::FirstBack + n, ratio);
    for (const QPoint p : {QPoint(35, 48), QPoint(10, 90), QPoint(61, 21)})
      EXPECT_EQ(entry.pixel(p * ratio + QPoint(18, 5) * ratio), back.pixel(p * ratio)) << n;
    EXPECT_EQ(entry.pixel(QPoint(100, 60) * ratio), QColor(Qt::yellow).rgb());
    int ink = 0;
    for (int y = 0; y < 14 * ratio; ++y)
      for (int x = 0; x < 16 * ratio; ++x)
        ink += entry.pixel(x, y) != QColor(Qt::yellow).rgb();
    EXPECT_GT(ink, 5) << n;
  }
}

TEST_F(Form1SettingsTest, TheAboutBoxShowsTheVersionAndOpensTheReadMeOrSaysWhyNot) {
  TAboutBox& about = Form.AboutBox();
  EXPECT_TRUE(about.Version->text().startsWith("Version 1."))
      << about.Version->text().toStdString();
  EXPECT_TRUE(about.Version->text().endsWith(".1"));
  QString opened;
  about.WebLinkLabel1->Open = [&opened](const QString& address) {
    opened = address;
    return 31;
  };
  QString said;
  RunAnswering(
      [&] { Form.AboutMnu->trigger(); },
      {[&](QWidget*) { QTest::mouseClick(about.WebLinkLabel1, Qt::LeftButton); }, ReadBox(said),
       [&](QWidget*) { QTest::mouseClick(about.FancyButton1, Qt::LeftButton); }});
  EXPECT_EQ(said, "There is no application associated with the given filename extension.");
  EXPECT_TRUE(opened.startsWith("file:///") && opened.endsWith("/README.md"));
  EXPECT_EQ(about.WebLinkLabel1->toolTip(), opened);
  EXPECT_FALSE(about.isVisible());
}

TEST(AboutBoxTest, TheVersionLineTakesTheFilesDateAndTheVersionsLastComponent) {
  EXPECT_EQ(VersionLine(QDate(2005, 3, 14), "2.0.0.11"), "Version 1.05.3.14.11");
  EXPECT_EQ(VersionLine(QDate(2010, 1, 5), "1.0.0.1"), "Version 1.10.1.5.1");
  EXPECT_EQ(VersionLine(QDate(2026, 12, 31), "7"), "Version 1.26.12.31.7");
  EXPECT_EQ(OpenErrorText(2), "The specified file was not found.");
  EXPECT_EQ(OpenErrorText(4), "");
  EXPECT_EQ(OpenWithDesktop("/no/such/file.md"), 2);
}

TEST(ReopenMenuTest, AChosenEntryGoesToTheEventAndWithoutAMenuNothingIsKept) {
  TReopenMenu reopen;
  reopen.AddPath("/a.svgm");
  EXPECT_TRUE(reopen.Paths().isEmpty());
  auto* menu = new QMenu;
  reopen.SetMenuItem(menu);
  reopen.UpdateOnClick = true;
  QString chosen;
  reopen.OnMenuClick = [&chosen](QObject*, const QString& path) { chosen = path; };
  for (const char* path : {"/a.svgm", "/b.svgm", "/c.svgm"})
    reopen.AddPath(path);
  menu->actions().at(2)->trigger();
  EXPECT_EQ(chosen, "/a.svgm");
  EXPECT_EQ(reopen.Paths(), QStringList({"/a.svgm", "/c.svgm", "/b.svgm"}));
  EXPECT_EQ(reopen.PathOf(menu->actions().at(1)), "/c.svgm");
  delete menu;
  EXPECT_EQ(reopen.MenuItem(), nullptr);
  reopen.AddPath("/d.svgm");
  EXPECT_EQ(reopen.Paths().size(), 3);
}

TEST(WindowPlaceTest, AWindowStaysWhereThePlayerCanReachItOrComesToTheMiddle) {
  const QRect desktop(0, 0, 1280, 1024);
  const QRect second(1280, 0, 1920, 1080);
  const QRect small(0, 0, 780, 560);
  EXPECT_EQ(FitOnScreen(QRect(467, 264, 801, 600), small), small);
  EXPECT_EQ(FitOnScreen(QRect(467, 264, 700, 400), QRect(0, 0, 1024, 600)),
            QRect(324, 200, 700, 400));
  EXPECT_EQ(FitOnScreen(QRect(467, 264, 801, 600), desktop), QRect(467, 264, 801, 600));

  const QList<QRect> both{desktop, second};
  const std::tuple<QRect, QList<QRect>, QRect> cases[] = {
      {QRect(1000, 500, 801, 600), both, QRect(1000, 500, 801, 600)},  // partly off, usable
      {QRect(1500, 100, 801, 600), both, QRect(1500, 100, 801, 600)},  // on the second screen
      {QRect(1500, 100, 801, 600), {desktop}, QRect(239, 212, 801, 600)},
      {QRect(1200, 500, 801, 600), {desktop}, QRect(239, 212, 801, 600)},  // a sliver only
      {QRect(100, -50, 801, 600), both, QRect(239, 212, 801, 600)},    // title bar above the top
      {QRect(5000, 5000, 801, 600), both, QRect(239, 212, 801, 600)},  // on no screen
      {QRect(-20, 0, 2000, 1200), both, QRect(0, 0, 1280, 1024)},      // larger than the screen
  };
  for (const auto& [frame, screens, expected] : cases)
    EXPECT_EQ(ReachablePlace(frame, screens), expected) << frame.x() << " " << screens.size();
}

// Heights and places from a hand-edited settings file, up to the ends of
// int: a window on the screen, never shorter than the least client height.
TEST(WindowPlaceTest, SettingsAtTheEndsOfIntGiveAReachableWindow) {
  const QRect desktop(0, 0, 1280, 1024);
  const QRect now(100, 100, 801, 630);  // a client 600 tall and 200 at least
  constexpr int High = std::numeric_limits<int>::max(), Low = std::numeric_limits<int>::min();
  const struct {
    int ScreenHeight, X, Y;
    QRect Expected;
  } cases[] = {
      {500, 100, 120, QRect(100, 120, 801, 530)},    {0, 100, 120, QRect(100, 120, 801, 630)},
      {1, 100, 120, QRect(100, 120, 801, 230)},      {High, 100, 0, QRect(239, 0, 801, 1024)},
      {High - 47, 100, 0, QRect(239, 0, 801, 1024)}, {500, High, High, QRect(239, 247, 801, 530)},
      {500, Low, Low, QRect(239, 247, 801, 530)},    {Low, High, 0, QRect(239, 197, 801, 630)},
  };
  for (const auto& c : cases)
    EXPECT_EQ(
        ReachablePlace(FrameFromSettings(now, 600, 200, c.ScreenHeight, {c.X, c.Y}), {desktop}),
        c.Expected)
        << c.ScreenHeight << " " << c.X << " " << c.Y;
}
