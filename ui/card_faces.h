#pragma once

#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <memory>

#include "core/game_state.h"
#include "table/layout.h"

class QSvgRenderer;
class QWidget;

namespace zarvane {

class CardImage;

// The faces rendered from their SVG once per size: every later draw of the same card at the
// same size is a copy of a cached pixmap.
class CardFaceCache {
 public:
  CardFaceCache();
  ~CardFaceCache();
  CardFaceCache(const CardFaceCache&) = delete;
  CardFaceCache& operator=(const CardFaceCache&) = delete;

  // The face named like "PIQUE14" at the given size in device pixels, for a screen of the
  // given pixel ratio; a null pixmap when no such face exists.
  QPixmap Face(const QString& face_name, QSize size, qreal pixel_ratio = 1.0);
  // Forgets every rendered face and parsed picture.
  void Clear();
  // The court cards of the language: R, D, C, V in French (1), K, Q, C, J in English (2).
  void UseLanguage(int language);
  int RenderedCount() const { return static_cast<int>(faces_.size()); }

 private:
  QSvgRenderer* Renderer(const QString& face_name);

  QHash<QString, QPixmap> faces_;
  QHash<QString, std::shared_ptr<QSvgRenderer>> renderers_;
  int language_ = 1;
};

// The one cache of the program, created with the first window that draws a card.
CardFaceCache& CardFaces();

// The resource of a face: ":/cards/PIQUE14.svg"; in English the court cards have their own,
// ":/cards/en/PIQUE14.svg", and the other faces are shared.
QString CardFaceResource(const QString& face_name, int language = 1);
QString FaceName(const Card& card);

// Draws the card's face stretched over the whole image; a card with no suit clears it.
void DrawCardFace(CardImage* image, const Card& card);
// Draws the face as rendered at the card size of the layout, from its top-left corner, so a
// small image shows only the index (value and suit).
void DrawCardCorner(CardImage* image, const Card& card, const Layout& layout);
// Draws again, at their present size, the faces every card image of the window shows.
void RedrawCardFaces(QWidget* window, const Layout& layout);

}  // namespace zarvane
