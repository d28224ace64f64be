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

const MenuRow kMenu[] = {
    {"", "Archivo1", "&Archivo", nullptr, S, nullptr, nullptr},
    {"Archivo1", "Preferencias1", "&Preferencias...", nullptr, C, nullptr, &P::Preferencias1Click},
    {"Archivo1", "Idioma1", "Idioma", nullptr, S, nullptr, nullptr},
    {"Idioma1", "Delsistema1", "Del sistema", nullptr, C, nullptr, &P::Delsistema1Click},
    {"Idioma1", "Espanol1", "Español", nullptr, C, nullptr, &P::Espanol1Click},
    {"Idioma1", "English1", "English", nullptr, C, nullptr, &P::English1Click},
    {"Idioma1", "Catala1", "Català", nullptr, C, nullptr, &P::Catala1Click},
    {"Archivo1", "Salir1", "&Salir", "N8", C, nullptr, &P::Salir1Click},
    {"", "Otros1", "Unidades de medida", nullptr, S, nullptr, nullptr},
    {"Otros1", "Buscarunidad1", "Buscar unidad...", nullptr, C, nullptr, &P::Buscarunidad1Click},
    {"Otros1", "Numeracin1", "&Numeración", "N7", S, nullptr, nullptr},
    {"Numeracin1", "Prefijos1", "Prefijos", nullptr, C, Live<TFormPrefijos>, nullptr},
    {"Numeracin1", "Basedenumeracin2", "Base de numeración", "N1", C, Make<TFormBase>, nullptr},
    {"Numeracin1", "Romanos1", "Romanos", nullptr, C, Make<TFormRomanos>, nullptr},
    {"Numeracin1", "Aletras1", "A letras", nullptr, C, Make<TFormLetras>, nullptr},
    {"Otros1", "Ms1", "&Lineales", "N2", S, nullptr, nullptr},
    {"Ms1", "Longitud1", "Longitud", nullptr, C, Live<TForm3>, nullptr},
    {"Ms1", "Fraccindepulgada1", "Pulgada y fracción", nullptr, C, Make<TForm1>, nullptr},
    {"Ms1", "Piesacm1", "Pies y pulgadas", nullptr, C, Make<TFormPie>, nullptr},
    {"Ms1", "Grficas1", "Gráficas", nullptr, C, Live<TFormGraf>, nullptr},
    {"Ms1", "Zapatos2", "Zapatos", nullptr, C, Make<TFZapatos>, nullptr},
    {"Otros1", "Superficie1", "&Superficie", nullptr, C, Live<TFormSup>, nullptr},
    {"Otros1", "Volumenycapacidad1", "&Volumen y capacidad", nullptr, C, Live<TFormVol>, nullptr},
    {"Otros1", "Masa1", "&Masa", nullptr, C, Live<TFormMasa>, nullptr},
    {"Otros1", "Densidad1", "&Densidad", nullptr, C, Live<TFormDensidad>, nullptr},
    {"Otros1", "Peso1", "&Peso", nullptr, C, Live<TFormPeso>, nullptr},
    {"Otros1", "P1", "Presión", nullptr, C, Live<TFormPresion>, nullptr},
    {"Otros1", "Temperatura1", "Temperatura", nullptr, S, nullptr, nullptr},
    {"Temperatura1", "Unidades1", "Unidades", nullptr, C, Live<TFormTemp>, nullptr},
    {"Temperatura1", "SensacinTrmica1", "Sensación Térmica", nullptr, C, Make<TForm4>, nullptr},
    {"Otros1", "Velocidad1", "Velocidad", nullptr, C, Live<TFormVel>, nullptr},
    {"Otros1", "Caudal1", "Caudal", nullptr, C, Live<TFormCaudal>, nullptr},
    {"Otros1", "Tiempo1", "Tiempo", nullptr, C, Live<TFormTiempo>, nullptr},
    {"Otros1", "Energa1", "Energía", nullptr, C, Live<TFormEnergia>, nullptr},
    {"Otros1", "Potencia", "Potencia", nullptr, C, Live<TFormPotencia>, nullptr},
    {"Otros1", "ngulo1", "Ángulos planos", nullptr, C, Live<TFormAngulo>, nullptr},
    {"Otros1", "Iluminacin1", "Iluminación", nullptr, C, Live<TFIlum>, nullptr},
    {"Otros1", "Datos1", "Datos", nullptr, C, Live<TFormDatos>, nullptr},
    {"Otros1", "Cnicas1", "Datos Cínicos", "N4", C, Live<TFormClinic>, nullptr},
    {"Otros1", "MedidasantiguasdeAndaluca1", "Medidas antiguas de Andalucía", "N5", C,
     Make<TFormAndalucia>, nullptr},
    {"Otros1", "Hierros1", "Hierros", "N6", S, nullptr, nullptr},
    {"Hierros1", "Redondos1", "Redondos", nullptr, C, Make<TFormHierros>, nullptr},
    {"Hierros1", "Mallas1", "Mallas", nullptr, C, Make<TFormMallas>, nullptr},
    {"", "Divisasonline1", "Divisas  ", nullptr, S, nullptr, nullptr},
    {"Divisasonline1", "Tiposdecambio1", "Tipos de cambio del BCE...", nullptr, C,
     Make<TFormDivisas>, nullptr},
    {"Divisasonline1", "Conversoronline1", "Conversor \"on-line\"", nullptr, C, nullptr,
     &P::Conversoronline1Click},
    {"", "Calculadora1", "Calculadora", nullptr, C, nullptr, &P::Calculadora1Click},
    {"", "Acercade1", "Ayuda", nullptr, S, nullptr, nullptr},
    {"Acercade1", "Cmopersonalizar1", "Cómo personalizar...", nullptr, C, nullptr,
     &P::Cmopersonalizar1Click},
    {"Acercade1", "Lame1", "Léame", nullptr, C, nullptr, &P::Lame1Click},
    {"Acercade1", "Acercade2", "Acerca de...", nullptr, C, nullptr, &P::Acercade2Click},
};
const int kMenuRowCount = sizeof kMenu / sizeof kMenu[0];

const MenuRow* FindMenuRow(const QString& item) {
  for (const MenuRow& row : kMenu) {
    if (item == QLatin1String(row.item)) return &row;
  }
  return nullptr;
}
