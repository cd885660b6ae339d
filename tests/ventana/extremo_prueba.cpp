// De punta a punta por la ventana principal: abrir coffee.bmp, 100 puntos de ancho,
// generar, listar la paleta, grabar el patrón y volver a cargarlo.
#include <gtest/gtest.h>

#include <QAction>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "ventana/bmp.h"
#include "ventana/pcruz.h"
#include "ventana/programa.h"
#include "tests/comun/guion.h"
#include "tests/ventana/comun_ui.h"

namespace pc::prueba {
namespace {

TEST(DePuntaAPunta, AbrirGenerarListarGrabarYCargar) {
    aplicacion();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    DialogosGuion g;
    ui::Programa p(g, "");
    ui::TForm2& f = p.principal();
    f.show();
    Estado& e = f.estado();

    abrir_imagen(p, g);
    ASSERT_EQ(p.imagen().ancho(), 600);
    ASSERT_EQ(p.imagen().alto(), 400);

    g.responder("100");
    elegir(&f, "AnchodelPuntodeCruz1");
    EXPECT_EQ(e.ancho, "100");
    EXPECT_EQ(e.alto, "67");

    elegir(&f, "GenerarPuntodeCruz1");
    ASSERT_TRUE(g.errores().empty()) << g.errores()[0];
    // El tapiz sale de la imagen: no todo igual, y el lienzo enseña cada punto con su color.
    int distintos = 0;
    for (int x = 2; x <= 100; ++x) distintos += e.punto(x, 30).color != e.punto(1, 30).color;
    EXPECT_GT(distintos, 10);
    const int s = e.tam_celda;
    for (const auto& [x, y] : {std::pair{1, 1}, {50, 33}, {100, 67}}) {
        const Color c = e.punto(x, y).color;
        EXPECT_EQ(f.pixel_patron(x * s + 2, y * s + 2), qRgb(rojo(c), verde(c), azul(c))) << x << "," << y;
    }
    EXPECT_EQ(e.punto(100, 67).perfil[0], kSinPerfil);
    EXPECT_EQ(f.pixel_patron(102 * s, 30 * s), qRgb(255, 255, 255));

    elegir(&f, "VerColores1");
    EXPECT_TRUE(p.visor().isVisible());
    const int lineas = p.visor().memo()->blockCount();
    EXPECT_GT(e.paleta.total, 1);
    EXPECT_GE(lineas, e.paleta.total);

    const std::string pc = dir.filePath(QStringLiteral("cafe.pc")).toStdString();
    g.fichero(pc);
    elegir(&f, "GrabarPuntoCruz1");
    ASSERT_TRUE(QFileInfo::exists(QString::fromStdString(pc)));

    // Se estropea el diseño y se vuelve a cargar el fichero.
    const Color original = e.punto(50, 33).color;
    const Color esquina = e.punto(100, 67).color;
    e.punto(50, 33).color = rgb(1, 2, 3);
    e.ancho = "5";
    g.fichero(pc);
    elegir(&f, "CargarPuntoCruz1");
    EXPECT_TRUE(g.errores().empty());
    EXPECT_EQ(e.ancho, "100");
    EXPECT_EQ(e.alto, "67");
    EXPECT_EQ(e.punto(50, 33).color, original);
    EXPECT_EQ(e.punto(100, 67).color, esquina);
    EXPECT_EQ(f.pixel_patron(50 * s + 2, 33 * s + 2),
              qRgb(rojo(original), verde(original), azul(original)));
    EXPECT_NE(f.panel(2).indexOf(QStringLiteral("cafe.pc")), -1) << f.panel(2).toStdString();
    EXPECT_EQ(g.pendientes(), 0u);
    f.hide();
    p.visor().hide();
}

}  // namespace
}  // namespace pc::prueba
