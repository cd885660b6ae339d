// El texto que acompaña a una copia de recuperación: cualquier texto se lee o se rechaza sin
// más, y lo leído se vuelve a escribir y a leer igual.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/recuperacion.h"
#include "fuzz/comun.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    using namespace pc;
    const auto d = leer_texto_recuperacion(std::string_view(reinterpret_cast<const char*>(datos), n));
    if (!d) return 0;
    const auto otra = leer_texto_recuperacion(texto_recuperacion(*d));
    fuzz::exigir(otra && *otra == *d, "lo leído no se vuelve a leer igual");
    return 0;
}
