#include "ui/fZarvane.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <utility>

#include "core/scoring.h"
#include "flow/deal_flow.h"
#include "flow/deal_saving.h"
#include "flow/moves.h"
#include "flow/options_flow.h"
#include "flow/start.h"
#include "settings/score_history.h"
#include "table/analysis_words.h"
#include "table/deal_code_words.h"
#include "table/history_words.h"
#include "table/language.h"
#include "table/relayout.h"
#include "table/review.h"
#include "ui/card_faces.h"
#include "ui/design.h"
#include "ui/fAnalyse.h"
#include "ui/fHistorique.h"
#include "ui/glyphs.h"
#include "ui/help_window.h"
#include "ui/play_code_dialog.h"
#include "ui/side_window.h"
#include "ui/widgets.h"

namespace zarvane {

namespace {

const QColor kSilver(192, 192, 192);
const QColor kBarBlue(0, 128, 192);
const QColor kPanelGreen(0, 128, 64);
const QColor kTakerBlue(133, 183, 237);
const QColor kBidBarBlue(0, 64, 128);
const QColor kTableGreen(62, 145, 109);

constexpr DesignRect kPanelHaut{2, 4, 793, 29};
constexpr DesignRect kInfo{318, 3, 472, 23};
constexpr int kBarButtonTop = 4;
constexpr int kBarButtonSize = 22;

// The deductions panel: the four suit columns from its top, then its title, the trump line
// and the three oudlers below them.
constexpr DesignRect kPanelDeductions{5, 37, 140, 260};
constexpr DesignRect kPanelInfoDeductions{5, 200, 130, 17};
constexpr DesignRect kPanelAtoutMax{6, 219, 63, 20};
constexpr DesignRect kPanelAtExt{72, 219, 63, 20};
constexpr int kSuitImageLefts[4] = {6, 39, 72, 105};
constexpr int kSuitImageTop = 3;
constexpr int kSuitImageSize = 30;
constexpr DesignRect kOudlers[3] = {{6, 242, 40, 16}, {50, 242, 40, 16}, {94, 242, 41, 16}};

constexpr DesignRect kPanelNiveau{673, 39, 105, 18};
constexpr DesignRect kPanelPreneur{693, 61, 64, 18};
constexpr DesignRect kPanelEnchere{660, 83, 131, 18};
constexpr DesignRect kPanneauScores{696, 106, 63, 147};
constexpr DesignRect kPointsAttaque{13, 5, 35, 27};
constexpr DesignRect kBoutsPreneur{20, 34, 21, 20};
constexpr DesignRect kContrat{5, 60, 53, 28};
constexpr DesignRect kBoutsDefense{21, 94, 21, 20};
constexpr DesignRect kPointsDefense{15, 116, 35, 26};

// South, East, North, West.
constexpr DesignRect kPanelDec[4] = {
    {306, 258, 180, 50}, {411, 181, 180, 50}, {301, 106, 180, 50}, {192, 181, 180, 50}};
constexpr DesignRect kPanelScoreTotal[4] = {
    {314, 266, 165, 35}, {418, 188, 165, 35}, {308, 113, 165, 35}, {199, 188, 165, 35}};
// The strategy's notes, never shown: beside each seat's place.
constexpr DesignRect kPanelRegle[4] = {
    {380, 380, 40, 16}, {600, 120, 40, 16}, {380, 20, 40, 16}, {160, 120, 40, 16}};

constexpr DesignRect kPanelLancement{209, 138, 371, 127};
constexpr DesignRect kPanelPoignee{311, 242, 168, 170};
constexpr DesignRect kPanelConfirmeEcart{299, 310, 186, 29};
constexpr int kBidButtonLefts[5] = {5, 117, 229, 341, 453};
constexpr DesignRect kEvMaMain{5, 28, 558, 26};

constexpr DesignRect kPanelResultat{4, 413, 790, 117};
// The result's text leaves room at its right for the analysis of South's play.
constexpr DesignRect kPanelTexteResultat{6, 5, 650, 71};
constexpr DesignRect kPanelAnalyse{660, 5, 124, 71};

// The gap between two cells of a suit column.
int CellGap(const Layout& layout) {
  return RoundHalfEven(3 * layout.XScale);
}

}  // namespace

TfrmZarvane::TfrmZarvane(const Layout& layout, std::string program_folder, QWidget* parent)
    : QMainWindow(parent), game_(view_), thinker_([this](std::uint32_t ticket, int slot) {
        DeliverThoughtCard(game_.flow, ticket, slot);
        AfterEvent();
      }) {
  game_.flow.thinker = &thinker_;
  game_.table.layout = layout;
  game_.table.ProgramFolder = std::move(program_folder);
  view_.SetLayout(&game_.table.layout);
  view_.SetLanguage(&game_.flow.Language);
  view_.SetDialogParent(this);
  view_.Register(Control::frmZarvane, 0, this);

  ScaleWindow();
  CreateTimers();
  CreateKeys();
  // The faces are rendered into the one cache the first time a card is shown.
  CardFaces();
  CreateDeductionCells();
  setWindowTitle(kWindowTitle);
  ComputeLayout(game_.table.layout);
  ScaleDrawnParts();
  setMinimumSize(kDesignWidth, kDesignHeight);
  game_.flow.ResumePath = ResumePathBeside(game_.flow.OptionsPath);
  StartUp(game_.flow);
  view_.SyncChecks();
  if (const QScreen* on = screen())
    setGeometry(on->availableGeometry());
  setWindowState(Qt::WindowMaximized);
}

TfrmZarvane::~TfrmZarvane() = default;

void TfrmZarvane::RegisterWindow(Control control, QWidget* window) {
  view_.Register(control, 0, window);
  if (auto* side = dynamic_cast<SideWindow*>(window))
    side_windows_.push_back(side);
}

void TfrmZarvane::ScaleWindow() {
  SetDesignFont(this, layout(), {kSans, 11});
  central_ = new QWidget(this);
  setCentralWidget(central_);
  central_->installEventFilter(this);
  view_.SetBackgroundWidget(central_);
  Paint(central_, FromColourValue(game_.flow.state.options.BackgroundColour));
  surface_ = new QWidget(central_);
  surface_->setObjectName(QStringLiteral("surface"));
  surface_->setGeometry(layout().SurfaceLeft, 0, layout().SurfaceWidth, layout().SurfaceHeight);
  OnBackgroundClick(central_, surface_, [this] { Run(Control::frmZarvane); });
  OnBackgroundClick(surface_, surface_, [this] { Run(Control::frmZarvane); });

  CreateCommands();
  // Created from the bottom of the pile to the top: the table under the cards, the bubbles
  // and the result above them.
  CreateButtonBar();
  CreateDeductionsPanel();
  CreateSidePanels();
  CreateTable();
  CreateBidding();
  CreateHandAndDog();
  CreatePoigneeQuestion();
  CreateResultPanel();
  CreateMenus();
}

QFrame* TfrmZarvane::NewContainer(Control control, QWidget* parent, DesignRect place,
                                  const QColor& fill) {
  auto* frame = new QFrame(parent);
  SetDesignGeometry(frame, layout(), place);
  frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Paint(frame, fill);
  view_.Register(control, 0, frame);
  return frame;
}

QLabel* TfrmZarvane::NewPanel(Control control, int index, QWidget* parent, DesignRect place,
                              const QColor& fill, const DesignType& type, const QColor& text) {
  auto* panel = new QLabel(parent);
  SetDesignGeometry(panel, layout(), place);
  panel->setAlignment(Qt::AlignCenter);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  SetDesignFont(panel, layout(), type);
  Paint(panel, fill, text);
  view_.Register(control, index, panel);
  return panel;
}

QPushButton* TfrmZarvane::NewButton(Control control, QWidget* parent, DesignRect place,
                                    const DesignType& type) {
  auto* button = new QPushButton(parent);
  SetDesignGeometry(button, layout(), place);
  SetDesignFont(button, layout(), type);
  view_.Register(control, 0, button);
  connect(button, &QPushButton::clicked, this, [this, control] { Run(control); });
  return button;
}

CommandButton* TfrmZarvane::NewBarButton(Control control, int left, QAction* command,
                                         const QIcon& icon) {
  auto* button = new CommandButton(command, icon, bar_);
  SetDesignGeometry(button, layout(), {left, kBarButtonTop, kBarButtonSize, kBarButtonSize});
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setIconSize(button->size() - QSize(6, 6));
  view_.Register(control, 0, button);
  return button;
}

CardImage* TfrmZarvane::NewCardImage(Control control, int index) {
  auto* image = new CardImage(surface_);
  image->resize(layout().CardWidth, layout().CardHeight);
  image->hide();
  view_.Register(control, index, image);
  OnClick(image, [this, control, index] { Run(control, index); });
  return image;
}

void TfrmZarvane::CreateButtonBar() {
  bar_ = NewContainer(Control::PanelHaut, surface_, kPanelHaut, kBarBlue);
  const int glyph = ScaleFont(layout(), 16);
  // Each button runs the command of a menu entry: the two can never disagree.
  const auto with_icon = [this, glyph](Control control, int left, Control command, Glyph icon) {
    glyph_buttons_.emplace_back(
        NewBarButton(control, left, view_.Action(command), GlyphIcon(icon, glyph)), icon);
  };
  // A button without an icon shows its command's icon text, which no menu shows.
  const auto with_text = [this](Control control, int left, Control command, const QString& text,
                                const DesignType& type) {
    view_.Action(command)->setIconText(text);
    CommandButton* button = NewBarButton(control, left, view_.Action(command), QIcon());
    SetDesignFont(button, layout(), type);
    return button;
  };

  with_icon(Control::SBNewGame, 3, Control::menuNewGame, Glyph::NewDeal);
  with_icon(Control::SBGameAgain, 27, Control::menuGameAgain, Glyph::Replay);
  with_text(Control::SBInitScores, 50, Control::menuInitScores, QStringLiteral("0"),
            DesignType{kSans, 14, true});
  CommandButton* quit = with_text(Control::SBQuitter, 73, Control::menuQuit, QStringLiteral("Q"),
                                  {QStringLiteral("Comic Sans MS"), 15, true});
  QFont comic = quit->font();
  comic.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("DejaVu Sans"), kSans});
  quit->setFont(comic);
  with_icon(Control::SBVoirScoresGlobaux, 102, Control::menuScoresGlobaux, Glyph::Scores);
  // The "D" of the Symbol face reads as a capital delta.
  with_text(Control::SBVoirDeductions, 125, Control::menuDeductions, QString(QChar(0x0394)),
            DesignType{kSerif, 16, true});
  with_icon(Control::SBVoirPliPrecedent, 150, Control::menuPreviousTrick, Glyph::PreviousTrick);
  with_icon(Control::SBConseilCarte, 172, Control::menuConseilCarte, Glyph::CardAdvice);

  with_icon(Control::SBFondEcran, 195, Control::menuCouleurFond, Glyph::Colour);
  with_icon(Control::SBAide, 238, Control::menuSommaire, Glyph::Help);

  QLabel* info = NewPanel(Control::info, 0, bar_, kInfo, QColor(132, 213, 217),
                          DesignType{kSerif, 16, true}, QColor(0, 64, 0));
  info->setFrameStyle(QFrame::NoFrame);
  info->setWordWrap(true);
}

