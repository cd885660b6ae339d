#include "app/historial.h"

#include <algorithm>
#include <cstring>
#include <tuple>
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

auto clave(const Parcial& p) { return std::tuple(p.y, p.x, p.tipo, p.diagonal, p.esquina, p.color); }
auto clave(const Linea& l) { return std::tuple(l.v1, l.u1, l.v2, l.u2, l.color, l.hebras); }
auto clave(const Nudo& n) { return std::tuple(n.v, n.u, n.color, n.hebras); }

// Lo que está en `antes` y no en `ahora` (quitados) y al revés (puestos), como conjuntos con
// repetición. Casi siempre sólo cambia el final (se añade, o se quita y la última pasa al
// hueco): lo común del principio no se ordena.
template <class T>
void diferencia(const std::vector<T>& antes, const std::vector<T>& ahora, std::vector<T>& quitados,
                std::vector<T>& puestos) {
    std::size_t k = 0;
    while (k < antes.size() && k < ahora.size() && antes[k] == ahora[k]) ++k;
    std::vector<T> a(antes.begin() + static_cast<std::ptrdiff_t>(k), antes.end());
    std::vector<T> b(ahora.begin() + static_cast<std::ptrdiff_t>(k), ahora.end());
    auto menor = [](const T& x, const T& y) { return clave(x) < clave(y); };
    std::sort(a.begin(), a.end(), menor);
    std::sort(b.begin(), b.end(), menor);
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(quitados), menor);
    std::set_difference(b.begin(), b.end(), a.begin(), a.end(), std::back_inserter(puestos), menor);
    quitados.shrink_to_fit();
    puestos.shrink_to_fit();
}

// Quita de p los puestos y vuelve a poner los quitados; luego los intercambia, para el
// camino de vuelta.
template <class T>
void revertir(Puntadas& p, std::vector<T>& quitados, std::vector<T>& puestos) {
    for (const T& x : puestos) p.quitar_igual(x);
    for (const T& x : quitados) p.anadir_tal_cual(x);
    std::swap(quitados, puestos);
}

}  // namespace

struct Historial::CambioPuntadas {
    std::vector<Parcial> parciales_quitados, parciales_puestos;
    std::vector<Linea> lineas_quitadas, lineas_puestas;
    std::vector<Nudo> nudos_quitados, nudos_puestos;

    bool vacio() const {
        return parciales_quitados.empty() && parciales_puestos.empty() && lineas_quitadas.empty() &&
               lineas_puestas.empty() && nudos_quitados.empty() && nudos_puestos.empty();
    }
    std::size_t bytes() const {
        return sizeof(CambioPuntadas) + (parciales_quitados.capacity() + parciales_puestos.capacity()) * sizeof(Parcial) +
               (lineas_quitadas.capacity() + lineas_puestas.capacity()) * sizeof(Linea) +
               (nudos_quitados.capacity() + nudos_puestos.capacity()) * sizeof(Nudo);
    }
    void revertir(Puntadas& p) {
        ::pc::revertir(p, parciales_quitados, parciales_puestos);
        ::pc::revertir(p, lineas_quitadas, lineas_puestas);
        ::pc::revertir(p, nudos_quitados, nudos_puestos);
    }
};

struct Historial::Paso {
    std::uint64_t id = 0;
    std::string nombre;
    std::vector<Tramo> tramos;
    std::vector<Racha> valores;  // los del otro lado del paso (antes si está hecho, después si no)
    bool con_tamano = false;
    std::string ancho, alto;
    std::unique_ptr<TablaHilos> paleta;
    std::unique_ptr<CambioPuntadas> puntadas;
    // El fichero del otro lado del paso, con el id de su estado grabado (0: ninguno).
    bool con_fichero = false;
    FicheroDiseno fichero;
    std::uint64_t id_grabado = 0;

    std::size_t bytes() const {
        return sizeof(Paso) + nombre.capacity() + tramos.capacity() * sizeof(Tramo) +
               valores.capacity() * sizeof(Racha) + ancho.capacity() + alto.capacity() +
               (paleta ? sizeof(TablaHilos) : 0) + (puntadas ? puntadas->bytes() : 0) + fichero.ruta.capacity() +
               fichero.formato.capacity();
    }
};

Historial::Historial(std::size_t max_pasos, std::size_t max_bytes)
    : max_pasos_(max_pasos < 1 ? 1 : max_pasos),
      max_bytes_(max_bytes),
      copia_(std::make_unique<Rejilla>()),
      paleta_(std::make_unique<TablaHilos>()),
      puntadas_(std::make_unique<Puntadas>()) {}

Historial::~Historial() = default;

void Historial::empezar(const Estado& e, FicheroDiseno f) {
    fichero_ = std::move(f);
    *copia_ = e.puntos;
    ancho_ = e.ancho;
    alto_ = e.alto;
    *paleta_ = e.paleta;
    *puntadas_ = e.puntadas;
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
    if (e.puntadas.version() != puntadas_->version()) {
        auto c = std::make_unique<CambioPuntadas>();
        diferencia(puntadas_->parciales(), e.puntadas.parciales(), c->parciales_quitados, c->parciales_puestos);
        diferencia(puntadas_->lineas(), e.puntadas.lineas(), c->lineas_quitadas, c->lineas_puestas);
        diferencia(puntadas_->nudos(), e.puntadas.nudos(), c->nudos_quitados, c->nudos_puestos);
        *puntadas_ = e.puntadas;
        if (!c->vacio()) paso->puntadas = std::move(c);
    }
    if (paso->tramos.empty() && !tamano && !paso->puntadas && !siempre) {
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
    if (p.puntadas) {
        p.puntadas->revertir(e.puntadas);
        *puntadas_ = e.puntadas;
    }
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
