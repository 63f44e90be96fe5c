// Saved games from the main window: the menu items, the file dialogs, the
// boxes, the progress window and the question before the window closes.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>

#include "cards/Clock.h"
#include "support/QtPrinters.h"
#include "support/TableArranger.h"
#include "ui/UiTestSupport.h"
#include "ui/dialogs/ProgressDlg.h"
#include "ui/mainwindow/Form1.h"
#include "widgets/SubTimer.h"

namespace {

using TAnswer = std::function<void(QWidget*)>;

// Answers the modal windows that open while it lives with its answers, in
// order. One nobody expected, or one still open a second after its answer,
// is cancelled and counted, so that no test hangs.
class TDialogAnswers {
 public:
  explicit TDialogAnswers(std::vector<TAnswer> answers) : FAnswers(std::move(answers)) {
    QObject::connect(&FPoll, &QTimer::timeout, [this] { Poll(); });
    FPoll.start(5);
  }
  int Unexpected = 0;
  size_t Answered = 0;

 private:
  void Poll() {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr || (dialog == FLast && ++FWaits < 200))
      return;
    if (dialog == FLast || Answered == FAnswers.size()) {
      ++Unexpected;
      QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
    } else {
      FAnswers[Answered++](dialog);
    }
    FLast = dialog;
    FWaits = 0;
  }
  std::vector<TAnswer> FAnswers;
  QTimer FPoll;
  QPointer<QWidget> FLast;
  int FWaits = 0;
};

// Types the name into the dialog's name field, as a player does, and presses OK.
TAnswer ChooseFile(const QString& path) {
  return [path](QWidget* dialog) {
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    name->setText(path);
    static_cast<QDialog*>(dialog)->accept();
  };
}

TAnswer Press(QMessageBox::StandardButton button, QString* text = nullptr) {
  return [button, text](QWidget* dialog) {
    auto* box = qobject_cast<QMessageBox*>(dialog);
    ASSERT_NE(box, nullptr);
    if (text != nullptr)
      *text = box->text();
    box->button(button)->click();
  };
}

}  // namespace

class Form1FilesTest : public ::testing::Test {
 protected:
  Form1FilesTest() : Form(&Sound, &Clock) {
    Form.resize(1024, 720);
    Form.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Form));
  }
  TGameEngine& Engine() { return Form.Engine(); }
  QString Path(const char* name) const { return Folder.filePath(QString::fromLatin1(name)); }
  // A dealt game, then a table laid out by hand.
  void InPlay() {
    Engine().NewGame();
    ArrangeTable(Engine(), MidGameColumns, {"S"});
  }
  // Runs a command that must show exactly these windows.
  void Run(QAction* item, std::vector<TAnswer> answers) {
    const size_t expected = answers.size();
    TDialogAnswers dialogs(std::move(answers));
    item->trigger();
    EXPECT_EQ(dialogs.Answered, expected);
    EXPECT_EQ(dialogs.Unexpected, 0);
  }

  QTemporaryDir Folder;
  TFakeSoundOutput Sound;
  TManualClock Clock;
  TForm1 Form;
};

TEST_F(Form1FilesTest, TheFileDialogsOfferGameFilesFromTheCurrentFolder) {
  for (QFileDialog* dialog : {Form.SaveDialog1(), Form.OpenDialog1()}) {
    EXPECT_EQ(dialog->defaultSuffix(), "svgm");
    EXPECT_EQ(dialog->nameFilters(), QStringList({"Game Files (*.svgm)", "Any File (*)"}));
    EXPECT_EQ(dialog->directory().absolutePath(), QDir::currentPath());
    EXPECT_TRUE(dialog->selectedFiles().value(0).endsWith("/Game.svgm"));
  }
  EXPECT_EQ(Form.SaveDialog1()->acceptMode(), QFileDialog::AcceptSave);
  EXPECT_FALSE(Form.SaveDialog1()->testOption(QFileDialog::DontConfirmOverwrite));
  for (QAction* item : {Form.LoadMnu, Form.SaveMnu, Form.SaveAsMnu})
    EXPECT_TRUE(item->isEnabled());
  TProgressDlg& progress = Form.ProgressDlg();
  EXPECT_EQ(progress.windowTitle(), "Progress");
  EXPECT_EQ(progress.size(), QSize(313, 29));
  EXPECT_TRUE(progress.windowFlags() & Qt::WindowStaysOnTopHint);
  progress.SetPosition(125);
  EXPECT_EQ(progress.ProgressBar1->value(), 100);
}

