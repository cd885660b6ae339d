#include "ordenes/patron/colores_grafico.h"

#include <memory>

#include "ordenes/sesion/patron.h"
#include "ordenes/patron/paleta.h"
#include "print/maqueta.h"
#include "threads/emparejar.h"

namespace pc {

namespace {

// Las tablas de la cuenta ocupan unas decenas de KB: se reutilizan de una vez a otra.
struct Cuenta {
    TablaHilos paleta;
    TablaHilos paleta_imp;
};
Cuenta& cuenta() {
    static const auto c = std::make_unique<Cuenta>();
    return *c;
}

}  // namespace

ColoresGrafico colores_del_grafico(const Estado& e) {
    ColoresGrafico resultado;
    int ancho = 0, alto = 0;
    if (!tamano_silencioso(e, ancho, alto)) return resultado;
    Cuenta& c = cuenta();
    contar_paleta(e, 1, 1, ancho, alto, c.paleta);
    // La impresión usa la paleta del tapiz si está construida; si no, la construye, y es ésta.
    ordenar_paleta_imp(e.paleta.total > 0 ? e.paleta : c.paleta, c.paleta_imp);
    resultado.colores_impresion = c.paleta_imp.total;

    std::vector<ColorGrafico>& lista = resultado.colores;
    lista.reserve(static_cast<std::size_t>(c.paleta.total));
    for (int i = 1; i <= c.paleta.total; ++i) {
        const Hilo& h = c.paleta[i];
        ColorGrafico g;
        g.color = h.color;
        g.puntos = h.numero;
        g.marca = e.marca;
        const int k = buscar_color(h.color, e.hilos);
        if (k > 0) {
            g.numero = e.hilos[k].numero;
            // "DMC: 310" sin la marca; los especiales por su nombre.
            const std::string nombre = nombre_hilo(e, h.color);
            const std::size_t dos_puntos = nombre.find(':');
            g.hilo = dos_puntos == std::string::npos ? nombre : nombre.substr(dos_puntos + 1);
            while (!g.hilo.empty() && g.hilo.front() == ' ') g.hilo.erase(0, 1);
        } else {
            g.hilo = "????";
        }
        g.simbolo = simbolo_de_color(c.paleta_imp, h.color);
        lista.push_back(std::move(g));
    }
    return resultado;
}

}  // namespace pc
