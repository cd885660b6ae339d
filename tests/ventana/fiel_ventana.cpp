// La generación FIEL y su informe desde la ventana principal dan lo mismo que sin ventanas.
#include <gtest/gtest.h>

#include <QAction>

#include "ventana/pcruz.h"
#include "ventana/programa.h"
#include "pattern/fidelidad.h"
#include "ordenes/patron/fiel.h"
#include "tests/comun/banco.h"
#include "tests/comun/guion.h"
#include "tests/ventana/comun_ui.h"
#include "render/imagen_qt.h"

namespace pc::prueba {
namespace {

TEST(FielVentana, ElTapizYElInformeSonLosDeLasOrdenes) {
    aplicacion();
    DialogosGuion g;
    ui::Programa p(g, "");
    ui::TForm2& f = p.principal();
    f.show();
    Estado& e = f.estado();
    abrir_imagen(p, g);
    g.responder("120");
    elegir(&f, "AnchodelPuntodeCruz1");
    g.responder("35").responder("2");
    elegir(&f, "GenerarPuntodeCruzFIEL1");
    ASSERT_TRUE(g.errores().empty()) << g.errores()[0];

    BancoOrdenes<ImagenQt> b;
    b.cargar_dmc();
    b.img.cargar(std::string(PC_DATOS_PRUEBA) + "/coffee.bmp");
    b.e.ancho = "120";
    b.e.alto = "80";
    ASSERT_TRUE(b.orden([&] { generar_fiel_con(b.s, 35, 2); }));
    int distintos = 0;
    for (int y = 1; y <= 80; ++y)
        for (int x = 1; x <= 120; ++x) distintos += e.punto(x, y).color != b.e.punto(x, y).color;
    EXPECT_EQ(distintos, 0);
    const Fidelidad fv = medir_fidelidad(e, p.imagen(), 120, 80), fo = medir_fidelidad(b.e, b.img, 120, 80);
    EXPECT_EQ(fv.media, fo.media);

    elegir(&f, "FidelidaddelPuntodeCruz1");
    EXPECT_NE(g.mensajes().back().find("Número de colores: "), std::string::npos);
}

}  // namespace
}  // namespace pc::prueba
