#include "app/ficheros.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <random>

namespace pc {

namespace {

std::string sistema(int err) { return std::strerror(err); }

// ---------------------------------------------------------------- lectura

std::string motivo_lectura(int err) {
    switch (err) {
        case ENOENT:
        case ENOTDIR: return "no existe";
        case EACCES:
        case EPERM: return "no hay permiso para leerlo";
        case EISDIR: return "no es un fichero";
        case ELOOP: return "hay un bucle de enlaces simbólicos";
        default: return sistema(err);
    }
}

[[noreturn]] void no_se_puede_abrir(const std::string& ruta, int err) {
    throw ErrorLectura("Cannot open file \"" + ruta + "\". " + sistema(err),
                       "No se puede abrir el fichero \"" + ruta + "\": " + motivo_lectura(err));
}

// Rechazo propio (no del sistema): el mismo texto en las dos formas.
[[noreturn]] void rechazo(const std::string& ruta, const std::string& motivo) {
    const std::string aviso = "No se puede abrir el fichero \"" + ruta + "\": " + motivo;
    throw ErrorLectura(aviso, aviso);
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Cierra y devuelve el error del cierre (0 si fue bien).
    int cerrar() {
        const int r = ::close(fd_);
        fd_ = -1;
        return r == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// ---------------------------------------------------------------- escritura

[[noreturn]] void no_se_puede_crear(const std::string& ruta, int err) {
    throw ErrorFichero("Cannot create file \"" + ruta + "\". " + sistema(err));
}

std::string carpeta_de(const std::string& ruta) {
    const std::size_t barra = ruta.rfind('/');
    if (barra == std::string::npos) return ".";
    if (barra == 0) return "/";
    return ruta.substr(0, barra);
}

// Sigue los enlaces simbólicos hasta el fichero al que apuntan (exista o no todavía), para
// escribir a través de ellos en lugar de reemplazar el enlace por un fichero.
std::string seguir_enlaces(const std::string& ruta) {
    std::string actual = ruta;
    for (int saltos = 0; saltos < 40; ++saltos) {
        struct stat st {};
        if (::lstat(actual.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return actual;
        std::string destino(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
        const ssize_t n = ::readlink(actual.c_str(), destino.data(), destino.size());
        if (n < 0) return actual;
        destino.resize(static_cast<std::size_t>(n));
        actual = !destino.empty() && destino[0] == '/' ? destino : carpeta_de(actual) + "/" + destino;
    }
    no_se_puede_crear(ruta, ELOOP);
}

std::string nombre_temporal(const std::string& carpeta) {
    static std::mt19937 azar{std::random_device{}()};
    static const char letras[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string n = carpeta + "/" + std::string(kPrefijoTemporal);
    for (int k = 0; k < 6; ++k) n += letras[azar() % (sizeof(letras) - 1)];
    return n;
}

mode_t permisos_nuevos() {
    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    return 0666 & ~mascara;
}

int escribir_todo(int fd, std::string_view bytes) {
    std::size_t hecho = 0;
    while (hecho < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + hecho, bytes.size() - hecho);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        hecho += static_cast<std::size_t>(n);
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

// Borra los temporales que dejó una grabación interrumpida (el programa se cerró a la fuerza a
// mitad): los de este usuario con más de diez minutos, que ninguna grabación viva tarda tanto.
void limpiar_temporales_viejos(const std::string& carpeta) {
    DIR* d = ::opendir(carpeta.c_str());
    if (!d) return;
    const std::time_t ahora = std::time(nullptr);
    while (const dirent* ent = ::readdir(d)) {
        const std::string_view nombre = ent->d_name;
        if (nombre.size() != kPrefijoTemporal.size() + 6 || nombre.substr(0, kPrefijoTemporal.size()) != kPrefijoTemporal)
            continue;
        const std::string ruta = carpeta + "/" + std::string(nombre);
        struct stat st {};
        if (::lstat(ruta.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
            ahora - st.st_mtime > 600)
            ::unlink(ruta.c_str());
    }
    ::closedir(d);
}

}  // namespace

std::string leer_fichero(const std::string& ruta, std::size_t maximo) {
    // O_NONBLOCK: abrir una tubería con nombre no debe quedarse esperando a quien escriba.
    Descriptor fd(::open(ruta.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) no_se_puede_abrir(ruta, errno);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) no_se_puede_abrir(ruta, errno);
    if (!S_ISREG(st.st_mode)) rechazo(ruta, "no es un fichero");
    const auto tam = static_cast<std::size_t>(st.st_size);
    if (tam > maximo) rechazo(ruta, "ocupa más de " + std::to_string(maximo >> 20) + " MB");

    std::string bytes(tam, '\0');
    std::size_t hecho = 0;
    while (true) {
        if (hecho == bytes.size()) {
            // El fichero pudo crecer mientras se leía: se sigue leyendo, sin pasar del máximo.
            if (bytes.size() >= maximo) {
                char extra;
                const ssize_t n = ::read(fd.get(), &extra, 1);
                if (n == 0) break;
                if (n < 0 && errno == EINTR) continue;
                if (n > 0) rechazo(ruta, "ocupa más de " + std::to_string(maximo >> 20) + " MB");
                const int err = errno;
                throw ErrorLectura("No se puede leer el fichero \"" + ruta + "\": " + sistema(err),
                                   "No se puede leer el fichero \"" + ruta + "\": " + sistema(err));
            }
            bytes.resize(std::min(maximo, std::max<std::size_t>(bytes.size() * 2, 4096)));
        }
        const ssize_t n = ::read(fd.get(), bytes.data() + hecho, bytes.size() - hecho);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            throw ErrorLectura("No se puede leer el fichero \"" + ruta + "\": " + sistema(err),
                               "No se puede leer el fichero \"" + ruta + "\": " + sistema(err));
        }
        hecho += static_cast<std::size_t>(n);
    }
    bytes.resize(hecho);
    return bytes;
}

void escribir_fichero(const std::string& ruta, std::string_view bytes) {
    const std::string destino = seguir_enlaces(ruta);
    struct stat previo {};
    const bool existe = ::stat(destino.c_str(), &previo) == 0;
    if (existe) {
        if (!S_ISREG(previo.st_mode))
            throw ErrorFichero("No se puede grabar en \"" + ruta + "\": no es un fichero.");
        if ((previo.st_mode & 0222) == 0 || ::access(destino.c_str(), W_OK) != 0)
            throw ErrorFichero("No se puede grabar \"" + ruta +
                               "\": el fichero es de sólo lectura. Grábalo con otro nombre.");
    }
    const std::string carpeta = carpeta_de(destino);
    limpiar_temporales_viejos(carpeta);

    // Primero un fichero sin nombre (si el sistema de ficheros lo admite): si el programa muere a
    // mitad de la escritura no queda nada en la carpeta. Sólo cuando está completo y en el disco
    // recibe un nombre temporal corto y se renombra sobre el destino.
    std::string temporal;
    int fd = ::open(carpeta.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) no_se_puede_crear(ruta, errno);
    bool anonimo = fd >= 0;
    for (int vuelta = 0; vuelta < 2; ++vuelta) {
        if (!anonimo) {
            for (int intento = 0; intento < 100 && fd < 0; ++intento) {
                temporal = nombre_temporal(carpeta);
                fd = ::open(temporal.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
                if (fd < 0 && errno != EEXIST) no_se_puede_crear(ruta, errno);
            }
            if (fd < 0) no_se_puede_crear(ruta, EEXIST);
        }
        Descriptor d(fd);
        fd = -1;
        const auto fallo = [&](int err) {
            d.cerrar();
            if (!temporal.empty()) ::unlink(temporal.c_str());
            no_se_puede_crear(ruta, err);
        };

        // Los permisos (y, si se puede, el dueño) del fichero que se reemplaza.
        if (existe) {
            // Sólo el administrador puede dar el fichero a otro; si no, queda a nombre de quien graba.
            if (::fchown(d.get(), previo.st_uid, previo.st_gid) != 0) errno = 0;
            ::fchmod(d.get(), previo.st_mode & 07777);
        } else {
            ::fchmod(d.get(), permisos_nuevos());
        }
        if (const int err = escribir_todo(d.get(), bytes)) fallo(err);

        if (anonimo) {
            const std::string propio = "/proc/self/fd/" + std::to_string(d.get());
            int err = EEXIST;
            for (int intento = 0; intento < 100 && err == EEXIST; ++intento) {
                temporal = nombre_temporal(carpeta);
                err = ::linkat(AT_FDCWD, propio.c_str(), AT_FDCWD, temporal.c_str(), AT_SYMLINK_FOLLOW) == 0 ? 0 : errno;
            }
            if (err != 0) {
                temporal.clear();
                // Sin /proc no se puede dar nombre al fichero anónimo: se repite con un temporal con nombre.
                if (err == ENOENT && vuelta == 0) {
                    d.cerrar();
                    anonimo = false;
                    continue;
                }
                fallo(err);
            }
        }
        if (const int err = d.cerrar()) {
            ::unlink(temporal.c_str());
            no_se_puede_crear(ruta, err);
        }
        break;
    }
    if (std::rename(temporal.c_str(), destino.c_str()) != 0) {
        const int err = errno;
        ::unlink(temporal.c_str());
        no_se_puede_crear(ruta, err);
    }
    // El renombrado también ha de llegar al disco.
    const int dir = ::open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

}  // namespace pc
