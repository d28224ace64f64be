#include "numeric/Numeric.h"

#include <QCoreApplication>
#include <utility>

#include "platform/Edit.h"
#include "platform/Form.h"
#include "platform/Messages.h"
#include "value/Locale.h"

namespace {
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
}  // namespace

void WriteValue(TEdit* edit, double& field, Extended value, int k) {
  field = Store(value);
  edit->SetText(k >= 0 ? FormatValue(RoundTo(field, k)) : FormatValue(field));
}

char16_t FilterNumericKey(char16_t key, const QString& text, int selStart, int selLength) {
  if (key == 8) return key;
  const char16_t separator = platform::DecimalSeparator();
  if (key == u'.' || key == u',' || key == u'\'') key = separator;
  if (key == u'e') key = u'E';
  if (key == 22 || key == 3 || key == 24) return key;
  if (!IsDigit(key) && key != u'-' && key != u'E' && key != u'.' && key != u',') return 0;

  const bool wholeSelected = !text.isEmpty() && selLength >= text.size();
  QString candidate = wholeSelected ? QString() : text;
  if (key == u'-') {
    if (!candidate.isEmpty() && text.endsWith(u'E')) return key;
    if (!candidate.isEmpty() && text.startsWith(u'-')) return 0;
    return selStart == 0 ? key : 0;
  }
  candidate.insert(std::clamp(selStart, 0, static_cast<int>(candidate.size())), QChar(key));
  try {
    Extended value;
    if (!TryParseValue(candidate, value)) return 0;  // silently refused
    return key;
  } catch (const std::exception&) {
    platform::MessageBox(
        nullptr,
        QCoreApplication::translate("Kit", "%1 no es un número válido.").arg(candidate.left(100)),
        //: the caption of a box: a puzzled murmur
        QCoreApplication::translate("Kit", "mmh"), platform::Icon::Warning);
    return 0;
  }
}

char16_t FilterNumericKey(char16_t key, TEdit* edit) {
  return FilterNumericKey(key, edit->Text(), edit->SelStart(), edit->SelLength());
}

bool ChangePrologue(TEdit* edit, int editBound) {
  const QString text = edit->Text();
  if (text.isEmpty()) {
    if (auto* form = qobject_cast<TForm*>(edit->window())) ClearAllEdits(form, editBound);
    return false;
  }
  if (text == QLatin1String("-") || text.back() == platform::DecimalSeparator()) return false;
  return true;
}

void ReadIfFocused(TEdit* edit, double& field) {
  if (edit->Focused()) field = Store(ParseValue(edit->Text()));
}

void ClearAllEdits(TForm* form, int bound) {
  for (int n = 1; n <= bound; ++n) {
    if (auto* edit = form->Find<TEdit>(QStringLiteral("Edit%1").arg(n))) edit->SetText(QString());
  }
}

void SimulateKeys(const std::vector<KeyStep>& steps) {
  for (const KeyStep& step : steps) {
    platform::host().Pause(step.pauseBefore);
    platform::SimulateKeys({step.stroke});
  }
}

void ResetAfterOverflow(TForm* form, const OverflowReset& reset) {
  if (reset.simpleDialog) {
    platform::ShowMessage(reset.text);
  } else {
    platform::MessageBox(form, reset.text, reset.caption, reset.icon);
  }
  if (reset.processMessages) QCoreApplication::processEvents();
  if (reset.value) *reset.value = reset.resetValue;
  if (reset.activeEdit) *reset.activeEdit = reset.edit;
  if (reset.resetGuards) reset.resetGuards();
  if (reset.focus && !reset.focusAfterEmptying) reset.edit->SetFocus();
  if (reset.clearsTo > 0) {
    ClearAllEdits(form, reset.clearsTo);
  } else {
    reset.edit->SetText(QString());
  }
  if (reset.focus && reset.focusAfterEmptying) reset.edit->SetFocus();
  SimulateKeys(reset.keys);
  if (reset.beep) platform::host().Beep();
}

OverflowReset EmptyingReset(const QString& caption, const QString& text, TEdit* edit,
                            TEdit** activeEdit, std::function<void()> resetGuards) {
  OverflowReset reset;
  reset.caption = caption;
  reset.text = text;
  reset.edit = edit;
  reset.activeEdit = activeEdit;
  reset.resetGuards = std::move(resetGuards);
  reset.focus = false;
  reset.keys.clear();
  reset.beep = false;
  return reset;
}

void ReportInvalidNumber(TEdit* edit, QWidget* owner) {
  platform::MessageBox(
      owner, QCoreApplication::translate("Kit", "\"%1\" no es un número válido.").arg(edit->Text()),
      //: the caption of a box: a playful alarm
      QCoreApplication::translate("Kit", "Oh oh!"), platform::Icon::Error);
  edit->SelectAll();
}

void ReportTooLarge(TForm* form, TEdit* edit, double value) {
  ReportTooLarge(form, edit, FormatValue(value));
}

void ReportTooLarge(TForm* form, TEdit* edit, const QString& shown) {
  //: a playful message, in three lines; %1 the number typed
  platform::MessageBox(
      form,
      QCoreApplication::translate("Kit",
                                  "\"%1\" Es un número demasiado grande para poner aquí.\n"
                                  "Prueba con uno menor.\nGraciasss.")
          .arg(shown),
      QCoreApplication::translate("Kit", "Número muy grande."), platform::Icon::Warning);
  edit->SelectAll();
}
