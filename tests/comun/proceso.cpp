#include "tests/comun/proceso.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace pc::prueba {

std::string comillas(const std::string& s) {
    std::string out = "'";
    for (char c : s) {
        if (c == '\'') out += "'\\''";
        else out += c;
    }
    return out + "'";
}

Resultado ejecutar_lote(const std::string& argumentos) {
    namespace fs = std::filesystem;
    static int n = 0;
    const fs::path err = fs::temp_directory_path() /
                         ("pc_lote_err_" + std::to_string(::getpid()) + "_" + std::to_string(n++));
    const std::string orden = comillas(PC_LOTE) + " " + argumentos + " 2>" + comillas(err.string());
    Resultado r;
    FILE* p = ::popen(orden.c_str(), "r");
    if (!p) return r;
    char buf[4096];
    std::size_t leidos = 0;
    while ((leidos = std::fread(buf, 1, sizeof buf, p)) > 0) r.salida.append(buf, leidos);
    const int estado = ::pclose(p);
    r.codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    std::ifstream f(err);
    std::ostringstream ss;
    ss << f.rdbuf();
    r.errores = ss.str();
    fs::remove(err);
    return r;
}

}  // namespace pc::prueba
