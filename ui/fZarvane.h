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
class TfrmHistorique;
class SideWindow;

// The game window: the table, South's hand, the button bar, the side panels and the menus.
// It owns the game and the screen the engine draws on; every click and timer tick is handed
// to the engine function of the same name.
class TfrmZarvane : public QMainWindow {
 public:
  TfrmZarvane(const Layout& layout, std::string program_folder, QWidget* parent = nullptr);
  ~TfrmZarvane() override;

  Game& game() { return game_; }
  QtTableView& view() { return view_; }
  // The 800 x 534 design area, scaled, in the middle of the window.
  QWidget* surface() const { return surface_; }
  // The other windows, so that the engine can show and caption them.
  void RegisterWindow(Control control, QWidget* window);

  void FormClick();
  void TableRondeMouseDown();
  void PanelDecClick(int seat);
  void Carte3DClick(int k);
  void CarteChienClick(int i);
  void CarteTableClick(int seat);
  void panelScoreTotalClick(int seat);

  void menuNewGameClick();
  void PanelLancementClick();
  void PanelPanelNewPartieClick();
  void menuGameAgainClick();
  void panelRejouerDonneClick();
  void menuInitScoresClick();
  void menuQuitClick();

  void menuScoresGlobauxClick();
  void menuConseilEnchClick();
  void menuPointsPartieEnCoursClick();
  void menuDeductionsClick();
  void SBFondEcranClick();

  void menuDebutantClick();
  void menuAmateurClick();
  void menuBonClick();
  void menuProClick();
  void menuExpertClick();
  void menuForceDefenseClick();
  void menuForceNormaleClick();
  void menuForcePriseClick();
  void menuForceGardeClick();
  void menuForceGardeSansClick();
  void menuForceGardeContreClick();
  void menuAtLeastClick();
  void menuEscargotClick();
  void menuLentClick();
  void menuNormalClick();
  void menuRapideClick();
  void menuInstantaneClick();
  void menuClickObligatoireClick();
  void menuUneSecondeClick();
  void menuDeuxSecondesClick();
  void menuCinqSecondesClick();

  void menuSommaireClick();
  void menuAproposClick();

  void ButtonPasseClick();
  void ButtonPriseClick();
  void ButtonGardeClick();
  void ButtonGardeSansClick();
  void ButtonGardeContreClick();
  void evMaMainClick();
  void PanelConfirmeEcartClick();
  void PanelPoigneeSimpleClick();
  void PanelPoigneeDoubleClick();
  void PanelPoigneeTripleClick();
  void PanelPoigneeAucuneClick();
  void menuPreviousTrickClick();
  void menuHistoriqueClick();
  void menuJouerDonneClick();
  void menuConseilCarteClick();
  void PanelVoirMainsClick();
  void PanelVoirPlisClick();
  void PanelScoreDetailleClick();

  void TimerEnchereTimer();
  void TimerEntreCarteTimer();
  void TimerTransitionTimer();
  void TimerCopieTimer();

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

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using Handler = void (TfrmZarvane::*)();
  using FamilyHandler = void (TfrmZarvane::*)(int);

  const Layout& layout() const { return game_.layout; }
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

  // Runs a handler, then puts back any tick Qt flipped on its own: the engine sets them all.
  void Run(Handler handler);
  void Run(FamilyHandler handler, int index);

  QFrame* NewContainer(Control control, QWidget* parent, DesignRect place, const QColor& fill);
  QLabel* NewPanel(Control control, int index, QWidget* parent, DesignRect place,
                   const QColor& fill, const DesignType& type, const QColor& text = Qt::black);
  QPushButton* NewButton(Control control, QWidget* parent, DesignRect place, const DesignType& type,
                         Handler handler);
  CommandButton* NewBarButton(Control control, int left, QAction* command, const QIcon& icon);
  CardImage* NewCardImage(Control control, int index, FamilyHandler handler);
  QAction* NewCommand(Control control, const QString& caption, Handler handler,
                      const QKeySequence& key);
  QAction* NewEntry(QMenu* menu, Control control, const QString& caption, Handler handler,
                    const QKeySequence& key);
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
  // The bar's pictures, drawn again at each new scale.
  std::vector<std::pair<CommandButton*, Glyph>> glyph_buttons_;
  std::vector<QPointer<SideWindow>> side_windows_;
  bool quitting_ = false;
};

}  // namespace zarvane
