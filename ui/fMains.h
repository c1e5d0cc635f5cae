#pragma once

#include "ui/side_window.h"

class QLabel;

namespace zarvane {

// The four hands as dealt, with the dog and the discard.
class TfrmMains : public SideWindow {
 public:
  explicit TfrmMains(const Layout& layout, QWidget* parent = nullptr);

  void PanelMainsOKClick();
  // Puts the deal's code on the clipboard.
  void PanelCopierCodeClick();

 private:
  void NewDealCode();

  QFrame* NewDogPanel(Control panel, Control images, Control caption, const QString& text);

  QLabel* code_ = nullptr;
};

}  // namespace zarvane
