// El .oxs de un tapiz de 700 x 700 con 100 colores y, además de los puntos enteros, 100.000
// parciales (medios puntos, cuartos, tres cuartos y petits), 50.000 pespuntes cortos en
// cualquier dirección y 10.000 nudos: exportar e importar enteros, como las órdenes del menú.
// También lo que cuesta anotar en el historial un paso que sólo pone un parcial.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <random>

#include "bench/comun_puntadas.h"
#include "app/historial.h"
#include "app/imagen_memoria.h"
#include "app/vista_nula.h"
#include "bench/comun_fiel.h"
#include "files/oxs.h"
#include "ordenes/ficheros/oxs.h"
#include "pattern/puntadas_tapiz.h"

namespace {

struct Banco {
    std::unique_ptr<pc::Estado> estado = pc::medir::estado_dmc();
    pc::medir::DialogosCallados d;
    pc::VistaNula v;
    pc::ImagenMemoria img;
    pc::Sesion s{*estado, d, v, img};
    std::string ruta = (std::filesystem::temp_directory_path() / "bench_oxs_puntadas_700.oxs").string();

    Banco() {
        pc::Estado& e = *estado;
        e.ancho = "700";
        e.alto = "700";
        std::mt19937 azar(25);
        const auto color = [&] { return e.hilos[1 + static_cast<int>(azar() % 100)].color; };
        for (int y = 1; y <= 700; ++y)
            for (int x = 1; x <= 700; ++x) e.punto(x, y) = pc::Punto{color(), {-1, -1, -1, -1}};
        pc::medir::poner_otras_puntadas(e, color);
    }
    ~Banco() { std::filesystem::remove(ruta); }
};

void contadores(benchmark::State& st, const Banco& b) {
    if (std::filesystem::exists(b.ruta))
        st.counters["MB"] = static_cast<double>(std::filesystem::file_size(b.ruta)) / (1 << 20);
}

void BM_ExportarOxsPuntadas700(benchmark::State& st) {
    Banco b;
    for (auto _ : st) pc::exportar_oxs_en(b.s, b.ruta, "Medición");
    contadores(st, b);
}
BENCHMARK(BM_ExportarOxsPuntadas700)->Unit(benchmark::kMillisecond);

void BM_ImportarOxsPuntadas700(benchmark::State& st) {
    Banco b;
    pc::exportar_oxs_en(b.s, b.ruta, "Medición");
    for (auto _ : st) benchmark::DoNotOptimize(pc::cargar_oxs(b.s, b.ruta));
    contadores(st, b);
}
BENCHMARK(BM_ImportarOxsPuntadas700)->Unit(benchmark::kMillisecond);

// Un clic de la herramienta de medio punto en ese diseño: poner el parcial y anotar el paso.
void BM_HistorialUnParcial700(benchmark::State& st) {
    Banco b;
    pc::Historial h;
    h.empezar(*b.estado);
    int k = 0;
    for (auto _ : st) {
        const pc::Parcial p{static_cast<std::int16_t>(1 + k % 700), static_cast<std::int16_t>(1 + (k / 700) % 700),
                            pc::TipoParcial::kMedio, static_cast<pc::Diagonal>(k % 2), pc::Esquina::kArribaIzquierda, 0};
        ++k;
        pc::poner_parcial(*b.estado, p);
        benchmark::DoNotOptimize(h.anotar(*b.estado, "Medio punto"));
    }
}
BENCHMARK(BM_HistorialUnParcial700)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
