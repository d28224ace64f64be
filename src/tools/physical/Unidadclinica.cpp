#include "tools/physical/Unidadclinica.h"

#include <QApplication>
#include <QCollator>
#include <QHeaderView>
#include <QLocale>
#include <QPainter>
#include <algorithm>

#include "numeric/Numeric.h"
#include "platform/Colors.h"
#include "platform/Controls.h"
#include "platform/Edit.h"
#include "platform/Grid.h"
#include "platform/Hints.h"
#include "platform/Messages.h"
#include "platform/Readable.h"

namespace {

struct Analyte {
  const char* spanish;  // UTF-8, as shown
  const char* english;
  double factor;  // conventional value times factor gives the SI value
  const char* common;
  const char* si;
};

// In alphabetical order of the English names, which is also the list's order by its second
// column. The texts stand as they have always been shown, odd spellings and blanks included.
const Analyte kAnalytes[] = {
    {"Paracetamol", "Acetaminophen", 6.62, "µg/mL", "µmol/L"},
    {"Ácido acetoacético", "Acetoacetic acid", 0.098, "mg/dL", "mmol/L"},
    {"Acetona", "Acetone", 0.172, "mg/dL", "mmol/L"},
    {"Fosfatasa ácida", "Acid phosphatase", 1, "unidades/L", "U/L"},
    {"Alanina", "Alanine", 112.2, "mg/dL", "µmol/L"},
    {"Alanina-aminotransferasa", "Alanine aminotransferase (ALT)", 1, "unidades/L", "U/L"},
    {"Albúmina", "Albumin", 10, "g/dL", "g/L"},
    {"Alcohol-deshidrogenasa", "Alcohol dehydrogenase", 1, "unidades/L", "U/L"},
    {"Fructosa-bisfosfato-aldolasa", "Aldolase", 1, "unidades/L", "U/L"},
    {"Aldosterona", "Aldosterone", 0.0277, "ng/dL", "nmol/L"},
    {"Fosfatasa alcalina", "Alkaline phosphatase", 1, "unidades/L", "U/L"},
    {"Amoníaco", "Ammonia", 0.587, "µg/dL", "µmol/L"},
    {"Amilasa", "Amylase", 1, "unidades/L", "U/L"},
    {"Androstenodiona", "Androstenedione", 0.0349, "ng/dL", "nmol/L"},
    {"Proangiotensina", "Angiotensin I", 0.772, "pg/mL", "pmol/L"},
    {"Angiotensina", "Angiotensin II", 0.957, "pg/mL", "pmol/L"},
    {"Vasopresina", "Antidiuretic hormone", 0.923, "pg/mL", "pmol/L"},
    {"Antitrombina III", "Antithrombin III", 10, "mg/dL", "mg/L"},
    {"1-antitripsina", "alpha1-Antitrypsin", 0.184, "mg/dL", "µmol/L"},
    {"Apolipoproteína (a)", "Apolipoprotein (a)", 0.01, "mg/dL", "g/L"},
    {"Apolipoproteína B", "Apolipoprotein B", 0.01, "mg/dL", "g/L"},
    {"Arginina", "Arginine", 57.4, "mg/dL", "µmol/L"},
    {"Asparragina", "Asparagine", 75.7, "mg/dL", "µmol/L"},
    {"Aspartato-aminotransferasa", "Aspartate aminotransferase", 1, "unidades/L", "U/L"},
    {"Hidrogenocarbonato  [sust. endógena]", "Bicarbonate", 1, "mEq/L", "mmol/L"},
    {"Bilirrubina", "Bilirubin", 17.1, "mg/dL", "µmol/L"},
    {"Calcitonina", "Calcitonin", 1, "pg/mL", "ng/L"},
    {"Calcio", "Calcium", 0.25, "mg/dL", "mmol/L"},
    {"Dióxido de Carbono", "Carbon dioxide", 1, "mEq/L", "mmoI/L"},
    {"Ferroxidasa", "Ceruloplasmin", 10, "mg/dL", "mg/L"},
    {"Cloruro", "Chloride", 1, "mEq/L", "mmol/L"},
    {"Colesterol", "Cholesterol", 0.0259, "mg/dL", "mmol/L"},
    {"Citrato", "Citrate", 52.05, "mg/dL", "µmol/L"},
    {"Cobre", "Copper", 0.157, "µg/dL", "µmoI/L"},
    {"Coproporfirina (orina)", "Coproporphyrins (urine)", 1.527, "µg/24 hr", "nmol/d"},
    {"Corticotropina [sustancia endógena]", "Corticotropin (ACTH)", 0.22, "pg/mL", "pmol/L"},
    {"Cortisol", "Cortisol", 27.59, "µg/dL", "nmol/L"},
    {"Creatinea", "Creatine", 76.26, "mg/dL", "µmol/L"},
    {"Creatina-cinasa", "Creatine kinase (CK)", 1, "unidades/L", "U/L"},
    {"Creatinina", "Creatinine", 88.4, "mg/dL", "µmol/L"},
    {"Depuración de creatininio", "Creatinine clearance", 0.0167, "mL/min", "mL/s"},
    {"Deshidroepiandrosterona", "Dehydroepiandrosterone (DHEA)", 3.47, "ng/mL", "nmol/L"},
    {"Digoxina", "Digoxin", 1.281, "ng/mL", "nmol/L"},
    {"Adrenalina [sustancia endógena]", "Epinephrine", 5.46, "pg/mL", "pmol/L"},
    {"Eritrosedimentación", "Erythrocyte sedimentation rate", 1, "mm/h", "mm/h"},
    {"Estradiol", "Estradiol", 3.671, "pg/mL", "pmol/L"},
    {"Etanol", "Ethanol (ethyl alcohol)", 0.217, "mg/dL", "mmol/L"},
    {"Ferritina", "Ferritin", 2.247, "ng/mL", "pmol/L"},
    {"Fibrinógeno", "Fibrinogen", 0.0294, "mg/dL", "µmol/L"},
    {"Folato", "Folate", 2.266, "ng/mL", "nmol/L"},
    {"Folitropina", "Follicle-stimulating hormone", 1, "mIU/mL", "IU/L"},
    {"Fructosa", "Fructose", 55.5, "mg/dL", "µmol/L"},
    {"Galactosa", "Galactose", 55.506, "mg/dL", "µmol/L"},
    {"Glucagón", "Glucagon", 1, "pg/mL", "ng/L"},
    {"Glucosa", "Glucose", 0.0555, "mg/dL", "mmol/L"},
    {"Glutamina", "Glutamine", 68.42, "mg/dL", "µmol/L"},
    {"Glicohemoglobina", "Glycated hemoglobin", 0.01, "% del total de hemoglobina",
     "propoción del total de hemoglobina"},
    {"Glicina", "Glycine", 133.3, "mg/dL", "µmol/L"},
    {"Hepatoglobina", "Haptoglobin", 0.1, "mg/dL", "µmol/L"},
    {"Hemoglobina (concentración de masa)", "Hemoglobin (mass concentration)", 0.6206, "g/dL",
     "mmol/L"},
    {"Colesterol de HDL", "High-density lipoprotein cholesterol (HDL-C)", 0.0259, "mg/dL",
     "mmol/L"},
    {"Histidina", "Histidine", 64.45, "mg/dL", "µmol/L"},
    {"Coriogonadotropina [sustancia endógena]", "Human chorionic gonadotropin (HCG)", 1, "mlU/mL",
     "IU/L"},
    {"Ácido 2-hidroxibutírico", "Hydroxybutyric acid", 96.05, "mg/dL", "µmol/L"},
    {"Hidroxiprolina", "Hydroxyproline", 76.3, "mg/dL", "µmol/L"},
    {"Inmunoglobulina A", "Immunoglobulin A (IgA)", 0.01, "mg/dL", "g/L"},
    {"Inmunoglobulina D", "Immunoglobulin D (IgD)", 10, "mg/dL", "mg/L"},
    {"Inmunoglobulina E", "Immunoglobulin E (IgE)", 10, "mg/dL", "mg/L"},
    {"Inmunoglobulina G", "Immunoglobulin G (IgG)", 0.01, "mg/dL", "g/L"},
    {"Inmunoglobulina M", "Immunoglobulin M (IgM)", 0.01, "mg/dL", "g/L"},
    {"Insulina", "Insulin", 6.945, "µIU/mL", "pmol/L"},
    {"Hierro", "Iron", 0.179, "µg/dL", "µmol/L"},
    {"Lactato [Ácido láctico más ion lactato]", "Lactate (lactic acid)", 0.111, "mg/dL", "mmol/L"},
    {"Lactato-deshidrogenasa", "Lactate dehydrogenase", 1, "unidades/L", "U/L"},
    {"Plomo", "Lead", 0.0483, "µg/dL", "µmol/L"},
    {"Leucina", "Leucine", 76.237, "mg/dL", "µmol/L"},
    {"Triacilglicerol-lipasa", "Lipase", 1, "unidades/L", "U/L"},
    {"Lípidos", "Lipids (total)", 0.01, "mg/dL", "g/L"},
    {"Lipoproteína (a)", "Lipoprotein (a)", 0.0357, "mg/dL", "µmol/L"},
    {"Litio", "Lithium", 1, "mEq/L", "mmol/L"},
    {"Colesterol de LDL", "Low-density lipoprotein cholesterol (LDL-C)", 0.0259, "mg/dL", "mmol/L"},
    {"Lutropina", "Luteinizing hormone", 1, "IU/L", "lU/L"},
    {"Lisina", "Lysine", 68.5, "mg/dL", "µmol/L"},
    {"Magnesio", "Magnesium", 0.411, "mg/dL", "mmol/L"},
    {"Metanol", "Methanol", 0.0312, "mg/L", "mmol/L"},
    {"Metahemoglobina", "Methemoglobin", 0.01, "% del total de hemoglobina",
     "proporción del total de hemoglobina"},
    {"Metionina", "Methionine", 67.02, "mg/dL", "µmol/L"},
    {"Mioglobina", "Myoglobin", 0.0571, "µg/L", "nmol/L"},
    {"Noradrenalina [sustancia endógena]", "Norepinephrine", 0.00591, "pg/mL", "nmol/L"},
    {"Ornitina", "Ornithine", 75.67, "mg/dL", "µmol/L"},
    {"Osmolalidad", "Osmolality", 1, "mOsm/kg", "mmoI/kg"},
    {"Osteocalcina", "Osteocalcin", 0.171, "µg/L", "nmol/L"},
    {"Oxalato [ácido oxálico más ion oxalato]", "Oxalate", 11.1, "mg/L", "µmol/L"},
    {"Paratirina", "Parathyroid hormone", 1, "pg/mL", "ng/L"},
    {"Fenobarbital", "Phenobarbital", 4.31, "mg/L", "µmol/L"},
    {"Fenilalanina", "Phenylalanine", 60.54, "mg/dL", "µmol/L"},
    {"Fenitoína", "Phenytoin", 3.96, "µg/mL", "µmoI/L"},
    {"Fósforo", "Phosphorus", 0.323, "mg/dL", "mmol/L"},
    {"Potasio", "Potassium", 1, "mEq/L", "mmoI/L"},
    {"Progesterona", "Progesterone", 3.18, "ng/mL", "nmol/L"},
    {"Prolactina", "Prolactin", 43.478, "µg/L", "pmol/L"},
    {"Prolina", "Proline", 86.86, "mg/dL", "µmol/L"},
    {"Proteína, total", "Protein, total", 10, "g/dL", "g/L"},
    {"Protrombina", "Prothrombin", 13.889, "g/L", "µmol/L "},
    {"Protoporfirina", "Protoporphyrin, erythrocyte", 0.01777, "µg/dL", "µmol/L"},
    {"Piruvato", "Pyruvate", 113.6, "mg/dL", "µmoI/L"},
    {"Quinidina", "Quinidine", 3.08, "µg/mL", "µmol/L"},
    {"Recuento de células rojas", "Red blood cell count", 1, "10^6/µL", "10^12/L"},
    {"Renina", "Renin", 0.0237, "pg/mL", "pmol/L"},
    {"Recuento de Reticulocitos", "Reticulocyte count", 0.01, "% de RBCs", "proporción de 1.0"},
    {"Salicilato [ácido salicílico más ion salicilato]", "Salicylate", 0.00724, "mg/L", "mmol/L"},
    {"Serina", "Serine", 95.2, "mg/dL", "µmol/L"},
    {"Sodio", "Sodium", 1, "mEq/L", "mmol/L"},
    {"Somatomedina-C", "Somatomedin-C (insulinlike growth factor)", 0.131, "ng/mL", "nmol/L"},
    {"Somatostatina", "Somatostatin", 0.611, "pg/mL", "pmol/L"},
    {"Testosterona", "Testosterone", 0.0347, "ng/dL", "nmol/L"},
    {"Teofilina", "Theophylline", 5.55, "µg/mL", "µmol/L"},
    {"Treonina", "Threonine", 83.95, "mg/dL", "µmol/L"},
    {"Tirotropina", "Thyrotropin (TSH)", 1, "mIU/L", "mIU/L"},
    {"Tiroxina libre (T4)", "Thyroxine, free (T4)", 12.87, "ng/dL", "pmol/L"},
    {"Tiroxina total (T4)", "Thyroxine, total (T4)", 12.87, "µg/dL", "nmol/L"},
    {"Transferrina", "Transferrin", 0.01, "mg/dL", "g/L"},
    {"Triiodotironina libre (T3)", "Triiodothyronine, free (T3)", 0.0154, "pg/dL", "pmol/L"},
    {"Triiodotironina total (T3)", "Triiodothyronine, Total (T3)", 0.0154, "ng/dL", "nmol/L"},
    {"troponina T", "Troponin T (cardiac)", 1, "ng/mL", "µg/L"},
    {"Triptófano", "Tryptophan", 48.97, "mg/dL", "µmol/L"},
    {"Tirosina", "Tyrosine", 55.19, "mg/dL", "µmol/L"},
    {"Nitrógeno ureico", "Urea nitrogen", 0.357, "mg/dL", "mmol/L"},
    {"Ácido úrico", "Uric acid", 59.48, "mg/dL", "µmol/L"},
    {"Valina", "Valine", 85.5, "mg/dL", "µmol/L"},
    {"Vitamina A (retinol)", "Vitamin A (retinol)", 0.0349, "µg/dL", "µmoI/L"},
    {"Vitamina B6 (piridoxal-5'-fosfato)", "Vitamin B6 (pyridoxal 5'-phosphate)", 4.046, "ng/mL",
     "nmol/L"},
    {"Vitamin B12 (cianocobalamina)", "Vitamin B12 (cyanocobalamin)", 0.738, "pg/mL", "pmol/L"},
    {"Vitamina C (ácido ascórbico)", "Vitamin C (ascorbic acid)", 56.78, "mg/dL", "µmol/L"},
    {"Vitamina E (tocoferol)", "Vitamin E", 23.22, "mg/dL", "µmoI/L"},
    {"Vitamina K", "Vitamin K", 2.22, "ng/mL", "nmol/L"},
    {"Recuento de células blancas", "White blood cell count", 1, "10^3/µL", "10^9/L"},
    {"Zinc", "Zinc", 0.153, "µg/dL", "µmol/L"},
};
constexpr int kAnalyteCount = sizeof kAnalytes / sizeof kAnalytes[0];

constexpr int kEditBound = 12;  // the clearing looks this far; only Edit1 and Edit2 exist
constexpr int kDecimals = 5;
constexpr int kButtonWidth = 18;  // the ordering button at the right end of a title cell
constexpr int kButtonHit = 22;    // a press this close to the cell's right end hits it

const QColor kSelectedFill(128, 128, 192);
const QColor kSelectedDark(98, 98, 162);
const QColor kSelectedLight(158, 158, 222);
const QColor kWarningHint(193, 193, 255);

const QString kWarning = QStringLiteral(
    "Como con cualquier otro software, verifique los datos\n"
    "y los resultados de los procesos antes de aplicarlos;\n"
    "en particular si se trata de cuestiones de salud.");

// A frame of width pixels inside rect, top and left in one colour, bottom and right in the
// other; rect shrinks by it.
void Frame3D(QPainter& canvas, QRect& rect, const QColor& topLeft, const QColor& bottomRight,
             int width) {
  for (int i = 0; i < width; ++i) {
    canvas.setPen(topLeft);
    canvas.drawLine(rect.topLeft(), rect.topRight());
    canvas.drawLine(rect.topLeft(), rect.bottomLeft());
    canvas.setPen(bottomRight);
    canvas.drawLine(rect.bottomLeft(), rect.bottomRight());
    canvas.drawLine(rect.topRight(), rect.bottomRight());
    rect.adjust(1, 1, -1, -1);
  }
}

// One line, vertically centred, 2 pixels in from the left and the top. A text too wide for
// the cell is drawn in the narrow face of the font, and cut short with an ellipsis if it is
// still too wide (the grid shows it whole as the cell's tool tip).
void CellText(QPainter& canvas, const QRect& rect, const QString& text) {
  const QRect room = rect.adjusted(2, 2, -2, 0);
  canvas.setFont(platform::FittingFont(canvas.font(), text, room.width()));
  canvas.drawText(room, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                  canvas.fontMetrics().elidedText(text, Qt::ElideRight, room.width()));
}

}  // namespace

