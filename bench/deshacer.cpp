// Deshacer y rehacer la generación de un tapiz entero de 700 × 700 (cada punto un color
// aleatorio, el peor caso para lo que se guarda), y lo que cuesta comparar el tapiz tras
// una orden que no lo cambia (se hace después de cada orden).
#include <benchmark/benchmark.h>

#include <memory>

#include "app/historial.h"

namespace {

// Un tapiz de 60 × 60 en blanco, como al empezar, y la "generación" de 700 × 700.
std::unique_ptr<pc::Estado> tapiz_inicial() {
    auto e = pc::crear_estado();
    pc::valores_iniciales(*e);
    for (int x = 1; x <= 60; ++x)
        for (int y = 1; y <= 60; ++y) e->punto(x, y) = pc::Punto{0xFFFFFF, {-1, -1, -1, -1}};
    return e;
}

void generar(pc::Estado& e) {
    e.ancho = "700";
    e.alto = "700";
    e.paleta.total = 0;
    unsigned semilla = 12345;
    for (int x = 1; x <= 700; ++x)
        for (int y = 1; y <= 700; ++y) {
            semilla = semilla * 1103515245u + 12345u;
            e.punto(x, y) = pc::Punto{static_cast<pc::Color>((semilla >> 8) & 0xFFFFFF), {-1, -1, -1, -1}};
        }
}

// Genera sobre el tapiz y anota la generación en el historial: un paso que deshacer.
void generar_anotado(pc::Estado& e, pc::Historial& h) {
    h.empezar(e);
    generar(e);
    h.anotar(e, "Generar Punto de Cruz");
}

void BM_AnotarGeneracion700(benchmark::State& st) {
    auto e = tapiz_inicial();
    auto generado = tapiz_inicial();
    generar(*generado);
    pc::Historial h;
    for (auto _ : st) {
        st.PauseTiming();
        h.empezar(*e);
        pc::Estado& g = *generado;
        h.antes(*e);
        st.ResumeTiming();
        benchmark::DoNotOptimize(h.anotar(g, "Generar Punto de Cruz"));
    }
}
BENCHMARK(BM_AnotarGeneracion700)->Unit(benchmark::kMillisecond);

void BM_DeshacerGeneracion700(benchmark::State& st) {
    auto e = tapiz_inicial();
    pc::Historial h;
    generar_anotado(*e, h);
    for (auto _ : st) {
        h.deshacer(*e);
        st.PauseTiming();
        h.rehacer(*e);
        st.ResumeTiming();
    }
    st.counters["bytes_paso"] = static_cast<double>(h.bytes());
}
BENCHMARK(BM_DeshacerGeneracion700)->Unit(benchmark::kMillisecond);

void BM_RehacerGeneracion700(benchmark::State& st) {
    auto e = tapiz_inicial();
    pc::Historial h;
    generar_anotado(*e, h);
    for (auto _ : st) {
        st.PauseTiming();
        h.deshacer(*e);
        st.ResumeTiming();
        h.rehacer(*e);
    }
}
BENCHMARK(BM_RehacerGeneracion700)->Unit(benchmark::kMillisecond);

// Tras cada orden: comparar un tapiz de 700 × 700 que no cambió.
void BM_CompararSinCambios700(benchmark::State& st) {
    auto e = tapiz_inicial();
    generar(*e);
    pc::Historial h;
    h.empezar(*e);
    for (auto _ : st) {
        h.antes(*e);
        benchmark::DoNotOptimize(h.anotar(*e, "Ver Rejilla"));
    }
}
BENCHMARK(BM_CompararSinCambios700)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
