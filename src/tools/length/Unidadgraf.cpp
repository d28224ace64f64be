#include "tools/length/Unidadgraf.h"

#include <QColor>
#include <QScreen>
#include <cmath>

#include "numeric/Numeric.h"
#include "platform/Colors.h"
#include "platform/Controls.h"
#include "platform/Edit.h"
#include "platform/Panel.h"
#include "platform/TrackBar.h"
#include "value/Locale.h"

namespace {

constexpr int kHub = 1;    // the twip edit
constexpr int kPixel = 7;  // the pixel edit, which the slider writes

struct GraphicUnit {
  int edit;
  const char* caption;  // UTF-8, marked for translation in the window's context
  // A value of this unit times toTwips[0] times toTwips[1] gives twips; twips times
  // fromTwips[0] times fromTwips[1] give this unit.
  Extended toTwips[2];
  Extended fromTwips[2];
  int decimals;  // of its display
};

// In the order in which the hub writes them.
constexpr GraphicUnit kUnits[] = {
    {2, QT_TRANSLATE_NOOP("TFormGraf", "punto"), {20, 1}, {0.05L, 1}, 3},
    {3, QT_TRANSLATE_NOOP("TFormGraf", "carácter"), {120, 1}, {1 / 120.0L, 1}, 3},
    {4, QT_TRANSLATE_NOOP("TFormGraf", "milímetro"), {1440, 1 / 25.4L}, {1 / 1440.0L, 25.4}, 3},
    {5, QT_TRANSLATE_NOOP("TFormGraf", "centímetro"), {1440, 1 / 2.54L}, {1 / 1440.0L, 2.54}, 3},
    {6, QT_TRANSLATE_NOOP("TFormGraf", "pulgada"), {1440, 1}, {1 / 1440.0L, 1}, 3},
    {7, QT_TRANSLATE_NOOP("TFormGraf", "pixel"), {15, 1}, {1 / 15.0L, 1}, 0},  // whole pixels
};

struct Place {
  int edit;
  int x, y;
};
// The twip, pixel, point, character and inch at the left; millimetre and centimetre at
// the right.
constexpr Place kPlaces[] = {{1, 96, 16},  {7, 96, 48},  {2, 96, 80}, {3, 96, 112},
                             {6, 96, 144}, {4, 386, 16}, {5, 386, 48}};

// The source is the edit last entered: every key stroke only clears the guard, and the
// window filters the characters itself. An empty text waits and clears nothing.
constexpr HubWindow kWindow{.name = "FormGraf",
                            .caption = QT_TRANSLATE_NOOP("TFormGraf", "Unidades gráficas"),
                            .clientSize = {531, 210},
                            .lastEdit = 7,
                            .keys = SourceKeys::PressAndDelete,
                            .sourceIsEntered = true,
                            .numericFilter = false,
                            .prologue = HubPrologue::NeverClears,
                            .volver = {434, 172, 83, 27}};

}  // namespace

TFormGraf::TFormGraf(QWidget* owner) : THubForm(owner, kWindow) {
  for (const Place& place : kPlaces) {
    const int n = place.edit;
    PlaceEdit(n, place.x, place.y);
    Label(n, n == kHub ? tr("twip") : Text(UnitOf(kUnits, n).caption));
    Edits[n]->OnEnter = [this, n](TEdit*) { EditEnter(n); };
  }
  WireChanges(kHub, &TFormGraf::Edit1Change, &TFormGraf::UnitChange);
  WireKeys(&TFormGraf::Edit1KeyDown, &TFormGraf::Edit1KeyPress);

  // The pixel ruler below the right-hand edits: the slider, and the green bar across it.
  Panel2 = new TPanel(this, QStringLiteral("Panel2"), QStringLiteral("Panel2"));
  Panel2->setGeometry(356, 84, 161, 49);
  TrackBar1 = new TTrackBar(Panel2, QStringLiteral("TrackBar1"));
  TrackBar1->setAutoFillBackground(true);
  TrackBar1->setGeometry(8, 6, 145, 37);
  Panel1 = new TPanel(Panel2, QStringLiteral("Panel1"));
  Panel1->SetBevelOuter(TPanel::Bevel::None);
  Panel1->SetColor(QColor(0x00, 0xFF, 0x00));
  Panel1->setGeometry(19, 34, 123, 6);
  Panel1->setAttribute(Qt::WA_TransparentForMouseEvents);
  Panel1->hide();
  TrackBar1->SetMax(Panel1->width());
  // The ruler has no caption of its own: a screen reader reads it as what it sets.
  TrackBar1->setAccessibleName(tr("regla de píxeles"));
  TrackBar1->OnChange = [this] { TrackBar1Change(); };
  TrackBar1->OnEnter = [this] { TrackBar1Enter(); };

  // The edits by number, the button, then the slider.
  Finish(HubTabOrder::ByNumber);
  SetTabChain({BitBtn1, TrackBar1});
}

