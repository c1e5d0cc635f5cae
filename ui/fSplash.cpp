#include "ui/fSplash.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "flow/options_flow.h"
#include "flow/start.h"
#include "table/language.h"
#include "ui/design.h"
#include "ui/fZarvane.h"
#include "ui/glyphs.h"
#include "ui/toolkit_language.h"
#include "ui/widgets.h"

namespace zarvane {

namespace {

constexpr DesignRect kGroupBox{11, 25, 401, 251};
constexpr DesignRect kLogo{40, 34, 32, 32};
constexpr DesignRect kTitle{84, 26, 280, 48};
constexpr DesignRect kSubtitle{20, 96, 361, 24};
constexpr DesignRect kPrompt{20, 160, 361, 22};
constexpr DesignRect kFrench{19, 206, 176, 30};
constexpr DesignRect kEnglish{208, 206, 176, 30};

QLabel* NewLabel(QWidget* parent, const Layout& layout, DesignRect place, const QString& text,
                 const QFont& font) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(Scaled(layout, place));
  label->setAlignment(Qt::AlignCenter);
  label->setFont(font);
  return label;
}

QPushButton* NewChoice(QWidget* parent, const Layout& layout, DesignRect place,
                       const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(Scaled(layout, place));
  button->setFont(DesignFont(layout, kSerif, 16, true));
  button->setCursor(Qt::PointingHandCursor);
  return button;
}

}  // namespace

TfrmSplash::TfrmSplash(const Layout& layout, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
  ScaleWindow(this, layout, 424, 302, QColor(62, 185, 136));
  setWindowTitle(kWindowTitle);

  auto* box = new QGroupBox(this);
  box->setGeometry(Scaled(layout, kGroupBox));

  auto* logo = new QLabel(box);
  logo->setGeometry(Scaled(layout, kLogo));
  logo->setPixmap(Logo(logo->width()));
  title_ = NewLabel(box, layout, kTitle, kWindowTitle, DesignFont(layout, kSerif, 32));
  title_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  NewLabel(box, layout, kSubtitle, QStringLiteral("Le Tarot à quatre  •  French Tarot for four"),
           DesignFont(layout, kSerif, 15, false))
      ->setStyleSheet(QStringLiteral("color: rgb(0, 64, 0);"));
  NewLabel(box, layout, kPrompt, QStringLiteral("Choisissez votre langue  •  Choose your language"),
           DesignFont(layout, kSans, 12));

  french_ = NewChoice(box, layout, kFrench, QStringLiteral("Version française"));
  english_ = NewChoice(box, layout, kEnglish, QStringLiteral("English version"));
  connect(french_, &QPushButton::clicked, this, &TfrmSplash::PanelStartFrenchClick);
  connect(english_, &QPushButton::clicked, this, &TfrmSplash::PanelStartEnglishClick);
  french_->setDefault(true);
  // The language Enter chooses wears the gold frame of the game window's highlight.
  new KeyHighlight(this);
  french_->setFocus();
  CentreOnScreen(this);
}

void TfrmSplash::PanelStartFrenchClick() {
  Choose(1);
}

void TfrmSplash::PanelStartEnglishClick() {
  Choose(2);
}

void TfrmSplash::Choose(int language) {
  if (!game_window_)
    return;
  UseToolkitLanguage(language);
  ChooseLanguage(game_window_->game().flow, language);
  game_window_->view().SyncChecks();
  hide();
  ShowMaximised(game_window_);
  game_window_->raise();
  game_window_->activateWindow();
}

void TfrmSplash::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left:
      french_->setFocus();
      english_->setDefault(false);
      french_->setDefault(true);
      return;
    case Qt::Key_Right:
      english_->setFocus();
      french_->setDefault(false);
      english_->setDefault(true);
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      (english_->hasFocus() ? english_ : french_)->click();
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

void TfrmSplash::closeEvent(QCloseEvent* event) {
  event->accept();
  QCoreApplication::quit();
}

}  // namespace zarvane
