#include "app/Unidadpresentacion.h"

TFormPrincipal::TFormPrincipal(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("FormPrincipal"));
  setWindowTitle(QStringLiteral(" - Tarvel - Unidades de pesas y medidas"));
  resize(546, 363);
}
