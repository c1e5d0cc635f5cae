#include "ui/help_window.h"

#include <QFile>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "settings/help_file.h"
#include "table/game.h"
#include "ui/design.h"

namespace zarvane {

QString HelpFilePath(const Game& game) {
  if (!game.table.HelpFile.empty())
    return QString::fromStdString(game.table.HelpFile);
  return QString::fromStdString(FindHelpFile(game.table.ProgramFolder, "zarvanefr.hlp"));
}

QString HelpUnreadableMessage(int language, const QString& file) {
  if (language == 2)
    return QStringLiteral("The help file cannot be opened:\n%1").arg(file);
  return QStringLiteral("Impossible d'ouvrir le fichier d'aide :\n%1").arg(file);
}

HelpWindow::HelpWindow(const Layout& layout, QWidget* parent)
    : QDialog(parent), browser_(new QTextBrowser(this)) {
  setWindowTitle(kWindowTitle);
  setModal(false);
  resize(Scaled(layout, {0, 0, 560, 440}).size());
  browser_->setOpenExternalLinks(true);
  browser_->setFont(DesignFont(layout, kSerif, 14));
  auto* close = new QPushButton(QStringLiteral("OK"), this);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  auto* column = new QVBoxLayout(this);
  column->addWidget(browser_);
  column->addWidget(close, 0, Qt::AlignRight);
}

bool HelpWindow::Load(const QString& file) {
  QFile document(file);
  if (!document.open(QIODevice::ReadOnly))
    return false;
  browser_->setHtml(QString::fromUtf8(document.readAll()));
  if (!browser_->documentTitle().isEmpty())
    setWindowTitle(browser_->documentTitle());
  return true;
}

QString HelpWindow::Html() const {
  return browser_->toHtml();
}

}  // namespace zarvane
