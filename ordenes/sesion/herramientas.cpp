#include "ordenes/sesion/herramientas.h"

#include <algorithm>
#include <cstdlib>

#include "ordenes/patron/editar.h"
#include "ordenes/sesion/herramientas_puntadas.h"
#include "ordenes/patron/zonas.h"
#include "ordenes/sesion/patron.h"

namespace pc {

namespace {

bool pinta_puntos(const Estado& e) {
    const Herramienta h = herramienta_activa(e);
    return h == Herramienta::kPincel || (h == Herramienta::kPerfilar && !perfila_el_area(e));
}

// Pinta cada punto del tapiz de la recta de (x0, y0) a (x1, y1), sin el primero (ya pintado).
// Los extremos se acotan a unas pocas veces la rejilla: fuera de eso no hay nada que pintar
// y la recta no se alarga sin fin.
void pintar_recta(Sesion& s, int x0, int y0, int x1, int y1) {
    int ancho = 0, alto = 0;
    if (!tamano_silencioso(s.e, ancho, alto)) return;
    const auto acotar = [](int v) { return std::clamp(v, -kMaxPuntos, 2 * kMaxPuntos); };
    x0 = acotar(x0), y0 = acotar(y0), x1 = acotar(x1), y1 = acotar(y1);
    // Bresenham: un punto por paso del lado más largo.
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    int x = x0, y = y0;
    while (x != x1 || y != y1) {
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
        if (x >= 1 && y >= 1 && x <= ancho && y <= alto) pintar_punto(s, x, y);
    }
}

}  // namespace

Herramienta herramienta_activa(const Estado& e) {
    return e.perfilando ? Herramienta::kPerfilar : e.herramienta;
}

void elegir_herramienta(Sesion& s, Herramienta h) {
    Estado& e = s.e;
    e.perfilando = h == Herramienta::kPerfilar;
    if (h != e.herramienta) acabar_pespunte(e);
    if (h != Herramienta::kPerfilar) e.herramienta = h;
}

bool perfila_el_area(const Estado& e) {
    return !e.borrar_perfilado && !e.perfil_arriba && !e.perfil_derecha && !e.perfil_abajo && !e.perfil_izquierda;
}

void usar_herramienta(Sesion& s) {
    Estado& e = s.e;
    switch (herramienta_activa(e)) {
        case Herramienta::kPincel: pintar_pincel(s); return;
        case Herramienta::kPerfilar:
            if (!perfila_el_area(e)) {
                pintar_pincel(s);
                return;
            }
            e.trazo.activo = false;
            perfilar_todo(s);
            return;
        case Herramienta::kRelleno:
            e.trazo.activo = false;
            rellenar_macizo(s);
            return;
        case Herramienta::kCuentagotas:
            e.trazo.activo = false;
            seleccionar_color(s);
            return;
        case Herramienta::kZona: marcar_zona_entre(s, e.sel_x, e.sel_y, e.sel_x, e.sel_y); return;
        default: return;  // las de puntadas van por pulsar_puntadas, con el píxel
    }
}

void arrastrar_herramienta(Sesion& s, int x, int y) {
    Estado& e = s.e;
    if (herramienta_activa(e) == Herramienta::kZona) {
        int ancho = 0, alto = 0;
        if (!e.trazo.activo || !tamano_silencioso(e, ancho, alto)) return;
        // Las dos esquinas dentro del tapiz, aunque el arrastre empiece o acabe fuera.
        marcar_zona_entre(s, std::clamp(e.trazo.x, 1, ancho), std::clamp(e.trazo.y, 1, alto), std::clamp(x, 1, ancho),
                          std::clamp(y, 1, alto));
        return;
    }
    if (!pinta_puntos(e)) return;
    if (!e.trazo.activo) {
        // Un arrastre sin pulsación conocida empieza en este punto.
        int ancho = 0, alto = 0;
        if (tamano_silencioso(e, ancho, alto) && x >= 1 && x <= ancho && y >= 1 && y <= alto) pintar_punto(s, x, y);
    } else {
        pintar_recta(s, e.trazo.x, e.trazo.y, x, y);
    }
    e.trazo = {true, x, y};
}

void soltar_herramienta(Estado& e) { e.trazo.activo = false; }

std::string nombre_uso(const Estado& e) {
    switch (herramienta_activa(e)) {
        case Herramienta::kPincel: return "Pintar";
        case Herramienta::kPerfilar:
            if (e.borrar_perfilado) return "Borrar Perfilado";
            return perfila_el_area(e) ? "Perfilar Todo" : "Perfilar";
        case Herramienta::kRelleno: return "Rellenar Color (MACIZO)";
        case Herramienta::kCuentagotas: return "Seleccionar Color";
        case Herramienta::kZona: return "Marcar ZONA";
        default: return nombre_puntadas(herramienta_activa(e));
    }
}

}  // namespace pc
