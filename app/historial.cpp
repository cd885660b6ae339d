#include "app/historial.h"

#include <cstring>
#include <utility>

namespace pc {

namespace {

bool igual(const Punto& a, const Punto& b) { return a.color == b.color && a.perfil == b.perfil; }

bool igual(const Hilo& a, const Hilo& b) {
    return a.color == b.color && a.numero == b.numero && a.columna == b.columna && a.activo == b.activo &&
           a.bloqueado == b.bloqueado;
}

bool igual(const TablaHilos& a, const TablaHilos& b) {
    if (a.total != b.total) return false;
    for (std::size_t i = 0; i < a.item.size(); ++i)
        if (!igual(a.item[i], b.item[i])) return false;
    return true;
}

// Una tira de celdas cambiadas de una columna: (x, y) .. (x, y + n - 1).
struct Tramo {
    std::uint16_t x, y, n;
};

// Valores de las celdas en el orden de los tramos, comprimidos en rachas de celdas iguales.
struct Racha {
    std::uint32_t n;
    Punto p;
};

void anadir(std::vector<Racha>& v, const Punto& p) {
    if (!v.empty() && igual(v.back().p, p)) ++v.back().n;
    else v.push_back({1, p});
}

}  // namespace

struct Historial::Paso {
    std::uint64_t id = 0;
    std::string nombre;
    std::vector<Tramo> tramos;
    std::vector<Racha> valores;  // los del otro lado del paso (antes si está hecho, después si no)
    bool con_tamano = false;
    std::string ancho, alto;
    std::unique_ptr<TablaHilos> paleta;
    // El fichero del otro lado del paso, con el id de su estado grabado (0: ninguno).
    bool con_fichero = false;
    FicheroDiseno fichero;
    std::uint64_t id_grabado = 0;

    std::size_t bytes() const {
        return sizeof(Paso) + nombre.capacity() + tramos.capacity() * sizeof(Tramo) +
               valores.capacity() * sizeof(Racha) + ancho.capacity() + alto.capacity() +
               (paleta ? sizeof(TablaHilos) : 0) + fichero.ruta.capacity() + fichero.formato.capacity();
    }
};

Historial::Historial(std::size_t max_pasos, std::size_t max_bytes)
    : max_pasos_(max_pasos < 1 ? 1 : max_pasos),
      max_bytes_(max_bytes),
      copia_(std::make_unique<Rejilla>()),
      paleta_(std::make_unique<TablaHilos>()) {}

Historial::~Historial() = default;

void Historial::empezar(const Estado& e, FicheroDiseno f) {
    fichero_ = std::move(f);
    *copia_ = e.puntos;
    ancho_ = e.ancho;
    alto_ = e.alto;
    *paleta_ = e.paleta;
    pasos_.clear();
    hecho_ = 0;
    bytes_ = 0;
    id_base_ = id_grabado_ = siguiente_id_++;
}

void Historial::antes(const Estado& e) {
    ancho_ = e.ancho;
    alto_ = e.alto;
    *paleta_ = e.paleta;
}

Historial::Paso* Historial::anotar_paso(const Estado& e, const std::string& nombre, bool siempre) {
    auto paso = std::make_unique<Paso>();
    Rejilla& copia = *copia_;
    for (int x = 0; x < kLadoRejilla; ++x) {
        const auto& viva = e.puntos[static_cast<std::size_t>(x)];
        auto& vieja = copia[static_cast<std::size_t>(x)];
        // Casi siempre la columna entera es igual: una comparación de memoria basta.
        if (std::memcmp(viva.data(), vieja.data(), sizeof(viva)) == 0) continue;
        int y = 0;
        while (y < kLadoRejilla) {
            if (igual(viva[static_cast<std::size_t>(y)], vieja[static_cast<std::size_t>(y)])) {
                ++y;
                continue;
            }
            const int y0 = y;
            while (y < kLadoRejilla && !igual(viva[static_cast<std::size_t>(y)], vieja[static_cast<std::size_t>(y)])) {
                anadir(paso->valores, vieja[static_cast<std::size_t>(y)]);
                vieja[static_cast<std::size_t>(y)] = viva[static_cast<std::size_t>(y)];
                ++y;
            }
            paso->tramos.push_back({static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y0),
                                    static_cast<std::uint16_t>(y - y0)});
        }
    }
    const bool tamano = e.ancho != ancho_ || e.alto != alto_;
    const bool paleta = !igual(e.paleta, *paleta_);
    if (paso->tramos.empty() && !tamano && !siempre) {
        // Nada que deshacer; una paleta reconstruida se recoge sin paso.
        if (paleta) *paleta_ = e.paleta;
        return nullptr;
    }
    paso->id = siguiente_id_++;
    paso->nombre = nombre;
    if (tamano) {
        paso->con_tamano = true;
        paso->ancho = std::exchange(ancho_, e.ancho);
        paso->alto = std::exchange(alto_, e.alto);
    }
    if (paleta) {
        paso->paleta = std::make_unique<TablaHilos>(*paleta_);
        *paleta_ = e.paleta;
    }
    paso->tramos.shrink_to_fit();
    paso->valores.shrink_to_fit();

