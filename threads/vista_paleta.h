// La vista de la paleta de hilos como una lista de figuras: los hilos del catálogo columna a
// columna (con marcas en los que usa el tapiz y en el color actual) y, a la derecha, los
// colores del tapiz de más a menos usado. Un renderizador la pinta tal cual, en orden.
#pragma once
#include <string>
#include <vector>

#include "app/estado.h"

namespace pc {

// Lado del lienzo de la paleta en píxeles.
inline constexpr int kLadoLienzoPaleta = 1200;
// Unidades de la vista: una fila mide 20 píxeles y una columna de pantalla 60.
inline constexpr int kAltoFila = 20;
inline constexpr int kAnchoColumna = 60;
// La lista de colores del tapiz sigue en otra columna, a la derecha, cuando llega abajo: una
// columna de ésas mide lo que su texto más largo ("ANCHOR: 1234 (490000)") y la muestra.
inline constexpr int kAnchoColumnaColores = 160;
// Fila en que empiezan las columnas pares del catálogo, debajo de la impar anterior.
inline constexpr int kFilaColumnaPar = 28;

struct FiguraPaleta {
    enum class Tipo {
        kTexto,    // texto sobre blanco con su esquina superior izquierda en (x, y)
        kMuestra,  // cuadrado de 20 x 20 del color, de (x, y) a (x + 20, y + 20), borde negro de 1
        kMarco,    // marco de pluma 2, sin relleno, de (x, y) a (x + 22, y + 22): hilo en uso
        kElipse,   // elipse de pluma 2, sin relleno, en la caja (x, y) .. (x + 60, y + 20): color actual
    };
    Tipo tipo = Tipo::kTexto;
    int x = 0, y = 0;
    Color color = 0;
    std::string texto;
};

struct DibujoPaleta {
    std::vector<FiguraPaleta> figuras;  // en el orden en que se dibujan, sobre fondo blanco
    int ancho = kLadoLienzoPaleta;      // lo que ocupa: más que el lienzo si la lista no cabe
};

// Maqueta la vista con la paleta del tapiz ya construida. `en_zona` sólo cambia el título de
// la parte derecha; `alto` es el del lienzo (las columnas de pantalla se parten al llegar abajo).
DibujoPaleta maquetar_paleta(const Estado& e, bool en_zona, int alto = kLadoLienzoPaleta);

// Texto del panel 0 con el puntero sobre un píxel de color c de la vista: el hilo más
// próximo (método 1), sus componentes y su columna.
std::string texto_puntero_paleta(const Estado& e, Color c);

}  // namespace pc
