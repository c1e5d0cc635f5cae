#include <QApplication>
#include <QStyleFactory>

#include "ui/design.h"
#include "ui/windows.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zarvane98"));
  QApplication::setApplicationDisplayName(zarvane::kWindowTitle);
  // Lets the desktop match the windows to the menu entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.zarvane.Zarvane"));
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

  // The scale is fixed once, from the screen, before any window exists.
  const zarvane::Layout layout = zarvane::LayoutForPrimaryScreen();
  auto windows =
      zarvane::CreateWindows(layout, QCoreApplication::applicationDirPath().toStdString());
  windows->frmSplash->show();
  return QApplication::exec();
}