TCellObject::TCellObject(TStringGrid* grid, unsigned char kind, int col, int row)
    : grid_(grid), kind_(kind), col_(col), row_(row) {
  Attach();
}

TCellObject::~TCellObject() {
  if (grid_->Objects(col_, row_) == this) grid_->SetObjects(col_, row_, nullptr);
}

void TCellObject::Attach() { grid_->SetObjects(col_, row_, this); }

void TCellObject::SetKind(unsigned char kind) {
  if (kind == kind_) return;
  Attach();
  kind_ = kind;
}

QString TCellObject::GetText() const { return grid_->Cell(col_, row_); }

void TCellObject::SetText(const QString& text) { grid_->SetCell(col_, row_, text); }

TFormClinic::TFormClinic(QWidget* owner) : TForm(owner, QStringLiteral("FormClinic")) {
  SetCaption(QStringLiteral("Unidades de datos clínicos"));
  SetBorder(Border::Dialog);
  SetClientSize(692, 386);
  SetPosition(Position::ScreenCenter);

  auto* panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setGeometry(0, 0, 692, 386);
  BuildGrid(panel);
  BuildUnitEdits(panel);
  SetTabChain({StringGrid1, Edit1, Edit2, BitBtn1});

  // Creation.
  SavedHintHidePause = platform::HintHidePause();
  SavedHintPause = platform::HintPause();
  SavedHintColor = platform::HintColor();
  HeaderPressed = true;
  CommonUpdating = SIUpdating = false;
  SortColumn = 0;
  Label1->SetCaption(QStringLiteral("1-antitripsina"));
  FillGrid();
  StringGrid1->SetRow(1);
  StringGrid1SelectCell(0, 1);
}

