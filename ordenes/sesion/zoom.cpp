#include "ordenes/sesion/zoom.h"

#include <algorithm>

#include "ordenes/sesion/patron.h"
#include "app/texto.h"

namespace pc {

int zoom_maximo(const Estado& e) {
    int ancho = 0, alto = 0;
    if (!leer_entero(e.ancho, ancho) || !leer_entero(e.alto, alto)) return kZoomMaximo;
    const int m = std::clamp(std::max(ancho, alto), 1, kMaxPuntos);
    return std::clamp(kLadoLienzo / m, kZoomMinimo, kZoomMaximo);
}

bool poner_zoom(Sesion& s, int tam) {
    Estado& e = s.e;
    const int nuevo = std::clamp(tam, kZoomMinimo, zoom_maximo(e));
    if (nuevo == e.tam_celda && e.tam_rejilla == std::to_string(nuevo)) return false;
    e.tam_celda = nuevo;
    e.tam_rejilla = std::to_string(nuevo);
    redibujar_todo(s);
    return true;
}

}  // namespace pc
