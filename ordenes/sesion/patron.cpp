#include "ordenes/sesion/patron.h"

#include <algorithm>
#include <cstdint>

#include "app/errores.h"
#include "app/texto.h"
#include "ordenes/sesion/herramientas.h"
#include "ordenes/sesion/herramientas_puntadas.h"
#include "pattern/puntadas_tapiz.h"
#include "threads/emparejar.h"

namespace pc {

namespace {

const char* const kTituloRejilla = "Tamaño de la cuadrícula a Generar";
const char* const kTituloPincel = "Tamaño del Pincel";
const char* const kRejillaNoValida = "El tamaño de la rejilla debe ser 1 o mayor.";

}  // namespace

// Pinta un punto del tapiz con el ratón: el color actual, o los lados marcados del
// perfilado (o los borra), y lo redibuja.
void pintar_punto(Sesion& s, int x, int y) {
    Estado& e = s.e;
    Punto& p = e.punto(x, y);
    if (e.perfilando) {
        const bool lados[4] = {e.perfil_arriba, e.perfil_derecha, e.perfil_abajo, e.perfil_izquierda};
        const Color c = e.borrar_perfilado ? kSinPerfil : e.color_actual;
        for (int k = 1; k <= 4; ++k)
            if (lados[k - 1]) p.lado(k) = c;
    } else {
        p.color = e.color_actual;
        punto_entero(e, x, y);
    }
    s.v.redibujar_celda(x, y);
}

void redibujar_todo(Sesion& s) {
    Estado& e = s.e;
    const int m = std::max(ancho_tapiz(e), alto_tapiz(e));
    const int rejilla = tam_rejilla_valor(e);
    const int lado = std::max(e.lado_lienzo, kLadoLienzo);
    if (lado / rejilla < m) {
        e.tam_celda = lado / m;
        e.tam_rejilla = std::to_string(e.tam_celda);
        s.d.mensaje("Se cambia el tamaño de la rejilla " + e.tam_rejilla);
    }
    s.v.redibujar();
}

void lienzo_de_partida(Estado& e) {
    e.lado_lienzo = kLadoLienzo;
    acabar_pespunte(e);  // un pespunte empezado no sigue en otro tapiz
}

bool raton_pulsado(Sesion& s, Boton boton, int X, int Y, bool mayus) {
    Estado& e = s.e;
    if (e.tam_celda < 1) return false;  // sin tamaño de celda no hay punto bajo el ratón
    if (boton == Boton::kIzquierdo && es_de_puntadas(herramienta_activa(e))) {
        // Les importa el píxel, no sólo la celda; un punto de la red del borde se alcanza
        // también desde fuera del tapiz.
        e.trazo = {true, X / e.tam_celda, Y / e.tam_celda};
        pulsar_puntadas(s, X, Y, mayus);
        return false;
    }
    e.sel_x = X / e.tam_celda;
    e.sel_y = Y / e.tam_celda;
    // El trazo empieza aquí aunque sea fuera del tapiz: al entrar arrastrando se pinta desde el borde.
    if (boton == Boton::kIzquierdo) e.trazo = {true, e.sel_x, e.sel_y};
    const int ancho = ancho_tapiz(e);
    const int alto = alto_tapiz(e);
    if (e.sel_y > alto || e.sel_x > ancho || e.sel_x < 0 || e.sel_y < 0) return false;
    if (boton == Boton::kDerecho) return true;
    if (boton != Boton::kIzquierdo) return false;
    usar_herramienta(s);
    return false;
}

void pintar_pincel(Sesion& s) {
    Estado& e = s.e;
    // El pincel: un cuadrado de 2c + 1 puntos de lado centrado en el pulsado (vacío si
    // c es negativo); sólo se pintan los puntos que caen dentro del tapiz.
    const std::int64_t c = entero(e.tam_pincel) / 2;
    const std::int64_t x1 = std::max<std::int64_t>(e.sel_x - c, 1);
    const std::int64_t x2 = std::min<std::int64_t>(e.sel_x + c, ancho_tapiz(e));
    const std::int64_t y1 = std::max<std::int64_t>(e.sel_y - c, 1);
    const std::int64_t y2 = std::min<std::int64_t>(e.sel_y + c, alto_tapiz(e));
    for (std::int64_t x = x1; x <= x2; ++x)
        for (std::int64_t y = y1; y <= y2; ++y) pintar_punto(s, static_cast<int>(x), static_cast<int>(y));
}

bool tamano_silencioso(const Estado& e, int& ancho, int& alto) {
    return leer_entero(e.ancho, ancho) && leer_entero(e.alto, alto) && ancho >= 1 && alto >= 1 &&
           ancho <= kMaxPuntos && alto <= kMaxPuntos;
}

void raton_movido(Sesion& s, bool boton_izquierdo, int X, int Y, bool mayus) {
    const Estado& e = s.e;
    if (e.tam_celda < 1) return;
    const int x = X / e.tam_celda;
    const int y = Y / e.tam_celda;
    if (boton_izquierdo && es_de_puntadas(herramienta_activa(e))) {
        if (e.trazo.activo) arrastrar_puntadas(s, X, Y, mayus);
        return;
    }
    if (boton_izquierdo) {
        arrastrar_herramienta(s, x, y);
        return;
    }
    s.v.panel(0, texto_bajo_puntero(e, x, y));
}

void raton_soltado(Estado& e) { soltar_herramienta(e); }

std::string texto_posicion(const Estado& e, int X, int Y) {
    int ancho = 0, alto = 0;
    if (e.tam_celda < 1 || X < 0 || Y < 0 || !tamano_silencioso(e, ancho, alto)) return "";
    const int x = X / e.tam_celda, y = Y / e.tam_celda;
    if (x < 1 || y < 1 || x > ancho || y > alto) return "";
    return std::to_string(x) + ", " + std::to_string(y);
}

std::string texto_bajo_puntero(const Estado& e, int x, int y) {
    // Más allá de la rejilla no hay ningún punto: el panel queda vacío.
    if (x < 0 || y < 0 || x > kMaxPuntos || y > kMaxPuntos) return "";
    const Color c = e.punto(x, y).color;
    const int i = buscar_color(c, e.hilos);
    return " " + nombre_hilo(e, c) + " (" + texto_rgb(c) + ") COLUMNA:" +
           (i > 0 ? std::to_string(e.hilos[i].columna) : std::string("-"));
}

void tamano_rejilla(Sesion& s) {
    Estado& e = s.e;
    const std::string texto = s.d.entrada(kTituloRejilla, "Indicar Tamaño ", e.tam_rejilla);
    int valor = 0;
    if (leer_entero(texto, valor) && valor < 1) throw ErrorFormato(kRejillaNoValida);
    // Como cualquier ajuste, el texto tecleado se guarda aunque no sea un número; la
    // conversión avisa entonces y la celda sigue con el tamaño anterior.
    e.tam_rejilla = texto;
    e.tam_celda = entero(texto);
    // Se redibuja al momento: el dibujo y el ratón usan siempre el mismo tamaño de celda.
    redibujar_todo(s);
}

void ver_rejilla(Sesion& s) {
    s.e.ver_rejilla = !s.e.ver_rejilla;
    redibujar_todo(s);
}

void tamano_pincel(Sesion& s) {
    s.e.tam_pincel = s.d.entrada(kTituloPincel, "¿Cuántos pixels?", s.e.tam_pincel);
}

void mostrar_punto_de_cruz(Sesion& s) { s.e.ver_bmp_exportado = false; }

}  // namespace pc
