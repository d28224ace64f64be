#pragma once
// Steel bars: a read-only table of corrugated reinforcing bars, thirteen diameters with their
// weight per metre and the section of one to ten bars. A cell is highlighted by a click (at
// most one at a time) and its value copied from its pop-up menu.

#include "platform/Form.h"

class QAction;
class QMenu;
class TBitBtn;
class TPanel;

class TFormHierros : public TForm {
  Q_OBJECT

 public:
  explicit TFormHierros(QWidget* owner);

  static constexpr int kRows = 13;  // 3 mm to 40 mm
  static constexpr int kCols = 12;  // diameter, weight, sections of 1 to 10 bars

  // The headers for the number of bars are "Panel4" and "Panel47" to "Panel55"; the cell of
  // row r (0 to 12) and column c (0 to 11) is "Panel<100 + 12 r + c>".
  TPanel* Cell(int row, int col) const { return Cells[row][col]; }
  TPanel* BarsHeader(int bars) const { return Headers[bars - 1]; }
  TBitBtn* BitBtn1;
  QMenu* PopupMenu1;
  QAction* Copiar1;

  // A cell clicked or entered: highlights it (and clears the one highlighted before), or
  // clears it when it was highlighted.
  void Panel6Click(TPanel* sender);
  // A cell right-clicked: highlighted as by a click unless it already is; its menu follows.
  void Panel6ContextPopup(TPanel* sender);
  // The value of the cell last clicked, entered or right-clicked goes on the clipboard, with
  // the decimal separator.
  void Copiar1Click();

  TPanel* CurrentCell = nullptr;
  TPanel* SelectedCell = nullptr;

 private:
  static void SetHighlighted(TPanel* cell, bool on);
  static bool Highlighted(const TPanel* cell);
  void BuildHeadings(QList<QWidget*>& chain);
  void BuildRows(QList<QWidget*>& chain);
  void WireCell(TPanel* cell);

  TPanel* Cells[kRows][kCols] = {};
  TPanel* Headers[10] = {};
};