// The title row and one row per analyte.
void TFormClinic::BuildGrid(QWidget* panel) {
  StringGrid1 = new TStringGrid(panel, QStringLiteral("StringGrid1"), 2, kAnalyteCount + 1, 0, 1);
  StringGrid1->setGeometry(8, 16, 465, 329);
  StringGrid1->SetEditable(false);
  StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
  StringGrid1->ScrollUnderFixedRow();
  StringGrid1->SetColWidth(0, 224);
  StringGrid1->SetColWidth(1, 218);
  StringGrid1->SetRowHeight(24);
  StringGrid1->OnDrawCell = [this](int col, int row, QPainter& canvas, const QRect& rect,
                                   int state) {
    StringGrid1DrawCell(col, row, canvas, rect, state);
  };
  StringGrid1->OnSelectCell = [this](int col, int row) { StringGrid1SelectCell(col, row); };
  StringGrid1->OnMouseDown = [this](Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
    StringGrid1MouseDown(button, x, y);
  };
  StringGrid1->OnMouseUp = [this](Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
    StringGrid1MouseUp(button, x, y);
  };
}

// Beside the grid: the analyte's name, its two units with their edits, the warning and the
// button.
void TFormClinic::BuildUnitEdits(QWidget* panel) {
  const int x = 486;
  Label1 = new TLabel(panel, QStringLiteral("Label1"), QString());
  Label1->SetFontColor(kNavy);
  Label1->setWordWrap(true);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label1->setGeometry(x, 20, 198, 44);
  PlaceLabel(panel, QStringLiteral("Label2"), QStringLiteral("Unidad Común"), x, 78);
  Edit1 = new TEdit(panel, QStringLiteral("Edit1"), QString());
  Edit1->setGeometry(x, 96, 94, 21);
  Label3 = new TLabel(panel, QStringLiteral("Label3"), QString());
  Label3->setWordWrap(true);
  Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label3->setGeometry(x + 100, 99, 105, 36);
  PlaceLabel(panel, QStringLiteral("Label4"), QStringLiteral("Unidad SI"), x, 146);
  Edit2 = new TEdit(panel, QStringLiteral("Edit2"), QString());
  Edit2->setGeometry(x, 164, 94, 21);
  Label5 = new TLabel(panel, QStringLiteral("Label5"), QString());
  Label5->setWordWrap(true);
  Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label5->setGeometry(x + 100, 167, 105, 28);
  Label6 = PlaceLabel(panel, QStringLiteral("Label6"), QStringLiteral("Advertencia"), x, 222,
                      QColor(0x00, 0x00, 0xff));
  Label6->SetUnderline(true);
  Label6->adjustSize();
  Label6->setCursor(Qt::WhatsThisCursor);
  Label6->setMouseTracking(true);
  Label6->OnMouseMove = [this](QMouseEvent*) { Label6MouseMove(); };

  BitBtn1 =
      new TBitBtn(panel, QStringLiteral("BitBtn1"), QStringLiteral("Volver"), TBitBtn::Kind::OK);
  BitBtn1->setGeometry(598, 318, 83, 27);
  SetCancelButton(BitBtn1);  // Escape closes it too, with the OK result

  for (auto [edit, flag] : {std::pair{Edit1, &CommonUpdating}, std::pair{Edit2, &SIUpdating}}) {
    edit->OnKeyDown = [flag](TEdit*, int& key, Qt::KeyboardModifiers) {
      if (key == Qt::Key_Delete) *flag = false;
    };
    edit->OnKeyPress = [flag](TEdit* sender, char16_t& key) {
      *flag = false;
      key = FilterNumericKey(key, sender);
    };
  }
  Edit1->OnChange = [this](TEdit*) { Edit1Change(); };
  Edit2->OnChange = [this](TEdit*) { Edit2Change(); };
}

