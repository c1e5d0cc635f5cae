#pragma once

#include <QDialog>
#include <QString>

#include "table/game.h"

class QTextBrowser;

namespace zarvane {

// The help document of the chosen language: the one the language step named, or the French
// one, looked for in the same places, before a language is chosen.
QString HelpFilePath(const Game& game);
// What the player reads when the document cannot be opened, in his language.
QString HelpUnreadableMessage(int language, const QString& file);

// A small reader for the help documents (rich text, despite their old extension).
class HelpWindow : public QDialog {
 public:
  HelpWindow(const Layout& layout, QWidget* parent = nullptr);
  // False, with nothing changed, when the file cannot be read.
  bool Load(const QString& file);
  QString Html() const;

 private:
  QTextBrowser* browser_;
};

}  // namespace zarvane
