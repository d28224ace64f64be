#include "tools/physical/Unidadclinica.h"

#include <QApplication>
#include <QCollator>
#include <QHeaderView>
#include <QLocale>
#include <QPainter>
#include <algorithm>
#include <numeric>
#include <vector>

#include "numeric/Numeric.h"
#include "platform/Colors.h"
#include "platform/Controls.h"
#include "platform/Edit.h"
#include "platform/Grid.h"
#include "platform/Hints.h"
#include "platform/Messages.h"
#include "platform/Readable.h"

namespace {

// The name and the units are UTF-8, marked for translation in the window's context and shown
// translated; the English name is the list's second column in every language, and tells the
// analytes apart.
struct Analyte {
  const char* spanish;
  const char* english;
  double factor;  // conventional value times factor gives the SI value
  const char* common;
  const char* si;
};

// In alphabetical order of the English names, which is also the list's order by its second
// column. The texts stand as they have always been shown, odd spellings and blanks included.
const Analyte kAnalytes[] = {
    //: the analytes (laboratory values) by their usual names in this language, each name
    //: different; the second column of the list keeps their English names
    {QT_TRANSLATE_NOOP("TFormClinic", "Paracetamol"), "Acetaminophen", 6.62,
     QT_TRANSLATE_NOOP("TFormClinic", "µg/mL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Ácido acetoacético"), "Acetoacetic acid", 0.098,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "mmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Acetona"), "Acetone", 0.172,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "mmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Fosfatasa ácida"), "Acid phosphatase", 1,
     QT_TRANSLATE_NOOP("TFormClinic", "unidades/L"), QT_TRANSLATE_NOOP("TFormClinic", "U/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Alanina"), "Alanine", 112.2,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Alanina-aminotransferasa"), "Alanine aminotransferase (ALT)",
     1, QT_TRANSLATE_NOOP("TFormClinic", "unidades/L"), QT_TRANSLATE_NOOP("TFormClinic", "U/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Albúmina"), "Albumin", 10,
     QT_TRANSLATE_NOOP("TFormClinic", "g/dL"), QT_TRANSLATE_NOOP("TFormClinic", "g/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Alcohol-deshidrogenasa"), "Alcohol dehydrogenase", 1,
     QT_TRANSLATE_NOOP("TFormClinic", "unidades/L"), QT_TRANSLATE_NOOP("TFormClinic", "U/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Fructosa-bisfosfato-aldolasa"), "Aldolase", 1,
     QT_TRANSLATE_NOOP("TFormClinic", "unidades/L"), QT_TRANSLATE_NOOP("TFormClinic", "U/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Aldosterona"), "Aldosterone", 0.0277,
     QT_TRANSLATE_NOOP("TFormClinic", "ng/dL"), QT_TRANSLATE_NOOP("TFormClinic", "nmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Fosfatasa alcalina"), "Alkaline phosphatase", 1,
     QT_TRANSLATE_NOOP("TFormClinic", "unidades/L"), QT_TRANSLATE_NOOP("TFormClinic", "U/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Amoníaco"), "Ammonia", 0.587,
     QT_TRANSLATE_NOOP("TFormClinic", "µg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Amilasa"), "Amylase", 1,
     QT_TRANSLATE_NOOP("TFormClinic", "unidades/L"), QT_TRANSLATE_NOOP("TFormClinic", "U/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Androstenodiona"), "Androstenedione", 0.0349,
     QT_TRANSLATE_NOOP("TFormClinic", "ng/dL"), QT_TRANSLATE_NOOP("TFormClinic", "nmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Proangiotensina"), "Angiotensin I", 0.772,
     QT_TRANSLATE_NOOP("TFormClinic", "pg/mL"), QT_TRANSLATE_NOOP("TFormClinic", "pmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Angiotensina"), "Angiotensin II", 0.957,
     QT_TRANSLATE_NOOP("TFormClinic", "pg/mL"), QT_TRANSLATE_NOOP("TFormClinic", "pmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Vasopresina"), "Antidiuretic hormone", 0.923,
     QT_TRANSLATE_NOOP("TFormClinic", "pg/mL"), QT_TRANSLATE_NOOP("TFormClinic", "pmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Antitrombina III"), "Antithrombin III", 10,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "mg/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "1-antitripsina"), "alpha1-Antitrypsin", 0.184,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Apolipoproteína (a)"), "Apolipoprotein (a)", 0.01,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "g/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Apolipoproteína B"), "Apolipoprotein B", 0.01,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "g/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Arginina"), "Arginine", 57.4,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Asparragina"), "Asparagine", 75.7,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Aspartato-aminotransferasa"), "Aspartate aminotransferase",
     1, QT_TRANSLATE_NOOP("TFormClinic", "unidades/L"), QT_TRANSLATE_NOOP("TFormClinic", "U/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Hidrogenocarbonato  [sust. endógena]"), "Bicarbonate", 1,
     QT_TRANSLATE_NOOP("TFormClinic", "mEq/L"), QT_TRANSLATE_NOOP("TFormClinic", "mmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Bilirrubina"), "Bilirubin", 17.1,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Calcitonina"), "Calcitonin", 1,
     QT_TRANSLATE_NOOP("TFormClinic", "pg/mL"), QT_TRANSLATE_NOOP("TFormClinic", "ng/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Calcio"), "Calcium", 0.25,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "mmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Dióxido de Carbono"), "Carbon dioxide", 1,
     QT_TRANSLATE_NOOP("TFormClinic", "mEq/L"),
     //: millimoles per litre, the l written as a capital I
     QT_TRANSLATE_NOOP("TFormClinic", "mmoI/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Ferroxidasa"), "Ceruloplasmin", 10,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "mg/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Cloruro"), "Chloride", 1,
     QT_TRANSLATE_NOOP("TFormClinic", "mEq/L"), QT_TRANSLATE_NOOP("TFormClinic", "mmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Colesterol"), "Cholesterol", 0.0259,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "mmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Citrato"), "Citrate", 52.05,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Cobre"), "Copper", 0.157,
     QT_TRANSLATE_NOOP("TFormClinic", "µg/dL"),
     //: micromoles per litre, the l written as a capital I
     QT_TRANSLATE_NOOP("TFormClinic", "µmoI/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Coproporfirina (orina)"), "Coproporphyrins (urine)", 1.527,
     QT_TRANSLATE_NOOP("TFormClinic", "µg/24 hr"), QT_TRANSLATE_NOOP("TFormClinic", "nmol/d")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Corticotropina [sustancia endógena]"),
     "Corticotropin (ACTH)", 0.22, QT_TRANSLATE_NOOP("TFormClinic", "pg/mL"),
     QT_TRANSLATE_NOOP("TFormClinic", "pmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Cortisol"), "Cortisol", 27.59,
     QT_TRANSLATE_NOOP("TFormClinic", "µg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "nmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Creatinea"), "Creatine", 76.26,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Creatina-cinasa"), "Creatine kinase (CK)", 1,
     QT_TRANSLATE_NOOP("TFormClinic", "unidades/L"), QT_TRANSLATE_NOOP("TFormClinic", "U/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Creatinina"), "Creatinine", 88.4,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Depuración de creatininio"), "Creatinine clearance", 0.0167,
     QT_TRANSLATE_NOOP("TFormClinic", "mL/min"), QT_TRANSLATE_NOOP("TFormClinic", "mL/s")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Deshidroepiandrosterona"), "Dehydroepiandrosterone (DHEA)",
     3.47, QT_TRANSLATE_NOOP("TFormClinic", "ng/mL"), QT_TRANSLATE_NOOP("TFormClinic", "nmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Digoxina"), "Digoxin", 1.281,
     QT_TRANSLATE_NOOP("TFormClinic", "ng/mL"), QT_TRANSLATE_NOOP("TFormClinic", "nmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Adrenalina [sustancia endógena]"), "Epinephrine", 5.46,
     QT_TRANSLATE_NOOP("TFormClinic", "pg/mL"), QT_TRANSLATE_NOOP("TFormClinic", "pmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Eritrosedimentación"), "Erythrocyte sedimentation rate", 1,
     QT_TRANSLATE_NOOP("TFormClinic", "mm/h"), QT_TRANSLATE_NOOP("TFormClinic", "mm/h")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Estradiol"), "Estradiol", 3.671,
     QT_TRANSLATE_NOOP("TFormClinic", "pg/mL"), QT_TRANSLATE_NOOP("TFormClinic", "pmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Etanol"), "Ethanol (ethyl alcohol)", 0.217,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "mmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Ferritina"), "Ferritin", 2.247,
     QT_TRANSLATE_NOOP("TFormClinic", "ng/mL"), QT_TRANSLATE_NOOP("TFormClinic", "pmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Fibrinógeno"), "Fibrinogen", 0.0294,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Folato"), "Folate", 2.266,
     QT_TRANSLATE_NOOP("TFormClinic", "ng/mL"), QT_TRANSLATE_NOOP("TFormClinic", "nmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Folitropina"), "Follicle-stimulating hormone", 1,
     QT_TRANSLATE_NOOP("TFormClinic", "mIU/mL"), QT_TRANSLATE_NOOP("TFormClinic", "IU/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Fructosa"), "Fructose", 55.5,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Galactosa"), "Galactose", 55.506,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Glucagón"), "Glucagon", 1,
     QT_TRANSLATE_NOOP("TFormClinic", "pg/mL"), QT_TRANSLATE_NOOP("TFormClinic", "ng/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Glucosa"), "Glucose", 0.0555,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "mmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Glutamina"), "Glutamine", 68.42,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Glicohemoglobina"), "Glycated hemoglobin", 0.01,
     QT_TRANSLATE_NOOP("TFormClinic", "% del total de hemoglobina"),
     QT_TRANSLATE_NOOP("TFormClinic", "propoción del total de hemoglobina")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Glicina"), "Glycine", 133.3,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Hepatoglobina"), "Haptoglobin", 0.1,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Hemoglobina (concentración de masa)"),
     "Hemoglobin (mass concentration)", 0.6206, QT_TRANSLATE_NOOP("TFormClinic", "g/dL"),
     QT_TRANSLATE_NOOP("TFormClinic", "mmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Colesterol de HDL"),
     "High-density lipoprotein cholesterol (HDL-C)", 0.0259,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "mmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Histidina"), "Histidine", 64.45,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Coriogonadotropina [sustancia endógena]"),
     "Human chorionic gonadotropin (HCG)", 1,
     //: milli-international units per millilitre, the I written as a lower-case l
     QT_TRANSLATE_NOOP("TFormClinic", "mlU/mL"), QT_TRANSLATE_NOOP("TFormClinic", "IU/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Ácido 2-hidroxibutírico"), "Hydroxybutyric acid", 96.05,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Hidroxiprolina"), "Hydroxyproline", 76.3,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Inmunoglobulina A"), "Immunoglobulin A (IgA)", 0.01,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "g/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Inmunoglobulina D"), "Immunoglobulin D (IgD)", 10,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "mg/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Inmunoglobulina E"), "Immunoglobulin E (IgE)", 10,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "mg/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Inmunoglobulina G"), "Immunoglobulin G (IgG)", 0.01,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "g/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Inmunoglobulina M"), "Immunoglobulin M (IgM)", 0.01,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "g/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Insulina"), "Insulin", 6.945,
     QT_TRANSLATE_NOOP("TFormClinic", "µIU/mL"), QT_TRANSLATE_NOOP("TFormClinic", "pmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Hierro"), "Iron", 0.179,
     QT_TRANSLATE_NOOP("TFormClinic", "µg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Lactato [Ácido láctico más ion lactato]"),
     "Lactate (lactic acid)", 0.111, QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"),
     QT_TRANSLATE_NOOP("TFormClinic", "mmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Lactato-deshidrogenasa"), "Lactate dehydrogenase", 1,
     QT_TRANSLATE_NOOP("TFormClinic", "unidades/L"), QT_TRANSLATE_NOOP("TFormClinic", "U/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Plomo"), "Lead", 0.0483,
     QT_TRANSLATE_NOOP("TFormClinic", "µg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Leucina"), "Leucine", 76.237,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Triacilglicerol-lipasa"), "Lipase", 1,
     QT_TRANSLATE_NOOP("TFormClinic", "unidades/L"), QT_TRANSLATE_NOOP("TFormClinic", "U/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Lípidos"), "Lipids (total)", 0.01,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "g/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Lipoproteína (a)"), "Lipoprotein (a)", 0.0357,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Litio"), "Lithium", 1,
     QT_TRANSLATE_NOOP("TFormClinic", "mEq/L"), QT_TRANSLATE_NOOP("TFormClinic", "mmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Colesterol de LDL"),
     "Low-density lipoprotein cholesterol (LDL-C)", 0.0259,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "mmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Lutropina"), "Luteinizing hormone", 1,
     QT_TRANSLATE_NOOP("TFormClinic", "IU/L"),
     //: international units per litre, the I written as a lower-case l
     QT_TRANSLATE_NOOP("TFormClinic", "lU/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Lisina"), "Lysine", 68.5,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Magnesio"), "Magnesium", 0.411,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "mmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Metanol"), "Methanol", 0.0312,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/L"), QT_TRANSLATE_NOOP("TFormClinic", "mmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Metahemoglobina"), "Methemoglobin", 0.01,
     QT_TRANSLATE_NOOP("TFormClinic", "% del total de hemoglobina"),
     QT_TRANSLATE_NOOP("TFormClinic", "proporción del total de hemoglobina")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Metionina"), "Methionine", 67.02,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Mioglobina"), "Myoglobin", 0.0571,
     QT_TRANSLATE_NOOP("TFormClinic", "µg/L"), QT_TRANSLATE_NOOP("TFormClinic", "nmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Noradrenalina [sustancia endógena]"), "Norepinephrine",
     0.00591, QT_TRANSLATE_NOOP("TFormClinic", "pg/mL"),
     QT_TRANSLATE_NOOP("TFormClinic", "nmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Ornitina"), "Ornithine", 75.67,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Osmolalidad"), "Osmolality", 1,
     QT_TRANSLATE_NOOP("TFormClinic", "mOsm/kg"),
     //: millimoles per kilogram, the l written as a capital I
     QT_TRANSLATE_NOOP("TFormClinic", "mmoI/kg")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Osteocalcina"), "Osteocalcin", 0.171,
     QT_TRANSLATE_NOOP("TFormClinic", "µg/L"), QT_TRANSLATE_NOOP("TFormClinic", "nmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Oxalato [ácido oxálico más ion oxalato]"), "Oxalate", 11.1,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/L"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Paratirina"), "Parathyroid hormone", 1,
     QT_TRANSLATE_NOOP("TFormClinic", "pg/mL"), QT_TRANSLATE_NOOP("TFormClinic", "ng/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Fenobarbital"), "Phenobarbital", 4.31,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/L"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Fenilalanina"), "Phenylalanine", 60.54,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Fenitoína"), "Phenytoin", 3.96,
     QT_TRANSLATE_NOOP("TFormClinic", "µg/mL"), QT_TRANSLATE_NOOP("TFormClinic", "µmoI/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Fósforo"), "Phosphorus", 0.323,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "mmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Potasio"), "Potassium", 1,
     QT_TRANSLATE_NOOP("TFormClinic", "mEq/L"), QT_TRANSLATE_NOOP("TFormClinic", "mmoI/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Progesterona"), "Progesterone", 3.18,
     QT_TRANSLATE_NOOP("TFormClinic", "ng/mL"), QT_TRANSLATE_NOOP("TFormClinic", "nmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Prolactina"), "Prolactin", 43.478,
     QT_TRANSLATE_NOOP("TFormClinic", "µg/L"), QT_TRANSLATE_NOOP("TFormClinic", "pmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Prolina"), "Proline", 86.86,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Proteína, total"), "Protein, total", 10,
     QT_TRANSLATE_NOOP("TFormClinic", "g/dL"), QT_TRANSLATE_NOOP("TFormClinic", "g/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Protrombina"), "Prothrombin", 13.889,
     QT_TRANSLATE_NOOP("TFormClinic", "g/L"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L ")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Protoporfirina"), "Protoporphyrin, erythrocyte", 0.01777,
     QT_TRANSLATE_NOOP("TFormClinic", "µg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Piruvato"), "Pyruvate", 113.6,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmoI/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Quinidina"), "Quinidine", 3.08,
     QT_TRANSLATE_NOOP("TFormClinic", "µg/mL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Recuento de células rojas"), "Red blood cell count", 1,
     QT_TRANSLATE_NOOP("TFormClinic", "10^6/µL"), QT_TRANSLATE_NOOP("TFormClinic", "10^12/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Renina"), "Renin", 0.0237,
     QT_TRANSLATE_NOOP("TFormClinic", "pg/mL"), QT_TRANSLATE_NOOP("TFormClinic", "pmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Recuento de Reticulocitos"), "Reticulocyte count", 0.01,
     //: per cent of the red blood cells
     QT_TRANSLATE_NOOP("TFormClinic", "% de RBCs"),
     //: a fraction of one: the count in SI units
     QT_TRANSLATE_NOOP("TFormClinic", "proporción de 1.0")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Salicilato [ácido salicílico más ion salicilato]"),
     "Salicylate", 0.00724, QT_TRANSLATE_NOOP("TFormClinic", "mg/L"),
     QT_TRANSLATE_NOOP("TFormClinic", "mmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Serina"), "Serine", 95.2,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Sodio"), "Sodium", 1,
     QT_TRANSLATE_NOOP("TFormClinic", "mEq/L"), QT_TRANSLATE_NOOP("TFormClinic", "mmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Somatomedina-C"),
     "Somatomedin-C (insulinlike growth factor)", 0.131, QT_TRANSLATE_NOOP("TFormClinic", "ng/mL"),
     QT_TRANSLATE_NOOP("TFormClinic", "nmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Somatostatina"), "Somatostatin", 0.611,
     QT_TRANSLATE_NOOP("TFormClinic", "pg/mL"), QT_TRANSLATE_NOOP("TFormClinic", "pmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Testosterona"), "Testosterone", 0.0347,
     QT_TRANSLATE_NOOP("TFormClinic", "ng/dL"), QT_TRANSLATE_NOOP("TFormClinic", "nmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Teofilina"), "Theophylline", 5.55,
     QT_TRANSLATE_NOOP("TFormClinic", "µg/mL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Treonina"), "Threonine", 83.95,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Tirotropina"), "Thyrotropin (TSH)", 1,
     QT_TRANSLATE_NOOP("TFormClinic", "mIU/L"), QT_TRANSLATE_NOOP("TFormClinic", "mIU/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Tiroxina libre (T4)"), "Thyroxine, free (T4)", 12.87,
     QT_TRANSLATE_NOOP("TFormClinic", "ng/dL"), QT_TRANSLATE_NOOP("TFormClinic", "pmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Tiroxina total (T4)"), "Thyroxine, total (T4)", 12.87,
     QT_TRANSLATE_NOOP("TFormClinic", "µg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "nmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Transferrina"), "Transferrin", 0.01,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "g/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Triiodotironina libre (T3)"), "Triiodothyronine, free (T3)",
     0.0154, QT_TRANSLATE_NOOP("TFormClinic", "pg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "pmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Triiodotironina total (T3)"), "Triiodothyronine, Total (T3)",
     0.0154, QT_TRANSLATE_NOOP("TFormClinic", "ng/dL"), QT_TRANSLATE_NOOP("TFormClinic", "nmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "troponina T"), "Troponin T (cardiac)", 1,
     QT_TRANSLATE_NOOP("TFormClinic", "ng/mL"), QT_TRANSLATE_NOOP("TFormClinic", "µg/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Triptófano"), "Tryptophan", 48.97,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Tirosina"), "Tyrosine", 55.19,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Nitrógeno ureico"), "Urea nitrogen", 0.357,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "mmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Ácido úrico"), "Uric acid", 59.48,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Valina"), "Valine", 85.5,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Vitamina A (retinol)"), "Vitamin A (retinol)", 0.0349,
     QT_TRANSLATE_NOOP("TFormClinic", "µg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmoI/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Vitamina B6 (piridoxal-5'-fosfato)"),
     "Vitamin B6 (pyridoxal 5'-phosphate)", 4.046, QT_TRANSLATE_NOOP("TFormClinic", "ng/mL"),
     QT_TRANSLATE_NOOP("TFormClinic", "nmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Vitamin B12 (cianocobalamina)"),
     "Vitamin B12 (cyanocobalamin)", 0.738, QT_TRANSLATE_NOOP("TFormClinic", "pg/mL"),
     QT_TRANSLATE_NOOP("TFormClinic", "pmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Vitamina C (ácido ascórbico)"), "Vitamin C (ascorbic acid)",
     56.78, QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Vitamina E (tocoferol)"), "Vitamin E", 23.22,
     QT_TRANSLATE_NOOP("TFormClinic", "mg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmoI/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Vitamina K"), "Vitamin K", 2.22,
     QT_TRANSLATE_NOOP("TFormClinic", "ng/mL"), QT_TRANSLATE_NOOP("TFormClinic", "nmol/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Recuento de células blancas"), "White blood cell count", 1,
     QT_TRANSLATE_NOOP("TFormClinic", "10^3/µL"), QT_TRANSLATE_NOOP("TFormClinic", "10^9/L")},
    {QT_TRANSLATE_NOOP("TFormClinic", "Zinc"), "Zinc", 0.153,
     QT_TRANSLATE_NOOP("TFormClinic", "µg/dL"), QT_TRANSLATE_NOOP("TFormClinic", "µmol/L")},
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
  SetCaption(tr("Unidades de datos clínicos"));
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
  Label1->SetCaption(tr("1-antitripsina"));
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
  PlaceLabel(panel, QStringLiteral("Label2"), tr("Unidad Común"), x, 78);
  Edit1 = new TEdit(panel, QStringLiteral("Edit1"), QString());
  Edit1->setGeometry(x, 96, 94, 21);
  Label3 = new TLabel(panel, QStringLiteral("Label3"), QString());
  Label3->setWordWrap(true);
  Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label3->setGeometry(x + 100, 99, 105, 36);
  PlaceLabel(panel, QStringLiteral("Label4"), tr("Unidad SI"), x, 146);
  Edit2 = new TEdit(panel, QStringLiteral("Edit2"), QString());
  Edit2->setGeometry(x, 164, 94, 21);
  Label5 = new TLabel(panel, QStringLiteral("Label5"), QString());
  Label5->setWordWrap(true);
  Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label5->setGeometry(x + 100, 167, 105, 28);
  Label6 = PlaceLabel(panel, QStringLiteral("Label6"), tr("Advertencia"), x, 222,
                      QColor(0x00, 0x00, 0xff));
  Label6->SetUnderline(true);
  Label6->adjustSize();
  Label6->setCursor(Qt::WhatsThisCursor);
  Label6->setMouseTracking(true);
  Label6->OnMouseMove = [this](QMouseEvent*) { Label6MouseMove(); };

  BitBtn1 = new TBitBtn(panel, QStringLiteral("BitBtn1"), tr("Volver"), TBitBtn::Kind::OK);
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

