// Medición de la generación de un tapiz de 700 x 700 a partir de una foto de 4000 x 3000
// emparejada con los hilos DMC: la generación completa, el mero muestreo (el mínimo que
// cuesta recorrer los puntos) y el emparejamiento sin la búsqueda rápida, para comparar;
// con una imagen de ruido (casi cada muestra un color distinto, el peor caso del recuerdo
// de colores) y con una foto; con un hilo de cálculo y con todos los núcleos (hilos 0).
// Y el proceso entero de "puntocruz-lote generar FOTO.bmp -o SALIDA --ancho 700 --alto 700"
// frente a leer la foto y muestrearla en 10 x 10 puntos.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <unordered_set>

#include "app/estado.h"
#include "app/imagen_memoria.h"
#include "bench/comun_estado.h"
#include "bench/comun_fiel.h"
#include "ordenes/ficheros/ficheros_patron.h"
#include "ordenes/patron/generar.h"
#include "pattern/generar.h"
#include "threads/catalogo.h"
#include "threads/datos.h"
#include "threads/emparejar.h"

namespace {

constexpr int kAnchoFoto = 4000, kAltoFoto = 3000, kLado = 700;

// Una imagen con aspecto de foto: degradados suaves en los tres canales más ruido, de modo
// que casi cada muestra es un color distinto.
const pc::ImagenMemoria& foto() {
    static const auto img = [] {
        auto f = std::make_unique<pc::ImagenMemoria>(kAnchoFoto, kAltoFoto);
        std::uint32_t semilla = 2463534242u;
        auto ruido = [&] {
            semilla ^= semilla << 13;
            semilla ^= semilla >> 17;
            semilla ^= semilla << 5;
            return static_cast<int>(semilla % 41) - 20;
        };
        for (int y = 0; y < kAltoFoto; ++y)
            for (int x = 0; x < kAnchoFoto; ++x) {
                const int r = x * 255 / kAnchoFoto + ruido();
                const int g = y * 255 / kAltoFoto + ruido();
                const int b = ((x + y) % 1200) * 255 / 1200 + ruido();
                f->poner(x, y, pc::rgb(pc::limitar(r), pc::limitar(g), pc::limitar(b)));
            }
        return f;
    }();
    return *img;
}

std::unique_ptr<pc::Estado> estado_dmc(int metodo) {
    auto e = pc::medir::estado_dmc();
    e->metodo_color = metodo;
    return e;
}

void Generar(benchmark::State& st) {
    const auto& img = foto();
    auto e = estado_dmc(static_cast<int>(st.range(0)));
    const bool interpolar = st.range(1) != 0;
    pc::medir::ConHilos hilos(static_cast<int>(st.range(2)));
    for (auto _ : st) {
        pc::muestrear_rejilla(*e, img, kLado, kLado, interpolar, true);
        benchmark::DoNotOptimize(e->punto(kLado, kLado).color);
    }
    st.counters["hilos"] = e->hilos.total;
    st.SetItemsProcessed(st.iterations() * kLado * kLado);
}
BENCHMARK(Generar)->ArgNames({"metodo", "interpolar", "hilos"})
    ->ArgsProduct({{1, 2}, {0, 1}, {1, 0}})->Unit(benchmark::kMillisecond)->UseRealTime();

// La foto grande (ya leída): los colores se repiten y el recuerdo ahorra búsquedas.
void GenerarFoto(benchmark::State& st) {
    pc::medir::Mesa m;
    m.img.cargar(pc::medir::bmp_foto_grande());
    pc::Estado& e = *m.estado;
    pc::medir::ConHilos hilos(static_cast<int>(st.range(0)));
    for (auto _ : st) {
        pc::muestrear_rejilla(e, m.img, kLado, kLado, false, true);
        benchmark::DoNotOptimize(e.punto(kLado, kLado).color);
    }
    std::unordered_set<pc::Color> distintos;
    for (int x = 1; x <= kLado; ++x)
        for (int y = 1; y <= kLado; ++y) distintos.insert(e.punto(x, y).color);
    st.counters["hilos_usados"] = static_cast<double>(distintos.size());
    st.SetItemsProcessed(st.iterations() * kLado * kLado);
}
BENCHMARK(GenerarFoto)->ArgName("hilos")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

// Como la herramienta por lotes: leer el BMP, generar (lado x lado) y grabar el patrón.
void ProcesoEntero(benchmark::State& st) {
    const std::string ruta = pc::medir::bmp_foto_grande();
    const std::string salida = (pc::medir::carpeta_temporal() / "generar.pc").string();
    const int lado = static_cast<int>(st.range(0));
    pc::medir::ConHilos hilos(static_cast<int>(st.range(1)));
    for (auto _ : st) {
        pc::medir::Mesa m;
        m.img.cargar(ruta);
        m.estado->ancho = m.estado->alto = std::to_string(lado);
        pc::generar_punto_de_cruz(m.s);
        pc::grabar_pc_en(m.s, salida);
    }
}
BENCHMARK(ProcesoEntero)->ArgNames({"lado", "hilos"})->ArgsProduct({{700, 10}, {1, 0}})
    ->Unit(benchmark::kMillisecond)->UseRealTime();

// Sólo muestrear y escribir los puntos, sin emparejar: la referencia del recorrido.
void SoloMuestreo(benchmark::State& st) {
    const auto& img = foto();
    auto e = estado_dmc(1);
    for (auto _ : st) {
        pc::muestrear_rejilla(*e, img, kLado, kLado, false, false);
        benchmark::DoNotOptimize(e->punto(kLado, kLado).color);
    }
    std::unordered_set<pc::Color> distintos;
    for (int x = 1; x <= kLado; ++x)
        for (int y = 1; y <= kLado; ++y) distintos.insert(e->punto(x, y).color);
    st.counters["colores_distintos"] = static_cast<double>(distintos.size());
    st.SetItemsProcessed(st.iterations() * kLado * kLado);
}
BENCHMARK(SoloMuestreo)->Unit(benchmark::kMillisecond);

// Emparejamiento con el recorrido lineal de hilo_mas_proximo en cada punto.
void SinBusquedaRapida(benchmark::State& st) {
    const auto& img = foto();
    auto e = estado_dmc(static_cast<int>(st.range(0)));
    pc::muestrear_rejilla(*e, img, kLado, kLado, false, false);
    static pc::Color muestras[kLado + 1][kLado + 1];
    for (int x = 1; x <= kLado; ++x)
        for (int y = 1; y <= kLado; ++y) muestras[x][y] = e->punto(x, y).color;
    for (auto _ : st) {
        for (int y = 1; y <= kLado; ++y)
            for (int x = 1; x <= kLado; ++x)
                e->punto(x, y).color = pc::hilo_mas_proximo(muestras[x][y], e->hilos, e->metodo_color);
        benchmark::DoNotOptimize(e->punto(kLado, kLado).color);
    }
    st.SetItemsProcessed(st.iterations() * kLado * kLado);
}
BENCHMARK(SinBusquedaRapida)->ArgName("metodo")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
