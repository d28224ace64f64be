#include "tools/numbers/Unidadletras.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include "platform/Controls.h"
#include "platform/Edit.h"
#include "platform/Host.h"
#include "platform/Memo.h"
#include "platform/SpeedButton.h"
#include "value/Integers.h"

namespace {

// The page of this tool in other languages, on the maker's site.
constexpr const char* kOtherLanguagesPage = "https://www.example.org/tarvel/numeros-en-letras/";

const char* const kUnits[] = {"",       "uno",       "dos",        "tres",      "cuatro",
                              "cinco",  "seis",      "siete",      "ocho",      "nueve",
                              "diez",   "once",      "doce",       "trece",     "catorce",
                              "quince", "dieciséis", "diecisiete", "dieciocho", "diecinueve"};
const char* const kTens[] = {"",          "",        "veinte",  "treinta", "cuarenta",
                             "cincuenta", "sesenta", "setenta", "ochenta", "noventa"};
const char* const kHundreds[] = {"",
                                 "",
                                 "doscientos ",
                                 "trescientos ",
                                 "cuatrocientos ",
                                 "quinientos ",
                                 "seiscientos ",
                                 "setecientos ",
                                 "ochocientos ",
                                 "novecientos "};

constexpr uint64_t kThousand = 1000;
constexpr uint64_t kMillion = 1000000;
constexpr uint64_t kBillion = kMillion * kMillion;
// The groups, each a thousand times the one before: 1 to 10^18.
constexpr uint64_t kGroups[] = {
    1, kThousand, kMillion, kThousand* kMillion, kBillion, kThousand* kBillion, kMillion* kBillion};

const QColor kBlue(0x00, 0x00, 0xFF);

// The units right after "veinti": 1 is "ún" before a group, 2, 3 and 6 take an accent.
const char* AfterVeinti(int n, WordMode mode) {
  switch (n) {
    case 1: return mode == WordMode::Apocope ? "ún" : "uno";
    case 2: return "dós";
    case 3: return "trés";
    case 6: return "séis";
    default: return kUnits[n];
  }
}

void AppendGroup(QString& out, int n, WordMode mode) {
  if (n == 0) return;
  if (n == 1 && mode == WordMode::Apocope) {
    out += QLatin1String("un");
  } else if (n < 20) {
    out += QString::fromUtf8(kUnits[n]);
  } else if (n < 30 && n != 20) {
    out += QLatin1String("veinti");
    out += QString::fromUtf8(AfterVeinti(n - 20, mode));
  } else if (n < 100) {
    out += QLatin1String(kTens[n / 10]);
    if (n % 10 == 0) return;
    out += QLatin1String(" y ");
    AppendGroup(out, n % 10, mode);
  } else if (n == 100) {
    out += QLatin1String("cien");
  } else if (n < 200) {
    out += QLatin1String("ciento ");
    AppendGroup(out, n - 100, mode);
  } else {
    out += QLatin1String(kHundreds[n / 100]);
    AppendGroup(out, n % 100, mode);
  }
}

// The words of a non-zero value. Whether a group of one is singular ("un millón", "un billón")
// follows from the value alone, never from how it was typed.
QString Spell(uint64_t value) {
  QString words;
  words.reserve(160);
  const uint64_t start = value;
  int group = 6;
  while (kGroups[group] > value) --group;
  while (value != 0) {
    const uint64_t g = kGroups[group];
    const uint64_t q = value / g;
    value %= g;
    if (q == 1 && g == kThousand) {
      words += QLatin1String("mil ");
      continue;
    }
    if (q == 1 && (g == kThousand * kMillion || g == kThousand * kBillion)) {
      const uint64_t below = g / kThousand;  // the millions or the billions
      if (value / below != 0) {
        words += QLatin1String("mil ");
      } else {
        words += g == kThousand * kMillion ? QLatin1String("mil millones ")
                                           : QLatin1String("mil billones ");
      }
      continue;
    }
    if (q != 0) {
      const WordMode mode = q % 10 == 1 && g >= kThousand ? WordMode::Apocope : WordMode::Plain;
      AppendGroup(words, static_cast<int>(q), mode);
      if (g == kMillion * kBillion) {
        words += QString::fromUtf8(q == 1 ? " trillón " : " trillones ");
      } else if (g == kThousand * kBillion) {
        words += value / kBillion != 0 ? QLatin1String(" mil ") : QLatin1String(" mil billones ");
      } else if (g == kBillion) {
        // "un billón" only when no thousands of billions stand above it ("mil un billones").
        const bool one = mode == WordMode::Apocope && (start / kBillion) % kMillion == 1;
        words += QString::fromUtf8(one ? " billón " : " billones ");
      } else if (g == kThousand * kMillion) {
        words += value / kMillion != 0 ? QLatin1String(" mil ") : QLatin1String(" mil millones ");
      } else if (g == kMillion) {
        words += QString::fromUtf8((start / kMillion) % kMillion <= 1 ? " millón " : " millones ");
      } else if (g == kThousand) {
        words += QLatin1String(" mil ");
      } else {
        break;
      }
    }
    if (group > 0) --group;
  }
  // Doubled blanks, where a group's words end in one, are written once.
  qsizetype kept = 1;
  for (qsizetype i = 1; i < words.size(); ++i) {
    if (words[i] == u' ' && words[kept - 1] == u' ') continue;
    words[kept++] = words[i];
  }
  words.truncate(kept);
  return words;
}

QIcon CopyPicture() {
  QPixmap picture(16, 16);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setPen(QColor(0x40, 0x40, 0x40));
  for (const QPoint at : {QPoint(1, 1), QPoint(6, 5)}) {
    p.setBrush(Qt::white);
    p.drawRect(at.x(), at.y(), 8, 10);
    for (int line = 0; line < 3; ++line) {
      p.drawLine(at.x() + 2, at.y() + 3 + 2 * line, at.x() + 6, at.y() + 3 + 2 * line);
    }
  }
  return QIcon(picture);
}

}  // namespace

