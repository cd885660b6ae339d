// Bloques de memoria grandes (una foto, la rejilla del diseño): alineados a 2 MB y en páginas
// grandes cuando el sistema las da, que se estrenan mucho más deprisa que miles de páginas
// pequeñas.
#pragma once
#include <cstddef>

namespace pc {

// nullptr si no hay memoria. Se libera con std::free.
void* reservar_grande(std::size_t bytes);

}  // namespace pc
