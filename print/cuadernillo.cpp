#include "print/cuadernillo.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <unordered_map>

#include "app/errores.h"
#include "app/texto.h"
#include "files/oxs.h"
#include "print/leyenda.h"
#include "print/simbolos_diseno.h"
#include "threads/emparejar.h"

namespace pc {

namespace {

constexpr double kMmPorPulgada = 25.4;
// Hilo de un punto (por delante y por detrás) en lados de punto: dos diagonales y dos lados.
const double kHiloPorPunto = 2.0 * std::sqrt(2.0) + 2.0;
constexpr double kMargenRemates = 1.15;
constexpr double kHebraPorMadejaMm = 48000.0;

int entero_abajo(double v) { return static_cast<int>(std::floor(v + 1e-9)); }


}  // namespace

PapelMm papel_cuadernillo(bool carta, bool apaisado) {
    PapelMm p = carta ? PapelMm{215.9, 279.4} : PapelMm{210.0, 297.0};
    if (apaisado) std::swap(p.ancho, p.alto);
    return p;
}

std::vector<std::pair<int, int>> cortes_cuadernillo(int desde, int hasta, int por_pagina, int solape) {
    std::vector<std::pair<int, int>> v;
    if (hasta < desde) return v;
    por_pagina = std::max(por_pagina, 1);
    solape = std::clamp(solape, 0, por_pagina - 1);
    const int n_puntos = hasta - desde + 1;
    if (n_puntos <= por_pagina) {
        v.emplace_back(desde, hasta);
        return v;
    }
    // Tantos tramos como hagan falta, todos del mismo paso: ninguno queda casi vacío.
    const int nuevos = por_pagina - solape;
    const int tramos = (n_puntos - solape + nuevos - 1) / nuevos;
    const int paso = (n_puntos - solape + tramos - 1) / tramos;
    for (int k = 0; k < tramos; ++k) {
        const int a = desde + k * paso;
        const int b = k + 1 == tramos ? hasta : std::min(a + paso + solape - 1, hasta);
        v.emplace_back(a, b);
    }
    return v;
}

int lineas_leyenda(std::size_t colores, const std::vector<SeccionLineas>& secciones) {
    std::size_t n = colores + 1;
    for (const SeccionLineas& s : secciones)
        if (!s.filas.empty()) n += s.filas.size() + 1;
    return static_cast<int>(n);
}

void anadir_seccion_lineas(TrabajoCuadernillo& t, const std::string& titulo, std::vector<FilaLinea> filas) {
    if (filas.empty()) return;
    t.secciones.push_back({titulo, std::move(filas)});
}

MaquetaCuadernillo maquetar_cuadernillo(const Rango& tapiz, double ancho, double alto, double celda, int solape,
                                        int lineas, bool blanco_y_negro) {
    using namespace geo;
    MaquetaCuadernillo m;
    m.ancho = ancho;
    m.alto = alto;
    m.celda = celda;
    const double izquierda = kNumerosFila + kMarca, arriba = kCabecera + kNumerosColumna + kMarca;
    const double util_x = ancho - izquierda - kMarca, util_y = alto - arriba - kMarca - kPie;
    m.columnas = std::max(1, entero_abajo(util_x / celda));
    m.filas = std::max(1, entero_abajo(util_y / celda));
    m.rejilla_x = izquierda + std::max(0.0, (util_x - m.columnas * celda) / 2);
    m.rejilla_y = arriba;

    const auto cx = cortes_cuadernillo(tapiz.x1, tapiz.x2, m.columnas, solape);
    const auto cy = cortes_cuadernillo(tapiz.y1, tapiz.y2, m.filas, solape);
    m.columnas_mapa = static_cast<int>(cx.size());
    m.filas_mapa = static_cast<int>(cy.size());
    int numero = 2;
    for (std::size_t f = 0; f < cy.size(); ++f)
        for (std::size_t c = 0; c < cx.size(); ++c) {
            PaginaGrafico p;
            p.numero = numero++;
            p.r = Rango{cx[c].first, cy[f].first, cx[c].second, cy[f].second};
            p.solape_x = c > 0 ? cx[c - 1].second - cx[c].first + 1 : 0;
            p.solape_y = f > 0 ? cy[f - 1].second - cy[f].first + 1 : 0;
            p.fila = static_cast<int>(f);
            p.columna = static_cast<int>(c);
            m.graficos.push_back(p);
        }
    if (blanco_y_negro) {
        const std::size_t n = m.graficos.size();
        for (std::size_t i = 0; i < n; ++i) {
            PaginaGrafico p = m.graficos[i];
            p.numero = numero++;
            p.blanco_y_negro = true;
            m.graficos.push_back(p);
        }
    }

    m.columnas_leyenda = std::max(1, entero_abajo(ancho / kColumnaLeyenda));
    m.filas_leyenda = std::max(1, entero_abajo((alto - kCabecera - kEncabezadoLeyenda - kPie) / kFilaLeyenda));
    m.lineas_leyenda = std::max(lineas, 0);
    const int por_pagina = m.columnas_leyenda * m.filas_leyenda;
    m.paginas_leyenda = std::max(1, (m.lineas_leyenda + por_pagina - 1) / por_pagina);
    m.primera_leyenda = numero;
    m.total_paginas = numero - 1 + m.paginas_leyenda;
    return m;
}

int madejas(long puntos, int tela, int hebras) {
    if (puntos <= 0 || tela <= 0 || hebras <= 0) return 0;
    const double mm = static_cast<double>(puntos) * kHiloPorPunto * (kMmPorPulgada / tela) * hebras * kMargenRemates;
    return static_cast<int>(std::ceil(mm / kHebraPorMadejaMm - 1e-9));
}

int madejas_linea(double largo_mm, int hebras) {
    if (!(largo_mm > 0) || hebras <= 0) return 0;
    const double mm = largo_mm * 2.0 * hebras * kMargenRemates;
    return static_cast<int>(std::ceil(mm / kHebraPorMadejaMm - 1e-9));
}

double largo_linea_mm(double medios, int tela) {
    if (!(medios > 0) || tela <= 0) return 0;
    return medios / 2.0 * kMmPorPulgada / tela;
}

std::string tamano_bordado(int ancho, int alto, int tela) {
    const double cm = kMmPorPulgada / 10.0 / std::max(tela, 1);
    return decimal_coma(ancho * cm, 1) + " x " + decimal_coma(alto * cm, 1) + " cm";
}

std::string tela_a_cortar(int ancho, int alto, int tela, int margen_cm) {
    const double cm = kMmPorPulgada / 10.0 / std::max(tela, 1);
    const double m = 2.0 * std::max(margen_cm, 0);
    return decimal_coma(ancho * cm + m, 1) + " x " + decimal_coma(alto * cm + m, 1) + " cm";
}

std::string texto_centro(const Rango& r) {
    return "Empiece por el centro: columna " + std::to_string(r.x1 + r.columnas() / 2) + ", fila " +
           std::to_string(r.y1 + r.filas() / 2);
}

std::string texto_metros(double mm) {
    // Una línea corta no se escribe como si no hubiera hilo que comprar.
    if (mm > 0 && mm < 50.0) return "< 0,1 m";
    return decimal_coma(mm / 1000.0, 1) + " m";
}

double luminancia(Color c) {
    auto lineal = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lineal(rojo(c)) + 0.7152 * lineal(verde(c)) + 0.0722 * lineal(azul(c));
}

double contraste(Color a, Color b) {
    const double la = luminancia(a), lb = luminancia(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool simbolo_en_blanco(Color c) { return contraste(c, kBlanco) > contraste(c, kNegro); }

TramoRejilla tramo_rejilla(Color a, Color b) {
    if (contraste(a, kNegro) >= kContrasteLinea && contraste(b, kNegro) >= kContrasteLinea) return TramoRejilla::kNegro;
    if (contraste(a, kBlanco) >= kContrasteLinea && contraste(b, kBlanco) >= kContrasteLinea) return TramoRejilla::kBlanco;
    return TramoRejilla::kNegroFilo;
}

std::string texto_puntos(int ancho, int alto) {
    return std::to_string(ancho) + " x " + std::to_string(alto) + " puntos";
}

std::string texto_colores(int n) { return std::to_string(n) + (n == 1 ? " color" : " colores"); }

std::string texto_tamano(int ancho, int alto, int tela) {
    return "Tamaño bordado en tela de " + std::to_string(tela) + " puntos por pulgada: " +
           tamano_bordado(ancho, alto, tela);
}

std::string texto_pagina(int p, int total) { return "Página " + std::to_string(p) + " de " + std::to_string(total); }

std::string texto_rango(const Rango& r) {
    return "Columnas " + std::to_string(r.x1) + "-" + std::to_string(r.x2) + ", filas " + std::to_string(r.y1) + "-" +
           std::to_string(r.y2);
}

void construir_leyenda(TrabajoCuadernillo& t, const TablaHilos& catalogo, const TablaHilos& otro,
                       const std::vector<std::string>& equivalencias) {
    const Estado& e = *t.estado;
    const Rango& r = t.tapiz;
    const std::size_t columnas = static_cast<std::size_t>(r.columnas());
    // Una sola pasada por columnas, que es como está guardada la rejilla: los puntos de cada color
    // en el orden en que aparecen, el índice de ese orden en la fila de cada punto (se cambia por la
    // fila de la leyenda al final) y los lados del perfilado de cada color.
    std::unordered_map<Color, std::uint16_t> posicion;
    std::vector<std::pair<Color, long>> colores;
    std::vector<std::uint16_t> fila_de_punto(columnas * static_cast<std::size_t>(r.filas()), 0);
    // Cada lado de punto cuenta una vez por color aunque lo guarden los dos puntos: el de arriba y
    // el de la izquierda no cuentan si el vecino ya tiene en ese lado el mismo color.
    std::unordered_map<Color, long> lados;
    auto indice_de = [&](Color c) {
        const auto [it, nuevo] = posicion.try_emplace(c, static_cast<std::uint16_t>(colores.size()));
        if (nuevo) {
            if (colores.size() >= static_cast<std::size_t>(kMaxHilos))
                throw ErrorFormato("El patrón tiene más de " + std::to_string(kMaxHilos) +
                                   " colores; el cuadernillo admite " + std::to_string(kMaxHilos) +
                                   ". Reduce los colores antes de exportarlo.");
            colores.emplace_back(c, 0);
        }
        return it->second;
    };
    // El color del punto anterior y su índice: casi siempre se repiten.
    Color anterior = 0;
    std::uint16_t indice = 0;
    for (int x = r.x1; x <= r.x2; ++x)
        for (int y = r.y1; y <= r.y2; ++y) {
            const Punto& p = e.punto(x, y);
            if (colores.empty() || p.color != anterior) {
                anterior = p.color;
                indice = indice_de(anterior);
            }
            ++colores[indice].second;
            fila_de_punto[static_cast<std::size_t>(y - r.y1) * columnas + static_cast<std::size_t>(x - r.x1)] = indice;
            lados_del_punto(e, x, y, r.x1, r.y1, [&](const Pespunte& l) { ++lados[l.color]; });
        }

    // Números de los hilos y orden de la leyenda; la tabla de equivalencias se parte una vez.
    using Orden = OrdenLeyenda;
    const NumerosLeyenda numeros(catalogo, otro, equivalencias, t.catalogo);
    struct Fila {
        FilaLeyenda f;
        Orden orden;
        std::uint16_t aparicion = 0;
    };
    std::vector<Fila> filas;
    for (std::size_t i = 0; i < colores.size(); ++i) {
        Fila f;
        f.f.color = colores[i].first;
        f.f.puntos = colores[i].second;
        f.f.hebras = t.op.hebras;
        f.f.madejas = madejas(f.f.puntos, t.op.tela, t.op.hebras);
        f.orden = numeros(f.f.color, f.f.numero, f.f.equivalente);
        f.aparicion = static_cast<std::uint16_t>(i);
        filas.push_back(std::move(f));
    }
    // Los símbolos del diseño entero: los mismos en la ventana de colores y en cualquier zona.
    const std::unordered_map<Color, std::string> simbolos = simbolos_del_diseno(e);
    for (Fila& f : filas) {
        const auto it = simbolos.find(f.f.color);
        if (it != simbolos.end()) f.f.simbolo = it->second;
    }
    std::sort(filas.begin(), filas.end(), [](const Fila& a, const Fila& b) { return a.orden < b.orden; });

    t.leyenda.clear();
    t.total_puntos = 0;
    t.total_madejas = 0;
    std::vector<std::uint16_t> fila_de_aparicion(filas.size());
    for (std::size_t i = 0; i < filas.size(); ++i) {
        fila_de_aparicion[filas[i].aparicion] = static_cast<std::uint16_t>(i);
        t.total_puntos += filas[i].f.puntos;
        t.total_madejas += filas[i].f.madejas;
        t.leyenda.push_back(std::move(filas[i].f));
    }
    for (std::uint16_t& f : fila_de_punto) f = fila_de_aparicion[f];
    t.fila_de_punto = std::move(fila_de_punto);

    // Perfilado, en el mismo orden que la leyenda: cada lado mide un punto (dos medios).
    std::vector<std::pair<Orden, FilaLinea>> perfiles;
    for (const auto& [c, n] : lados) {
        FilaLinea f;
        f.color = c;
        f.hebras = t.op.hebras_perfil;
        f.largo_mm = largo_linea_mm(2.0 * static_cast<double>(n), t.op.tela);
        f.madejas = madejas_linea(f.largo_mm, f.hebras);
        const Orden orden = numeros(c, f.numero, f.equivalente);
        perfiles.emplace_back(orden, std::move(f));
    }
    std::sort(perfiles.begin(), perfiles.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<FilaLinea> filas_perfil;
    for (auto& [orden, f] : perfiles) filas_perfil.push_back(std::move(f));
    t.secciones.clear();
    anadir_seccion_lineas(t, "Perfilado", std::move(filas_perfil));
}

}  // namespace pc