void TFormGraf::Edit1KeyPress(TEdit* sender, char16_t& key) {
  Bookkeeping.KeyPress(sender, key);
  TEdit* edit = ActiveEdit ? ActiveEdit : sender;
  const QString text = edit->Text();
  const char16_t separator = platform::DecimalSeparator();
  if (key == u'.' || key == u',') {
    const bool free = !text.contains(QChar(separator)) && !text.contains(u'n');
    key = free ? separator : 0;
    return;
  }
  if (key == u'-') {
    if (text.isEmpty()) return;
    if (text.startsWith(u'-') || text.startsWith(QChar(separator))) {
      key = 0;
    } else {
      edit->SetText(QString());  // a minus starts a new negative number
    }
    return;
  }
  if ((key >= u'0' && key <= u'9') || key == 8) return;
  key = 0;
}

void TFormGraf::Edit1KeyDown(TEdit* sender, int& key) {
  Bookkeeping.KeyDown(sender, key);
  if (key == Qt::Key_Delete) ActiveEdit = sender;
}

void TFormGraf::EditEnter(int n) {
  ActiveEdit = Edits[n];
  if (n == kPixel) ResetSlider();
}

void TFormGraf::ResetSlider() {
  SliderResetting = true;
  TrackBar1->SetPosition(0);
  SliderResetting = false;
}

void TFormGraf::TrackBar1Enter() { ActiveEdit = Edits[kPixel]; }

void TFormGraf::Edit1Change() {
  HubPass(kHub, [this] {
    const Extended base = Value[kHub];
    for (const GraphicUnit& unit : ToWrite(kUnits)) {
      WriteValue(Edits[unit.edit], Value[unit.edit], base * unit.fromTwips[0] * unit.fromTwips[1],
                 unit.decimals);
    }
  });
}

void TFormGraf::UnitChange(int n) {
  TEdit* edit = Edits[n];
  if (!Prologue(edit)) return;
  // Unless the user is typing here (or moving the slider), the hub has just stored the value.
  if (edit->Focused() || (n == kPixel && TrackBar1->Focused())) {
    Value[n] = Store(ParseValue(edit->Text()));
  }
  if (!HubTakes(kHub)) return;
  const GraphicUnit& unit = UnitOf(kUnits, n);
  Value[kHub] = Store(static_cast<Extended>(Value[n]) * unit.toTwips[0] * unit.toTwips[1]);
  // The hub converts from the exact twips while its edit shows whole ones.
  Edits[kHub]->SetText(FormatValue(std::floor(static_cast<Extended>(Value[kHub]) + 0.5L)));
}

void TFormGraf::TrackBar1Change() {
  Updating = false;
  const int p = TrackBar1->Position();
  Panel1->resize(p, Panel1->height());
  Panel1->show();
  // Put back to 0 by a key or by entering the pixel edit, the slider leaves the edits alone:
  // the pixel edit keeps showing the same length as the others.
  if (SliderResetting) return;
  const QScreen* shown = screen();
  SliderPixels = SliderPixelsFor(p, shown ? shown->logicalDotsPerInchX() : 96,
                                 shown ? shown->geometry().width() : 800);
  Edits[kPixel]->SetText(QString::number(SliderPixels));
}

int TFormGraf::SliderPixelsFor(int position, double pixelsPerInch, int screenWidth) {
  // A screen that reports no resolution or width counts as the 96-dpi, 800-pixel one the
  // formula was made on.
  if (!(pixelsPerInch > 0)) pixelsPerInch = 96;
  if (screenWidth <= 0) screenWidth = 800;
  const Extended pixels =
      static_cast<Extended>(position * 96) * (1 / 75.0L) * 96 / pixelsPerInch * 800 / screenWidth;
  return static_cast<int>(std::trunc(pixels));
}
