// puntocruz-lote ajustar ENTRADA -o SALIDA --catalogo DMC|ANCHOR: ajusta cada color del
// tapiz al hilo más próximo del catálogo.
#include <iostream>

#include "lote/escrito.h"
#include "lote/lote.h"
#include "lote/patron_lote.h"
#include "ordenes/ficheros/oxs.h"
#include "ordenes/hilos/ajuste.h"

namespace pc::lote {

namespace {

int ejecutar_ajustar(const std::vector<std::string>& args) {
    const Opciones op = leer_opciones(args, {"-o", "--catalogo", "--metodo"}, {});
    const std::string salida = entrada_y_salida(op);
    const auto catalogo = op.valor("--catalogo");
    if (!catalogo) throw ErrorUso("Indica el catálogo con --catalogo DMC o --catalogo ANCHOR.");
    const std::string nombre = catalogo_opcion(*catalogo);

    Entorno ent;
    leer_metodo(op, *ent.estado);
    if (!cargar_patron(ent, op.sueltos[0])) return 1;
    Captura captura(ent);
    if (!ent.ejecutar([&] { nombre == "DMC" ? ajustar_dmc(ent.sesion) : ajustar_anchor(ent.sesion); }))
        return 1;
    if (!grabar_patron(ent, salida)) return 1;
    captura.escribir_cambios();
    anunciar_escrito(*ent.estado, salida, es_oxs(salida));  // el .oxs lleva el perfilado
    return 0;
}

const bool registrado = registrar({
    "ajustar",
    "  puntocruz-lote ajustar ENTRADA -o SALIDA --catalogo DMC|ANCHOR [--metodo 1|2]\n"
    "      Cambia cada color del tapiz por el hilo más próximo del catálogo, escribe los\n"
    "      cambios y su número, y graba SALIDA (.pci, .oxs o fichero de patrón).",
    ejecutar_ajustar,
});

}  // namespace

}  // namespace pc::lote
