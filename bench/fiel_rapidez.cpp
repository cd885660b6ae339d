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

const fs::path kCarpeta = fs::temp_directory_path() / "pc_bench_fiel";

// La foto de paisaje ampliada a 4000 x 3000 con un poco de ruido de cámara.
const QImage& foto_grande() {
    static const QImage img = [] {
        QImage f = QImage(QString::fromStdString(pc::medir::dato("bench/datos/rocket.jpg")))
                       .convertToFormat(QImage::Format_RGB32)
                       .scaled(4000, 3000, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        std::uint32_t s = 2463534242u;
        for (int y = 0; y < f.height(); ++y) {
            auto* l = reinterpret_cast<QRgb*>(f.scanLine(y));
            for (int x = 0; x < f.width(); ++x) {
                s ^= s << 13, s ^= s >> 17, s ^= s << 5;
                const int r = static_cast<int>(s % 9) - 4;
                l[x] = qRgb(pc::limitar(qRed(l[x]) + r), pc::limitar(qGreen(l[x]) + r), pc::limitar(qBlue(l[x]) - r));
            }
        }
        return f;
    }();
    return img;
}

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
    const std::string ruta = (kCarpeta / ("foto" + std::to_string(bits) + ".bmp")).string();
    if (!fs::exists(ruta)) {
        fs::create_directories(kCarpeta);
        if (bits == 24) foto_grande().save(QString::fromStdString(ruta), "BMP");
        else if (bits == 32) grabar_bmp32(foto_grande(), ruta);
        else foto_grande().convertToFormat(QImage::Format_Indexed8).save(QString::fromStdString(ruta), "BMP");
    }
    return ruta;
}

void BM_LeerBmpDirecto(benchmark::State& st) {
    const std::string ruta = bmp(static_cast<int>(st.range(0)));
    pc::ImagenQt img;
    for (auto _ : st) {
        img.cargar(ruta);
        benchmark::DoNotOptimize(img.qimage().constBits());
    }
}
BENCHMARK(BM_LeerBmpDirecto)->Arg(24)->Arg(32)->Arg(8)->Unit(benchmark::kMillisecond);

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

// Proceso entero, como "puntocruz-lote generar FOTO -o SALIDA --fiel --ancho N [--alto N]".
void BM_FielCompleto(benchmark::State& st) {
    const std::string ruta = bmp(24), salida = (kCarpeta / "fiel.pc").string();
    const int lado = static_cast<int>(st.range(0));
    for (auto _ : st) {
        Mesa m;
        m.img.cargar(ruta);
        m.estado->ancho = std::to_string(lado);
        m.estado->alto = std::to_string(lado == 700 ? 700 : lado * 3 / 4);
        pc::generar_fiel_con(m.s, 35, 2);
        pc::grabar_pc_en(m.s, salida);
    }
}
BENCHMARK(BM_FielCompleto)->Arg(700)->Arg(120)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Los pasos a 700 x 700, por separado.
void BM_FielPasos(benchmark::State& st) {
    Mesa m;
    m.img.cargar(bmp(24));
    const auto activos = pc::hilos_activos(m.estado->hilos);
    const pc::Celdas c = pc::promediar_celdas(m.img, 700, 700);
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
BENCHMARK(BM_FielPasos)->ArgName("promediar0_elegir1_asignar2_limpiar3")->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
