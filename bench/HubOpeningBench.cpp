// Opening the hub windows: created with every edit, label and handler, shown and painted,
// and destroyed. (The surface and volume windows have theirs beside their key strokes.)
#include "BenchSupport.h"
#include "tools/physical/U_caudal.h"
#include "tools/physical/Unidaddatos.h"
#include "tools/physical/Unidaddensidad.h"
#include "tools/physical/Unidadenergia.h"
#include "tools/physical/Unidadilum.h"
#include "tools/physical/Unidadmasa.h"
#include "tools/physical/Unidadpotencia.h"
#include "tools/physical/Unidadtiempo.h"
#include "tools/physical/Unidadvel.h"

namespace {

BENCHMARK(MeasureOpening<TFormCaudal>)->Name("BM_FlowOpening")->Unit(benchmark::kMicrosecond);
BENCHMARK(MeasureOpening<TFormPotencia>)->Name("BM_PowerOpening")->Unit(benchmark::kMicrosecond);
BENCHMARK(MeasureOpening<TFormEnergia>)->Name("BM_EnergyOpening")->Unit(benchmark::kMicrosecond);
BENCHMARK(MeasureOpening<TFormVel>)->Name("BM_VelocityOpening")->Unit(benchmark::kMicrosecond);
BENCHMARK(MeasureOpening<TFormTiempo>)->Name("BM_TimeOpening")->Unit(benchmark::kMicrosecond);
BENCHMARK(MeasureOpening<TFIlum>)->Name("BM_IlluminationOpening")->Unit(benchmark::kMicrosecond);
BENCHMARK(MeasureOpening<TFormDensidad>)->Name("BM_DensityOpening")->Unit(benchmark::kMicrosecond);
BENCHMARK(MeasureOpening<TFormMasa>)->Name("BM_MassOpening")->Unit(benchmark::kMicrosecond);
BENCHMARK(MeasureOpening<TFormDatos>)->Name("BM_DataOpening")->Unit(benchmark::kMicrosecond);

}  // namespace
