// Lector del fichero de intercambio .oxs: o rechaza el fichero con su mensaje sin escribir nada,
// o deja un tapiz de 1..700 × 1..700 con colores y perfiles válidos, sin escribir fuera de él.
// Lo leído, escrito otra vez como .oxs y vuelto a leer, da los mismos puntos y los mismos lados
// perfilados.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <tuple>
#include <vector>

#include "files/oxs.h"
#include "fuzz/comun.h"

namespace {

using Lado = std::tuple<int, int, int, int, pc::Color>;

std::vector<Lado> lados(const pc::Estado& e, int ancho, int alto) {
    std::vector<Lado> v;
    for (const pc::Pespunte& p : pc::pespuntes_del_tapiz(e, ancho, alto)) v.emplace_back(p.x1, p.y1, p.x2, p.y2, p.color);
    std::sort(v.begin(), v.end());
    return v;
}

// Ida y vuelta, sólo en tapices pequeños para no frenar el fuzzing.
void ida_y_vuelta(const pc::Estado& e, int ancho, int alto) {
    if (ancho * alto > 4096) return;
    static const auto otro = pc::crear_estado();
    pc::leer_oxs(*otro, pc::codificar_oxs(e, ancho, alto, "ida y vuelta"));
    pc::fuzz::exigir(otro->ancho == e.ancho && otro->alto == e.alto, "otro tamaño tras la ida y vuelta");
    for (int y = 1; y <= alto; ++y)
        for (int x = 1; x <= ancho; ++x)
            pc::fuzz::exigir(otro->punto(x, y).color == e.punto(x, y).color, "otro color tras la ida y vuelta");
    pc::fuzz::exigir(lados(*otro, ancho, alto) == lados(e, ancho, alto), "otros lados tras la ida y vuelta");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    using namespace pc;
    static fuzz::Banco banco;
    const auto [ancho, alto] =
        fuzz::leer_patron(banco, datos, n, [](Estado& e, std::string_view b) { leer_oxs(e, b); });
    if (ancho > 0) ida_y_vuelta(banco.e(), ancho, alto);
    banco.comprobar_y_limpiar(ancho, alto, [](const Punto& p) {
        return fuzz::color_valido(p.color) && std::all_of(p.perfil.begin(), p.perfil.end(), [](Color c) {
                   return c == kSinPerfil || fuzz::color_valido(c);
               });
    });
    return 0;
}