void TfrmZarvane::CreateDeductionsPanel() {
  deductions_ = NewContainer(Control::PanelDeductions, surface_, kPanelDeductions, kPanelGreen);
  const DesignType small{kSans, 11, true};
  QLabel* title = NewPanel(Control::PanelInfoDeductions, 0, deductions_, kPanelInfoDeductions,
                           kPanelGreen, DesignType{kSerif, 14, true}, Qt::white);
  title->setFrameStyle(QFrame::NoFrame);
  title->setText(QStringLiteral("Déductions"));
  NewPanel(Control::PanelAtoutMax, 0, deductions_, kPanelAtoutMax, kSilver, small);
  NewPanel(Control::PanelAtExt, 0, deductions_, kPanelAtExt, kSilver, small);

  const Control images[4] = {Control::ImagePique, Control::ImageCoeur, Control::ImageTrefle,
                             Control::ImageCarreau};
  for (int suit = 1; suit <= 4; ++suit) {
    auto* image = new QLabel(deductions_);
    SetDesignGeometry(image, layout(),
                      {kSuitImageLefts[suit - 1], kSuitImageTop, kSuitImageSize, kSuitImageSize});
    image->setAlignment(Qt::AlignCenter);
    view_.Register(images[suit - 1], 0, image);
  }

  const Control oudlers[3] = {Control::Panel21, Control::PanelPetit, Control::PanelExcuse};
  const char* captions[3] = {"21", "1", "Exc"};
  for (int i = 0; i < 3; ++i) {
    QLabel* panel = NewPanel(oudlers[i], 0, deductions_, kOudlers[i], kSilver, small);
    panel->setText(QString::fromLatin1(captions[i]));
    panel->hide();
  }
}

