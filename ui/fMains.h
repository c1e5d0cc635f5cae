#pragma once

#include <QDialog>

#include "engine/layout.h"

namespace zarvane {

// The four hands as dealt, with the dog and the discard.
class TfrmMains : public QDialog {
 public:
  explicit TfrmMains(const Layout& layout, QWidget* parent = nullptr);
};

}  // namespace zarvane
