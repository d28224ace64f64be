#pragma once
// The list box of the form library: a column of texts with one selected item. OnClick runs
// when the user picks an item, with the mouse or with the arrow keys; selecting an item from
// the program (SetItemIndex) runs nothing. Where Qt calls us, escaped exceptions end in the
// default error box.

#include <QListWidget>
#include <functional>

class TListBox : public QListWidget {
  Q_OBJECT

 public:
  TListBox(QWidget* parent, const QString& name, const QStringList& items = {});

  // The selected item's position, or -1.
  int ItemIndex() const { return currentRow(); }
  void SetItemIndex(int index) { setCurrentRow(index); }
  // The selected item's text (empty when none is).
  QString SelectedText() const;

  std::function<void()> OnClick;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Clicked();
};
