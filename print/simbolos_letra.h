// Los símbolos del cuadernillo del patrón: caracteres de la letra que viaja con el programa,
// uno por color. Los primeros son los que mejor se distinguen en una celda de 3 mm; ninguno es
// una cifra (las cifras son los números de filas y columnas).
#pragma once
#include <string>
#include <vector>

namespace pc {

// Colores que reciben un símbolo de un solo carácter; los siguientes, uno de dos letras.
inline constexpr int kSimbolosSencillos = 200;

// Los kSimbolosSencillos símbolos de un carácter, en UTF-8, en el orden en que se reparten.
const std::vector<std::string>& simbolos_letra();

// El símbolo del color k (desde 0): hasta kSimbolosSencillos - 1, uno de los de un carácter;
// después, una mayúscula y una minúscula ("Aa", "Ab"...), distintas para los 600 colores que
// puede tener una paleta.
std::string simbolo_letra(int k);

}  // namespace pc