// The headings, the analytes' names in both languages, the grid in Spanish order.
void TFormClinic::FillGrid() {
  StringGrid1->SetCell(0, 0, QStringLiteral("Componente"));
  StringGrid1->SetCell(1, 0, QStringLiteral("Component"));
  for (const Analyte& analyte : kAnalytes) {
    SpanishNames << QString::fromUtf8(analyte.spanish);
    EnglishNames << QString::fromUtf8(analyte.english);
  }
  for (int col = 0; col < 2; ++col) {
    HeaderCells[col] =
        std::make_unique<TCellObject>(StringGrid1, TCellObject::kHeaderButton, col, 0);
    HeaderCells[col]->SetKind(TCellObject::kHeaderButton);
  }
  for (int i = 0; i < kAnalyteCount; ++i) EnglishBySpanish[SpanishNames[i]] = EnglishNames[i];
  OrderBySpanish();
}

TFormClinic::~TFormClinic() {
  for (auto& cell : HeaderCells) cell.reset();
  platform::SetHintHidePause(SavedHintHidePause);
  platform::SetHintPause(SavedHintPause);
  platform::SetHintColor(SavedHintColor);
}

int TFormClinic::AnalyteOfRow(int row) const {
  return static_cast<int>(EnglishNames.indexOf(StringGrid1->Cell(1, row)));
}

