// puntocruz-lote paleta FICHERO: la lista de colores del tapiz, como la muestra el visor.
#include <iostream>
#include <map>

#include "lote/lote.h"
#include "lote/patron_lote.h"
#include "ordenes/ficheros/ficheros_patron.h"
#include "ordenes/patron/paleta.h"
#include "threads/emparejar.h"

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
    // Las otras puntadas, por clases: todas juntas y cada color, de más a menos puntadas.
    const Puntadas& p = ent.estado->puntadas;
    if (!p.vacia()) {
        std::cout << "Otras puntadas: " << texto_conteo(contar(p)) << '\n';
        std::map<Color, ConteoPuntadas> por_color;
        for (const Parcial& q : p.parciales()) {
            ConteoPuntadas& n = por_color[q.color];
            switch (q.tipo) {
                case TipoParcial::kMedio: ++n.medios; break;
                case TipoParcial::kCuarto: ++n.cuartos; break;
                case TipoParcial::kTresCuartos: ++n.tres_cuartos; break;
                case TipoParcial::kPetit: ++n.petits; break;
            }
        }
        for (const Linea& l : p.lineas()) ++por_color[l.color].pespuntes;
        for (const Nudo& k : p.nudos()) ++por_color[k.color].nudos;
        std::vector<std::pair<Color, ConteoPuntadas>> lista(por_color.begin(), por_color.end());
        std::stable_sort(lista.begin(), lista.end(), [](const auto& a, const auto& b) {
            return a.second.parciales() + a.second.pespuntes + a.second.nudos >
                   b.second.parciales() + b.second.pespuntes + b.second.nudos;
        });
        for (const auto& [c, n] : lista) std::cout << "  " << nombre_hilo(*ent.estado, c) << ": " << texto_conteo(n) << '\n';
    }
    return 0;
}

const bool registrado = registrar({
    "paleta",
    "  puntocruz-lote paleta FICHERO [--catalogo DMC|ANCHOR] [--metodo 1|2]\n"
    "      Escribe la paleta de colores del tapiz (fichero de patrón, .pci u .oxs): cada color con\n"
    "      su hilo del catálogo (DMC si no se indica) y su número de puntos, de más a menos usado;\n"
    "      si el diseño tiene medios puntos, cuartos, tres cuartos, petits, pespuntes o nudos,\n"
    "      cuántos de cada clase, en total y por color.",
    ejecutar_paleta,
});

}  // namespace

}  // namespace pc::lote
