#pragma once

#include "ui/side_window.h"

namespace zarvane {

// The detailed score sheet of the deal just ended: the taker's result, line by line.
class TfrmScoreDetaille : public SideWindow {
 public:
  explicit TfrmScoreDetaille(const Layout& layout, QWidget* parent = nullptr);

  void panelFeuilleScoreClick();

 private:
  QLabel* NewRowPanel(Control control, DesignRect place, const QColor& fill, int type_pixels,
                      const QString& text = QString());
};

}  // namespace zarvane
