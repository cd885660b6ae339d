#include "threads/vista_paleta.h"

#include <algorithm>

#include "threads/emparejar.h"

namespace pc {

namespace {

// Escribe las figuras siguiendo la posición de escritura (x, fila).
class Maqueta {
public:
    explicit Maqueta(int alto) : alto_(alto) {}

    void texto(int x, int y, std::string t) {
        d.figuras.push_back({FiguraPaleta::Tipo::kTexto, x, y, 0, std::move(t)});
    }
    void figura(FiguraPaleta::Tipo tipo, int x, int y, Color c = 0) { d.figuras.push_back({tipo, x, y, c, {}}); }
    // Pasa a la fila siguiente; al llegar al pie del lienzo, a otra columna de pantalla de
    // ese ancho.
    void siguiente_fila(int ancho_columna = kAnchoColumna) {
        ++fila;
        if (kAltoFila * (fila + 2) > alto_) {
            fila = 1;
            x += ancho_columna;
        }
    }
    int y() const { return kAltoFila * fila; }

    DibujoPaleta d;
    int x = 1, fila = 1;

private:
    int alto_;
};

std::string cabecera_columna(int columna) { return "COL " + std::to_string(columna); }

}  // namespace

DibujoPaleta maquetar_paleta(const Estado& e, bool en_zona, int alto) {
    using T = FiguraPaleta::Tipo;
    Maqueta m(alto);
    m.texto(1, 1, "Paleta de colores " + e.marca);

    // Los hilos del catálogo, todos (activos o no), columna a columna: las impares arriba
    // en una columna de pantalla nueva y las pares debajo, desde la fila 28.
    const TablaHilos& hilos = e.hilos;
    if (hilos.total > 0) {
        m.texto(m.x + 17, kAltoFila * 1 + 2, cabecera_columna(hilos[1].columna));
        m.fila = 2;
    }
    for (int i = 1; i <= hilos.total; ++i) {
        const Hilo& h = hilos[i];
        if (i > 1 && h.columna != hilos[i - 1].columna) {
            if (h.columna % 2 != 0) {
                m.x += kAnchoColumna;
                m.fila = 1;
            } else {
                m.fila = kFilaColumnaPar;
            }
            m.texto(m.x + 17, m.y() + 2, cabecera_columna(h.columna));
            ++m.fila;
        }
        m.figura(T::kMuestra, m.x, m.y(), h.color);
        m.texto(m.x + 23, m.y() + 2, std::to_string(h.numero));
        if (hilo_mas_proximo(h.color, e.paleta, e.metodo_color) == h.color) m.figura(T::kMarco, m.x - 1, m.y() - 1);
        if (h.color == e.color_actual) m.figura(T::kElipse, m.x - 5, m.y());
        m.siguiente_fila();
    }

    // Los colores del tapiz (o de la zona), de más a menos usado, con su hilo y sus puntos.
    m.fila = 1;
    m.x += 90;
    m.texto(m.x, 1, en_zona ? "Colores de la ZONA MARCADA (de + a - uso)" : "Colores del TAPIZ (de + a - uso)");
    for (int i = 1; i <= e.paleta.total; ++i) {
        const Hilo& c = e.paleta[i];
        m.figura(T::kMuestra, m.x, m.y(), c.color);
        m.texto(m.x + 23, m.y() + 2, nombre_hilo(e, c.color) + " (" + std::to_string(c.numero) + ")");
        // Una columna más ancha que las del catálogo: los nombres no se pisan ni se cortan.
        m.siguiente_fila(kAnchoColumnaColores);
    }
    m.d.ancho = std::max(kLadoLienzoPaleta, m.x + (m.fila == 1 ? 0 : kAnchoColumnaColores));
    return std::move(m.d);
}

std::string texto_puntero_paleta(const Estado& e, Color c) {
    const Color t = hilo_mas_proximo(c, e.hilos, 1);
    const int k = buscar_color(t, e.hilos);
    const std::string columna = k > 0 ? std::to_string(e.hilos[k].columna) : std::string("-");
    return nombre_hilo(e, t) + "-RGB(" + texto_rgb(t) + ") COL.:" + columna;
}

}  // namespace pc
