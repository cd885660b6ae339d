#include "render/imagen_qt.h"

#include <QImageReader>
#include <QString>

#include "app/errores.h"
#include "app/ficheros.h"
#include "files/bmp.h"
#include "render/lector_imagenes.h"

namespace pc {

Color ImagenQt::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= img_.width() || y >= img_.height()) return kBlanco;
    const auto* linea = reinterpret_cast<const QRgb*>(img_.constScanLine(y));
    return de_qrgb(linea[x]);
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

void ImagenQt::cargar(const std::string& fichero) {
    const std::string bytes = leer_fichero(fichero, kMaxBytesImagen);
    comprobar_bmp(bytes, fichero);
    const QImage nueva = decodificar_imagen(bytes, fichero);
    img_ = nueva.convertToFormat(QImage::Format_RGB32);
    fichero_ = fichero;
    ++cargas_;
}

}  // namespace pc
