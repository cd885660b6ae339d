// Órdenes de edición del color.
#include "ordenes/patron/editar.h"

#include <algorithm>
#include <cstdint>

#include "app/texto.h"
#include "pattern/editar.h"
#include "pattern/rellenar.h"
#include "pattern/rotulos.h"
#include "pattern/zonas.h"
#include "threads/emparejar.h"

namespace pc {

namespace {

// Color del punto pulsado, si es un punto del tapiz.
bool color_pulsado(const Estado& e, Color& c) {
    if (!dentro_del_tapiz(e, e.sel_x, e.sel_y)) return false;
    c = e.punto(e.sel_x, e.sel_y).color;
    return true;
}

// El factor de aclarado con su signo; lanza ErrorConversion si no es un número.
int factor(const Estado& e, bool aclarar) {
    // En 64 bits, -(-2147483648) no desborda; más allá de ±255 el resultado es el mismo.
    const std::int64_t f = entero(e.factor_aclarado);
    return static_cast<int>(std::clamp<std::int64_t>(aclarar ? f : -f, -255, 255));
}

// Fuera del tapiz rellenar no hace nada.
void rellenar_desde_pulsado(Sesion& s, Relleno modo) {
    Estado& e = s.e;
    const Rango t = rango_tapiz(e);
    rellenar(e, e.sel_x, e.sel_y, modo, t.x2, t.y2, s.v);
}

}  // namespace

void cambiar_color(Sesion& s) {
    Estado& e = s.e;
    const char* const titulo = "Cambiar colores";
    const std::string a = s.d.entrada(titulo, "Color Origen (R,G,B) o Nº Color", nombre_hilo(e, e.color_origen));
    const std::string b = s.d.entrada(titulo, "Color Destino (R,G,B) o Nº Color", nombre_hilo(e, e.color_destino));
    const Color origen = leer_color(e, a);
    const Color destino = leer_color(e, b);
    cambiar_en_rango(e, rango_trabajo(e), origen, destino, s.v);
    e.paleta.total = 0;
}

void seleccionar_color(Sesion& s) {
    Color c;
    if (!color_pulsado(s.e, c)) return;
    elegir_color_actual(s, c);
}

void elegir_color_actual(Sesion& s, Color c) {
    s.e.color_actual = c;
    rotular_seleccion(s.e, c);
}

bool buscar_hilo(Sesion& s, const std::string& texto) {
    Estado& e = s.e;
    const std::string t = recortar(texto);
    if (t.empty()) return false;
    const std::optional<int> numero = numero_de_hilo(t);
    const int i = numero ? buscar_numero(*numero, e.hilos) : 0;
    if (i == 0) {
        const std::string catalogo = e.marca.empty() ? std::string("activo") : e.marca;
        s.d.mensaje("No hay ningún hilo \"" + t + "\" en el catálogo " + catalogo + ".");
        return false;
    }
    elegir_color_actual(s, e.hilos[i].color);
    return true;
}

void copiar_rgb_origen(Sesion& s) {
    Color c;
    if (!color_pulsado(s.e, c)) return;
    s.e.color_origen = c;
    rotular_origen(s.e, c, true);
}

void copiar_rgb_destino(Sesion& s) {
    Color c;
    if (!color_pulsado(s.e, c)) return;
    s.e.color_destino = c;
    rotular_destino(s.e, c, true);
}

void aclarar_color(Sesion& s, bool aclarar_) {
    Estado& e = s.e;
    Color c;
    if (!color_pulsado(e, c)) return;
    const int f = factor(e, aclarar_);
    e.color_origen = c;
    e.color_destino = aclarar(c, f);
    rotular_origen(e, e.color_origen, false);
    rotular_destino(e, e.color_destino, false);
    cambiar_color(s);
}

void aclarar_tapiz(Sesion& s, bool aclarar_) {
    Estado& e = s.e;
    const int f = factor(e, aclarar_);
    aclarar_rango(e, rango_trabajo(e), f, s.v);
    e.paleta.total = 0;
}

void factor_aclarado(Sesion& s) {
    s.e.factor_aclarado = s.d.entrada("Factor de Aclarado", "Factor (1-50)", s.e.factor_aclarado);
}

void conmutar_r(Sesion& s) { s.e.componente_r = !s.e.componente_r; }
void conmutar_g(Sesion& s) { s.e.componente_g = !s.e.componente_g; }
void conmutar_b(Sesion& s) { s.e.componente_b = !s.e.componente_b; }

void rellenar_macizo(Sesion& s) { rellenar_desde_pulsado(s, Relleno::kMacizo); }
void rellenar_tramado(Sesion& s) { rellenar_desde_pulsado(s, Relleno::kTramado); }
void rellenar_hasta_blanco(Sesion& s) { rellenar_desde_pulsado(s, Relleno::kHastaBlanco); }

}  // namespace pc
