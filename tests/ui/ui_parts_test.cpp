#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCryptographicHash>
#include <QDialogButtonBox>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSet>
#include <QStyle>
#include <QTimer>
#include <QtTest>
#include <tuple>

#include "core/cards.h"
#include "core/deal_code.h"
#include "table/game.h"
#include "table/hand_layout.h"
#include "table/layout.h"
#include "tests/support/fake_table_view.h"
#include "tests/ui/opened_game.h"
#include "ui/card_faces.h"
#include "ui/design.h"
#include "ui/help_window.h"
#include "ui/play_code_dialog.h"
#include "ui/side_window.h"
#include "ui/toolkit_language.h"
#include "ui/widgets.h"

namespace zarvane {
namespace {

// Pixels a player would see as ink: anything clearly away from the card's cream background.
bool IsInk(QRgb pixel) {
  if (qAlpha(pixel) < 200)
    return false;
  const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
  const bool dark = r + g + b < 3 * 150;
  const bool coloured = std::max({r, g, b}) - std::min({r, g, b}) > 80;
  return dark || coloured;
}

int CountInk(const QImage& image, const QRect& area) {
  int ink = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      ink += IsInk(image.pixel(x, y)) ? 1 : 0;
  return ink;
}

// The letter of a face's corner index: its first one-letter text.
QChar IndexLetter(const QString& resource) {
  QFile file(resource);
  if (!file.open(QIODevice::ReadOnly))
    return QChar();
  static const QRegularExpression letter(QStringLiteral(">([A-Z])</text>"));
  const auto match = letter.match(QString::fromUtf8(file.readAll()));
  return match.hasMatch() ? match.captured(1).at(0) : QChar();
}

}  // namespace

class UiPartsTest : public QObject {
  Q_OBJECT

 private slots:
  // OK on a mistyped code keeps the box open and says why and where, in the chosen language;
  // on a good one, typed in either form, it closes the box with the deal.
  void playDealDialogRefusesABadCodeAndSaysWhy() {
    DealtDeal deal;
    for (int card = 1; card <= 78; ++card) {
      if (card <= 72)
        deal.Hands[1 + (card - 1) / 18][1 + (card - 1) % 18] = kPack[card];
      else
        deal.Dog[card - 72] = kPack[card];
    }
    const QString code = QString::fromStdString(EncodeDealCode(deal));
    for (const QString& typed :
         {QStringLiteral(" ") + code, code.toLower().remove(QLatin1Char('-')),
          QString::fromStdString(EncodeCompactDealCode(deal))}) {
      PlayCodeDialog dialog(2);
      dialog.show();
      auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
      QString slip = code;
      slip[8] = slip[8] == QLatin1Char('B') ? QLatin1Char('C') : QLatin1Char('B');
      dialog.field()->setText(slip);
      QTest::mouseClick(ok, Qt::LeftButton);
      QVERIFY(dialog.isVisible());
      QVERIFY(!dialog.deal().has_value());
      QCOMPARE(dialog.reason()->text(), QStringLiteral("This code has a typing slip in group 2."));
      dialog.field()->setText(typed);
      QTest::mouseClick(ok, Qt::LeftButton);
      QCOMPARE(dialog.result(), int{QDialog::Accepted});
      QVERIFY(dialog.deal().has_value());
      QCOMPARE(QString::fromStdString(EncodeDealCode(*dialog.deal())), code);
    }
  }

