#pragma once

#include <QDialog>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "flow/deal_analysis.h"
#include "ui/side_window.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QProgressBar;
class QPushButton;

namespace zarvane {

// The analysis of South's play after a deal: it thinks on a worker thread, both cores busy,
// while the window shows its progress and the game stays live; then it lists the decisions
// whose cost is clear, the most costly first. A click on a card's line opens its trick.
class TfrmAnalyse : public SideWindow {
 public:
  explicit TfrmAnalyse(const Layout& layout, QWidget* parent = nullptr);
  ~TfrmAnalyse() override;

  // Starts on a copy of the deal just played, in the game's language.
  void Start(Game& game);
  // Stops the thinking under way, if any: nothing of it comes back.
  void Cancel();
  // True while the worker thinks.
  bool Running() const { return worker_.joinable() && !done_; }

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  void ShowProgress(int done, int total);
  void ShowResult(const DealAnalysis& analysis);
  void OpenLine(QListWidgetItem* item);

  Game* game_ = nullptr;
  QLabel* title_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QListWidget* lines_ = nullptr;
  QLabel* summary_ = nullptr;
  QPushButton* close_ = nullptr;
  std::vector<DecisionCost> shown_;
  std::shared_ptr<std::atomic<bool>> stop_;
  std::thread worker_;
  bool done_ = false;
};

}  // namespace zarvane