QString GroupWords(int n, WordMode mode) {
  QString words;
  AppendGroup(words, n, mode);
  return words;
}

QString NumberWords(const QString& text) {
  if (text.isEmpty()) return QString();
  const int64_t value = ReadInt64(text);
  if (value == 0) return QStringLiteral("cero");
  if (value > 0) return Spell(static_cast<uint64_t>(value));
  // A signed text can only come from a paste: the words of its size after "menos".
  return QStringLiteral("menos ") + Spell(0 - static_cast<uint64_t>(value));
}

TFormLetras::TFormLetras(QWidget* owner) : TForm(owner, QStringLiteral("FormLetras")) {
  SetCaption(tr(" Tarvel - números y letras"));
  SetBorder(Border::Single);
  SetClientSize(339, 224);
  SetPosition(Position::Default);
  KeyPreview = true;

  Edit1 = new TEdit(this, QStringLiteral("Edit1"), QString());
  Edit1->setGeometry(16, 32, 280, 21);
  Edit1->SetMaxLength(18);
  Memo1 = new TMemo(this, QStringLiteral("Memo1"));
  Memo1->setGeometry(16, 84, 280, 108);
  Memo1->SetReadOnly(true);
  QFont arial(QFont::substitute(QStringLiteral("Arial")));
  arial.setPixelSize(13);
  Memo1->setFont(arial);
  SpeedButton1 = new TSpeedButton(this, QStringLiteral("SpeedButton1"), QString(), CopyPicture(),
                                  QSize(25, 25));
  SpeedButton1->setIconSize(QSize(16, 16));
  SpeedButton1->move(302, 84);
  SpeedButton1->setToolTip(tr("Copiar al portapapeles"));

  Label1 = PlaceLabel(this, QStringLiteral("Label1"), tr("Números:"), 16, 14);
  Label2 = PlaceLabel(this, QStringLiteral("Label2"), tr("Letras:"), 16, 66);
  Label3 = PlaceLabel(this, QStringLiteral("Label3"), tr("Otros idiomas..."), 16, 200, kBlue);
  Label3->SetUnderline(true);
  Label3->adjustSize();
  Label3->setCursor(Qt::PointingHandCursor);
  Label3->setToolTip(QString::fromLatin1(kOtherLanguagesPage));

  Edit1->OnChange = [this](TEdit*) { Edit1Change(); };
  Edit1->OnKeyPress = [this](TEdit*, char16_t& key) { Edit1KeyPress(key); };
  SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
  Label3->OnClick = [this] { Label3Click(); };
  OnKeyDown = [this](int& key, Qt::KeyboardModifiers) { FormKeyDown(key); };
}

void TFormLetras::Edit1Change() {
  const QString text = Edit1->Text();
  NumberValue = ReadInt64(text);
  Words = NumberWords(text);
  Memo1->SetText(Words);
}

void TFormLetras::Edit1KeyPress(char16_t& key) {
  if (key != 8 && (key < u'0' || key > u'9')) key = 0;
}

void TFormLetras::SpeedButton1Click() {
  Memo1->SelectAll();
  platform::host().SetClipboardText(Memo1->Text());
}

void TFormLetras::FormKeyDown(int& key) {
  if (key == Qt::Key_Escape) Close();
}

void TFormLetras::Label3Click() {
  platform::host().ShellOpen(QString::fromLatin1(kOtherLanguagesPage));
}
