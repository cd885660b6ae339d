// La impresión: un tapiz de 700 x 700 con 100 colores, con símbolos y rejilla, dibujado en la
// imagen de 1200 x 1200 (y codificado como BMP); los 144 trozos de 60 x 60 de ese tapiz
// (dibujo y BMP de cada uno, sin escribir en disco); y el PDF de un tapiz de 200 x 200 con
// símbolos y leyenda, y el de uno de 700 x 700.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/vista_nula.h"
#include "bench/comun_estado.h"
#include "bench/comun_qt.h"
#include "print/maqueta.h"
#include "print/trabajo.h"
#include "render/impresion.h"

namespace {

struct Tapiz {
    std::unique_ptr<pc::Estado> e = pc::medir::estado_dmc();
    pc::TrabajoImpresion t;
};

std::unique_ptr<Tapiz> tapiz(int lado, int colores, pc::Salida salida) {
    auto tz = std::make_unique<Tapiz>();
    pc::Estado& e = *tz->e;
    e.ancho = e.alto = std::to_string(lado);
    unsigned semilla = 12345;
    for (int x = 1; x <= lado; ++x)
        for (int y = 1; y <= lado; ++y) {
            semilla = semilla * 1103515245u + 12345u;
            pc::Punto& p = e.punto(x, y);
            p.color = e.hilos[1 + static_cast<int>((semilla >> 8) % static_cast<unsigned>(colores))].color;
            p.perfil = {-1, -1, -1, -1};
        }
    for (int i = 1; i <= colores; ++i) e.paleta[++e.paleta.total].color = e.hilos[i].color;
    pc::TrabajoImpresion& t = tz->t;
    t.salida = salida;
    t.estado = tz->e.get();
    t.op.simbolos = true;
    t.rango = pc::Rango{1, 1, lado, lado};
    t.grosor_guias = salida == pc::Salida::kBmp ? 2 : 4;
    pc::ordenar_paleta_imp(e.paleta, e.paleta_imp);
    t.paleta_imp = e.paleta_imp;
    t.simbolos = pc::leer_fichero_simbolos(std::string(PC_FUENTES) + "/print/datos/simbolos.dat", [](const std::string&) {});
    pc::asignar_simbolos(t.simbolos, e.paleta_imp.total);
    t.leyenda = pc::entradas_leyenda(e.paleta_imp, e.hilos, e.marca, pc::lineas_equivalencias());
    return tz;
}

// El dibujo del tapiz entero en la imagen; con_bmp: también su codificación como BMP.
void imagen_impresion_700(benchmark::State& st, bool con_bmp) {
    auto tz = tapiz(700, 100, pc::Salida::kBmp);
    pc::VistaNula v;
    QImage img(pc::kLadoImagenImpresion, pc::kLadoImagenImpresion, QImage::Format_RGB32);
    for (auto _ : st) {
        pc::imprimir_en_imagen(img, tz->t, v);
        if (con_bmp)
            benchmark::DoNotOptimize(pc::codificar_bmp(img).size());
        else
            benchmark::DoNotOptimize(img.constBits());
    }
}
void BM_ImagenImpresion700(benchmark::State& st) { imagen_impresion_700(st, false); }
BENCHMARK(BM_ImagenImpresion700)->Unit(benchmark::kMillisecond);
void BM_ImagenImpresion700ConBmp(benchmark::State& st) { imagen_impresion_700(st, true); }
BENCHMARK(BM_ImagenImpresion700ConBmp)->Unit(benchmark::kMillisecond);

void BM_Trozos144(benchmark::State& st) {
    auto tz = tapiz(700, 100, pc::Salida::kBmp);
    pc::VistaNula v;
    QImage img(pc::kLadoImagenImpresion, pc::kLadoImagenImpresion, QImage::Format_RGB32);
    const auto trozos = pc::trozos_bmp(700, 700);
    for (auto _ : st) {
        std::size_t bytes = 0;
        for (const pc::Rango& r : trozos) {
            tz->t.rango = pc::rango_impresion(700, 700, true, r.x1, r.y1, r.x2, r.y2);
            pc::imprimir_en_imagen(img, tz->t, v);
            bytes += pc::codificar_bmp(img).size();
        }
        benchmark::DoNotOptimize(bytes);
    }
    st.counters["trozos"] = static_cast<double>(trozos.size());
}
BENCHMARK(BM_Trozos144)->Unit(benchmark::kMillisecond)->Iterations(3);

// El PDF de la impresión en papel de un tapiz de lado x lado con símbolos y leyenda.
void pdf(benchmark::State& st, int lado) {
    auto tz = tapiz(lado, 100, pc::Salida::kImpresora);
    pc::VistaNula v;
    std::size_t tam = 0;
    for (auto _ : st) {
        tam = pc::imprimir_en_pdf(tz->t, v)->size();
        benchmark::DoNotOptimize(tam);
    }
    st.counters["MB"] = static_cast<double>(tam) / 1e6;
}
void BM_Pdf200(benchmark::State& st) { pdf(st, 200); }
BENCHMARK(BM_Pdf200)->Unit(benchmark::kMillisecond);
void BM_Pdf700(benchmark::State& st) { pdf(st, 700); }
BENCHMARK(BM_Pdf700)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

int main(int argc, char** argv) { return pc::medir::medir_con_qt(argc, argv); }
