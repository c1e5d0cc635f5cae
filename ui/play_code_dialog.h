#pragma once

#include <QDialog>
#include <optional>

#include "core/deal.h"

class QLabel;
class QLineEdit;

namespace zarvane {

// Asks for a deal's code. OK closes the box only on a code that decodes; otherwise the box
// says what is wrong with the code and stays open.
class PlayCodeDialog : public QDialog {
 public:
  PlayCodeDialog(int language, QWidget* parent = nullptr);

  // The deal of the accepted code.
  const std::optional<DealtDeal>& deal() const { return deal_; }
  QLineEdit* field() const { return field_; }
  QLabel* reason() const { return reason_; }

 private:
  void Check();

  int language_;
  QLineEdit* field_;
  QLabel* reason_;
  std::optional<DealtDeal> deal_;
};

}  // namespace zarvane