// Under each suit symbol the four honours, king to jack, then the count of the suit still out;
// ScaleDrawnParts places them.
void TfrmZarvane::CreateDeductionCells() {
  // Type size 12, in points like the bid bubbles' sizes.
  const DesignType font{kSans, PointsToDesignPixels(12), true};
  for (int suit = 1; suit <= 4; ++suit) {
    for (int c = 1; c <= 4; ++c) {
      // Lettered by the language step, like the card faces.
      auto* cell = new QLabel(deductions_);
      cell->setAlignment(Qt::AlignCenter);
      cell->setFrameStyle(QFrame::Panel | QFrame::Raised);
      SetDesignFont(cell, layout(), font);
      Paint(cell, kSilver, Qt::black);
      cell->hide();
      view_.Register(Control::HonourCell, (suit - 1) * 4 + c, cell);
    }
    auto* count = new QLabel(deductions_);
    count->setAlignment(Qt::AlignCenter);
    count->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    SetDesignFont(count, layout(), font);
    Paint(count, QColor(133, 228, 159), Qt::black);
    view_.Register(Control::CountLabel, suit, count);
  }
}

// The symbols drawn at their size, and the cells stacked from the scaled symbol so the gaps
// stay even at any scale.
void TfrmZarvane::PlaceDeductionCells() {
  const Control images[4] = {Control::ImagePique, Control::ImageCoeur, Control::ImageTrefle,
                             Control::ImageCarreau};
  const int gap = CellGap(layout());
  for (int suit = 1; suit <= 4; ++suit) {
    auto* symbol = static_cast<QLabel*>(view_.Widget(images[suit - 1]));
    symbol->setPixmap(SuitSymbol(suit, std::min(symbol->width(), symbol->height())));
    const QRect image = symbol->geometry();
    for (int c = 1; c <= 5; ++c) {
      QWidget* cell = c <= 4 ? view_.Widget(Control::HonourCell, (suit - 1) * 4 + c)
                             : view_.Widget(Control::CountLabel, suit);
      cell->setGeometry(image.left(), image.top() + c * (image.height() + gap), image.width(),
                        image.height());
    }
  }
}

