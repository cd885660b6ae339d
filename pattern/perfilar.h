// El perfilado de un área: líneas a lo largo de los lados de los puntos que rodean un área
// de un color, guardadas en los perfiles de esos puntos.
#pragma once
#include "app/estado.h"
#include "app/puertos.h"

namespace pc {

enum class Sentido {
    kAbajo = 1,   // avanza hacia la derecha y hacia abajo
    kArriba = 2,  // hacia la izquierda y hacia arriba
    kTodo = 3     // en los cuatro sentidos: toda el área
};

// Perfila con color_actual el área del color del punto (x, y) del tapiz de ancho × alto.
// Recorre el área desde ese punto por sus vecinos de lado en los sentidos pedidos; cada
// punto de otro color al que llega es un punto del borde, y recibe una línea en cada lado
// que da a un vecino del color del área (el borde exterior del tapiz nunca se perfila).
// Usa `visitado` y una pila propia, nunca recursión. Un punto fuera del tapiz no hace nada.
// Dibuja cada línea nueva por la vista y devuelve cuántas puso.
long perfilar(Estado& e, int x, int y, Sentido sentido, int ancho, int alto, Vista& v);

}  // namespace pc
