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
#include "ui/Form1.h"
#include "ui/ProgressDlg.h"
#include "ui/UiTestSupport.h"
#include "widgets/SubTimer.h"

namespace {

// Answers every modal window that opens while it lives, in order, with the
// next of its answers; a window nobody expected, or one still open a second
// after its answer, is cancelled and counted, so that no test hangs.
class TDialogAnswers {
 public:
  using TAnswer = std::function<void(QWidget*)>;
  explicit TDialogAnswers(std::vector<TAnswer> answers) : FAnswers(std::move(answers)) {
    QObject::connect(&FPoll, &QTimer::timeout, [this] { Poll(); });
    FPoll.start(5);
  }
  int Unexpected = 0;
  size_t Answered = 0;

 private:
  void Poll() {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr)
      return;
    if (dialog == FLast) {
      if (++FWaits == 200) {
        ++Unexpected;
        QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
      }
      return;
    }
    FLast = dialog;
    FWaits = 0;
    if (Answered < FAnswers.size()) {
      FAnswers[Answered++](dialog);
    } else {
      ++Unexpected;
      QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
    }
  }
  std::vector<TAnswer> FAnswers;
  QTimer FPoll;
  QPointer<QWidget> FLast;
  int FWaits = 0;
};

TDialogAnswers::TAnswer ChooseFile(const QString& path) {
  return [path](QWidget* dialog) {
    // Typed into the name field, as a player does; the dialog checks it on OK.
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    name->setText(path);
    static_cast<QDialog*>(dialog)->accept();
  };
}

TDialogAnswers::TAnswer Press(QMessageBox::StandardButton button, QString* text = nullptr) {
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
    ArrangeTable(Engine(), {"-KD 9S 8S", "10H", "5C", "KS", "KH", "KC", "QD", "QH", "QC", "QS"});
  }

  QTemporaryDir Folder;
  TFakeSoundOutput Sound;
  TManualClock Clock;
  TForm1 Form;
};

TEST_F(Form1FilesTest, TheFileDialogsOfferGameFilesFromTheCurrentFolder) {
  for (QFileDialog* dialog : {Form.SaveDialog1, Form.OpenDialog1}) {
    EXPECT_EQ(dialog->defaultSuffix(), "svgm");
    EXPECT_EQ(dialog->nameFilters(), QStringList({"Game Files (*.svgm)", "Any File (*)"}));
    EXPECT_EQ(dialog->directory().absolutePath(), QDir::currentPath());
    EXPECT_TRUE(dialog->selectedFiles().value(0).endsWith("/Game.svgm"));
  }
  EXPECT_EQ(Form.SaveDialog1->acceptMode(), QFileDialog::AcceptSave);
  EXPECT_FALSE(Form.SaveDialog1->testOption(QFileDialog::DontConfirmOverwrite));
  for (QAction* item : {Form.LoadMnu, Form.SaveMnu, Form.SaveAsMnu})
    EXPECT_TRUE(item->isEnabled());
  TProgressDlg& progress = Form.ProgressDlg();
  EXPECT_EQ(progress.windowTitle(), "Progress");
  EXPECT_EQ(progress.size(), QSize(313, 29));
  EXPECT_TRUE(progress.windowFlags() & Qt::WindowStaysOnTopHint);
  progress.SetPosition(125);
  EXPECT_EQ(progress.ProgressBar1->value(), 100);
}

TEST_F(Form1FilesTest, SaveWithNoGameOrAfterAWinSaysSoAndWritesNothing) {
  QString first, second;
  {
    TDialogAnswers answers({Press(QMessageBox::Ok, &first), Press(QMessageBox::Ok, &second)});
    Form.SaveMnu->trigger();
    InPlay();
    Engine().GameState = gsWon;
    Form.SaveAsMnu->trigger();
    EXPECT_EQ(answers.Unexpected, 0);
  }
  EXPECT_EQ(first, "No Game To Save");
  EXPECT_EQ(second, "No Game To Save");
}

TEST_F(Form1FilesTest, SaveAsksOnceThenSavesAgainWithoutADialog) {
  InPlay();
  const QString path = Path("game.svgm");
  {
    TDialogAnswers answers({ChooseFile(path)});
    Form.SaveMnu->trigger();
    EXPECT_EQ(answers.Answered, 1u);
  }
  ASSERT_TRUE(QFile::exists(path));
  QFile::remove(path);
  {
    TDialogAnswers answers({});
    Form.SaveMnu->trigger();
    EXPECT_EQ(answers.Unexpected, 0);
  }
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
  {
    TDialogAnswers answers({ChooseFile(path), [&](QWidget* dialog) {
                              progressShown = Form.ProgressDlg().isVisible();
                              Press(QMessageBox::Ok, &error)(dialog);
                            }});
    Form.LoadMnu->trigger();
    EXPECT_EQ(answers.Answered, 2u);
  }
  EXPECT_TRUE(error.startsWith("The file is not well-formed XML: ")) << error.toStdString();
  EXPECT_FALSE(progressShown);
  EXPECT_EQ(Engine().Table.Pile, before.Pile);
  EXPECT_EQ(Engine().GameFileName, "");
}

TEST_F(Form1FilesTest, AGoodLoadRunsTheBarToTheEndAndTheClockFromTheSavedTime) {
  InPlay();
  const QString path = Path("good.svgm");
  Form.GameTime->SetTime(75.0);
  ASSERT_TRUE(Engine().SaveGameFile(path));
  Engine().NewGame();
  {
    TDialogAnswers answers({ChooseFile(path)});
    Form.LoadMnu->trigger();
    EXPECT_EQ(answers.Unexpected, 0);
  }
  EXPECT_FALSE(Form.ProgressDlg().isVisible());
  EXPECT_EQ(Form.ProgressDlg().ProgressBar1->value(), 100);
  EXPECT_EQ(Engine().Table.PileCount(0), 3);
  EXPECT_NEAR(Form.GameTime->Time(), 75.0, 1.0);
  EXPECT_TRUE(Form.DisplayTimer->isActive());
}

TEST_F(Form1FilesTest, TheCloseQuestionKeepsTheWindowOnCancelAndClosesOnNoOrYes) {
  InPlay();
  QString asked;
  const struct {
    std::vector<TDialogAnswers::TAnswer> Answers;
    bool Open;
  } cases[] = {
      {{Press(QMessageBox::Cancel, &asked)}, true},
      {{Press(QMessageBox::No)}, false},
      // Yes, then the file dialog cancelled: the window closes all the same.
      {{Press(QMessageBox::Yes), [](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); }},
       false},
  };
  for (const auto& c : cases) {
    Form.show();
    TDialogAnswers answers(c.Answers);
    Form.close();
    EXPECT_EQ(Form.isVisible(), c.Open);
    EXPECT_EQ(answers.Answered, c.Answers.size());
  }
  EXPECT_EQ(asked, "Save Current Game?");
  // After a win the window closes without a question.
  Form.show();
  Engine().GameState = gsWon;
  TDialogAnswers none({});
  Form.close();
  EXPECT_FALSE(Form.isVisible());
  EXPECT_EQ(none.Unexpected, 0);
}
