// Lectura directa de los BMP sin compresión, por el mismo camino que al abrir una imagen
// (cabecera, regla de los 100 megapíxeles, medidas, destino y filas a trozos), desde memoria. O
// la rechaza (ErrorFormato con el nombre o por su tamaño, o false), o las medidas están dentro
// de lo que promete y escribió cada píxel del destino, opaco, sin pasarse de él y con lo mismo
// que da la lectura de los bytes enteros.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/errores.h"
#include "files/bmp.h"
#include "fuzz/comun.h"

namespace {

constexpr std::int64_t kMaxPixeles = 16 * 1024 * 1024;  // el arnés no pide más de 64 MB
constexpr std::uint32_t kSinEscribir = 0x00A5A5A5;      // sin el alfa 0xFF que pone el lector
constexpr std::uint32_t kGuarda = 0x5EC0DE00;
constexpr std::size_t kGuardas = 64;
constexpr std::int64_t kLadoMaximo = 50000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    using namespace pc;
    const std::string bytes(reinterpret_cast<const char*>(datos), n);
    std::optional<BmpDirecto> medidas;
    std::vector<std::uint32_t> destino;
    bool leida = false;
    try {
        leida = leer_bmp_memoria(bytes, "foto.bmp", [&](const BmpDirecto& f) {
            medidas = f;
            if (f.ancho <= 0 || f.alto <= 0 || static_cast<std::int64_t>(f.ancho) * f.alto > kMaxPixeles)
                return DestinoBmp{};
            destino.assign(static_cast<std::size_t>(f.ancho) * f.alto, kSinEscribir);
            destino.resize(destino.size() + kGuardas, kGuarda);
            return DestinoBmp{destino.data(), f.ancho};
        });
    } catch (const ErrorFormato& err) {
        fuzz::comprobar_rechazo_bmp(err, bytes);
        fuzz::exigir(!medidas, "destino pedido antes de rechazar la cabecera");
        return 0;
    }
    if (!destino.empty()) {
        for (std::size_t i = destino.size() - kGuardas; i < destino.size(); ++i)
            fuzz::exigir(destino[i] == kGuarda, "escrito tras el final del destino");
    }
    if (!leida) return 0;

    fuzz::exigir(medidas.has_value() && !destino.empty(), "leída sin pedir el destino");
    const BmpDirecto& f = *medidas;
    fuzz::exigir(f.ancho >= 1 && f.ancho <= kLadoMaximo && f.alto >= 1 && f.alto <= kLadoMaximo,
                 "medidas fuera de 1..50000");
    fuzz::exigir(!pasa_del_maximo(f.ancho, f.alto), "leída con más de 100 megapíxeles");
    fuzz::exigir(f.bits == 8 || f.bits == 24 || f.bits == 32, "bits por píxel que la vía directa no lee");
    fuzz::exigir(f.fila == (static_cast<std::size_t>(f.ancho) * f.bits + 31) / 32 * 4, "fila mal medida");
    fuzz::exigir(f.datos >= 54 && f.datos <= n && (n - f.datos) / f.fila >= static_cast<std::size_t>(f.alto),
                 "filas fuera del fichero");
    if (f.bits == 8)
        fuzz::exigir(f.colores >= 1 && f.colores <= 256 && f.paleta + 4 * f.colores <= f.datos,
                     "paleta fuera de su sitio");

    const std::size_t pixeles = static_cast<std::size_t>(f.ancho) * f.alto;
    for (std::size_t i = 0; i < pixeles; ++i)
        fuzz::exigir((destino[i] >> 24) == 0xFF, "píxel sin escribir o transparente");

    // Los bytes enteros dan las mismas medidas y los mismos píxeles que la lectura a trozos.
    const auto g = bmp_directo(bytes);
    fuzz::exigir(g && g->ancho == f.ancho && g->alto == f.alto && g->bits == f.bits && g->datos == f.datos &&
                     g->de_arriba_abajo == f.de_arriba_abajo,
                 "medidas distintas con los bytes enteros");
    std::vector<std::uint32_t> otra(pixeles, kSinEscribir);
    fuzz::exigir(leer_bmp_directo(bytes, *g, otra.data(), f.ancho), "los bytes enteros no se leen");
    fuzz::exigir(std::equal(otra.begin(), otra.end(), destino.begin()), "píxeles distintos con los bytes enteros");
    return 0;
}
