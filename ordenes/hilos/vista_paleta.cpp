#include "ordenes/hilos/vista_paleta.h"

#include "ordenes/patron/paleta.h"
#include "pattern/rotulos.h"
#include "threads/emparejar.h"
#include "threads/vista_paleta.h"

namespace pc {

namespace {

// Hilo activo más próximo (método 1) al píxel de la vista donde se abrió el menú.
Color hilo_pulsado(const Sesion& s) { return hilo_mas_proximo(s.v.pixel_paleta(s.e.pal_x, s.e.pal_y), s.e.hilos, 1); }

// El hilo activo de ese color se desactiva o se bloquea; un color sin hilo activo no cambia nada.
void desactivar(TablaHilos& hilos, Color c) {
    if (const int k = buscar_color(c, hilos); k > 0) hilos[k].activo = false;
}
void bloquear(TablaHilos& hilos, Color c) {
    if (const int k = buscar_color(c, hilos); k > 0) hilos[k].bloqueado = true;
}

// El punto del menú del patrón, si cae dentro de la rejilla.
bool punto_pulsado(const Estado& e, Color& c) {
    if (e.sel_x < 0 || e.sel_y < 0 || e.sel_x > kMaxPuntos || e.sel_y > kMaxPuntos) return false;
    c = e.punto(e.sel_x, e.sel_y).color;
    return true;
}

}  // namespace

void dibujar_paleta(Sesion& s, bool en_zona) {
    construir_paleta(s, en_zona);
    s.v.al_frente();
    s.v.panel(1, "Paleta de Hilos: " + s.e.marca);
    s.v.dibujar_paleta(maquetar_paleta(s.e, en_zona));
    s.e.ver_bmp_exportado = true;
}

void ver_paleta_hilos(Sesion& s) { dibujar_paleta(s, false); }

void ver_paleta_zona(Sesion& s) { dibujar_paleta(s, true); }

void raton_movido_paleta(Sesion& s, Color c) { s.v.panel(0, texto_puntero_paleta(s.e, c)); }

void raton_pulsado_paleta(Sesion& s, bool derecho, int X, int Y) {
    if (!derecho) return;
    s.e.pal_x = X;
    s.e.pal_y = Y;
}

void seleccionar_color_paleta(Sesion& s) {
    const Color a = hilo_pulsado(s);
    s.e.color_actual = a;
    rotular_seleccion(s.e, a);
}

void copiar_origen_paleta(Sesion& s) {
    const Color a = hilo_pulsado(s);
    s.e.color_origen = a;
    rotular_origen(s.e, a, true);
}

void copiar_destino_paleta(Sesion& s) {
    const Color a = hilo_pulsado(s);
    s.e.color_destino = a;
    rotular_destino(s.e, a, true);
}

void desactivar_color_paleta(Sesion& s) { desactivar(s.e.hilos, hilo_pulsado(s)); }

void bloquear_color_paleta(Sesion& s) { bloquear(s.e.hilos, hilo_pulsado(s)); }

void desactivar_color_lienzo(Sesion& s) {
    if (Color c = 0; punto_pulsado(s.e, c)) desactivar(s.e.hilos, c);
}

void bloquear_color_lienzo(Sesion& s) {
    if (Color c = 0; punto_pulsado(s.e, c)) bloquear(s.e.hilos, c);
}

void muestra_hilos_bloqueados(Sesion& s) {
    std::string lista;
    for (int i = 1; i <= s.e.hilos.total; ++i) {
        if (s.e.hilos[i].bloqueado) lista += nombre_hilo(s.e, s.e.hilos[i].color) + "\r\n";
    }
    if (lista.empty()) s.d.mensaje("NO hay hilos Bloqueados");
    else s.d.mensaje("Hilos BLOQUEADOS (intocables por reducción de color)\r\n" + lista);
}

void borra_hilos_bloqueados(Sesion& s) {
    for (int i = 1; i <= s.e.hilos.total; ++i) s.e.hilos[i].bloqueado = false;
}

}  // namespace pc
