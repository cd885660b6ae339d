#include "app/recuperacion.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <set>

#include "app/datos_instalados.h"
#include "app/errores.h"
#include "app/ficheros.h"
#include "app/texto.h"

namespace pc {

namespace {

constexpr std::string_view kCabecera = "puntocruz-recuperacion 1";
// Mayor texto que se lee: tres rutas y una hora caben de sobra.
constexpr std::size_t kMaxTexto = 64 * 1024;

std::string escapar(std::string_view s) {
    std::string out;
    for (char c : s) {
        if (c == '\\') out += "\\\\";
        else if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else out += c;
    }
    return out;
}

std::optional<std::string> desescapar(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\') {
            out += s[i];
            continue;
        }
        if (++i == s.size()) return std::nullopt;
        switch (s[i]) {
            case '\\': out += '\\'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            default: return std::nullopt;
        }
    }
    return out;
}

// Abre (creándolo si falta) el cerrojo y lo toma sin esperar; ninguno (-1) si lo tiene otro
// programa o no se puede abrir.
Descriptor tomar_cerrojo(const std::string& ruta) {
    Descriptor fd(::open(ruta.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (fd.get() >= 0 && ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) return Descriptor();
    return fd;
}

bool es_fichero(const std::string& ruta, struct stat* st = nullptr) {
    struct stat s {};
    if (::lstat(ruta.c_str(), &s) != 0 || !S_ISREG(s.st_mode)) return false;
    if (st) *st = s;
    return true;
}

}  // namespace

std::string texto_recuperacion(const DatosRecuperacion& d) {
    return std::string(kCabecera) + "\noriginal=" + escapar(d.original) + "\nhora=" + std::to_string(d.hora) +
           "\nimagen=" + escapar(d.imagen) + "\n";
}

std::optional<DatosRecuperacion> leer_texto_recuperacion(std::string_view texto) {
    LectorLineas lineas(texto);
    if (lineas.al_final() || lineas.siguiente() != kCabecera) return std::nullopt;
    DatosRecuperacion d;
    bool con_hora = false;
    while (!lineas.al_final()) {
        const std::string_view l = lineas.siguiente();
        const std::size_t igual = l.find('=');
        if (igual == std::string_view::npos) continue;
        const std::string_view clave = l.substr(0, igual), valor = l.substr(igual + 1);
        if (clave == "hora") {
            const auto [fin, err] = std::from_chars(valor.data(), valor.data() + valor.size(), d.hora);
            if (err != std::errc() || fin != valor.data() + valor.size()) return std::nullopt;
            con_hora = true;
        } else if (clave == "original" || clave == "imagen") {
            auto v = desescapar(valor);
            if (!v) return std::nullopt;
            (clave == "original" ? d.original : d.imagen) = std::move(*v);
        }
    }
    if (!con_hora) return std::nullopt;
    return d;
}

std::string carpeta_recuperacion() { return carpeta_datos_usuario() + "/recuperacion"; }

std::string CopiaRecuperacion::ruta_patron() const {
    if (!es_fichero(base_ + ".oxs") && es_fichero(base_ + ".pc")) return base_ + ".pc";
    return base_ + ".oxs";
}

std::unique_ptr<CopiaRecuperacion> CopiaRecuperacion::nueva(const std::string& carpeta) {
    // La carpeta, y las que le faltan por encima, sólo para el usuario.
    for (std::size_t barra = carpeta.find('/', 1);; barra = carpeta.find('/', barra + 1)) {
        const std::string parte = carpeta.substr(0, barra);
        if (::mkdir(parte.c_str(), 0700) != 0 && errno != EEXIST) no_se_puede_crear(carpeta, errno);
        if (barra == std::string::npos) break;
    }
    for (int intento = 0; intento < 100; ++intento) {
        const std::string base = carpeta + "/" + letras_al_azar();
        // Un nombre que ya usa otra copia (viva o abandonada) no vale.
        if (es_fichero(base + ".oxs") || es_fichero(base + ".pc") || es_fichero(base + ".txt") ||
            es_fichero(base + ".cerrojo"))
            continue;
        Descriptor fd = tomar_cerrojo(base + ".cerrojo");
        if (fd.get() < 0) no_se_puede_crear(base + ".cerrojo", errno != 0 ? errno : EWOULDBLOCK);
        return std::unique_ptr<CopiaRecuperacion>(new CopiaRecuperacion(base, std::move(fd)));
    }
    no_se_puede_crear(carpeta, EEXIST);
}

std::vector<std::unique_ptr<CopiaRecuperacion>> CopiaRecuperacion::abandonadas(const std::string& carpeta) {
    std::set<std::string> nombres;
    if (DIR* d = ::opendir(carpeta.c_str())) {
        while (const dirent* ent = ::readdir(d)) {
            const std::string_view n = ent->d_name;
            const std::size_t punto = n.rfind('.');
            if (punto == std::string_view::npos) continue;
            const std::string_view ext = n.substr(punto);
            if ((ext == ".oxs" || ext == ".pc" || ext == ".txt" || ext == ".cerrojo") && son_letras_al_azar(n.substr(0, punto)))
                nombres.emplace(n.substr(0, punto));
        }
        ::closedir(d);
    }
    std::vector<std::unique_ptr<CopiaRecuperacion>> lista;
    for (const std::string& n : nombres) {
        const std::string base = carpeta + "/" + n;
        Descriptor fd = tomar_cerrojo(base + ".cerrojo");
        if (fd.get() < 0) continue;  // de un programa abierto
        std::unique_ptr<CopiaRecuperacion> c(new CopiaRecuperacion(base, std::move(fd)));
        struct stat st {};
        if (!es_fichero(c->ruta_patron(), &st)) {
            c->borrar();  // restos sin diseño que recuperar
            continue;
        }
        std::optional<DatosRecuperacion> datos;
        try {
            datos = leer_texto_recuperacion(leer_fichero(base + ".txt", kMaxTexto));
        } catch (const Error&) {
        }
        if (!datos) {
            datos = DatosRecuperacion{};
            datos->hora = st.st_mtime;
        }
        c->datos_ = std::move(*datos);
        lista.push_back(std::move(c));
    }
    std::stable_sort(lista.begin(), lista.end(), [](const auto& a, const auto& b) { return a->datos_.hora > b->datos_.hora; });
    return lista;
}

CopiaRecuperacion::~CopiaRecuperacion() = default;

void CopiaRecuperacion::grabar(std::string_view patron, const DatosRecuperacion& d) {
    // Primero el patrón: un texto nunca nombra una copia a medias.
    escribir_fichero(base_ + ".oxs", patron);
    ::unlink((base_ + ".pc").c_str());  // la de una versión anterior, si la hubiera
    escribir_fichero(base_ + ".txt", texto_recuperacion(d));
    datos_ = d;
}

void CopiaRecuperacion::borrar() {
    ::unlink((base_ + ".oxs").c_str());
    ::unlink((base_ + ".pc").c_str());
    ::unlink((base_ + ".txt").c_str());
    // El cerrojo se borra mientras se tiene: otro programa que lo abriese ahora lo vería tomado.
    ::unlink((base_ + ".cerrojo").c_str());
    cerrojo_.cerrar();
}

}  // namespace pc
