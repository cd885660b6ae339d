#include "pattern/zonas.h"

#include <algorithm>
#include <cstdint>

#include "app/texto.h"
#include "pattern/editar.h"
#include "pattern/puntadas_tapiz.h"

namespace pc {

Rango rango_zona(const Estado& e) {
    return Rango{entero(e.zona_x1), entero(e.zona_y1), entero(e.zona_x2), entero(e.zona_y2)};
}

Rango rango_trabajo(const Estado& e) {
    return e.en_zona ? recortar_al_tapiz(rango_zona(e), e) : rango_tapiz(e);
}

bool copiar_zona(Estado& e) {
    const Rango z = rango_zona(e);
    const Rango t = rango_tapiz(e);
    // En 64 bits: las esquinas son textos que pueden estar muy lejos una de otra.
    const std::int64_t an = std::int64_t{z.x2} - z.x1;
    const std::int64_t al = std::int64_t{z.y2} - z.y1;
    if (an >= kMaxPuntos || al >= kMaxPuntos) {
        e.copia_ancho = e.copia_alto = 0;
        return false;
    }
    e.copia_ancho = static_cast<int>(an);
    e.copia_alto = static_cast<int>(al);
    for (int dy = 0; dy <= e.copia_alto; ++dy)
        for (int dx = 0; dx <= e.copia_ancho; ++dx) {
            const std::int64_t x = std::int64_t{z.x1} + dx, y = std::int64_t{z.y1} + dy;
            const bool dentro = x >= t.x1 && x <= t.x2 && y >= t.y1 && y <= t.y2;
            e.copia[static_cast<std::size_t>(dy)][static_cast<std::size_t>(dx)] =
                dentro ? e.punto(static_cast<int>(x), static_cast<int>(y)).color : kBlanco;
        }
    return true;
}

void pegar_copia(Estado& e, int X, int Y, Vista& v) {
    const Rango t = rango_tapiz(e);
    // Una copia vacía (esquinas al revés) tiene tamaño negativo: no pega nada. El tamaño
    // nunca pasa de la copia, 700 × 700.
    const int an = std::min(e.copia_ancho, kMaxPuntos - 1);
    const int al = std::min(e.copia_alto, kMaxPuntos - 1);
    // Sólo los desplazamientos que caen dentro del tapiz, calculados en 64 bits.
    const auto desde = [](std::int64_t origen, int minimo) { return std::max<std::int64_t>(0, minimo - origen); };
    const auto hasta = [](std::int64_t origen, int maximo, int tam) {
        return std::min<std::int64_t>(tam, maximo - origen);
    };
    for (std::int64_t dy = desde(Y, t.y1); dy <= hasta(Y, t.y2, al); ++dy)
        for (std::int64_t dx = desde(X, t.x1); dx <= hasta(X, t.x2, an); ++dx) {
            const Color c = e.copia[static_cast<std::size_t>(dy)][static_cast<std::size_t>(dx)];
            if (suma_componentes(c) >= kUmbralPegado) continue;
            const int x = static_cast<int>(X + dx), y = static_cast<int>(Y + dy);
            e.punto(x, y).color = c;
            punto_entero(e, x, y);
            v.repintar_celda(x, y);
        }
}

void borrar_perfiles(Estado& e, Rango r) {
    r = limitar_rango(r);
    for (int y = r.y1; y <= r.y2; ++y)
        for (int x = r.x1; x <= r.x2; ++x) e.punto(x, y).perfil = {kSinPerfil, kSinPerfil, kSinPerfil, kSinPerfil};
}

}  // namespace pc