void TFormClinic::ReselectAnalyte(const QString& english) {
  for (int row = 1; row <= kAnalyteCount; ++row) {
    if (StringGrid1->Cell(1, row) == english) {
      StringGrid1->SetRow(row);
      return;
    }
  }
}

void TFormClinic::OrderBySpanish() {
  const QString selected = StringGrid1->Cell(1, StringGrid1->Row());
  // The C locale has no collation of its own (it orders by character codes, accented
  // initials after "Z"); the names are Spanish, so they are then ordered as in Spain.
  QLocale locale = QLocale::system();
  if (locale.language() == QLocale::C) locale = QLocale(QLocale::Spanish, QLocale::Spain);
  QCollator collator(locale);
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  std::stable_sort(SpanishNames.begin(), SpanishNames.end(),
                   [&collator](const QString& a, const QString& b) { return collator(a, b); });
  for (int row = 1; row <= kAnalyteCount; ++row) {
    const QString& spanish = SpanishNames[row - 1];
    StringGrid1->SetCell(0, row, spanish);
    StringGrid1->SetCell(1, row, EnglishBySpanish[spanish]);
  }
  ReselectAnalyte(selected);
  OrderColumn = 0;
}

void TFormClinic::OrderByEnglish() {
  const QString selected = StringGrid1->Cell(1, StringGrid1->Row());
  for (int row = 1; row <= kAnalyteCount; ++row) {
    StringGrid1->SetCell(0, row, QString::fromUtf8(kAnalytes[row - 1].spanish));
    StringGrid1->SetCell(1, row, QString::fromUtf8(kAnalytes[row - 1].english));
  }
  ReselectAnalyte(selected);
  OrderColumn = 1;
}

