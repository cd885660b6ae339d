// La paleta del tapiz, las reducciones y el ajuste a hilos sobre un tapiz de 700 x 700 con 300
// y con 600 colores, con un hilo de cálculo y con todos los núcleos (hilos 0), y la
// generación automatizada completa de 700 x 700 desde una imagen de 4000 x 3000.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "app/vista_nula.h"
#include "app/imagen_memoria.h"
#include "ordenes/sesion/sesion.h"
#include "bench/comun_estado.h"
#include "bench/comun_fiel.h"
#include "ordenes/hilos/ajuste.h"
#include "ordenes/patron/paleta.h"

namespace {

class DialogosMudos : public pc::Dialogos {
public:
    std::string entrada(const std::string&, const std::string&, const std::string& d) override { return d; }
    void mensaje(const std::string&) override {}
    bool pregunta(const std::string&, const std::string&) override { return true; }
    std::optional<std::string> abrir(const std::string&, const std::string&) override { return {}; }
    std::optional<std::string> guardar(const std::string&, const std::string&) override { return {}; }
    void error(const std::string&) override {}
};

using VistaMuda = pc::VistaNula;

struct Banco {
    std::unique_ptr<pc::Estado> estado = pc::medir::estado_dmc();
    DialogosMudos d;
    VistaMuda v;
    pc::ImagenMemoria img;
    pc::Sesion s{*estado, d, v, img};
    decltype(pc::Estado::puntos)* original = nullptr;
    std::unique_ptr<decltype(pc::Estado::puntos)> copia;

    // 700 x 700 puntos repartidos al azar entre n colores distintos (hasta 600), sin perfiles.
    void tapiz(int n) {
        pc::Estado& e = *estado;
        e.ancho = "700";
        e.alto = "700";
        unsigned semilla = 2024;
        for (int y = 1; y <= 700; ++y)
            for (int x = 1; x <= 700; ++x) {
                semilla = semilla * 1103515245u + 12345u;
                const int i = static_cast<int>((semilla >> 8) % static_cast<unsigned>(n));
                pc::Punto& p = e.punto(x, y);
                p.color = pc::rgb(i % 256, (i / 256) * 80 + (i * 7) % 64, (i * 13) % 256);
                p.perfil.fill(pc::kSinPerfil);
            }
        copia = std::make_unique<decltype(pc::Estado::puntos)>(e.puntos);
    }
    void reponer() {
        estado->puntos = *copia;
        estado->paleta.total = 0;
    }
};

void BM_ConstruirPaleta(benchmark::State& st) {
    Banco b;
    b.tapiz(static_cast<int>(st.range(0)));
    pc::medir::ConHilos hilos(static_cast<int>(st.range(1)));
    for (auto _ : st) {
        pc::construir_paleta(b.s, false);
        benchmark::DoNotOptimize(b.estado->paleta.total);
    }
    st.counters["colores"] = b.estado->paleta.total;
}

template <void (*Orden)(pc::Sesion&, bool)>
void BM_Reduccion(benchmark::State& st) {
    Banco b;
    b.tapiz(static_cast<int>(st.range(0)));
    pc::medir::ConHilos hilos(static_cast<int>(st.range(1)));
    for (auto _ : st) {
        st.PauseTiming();
        b.reponer();
        st.ResumeTiming();
        Orden(b.s, false);
    }
    pc::construir_paleta(b.s, false);
    st.counters["colores_final"] = b.estado->paleta.total;
}

void ajustar(pc::Sesion& s, bool) { pc::ajustar_a_hilos(s, false); }

#define PC_MEDIR(...) \
    __VA_ARGS__->ArgNames({"colores", "hilos"})->ArgsProduct({{300, 600}, {1, 0}})->Unit(benchmark::kMillisecond)->UseRealTime()
PC_MEDIR(BENCHMARK(BM_ConstruirPaleta));
PC_MEDIR(BENCHMARK(BM_Reduccion<pc::reducir_paleta>)->Name("BM_ReducirPaleta/35"));
PC_MEDIR(BENCHMARK(BM_Reduccion<pc::reducir_similares>)->Name("BM_ReducirSimilares/30"));
PC_MEDIR(BENCHMARK(BM_Reduccion<pc::reducir_tonos>)->Name("BM_ReducirTonos/10"));
PC_MEDIR(BENCHMARK(BM_Reduccion<ajustar>)->Name("BM_AjustarAHilos"));

void BM_GeneracionAutomatizada(benchmark::State& st) {
    Banco b;
    b.img = pc::ImagenMemoria(4000, 3000);
    for (int y = 0; y < 3000; ++y)
        for (int x = 0; x < 4000; ++x)
            b.img.poner(x, y, pc::rgb(x * 255 / 4000, y * 255 / 3000, ((x / 97) * 37 + (y / 61) * 53) % 256));
    b.estado->ancho = "700";
    b.estado->alto = "700";
    for (auto _ : st) {
        pc::generar_automatizado(b.s);
        benchmark::DoNotOptimize(b.estado->punto(350, 350).color);
    }
}
BENCHMARK(BM_GeneracionAutomatizada)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
