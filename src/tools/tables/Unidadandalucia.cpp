#include "tools/tables/Unidadandalucia.h"

#include <QStatusBar>
#include <QStyle>
#include <algorithm>

#include "numeric/Numeric.h"
#include "platform/Controls.h"
#include "platform/Edit.h"
#include "platform/Grid.h"
#include "platform/Messages.h"
#include "platform/Pages.h"
#include "value/Locale.h"
#include "value/Picture.h"

namespace {

// The groups, by the number of their table (StringGrid<n>). What each is and does is its row
// of kGroupTable below.
enum GroupNumber : int {
  // "Longitud - Peso - Capacidad" and "Superficie - Volumen": the small tables of factors.
  kVaraGroup = 1,
  kLibraGroup = 2,
  kCapacityGroup = 3,
  kSurfaceGroup = 4,
  kVolumeGroup = 5,
  // A tab each, units from their own tables.
  kLengthGroup = 6,
  kWeightGroup = 7,
  kWineGroup = 8,
  kDryGroup = 9,
  kOilGroup = 10,
  kFarmGroup = 11,
};

constexpr int kProvinces = 8;
// UTF-8, marked for translation in the window's context.
const char* const kProvinceNames[kProvinces] = {
    QT_TRANSLATE_NOOP("TFormAndalucia", "Almería"), QT_TRANSLATE_NOOP("TFormAndalucia", "Cádiz"),
    QT_TRANSLATE_NOOP("TFormAndalucia", "Córdoba"), QT_TRANSLATE_NOOP("TFormAndalucia", "Granada"),
    QT_TRANSLATE_NOOP("TFormAndalucia", "Huelva"),  QT_TRANSLATE_NOOP("TFormAndalucia", "Jaén"),
    QT_TRANSLATE_NOOP("TFormAndalucia", "Málaga"),  QT_TRANSLATE_NOOP("TFormAndalucia", "Sevilla")};
constexpr int kAlmeria = 0;

// A unit derived from a base unit of the province: how many of it make one base unit, per
// province (0: the province does not use it). The base's equivalence is the metric size of
// one base unit.
struct Derived {
  const char* caption;
  const double* base;
  Extended count[kProvinces];
};

// The equivalences published in 1938: the metric size of one old unit in each province.
// Vara (m)
constexpr double kVara[kProvinces] = {0.833,    0.835905, 0.835905, 0.835905,
                                      0.835905, 0.839,    0.835905, 0.835905};
// Legua (m)
constexpr double kLegua[kProvinces] = {5572.699, 5572.699, 5572.699, 5572.699,
                                       5572.699, 5572.699, 5572.699, 5572.699};
// Libra (kg)
constexpr double kLibra[kProvinces] = {0.460093, 0.460093, 0.460093, 0.460093,
                                       0.460093, 0.460093, 0.460093, 0.460093};
// Cántara (l)
constexpr double kCantara[kProvinces] = {16.36, 15.844, 16.31, 16.42, 15.78, 16.04, 16.66, 15.66};
// Arroba aceite (l)
constexpr double kArrobaAceite[kProvinces] = {12.14,  12.52, 12.563, 12.563,
                                              12.563, 14.24, 12.563, 12.563};
// 1/2 Fanega (l)
constexpr double kMediaFanega[kProvinces] = {27.531, 27.272, 27.6,  27.35,
                                             27.531, 27.37,  26.97, 27.35};
// Fanega (m²)
constexpr double kFanegaTierra[kProvinces] = {6439.5617, 6439.5617, 6121.2287, 6439.5617,
                                              3689.3323, 6262.7812, 6037.0891, 5944.7248};
// Tahulla (m²), 0: not used
constexpr double kTahulla[kProvinces] = {1118.2336, 0, 0, 0, 0, 0, 0, 0};
// "Longitud": Toesa (m)
constexpr double kLongitudBase[kProvinces] = {1.666,   1.67181, 1.67181, 1.67181,
                                              1.67181, 1.678,   1.67181, 1.67181};
// "Longitud": how many of each unit make one Toesa
constexpr Derived kLongitud[] = {
    {"Toesa", kLongitudBase, {1.0L, 1.0L, 1.0L, 1.0L, 1.0L, 1.0L, 1.0L, 1.0L}},
    {"Vara", kLongitudBase, {2.0L, 2.0L, 2.0L, 2.0L, 2.0L, 2.0L, 2.0L, 2.0L}},
    {"Pie", kLongitudBase, {6.0L, 6.0L, 6.0L, 6.0L, 6.0L, 6.0L, 6.0L, 6.0L}},
    {"Pulgada", kLongitudBase, {72.0L, 72.0L, 72.0L, 72.0L, 72.0L, 72.0L, 72.0L, 72.0L}},
    {"Línea", kLongitudBase, {864.0L, 864.0L, 864.0L, 864.0L, 864.0L, 864.0L, 864.0L, 864.0L}},
    {"Punto",
     kLongitudBase,
     {10368.0L, 10368.0L, 10368.0L, 10368.0L, 10368.0L, 10368.0L, 10368.0L, 10368.0L}},
};
// "Peso": how many of each unit make one Libra
constexpr Derived kPeso[] = {
    {"Tonelada",
     kLibra,
     {1.0L / 2000, 1.0L / 2000, 1.0L / 2000, 1.0L / 2000, 1.0L / 2000, 1.0L / 2000, 1.0L / 2000,
      1.0L / 2000}},
    {"Quintal",
     kLibra,
     {1.0L / 100, 1.0L / 100, 1.0L / 100, 1.0L / 100, 1.0L / 100, 1.0L / 100, 1.0L / 100,
      1.0L / 100}},
    {"Arroba",
     kLibra,
     {1.0L / 25, 1.0L / 25, 1.0L / 25, 1.0L / 25, 1.0L / 25, 1.0L / 25, 1.0L / 25, 1.0L / 25}},
    {"Libra", kLibra, {1.0L, 1.0L, 1.0L, 1.0L, 1.0L, 1.0L, 1.0L, 1.0L}},
    {"Onza", kLibra, {16.0L, 16.0L, 16.0L, 16.0L, 16.0L, 16.0L, 16.0L, 16.0L}},
    {"Adarme", kLibra, {256.0L, 256.0L, 256.0L, 256.0L, 256.0L, 256.0L, 256.0L, 256.0L}},
    {"Tomín", kLibra, {768.0L, 768.0L, 768.0L, 768.0L, 768.0L, 768.0L, 768.0L, 768.0L}},
    {"Grano", kLibra, {9216.0L, 9216.0L, 9216.0L, 9216.0L, 9216.0L, 9216.0L, 9216.0L, 9216.0L}},
};
// "Vinos y Licores": how many of each unit make one Cántara
constexpr Derived kVinosYLicores[] = {
    {"Moyo",
     kCantara,
     {1.0L / 16, 1.0L / 16, 1.0L / 16, 1.0L / 16, 1.0L / 16, 1.0L / 16, 1.0L / 16, 1.0L / 16}},
    {"Cántara", kCantara, {1.0L, 1.0L, 1.0L, 1.0L, 1.0L, 1.0L, 1.0L, 1.0L}},
    {"La Azumbre", kCantara, {9.0L, 8.0L, 8.0L, 8.0L, 0.0L, 8.0L, 8.0L, 8.0L}},
    {"Jarro", kCantara, {0.0L, 0.0L, 0.0L, 0.0L, 16.0L, 0.0L, 0.0L, 0.0L}},
    {"Cuartillo", kCantara, {36.0L, 32.0L, 32.0L, 32.0L, 32.0L, 32.0L, 32.0L, 32.0L}},
    {"Copa", kCantara, {144.0L, 128.0L, 128.0L, 128.0L, 128.0L, 128.0L, 128.0L, 128.0L}},
};
// "Áridos": Fanega (l)
constexpr double kAridosBase[kProvinces] = {55.062, 54.544, 55.2, 54.7, 55.062, 54.74, 53.94, 54.7};
// "Áridos": how many of each unit make one Fanega
constexpr Derived kAridos[] = {
    {"El Cahíz",
     kAridosBase,
     {1.0L / 12, 1.0L / 12, 1.0L / 12, 1.0L / 12, 1.0L / 12, 1.0L / 12, 1.0L / 12, 1.0L / 12}},
    {"Fanega", kAridosBase, {1.0L, 1.0L, 1.0L, 1.0L, 1.0L, 1.0L, 1.0L, 1.0L}},
    {"Celemín", kAridosBase, {12.0L, 12.0L, 12.0L, 12.0L, 12.0L, 12.0L, 12.0L, 12.0L}},
    {"Cuartillo", kAridosBase, {48.0L, 48.0L, 48.0L, 48.0L, 48.0L, 48.0L, 48.0L, 48.0L}},
    {"Ochavo", kAridosBase, {192.0L, 192.0L, 192.0L, 192.0L, 192.0L, 192.0L, 192.0L, 192.0L}},
    {"Ochavillos", kAridosBase, {768.0L, 768.0L, 768.0L, 768.0L, 768.0L, 768.0L, 768.0L, 768.0L}},
};
// "Aceite": how many of each unit make one Cántara
constexpr Derived kAceite[] = {
    {"Cántara", kArrobaAceite, {1.0L, 1.0L, 1.0L, 1.0L, 1.0L, 1.0L, 1.0L, 1.0L}},
    {"Libra", kArrobaAceite, {25.0L, 25.0L, 25.0L, 25.0L, 25.0L, 27.0L, 25.0L, 25.0L}},
    {"Panilla", kArrobaAceite, {100.0L, 100.0L, 100.0L, 100.0L, 100.0L, 108.0L, 100.0L, 100.0L}},
    {"Onza", kArrobaAceite, {400.0L, 400.0L, 400.0L, 400.0L, 400.0L, 432.0L, 400.0L, 400.0L}},
};
// "Agrarias": how many of each unit make one Fanega
constexpr Derived kAgrarias[] = {
    {"Fanega", kFanegaTierra, {1.0L, 1.0L, 1.0L, 1.0L, 1.0L, 1.0L, 1.0L, 1.0L}},
    {"Aranzada", kFanegaTierra, {1.44L, 1.44L, 1.44L, 1.44L, 1.44L, 1.44L, 1.44L, 1.44L}},
    {"Celemín", kFanegaTierra, {12.0L, 12.0L, 12.0L, 12.0L, 12.0L, 12.0L, 12.0L, 12.0L}},
    {"Cuartillo", kFanegaTierra, {48.0L, 48.0L, 48.0L, 48.0L, 48.0L, 48.0L, 48.0L, 48.0L}},
    {"Estadal²", kFanegaTierra, {576.0L, 576.0L, 576.0L, 576.0L, 576.0L, 576.0L, 576.0L, 576.0L}},
    {"Vara²",
     kFanegaTierra,
     {9216.0L, 9216.0L, 9216.0L, 9216.0L, 9216.0L, 9216.0L, 9216.0L, 9216.0L}},
    {"Pie²",
     kFanegaTierra,
     {82944.0L, 82944.0L, 82944.0L, 82944.0L, 82944.0L, 82944.0L, 82944.0L, 82944.0L}},
};

constexpr Extended kLimit = 1e300L;

// How a group's metric edit keeps a change from running the table again.
enum class Guard {
  // Its change sets TabBusy[group] until the next key in the group (a cell's or an edit's).
  Busy,
  // The metre edit has keys of its own, which set MetreTyped; a key in the table clears it.
  // With no busy flag, the edit written by a cell converts again, from the metres the cell
  // set (the field, not the text), and so does a value beyond the limit written back as 0;
  // the table goes on skipping the cell typed in until the next key; a lone "-" waits.
  MetreTyped,
};

// A cell of a unit that the province does not use, typed into: the cell is emptied after
// a box.
enum class Undefined {
  Never,       // every province uses every unit
  Irrigation,  // "Tahulla": the unit of irrigated land, defined for Almería alone
  InProvince,  // the unit's heading: "No se ha definido esta unidad para <province>"
};

// An amount typed into a cell that gives a metric value beyond the limit.
enum class Beyond {
  Zero,           // the metric edit shows 0
  PictureOfZero,  // the metric edit shows the picture of 0 with six decimals
  OhBox,          // the "Oh!" box; the cell and the metric edit show 0, the edit has the focus
};

struct Group {
  int sheet;                     // the tab sheet that holds it
  int gridX;                     // where its table stands on the page
  int columns;                   // of units
  bool provinces = true;         // the table has the province column
  const char* captions[8] = {};  // the first sub-tab's own; the others' come from their units
  const Derived* units = nullptr;
  int filled[8];   // decimals of a cell when the table is filled
  int changed[8];  // and after a change of the metric value
  Guard guard = Guard::Busy;
  bool pictures = false;  // its cells, when filled, show pictures of fixed decimals
  // Per column, the province's size of the unit: a cell's amount times it gives the metric
  // value. Where none is given, the amount is divided by the cell's factor.
  const double* sizes[3] = {};
  Undefined undefined = Undefined::Never;
  Beyond beyond = Beyond::Zero;
  // The metric edit that a cell writes is in scientific form above 1e8, and also below
  // 0.0001 when this is set.
  bool smallInScientific = true;
  bool reshown = false;  // the metric edit, written by a cell, shows its value again
};

// By group number, which is the number of its table.
const Group kGroupTable[TFormAndalucia::kGroups + 1] = {
    {},
    {.sheet = 9,
     .gridX = 10,
     .columns = 2,
     .captions = {"Vara", "Legua"},
     .filled = {6, 6},
     .changed = {6, 6},
     .guard = Guard::MetreTyped,
     .pictures = true,
     .sizes = {nullptr, kVara, kLegua},
     .beyond = Beyond::PictureOfZero,
     .smallInScientific = false},
    {.sheet = 9,
     .gridX = 290,
     .columns = 1,
     .provinces = false,
     .captions = {"Libra"},
     .filled = {6},
     .changed = {6},
     .sizes = {kLibra},
     .beyond = Beyond::PictureOfZero,
     .smallInScientific = false},
    {.sheet = 9,
     .gridX = 420,
     .columns = 3,
     .provinces = false,
     .captions = {"Cántara (1)", "Arroba aceite", "1/2 Fanega"},
     .filled = {6, 6, 6},
     .changed = {6, 6, 6},
     .smallInScientific = false},
    {.sheet = 8,
     .gridX = 10,
     .columns = 3,
     .captions = {"Fanega", "Tahulla (1)", "Vara²"},
     .filled = {6, 6, 6},
     .changed = {6, 6, 6},
     .undefined = Undefined::Irrigation,
     .smallInScientific = false},
    {.sheet = 8,
     .gridX = 390,
     .columns = 1,
     .provinces = false,
     .captions = {"Vara³"},
     .filled = {6},
     .changed = {6},
     .smallInScientific = false},
    {.sheet = 2,
     .gridX = 10,
     .columns = 6,
     .units = kLongitud,
     .filled = {6, 6, 6, 6, 6, 5},
     .changed = {6, 6, 6, 6, 6, 5}},
    {.sheet = 3,
     .gridX = 10,
     .columns = 8,
     .units = kPeso,
     .filled = {6, 6, 6, 6, 6, 5, 5, 4},
     .changed = {6, 6, 6, 6, 6, 5, 5, 5}},
    {.sheet = 4,
     .gridX = 10,
     .columns = 6,
     .units = kVinosYLicores,
     .filled = {6, 6, 6, 6, 6, 5},
     .changed = {6, 6, 6, 6, 6, 5},
     .undefined = Undefined::InProvince,
     .reshown = true},
    {.sheet = 5,
     .gridX = 10,
     .columns = 6,
     .units = kAridos,
     .filled = {6, 6, 6, 6, 6, 5},
     .changed = {6, 6, 6, 6, 6, 5},
     .beyond = Beyond::OhBox,
     .reshown = true},
    {.sheet = 6,
     .gridX = 10,
     .columns = 4,
     .units = kAceite,
     .filled = {6, 6, 6, 4},
     .changed = {6, 6, 6, 5},
     .beyond = Beyond::OhBox,
     .reshown = true},
    {.sheet = 7,
     .gridX = 10,
     .columns = 7,
     .units = kAgrarias,
     .filled = {6, 6, 6, 6, 6, 6, 5},
     .changed = {6, 6, 6, 6, 6, 5, 5},
     .beyond = Beyond::OhBox,
     .reshown = true},
};

// The metric edits of each group: the first is the one a cell writes, and the group's
// metric value is in its unit.
struct MetricEditRow {
  int edit;
  const char* label;        // UTF-8, marked for translation in the window's context
  const char* text;         // the default text
  int x;                    // where it stands on the page
  Extended toMetric = 1;    // a value of the edit times this is the metric value
  Extended fromMetric = 1;  // and the metric value times this the edit's value
};
const MetricEditRow kMetricEdits[TFormAndalucia::kGroups + 1][3] = {
    {},
    {{1, QT_TRANSLATE_NOOP("TFormAndalucia", "metro:"), "1", 52}},
    {{2, QT_TRANSLATE_NOOP("TFormAndalucia", "kilogramo:"), "1", 290}},
    {{3, QT_TRANSLATE_NOOP("TFormAndalucia", "litro:"), "1", 456}},
    {{4, QT_TRANSLATE_NOOP("TFormAndalucia", "metro cuadrado:"), "1", 92}},
    {{5, QT_TRANSLATE_NOOP("TFormAndalucia", "metro cúbico:"), "1", 390}},
    {{6, QT_TRANSLATE_NOOP("TFormAndalucia", "metro:"), "1", 50},
     {7, QT_TRANSLATE_NOOP("TFormAndalucia", "centímetro:"), "100", 232, 0.01L, 100.0L},
     {8, QT_TRANSLATE_NOOP("TFormAndalucia", "milímetro:"), "1000", 414, 0.001L, 1000.0L}},
    {{9, QT_TRANSLATE_NOOP("TFormAndalucia", "kilogramo:"), "1", 72},
     {10, QT_TRANSLATE_NOOP("TFormAndalucia", "gramo:"), "1000", 262, 0.001L, 1000.0L}},
    {{11, QT_TRANSLATE_NOOP("TFormAndalucia", "litro:"), "1", 42}},
    {{12, QT_TRANSLATE_NOOP("TFormAndalucia", "litro:"), "1", 42}},
    {{13, QT_TRANSLATE_NOOP("TFormAndalucia", "litro:"), "1", 42}},
    {{14, QT_TRANSLATE_NOOP("TFormAndalucia", "metro cuadrado:"), "1", 92}},
};

QString Utf8(const char* text) { return QString::fromUtf8(text); }

// A cell's product: in the short scientific picture above a million, else rounded.
QString CellText(Extended product, int decimals) {
  if (product > 1000000.0L) return FormatScientific(Store(product), 4);
  return FormatValue(RoundTo(product, decimals));
}

// The key filter of the tables and their edits, against the text the key goes into.
char16_t FilterGroupKey(char16_t key, const QString& text) {
  const QChar separator(platform::DecimalSeparator());
  if (key == u'.' || key == u',') {
    return text.contains(separator) || text.contains(u'n') ? 0 : separator.unicode();
  }
  if (key == u'e' || key == u'E') return text.isEmpty() || text.contains(u'E') ? 0 : u'E';
  if (key == u'-') {
    if (text.endsWith(u'E')) return key;
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c == u'E'; }) ? key : 0;
  }
  if ((key >= u'0' && key <= u'9') || key == 8) return key;
  return 0;
}

