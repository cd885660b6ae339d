#include "app/datos_instalados.h"

#include <filesystem>
#include <system_error>

namespace pc {

std::string buscar_dato(const std::string& carpeta_programa, const std::string& nombre) {
    namespace fs = std::filesystem;
    const fs::path junto = fs::path(carpeta_programa) / nombre;
    const fs::path candidatos[] = {
        junto,
        fs::path(carpeta_programa) / ".." / "share" / "puntocruz" / nombre,
    };
    for (const fs::path& p : candidatos) {
        std::error_code ec;
        if (fs::is_regular_file(p, ec)) return p.lexically_normal().string();
    }
    return junto.string();
}

}  // namespace pc
