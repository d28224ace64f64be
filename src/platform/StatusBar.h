#pragma once
// The status bar at the foot of a form, with panels of fixed widths or one simple text, and
// the hints of controls: a hint may show as a tool tip, and a status bar with automatic
// hints shows the hint of the control under the mouse pointer (in its first panel, or as its
// simple text when it has no panels). A control without a hint shows its parent's.

#include <QStatusBar>
#include <vector>

class TLabel;

class TStatusBar : public QStatusBar {
  Q_OBJECT

 public:
  // Placed along the bottom of the form, across its whole width, and kept there.
  TStatusBar(QWidget* form, const QString& name, int height = 19);

  int AddPanel(int width, Qt::Alignment alignment = Qt::AlignLeft);
  int PanelCount() const { return static_cast<int>(panels_.size()); }
  QString PanelText(int panel) const;
  void SetPanelText(int panel, const QString& text);
  void SetSimpleText(const QString& text);

  bool AutoHint = false;
  // A hint from the mouse's way over the form. Only a change of the hint is shown, so a text
  // that the program wrote stays until the mouse reaches a control with another hint.
  void ShowHint(const QString& hint);

 private:
  std::vector<TLabel*> panels_;
  QString hint_;  // the hint last shown
};

namespace platform {
// The control's hint; shown as its tool tip too when showAsToolTip.
void SetHint(QWidget* control, const QString& hint, bool showAsToolTip);
QString Hint(const QWidget* control);
// A tool tip that shows its text as it is, even text that looks like markup (a server's
// answer, a name from a file): "<b>" stays "<b>", and nothing is loaded.
void SetPlainToolTip(QWidget* control, const QString& text);
// SetHint with the hint shown as such a tool tip.
void SetPlainHint(QWidget* control, const QString& hint);
}  // namespace platform