void TfrmZarvane::CreateSidePanels() {
  NewPanel(Control::PanelNiveau, 0, surface_, kPanelNiveau, kSilver, DesignType{kSerif, 13, true});
  const DesignType taker{kSans, 11, true};
  NewPanel(Control::PanelPreneur, 0, surface_, kPanelPreneur, kTakerBlue, taker)->hide();
  NewPanel(Control::PanelEnchere, 0, surface_, kPanelEnchere, kTakerBlue, taker)->hide();

  QFrame* scores = NewContainer(Control::PanneauScores, surface_, kPanneauScores, kPanelGreen);
  const DesignType points{kSerif, 19};
  const DesignType bouts{kSans, 11, true};
  NewPanel(Control::nPointsAttaque, 0, scores, kPointsAttaque, kSilver, points);
  NewPanel(Control::nBoutsPreneur, 0, scores, kBoutsPreneur, kSilver, bouts);
  NewPanel(Control::nContrat, 0, scores, kContrat, QColor(136, 247, 186), DesignType{kSerif, 27});
  NewPanel(Control::nBoutsDefense, 0, scores, kBoutsDefense, kSilver, bouts);
  NewPanel(Control::nPointsDefense, 0, scores, kPointsDefense, kSilver, points);
}

void TfrmZarvane::CreateTable() {
  auto* table = new Shape(Shape::Kind::Ellipse, kTableGreen, surface_);
  SetDesignGeometry(table, layout(), kTableRonde);
  table->hide();
  view_.Register(Control::TableRonde, 0, table);
  OnClick(
      table, [this] { Run(Control::TableRonde); }, ClickMoment::Press);

  for (int seat = 1; seat <= 4; ++seat) {
    auto* frame = new Shape(Shape::Kind::Rectangle, SeatColour(seat), surface_);
    const QRect card = Scaled(layout(), kCarteTable[seat - 1]);
    frame->move(card.left() - RoundHalfEven(5 * layout().XScale),
                card.top() - RoundHalfEven(5 * layout().YScale));
    frame->hide();
    view_.Register(Control::CadrePreneur, seat, frame);
  }
  for (int seat = 1; seat <= 4; ++seat) {
    CardImage* card = NewCardImage(Control::CarteTable, seat);
    SetDesignGeometry(card, layout(), kCarteTable[seat - 1]);
  }
  for (int i = 1; i <= 6; ++i) {
    CardImage* dog = NewCardImage(Control::CarteChien, i);
    dog->move(layout().DogLeft + (i - 1) * layout().CardStep, layout().TableCentreY);
  }

  const DesignType bubble{kSerif, 13};
  for (int seat = 1; seat <= 4; ++seat) {
    QLabel* panel =
        NewPanel(Control::PanelDec, seat, surface_, kPanelDec[seat - 1], SeatColour(seat), bubble);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->hide();
    OnClick(panel, [this, seat] { Run(Control::PanelDec, seat); });
  }
  // Each total sits inside its seat's bid bubble: made after the bubbles, it stands over them,
  // so that the totals asked for during the auction are seen, and the bids again once hidden.
  const DesignType total{kSerif, 21};
  for (int seat = 1; seat <= 4; ++seat) {
    QLabel* panel = NewPanel(Control::panelScoreTotal, seat, surface_, kPanelScoreTotal[seat - 1],
                             SeatColour(seat), total);
    panel->hide();
    OnClick(panel, [this, seat] { Run(Control::panelScoreTotal, seat); });
  }

  QPushButton* start =
      NewButton(Control::PanelLancement, surface_, kPanelLancement, DesignType{kSerif, 21});
  start->setText(QStringLiteral("Cliquez ici pour commencer à jouer !"));
  start->setCursor(Qt::PointingHandCursor);
}

void TfrmZarvane::CreateBidding() {
  QFrame* bar = NewContainer(Control::BarreEnchere, surface_, kBarreEnchere, kBidBarBlue);
  bar->hide();
  const DesignType font{kSans, 11, true};
  const Control buttons[5] = {Control::ButtonPasse, Control::ButtonPrise, Control::ButtonGarde,
                              Control::ButtonGardeSans, Control::ButtonGardeContre};
  for (int code = 0; code <= 4; ++code)
    NewButton(buttons[code], bar, {kBidButtonLefts[code], 4, 110, 21}, font);
  NewButton(Control::evMaMain, bar, kEvMaMain, font);

  QPushButton* confirm = NewButton(Control::PanelConfirmeEcart, surface_, kPanelConfirmeEcart,
                                   DesignType{kSerif, 13, true});
  confirm->setText(QStringLiteral("Accepter cet écart"));
  confirm->setCursor(Qt::PointingHandCursor);
  confirm->hide();
}

void TfrmZarvane::CreateHandAndDog() {
  for (int k = 1; k <= 24; ++k) {
    CardImage* card = NewCardImage(Control::Carte3D, k);
    card->move(layout().HandLeft + ((k - 1) % 18) * layout().CardStep, layout().HandTop);
  }
}

