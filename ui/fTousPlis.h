#pragma once

#include "ui/side_window.h"

namespace zarvane {

// The eighteen tricks of the deal, revealed card by card.
class TfrmTousPlis : public SideWindow {
 public:
  explicit TfrmTousPlis(const Layout& layout, QWidget* parent = nullptr);

  void PanelEffacerClick();
  void PanelPasApasClick();
  void PanelVoirToutClick();
  void PanelPlisOkClick();
};

}  // namespace zarvane
