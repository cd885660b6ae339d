// Apoyo de las pruebas de edición: un tapiz dibujado con letras (una por color), el
// catálogo DMC cargado, y la pulsación del botón derecho sobre un punto como la hace la
// ventana (píxel del lienzo dividido por el tamaño de celda).
#pragma once
#include <map>
#include <string>
#include <vector>

#include "ordenes/sesion/patron.h"
#include "tests/comun/banco.h"

namespace pc::prueba {

// Colores de las letras de los dibujos.
inline const std::map<char, Color> kLeyenda = {
    {'.', rgb(128, 128, 128)}, {'A', rgb(200, 30, 30)}, {'B', rgb(30, 30, 200)},
    {'N', rgb(20, 160, 20)},   {'W', rgb(250, 250, 250)}, {'w', rgb(230, 230, 230)},
    {'v', rgb(229, 230, 230)},
};
inline const Color kNuevo = kLeyenda.at('N');

struct BancoEdicion : BancoOrdenes<> {
    BancoEdicion() { cargar_dmc(); }

    // Pone el tapiz dibujado: una cadena por fila; el resto de la rejilla queda en un color
    // que no es de la leyenda para ver si algo lo toca. Sin perfiles.
    void dibujo(const std::vector<std::string>& filas) {
        for (auto& col : e.puntos)
            for (Punto& p : col) p = {kFueraTapiz, {kSinPerfil, kSinPerfil, kSinPerfil, kSinPerfil}};
        for (std::size_t y = 0; y < filas.size(); ++y)
            for (std::size_t x = 0; x < filas[y].size(); ++x)
                e.punto(static_cast<int>(x) + 1, static_cast<int>(y) + 1).color = kLeyenda.at(filas[y][x]);
        e.ancho = std::to_string(filas.front().size());
        e.alto = std::to_string(filas.size());
        e.color_actual = kNuevo;
        e.paleta.total = 5;
    }
    // El tapiz como dibujo; '?' para un color fuera de la leyenda.
    std::vector<std::string> ver() const {
        std::vector<std::string> filas;
        for (int y = 1; y <= std::stoi(e.alto); ++y) {
            std::string f;
            for (int x = 1; x <= std::stoi(e.ancho); ++x) {
                char letra = '?';
                for (const auto& [l, c] : kLeyenda)
                    if (c == e.punto(x, y).color) letra = l;
                f += letra;
            }
            filas.push_back(f);
        }
        return filas;
    }
    // Botón derecho sobre el punto (x, y): la ventana guarda sel_x, sel_y.
    void pulsar(int x, int y) { raton_pulsado(s, Boton::kDerecho, x * e.tam_celda + 1, y * e.tam_celda + 1); }

    static constexpr Color kFueraTapiz = 0x123456;
};

}  // namespace pc::prueba
