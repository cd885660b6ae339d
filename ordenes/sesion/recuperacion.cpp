#include "ordenes/sesion/recuperacion.h"

#include <ctime>
#include <filesystem>
#include <system_error>

#include "app/errores.h"
#include "app/texto.h"
#include "files/fichero_pc.h"
#include "files/oxs.h"
#include "ordenes/ficheros/ficheros_patron.h"
#include "ordenes/ficheros/oxs.h"

namespace pc {

namespace {

const char* const kTitulo = "Punto de Cruz";

std::string dos_cifras(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

}  // namespace

struct Recuperacion::Trabajo {
    bool borrar = false;
    // Lo que el OXS necesita del diseño: la rejilla (columnas 0..ancho), las otras puntadas,
    // los hilos con su marca (los nombres de la paleta) y la versión.
    std::unique_ptr<Estado> estado;
    int ancho = 0, alto = 0;
    DatosRecuperacion datos;
};

std::string pregunta_recuperacion(const DatosRecuperacion& d) {
    const std::time_t t = static_cast<std::time_t>(d.hora);
    std::tm local{};
    ::localtime_r(&t, &local);
    const std::string dia = dos_cifras(local.tm_mday) + "/" + dos_cifras(local.tm_mon + 1) + "/" +
                            std::to_string(local.tm_year + 1900);
    const std::string hora = dos_cifras(local.tm_hour) + ":" + dos_cifras(local.tm_min);
    // El nombre viene de la copia, escrita por otro programa: sin caracteres de control.
    const std::string nombre =
        d.original.empty() ? "Sin título" : visible(std::filesystem::path(d.original).filename().string());
    return "Se encontró un diseño sin grabar del " + dia + " a las " + hora + " (" + nombre +
           "). ¿Desea recuperarlo?";
}

Recuperacion::Recuperacion(std::string carpeta) : carpeta_(std::move(carpeta)) {}

Recuperacion::~Recuperacion() {
    {
        std::lock_guard<std::mutex> l(m_);
        fin_ = true;
        pendiente_.reset();  // una copia que aún no se empezó ya no hace falta
    }
    cv_.notify_all();
    if (hilo_.joinable()) hilo_.join();
    if (copia_) copia_->borrar();
}

std::optional<DatosRecuperacion> Recuperacion::ofrecer(Sesion& s) {
    esperar();
    std::vector<std::unique_ptr<CopiaRecuperacion>> lista;
    try {
        lista = CopiaRecuperacion::abandonadas(carpeta_);
    } catch (const std::exception&) {
        return std::nullopt;  // sin carpeta que leer no hay nada que ofrecer
    }
    for (auto& c : lista) {
        if (s.d.pregunta(kTitulo, pregunta_recuperacion(c->datos()))) {
            const std::string ruta = c->ruta_patron();
            if (es_oxs(ruta) ? cargar_oxs(s, ruta) : cargar_pc_leido(s, ruta, kFormatoBinario)) {
                const DatosRecuperacion d = c->datos();
                // El diseño es el del fichero original, no el de la copia.
                mostrar_fichero(s, d.original);
                s.e.fichero_abierto = d.original;
                std::error_code ec;
                if (!d.imagen.empty() && std::filesystem::is_regular_file(d.imagen, ec)) {
                    try {
                        s.img.cargar(d.imagen);
                        s.v.panel_visor(1, d.imagen);
                    } catch (const Error&) {
                        // Sin imagen se sigue: el diseño es lo que importa.
                    }
                }
                std::lock_guard<std::mutex> l(m_);
                copia_ = std::move(c);
                hay_copia_ = true;
                return d;
            }
            // No se pudo leer (ya se ha dicho): se pregunta si se borra, como al contestar No.
        }
        if (s.d.pregunta(kTitulo, "¿Desea borrar el diseño sin grabar? Si contesta No, se le volverá a "
                                  "ofrecer la próxima vez que arranque el programa."))
            c->borrar();
    }
    return std::nullopt;
}

void Recuperacion::grabar(const Estado& e, const std::string& original, const std::string& imagen) {
    int ancho = 0, alto = 0;
    if (!leer_entero(e.ancho, ancho) || !leer_entero(e.alto, alto) || ancho < 1 || ancho > kMaxPuntos ||
        alto < 1 || alto > kMaxPuntos)
        return;
    auto t = std::make_unique<Trabajo>();
    t->estado = crear_estado();
    std::copy(e.puntos.begin(), e.puntos.begin() + ancho + 1, t->estado->puntos.begin());
    t->estado->puntadas = e.puntadas;
    t->estado->hilos = e.hilos;
    t->estado->marca = e.marca;
    t->estado->version = e.version;
    t->ancho = ancho;
    t->alto = alto;
    t->datos = {original, static_cast<std::int64_t>(std::time(nullptr)), imagen};
    encargar(std::move(t));
}

void Recuperacion::borrar() {
    auto t = std::make_unique<Trabajo>();
    t->borrar = true;
    encargar(std::move(t));
}

void Recuperacion::encargar(std::unique_ptr<Trabajo> t) {
    {
        std::lock_guard<std::mutex> l(m_);
        if (t->borrar && !hay_copia_ && !ocupado_) {
            pendiente_.reset();
            return;
        }
        hay_copia_ = !t->borrar;
        pendiente_ = std::move(t);
        if (!hilo_.joinable()) hilo_ = std::thread([this] { hilo(); });
    }
    cv_.notify_all();
}

void Recuperacion::esperar() {
    std::unique_lock<std::mutex> l(m_);
    cv_.wait(l, [this] { return !pendiente_ && !ocupado_; });
}

bool Recuperacion::hay_copia() const {
    std::lock_guard<std::mutex> l(m_);
    return hay_copia_;
}

std::string Recuperacion::fallo() {
    std::lock_guard<std::mutex> l(m_);
    if (fallo_.empty()) return {};
    std::string f = "No se pudo grabar la copia de recuperación: " + fallo_;
    fallo_.clear();
    return f;
}

void Recuperacion::hilo() {
    std::unique_lock<std::mutex> l(m_);
    while (true) {
        cv_.wait(l, [this] { return fin_ || pendiente_; });
        if (!pendiente_) return;
        const std::unique_ptr<Trabajo> t = std::move(pendiente_);
        ocupado_ = true;
        l.unlock();
        std::string error;
        try {
            if (t->borrar) {
                if (copia_) copia_->borrar();
                copia_.reset();
            } else {
                const std::string titulo = t->datos.original.empty()
                                               ? std::string("Sin título")
                                               : std::filesystem::path(t->datos.original).stem().string();
                const std::string patron = codificar_oxs(*t->estado, t->ancho, t->alto, titulo);
                if (!copia_) copia_ = CopiaRecuperacion::nueva(carpeta_);
                copia_->grabar(patron, t->datos);
            }
        } catch (const std::exception& err) {
            error = err.what();
        }
        l.lock();
        ocupado_ = false;
        if (!error.empty()) fallo_ = error;
        cv_.notify_all();
    }
}

}  // namespace pc
