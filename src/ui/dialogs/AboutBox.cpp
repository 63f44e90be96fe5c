#include "ui/dialogs/AboutBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QUrl>

#include "cards/ProgramPicture.h"
#include "ui/look/GameFonts.h"
#include "ui/look/WidgetColours.h"
#include "widgets/FancyButton.h"
#include "widgets/WebLinkLabel.h"

namespace {

constexpr QSize ClientSize{345, 214};
const QColor PanelGreen(0, 128, 0);
const QColor Lime(0, 255, 0);
const QColor Yellow(255, 255, 0);
const QColor BevelShadow(128, 128, 128);

// Installed, the read-me lies in share/doc/sorvane32 beside bin/.
constexpr const char* InstalledReadMe = "../share/doc/sorvane32/README.md";

QFont BoldFont(int pixels) {
  QFont font = QGuiApplication::font();
  font.setBold(true);
  if (pixels > 0)
    font.setPixelSize(pixels);
  return font;
}

// The two sides of one ring of a bevel: top and left, then bottom and right.
void Ring(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
  painter.setPen(topLeft);
  painter.drawLine(r.topLeft(), r.topRight());
  painter.drawLine(r.topLeft(), r.bottomLeft());
  painter.setPen(bottomRight);
  painter.drawLine(r.bottomLeft(), r.bottomRight());
  painter.drawLine(r.topRight(), r.bottomRight());
}

}  // namespace

QString VersionLine(const QDate& fileDate, const QString& fileVersion) {
  const QString lastComponent = fileVersion.mid(fileVersion.lastIndexOf(QLatin1Char('.')) + 1);
  return QStringLiteral("Version 1.%1.%2.%3.%4")
      .arg(QString::number(fileDate.year()).mid(2))
      .arg(fileDate.month())
      .arg(fileDate.day())
      .arg(lastComponent);
}

QString ProgramVersion() {
  return QStringLiteral(SORVANE_VERSION);
}

QString ReadMeFile() {
  const QString installed = QDir::cleanPath(
      QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(InstalledReadMe)));
  if (QFileInfo::exists(installed))
    return installed;
  const QString checkout = QStringLiteral(SORVANE_CHECKOUT_README);
  return QFileInfo::exists(checkout) ? checkout : installed;
}

void TAboutPanel::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  const QRect outer = rect();
  Ring(painter, outer, BevelShadow, Qt::white);                         // lowered
  Ring(painter, outer.adjusted(1, 1, -1, -1), Qt::white, BevelShadow);  // raised
}

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
  setWindowTitle(QStringLiteral("About Sorvane-32"));
  setFixedSize(ClientSize);
  Fill(this, Qt::black);
  MakePanel();

  FancyButton1 = new TFancyButton(this);
  FancyButton1->setGeometry(112, 176, 105, 25);
  FancyButton1->setText(QStringLiteral("OK"));
  FancyButton1->setFont(BoldFont(0));
  FancyButton1->SetFontColor(Yellow);
  FancyButton1->SetGradColor1(QColor(192, 192, 192));
  FancyButton1->SetGradColor2(QColor(64, 64, 64));
  FancyButton1->SetGradient(true);
  FancyButton1->setDefault(true);
  connect(FancyButton1, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::MakePanel() {
  Panel1 = new TAboutPanel(this);
  Panel1->setGeometry(8, 8, 329, 153);
  Fill(Panel1, PanelGreen);

  ProgramIcon = new QLabel(Panel1);
  ProgramIcon->setGeometry(8, 8, 140, 110);
  ProgramIcon->setPixmap(QPixmap::fromImage(ProgramPicture(ProgramIcon->size())));

  QFont title = GameFont(QStringLiteral("Georgia"), 19);
  title.setItalic(true);
  ProductName = AddLabel(QRect(146, 8, 179, 25), QStringLiteral("Sorvane-32"), title, Lime);
  Label2 =
      AddLabel(QRect(162, 36, 141, 25), QStringLiteral("Spider patience"), BoldFont(0), Qt::black);
  const QDate built =
      QFileInfo(QCoreApplication::applicationFilePath()).lastModified().toLocalTime().date();
  Version = AddLabel(QRect(146, 67, 179, 17), VersionLine(built, ProgramVersion()), BoldFont(11),
                     Qt::black);
  Comments =
      AddLabel(QRect(152, 88, 169, 33), QStringLiteral("Written in C++20 with Qt 6 and pugixml"),
               QGuiApplication::font(), Yellow);
  Comments->setWordWrap(true);

  WebLinkLabel1 = new TWebLinkLabel(Panel1);
  WebLinkLabel1->setGeometry(120, 128, Panel1->width() - 120 - 4, 17);
  WebLinkLabel1->SetCaption(QUrl::fromLocalFile(ReadMeFile()).toString());
}

QLabel* TAboutBox::AddLabel(const QRect& place, const QString& text, const QFont& font,
                            QColor colour) {
  auto* label = new QLabel(text, Panel1);
  label->setGeometry(place);
  label->setAlignment(Qt::AlignCenter);
  label->setFont(font);
  SetTextColour(label, colour);
  return label;
}

void TAboutBox::Execute() {
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
  FancyButton1->setFocus();
  exec();
}
