// Rapidez de la generación FIEL y de la lectura de BMP con una foto de 4000 x 3000: el
// proceso entero (leer el BMP, generar y grabar el patrón) a 700 x 700 y a 120 puntos de
// ancho, sus pasos por separado, y la lectura directa de los BMP de 24, 32 y 8 bits frente
// al lector general de imágenes.
#include <benchmark/benchmark.h>

#include <QImage>
#include <cstdint>
#include <filesystem>
#include <fstream>

#include "app/ficheros.h"
#include "bench/comun_fiel.h"
#include "files/enteros_le.h"
#include "ordenes/ficheros/ficheros_patron.h"
#include "pattern/fiel.h"
#include "ordenes/patron/fiel.h"
#include "ordenes/patron/generar.h"

namespace {

namespace fs = std::filesystem;
using pc::medir::Mesa;

const fs::path kCarpeta = pc::medir::carpeta_temporal();
using pc::medir::foto_grande;

// BMP de 32 bits con cabecera de 40 bytes (el escritor de Qt los graba de 24).
void grabar_bmp32(const QImage& img, const std::string& ruta) {
    std::string s = "BM";
    const int fila = img.width() * 4;
    pc::poner32(s, 54 + fila * img.height());
    pc::poner32(s, 0);
    pc::poner32(s, 54);
    pc::poner32(s, 40);
    pc::poner32(s, img.width());
    pc::poner32(s, img.height());
    pc::poner32(s, 1 | 32 << 16);
    for (int k = 0; k < 6; ++k) pc::poner32(s, 0);
    for (int y = img.height() - 1; y >= 0; --y)
        s.append(reinterpret_cast<const char*>(img.constScanLine(y)), static_cast<std::size_t>(fila));
    std::ofstream(ruta, std::ios::binary) << s;
}

std::string bmp(int bits) {
    if (bits == 24) return pc::medir::bmp_foto_grande();
    const std::string ruta = (kCarpeta / ("foto" + std::to_string(bits) + ".bmp")).string();
    if (!fs::exists(ruta)) {
        if (bits == 32) grabar_bmp32(foto_grande(), ruta);
        else foto_grande().convertToFormat(QImage::Format_Indexed8).save(QString::fromStdString(ruta), "BMP");
    }
    return ruta;
}

void BM_LeerBmpDirecto(benchmark::State& st) {
    const std::string ruta = bmp(static_cast<int>(st.range(0)));
    pc::medir::ConHilos hilos(static_cast<int>(st.range(1)));
    pc::ImagenQt img;
    for (auto _ : st) {
        img.cargar(ruta);
        benchmark::DoNotOptimize(img.qimage().constBits());
    }
}
BENCHMARK(BM_LeerBmpDirecto)->ArgNames({"bits", "hilos"})->ArgsProduct({{24, 32, 8}, {1, 0}})
    ->Unit(benchmark::kMillisecond)->UseRealTime();

// El lector general de Qt, como antes: para comparar.
void BM_LeerBmpGeneral(benchmark::State& st) {
    const std::string ruta = bmp(static_cast<int>(st.range(0)));
    for (auto _ : st) {
        const std::string b = pc::leer_fichero(ruta);
        QImage q;
        q.loadFromData(reinterpret_cast<const uchar*>(b.data()), static_cast<int>(b.size()));
        benchmark::DoNotOptimize(q.convertToFormat(QImage::Format_RGB32).constBits());
    }
}
BENCHMARK(BM_LeerBmpGeneral)->Arg(24)->Unit(benchmark::kMillisecond);

// Proceso entero, como "puntocruz-lote generar FOTO -o SALIDA --fiel --ancho N [--alto N]",
// con los hilos de cálculo dados (0: todos los núcleos).
void BM_FielCompleto(benchmark::State& st) {
    const std::string ruta = bmp(24), salida = (kCarpeta / "fiel.pc").string();
    const int lado = static_cast<int>(st.range(0));
    pc::medir::ConHilos hilos(static_cast<int>(st.range(1)));
    for (auto _ : st) {
        Mesa m;
        m.img.cargar(ruta);
        m.estado->ancho = std::to_string(lado);
        m.estado->alto = std::to_string(lado == 700 ? 700 : lado * 3 / 4);
        pc::generar_fiel_con(m.s, 35, 2);
        pc::grabar_pc_en(m.s, salida);
    }
}
BENCHMARK(BM_FielCompleto)->ArgNames({"lado", "hilos"})->ArgsProduct({{700, 120}, {1, 0}})
    ->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

// Los pasos a 700 x 700, por separado, con 1 hilo de cálculo o con todos los núcleos.
void BM_FielPasos(benchmark::State& st) {
    pc::medir::ConHilos hilos(static_cast<int>(st.range(1)));
    Mesa m;
    m.img.cargar(bmp(24));
    const auto activos = pc::hilos_activos(m.estado->hilos);
    const pc::MediasCeldas c = pc::promediar_celdas(m.img, 700, 700);
    const auto elegidos = pc::elegir_hilos(c, activos, 35);
    const auto indice = pc::asignar_hilos(c, elegidos);
    for (auto _ : st) {
        switch (st.range(0)) {
            case 0: benchmark::DoNotOptimize(pc::promediar_celdas(m.img, 700, 700).lab.data()); break;
            case 1: benchmark::DoNotOptimize(pc::elegir_hilos(c, activos, 35).data()); break;
            case 2: benchmark::DoNotOptimize(pc::asignar_hilos(c, elegidos).data()); break;
            default: {
                auto ind = indice;
                benchmark::DoNotOptimize(pc::limpiar_sueltos(c, elegidos, ind, 2));
            }
        }
    }
}
BENCHMARK(BM_FielPasos)->ArgNames({"promediar0_elegir1_asignar2_limpiar3", "hilos"})
    ->ArgsProduct({{0, 1, 2, 3}, {1, 0}})->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
