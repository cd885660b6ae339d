#include "app/memoria.h"

#include <sys/mman.h>

#include <cstdlib>

namespace pc {

void* reservar_grande(std::size_t bytes) {
    constexpr std::size_t kPagina = std::size_t{2} << 20;
    // Por debajo de unas pocas páginas grandes no compensa redondear.
    if (bytes < 4 * kPagina) return std::malloc(bytes == 0 ? 1 : bytes);
    const std::size_t redondeado = (bytes + kPagina - 1) / kPagina * kPagina;
    void* memoria = std::aligned_alloc(kPagina, redondeado);
#ifdef MADV_HUGEPAGE
    if (memoria) ::madvise(memoria, redondeado, MADV_HUGEPAGE);
#endif
    return memoria;
}

}  // namespace pc
