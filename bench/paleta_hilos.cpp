// La vista de la paleta de hilos: la maqueta del catálogo DMC con una paleta del tapiz llena
// (600 colores) y su dibujo sobre el lienzo de 1200 x 1200.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <memory>

#include "bench/comun_estado.h"
#include "render/dibujo_paleta.h"
#include "threads/vista_paleta.h"

namespace {

std::unique_ptr<pc::Estado> estado_lleno() {
    auto e = pc::medir::estado_dmc();
    // La paleta del tapiz llena: 600 colores, la mitad de ellos hilos del catálogo.
    e->paleta.total = pc::kMaxHilos;
    for (int i = 1; i <= pc::kMaxHilos; ++i) {
        const pc::Color c = i <= 300 ? e->hilos[i].color : pc::rgb(i, 255 - i % 256, i * 7);
        e->paleta[i] = pc::Hilo{c, pc::kMaxHilos - i + 1, 0, true, false};
    }
    e->color_actual = e->hilos[100].color;
    return e;
}

void Maqueta(benchmark::State& st) {
    const auto e = estado_lleno();
    for (auto _ : st) benchmark::DoNotOptimize(pc::maquetar_paleta(*e, false));
}
BENCHMARK(Maqueta)->Unit(benchmark::kMillisecond);

void MaquetaYDibujo(benchmark::State& st) {
    const auto e = estado_lleno();
    QImage lienzo(pc::kLadoLienzoPaleta, pc::kLadoLienzoPaleta, QImage::Format_RGB32);
    for (auto _ : st) pc::dibujar_paleta(lienzo, pc::maquetar_paleta(*e, false));
}
BENCHMARK(MaquetaYDibujo)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // las fuentes del texto
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