TEST_F(Form1FilesTest, SaveSaysWhenThereIsNoGameAndAsksForANameOnlyOnce) {
  QString said;
  Run(Form.SaveMnu, {Press(QMessageBox::Ok, &said)});
  EXPECT_EQ(said, "No Game To Save");
  InPlay();
  Engine().GameState = gsWon;
  said.clear();
  Run(Form.SaveAsMnu, {Press(QMessageBox::Ok, &said)});
  EXPECT_EQ(said, "No Game To Save");

  Engine().GameState = gsPlaying;
  const QString path = Path("game.svgm");
  Run(Form.SaveMnu, {ChooseFile(path)});
  ASSERT_TRUE(QFile::remove(path));
  Run(Form.SaveMnu, {});
  EXPECT_TRUE(QFile::exists(path));
}

TEST_F(Form1FilesTest, LoadingADamagedFileShowsTheErrorHidesTheProgressAndKeepsTheGame) {
  InPlay();
  const QString path = Path("damaged.svgm");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray::fromStdString(Engine().SaveGameDocument()).left(5000));
  file.close();
  const TTable before = Engine().Table;
  QString error;
  bool progressShown = true;
  Run(Form.LoadMnu, {ChooseFile(path), [&](QWidget* dialog) {
                       progressShown = Form.ProgressDlg().isVisible();
                       Press(QMessageBox::Ok, &error)(dialog);
                     }});
  EXPECT_TRUE(error.startsWith("The file is not well-formed XML: ")) << error.toStdString();
  EXPECT_FALSE(progressShown);
  EXPECT_EQ(Engine().Table.Pile, before.Pile);
  EXPECT_EQ(Engine().GameFileName, "");
}

TEST_F(Form1FilesTest, AGoodLoadRunsTheBarToTheEndAndTheClockOnFromTheSavedTime) {
  InPlay();
  const QString path = Path("good.svgm");
  Form.GameTime->SetTime(75.0);
  ASSERT_TRUE(Engine().SaveGameFile(path));
  Engine().NewGame();
  Run(Form.LoadMnu, {ChooseFile(path)});
  EXPECT_FALSE(Form.ProgressDlg().isVisible());
  EXPECT_EQ(Form.ProgressDlg().ProgressBar1->value(), 100);
  EXPECT_EQ(Engine().Table.PileCount(0), 3);
  EXPECT_NEAR(Form.GameTime->Time(), 75.0, 1.0);
  EXPECT_TRUE(Form.DisplayTimer->isActive());
}

TEST_F(Form1FilesTest, TheCloseQuestionKeepsTheWindowOnCancelAndClosesOnNoOrYes) {
  InPlay();
  QString asked;
  const TAnswer cancelDialog = [](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); };
  const std::pair<std::vector<TAnswer>, bool> cases[] = {
      {{Press(QMessageBox::Cancel, &asked)}, true},
      {{Press(QMessageBox::No)}, false},
      {{Press(QMessageBox::Yes), cancelDialog}, false},  // no file saved: closes all the same
  };
  for (const auto& [answers, open] : cases) {
    Form.show();
    Run(Form.ExitMnu, answers);
    EXPECT_EQ(Form.isVisible(), open);
  }
  EXPECT_EQ(asked, "Save Current Game?");
  Form.show();
  Engine().GameState = gsWon;
  Run(Form.ExitMnu, {});
  EXPECT_FALSE(Form.isVisible());
}
