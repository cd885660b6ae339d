// puntocruz-lote equivalencias: el hilo DMC más próximo a cada hilo ANCHOR.
#include <iostream>

#include "lote/lote.h"
#include "ordenes/hilos/ajuste.h"

namespace pc::lote {

namespace {

int ejecutar_equivalencias(const std::vector<std::string>& args) {
    const Opciones op = leer_opciones(args, {"--metodo"}, {});
    if (!op.sueltos.empty()) throw ErrorUso("La suborden equivalencias no lleva ficheros.");
    Entorno ent;
    leer_metodo(op, *ent.estado);
    ent.vista.memo.clear();
    if (!ent.ejecutar([&] { calcular_equivalencias(ent.sesion); })) return 1;
    for (const std::string& l : ent.vista.memo) std::cout << l << '\n';
    return 0;
}

const bool registrado = registrar({
    "equivalencias",
    "  puntocruz-lote equivalencias [--metodo 1|2]\n"
    "      Escribe, para cada hilo ANCHOR, el número del hilo DMC más próximo.",
    ejecutar_equivalencias,
});

}  // namespace

}  // namespace pc::lote
