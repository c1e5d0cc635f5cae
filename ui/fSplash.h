#pragma once

#include <QWidget>

#include "table/layout.h"

class QLabel;
class QPushButton;

namespace zarvane {

class TfrmZarvane;

// The opening window, where the player chooses the language. It is the program's main window:
// closing it ends the program, and it stays alive but hidden once a language is chosen.
class TfrmSplash : public QWidget {
 public:
  explicit TfrmSplash(const Layout& layout, QWidget* parent = nullptr);

  // The game window is created after this one; the choice needs it.
  void SetGameWindow(TfrmZarvane* game_window) { game_window_ = game_window; }

  void PanelStartFrenchClick();
  void PanelStartEnglishClick();

  QLabel* lblCompanyProduct() const { return title_; }
  QPushButton* PanelStartFrench() const { return french_; }
  QPushButton* PanelStartEnglish() const { return english_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Left and Right go from one language to the other; Enter, like Space, chooses.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Choose(int language);

  TfrmZarvane* game_window_ = nullptr;
  QLabel* title_;
  QPushButton* french_;
  QPushButton* english_;
};

}  // namespace zarvane
