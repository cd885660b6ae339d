// El fichero de intercambio .oxs de un tapiz de 700 x 700 con 100 colores (hilos DMC) y
// perfilado en la décima parte de los lados: exportar e importar enteros, como las órdenes del
// menú (codificar y grabar de forma atómica; leer, interpretar el XML y poner el diseño), y por
// separado sólo la codificación y sólo la lectura en memoria. Con puntadas:1, además 100.000
// parciales, 50.000 pespuntes cortos en cualquier dirección y 10.000 nudos; y lo que cuesta
// anotar en el historial un paso que sólo pone un parcial en ese diseño.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <random>

#include "app/ficheros.h"
#include "app/historial.h"
#include "app/imagen_memoria.h"
#include "app/vista_nula.h"
#include "bench/comun_fiel.h"
#include "bench/comun_puntadas.h"
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
    std::string ruta = (std::filesystem::temp_directory_path() / "bench_oxs_700.oxs").string();
    long lados = 0;

    explicit Banco(bool puntadas = false) {
        pc::Estado& e = *estado;
        e.ancho = "700";
        e.alto = "700";
        std::mt19937 azar(700);
        const auto color = [&] { return e.hilos[1 + static_cast<int>(azar() % 100)].color; };
        const auto perfil = [&] { return azar() % 10 == 0 ? color() : pc::kSinPerfil; };
        // Cada lado una vez: el de arriba y el de la izquierda de cada punto, y los bordes de
        // la derecha y de abajo del tapiz.
        for (int y = 1; y <= 700; ++y)
            for (int x = 1; x <= 700; ++x) {
                pc::Punto& p = e.punto(x, y);
                p.color = color();
                p.perfil = {perfil(), x == 700 ? perfil() : pc::kSinPerfil, y == 700 ? perfil() : pc::kSinPerfil,
                            perfil()};
            }
        lados = static_cast<long>(pc::pespuntes_del_tapiz(e, 700, 700).size());
        if (puntadas) pc::medir::poner_otras_puntadas(e, color);
    }
    ~Banco() { std::filesystem::remove(ruta); }
};

void contadores(benchmark::State& st, const Banco& b) {
    st.counters["lados"] = static_cast<double>(b.lados);
    if (std::filesystem::exists(b.ruta))
        st.counters["MB"] = static_cast<double>(std::filesystem::file_size(b.ruta)) / (1 << 20);
}

void BM_ExportarOxs700(benchmark::State& st) {
    Banco b(st.range(0) != 0);
    for (auto _ : st) pc::exportar_oxs_en(b.s, b.ruta, "Medición");
    contadores(st, b);
}
BENCHMARK(BM_ExportarOxs700)->Arg(0)->Arg(1)->ArgName("puntadas")->Unit(benchmark::kMillisecond);

void BM_ImportarOxs700(benchmark::State& st) {
    Banco b(st.range(0) != 0);
    pc::exportar_oxs_en(b.s, b.ruta, "Medición");
    for (auto _ : st) benchmark::DoNotOptimize(pc::cargar_oxs(b.s, b.ruta));
    contadores(st, b);
}
BENCHMARK(BM_ImportarOxs700)->Arg(0)->Arg(1)->ArgName("puntadas")->Unit(benchmark::kMillisecond);

void BM_CodificarOxs700(benchmark::State& st) {
    Banco b;
    for (auto _ : st) benchmark::DoNotOptimize(pc::codificar_oxs(*b.estado, 700, 700, "Medición"));
    contadores(st, b);
}
BENCHMARK(BM_CodificarOxs700)->Unit(benchmark::kMillisecond);

void BM_LeerOxs700(benchmark::State& st) {
    Banco b;
    const std::string oxs = pc::codificar_oxs(*b.estado, 700, 700, "Medición");
    auto otro = pc::crear_estado();
    for (auto _ : st) benchmark::DoNotOptimize(pc::leer_oxs(*otro, oxs));
    contadores(st, b);
}
BENCHMARK(BM_LeerOxs700)->Unit(benchmark::kMillisecond);

// Un clic de la herramienta de medio punto en el diseño con puntadas: poner el parcial y anotar el paso.
void BM_HistorialUnParcial700(benchmark::State& st) {
    Banco b(true);
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
