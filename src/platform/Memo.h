#pragma once
// The multi-line text control: lines that wrap at the control's width, read-only where the
// window only shows a text in it.

#include <QPlainTextEdit>

class TMemo : public QPlainTextEdit {
  Q_OBJECT

 public:
  TMemo(QWidget* parent, const QString& name);

  QString Text() const { return toPlainText(); }
  void SetText(const QString& text) { setPlainText(text); }
  void SetReadOnly(bool on) { setReadOnly(on); }
  void SelectAll() { selectAll(); }
};
