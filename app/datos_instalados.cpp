#include "app/datos_instalados.h"

#include <cstdlib>
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

std::string carpeta_datos_usuario() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/') return std::string(xdg) + "/puntocruz";
    const char* casa = std::getenv("HOME");
    return std::string(casa && casa[0] ? casa : ".") + "/.local/share/puntocruz";
}

std::string carpeta_dmc_aux(const std::string& carpeta_programa) {
    namespace fs = std::filesystem;
    for (const std::string& c : {carpeta_datos_usuario(), carpeta_programa}) {
        std::error_code ec;
        if (!c.empty() && fs::is_regular_file(fs::path(c) / kFicheroDmcAux, ec)) return c;
    }
    return {};
}

}  // namespace pc