constexpr int kPitch = 70;  // column width
constexpr int kRowHeight = 20;
constexpr int kEditY = 12;
constexpr int kGridY = 44;
constexpr int kEditWidth = 105;
constexpr int kEditHeight = 21;

}  // namespace

TFormAndalucia::TFormAndalucia(QWidget* owner) : TForm(owner, QStringLiteral("FormAndalucia")) {
  SetCaption(tr("Unidades Antiguas de Andalucía"));
  SetBorder(Border::Single);
  SetClientSize(706, 445);
  SetPosition(Position::ScreenCenter);

  auto* top = new TLabel(this, QStringLiteral("Panel1"),
                         tr("MEDIDAS ANTIGUAS DE ANDALUCÍA  (Procedentes del sistema "
                            "de medidas llamado de Castilla)"));
  top->setFrameStyle(QFrame::Panel | QFrame::Raised);
  top->setAlignment(Qt::AlignCenter);
  top->SetBold(true);
  top->setGeometry(0, 0, 706, 26);

  PageControl1 = new TPageControl(this, QStringLiteral("PageControl1"));
  PageControl1->SetTabWidth(100);
  PageControl1->setGeometry(0, 28, 706, 356);
  const char* const outer[] = {
      QT_TRANSLATE_NOOP("TFormAndalucia", "Principales"),
      QT_TRANSLATE_NOOP("TFormAndalucia", "Longitud"), QT_TRANSLATE_NOOP("TFormAndalucia", "Peso"),
      QT_TRANSLATE_NOOP("TFormAndalucia", "Vinos y Licores"),
      //: dry goods: grain and pulses measured by volume
      QT_TRANSLATE_NOOP("TFormAndalucia", "Áridos"), QT_TRANSLATE_NOOP("TFormAndalucia", "Aceite"),
      //: land measures
      QT_TRANSLATE_NOOP("TFormAndalucia", "Agrarias")};
  for (int i = 0; i < 7; ++i) {
    TabSheet[i + 1] =
        PageControl1->AddSheet(QStringLiteral("TabSheet%1").arg(i + 1), Text(outer[i]));
  }
  PageControl2 = new TPageControl(TabSheet[1], QStringLiteral("PageControl2"));
  PageControl2->SetTabWidth(200);
  PageControl2->setGeometry(4, 4, 692, 320);
  TabSheet[9] =
      PageControl2->AddSheet(QStringLiteral("TabSheet9"), tr("Longitud - Peso - Capacidad"));
  TabSheet[8] = PageControl2->AddSheet(QStringLiteral("TabSheet8"), tr("Superficie - Volumen"));

  for (int group = 1; group <= kGroups; ++group) BuildGroup(group);

  const int footY = kGridY + StringGrid[1]->height() + 6;
  PlaceLabel(TabSheet[9], QStringLiteral("Label15"),
             //: a footnote to the unit "Cántara (1)", whose other name is "Arroba"
             tr("(1) También llamada Arroba"), 420, footY);
  PlaceLabel(TabSheet[8], QStringLiteral("Label16"),
             //: a footnote to the unit "Tahulla (1)"
             tr("(1) Unidad de regadío"), 10, footY);

  SpeedButton1 = new TButton(TabSheet[7], QStringLiteral("SpeedButton1"), QString());
  SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
  SpeedButton1->setToolTip(tr("Aclaración"));
  SpeedButton1->setFocusPolicy(Qt::NoFocus);
  SpeedButton1->setGeometry(StringGrid[11]->x() + StringGrid[11]->width() + 8, kGridY, 25, 25);
  SpeedButton1->OnClick = [this] { SpeedButton1Click(); };

  auto* bottom = new TBevel(this, QStringLiteral("Panel2"), TBevel::Shape::Box, true);
  bottom->setGeometry(0, 386, 706, 40);
  PlaceLabel(this, QStringLiteral("Label17"),
             tr("Datos publicados por la Dirección General del Instituto Geográfico "
                "y Estadístico. Año 1938"),
             10, 399);
  BitBtn1 = new TBitBtn(this, QStringLiteral("BitBtn1"), tr("Volver"), TBitBtn::Kind::OK);
  BitBtn1->setGeometry(612, 392, 83, 27);

  StatusBar1 = new QStatusBar(this);
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1->setSizeGripEnabled(false);
  StatusBar1->setGeometry(0, 427, 706, 18);

  TabSheet[8]->OnShow = [this] { TabSheetShow(8); };
  for (int sheet = 2; sheet <= 7; ++sheet) {
    TabSheet[sheet]->OnShow = [this, sheet] { TabSheetShow(sheet); };
  }
  Edit[1]->OnKeyPress = [this](TEdit*, char16_t& key) { Edit1KeyPress(key); };
  Edit[1]->OnKeyDown = [this](TEdit*, int& key, Qt::KeyboardModifiers) { Edit1KeyDown(key); };

  Fill(1);
  Fill(2);
  Fill(3);
  Edit[1]->setFocus();  // the window opens ready for a length
}

