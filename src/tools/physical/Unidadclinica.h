#pragma once
// The clinical data: 138 laboratory values, each converted between its conventional unit and
// its unit of the international system by one factor. A grid lists them by name, in the
// interface's language (Spanish unless translated), and by English name, ordered by either column
// through the buttons in its titles; two edits convert a value of the selected analyte either way.

#include <QColor>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

#include "platform/Form.h"

class QPainter;
class TBitBtn;
class TEdit;
class TLabel;
class TStringGrid;

// An object attached to a grid cell that gives the cell a behaviour; kind 2 is a title cell
// with an ordering button.
class TCellObject : public QObject {
  Q_OBJECT

 public:
  static constexpr unsigned char kHeaderButton = 2;

  TCellObject(TStringGrid* grid, unsigned char kind, int col, int row);
  ~TCellObject() override;

  virtual void SetKind(unsigned char kind);
  virtual QString GetText() const;
  virtual void SetText(const QString& text);

  unsigned char Kind() const { return kind_; }
  int Col() const { return col_; }
  int Row() const { return row_; }

 private:
  void Attach();

  TStringGrid* grid_;
  unsigned char kind_;
  int col_;
  int row_;
};

class TFormClinic : public TForm {
  Q_OBJECT

 public:
  explicit TFormClinic(QWidget* owner);
  ~TFormClinic() override;

  TStringGrid* StringGrid1;
  TEdit* Edit1;    // conventional unit
  TEdit* Edit2;    // SI unit
  TLabel* Label1;  // the selected analyte's name, as in the first column
  TLabel* Label3;  // its conventional unit
  TLabel* Label5;  // its SI unit
  TLabel* Label6;  // "Advertencia"
  TBitBtn* BitBtn1;

  void StringGrid1DrawCell(int col, int row, QPainter& canvas, const QRect& rect, int state);
  void StringGrid1SelectCell(int col, int row);
  void StringGrid1MouseDown(Qt::MouseButton button, int x, int y);
  void StringGrid1MouseUp(Qt::MouseButton button, int x, int y);
  void Edit1Change();
  void Edit2Change();
  void Label6MouseMove();

  // The column the list is ordered by: 0 the names of the first column, 1 the stored (English)
  // order.
  int OrderedBy() const { return OrderColumn; }

  // The name of the analyte of a row as the program writes it before any translation (its
  // Spanish name, the first column's text when no translation is loaded): the same in every
  // language, so what names the analyte in a kept file. Empty for the title row.
  QString AnalyteKey(int row) const;

 private:
  void BuildGrid(QWidget* panel);
  void BuildUnitEdits(QWidget* panel);
  void FillGrid();
  void OrderBySpanish();
  void OrderByEnglish();
  void ReselectAnalyte(const QString& english);
  int AnalyteOfRow(int row) const;
  // One direction of the conversion, from the edit that changed into the other one.
  void Convert(TEdit* source, bool& updating, TEdit* target, bool toSI);
  void ReportError(const std::exception& error);

  QStringList Names;  // the analytes' names as the first column shows them, in the table's order
  QStringList EnglishNames;
  int SortColumn = 0;
  TCellObject* CurrentHeaderCell = nullptr;
  std::unique_ptr<TCellObject> HeaderCells[2];

  bool HeaderPressed = true;
  int PressedColumn = 0;
  int OrderColumn = 0;
  bool CommonUpdating = false;
  bool SIUpdating = false;
  int SavedHintHidePause = 0;
  int SavedHintPause = 0;
  QColor SavedHintColor;
};