  // Every one of the 78 faces exists, renders at the card size of a 1024 x 768 screen, fills
  // its card, carries its index in the top-left corner and differs from every other face.
  void everyFaceRendersWithItsIndex() {
    GameState cards;
    BuildCardTable(cards);
    const Layout layout = ScaleForScreen(1024, 768, 96);
    const QSize size(layout.CardWidth, layout.CardHeight);
    const QRect corner(0, 0, layout.CornerWidth, layout.CornerHeight);
    QSet<QByteArray> distinct;
    for (int k = 1; k <= 78; ++k) {
      const QString name = FaceName(cards.CardTable[k]);
      QVERIFY2(QFile::exists(CardFaceResource(name)), qPrintable(name));
      const QPixmap face = CardFaces().Face(name, size);
      QVERIFY2(!face.isNull(), qPrintable(name));
      QCOMPARE(face.size(), size);
      const QImage image = face.toImage().convertToFormat(QImage::Format_ARGB32);
      int opaque = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
          opaque += qAlpha(image.pixel(x, y)) > 200 ? 1 : 0;
      QVERIFY2(opaque > image.width() * image.height() * 9 / 10, qPrintable(name));
      QVERIFY2(CountInk(image, corner) > corner.width() * corner.height() / 30, qPrintable(name));
      distinct.insert(QCryptographicHash::hash(
          QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()),
          QCryptographicHash::Sha1));
    }
    QCOMPARE(distinct.size(), 78);
  }

  // A face is rendered once per size; an image gets it stretched to its own size, a small
  // review image the corner of a full-size face, and a card with no suit leaves it blank.
  void facesComeFromTheCache() {
    CardFaces().Clear();
    const Layout layout = ScaleForScreen(1920, 1080, 96);
    CardImage hand;
    hand.resize(layout.CardWidth, layout.CardHeight);
    CardImage twin;
    twin.resize(hand.size());
    const Card king{14, kCoeur, 1};
    DrawCardFace(&hand, king);
    DrawCardFace(&twin, king);
    QCOMPARE(CardFaces().RenderedCount(), 1);
    QCOMPARE(hand.Face().cacheKey(), twin.Face().cacheKey());
    QCOMPARE(hand.Face().size(), hand.size());

    CardImage small;
    small.resize(layout.CornerWidth, layout.CornerHeight);
    DrawCardCorner(&small, king, layout);
    QCOMPARE(CardFaces().RenderedCount(), 1);
    QCOMPARE(small.Face().size(), QSize(layout.CardWidth, layout.CardHeight));
    const QImage shown = small.grab().toImage();
    QVERIFY(CountInk(shown, shown.rect()) > shown.width() * shown.height() / 30);

    DrawCardFace(&hand, Card{0, kAtout, 1});
    QCOMPARE(CardFaces().RenderedCount(), 2);
    DrawCardFace(&hand, Card{});
    QVERIFY(hand.Face().isNull());
  }

  // The stand-in faces are installed: with none Qt draws boxes of one width for every letter.
  void fontsAreReal() {
    for (const QString& family : {kSerif, kSans}) {
      QFont font(family);
      font.setPixelSize(16);
      QCOMPARE(QFontInfo(font).family(), family);
      const QFontMetrics metrics(font);
      QVERIFY(metrics.horizontalAdvance(QStringLiteral("WWWW")) >
              metrics.horizontalAdvance(QStringLiteral("iiii")));
    }
    QFont serif(kSerif);
    QVERIFY(QFontMetrics(serif).inFont(QChar(0x0394)));
  }

  // The court cards read R, D, C, V in French and K, Q, C, J in English, switched with the
  // language; every other face is the same in both.
  void courtCardIndicesFollowTheLanguage() {
    GameState cards;
    BuildCardTable(cards);
    const QString french = QStringLiteral("RDCV");  // king, queen, knight, jack
    const QString english = QStringLiteral("KQCJ");
    for (int k = 1; k <= 78; ++k) {
      const Card& card = cards.CardTable[k];
      const QString name = FaceName(card);
      const bool court = card.Suit != kAtout && card.Value >= 11;
      QCOMPARE(CardFaceResource(name, 2) != CardFaceResource(name, 1), court);
      if (court) {
        QCOMPARE(IndexLetter(CardFaceResource(name, 1)), french[14 - card.Value]);
        QCOMPARE(IndexLetter(CardFaceResource(name, 2)), english[14 - card.Value]);
      }
    }
    const QSize size(90, 150);
    UseToolkitLanguage(2);
    const QImage english_queen = CardFaces().Face(QStringLiteral("COEUR13"), size).toImage();
    const QImage english_five = CardFaces().Face(QStringLiteral("COEUR5"), size).toImage();
    UseToolkitLanguage(1);
    QVERIFY(CardFaces().Face(QStringLiteral("COEUR13"), size).toImage() != english_queen);
    QCOMPARE(CardFaces().Face(QStringLiteral("COEUR5"), size).toImage(), english_five);

    // The deductions panel of the game window reads the letters of the faces it sits beside.
    for (const int language : {1, 2}) {
      testing::OpenedGame opened;
      QTest::mouseClick(language == 1 ? opened.splash()->PanelStartFrench()
                                      : opened.splash()->PanelStartEnglish(),
                        Qt::LeftButton);
      for (int suit = kPique; suit <= kCarreau; ++suit) {
        for (int value = 14; value >= 11; --value) {
          const auto* cell = qobject_cast<QLabel*>(
              opened.view().Widget(Control::HonourCell, (suit - 1) * 4 + 15 - value));
          QVERIFY(cell);
          const QString face = FaceName(Card{value, suit, 1});
          QCOMPARE(cell->text(), QString(IndexLetter(CardFaceResource(face, language))));
        }
      }
    }
    UseToolkitLanguage(1);
  }

