// Los rellenos del gráfico: macizo, tramado y hasta blanco.
#pragma once
#include "app/estado.h"
#include "app/puertos.h"

namespace pc {

enum class Relleno {
    kMacizo,      // los vecinos de lado del color objetivo
    kTramado,     // sólo los vecinos en diagonal: deja un damero sobre un área lisa
    kHastaBlanco  // los vecinos de lado de cualquier color que no sea casi blanco
};

// Un color cuya suma de componentes llega a este umbral cuenta como blanco al rellenar
// "hasta BLANCO".
inline constexpr int kUmbralBlanco = 690;

// Rellena con color_actual desde el punto (x, y) del tapiz de ancho × alto, repintando cada
// punto pintado. El objetivo es el color de ese punto; si ya es color_actual, o el punto
// no es del tapiz, no hace nada. Recorre con una pila propia (nunca con recursión), así
// que un tapiz de 700 × 700 de un solo color se rellena sin agotar la pila de llamadas.
// Devuelve cuántos puntos pintó.
long rellenar(Estado& e, int x, int y, Relleno modo, int ancho, int alto, Vista& v);

}  // namespace pc
