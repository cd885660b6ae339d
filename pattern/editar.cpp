#include "pattern/editar.h"

#include <algorithm>

#include "app/errores.h"
#include "app/texto.h"
#include "pattern/puntadas_tapiz.h"
#include "threads/emparejar.h"

namespace pc {

Rango rango_tapiz(const Estado& e) { return Rango{1, 1, ancho_tapiz(e), alto_tapiz(e)}; }

Rango recortar_al_tapiz(Rango r, const Estado& e) {
    const Rango t = rango_tapiz(e);
    r.x1 = std::max(r.x1, t.x1);
    r.y1 = std::max(r.y1, t.y1);
    r.x2 = std::min(r.x2, t.x2);
    r.y2 = std::min(r.y2, t.y2);
    return r;
}

bool dentro_del_tapiz(const Estado& e, int x, int y) {
    const Rango t = rango_tapiz(e);
    return x >= t.x1 && x <= t.x2 && y >= t.y1 && y <= t.y2;
}

Color leer_color(const Estado& e, const std::string& texto) {
    const std::string t = recortar(texto);
    const std::size_t coma = t.find(',');
    if (coma == std::string::npos) return color_de_hilo(e, t);
    // Lo que sigue a la primera coma se parte en su primera coma: verde y azul. Sin esa
    // segunda coma el azul queda vacío, y un texto vacío no es un número.
    const std::string resto = t.substr(coma + 1);
    const std::size_t coma2 = resto.find(',');
    const std::string r = t.substr(0, coma);
    const std::string g = coma2 == std::string::npos ? resto : resto.substr(0, coma2);
    const std::string b = coma2 == std::string::npos ? std::string() : resto.substr(coma2 + 1);
    return rgb(entero(r), entero(g), entero(b));
}

Color aclarar(Color c, int f, bool r, bool g, bool b) {
    f = std::clamp(f, -255, 255);  // más allá el resultado es el mismo, y la suma no desborda
    const int rr = r ? limitar(rojo(c) + f) : rojo(c);
    const int gg = g ? limitar(verde(c) + f) : verde(c);
    const int bb = b ? limitar(azul(c) + f) : azul(c);
    return rgb(rr, gg, bb);
}

long cambiar_en_rango(Estado& e, Rango r, Color origen, Color destino, Vista& v) {
    r = limitar_rango(r);
    long n = 0;
    for (int y = r.y1; y <= r.y2; ++y)
        for (int x = r.x1; x <= r.x2; ++x) {
            Punto& p = e.punto(x, y);
            if (p.color != origen || e.puntadas.hay_parciales(x, y)) continue;  // bajo parciales, tela
            p.color = destino;
            v.repintar_celda(x, y);
            ++n;
        }
    if (origen != destino) cambiar_colores_otras(e, [&](Color c) { return c == origen ? destino : c; }, &r);
    return n;
}

void aclarar_rango(Estado& e, Rango r, int f, Vista& v) {
    r = limitar_rango(r);
    for (int y = r.y1; y <= r.y2; ++y)
        for (int x = r.x1; x <= r.x2; ++x) {
            Punto& p = e.punto(x, y);
            if (e.puntadas.hay_parciales(x, y)) continue;  // sólo los puntos enteros
            p.color = aclarar(p.color, f, e.componente_r, e.componente_g, e.componente_b);
            v.repintar_celda(x, y);
        }
}

}  // namespace pc
