// Makes the pictures of the side windows: one of each for the documentation
// folder, and the pictures the help pages show. It runs the real windows on
// a fixed deal, on the offscreen platform, so no display is needed:
//   sorvane-sidewindows docs src/ui/help/images
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QRadioButton>
#include <cstdio>

#include "cards/CardArt.h"
#include "cards/CardOutline.h"
#include "cards/Clock.h"
#include "cards/Random.h"
#include "cards/Sound.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/CardBackDlg.h"
#include "ui/dialogs/CardFindDlg.h"
#include "ui/dialogs/ColDisplayDlg.h"
#include "ui/dialogs/DebugDlg.h"
#include "ui/dialogs/ErrorBox.h"
#include "ui/help/HelpWindow.h"
#include "ui/mainwindow/Form1.h"
#include "ui/mainwindow/StartUp.h"
#include "widgets/IntegerSpin.h"
#include "widgets/WebLinkLabel.h"

namespace {

void Settle() {
  for (int i = 0; i < 20; ++i)
    QApplication::processEvents();
}

QImage Shot(QWidget& window) {
  Settle();
  return window.grab().toImage();
}

bool Save(const QImage& picture, const QDir& folder, const QString& name) {
  const QString path = folder.filePath(name);
  if (picture.isNull() || !picture.save(path, "PNG")) {
    std::fprintf(stderr, "sorvane-sidewindows: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

// A game some way in: the deal, a few sensible moves and one row dealt.
void PlayAWhile(TGameEngine& engine) {
  engine.NewGame();
  for (int round = 0; round < 2; ++round)
    for (int c = 0; c < Columns; ++c)
      engine.AutoMove(c);
  engine.DealRow();
  for (int c = 0; c < Columns; ++c)
    engine.AutoMove(c);
  engine.UpdateStatus();
}

// The column with the most face-up cards, 0..9.
int RichestColumn(const TGameEngine& engine) {
  int best = 0, most = -1;
  for (int c = 0; c < Columns; ++c) {
    int up = 0;
    for (int r = 0; r < engine.Table.PileCount(c); ++r)
      up += engine.Table.Slot(c, r)->FaceUp ? 1 : 0;
    if (up > most) {
      most = up;
      best = c;
    }
  }
  return best;
}

// The thirteen back designs in two rows, numbered as the chooser numbers them.
QImage CardBacks() {
  const QSize card = CardOutline::LargeSize;
  constexpr int PerRow = 7, Gap = 8, Label = 18;
  QImage sheet(Gap + PerRow * (card.width() + Gap), 2 * (card.height() + Label + Gap) + Gap,
               QImage::Format_RGB32);
  sheet.fill(QColor(0, 128, 0));
  QPainter painter(&sheet);
  painter.setPen(Qt::white);
  for (int design = 0; design < CardArt::BackDesigns; ++design) {
    const QPoint at(Gap + (design % PerRow) * (card.width() + Gap),
                    Gap + (design / PerRow) * (card.height() + Label + Gap));
    painter.drawImage(at, CardArt::DrawBack(design, card));
    painter.drawText(QRect(at.x(), at.y() + card.height(), card.width(), Label), Qt::AlignCenter,
                     QString::number(design + 1));
  }
  return sheet;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: sorvane-sidewindows docs-folder help-pictures-folder\n");
    return 2;
  }
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  StartUp();
  const QDir docs(QString::fromLocal8Bit(argv[1]));
  const QDir help(QString::fromLocal8Bit(argv[2]));
  TRandom::Program().SetSeedSource([] { return 20261208u; });
  TSilentOutput silence;
  TManualClock clock;
  TForm1 form(&silence, &clock, nullptr, QString());  // the player's settings left out
  form.setGeometry(0, 0, 1024, 700);
  form.show();
  form.VerboseMnu->setChecked(false);  // refused auto-moves must not stop the run with a box
  TGameEngine& engine = form.Engine();
  PlayAWhile(engine);

  bool ok = Save(Shot(form).scaledToWidth(600, Qt::SmoothTransformation), help, "table.png");
  ok = Save(CardBacks(), help, "card-backs.png") && ok;

  TCardFindDlg& find = form.CardFindDlg();
  find.RankItems[11]->setChecked(true);
  find.SuitItems[3]->setChecked(true);
  find.show();
  const QImage locate = Shot(find);
  find.hide();
  ok = Save(locate, docs, "locate-card.png") && Save(locate, help, "locate-card.png") && ok;

  TColDisplayDlg& view = form.ColDisplayDlg();
  view.ShowColumnView();
  view.ChooseColumnAt(engine.SlotPoint(RichestColumn(engine), 0).x() + 10);
  const QImage column = Shot(view);
  view.hide();
  ok = Save(column, docs, "column-view.png") && Save(column, help, "column-view.png") && ok;

  TDebugDlg& debug = form.DebugDlg();
  debug.ShowDebugTools();
  debug.ShowMousePosition(QPoint(412, 236));
  const QImage tools = Shot(debug);
  debug.hide();
  ok = Save(tools, docs, "debug-tools.png") &&
       Save(tools.scaledToWidth(560, Qt::SmoothTransformation), help, "debug-tools.png") && ok;

  TErrorBox box(QStringLiteral("No where to move Five of Clubs\r\n\r\nTo disable these messages "
                               "and enable advanced\r\nmode options, click the help button.\r\n"),
                nullptr);
  box.show();
  ok = Save(Shot(box), help, "error-box.png") && ok;
  box.hide();

  TCardBackDlg& backs = form.CardBackDlg();
  backs.BackList->setCurrentRow(5);
  backs.show();
  ok = Save(Shot(backs), docs, "card-back-chooser.png") && ok;
  backs.hide();

  TAboutBox& about = form.AboutBox();
  // The link as a game installed for everyone shows it, not this checkout's.
  about.WebLinkLabel1->SetCaption(
      QStringLiteral("file:///usr/local/share/doc/sorvane32/README.md"));
  about.show();
  ok = Save(Shot(about), docs, "about-box.png") && ok;
  about.hide();

  THelpWindow& window = form.HelpWindow();
  window.ShowPage(QStringLiteral("messages.html"));
  ok = Save(Shot(window), docs, "help-window.png") && ok;
  window.close();
  return ok ? 0 : 1;
}