// The headings, the analytes' names (in the interface's language and in English), the grid in
// the order of the first.
void TFormClinic::FillGrid() {
  StringGrid1->SetCell(0, 0, tr("Componente"));
  //: the heading of the column that keeps the analytes' English names in every language
  StringGrid1->SetCell(1, 0, tr("Component"));
  for (const Analyte& analyte : kAnalytes) {
    Names << Text(analyte.spanish);
    EnglishNames << QString::fromUtf8(analyte.english);
  }
  for (int col = 0; col < 2; ++col) {
    HeaderCells[col] =
        std::make_unique<TCellObject>(StringGrid1, TCellObject::kHeaderButton, col, 0);
    HeaderCells[col]->SetKind(TCellObject::kHeaderButton);
  }
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

QString TFormClinic::AnalyteKey(int row) const {
  const int i = row < 1 ? -1 : AnalyteOfRow(row);
  return i < 0 ? QString() : QString::fromUtf8(kAnalytes[i].spanish);
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
  // initials after "Z"); the names are Spanish at source, so they are then ordered as in Spain.
  QLocale locale = QLocale::system();
  if (locale.language() == QLocale::C) locale = QLocale(QLocale::Spanish, QLocale::Spain);
  QCollator collator(locale);
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  // The analytes' indexes are ordered, not the names: a translation that gave two analytes one
  // name would otherwise pair a name with another analyte's English name.
  std::vector<int> order(kAnalyteCount);
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return collator(Names[a], Names[b]); });
  for (int row = 1; row <= kAnalyteCount; ++row) {
    const int i = order[row - 1];
    StringGrid1->SetCell(0, row, Names[i]);
    StringGrid1->SetCell(1, row, EnglishNames[i]);
  }
  ReselectAnalyte(selected);
  OrderColumn = 0;
}

