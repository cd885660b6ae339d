// La ventana principal y las demás: arranque, salida, desplazamiento, pintura con el ratón,
// visor de imagen, ayuda, presentación y "Acerca de...".
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBrowser>

#include "ventana/acerca.h"
#include "ventana/bmp.h"
#include "ventana/dialogos_qt.h"
#include "ventana/lienzo.h"
#include "ventana/logo.h"
#include "ventana/pcruz.h"
#include "ventana/programa.h"
#include "ventana/impresion/imprime.h"
#include "render/imagen_qt.h"
#include "tests/comun/guion.h"
#include "tests/ventana/comun_ui.h"
#include "ventana/hilos/columnas.h"

namespace pc::prueba {
namespace {

const std::string kAviso =
    "AVISO: Interesa que el monitor esté configurado como COLOR VERDADERO. Mira la ayuda para más información.";

int preguntas(const DialogosGuion& g) {
    int n = 0;
    for (const Llamada& l : g.llamadas()) n += l.tipo == Tipo::kPregunta;
    return n;
}

TEST(Arranque, VentanasEnOrdenAvisoYPaletaAlMostrarse) {
    aplicacion();
    DialogosGuion g;
    ui::Programa p(g, "");
    EXPECT_EQ(p.orden_creacion().join(QLatin1Char(',')).toStdString(), "Form2,Form1,Form3,AboutBox,Form4");
    ASSERT_EQ(g.llamadas().size(), 1u);
    EXPECT_EQ(g.llamadas()[0].tipo, Tipo::kMensaje);
    EXPECT_EQ(g.llamadas()[0].texto, kAviso);

    ui::TForm2& f = p.principal();
    EXPECT_EQ(f.windowTitle().toStdString(), "Punto de Cruz by Tarvelo");
    EXPECT_EQ(f.size(), QSize(592, 395));
    EXPECT_EQ(f.estado().ancho, "60");
    EXPECT_TRUE(f.estado().marca.empty());
    EXPECT_EQ(f.panel(1).toStdString(), "");
    EXPECT_EQ(f.pixel_patron(800, 800), qRgb(255, 255, 255));
    EXPECT_EQ(f.imagen_paleta().size(), QSize(1200, 1200));
    EXPECT_EQ(f.lienzo_patron()->toolTip().toStdString(), "Pulsa Botón Derecho para ver menú POP-UP");
    EXPECT_FALSE(f.isMaximized());

    f.show();
    EXPECT_EQ(f.estado().marca, "DMC");
    EXPECT_GT(f.estado().hilos.total, 0);
    EXPECT_EQ(f.panel(1).toStdString(), "Paleta de Hilos: DMC");

    // Las otras ventanas, con sus títulos y tamaños.
    EXPECT_EQ(p.visor().windowTitle().toStdString(), "Punto de Cruz");
    EXPECT_EQ(p.visor().size(), QSize(340, 368));
    EXPECT_TRUE(p.visor().windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(p.columnas().windowTitle().toStdString(), "Selección de Colores");
    EXPECT_EQ(p.columnas().size(), QSize(279, 432));
    EXPECT_EQ(p.columnas().casilla_columna(19)->text().toStdString(), "Columna 19 GRISES");
    EXPECT_EQ(p.columnas().casilla_columna(1)->checkState(), Qt::Checked);
    EXPECT_TRUE(p.columnas().panel()->isHidden());
    EXPECT_EQ(p.impresion().windowTitle().toStdString(), "Opciones para la Impresión");
    EXPECT_EQ(p.impresion().size(), QSize(328, 303));
    EXPECT_TRUE(p.impresion().imp_rejilla->isChecked());
    EXPECT_FALSE(p.impresion().imp_simbolos->isChecked());
    EXPECT_EQ(p.impresion().imp_escalax->text().toStdString(), "100");
    EXPECT_EQ(p.acerca().windowTitle().toStdString(), "Acerca de...");
    f.hide();
}

TEST(Arranque, ArgumentoEnBlancoEsComoNoTenerlo) {
    aplicacion();
    DialogosGuion g;
    ui::Programa p(g, "  \t  ");
    EXPECT_EQ(g.llamadas().size(), 1u);  // sólo el aviso
    EXPECT_FALSE(p.principal().isVisible());
    EXPECT_FALSE(p.principal().isMaximized());
}

TEST(Arranque, ArgumentoIlegibleSeAvisaYElProgramaSigue) {
    aplicacion();
    DialogosGuion g;
    const QString falta = QDir::temp().filePath(QStringLiteral("pc_no_existe_ventanas.pc"));
    ui::Programa p(g, "  " + falta.toStdString() + "  ");
    EXPECT_GE(g.mensajes().size() + g.errores().size(), 2u);  // el aviso y el del fichero
    EXPECT_TRUE(p.principal().isVisible());
    EXPECT_TRUE(p.principal().isMaximized());
    EXPECT_EQ(p.principal().panel(1).toStdString(), "Paleta de Hilos: DMC");
    p.principal().hide();
}

TEST(Salida, NoSigueYSiCierraPreguntandoUnaSolaVez) {
    aplicacion();
    DialogosGuion g;
    ui::Programa p(g, "");
    ui::TForm2& f = p.principal();
    f.show();
    f.estado().ancho = "33";

    g.contestar(false);
    EXPECT_FALSE(f.close());
    EXPECT_TRUE(f.isVisible());
    g.contestar(false);
    accion(&f, "Salir1")->trigger();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.estado().ancho, "33");
    EXPECT_EQ(preguntas(g), 2);
    EXPECT_EQ(g.llamadas().back().titulo, "Punto de Cruz");
    EXPECT_EQ(g.llamadas().back().texto, "¿Desea Salir?");

    g.contestar(true);
    accion(&f, "Salir1")->trigger();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(preguntas(g), 3);
}

TEST(Salida, CasillaDeCierreConSi) {
    aplicacion();
    DialogosGuion g;
    ui::Programa p(g, "");
    p.principal().show();
    g.contestar(true);
    EXPECT_TRUE(p.principal().close());
    EXPECT_FALSE(p.principal().isVisible());
    EXPECT_EQ(preguntas(g), 1);
}

TEST(Desplazamiento, LasBarrasSiguenAlLienzoVisibleYCadaUnoGuardaSuSitio) {
    aplicacion();
    DialogosGuion g;
    ui::Programa p(g, "");
    ui::TForm2& f = p.principal();
    f.show();
    f.resize(900, 700);
    QCoreApplication::processEvents();
    QScrollBar* v = f.barra_vertical();
    QScrollBar* h = f.barra_horizontal();
    EXPECT_EQ(v->singleStep(), 10);
    EXPECT_EQ(h->pageStep(), 100);
    EXPECT_EQ(f.lienzo_patron()->pos(), QPoint(1, 1));

    // 300 x 300 puntos de 4 píxeles y un margen de un punto: el lienzo mide 1208 y las barras
    // llegan justo a su final.
    f.estado().ancho = f.estado().alto = "300";
    f.sincronizar();
    const QSize vista = f.lienzo_patron()->parentWidget()->size();
    EXPECT_EQ(f.lienzo_patron()->size(), QSize(1208, 1208));
    EXPECT_EQ(v->maximum(), 1208 - vista.height());
    EXPECT_EQ(h->maximum(), 1208 - vista.width());
    v->setValue(100);
    h->setValue(250);
    EXPECT_EQ(f.lienzo_patron()->pos(), QPoint(-250, -100));
    EXPECT_EQ(f.lienzo_paleta()->pos(), QPoint(1, 1));

    // Con la paleta a la vista las barras son suyas y sólo se mueve ella; el patrón guarda su
    // sitio y lo recupera al volver.
    f.estado().ver_bmp_exportado = true;
    f.sincronizar();
    EXPECT_EQ(v->maximum(), 1200 - vista.height());
    EXPECT_EQ(v->value(), 0);
    v->setValue(300);
    EXPECT_EQ(f.lienzo_paleta()->pos(), QPoint(1, -300));
    EXPECT_EQ(f.lienzo_patron()->pos(), QPoint(-250, -100));
    f.estado().ver_bmp_exportado = false;
    f.sincronizar();
    EXPECT_EQ(v->value(), 100);
    EXPECT_EQ(h->value(), 250);

    // Un tapiz pequeño: el lienzo ocupa la vista entera y no hay nada que desplazar.
    f.estado().ancho = f.estado().alto = "20";
    f.sincronizar();
    EXPECT_EQ(f.lienzo_patron()->size(), vista);
    EXPECT_EQ(v->maximum(), 0);
    EXPECT_EQ(f.lienzo_patron()->pos(), QPoint(0, 0));
    f.hide();
}

TEST(Pintura, PaletaDmcYPuntosPintadosConElRaton) {
    aplicacion();
    DialogosGuion g;
    ui::Programa p(g, "");
    ui::TForm2& f = p.principal();
    f.show();
    accion(&f, "PintarPALETA1")->trigger();
    Estado& e = f.estado();
    EXPECT_EQ(e.ancho, "19");
    EXPECT_EQ(e.alto, "30");
    const int s = e.tam_celda;
    ASSERT_EQ(s, 4);
    // Columna 19 sin hilos: queda del color de "Blanco", distinto del primer hilo.
    const Color blanco = e.punto(19, 30).color;
    EXPECT_EQ(e.punto(19, 1).color, blanco);
    EXPECT_NE(e.punto(1, 1).color, blanco);
    // El lienzo muestra el interior del punto (1, 1) con su color.
    const QRgb c11 = f.pixel_patron(s + 2, s + 2);
    EXPECT_EQ(c11, qRgb(rojo(e.punto(1, 1).color), verde(e.punto(1, 1).color), azul(e.punto(1, 1).color)));

    // Un clic izquierdo pinta el punto con el color actual, en el estado y en el lienzo.
    e.color_actual = rgb(200, 10, 20);
    ui::Lienzo* lienzo = f.lienzo_patron();
    pulsar(lienzo, Qt::LeftButton, QPoint(10 * s + 1, 5 * s + 2));
    EXPECT_EQ(e.punto(10, 5).color, rgb(200, 10, 20));
    EXPECT_EQ(f.pixel_patron(10 * s + 2, 5 * s + 2), qRgb(200, 10, 20));
    EXPECT_NE(e.punto(11, 5).color, rgb(200, 10, 20));

    // Arrastrar con el botón izquierdo pinta cada punto por el que pasa.
    raton(lienzo, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, QPoint(12 * s + 2, 7 * s + 2));
    EXPECT_EQ(e.punto(12, 7).color, rgb(200, 10, 20));

    // El botón derecho fuera del tapiz no apaga la pista; dentro sí.
    pulsar(lienzo, Qt::RightButton, QPoint(25 * s + 2, 5 * s + 2));
    EXPECT_TRUE(f.pista_activa());
    EXPECT_EQ(e.sel_x, 25);
    pulsar(lienzo, Qt::RightButton, QPoint(3 * s + 2, 3 * s + 2));
    EXPECT_FALSE(f.pista_activa());
    EXPECT_NE(e.punto(3, 3).color, rgb(200, 10, 20));

    // Moverse sin botón enseña el hilo bajo el puntero en el panel 0.
    mover(lienzo, QPoint(10 * s + 2, 5 * s + 2));
    EXPECT_NE(f.panel(0).indexOf(QStringLiteral("(200,10,20) COLUMNA:-")), -1) << f.panel(0).toStdString();
    EXPECT_TRUE(g.errores().empty());
    f.hide();
}

TEST(Visor, CapturaDeColorMemoYCerrar) {
    aplicacion();
    DialogosGuion g;
    ui::Programa p(g, "");
    ui::TForm1& visor = p.visor();
    EXPECT_EQ(visor.barra_horizontal()->maximum(), 1000);
    EXPECT_EQ(visor.barra_vertical()->maximum(), 1000);
    const std::string bmp = std::string(PC_DATOS_PRUEBA) + "/coffee.bmp";
    abrir_imagen(p, g, bmp);
    ASSERT_EQ(p.imagen().ancho(), 600);
    EXPECT_TRUE(visor.isVisible());
    EXPECT_EQ(visor.texto_panel(1).toStdString(), bmp);
    EXPECT_EQ(visor.barra_horizontal()->maximum(), 600);
    EXPECT_EQ(visor.barra_vertical()->maximum(), 400);
    EXPECT_EQ(visor.lienzo()->size(), QSize(600, 400));

    // El panel 0 enseña el píxel bajo el puntero, leído aquí del fichero por otro camino.
    QImage ref(QString::fromStdString(bmp));
    const QRgb px = ref.pixel(300, 200);
    mover(visor.lienzo(), QPoint(300, 200));
    EXPECT_EQ(visor.texto_panel(0), QStringLiteral("%1,%2,%3").arg(qRed(px)).arg(qGreen(px)).arg(qBlue(px)));

    pulsar(visor.lienzo(), Qt::LeftButton, QPoint(300, 200));
    const QString memo = visor.memo()->toPlainText();
    EXPECT_TRUE(memo.startsWith(QStringLiteral("  R:"))) << memo.toStdString();
    // La muestra de 20 x 20 queda pintada en la esquina de la imagen y se ve en el lienzo.
    EXPECT_NE(p.imagen().qimage().pixel(10, 10), ref.pixel(10, 10));
    EXPECT_EQ(p.imagen().qimage().pixel(0, 0), qRgb(0, 0, 0));

    accion(&visor, "Cerrar1")->trigger();
    EXPECT_FALSE(visor.isVisible());
    EXPECT_EQ(visor.memo()->toPlainText(), memo);
    accion(&p.principal(), "VerBMP1")->trigger();
    EXPECT_TRUE(visor.isVisible());
    EXPECT_TRUE(visor.close());
    EXPECT_FALSE(visor.isVisible());
}

TEST(Ayuda, AbreElFicheroDeAyudaDelPrograma) {
    aplicacion();
    DialogosGuion g;
    ui::Programa p(g, "");
    const QString ruta = QCoreApplication::applicationDirPath() + QStringLiteral("/ayuda.hlp");
    accion(&p.principal(), "DelaAplicacin1")->trigger();
    if (QFileInfo::exists(ruta)) {
        ASSERT_NE(p.principal().ayuda(), nullptr);
        EXPECT_TRUE(p.principal().ayuda()->isVisible());
        EXPECT_NE(p.principal().ayuda()->texto()->toPlainText().indexOf(QStringLiteral("Generar Punto de Cruz")), -1);
        EXPECT_TRUE(g.errores().empty());
    } else {
        ASSERT_EQ(g.errores().size(), 1u);
        EXPECT_NE(g.errores()[0].find("No se encuentra el fichero de ayuda"), std::string::npos);
    }
}

TEST(Dialogos, FiltrosYExtensionPorDefecto) {
    EXPECT_EQ(ui::filtro_qt("Punto de Cruz|*.pc|Todos los Archivos|*.*").toStdString(),
              "Punto de Cruz (*.pc);;Todos los Archivos (*)");
    EXPECT_EQ(ui::filtro_qt("Bitmaps (*.bmp)|*.bmp|Paletas|*.dat;*.txt").toStdString(),
              "Bitmaps (*.bmp);;Paletas (*.dat *.txt)");
    EXPECT_EQ(ui::con_extension("/tmp/dibujo", "pc"), "/tmp/dibujo.pc");
    EXPECT_EQ(ui::con_extension("/tmp/dibujo", "*.pci"), "/tmp/dibujo.pci");
    EXPECT_EQ(ui::con_extension("/tmp/dibujo.bmp", ".pc"), "/tmp/dibujo.bmp");
    EXPECT_EQ(ui::con_extension("/tmp/v1.2/dibujo", "pc"), "/tmp/v1.2/dibujo.pc");
    EXPECT_EQ(ui::con_extension("/tmp/dibujo", ""), "/tmp/dibujo");
}

TEST(Presentacion, LogoAlAzarYRotuloCentrado) {
    aplicacion();
    EXPECT_STREQ(ui::logo_al_azar(0), ":/logo2.png");
    EXPECT_STREQ(ui::logo_al_azar(50), ":/logo2.png");
    EXPECT_STREQ(ui::logo_al_azar(51), ":/logo1.png");
    EXPECT_STREQ(ui::logo_al_azar(99), ":/logo1.png");
    ui::Tlogoform logo(75);
    const QSize dibujo = logo.imagen()->pixmap().size();
    ASSERT_FALSE(dibujo.isEmpty());
    EXPECT_EQ(logo.size(), dibujo);
    QLabel* r = logo.rotulo();
    EXPECT_EQ(r->text().toStdString(), "Punto de Cruz by Tarvelo");
    EXPECT_EQ(r->height(), 16);
    EXPECT_EQ(r->y(), dibujo.height() - 24);
    EXPECT_EQ(r->x(), (dibujo.width() - r->width()) / 2);
    EXPECT_TRUE(r->font().bold());

    ui::TAboutBox acerca;
    acerca.abrir("Versión 1.60", 20);
    EXPECT_TRUE(acerca.isVisible());
    EXPECT_EQ(acerca.version()->text().toStdString(), "Versión 1.60");
    EXPECT_STREQ(acerca.logo(), ":/logo2.png");
    acerca.close();
}

TEST(Vista, ProgresoDejaElUltimoTexto) {
    aplicacion();
    DialogosGuion g;
    ui::Programa p(g, "");
    Vista& v = p.principal().sesion().v;
    for (int i = 1; i <= 5000; ++i) v.progreso("Paso " + std::to_string(i));
    // Al terminar queda el último texto, aunque la pantalla sólo se refrescara unas pocas veces.
    EXPECT_EQ(p.principal().panel(0).toStdString(), "Paso 5000");
}

}  // namespace
}  // namespace pc::prueba
