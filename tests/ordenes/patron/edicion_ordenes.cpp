// Edición del color como sesiones de usuario: botón derecho sobre un punto, la entrada del
// menú, las respuestas a las preguntas y el tapiz que queda.
#include <gtest/gtest.h>

#include "ordenes/patron/editar.h"
#include "tests/ordenes/patron/edicion_apoyo.h"
#include "threads/emparejar.h"

namespace pc::prueba {
namespace {

using Dibujo = std::vector<std::string>;
using Celdas = std::vector<std::pair<int, int>>;
const Color kA = kLeyenda.at('A');
const Color kB = kLeyenda.at('B');
constexpr Color kDmc310 = rgb(2, 2, 2);
const char* const kNoEsHilo = "'?\?\?\?' is not a valid integer value";  // el texto de "HILO:????"

TEST(CambiarColor, PreguntaOrigenYDestinoYCambiaEnTodoElTapizOEnLaZona) {
    BancoEdicion b;
    b.dibujo({"AAB", "BAA", "AAA"});
    b.e.color_origen = kDmc310;
    b.d.responder("200,30,30").responder(" 310 ");
    EXPECT_TRUE(b.orden([&] { cambiar_color(b.s); }));
    const auto& ll = b.d.llamadas();
    ASSERT_EQ(ll.size(), 2u);
    EXPECT_EQ(ll[0].titulo, "Cambiar colores");
    EXPECT_EQ(ll[0].texto, "Color Origen (R,G,B) o Nº Color");
    EXPECT_EQ(ll[1].texto, "Color Destino (R,G,B) o Nº Color");
    for (int y = 1; y <= 3; ++y) EXPECT_NE(b.e.punto(1, y).color, kA);
    EXPECT_EQ(b.e.punto(3, 1).color, kB);
    EXPECT_EQ(b.e.punto(2, 1).color, kDmc310);
    EXPECT_EQ(b.v.repintadas.size(), 7u);
    EXPECT_EQ(b.v.repintadas.front(), std::make_pair(1, 1));  // por filas, de izquierda a derecha
    EXPECT_EQ(b.v.repintadas[2], std::make_pair(2, 2));
    EXPECT_EQ(b.e.paleta.total, 0);
    // Los colores tecleados sólo sirven para este cambio.
    EXPECT_EQ(b.e.color_origen, kDmc310);
    EXPECT_EQ(b.e.color_destino, kBlanco);

    // Con la zona encendida sólo cambia dentro; una zona al revés no cambia nada.
    b.dibujo({"AAAA", "AAAA", "AAAA"});
    b.e.en_zona = true;
    b.e.zona_x1 = "2", b.e.zona_y1 = "2", b.e.zona_x2 = "3", b.e.zona_y2 = "9";
    b.d.responder("200,30,30").responder("30,30,200");
    EXPECT_TRUE(b.orden([&] { cambiar_color(b.s); }));
    EXPECT_EQ(b.ver(), (Dibujo{"AAAA", "ABBA", "ABBA"}));
    b.e.zona_x1 = "4", b.e.zona_x2 = "1";
    b.d.responder("200,30,30").responder("30,30,200");
    EXPECT_TRUE(b.orden([&] { cambiar_color(b.s); }));
    EXPECT_EQ(b.ver(), (Dibujo{"AAAA", "ABBA", "ABBA"}));
}

TEST(CambiarColor, UnaRespuestaQueNoEsColorParaLaOrdenSinTocarNada) {
    struct Caso { const char* origen; const char* destino; const char* error; };
    const Caso casos[] = {
        {nullptr, "1,2,3", kNoEsHilo},  // negro no es un hilo
        {"10,20", "1,2,3", "'' is not a valid integer value"},
        {"200,30,30", "rojo", "'rojo' is not a valid integer value"},
        {"200,x,30", "1,2,3", "'x' is not a valid integer value"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.origen ? c.origen : "cancelar");
        BancoEdicion b;
        b.dibujo({"AA"});
        if (c.origen) b.d.responder(c.origen);
        else b.d.cancelar_entrada();
        b.d.responder(c.destino);
        EXPECT_FALSE(b.orden([&] { cambiar_color(b.s); }));
        EXPECT_EQ(b.d.errores(), std::vector<std::string>{c.error});
        EXPECT_EQ(b.ver(), Dibujo{"AA"});
        EXPECT_EQ(b.e.paleta.total, 5);
    }
    // Un número de hilo que no está en la paleta activa da negro, y el cambio sigue.
    BancoEdicion b;
    b.dibujo({"AB"});
    b.d.responder("200,30,30").responder("99999");
    EXPECT_TRUE(b.orden([&] { cambiar_color(b.s); }));
    EXPECT_EQ(b.e.punto(1, 1).color, kNegro);
}

TEST(CambiarColor, ColoresTomadosDeLosPuntosConSusRotulosYCancelarCambiaOrigenPorDestino) {
    BancoEdicion b;
    b.dibujo({"A.B"});
    b.e.punto(1, 1).color = kDmc310;
    b.pulsar(1, 1);
    b.orden([&] { copiar_rgb_origen(b.s); });
    EXPECT_EQ(b.e.color_origen, kDmc310);
    EXPECT_EQ(b.e.rotulos.origen, "Copiar RGB a color ORIGEN: 2,2,2  DMC: 310");
    b.pulsar(3, 1);
    b.orden([&] { copiar_rgb_destino(b.s); });
    EXPECT_EQ(b.e.color_destino, kB);
    EXPECT_EQ(b.e.rotulos.destino, "Copiar RGB a color DESTINO: 30,30,200  HILO:????");
    b.pulsar(1, 1);
    b.orden([&] { seleccionar_color(b.s); });
    EXPECT_EQ(b.e.color_actual, kDmc310);
    EXPECT_EQ(b.e.rotulos.seleccionar, "Seleccionar Color: DMC: 310");

    // Los dos colores son hilos: cancelar las dos preguntas cambia ORIGEN por DESTINO.
    b.pulsar(3, 1);
    b.e.punto(3, 1).color = b.e.color_destino = color_de_hilo(b.e, "321");
    b.d.cancelar_entrada().cancelar_entrada();
    EXPECT_TRUE(b.orden([&] { cambiar_color(b.s); }));
    EXPECT_EQ(b.d.llamadas()[0].texto, "Color Origen (R,G,B) o Nº Color");
    EXPECT_EQ(b.e.punto(1, 1).color, b.e.color_destino);
    EXPECT_TRUE(b.d.errores().empty());
}

TEST(AclararColor, ElDestinoEsElColorPulsadoMasOMenosElFactorYLuegoSeCambia) {
    BancoEdicion b;
    b.dibujo({"AB"});
    b.e.punto(1, 1).color = rgb(200, 250, 100);
    b.pulsar(1, 1);
    b.d.cancelar_entrada().responder("210,255,110");
    EXPECT_FALSE(b.orden([&] { aclarar_color(b.s, true); }));
    EXPECT_EQ(b.e.color_origen, rgb(200, 250, 100));
    EXPECT_EQ(b.e.color_destino, rgb(210, 255, 110));
    EXPECT_EQ(b.e.rotulos.origen, "Copiar RGB a color ORIGEN: HILO:????");
    EXPECT_EQ(b.e.rotulos.destino, "Copiar RGB a color DESTINO: HILO:????");
    // El origen propuesto no es un hilo: cancelarlo falla sin cambiar nada.
    EXPECT_EQ(b.d.errores(), std::vector<std::string>{kNoEsHilo});
    EXPECT_EQ(b.e.punto(1, 1).color, rgb(200, 250, 100));

    b.e.punto(1, 1).color = rgb(5, 100, 100);
    b.d.responder("5,100,100").responder("0,90,90");
    EXPECT_TRUE(b.orden([&] { aclarar_color(b.s, false); }));
    EXPECT_EQ(b.e.color_destino, rgb(0, 90, 90));
    EXPECT_EQ(b.e.punto(1, 1).color, rgb(0, 90, 90));

    // Un factor que no es un número avisa y no cambia nada.
    b.e.factor_aclarado = "diez";
    const Color antes = b.e.color_origen;
    EXPECT_FALSE(b.orden([&] { aclarar_color(b.s, true); }));
    EXPECT_EQ(b.d.errores().back(), "'diez' is not a valid integer value");
    EXPECT_EQ(b.e.color_origen, antes);
}

TEST(AclararTapiz, SumaElFactorALasComponentesMarcadasDeCadaPuntoYLoRepinta) {
    BancoEdicion b;
    b.dibujo({"AAA", "AAA"});
    b.e.punto(1, 1).color = rgb(100, 100, 100);
    b.e.punto(2, 1).color = rgb(250, 0, 0);
    b.orden([&] { conmutar_g(b.s); });
    b.orden([&] { conmutar_b(b.s); });
    EXPECT_TRUE(b.orden([&] { aclarar_tapiz(b.s, true); }));
    EXPECT_EQ(b.e.punto(1, 1).color, rgb(110, 100, 100));
    EXPECT_EQ(b.e.punto(2, 1).color, rgb(255, 0, 0));
    EXPECT_EQ(b.e.punto(3, 2).color, rgb(210, 30, 30));
    EXPECT_EQ(b.v.repintadas.size(), 6u);
    EXPECT_EQ(b.e.paleta.total, 0);

    // Oscurecer con las tres marcas y la zona: sólo dentro, limitado a 0.
    b.orden([&] { conmutar_g(b.s); });
    b.orden([&] { conmutar_b(b.s); });
    b.e.en_zona = true;
    b.e.zona_x1 = "2", b.e.zona_y1 = "1", b.e.zona_x2 = "2", b.e.zona_y2 = "1";
    b.d.responder("40");  // el rango 1-50 es sólo un consejo
    b.orden([&] { factor_aclarado(b.s); });
    EXPECT_EQ(b.d.llamadas().back().titulo + "|" + b.d.llamadas().back().texto, "Factor de Aclarado|Factor (1-50)");
    b.v.repintadas.clear();
    EXPECT_TRUE(b.orden([&] { aclarar_tapiz(b.s, false); }));
    EXPECT_EQ(b.e.punto(2, 1).color, rgb(215, 0, 0));
    EXPECT_EQ(b.e.punto(1, 1).color, rgb(110, 100, 100));
    EXPECT_EQ(b.v.repintadas, (Celdas{{2, 1}}));
}

TEST(Rellenar, CadaRellenoPintaExactamenteSuConjunto) {
    struct Caso {
        const char* que;
        void (*orden)(Sesion&);
        int x, y;
        Dibujo antes, despues;
    };
    const Caso casos[] = {
        {"macizo: sin cruzar contactos en diagonal", rellenar_macizo, 1, 1,
         {"AA.A", "A.A.", "AA.A"}, {"NN.A", "N.A.", "NN.A"}},
        {"macizo sobre el color actual: nada", rellenar_macizo, 1, 1, {"NA", "AA"}, {"NA", "AA"}},
        {"tramado: damero en un bloque de 4 x 4", rellenar_tramado, 2, 2,
         {"......", ".AAAA.", ".AAAA.", ".AAAA.", ".AAAA.", "......"},
         {"......", ".NANA.", ".ANAN.", ".NANA.", ".ANAN.", "......"}},
        {"tramado en una línea de un punto de alto: sólo el pulsado", rellenar_tramado, 3, 2,
         {"BBBBB", "AAAAA", "BBBBB"}, {"BBBBB", "AANAA", "BBBBB"}},
        {"hasta blanco: cruza colores, para en suma 690 y en el color actual", rellenar_hasta_blanco, 1, 1,
         {"ABvw.", "wwvwN", "..wW."}, {"NNNw.", "wwNwN", "..wW."}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        BancoEdicion b;
        b.dibujo(c.antes);
        b.pulsar(c.x, c.y);
        EXPECT_TRUE(b.orden([&] { c.orden(b.s); }));
        EXPECT_EQ(b.ver(), c.despues);
        long nuevos = 0;
        for (const std::string& f : c.despues) nuevos += std::count(f.begin(), f.end(), 'N');
        for (const std::string& f : c.antes) nuevos -= std::count(f.begin(), f.end(), 'N');
        EXPECT_EQ(static_cast<long>(b.v.repintadas.size()), nuevos);
        EXPECT_EQ(b.e.paleta.total, 5);  // los rellenos no tocan la paleta
    }
}

TEST(Rellenar, UnTapizEnteroDe700x700SeRellenaSinRecursion) {
    BancoEdicion b;
    for (auto& col : b.e.puntos)
        for (Punto& p : col) p.color = kA;
    b.e.ancho = b.e.alto = "700";
    b.e.color_actual = kNuevo;
    b.pulsar(350, 350);
    EXPECT_TRUE(b.orden([&] { rellenar_macizo(b.s); }));
    EXPECT_EQ(b.v.repintadas.size(), 490000u);
    EXPECT_EQ(b.e.punto(700, 700).color, kNuevo);
    EXPECT_EQ(b.e.punto(0, 0).color, kA);  // la fila y la columna 0 no son del tapiz
    b.e.color_actual = kB;
    b.v.repintadas.clear();
    EXPECT_TRUE(b.orden([&] { rellenar_tramado(b.s); }));
    EXPECT_EQ(b.v.repintadas.size(), 245000u);
}

}  // namespace
}  // namespace pc::prueba
