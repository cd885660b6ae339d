// Lector del fichero de patrón de texto de la versión 1.2: o rechaza el fichero, o deja un tapiz
// de 1..700 × 1..700 cuyos colores y perfiles son todos entradas de la lista de colores del
// fichero (a lo sumo 600), sin escribir fuera de él.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "files/fichero_pc.h"
#include "fuzz/comun.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    using namespace pc;
    static fuzz::Banco banco;
    const auto [ancho, alto] = fuzz::leer_patron(banco, datos, n, leer_pc_ver12);
    const Estado& e = banco.e();
    fuzz::exigir(e.paleta.total >= 0 && e.paleta.total <= kMaxHilos, "lista de colores fuera de 0..600");

    std::vector<Color> colores;
    for (int k = 1; k <= e.paleta.total; ++k) colores.push_back(e.paleta[k].color);
    std::sort(colores.begin(), colores.end());
    const auto de_la_lista = [&](Color c) { return std::binary_search(colores.begin(), colores.end(), c); };
    banco.comprobar_y_limpiar(ancho, alto, [&](const Punto& p) {
        return de_la_lista(p.color) &&
               std::all_of(p.perfil.begin(), p.perfil.end(), [&](Color c) { return c == -1 || de_la_lista(c); });
    });
    return 0;
}
