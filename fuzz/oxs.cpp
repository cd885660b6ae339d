// Lector del fichero de intercambio .oxs: o rechaza el fichero con su mensaje sin escribir nada,
// o deja un tapiz de 1..700 × 1..700 con colores y perfiles válidos, sin escribir fuera de él.
// Lo leído, escrito otra vez como .oxs y vuelto a leer, da los mismos puntos, los mismos lados
// perfilados y las mismas otras puntadas (parciales, pespuntes y nudos), todas dentro del tapiz.
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
    pc::fuzz::exigir(otro->puntadas == e.puntadas, "otras puntadas tras la ida y vuelta");
}

// Todas las otras puntadas caen en el tapiz y tienen un color válido.
void puntadas_dentro(const pc::Puntadas& p, int ancho, int alto) {
    auto punto = [&](int u, int v) { return u >= 0 && v >= 0 && u <= 2 * ancho && v <= 2 * alto; };
    for (const pc::Parcial& q : p.parciales())
        pc::fuzz::exigir(q.x >= 1 && q.y >= 1 && q.x <= ancho && q.y <= alto && pc::fuzz::color_valido(q.color),
                         "parcial fuera del tapiz");
    for (const pc::Linea& l : p.lineas())
        pc::fuzz::exigir(punto(l.u1, l.v1) && punto(l.u2, l.v2) && l.hebras >= 1 && pc::fuzz::color_valido(l.color),
                         "pespunte fuera del tapiz");
    for (const pc::Nudo& k : p.nudos())
        pc::fuzz::exigir(punto(k.u, k.v) && k.hebras >= 1 && pc::fuzz::color_valido(k.color), "nudo fuera del tapiz");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    using namespace pc;
    static fuzz::Banco banco;
    const auto [ancho, alto] =
        fuzz::leer_patron(banco, datos, n, [](Estado& e, std::string_view b) { leer_oxs(e, b); });
    if (ancho > 0) {
        puntadas_dentro(banco.e().puntadas, ancho, alto);
        ida_y_vuelta(banco.e(), ancho, alto);
    }
    banco.comprobar_y_limpiar(ancho, alto, [](const Punto& p) {
        return fuzz::color_valido(p.color) && std::all_of(p.perfil.begin(), p.perfil.end(), [](Color c) {
                   return c == kSinPerfil || fuzz::color_valido(c);
               });
    });
    return 0;
}