void TFormClinic::StringGrid1SelectCell(int, int row) {
  if (row < 1) return;
  const int i = AnalyteOfRow(row);
  if (i < 0) return;
  Label1->SetCaption(StringGrid1->Cell(0, row));
  const Analyte& analyte = kAnalytes[i];
  try {
    Edit1->SetText(QStringLiteral("1"));
    Edit2->SetText(FormatValue(analyte.factor));
    Label3->SetCaption(QString::fromUtf8(analyte.common));
    Label5->SetCaption(QString::fromUtf8(analyte.si));
  } catch (const EConvertError&) {
    Edit1->SetText(QString());
    Edit2->SetText(QString());
    Label3->SetCaption(QStringLiteral("..."));
    Label5->SetCaption(QStringLiteral("..."));
    platform::MessageBox(
        this,
        QStringLiteral(
            "Error en la conversión.\nEste componente no tiene una conversión asociada."),
        QStringLiteral("Error"), platform::Icon::Warning);
  } catch (const std::exception& error) {
    ReportError(error);
  }
}

void TFormClinic::Edit1Change() { Convert(Edit1, CommonUpdating, Edit2, true); }

void TFormClinic::Edit2Change() { Convert(Edit2, SIUpdating, Edit1, false); }

void TFormClinic::Convert(TEdit* source, bool& updating, TEdit* target, bool toSI) {
  // Set until the next key press (or Delete) in this edit.
  if (updating) return;
  updating = true;
  if (!ChangePrologue(source, kEditBound)) return;
  if (!source->Focused()) return;
  const int i = std::max(AnalyteOfRow(StringGrid1->Row()), 0);
  const Extended factor = kAnalytes[i].factor;
  try {
    const Extended x = ParseValue(source->Text());
    const Extended y = toSI ? Checked(x * factor) : Divide(x, factor);
    target->SetText(FormatValue(RoundTo(y, kDecimals)));
  } catch (const EConvertError&) {
    platform::MessageBox(this,
                         source->Text().left(100) + QStringLiteral(" no es un número válido."),
                         QStringLiteral("Error de conversión"), platform::Icon::Warning);
  } catch (const std::exception& error) {
    ReportError(error);
  }
}

