#include "lote/escrito.h"

#include <algorithm>
#include <vector>

#include "app/texto.h"

namespace pc::lote {

int colores_del_tapiz(const Estado& e, bool con_perfiles) {
    int ancho = 0, alto = 0;
    if (!leer_entero(e.ancho, ancho) || !leer_entero(e.alto, alto)) return 0;
    ancho = std::clamp(ancho, 0, kMaxPuntos);
    alto = std::clamp(alto, 0, kMaxPuntos);
    std::vector<Color> colores;
    colores.reserve(static_cast<std::size_t>(ancho) * static_cast<std::size_t>(alto));
    for (int x = 1; x <= ancho; ++x)
        for (int y = 1; y <= alto; ++y) {
            const Punto& p = e.punto(x, y);
            colores.push_back(p.color);
            if (!con_perfiles) continue;
            for (Color c : p.perfil)
                if (c != kSinPerfil) colores.push_back(c);
        }
    std::sort(colores.begin(), colores.end());
    return static_cast<int>(std::unique(colores.begin(), colores.end()) - colores.begin());
}

std::string linea_escrito(const Estado& e, const std::string& salida, bool con_perfiles) {
    // Los números que se usaron, no el texto tal como se tecleó ("+5", " 5").
    int ancho = 0, alto = 0;
    leer_entero(e.ancho, ancho);
    leer_entero(e.alto, alto);
    return "Escrito " + salida + " (" + std::to_string(ancho) + " x " + std::to_string(alto) + " puntos, " +
           std::to_string(colores_del_tapiz(e, con_perfiles)) + " colores)";
}

void anunciar_escrito(const Estado& e, const std::string& salida, bool con_perfiles) {
    std::cout << linea_escrito(e, salida, con_perfiles) << '\n';
}

}  // namespace pc::lote
