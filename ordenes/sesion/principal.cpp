#include "ordenes/sesion/principal.h"

#include "ordenes/sesion/patron.h"
#include "threads/emparejar.h"
#include "ordenes/hilos/catalogo.h"

namespace pc {

void aviso_inicio(Dialogos& d) {
    d.mensaje("AVISO: Interesa que el monitor esté configurado como COLOR VERDADERO. "
              "Mira la ayuda para más información.");
}

bool confirmar_salida(Dialogos& d) { return d.pregunta("Punto de Cruz", "¿Desea Salir?"); }

void al_mostrar(Sesion& s) {
    s.e.marca = "DMC";
    cargar_catalogo(s, s.e.marca, s.e.hilos);
}

void pintar_paleta_dmc(Sesion& s) {
    Estado& e = s.e;
    e.marca = "DMC";
    cargar_catalogo(s, e.marca, e.hilos);
    e.ancho = "19";
    e.alto = "30";
    constexpr int kAncho = 19, kAlto = 30;
    const Color blanco = color_de_hilo(e, "Blanco");
    for (int x = 1; x <= kAncho; ++x)
        for (int y = 1; y <= kAlto; ++y) e.punto(x, y).color = blanco;
    e.puntadas.vaciar();  // la carta es un diseño nuevo, sólo de puntos enteros

    // Una columna de la carta por cada columna del catálogo, de arriba abajo. Lo que cae
    // fuera de 19 × 30 no se ve, pero se guarda mientras quepa en la rejilla.
    int columna = 1, fila = 1, anterior = 1;
    for (int i = 1; i <= e.hilos.total; ++i) {
        const Hilo& h = e.hilos[i];
        if (h.columna != anterior) {
            fila = 1;
            ++columna;
        }
        if (columna <= kMaxPuntos && fila <= kMaxPuntos) e.punto(columna, fila).color = h.color;
        ++fila;
        anterior = h.columna;
    }
    redibujar_todo(s);
}

}  // namespace pc
