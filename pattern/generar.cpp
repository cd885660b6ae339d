#include "pattern/generar.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>

#include "app/errores.h"
#include "app/paralelo.h"
#include "app/texto.h"
#include "threads/emparejar.h"
#include "pattern/puntadas_tapiz.h"

namespace pc {

float paso_muestreo(int lado_imagen, int puntos) {
    if (puntos == 0) throw ErrorAritmetico(mensaje_division_por_cero());
    return static_cast<float>(static_cast<long double>(lado_imagen) / static_cast<long double>(puntos));
}

int semiancho_ventana(float paso) { return redondear(static_cast<long double>(paso)) > 1 ? 1 : 0; }

int posicion_muestra(int i, float paso) {
    return static_cast<int>(redondear(static_cast<long double>(i) * static_cast<long double>(paso)));
}

namespace {

// Lectura con los límites ya leídos, para no preguntarlos en cada píxel. Pasada la última
// columna o la última fila se lee la última (el borde se repite): la muestra del último punto
// cae justo al otro lado de la imagen. Sin imagen, y antes de la primera, blanco.
inline Color leer(const Imagen& img, int w, int h, int x, int y) {
    if (x < 0 || y < 0 || w <= 0 || h <= 0) return kBlanco;
    return img.pixel(std::min(x, w - 1), std::min(y, h - 1));
}

Color media(const Imagen& img, int w, int h, int cx, int cy, int mx, int my) {
    const Color centro = leer(img, w, h, cx, cy);
    const int r0 = rojo(centro), g0 = verde(centro), b0 = azul(centro);
    int n = 0, sr = 0, sg = 0, sb = 0;
    for (int i = cx - mx; i <= cx + mx; ++i) {
        for (int j = cy - my; j <= cy + my; ++j) {
            const Color c = leer(img, w, h, i, j);
            const int r = rojo(c), g = verde(c), b = azul(c);
            if (std::abs(r0 - r) < kUmbralParecido && std::abs(g0 - g) < kUmbralParecido &&
                std::abs(b0 - b) < kUmbralParecido) {
                ++n;
                sr += r;
                sg += g;
                sb += b;
            }
        }
    }
    // El centro siempre pasa la prueba, así que n >= 1.
    return rgb(sr / n, sg / n, sb / n);
}

}  // namespace

Color pixel_muestra(const Imagen& img, int x, int y) { return leer(img, img.ancho(), img.alto(), x, y); }

Color media_parecidos(const Imagen& img, int cx, int cy, int mx, int my) {
    return media(img, img.ancho(), img.alto(), cx, cy, mx, my);
}

// --- Emparejador ---
//
// Para un cubito, U es la menor de las distancias máximas de cada hilo a los puntos del
// cubito: todo color del cubito tiene algún hilo a U o menos. Un hilo cuya distancia mínima
// al cubito pasa de U no puede ser el más próximo ni empatar con él, así que basta recorrer
// los demás en el orden de la tabla con la misma regla que el recorrido lineal (empezar en
// 765, quedarse con el estrictamente menor). Las dos distancias se separan por ejes: la
// suma (método 1) o el mayor (método 2) de las distancias en cada canal.

namespace {
constexpr int kBitsCubito = 3;  // cubitos de 8 valores por canal
constexpr int kBitsCubo = 5;    // cubos de 32
constexpr int kCubitos = 1 << (3 * (8 - kBitsCubito));
constexpr int kCubos = 1 << (3 * (8 - kBitsCubo));

inline int indice_de(int r, int g, int b, int bits) {
    const int n = 8 - bits;  // bits del índice por canal
    return (r >> bits) | (g >> bits) << n | (b >> bits) << (2 * n);
}
}  // namespace

Emparejador::Emparejador(const TablaHilos& tabla, int metodo)
    : metodo_(metodo), generico_(metodo != 1 && metodo != 2), tabla_(&tabla) {
    if (generico_) return;
    const int total = std::clamp(tabla.total, 0, kMaxHilos);
    entradas_.reserve(static_cast<std::size_t>(total));
    for (int i = 1; i <= total; ++i) {
        const Hilo& h = tabla[i];
        if (!h.activo) continue;
        todas_.push_back(static_cast<std::uint16_t>(entradas_.size()));
        entradas_.push_back({static_cast<std::int16_t>(rojo(h.color)), static_cast<std::int16_t>(verde(h.color)),
                             static_cast<std::int16_t>(azul(h.color)), h.color});
    }
    inicio_cubo_.assign(kCubos, -1);
    cuantas_cubo_.assign(kCubos, 0);
    inicio_.assign(kCubitos, -1);
    cuantas_.assign(kCubitos, 0);
    candidatas_.reserve(std::size_t{1} << 18);
}

int Emparejador::distancia(const Entrada& en, int r, int g, int b) const {
    const int dr = std::abs(en.r - r), dg = std::abs(en.g - g), db = std::abs(en.b - b);
    if (metodo_ == 1) return dr + dg + db;
    return std::max(dr, std::max(dg, db));
}

void Emparejador::filtrar(const std::uint16_t* de, int n, int lado, int r0, int g0, int b0) {
    const int lo[3] = {r0, g0, b0};
    // Distancias mínima y máxima de una entrada a los puntos del cubo.
    auto extremos = [&](const Entrada& en, int& dmin, int& dmax) {
        const int v[3] = {en.r, en.g, en.b};
        dmin = dmax = 0;
        for (int k = 0; k < 3; ++k) {
            const int a = lo[k], z = lo[k] + lado - 1;
            const int cerca = v[k] < a ? a - v[k] : (v[k] > z ? v[k] - z : 0);
            const int lejos = std::max(v[k] - a, z - v[k]);
            if (metodo_ == 1) {
                dmin += cerca;
                dmax += lejos;
            } else {
                dmin = std::max(dmin, cerca);
                dmax = std::max(dmax, lejos);
            }
        }
    };
    int cota = INT_MAX;
    for (int i = 0; i < n; ++i) {
        int dmin = 0, dmax = 0;
        extremos(entradas_[de[i]], dmin, dmax);
        cota = std::min(cota, dmax);
    }
    for (int i = 0; i < n; ++i) {
        int dmin = 0, dmax = 0;
        extremos(entradas_[de[i]], dmin, dmax);
        if (dmin <= cota) candidatas_.push_back(de[i]);
    }
}

void Emparejador::preparar_cubito(int cubito) {
    const int n = 8 - kBitsCubito, m = (1 << n) - 1;
    const int r = (cubito & m) << kBitsCubito, g = ((cubito >> n) & m) << kBitsCubito,
              b = ((cubito >> (2 * n)) & m) << kBitsCubito;
    const auto cubo = static_cast<std::size_t>(indice_de(r, g, b, kBitsCubo));
    if (inicio_cubo_[cubo] < 0) {
        const int lado = 1 << kBitsCubo, mascara = ~(lado - 1);
        const std::size_t desde = candidatas_.size();
        filtrar(todas_.data(), static_cast<int>(todas_.size()), lado, r & mascara, g & mascara, b & mascara);
        inicio_cubo_[cubo] = static_cast<std::int32_t>(desde);
        cuantas_cubo_[cubo] = static_cast<std::uint16_t>(candidatas_.size() - desde);
    }
    // Las candidatas del cubo se copian antes de filtrar: candidatas_ puede crecer y moverse.
    std::uint16_t del_cubo[kMaxHilos];
    const int nc = cuantas_cubo_[cubo];
    std::copy_n(candidatas_.data() + inicio_cubo_[cubo], nc, del_cubo);
    const std::size_t desde = candidatas_.size();
    filtrar(del_cubo, nc, 1 << kBitsCubito, r, g, b);
    inicio_[static_cast<std::size_t>(cubito)] = static_cast<std::int32_t>(desde);
    cuantas_[static_cast<std::size_t>(cubito)] = static_cast<std::uint16_t>(candidatas_.size() - desde);
}

Color Emparejador::buscar(Color c) {
    if (generico_) return hilo_mas_proximo(c, *tabla_, metodo_);
    const int r = rojo(c), g = verde(c), b = azul(c);
    const int cubito = indice_de(r, g, b, kBitsCubito);
    if (inicio_[static_cast<std::size_t>(cubito)] < 0) preparar_cubito(cubito);
    const std::uint16_t* cand = candidatas_.data() + inicio_[static_cast<std::size_t>(cubito)];
    const int n = cuantas_[static_cast<std::size_t>(cubito)];
    int mejor = 765;  // como el recorrido lineal: 765 no se acepta nunca
    Color resultado = kNegro;
    for (int k = 0; k < n; ++k) {
        const Entrada& en = entradas_[cand[k]];
        const int d = distancia(en, r, g, b);
        if (d < mejor) {
            mejor = d;
            resultado = en.color;
        }
    }
    return resultado;
}

// --- Rejilla ---

namespace {

// El muestreo de las dos salidas: cada bloque de filas calculado se entrega a `escribir`
// (primera fila, número de filas, colores por filas de `ancho`).
template <class Escribir>
void muestrear(const TablaHilos& hilos, int metodo, const Imagen& img, int ancho, int alto, bool interpolar,
               bool ajustar, const Escribir& escribir) {
    ancho = std::clamp(ancho, 0, kMaxPuntos);
    alto = std::clamp(alto, 0, kMaxPuntos);
    if (ancho == 0 || alto == 0) return;
    const int w = img.ancho(), h = img.alto();
    const float paso_y = paso_muestreo(h, alto);
    const float paso_x = paso_muestreo(w, ancho);
    const int mx = interpolar ? semiancho_ventana(paso_x) : 0;
    const int my = interpolar ? semiancho_ventana(paso_y) : 0;

    std::array<int, kLadoRejilla> columna{};
    for (int x = 1; x <= ancho; ++x) columna[static_cast<std::size_t>(x)] = posicion_muestra(x, paso_x);

    // Cada hilo con su propio emparejador: la respuesta de cada color es la misma la busque
    // quien la busque, y cada tramo de filas escribe sólo sus puntos.
    constexpr int kFilasBloque = 16;
    const auto por_fila = static_cast<std::size_t>(ancho);
    PorPlaza<Emparejador> emparejadores;
    repartir(static_cast<std::size_t>(alto), filas_por_tramo(ancho), [&](int, std::size_t desde, std::size_t hasta) {
        Emparejador* emparejador =
            ajustar ? &emparejadores.de_esta([&] { return Emparejador(hilos, metodo); }) : nullptr;
        std::vector<Color> bloque(kFilasBloque * por_fila);
        for (int y0 = static_cast<int>(desde) + 1; y0 <= static_cast<int>(hasta); y0 += kFilasBloque) {
            const int filas = std::min(kFilasBloque, static_cast<int>(hasta) - y0 + 1);
            for (int j = 0; j < filas; ++j) {
                const int cy = posicion_muestra(y0 + j, paso_y);
                Color* fila = bloque.data() + static_cast<std::size_t>(j) * por_fila;
                for (int x = 1; x <= ancho; ++x) {
                    const int cx = columna[static_cast<std::size_t>(x)];
                    Color c = interpolar ? media(img, w, h, cx, cy, mx, my) : leer(img, w, h, cx, cy);
                    if (emparejador) c = emparejador->mas_proximo(c);
                    fila[x - 1] = c;
                }
            }
            escribir(y0, filas, bloque.data());
        }
    });
}

}  // namespace

void muestrear_rejilla(Estado& e, const Imagen& img, int ancho, int alto, bool interpolar, bool ajustar) {
    // Las filas se escriben por columnas, que es como está guardada la rejilla.
    const auto por_fila = static_cast<std::size_t>(std::clamp(ancho, 0, kMaxPuntos));
    muestrear(e.hilos, e.metodo_color, img, ancho, alto, interpolar, ajustar,
              [&](int y0, int filas, const Color* bloque) {
                  for (int x = 1; x <= static_cast<int>(por_fila); ++x) {
                      for (int j = 0; j < filas; ++j) {
                          Punto& p = e.punto(x, y0 + j);
                          p.color = bloque[static_cast<std::size_t>(j) * por_fila + static_cast<std::size_t>(x - 1)];
                          p.perfil.fill(kSinPerfil);
                      }
                  }
              });
    quitar_otras_en(e, RectanguloCeldas{1, 1, std::clamp(ancho, 0, kMaxPuntos), std::clamp(alto, 0, kMaxPuntos)});
}

std::vector<Color> muestrear_colores(const TablaHilos& hilos, int metodo, const Imagen& img, int ancho, int alto,
                                     bool interpolar) {
    ancho = std::clamp(ancho, 0, kMaxPuntos);
    alto = std::clamp(alto, 0, kMaxPuntos);
    std::vector<Color> v(static_cast<std::size_t>(ancho) * static_cast<std::size_t>(alto));
    muestrear(hilos, metodo, img, ancho, alto, interpolar, true, [&](int y0, int filas, const Color* bloque) {
        std::copy_n(bloque, static_cast<std::size_t>(filas) * static_cast<std::size_t>(ancho),
                    v.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(y0 - 1) * static_cast<std::size_t>(ancho)));
    });
    return v;
}

int celda_ajustada(int tam_celda, int m, int lado_lienzo) {
    if (m < 1) return 0;
    if (tam_celda > 0 && lado_lienzo / tam_celda >= m) return 0;
    return lado_lienzo / m;
}

}  // namespace pc
