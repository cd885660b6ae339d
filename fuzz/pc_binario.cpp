// Lector del fichero de patrón binario: o rechaza el fichero con su mensaje, o deja un tapiz de
// 1..700 × 1..700 con colores válidos, sin escribir fuera de él.
#include <cstddef>
#include <cstdint>

#include "files/fichero_pc.h"
#include "fuzz/comun.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    static pc::fuzz::Banco banco;
    const auto [ancho, alto] = pc::fuzz::leer_patron(banco, datos, n, pc::leer_pc_binario);
    banco.comprobar_y_limpiar(ancho, alto, pc::fuzz::punto_sin_perfil_valido);
    return 0;
}
