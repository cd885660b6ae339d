#include "pattern/rotulos.h"

#include "threads/emparejar.h"

namespace pc {

namespace {
std::string con_color(const Estado& e, const char* prefijo, Color c, bool con_rgb) {
    std::string t = prefijo;
    if (con_rgb) t += texto_rgb(c) + "  ";
    return t + nombre_hilo(e, c);
}
}  // namespace

void rotular_seleccion(Estado& e, Color c) { e.rotulos.seleccionar = "Seleccionar Color: " + nombre_hilo(e, c); }

void rotular_origen(Estado& e, Color c, bool con_rgb) {
    e.rotulos.origen = con_color(e, "Copiar RGB a color ORIGEN: ", c, con_rgb);
}

void rotular_destino(Estado& e, Color c, bool con_rgb) {
    e.rotulos.destino = con_color(e, "Copiar RGB a color DESTINO: ", c, con_rgb);
}

void rotular_modo_zona(Estado& e) {
    if (e.en_zona) {
        e.rotulos.cambiar = "Cambiar Color ORIGEN por DESTINO (ZONA)";
        e.rotulos.aclarar_tapiz = "Aclarar el TAPIZ (ZONA)";
        e.rotulos.oscurecer_tapiz = "Oscurecer el TAPIZ (ZONA)";
    } else {
        e.rotulos.cambiar = "Cambiar Color ORIGEN por DESTINO (TODO)";
        e.rotulos.aclarar_tapiz = "Aclarar el Tapiz (TODO)";
        e.rotulos.oscurecer_tapiz = "Oscurecer el TAPIZ (TODO)";
    }
}

}  // namespace pc
