#pragma once

#include "ui/side_window.h"

namespace zarvane {

// South's trumps, to mark the ones shown in a poignee. Its width follows the number of trumps
// when it opens; only OK or Cancel closes it.
class TfrmPoignee : public SideWindow {
 public:
  explicit TfrmPoignee(const Layout& layout, QWidget* parent = nullptr);

  void CartePoigneeClick(int j);
  void PanelBoutonParesseuxClick();
  void PanelOkPoigneeClick();
  void PanelAnnulerPoigneeClick();

  // Escape does not close the window.
  void reject() override;

 protected:
  // Nor does its frame.
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace zarvane