void TFormAndalucia::BuildGroup(int group) {
  const Group& g = kGroupTable[group];
  QWidget* page = TabSheet[g.sheet];
  const int fixedCols = g.provinces ? 1 : 0;
  auto* grid = new TStringGrid(page, QStringLiteral("StringGrid%1").arg(group),
                               g.columns + fixedCols, kProvinces + 1, fixedCols, 1);
  grid->SetCellSize(kPitch, kRowHeight);
  grid->SetFixedColor(palette().color(QPalette::ToolTipBase));
  grid->setTextElideMode(Qt::ElideNone);
  grid->move(g.gridX, kGridY);
  grid->OnKeyPress = [this, group](char16_t& key) { StringGridKeyPress(group, key); };
  grid->OnSetEditText = [this, group](int col, int row, const QString& value) {
    StringGridSetEditText(group, col, row, value);
  };
  StringGrid[group] = grid;

  QList<QWidget*> chain;
  for (int i = 0; i < 3 && kMetricEdits[group][i].edit != 0; ++i) {
    const MetricEditRow& entry = kMetricEdits[group][i];
    auto* edit = new TEdit(page, QStringLiteral("Edit%1").arg(entry.edit), Utf8(entry.text));
    edit->setGeometry(entry.x, kEditY, kEditWidth, kEditHeight);
    AttachLabel(edit, QStringLiteral("Label%1").arg(entry.edit), Text(entry.label));
    edit->OnChange = [this, group](TEdit* sender) { EditChange(group, sender); };
    if (g.guard == Guard::Busy) {
      edit->OnKeyPress = [this, group](TEdit*, char16_t& key) { StringGridKeyPress(group, key); };
    }
    chain << edit;
    Edit[entry.edit] = edit;
  }
  SetTabChain(chain << grid);
}

