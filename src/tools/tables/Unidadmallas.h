#pragma once
// Welded meshes: the spacing of the bars on each side and one bar diameter, picked from
// three lists, give the steel section per metre of each side and the weight per square
// metre of the mesh.

#include <functional>

#include "platform/Form.h"
#include "value/FloatErrors.h"

class TBitBtn;
class TEdit;
class TListBox;
class TPanel;

class TFormMallas : public TForm {
  Q_OBJECT

 public:
  explicit TFormMallas(QWidget* owner);

  TListBox* ListBox1;  // spacing of side A, cm
  TListBox* ListBox2;  // spacing of side B, cm
  TListBox* ListBox3;  // bar diameter, mm
  TEdit* Edit1;        // section of side A, cm²/m
  TEdit* Edit2;        // section of side B, cm²/m
  TEdit* Edit3;        // weight, kg/m²
  TBitBtn* BitBtn1;

  // Each showing starts again from the first item of every list.
  void FormShow();
  // A click in any of the three lists.
  void ListBox1Click();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Both sections from the three lists, and the weight from the two spacings.
  void ShowResults(const std::function<Extended(Extended sA, Extended sB)>& weight);
};
