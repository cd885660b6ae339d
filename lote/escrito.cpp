#include "lote/escrito.h"

#include "app/texto.h"
#include "pattern/paleta.h"

namespace pc::lote {

int colores_del_tapiz(const Estado& e, bool con_perfiles) {
    int ancho = 0, alto = 0;
    if (!leer_entero(e.ancho, ancho) || !leer_entero(e.alto, alto)) return 0;
    return colores_distintos(e, Rango{1, 1, ancho, alto}, con_perfiles);
}

std::string linea_escrito(const Estado& e, const std::string& salida, bool con_perfiles) {
    // Los números que se usaron, no el texto tal como se tecleó ("+5", " 5").
    int ancho = 0, alto = 0;
    leer_entero(e.ancho, ancho);
    leer_entero(e.alto, alto);
    const int colores = colores_del_tapiz(e, con_perfiles);
    return "Escrito " + salida + " (" + std::to_string(ancho) + " x " + std::to_string(alto) + " puntos, " +
           std::to_string(colores) + (colores == 1 ? " color)" : " colores)");
}

std::string linea_escrito_trozo(const Estado& e, const std::string& salida, int x1, int y1, int x2, int y2,
                                bool con_perfiles) {
    return "Escrito " + salida + " (" + std::to_string(x2 - x1 + 1) + " x " + std::to_string(y2 - y1 + 1) +
           " puntos, " + std::to_string(colores_distintos(e, Rango{x1, y1, x2, y2}, con_perfiles)) + " colores)";
}

void anunciar_escrito(const Estado& e, const std::string& salida, bool con_perfiles) {
    std::cout << linea_escrito(e, salida, con_perfiles) << '\n';
}

}  // namespace pc::lote
