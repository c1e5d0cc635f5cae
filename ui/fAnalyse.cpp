#include "ui/fAnalyse.h"

#include <QHideEvent>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

#include "table/analysis_words.h"
#include "table/game.h"
#include "table/review.h"
#include "ui/design.h"
#include "ui/utf8_text.h"

namespace zarvane {

namespace {

constexpr int kWidth = 700;
constexpr int kHeight = 420;

QPushButton* NewPlainButton(QWidget* parent, const Layout& layout, DesignRect place,
                            int type_pixels) {
  auto* button = new QPushButton(parent);
  SetDesignGeometry(button, layout, place);
  SetDesignFont(button, layout, {kSerif, type_pixels, true});
  button->setCursor(Qt::PointingHandCursor);
  return button;
}

// The list sits below the progress bar while the analysis runs, and takes its place after.
constexpr DesignRect kListBelowProgress = {10, 82, 680, 250};
constexpr DesignRect kListInProgressPlace = {10, 46, 680, 286};

}  // namespace

TfrmAnalyse::TfrmAnalyse(const Layout& layout, QWidget* parent)
    : SideWindow(layout, kWidth, kHeight, QColor(0, 64, 64), parent) {
  title_ = new QLabel(this);
  SetDesignGeometry(title_, layout, {10, 8, 680, 30});
  SetDesignFont(title_, layout, {kSerif, 16, true});
  title_->setAlignment(Qt::AlignCenter);
  Paint(title_, QColor(186, 218, 228), QColor(0, 64, 128));
  progress_ = new QProgressBar(this);
  SetDesignGeometry(progress_, layout, {10, 46, 560, 26});
  cancel_ = NewPlainButton(this, layout, {580, 44, 110, 30}, 13);
  connect(cancel_, &QPushButton::clicked, this, [this] { hide(); });
  lines_ = new QListWidget(this);
  SetDesignFont(lines_, layout, {kSans, 12});
  lines_->setWordWrap(true);
  Paint(lines_, QColor(230, 240, 244), Qt::black);
  connect(lines_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { OpenLine(item); });
  connect(lines_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { OpenLine(item); });
  summary_ = new QLabel(this);
  SetDesignGeometry(summary_, layout, {10, 338, 680, 36});
  SetDesignFont(summary_, layout, {kSerif, 13, true});
  summary_->setWordWrap(true);
  Paint(summary_, QColor(186, 218, 228), QColor(0, 64, 128));
  close_ = NewPlainButton(this, layout, {10, 380, 680, 32}, 16);
  connect(close_, &QPushButton::clicked, this, [this] { hide(); });
}

TfrmAnalyse::~TfrmAnalyse() {
  Cancel();
}

void TfrmAnalyse::Start(Game& game) {
  Cancel();
  game_ = &game;
  const AnalysisWords words = AnalysisWordsIn(game.flow.Language);
  setWindowTitle(FromUtf8(words.title));
  title_->setText(FromUtf8(words.running));
  cancel_->setText(FromUtf8(words.cancel));
  close_->setText(FromUtf8(words.close));
  cancel_->show();
  progress_->show();
  SetDesignGeometry(lines_, layout(), kListBelowProgress);
  progress_->setRange(0, 1);
  progress_->setValue(0);
  lines_->clear();
  summary_->clear();
  shown_.clear();
  done_ = false;
  stop_ = std::make_shared<std::atomic<bool>>(false);
  // The worker plays the deal again on its own copy: the window's thread may start another.
  worker_ = std::thread([this, copy = std::make_unique<Flow>(game.flow), stop = stop_] {
    const DealAnalysis analysis =
        AnalyseSouthPlay(*copy, 2, stop.get(), [this, stop](int done, int total) {
          if (!stop->load())
            QMetaObject::invokeMethod(
                this, [this, done, total] { ShowProgress(done, total); }, Qt::QueuedConnection);
        });
    if (stop->load())
      return;
    QMetaObject::invokeMethod(
        this, [this, analysis] { ShowResult(analysis); }, Qt::QueuedConnection);
  });
  show();
  raise();
  activateWindow();
}

void TfrmAnalyse::Cancel() {
  if (stop_)
    stop_->store(true);
  if (worker_.joinable())
    worker_.join();
  done_ = true;
}

void TfrmAnalyse::hideEvent(QHideEvent* event) {
  Cancel();
  SideWindow::hideEvent(event);
}

void TfrmAnalyse::ShowProgress(int done, int total) {
  if (done_)
    return;
  progress_->setRange(0, total);
  progress_->setValue(done);
}

void TfrmAnalyse::ShowResult(const DealAnalysis& analysis) {
  if (done_ || game_ == nullptr)
    return;
  done_ = true;
  if (worker_.joinable())
    worker_.join();
  const int language = game_->flow.Language;
  const AnalysisWords words = AnalysisWordsIn(language);
  title_->setText(FromUtf8(words.title));
  progress_->hide();
  cancel_->hide();
  SetDesignGeometry(lines_, layout(), kListInProgressPlace);
  shown_ = ClearCostsFirst(analysis);
  for (const DecisionCost& decision : shown_)
    lines_->addItem(QString::fromStdString(DecisionLine(game_->flow.state, decision, language)));
  std::string summary = SummaryLine(analysis, language);
  if (!shown_.empty())
    summary += " " + std::string(words.hint);
  summary_->setText(QString::fromStdString(summary));
}

void TfrmAnalyse::OpenLine(QListWidgetItem* item) {
  const int row = lines_->row(item);
  if (game_ == nullptr || row < 0 || row >= static_cast<int>(shown_.size()))
    return;
  const DecisionCost& decision = shown_[static_cast<std::size_t>(row)];
  if (decision.kind != DecisionKind::Card)
    return;
  ShowDecisionTrick(*game_, decision.trick, decision.south_choice, decision.best_choice);
}

}  // namespace zarvane
