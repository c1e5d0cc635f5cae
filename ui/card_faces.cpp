#include "ui/card_faces.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include "core/cards.h"
#include "ui/widgets.h"

namespace zarvane {

namespace {

bool HasFace(const Card& card) {
  if (card.Suit == kAtout)
    return card.Value >= 0 && card.Value <= 21;
  return card.Suit >= kPique && card.Suit <= kCarreau && card.Value >= 1 && card.Value <= 14;
}

QSize DeviceSize(const QWidget* widget, QSize size) {
  const qreal ratio = widget->devicePixelRatioF();
  return QSize(qRound(size.width() * ratio), qRound(size.height() * ratio));
}

}  // namespace

CardFaceCache::CardFaceCache() = default;
CardFaceCache::~CardFaceCache() = default;

QSvgRenderer* CardFaceCache::Renderer(const QString& face_name) {
  auto found = renderers_.find(face_name);
  if (found != renderers_.end())
    return found->get();
  auto renderer = std::make_shared<QSvgRenderer>(CardFaceResource(face_name, language_));
  if (!renderer->isValid())
    return nullptr;
  renderers_.insert(face_name, renderer);
  return renderer.get();
}

QPixmap CardFaceCache::Face(const QString& face_name, QSize size, qreal pixel_ratio) {
  if (size.isEmpty())
    return QPixmap();
  const QString key = face_name + QLatin1Char('@') + QString::number(size.width()) +
                      QLatin1Char('x') + QString::number(size.height()) + QLatin1Char('/') +
                      QString::number(pixel_ratio);
  auto found = faces_.constFind(key);
  if (found != faces_.constEnd())
    return *found;
  QSvgRenderer* renderer = Renderer(face_name);
  if (!renderer)
    return QPixmap();
  QPixmap face(size);
  face.fill(Qt::transparent);
  {
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer->render(&painter, QRectF(0, 0, size.width(), size.height()));
  }
  face.setDevicePixelRatio(pixel_ratio);
  faces_.insert(key, face);
  return face;
}

void CardFaceCache::Clear() {
  faces_.clear();
  renderers_.clear();
}

void CardFaceCache::UseLanguage(int language) {
  if (language == language_)
    return;
  language_ = language;
  Clear();
}

CardFaceCache& CardFaces() {
  static CardFaceCache cache;
  return cache;
}

QString CardFaceResource(const QString& face_name, int language) {
  if (language == 2) {
    const QString english = QStringLiteral(":/cards/en/") + face_name + QStringLiteral(".svg");
    if (QFile::exists(english))
      return english;
  }
  return QStringLiteral(":/cards/") + face_name + QStringLiteral(".svg");
}

QString FaceName(const Card& card) {
  return QString::fromStdString(CardFaceName(card));
}

void DrawCardFace(CardImage* image, const Card& card) {
  if (!HasFace(card)) {
    image->ClearFace();
    return;
  }
  image->SetFace(CardFaces().Face(FaceName(card), DeviceSize(image, image->size()),
                                  image->devicePixelRatioF()),
                 CardImage::Fit::Stretch, card);
}

void DrawCardCorner(CardImage* image, const Card& card, const Layout& layout) {
  if (!HasFace(card)) {
    image->ClearFace();
    return;
  }
  image->SetFace(CardFaces().Face(FaceName(card),
                                  DeviceSize(image, QSize(layout.CardWidth, layout.CardHeight)),
                                  image->devicePixelRatioF()),
                 CardImage::Fit::TopLeft, card);
}

void RedrawCardFaces(QWidget* window, const Layout& layout) {
  // The card images carry no meta-object of their own: findChildren cannot tell them apart.
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    auto* image = dynamic_cast<CardImage*>(widget);
    const std::optional<Card> card = image ? image->ShownCard() : std::nullopt;
    if (!card)
      continue;
    if (image->fit() == CardImage::Fit::TopLeft)
      DrawCardCorner(image, *card, layout);
    else
      DrawCardFace(image, *card);
  }
}

}  // namespace zarvane
