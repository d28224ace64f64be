#pragma once
// The unit search: an edit and, under it, every unit whose name or symbol starts as typed,
// filtered at each key; with nothing typed, the units opened last ("Recientes"). Enter (or a
// double click) chooses a unit; the main window then opens its window there, with the number
// of a typed quantity ("5 pies") typed into the unit's edit.

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
  // The units opened last, under a heading row that cannot be chosen.
  void ShowRecent();
  // Takes the selected row (the first when none is) and closes the window.
  void Choose();

  // What Enter chose, or null; and the number of a typed quantity (empty when none).
  const UnitEntry* Chosen() const { return chosen_; }
  QString ChosenNumber() const { return number_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Fill(const std::vector<const UnitEntry*>& units, const QString& heading);
  // The list's row of the first unit (after the heading, when there is one).
  int FirstUnitRow() const { return heading_ ? 1 : 0; }

  IndexSource index_;
  std::vector<const UnitEntry*> rows_;
  bool heading_ = false;
  QString typedNumber_;
  const UnitEntry* chosen_ = nullptr;
  QString number_;
};