void TfrmZarvane::CreatePoigneeQuestion() {
  QFrame* panel = NewContainer(Control::PanelPoignee, surface_, kPanelPoignee, QColor(0, 128, 128));
  panel->hide();
  const DesignType font{kSerif, 13, true};
  const Control buttons[4] = {Control::PanelPoigneeSimple, Control::PanelPoigneeDouble,
                              Control::PanelPoigneeTriple, Control::PanelPoigneeAucune};
  const char* captions[4] = {"Poignée SIMPLE", "Poignée DOUBLE", "Poignée TRIPLE", "Aucune"};
  for (int i = 0; i < 4; ++i) {
    QPushButton* button = NewButton(buttons[i], panel, {6, 7 + 41 * i, 156, 34}, font);
    button->setText(QString::fromUtf8(captions[i]));
    button->setCursor(Qt::PointingHandCursor);
  }
}

void TfrmZarvane::CreateResultPanel() {
  QFrame* result = NewContainer(Control::PanelResultat, surface_, kPanelResultat, kBidBarBlue);
  Paint(result, kBidBarBlue, Qt::yellow);
  result->hide();
  result->installEventFilter(this);
  QLabel* text = NewPanel(Control::PanelTexteResultat, 0, result, kPanelTexteResultat,
                          QColor(186, 218, 228), DesignType{kSerif, 27}, QColor(0, 64, 128));
  text->setWordWrap(true);

  const DesignType font{kSerif, 13, true};
  struct ResultButton {
    Control control;
    DesignRect place;
    const char* caption;
  };
  const ResultButton buttons[] = {
      {Control::panelRejouerDonne, {7, 80, 150, 30}, "REJOUER LA DONNE"},
      {Control::PanelVoirMains, {160, 80, 150, 30}, "VOIR LES MAINS"},
      {Control::PanelVoirPlis, {312, 80, 150, 30}, "VOIR LES 18 PLIS"},
      {Control::PanelScoreDetaille, {465, 80, 150, 30}, "SCORES"},
  };
  for (const ResultButton& b : buttons) {
    QPushButton* button = NewButton(b.control, result, b.place, font);
    button->setText(QString::fromUtf8(b.caption));
    button->setCursor(Qt::PointingHandCursor);
  }
  QPushButton* analyse =
      NewButton(Control::PanelAnalyse, result, kPanelAnalyse, DesignType{kSerif, 16, true});
  analyse->setCursor(Qt::PointingHandCursor);
  QPushButton* again = NewButton(Control::PanelPanelNewPartie, result, {618, 80, 166, 30},
                                 DesignType{kSerif, 16, true});
  again->setText(QStringLiteral("NOUVELLE DONNE"));
  again->setCursor(Qt::PointingHandCursor);

  for (int seat = 1; seat <= 4; ++seat) {
    QLabel* rule = NewPanel(Control::PanelRegle, seat, surface_, kPanelRegle[seat - 1], kSilver,
                            DesignType{kSans, 11});
    rule->hide();
  }
}

QAction* TfrmZarvane::NewCommand(Control control, const QString& caption, const QKeySequence& key) {
  auto* action = new QAction(caption, this);
  action->setShortcut(key);
  view_.Register(control, 0, action);
  connect(action, &QAction::triggered, this, [this, control] { Run(control); });
  return action;
}

QAction* TfrmZarvane::NewEntry(QMenu* menu, Control control, const QString& caption,
                               const QKeySequence& key) {
  QAction* action = NewCommand(control, caption, key);
  menu->addAction(action);
  return action;
}

QMenu* TfrmZarvane::NewMenu(QMenu* parent_menu, Control control, const QString& caption) {
  QMenu* menu = parent_menu ? parent_menu->addMenu(caption) : menuBar()->addMenu(caption);
  SetDesignFont(menu, layout(), {kSans, 12});
  view_.Register(control, 0, menu->menuAction());
  return menu;
}

void TfrmZarvane::CreateMenus() {
  SetDesignFont(menuBar(), layout(), {kSans, 12});
  CreateGameMenu();
  CreateLevelMenu();
  CreateLookMenu();
  CreateForceMenu();
  CreateSpeedMenus();
  CreateHelpMenu();
}

// The entries of one option: Qt keeps one ticked, the options say which.
void TfrmZarvane::MakeRadioGroup(std::initializer_list<QAction*> entries) {
  auto* group = new QActionGroup(this);
  for (QAction* entry : entries) {
    entry->setCheckable(true);
    group->addAction(entry);
  }
}

