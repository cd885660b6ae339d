// Muestras pequeñas para las listas de colores: el cuadrado de un color y un símbolo de la
// impresión dibujado como en la imagen exportada (puntos negros sobre blanco).
#pragma once
#include <QImage>

#include "app/tipos.h"
#include "print/simbolos.h"

namespace pc {

// Cuadrado de lado píxeles del color, con borde gris oscuro.
QImage imagen_muestra(Color c, int lado);
// El símbolo en una celda blanca de lado píxeles, con los puntos de la trama de ese lado.
QImage imagen_simbolo(const Simbolo& s, int lado);

}  // namespace pc