  // The quit question of a game opened in French answers "Oui" / "Non", in English "Yes" / "No":
  // the toolkit's own words follow the language chosen on the opening window.
  void questionButtonsSpeakTheChosenLanguage() {
    for (const auto& [french, yes, no] :
         {std::tuple{true, "&Oui", "&Non"}, std::tuple{false, "&Yes", "&No"}}) {
      testing::OpenedGame opened;
      QTest::mouseClick(
          french ? opened.splash()->PanelStartFrench() : opened.splash()->PanelStartEnglish(),
          Qt::LeftButton);
      QStringList captions;
      QTimer::singleShot(0, [&captions] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
          return;
        captions << box->button(QMessageBox::Yes)->text() << box->button(QMessageBox::No)->text();
        box->button(QMessageBox::No)->click();
      });
      opened.view().Action(Control::menuQuit)->trigger();
      QCOMPARE(captions, QStringList({QString::fromUtf8(yes), QString::fromUtf8(no)}));
    }
  }

  // The poignee window's buttons, in either language, show their captions whole and stand
  // inside the window at its narrowest (ten trumps), at scales where the card step loses most
  // to its truncation as well as at the usual screens.
  void poigneeButtonsShowWhole() {
    for (const int language : {1, 2}) {
      testing::OpenedGame opened;
      QTest::mouseClick(language == 1 ? opened.splash()->PanelStartFrench()
                                      : opened.splash()->PanelStartEnglish(),
                        Qt::LeftButton);
      auto* window = dynamic_cast<SideWindow*>(opened.view().Widget(Control::frmPoignee));
      QVERIFY(window);
      const auto* cancel =
          qobject_cast<QPushButton*>(opened.view().Widget(Control::PanelAnnulerPoignee));
      QCOMPARE(cancel->text(), language == 1 ? QStringLiteral("Annuler la Poignée !")
                                             : QStringLiteral("Cancel the Poignée !"));
      for (const QSize screen :
           {QSize(800, 600), QSize(850, 640), QSize(1000, 750), QSize(1280, 800), QSize(1366, 768),
            QSize(1600, 900), QSize(1920, 1080)}) {
        const Layout layout = ScaleForScreen(screen.width(), screen.height(), 96);
        window->Relayout(layout);
        opened.view().SetWidth(Control::frmPoignee, 0, PoigneeWindowWidth(layout, 10));
        for (const Control control : {Control::PanelBoutonParesseux, Control::PanelOkPoignee,
                                      Control::PanelAnnulerPoignee}) {
          const auto* button = qobject_cast<QPushButton*>(opened.view().Widget(control));
          const QString where = button->text() + QStringLiteral(" at ") +
                                QString::number(screen.width()) + QLatin1Char('x') +
                                QString::number(screen.height());
          QVERIFY2(window->rect().contains(button->geometry()), qPrintable(where));
          const int margins = 2 * (button->style()->pixelMetric(QStyle::PM_ButtonMargin) +
                                   button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth));
          QVERIFY2(
              button->fontMetrics().horizontalAdvance(button->text()) + margins <= button->width(),
              qPrintable(where));
        }
      }
    }
  }

  // Both help documents open as rich text; a missing one is refused without harm, and before a
  // language is chosen the French one beside the program is the one asked for.
  void helpDocumentsOpen() {
    const Layout layout = ScaleForScreen(1024, 768, 96);
    HelpWindow help(layout);
    QVERIFY(help.Load(QStringLiteral(ZARVANE_HELP_DIR "/zarvanefr.hlp")));
    QVERIFY(help.Html().contains(QStringLiteral("Sommaire")));
    QCOMPARE(help.windowTitle(), QStringLiteral("Zarvane 98 – Aide"));
    QVERIFY(help.Load(QStringLiteral(ZARVANE_HELP_DIR "/zarvaneus.hlp")));
    QVERIFY(help.Html().contains(QStringLiteral("Contents")));
    QVERIFY(!help.Load(QStringLiteral(ZARVANE_HELP_DIR "/missing.hlp")));
    QVERIFY(help.Html().contains(QStringLiteral("Contents")));

    testing::FakeTableView view;
    Game game(view);
    game.table.ProgramFolder = "/opt/zarvane";
    QCOMPARE(HelpFilePath(game), QStringLiteral("/opt/zarvane/zarvanefr.hlp"));
    game.table.HelpFile = "/opt/zarvane/zarvaneus.hlp";
    QCOMPARE(HelpFilePath(game), QStringLiteral("/opt/zarvane/zarvaneus.hlp"));
  }

  // The table of keys in each help document names every key of the game window's commands,
  // and no key the window does not have.
  void helpKeyTablesMatchTheCommands() {
    testing::OpenedGame opened;
    QSet<QString> keys;
    for (const QAction* action : opened.game_window()->findChildren<QAction*>()) {
      const QString key = action->shortcut().toString(QKeySequence::PortableText);
      if (!key.isEmpty())
        keys.insert(key);
    }
    QVERIFY(keys.contains(QStringLiteral("F11")));
    static const QRegularExpression cell(QStringLiteral("<td>([^<]+)</td>"));
    static const QRegularExpression ctrl_letter(QStringLiteral("^Ctrl\\+[A-Z]$"));
    // The keys that have a name in the documents' languages.
    static const QHash<QString, QString> named = {
        {QStringLiteral("Gauche"), QStringLiteral("Left")},
        {QStringLiteral("Droite"), QStringLiteral("Right")},
        {QStringLiteral("Espace"), QStringLiteral("Space")},
        {QStringLiteral("Entrée"), QStringLiteral("Return")},
        {QStringLiteral("Left"), QStringLiteral("Left")},
        {QStringLiteral("Right"), QStringLiteral("Right")},
        {QStringLiteral("Space"), QStringLiteral("Space")},
        {QStringLiteral("Enter"), QStringLiteral("Return")}};
    for (const auto& [name, anchor] :
         {std::pair{"/zarvanefr.hlp", "touches"}, std::pair{"/zarvaneus.hlp", "keys"}}) {
      QFile file(QStringLiteral(ZARVANE_HELP_DIR) + QString::fromLatin1(name));
      QVERIFY(file.open(QIODevice::ReadOnly));
      const QString text = QString::fromUtf8(file.readAll());
      const int start = text.indexOf(QStringLiteral("<a name=\"%1\">").arg(QLatin1String(anchor)));
      QVERIFY2(start >= 0, name);
      const QString section =
          text.mid(start, text.indexOf(QStringLiteral("</table>"), start) - start);
      QSet<QString> listed;
      for (const auto& match : cell.globalMatch(section)) {
        const QString key = match.captured(1);
        if (named.contains(key))
          listed.insert(named.value(key));
        else if ((key.size() <= 3 && key.startsWith(QLatin1Char('F'))) ||
                 ctrl_letter.match(key).hasMatch())
          listed.insert(key);
      }
      QCOMPARE(listed, keys);
    }
  }
};

}  // namespace zarvane

QTEST_MAIN(zarvane::UiPartsTest)
#include "ui_parts_test.moc"