// The commands of both the menus and the tool bar, made once for both.
void TfrmZarvane::CreateCommands() {
  NewCommand(Control::menuNewGame, QStringLiteral("&Nouvelle partie"), QKeySequence(Qt::Key_F2));
  NewCommand(Control::menuGameAgain, QStringLiteral("Redémarrer la partie"),
             QKeySequence(Qt::Key_F3))
      ->setEnabled(false);
  NewCommand(Control::menuInitScores, QStringLiteral("&Initialiser les scores"),
             QKeySequence(Qt::Key_F4));
  NewCommand(Control::menuQuit, QStringLiteral("&Quitter"), QKeySequence(Qt::Key_F9));
  NewCommand(Control::menuScoresGlobaux, QStringLiteral("Les scores globaux"),
             QKeySequence(Qt::Key_F5))
      ->setCheckable(true);
  NewCommand(Control::menuDeductions, QStringLiteral("Les déductions"), QKeySequence(Qt::Key_F8))
      ->setCheckable(true);
  NewCommand(Control::menuPreviousTrick, QStringLiteral("Le pli précédent"),
             QKeySequence(Qt::Key_F12))
      ->setEnabled(false);
  NewCommand(Control::menuConseilCarte, QStringLiteral("Conseil"), QKeySequence(Qt::Key_F11))
      ->setEnabled(false);
  NewCommand(Control::menuSommaire, QStringLiteral("Sommaire"), QKeySequence(Qt::Key_F1));
  NewCommand(Control::menuCouleurFond, QStringLiteral("&Couleur du fond d'écran..."),
             QKeySequence(Qt::CTRL | Qt::Key_B));
}

