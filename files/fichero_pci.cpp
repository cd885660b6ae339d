#include "files/fichero_pci.h"

#include "app/errores.h"
#include "files/enteros_le.h"

namespace pc {

std::string codificar_pci(const Estado& e, int ancho, int alto) {
    comprobar_tamano(ancho);
    comprobar_tamano(alto);
    std::string out;
    out.reserve(8 + 4 * static_cast<std::size_t>(ancho) * static_cast<std::size_t>(alto));
    poner32(out, alto);
    poner32(out, ancho);
    for (int y = 1; y <= alto; ++y)
        for (int x = 1; x <= ancho; ++x) poner32(out, e.punto(x, y).color);
    return out;
}

void leer_cabecera_pci(std::string_view bytes, int& alto, int& ancho) {
    if (bytes.size() < 8) throw ErrorFormato("El fichero se acaba antes del tamaño del tapiz.");
    const int h = leer32(bytes, 0);
    const int w = leer32(bytes, 4);
    comprobar_tamano(h);
    comprobar_tamano(w);
    alto = h;
    ancho = w;
}

void leer_puntos_pci(Estado& e, std::string_view bytes, int alto, int ancho) {
    comprobar_tamano(ancho);
    comprobar_tamano(alto);
    std::size_t pos = 8;
    for (int y = 1; y <= alto; ++y) {
        for (int x = 1; x <= ancho; ++x) {
            if (bytes.size() < pos + 4) throw ErrorFormato("El fichero se acaba antes del último punto.");
            const Color c = leer32(bytes, pos);
            if (c < 0 || c > kBlanco) {
                throw ErrorFormato("El color del punto (" + std::to_string(x) + ", " + std::to_string(y) +
                                   ") no es válido.");
            }
            Punto& p = e.punto(x, y);
            p.color = c;
            p.perfil = {kSinPerfil, kSinPerfil, kSinPerfil, kSinPerfil};
            pos += 4;
        }
    }
}

}  // namespace pc
