// El cuadernillo del patrón en PDF: un tapiz de 700 x 700 con 100 colores al azar (el peor
// caso: casi ningún tramo de un solo color), entero, sin y con otras puntadas (100.000
// parciales, 50.000 pespuntes y 10.000 nudos), y uno de 120 x 80 con 30 colores. Los
// contadores dicen el tamaño del PDF y sus páginas.
#include <benchmark/benchmark.h>

#include "bench/comun_puntadas.h"
#include "bench/comun_fiel.h"
#include "bench/comun_qt.h"
#include <algorithm>

#include "ordenes/impresion/cuadernillo.h"
#include "render/cuadernillo.h"

namespace {

void llenar(pc::Estado& e, int ancho, int alto, int colores) {
    e.ancho = std::to_string(ancho);
    e.alto = std::to_string(alto);
    unsigned semilla = 12345;
    for (int x = 1; x <= ancho; ++x)
        for (int y = 1; y <= alto; ++y) {
            semilla = semilla * 1103515245u + 12345u;
            pc::Punto& p = e.punto(x, y);
            p.color = e.hilos[1 + static_cast<int>((semilla >> 8) % static_cast<unsigned>(colores))].color;
            p.perfil = {-1, -1, -1, -1};
        }
}

// 100.000 parciales, 50.000 pespuntes cortos y 10.000 nudos al azar, de los mismos colores.
void otras_puntadas(pc::Estado& e, int colores) {
    int i = 0;
    pc::medir::poner_otras_puntadas(e, [&] { return e.hilos[1 + (i++ * 7919) % colores].color; });
}

void cuadernillo(benchmark::State& st, int ancho, int alto, int colores, bool otras = false) {
    pc::medir::Mesa m;
    llenar(*m.estado, ancho, alto, colores);
    if (otras) otras_puntadas(*m.estado, colores);
    std::size_t bytes = 0;
    int paginas = 0;
    for (auto _ : st) {
        const pc::TrabajoCuadernillo t = pc::preparar_cuadernillo(m.s);
        bytes = pc::cuadernillo_pdf(t)->size();
        paginas = t.maqueta.total_paginas;
        benchmark::DoNotOptimize(bytes);
    }
    st.counters["MB"] = static_cast<double>(bytes) / 1e6;
    st.counters["paginas"] = paginas;
}

void BM_Cuadernillo700(benchmark::State& st) { cuadernillo(st, 700, 700, 100); }
BENCHMARK(BM_Cuadernillo700)->Unit(benchmark::kMillisecond)->Iterations(3);
void BM_Cuadernillo700ConOtrasPuntadas(benchmark::State& st) { cuadernillo(st, 700, 700, 100, true); }
BENCHMARK(BM_Cuadernillo700ConOtrasPuntadas)->Unit(benchmark::kMillisecond)->Iterations(3);
void BM_Cuadernillo120x80(benchmark::State& st) { cuadernillo(st, 120, 80, 30); }
BENCHMARK(BM_Cuadernillo120x80)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return pc::medir::medir_con_qt(argc, argv); }
