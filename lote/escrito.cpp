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
    return "Escrito " + salida + " (" + e.ancho + " x " + e.alto + " puntos, " +
           std::to_string(colores_del_tapiz(e, con_perfiles)) + " colores)";
}

void anunciar_escrito(const Estado& e, const std::string& salida, bool con_perfiles) {
    std::cout << linea_escrito(e, salida, con_perfiles) << '\n';
}

}  // namespace pc::lote
