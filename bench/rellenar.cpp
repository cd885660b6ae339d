// Relleno de un tapiz entero de 700 x 700 de un solo color (490.000 puntos): macizo desde el
// centro, y tramado (la mitad de los puntos). Sin vista: sólo el recorrido y la escritura.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/vista_nula.h"
#include "pattern/rellenar.h"

namespace {

constexpr pc::Color kFondo = pc::rgb(90, 140, 60);
constexpr pc::Color kNuevo = pc::rgb(200, 20, 20);

void BM_Rellenar700x700(benchmark::State& st) {
    auto e = pc::crear_estado();
    pc::valores_iniciales(*e);
    pc::VistaNula vista;
    const auto modo = static_cast<pc::Relleno>(st.range(0));
    long pintados = 0;
    for (auto _ : st) {
        st.PauseTiming();
        for (int x = 1; x <= 700; ++x)
            for (int y = 1; y <= 700; ++y) e->punto(x, y).color = kFondo;
        e->color_actual = kNuevo;
        st.ResumeTiming();
        pintados = pc::rellenar(*e, 350, 350, modo, 700, 700, vista);
        benchmark::DoNotOptimize(pintados);
    }
    st.counters["puntos"] = static_cast<double>(pintados);
}
BENCHMARK(BM_Rellenar700x700)
    ->Arg(static_cast<int>(pc::Relleno::kMacizo))
    ->Arg(static_cast<int>(pc::Relleno::kTramado))
    ->Arg(static_cast<int>(pc::Relleno::kHastaBlanco))
    ->ArgName("modo")
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