TEdit* TFormAndalucia::MetricEdit(int group) const { return Edit[kMetricEdits[group][0].edit]; }

void TFormAndalucia::SetFactors(int group) {
  auto& f = Factor[group];
  for (auto& column : f) {
    for (double& cell : column) cell = 0;
  }
  auto reciprocal = [](double e) { return Store(1.0L / e); };
  for (int p = 0; p < kProvinces; ++p) {
    const int row = p + 1;
    const double vara = reciprocal(kVara[p]);
    const double vara2 = Store(1.0L / (static_cast<Extended>(kVara[p]) * kVara[p]));
    switch (group) {
      case kVaraGroup:
        f[1][row] = vara;
        f[2][row] = reciprocal(kLegua[p]);
        break;
      case kLibraGroup: f[0][row] = reciprocal(kLibra[p]); break;
      case kCapacityGroup:
        f[0][row] = reciprocal(kCantara[p]);
        f[1][row] = reciprocal(kArrobaAceite[p]);
        f[2][row] = reciprocal(kMediaFanega[p]);
        break;
      case kSurfaceGroup:
        f[1][row] = reciprocal(kFanegaTierra[p]);
        f[2][row] = kTahulla[p] > 0 ? reciprocal(kTahulla[p]) : -1.0;
        f[3][row] = vara2;
        break;
      case kVolumeGroup: f[0][row] = Store(static_cast<Extended>(vara2) * vara); break;
      default:
        for (int c = 0; c < kGroupTable[group].columns; ++c) {
          const Derived& unit = kGroupTable[group].units[c];
          f[c + 1][row] = Store(reciprocal(unit.base[p]) * unit.count[p]);
        }
        break;
    }
  }
}

