#pragma once
// The customisation window: a small browser in which the main window shows the page that
// tells how to have a customised copy.

#include <memory>

#include "app/WebView.h"
#include "platform/Form.h"

class TFormPersonalizar : public TForm {
  Q_OBJECT

 public:
  explicit TFormPersonalizar(QWidget* owner);
  ~TFormPersonalizar() override;

  // Null when no web view could be had.
  WebView* CppWebBrowser1() const { return browser_.get(); }

  void boton_atrasClick();
  void BotonAdelanteClick();
  void BotonActualizarClick();
  void SpeedButton1Click();
  void SpeedButton2Click();

 private:
  std::unique_ptr<WebView> browser_;
};
