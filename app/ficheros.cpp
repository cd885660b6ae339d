#include "app/ficheros.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cctype>
#include <cstring>
#include <string>
#include <ctime>
#include <random>

namespace pc {

namespace {

// El motivo de un error del sistema en castellano (el texto del sistema puede venir en
// inglés): los comunes con su texto y los demás con su número.
std::string sistema(int err) {
    switch (err) {
        case EACCES:
        case EPERM: return "No hay permiso";
        case ENOSPC: return "No queda espacio en el disco";
        case EROFS: return "El sistema de ficheros es de sólo lectura";
        case EDQUOT: return "Se ha superado la cuota de disco";
        case ENOENT: return "No existe el fichero o la carpeta";
        case ENOTDIR: return "Una parte de la ruta no es una carpeta";
        case EISDIR: return "Es una carpeta";
        case ENAMETOOLONG: return "El nombre es demasiado largo";
        case EMFILE:
        case ENFILE: return "Hay demasiados ficheros abiertos";
        case EIO: return "Error de entrada/salida";
        case ELOOP: return "Hay un bucle de enlaces simbólicos";
        case EEXIST: return "El fichero ya existe";
        case EFBIG: return "El fichero es demasiado grande";
        case EBUSY: return "El fichero o la carpeta está en uso";
        case ETXTBSY: return "El fichero está en uso";
        case EXDEV: return "No se puede mover a otro disco";
        case ENOMEM: return "No hay memoria suficiente";
        default: return "Error del sistema número " + std::to_string(err);
    }
}

// ---------------------------------------------------------------- lectura

std::string motivo_lectura(int err) {
    switch (err) {
        case ENOENT:
        case ENOTDIR: return "no existe";
        case EACCES:
        case EPERM: return "no hay permiso para leerlo";
        case EISDIR: return "no es un fichero";
        case ELOOP: return "hay un bucle de enlaces simbólicos";
        default: {
            std::string m = sistema(err);
            m[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(m[0])));
            return m;
        }
    }
}

[[noreturn]] void no_se_puede_abrir(const std::string& ruta, int err) {
    throw ErrorLectura("Cannot open file \"" + ruta + "\". " + sistema(err),
                       err == ENOENT || err == ENOTDIR
                           ? "El fichero \"" + ruta + "\" no existe"
                           : "No se puede abrir el fichero \"" + ruta + "\": " + motivo_lectura(err));
}

// Rechazo propio (no del sistema): el mismo texto en las dos formas.
[[noreturn]] void rechazo(const std::string& ruta, const std::string& motivo) {
    const std::string aviso = "No se puede abrir el fichero \"" + ruta + "\": " + motivo;
    throw ErrorLectura(aviso, aviso);
}

[[noreturn]] void demasiado_grande(const std::string& ruta, std::size_t maximo) {
    const std::string aviso = "El fichero \"" + ruta + "\" ocupa más de " + std::to_string(maximo >> 20) + " MB";
    throw ErrorLectura(aviso, aviso);
}

// ---------------------------------------------------------------- escritura

std::string carpeta_de(const std::string& ruta) {
    const std::size_t barra = ruta.rfind('/');
    if (barra == std::string::npos) return ".";
    if (barra == 0) return "/";
    return ruta.substr(0, barra);
}

std::string nombre_de(const std::string& ruta) {
    const std::size_t barra = ruta.rfind('/');
    return barra == std::string::npos ? ruta : ruta.substr(barra + 1);
}

// Un enlace que está en una carpeta compartida con el bit pegajoso (como /tmp) y cuyo dueño no
// es ni quien graba ni el dueño de la carpeta puede haberlo puesto otro usuario para que se
// escriba encima de un fichero ajeno: no se sigue (la misma regla que protege el sistema cuando
// tiene activado fs.protected_symlinks).
void comprobar_enlace(const std::string& ruta, const std::string& enlace, const struct stat& st) {
    struct stat c {};
    if (::stat(carpeta_de(enlace).c_str(), &c) != 0) return;
    const bool compartida = (c.st_mode & S_ISVTX) != 0 && (c.st_mode & S_IWOTH) != 0;
    if (compartida && st.st_uid != ::geteuid() && st.st_uid != c.st_uid) {
        throw ErrorFichero("No se puede grabar \"" + ruta +
                           "\": es un enlace simbólico de otro usuario en una carpeta compartida. "
                           "Grábalo con otro nombre.");
    }
}

// Sigue los enlaces simbólicos hasta el fichero al que apuntan (exista o no todavía), para
// escribir a través de ellos en lugar de reemplazar el enlace por un fichero.
std::string seguir_enlaces(const std::string& ruta) {
    std::string actual = ruta;
    for (int saltos = 0; saltos < 40; ++saltos) {
        struct stat st {};
        if (::lstat(actual.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return actual;
        comprobar_enlace(ruta, actual, st);
        std::string destino(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
        const ssize_t n = ::readlink(actual.c_str(), destino.data(), destino.size());
        if (n < 0) return actual;
        destino.resize(static_cast<std::size_t>(n));
        actual = !destino.empty() && destino[0] == '/' ? destino : carpeta_de(actual) + "/" + destino;
    }
    no_se_puede_crear(ruta, ELOOP);
}

constexpr std::string_view kLetras = "abcdefghijklmnopqrstuvwxyz0123456789";

std::string nombre_temporal() { return std::string(kPrefijoTemporal) + letras_al_azar(); }

bool es_temporal(std::string_view nombre) {
    return nombre.starts_with(kPrefijoTemporal) && son_letras_al_azar(nombre.substr(kPrefijoTemporal.size()));
}

// La máscara de permisos del proceso se lee una vez, al cargar el programa (con un solo hilo):
// leerla cambia la del proceso un instante, y otro hilo podría crear un fichero entretanto.
const mode_t kMascara = [] {
    const mode_t m = ::umask(0);
    ::umask(m);
    return m;
}();

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
// mitad): sólo los nombres que da este programa, ficheros normales de este usuario con más de
// diez minutos, que ninguna grabación viva tarda tanto. Nada más de la carpeta se toca.
void limpiar_temporales_viejos(int carpeta) {
    const int fd = ::openat(carpeta, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    DIR* d = ::fdopendir(fd);
    if (!d) {
        ::close(fd);
        return;
    }
    const std::time_t ahora = std::time(nullptr);
    while (const dirent* ent = ::readdir(d)) {
        if (!es_temporal(ent->d_name)) continue;
        struct stat st {};
        if (::fstatat(fd, ent->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
            st.st_uid == ::geteuid() && ahora - st.st_mtime > 600)
            ::unlinkat(fd, ent->d_name, 0);
    }
    ::closedir(d);
}

// Escribe los bytes en un temporal nuevo de la carpeta (con los permisos y, si se puede, el
// dueño de `previo`) y le da nombre. Devuelve 0 y el nombre, o el código de error sin dejar
// nada en la carpeta. Todo es relativo a la carpeta abierta: el temporal no alarga la ruta.
int escribir_temporal(int carpeta, std::string_view bytes, const struct stat* previo, std::string& temporal) {
    // Primero un fichero sin nombre (si el sistema de ficheros lo admite): si el programa muere a
    // mitad de la escritura no queda nada en la carpeta. Sólo cuando está completo y en el disco
    // recibe un nombre temporal y se renombra sobre el destino.
    int fd = ::openat(carpeta, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return errno;
    bool anonimo = fd >= 0;
    for (int vuelta = 0; vuelta < 2; ++vuelta) {
        temporal.clear();
        if (!anonimo) {
            for (int intento = 0; intento < 100 && fd < 0; ++intento) {
                temporal = nombre_temporal();
                fd = ::openat(carpeta, temporal.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
                if (fd < 0 && errno != EEXIST) return errno;
            }
            if (fd < 0) return EEXIST;
        }
        Descriptor d(fd);
        fd = -1;
        const auto fallo = [&](int err) {
            d.cerrar();
            if (!temporal.empty()) ::unlinkat(carpeta, temporal.c_str(), 0);
            temporal.clear();
            return err;
        };

        // Los permisos (y, si se puede, el dueño) del fichero que se reemplaza.
        if (previo) {
            // Sólo el administrador puede dar el fichero a otro; si no, queda a nombre de quien graba.
            if (::fchown(d.get(), previo->st_uid, previo->st_gid) != 0) errno = 0;
            ::fchmod(d.get(), previo->st_mode & 07777);
        } else {
            ::fchmod(d.get(), 0666 & ~kMascara);
        }
        if (const int err = escribir_todo(d.get(), bytes)) return fallo(err);

        if (anonimo) {
            const std::string propio = "/proc/self/fd/" + std::to_string(d.get());
            int err = EEXIST;
            for (int intento = 0; intento < 100 && err == EEXIST; ++intento) {
                temporal = nombre_temporal();
                err = ::linkat(AT_FDCWD, propio.c_str(), carpeta, temporal.c_str(), AT_SYMLINK_FOLLOW) == 0 ? 0 : errno;
            }
            if (err != 0) {
                temporal.clear();
                // Sin /proc no se puede dar nombre al fichero anónimo: se repite con un temporal con nombre.
                if (err == ENOENT && vuelta == 0) {
                    d.cerrar();
                    anonimo = false;
                    continue;
                }
                return fallo(err);
            }
        }
        if (const int err = d.cerrar()) return fallo(err);
        return 0;
    }
    return EEXIST;
}

int leer_todo(int fd, std::string& bytes) {
    bytes.clear();
    char trozo[1 << 16];
    for (off_t pos = 0;;) {
        const ssize_t n = ::pread(fd, trozo, sizeof trozo, pos);
        if (n == 0) return 0;
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.append(trozo, static_cast<std::size_t>(n));
        pos += n;
    }
}

int reescribir(int fd, std::string_view bytes) {
    if (::ftruncate(fd, 0) != 0 || ::lseek(fd, 0, SEEK_SET) != 0) return errno;
    return escribir_todo(fd, bytes);
}

// Sin temporal posible junto al fichero (la carpeta es de otro, o es compartida y el fichero de
// otro usuario) pero con permiso para escribir el fichero: se escribe en su sitio. Su contenido
// anterior se guarda antes en memoria y se repone si la escritura falla.
void escribir_en_su_sitio(const std::string& ruta, const std::string& destino, const struct stat& previo,
                          std::string_view bytes) {
    Descriptor d(::open(destino.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW));
    if (d.get() < 0) no_se_puede_crear(ruta, errno);
    struct stat st {};
    if (::fstat(d.get(), &st) != 0) no_se_puede_crear(ruta, errno);
    // Ha de ser el mismo fichero que se miró antes, y uno normal.
    if (!S_ISREG(st.st_mode) || st.st_dev != previo.st_dev || st.st_ino != previo.st_ino)
        throw ErrorFichero("No se puede grabar en \"" + ruta + "\": no es un fichero.");
    ::fcntl(d.get(), F_SETFL, ::fcntl(d.get(), F_GETFL) & ~O_NONBLOCK);
    std::string anterior;
    if (const int err = leer_todo(d.get(), anterior)) no_se_puede_crear(ruta, err);
    if (const int err = reescribir(d.get(), bytes)) {
        if (reescribir(d.get(), anterior) != 0) {
            throw ErrorFichero("Cannot create file \"" + ruta + "\". " + sistema(err) +
                               ". No se pudo reponer su contenido anterior.");
        }
        no_se_puede_crear(ruta, err);
    }
    if (const int err = d.cerrar()) no_se_puede_crear(ruta, err);
}

}  // namespace

Descriptor::~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
}

Descriptor& Descriptor::operator=(Descriptor&& otro) noexcept {
    if (this != &otro) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = otro.soltar();
    }
    return *this;
}

int Descriptor::cerrar() {
    if (fd_ < 0) return 0;
    const int r = ::close(fd_);
    fd_ = -1;
    return r == 0 ? 0 : errno;
}

std::size_t Descriptor::leer(std::size_t pos, char* destino, std::size_t n) const {
    std::size_t hecho = 0;
    while (hecho < n) {
        const ssize_t r = ::pread(fd_, destino + hecho, n - hecho, static_cast<off_t>(pos + hecho));
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) break;
        hecho += static_cast<std::size_t>(r);
    }
    return hecho;
}

void no_se_puede_crear(const std::string& ruta, int err) {
    throw ErrorFichero("Cannot create file \"" + ruta + "\". " + sistema(err));
}

// Las copias de recuperación se graban desde otro hilo: cada uno con su propio azar.
std::string letras_al_azar() {
    thread_local std::mt19937 azar{std::random_device{}()};
    std::string n;
    for (std::size_t k = 0; k < kLetrasTemporal; ++k) n += kLetras[azar() % kLetras.size()];
    return n;
}

bool son_letras_al_azar(std::string_view nombre) {
    return nombre.size() == kLetrasTemporal && nombre.find_first_not_of(kLetras) == std::string_view::npos;
}

FicheroNormal abrir_fichero_normal(const std::string& ruta) {
    // Qué es se mira antes de abrirlo: abrir una tubería con nombre espera a quien escriba en
    // ella, y abrir un dispositivo puede tener efectos.
    struct stat st {};
    if (::stat(ruta.c_str(), &st) != 0) no_se_puede_abrir(ruta, errno);
    if (!S_ISREG(st.st_mode)) rechazo(ruta, "no es un fichero");
    // Sin bloqueo por si entretanto lo han cambiado por una tubería; después se comprueba otra vez.
    Descriptor fd(::open(ruta.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) no_se_puede_abrir(ruta, errno);
    if (::fstat(fd.get(), &st) != 0) no_se_puede_abrir(ruta, errno);
    if (!S_ISREG(st.st_mode)) rechazo(ruta, "no es un fichero");
    const int banderas = ::fcntl(fd.get(), F_GETFL);
    if (banderas < 0 || ::fcntl(fd.get(), F_SETFL, banderas & ~O_NONBLOCK) != 0) no_se_puede_abrir(ruta, errno);
    return {std::move(fd), static_cast<std::size_t>(st.st_size)};
}

std::string leer_fichero(const std::string& ruta, std::size_t maximo) {
    const auto [fd, tam] = abrir_fichero_normal(ruta);
    if (tam > maximo) demasiado_grande(ruta, maximo);

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
                if (n > 0) demasiado_grande(ruta, maximo);
                const int err = errno;
                throw ErrorLectura("No se puede leer el fichero \"" + ruta + "\": " + motivo_lectura(err),
                                   "No se puede leer el fichero \"" + ruta + "\": " + motivo_lectura(err));
            }
            bytes.resize(std::min(maximo, std::max<std::size_t>(bytes.size() * 2, 4096)));
        }
        const ssize_t n = ::read(fd.get(), bytes.data() + hecho, bytes.size() - hecho);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            throw ErrorLectura("No se puede leer el fichero \"" + ruta + "\": " + motivo_lectura(err),
                               "No se puede leer el fichero \"" + ruta + "\": " + motivo_lectura(err));
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
    // La carpeta se abre una vez y todo lo demás se hace desde ella: el nombre del temporal no
    // cuenta para la longitud máxima de una ruta. Una carpeta que no se puede leer se abre sólo
    // para buscar en ella.
    int fd_carpeta = ::open(carpeta_de(destino).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_carpeta < 0 && errno == EACCES)
        fd_carpeta = ::open(carpeta_de(destino).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd_carpeta < 0) no_se_puede_crear(ruta, errno);
    Descriptor carpeta(fd_carpeta);
    const std::string nombre = nombre_de(destino);
    limpiar_temporales_viejos(carpeta.get());

    std::string temporal;
    int err = escribir_temporal(carpeta.get(), bytes, existe ? &previo : nullptr, temporal);
    if (err == 0) {
        if (::renameat(carpeta.get(), temporal.c_str(), carpeta.get(), nombre.c_str()) == 0) {
            // El renombrado también ha de llegar al disco.
            ::fsync(carpeta.get());
            return;
        }
        err = errno;
        ::unlinkat(carpeta.get(), temporal.c_str(), 0);
    }
    if (existe && (err == EACCES || err == EPERM)) {
        escribir_en_su_sitio(ruta, destino, previo, bytes);
        return;
    }
    no_se_puede_crear(ruta, err);
}

}  // namespace pc