void TFormAndalucia::Fill(int group) {
  const Group& g = kGroupTable[group];
  TStringGrid* grid = StringGrid[group];
  const int first = g.provinces ? 1 : 0;
  if (g.provinces) {
    for (int p = 0; p < kProvinces; ++p) grid->SetCell(0, p + 1, Text(kProvinceNames[p]));
  }
  for (int c = 0; c < g.columns; ++c) {
    grid->SetCell(c + first, 0, Utf8(g.units ? g.units[c].caption : g.captions[c]));
  }
  for (const MetricEditRow& entry : kMetricEdits[group]) {
    if (entry.edit != 0) Edit[entry.edit]->SetText(Utf8(entry.text));
  }
  SetFactors(group);
  Metric[group] = 1;  // what the cells now show
  for (int c = 0; c < g.columns; ++c) {
    for (int row = 1; row <= kProvinces; ++row) {
      const double factor = Factor[group][c + first][row];
      QString text;
      if (factor <= 0) {
        // a unit the province does not use
      } else if (g.pictures) {
        // Five decimals for the first unit of Almería.
        text = FormatFixed(factor, c == 0 && row == kAlmeria + 1 ? 5 : 6);
      } else {
        text = CellText(factor, g.filled[c]);
      }
      grid->SetCell(c + first, row, text);
    }
  }
}

