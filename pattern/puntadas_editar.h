// Las herramientas de puntadas sobre el tapiz, sin ventanas: qué puntada pone un clic en un
// sitio de una celda, el punto de la red más cercano y qué hay bajo el puntero para la goma.
//
// Las posiciones van en unidades de celda del tapiz, en coma flotante: la celda (x, y) ocupa de
// x a x + 1 y de y a y + 1 (como en el lienzo, donde ocupa de x·s a x·s + s píxeles).
#pragma once
#include <optional>

#include "app/estado.h"

namespace pc {

// El cuarto de la celda en el que cae (fx, fy), su posición dentro de ella (0..1).
Esquina esquina_en(double fx, double fy);
// La diagonal que sigue al cuadrante: arriba a la izquierda o abajo a la derecha '\', en los
// otros dos '/'.
Diagonal diagonal_en(double fx, double fy);
// La diagonal de un tres cuartos con su cuarto en la esquina k: la que deja k libre.
Diagonal diagonal_libre(Esquina k);

// La puntada parcial de clase `tipo` que pone un clic en la posición (px, py) del tapiz, del
// color c; `diagonal` fija la del medio punto (si no, sigue al cuadrante).
Parcial parcial_en(TipoParcial tipo, double px, double py, Color c, std::optional<Diagonal> diagonal = std::nullopt);

// El punto de la red de medios puntos más cercano a (px, py).
struct PuntoRed {
    int u = 0, v = 0;
    bool operator==(const PuntoRed&) const = default;
};
PuntoRed punto_red_en(double px, double py);
// Posición en el tapiz (unidades de celda) del punto (u, v) de la red.
inline double red_a_celda(int u) { return 1.0 + u / 2.0; }

// Medidas del dibujo en pantalla de una celda de s píxeles, que también usa la goma para saber
// qué hay bajo el puntero: grueso de un pespunte y radio de un nudo, en píxeles.
double grueso_pespunte(double s);
double radio_nudo(double s);

// Pone un parcial con las herramientas: la celda queda de tela (blanca) bajo él (poner_parcial).
// false si no se pudo poner.
bool poner_parcial_en_celda(Estado& e, const Parcial& p);

// Si la posición (fx, fy) de su celda cae en lo que cubre la puntada.
bool cubre(const Parcial& p, double fx, double fy);

// Lo que hay bajo el puntero, de arriba abajo en el dibujo: nudos, pespuntes (a `tolerancia`
// unidades de celda o menos de su trazo), parciales y la cruz entera de la celda.
struct BajoPuntero {
    std::vector<Nudo> nudos;
    std::vector<Linea> lineas;
    std::vector<Parcial> parciales;
};
// Las puntadas que tocan la posición (px, py); `tolerancia` y `radio` en unidades de celda.
BajoPuntero puntadas_bajo(const Puntadas& p, double px, double py, double tolerancia, double radio);

// La goma: quita lo de más arriba que haya bajo el puntero (los nudos que toca, si no los
// pespuntes, si no los lados del perfilado, si no los parciales; si no hay ninguno, la cruz
// entera pasa a ser tela blanca).
// `tolerancia` y `radio` como en puntadas_bajo. Devuelve true si cambió algo; en `celdas` deja
// el rectángulo de celdas que hay que volver a dibujar.
bool borrar_bajo(Estado& e, int ancho, int alto, double px, double py, double tolerancia, double radio, RectanguloCeldas& celdas);

}  // namespace pc
