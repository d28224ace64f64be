#pragma once
// The about box: the program's name and version, the maker with a link to the product's page
// and an e-mail link.

#include "platform/Form.h"

class TLabel;
class TButton;

class TForm2 : public TForm {
  Q_OBJECT

 public:
  explicit TForm2(QWidget* owner);

  void Label6Click();
  void Label5Click();
  void Label6MouseMove();
  void FormMouseMove();

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  TLabel* Label6;
  TButton* Button1;
};