void TFormClinic::OrderByEnglish() {
  const QString selected = StringGrid1->Cell(1, StringGrid1->Row());
  for (int row = 1; row <= kAnalyteCount; ++row) {
    StringGrid1->SetCell(0, row, Text(kAnalytes[row - 1].spanish));
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
    Label3->SetCaption(Text(analyte.common));
    Label5->SetCaption(Text(analyte.si));
  } catch (const EConvertError&) {
    Edit1->SetText(QString());
    Edit2->SetText(QString());
    Label3->SetCaption(QStringLiteral("..."));
    Label5->SetCaption(QStringLiteral("..."));
    platform::MessageBox(
        this, tr("Error en la conversión.\nEste componente no tiene una conversión asociada."),
        tr("Error"), platform::Icon::Warning);
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
    //: %1 is what the user typed
    platform::MessageBox(this, tr("%1 no es un número válido.").arg(source->Text().left(100)),
                         tr("Error de conversión"), platform::Icon::Warning);
  } catch (const std::exception& error) {
    ReportError(error);
  }
}

// Any other failure, in its own words: the system's message for its last error code would
// tell of whatever call last failed, or that all went well.
void TFormClinic::ReportError(const std::exception& error) {
  const auto* own = dynamic_cast<const Exception*>(&error);
  platform::MessageBox(this, own ? own->Message() : QString::fromLocal8Bit(error.what()),
                       tr("Mensaje de Windows:"), platform::Icon::Warning);
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
  Label6->setToolTip(
      tr("Como con cualquier otro software, verifique los datos\n"
         "y los resultados de los procesos antes de aplicarlos;\n"
         "en particular si se trata de cuestiones de salud."));
  // Shown at once, and kept until the mouse leaves the label.
  platform::SetHintPause(0);
  platform::SetHintHidePause(platform::kHintNever);
  platform::SetHintColor(kWarningHint);
}
