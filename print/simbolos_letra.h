// Los símbolos del cuadernillo del patrón: caracteres de la letra que viaja con el programa,
// uno por color. Los primeros son los que mejor se distinguen en una celda de 3 mm; ninguno es
// una cifra (las cifras son los números de filas y columnas) y ninguno se confunde con otro de
// la lista: ni girado o reflejado, ni de otro grueso o tamaño, ni relleno frente a hueco.
#pragma once
#include <string>
#include <vector>

namespace pc {

// Los símbolos de un carácter, en UTF-8, en el orden en que se reparten (al menos 400).
const std::vector<std::string>& simbolos_letra();

// Los grupos de caracteres que se confunden entre sí (giros, reflejos, gruesos, tamaños,
// relleno y hueco): de cada grupo, la lista tiene uno como mucho.
const std::vector<std::vector<std::string>>& grupos_parecidos();

// El símbolo del color k (desde 0): uno de los de un carácter mientras los haya; después, una
// mayúscula y una minúscula ("Aa", "Ab"...), distintas para los 600 colores que puede tener una
// paleta.
std::string simbolo_letra(int k);

}  // namespace pc
