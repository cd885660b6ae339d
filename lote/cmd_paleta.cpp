// puntocruz-lote paleta FICHERO: la lista de colores del tapiz, como la muestra el visor.
#include <iostream>

#include "lote/lote.h"
#include "lote/patron_lote.h"
#include "ordenes/patron/paleta.h"

namespace pc::lote {

namespace {

int ejecutar_paleta(const std::vector<std::string>& args) {
    const Opciones op = leer_opciones(args, {"--metodo", "--catalogo"}, {});
    if (op.sueltos.size() != 1) throw ErrorUso("Indica el fichero de patrón.");
    std::string catalogo = "DMC";
    if (auto c = op.valor("--catalogo")) catalogo = catalogo_opcion(*c);
    Entorno ent;
    leer_metodo(op, *ent.estado);
    if (!ent.usar_catalogo(catalogo)) return 1;
    if (!cargar_patron(ent, op.sueltos[0])) return 1;
    if (!ent.ejecutar([&] { construir_paleta(ent.sesion, false); })) return 1;
    for (const std::string& l : ent.vista.memo) std::cout << l << '\n';
    return 0;
}

const bool registrado = registrar({
    "paleta",
    "  puntocruz-lote paleta FICHERO [--catalogo DMC|ANCHOR] [--metodo 1|2]\n"
    "      Escribe la paleta de colores del tapiz (fichero de patrón, .pci u .oxs): cada color con\n"
    "      su hilo del catálogo (DMC si no se indica) y su número de puntos, de más a menos usado.",
    ejecutar_paleta,
});

}  // namespace

}  // namespace pc::lote
