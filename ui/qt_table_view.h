#pragma once

#include <QPointer>
#include <QTimer>
#include <array>
#include <functional>
#include <map>
#include <utility>

#include "table/layout.h"
#include "table/table_view.h"

class QAction;
class QObject;
class QWidget;

namespace zarvane {

// The object name of a control: its component name, followed by its number in a family
// ("Carte3D7").
QString ControlObjectName(Control control, int index);

// The presenter's screen, carried out on Qt widgets and menu actions looked up by control name
// and number. A tool bar button that follows a menu command keeps its own name, but its
// enabled state, tick, hint and caption are the command's.
class QtTableView : public TableView {
 public:
  QtTableView();
  ~QtTableView() override;
  QtTableView(const QtTableView&) = delete;
  QtTableView& operator=(const QtTableView&) = delete;

  // Font sizes arrive in points and are scaled like the window.
  void SetLayout(const Layout* layout) { layout_ = layout; }
  // The chosen language, in which the card images are named for a screen reader.
  void SetLanguage(const int* language) { language_ = language; }
  // Where "the window's colour" goes (the area behind the table), and the window that owns
  // the message boxes.
  void SetBackgroundWidget(QWidget* widget) { background_ = widget; }
  void SetDialogParent(QWidget* widget) { dialog_parent_ = widget; }
  void OnTimer(TimerId timer, std::function<void()> handler);

  void Register(Control control, int index, QWidget* widget);
  void Register(Control control, int index, QAction* action);
  QWidget* Widget(Control control, int index = 0) const;
  QAction* Action(Control control, int index = 0) const;
  bool IsRegistered(Control control, int index = 0) const;
  bool TimerActive(TimerId timer) const;
  int TimerInterval(TimerId timer) const;

  // Puts every menu tick and toggle button back to what the presenter last set, after Qt has
  // flipped the one that was clicked.
  void SyncChecks();

  void SetVisible(Control c, int index, bool visible) override;
  void SetEnabled(Control c, int index, bool enabled) override;
  void SetChecked(Control c, int index, bool checked) override;
  void SetText(Control c, int index, std::string_view utf8) override;
  void SetHint(Control c, int index, std::string_view utf8) override;
  void SetColour(Control c, int index, int colour) override;
  void SetFontSize(Control c, int index, int points) override;
  void SetFocus(Control c, int index) override;
  void SetPointer(Control c, int index, Pointer p) override;
  void Place(Control c, int index, int left, int top) override;
  void SetWidth(Control c, int index, int width) override;
  void ShowCard(Control c, int index, Card card) override;
  void StartTimer(TimerId t, int milliseconds) override;
  void StopTimer(TimerId t) override;
  void Inform(std::string_view text) override;
  bool Ask(std::string_view text) override;
  std::optional<int> ChooseColour(int current) override;

 private:
  using Key = std::pair<Control, int>;
  QObject* Find(Control control, int index) const;
  QTimer& Timer(TimerId timer);
  void GiveFocusBack();

  std::map<Key, QPointer<QObject>> controls_;
  std::map<Key, bool> checked_;
  std::array<QTimer, 4> timers_;  // one per TimerId
  const Layout* layout_ = nullptr;
  const int* language_ = nullptr;
  QPointer<QWidget> background_;
  QPointer<QWidget> dialog_parent_;
};

}  // namespace zarvane
