// Dibujo del tapiz sobre el lienzo del patrón (una QImage de 1600 x 1600), escribiendo los
// píxeles directamente. Geometría: con s = tam_celda, el punto (x, y) es el cuadrado de
// (x·s, y·s) a (x·s + s, y·s + s), ambas esquinas incluidas.
#pragma once
#include <QImage>

#include "app/estado.h"

namespace pc {

// Crea el lienzo del patrón, blanco.
QImage crear_lienzo_patron();
// Pinta todo el lienzo de blanco.
void limpiar_lienzo(QImage& lienzo);
// Redibujado completo del tapiz (sin comprobación de tamaño: ya la hizo la orden).
void dibujar_patron(QImage& lienzo, const Estado& e);
// Redibujado de un punto con sus cuatro bordes (pintura con el ratón).
void dibujar_punto(QImage& lienzo, const Estado& e, int x, int y);
// Una línea de perfilado: el lado k (1..4) del punto (x, y) en el color de su perfil.
void dibujar_lado(QImage& lienzo, const Estado& e, int x, int y, int k);
// Repintado de la celda como rectángulo relleno de su color, con el borde negro si se ve
// la rejilla (reducciones y ajuste a hilos).
void pintar_celda(QImage& lienzo, const Estado& e, int x, int y);

}  // namespace pc
