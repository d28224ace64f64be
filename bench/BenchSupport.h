#pragma once
// One keystroke's whole propagation in a converter window: the key event goes to the edit
// through the normal key path (key down, key press, change) and returns once every edit the
// chain reaches has been written. Each iteration selects the edit's text and types the next
// digit over it, so every stroke changes the value.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "platform/Edit.h"
#include "platform/Form.h"
#include "platform/Host.h"
#include "platform/Input.h"
#include "value/Locale.h"

// prepare, where given, readies the window before the first stroke.
template <class Form>
void MeasureKeystroke(benchmark::State& state, const char* editName,
                      void (*prepare)(QWidget* window) = nullptr) {
  platform::RecordingHost host;
  platform::SetHost(&host);
  platform::SetDecimalSeparator(u',');
  {
    auto form = std::make_unique<Form>(nullptr);
    if (prepare) prepare(form.get());
    form->show();
    QApplication::setActiveWindow(form.get());
    QCoreApplication::processEvents();
    auto* edit = form->template Find<TEdit>(QString::fromLatin1(editName));
    platform::SendMouseClick(edit);
    int digit = 1;
    for (auto _ : state) {
      edit->selectAll();
      platform::SendKeyStroke(edit, platform::keys::Character(QChar(u'0' + digit)));
      digit = digit % 9 + 1;
    }
    state.SetLabel(editName);
    if (!host.boxes.empty()) state.SkipWithError("a message box appeared");
  }
  platform::SetHost(nullptr);
}

// Opening a window: created, shown with its first paint's events processed, and destroyed.
template <class Form>
void MeasureOpening(benchmark::State& state) {
  platform::RecordingHost host;
  platform::SetHost(&host);
  for (auto _ : state) {
    auto form = std::make_unique<Form>(nullptr);
    form->show();
    QCoreApplication::processEvents();
  }
  if (!host.boxes.empty()) state.SkipWithError("a message box appeared");
  platform::SetHost(nullptr);
}
