// Deshacer y rehacer sobre rejillas pequeñas escritas a mano, y el acercar/alejar.
#include <gtest/gtest.h>

#include <cstring>

#include "app/historial.h"
#include "ordenes/sesion/deshacer.h"
#include "ordenes/sesion/patron.h"
#include "ordenes/sesion/zoom.h"
#include "tests/comun/banco.h"

namespace pc::prueba {
namespace {

using Banco = BancoOrdenes<>;

bool misma_rejilla(const Estado& a, const Estado& b) {
    return std::memcmp(a.puntos.data(), b.puntos.data(), sizeof(a.puntos)) == 0;
}

// Rejilla de 3 × 2 puntos: fila 1 rojo, verde, azul; fila 2 blanco; sin perfiles.
void rejilla_3x2(Estado& e) {
    e.ancho = "3";
    e.alto = "2";
    const Color fila1[] = {0x0000FF, 0x00FF00, 0xFF0000};
    for (int x = 1; x <= 3; ++x) {
        e.punto(x, 1) = Punto{fila1[x - 1], {-1, -1, -1, -1}};
        e.punto(x, 2) = Punto{0xFFFFFF, {-1, -1, -1, -1}};
    }
}

TEST(Historial, DeshaceYRehaceColoresPerfilesTamanoYPaletaExactos) {
    Banco b;
    Estado& e = b.e;
    rejilla_3x2(e);
    e.paleta.total = 2;
    e.paleta[1] = Hilo{0x0000FF, 3, 0, true, false};
    Historial h;
    h.empezar(e);
    const auto antes = std::make_unique<Estado>(e);

    // Una orden que agranda el tapiz, pinta dentro y fuera de él, pone un perfil y vacía la paleta.
    h.antes(e);
    e.ancho = "4";
    e.punto(2, 1).color = 0x123456;
    e.punto(4, 2).color = 0x00FFFF;
    e.punto(700, 700).color = 7;
    e.punto(3, 2).lado(kAbajo) = 0x0000FF;
    e.paleta.total = 0;
    ASSERT_TRUE(h.anotar(e, "Rellenar Color (MACIZO)"));
    EXPECT_EQ(rotulo_deshacer(h), "Deshacer Rellenar Color (MACIZO)");
    EXPECT_EQ(rotulo_rehacer(h), "Rehacer");
    EXPECT_TRUE(h.modificado());
    const auto despues = std::make_unique<Estado>(e);

    ASSERT_TRUE(h.deshacer(e));
    EXPECT_TRUE(misma_rejilla(e, *antes));
    EXPECT_EQ(e.ancho, "3");
    EXPECT_EQ(e.paleta.total, 2);
    EXPECT_EQ(e.paleta[1].numero, 3);
    EXPECT_FALSE(h.modificado());
    EXPECT_EQ(rotulo_rehacer(h), "Rehacer Rellenar Color (MACIZO)");
    EXPECT_FALSE(h.deshacer(e));

    ASSERT_TRUE(h.rehacer(e));
    EXPECT_TRUE(misma_rejilla(e, *despues));
    EXPECT_EQ(e.ancho, "4");
    EXPECT_EQ(e.paleta.total, 0);
    EXPECT_FALSE(h.rehacer(e));
    // Y otra vuelta: los valores guardados se intercambian sin perderse.
    ASSERT_TRUE(h.deshacer(e));
    ASSERT_TRUE(h.rehacer(e));
    EXPECT_TRUE(misma_rejilla(e, *despues));
}

TEST(Historial, SinCambiosNoHayPasoYUnPasoNuevoBorraLoQueSePodiaRehacer) {
    Banco b;
    Estado& e = b.e;
    rejilla_3x2(e);
    Historial h;
    h.empezar(e);
    // Una marca o una paleta reconstruida no son pasos.
    h.antes(e);
    e.ver_rejilla = !e.ver_rejilla;
    e.paleta.total = 5;
    EXPECT_FALSE(h.anotar(e, "Ver Rejilla"));
    EXPECT_FALSE(h.puede_deshacer());
    EXPECT_FALSE(h.modificado());

    e.punto(1, 1).color = 1;
    ASSERT_TRUE(h.anotar(e, "Pintar"));
    e.punto(1, 1).color = 2;
    ASSERT_TRUE(h.anotar(e, "Pintar"));
    ASSERT_TRUE(h.deshacer(e));
    EXPECT_EQ(e.punto(1, 1).color, 1);
    // Grabado aquí; un paso nuevo descarta el rehacer.
    h.marcar_grabado();
    e.punto(2, 2).color = 3;
    ASSERT_TRUE(h.anotar(e, "Aclara Color"));
    EXPECT_TRUE(h.modificado());
    EXPECT_FALSE(h.puede_rehacer());
    ASSERT_TRUE(h.deshacer(e));
    EXPECT_FALSE(h.modificado());
    EXPECT_EQ(e.punto(1, 1).color, 1);
    EXPECT_EQ(e.punto(2, 2).color, 0xFFFFFF);
    ASSERT_TRUE(h.deshacer(e));
    EXPECT_EQ(e.punto(1, 1).color, 0x0000FF);
    EXPECT_TRUE(h.modificado());
}

TEST(Historial, LasOtrasPuntadasSeDeshacenYRehacenComoConjuntos) {
    Banco b;
    Estado& e = b.e;
    rejilla_3x2(e);
    const Parcial medio{1, 1, TipoParcial::kMedio, Diagonal::kBarra, Esquina::kArribaIzquierda, 5};
    const Parcial otro{1, 1, TipoParcial::kMedio, Diagonal::kInvertida, Esquina::kArribaIzquierda, 6};
    e.puntadas.poner(medio, 3, 2);
    e.puntadas.poner(Nudo{2, 2, 7, 2}, 3, 2);
    Historial h;
    h.empezar(e);
    const Puntadas inicio = e.puntadas;
    // Un paso sólo de puntadas: el medio punto cambia por el otro, un pespunte nuevo, el nudo fuera.
    e.puntadas.poner(otro, 3, 2);
    e.puntadas.poner(Linea{0, 0, 6, 4, 8, 1}, 3, 2);
    e.puntadas.quitar_nudo(0);
    ASSERT_TRUE(h.anotar(e, "Puntadas"));
    const Puntadas despues = e.puntadas;
    // Un paso de la rejilla no toca las puntadas.
    e.punto(3, 2).color = 1;
    ASSERT_TRUE(h.anotar(e, "Pincel"));
    ASSERT_TRUE(h.deshacer(e));
    EXPECT_TRUE(e.puntadas == despues);
    ASSERT_TRUE(h.deshacer(e));
    EXPECT_TRUE(e.puntadas == inicio);
    EXPECT_EQ(e.puntadas.parciales_celda(1, 1).size(), 1u);  // el índice sigue al contenido
    EXPECT_FALSE(h.anotar(e, "nada"));
    ASSERT_TRUE(h.rehacer(e));
    EXPECT_TRUE(e.puntadas == despues);
    EXPECT_EQ(e.puntadas.lineas_en(RectanguloCeldas{3, 2, 3, 2}).size(), 1u);
    // Quitar y volver a poner lo mismo no es un paso.
    e.puntadas.quitar_linea(0);
    e.puntadas.anadir_tal_cual(Linea{0, 0, 6, 4, 8, 1});
    EXPECT_FALSE(h.anotar(e, "nada"));
}

// El fichero del diseño viaja con los pasos: deshacer una carga devuelve el fichero de antes
// con su estado de grabado, y una generación deja un diseño sin título.
TEST(Historial, DeshacerUnaCargaDevuelveElFicheroDeAntesYSuEstadoDeGrabado) {
    Banco b;
    Estado& e = b.e;
    rejilla_3x2(e);
    const FicheroDiseno a{"/d/a.pc", "CargarPuntoCruz1"}, gato{"/d/gato.oxs", "ImportarOXS1"};
    Historial h;
    h.empezar(e, a);
    e.punto(1, 1).color = 1;
    ASSERT_TRUE(h.anotar(e, "Pintar"));
    ASSERT_TRUE(h.modificado());

    // Se abre gato.oxs con el mismo tapiz: también es un paso.
    ASSERT_TRUE(h.anotar_otro_diseno(e, "Importar OXS...", gato, true));
    EXPECT_EQ(h.fichero(), gato);
    EXPECT_FALSE(h.modificado());
    ASSERT_TRUE(h.deshacer(e));
    EXPECT_EQ(h.fichero(), a);
    EXPECT_TRUE(h.modificado());  // lo pintado sigue sin grabar en a.pc
    ASSERT_TRUE(h.deshacer(e));
    EXPECT_FALSE(h.modificado());  // lo que hay en a.pc
    ASSERT_TRUE(h.rehacer(e));
    ASSERT_TRUE(h.rehacer(e));
    EXPECT_EQ(h.fichero(), gato);
    EXPECT_FALSE(h.modificado());

    // Una generación que no cambia nada no es un paso ni cambia el fichero; una que cambia
    // el tapiz deja un diseño nuevo, por grabar.
    EXPECT_FALSE(h.anotar_otro_diseno(e, "Generar Punto de Cruz", {}, false));
    EXPECT_EQ(h.fichero(), gato);
    e.punto(2, 1).color = 2;
    ASSERT_TRUE(h.anotar_otro_diseno(e, "Generar Punto de Cruz", {}, false));
    EXPECT_EQ(h.fichero(), FicheroDiseno{});
    EXPECT_TRUE(h.modificado());

    // Grabado sobre a.pc: el a.pc de los pasos viejos ya no tiene lo suyo.
    h.grabado_en(a);
    EXPECT_FALSE(h.modificado());
    ASSERT_TRUE(h.deshacer(e));
    EXPECT_EQ(h.fichero(), gato);
    ASSERT_TRUE(h.deshacer(e));
    ASSERT_TRUE(h.deshacer(e));
    EXPECT_EQ(h.fichero(), a);
    EXPECT_TRUE(h.modificado());
}

TEST(Historial, SeQuitanLosPasosMasViejosPorNumeroYPorMemoria) {
    Banco b;
    Estado& e = b.e;
    rejilla_3x2(e);
    Historial h(3);
    h.empezar(e);
    for (Color c = 1; c <= 5; ++c) {
        e.punto(1, 1).color = c;
        ASSERT_TRUE(h.anotar(e, "Pintar"));
    }
    EXPECT_EQ(h.pasos(), 3u);
    while (h.deshacer(e)) {
    }
    EXPECT_EQ(e.punto(1, 1).color, 2);  // el estado más viejo que queda
    EXPECT_TRUE(h.modificado());        // el grabado (el inicio) ya no se alcanza

    // Un tapiz entero cambiado ocupa lo suyo: con 1 MB de tope queda sólo el último paso.
    Historial chico(1000, std::size_t{1} << 20);
    chico.empezar(e);
    for (Color c = 10; c < 13; ++c) {
        for (int x = 1; x <= kMaxPuntos; ++x)
            for (int y = 1; y <= kMaxPuntos; ++y) e.punto(x, y).color = c + ((x * 7 + y) % 2);
        ASSERT_TRUE(chico.anotar(e, "Generar Punto de Cruz"));
    }
    EXPECT_EQ(chico.pasos(), 1u);
    ASSERT_TRUE(chico.deshacer(e));
    EXPECT_EQ(e.punto(5, 5).color, 11 + ((5 * 7 + 5) % 2));
    // Lo guardado de un tapiz de 700 × 700 cabe muy por debajo de los 10 MB de la rejilla
    // cuando los colores vienen en rachas.
    for (int x = 1; x <= kMaxPuntos; ++x)
        for (int y = 1; y <= kMaxPuntos; ++y) e.punto(x, y).color = 0xFFFFFF;
    Historial h2;
    h2.empezar(e);
    for (int x = 1; x <= kMaxPuntos; ++x)
        for (int y = 1; y <= kMaxPuntos; ++y) e.punto(x, y).color = x / 10;
    ASSERT_TRUE(h2.anotar(e, "Generar Punto de Cruz"));
    EXPECT_LT(h2.bytes(), std::size_t{1} << 20);
}

TEST(Historial, OrdenesDeshacerRedibujanYLaPreguntaDeSalidaAvisaDeLosCambios) {
    Banco b;
    rejilla_3x2(b.e);
    Historial h;
    h.empezar(b.e);
    EXPECT_FALSE(deshacer(b.s, h));
    EXPECT_EQ(b.v.redibujados, 0);
    b.e.punto(1, 1).color = 5;
    h.anotar(b.e, "Pintar");
    EXPECT_TRUE(deshacer(b.s, h));
    EXPECT_EQ(b.v.redibujados, 1);
    EXPECT_TRUE(rehacer(b.s, h));
    EXPECT_EQ(b.v.redibujados, 2);

    b.d.contestar(false).contestar(true).contestar_grabar();
    EXPECT_EQ(preguntar_salida(b.d, true), RespuestaSalir::kNo);
    EXPECT_EQ(preguntar_salida(b.d, false), RespuestaSalir::kSi);
    EXPECT_EQ(preguntar_salida(b.d, true), RespuestaSalir::kGrabar);
    EXPECT_EQ(b.d.llamadas()[0].texto, "Hay cambios sin grabar.\n¿Desea Salir?");
    EXPECT_EQ(b.d.llamadas()[1].texto, "¿Desea Salir?");
    EXPECT_EQ(b.d.llamadas()[1].titulo, "Punto de Cruz");
}

TEST(Zoom, De1a40ParaCualquierTapizYTrasCargarDecideElLienzo) {
    Banco b;
    b.e.ancho = b.e.alto = "700";
    EXPECT_TRUE(poner_zoom(b.s, 100));
    EXPECT_EQ(b.e.tam_celda, 40);
    EXPECT_EQ(b.e.tam_rejilla, "40");
    EXPECT_EQ(b.e.lado_lienzo, 702 * 40);
    EXPECT_EQ(b.v.redibujados, 1);
    EXPECT_FALSE(poner_zoom(b.s, 41));
    // Otro redibujado (deshacer, "Ver Rejilla") respeta el zoom: el lienzo ya es así de grande.
    redibujar_todo(b.s);
    EXPECT_EQ(b.e.tam_celda, 40);
    EXPECT_TRUE(b.d.mensajes().empty());  // el zoom nunca provoca el aviso de tamaño
    // Tras una carga o una generación decide el lienzo de partida, con su aviso.
    lienzo_de_partida(b.e);
    redibujar_todo(b.s);
    EXPECT_EQ(b.e.tam_celda, 2);
    EXPECT_EQ(b.d.mensajes(), (std::vector<std::string>{"Se cambia el tamaño de la rejilla 2"}));
    EXPECT_TRUE(poner_zoom(b.s, -3));
    EXPECT_EQ(b.e.tam_celda, 1);
    EXPECT_EQ(b.e.lado_lienzo, 1600);

    // Ajustar a la vista: el tapiz y su margen de un punto caben enteros.
    EXPECT_EQ(zoom_para_ajustar(b.e, 1404, 900), 1);
    b.e.ancho = "20";
    b.e.alto = "10";
    EXPECT_EQ(zoom_para_ajustar(b.e, 1000, 300), 25);  // 300 / 12
    EXPECT_EQ(zoom_para_ajustar(b.e, 5000, 5000), 40);
    b.e.ancho = "x";
    EXPECT_EQ(zoom_para_ajustar(b.e, 5000, 5000), 1);
}

}  // namespace
}  // namespace pc::prueba