// Any other failure, in its own words: the system's message for its last error code would
// tell of whatever call last failed, or that all went well.
void TFormClinic::ReportError(const std::exception& error) {
  const auto* own = dynamic_cast<const Exception*>(&error);
  platform::MessageBox(this, own ? own->Message() : QString::fromLocal8Bit(error.what()),
                       QStringLiteral("Mensaje de Windows:"), platform::Icon::Warning);
}

void TFormClinic::StringGrid1DrawCell(int col, int row, QPainter& canvas, const QRect& rect,
                                      int state) {
  const QPalette& colors = StringGrid1->palette();
  QFont font = StringGrid1->font();
  canvas.setRenderHint(QPainter::Antialiasing, false);
  if (row == 0) {
    auto* cell = qobject_cast<TCellObject*>(StringGrid1->Objects(col, row));
    if (cell) CurrentHeaderCell = cell;
    canvas.fillRect(rect, QApplication::palette("QMenu").color(QPalette::Window));
    QRect inner = rect;
    Frame3D(canvas, inner, colors.color(QPalette::Light), colors.color(QPalette::Dark), 1);
    font.setBold(true);
    canvas.setFont(font);
    canvas.setPen(platform::TextColor(StringGrid1, colors.color(QPalette::ButtonText),
                                      QApplication::palette("QMenu").color(QPalette::Window)));
    CellText(canvas, rect.adjusted(0, 0, -kButtonWidth, 0), StringGrid1->Cell(col, row));

    QRect box(rect.right() - kButtonWidth + 1, rect.top(), kButtonWidth, rect.height());
    canvas.fillRect(box, colors.color(QPalette::Button));
    const bool sunken = HeaderPressed && col == SortColumn;
    QRect frame = box;
    if (sunken) {
      Frame3D(canvas, frame, colors.color(QPalette::Dark), colors.color(QPalette::Light), 1);
    } else {
      Frame3D(canvas, frame, colors.color(QPalette::Light), colors.color(QPalette::Dark), 2);
    }
    if (cell && cell->Kind() == TCellObject::kHeaderButton) {
      const int x = box.left() + box.width() / 2 - 4;
      const int y = rect.top() + rect.height() / 2 - 3 + (sunken ? 1 : 0);
      const QPoint corners[] = {{x, y}, {x + 8, y}, {x + 4, y + 4}};
      const QColor color = platform::TextColor(StringGrid1, sunken ? Qt::red : Qt::black,
                                               colors.color(QPalette::Button));
      canvas.setPen(color);
      canvas.setBrush(color);
      canvas.drawPolygon(corners, 3);
    }
    return;
  }
  if (state & TStringGrid::Selected) {
    canvas.fillRect(rect, kSelectedFill);
    QRect inner = rect;
    Frame3D(canvas, inner, kSelectedDark, kSelectedLight, 3);
    font.setBold(true);
    font.setItalic(true);
    canvas.setFont(font);
    canvas.setPen(platform::TextColor(StringGrid1, Qt::white, kSelectedFill));
  } else {
    const QColor fill = QApplication::palette().color(QPalette::ToolTipBase);
    canvas.fillRect(rect, fill);
    canvas.setFont(font);
    canvas.setPen(platform::TextColor(StringGrid1, colors.color(QPalette::Text), fill));
  }
  CellText(canvas, rect, StringGrid1->Cell(col, row));
}

