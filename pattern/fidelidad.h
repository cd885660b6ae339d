// Fidelidad de un tapiz a la imagen: el error CIEDE2000 de cada punto frente a la media en luz
// lineal de los píxeles que cubre su celda (la misma medida con la que genera la orden FIEL),
// la proporción de puntos sueltos y el número de colores.
#pragma once
#include <string>

#include "app/estado.h"
#include "app/puertos.h"

namespace pc {

struct Fidelidad {
    double media = 0;    // error medio
    double p95 = 0;      // percentil 95 del error (por rango más próximo)
    double confeti = 0;  // proporción de puntos sueltos, 0..1
    int colores = 0;     // colores distintos de los puntos
    int puntos = 0;
};

// Mide el tapiz 1..ancho × 1..alto de la rejilla frente a la imagen.
Fidelidad medir_fidelidad(const Estado& e, const Imagen& img, int ancho, int alto);

// Proporción de puntos sueltos del tapiz (ninguno de sus cuatro vecinos tiene su color).
double proporcion_sueltos(const Estado& e, int ancho, int alto);

}  // namespace pc
