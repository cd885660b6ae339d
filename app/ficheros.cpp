#include "app/ficheros.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>

#include "app/errores.h"

namespace pc {

namespace {
std::string motivo(int err) { return std::strerror(err); }

std::string no_se_puede_crear(const std::string& ruta, int err) {
    return "Cannot create file \"" + ruta + "\". " + motivo(err);
}
}  // namespace

std::string leer_fichero(const std::string& ruta) {
    errno = 0;
    std::ifstream f(ruta, std::ios::binary);
    if (!f) throw ErrorFichero("Cannot open file \"" + ruta + "\". " + motivo(errno ? errno : ENOENT));
    // Con el tamaño conocido se lee de una vez, sin copias (las fotos pasan de 30 MB).
    f.seekg(0, std::ios::end);
    const std::streamoff tam = f.tellg();
    f.seekg(0, std::ios::beg);
    if (tam > 0 && f) {
        std::string bytes(static_cast<std::size_t>(tam), '\0');
        f.read(bytes.data(), tam);
        if (!f.bad() && f.gcount() == tam && f.peek() == std::char_traits<char>::eof()) return bytes;
        if (f.bad()) throw ErrorFichero("Cannot open file \"" + ruta + "\". " + motivo(EIO));
        // El fichero cambió de tamaño mientras se leía: se lee entero otra vez, a trozos.
        f.clear();
        f.seekg(0, std::ios::beg);
    } else {
        f.clear();
        f.seekg(0, std::ios::beg);
    }
    std::ostringstream out;
    out << f.rdbuf();
    if (f.bad()) throw ErrorFichero("Cannot open file \"" + ruta + "\". " + motivo(EIO));
    return out.str();
}

void escribir_fichero(const std::string& ruta, const std::string& bytes) {
    static std::mt19937 azar{std::random_device{}()};
    const std::string temporal = ruta + ".tmp" + std::to_string(azar() % 1000000);
    const int fd = ::open(temporal.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) throw ErrorFichero(no_se_puede_crear(ruta, errno));
    std::size_t hecho = 0;
    while (hecho < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + hecho, bytes.size() - hecho);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            ::unlink(temporal.c_str());
            throw ErrorFichero(no_se_puede_crear(ruta, err));
        }
        hecho += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        const int err = errno;
        ::unlink(temporal.c_str());
        throw ErrorFichero(no_se_puede_crear(ruta, err));
    }
    if (std::rename(temporal.c_str(), ruta.c_str()) != 0) {
        const int err = errno;
        ::unlink(temporal.c_str());
        throw ErrorFichero(no_se_puede_crear(ruta, err));
    }
}

}  // namespace pc
