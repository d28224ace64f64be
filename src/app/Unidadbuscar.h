#pragma once
// The unit search: an edit and, under it, every unit whose name or symbol starts as typed,
// filtered at each key; with nothing typed, the user's favourite units ("Favoritas") and the
// units opened last ("Recientes"), each of these with the quantity last typed into it. Enter
// (or a double click) chooses a unit; the main window then opens its window there, with the
// number of a typed or remembered quantity ("5 pies") typed into the unit's edit. Ctrl+D, or
// "Añadir a favoritas" in the list's pop-up menu, makes the selected unit a favourite, or no
// longer one.

#include <QString>
#include <functional>
#include <vector>

#include "platform/Form.h"

class TEdit;
class TLabel;
class TListBox;
class UnitIndex;
struct UnitEntry;

class TFormBuscar : public TForm {
  Q_OBJECT

 public:
  // The index is asked for at the first search, and built then if need be.
  using IndexSource = std::function<const UnitIndex&()>;
  TFormBuscar(QWidget* owner, IndexSource index, const QString& typed = QString());

  TEdit* Edit1;
  TListBox* ListBox1;
  TLabel* Label1;  // how many units answer

  void Edit1Change();
  // The favourite units and those opened last, each under a heading row that cannot be
  // chosen.
  void ShowRecent();
  // Takes the selected row (the first unit when none is) and closes the window.
  void Choose();
  // The selected unit becomes a favourite, or stops being one; the label says which.
  void ToggleFavourite();

  // What Enter chose, or null; and the number of a typed quantity (empty when none).
  const UnitEntry* Chosen() const { return chosen_; }
  QString ChosenNumber() const { return number_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A row of the list: a unit, with the quantity last typed into it (in the recent units), or
  // a heading (no unit).
  struct Row {
    const UnitEntry* unit = nullptr;
    QString number;
  };
  struct Section {
    QString heading;  // none for the answers to a search
    std::vector<Row> rows;
  };
  // The sections' rows; a section without rows is left out, heading and all.
  void Fill(const std::vector<Section>& sections);
  // The row of a unit at row or past it, going down (step 1) or up (-1); -1 for none.
  int UnitRow(int row, int step) const;
  // The pop-up menu of the list.
  void ListMenu(const QPoint& at);

  IndexSource index_;
  std::vector<Row> rows_;  // one a list row
  int units_ = 0;          // how many units answer a search
  QString typedNumber_;
  const UnitEntry* chosen_ = nullptr;
  QString number_;
};
