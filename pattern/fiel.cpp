#include "pattern/fiel.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstring>
#include <limits>
#include <numeric>
#include <random>

#include "app/paralelo.h"
#include "pattern/puntadas_tapiz.h"

namespace pc {

namespace {

// Hilos que se prueban para cada grupo de la k-medias.
constexpr int kCandidatosGrupo = 12;
constexpr int kVueltasKMedias = 16;
constexpr int kVueltasRefino = 5;
// Muestras que como poco lleva cada tramo al repartirlas entre los hilos de cálculo.
constexpr std::size_t kMuestrasPorTramo = 1024;

// Posiciones de los k valores menores de d (k <= n), sin ordenar entre sí.
template <typename Menor>
int menores(int n, int k, int* pos, Menor menor) {
    std::iota(pos, pos + n, 0);
    if (k < n) std::nth_element(pos, pos + k, pos + n, menor);
    return std::min(k, n);
}

// Cota inferior de CIEDE2000 barata de calcular, al cuadrado. En la fórmula, el término de
// rotación no puede con la suma de los de croma y tono (|RT| < 2 sin 60° = 1,732), así que
// ésos suman al menos (1 - 0,866) ((ΔC'/SC)² + (ΔH'/SH)²) >= 0,134 (Δa² + Δb²) / SC², con SH <= SC
// y SC acotado por arriba con C' <= 1,5 C. El de luminosidad, (ΔL/SL)², va entero. Sólo si
// ésta no basta para descartar un hilo se mira la fina.
struct CotaDe00 {
    float luz;    // (ΔL/SL)²
    float croma;  // (Δa² + Δb²) / SC², con SC acotado por arriba
    float cm;     // cota del croma medio C̄'
    float cuadrado() const { return luz + 0.133f * croma; }
    // Más fina, y algo más cara: RT = -sin(2Δθ) RC con RC = 2 √(C̄'^7 / (C̄'^7 + 25^7)), que
    // crece con C̄', así que |RT| <= 0,866 RC(cm); con croma bajo casi no resta nada.
    float fina() const {
        const float c2 = cm * cm, c7 = c2 * c2 * c2 * cm;
        const float rc = 2 * std::sqrt(c7 / (c7 + 6103515625.0f));
        return luz + (1 - 0.4331f * rc) * croma;
    }
};
// ct: el croma del hilo, √(a² + b²).
inline CotaDe00 cota_de00(const Lab& q, float cq, float tl, float ta, float tb, float ct) {
    const float dl = q.l - tl, lm = (q.l + tl) / 2 - 50;
    const float sl = 1 + 0.015f * lm * lm / std::sqrt(20 + lm * lm);
    const float da = q.a - ta, db = q.b - tb;
    const float cm = 0.75f * (cq + ct);
    const float sc = 1 + 0.045f * cm;
    return {dl * dl / (sl * sl), (da * da + db * db) / (sc * sc), cm};
}

// Cota inferior de CIEDE2000 al cuadrado casi tan ajustada como la diferencia, sin ángulos:
// luminosidad y croma como en la fórmula; el tono por ΔH'² = Δa'² + Δb² - ΔC'² con SH acotado
// por arriba (T <= 1,5725); y el término de rotación, que resta a lo sumo sin 60° RC |x| |y|
// (x = ΔC'/SC, y = ΔH'/SH), con el menor valor que puede dejar para y >= ΔH'/SH máximo.
// cq y ct: los cromas √(a² + b²) de los dos colores.
double cota_tono(const Lab& q, double cq, float tl, float ta, float tb, double ct) {
    constexpr double k25_7 = 6103515625.0;
    const double l1 = q.l, a1 = q.a, b1 = q.b, l2 = tl, a2 = ta, b2 = tb;
    const double cm = (cq + ct) / 2, cm2 = cm * cm, cm7 = cm2 * cm2 * cm2 * cm;
    const double g = 0.5 * (1 - std::sqrt(cm7 / (cm7 + k25_7)));
    const double a1p = (1 + g) * a1, a2p = (1 + g) * a2;
    const double c1p = std::sqrt(a1p * a1p + b1 * b1), c2p = std::sqrt(a2p * a2p + b2 * b2);
    const double dl = l2 - l1, dc = c2p - c1p, da = a2p - a1p, db = b2 - b1;
    const double dh2 = std::max(0.0, da * da + db * db - dc * dc);
    const double lm = (l1 + l2) / 2 - 50, l50 = lm * lm;
    const double sl = 1 + 0.015 * l50 / std::sqrt(20 + l50);
    const double cmp = (c1p + c2p) / 2, cmp2 = cmp * cmp, cmp7 = cmp2 * cmp2 * cmp2 * cmp;
    const double sc = 1 + 0.045 * cmp, sh = 1 + 0.015 * cmp * 1.5725;
    const double k = 0.8661 * 2 * std::sqrt(cmp7 / (cmp7 + k25_7));
    const double x = std::abs(dc) / sc, y = std::sqrt(dh2) / sh;
    const double resto = y >= k * x / 2 ? x * x + y * y - k * x * y : x * x * (1 - k * k / 4);
    return dl * dl / (sl * sl) + resto;
}

// El más próximo por CIEDE2000, exacto: se empieza por el más cercano en Lab y sólo se calcula
// CIEDE2000 con los que la cota no descarta. De los iguales, el primero.
int mas_proximo_de(const GrupoLab& g, const Lab& q, double* distancia = nullptr) {
    const int n = static_cast<int>(g.size());
    if (n == 0) return -1;
    // Primero todas las distancias y cotas, de cuatro hilos en cuatro (el grupo lleva relleno
    // hasta un múltiplo de 4), y después las comparaciones. En la cota, SL se acota por
    // arriba con 1 + 0,015 |L̄' - 50| (sin raíz ni saltos).
    thread_local std::vector<float> d76, cota;
    const std::size_t relleno = g.l.size();
    d76.resize(relleno);
    cota.resize(relleno);
    {
        using V4 = float __attribute__((vector_size(16)));
        using I4 = std::int32_t __attribute__((vector_size(16)));
        const float cq = std::sqrt(q.a * q.a + q.b * q.b);
        auto cargar = [](const std::vector<float>& v, std::size_t k) {
            V4 r;
            std::memcpy(&r, v.data() + k, sizeof r);
            return r;
        };
        for (std::size_t k = 0; k < relleno; k += 4) {
            const V4 tl = cargar(g.l, k), ta = cargar(g.a, k), tb = cargar(g.b, k), ct = cargar(g.croma, k);
            const V4 dl = q.l - tl, da = q.a - ta, db = q.b - tb;
            const V4 dab = da * da + db * db;
            const V4 d = dl * dl + da * da + db * db;
            const V4 lm = (q.l + tl) / 2 - 50;
            const V4 alm = reinterpret_cast<V4>(reinterpret_cast<I4>(lm) & 0x7FFFFFFF);
            const V4 sl = 1 + 0.015f * alm;
            const V4 sc = 1 + 0.045f * (0.75f * (cq + ct));
            const V4 c = dl * dl / (sl * sl) + 0.133f * (dab / (sc * sc));
            std::memcpy(d76.data() + k, &d, sizeof d);
            std::memcpy(cota.data() + k, &c, sizeof c);
        }
    }
    int mejor = 0;
    float d76_min = std::numeric_limits<float>::infinity();
    for (int i = 0; i < n; ++i)
        if (d76[static_cast<std::size_t>(i)] < d76_min) d76_min = d76[static_cast<std::size_t>(i)], mejor = i;
    auto lab = [&](int i) {
        const auto k = static_cast<std::size_t>(i);
        return Lab{g.l[k], g.a[k], g.b[k]};
    };
    const int primero = mejor;
    double dm = de00(q, lab(primero));
    const float cq = std::sqrt(q.a * q.a + q.b * q.b);
    const double qa = q.a, qb = q.b, cqd = std::sqrt(qa * qa + qb * qb);
    for (int i = 0; i < n; ++i) {
        if (i == primero) continue;
        const auto k = static_cast<std::size_t>(i);
        // Margen por el redondeo de la cota y del propio CIEDE2000.
        const double tope = dm * dm * 1.0001 + 1e-6;
        if (cota[k] > tope) continue;
        // La ajustada, con más margen: sus redondeos no son los de CIEDE2000.
        if (cota_tono(q, cqd, g.l[k], g.a[k], g.b[k], g.croma[k]) > dm * dm * 1.001 + 1e-3) continue;
        const double d = de00(q, lab(i));
        if (d < dm || (d == dm && i < mejor)) dm = d, mejor = i;
    }
    if (distancia) *distancia = dm;
    return mejor;
}

}  // namespace

void tramo_celda(int i, int lado, int celdas, int& inicio, int& fin) {
    if (lado <= 0 || celdas <= 0) {
        inicio = fin = 0;
        return;
    }
    if (lado < celdas) {
        inicio = static_cast<int>((2LL * i + 1) * lado / (2LL * celdas));
        fin = inicio + 1;
        return;
    }
    inicio = static_cast<int>(static_cast<long long>(i) * lado / celdas);
    fin = static_cast<int>(static_cast<long long>(i + 1) * lado / celdas);
}

MediasCeldas promediar_celdas(const Imagen& img, int ancho, int alto) {
    MediasCeldas c;
    c.ancho = std::clamp(ancho, 0, kMaxPuntos);
    c.alto = std::clamp(alto, 0, kMaxPuntos);
    const std::size_t total = static_cast<std::size_t>(c.ancho) * static_cast<std::size_t>(c.alto);
    c.lab.assign(total, lab_de_color(kBlanco));
    c.color.assign(total, kBlanco);
    const int w = img.ancho(), h = img.alto();
    if (total == 0 || w <= 0 || h <= 0) return c;

    std::vector<int> x0(static_cast<std::size_t>(c.ancho)), x1(static_cast<std::size_t>(c.ancho));
    for (int i = 0; i < c.ancho; ++i) tramo_celda(i, w, c.ancho, x0[static_cast<std::size_t>(i)], x1[static_cast<std::size_t>(i)]);
    const std::array<float, 256>& lin = tabla_lineal();

    // Cada tramo de filas de celdas lee sus propias filas de la imagen.
    repartir(static_cast<std::size_t>(c.alto), filas_por_tramo(c.ancho), [&](int, std::size_t desde, std::size_t hasta) {
        // Sumas de una fila de celdas, en luz lineal.
        std::vector<std::array<float, 3>> suma(static_cast<std::size_t>(c.ancho));
        std::vector<Color> linea(static_cast<std::size_t>(w));
        for (int j = static_cast<int>(desde); j < static_cast<int>(hasta); ++j) {
            int y0 = 0, y1 = 0;
            tramo_celda(j, h, c.alto, y0, y1);
            std::fill(suma.begin(), suma.end(), std::array<float, 3>{0, 0, 0});
            for (int y = y0; y < y1; ++y) {
                img.fila(y, 0, w, linea.data());
                for (int i = 0; i < c.ancho; ++i) {
                    auto& s = suma[static_cast<std::size_t>(i)];
                    float r = 0, g = 0, b = 0;
                    for (int x = x0[static_cast<std::size_t>(i)]; x < x1[static_cast<std::size_t>(i)]; ++x) {
                        const Color p = linea[static_cast<std::size_t>(x)];
                        r += lin[static_cast<std::size_t>(rojo(p))];
                        g += lin[static_cast<std::size_t>(verde(p))];
                        b += lin[static_cast<std::size_t>(azul(p))];
                    }
                    s[0] += r;
                    s[1] += g;
                    s[2] += b;
                }
            }
            // Una celda igual a la anterior (zonas lisas) repite su Lab y su color.
            std::array<float, 3> previa{-1, -1, -1};
            Lab lab_previo;
            Color color_previo = 0;
            for (int i = 0; i < c.ancho; ++i) {
                const auto& s = suma[static_cast<std::size_t>(i)];
                const float n = static_cast<float>(x1[static_cast<std::size_t>(i)] - x0[static_cast<std::size_t>(i)]) *
                                static_cast<float>(y1 - y0);
                const float r = std::min(1.0f, s[0] / n), g = std::min(1.0f, s[1] / n), b = std::min(1.0f, s[2] / n);
                const std::array<float, 3> media{r, g, b};
                if (std::memcmp(media.data(), previa.data(), sizeof media) != 0) {
                    previa = media;
                    lab_previo = lab_de_lineal(r, g, b);
                    color_previo = rgb(de_lineal(r), de_lineal(g), de_lineal(b));
                }
                const std::size_t k = c.indice(i + 1, j + 1);
                c.lab[k] = lab_previo;
                c.color[k] = color_previo;
            }
        }
    });
    return c;
}

std::vector<HiloLab> hilos_activos(const TablaHilos& tabla) {
    std::vector<HiloLab> v;
    const int total = std::clamp(tabla.total, 0, kMaxHilos);
    for (int i = 1; i <= total; ++i) {
        const Hilo& h = tabla[i];
        if (!h.activo) continue;
        auto igual = std::find_if(v.begin(), v.end(), [&](const HiloLab& o) { return o.color == h.color; });
        if (igual != v.end()) {
            igual->bloqueado = igual->bloqueado || h.bloqueado;
            continue;
        }
        v.push_back({h.color, lab_de_color(h.color), h.bloqueado});
    }
    return v;
}

// --- Asignador ---

GrupoLab::GrupoLab(const std::vector<HiloLab>& hilos) {
    for (const HiloLab& h : hilos) {
        l.push_back(h.lab.l);
        a.push_back(h.lab.a);
        b.push_back(h.lab.b);
        croma.push_back(std::sqrt(h.lab.a * h.lab.a + h.lab.b * h.lab.b));
    }
    n_ = l.size();
    // Relleno hasta un múltiplo de 4 para recorrerlos de cuatro en cuatro.
    const std::size_t relleno = (n_ + 3) / 4 * 4;
    for (auto* v : {&l, &a, &b, &croma}) v->resize(relleno, 0.0f);
}

Asignador::Asignador(const std::vector<HiloLab>& hilos, std::size_t previstos)
    : grupo_(hilos), recuerdo_(previstos) {}

int Asignador::mas_proximo(const Lab& q) const { return mas_proximo_de(grupo_, q); }

int Asignador::mas_proximo(Color c) {
    return recuerdo_.obtener(c, [this](Color q) {
        return static_cast<std::int16_t>(mas_proximo_de(grupo_, lab_de_color(q)));
    });
}

// --- Elección de los hilos ---

namespace {

struct Muestra {
    Lab lab;
    double peso = 0;
};

// Agrupa las celdas por su color en cubos de 4 × 4 × 4 valores sRGB: media Lab y peso.
std::vector<Muestra> agrupar(const MediasCeldas& c) {
    std::vector<std::int32_t> cubo(1 << 18, -1);
    std::vector<std::array<double, 3>> suma;
    std::vector<Muestra> m;
    for (std::size_t k = 0; k < c.lab.size(); ++k) {
        const Color col = c.color[k];
        const int clave = (rojo(col) >> 2) | (verde(col) >> 2) << 6 | (azul(col) >> 2) << 12;
        auto& pos = cubo[static_cast<std::size_t>(clave)];
        if (pos < 0) {
            pos = static_cast<std::int32_t>(m.size());
            m.push_back({});
            suma.push_back({0, 0, 0});
        }
        auto& s = suma[static_cast<std::size_t>(pos)];
        s[0] += c.lab[k].l;
        s[1] += c.lab[k].a;
        s[2] += c.lab[k].b;
        m[static_cast<std::size_t>(pos)].peso += 1;
    }
    for (std::size_t i = 0; i < m.size(); ++i) {
        const double p = m[i].peso;
        m[i].lab = {static_cast<float>(suma[i][0] / p), static_cast<float>(suma[i][1] / p),
                    static_cast<float>(suma[i][2] / p)};
    }
    return m;
}

using V4 = float __attribute__((vector_size(16)));

// Los centros por componentes, con relleno hasta un múltiplo de 4.
struct Centros {
    std::vector<float> l, a, b;
    std::size_t n = 0;
    explicit Centros(const std::vector<Lab>& c) : n(c.size()) {
        const std::size_t relleno = (n + 3) / 4 * 4;
        l.assign(relleno, 0.0f), a.assign(relleno, 0.0f), b.assign(relleno, 0.0f);
        for (std::size_t i = 0; i < n; ++i) l[i] = c[i].l, a[i] = c[i].a, b[i] = c[i].b;
    }
};

// Posición del centro más cercano en Lab (el primero de los iguales); 0 si no hay centros.
// Las distancias, de cuatro en cuatro; la comparación, en orden.
int centro_mas_cercano(const Lab& q, const Centros& c) {
    thread_local std::vector<float> d;
    d.resize(c.l.size());
    for (std::size_t k = 0; k < c.l.size(); k += 4) {
        V4 tl, ta, tb;
        std::memcpy(&tl, c.l.data() + k, sizeof tl);
        std::memcpy(&ta, c.a.data() + k, sizeof ta);
        std::memcpy(&tb, c.b.data() + k, sizeof tb);
        const V4 dl = q.l - tl, da = q.a - ta, db = q.b - tb;
        const V4 v = dl * dl + da * da + db * db;
        std::memcpy(d.data() + k, &v, sizeof v);
    }
    int mejor = 0;
    float dm = std::numeric_limits<float>::infinity();
    for (std::size_t i = 0; i < c.n; ++i)
        if (d[i] < dm) dm = d[i], mejor = static_cast<int>(i);
    return mejor;
}

// k-medias en Lab con los centros fijos primero (los hilos bloqueados) y "libres" centros
// más sembrados con k-medias++ (semilla fija: el resultado no depende de la ejecución).
std::vector<Lab> k_medias(const std::vector<Muestra>& m, const std::vector<Lab>& fijos, int libres) {
    std::vector<Lab> centro = fijos;
    const std::size_t nf = fijos.size();
    std::vector<double> d2(m.size(), std::numeric_limits<double>::infinity());
    auto actualizar = [&](const Lab& c) {
        for (std::size_t i = 0; i < m.size(); ++i) d2[i] = std::min(d2[i], static_cast<double>(d76_cuadrado(m[i].lab, c)));
    };
    for (const Lab& c : centro) actualizar(c);
    std::mt19937 azar(20240607u);
    for (int k = 0; k < libres; ++k) {
        double total = 0;
        for (std::size_t i = 0; i < m.size(); ++i) total += m[i].peso * (std::isinf(d2[i]) ? 1.0 : d2[i]);
        if (total <= 0) break;  // todas las muestras ya tienen centro propio
        double u = (static_cast<double>(azar()) / 4294967296.0) * total;
        std::size_t elegido = m.size() - 1;
        for (std::size_t i = 0; i < m.size(); ++i) {
            u -= m[i].peso * (std::isinf(d2[i]) ? 1.0 : d2[i]);
            if (u < 0) {
                elegido = i;
                break;
            }
        }
        centro.push_back(m[elegido].lab);
        actualizar(m[elegido].lab);
    }

    std::vector<int> grupo(m.size(), -1);
    std::vector<std::array<double, 4>> acum(centro.size());
    for (int vuelta = 0; vuelta < kVueltasKMedias; ++vuelta) {
        std::atomic<bool> cambio{false};
        const Centros centros(centro);
        para_cada(m.size(), kMuestrasPorTramo, [&](std::size_t i) {
            const int mejor = centro_mas_cercano(m[i].lab, centros);
            if (grupo[i] != mejor) {
                grupo[i] = mejor;
                cambio.store(true, std::memory_order_relaxed);
            }
        });
        if (!cambio.load()) break;
        std::fill(acum.begin(), acum.end(), std::array<double, 4>{0, 0, 0, 0});
        for (std::size_t i = 0; i < m.size(); ++i) {
            auto& a = acum[static_cast<std::size_t>(grupo[i])];
            a[0] += m[i].peso * m[i].lab.l;
            a[1] += m[i].peso * m[i].lab.a;
            a[2] += m[i].peso * m[i].lab.b;
            a[3] += m[i].peso;
        }
        for (std::size_t c = nf; c < centro.size(); ++c) {
            const auto& a = acum[c];
            if (a[3] > 0)
                centro[c] = {static_cast<float>(a[0] / a[3]), static_cast<float>(a[1] / a[3]),
                             static_cast<float>(a[2] / a[3])};
        }
    }
    return centro;
}

// El hilo (de entre "libres") que menos error CIEDE2000 suma a las muestras mg del grupo,
// cada suma en el orden de las muestras; de los iguales, el de menor posición en activos; -1 si
// no hay libres. Sin muestras, el más próximo a la media. El resultado no depende del orden de
// los candidatos, y cada suma se abandona en cuanto pasa (estrictamente) del menor coste
// completo hallado hasta entonces: ese candidato ya no puede ganar ni empatar. Los candidatos
// se reparten entre los hilos de cálculo, que comparten ese menor coste.
int mejor_candidato(const std::vector<int>& libres, const std::vector<std::size_t>& mg, const std::vector<Muestra>& m,
                    const std::vector<HiloLab>& activos, const Lab& media) {
    auto lab = [&](int t) -> const Lab& { return activos[static_cast<std::size_t>(t)].lab; };
    int mejor = -1;
    double coste_min = std::numeric_limits<double>::infinity();
    auto comparar = [&](int t, double coste) {
        if (coste < coste_min || (coste == coste_min && t < mejor)) coste_min = coste, mejor = t;
    };
    if (mg.empty()) {
        for (int t : libres) comparar(t, de00(media, lab(t)));
        return mejor;
    }
    std::atomic<double> corte{std::numeric_limits<double>::infinity()};
    std::vector<double> coste(libres.size());
    std::vector<char> completo(libres.size(), 0);
    auto sumar = [&](std::size_t k) {
        const Lab& hilo = lab(libres[k]);
        double suma = 0;
        for (std::size_t i : mg) {
            suma += m[i].peso * de00(m[i].lab, hilo);
            if (suma > corte.load(std::memory_order_relaxed)) return;
        }
        coste[k] = suma;
        completo[k] = 1;
        for (double c = corte.load(); suma < c && !corte.compare_exchange_weak(c, suma);) {
        }
    };
    // Con poco trabajo, en el propio hilo.
    constexpr std::size_t kTrabajoMinimo = 2048;
    if (mg.size() * libres.size() < kTrabajoMinimo) {
        for (std::size_t k = 0; k < libres.size(); ++k) sumar(k);
    } else {
        para_cada(libres.size(), 1, sumar);
    }
    for (std::size_t k = 0; k < libres.size(); ++k)
        if (completo[k]) comparar(libres[k], coste[k]);
    return mejor;
}

}  // namespace

std::vector<HiloLab> elegir_hilos(const MediasCeldas& c, const std::vector<HiloLab>& activos, int n) {
    if (n >= static_cast<int>(activos.size())) return activos;
    std::vector<HiloLab> elegidos;
    std::vector<char> usado(activos.size(), 0);
    for (std::size_t t = 0; t < activos.size(); ++t) {
        if (activos[t].bloqueado) {
            elegidos.push_back(activos[t]);
            usado[t] = 1;
        }
    }
    const int fijos = static_cast<int>(elegidos.size());
    const int libres = n - fijos;
    if (libres <= 0 || c.lab.empty()) return elegidos;

    const std::vector<Muestra> m = agrupar(c);
    std::vector<Lab> lab_fijos;
    for (const HiloLab& h : elegidos) lab_fijos.push_back(h.lab);
    const std::vector<Lab> centros = k_medias(m, lab_fijos, libres);
    const int grupos = static_cast<int>(centros.size());

    // Hilo de cada grupo libre (posición en activos) y grupo de cada muestra.
    std::vector<int> hilo(static_cast<std::size_t>(grupos), -1);
    for (int g = 0; g < fijos; ++g) {
        int k = 0;
        for (std::size_t t = 0; t < activos.size(); ++t)
            if (activos[t].bloqueado && k++ == g) hilo[static_cast<std::size_t>(g)] = static_cast<int>(t);
    }
    std::vector<int> grupo(m.size(), 0);
    const Centros soa(centros);
    para_cada(m.size(), kMuestrasPorTramo, [&](std::size_t i) { grupo[i] = centro_mas_cercano(m[i].lab, soa); });

    const int na = static_cast<int>(activos.size());
    std::vector<int> pos(static_cast<std::size_t>(na));
    std::vector<float> d76(static_cast<std::size_t>(na));
    std::vector<std::vector<std::size_t>> miembros(static_cast<std::size_t>(grupos));
    std::vector<double> peso(static_cast<std::size_t>(grupos));

    // Para cada grupo libre, el hilo no usado que menos error CIEDE2000 suma a sus muestras,
    // entre los más cercanos en Lab a la media del grupo (y el que ya tenía).
    // Lo que decidió cada grupo la última vez, con sus muestras y sus candidatos: con los
    // mismos, la decisión es la misma y no se vuelve a sumar.
    struct Decision {
        std::vector<std::size_t> muestras;
        std::vector<int> candidatos;
        int hilo = -1;
    };
    std::vector<Decision> decision(static_cast<std::size_t>(grupos));
    auto elegir_por_grupo = [&]() {
        for (auto& v : miembros) v.clear();
        std::fill(peso.begin(), peso.end(), 0.0);
        for (std::size_t i = 0; i < m.size(); ++i) {
            miembros[static_cast<std::size_t>(grupo[i])].push_back(i);
            peso[static_cast<std::size_t>(grupo[i])] += m[i].peso;
        }
        std::vector<int> orden(static_cast<std::size_t>(grupos - fijos));
        std::iota(orden.begin(), orden.end(), fijos);
        std::stable_sort(orden.begin(), orden.end(), [&](int a, int b) {
            return peso[static_cast<std::size_t>(a)] > peso[static_cast<std::size_t>(b)];
        });
        for (int g : orden) {
            const int anterior = hilo[static_cast<std::size_t>(g)];
            if (anterior >= 0) usado[static_cast<std::size_t>(anterior)] = 0;
        }
        bool cambio = false;
        for (int g : orden) {
            const auto& mg = miembros[static_cast<std::size_t>(g)];
            Lab media = centros[static_cast<std::size_t>(g)];
            if (peso[static_cast<std::size_t>(g)] > 0) {
                double l = 0, a = 0, b = 0;
                for (std::size_t i : mg) l += m[i].peso * m[i].lab.l, a += m[i].peso * m[i].lab.a, b += m[i].peso * m[i].lab.b;
                const double p = peso[static_cast<std::size_t>(g)];
                media = {static_cast<float>(l / p), static_cast<float>(a / p), static_cast<float>(b / p)};
            }
            for (int t = 0; t < na; ++t) d76[static_cast<std::size_t>(t)] = d76_cuadrado(media, activos[static_cast<std::size_t>(t)].lab);
            // Se descartan los usados poniéndolos al final.
            const int k = menores(na, kCandidatosGrupo, pos.data(), [&](int a, int b) {
                const bool ua = usado[static_cast<std::size_t>(a)] != 0, ub = usado[static_cast<std::size_t>(b)] != 0;
                if (ua != ub) return ub;
                return d76[static_cast<std::size_t>(a)] < d76[static_cast<std::size_t>(b)] ||
                       (d76[static_cast<std::size_t>(a)] == d76[static_cast<std::size_t>(b)] && a < b);
            });
            std::vector<int> cand(pos.begin(), pos.begin() + k);
            const int anterior = hilo[static_cast<std::size_t>(g)];
            if (anterior >= 0 && !usado[static_cast<std::size_t>(anterior)] &&
                std::find(cand.begin(), cand.end(), anterior) == cand.end())
                cand.push_back(anterior);
            // Los más cercanos primero: su coste suele ser el menor y corta antes las demás sumas.
            std::vector<int> libres;
            for (int t : cand)
                if (!usado[static_cast<std::size_t>(t)]) libres.push_back(t);
            std::sort(libres.begin(), libres.end(), [&](int a, int b) {
                return d76[static_cast<std::size_t>(a)] < d76[static_cast<std::size_t>(b)] ||
                       (d76[static_cast<std::size_t>(a)] == d76[static_cast<std::size_t>(b)] && a < b);
            });
            Decision& dg = decision[static_cast<std::size_t>(g)];
            if (dg.hilo < 0 || dg.muestras != mg || dg.candidatos != libres) {
                dg.hilo = mejor_candidato(libres, mg, m, activos, media);
                dg.muestras = mg;
                dg.candidatos = libres;
            }
            const int mejor = dg.hilo;
            if (mejor < 0) continue;  // no quedan hilos libres
            usado[static_cast<std::size_t>(mejor)] = 1;
            if (mejor != anterior) cambio = true;
            hilo[static_cast<std::size_t>(g)] = mejor;
        }
        return cambio;
    };

    elegir_por_grupo();
    // La vuelta anterior: el hilo de cada grupo y la diferencia de cada muestra con el hilo de
    // su grupo, el más próximo entonces. Si su grupo conserva el hilo, los demás que lo
    // conservan siguen sin ganarle (los hilos van en el orden de los grupos, también para los
    // iguales): la muestra sólo se compara con los hilos nuevos. Si no, se busca entero.
    std::vector<int> hilo_antes;
    std::vector<double> distancia(m.size());
    for (int vuelta = 0; vuelta < kVueltasRefino; ++vuelta) {
        // Cada muestra pasa al grupo de su hilo más próximo por CIEDE2000.
        std::vector<HiloLab> actuales;
        std::vector<int> de_grupo;
        for (int g = 0; g < grupos; ++g) {
            if (hilo[static_cast<std::size_t>(g)] < 0) continue;
            actuales.push_back(activos[static_cast<std::size_t>(hilo[static_cast<std::size_t>(g)])]);
            de_grupo.push_back(g);
        }
        std::vector<char> conserva(static_cast<std::size_t>(grupos), 0);
        std::vector<int> nuevos;
        if (!hilo_antes.empty()) {
            for (int g = 0; g < grupos; ++g) {
                const int t = hilo[static_cast<std::size_t>(g)];
                if (t < 0) continue;
                if (t == hilo_antes[static_cast<std::size_t>(g)]) conserva[static_cast<std::size_t>(g)] = 1;
                else nuevos.push_back(g);
            }
        }
        const GrupoLab grupo_actual(actuales);
        std::atomic<bool> movida{false};
        para_cada(m.size(), kMuestrasPorTramo / 4, [&](std::size_t i) {
            int g = grupo[i];
            if (conserva[static_cast<std::size_t>(g)]) {
                double dm = distancia[i];
                for (int h : nuevos) {
                    const double d = de00(m[i].lab, activos[static_cast<std::size_t>(hilo[static_cast<std::size_t>(h)])].lab);
                    if (d < dm || (d == dm && h < g)) dm = d, g = h;
                }
                distancia[i] = dm;
            } else {
                g = de_grupo[static_cast<std::size_t>(mas_proximo_de(grupo_actual, m[i].lab, &distancia[i]))];
            }
            if (g != grupo[i]) {
                grupo[i] = g;
                movida.store(true, std::memory_order_relaxed);
            }
        });
        if (!movida.load()) break;
        hilo_antes = hilo;
        if (!elegir_por_grupo()) break;
    }

    for (int g = fijos; g < grupos; ++g)
        if (hilo[static_cast<std::size_t>(g)] >= 0) elegidos.push_back(activos[static_cast<std::size_t>(hilo[static_cast<std::size_t>(g)])]);
    return elegidos;
}

std::vector<int> asignar_hilos(const MediasCeldas& c, const std::vector<HiloLab>& elegidos) {
    std::vector<int> indice(c.lab.size(), 0);
    if (elegidos.empty()) return indice;
    // Las fotos repiten los colores por todas partes: los colores, no las celdas, se reparten
    // entre las partes por un resumen de cada color, y cada parte busca los suyos (cada color
    // distinto lo busca una sola vez una sola parte) en todas las celdas. El hilo de un color
    // es el mismo lo busque quien lo busque.
    const std::size_t n = c.lab.size();
    const std::size_t minimo = filas_por_tramo(1);  // unos miles de celdas por tramo
    const int partes = tramos_de(n, minimo);
    std::vector<std::uint8_t> parte(n);
    para_cada(n, minimo, [&](std::size_t k) {
        parte[k] = static_cast<std::uint8_t>((resumen_color(c.color[k]) >> 24) % static_cast<std::uint32_t>(partes));
    });
    repartir_en(static_cast<std::size_t>(partes), partes, [&](int, std::size_t desde, std::size_t hasta) {
        for (std::size_t p = desde; p < hasta; ++p) {
            Asignador a(elegidos, n / static_cast<std::size_t>(partes));
            // El color anterior de la parte se repite a menudo: ni se busca en el recuerdo.
            Color previo = kColorLibre;
            int hilo_previo = 0;
            for (std::size_t k = 0; k < n; ++k) {
                if (parte[k] != p) continue;
                if (c.color[k] != previo) previo = c.color[k], hilo_previo = a.mas_proximo(previo);
                indice[k] = hilo_previo;
            }
        }
    });
    return indice;
}

// --- Limpieza ---

bool es_suelto(const std::vector<int>& indice, int ancho, int alto, int x, int y) {
    return suelto_en([&](int i, int j) { return indice[indice_celda(ancho, i, j)]; }, ancho, alto, x, y);
}

double limite_limpieza(int nivel) {
    switch (nivel) {
        case 1: return 3.0;
        case 2: return 7.0;
        case 3: return 15.0;
        default: return -1.0;
    }
}

namespace {

// Lo que la limpieza haría con el punto (x, y) tal como está el tapiz: la posición del hilo
// que tomaría, o -1 si no es suelto o ningún vecino cuesta poco.
int arreglo_suelto(const MediasCeldas& c, const std::vector<HiloLab>& elegidos, const std::vector<int>& indice, int x,
                   int y, double limite) {
    const int w = c.ancho, h = c.alto;
    if (!es_suelto(indice, w, h, x, y)) return -1;
    const std::size_t k = c.indice(x, y);
    const Lab& q = c.lab[k];
    const double actual = de00(q, elegidos[static_cast<std::size_t>(indice[k])].lab);
    int mejor = -1;
    double coste_min = limite;
    const int vx[4] = {x, x + 1, x, x - 1}, vy[4] = {y - 1, y, y + 1, y};
    const double cq = std::sqrt(static_cast<double>(q.a) * q.a + static_cast<double>(q.b) * q.b);
    int visto[4];
    int vistos = 0;
    for (int l = 0; l < 4; ++l) {
        if (vx[l] < 1 || vx[l] > w || vy[l] < 1 || vy[l] > h) continue;
        const int otro = indice[c.indice(vx[l], vy[l])];
        // Un color repetido cuesta lo mismo y no gana al primero; los que la cota ajustada pone
        // por encima de actual + coste_min, tampoco.
        if (std::find(visto, visto + vistos, otro) != visto + vistos) continue;
        visto[vistos++] = otro;
        const Lab& t = elegidos[static_cast<std::size_t>(otro)].lab;
        const double tope = actual + coste_min;
        if (cota_tono(q, cq, t.l, t.a, t.b, std::sqrt(static_cast<double>(t.a) * t.a + static_cast<double>(t.b) * t.b)) > tope * tope * 1.001 + 1e-3) continue;
        const double coste = de00(q, t) - actual;
        if (coste <= coste_min && (mejor < 0 || coste < coste_min)) coste_min = coste, mejor = otro;
    }
    return mejor;
}

}  // namespace

int limpiar_sueltos(const MediasCeldas& c, const std::vector<HiloLab>& elegidos, std::vector<int>& indice, int nivel) {
    const double limite = limite_limpieza(nivel);
    if (limite < 0 || elegidos.empty()) return 0;
    const int w = c.ancho, h = c.alto;
    std::vector<int> propuesta(indice.size());
    std::vector<char> cambiado(indice.size());
    int cambiados = 0;
    for (int pasada = 0; pasada < 3; ++pasada) {
        // Lo que haría cada punto con el tapiz de antes de la pasada, calculado en paralelo...
        repartir(static_cast<std::size_t>(h), filas_por_tramo(w), [&](int, std::size_t desde, std::size_t hasta) {
            for (int y = static_cast<int>(desde) + 1; y <= static_cast<int>(hasta); ++y)
                for (int x = 1; x <= w; ++x) propuesta[c.indice(x, y)] = arreglo_suelto(c, elegidos, indice, x, y, limite);
        });
        // ...y la pasada en su orden, por filas: un punto sólo ve cambiados, de sus vecinos, el
        // de la izquierda y el de arriba; si alguno de ellos cambió, se vuelve a mirar.
        std::fill(cambiado.begin(), cambiado.end(), 0);
        int en_pasada = 0;
        for (int y = 1; y <= h; ++y) {
            for (int x = 1; x <= w; ++x) {
                const std::size_t k = c.indice(x, y);
                int nuevo = propuesta[k];
                if ((x > 1 && cambiado[k - 1]) || (y > 1 && cambiado[k - static_cast<std::size_t>(w)]))
                    nuevo = arreglo_suelto(c, elegidos, indice, x, y, limite);
                if (nuevo >= 0) {
                    indice[k] = nuevo;
                    cambiado[k] = 1;
                    ++en_pasada;
                }
            }
        }
        cambiados += en_pasada;
        if (en_pasada == 0) break;
    }
    return cambiados;
}

void escribir_tapiz(Estado& e, const MediasCeldas& c, const std::vector<HiloLab>& elegidos, const std::vector<int>& indice) {
    // Por tramos de columnas, que es como está guardada la rejilla.
    repartir(static_cast<std::size_t>(c.ancho), filas_por_tramo(c.alto), [&](int, std::size_t desde, std::size_t hasta) {
        for (int x = static_cast<int>(desde) + 1; x <= static_cast<int>(hasta); ++x) {
            for (int y = 1; y <= c.alto; ++y) {
                Punto& p = e.punto(x, y);
                const int i = indice[c.indice(x, y)];
                p.color = elegidos.empty() ? kNegro : elegidos[static_cast<std::size_t>(i)].color;
                p.perfil.fill(kSinPerfil);
            }
        }
    });
    quitar_otras_en(e, RectanguloCeldas{1, 1, c.ancho, c.alto});
}

}  // namespace pc
