#include "print/maqueta.h"

#include <algorithm>
#include <cstdint>

#include "app/texto.h"

namespace pc {

namespace {
// Las cuentas con la escala van en 64 bits: un porcentaje disparatado no desborda.
int limitar_int(std::int64_t v) {
    constexpr std::int64_t kMax = 1'000'000'000;
    return static_cast<int>(std::clamp<std::int64_t>(v, -kMax, kMax));
}

void agregar_trozos(std::vector<Rango>& trozos, int ancho, int alto, int a, int b, int atras_x, int atras_y) {
    for (std::int64_t y0 = 1; y0 < alto; y0 += b) {
        for (std::int64_t x0 = 1; x0 < ancho; x0 += a) {
            Rango r;
            r.x1 = static_cast<int>(x0);
            r.x2 = limitar_int(x0 + a);
            r.y1 = static_cast<int>(y0);
            r.y2 = limitar_int(y0 + b);
            if (ancho < x0 + a) {
                r.x1 = ancho - atras_x;
                r.x2 = ancho;
            }
            if (alto < y0 + b) {
                r.y1 = alto - atras_y;
                r.y2 = alto;
            }
            trozos.push_back(r);
        }
    }
}
}  // namespace

Area area_papel(int pagina_ancho, int pagina_alto, int ancho_200, int alto_1, int escala_x, int escala_y) {
    const int mx = static_cast<int>(1.8 * ancho_200);
    const int my = static_cast<int>(1.8 * alto_1);
    const std::int64_t aw0 = pagina_ancho - mx;
    const std::int64_t ah0 = pagina_alto - my;
    Area a;
    a.ancho = limitar_int(escala_x * aw0 / 100);
    a.alto = limitar_int(escala_y * ah0 / 100);
    a.ox = limitar_int((aw0 - a.ancho) / 2);
    a.oy = limitar_int((ah0 - a.alto) / 2);
    return a;
}

Area area_bmp(int imagen_ancho, int imagen_alto, int alto_1) {
    Area a;
    a.ancho = imagen_ancho - kFranjaTablaBmp;
    a.alto = imagen_alto - alto_1;
    return a;
}

Rango rango_impresion(int ancho, int alto, bool zona, int zx1, int zy1, int zx2, int zy2) {
    Rango r{1, 1, ancho, alto};
    if (!zona) return r;
    r.x1 = (zx1 < 1 || zx1 > ancho) ? 1 : zx1;
    r.y1 = (zy1 < 1 || zy1 > alto) ? 1 : zy1;
    r.x2 = (zx2 < r.x1 || zx2 > ancho) ? ancho : zx2;
    r.y2 = (zy2 < r.y1 || zy2 > alto) ? alto : zy2;
    return r;
}

Rango rango_impresion(const Estado& e, bool zona) {
    const int ancho = ancho_tapiz(e);
    const int alto = alto_tapiz(e);
    if (!zona) return rango_impresion(ancho, alto, false, 0, 0, 0, 0);
    return rango_impresion(ancho, alto, true, entero(e.zona_x1), entero(e.zona_y1), entero(e.zona_x2),
                           entero(e.zona_y2));
}

int lado_celda(const Area& area, const Rango& r) {
    const double dx = std::max(r.x2 - r.x1, 1);
    const double dy = std::max(r.y2 - r.y1, 1);
    const double c = std::min(area.ancho / dx, area.alto / dy);
    return std::max(static_cast<int>(c), 1);
}

int unidad_leyenda(int pagina_ancho, int pagina_alto) {
    return static_cast<int>(std::min(pagina_ancho, pagina_alto) / 45.0);
}

Color aclarar(Color c, int a) {
    return rgb(limitar(rojo(c) + a), limitar(verde(c) + a), limitar(azul(c) + a));
}

void ordenar_paleta_imp(const TablaHilos& paleta, TablaHilos& paleta_imp) {
    paleta_imp = paleta;
    const int n = std::clamp(paleta_imp.total, 0, kMaxHilos);
    // La burbuja de la regla (se cambian dos vecinos sólo si el segundo es estrictamente más
    // claro) es una ordenación estable de más a menos claro: ésta da lo mismo sin n² cambios.
    std::stable_sort(paleta_imp.item.begin() + 1, paleta_imp.item.begin() + 1 + n,
                     [](const Hilo& a, const Hilo& b) { return suma_componentes(a.color) > suma_componentes(b.color); });
}

std::vector<Rango> trozos_impresion(int ancho, int alto, int a, int b) {
    std::vector<Rango> trozos;
    if (a < 1 || b < 1) return trozos;
    agregar_trozos(trozos, ancho, alto, a, b, a, b);
    return trozos;
}

std::vector<Rango> trozos_bmp(int ancho, int alto) {
    std::vector<Rango> trozos;
    agregar_trozos(trozos, ancho, alto, kTrozoBmp, kTrozoBmp, kTrozoBmp - 1, kTrozoBmp - 1);
    return trozos;
}

}  // namespace pc
