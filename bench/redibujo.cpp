// Redibujado completo de un tapiz de 700 x 700 con celdas de 2 píxeles: el dibujo del
// programa (píxeles escritos por filas) frente al mismo dibujo con QPainter, un
// rectángulo por punto y una línea por perfil; y el de una vista a 40 píxeles por punto con
// muchas puntadas de las otras clases.
#include <benchmark/benchmark.h>

#include <QPainter>
#include <algorithm>
#include <memory>

#include "bench/comun_puntadas.h"
#include "render/dibujo_patron.h"
#include "render/imagen_qt.h"

namespace {

std::unique_ptr<pc::Estado> tapiz_grande(bool rejilla) {
    auto e = pc::crear_estado();
    pc::valores_iniciales(*e);
    e->ancho = "700";
    e->alto = "700";
    e->tam_celda = 2;
    e->tam_rejilla = "2";
    e->ver_rejilla = rejilla;
    unsigned semilla = 12345;
    for (int x = 1; x <= 700; ++x)
        for (int y = 1; y <= 700; ++y) {
            semilla = semilla * 1103515245u + 12345u;
            pc::Punto& p = e->punto(x, y);
            p.color = static_cast<pc::Color>((semilla >> 8) & 0xFFFFFF);
            // Uno de cada dieciséis puntos lleva perfil arriba y a la izquierda.
            const bool perfil = ((semilla >> 4) & 15) == 0;
            p.perfil = {perfil ? 0x0000FF : -1, -1, -1, perfil ? 0xFF0000 : -1};
        }
    return e;
}

void BM_RedibujoPorFilas(benchmark::State& st) {
    auto e = tapiz_grande(st.range(0) != 0);
    QImage lienzo = pc::crear_lienzo_patron();
    for (auto _ : st) {
        pc::dibujar_patron(lienzo, *e);
        benchmark::DoNotOptimize(lienzo.constBits());
    }
    st.SetItemsProcessed(st.iterations() * 700 * 700);
}
BENCHMARK(BM_RedibujoPorFilas)->Arg(1)->Arg(0)->ArgName("rejilla")->Unit(benchmark::kMillisecond);

// El mismo dibujo con QPainter, rectángulo a rectángulo.
void BM_RedibujoConQPainter(benchmark::State& st) {
    auto e = tapiz_grande(st.range(0) != 0);
    const bool rejilla = st.range(0) != 0;
    QImage lienzo = pc::crear_lienzo_patron();
    const int s = e->tam_celda;
    for (auto _ : st) {
        lienzo.fill(0xFFFFFFFFu);
        QPainter p(&lienzo);
        for (int x = 1; x <= 700; ++x)
            for (int y = 1; y <= 700; ++y) {
                const QColor c = QColor::fromRgb(pc::a_qrgb(e->punto(x, y).color));
                p.setPen(rejilla ? QColor(Qt::black) : c);
                p.setBrush(c);
                p.drawRect(x * s, y * s, s, s);
            }
        for (int x = 1; x <= 700; ++x)
            for (int y = 1; y <= 700; ++y) {
                const pc::Punto& q = e->punto(x, y);
                if (q.lado(pc::kArriba) != pc::kSinPerfil) {
                    p.setPen(QColor::fromRgb(pc::a_qrgb(q.lado(pc::kArriba))));
                    p.drawLine(x * s, y * s, x * s + s - 1, y * s);
                }
                if (q.lado(pc::kIzquierda) != pc::kSinPerfil) {
                    p.setPen(QColor::fromRgb(pc::a_qrgb(q.lado(pc::kIzquierda))));
                    p.drawLine(x * s, y * s + s, x * s, y * s + 1);
                }
            }
        p.end();
        benchmark::DoNotOptimize(lienzo.constBits());
    }
    st.SetItemsProcessed(st.iterations() * 700 * 700);
}
BENCHMARK(BM_RedibujoConQPainter)->Arg(1)->Arg(0)->ArgName("rejilla")->Unit(benchmark::kMillisecond);

// Un tapiz de 700 x 700 con 100.000 parciales, 50.000 pespuntes y 10.000 nudos: el redibujado
// de la vista (1400 x 900 píxeles) tras desplazarla a otro sitio, a 40 píxeles por punto, y el
// tapiz entero a la vista a 2.
void BM_RedibujoConPuntadas(benchmark::State& st) {
    auto e = tapiz_grande(true);
    e->tam_celda = static_cast<int>(st.range(0));
    // Cien hilos distintos, como un gráfico grande con muchos colores.
    int i = 0;
    pc::medir::poner_otras_puntadas(*e, [&] { return static_cast<pc::Color>(((i++ * 37) % 100 * 167773) & 0xFFFFFF); });
    QImage vista(1400, 900, QImage::Format_RGB32);
    int paso = 0;
    const int lado = 700 * e->tam_celda;
    for (auto _ : st) {
        // Cada vuelta, la vista en otro sitio del tapiz (a 40 píxeles, 28.000 de lado).
        const QPoint origen(lado > 1400 ? (paso * 7919) % (lado - 1400) : 0, lado > 900 ? (paso * 104729) % (lado - 900) : 0);
        ++paso;
        pc::dibujar_vista(vista, *e, origen, {});
        benchmark::DoNotOptimize(vista.constBits());
    }
}
BENCHMARK(BM_RedibujoConPuntadas)->Arg(40)->Arg(2)->ArgName("pixeles")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
