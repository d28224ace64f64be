#include "app/Catalogue.h"

#include "app/Unidadpresentacion.h"
#include "platform/Edit.h"
#include "tools/length/Unidad1.h"
#include "tools/length/Unidadgraf.h"
#include "tools/length/Unidadpie.h"
#include "tools/length/Unidadv.h"
#include "tools/length/Unidadz.h"
#include "tools/money/Unidaddivisas.h"
#include "tools/numbers/Unidadletras.h"
#include "tools/numbers/Unidadprefijos.h"
#include "tools/numbers/Unidadromanos.h"
#include "tools/numbers/Unitdadbase.h"
#include "tools/physical/U_caudal.h"
#include "tools/physical/Unidadangulo.h"
#include "tools/physical/Unidadclinica.h"
#include "tools/physical/Unidaddatos.h"
#include "tools/physical/Unidaddensidad.h"
#include "tools/physical/Unidadenergia.h"
#include "tools/physical/Unidadilum.h"
#include "tools/physical/Unidadmasa.h"
#include "tools/physical/Unidadpeso.h"
#include "tools/physical/Unidadpotencia.h"
#include "tools/physical/Unidadpresion.h"
#include "tools/physical/Unidadsensaciont.h"
#include "tools/physical/Unidadsup.h"
#include "tools/physical/Unidadtemp.h"
#include "tools/physical/Unidadtiempo.h"
#include "tools/physical/Unidadvel.h"
#include "tools/physical/Unidadvol.h"
#include "tools/tables/Unidadandalucia.h"
#include "tools/tables/Unidadhierros.h"
#include "tools/tables/Unidadmallas.h"

// The tool windows, each enabled here when it is built; the live converters show their
// results as the user prefers numbers (Preferencias...).

namespace {
template <class T>
[[maybe_unused]] TForm* Make(QWidget* owner) {
  return new T(owner);
}
// A live converter: its results are shown as the user prefers numbers.
template <class T>
TForm* Live(QWidget* owner) {
  TForm* form = new T(owner);
  platform::ShowResultsInStyle(form);
  return form;
}
constexpr auto S = MenuRow::SubMenu;
constexpr auto C = MenuRow::Command;
using P = TFormPrincipal;
}  // namespace

