// Las tres reducciones de color, como las vería el usuario: preguntas, líneas de cambios en el
// visor, mensaje final y el tapiz resultante.
#include <gtest/gtest.h>

#include "ordenes/patron/paleta.h"
#include "pattern/reduccion.h"
#include "tests/comun/paleta_apoyo.h"

namespace pc::prueba {
namespace {

const Color kA = rgb(10, 10, 10);
const Color kB = rgb(50, 50, 50);
const Color kEquidistante = rgb(30, 30, 30);  // a 60 de kA y de kB (a 20 con la mayor diferencia)
const Color k317 = rgb(92, 92, 92);           // DMC 317, el más cercano de los dos es kB
const Color kPerfil = rgb(200, 0, 0);

// Tapiz: kA 4 puntos, kB 3, k317 2, kEquidistante 1; con un perfil de k317 que no debe cambiar.
void tapiz_cuatro(Banco& b) {
    b.tapiz({{kA, kB, kA, k317, kEquidistante},  //
             {kA, kB, kB, kA, k317}});
    b.e.punto(4, 1).lado(kArriba) = k317;
    b.e.punto(1, 2).lado(kIzquierda) = kPerfil;
}

std::vector<std::string> ultimas(const std::vector<std::string>& memo, std::size_t n) {
    return {memo.end() - static_cast<long>(std::min(n, memo.size())), memo.end()};
}

TEST(ReducirPaleta, ConservaLosMasUsadosYElEmpateVaAlMasUsado) {
    for (int metodo : {1, 2}) {
        SCOPED_TRACE(metodo);
        Banco b;
        b.e.metodo_color = metodo;
        tapiz_cuatro(b);
        b.d.responder("2");
        reducir_paleta(b.s, true);

        ASSERT_EQ(b.d.llamadas().size(), 2u);
        EXPECT_EQ(b.d.llamadas()[0].titulo, "Reducción de colores");
        EXPECT_EQ(b.d.llamadas()[0].texto, "Nº de Colores de la paleta resultante");
        EXPECT_EQ(b.d.mensajes(), std::vector<std::string>{"Cambios recomendados: 3"});
        EXPECT_EQ(b.e.n_colores, "2");
        EXPECT_EQ(ultimas(b.v.memo, 3), (std::vector<std::string>{"DMC: 317 cambiar por HILO:????",
                                                                    "HILO:???? cambiar por HILO:????",
                                                                    "HILO:???? cambiar por HILO:????"}));
        EXPECT_EQ(b.cuenta(kA), 5);
        EXPECT_EQ(b.cuenta(kB), 5);
        EXPECT_EQ(b.e.punto(5, 1).color, kA);  // el equidistante va al más usado
        EXPECT_EQ(b.e.punto(5, 2).color, kB);  // k317 va a kB
        // Los perfiles no se tocan nunca.
        EXPECT_EQ(b.e.punto(4, 1).lado(kArriba), k317);
        EXPECT_EQ(b.e.punto(1, 2).lado(kIzquierda), kPerfil);
        // color_actual es el último color escrito (por filas): el k317 de (5, 2).
        EXPECT_EQ(b.e.color_actual, kB);
        EXPECT_EQ(b.e.paleta.total, 0);
        EXPECT_EQ(b.v.repintadas.size(), 3u);
        EXPECT_EQ(b.v.ultimo_progreso, "Reduciendo... 2/2");
        EXPECT_EQ(b.v.minimizaciones, 1);
        EXPECT_FALSE(b.v.minimizada);
    }
}

TEST(ReducirPaleta, LosHilosBloqueadosSeQuedanYSinPreguntarUsaElAjuste) {
    Banco b;
    tapiz_cuatro(b);
    b.hilo_dmc(317).bloqueado = true;
    b.e.n_colores = "2";
    reducir_paleta(b.s, false);
    EXPECT_TRUE(b.d.llamadas().empty());
    EXPECT_EQ(b.cuenta(k317), 2);
    EXPECT_EQ(b.cuenta(kA), 5);
    EXPECT_EQ(ultimas(b.v.memo, 1), std::vector<std::string>{"HILO:???? cambiar por HILO:????"});
}

TEST(ReducirPaleta, MasColoresPedidosQueLosQueHayNoCambiaNada) {
    Banco b;
    tapiz_cuatro(b);
    b.d.cancelar_entrada();  // se queda "35"
    reducir_paleta(b.s, true);
    EXPECT_EQ(b.d.mensajes(), std::vector<std::string>{"Cambios recomendados: 0"});
    EXPECT_EQ(b.cuenta(kA), 4);
    EXPECT_EQ(b.e.n_colores, "35");
    EXPECT_TRUE(b.v.repintadas.empty());
}

TEST(ReducirPaleta, RespuestasMalasSeGuardanYParanSinTocarElTapiz) {
    for (const auto& [respuesta, error] :
         {std::pair<std::string, std::string>{"x", "'x' is not a valid integer value"},
          {"0", "El número de colores de la paleta resultante debe ser 1 o mayor."},
          {"-3", "El número de colores de la paleta resultante debe ser 1 o mayor."}}) {
        Banco b;
        tapiz_cuatro(b);
        b.d.responder(respuesta);
        EXPECT_FALSE(b.correr([&] { reducir_paleta(b.s, true); }));
        EXPECT_EQ(b.d.errores(), std::vector<std::string>{error});
        EXPECT_EQ(b.e.n_colores, respuesta);
        EXPECT_EQ(b.cuenta(kEquidistante), 1);
        EXPECT_FALSE(b.v.minimizada);  // la ventana no se queda minimizada tras el error
    }
}

TEST(ReducirSimilares, JuntaHastaLaDiferenciaMaximaIncluida) {
    const Color base = rgb(100, 100, 100);
    for (const auto& [otro, junta] : {std::pair{rgb(110, 110, 105), true},  // 25
                                      std::pair{rgb(110, 110, 110), true},  // 30
                                      std::pair{rgb(110, 110, 111), false}}) {
        Banco b;
        b.liso(10, 7, base);
        for (int x = 1; x <= 10; ++x) b.e.punto(x, 1).color = b.e.punto(x, 2).color = otro;
        b.d.cancelar_entrada();  // "30"
        reducir_similares(b.s, true);
        ASSERT_EQ(b.d.llamadas().size(), 2u);
        EXPECT_EQ(b.d.llamadas()[0].texto, "Máx diferencia entre los colores a reducir ");
        EXPECT_EQ(b.cuenta(base), junta ? 70 : 50);
        EXPECT_EQ(b.d.mensajes(),
                  std::vector<std::string>{junta ? "Cambios recomendados: 1" : "Cambios recomendados: 0"});
        EXPECT_EQ(b.e.paleta.total, 0);
        EXPECT_FALSE(b.v.minimizada);
    }
}

TEST(ReducirSimilares, UnColorCambiadoNoEsDestinoEnLaMismaPasada) {
    const Color a = rgb(100, 100, 100), b2 = rgb(120, 100, 100), c = rgb(135, 100, 100);
    Banco b;
    b.tapiz({{a, a, a, a, a}, {b2, b2, b2, b2, c}, {c, c, a, a, a}});
    // a 8 puntos, b2 4, c 3. b2 -> a (20). Lo más cercano a c es b2 (15), que ya cambia: c
    // espera; en la pasada siguiente a está a 35 y c se queda.
    b.d.responder("30");
    reducir_similares(b.s, true);
    EXPECT_EQ(b.cuenta(a), 12);
    EXPECT_EQ(b.cuenta(c), 3);
    EXPECT_EQ(b.d.mensajes(), std::vector<std::string>{"Cambios recomendados: 1"});
}

TEST(ReducirSimilares, VariasPasadasHastaQueNoJuntaNada) {
    // a 6, b2 4 (a 20 de a), c 2 (a 15 de b2 y 35 de a), d 1 (a 10 de c).
    const Color a = rgb(100, 100, 100), b2 = rgb(120, 100, 100), c = rgb(135, 100, 100),
                d = rgb(145, 100, 100);
    Banco b;
    b.tapiz({{a, a, a, a, a, a, b2}, {b2, b2, b2, c, c, d, d}});
    b.e.punto(7, 2).color = a;  // a 7, b2 4, c 2, d 1
    reducir_similares(b.s, false);
    // Pasada 1: b2 -> a; c espera (su más cercano b2 cambia); d -> c.
    // Pasada 2: c (ahora 3 puntos) está a 35 de a: nada más.
    EXPECT_EQ(b.cuenta(a), 11);
    EXPECT_EQ(b.cuenta(c), 3);
    EXPECT_TRUE(b.d.llamadas().empty());
}

TEST(ReducirSimilares, TerminaConColoresSoloDePerfilOSinVecinoPosible) {
    {
        // Un color sólo de perfil junto al único color del tapiz: no se empareja en cada pasada.
        Banco b;
        b.liso(4, 4, rgb(100, 100, 100));
        b.e.punto(2, 2).lado(kDerecha) = rgb(105, 100, 100);
        b.d.responder("30");
        reducir_similares(b.s, true);
        EXPECT_EQ(b.d.mensajes(), std::vector<std::string>{"Cambios recomendados: 0"});
        EXPECT_EQ(b.e.punto(2, 2).lado(kDerecha), rgb(105, 100, 100));
    }
    {
        // Blanco y negro con una diferencia enorme: con el primer método nada está a menos de
        // 765 del negro, y el negro no se cambia por sí mismo una y otra vez.
        Banco b;
        b.liso(3, 3, kBlanco);
        b.e.punto(1, 1).color = 0;
        b.d.responder("800");
        reducir_similares(b.s, true);
        EXPECT_EQ(b.d.mensajes(), std::vector<std::string>{"Cambios recomendados: 0"});
        EXPECT_EQ(b.cuenta(0), 1);
    }
}

TEST(ReducirSimilares, RespetaLosBloqueadosYUnUmbralQueNoEsNumeroPara) {
    Banco b;
    const Color k318 = rgb(152, 152, 152);  // DMC 318
    b.liso(5, 2, rgb(150, 150, 150));
    b.e.punto(1, 1).color = k318;
    b.hilo_dmc(318).bloqueado = true;
    reducir_similares(b.s, false);
    EXPECT_EQ(b.cuenta(k318), 1);

    b.d.responder("x");
    EXPECT_FALSE(b.correr([&] { reducir_similares(b.s, true); }));
    EXPECT_EQ(b.d.errores(), std::vector<std::string>{"'x' is not a valid integer value"});
    EXPECT_EQ(b.e.dif_max, "x");
}

TEST(ReducirTonos, RedondeaLasMitadesAlParYLimitaA255) {
    EXPECT_EQ(color_por_tonos(rgb(123, 45, 255), 10), rgb(120, 40, 255));
    EXPECT_EQ(color_por_tonos(rgb(96, 160, 0), 64), rgb(128, 128, 0));
    EXPECT_EQ(color_por_tonos(rgb(123, 45, 255), -10), rgb(120, 40, 255));
    EXPECT_EQ(color_por_tonos(rgb(200, 1, 255), 1000), rgb(0, 0, 0));

    Banco b;
    const Color k318 = rgb(152, 152, 152);
    b.tapiz({{rgb(123, 45, 255), k318, rgb(96, 160, 0)}});
    b.e.punto(1, 1).lado(kArriba) = rgb(123, 45, 255);
    b.hilo_dmc(318).bloqueado = true;  // aquí no protege
    b.d.responder("10");
    reducir_tonos(b.s, true);
    EXPECT_EQ(b.e.punto(1, 1).color, rgb(120, 40, 255));
    EXPECT_EQ(b.e.punto(2, 1).color, rgb(150, 150, 150));
    EXPECT_EQ(b.e.punto(3, 1).color, rgb(100, 160, 0));
    EXPECT_EQ(b.e.punto(1, 1).lado(kArriba), rgb(123, 45, 255));
    EXPECT_EQ(b.e.divisor_tonos, "10");
    EXPECT_TRUE(b.d.mensajes().empty());
    EXPECT_EQ(b.v.ultimo_progreso, "Reduciendo... 1/1");
    EXPECT_EQ(b.e.paleta.total, 0);
}

TEST(ReducirTonos, DivisorCeroFallaAntesDeCambiarNingunPunto) {
    Banco b;
    b.tapiz({{rgb(123, 45, 255), rgb(1, 2, 3)}});
    b.d.responder("0");
    EXPECT_FALSE(b.correr([&] { reducir_tonos(b.s, true); }));
    EXPECT_EQ(b.d.errores(), std::vector<std::string>{"Error aritmético: división por cero"});
    EXPECT_EQ(b.e.punto(1, 1).color, rgb(123, 45, 255));
    EXPECT_TRUE(b.v.repintadas.empty());
}

}  // namespace
}  // namespace pc::prueba
