#pragma once

#include <QList>
#include <array>

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
  // Opened, it takes the keys: the game window waits behind it.
  void showEvent(QShowEvent* event) override;

 private:
  // As on the table: Left and Right move the highlight over the trumps and the buttons, Space
  // presses, Enter presses or accepts a complete poignee.
  void CreateKeys();
  QList<QWidget*> KeyStops() const;
  void MoveHighlight(int step);
  void SpaceKey();
  void EnterKey();

  std::array<CardImage*, 18> images_{};
  std::array<QPushButton*, 3> buttons_{};  // lazy, OK, cancel
};

}  // namespace zarvane
