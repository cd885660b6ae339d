// Lector del texto de catálogo de hilos: o se detiene con el mensaje de conversión, o llena la
// tabla con a lo sumo 600 hilos activos de colores válidos; los títulos sólo van a 1..19.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/errores.h"
#include "fuzz/comun.h"
#include "threads/catalogo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    using namespace pc;
    static TablaHilos tabla;
    std::array<std::string, kColumnasCatalogo + 1> titulos{};
    const auto lineas = partir_lineas(decodificar(std::string_view(reinterpret_cast<const char*>(datos), n)));
    try {
        leer_catalogo(lineas, tabla, titulos);
    } catch (const ErrorConversion& err) {
        fuzz::exigir(std::string(err.what()).find("is not a valid integer value") != std::string::npos,
                     "error de conversión sin su mensaje");
    }
    fuzz::exigir(tabla.total >= 0 && tabla.total <= kMaxHilos, "tabla fuera de 0..600");
    // La línea que detuvo la carga no cuenta: todas las entradas contadas están completas.
    for (int k = 1; k <= tabla.total; ++k) {
        fuzz::exigir(fuzz::color_valido(tabla[k].color), "hilo con un color imposible");
        fuzz::exigir(tabla[k].activo && !tabla[k].bloqueado, "hilo cargado inactivo o bloqueado");
    }
    fuzz::exigir(titulos[0].empty(), "título en la columna 0");
    return 0;
}
