#include "ordenes/sesion/zoom.h"

#include <algorithm>
#include <cstdint>

#include "ordenes/sesion/patron.h"
#include "app/texto.h"

namespace pc {

namespace {
int lado_valido(const std::string& texto) {
    int v = 0;
    if (!leer_entero(texto, v) || v < 1) return 0;
    return std::min(v, kMaxPuntos);
}
}  // namespace

int extension_tapiz(const std::string& lado, int tam_celda) {
    const int n = lado_valido(lado);
    if (n == 0 || tam_celda < 1) return 0;
    return static_cast<int>(std::min<std::int64_t>(std::int64_t{n + 2} * tam_celda, 1 << 30));
}

bool poner_zoom(Sesion& s, int tam) {
    Estado& e = s.e;
    const int nuevo = std::clamp(tam, kZoomMinimo, kZoomMaximo);
    if (nuevo == e.tam_celda && e.tam_rejilla == std::to_string(nuevo)) return false;
    e.tam_celda = nuevo;
    e.tam_rejilla = std::to_string(nuevo);
    e.lado_lienzo = std::max({kLadoLienzo, extension_tapiz(e.ancho, nuevo), extension_tapiz(e.alto, nuevo)});
    redibujar_todo(s);
    return true;
}

int zoom_para_ajustar(const Estado& e, int ancho, int alto) {
    const int an = lado_valido(e.ancho), al = lado_valido(e.alto);
    if (an == 0 || al == 0) return kZoomMinimo;
    return std::clamp(std::min(ancho / (an + 2), alto / (al + 2)), kZoomMinimo, kZoomMaximo);
}

}  // namespace pc
