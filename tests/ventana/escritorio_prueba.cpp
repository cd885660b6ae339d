// La ventana principal como la usa alguien: deshacer y rehacer órdenes y trazos, el "*" del
// título y la pregunta de salida, los archivos recientes, el zoom con Control + rueda, los
// atajos, los paneles de estado y los textos de Qt en castellano.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWheelEvent>

#include "ventana/bmp.h"
#include "ventana/lienzo.h"
#include "ventana/pcruz.h"
#include "ventana/programa.h"
#include "ventana/traduccion.h"
#include "tests/comun/guion.h"
#include "tests/ventana/comun_ui.h"

namespace pc::prueba {
namespace {

std::string texto(QAction* a) { return a->text().toStdString(); }

TEST(Escritorio, DeshacerYRehacerOrdenesYTrazosConTituloYPregunta) {
    aplicacion();
    DialogosGuion g;
    ui::Programa p(g, "");
    ui::TForm2& f = p.principal();
    f.show();
    Estado& e = f.estado();
    QAction* deshacer = accion(&f, "Deshacer1");
    QAction* rehacer = accion(&f, "Rehacer1");
    EXPECT_FALSE(deshacer->isEnabled());

    // Una orden del menú es un paso con su nombre.
    accion(&f, "PintarPALETA1")->trigger();
    ASSERT_EQ(e.ancho, "19");
    const Color muestra = e.punto(1, 1).color;
    EXPECT_EQ(texto(deshacer), "Deshacer Pintar PALETA DMC");
    EXPECT_EQ(f.windowTitle().toStdString(), "Sin título* - Punto de Cruz by Tarvelo");

    // Un trazo, de la pulsación a la suelta, es otro paso.
    ui::Lienzo* l = f.lienzo_patron();
    const int s = e.tam_celda;
    e.color_actual = 0x123456;
    raton(l, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, QPoint(2 * s + 1, 2 * s + 1));
    raton(l, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, QPoint(3 * s + 1, 2 * s + 1));
    raton(l, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, QPoint(3 * s + 1, 2 * s + 1));
    EXPECT_EQ(e.punto(3, 2).color, 0x123456);
    EXPECT_EQ(texto(deshacer), "Deshacer Pintar");

    deshacer->trigger();
    EXPECT_NE(e.punto(2, 2).color, 0x123456);
    EXPECT_NE(e.punto(3, 2).color, 0x123456);
    EXPECT_EQ(texto(deshacer), "Deshacer Pintar PALETA DMC");
    EXPECT_EQ(texto(rehacer), "Rehacer Pintar");
    deshacer->trigger();
    EXPECT_EQ(e.ancho, "60");
    EXPECT_EQ(e.punto(1, 1).color, 0);
    // El lienzo se redibuja: el primer punto vuelve a ser negro.
    EXPECT_EQ(f.pixel_patron(e.tam_celda + 2, e.tam_celda + 2), qRgb(0, 0, 0));
    EXPECT_EQ(f.windowTitle().toStdString(), "Punto de Cruz by Tarvelo");
    EXPECT_FALSE(deshacer->isEnabled());

    rehacer->trigger();
    rehacer->trigger();
    EXPECT_EQ(e.punto(1, 1).color, muestra);
    EXPECT_EQ(e.punto(3, 2).color, 0x123456);
    // Una marca no es un paso.
    accion(&f, "VerRejilla1")->trigger();
    EXPECT_EQ(texto(deshacer), "Deshacer Pintar");

    // Un relleno desde el menú del gráfico (sobre la celda del botón derecho) es un paso.
    const Color antes = e.punto(19, 30).color;
    raton(l, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, QPoint(19 * s + 1, 30 * s + 1));
    e.color_actual = 0x0000FF;
    accion(&f, "RellenarColor1")->trigger();
    ASSERT_EQ(e.punto(19, 30).color, 0x0000FF);
    EXPECT_EQ(texto(deshacer), "Deshacer Color Avanzado Rellenar Color (MACIZO)");
    deshacer->trigger();
    EXPECT_EQ(e.punto(19, 30).color, antes);
    rehacer->trigger();
    EXPECT_EQ(e.punto(19, 30).color, 0x0000FF);

    g.contestar(false);
    EXPECT_FALSE(f.close());
    EXPECT_EQ(g.llamadas().back().texto, "Hay cambios sin grabar.\n¿Desea Salir?");
    f.hide();
}

TEST(Escritorio, GrabarQuitaElAsteriscoYLosRecientesVuelvenAAbrir) {
    aplicacion();
    QTemporaryDir dir;
    DialogosGuion g;
    ui::Programa p(g, "");
    ui::TForm2& f = p.principal();
    f.show();
    Estado& e = f.estado();
    accion(&f, "PintarPALETA1")->trigger();

    const std::string fichero = dir.filePath(QStringLiteral("muestras.pc")).toStdString();
    // La carta se pinta sobre la rejilla de arranque, cuyos lados llevan perfil negro: se graba igualmente.
    g.contestar(true).fichero(fichero);
    accion(&f, "GrabarPuntoCruz1")->trigger();
    EXPECT_EQ(f.windowTitle().toStdString(), "muestras.pc - Punto de Cruz by Tarvelo");
    abrir_imagen(p, g);

    QMenu* recientes = f.menu_recientes();
    ASSERT_NE(recientes, nullptr);
    ASSERT_EQ(recientes->actions().size(), 2);
    EXPECT_EQ(texto(recientes->actions()[0]), "&1 coffee.bmp");
    EXPECT_EQ(texto(recientes->actions()[1]), "&2 muestras.pc");

    // Cambiar el tapiz pone el "*"; volver a abrir el patrón reciente pregunta antes y, con
    // "No grabar", lo carga.
    e.color_actual = 0x00FF00;
    raton(f.lienzo_patron(), QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton,
          QPoint(e.tam_celda + 1, e.tam_celda + 1));
    raton(f.lienzo_patron(), QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton,
          QPoint(e.tam_celda + 1, e.tam_celda + 1));
    EXPECT_EQ(f.windowTitle().toStdString(), "muestras.pc* - Punto de Cruz by Tarvelo");
    const std::size_t llamadas = g.llamadas().size();
    g.contestar(true);
    recientes->actions()[1]->trigger();
    EXPECT_EQ(g.llamadas().size(), llamadas + 1);  // sólo la pregunta
    EXPECT_NE(e.punto(1, 1).color, 0x00FF00);
    EXPECT_EQ(f.windowTitle().toStdString(), "muestras.pc - Punto de Cruz by Tarvelo");
    EXPECT_EQ(texto(accion(&f, "Deshacer1")), "Deshacer Cargar Punto Cruz");
    EXPECT_EQ(texto(f.menu_recientes()->actions()[0]), "&1 muestras.pc");

    // Un reciente que ya no existe se avisa y se quita de la lista.
    ASSERT_TRUE(QFile::remove(QString::fromStdString(fichero)));
    f.menu_recientes()->actions()[0]->trigger();
    EXPECT_EQ(g.mensajes().back(), "El fichero \"" + fichero + "\" ya no existe.");
    EXPECT_EQ(f.menu_recientes()->actions().size(), 1);
    f.hide();
}

TEST(Escritorio, ZoomConControlYRuedaDejaElPuntoBajoElPuntero) {
    aplicacion();
    DialogosGuion g;
    ui::Programa p(g, "");
    ui::TForm2& f = p.principal();
    f.show();
    Estado& e = f.estado();
    e.ancho = e.alto = "200";  // sitio de sobra para desplazar alrededor del punto
    f.sincronizar();
    ui::Lienzo* l = f.lienzo_patron();
    ASSERT_EQ(e.tam_celda, 4);
    const QPoint en_lienzo(161, 121);  // el punto (40, 30)
    const QPoint en_vista = en_lienzo + l->pos();
    for (int i = 0; i < 3; ++i) {
        const QPoint aqui = en_vista - l->pos();
        QWheelEvent rueda(QPointF(aqui), l->mapToGlobal(QPointF(aqui)), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(l, &rueda);
    }
    EXPECT_EQ(e.tam_celda, 7);  // 4 → 5 → 6 → 7
    EXPECT_EQ(e.tam_rejilla, "7");
    const QPoint ahora = en_vista - l->pos();
    EXPECT_EQ(ahora.x() / e.tam_celda, 40);
    EXPECT_EQ(ahora.y() / e.tam_celda, 30);
    // Y ya está dibujado con el tamaño nuevo.
    EXPECT_EQ(f.pixel_patron(7 * 40 + 3, 7 * 30 + 3), qRgb(0, 0, 0));
    EXPECT_EQ(f.pixel_patron(7 * 201 + 3, 7 * 30 + 3), qRgb(255, 255, 255));

    accion(&f, "Alejar1")->trigger();
    EXPECT_EQ(e.tam_celda, 6);
    // Sin Control la rueda desplaza.
    QWheelEvent abajo(QPointF(10, 10), l->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    const int antes = f.barra_vertical()->value();
    QCoreApplication::sendEvent(l, &abajo);
    EXPECT_GT(f.barra_vertical()->value(), antes);
    EXPECT_EQ(e.tam_celda, 6);
    f.hide();
}

TEST(Escritorio, AtajosPanelesVisorYTextosDeQtEnCastellano) {
    QApplication& app = aplicacion();
    DialogosGuion g;
    ui::Programa p(g, "");
    ui::TForm2& f = p.principal();
    const auto atajos = [&](const char* nombre) {
        QStringList l;
        for (const QKeySequence& k : accion(&f, nombre)->shortcuts()) l << k.toString();
        return l.join(QLatin1Char('|')).toStdString();
    };
    EXPECT_EQ(atajos("AbrirImagenBMP1"), "Ctrl+O");
    EXPECT_EQ(atajos("CargarPuntoCruz1"), "Ctrl+L");
    EXPECT_EQ(atajos("Grabar1"), "Ctrl+S");
    EXPECT_EQ(atajos("GrabarPuntoCruz1"), "Ctrl+Shift+S");
    EXPECT_EQ(atajos("Ajustar1"), "Ctrl+0");
    EXPECT_EQ(atajos("HerramientaPincel") + atajos("HerramientaRelleno") + atajos("HerramientaCuentagotas") +
                  atajos("HerramientaZona") + atajos("HerramientaPerfilar"),
              "BFIZP");
    EXPECT_EQ(atajos("GenerarPuntodeCruz1"), "Ctrl+G");
    EXPECT_EQ(atajos("DelaAplicacin1"), "F1");
    EXPECT_EQ(atajos("Salir1"), "Ctrl+Q");
    EXPECT_EQ(atajos("Deshacer1"), "Ctrl+Z");
    EXPECT_EQ(atajos("Rehacer1"), "Ctrl+Y|Ctrl+Shift+Z");
    EXPECT_EQ(atajos("Acercar1"), "Ctrl++|Ctrl+=");
    EXPECT_EQ(atajos("Alejar1"), "Ctrl+-");

    // El visor es ventana de herramientas de la principal: queda por encima de ella.
    EXPECT_EQ(p.visor().parentWidget(), &f);
    EXPECT_TRUE(p.visor().windowFlags().testFlag(Qt::Tool));

    // Un panel estrecho enseña su texto entero como pista; el panel 0 crece con la ventana.
    f.show();
    f.poner_panel(1, "Paleta de Hilos: DMC y un texto demasiado largo para 150 píxeles");
    auto* panel1 = f.findChild<QLabel*>(QStringLiteral("Panel1"));
    auto* panel0 = f.findChild<QLabel*>(QStringLiteral("Panel0"));
    ASSERT_TRUE(panel0 && panel1);
    EXPECT_EQ(panel1->toolTip(), panel1->text());
    f.poner_panel(1, "DMC");
    EXPECT_TRUE(panel1->toolTip().isEmpty());
    const int ancho0 = panel0->width();
    f.resize(1200, 600);
    QCoreApplication::processEvents();
    EXPECT_GT(panel0->width(), ancho0 + 400);
    f.hide();

    // La traducción de Qt instalada con el programa (qt6-translations-l10n).
    ASSERT_TRUE(ui::cargar_traduccion_qt(app)) << QLibraryInfo::path(QLibraryInfo::TranslationsPath).toStdString();
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:").toStdString(), "Ver en:");
}

}  // namespace
}  // namespace pc::prueba