void TfrmZarvane::CreateGameMenu() {
  QMenu* game = NewMenu(nullptr, Control::menuZarvane, QStringLiteral("&Zarvane"));
  game->addAction(view_.Action(Control::menuNewGame));
  game->addAction(view_.Action(Control::menuGameAgain));
  QAction* by_code = NewEntry(game, Control::menuJouerDonne, QStringLiteral("&Jouer une donne..."),
                              QKeySequence(Qt::CTRL | Qt::Key_D));
  // Off the language step, like the history's entry: its caption comes as the menu opens.
  connect(game, &QMenu::aboutToShow, this, [this, by_code] {
    const std::string_view caption = DealCodeWordsIn(game_.flow.Language).menu_entry;
    if (!caption.empty())
      by_code->setText(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
  });
  game->addSeparator();
  game->addAction(view_.Action(Control::menuInitScores));
  game->addSeparator();
  game->addAction(view_.Action(Control::menuQuit));
}

void TfrmZarvane::CreateLevelMenu() {
  const QKeySequence none;
  QMenu* level = NewMenu(nullptr, Control::menuLevel, QStringLiteral("&Niveau"));
  MakeRadioGroup({NewEntry(level, Control::menuDebutant, QStringLiteral("&Débutant"), none),
                  NewEntry(level, Control::menuAmateur, QStringLiteral("&Amateur"), none),
                  NewEntry(level, Control::menuBon, QStringLiteral("&Bon"), none),
                  NewEntry(level, Control::menuPro, QStringLiteral("&Pro"), none),
                  NewEntry(level, Control::menuExpert, QStringLiteral("&Expert"), none)});
}

void TfrmZarvane::CreateLookMenu() {
  QMenu* look = NewMenu(nullptr, Control::menuVoir, QStringLiteral("&Voir"));
  look->addAction(view_.Action(Control::menuScoresGlobaux));
  NewEntry(look, Control::menuConseilEnch, QStringLiteral("Le conseil d'enchère"),
           QKeySequence(Qt::Key_F6))
      ->setCheckable(true);
  NewEntry(look, Control::menuPointsPartieEnCours,
           QStringLiteral("Les points de la partie en cours"), QKeySequence(Qt::Key_F7))
      ->setCheckable(true);
  look->addAction(view_.Action(Control::menuDeductions));
  look->addSeparator();
  look->addAction(view_.Action(Control::menuPreviousTrick));
  look->addAction(view_.Action(Control::menuConseilCarte));
  look->addSeparator();
  QAction* history = NewEntry(look, Control::menuHistorique, QStringLiteral("&Historique"),
                              QKeySequence(Qt::CTRL | Qt::Key_H));
  QAction* colour = view_.Action(Control::menuCouleurFond);
  look->addAction(colour);
  QAction* analysis = NewEntry(look, Control::menuAnalyse, QStringLiteral("A&nalyse de la donne"),
                               QKeySequence(Qt::CTRL | Qt::Key_A));
  analysis->setEnabled(false);
  // The entries stay off the language step, whose every caption is part of the recorded course
  // of a game: they take the language's caption as the menu opens.
  connect(look, &QMenu::aboutToShow, this, [this, history, colour, analysis] {
    const auto caption = [](QAction* entry, std::string_view text) {
      if (!text.empty())
        entry->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    };
    caption(history, HistoryWordsIn(game_.flow.Language).menu_entry);
    caption(colour, ColourEntryCaption(game_.flow.Language));
    caption(analysis, AnalysisWordsIn(game_.flow.Language).menu_entry);
  });
}

void TfrmZarvane::CreateForceMenu() {
  const QKeySequence none;
  QMenu* force = NewMenu(nullptr, Control::menuForce, QStringLiteral("&Force des mains"));
  MakeRadioGroup(
      {NewEntry(force, Control::menuForceNormale, QStringLiteral("&Normale (aléatoire)"), none),
       NewEntry(force, Control::menuForcePrise, QStringLiteral("&Prise"), none),
       NewEntry(force, Control::menuForceGarde, QStringLiteral("&Garde"), none),
       NewEntry(force, Control::menuForceGardeSans, QStringLiteral("Garde &Sans"), none),
       NewEntry(force, Control::menuForceGardeContre, QStringLiteral("Garde &Contre"), none),
       NewEntry(force, Control::menuForceDefense, QStringLiteral("&Défense (faible)"), none)});
  force->addSeparator();
  NewEntry(force, Control::menuAtLeast, QStringLiteral("Au moins une main quelconque de PRISE"),
           none)
      ->setCheckable(true);
}

void TfrmZarvane::CreateSpeedMenus() {
  const QKeySequence none;
  QMenu* speeds = NewMenu(nullptr, Control::menuVitesses, QStringLiteral("Vitesses"));
  QMenu* cards = NewMenu(speeds, Control::menuJeuDeLaCarte, QStringLiteral("Jeu de la carte..."));
  MakeRadioGroup({NewEntry(cards, Control::menuInstantane, QStringLiteral("&Instantané"), none),
                  NewEntry(cards, Control::menuRapide, QStringLiteral("&Rapide"), none),
                  NewEntry(cards, Control::menuNormal, QStringLiteral("&Normal"), none),
                  NewEntry(cards, Control::menuLent, QStringLiteral("&Lent"), none),
                  NewEntry(cards, Control::menuEscargot, QStringLiteral("&Escargot"), none)});
  QMenu* waits = NewMenu(speeds, Control::menuAttenteEntreChaquePli,
                         QStringLiteral("Attente entre chaque pli..."));
  QAction* click =
      NewEntry(waits, Control::menuClickObligatoire, QStringLiteral("Click &Obligatoire"), none);
  waits->addSeparator();
  MakeRadioGroup(
      {click, NewEntry(waits, Control::menuUneSeconde, QStringLiteral("&Une seconde"), none),
       NewEntry(waits, Control::menuDeuxSecondes, QStringLiteral("&Deux secondes"), none),
       NewEntry(waits, Control::menuCinqSecondes, QStringLiteral("&Cinq secondes"), none)});
}

void TfrmZarvane::CreateHelpMenu() {
  QMenu* help = NewMenu(nullptr, Control::menuAide, QStringLiteral("&Aide"));
  help->addAction(view_.Action(Control::menuSommaire));
  NewEntry(help, Control::menuApropos, QStringLiteral("A propos"), QKeySequence());
}

void TfrmZarvane::CreateTimers() {
  // The deal's timers tick as moves; the Copy button's puts its caption back.
  const auto tick = [this](TimerId timer, MoveKind kind) {
    view_.OnTimer(timer, [this, kind] {
      Apply(game_.flow, Move{kind});
      AfterEvent();
    });
  };
  tick(TimerId::TimerEnchere, MoveKind::BidTick);
  tick(TimerId::TimerEntreCarte, MoveKind::CardTick);
  tick(TimerId::TimerTransition, MoveKind::TransitionTick);
  view_.OnTimer(TimerId::TimerCopie, [this] {
    TimerCopieTimer(game_);
    AfterEvent();
  });
}

// What the design does not give as a rectangle: the card images and the taker's frames at the
// card size, the bubbles' bevel, the deductions' cells and the bar's pictures.
void TfrmZarvane::ScaleDrawnParts() {
  const QSize card(layout().CardWidth, layout().CardHeight);
  for (int k = 1; k <= 24; ++k)
    view_.Widget(Control::Carte3D, k)->resize(card);
  for (int i = 1; i <= 6; ++i)
    view_.Widget(Control::CarteChien, i)->resize(card);
  for (int seat = 1; seat <= 4; ++seat) {
    view_.Widget(Control::CarteTable, seat)->resize(card);
    view_.Widget(Control::CadrePreneur, seat)->resize(layout().FrameWidth, layout().FrameHeight);
    static_cast<QFrame*>(view_.Widget(Control::PanelDec, seat))
        ->setLineWidth(std::max(1, RoundHalfEven(5 * layout().WindowScale)));
  }
  PlaceDeductionCells();
  const int glyph = ScaleFont(layout(), 16);
  for (const auto& [button, picture] : glyph_buttons_) {
    button->SetIcon(GlyphIcon(picture, glyph));
    button->setIconSize(button->size() - QSize(6, 6));
  }
  CentreSurface();
}

// The table follows the window: a new size scales the whole design to it, in its proportions,
// and the side windows with it. Only the places and sizes change: the deal does not move.
void TfrmZarvane::FitLayoutToWindow() {
  const QScreen* on = screen();
  const int pixels_per_inch = on ? qRound(on->logicalDotsPerInch()) : 96;
  const Layout fitted = ScaleForScreen(width(), height(), pixels_per_inch);
  if (fitted.XScale == layout().XScale && fitted.WindowScale == layout().WindowScale)
    return;
  // The side windows first: the game then sets the width of the poignee window by its trumps.
  for (const QPointer<SideWindow>& window : side_windows_) {
    if (window)
      window->Relayout(fitted);
  }
  if (history_)
    history_->Relayout(fitted);
  ChangeLayout(game_, fitted);
  Rescale(this, layout());
  ScaleDrawnParts();
  RedrawCardFaces(this, layout());
}

// The design keeps its proportions: the surface stands in the middle of the window, as tall as
// the window allows, so that a raised or dropped card is never cut.
void TfrmZarvane::CentreSurface() {
  const int lowest = layout().HandTop + layout().CardHeight + RoundHalfEven(2 * layout().YScale);
  const int height = std::max({layout().SurfaceHeight, lowest, central_->height()});
  const int left = central_->width() > layout().SurfaceWidth
                       ? (central_->width() - layout().SurfaceWidth) / 2
                       : std::min(layout().SurfaceLeft, std::max(0, central_->width() - 1));
  surface_->setGeometry(left, 0, layout().SurfaceWidth, height);
}

// The area under the menu bar takes its new size after the window's own resize event: the
// table is fitted to it then.
bool TfrmZarvane::eventFilter(QObject* watched, QEvent* event) {
  if (watched == central_ && event->type() == QEvent::Resize) {
    FitLayoutToWindow();
    CentreSurface();
  }
  if (watched == view_.Widget(Control::PanelResultat)) {
    if (event->type() == QEvent::ShowToParent)
      ShowDealOver(true);
    else if (event->type() == QEvent::HideToParent)
      ShowDealOver(false);
  }
  return QMainWindow::eventFilter(watched, event);
}

// Restored from maximised, the window would come back as large as the screen, its title bar
// out of reach; it is placed once the window system has restored it.
void TfrmZarvane::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange)
    return;
  const auto* change = static_cast<QWindowStateChangeEvent*>(event);
  const Qt::WindowStates large = Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized;
  if ((change->oldState() & Qt::WindowMaximized) && !(windowState() & large))
    QTimer::singleShot(0, this, [this] { PlaceRestoredWindow(this); });
}

