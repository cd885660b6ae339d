// Órdenes de la zona de trabajo, de la copia y el pegado, y del perfilado.
#include "ordenes/patron/zonas.h"

#include <algorithm>

#include "ordenes/sesion/patron.h"
#include "app/texto.h"
#include "pattern/editar.h"
#include "pattern/perfilar.h"
#include "pattern/rotulos.h"
#include "pattern/zonas.h"

namespace pc {

namespace {

const char* const kMarcarX1Y1 = "Marcar (X1,Y1)--> (";
const char* const kMarcarX2Y2 = "Marcar (X2,Y2)--> (";

std::string rotulo_esquina(const char* prefijo, const std::string& zx, const std::string& zy) {
    return std::string(prefijo) + zx + "," + zy + ")";
}

// Una esquina de la zona sólo se marca en un punto (x, y) del tapiz.
bool marcar(const Estado& e, int x, int y, std::string& zx, std::string& zy, std::string& rotulo, const char* prefijo) {
    if (!dentro_del_tapiz(e, x, y)) return false;
    zx = std::to_string(x);
    zy = std::to_string(y);
    rotulo = rotulo_esquina(prefijo, zx, zy);
    return true;
}

// Fuera del tapiz perfilar no hace nada.
void perfilar_pulsado(Sesion& s, Sentido sentido) {
    Estado& e = s.e;
    const Rango t = rango_tapiz(e);
    perfilar(e, e.sel_x, e.sel_y, sentido, t.x2, t.y2, s.v);
}

}  // namespace

void marcar_x1y1(Sesion& s) {
    Estado& e = s.e;
    marcar(e, e.sel_x, e.sel_y, e.zona_x1, e.zona_y1, e.rotulos.marcar_x1y1, kMarcarX1Y1);
}

void marcar_x2y2(Sesion& s) {
    Estado& e = s.e;
    marcar(e, e.sel_x, e.sel_y, e.zona_x2, e.zona_y2, e.rotulos.marcar_x2y2, kMarcarX2Y2);
}

void marcar_zona_entre(Sesion& s, int ax, int ay, int bx, int by) {
    Estado& e = s.e;
    marcar(e, std::min(ax, bx), std::min(ay, by), e.zona_x1, e.zona_y1, e.rotulos.marcar_x1y1, kMarcarX1Y1);
    marcar(e, std::max(ax, bx), std::max(ay, by), e.zona_x2, e.zona_y2, e.rotulos.marcar_x2y2, kMarcarX2Y2);
}

std::string rotulo_marcar_x1y1(const Estado& e) {
    return e.rotulos.marcar_x1y1.empty() ? std::string() : rotulo_esquina(kMarcarX1Y1, e.zona_x1, e.zona_y1);
}

std::string rotulo_marcar_x2y2(const Estado& e) {
    return e.rotulos.marcar_x2y2.empty() ? std::string() : rotulo_esquina(kMarcarX2Y2, e.zona_x2, e.zona_y2);
}

std::optional<ZonaVista> zona_a_la_vista(const Estado& e) {
    ZonaVista z;
    if (!leer_entero(e.zona_x1, z.x1) || !leer_entero(e.zona_y1, z.y1) || !leer_entero(e.zona_x2, z.x2) ||
        !leer_entero(e.zona_y2, z.y2))
        return std::nullopt;
    z.invertida = z.x1 > z.x2 || z.y1 > z.y2;
    int ancho = 0, alto = 0;
    const bool medidas = leer_entero(e.ancho, ancho) && leer_entero(e.alto, alto) && ancho >= 1 && alto >= 1;
    if (medidas) {
        // Se dibuja sólo lo que cae en el tapiz (tras generar uno más pequeño, la zona lo
        // pasaría); una zona entera fuera de él no se dibuja.
        if (!z.invertida && (z.x1 > ancho || z.y1 > alto || z.x2 < 1 || z.y2 < 1)) return std::nullopt;
        z.x1 = std::clamp(z.x1, 1, ancho);
        z.x2 = std::clamp(z.x2, 1, ancho);
        z.y1 = std::clamp(z.y1, 1, alto);
        z.y2 = std::clamp(z.y2, 1, alto);
    }
    const bool entera = medidas && z.x1 == 1 && z.y1 == 1 && z.x2 == ancho && z.y2 == alto && !z.invertida;
    if (entera && !e.en_zona) return std::nullopt;
    return z;
}

std::string pista_zona_invertida() {
    return "La zona de trabajo está vacía: su primera esquina (X1,Y1) queda a la derecha o debajo "
           "de la segunda (X2,Y2).";
}

void conmutar_zona(Sesion& s) {
    s.e.en_zona = !s.e.en_zona;
    rotular_modo_zona(s.e);
}

void copiar_zona(Sesion& s) {
    if (!copiar_zona(s.e))
        s.d.mensaje("No se puede copiar una zoma mayor de " + std::to_string(kMaxPuntos) + "x" +
                    std::to_string(kMaxPuntos) + " puntos");
}

void pegar_en(Sesion& s) {
    const char* const titulo = "Pegar Imagen";
    const std::string x = s.d.entrada(titulo, "En la cordenada X:", "1");
    const std::string y = s.d.entrada(titulo, "En la cordenada Y:", "1");
    pegar_copia(s.e, entero(x), entero(y), s.v);
}

void perfilar_abajo(Sesion& s) { perfilar_pulsado(s, Sentido::kAbajo); }
void perfilar_arriba(Sesion& s) { perfilar_pulsado(s, Sentido::kArriba); }
void perfilar_todo(Sesion& s) { perfilar_pulsado(s, Sentido::kTodo); }

void conmutar_borrar_perfilado(Sesion& s) {
    s.e.borrar_perfilado = !s.e.borrar_perfilado;
    if (s.e.borrar_perfilado) s.e.perfilando = true;
}

void borrar_perfilado_zona(Sesion& s) {
    borrar_perfiles(s.e, rango_trabajo(s.e));
    redibujar_todo(s);
}

}  // namespace pc
