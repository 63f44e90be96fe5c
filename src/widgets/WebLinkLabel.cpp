#include "widgets/WebLinkLabel.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QMouseEvent>
#include <QUrl>
#include <array>
#include <utility>

namespace {

constexpr int OpenedCode = 33;
constexpr int FileNotFoundCode = 2;
constexpr int NoAssociationCode = 31;

const std::array<std::pair<int, const char*>, 12> OpenErrors{{
    {0, "The operating system is out of memory or resources."},
    {2, "The specified file was not found."},
    {3, "The specified path was not found."},
    {5, "The operating system denied access to the specified file. "},
    {8, "There was not enough memory to complete the operation."},
    {11, "The .EXE file is invalid (non-Win32 .EXE or error in .EXE image)."},
    {26, "A sharing violation occurred."},
    {27, "The filename association is incomplete or invalid."},
    {28, "The DDE transaction could not be completed because the request timed out."},
    {29, "The DDE transaction failed."},
    {30,
     "The DDE transaction could not be completed because other DDE transactions were being "
     "processed."},
    {31, "There is no application associated with the given filename extension."},
}};

}  // namespace

int OpenWithDesktop(const QString& address) {
  const QUrl url = QUrl::fromUserInput(address);
  if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile()))
    return FileNotFoundCode;
  return QDesktopServices::openUrl(url) ? OpenedCode : NoAssociationCode;
}

QString OpenErrorText(int code) {
  for (const auto& [known, text] : OpenErrors)
    if (known == code)
      return QString::fromLatin1(text);
  return QString();
}

TWebLinkLabel::TWebLinkLabel(QWidget* parent) : QLabel(parent) {
  QFont underlined = font();
  underlined.setUnderline(true);
  setFont(underlined);
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, Qt::blue);
  setPalette(palette);
  setCursor(Qt::PointingHandCursor);
}

void TWebLinkLabel::SetCaption(const QString& caption) {
  FCaption = caption;
  setToolTip(caption);
  ShowCaption();
}

void TWebLinkLabel::ShowCaption() {
  setText(fontMetrics().elidedText(FCaption, Qt::ElideMiddle, std::max(width(), 1)));
}

void TWebLinkLabel::Click() {
  const int code = Open ? Open(FCaption) : NoAssociationCode;
  if (code < 32)
    QMessageBox::critical(window(), QApplication::applicationName(), OpenErrorText(code));
}

void TWebLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    Click();
}

void TWebLinkLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  ShowCaption();
}