void TFormAndalucia::Refill(int group) {
  const Group& g = kGroupTable[group];
  const int first = g.provinces ? 1 : 0;
  for (int c = 0; c < g.columns; ++c) {
    for (int row = 1; row <= kProvinces; ++row) {
      const double factor = Factor[group][c + first][row];
      if ((c + first) * 10 + row == EditedCell || factor <= 0) continue;
      StringGrid[group]->SetCell(
          c + first, row, CellText(static_cast<Extended>(Metric[group]) * factor, g.changed[c]));
    }
  }
}

void TFormAndalucia::TabSheetShow(int sheet) {
  for (int group = 1; group <= kGroups; ++group) {
    if (kGroupTable[group].sheet == sheet) Fill(group);
  }
}

void TFormAndalucia::EditChange(int group, TEdit* sender) {
  const Group& g = kGroupTable[group];
  const bool busyGuard = g.guard == Guard::Busy;
  if (busyGuard) {
    // Set until the next key in the group: the rewrites below run this again and stop here.
    if (TabBusy[group]) return;
    TabBusy[group] = true;
  }
  const QString text = sender->Text();
  if (text.isEmpty() || (!busyGuard && text == QLatin1String("-"))) return;
  // The metre edit written by a cell brings the metres that the cell has just set.
  Extended value = busyGuard || MetreTyped ? Store(ParseValue(text)) : Metric[group];
  if (value > kLimit) {
    if (!busyGuard) {
      // Written again, the edit reads the zero and refills the table for it.
      Metric[group] = 0;
      sender->SetText(FormatFixed(0, 6));
      return;
    }
    // The rest of the group follows the zero, so that no cell keeps the value before.
    sender->SetText(QStringLiteral("0"));
    value = 0;
  }
  auto shown = [](Extended v) { return CellText(v, 6); };
  const MetricEditRow* source = &kMetricEdits[group][0];
  for (const MetricEditRow& entry : kMetricEdits[group]) {
    if (entry.edit != 0 && Edit[entry.edit] == sender) source = &entry;
  }
  Metric[group] = Store(value * source->toMetric);
  for (const MetricEditRow& entry : kMetricEdits[group]) {
    if (entry.edit != 0 && &entry != source) {
      Edit[entry.edit]->SetText(shown(Metric[group] * entry.fromMetric));
    }
  }
  if (g.reshown && !sender->Focused()) sender->SetText(shown(value));
  Refill(group);
}

