// El símbolo de cada color de un diseño, el mismo en el cuadernillo, en la ventana de los colores
// del gráfico y en el gráfico en pantalla.
#pragma once
#include <string>
#include <unordered_map>

#include "app/estado.h"

namespace pc {

// Los colores de los puntos del tapiz entero, de más a menos puntos y, a igualdad, por su valor,
// reciben los símbolos de simbolo_letra en su orden: los más claros para los más usados. Los
// colores que sólo están en el perfilado no tienen símbolo ni cambian los de los demás. Vacío si
// el tamaño del tapiz no es válido. Los colores que sólo llevan parciales reciben los
// siguientes.
std::unordered_map<Color, std::string> simbolos_del_diseno(const Estado& e);

}  // namespace pc