    // Lo que se podía rehacer ya no vale.
    while (pasos_.size() > hecho_) {
        bytes_ -= pasos_.back()->bytes();
        pasos_.pop_back();
    }
    bytes_ += paso->bytes();
    pasos_.push_back(std::move(paso));
    hecho_ = pasos_.size();
    Paso* anotado = pasos_.back().get();
    recortar();  // nunca quita el último
    return anotado;
}

bool Historial::anotar(const Estado& e, const std::string& nombre) { return anotar_paso(e, nombre, false) != nullptr; }

bool Historial::anotar_otro_diseno(const Estado& e, const std::string& nombre, FicheroDiseno f, bool abierto) {
    Paso* p = anotar_paso(e, nombre, abierto);
    if (!p) return false;
    bytes_ -= p->bytes();
    p->con_fichero = true;
    p->fichero = std::exchange(fichero_, std::move(f));
    p->id_grabado = std::exchange(id_grabado_, abierto ? p->id : 0);
    bytes_ += p->bytes();
    return true;
}

void Historial::grabado_en(FicheroDiseno f) {
    for (auto& p : pasos_)
        if (p->con_fichero && !f.ruta.empty() && p->fichero.ruta == f.ruta) p->id_grabado = 0;
    fichero_ = std::move(f);
    id_grabado_ = id_actual();
}

void Historial::recortar() {
    // Sólo se quitan pasos hechos (el más viejo lo está si hay alguno hecho) y nunca el último.
    while (hecho_ > 0 && pasos_.size() > 1 && (pasos_.size() > max_pasos_ || bytes_ > max_bytes_)) {
        id_base_ = pasos_.front()->id;
        bytes_ -= pasos_.front()->bytes();
        pasos_.pop_front();
        --hecho_;
    }
}

void Historial::intercambiar(Paso& p, Estado& e) {
    std::vector<Racha> otros;
    otros.reserve(p.valores.size());
    std::size_t r = 0;
    std::uint32_t usados = 0;  // celdas ya sacadas de la racha r
    for (const Tramo& t : p.tramos) {
        auto& viva = e.puntos[t.x];
        auto& copia = (*copia_)[t.x];
        for (int y = t.y; y < t.y + t.n; ++y) {
            const auto i = static_cast<std::size_t>(y);
            anadir(otros, viva[i]);
            viva[i] = p.valores[r].p;
            copia[i] = viva[i];
            if (++usados == p.valores[r].n) {
                ++r;
                usados = 0;
            }
        }
    }
    bytes_ -= p.bytes();
    otros.shrink_to_fit();
    p.valores = std::move(otros);
    if (p.con_tamano) {
        std::swap(p.ancho, e.ancho);
        std::swap(p.alto, e.alto);
        ancho_ = e.ancho;
        alto_ = e.alto;
    }
    if (p.paleta) std::swap(*p.paleta, e.paleta);
    *paleta_ = e.paleta;
    if (p.con_fichero) {
        std::swap(p.fichero, fichero_);
        std::swap(p.id_grabado, id_grabado_);
    }
    bytes_ += p.bytes();
}

std::string Historial::nombre_deshacer() const { return puede_deshacer() ? pasos_[hecho_ - 1]->nombre : ""; }

std::string Historial::nombre_rehacer() const { return puede_rehacer() ? pasos_[hecho_]->nombre : ""; }

bool Historial::deshacer(Estado& e) {
    if (!puede_deshacer()) return false;
    intercambiar(*pasos_[hecho_ - 1], e);
    --hecho_;
    recortar();  // lo guardado de un paso cambia de tamaño al deshacerlo
    return true;
}

bool Historial::rehacer(Estado& e) {
    if (!puede_rehacer()) return false;
    intercambiar(*pasos_[hecho_], e);
    ++hecho_;
    recortar();
    return true;
}

std::uint64_t Historial::id_actual() const { return hecho_ > 0 ? pasos_[hecho_ - 1]->id : id_base_; }

bool Historial::modificado() const { return id_actual() != id_grabado_; }

}  // namespace pc
