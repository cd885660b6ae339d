// Cada orden que toma la posición de un punto (pintar con el ratón, las del menú del
// lienzo, las esquinas de la zona, la posición de pegado y el perfilado) con posiciones
// fuera del tapiz y de la rejilla: no cambia nada fuera del tapiz ni lee fuera de la
// rejilla (con `make sanitize` corre además con los sanitizadores).
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <iterator>
#include <vector>

#include "ordenes/patron/editar.h"
#include "ordenes/patron/zonas.h"
#include "tests/ordenes/patron/edicion_apoyo.h"

namespace pc::prueba {
namespace {

using Dibujo = std::vector<std::string>;

constexpr int kAncho = 30, kAlto = 20;

std::vector<Punto> foto(const Estado& e) {
    std::vector<Punto> v;
    for (const auto& col : e.puntos) v.insert(v.end(), col.begin(), col.end());
    return v;
}

bool del_tapiz(int x, int y) { return x >= 1 && x <= kAncho && y >= 1 && y <= kAlto; }

TEST(FueraDelTapiz, LasOrdenesConPosicionNoTocanNadaFueraDelTapiz) {
    BancoEdicion b;
    Dibujo d(kAlto, std::string(kAncho, 'A'));
    for (int y = 0; y < kAlto; ++y)
        for (int x = y % 2; x < kAncho; x += 3) d[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = 'B';
    b.dibujo(d);
    b.e.tam_pincel = "1";  // un pincel mayor pinta, con razón, los puntos del tapiz a su alcance
    b.e.perfilando = false;
    b.e.zona_x1 = "2", b.e.zona_y1 = "2", b.e.zona_x2 = "4", b.e.zona_y2 = "4";
    b.orden([&] { copiar_zona(b.s); });
    const std::vector<Punto> antes = foto(b.e);
    const auto copia_antes = b.e.copia;
    const int s = b.e.tam_celda;

    // Botón derecho (sel_x, sel_y) y cada orden del menú del lienzo; botón izquierdo y
    // arrastre; en posiciones negativas, 0, justo fuera, fuera de la rejilla y muy lejos.
    const int fuera_x[] = {INT_MIN / 8, -1, 0, kAncho + 1, 701, 100000};
    const int fuera_y[] = {INT_MIN / 8, -1, 0, kAlto + 1, 701, 100000};
    void (*const ordenes[])(Sesion&) = {
        seleccionar_color, copiar_rgb_origen, copiar_rgb_destino,
        [](Sesion& x) { aclarar_color(x, true); }, [](Sesion& x) { aclarar_color(x, false); },
        rellenar_macizo, rellenar_tramado, rellenar_hasta_blanco,
        marcar_x1y1, marcar_x2y2, perfilar_abajo, perfilar_arriba, perfilar_todo,
    };
    for (std::size_t i = 0; i < std::size(fuera_x); ++i)
        for (const auto& [x, y] : {std::pair{fuera_x[i], 5}, std::pair{5, fuera_y[i]}, std::pair{fuera_x[i], fuera_y[i]}}) {
            b.orden([&] { raton_pulsado(b.s, Boton::kDerecho, x * s, y * s); });
            b.e.sel_x = x;  // por si el píxel no da exactamente ese punto
            b.e.sel_y = y;
            for (auto orden : ordenes) EXPECT_TRUE(b.orden([&] { orden(b.s); }));
            b.orden([&] { raton_pulsado(b.s, Boton::kIzquierdo, x * s, y * s); });
            b.orden([&] { raton_movido(b.s, true, x * s, y * s); });
        }
    EXPECT_TRUE(std::memcmp(foto(b.e).data(), antes.data(), antes.size() * sizeof(Punto)) == 0);
    EXPECT_TRUE(b.d.llamadas().empty());
    EXPECT_TRUE(b.v.repintadas.empty() && b.v.celdas.empty() && b.v.lados.empty());
    EXPECT_EQ(b.e.zona_x1 + b.e.zona_y1 + b.e.zona_x2 + b.e.zona_y2, "2244");
    EXPECT_EQ(b.e.color_actual, kNuevo);
    EXPECT_TRUE(b.e.rotulos.seleccionar.empty() && b.e.rotulos.origen.empty() && b.e.rotulos.marcar_x1y1.empty());

    // Pegar en cualquier sitio sólo escribe dentro del tapiz.
    const std::string textos[] = {"-2147483648", "-3", "-1", "0", "29", "31", "701", "100000", "2147483647"};
    for (const std::string& X : textos)
        for (const std::string& Y : textos) {
            b.d.responder(X).responder(Y);
            EXPECT_TRUE(b.orden([&] { pegar_en(b.s); }));
        }
    // Una zona que sale del tapiz: el cambio de color, el aclarado y el borrado de perfiles
    // se recortan al tapiz; copiarla lee blanco fuera de él; una enorme no se copia.
    b.e.en_zona = true;
    b.e.zona_x1 = "-5", b.e.zona_y1 = "-5", b.e.zona_x2 = "100000", b.e.zona_y2 = "100000";
    b.d.responder("200,30,30").responder("30,30,200");
    EXPECT_TRUE(b.orden([&] { cambiar_color(b.s); }));
    EXPECT_TRUE(b.orden([&] { aclarar_tapiz(b.s, true); }));
    EXPECT_TRUE(b.orden([&] { borrar_perfilado_zona(b.s); }));
    EXPECT_TRUE(b.orden([&] { copiar_zona(b.s); }));
    EXPECT_EQ(b.e.copia_ancho, 0);
    b.e.zona_x2 = b.e.zona_y2 = "3";
    EXPECT_TRUE(b.orden([&] { copiar_zona(b.s); }));
    EXPECT_EQ(b.e.copia[0][0], kBlanco);
    EXPECT_EQ(b.e.copia[6][6], b.e.punto(1, 1).color);

    const std::vector<Punto> despues = foto(b.e);
    long cambiados_dentro = 0;
    for (int x = 0; x < kLadoRejilla; ++x)
        for (int y = 0; y < kLadoRejilla; ++y) {
            const std::size_t i = static_cast<std::size_t>(x) * kLadoRejilla + static_cast<std::size_t>(y);
            const bool igual = std::memcmp(&despues[i], &antes[i], sizeof(Punto)) == 0;
            if (!del_tapiz(x, y)) EXPECT_TRUE(igual) << x << "," << y;
            else cambiados_dentro += !igual;
        }
    EXPECT_GT(cambiados_dentro, 0);
    for (const auto& [x, y] : b.v.repintadas) EXPECT_TRUE(del_tapiz(x, y)) << x << "," << y;
    EXPECT_EQ(b.e.copia[690], copia_antes[690]);
}

}  // namespace
}  // namespace pc::prueba
