// Apoyo de las pruebas de la paleta, las reducciones y el ajuste a hilos: un estado con los
// valores de arranque y el catálogo DMC cargado, y un tapiz pequeño escrito a mano.
#pragma once
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "tests/comun/banco.h"

namespace pc::prueba {

struct Banco : BancoOrdenes<> {
    Banco() : BancoOrdenes(600, 400) { cargar_dmc(); }

    // Tapiz con las filas dadas (cada fila, colores de izquierda a derecha), sin perfiles.
    void tapiz(std::initializer_list<std::vector<Color>> filas) {
        int y = 0, ancho = 0;
        for (const auto& fila : filas) {
            ++y;
            ancho = static_cast<int>(fila.size());
            for (int x = 1; x <= ancho; ++x) {
                e.punto(x, y).color = fila[static_cast<std::size_t>(x - 1)];
                e.punto(x, y).perfil.fill(kSinPerfil);
            }
        }
        e.ancho = std::to_string(ancho);
        e.alto = std::to_string(y);
        e.paleta.total = 0;
    }

    // Tapiz de ancho × alto puntos de un solo color, sin perfiles.
    void liso(int ancho, int alto, Color c) {
        for (int y = 1; y <= alto; ++y)
            for (int x = 1; x <= ancho; ++x) {
                e.punto(x, y).color = c;
                e.punto(x, y).perfil.fill(kSinPerfil);
            }
        e.ancho = std::to_string(ancho);
        e.alto = std::to_string(alto);
        e.paleta.total = 0;
    }

    // Número de puntos del tapiz con ese color.
    int cuenta(Color c) const {
        const int ancho = std::stoi(e.ancho), alto = std::stoi(e.alto);
        int n = 0;
        for (int y = 1; y <= alto; ++y)
            for (int x = 1; x <= ancho; ++x) n += e.punto(x, y).color == c;
        return n;
    }

    // Bloquea (o desactiva) el hilo DMC de ese número.
    Hilo& hilo_dmc(int numero) { return hilo_numero(e, numero); }

    bool correr(const std::function<void()>& orden) { return ejecutar(d, orden); }
};

}  // namespace pc::prueba
