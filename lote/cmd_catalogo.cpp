// puntocruz-lote catalogo DMC|ANCHOR: escribe el texto del catálogo incorporado.
#include <iostream>

#include "lote/lote.h"

namespace pc::lote {

namespace {

int ejecutar_catalogo(const std::vector<std::string>& args) {
    const Opciones op = leer_opciones(args, {}, {});
    if (op.sueltos.size() != 1) throw ErrorUso("Indica un catálogo: DMC o ANCHOR.");
    const std::string nombre = catalogo_opcion(op.sueltos[0]);
    Entorno ent;
    // Línea a línea, como lo graba la orden de la ventana, pero en UTF-8.
    const auto& texto = nombre == "ANCHOR" ? ent.estado->texto_anchor : ent.estado->texto_dmc;
    for (const std::string& linea : texto) std::cout << linea << '\n';
    std::cout.flush();
    return std::cout ? 0 : 1;
}

const bool registrado = registrar({
    "catalogo",
    "  puntocruz-lote catalogo DMC|ANCHOR\n"
    "      Escribe en la salida el texto del catálogo de hilos incorporado (UTF-8).",
    ejecutar_catalogo,
});

}  // namespace

}  // namespace pc::lote
