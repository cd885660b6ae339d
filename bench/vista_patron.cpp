// La vista del patrón con zoom: redibujar lo que se ve de un tapiz de 700 x 700 tras
// desplazarse o cambiar de zoom (a 40 píxeles por punto el lienzo mide 28.080 píxeles: sólo
// se dibuja el trozo visible y se pasa a la pantalla), y contar los colores del gráfico que
// lista la ventana de colores tras cada cambio.
#include <benchmark/benchmark.h>

#include <QPainter>
#include <memory>

#include "bench/comun_estado.h"
#include "ordenes/patron/colores_grafico.h"
#include "render/dibujo_patron.h"

namespace {

// 700 x 700 puntos repartidos al azar entre 600 hilos del catálogo, uno de cada dieciséis con
// perfiles, y la zona de trabajo marcada en medio.
std::unique_ptr<pc::Estado> tapiz_700(int celda) {
    auto e = pc::medir::estado_dmc();
    e->ancho = e->alto = "700";
    e->tam_celda = celda;
    e->tam_rejilla = std::to_string(celda);
    e->ver_rejilla = true;
    e->zona_x1 = "100", e->zona_y1 = "100", e->zona_x2 = "400", e->zona_y2 = "380";
    unsigned semilla = 12345;
    for (int x = 1; x <= 700; ++x)
        for (int y = 1; y <= 700; ++y) {
            semilla = semilla * 1103515245u + 12345u;
            pc::Punto& p = e->punto(x, y);
            const int i = static_cast<int>((semilla >> 8) % 600);
            p.color = i % 2 == 0 ? e->hilos[1 + i % e->hilos.total].color : pc::rgb(i % 256, i / 3, (i * 7) % 256);
            const bool perfil = ((semilla >> 4) & 15) == 0;
            p.perfil = {perfil ? 0x0000FF : -1, -1, -1, perfil ? 0xFF0000 : -1};
        }
    return e;
}

// Una pantalla de 1920 x 1080 (la vista casi entera, maximizada): el trozo visible del lienzo
// en `origen`, dibujado y pasado a la imagen de la pantalla como hace el repintado.
void redibujar_vista(const pc::Estado& e, QPoint origen, QImage& trozo, QImage& pantalla) {
    pc::Adornos a;
    a.zona = pc::zona_a_la_vista(e);
    pc::dibujar_vista(trozo, e, origen, a);
    QPainter p(&pantalla);
    p.drawImage(0, 0, trozo);
}

// Repinta la vista una vez por vuelta; `preparar` pone el zoom y devuelve el origen de esa vuelta.
template <class Preparar>
void repintar_cada_vuelta(benchmark::State& st, pc::Estado& e, Preparar preparar) {
    QImage trozo(1920, 1080, QImage::Format_RGB32), pantalla(1920, 1080, QImage::Format_RGB32);
    int paso = 0;
    for (auto _ : st) {
        redibujar_vista(e, preparar(paso++), trozo, pantalla);
        benchmark::DoNotOptimize(pantalla.constBits());
    }
}

// Desplazarse por el tapiz a 40 píxeles por punto: cada vuelta, otro sitio.
void BM_DesplazarA40(benchmark::State& st) {
    auto e = tapiz_700(40);
    repintar_cada_vuelta(st, *e, [](int paso) {
        return QPoint((paso * 997) % (702 * 40 - 1920), (paso * 613) % (702 * 40 - 1080));
    });
}
BENCHMARK(BM_DesplazarA40)->Unit(benchmark::kMillisecond);

// Acercar y alejar alrededor del mismo punto: de 1 a 40 píxeles por punto y vuelta.
void BM_ZoomDe1a40(benchmark::State& st) {
    auto e = tapiz_700(40);
    repintar_cada_vuelta(st, *e, [&e](int paso) {
        const int s = 1 + paso % 40;
        e->tam_celda = s;
        // El punto (350, 350) en el centro de la vista, sin salirse del lienzo.
        return QPoint(std::max(0, 350 * s - 960), std::max(0, 350 * s - 540));
    });
}
BENCHMARK(BM_ZoomDe1a40)->Unit(benchmark::kMillisecond);

// El caso con más puntos a la vista: el tapiz entero a 2 píxeles por punto (1404 x 1404).
void BM_TapizEnteroA2(benchmark::State& st) {
    auto e = tapiz_700(2);
    QImage trozo(1920, 1080, QImage::Format_RGB32), pantalla(1920, 1080, QImage::Format_RGB32);
    for (auto _ : st) {
        redibujar_vista(*e, QPoint(0, 0), trozo, pantalla);
        benchmark::DoNotOptimize(pantalla.constBits());
    }
}
BENCHMARK(BM_TapizEnteroA2)->Unit(benchmark::kMillisecond);

// La lista de la ventana de colores tras un cambio: contar el tapiz entero, ordenar y repartir
// los símbolos como la impresión.
void BM_ColoresDelGrafico(benchmark::State& st) {
    auto e = tapiz_700(40);
    std::size_t n = 0;
    for (auto _ : st) {
        const pc::ColoresGrafico c = pc::colores_del_grafico(*e);
        n = c.colores.size();
        benchmark::DoNotOptimize(c.colores.data());
    }
    st.counters["colores"] = static_cast<double>(n);
}
BENCHMARK(BM_ColoresDelGrafico)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
