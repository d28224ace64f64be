#include "tools/physical/Unidadsensaciont.h"

#include <QApplication>
#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <cmath>

#include "numeric/Numeric.h"
#include "platform/Colors.h"
#include "platform/ComboBox.h"
#include "platform/Controls.h"
#include "platform/Edit.h"
#include "platform/Pages.h"
#include "platform/Panel.h"
#include "platform/StatusBar.h"
#include "value/Locale.h"

namespace {

constexpr int kTemperatures = 31;  // 20 to 50 °C
constexpr int kHumidities = 21;    // 0 to 100 % in steps of 5
constexpr int kWindClasses = 5;

// The felt temperature in °C by humidity (rows, 0 % to 100 %) and temperature (columns,
// 20 °C to 50 °C); it saturates at 55.
constexpr int kHeatIndex[kHumidities][kTemperatures] = {
    {16, 18, 19, 20, 21, 22, 24, 25, 26, 26, 27, 28, 29, 29, 30, 31,
     32, 32, 33, 34, 35, 35, 36, 37, 38, 38, 39, 40, 41, 42, 42},  // 0 %
    {16, 18, 19, 20, 21, 23, 24, 25, 26, 26, 27, 28, 29, 29, 30, 32,
     33, 33, 34, 35, 36, 36, 37, 38, 39, 40, 41, 42, 43, 45, 45},  // 5 %
    {17, 18, 19, 20, 22, 23, 24, 25, 26, 27, 28, 29, 29, 30, 31, 32,
     33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 47, 48},  // 10 %
    {17, 19, 20, 20, 22, 23, 24, 25, 26, 27, 28, 29, 29, 30, 31, 32,
     34, 35, 36, 37, 39, 40, 41, 42, 44, 45, 45, 47, 49, 50, 50},  // 15 %
    {17, 19, 20, 21, 22, 24, 25, 26, 27, 27, 28, 29, 30, 31, 32, 33,
     35, 36, 37, 38, 40, 41, 42, 44, 45, 47, 49, 51, 53, 54, 55},  // 20 %
    {18, 19, 20, 21, 22, 24, 25, 26, 27, 28, 28, 29, 31, 33, 34, 35,
     36, 38, 39, 41, 43, 44, 45, 47, 49, 50, 51, 54, 55, 55, 55},  // 25 %
    {18, 19, 20, 22, 23, 24, 25, 26, 27, 29, 29, 30, 31, 33, 34, 35,
     37, 38, 40, 41, 43, 45, 47, 49, 52, 54, 55, 55, 55, 55, 55},  // 30 %
    {19, 19, 20, 22, 23, 24, 26, 27, 28, 29, 29, 31, 33, 34, 35, 37,
     39, 41, 43, 44, 47, 49, 50, 53, 55, 55, 55, 55, 55, 55, 55},  // 35 %
    {19, 20, 21, 22, 23, 24, 26, 27, 28, 29, 30, 31, 33, 34, 36, 37,
     39, 41, 44, 46, 49, 50, 52, 55, 55, 55, 55, 55, 55, 55, 55},  // 40 %
    {19, 20, 21, 23, 24, 24, 26, 27, 28, 29, 30, 31, 34, 35, 37, 40,
     42, 44, 47, 50, 53, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55},  // 45 %
    {19, 20, 21, 23, 24, 25, 26, 27, 29, 30, 31, 33, 35, 36, 38, 40,
     43, 46, 49, 50, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55},  // 50 %
    {19, 20, 21, 23, 24, 25, 27, 28, 29, 30, 32, 34, 35, 38, 41, 44,
     46, 49, 51, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55},  // 55 %
    {20, 21, 22, 23, 24, 25, 27, 28, 29, 31, 33, 35, 37, 39, 42, 45,
     49, 51, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55},  // 60 %
    {20, 21, 22, 24, 25, 26, 27, 29, 30, 33, 34, 36, 39, 42, 44, 47,
     50, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55},  // 65 %
    {20, 21, 22, 24, 25, 26, 27, 29, 31, 33, 35, 37, 40, 43, 47, 51,
     54, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55},  // 70 %
    {21, 22, 22, 24, 25, 26, 28, 30, 32, 34, 36, 39, 42, 45, 48, 52,
     55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55},  // 75 %
    {21, 22, 23, 24, 25, 27, 28, 30, 32, 35, 37, 40, 44, 49, 50, 55,
     55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55},  // 80 %
    {21, 22, 23, 24, 26, 27, 29, 31, 33, 35, 39, 41, 45, 49, 52, 55,
     55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55},  // 85 %
    {21, 22, 23, 24, 26, 27, 29, 31, 34, 37, 40, 45, 51, 53, 55, 55,
     55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55},  // 90 %
    {21, 22, 23, 25, 26, 28, 29, 31, 34, 38, 41, 45, 51, 54, 55, 55,
     55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55},  // 95 %
    {21, 23, 24, 25, 26, 28, 30, 33, 36, 40, 45, 50, 55, 55, 55, 55,
     55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55, 55},  // 100 %
};

// What the wind adds, by wind class (rows, the items of the wind list) and temperature.
constexpr int kWindCorrection[kWindClasses][kTemperatures] = {
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
     0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // class 1
    {-1, -1, -1, -1, -1, -1, -1, -1, -1, 0, 0, 0, 0, 0, 0, 0,
     0,  0,  0,  0,  0,  0,  0,  0,  0,  0, 0, 0, 0, 0, 0},  // class 2
    {-3, -3, -2, -2, -2, -2, -2, -2, -2, -1, -1, -1, -1, 0, 0, 0,
     0,  0,  0,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1, 0},  // class 3
    {-4, -4, -3, -3, -3, -3, -3, -3, -3, -2, -2, -2, -1, -1, 0, 0,
     1,  1,  1,  2,  2,  2,  2,  2,  2,  2,  2,  2,  2,  2,  2},  // class 4
    {-4, -4, -4, -4, -4, -4, -3, -3, -3, -3, -2, -2, -1, -1, 0, 1,
     1,  2,  2,  2,  3,  3,  3,  3,  3,  3,  3,  3,  3,  3,  3},  // class 5
};

constexpr int kWinterTemperatures = 61;  // 10 down to -50 °C
constexpr int kWinterWinds = 17;         // 0 to 64 km/h in steps of 4

const QColor kAqua(0x00, 0xff, 0xff);
const QColor kLime(0x00, 0xff, 0x00);
const QColor kYellow(0xff, 0xff, 0x00);
const QColor kRed(0xff, 0x00, 0x00);
const QColor kFuchsia(0xff, 0x00, 0xff);

const char* const kHealthNote =
    QT_TRANSLATE_NOOP("TForm4",
                      "Efectos variables según la edad, el estado de salud y las características "
                      "corporales de cada persona");

// A text that the helpers below show in the window, translated in the window's context.
QString WindowText(const char* source) { return QCoreApplication::translate("TForm4", source); }

QFont Sized(QFont font, int pixels, bool bold) {
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

// What one tab holds in common: its heading, the result with its caption and unit, the
// category panel and the white panel with the sentence.
struct TabParts {
  TEdit* result;
  TPanel* category;
  TLabel* sentence;
};

TabParts BuildTab(QWidget* page, const QString& heading, const char* headingName, int labelBase,
                  const char* resultName, const char* result, const char* categoryName,
                  const char* sentencePanel, const char* sentenceName, const QString& sentence) {
  auto* title = new TLabel(page, QLatin1String(headingName), heading);
  QFont arial(QFont::substitute(QStringLiteral("Arial")));
  title->setFont(Sized(arial, 12, false));
  title->SetFontColor(kNavy);
  title->setAlignment(Qt::AlignCenter);
  title->setGeometry(4, 8, page->width() - 8, 16);

  auto* caption = new TLabel(page, QStringLiteral("Label%1").arg(labelBase),
                             WindowText(QT_TRANSLATE_NOOP("TForm4", "Sensación Térmica:")));
  caption->setFont(Sized(caption->font(), 13, true));
  caption->adjustSize();
  auto* edit = new TEdit(page, QLatin1String(resultName), QLatin1String(result));
  edit->setReadOnly(true);
  edit->setFont(Sized(edit->font(), 13, true));
  QPalette yellow = edit->palette();
  yellow.setColor(QPalette::Base, QApplication::palette().color(QPalette::ToolTipBase));
  edit->setPalette(yellow);
  edit->setGeometry(282, 90, 48, 24);
  caption->move(edit->x() - 8 - caption->width(),
                edit->y() + (edit->height() - caption->height()) / 2);
  platform::SetHint(edit, WindowText(QT_TRANSLATE_NOOP("TForm4", "Sensación térmica, en º C")),
                    true);
  auto* unit = new TLabel(page, QStringLiteral("Label%1").arg(labelBase + 1),
                          WindowText(QT_TRANSLATE_NOOP("TForm4", "[ºC]")));
  unit->adjustSize();
  unit->move(edit->x() + edit->width() + 6, edit->y() + (edit->height() - unit->height()) / 2);

  const QFont bold13 = Sized(page->font(), 13, true);
  auto* category = new TPanel(page, QLatin1String(categoryName),
                              WindowText(QT_TRANSLATE_NOOP("TForm4", "¡Buenos días!")));
  category->setFont(bold13);
  category->SetColor(kAqua);
  category->setGeometry(6, 132, 142, 62);
  platform::SetHint(category, WindowText(QT_TRANSLATE_NOOP("TForm4", "Categoría del peligro")),
                    true);

  auto* frame = new TPanel(page, QLatin1String(sentencePanel));
  frame->SetBevelOuter(TPanel::Bevel::Lowered);
  frame->SetColor(Qt::white);
  frame->setGeometry(154, 132, page->width() - 166, 62);
  auto* label = new TLabel(frame, QLatin1String(sentenceName), sentence);
  label->SetBold(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->setGeometry(frame->contentsRect());
  return {edit, category, label};
}

// A list with its caption above it and its unit to its right.
TComboBox* BuildList(QWidget* page, const char* name, int labelNumber, const QString& caption,
                     const QString& unit, const QString& hint, int x, int width) {
  auto* list = new TComboBox(page, QLatin1String(name), TComboBox::Style::DropDownList);
  list->setGeometry(x, 52, width, 22);
  platform::SetHint(list, hint, true);
  PlaceLabel(page, QStringLiteral("Label%1").arg(labelNumber), caption, x, 34);
  auto* unitLabel = new TLabel(page, QStringLiteral("Label%1").arg(labelNumber + 1), unit);
  unitLabel->adjustSize();
  unitLabel->move(x + width + 5, list->y() + (list->height() - unitLabel->height()) / 2);
  return list;
}

void Fill(TComboBox* list, int first, int count, int step) {
  QStringList items;
  for (int i = 0; i < count; ++i) items << QString::number(first + i * step);
  list->addItems(items);
}

// A list with no selection gets its first item; its position, or -1 outside [0, last].
int ListPosition(TComboBox* list, int last) {
  if (list->ItemIndex() < 0) list->SetItemIndex(0);
  const int position = list->ItemIndex();
  return position <= last ? position : -1;
}

}  // namespace

TForm4::TForm4(QWidget* owner) : TForm(owner, QStringLiteral("Form4")) {
  SetCaption(tr("Sensación Térmica"));
  SetBorder(Border::Single);
  SetClientSize(520, 263);

  StatusBar1 = new TStatusBar(this, QStringLiteral("StatusBar1"));
  StatusBar1->AutoHint = true;
  PageControl1 = new TPageControl(this, QStringLiteral("PageControl1"));
  PageControl1->setGeometry(0, 0, 520, StatusBar1->y());
  TTabSheet* summer = PageControl1->AddSheet(QStringLiteral("TabSheet1"), tr("Verano"));
  TTabSheet* winter = PageControl1->AddSheet(QStringLiteral("TabSheet2"), tr("Invierno"));
  // The pages take their size from the tab control before anything is placed on them.
  summer->resize(512, 212);
  winter->resize(512, 212);

  ComboBox1 = BuildList(summer, "ComboBox1", 1, tr("Temperatura:"), tr("[ºC]"),
                        tr("Temperatura ambiente, en º C"), 20, 56);
  ComboBox2 = BuildList(summer, "ComboBox2", 3, tr("Humedad relativa:"), tr("[%]"),
                        tr("Humedad relativa ambiente, en %"), 150, 56);
  ComboBox3 = BuildList(summer, "ComboBox3", 5, tr("Velocidad del viento:"), tr("[Km/hora]"),
                        tr("Velocidad del viento, en Km/hora"), 286, 112);
  const TabParts hot = BuildTab(
      summer, tr("Sensación térmica por el efecto combinado del calor, la humedad y el viento"),
      "Label17", 7, "Edit1", "16", "Panel1", "Panel2", "Label15", tr(" ¿Hace calor?"));
  Edit1 = hot.result;
  Panel1 = hot.category;
  Label15 = hot.sentence;
  platform::SetHint(Label15->parentWidget(), tr("Síndrome provocado"), true);
  platform::SetHint(Label15, tr("Síndrome provocado por el calor"), true);

  ComboBox4 = BuildList(winter, "ComboBox4", 9, tr("Temperatura:"), tr("[ºC]"),
                        tr("Temperatura ambiente, en º C"), 90, 56);
  ComboBox6 = BuildList(winter, "ComboBox6", 11, tr("Velocidad del viento:"), tr("[Km/hora]"),
                        tr("Velocidad del viento, en Km/hora"), 300, 56);
  const TabParts cold =
      BuildTab(winter, tr("Sensación térmica por efecto del viento:"), "Label18", 13, "Edit2", "10",
               "Panel3", "Panel4", "Label20", tr(" ¿Está fresco?"));
  Edit2 = cold.result;
  Panel3 = cold.category;
  Label20 = cold.sentence;
  platform::SetHint(Label20, tr("Peligro de congelamiento"), true);

  ComboBox1->OnChange = [this](TComboBox*) { SummerUpdate(); };
  ComboBox2->OnChange = [this](TComboBox*) { SummerUpdate(); };
  ComboBox3->OnChange = [this](TComboBox*) { SummerUpdate(); };
  ComboBox4->OnChange = [this](TComboBox*) { WinterUpdate(); };
  ComboBox6->OnChange = [this](TComboBox*) { WinterUpdate(); };

  KeyPreview = true;
  OnKeyDown = [this](int& key, Qt::KeyboardModifiers) { FormKeyDown(key); };

  FormCreate();
  PageControl1->setCurrentIndex(0);
}

void TForm4::FormCreate() {
  Fill(ComboBox1, 20, kTemperatures, 1);
  Fill(ComboBox2, 0, kHumidities, 5);
  // The wind classes are written with the regional decimal separator.
  const QChar sep(platform::DecimalSeparator());
  static constexpr const char* kWindBounds[][2] = {
      {"0", "12,0"}, {"12,5", "21,0"}, {"21,5", "36,0"}, {"36,5", "50,0"}, {"50,5", "..."}};
  QStringList classes;
  for (const auto& [from, to] : kWindBounds) {
    //: a class of wind speeds in the drop-down list, in km/h: from %1 to %2 (%2 is "..." for
    //: the last class, which has no upper bound)
    classes << tr("%1 a %2").arg(QString::fromLatin1(from).replace(u',', sep),
                                 QString::fromLatin1(to).replace(u',', sep));
  }
  ComboBox3->addItems(classes);
  Fill(ComboBox4, 10, kWinterTemperatures, -1);
  Fill(ComboBox6, 0, kWinterWinds, 4);
  for (TComboBox* list : {ComboBox1, ComboBox2, ComboBox3, ComboBox4, ComboBox6}) {
    list->SetItemIndex(0);
  }
}

void TForm4::FormKeyDown(int& key) {
  if (key == Qt::Key_Escape) Close();
}

void TForm4::SummerUpdate() {
  const int t = ListPosition(ComboBox1, kTemperatures - 1);
  if (t < 0) return;
  const int h = ListPosition(ComboBox2, kHumidities - 1);
  if (h < 0) return;
  const int w = ListPosition(ComboBox3, kWindClasses - 1);
  if (w < 0) return;
  HeatValue = kHeatIndex[h][t] + kWindCorrection[w][t];
  Edit1->SetText(QString::number(HeatValue));
  ShowHeatCategory();
}

void TForm4::ShowHeatCategory() {
  struct Category {
    int from;  // the lowest felt temperature of the category
    const QColor& color;
    const char* caption;   // marked for translation in the window's context
    const char* sentence;  // the same
  };
  static const Category kCategories[] = {
      {55, kFuchsia, QT_TRANSLATE_NOOP("TForm4", "Extremo peligro:"),
       QT_TRANSLATE_NOOP("TForm4", " Golpe de calor e insolación inminentes.")},
      {40, kRed, QT_TRANSLATE_NOOP("TForm4", "Peligro:"),
       QT_TRANSLATE_NOOP("TForm4",
                         " Insolación, golpe de calor, calambres. \n Muy posibles por exposición "
                         "prolongada o actividad física.")},
      {32, kYellow, QT_TRANSLATE_NOOP("TForm4", "Precaución extrema:"),
       QT_TRANSLATE_NOOP("TForm4",
                         " Insolación, golpe de calor, calambres. \n Posibles por exposición "
                         "prolongada o actividad física.")},
      {27, kLime, QT_TRANSLATE_NOOP("TForm4", "Precaución:"),
       QT_TRANSLATE_NOOP("TForm4",
                         " Posible fatiga por exposición prolongada o\n actividad física.")},
  };
  for (const Category& category : kCategories) {
    if (HeatValue < category.from) continue;
    Panel1->SetColor(category.color);
    Panel1->SetCaption(Text(category.caption));
    Label15->SetCaption(Text(category.sentence));
    StatusBar1->SetSimpleText(Text(kHealthNote));
    return;
  }
  // A mild day leaves the status bar as it is.
  Panel1->SetColor(kAqua);
  Panel1->SetCaption(tr("Bueno:"));
  Label15->SetCaption(tr(" ¡Que tengas un buen día!"));
}

void TForm4::WinterUpdate() {
  const int i = ListPosition(ComboBox4, kWinterTemperatures - 1);
  if (i < 0) return;
  const int j = ListPosition(ComboBox6, kWinterWinds - 1);
  if (j < 0) return;
  const int T = 10 - i;
  const double v = Store(static_cast<Extended>(4 * j * 1000) * (1.0L / 3600.0L));  // m/s
  // The formula's constants are doubles; the sums and products are extended.
  const Extended a = static_cast<Extended>(10.45);
  const Extended b = static_cast<Extended>(-0.04544);
  const Extended eightKmh = static_cast<Extended>(2.2222222222222223);  // 8 km/h in m/s
  Extended chill;
  if (v == 0) {
    chill = T;
  } else if (j == 1) {
    // At 4 km/h: the mean of the air temperature and the value for 8 km/h.
    const double g = Store((10 * std::sqrt(eightKmh) + a - eightKmh) * (33 - T) * b + 33);
    chill = (T + static_cast<Extended>(g)) * 0.5L;
  } else {
    const Extended speed = v;
    chill = (10 * std::sqrt(speed) + a - speed) * (33 - T) * b + 33;
  }
  WindChillValue = Store(chill);
  Edit2->SetText(FormatValue(std::floor(WindChillValue)));
  ShowColdCategory();
}

void TForm4::ShowColdCategory() {
  // The band above -30 and up to -29 goes with the colder category: the stronger warning.
  if (WindChillValue > 7.5) {
    Panel3->SetColor(kAqua);
    Panel3->SetCaption(tr("¡Buenos días!"));
    Label20->SetCaption(tr(" ¿Está fresco?"));
  } else if (WindChillValue > -29) {
    Panel3->SetColor(kLime);
    Panel3->SetCaption(tr("Peligro:"));
    Label20->SetCaption(tr("Peligro de hipotermia, sin la vestimenta apropiada."));
  } else if (WindChillValue > -60) {
    Panel3->SetColor(kYellow);
    Panel3->SetCaption(tr("Muy peligroso"));
    Label20->SetCaption(
        tr("Las partes del cuerpo expuestas al viento pueden congelarse\nen 1 minuto."));
  } else {
    Panel3->SetColor(kRed);
    Panel3->SetCaption(tr("Extrem. peligroso."));
    Label20->SetCaption(
        tr("Las partes del cuerpo expuestas al viento pueden congelarse\nen 30 segundos."));
  }
}
