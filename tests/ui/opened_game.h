#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "table/game.h"
#include "ui/windows.h"

namespace zarvane::testing {

// The program's windows as they are created at start, the opening window shown, with the
// working folder moved to a temporary one so the options file never lands in the sources.
class OpenedGame {
 public:
  OpenedGame() : previous_folder_(QDir::currentPath()) {
    QDir::setCurrent(folder_.path());
    windows_ = CreateWindows(LayoutForPrimaryScreen(),
                             QCoreApplication::applicationDirPath().toStdString());
    windows_->frmSplash->show();
  }
  ~OpenedGame() {
    windows_.reset();
    QDir::setCurrent(previous_folder_);
  }
  OpenedGame(const OpenedGame&) = delete;
  OpenedGame& operator=(const OpenedGame&) = delete;

  bool Ready() const { return folder_.isValid() && QDir::currentPath() == folder_.path(); }
  void ChooseFrench() {
    QTest::mouseClick(windows_->frmSplash->PanelStartFrench(), Qt::LeftButton);
  }
  QString FilePath(const QString& name) const { return folder_.filePath(name); }

  TfrmSplash* splash() { return windows_->frmSplash.get(); }
  TfrmZarvane* game_window() { return windows_->frmZarvane.get(); }
  QtTableView& view() { return game_window()->view(); }
  Game& game() { return game_window()->game(); }

 private:
  QTemporaryDir folder_;
  QString previous_folder_;
  std::unique_ptr<Windows> windows_;
};

}  // namespace zarvane::testing
