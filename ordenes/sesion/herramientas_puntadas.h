// Las herramientas de puntadas sobre el lienzo del patrón: "Medio punto", "Cuarto", "Tres
// cuartos", "Petit", "Pespunte", "Nudo" y "Goma". Trabajan en píxeles del lienzo (la celda
// (x, y) ocupa de x·s a x·s + s con s = tam_celda), porque les importa dónde cae el puntero
// dentro de la celda.
#pragma once
#include <optional>
#include <string>

#include "ordenes/sesion/sesion.h"
#include "pattern/puntadas_editar.h"

namespace pc {

bool es_de_puntadas(Herramienta h);

// Clic del botón izquierdo en el píxel (X, Y) del lienzo; `mayus`: con Mayús pulsada (el medio
// punto repite entonces la diagonal del anterior).
//  - medio punto, cuarto, tres cuartos, petit: la puntada de esa clase y del color actual en
//    el sitio de la celda bajo el puntero (la celda pasa a ser tela);
//  - pespunte: el primer clic empieza la cadena en el punto de la red más cercano; cada uno de
//    los siguientes pone un tramo desde el anterior hasta él;
//  - nudo: un nudo del color actual en el punto de la red más cercano;
//  - goma: quita lo que haya bajo el puntero.
void pulsar_puntadas(Sesion& s, int X, int Y, bool mayus);
// Arrastre con el botón izquierdo: las parciales y la goma siguen al puntero; el pespunte y
// el nudo no hacen nada.
void arrastrar_puntadas(Sesion& s, int X, int Y, bool mayus);
// Acaba la cadena del pespunte (Esc, el botón derecho, otra herramienta). true si había una.
bool acabar_pespunte(Estado& e);

// El tramo que pondría el siguiente clic del pespunte con el puntero en (X, Y): del último
// punto de la cadena al punto de la red más cercano. Nada si no hay cadena.
std::optional<std::pair<PuntoRed, PuntoRed>> tramo_en_curso(const Estado& e, int X, int Y);

// Nombre del paso de deshacer ("Medio punto", "Pespunte", "Goma"...).
std::string nombre_puntadas(Herramienta h);

}  // namespace pc
