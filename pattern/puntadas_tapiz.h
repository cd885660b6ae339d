// Las otras puntadas (medios puntos, cuartos, tres cuartos, petits, pespuntes y nudos) frente a
// la rejilla de puntos enteros: una celda tiene o un punto entero o parciales, nunca las dos
// cosas; bajo los parciales la rejilla guarda blanco, la tela.
#pragma once
#include <functional>

#include "app/estado.h"
#include "pattern/cambios.h"
#include "pattern/paleta.h"

namespace pc {

// El rectángulo de celdas de un rango.
inline RectanguloCeldas celdas_de(const Rango& r) { return RectanguloCeldas{r.x1, r.y1, r.x2, r.y2}; }

// Pone un parcial en el tapiz (ancho y alto de e): su celda pasa a blanco, la tela (los
// perfiles se quedan). false, sin cambiar nada, si no cabe o no es válido.
bool poner_parcial(Estado& e, const Parcial& p);
// Un punto entero puesto en (x, y) por cualquier orden: quita los parciales de la celda.
// Devuelve cuántos había. Barato si el diseño no tiene parciales.
int punto_entero(Estado& e, int x, int y);
// Pone un pespunte: si va a lo largo de un solo lado de una celda, es un lado del perfilado
// (como lo lee el OXS); si no, un pespunte. false si no cabe en el tapiz.
bool poner_pespunte(Estado& e, const Linea& l);
// Pone un nudo; false si no cabe.
bool poner_nudo(Estado& e, const Nudo& n);

// Perfila el lado de (i, j) a (i + 1, j) si es horizontal, o a (i, j + 1) si es vertical, en
// coordenadas de esquinas (la de arriba a la izquierda del tapiz es (0, 0)). Se guarda en el
// punto de abajo (o de la derecha) y, si ese no existe o ya lleva otro color, en el de arriba
// (o de la izquierda). Un tercer color en el mismo lado: el último manda.
void perfilar_lado(Estado& e, int ancho, int alto, bool horizontal, int i, int j, Color c);

// La única manera de cambiar los colores de las otras puntadas, para todas las órdenes que
// cambian un color en todo el tapiz o en la zona (cambio de ORIGEN por DESTINO, aclarar u
// oscurecer un color, las tres reducciones, el ajuste a un catálogo): cada puntada de la zona
// (todo el tapiz si es nula) de color c pasa a nuevo_de(c). Devuelve cuántas cambiaron.
long cambiar_colores_otras(Estado& e, const std::function<Color(Color)>& nuevo_de, const Rango* zona);
// Con una lista de cambios (viejo, nuevo), todos a la vez.
long cambiar_colores_otras(Estado& e, const ListaCambios& cambios, const Rango* zona);

// Quita las otras puntadas que tocan el rectángulo (tras una generación, como el perfilado).
void quitar_otras_en(Estado& e, const RectanguloCeldas& r);

}  // namespace pc
