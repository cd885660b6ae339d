// El fichero de intercambio .oxs de un tapiz de 700 x 700 con 100 colores (hilos DMC) y
// perfilado en la décima parte de los lados: exportar e importar enteros, como las órdenes del
// menú (codificar y grabar de forma atómica; leer, interpretar el XML y poner el diseño), y por
// separado sólo la codificación y sólo la lectura en memoria.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <random>

#include "app/ficheros.h"
#include "app/imagen_memoria.h"
#include "app/vista_nula.h"
#include "bench/comun_fiel.h"
#include "files/oxs.h"
#include "ordenes/ficheros/oxs.h"

namespace {

struct Banco {
    std::unique_ptr<pc::Estado> estado = pc::medir::estado_dmc();
    pc::medir::DialogosCallados d;
    pc::VistaNula v;
    pc::ImagenMemoria img;
    pc::Sesion s{*estado, d, v, img};
    std::string ruta = (std::filesystem::temp_directory_path() / "bench_oxs_700.oxs").string();
    long lados = 0;

    Banco() {
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
    }
    ~Banco() { std::filesystem::remove(ruta); }
};

void contadores(benchmark::State& st, const Banco& b) {
    st.counters["lados"] = static_cast<double>(b.lados);
    if (std::filesystem::exists(b.ruta))
        st.counters["MB"] = static_cast<double>(std::filesystem::file_size(b.ruta)) / (1 << 20);
}

void BM_ExportarOxs700(benchmark::State& st) {
    Banco b;
    for (auto _ : st) pc::exportar_oxs_en(b.s, b.ruta, "Medición");
    contadores(st, b);
}
BENCHMARK(BM_ExportarOxs700)->Unit(benchmark::kMillisecond);

void BM_ImportarOxs700(benchmark::State& st) {
    Banco b;
    pc::exportar_oxs_en(b.s, b.ruta, "Medición");
    for (auto _ : st) benchmark::DoNotOptimize(pc::cargar_oxs(b.s, b.ruta));
    contadores(st, b);
}
BENCHMARK(BM_ImportarOxs700)->Unit(benchmark::kMillisecond);

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

}  // namespace

BENCHMARK_MAIN();
