// A Qt plugin the install test loads into the installed program (QT_QPA_GENERIC_PLUGINS), so
// the program is checked as shipped, offscreen and with no hook of its own: it waits for the
// opening window, chooses French, presses F1 and reports what the player would see.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QGenericPlugin>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <cstdio>

namespace {

const QString kTitle = QStringLiteral("ZARVANE 98");

template <typename Widget>
Widget* VisibleTopLevel() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (auto* found = qobject_cast<Widget*>(window); found != nullptr && found->isVisible())
      return found;
  }
  return nullptr;
}

QPushButton* ButtonWithText(const QWidget& window, const QString& text) {
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    if (button->text() == text && button->isVisible())
      return button;
  }
  return nullptr;
}

void Report(const QString& line) {
  std::printf("%s\n", line.toUtf8().constData());
  std::fflush(stdout);
}

class Probe : public QObject {
 public:
  Probe() {
    clock_.start();
    connect(&tick_, &QTimer::timeout, this, [this] { Step(); });
    tick_.start(50);
  }

 private:
  void Step() {
    if (clock_.elapsed() > 30000)
      return Finish(2, QStringLiteral("timed out at step %1").arg(step_));
    if (step_ == 0)
      FindOpeningWindow();
    else if (step_ == 1)
      AskForHelp();
    else
      ReadHelp();
  }

  void FindOpeningWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (!window->isVisible() || window->windowTitle() != kTitle)
        continue;
      QPushButton* french = ButtonWithText(*window, QStringLiteral("Version française"));
      if (french == nullptr ||
          ButtonWithText(*window, QStringLiteral("English version")) == nullptr)
        continue;
      Report(QStringLiteral("opening window: %1").arg(window->windowTitle()));
      french->click();
      step_ = 1;
      return;
    }
  }

  void AskForHelp() {
    QMainWindow* game = VisibleTopLevel<QMainWindow>();
    if (game == nullptr)
      return;
    for (QAction* action : game->findChildren<QAction*>()) {
      if (action->shortcut() == QKeySequence(Qt::Key_F1)) {
        step_ = 2;
        // Queued, so a message box's own event loop runs outside this tick and the probe
        // can read it.
        QMetaObject::invokeMethod(action, &QAction::trigger, Qt::QueuedConnection);
        return;
      }
    }
    Finish(3, QStringLiteral("no F1 entry in the game window"));
  }

  void ReadHelp() {
    if (auto* box = VisibleTopLevel<QMessageBox>())
      return Finish(4, QStringLiteral("message: %1").arg(box->text()));
    auto* help = VisibleTopLevel<QDialog>();
    if (help == nullptr)
      return;
    auto* browser = help->findChild<QTextBrowser*>();
    if (browser != nullptr && !browser->toPlainText().trimmed().isEmpty())
      Finish(0, QStringLiteral("help: %1").arg(help->windowTitle()));
  }

  void Finish(int code, const QString& line) {
    tick_.stop();
    Report(line);
    QCoreApplication::exit(code);
  }

  QTimer tick_;
  QElapsedTimer clock_;
  int step_ = 0;
};

}  // namespace

class ProbePlugin : public QGenericPlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "probe.json")

 public:
  QObject* create(const QString&, const QString&) override { return new Probe; }
};

#include "probe.moc"
