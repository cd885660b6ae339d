#include "threads/datos.h"

#include "app/estado.h"
#include "app/texto.h"

// Textos compilados dentro del programa a partir de threads/datos/*.dat.
extern const char kTextoDmc[];
extern const char kTextoAnchor[];
extern const char kTextoEquivalencias[];

namespace pc {

const std::vector<std::string>& lineas_dmc_incorporado() {
    static const std::vector<std::string> lineas = partir_lineas(kTextoDmc);
    return lineas;
}

const std::vector<std::string>& lineas_anchor_incorporado() {
    static const std::vector<std::string> lineas = partir_lineas(kTextoAnchor);
    return lineas;
}

const std::vector<std::string>& lineas_equivalencias() {
    static const std::vector<std::string> lineas = partir_lineas(kTextoEquivalencias);
    return lineas;
}

void poner_textos_incorporados(Estado& e) {
    e.texto_dmc = lineas_dmc_incorporado();
    e.texto_anchor = lineas_anchor_incorporado();
}

}  // namespace pc
