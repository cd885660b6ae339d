// Paletas derivadas de la paleta activa: más contraste, otro brillo o el RGB desplazado.
// Se escriben como texto de catálogo, de modo que se pueden volver a leer como paleta.
#pragma once
#include <string>
#include <vector>

#include "app/estado.h"

namespace pc {

// Un componente con más contraste: Trunc((v − 128) ÷ 128 × k + v), limitado a 0..255.
int canal_contraste(int v, int k);
// Un componente desplazado: v + k, limitado a 0..255.
int canal_desplazado(int v, long long k);

// Texto de la paleta con más contraste; cada columna empieza con ";COLUMNA n".
std::vector<std::string> paleta_contraste(const TablaHilos& hilos, int k);
// Texto de la paleta con cada componente desplazado (k_r, k_g, k_b); cada columna empieza con
// una línea vacía y ";" + el título de su casilla de columna.
std::vector<std::string> paleta_desplazada(const Estado& e, int k_r, int k_g, int k_b);

}  // namespace pc
