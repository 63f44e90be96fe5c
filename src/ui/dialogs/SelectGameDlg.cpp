#include "ui/dialogs/SelectGameDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

std::optional<uint32_t> ParseGameNumber(const QString& text) {
  const QString digits = text.trimmed();
  if (digits.isEmpty() || digits.size() > 10 ||
      !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  const qulonglong value = digits.toULongLong();
  if (value > 4294967295ull)
    return std::nullopt;
  return static_cast<uint32_t>(value);
}

TSelectGameDlg::TSelectGameDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setWindowTitle(QStringLiteral("Select Game"));
  auto* layout = new QVBoxLayout(this);
  CurrentLabel = new QLabel(this);
  layout->addWidget(CurrentLabel);
  auto* form = new QFormLayout;
  NumberEdit = new QLineEdit(this);
  NumberEdit->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("\\s*\\d{0,10}\\s*")), this));
  NumberEdit->setToolTip(QStringLiteral("A number from 0 to 4294967295"));
  form->addRow(QStringLiteral("&Deal game number:"), NumberEdit);
  layout->addLayout(form);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  OKBtn = buttons->button(QDialogButtonBox::Ok);
  CancelBtn = buttons->button(QDialogButtonBox::Cancel);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(NumberEdit, &QLineEdit::textChanged, this,
          [this](const QString& text) { OKBtn->setEnabled(ParseGameNumber(text).has_value()); });
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool TSelectGameDlg::Execute(std::optional<uint32_t> current) {
  CurrentLabel->setText(current ? QStringLiteral("This is game number %1.").arg(*current)
                                : QStringLiteral("The game on the table has no number."));
  NumberEdit->setText(current ? QString::number(*current) : QString());
  OKBtn->setEnabled(ParseGameNumber(NumberEdit->text()).has_value());
  NumberEdit->selectAll();
  NumberEdit->setFocus();
  return exec() == QDialog::Accepted && ParseGameNumber(NumberEdit->text()).has_value();
}

uint32_t TSelectGameDlg::Number() const {
  return ParseGameNumber(NumberEdit->text()).value_or(0);
}
