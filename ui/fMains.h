#pragma once

#include "ui/side_window.h"

namespace zarvane {

// The four hands as dealt, with the dog and the discard.
class TfrmMains : public SideWindow {
 public:
  explicit TfrmMains(const Layout& layout, QWidget* parent = nullptr);

  void PanelMainsOKClick();

 private:
  QFrame* NewDogPanel(Control panel, Control images, Control caption, const QString& text);
};

}  // namespace zarvane