void TFormAndalucia::StringGridSetEditText(int group, int col, int row, const QString& value) {
  const Group& g = kGroupTable[group];
  const bool busyGuard = g.guard == Guard::Busy;
  if (value.isEmpty()) return;
  if (!busyGuard && (MetreTyped || value == QLatin1String("-"))) return;
  TStringGrid* grid = StringGrid[group];
  const int province = row - 1;
  if (g.undefined != Undefined::Never && Factor[group][col][row] <= 0) {
    if (g.undefined == Undefined::Irrigation) {
      platform::MessageBox(this, tr("Esta unidad de regadío sólo se ha definido para Almería."),
                           QStringLiteral("Tahulla"), platform::Icon::Information);
    } else {
      platform::MessageBox(
          this, tr("No se ha definido esta unidad para %1").arg(Text(kProvinceNames[province])),
          grid->Cell(col, 0), platform::Icon::None);
    }
    grid->SetCell(col, row, QString());
    return;
  }
  if (busyGuard && TabBusy[group]) return;
  const Extended typed = ParseValue(value);
  const double* size = col < 3 ? g.sizes[col] : nullptr;
  const Extended metric = size ? typed * size[province] : Divide(typed, Factor[group][col][row]);
  Metric[group] = Store(metric);
  TEdit* edit = MetricEdit(group);
  const double v = Metric[group];
  if (v > kLimit) {
    switch (g.beyond) {
      case Beyond::OhBox:
        platform::MessageBox(this,
                             tr("Este es el máximo número admisible... \nSi necesita "
                                "operar con magnitudes mayores que 10E300 "
                                "comuníquese con el autor..."),
                             tr("Oh!"), platform::Icon::None);
        grid->SetCell(col, row, QStringLiteral("0"));
        edit->SetFocus();
        edit->SetText(QStringLiteral("0"));
        break;
      case Beyond::PictureOfZero:
        // The metre edit, written by a cell, takes its value from the field, not the text.
        if (!busyGuard) Metric[group] = 0;
        edit->SetText(FormatFixed(0, 6));
        break;
      case Beyond::Zero: edit->SetText(QStringLiteral("0")); break;
    }
  } else if (!g.smallInScientific) {
    edit->SetText(v > 100000000.0 ? FormatScientific(v, 6) : FormatValue(v));
  } else {
    edit->SetText(v == 0 || (v > 0.0001 && v <= 100000000.0) ? FormatValue(v)
                                                             : FormatScientific(v, 6));
  }
  EditedCell = busyGuard ? 0 : col * 10 + row;
}

