// Color percibido: paso de sRGB a luz lineal y a CIELAB (iluminante D65) y la diferencia de
// color CIEDE2000 (Sharma, Wu y Dalal, 2005), con la que se comparan las celdas con los hilos.
#pragma once
#include <array>

#include "app/tipos.h"

namespace pc {

struct Lab {
    float l = 0, a = 0, b = 0;
};

// La tabla de sRGB de 8 bits a luz lineal (0..1), indexada por la componente.
const std::array<float, 256>& tabla_lineal();
// Componente sRGB de 8 bits en luz lineal (0..1), por tabla.
float a_lineal(int v);
// Componente en luz lineal (0..1) al sRGB de 8 bits más próximo.
int de_lineal(float v);
// CIELAB de un color en luz lineal (r, g, b en 0..1).
Lab lab_de_lineal(float r, float g, float b);
// CIELAB de un color del programa.
Lab lab_de_color(Color c);
// Diferencia CIEDE2000 con kL = kC = kH = 1.
double de00(const Lab& x, const Lab& y);
// Cuadrado de la distancia euclídea en Lab (CIE76): barata, para descartar candidatos.
inline float d76_cuadrado(const Lab& x, const Lab& y) {
    const float dl = x.l - y.l, da = x.a - y.a, db = x.b - y.b;
    return dl * dl + da * da + db * db;
}

}  // namespace pc
