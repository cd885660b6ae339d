// Las otras puntadas de las mediciones grandes: 100.000 parciales, 50.000 pespuntes de hasta
// tres puntos en cualquier dirección y 10.000 nudos al azar (siempre los mismos) en un tapiz de
// 700 x 700, con la tela debajo de los parciales. `color()` da el color de cada una.
#pragma once
#include <algorithm>
#include <cstdint>

#include "app/estado.h"

namespace pc::medir {

template <class DarColor>
void poner_otras_puntadas(Estado& e, DarColor color) {
    unsigned semilla = 777;
    const auto azar = [&semilla](int n) {
        semilla = semilla * 1103515245u + 12345u;
        return static_cast<int>((semilla >> 8) % static_cast<unsigned>(n));
    };
    while (e.puntadas.parciales().size() < 100000) {
        Parcial q;
        q.x = static_cast<std::int16_t>(1 + azar(700));
        q.y = static_cast<std::int16_t>(1 + azar(700));
        q.tipo = static_cast<TipoParcial>(azar(4));
        q.esquina = static_cast<Esquina>(azar(4));
        q.diagonal = q.esquina == Esquina::kArribaIzquierda || q.esquina == Esquina::kAbajoDerecha
                         ? Diagonal::kBarra
                         : Diagonal::kInvertida;
        q.color = color();
        if (e.puntadas.poner(q, 700, 700)) e.punto(q.x, q.y).color = kBlanco;  // la tela debajo
    }
    while (e.puntadas.lineas().size() < 50000) {
        Linea l;
        l.u1 = static_cast<std::int16_t>(azar(1401));
        l.v1 = static_cast<std::int16_t>(azar(1401));
        l.u2 = static_cast<std::int16_t>(std::clamp(l.u1 + azar(13) - 6, 0, 1400));
        l.v2 = static_cast<std::int16_t>(std::clamp(l.v1 + azar(13) - 6, 0, 1400));
        l.color = color();
        if (!Puntadas::es_lado_de_celda(l)) e.puntadas.poner(l, 700, 700);
    }
    while (e.puntadas.nudos().size() < 10000) {
        Nudo n;
        n.u = static_cast<std::int16_t>(azar(1401));
        n.v = static_cast<std::int16_t>(azar(1401));
        n.color = color();
        e.puntadas.poner(n, 700, 700);
    }
}

}  // namespace pc::medir