// The captions are the main window's texts: it shows the menu, translated.
const MenuRow kMenu[] = {
    {"", "Archivo1", QT_TRANSLATE_NOOP("TFormPrincipal", "&Archivo"), nullptr, S, nullptr, nullptr},
    {"Archivo1", "Preferencias1", QT_TRANSLATE_NOOP("TFormPrincipal", "&Preferencias..."), nullptr,
     C, nullptr, &P::Preferencias1Click},
    {"Archivo1", "Idioma1", QT_TRANSLATE_NOOP("TFormPrincipal", "Idioma"), nullptr, S, nullptr,
     nullptr},
    {"Idioma1", "Delsistema1", QT_TRANSLATE_NOOP("TFormPrincipal", "Del sistema"), nullptr, C,
     nullptr, &P::Delsistema1Click},
    // Each language by its own name, in every language.
    {"Idioma1", "Espanol1", "Español", nullptr, C, nullptr, &P::Espanol1Click},
    {"Idioma1", "English1", "English", nullptr, C, nullptr, &P::English1Click},
    {"Idioma1", "Catala1", "Català", nullptr, C, nullptr, &P::Catala1Click},
    {"Archivo1", "Salir1", QT_TRANSLATE_NOOP("TFormPrincipal", "&Salir"), "N8", C, nullptr,
     &P::Salir1Click},
    {"", "Otros1", QT_TRANSLATE_NOOP("TFormPrincipal", "Unidades de medida"), nullptr, S, nullptr,
     nullptr},
    {"Otros1", "Buscarunidad1", QT_TRANSLATE_NOOP("TFormPrincipal", "Buscar unidad..."), nullptr, C,
     nullptr, &P::Buscarunidad1Click},
    {"Otros1", "Numeracin1", QT_TRANSLATE_NOOP("TFormPrincipal", "&Numeración"), "N7", S, nullptr,
     nullptr},
    {"Numeracin1", "Prefijos1", QT_TRANSLATE_NOOP("TFormPrincipal", "Prefijos"), nullptr, C,
     Live<TFormPrefijos>, nullptr},
    {"Numeracin1", "Basedenumeracin2", QT_TRANSLATE_NOOP("TFormPrincipal", "Base de numeración"),
     "N1", C, Make<TFormBase>, nullptr},
    {"Numeracin1", "Romanos1", QT_TRANSLATE_NOOP("TFormPrincipal", "Romanos"), nullptr, C,
     Make<TFormRomanos>, nullptr},
    {"Numeracin1", "Aletras1", QT_TRANSLATE_NOOP("TFormPrincipal", "A letras"), nullptr, C,
     Make<TFormLetras>, nullptr},
    {"Otros1", "Ms1", QT_TRANSLATE_NOOP("TFormPrincipal", "&Lineales"), "N2", S, nullptr, nullptr},
    {"Ms1", "Longitud1", QT_TRANSLATE_NOOP("TFormPrincipal", "Longitud"), nullptr, C, Live<TForm3>,
     nullptr},
    {"Ms1", "Fraccindepulgada1", QT_TRANSLATE_NOOP("TFormPrincipal", "Pulgada y fracción"), nullptr,
     C, Make<TForm1>, nullptr},
    {"Ms1", "Piesacm1", QT_TRANSLATE_NOOP("TFormPrincipal", "Pies y pulgadas"), nullptr, C,
     Make<TFormPie>, nullptr},
    {"Ms1", "Grficas1", QT_TRANSLATE_NOOP("TFormPrincipal", "Gráficas"), nullptr, C,
     Live<TFormGraf>, nullptr},
    {"Ms1", "Zapatos2", QT_TRANSLATE_NOOP("TFormPrincipal", "Zapatos"), nullptr, C, Make<TFZapatos>,
     nullptr},
    {"Otros1", "Superficie1", QT_TRANSLATE_NOOP("TFormPrincipal", "&Superficie"), nullptr, C,
     Live<TFormSup>, nullptr},
    {"Otros1", "Volumenycapacidad1", QT_TRANSLATE_NOOP("TFormPrincipal", "&Volumen y capacidad"),
     nullptr, C, Live<TFormVol>, nullptr},
    {"Otros1", "Masa1", QT_TRANSLATE_NOOP("TFormPrincipal", "&Masa"), nullptr, C, Live<TFormMasa>,
     nullptr},
    {"Otros1", "Densidad1", QT_TRANSLATE_NOOP("TFormPrincipal", "&Densidad"), nullptr, C,
     Live<TFormDensidad>, nullptr},
    {"Otros1", "Peso1", QT_TRANSLATE_NOOP("TFormPrincipal", "&Peso"), nullptr, C, Live<TFormPeso>,
     nullptr},
    {"Otros1", "P1", QT_TRANSLATE_NOOP("TFormPrincipal", "Presión"), nullptr, C, Live<TFormPresion>,
     nullptr},
    {"Otros1", "Temperatura1", QT_TRANSLATE_NOOP("TFormPrincipal", "Temperatura"), nullptr, S,
     nullptr, nullptr},
    {"Temperatura1", "Unidades1", QT_TRANSLATE_NOOP("TFormPrincipal", "Unidades"), nullptr, C,
     Live<TFormTemp>, nullptr},
    {"Temperatura1", "SensacinTrmica1", QT_TRANSLATE_NOOP("TFormPrincipal", "Sensación Térmica"),
     nullptr, C, Make<TForm4>, nullptr},
    {"Otros1", "Velocidad1", QT_TRANSLATE_NOOP("TFormPrincipal", "Velocidad"), nullptr, C,
     Live<TFormVel>, nullptr},
    {"Otros1", "Caudal1", QT_TRANSLATE_NOOP("TFormPrincipal", "Caudal"), nullptr, C,
     Live<TFormCaudal>, nullptr},
    {"Otros1", "Tiempo1", QT_TRANSLATE_NOOP("TFormPrincipal", "Tiempo"), nullptr, C,
     Live<TFormTiempo>, nullptr},
    {"Otros1", "Energa1", QT_TRANSLATE_NOOP("TFormPrincipal", "Energía"), nullptr, C,
     Live<TFormEnergia>, nullptr},
    {"Otros1", "Potencia", QT_TRANSLATE_NOOP("TFormPrincipal", "Potencia"), nullptr, C,
     Live<TFormPotencia>, nullptr},
    {"Otros1", "ngulo1", QT_TRANSLATE_NOOP("TFormPrincipal", "Ángulos planos"), nullptr, C,
     Live<TFormAngulo>, nullptr},
    {"Otros1", "Iluminacin1", QT_TRANSLATE_NOOP("TFormPrincipal", "Iluminación"), nullptr, C,
     Live<TFIlum>, nullptr},
    {"Otros1", "Datos1", QT_TRANSLATE_NOOP("TFormPrincipal", "Datos"), nullptr, C, Live<TFormDatos>,
     nullptr},
    {"Otros1", "Cnicas1", QT_TRANSLATE_NOOP("TFormPrincipal", "Datos Cínicos"), "N4", C,
     Live<TFormClinic>, nullptr},
    {"Otros1", "MedidasantiguasdeAndaluca1",
     QT_TRANSLATE_NOOP("TFormPrincipal", "Medidas antiguas de Andalucía"), "N5", C,
     Make<TFormAndalucia>, nullptr},
    {"Otros1", "Hierros1", QT_TRANSLATE_NOOP("TFormPrincipal", "Hierros"), "N6", S, nullptr,
     nullptr},
    {"Hierros1", "Redondos1", QT_TRANSLATE_NOOP("TFormPrincipal", "Redondos"), nullptr, C,
     Make<TFormHierros>, nullptr},
    {"Hierros1", "Mallas1", QT_TRANSLATE_NOOP("TFormPrincipal", "Mallas"), nullptr, C,
     Make<TFormMallas>, nullptr},
    {"", "Divisasonline1", QT_TRANSLATE_NOOP("TFormPrincipal", "Divisas  "), nullptr, S, nullptr,
     nullptr},
    {"Divisasonline1", "Tiposdecambio1",
     QT_TRANSLATE_NOOP("TFormPrincipal", "Tipos de cambio del BCE..."), nullptr, C,
     Make<TFormDivisas>, nullptr},
    {"Divisasonline1", "Conversoronline1",
     QT_TRANSLATE_NOOP("TFormPrincipal", "Conversor \"on-line\""), nullptr, C, nullptr,
     &P::Conversoronline1Click},
    {"", "Calculadora1", QT_TRANSLATE_NOOP("TFormPrincipal", "Calculadora"), nullptr, C, nullptr,
     &P::Calculadora1Click},
    {"", "Acercade1", QT_TRANSLATE_NOOP("TFormPrincipal", "Ayuda"), nullptr, S, nullptr, nullptr},
    {"Acercade1", "Cmopersonalizar1", QT_TRANSLATE_NOOP("TFormPrincipal", "Cómo personalizar..."),
     nullptr, C, nullptr, &P::Cmopersonalizar1Click},
    {"Acercade1", "Lame1", QT_TRANSLATE_NOOP("TFormPrincipal", "Léame"), nullptr, C, nullptr,
     &P::Lame1Click},
    {"Acercade1", "Acercade2", QT_TRANSLATE_NOOP("TFormPrincipal", "Acerca de..."), nullptr, C,
     nullptr, &P::Acercade2Click},
};
const int kMenuRowCount = sizeof kMenu / sizeof kMenu[0];

const MenuRow* FindMenuRow(const QString& item) {
  for (const MenuRow& row : kMenu) {
    if (item == QLatin1String(row.item)) return &row;
  }
  return nullptr;
}
