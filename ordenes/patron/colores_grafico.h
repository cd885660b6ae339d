// Los colores del gráfico tal como los lista la ventana de colores: cada color del tapiz
// entero con sus puntos, su hilo del catálogo activo y el símbolo que le tocará en la
// impresión. No toca la paleta del tapiz (paleta): se cuenta aparte después de cada cambio.
#pragma once
#include <climits>
#include <string>
#include <vector>

#include "app/estado.h"
#include "print/simbolos.h"

namespace pc {

struct ColorGrafico {
    Color color = 0;
    int puntos = 0;          // 0: sólo está en perfiles
    int numero = INT_MAX;    // número del hilo activo de ese color; INT_MAX si no es ningún hilo
    std::string hilo;        // "310", "Blanco", "????"
    std::string marca;       // catálogo activo ("DMC", "ANCHOR")
    int simbolo = 0;         // hueco de su símbolo en la impresión (0: ninguno)
};

struct ColoresGrafico {
    std::vector<ColorGrafico> colores;
    // Entre cuántos colores reparte la impresión los símbolos (asignar_simbolos con este
    // número da en el hueco de cada color su símbolo).
    int colores_impresion = 0;
};

// Los colores del tapiz entero (puntos y perfiles), de más a menos puntos. Los símbolos se
// reparten como al imprimir: entre los colores de la paleta del tapiz si está construida, si
// no entre los del tapiz entero, ordenados de más claro a más oscuro. Con un tamaño de tapiz
// que no es válido, ninguno.
ColoresGrafico colores_del_grafico(const Estado& e);

}  // namespace pc
