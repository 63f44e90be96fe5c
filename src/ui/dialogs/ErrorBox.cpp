#include "ui/dialogs/ErrorBox.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TErrorBox::TErrorBox(const QString& text, std::function<void()> onHelp, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), FText(text) {
  setWindowTitle(QApplication::applicationName());
  setWindowModality(Qt::WindowModal);
  auto* icon = new QLabel;
  const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(size, size));
  icon->setAlignment(Qt::AlignTop);
  Message =
      new QLabel(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).trimmed());
  Message->setTextFormat(Qt::PlainText);
  Message->setTextInteractionFlags(Qt::TextSelectableByMouse);
  Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Help);
  Buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(Buttons, &QDialogButtonBox::helpRequested, this, [onHelp = std::move(onHelp)] {
    if (onHelp)
      onHelp();
  });

  auto* row = new QHBoxLayout;
  row->addWidget(icon);
  row->addSpacing(10);
  row->addWidget(Message, 1);
  auto* column = new QVBoxLayout(this);
  column->addLayout(row);
  column->addWidget(Buttons);
  setSizeGripEnabled(false);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}
