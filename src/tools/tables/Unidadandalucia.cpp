#include "tools/tables/Unidadandalucia.h"

#include <QStatusBar>
#include <QStyle>
#include <algorithm>

#include "numeric/Numeric.h"
#include "numeric/Picture.h"
#include "platform/Controls.h"
#include "platform/Edit.h"
#include "platform/Grid.h"
#include "platform/Locale.h"
#include "platform/Messages.h"
#include "platform/Pages.h"

namespace {

// The groups, by the number of their table (StringGrid<n>), and what sets each apart.
enum GroupNumber : int {
  // "Longitud - Peso - Capacidad" and "Superficie - Volumen": the small tables of factors.
  // A cell writes their metric edit in scientific form above 1e8 only.
  kVaraGroup = 1,   // varas and leguas of a metre. The metre edit is guarded by MetreTyped,
                    // not by a busy flag; its cells show pictures (FormatFixed), and the edit
                    // a cell writes converts from the field, not the text.
  kLibraGroup = 2,  // libras of a kilogram; beyond the limit, like the varas, the picture of 0
  kCapacityGroup = 3,
  kSurfaceGroup = 4,  // the tahulla is defined for Almería alone: its own box
  kVolumeGroup = 5,
  // A tab each, units from their own tables; a cell writes the metric edit in scientific
  // form also below 0.0001.
  kLengthGroup = 6,  // three metric edits: metre, centimetre, millimetre
  kWeightGroup = 7,  // two metric edits: kilogram and gram
  kWineGroup = 8,    // from here on the metric edit, written, shows its value again; this
                     // group's units undefined in a province have their own box
  kDryGroup = 9,     // from here on a value beyond the limit shows the "Oh!" box
  kOilGroup = 10,
  kFarmGroup = 11,
};

constexpr int kProvinces = 8;
const char* const kProvinceNames[kProvinces] = {"Almería", "Cádiz", "Córdoba", "Granada",
                                                "Huelva",  "Jaén",  "Málaga",  "Sevilla"};
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

struct Group {
  int sheet;                // the tab sheet that holds it
  int columns;              // of units
  bool provinces;           // the table has the province column
  const char* captions[8];  // the first sub-tab's own; the others' come from their units
  const Derived* units;
  int filled[8];   // decimals of a cell when the table is filled
  int changed[8];  // and after a change of the metric value
};

// By group number, which is the number of its table.
const Group kGroupTable[TFormAndalucia::kGroups + 1] = {
    {},
    {9, 2, true, {"Vara", "Legua"}, nullptr, {6, 6}, {6, 6}},
    {9, 1, false, {"Libra"}, nullptr, {6}, {6}},
    {9, 3, false, {"Cántara (1)", "Arroba aceite", "1/2 Fanega"}, nullptr, {6, 6, 6}, {6, 6, 6}},
    {8, 3, true, {"Fanega", "Tahulla (1)", "Vara²"}, nullptr, {6, 6, 6}, {6, 6, 6}},
    {8, 1, false, {"Vara³"}, nullptr, {6}, {6}},
    {2, 6, true, {}, kLongitud, {6, 6, 6, 6, 6, 5}, {6, 6, 6, 6, 6, 5}},
    {3, 8, true, {}, kPeso, {6, 6, 6, 6, 6, 5, 5, 4}, {6, 6, 6, 6, 6, 5, 5, 5}},
    {4, 6, true, {}, kVinosYLicores, {6, 6, 6, 6, 6, 5}, {6, 6, 6, 6, 6, 5}},
    {5, 6, true, {}, kAridos, {6, 6, 6, 6, 6, 5}, {6, 6, 6, 6, 6, 5}},
    {6, 4, true, {}, kAceite, {6, 6, 6, 4}, {6, 6, 6, 5}},
    {7, 7, true, {}, kAgrarias, {6, 6, 6, 6, 6, 6, 5}, {6, 6, 6, 6, 6, 5, 5}},
};

// The metric edits of each group: the first is the one a cell writes.
struct MetricEditRow {
  int edit;
  const char* label;
  const char* text;  // the default text
};
const MetricEditRow kMetricEdits[TFormAndalucia::kGroups + 1][3] = {
    {},
    {{1, "metro:", "1"}},
    {{2, "kilogramo:", "1"}},
    {{3, "litro:", "1"}},
    {{4, "metro cuadrado:", "1"}},
    {{5, "metro cúbico:", "1"}},
    {{6, "metro:", "1"}, {7, "centímetro:", "100"}, {8, "milímetro:", "1000"}},
    {{9, "kilogramo:", "1"}, {10, "gramo:", "1000"}},
    {{11, "litro:", "1"}},
    {{12, "litro:", "1"}},
    {{13, "litro:", "1"}},
    {{14, "metro cuadrado:", "1"}},
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
  SetCaption(QStringLiteral("Unidades Antiguas de Andalucía"));
  SetBorder(Border::Single);
  SetClientSize(706, 445);
  SetPosition(Position::ScreenCenter);

  auto* top = new TLabel(this, QStringLiteral("Panel1"),
                         QStringLiteral("MEDIDAS ANTIGUAS DE ANDALUCÍA  (Procedentes del sistema "
                                        "de medidas llamado de Castilla)"));
  top->setFrameStyle(QFrame::Panel | QFrame::Raised);
  top->setAlignment(Qt::AlignCenter);
  top->SetBold(true);
  top->setGeometry(0, 0, 706, 26);

  PageControl1 = new TPageControl(this, QStringLiteral("PageControl1"));
  PageControl1->SetTabWidth(100);
  PageControl1->setGeometry(0, 28, 706, 356);
  const char* const outer[] = {"Principales", "Longitud", "Peso",    "Vinos y Licores",
                               "Áridos",      "Aceite",   "Agrarias"};
  for (int i = 0; i < 7; ++i) {
    TabSheet[i + 1] =
        PageControl1->AddSheet(QStringLiteral("TabSheet%1").arg(i + 1), Utf8(outer[i]));
  }
  PageControl2 = new TPageControl(TabSheet[1], QStringLiteral("PageControl2"));
  PageControl2->SetTabWidth(200);
  PageControl2->setGeometry(4, 4, 692, 320);
  TabSheet[9] = PageControl2->AddSheet(QStringLiteral("TabSheet9"),
                                       QStringLiteral("Longitud - Peso - Capacidad"));
  TabSheet[8] =
      PageControl2->AddSheet(QStringLiteral("TabSheet8"), QStringLiteral("Superficie - Volumen"));

  // Where each group's table and metric edits stand on its page.
  static const int kEdits1[] = {52}, kEdits2[] = {290}, kEdits3[] = {456};
  BuildGroup(kVaraGroup, TabSheet[9], 10, kEdits1);
  BuildGroup(kLibraGroup, TabSheet[9], 290, kEdits2);
  BuildGroup(kCapacityGroup, TabSheet[9], 420, kEdits3);
  static const int kEdits4[] = {92}, kEdits5[] = {390};
  BuildGroup(kSurfaceGroup, TabSheet[8], 10, kEdits4);
  BuildGroup(kVolumeGroup, TabSheet[8], 390, kEdits5);
  static const int kEdits6[] = {50, 232, 414}, kEdits7[] = {72, 262};
  static const int kEditsLitre[] = {42}, kEdits14[] = {92};
  BuildGroup(kLengthGroup, TabSheet[2], 10, kEdits6);
  BuildGroup(kWeightGroup, TabSheet[3], 10, kEdits7);
  for (int g = kWineGroup; g <= kOilGroup; ++g)
    BuildGroup(g, TabSheet[kGroupTable[g].sheet], 10, kEditsLitre);
  BuildGroup(kFarmGroup, TabSheet[7], 10, kEdits14);

  const int footY = kGridY + StringGrid[1]->height() + 6;
  PlaceLabel(TabSheet[9], QStringLiteral("Label15"), QStringLiteral("(1) También llamada Arroba"),
             420, footY);
  PlaceLabel(TabSheet[8], QStringLiteral("Label16"), QStringLiteral("(1) Unidad de regadío"), 10,
             footY);

  SpeedButton1 = new TButton(TabSheet[7], QStringLiteral("SpeedButton1"), QString());
  SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
  SpeedButton1->setToolTip(QStringLiteral("Aclaración"));
  SpeedButton1->setFocusPolicy(Qt::NoFocus);
  SpeedButton1->setGeometry(StringGrid[11]->x() + StringGrid[11]->width() + 8, kGridY, 25, 25);
  SpeedButton1->OnClick = [this] { SpeedButton1Click(); };

  auto* bottom = new TBevel(this, QStringLiteral("Panel2"), TBevel::Shape::Box, true);
  bottom->setGeometry(0, 386, 706, 40);
  PlaceLabel(this, QStringLiteral("Label17"),
             QStringLiteral("Datos publicados por la Dirección General del Instituto Geográfico "
                            "y Estadístico. Año 1938"),
             10, 399);
  BitBtn1 =
      new TBitBtn(this, QStringLiteral("BitBtn1"), QStringLiteral("Volver"), TBitBtn::Kind::OK);
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

void TFormAndalucia::BuildGroup(int group, QWidget* page, int gridX, const int* editX) {
  const Group& g = kGroupTable[group];
  const int fixedCols = g.provinces ? 1 : 0;
  auto* grid = new TStringGrid(page, QStringLiteral("StringGrid%1").arg(group),
                               g.columns + fixedCols, kProvinces + 1, fixedCols, 1);
  grid->SetCellSize(kPitch, kRowHeight);
  grid->SetFixedColor(palette().color(QPalette::ToolTipBase));
  grid->setTextElideMode(Qt::ElideNone);
  grid->move(gridX, kGridY);
  grid->OnKeyPress = [this, group](char16_t& key) { StringGridKeyPress(group, key); };
  grid->OnSetEditText = [this, group](int col, int row, const QString& value) {
    StringGridSetEditText(group, col, row, value);
  };
  StringGrid[group] = grid;

  QList<QWidget*> chain;
  for (int i = 0; i < 3 && kMetricEdits[group][i].edit != 0; ++i) {
    const MetricEditRow& entry = kMetricEdits[group][i];
    auto* edit = new TEdit(page, QStringLiteral("Edit%1").arg(entry.edit), Utf8(entry.text));
    edit->setGeometry(editX[i], kEditY, kEditWidth, kEditHeight);
    AttachLabel(edit, QStringLiteral("Label%1").arg(entry.edit), Utf8(entry.label));
    edit->OnChange = [this, group](TEdit* sender) { EditChange(group, sender); };
    if (group != kVaraGroup) {
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
    for (int p = 0; p < kProvinces; ++p) grid->SetCell(0, p + 1, Utf8(kProvinceNames[p]));
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
      } else if (group == kVaraGroup) {
        // The metre table shows pictures: five decimals for the vara of Almería.
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
  if (group != kVaraGroup) {
    // Set until the next key in the group: the rewrites below run this again and stop here.
    if (TabBusy[group]) return;
    TabBusy[group] = true;
  }
  const QString text = sender->Text();
  if (text.isEmpty() || (group == kVaraGroup && text == QLatin1String("-"))) return;
  // The metre edit written by a cell brings the metres that the cell has just set.
  Extended value = group != kVaraGroup || MetreTyped ? Store(ParseValue(text)) : Metric[kVaraGroup];
  if (value > kLimit) {
    if (group == kVaraGroup) {
      // Written again, the edit reads the zero and refills the table for it.
      Metric[kVaraGroup] = 0;
      sender->SetText(FormatFixed(0, 6));
      return;
    }
    // The rest of the group follows the zero, so that no cell keeps the value before.
    sender->SetText(QStringLiteral("0"));
    value = 0;
  }
  auto shown = [](Extended v) { return CellText(v, 6); };
  if (group == kLengthGroup) {
    const int n = sender == Edit[7] ? 7 : sender == Edit[8] ? 8 : 6;
    const Extended metres = n == 7 ? value * 0.01L : n == 8 ? value * 0.001L : value;
    Metric[6] = Store(metres);
    if (n != 6) Edit[6]->SetText(shown(Metric[6]));
    if (n != 7) Edit[7]->SetText(shown(Metric[6] * 100.0L));
    if (n != 8) Edit[8]->SetText(shown(Metric[6] * 1000.0L));
  } else if (group == kWeightGroup) {
    if (sender == Edit[9]) {
      Metric[7] = Store(value);
      Edit[10]->SetText(shown(Metric[7] * 1000.0L));
    } else {
      Metric[7] = Store(value * 0.001L);
      Edit[9]->SetText(shown(Metric[7]));
    }
  } else {
    Metric[group] = Store(value);
    if (group >= kWineGroup && !sender->Focused()) sender->SetText(shown(value));
  }
  Refill(group);
}

void TFormAndalucia::StringGridSetEditText(int group, int col, int row, const QString& value) {
  if (value.isEmpty()) return;
  if (group == kVaraGroup && (MetreTyped || value == QLatin1String("-"))) return;
  TStringGrid* grid = StringGrid[group];
  const int province = row - 1;
  if (group == kSurfaceGroup && Factor[kSurfaceGroup][col][row] <= 0) {
    platform::MessageBox(this,
                         QStringLiteral("Esta unidad de regadío sólo se ha definido para Almería."),
                         QStringLiteral("Tahulla"), platform::Icon::Information);
    grid->SetCell(col, row, QString());
    return;
  }
  if (group == kWineGroup && Factor[kWineGroup][col][row] <= 0) {
    platform::MessageBox(
        this,
        QStringLiteral("No se ha definido esta unidad para ") + Utf8(kProvinceNames[province]),
        grid->Cell(col, 0), platform::Icon::None);
    grid->SetCell(col, row, QString());
    return;
  }
  if (group != kVaraGroup && TabBusy[group]) return;
  const Extended typed = ParseValue(value);
  Extended metric;
  if (group == kVaraGroup) {
    metric = typed * (col == 1 ? kVara[province] : kLegua[province]);
  } else if (group == kLibraGroup) {
    metric = typed * kLibra[province];
  } else {
    metric = Divide(typed, Factor[group][col][row]);
  }
  Metric[group] = Store(metric);
  TEdit* edit = MetricEdit(group);
  const double v = Metric[group];
  if (v > kLimit) {
    if (group >= kDryGroup) {
      platform::MessageBox(this,
                           QStringLiteral("Este es el máximo número admisible... \nSi necesita "
                                          "operar con magnitudes mayores que 10E300 comuníquese "
                                          "con el autor..."),
                           QStringLiteral("Oh!"), platform::Icon::None);
      grid->SetCell(col, row, QStringLiteral("0"));
      edit->SetFocus();
      edit->SetText(QStringLiteral("0"));
    } else if (group <= kLibraGroup) {
      // The metre edit, written by a cell, takes its value from the field, not the text.
      if (group == kVaraGroup) Metric[kVaraGroup] = 0;
      edit->SetText(FormatFixed(0, 6));
    } else {
      edit->SetText(QStringLiteral("0"));
    }
  } else if (group <= kVolumeGroup) {
    edit->SetText(v > 100000000.0 ? FormatScientific(v, 6) : FormatValue(v));
  } else {
    edit->SetText(v == 0 || (v > 0.0001 && v <= 100000000.0) ? FormatValue(v)
                                                             : FormatScientific(v, 6));
  }
  EditedCell = group == kVaraGroup ? col * 10 + row : 0;
}

void TFormAndalucia::StringGridKeyPress(int group, char16_t& key) {
  if (group == kVaraGroup) {
    MetreTyped = false;
  } else {
    TabBusy[group] = false;
  }
  EditedCell = 0;
  QString reference;
  bool inEdit = false;
  for (const MetricEditRow& entry : kMetricEdits[group]) {
    if (group != kVaraGroup && entry.edit != 0 && Edit[entry.edit]->Focused()) {
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
      QStringLiteral(
          "Fanega - Celemín - Cuartillo:\n"
          "    Son medidas de capacidad para áridos.\n"
          "    Aquí significan: espacio de tierra en que se siembra una fanega, celemín o "
          "cuartillo de trigo.\n"
          "\n"
          "Nota del autor:\n"
          "    Aunque resulta evidente la inconsistencia entre la Vara, como unidad de "
          "longitud, y la Vara² que\n"
          "    aquí se muestra, se han respetado las equivalencias publicadas por la fuente."),
      QStringLiteral("Aclaración"), platform::Icon::None);
}
