// puntocruz-lote reducir ENTRADA -o SALIDA (--colores N | --similares N | --tonos N): una
// reducción de colores del tapiz.
#include <functional>
#include <iostream>

#include "lote/escrito.h"
#include "lote/lote.h"
#include "lote/patron_lote.h"
#include "ordenes/ficheros/oxs.h"
#include "ordenes/patron/paleta.h"

namespace pc::lote {

namespace {

int ejecutar_reducir(const std::vector<std::string>& args) {
    const Opciones op = leer_opciones(args, {"-o", "--colores", "--similares", "--tonos", "--metodo"}, {});
    const std::string salida = entrada_y_salida(op);
    const int elegidas = op.tiene("--colores") + op.tiene("--similares") + op.tiene("--tonos");
    if (elegidas != 1) throw ErrorUso("Indica una sola reducción: --colores N, --similares N o --tonos N.");

    Entorno ent;
    Estado& e = *ent.estado;
    leer_metodo(op, e);
    std::function<void()> orden;
    if (auto n = op.valor("--colores")) {
        e.n_colores = std::to_string(entero_opcion("--colores", *n, 1, 1000000));
        orden = [&] { reducir_paleta(ent.sesion, false); };
    } else if (auto n = op.valor("--similares")) {
        e.dif_max = std::to_string(entero_opcion("--similares", *n, 0, 765));
        orden = [&] { reducir_similares(ent.sesion, false); };
    } else {
        e.divisor_tonos = std::to_string(entero_opcion("--tonos", *op.valor("--tonos"), 1, 255));
        orden = [&] { reducir_tonos(ent.sesion, false); };
    }

    if (!cargar_patron(ent, op.sueltos[0])) return 1;
    Captura captura(ent);
    if (!ent.ejecutar(orden)) return 1;
    if (!grabar_patron(ent, salida)) return 1;
    if (!op.tiene("--tonos")) captura.escribir_cambios();
    anunciar_escrito(*ent.estado, salida, es_oxs(salida));  // el .oxs lleva el perfilado
    return 0;
}

const bool registrado = registrar({
    "reducir",
    "  puntocruz-lote reducir ENTRADA -o SALIDA (--colores N | --similares N | --tonos N)\n"
    "                         [--metodo 1|2]\n"
    "      Reduce los colores del tapiz: deja los N más usados (--colores), junta los que\n"
    "      difieren en N o menos (--similares) o divide los tonos por N (--tonos). Escribe\n"
    "      los cambios y su número, y graba SALIDA (.pci, .oxs o fichero de patrón).",
    ejecutar_reducir,
});

}  // namespace

}  // namespace pc::lote
