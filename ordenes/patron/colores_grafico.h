// Los colores del gráfico tal como los lista la ventana de colores: cada color del tapiz
// entero con sus puntos, su hilo del catálogo activo y su símbolo del cuadernillo. No toca la paleta del tapiz (paleta): se cuenta aparte después de cada cambio.
#pragma once
#include <climits>
#include <string>
#include <vector>

#include "app/estado.h"
#include "pattern/recuento_clases.h"

namespace pc {

struct ColorGrafico {
    Color color = 0;
    int puntos = 0;          // 0: sólo está en perfiles
    int numero = INT_MAX;    // número del hilo activo de ese color; INT_MAX si no es ningún hilo
    std::string hilo;        // "310", "Blanco", "????"
    std::string marca;       // catálogo activo ("DMC", "ANCHOR")
    std::string simbolo;     // su símbolo en el cuadernillo ("" si sólo está en perfiles)
    // Sus puntadas de las otras clases (medios puntos, cuartos... pespuntes y nudos); `puntos`
    // no cuenta las celdas con parciales.
    RecuentoClases clases;
};

// "12 medios, 3 pespuntes": las puntadas de un color que no son cruces enteras, sólo las
// clases que tiene; vacío si no tiene ninguna. Con `corto`, las palabras abreviadas.
std::string texto_otras_clases(const RecuentoClases& r, bool corto);

struct ColoresGrafico {
    std::vector<ColorGrafico> colores;
};

// Los colores del tapiz entero (puntos, perfiles y las otras clases de puntada), de más a menos
// puntos, con los símbolos de simbolos_del_diseno. Con un tamaño de tapiz que no es válido,
// ninguno.
ColoresGrafico colores_del_grafico(const Estado& e);

}  // namespace pc
