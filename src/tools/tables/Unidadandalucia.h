#pragma once
// The old Andalusian measures: eleven tables, one row per province and one column per old
// unit, each beside the edits of a metric quantity. Typing a quantity fills its table; typing
// an amount into a cell gives the quantity and refills the rest of the table.

#include <QString>

#include "platform/Form.h"
#include "value/FloatErrors.h"

class QStatusBar;
class TBitBtn;
class TButton;
class TEdit;
class TLabel;
class TPageControl;
class TStringGrid;
class TTabSheet;

class TFormAndalucia : public TForm {
  Q_OBJECT

 public:
  explicit TFormAndalucia(QWidget* owner);

  static constexpr int kGroups = 11;  // group n has the table StringGrid<n>

  // "Principales" (TabSheet1, with the sub-tabs TabSheet9 and TabSheet8), then "Longitud" to
  // "Agrarias" (TabSheet2 to TabSheet7).
  TPageControl* PageControl1;
  TPageControl* PageControl2;
  TTabSheet* TabSheet[10] = {};
  TStringGrid* StringGrid[kGroups + 1] = {};
  TEdit* Edit[15] = {};
  TButton* SpeedButton1;
  TBitBtn* BitBtn1;
  QStatusBar* StatusBar1;

  // Showing a tab fills its groups afresh.
  void TabSheetShow(int sheet);
  // The metric edits' change handler of group g (Edit6Change serves Edit6 to Edit8,
  // Edit9Change Edit9 and Edit10).
  void EditChange(int group, TEdit* sender);
  // The text being typed in a cell changed.
  void StringGridSetEditText(int group, int col, int row, const QString& value);
  // Every key in a group's table or edits, but the metre edit's.
  void StringGridKeyPress(int group, char16_t& key);
  void Edit1KeyPress(char16_t& key);
  void Edit1KeyDown(int key);
  void SpeedButton1Click();

  double MetricValue(int group) const { return Metric[group]; }
  int EditedCellNumber() const { return EditedCell; }

 private:
  void BuildGroup(int group);
  void Fill(int group);
  void SetFactors(int group);
  void Refill(int group);
  // The edit that a cell of the group writes.
  TEdit* MetricEdit(int group) const;

  double Metric[kGroups + 1] = {};
  bool TabBusy[kGroups + 1] = {};  // every group but the metre group
  bool MetreTyped = false;
  int EditedCell = 0;                     // column * 10 + row of the cell being typed in
  double Factor[kGroups + 1][9][9] = {};  // [group][col][row]: units in one metric unit
};
