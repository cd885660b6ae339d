// Ajuste del tapiz a los hilos DMC o ANCHOR y listado de equivalencias.
#include <gtest/gtest.h>

#include "ordenes/patron/paleta.h"
#include "tests/comun/paleta_apoyo.h"
#include "threads/emparejar.h"
#include "ordenes/hilos/ajuste.h"

namespace pc::prueba {
namespace {

const Color k310 = rgb(2, 2, 2);
const Color k3799 = rgb(32, 32, 32);
const Color kBlancoDmc = rgb(252, 251, 248);

TEST(AjusteHilos, LosPerfilesNoSeAjustanYSinCambiosNadaSeToca) {
    Banco b;
    b.tapiz({{k310, k3799}, {kBlancoDmc, k310}});
    b.e.punto(1, 1).lado(kAbajo) = rgb(3, 3, 3);  // un perfil no es de hilo, pero no se ajusta
    construir_paleta(b.s, false);
    ajustar_a_hilos(b.s, true);
    EXPECT_EQ(b.d.mensajes(), std::vector<std::string>{"Cambios recomendados: 1"});
    // El único par es el del color del perfil, que no está en ningún punto.
    EXPECT_EQ(b.v.memo.back(), "HILO:???? cambiar por DMC: 310");
    EXPECT_EQ(b.e.punto(1, 1).lado(kAbajo), rgb(3, 3, 3));
    EXPECT_TRUE(b.v.repintadas.empty());

    Banco c;
    c.tapiz({{k310, k3799}, {kBlancoDmc, k310}});
    construir_paleta(c.s, false);
    const TablaHilos paleta = c.e.paleta;
    c.e.color_actual = rgb(9, 9, 9);
    ajustar_a_hilos(c.s, true);
    EXPECT_EQ(c.d.mensajes(), std::vector<std::string>{"Cambios recomendados: 0"});
    EXPECT_EQ(c.e.paleta.total, paleta.total);
    EXPECT_EQ(c.e.punto(2, 1).color, k3799);
    EXPECT_EQ(c.e.color_actual, rgb(9, 9, 9));
    EXPECT_EQ(c.v.memo.back(), " 3. DMC:Blanco Nº:1");
}

TEST(AjusteHilos, CadaColorVaAlHiloMasProximoYSeListanLosCambios) {
    Banco b;
    b.tapiz({{rgb(3, 3, 3), k310, rgb(31, 33, 32)}, {rgb(3, 3, 3), rgb(3, 3, 3), kBlancoDmc}});
    ajustar_dmc(b.s);
    EXPECT_EQ(b.d.mensajes(), std::vector<std::string>{"Cambios recomendados: 2"});
    EXPECT_EQ(b.cuenta(k310), 4);
    EXPECT_EQ(b.cuenta(k3799), 1);
    EXPECT_EQ(b.e.color_actual, k310);  // el último punto cambiado, por filas
    // Tras el ajuste la orden vuelve a listar la paleta, ya con los hilos.
    const std::vector<std::string> esperado = {"Paleta de Colores del Punto de Cruz", "Total de Colores: 3", "",
                                               " 1. DMC: 310 Nº:4", " 2. DMC:3799 Nº:1",
                                               " 3. DMC:Blanco Nº:1"};
    EXPECT_EQ(b.v.memo, esperado);
    EXPECT_EQ(b.e.paleta.total, 3);
}

TEST(AjusteHilos, LosHilosDesactivadosNuncaSeEligenSiNoSeCambiaDeCatalogo) {
    Banco b;
    b.hilo_dmc(310).activo = false;
    b.tapiz({{rgb(3, 3, 3), rgb(1, 1, 1)}});
    ajustar_dmc(b.s);
    const Color nuevo = b.e.punto(1, 1).color;
    EXPECT_NE(nuevo, k310);
    EXPECT_GT(buscar_color(nuevo, b.e.hilos), 0);
    EXPECT_FALSE(b.hilo_dmc(310).activo);  // no se recargó el catálogo
    EXPECT_EQ(b.d.mensajes(), std::vector<std::string>{"Cambios recomendados: 2"});
}

TEST(AjusteHilos, CambiarDeCatalogoLoRecargaYNombraConLaNuevaMarca) {
    Banco b;
    b.hilo_dmc(310).activo = false;
    b.tapiz({{rgb(253, 244, 170), rgb(3, 3, 3)}});
    ajustar_anchor(b.s);
    EXPECT_EQ(b.e.marca, "ANCHOR");
    EXPECT_EQ(b.e.punto(1, 1).color, rgb(253, 244, 169));  // ANCHOR 292
    EXPECT_EQ(b.v.memo[3].substr(0, 15), " 1. ANCHOR: 292");

    // Volver a DMC recarga el catálogo: el 310 vuelve a estar activo y se elige.
    ajustar_dmc(b.s);
    EXPECT_EQ(b.e.marca, "DMC");
    EXPECT_EQ(b.e.punto(2, 1).color, k310);
}

TEST(Equivalencias, UnaLineaPorHiloAnchorYLaPaletaActivaSeRecarga) {
    Banco b;
    b.hilo_dmc(310).activo = false;
    b.hilo_dmc(317).bloqueado = true;
    b.v.memo = {"antes"};
    calcular_equivalencias(b.s);
    ASSERT_EQ(b.v.memo.size(), 1u + 2u + 444u);
    EXPECT_EQ(b.v.memo[1], "Equivalencias");
    EXPECT_EQ(b.v.memo[2], "ANCHOR <---> DMC");
    EXPECT_EQ(b.v.memo[3].rfind("292     <---->    ", 0), 0u) << b.v.memo[3];
    EXPECT_EQ(b.v.memo.back().rfind("403     <---->    ", 0), 0u) << b.v.memo.back();
    EXPECT_EQ(b.v.memo.back(), "403     <---->    3799");  // (44,35,30) frente a (32,32,32)
    EXPECT_EQ(b.e.marca, "DMC");
    EXPECT_TRUE(b.hilo_dmc(310).activo);
    EXPECT_FALSE(b.hilo_dmc(317).bloqueado);
    EXPECT_EQ(b.e.paleta_aux.total, 444);
}

}  // namespace
}  // namespace pc::prueba
