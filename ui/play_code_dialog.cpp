#include "ui/play_code_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "table/deal_code_words.h"
#include "ui/design.h"
#include "ui/utf8_text.h"

namespace zarvane {

PlayCodeDialog::PlayCodeDialog(int language, QWidget* parent)
    : QDialog(parent), language_(language), field_(new QLineEdit), reason_(new QLabel) {
  setWindowTitle(kWindowTitle);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(FromUtf8(DealCodeWordsIn(language).prompt)));
  QFont fixed(kMono);
  fixed.setPointSize(11);
  field_->setFont(fixed);
  // Room for a code typed with a space or two more than it is shown with.
  field_->setMaxLength(2 * kShownDealCodeLength);
  field_->setMinimumWidth(
      QFontMetrics(fixed).horizontalAdvance(QString(kShownDealCodeLength + 4, 'W')));
  layout->addWidget(field_);
  reason_->setStyleSheet(QStringLiteral("color: #a00000"));
  reason_->setWordWrap(true);
  // Room for two lines from the start, so that a refusal does not have to grow the box.
  reason_->setMinimumHeight(2 * reason_->fontMetrics().lineSpacing() + 4);
  layout->addWidget(reason_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &PlayCodeDialog::Check);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  // A new try clears the last refusal.
  connect(field_, &QLineEdit::textEdited, reason_, &QLabel::clear);
}

void PlayCodeDialog::Check() {
  const DecodedDealCode decoded = DecodeDealCode(field_->text().toStdString());
  if (!decoded.deal) {
    reason_->setText(QString::fromStdString(CodeFaultWords(language_, decoded)));
    field_->setFocus();
    return;
  }
  deal_ = decoded.deal;
  accept();
}

}  // namespace zarvane
