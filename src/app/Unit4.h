#pragma once
// The currency window: a small browser that loads an online currency converter, with history
// buttons, reload, save, print and a short "Ir a:" list.

#include <memory>

#include "app/WebView.h"
#include "platform/Form.h"

class QComboBox;

class TFormBrowser : public TForm {
  Q_OBJECT

 public:
  explicit TFormBrowser(QWidget* owner);
  ~TFormBrowser() override;

  // Null when no web view could be had.
  WebView* CppWebBrowser1() const { return browser_.get(); }
  QComboBox* ComboBox1;

  void FormActivate();
  void SpeedButton1Click();
  void SpeedButton5Click();
  void SpeedButton2Click();
  void SpeedButton3Click();
  void SpeedButton4Click();
  void CppWebBrowser1NewWindow2(bool& cancel);
  void ComboBox1Change();
  void ComboBox1KeyPress(char16_t& key);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // After a history step: the list shows the page the view went to, when it is one of its
  // own.
  void FollowLocation();

  std::unique_ptr<WebView> browser_;
};
