#include "app/puntadas.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <tuple>
#include <unordered_map>
#include <utility>

namespace pc {

namespace {

std::atomic<std::uint64_t> g_version{1};

std::uint64_t nueva_version() { return g_version.fetch_add(1, std::memory_order_relaxed); }

constexpr int kFilas = kMaxPuntos + 2;  // filas 0..701 (sólo se usan 1..700)

bool color_valido(Color c) { return c >= 0 && c <= 0xFFFFFF; }

// División entera hacia abajo y hacia arriba (d > 0).
long abajo(long n, long d) { return n >= 0 ? n / d : -((-n + d - 1) / d); }
long arriba(long n, long d) { return -abajo(-n, d); }

int acotar(long v, int lo, int hi) { return static_cast<int>(v < lo ? lo : (v > hi ? hi : v)); }

// RectanguloCeldas x1..x2 que toca el tramo de la red u1..u2 (u1 <= u2), sin recortar al tapiz.
std::pair<long, long> celdas_de_tramo(long u1, long u2) { return {arriba(u1, 2), abajo(u2, 2) + 1}; }

// Llama a f(y, x1, x2) para cada fila de celdas que toca el pespunte, con las columnas que toca
// en ella (recortadas a 1..700).
template <class F>
void filas_de_linea(const Linea& l, F&& f) {
    const long vmin = std::min(l.v1, l.v2), vmax = std::max(l.v1, l.v2);
    const int y1 = acotar(arriba(vmin, 2), 1, kMaxPuntos), y2 = acotar(abajo(vmax, 2) + 1, 1, kMaxPuntos);
    for (int y = y1; y <= y2; ++y) {
        const long a = std::max<long>(vmin, 2L * y - 2), b = std::min<long>(vmax, 2L * y);
        if (a > b) continue;
        long ua, ub;
        if (l.v1 == l.v2) {
            ua = std::min(l.u1, l.u2);
            ub = std::max(l.u1, l.u2);
            const auto [xa, xb] = celdas_de_tramo(ua, ub);
            f(y, acotar(xa, 1, kMaxPuntos), acotar(xb, 1, kMaxPuntos));
            continue;
        }
        // u(v) = u1 + (v - v1)·(u2 - u1)/(v2 - v1), en fracciones de denominador d > 0.
        long d = l.v2 - l.v1, du = l.u2 - l.u1;
        if (d < 0) {
            d = -d;
            du = -du;
        }
        auto num = [&](long v) { return static_cast<long>(l.u1) * d + (v - l.v1) * du; };
        const long na = num(a), nb = num(b);
        const long nmin = std::min(na, nb), nmax = std::max(na, nb);
        // RectanguloCeldas x con 2x - 2 <= u <= 2x sobre el tramo [nmin/d, nmax/d].
        const long xa = arriba(nmin, 2 * d), xb = abajo(nmax, 2 * d) + 1;
        f(y, acotar(xa, 1, kMaxPuntos), acotar(xb, 1, kMaxPuntos));
    }
}

template <class F>
void filas_de_nudo(const Nudo& n, F&& f) {
    const auto [x1, x2] = celdas_de_tramo(n.u, n.u);
    const auto [y1, y2] = celdas_de_tramo(n.v, n.v);
    for (int y = acotar(y1, 1, kMaxPuntos); y <= acotar(y2, 1, kMaxPuntos); ++y)
        f(y, acotar(x1, 1, kMaxPuntos), acotar(x2, 1, kMaxPuntos));
}

bool misma_linea(const Linea& a, const Linea& b) {
    return (a.u1 == b.u1 && a.v1 == b.v1 && a.u2 == b.u2 && a.v2 == b.v2) ||
           (a.u1 == b.u2 && a.v1 == b.v2 && a.u2 == b.u1 && a.v2 == b.v1);
}

// Las partes de una celda: cada cuarto de celda partido por su media diagonal en dos
// triángulos, nombrados por la esquina del cuarto y el lado de la diagonal que no lo cruza.
enum : unsigned {
    kAI_abi = 1u << 0,  // cuarto de arriba a la izquierda, lado de abajo a la izquierda de '\'
    kAI_ard = 1u << 1,
    kBD_abi = 1u << 2,
    kBD_ard = 1u << 3,
    kBI_ari = 1u << 4,  // cuarto de abajo a la izquierda, lado de arriba a la izquierda de '/'
    kBI_abd = 1u << 5,
    kAD_ari = 1u << 6,
    kAD_abd = 1u << 7,
    kCentro = 1u << 8,  // lo cruza un medio punto entero: dos medios nunca caben juntos
};
constexpr unsigned kCuarto[4] = {kAI_abi | kAI_ard, kAD_ari | kAD_abd, kBI_ari | kBI_abd, kBD_abi | kBD_ard};

unsigned cuarto(Esquina e) { return kCuarto[static_cast<unsigned>(e)]; }

bool enum_valido(const Parcial& p) {
    return static_cast<unsigned>(p.tipo) <= 3 && static_cast<unsigned>(p.diagonal) <= 1 &&
           static_cast<unsigned>(p.esquina) <= 3;
}

bool en_zona(int x, int y, const RectanguloCeldas* z) {
    return !z || (x >= z->x1 && x <= z->x2 && y >= z->y1 && y <= z->y2);
}
bool punto_en_zona(int u, int v, const RectanguloCeldas* z) {
    return !z || (u >= 2 * z->x1 - 2 && u <= 2 * z->x2 && v >= 2 * z->y1 - 2 && v <= 2 * z->y2);
}

void ordenar_unicos(std::vector<std::size_t>& v) {
    std::sort(v.begin(), v.end());
    v.erase(std::unique(v.begin(), v.end()), v.end());
}

}  // namespace

// ---------------------------------------------------------------- índice por filas

void IndiceFilas::vaciar() {
    filas_.clear();
    alcance_.clear();
}

const std::vector<IndiceFilas::Entrada>& IndiceFilas::fila(int y) const {
    static const std::vector<Entrada> kVacia;
    if (y < 0 || static_cast<std::size_t>(y) >= filas_.size()) return kVacia;
    return filas_[static_cast<std::size_t>(y)];
}

void IndiceFilas::anadir(std::uint32_t i, int y, int x1, int x2) {
    if (filas_.empty()) {
        filas_.resize(kFilas);
        alcance_.assign(kFilas, 0);
    }
    auto& f = filas_[static_cast<std::size_t>(y)];
    const Entrada e{static_cast<std::int16_t>(x1), static_cast<std::int16_t>(x2), i};
    auto pos = std::upper_bound(f.begin(), f.end(), e.x1, [](std::int16_t x, const Entrada& a) { return x < a.x1; });
    f.insert(pos, e);
    auto& al = alcance_[static_cast<std::size_t>(y)];
    al = std::max<std::int16_t>(al, static_cast<std::int16_t>(x2 - x1));
}

namespace {
template <class V>
auto buscar_entrada(V& f, std::uint32_t i, int x1) {
    auto it = std::lower_bound(f.begin(), f.end(), x1, [](const auto& a, int x) { return a.x1 < x; });
    while (it != f.end() && it->x1 == x1 && it->i != i) ++it;
    return (it != f.end() && it->x1 == x1) ? it : f.end();
}
}  // namespace

void IndiceFilas::quitar(std::uint32_t i, int y, int x1) {
    if (filas_.empty()) return;
    auto& f = filas_[static_cast<std::size_t>(y)];
    auto it = buscar_entrada(f, i, x1);
    if (it != f.end()) f.erase(it);
}

void IndiceFilas::renumerar(std::uint32_t viejo, std::uint32_t nuevo, int y, int x1) {
    if (filas_.empty()) return;
    auto& f = filas_[static_cast<std::size_t>(y)];
    auto it = buscar_entrada(f, viejo, x1);
    if (it != f.end()) it->i = nuevo;
}

void IndiceFilas::buscar(int x1, int y1, int x2, int y2, std::vector<std::size_t>& salida) const {
    if (filas_.empty()) return;
    y1 = std::max(y1, 1);
    y2 = std::min(y2, kMaxPuntos);
    for (int y = y1; y <= y2; ++y) {
        const auto& f = filas_[static_cast<std::size_t>(y)];
        if (f.empty()) continue;
        const int desde = x1 - alcance_[static_cast<std::size_t>(y)];
        auto it = std::lower_bound(f.begin(), f.end(), desde, [](const Entrada& a, int x) { return a.x1 < x; });
        for (; it != f.end() && it->x1 <= x2; ++it)
            if (it->x2 >= x1) salida.push_back(it->i);
    }
}

// ---------------------------------------------------------------- puntadas

Puntadas::Puntadas() : version_(nueva_version()) {}

Puntadas::Puntadas(Puntadas&& o) noexcept
    : parciales_(std::move(o.parciales_)),
      lineas_(std::move(o.lineas_)),
      nudos_(std::move(o.nudos_)),
      filas_parciales_(std::move(o.filas_parciales_)),
      filas_lineas_(std::move(o.filas_lineas_)),
      filas_nudos_(std::move(o.filas_nudos_)),
      version_(o.version_) {
    o.vaciar();
}

Puntadas& Puntadas::operator=(Puntadas&& o) noexcept {
    if (this != &o) {
        parciales_ = std::move(o.parciales_);
        lineas_ = std::move(o.lineas_);
        nudos_ = std::move(o.nudos_);
        filas_parciales_ = std::move(o.filas_parciales_);
        filas_lineas_ = std::move(o.filas_lineas_);
        filas_nudos_ = std::move(o.filas_nudos_);
        version_ = o.version_;
        o.vaciar();
    }
    return *this;
}

void Puntadas::cambiado() { version_ = nueva_version(); }

void Puntadas::vaciar() {
    parciales_.clear();
    lineas_.clear();
    nudos_.clear();
    filas_parciales_.vaciar();
    filas_lineas_.vaciar();
    filas_nudos_.vaciar();
    cambiado();
}

unsigned Puntadas::ocupacion(const Parcial& p) {
    if (!enum_valido(p)) return 0;
    switch (p.tipo) {
        case TipoParcial::kMedio:
            return kCentro | (p.diagonal == Diagonal::kInvertida ? cuarto(Esquina::kArribaIzquierda) | cuarto(Esquina::kAbajoDerecha)
                                                                 : cuarto(Esquina::kAbajoIzquierda) | cuarto(Esquina::kArribaDerecha));
        case TipoParcial::kCuarto:
        case TipoParcial::kPetit:
            return cuarto(p.esquina);
        case TipoParcial::kTresCuartos:
            if (p.diagonal == Diagonal::kInvertida) {
                if (p.esquina == Esquina::kAbajoIzquierda) return cuarto(p.esquina) | kAI_abi | kBD_abi;
                if (p.esquina == Esquina::kArribaDerecha) return cuarto(p.esquina) | kAI_ard | kBD_ard;
            } else {
                if (p.esquina == Esquina::kArribaIzquierda) return cuarto(p.esquina) | kBI_ari | kAD_ari;
                if (p.esquina == Esquina::kAbajoDerecha) return cuarto(p.esquina) | kBI_abd | kAD_abd;
            }
            return 0;  // la esquina está en la diagonal
    }
    return 0;
}

bool Puntadas::es_lado_de_celda(const Linea& l) {
    const int du = std::abs(l.u2 - l.u1), dv = std::abs(l.v2 - l.v1);
    if (du == 2 && dv == 0) return l.v1 % 2 == 0 && std::min(l.u1, l.u2) % 2 == 0;
    if (du == 0 && dv == 2) return l.u1 % 2 == 0 && std::min(l.v1, l.v2) % 2 == 0;
    return false;
}

bool Puntadas::hay_parciales(int x, int y) const {
    if (parciales_.empty() || y < 1 || y > kMaxPuntos) return false;
    const auto& f = filas_parciales_.fila(y);
    auto it = std::lower_bound(f.begin(), f.end(), x, [](const IndiceFilas::Entrada& a, int v) { return a.x1 < v; });
    return it != f.end() && it->x1 == x;
}

std::vector<std::size_t> Puntadas::parciales_celda(int x, int y) const {
    std::vector<std::size_t> r;
    if (y < 1 || y > kMaxPuntos) return r;
    const auto& f = filas_parciales_.fila(y);
    auto it = std::lower_bound(f.begin(), f.end(), x, [](const IndiceFilas::Entrada& a, int v) { return a.x1 < v; });
    for (; it != f.end() && it->x1 == x; ++it) r.push_back(it->i);
    std::sort(r.begin(), r.end());
    return r;
}

long Puntadas::nudo_en(int u, int v) const {
    const Nudo n{static_cast<std::int16_t>(u), static_cast<std::int16_t>(v)};
    long hallado = -1;
    bool primera = true;
    filas_de_nudo(n, [&](int y, int x1, int x2) {
        if (!primera) return;
        primera = false;
        std::vector<std::size_t> c;
        filas_nudos_.buscar(x1, y, x2, y, c);
        for (std::size_t i : c)
            if (nudos_[i].u == u && nudos_[i].v == v) hallado = static_cast<long>(i);
    });
    return hallado;
}

bool Puntadas::poner(const Parcial& p, int ancho, int alto) {
    if (p.x < 1 || p.y < 1 || p.x > ancho || p.y > alto || p.x > kMaxPuntos || p.y > kMaxPuntos) return false;
    if (!color_valido(p.color)) return false;
    const unsigned o = ocupacion(p);
    if (o == 0) return false;
    auto en_celda = parciales_celda(p.x, p.y);
    for (std::size_t i : en_celda)
        if (parciales_[i] == p) return true;  // ya está
    // Se quitan de mayor a menor índice para que los demás no se muevan.
    std::vector<std::size_t> quitar, quedan;
    for (std::size_t i : en_celda) (ocupacion(parciales_[i]) & o ? quitar : quedan).push_back(i);
    if (quedan.size() >= 2) quitar.push_back(quedan.front());  // el más antiguo
    std::sort(quitar.rbegin(), quitar.rend());
    for (std::size_t i : quitar) quitar_parcial(i);
    anadir_tal_cual(p);
    return true;
}

bool Puntadas::poner(const Linea& l, int ancho, int alto) {
    const int mu = 2 * std::min(ancho, kMaxPuntos), mv = 2 * std::min(alto, kMaxPuntos);
    auto dentro = [&](int u, int v) { return u >= 0 && v >= 0 && u <= mu && v <= mv; };
    if (!dentro(l.u1, l.v1) || !dentro(l.u2, l.v2)) return false;
    if (l.u1 == l.u2 && l.v1 == l.v2) return false;
    if (!color_valido(l.color) || l.hebras == 0) return false;
    // Un pespunte igual (en cualquier sentido): se cambia por el nuevo.
    std::vector<std::size_t> c;
    const int y = acotar(arriba(std::min(l.v1, l.v2), 2), 1, kMaxPuntos);
    filas_lineas_.buscar(1, y, kMaxPuntos, y, c);
    for (std::size_t i : c)
        if (misma_linea(lineas_[i], l)) {
            if (lineas_[i] == l) return true;
            quitar_linea(i);
            break;
        }
    anadir_tal_cual(l);
    return true;
}

bool Puntadas::poner(const Nudo& n, int ancho, int alto) {
    if (n.u < 0 || n.v < 0 || n.u > 2 * std::min(ancho, kMaxPuntos) || n.v > 2 * std::min(alto, kMaxPuntos)) return false;
    if (!color_valido(n.color) || n.hebras == 0) return false;
    const long i = nudo_en(n.u, n.v);
    if (i >= 0) {
        if (nudos_[static_cast<std::size_t>(i)] == n) return true;
        quitar_nudo(static_cast<std::size_t>(i));
    }
    anadir_tal_cual(n);
    return true;
}

void Puntadas::anadir_tal_cual(const Parcial& p) {
    const auto i = static_cast<std::uint32_t>(parciales_.size());
    parciales_.push_back(p);
    if (p.y >= 1 && p.y <= kMaxPuntos) filas_parciales_.anadir(i, p.y, p.x, p.x);
    cambiado();
}

void Puntadas::anadir_tal_cual(const Linea& l) {
    lineas_.push_back(l);
    indexar_linea(static_cast<std::uint32_t>(lineas_.size() - 1), false);
    cambiado();
}

void Puntadas::anadir_tal_cual(const Nudo& n) {
    nudos_.push_back(n);
    indexar_nudo(static_cast<std::uint32_t>(nudos_.size() - 1), false);
    cambiado();
}

void Puntadas::indexar_linea(std::uint32_t i, bool quitar, std::uint32_t nuevo) {
    filas_de_linea(lineas_[i], [&](int y, int x1, int x2) {
        if (!quitar) filas_lineas_.anadir(i, y, x1, x2);
        else if (nuevo == i) filas_lineas_.quitar(i, y, x1);
        else filas_lineas_.renumerar(i, nuevo, y, x1);
    });
}

void Puntadas::indexar_nudo(std::uint32_t i, bool quitar, std::uint32_t nuevo) {
    filas_de_nudo(nudos_[i], [&](int y, int x1, int x2) {
        if (!quitar) filas_nudos_.anadir(i, y, x1, x2);
        else if (nuevo == i) filas_nudos_.quitar(i, y, x1);
        else filas_nudos_.renumerar(i, nuevo, y, x1);
    });
}

void Puntadas::quitar_parcial(std::size_t i) {
    if (i >= parciales_.size()) return;
    const auto ii = static_cast<std::uint32_t>(i);
    const auto ult = static_cast<std::uint32_t>(parciales_.size() - 1);
    const Parcial& p = parciales_[i];
    if (p.y >= 1 && p.y <= kMaxPuntos) filas_parciales_.quitar(ii, p.y, p.x);
    if (ii != ult) {
        const Parcial& q = parciales_[ult];
        if (q.y >= 1 && q.y <= kMaxPuntos) filas_parciales_.renumerar(ult, ii, q.y, q.x);
        parciales_[i] = q;
    }
    parciales_.pop_back();
    cambiado();
}

void Puntadas::quitar_linea(std::size_t i) {
    if (i >= lineas_.size()) return;
    const auto ii = static_cast<std::uint32_t>(i);
    const auto ult = static_cast<std::uint32_t>(lineas_.size() - 1);
    indexar_linea(ii, true, ii);
    if (ii != ult) {
        indexar_linea(ult, true, ii);
        lineas_[i] = lineas_[ult];
    }
    lineas_.pop_back();
    cambiado();
}

void Puntadas::quitar_nudo(std::size_t i) {
    if (i >= nudos_.size()) return;
    const auto ii = static_cast<std::uint32_t>(i);
    const auto ult = static_cast<std::uint32_t>(nudos_.size() - 1);
    indexar_nudo(ii, true, ii);
    if (ii != ult) {
        indexar_nudo(ult, true, ii);
        nudos_[i] = nudos_[ult];
    }
    nudos_.pop_back();
    cambiado();
}

bool Puntadas::quitar_igual(const Parcial& p) {
    for (std::size_t i : parciales_celda(p.x, p.y))
        if (parciales_[i] == p) {
            quitar_parcial(i);
            return true;
        }
    return false;
}

bool Puntadas::quitar_igual(const Linea& l) {
    std::vector<std::size_t> c;
    const int y = acotar(arriba(std::min(l.v1, l.v2), 2), 1, kMaxPuntos);
    filas_lineas_.buscar(1, y, kMaxPuntos, y, c);
    for (std::size_t i : c)
        if (lineas_[i] == l) {
            quitar_linea(i);
            return true;
        }
    return false;
}

bool Puntadas::quitar_igual(const Nudo& n) {
    std::vector<std::size_t> c;
    filas_de_nudo(n, [&](int y, int x1, int x2) { filas_nudos_.buscar(x1, y, x2, y, c); });
    for (std::size_t i : c)
        if (nudos_[i] == n) {
            quitar_nudo(i);
            return true;
        }
    return false;
}

int Puntadas::quitar_celda(int x, int y) {
    auto c = parciales_celda(x, y);
    std::sort(c.rbegin(), c.rend());
    for (std::size_t i : c) quitar_parcial(i);
    return static_cast<int>(c.size());
}

void Puntadas::recortar(int ancho, int alto) {
    const int mu = 2 * ancho, mv = 2 * alto;
    bool algo = false;
    auto fuera = [&](int u, int v) { return u < 0 || v < 0 || u > mu || v > mv; };
    for (std::size_t i = parciales_.size(); i-- > 0;)
        if (parciales_[i].x < 1 || parciales_[i].y < 1 || parciales_[i].x > ancho || parciales_[i].y > alto) {
            quitar_parcial(i);
            algo = true;
        }
    for (std::size_t i = lineas_.size(); i-- > 0;)
        if (fuera(lineas_[i].u1, lineas_[i].v1) || fuera(lineas_[i].u2, lineas_[i].v2)) {
            quitar_linea(i);
            algo = true;
        }
    for (std::size_t i = nudos_.size(); i-- > 0;)
        if (fuera(nudos_[i].u, nudos_[i].v)) {
            quitar_nudo(i);
            algo = true;
        }
    if (algo) cambiado();
}

long Puntadas::cambiar_color(Color viejo, Color nuevo, const RectanguloCeldas* zona) {
    if (viejo == nuevo) return 0;
    return cambiar_colores([&](Color c) { return c == viejo ? nuevo : c; }, zona);
}

long Puntadas::cambiar_colores(const std::function<Color(Color)>& nuevo_de, const RectanguloCeldas* zona) {
    long n = 0;
    auto cambia = [&](Color& c) {
        const Color d = nuevo_de(c);
        if (d != c && color_valido(d)) {
            c = d;
            ++n;
        }
    };
    for (Parcial& p : parciales_)
        if (en_zona(p.x, p.y, zona)) cambia(p.color);
    for (Linea& l : lineas_)
        if (punto_en_zona(l.u1, l.v1, zona) && punto_en_zona(l.u2, l.v2, zona)) cambia(l.color);
    for (Nudo& k : nudos_)
        if (punto_en_zona(k.u, k.v, zona)) cambia(k.color);
    if (n > 0) cambiado();
    return n;
}

std::vector<std::size_t> Puntadas::parciales_en(const RectanguloCeldas& r) const {
    std::vector<std::size_t> v;
    if (r.x1 > r.x2 || r.y1 > r.y2) return v;
    filas_parciales_.buscar(r.x1, r.y1, r.x2, r.y2, v);
    return v;
}

std::vector<std::size_t> Puntadas::lineas_en(const RectanguloCeldas& r) const {
    std::vector<std::size_t> v;
    if (r.x1 > r.x2 || r.y1 > r.y2) return v;
    filas_lineas_.buscar(r.x1, r.y1, r.x2, r.y2, v);
    if (r.y2 > r.y1) ordenar_unicos(v);
    return v;
}

std::vector<std::size_t> Puntadas::nudos_en(const RectanguloCeldas& r) const {
    std::vector<std::size_t> v;
    if (r.x1 > r.x2 || r.y1 > r.y2) return v;
    filas_nudos_.buscar(r.x1, r.y1, r.x2, r.y2, v);
    if (r.y2 > r.y1) ordenar_unicos(v);
    return v;
}

namespace {
template <class T, class K>
bool mismos(std::vector<T> a, std::vector<T> b, K clave) {
    if (a.size() != b.size()) return false;
    auto menor = [&](const T& x, const T& y) { return clave(x) < clave(y); };
    std::sort(a.begin(), a.end(), menor);
    std::sort(b.begin(), b.end(), menor);
    return a == b;
}
}  // namespace

bool Puntadas::operator==(const Puntadas& o) const {
    if (version_ == o.version_) return true;
    auto cp = [](const Parcial& p) {
        return std::tuple(p.y, p.x, p.tipo, p.diagonal, p.esquina, p.color);
    };
    auto cl = [](const Linea& l) { return std::tuple(l.v1, l.u1, l.v2, l.u2, l.color, l.hebras); };
    auto cn = [](const Nudo& n) { return std::tuple(n.v, n.u, n.color, n.hebras); };
    return mismos(parciales_, o.parciales_, cp) && mismos(lineas_, o.lineas_, cl) && mismos(nudos_, o.nudos_, cn);
}

ConteoPuntadas contar(const Puntadas& p) {
    ConteoPuntadas c;
    for (const Parcial& q : p.parciales()) {
        switch (q.tipo) {
            case TipoParcial::kMedio: ++c.medios; break;
            case TipoParcial::kCuarto: ++c.cuartos; break;
            case TipoParcial::kTresCuartos: ++c.tres_cuartos; break;
            case TipoParcial::kPetit: ++c.petits; break;
        }
    }
    c.pespuntes = static_cast<long>(p.lineas().size());
    c.nudos = static_cast<long>(p.nudos().size());
    return c;
}

}  // namespace pc
