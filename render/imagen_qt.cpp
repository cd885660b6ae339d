#include "render/imagen_qt.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <QString>

#include "app/errores.h"
#include "app/ficheros.h"
#include "app/memoria.h"
#include "files/bmp.h"
#include "files/medidas_imagen.h"
#include "render/lector_imagenes.h"

namespace pc {

Color ImagenQt::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= img_.width() || y >= img_.height()) return kBlanco;
    const auto* linea = reinterpret_cast<const QRgb*>(img_.constScanLine(y));
    return de_qrgb(linea[x]);
}

void ImagenQt::fila(int y, int x, int n, Color* destino) const {
    const auto* linea = reinterpret_cast<const QRgb*>(img_.constScanLine(y)) + x;
    int i = 0;
#if defined(__GNUC__)
    // De cuatro en cuatro: rojo y azul se cambian de sitio y el byte alto queda a 0.
    using Cuatro = std::uint32_t __attribute__((vector_size(16)));
    for (; i + 4 <= n; i += 4) {
        Cuatro q;
        std::memcpy(&q, linea + i, sizeof q);
        const Cuatro c = ((q >> 16) & 0xFF) | (q & 0xFF00) | ((q & 0xFF) << 16);
        std::memcpy(destino + i, &c, sizeof c);
    }
#endif
    for (; i < n; ++i) destino[i] = de_qrgb(linea[i]);
}

void ImagenQt::rectangulo(int x1, int y1, int x2, int y2, Color borde, Color relleno) {
    const QRgb b = a_qrgb(borde), r = a_qrgb(relleno);
    const int ya = std::max(y1, 0), yb = std::min(y2, img_.height());
    const int xa = std::max(x1, 0), xb = std::min(x2, img_.width());
    for (int y = ya; y < yb; ++y) {
        auto* linea = reinterpret_cast<QRgb*>(img_.scanLine(y));
        for (int x = xa; x < xb; ++x) {
            const bool es_borde = x == x1 || y == y1 || x == x2 - 1 || y == y2 - 1;
            linea[x] = es_borde ? b : r;
        }
    }
}

namespace {

// Imagen RGB32 para una foto, en memoria de bloque grande.
QImage imagen_grande(int ancho, int alto) {
    const std::size_t bytes = static_cast<std::size_t>(ancho) * static_cast<std::size_t>(alto) * 4;
    void* memoria = reservar_grande(bytes);
    if (!memoria) return {};
    return QImage(static_cast<uchar*>(memoria), ancho, alto, ancho * 4, QImage::Format_RGB32, std::free, memoria);
}

}  // namespace

// Los BMP sin compresión corrientes se leen fila a fila, sin pasar por el lector general
// (que tarda varias veces más) y con el mismo resultado y el mismo límite de memoria.
bool ImagenQt::cargar_bmp_directo(const std::string& fichero) {
    QImage nueva;
    // La cabecera ya pasó la regla de los 100 megapíxeles (leer_bmp_fichero la aplica).
    const bool leida = leer_bmp_fichero(fichero, [&](const BmpDirecto& f) {
        nueva = imagen_grande(f.ancho, f.alto);
        if (nueva.isNull()) return DestinoBmp{};
        return DestinoBmp{reinterpret_cast<std::uint32_t*>(nueva.bits()), nueva.bytesPerLine() / 4};
    });
    if (!leida) return false;
    img_ = std::move(nueva);
    fichero_ = fichero;
    ++cargas_;
    return true;
}

void ImagenQt::cargar(const std::string& fichero) {
    // Qué es el fichero y cuánto mide, antes de leerlo entero y de reservar nada.
    comprobar_tamano_imagen(fichero);
    if (cargar_bmp_directo(fichero)) return;
    const std::string bytes = leer_fichero(fichero, kMaxBytesImagen);
    comprobar_bmp(bytes, fichero);
    QImage nueva = decodificar_imagen(bytes, fichero);
    // Sobre la propia imagen cuando se puede: una imagen grande no se copia.
    img_ = std::move(nueva).convertToFormat(QImage::Format_RGB32);
    fichero_ = fichero;
    ++cargas_;
}

}  // namespace pc
