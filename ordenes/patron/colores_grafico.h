// Los colores del gráfico tal como los lista la ventana de colores: cada color del tapiz
// entero con sus puntos, su hilo del catálogo activo y su símbolo del cuadernillo. No toca la paleta del tapiz (paleta): se cuenta aparte después de cada cambio.
#pragma once
#include <climits>
#include <string>
#include <vector>

#include "app/estado.h"

namespace pc {

struct ColorGrafico {
    Color color = 0;
    int puntos = 0;          // 0: sólo está en perfiles
    int numero = INT_MAX;    // número del hilo activo de ese color; INT_MAX si no es ningún hilo
    std::string hilo;        // "310", "Blanco", "????"
    std::string marca;       // catálogo activo ("DMC", "ANCHOR")
    std::string simbolo;     // su símbolo en el cuadernillo ("" si sólo está en perfiles)
};

struct ColoresGrafico {
    std::vector<ColorGrafico> colores;
};

// Los colores del tapiz entero (puntos y perfiles), de más a menos puntos, con los símbolos de
// simbolos_del_diseno. Con un tamaño de tapiz que no es válido, ninguno.
ColoresGrafico colores_del_grafico(const Estado& e);

}  // namespace pc
