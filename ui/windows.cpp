#include "ui/windows.h"
#include "table/game.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace zarvane {

Layout LayoutForPrimaryScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen)
    return ScaleForScreen(kDesignWidth, kDesignHeight, 96);
  const QRect size = screen->geometry();
  return ScaleForScreen(size.width(), size.height(), qRound(screen->logicalDotsPerInch()));
}

std::unique_ptr<Windows> CreateWindows(const Layout& layout, const std::string& program_folder) {
  auto windows = std::make_unique<Windows>();
  windows->frmSplash = std::make_unique<TfrmSplash>(layout);
  windows->frmPliPrecedent = std::make_unique<TfrmPliPrecedent>(layout);
  windows->frmMains = std::make_unique<TfrmMains>(layout);
  windows->frmPoignee = std::make_unique<TfrmPoignee>(layout);
  windows->frmScoreDetaille = std::make_unique<TfrmScoreDetaille>(layout);
  windows->frmZarvane = std::make_unique<TfrmZarvane>(layout, program_folder);
  windows->frmTousPlis = std::make_unique<TfrmTousPlis>(layout);

  TfrmZarvane& game_window = *windows->frmZarvane;
  game_window.RegisterWindow(Control::frmSplash, windows->frmSplash.get());
  game_window.RegisterWindow(Control::frmPliPrecedent, windows->frmPliPrecedent.get());
  game_window.RegisterWindow(Control::frmMains, windows->frmMains.get());
  game_window.RegisterWindow(Control::frmPoignee, windows->frmPoignee.get());
  game_window.RegisterWindow(Control::frmScoreDetaille, windows->frmScoreDetaille.get());
  game_window.RegisterWindow(Control::frmTousPlis, windows->frmTousPlis.get());
  QtTableView& view = game_window.view();
  view.Register(Control::lblCompanyProduct, 0, windows->frmSplash->lblCompanyProduct());
  view.Register(Control::PanelStartFrench, 0, windows->frmSplash->PanelStartFrench());
  view.Register(Control::PanelStartEnglish, 0, windows->frmSplash->PanelStartEnglish());
  Game& game = game_window.game();
  windows->frmPliPrecedent->Attach(game, view);
  windows->frmMains->Attach(game, view);
  windows->frmPoignee->Attach(game, view);
  windows->frmScoreDetaille->Attach(game, view);
  windows->frmTousPlis->Attach(game, view);
  windows->frmSplash->SetGameWindow(&game_window);
  return windows;
}

}  // namespace zarvane
