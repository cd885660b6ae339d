// La copia de recuperación de un tapiz de 700 × 700 (cada punto un color al azar, el peor caso
// para el fichero): lo que detiene la ventana (copiar las columnas del tapiz y encargar la
// grabación) frente a lo que tarda la grabación entera en el otro hilo, y lo que tardaría
// grabar en el hilo de la ventana.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <random>

#include "app/ficheros.h"
#include "files/fichero_pc.h"
#include "ordenes/sesion/recuperacion.h"

namespace {

namespace fs = std::filesystem;

std::unique_ptr<pc::Estado> tapiz700() {
    auto e = pc::crear_estado();
    pc::valores_iniciales(*e);
    e->ancho = "700";
    e->alto = "700";
    unsigned semilla = 12345;
    for (int x = 1; x <= 700; ++x)
        for (int y = 1; y <= 700; ++y) {
            semilla = semilla * 1103515245u + 12345u;
            e->punto(x, y) = pc::Punto{static_cast<pc::Color>((semilla >> 8) & 0xFFFFFF), {-1, -1, -1, -1}};
        }
    return e;
}

struct Carpeta {
    fs::path ruta = fs::temp_directory_path() / ("pc_bench_recuperacion_" + std::to_string(std::random_device{}()));
    Carpeta() { fs::create_directories(ruta); }
    ~Carpeta() { fs::remove_all(ruta); }
};

// Lo que la ventana espera: la copia de las columnas y el encargo.
void BM_CopiaEnLaVentana700(benchmark::State& st) {
    const auto e = tapiz700();
    Carpeta c;
    pc::Recuperacion r(c.ruta.string());
    for (auto _ : st) {
        r.grabar(*e, "/home/ana/diseño.pc", "");
        st.PauseTiming();
        r.esperar();
        st.ResumeTiming();
    }
}
BENCHMARK(BM_CopiaEnLaVentana700)->Unit(benchmark::kMillisecond)->UseRealTime();

// La grabación entera, hasta que está en el disco (en el otro hilo).
void BM_GrabacionEntera700(benchmark::State& st) {
    const auto e = tapiz700();
    Carpeta c;
    pc::Recuperacion r(c.ruta.string());
    for (auto _ : st) {
        r.grabar(*e, "/home/ana/diseño.pc", "");
        r.esperar();
    }
}
BENCHMARK(BM_GrabacionEntera700)->Unit(benchmark::kMillisecond)->UseRealTime();

// Lo que detendría la ventana grabar sin otro hilo: codificar y escribir en el disco.
void BM_GrabarEnLaVentana700(benchmark::State& st) {
    const auto e = tapiz700();
    Carpeta c;
    const std::string ruta = (c.ruta / "copia.pc").string();
    for (auto _ : st) pc::escribir_fichero(ruta, pc::codificar_pc(*e, 700, 700));
}
BENCHMARK(BM_GrabarEnLaVentana700)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
