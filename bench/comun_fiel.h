// Lo que comparten las mediciones de la generación FIEL y de la generación: una sesión
// completa sin ventanas (diálogos que contestan el valor por defecto, vista nula, imagen Qt),
// las fotos de muestra, la foto grande de 4000 x 3000 y el número de hilos de cálculo.
#pragma once
#include <QImage>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "app/estado.h"
#include "app/paralelo.h"
#include "ordenes/sesion/sesion.h"
#include "app/vista_nula.h"
#include "bench/comun_estado.h"
#include "render/imagen_qt.h"

namespace pc::medir {

class DialogosCallados : public Dialogos {
public:
    std::string respuesta;  // para la próxima entrada; vacía: el valor por defecto
    std::string entrada(const std::string&, const std::string&, const std::string& defecto) override {
        std::string r = respuesta.empty() ? defecto : respuesta;
        respuesta.clear();
        return r;
    }
    void mensaje(const std::string&) override {}
    bool pregunta(const std::string&, const std::string&) override { return true; }
    std::optional<std::string> abrir(const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<std::string> guardar(const std::string&, const std::string&) override { return std::nullopt; }
    void error(const std::string& texto) override { throw std::runtime_error(texto); }
};

struct Mesa {
    std::unique_ptr<Estado> estado = estado_dmc();
    DialogosCallados d;
    VistaNula v;
    ImagenQt img;
    Sesion s{*estado, d, v, img};
};

inline std::string dato(const std::string& nombre) { return std::string(PC_FUENTES) + "/" + nombre; }

// La foto de paisaje ampliada a 4000 x 3000 con un poco de ruido de cámara.
inline const QImage& foto_grande() {
    static const QImage img = [] {
        QImage f = QImage(QString::fromStdString(dato("bench/datos/rocket.jpg")))
                       .convertToFormat(QImage::Format_RGB32)
                       .scaled(4000, 3000, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        std::uint32_t s = 2463534242u;
        for (int y = 0; y < f.height(); ++y) {
            auto* l = reinterpret_cast<QRgb*>(f.scanLine(y));
            for (int x = 0; x < f.width(); ++x) {
                s ^= s << 13, s ^= s >> 17, s ^= s << 5;
                const int r = static_cast<int>(s % 9) - 4;
                l[x] = qRgb(limitar(qRed(l[x]) + r), limitar(qGreen(l[x]) + r), limitar(qBlue(l[x]) - r));
            }
        }
        return f;
    }();
    return img;
}

// Carpeta temporal de las mediciones (los BMP grandes no van al repositorio).
inline std::filesystem::path carpeta_temporal() {
    const auto c = std::filesystem::temp_directory_path() / "pc_bench_fiel";
    std::filesystem::create_directories(c);
    return c;
}

// La foto grande como BMP de 24 bits, grabada la primera vez.
inline std::string bmp_foto_grande() {
    const std::string ruta = (carpeta_temporal() / "foto24.bmp").string();
    if (!std::filesystem::exists(ruta)) foto_grande().save(QString::fromStdString(ruta), "BMP");
    return ruta;
}

// Fija el número de hilos de cálculo mientras vive (0: los de la máquina y PC_HILOS).
struct ConHilos {
    explicit ConHilos(int n) { fijar_hilos_calculo(n); }
    ~ConHilos() { fijar_hilos_calculo(0); }
};

}  // namespace pc::medir
