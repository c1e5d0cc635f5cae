#pragma once

#include <initializer_list>

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "table/game.h"
#include "ui/card_thinker.h"
#include "ui/design.h"
#include "ui/glyphs.h"
#include "ui/qt_table_view.h"

class QAction;
class QActionGroup;
class QFrame;
class QIcon;
class QKeySequence;
class QLabel;
class QMenu;
class QPushButton;
class QToolButton;

namespace zarvane {

class CardImage;
class CommandButton;
class HelpWindow;
class TfrmAnalyse;
class TfrmHistorique;
class SideWindow;

// The game window: the table, South's hand, the button bar, the side panels and the menus.
// It owns the game and the screen the presenter draws on; every click, key and timer tick
// becomes a move of the deal, handed to the flow's one entry, or a command of the program.
class TfrmZarvane : public QMainWindow {
 public:
  TfrmZarvane(const Layout& layout, std::string program_folder, QWidget* parent = nullptr);
  ~TfrmZarvane() override;

  Game& game() { return game_; }
  QtTableView& view() { return view_; }
  // The 800 x 534 design area, scaled, in the middle of the window.
  QWidget* surface() const { return surface_; }
  // The other windows, so that the presenter can show and caption them.
  void RegisterWindow(Control control, QWidget* window);

  // The command of a control of the window (its number in a family): a move of the deal or a
  // command of the program, from one table.
  void Run(Control control, int index = 0);

  // The commands that need the window itself.
  void Quit();
  void PlayDealOfACode();

  // The keys: Left and Right move the highlight, Space presses, Enter presses or accepts.
  void LeftKey();
  void RightKey();
  void SpaceKey();
  void EnterKey();

  // The help document of the chosen language in a window of its own.
  void ShowHelp();
  void ShowAbout();
  // The history of the scores, read afresh from its file each time it opens.
  void ShowHistory();
  // The analysis of South's play in the deal just over, thought on a worker.
  void ShowAnalysis();
  TfrmAnalyse* analysis() const { return analysis_; }

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using KeyHandler = void (TfrmZarvane::*)();

  const Layout& layout() const { return game_.table.layout; }
  void ScaleWindow();
  void CreateCommands();
  void CreateButtonBar();
  void CreateDeductionsPanel();
  void CreateSidePanels();
  void CreateTable();
  void CreateBidding();
  void CreateHandAndDog();
  void CreatePoigneeQuestion();
  void CreateResultPanel();
  void CreateMenus();
  void CreateGameMenu();
  void CreateLevelMenu();
  void CreateLookMenu();
  void CreateForceMenu();
  void CreateSpeedMenus();
  void CreateHelpMenu();
  void MakeRadioGroup(std::initializer_list<QAction*> entries);
  void CreateTimers();
  void CreateKeys();
  QList<QWidget*> KeyStops() const;
  void MoveHighlight(int step);
  void KeepHighlightOnAStop();
  int CardImageIndex(const QWidget* widget) const;
  void CreateDeductionCells();
  void PlaceDeductionCells();
  void ScaleDrawnParts();
  void FitLayoutToWindow();
  void CentreSurface();

  void AfterEvent();
  void ShowDealOver(bool over);

  QFrame* NewContainer(Control control, QWidget* parent, DesignRect place, const QColor& fill);
  QLabel* NewPanel(Control control, int index, QWidget* parent, DesignRect place,
                   const QColor& fill, const DesignType& type, const QColor& text = Qt::black);
  QPushButton* NewButton(Control control, QWidget* parent, DesignRect place,
                         const DesignType& type);
  CommandButton* NewBarButton(Control control, int left, QAction* command, const QIcon& icon);
  CardImage* NewCardImage(Control control, int index);
  QAction* NewCommand(Control control, const QString& caption, const QKeySequence& key);
  QAction* NewEntry(QMenu* menu, Control control, const QString& caption, const QKeySequence& key);
  QMenu* NewMenu(QMenu* parent_menu, Control control, const QString& caption);

  QtTableView view_;  // before the game: the game keeps a reference to it
  Game game_;
  // After the game: gone, its worker stopped, before the game it plays in.
  QtCardThinker thinker_;
  QWidget* central_ = nullptr;
  QWidget* surface_ = nullptr;
  QFrame* bar_ = nullptr;
  QFrame* deductions_ = nullptr;
  HelpWindow* help_ = nullptr;
  TfrmHistorique* history_ = nullptr;
  TfrmAnalyse* analysis_ = nullptr;
  // The bar's pictures, drawn again at each new scale.
  std::vector<std::pair<CommandButton*, Glyph>> glyph_buttons_;
  std::vector<QPointer<SideWindow>> side_windows_;
  bool quitting_ = false;
};

}  // namespace zarvane
