#pragma once

#include <QDialog>
#include <utility>
#include <vector>

#include "engine/controls.h"
#include "engine/layout.h"

class QLabel;

namespace zarvane {

class QtTableView;

// The detailed score sheet of the deal just ended: the taker's result, line by line.
class TfrmScoreDetaille : public QDialog {
 public:
  explicit TfrmScoreDetaille(const Layout& layout, QWidget* parent = nullptr);

  // The game fills the rows through the same door as the table.
  void RegisterControls(QtTableView& view) const;

  void panelFeuilleScoreClick();

 private:
  QLabel* NewRowPanel(Control control, DesignRect place, const QColor& fill, int type_pixels,
                      const QString& text = QString());

  Layout layout_;
  std::vector<std::pair<Control, QWidget*>> controls_;
};

}  // namespace zarvane