void TfrmZarvane::closeEvent(QCloseEvent* event) {
  // Closed by its frame: the game ends at once, without a question.
  if (!quitting_) {
    quitting_ = true;
    WindowClosed(game_.flow);
  }
  event->accept();
  QCoreApplication::quit();
}

void TfrmZarvane::Quit() {
  if (QuitRequested(game_.flow)) {
    quitting_ = true;
    QCoreApplication::quit();
  }
}

void TfrmZarvane::PlayDealOfACode() {
  PlayDealByCode(game_.flow, [this]() -> std::optional<DealtDeal> {
    PlayCodeDialog dialog(game_.flow.Language, this);
    if (dialog.exec() != QDialog::Accepted)
      return std::nullopt;
    return dialog.deal();
  });
}

void TfrmZarvane::ShowHelp() {
  if (!help_) {
    help_ = new HelpWindow(layout(), this);
    // The keys must reach the game again, even with no window manager to hand the focus back.
    connect(help_, &QDialog::finished, this, [this] { activateWindow(); });
  }
  const QString file = HelpFilePath(game_);
  if (!help_->Load(file)) {
    QMessageBox::warning(this, kWindowTitle, HelpUnreadableMessage(game_.flow.Language, file));
    return;
  }
  help_->show();
  help_->raise();
  help_->activateWindow();
}

void TfrmZarvane::ShowHistory() {
  if (!history_) {
    history_ = new TfrmHistorique(layout(), this);
    connect(history_, &QDialog::finished, this, [this] { activateWindow(); });
  }
  history_->Fill(ReadScoreHistory(HistoryPathBeside(game_.flow.OptionsPath)), game_.flow.Language);
  CentreOnScreen(history_);
  history_->show();
  history_->raise();
  history_->activateWindow();
}

// The analysis belongs to the deal that is over, while its result shows: a new deal stops it
// and puts it away. Its caption is off the language step, like the entries added since.
void TfrmZarvane::ShowDealOver(bool over) {
  view_.Action(Control::menuAnalyse)->setEnabled(over);
  if (!over && analysis_ != nullptr)
    analysis_->hide();
  const std::string_view caption = AnalysisWordsIn(game_.flow.Language).button;
  if (auto* button = qobject_cast<QPushButton*>(view_.Widget(Control::PanelAnalyse)))
    button->setText(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
}

void TfrmZarvane::ShowAnalysis() {
  if (game_.flow.state.TrickNumber != kLastTrickDone)
    return;
  if (!analysis_) {
    analysis_ = new TfrmAnalyse(layout(), this);
    RegisterWindow(Control::frmAnalyse, analysis_);
    connect(analysis_, &QDialog::finished, this, [this] { activateWindow(); });
  }
  analysis_->Start(game_);
  CentreOnScreen(analysis_);
}

void TfrmZarvane::ShowAbout() {
  QMessageBox::information(this, kWindowTitle, kWindowTitle);
}

}  // namespace zarvane
