// Órdenes de la vista del patrón: redibujado con la comprobación de tamaño, pintura con
// el ratón, texto de la barra de estado bajo el puntero y los ajustes de la rejilla.
#pragma once
#include <string>

#include "ordenes/sesion/sesion.h"

namespace pc {

// kOtro: los botones laterales (atrás, adelante) y cualquier otro; no pintan.
enum class Boton { kIzquierdo, kDerecho, kCentral, kOtro };

// Redibujado completo: reduce el tamaño de celda si el tapiz no cabe en el lienzo
// ("Se cambia el tamaño de la rejilla " + n) y pide a la vista que redibuje.
void redibujar_todo(Sesion& s);

// Pulsación en el lienzo del patrón (píxeles X, Y). Devuelve true cuando la pulsación
// apaga para siempre la pista del lienzo (botón derecho dentro del tapiz).
bool raton_pulsado(Sesion& s, Boton boton, int X, int Y);
// Movimiento sobre el lienzo: arrastrar con el botón izquierdo pinta; sin él, el panel 0
// muestra el hilo bajo el puntero.
void raton_movido(Sesion& s, bool boton_izquierdo, int X, int Y);
// Texto del panel 0 para el punto (x, y) de la rejilla.
std::string texto_bajo_puntero(const Estado& e, int x, int y);

void tamano_rejilla(Sesion& s);        // "Tamaño de la Rejilla"
void ver_rejilla(Sesion& s);           // "Ver Rejilla"
void tamano_pincel(Sesion& s);         // "Tamaño Pincel"
void mostrar_punto_de_cruz(Sesion& s); // "Mostrar Punto de CRUZ"

}  // namespace pc
