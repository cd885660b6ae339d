// Los símbolos que se imprimen en los puntos: el fichero simbolos.dat, el reparto de los
// símbolos entre los colores de la leyenda y los puntos que se dibujan según el lado de celda.
#pragma once
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "app/estado.h"
#include "app/tipos.h"

namespace pc {

// Capacidad de la tabla de símbolos.
inline constexpr int kMaxSimbolos = 300;
// Nombre del fichero de símbolos, junto al ejecutable.
inline constexpr const char* kFicheroSimbolos = "simbolos.dat";

// Un símbolo: 10 x 10 puntos, punto[fila][columna] contados desde 0.
struct Simbolo {
    std::array<std::array<bool, 10>, 10> punto{};
    friend bool operator==(const Simbolo&, const Simbolo&) = default;
};

// Tabla de símbolos: item[1..total]; item[0] es "ningún símbolo" y siempre está vacío.
struct TablaSimbolos {
    std::array<Simbolo, kMaxSimbolos + 1> item{};
    int total = 0;
};

// Lee el texto de simbolos.dat. Cada símbolo son 10 líneas de fila (se saltan las líneas en
// blanco mientras se busca una); el carácter 1 es la etiqueta ("1".."9", "0" para la fila 10;
// "0" vale para cualquiera) y los caracteres 2 a 11 son los puntos (todo lo que no sea un
// espacio es un punto). Una línea sólo se usa si la sigue más texto: la última línea del
// fichero nunca es una fila y una línea en blanco final empieza un símbolo más, vacío.
// Cada etiqueta inesperada llama a aviso("Error simbolo: 3 linea: 7-6") y la línea se usa
// igualmente. Lee como mucho kMaxSimbolos símbolos; el resto del fichero se ignora.
TablaSimbolos leer_simbolos(std::string_view texto, const std::function<void(const std::string&)>& aviso);

// Ruta de simbolos.dat en la carpeta del programa.
std::string ruta_simbolos(const std::string& carpeta_programa);
// Lee y decodifica el fichero de símbolos; lanza ErrorFichero si no existe o no se puede leer.
TablaSimbolos leer_fichero_simbolos(const std::string& ruta,
                                    const std::function<void(const std::string&)>& aviso);

// Reparte los símbolos leídos (t.total) entre n_colores colores: el hueco 1 conserva el
// símbolo 1 y el hueco b = 2..n_colores toma el símbolo leído Trunc(b * razón), con
// razón = total / n_colores en precisión simple (40 símbolos y 20 colores: 1, 4, 6, ..., 40).
// Devuelve true si hay menos símbolos que colores (toca mostrar mensaje_faltan_simbolos());
// entonces varios colores comparten símbolo. Nunca sale de la tabla: con más de kMaxSimbolos
// colores sólo se asignan los primeros huecos, y un Trunc(b * razón) igual a 0 toma el símbolo 1.
bool asignar_simbolos(TablaSimbolos& t, int n_colores);

// Hueco del símbolo de un color: la posición de la ÚLTIMA entrada 1..total de paleta_imp con
// ese color, o 0 (ningún símbolo) si no está. Los colores de las posiciones por encima de
// kMaxSimbolos reutilizan los huecos desde el 1. Siempre en 0..kMaxSimbolos.
int simbolo_de_color(const TablaHilos& paleta_imp, Color c);

// Los puntos que se dibujan en una celda de lado lado_celda: tamaño de punto d = Trunc(lado / 13)
// y n = 10 puntos por lado; si d sale 0, d = 1 y el símbolo se reduce a 5 x 5 (el punto (R, C)
// está puesto si lo está (2R + 1, 2C) o (2R + 1, 2C + 1) del símbolo entero).
// punto tiene n x n entradas válidas.
struct TramaSimbolo {
    int n = 10;
    int d = 0;
    std::array<std::array<bool, 10>, 10> punto{};
};
TramaSimbolo trama_simbolo(const Simbolo& s, int lado_celda);

// Mensaje de cuando hay más colores que símbolos.
std::string mensaje_faltan_simbolos();

}  // namespace pc