void TFormClinic::StringGrid1MouseDown(Qt::MouseButton button, int x, int y) {
  if (button != Qt::LeftButton) return;
  int col = -1, row = -1;
  StringGrid1->MouseToCell(x, y, col, row);
  if (row != 0 || col == PressedColumn) return;
  auto* cell = qobject_cast<TCellObject*>(StringGrid1->Objects(col, row));
  if (!cell) return;
  CurrentHeaderCell = cell;
  const QRect rect = StringGrid1->CellRect(col, row);
  HeaderPressed = x > rect.right() - kButtonHit && x <= rect.right();
  if (HeaderPressed) {
    PressedColumn = col;
    SortColumn = col;
    StringGrid1->RepaintCell(col, row);
  }
}

void TFormClinic::StringGrid1MouseUp(Qt::MouseButton button, int x, int y) {
  if (button != Qt::LeftButton || !HeaderPressed) return;
  int col = -1, row = -1;
  StringGrid1->MouseToCell(x, y, col, row);
  if (row != 0 || col == OrderColumn) return;
  auto* cell = qobject_cast<TCellObject*>(StringGrid1->Objects(col, row));
  if (!cell || cell->Kind() != TCellObject::kHeaderButton) return;
  HeaderPressed = true;
  SortColumn = col;
  if (col == 0) {
    OrderBySpanish();
  } else {
    OrderByEnglish();
  }
  StringGrid1->RepaintCell(col, row);
  StringGrid1->viewport()->update();
  StringGrid1->horizontalHeader()->viewport()->update();
}

void TFormClinic::Label6MouseMove() {
  Label6->setToolTip(kWarning);
  // Shown at once, and kept until the mouse leaves the label.
  platform::SetHintPause(0);
  platform::SetHintHidePause(platform::kHintNever);
  platform::SetHintColor(kWarningHint);
}
