// La vista previa de "Nuevo patrón desde imagen...": calcular_tapiz de 150 x 150 puntos sobre
// una foto de 4000 x 3000 ya leída, con cada método, en un hilo de cálculo y con todos. La
// ventana la calcula fuera de su hilo; la cifra dice lo que tarda en seguir a un cambio.
#include <benchmark/benchmark.h>

#include "bench/comun_estado.h"
#include "bench/comun_fiel.h"
#include "ordenes/patron/desde_imagen.h"
#include "render/imagen_qt.h"

namespace {

void BM_VistaPrevia150(benchmark::State& st) {
    pc::medir::ConHilos hilos(static_cast<int>(st.range(1)));
    pc::ImagenQt img;
    img.cargar(pc::medir::bmp_foto_grande());
    const auto e = pc::medir::estado_dmc();
    pc::OpcionesImagen op;
    op.ancho = op.alto = 150;
    op.metodo = static_cast<pc::MetodoImagen>(st.range(0));
    for (auto _ : st) benchmark::DoNotOptimize(pc::calcular_tapiz(img, e->hilos, e->metodo_color, op));
}
BENCHMARK(BM_VistaPrevia150)->ArgNames({"fiel0_exacto1_interpolado2", "hilos"})
    ->ArgsProduct({{0, 1, 2}, {1, 0}})->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
