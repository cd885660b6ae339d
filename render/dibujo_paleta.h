// Dibujo de la vista de la paleta de hilos sobre su lienzo (una QImage de 1200 x 1200).
#pragma once
#include <QImage>

#include "threads/vista_paleta.h"

namespace pc {

// Pinta el lienzo de blanco y después cada figura, en orden.
void dibujar_paleta(QImage& lienzo, const DibujoPaleta& d);

}  // namespace pc