void TFormAndalucia::StringGridKeyPress(int group, char16_t& key) {
  const bool busyGuard = kGroupTable[group].guard == Guard::Busy;
  if (busyGuard) {
    TabBusy[group] = false;
  } else {
    MetreTyped = false;
  }
  EditedCell = 0;
  QString reference;
  bool inEdit = false;
  for (const MetricEditRow& entry : kMetricEdits[group]) {
    if (busyGuard && entry.edit != 0 && Edit[entry.edit]->Focused()) {
      reference = Edit[entry.edit]->Text();
      inEdit = true;
    }
  }
  if (!inEdit) {
    TStringGrid* grid = StringGrid[group];
    reference = grid->Cell(grid->Col(), grid->Row());
    EditedCell = grid->Col() * 10 + grid->Row();
  }
  key = FilterGroupKey(key, reference);
}

void TFormAndalucia::Edit1KeyPress(char16_t& key) {
  EditedCell = 0;
  MetreTyped = true;
  key = FilterNumericKey(key, Edit[1]);
}

void TFormAndalucia::Edit1KeyDown(int key) {
  if (key != Qt::Key_Delete) return;
  EditedCell = 0;
  MetreTyped = true;
}

void TFormAndalucia::SpeedButton1Click() {
  platform::MessageBox(
      this,
      tr("Fanega - Celemín - Cuartillo:\n"
         "    Son medidas de capacidad para áridos.\n"
         "    Aquí significan: espacio de tierra en que se siembra una fanega, celemín o "
         "cuartillo de trigo.\n"
         "\n"
         "Nota del autor:\n"
         "    Aunque resulta evidente la inconsistencia entre la Vara, como unidad de "
         "longitud, y la Vara² que\n"
         "    aquí se muestra, se han respetado las equivalencias publicadas por la fuente."),
      tr("Aclaración"), platform::Icon::None);
}
