#include "ordenes/patron/generar.h"

#include <algorithm>
#include <climits>
#include <string>

#include "app/errores.h"
#include "ordenes/sesion/patron.h"
#include "app/texto.h"
#include "pattern/generar.h"
#include "ordenes/hilos/catalogo.h"

namespace pc {

namespace {

const char* const kTituloTamano = "Tamaño del Punto de Cruz";

// Pregunta un lado, lo guarda tal como se tecleó y lo convierte (el texto malo se queda,
// como en el resto de ajustes). Un valor fuera de 1..700 se rechaza dejando los textos
// anteriores.
int preguntar_lado(Sesion& s, std::string& destino, const char* texto) {
    const std::string anterior = destino;
    destino = s.d.entrada(kTituloTamano, texto, destino);
    const int v = entero(destino);
    if (v < 1 || v > kMaxPuntos) {
        destino = anterior;
        throw ErrorFormato(mensaje_tamano_fuera_de_rango(v));
    }
    return v;
}

// Lado a escala: Round((valor / lado_imagen) × otro_lado_imagen), dividiendo primero.
int a_escala(int valor, int lado_imagen, int otro_lado_imagen) {
    const long double r = static_cast<long double>(valor) / static_cast<long double>(lado_imagen) *
                          static_cast<long double>(otro_lado_imagen);
    const long long v = redondear(r);
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

void escalar(Sesion& s, bool desde_ancho) {
    std::string& fijado = desde_ancho ? s.e.ancho : s.e.alto;
    std::string& seguido = desde_ancho ? s.e.alto : s.e.ancho;
    const std::string anterior = fijado;
    const int v = preguntar_lado(s, fijado, desde_ancho ? "Indicar ancho " : "Indicar ALTO ");
    const int base = desde_ancho ? s.img.ancho() : s.img.alto();
    const int otro = desde_ancho ? s.img.alto() : s.img.ancho();
    if (base == 0) {
        seguido = fijado;
        return;
    }
    const int calculado = a_escala(v, base, otro);
    if (calculado < 1 || calculado > kMaxPuntos) {
        fijado = anterior;  // el otro lado aún no se ha tocado
        throw ErrorFormato(std::string("Con ese ") + (desde_ancho ? "ancho el alto" : "alto el ancho") +
                           " a escala de la imagen saldría de " + std::to_string(calculado) +
                           " puntos: debe estar entre 1 y 700 puntos.");
    }
    seguido = std::to_string(calculado);
}

}  // namespace

void abrir_imagen(Sesion& s) {
    const auto fichero = s.d.abrir("Bitmaps (*.bmp)|*.bmp|Todos los Archivos|*.*", "*.bmp");
    if (!fichero) return;
    s.img.cargar(*fichero);  // si falla, la imagen anterior se queda
    s.v.panel_visor(1, *fichero);
    s.v.mostrar_visor();
}

void ancho_a_escala(Sesion& s) { escalar(s, true); }

void alto_a_escala(Sesion& s) { escalar(s, false); }

void ancho_y_alto(Sesion& s) {
    preguntar_lado(s, s.e.ancho, "Indicar ANCHO ");
    // Si el alto se rechaza, el ancho ya aceptado se queda.
    preguntar_lado(s, s.e.alto, "Indicar ALTO ");
}

void ajustar_celda_al_tapiz(Sesion& s, int ancho, int alto) {
    lienzo_de_partida(s.e);
    const int m = std::max(ancho, alto);
    const int nueva = celda_ajustada(s.e.tam_celda, m, kLadoLienzo);
    if (nueva > 0) {
        s.e.tam_celda = nueva;
        s.e.tam_rejilla = std::to_string(nueva);
        s.d.mensaje("Se cambia el tamaño de la rejilla a " + s.e.tam_rejilla);
    }
}

void generar_rejilla(Sesion& s, bool interpolar, bool ajustar) {
    asegurar_catalogo(s);
    s.e.paleta.total = 0;
    s.v.limpiar_lienzo();

    // Los pasos se calculan alto primero; un lado 0 es una división por cero y no se
    // escribe ningún punto. Fuera de 1..700 el tapiz no cabe en la rejilla.
    const int alto = entero(s.e.alto);
    paso_muestreo(s.img.alto(), alto);
    const int ancho = entero(s.e.ancho);
    paso_muestreo(s.img.ancho(), ancho);
    comprobar_tamano(ancho);
    comprobar_tamano(alto);

    ajustar_celda_al_tapiz(s, ancho, alto);
    muestrear_rejilla(s.e, s.img, ancho, alto, interpolar, ajustar);
    redibujar_todo(s);
}

void generar_punto_de_cruz(Sesion& s) { generar_rejilla(s, false, true); }

void generar_interpolado(Sesion& s) { generar_rejilla(s, true, true); }

}  // namespace pc
