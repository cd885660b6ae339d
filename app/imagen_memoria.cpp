#include "app/imagen_memoria.h"

#include <algorithm>

#include "app/errores.h"

namespace pc {

ImagenMemoria::ImagenMemoria(int ancho, int alto, Color fondo)
    : ancho_(std::max(0, ancho)),
      alto_(std::max(0, alto)),
      px_(static_cast<std::size_t>(ancho_) * static_cast<std::size_t>(alto_), fondo) {}

Color ImagenMemoria::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= ancho_ || y >= alto_) return kBlanco;
    return px_[static_cast<std::size_t>(y) * static_cast<std::size_t>(ancho_) + static_cast<std::size_t>(x)];
}

void ImagenMemoria::poner(int x, int y, Color c) {
    if (x < 0 || y < 0 || x >= ancho_ || y >= alto_) return;
    px_[static_cast<std::size_t>(y) * static_cast<std::size_t>(ancho_) + static_cast<std::size_t>(x)] = c;
}

void ImagenMemoria::rectangulo(int x1, int y1, int x2, int y2, Color borde, Color relleno) {
    for (int y = y1; y < y2; ++y) {
        for (int x = x1; x < x2; ++x) {
            const bool es_borde = x == x1 || y == y1 || x == x2 - 1 || y == y2 - 1;
            poner(x, y, es_borde ? borde : relleno);
        }
    }
}

void ImagenMemoria::cargar(const std::string& fichero) {
    throw ErrorFichero("Cannot open file \"" + fichero + "\". No se pueden leer imágenes aquí");
}

}  // namespace pc
