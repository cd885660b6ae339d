// Órdenes de la vista del patrón: redibujado con la comprobación de tamaño, pintura con
// el ratón, texto de la barra de estado bajo el puntero y los ajustes de la rejilla.
#pragma once
#include <string>

#include "ordenes/sesion/sesion.h"

namespace pc {

// kOtro: los botones laterales (atrás, adelante) y cualquier otro; no pintan.
enum class Boton { kIzquierdo, kDerecho, kCentral, kOtro };

// Redibujado completo: reduce el tamaño de celda si el tapiz no cabe en el lienzo
// ("Se cambia el tamaño de la rejilla " + n) y pide a la vista que redibuje. El lienzo mide
// lado_lienzo: el de partida, o más si el zoom lo agrandó.
void redibujar_todo(Sesion& s);
// Tras cargar o generar el lienzo vuelve a su lado de partida: la comprobación del
// redibujado decide entonces el tamaño de celda, como si no se hubiera hecho zoom.
void lienzo_de_partida(Estado& e);

// Pulsación en el lienzo del patrón (píxeles X, Y). Devuelve true cuando la pulsación
// apaga para siempre la pista del lienzo (botón derecho dentro del tapiz).
// Con `mayus` (Mayús pulsada) el medio punto repite la diagonal del anterior.
bool raton_pulsado(Sesion& s, Boton boton, int X, int Y, bool mayus = false);
// Movimiento sobre el lienzo: arrastrar con el botón izquierdo usa la herramienta (el pincel
// pinta cada punto de la recta desde la posición anterior); sin él, el panel 0 muestra el
// hilo bajo el puntero.
void raton_movido(Sesion& s, bool boton_izquierdo, int X, int Y, bool mayus = false);
// Botón izquierdo suelto: se acaba el trazo.
void raton_soltado(Estado& e);
// El punto del tapiz bajo el puntero como "x, y"; vacío fuera del tapiz.
std::string texto_posicion(const Estado& e, int X, int Y);

// El pincel (tam_pincel) en el punto pulsado, y un solo punto (pintura o perfiles).
void pintar_pincel(Sesion& s);
void pintar_punto(Sesion& s, int x, int y);
// Ancho y alto del tapiz sin avisos (para el movimiento del ratón, que no debe llenar la
// pantalla de mensajes): false si alguno no es un tamaño válido.
bool tamano_silencioso(const Estado& e, int& ancho, int& alto);
// Texto del panel 0 para el punto (x, y) de la rejilla.
std::string texto_bajo_puntero(const Estado& e, int x, int y);

void tamano_rejilla(Sesion& s);        // "Tamaño de la Rejilla"
void ver_rejilla(Sesion& s);           // "Ver Rejilla"
void tamano_pincel(Sesion& s);         // "Tamaño Pincel"
void mostrar_punto_de_cruz(Sesion& s); // "Mostrar Punto de CRUZ"

}  // namespace pc
