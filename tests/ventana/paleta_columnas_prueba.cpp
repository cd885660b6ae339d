// La vista de la paleta de hilos en la ventana principal, la ventana "Selección de Colores"
// y el visor al volver a abrir la misma imagen cambiada en el disco.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "ventana/bmp.h"
#include "ventana/lienzo.h"
#include "ventana/pcruz.h"
#include "ventana/programa.h"
#include "tests/comun/banco.h"
#include "tests/comun/guion.h"
#include "tests/ventana/comun_ui.h"
#include "ventana/hilos/columnas.h"

namespace pc::prueba {
namespace {

std::string temporal(const char* nombre) {
    return (QDir::tempPath() + QStringLiteral("/pc_%1_%2").arg(::getpid()).arg(QLatin1String(nombre))).toStdString();
}

TEST(VistaPaletaVentana, VerPaletaPunteroMenuYBloqueosDesdeElPatron) {
    aplicacion();
    DialogosGuion g;
    ui::Programa p(g, "");
    ui::TForm2& f = p.principal();
    f.show();
    Estado& e = f.estado();
    accion(&f, "PintarPALETA1")->trigger();
    accion(&f, "VerPaletaHilos1")->trigger();  // desde el menú del patrón
    EXPECT_TRUE(f.lienzo_paleta()->isVisible());
    EXPECT_FALSE(f.lienzo_patron()->isVisible());
    EXPECT_TRUE(accion(&f, "VerBMPExportado1")->isChecked());
    EXPECT_EQ(f.panel(1).toStdString(), "Paleta de Hilos: DMC");
    // La muestra del primer hilo (3713) está en (1, 40), 20 x 20 con borde negro.
    const QImage& img = f.imagen_paleta();
    EXPECT_EQ(img.pixel(10, 50), qRgb(246, 186, 190));
    EXPECT_EQ(img.pixel(1, 40), qRgb(0, 0, 0));

    ui::Lienzo* lienzo = f.lienzo_paleta();
    raton(lienzo, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, QPoint(1190, 1190));
    EXPECT_EQ(f.panel(0).toStdString(), "DMC:Blanco-RGB(252,251,248) COL.:17");

    // Clic derecho sobre la muestra de 3713 y "Desactivar Color"; sobre la de 761,
    // "Seleccionar Color", que cambia el rótulo en los dos menús emergentes.
    pulsar(lienzo, Qt::RightButton, QPoint(10, 50));
    accion(&f, "DesactivarColor2")->trigger();
    EXPECT_FALSE(hilo_numero(e, 3713).activo);
    pulsar(lienzo, Qt::RightButton, QPoint(10, 70));
    accion(&f, "s1")->trigger();
    EXPECT_EQ(e.color_actual, hilo_numero(e, 761).color);
    EXPECT_EQ(accion(&f, "s1")->text().toStdString(), "Seleccionar Color: DMC: 761");
    EXPECT_EQ(accion(&f, "SeleccionarColor1")->text().toStdString(), "Seleccionar Color: DMC: 761");

    // Desde el patrón: el punto (2, 1) de la carta es el hilo 894.
    accion(&f, "MostrarPuntodeCRUZ1")->trigger();
    const int s = e.tam_celda;
    pulsar(f.lienzo_patron(), Qt::RightButton, QPoint(2 * s + 1, s + 1));
    accion(&f, "BloquearColor1")->trigger();
    accion(&f, "DesactivarColor1")->trigger();
    EXPECT_TRUE(hilo_numero(e, 894).bloqueado);
    EXPECT_FALSE(hilo_numero(e, 894).activo);
    EXPECT_TRUE(g.errores().empty());
    f.hide();
}

TEST(ColumnasVentana, TitulosCasillasPanelYAplicar) {
    aplicacion();
    DialogosGuion g;
    ui::Programa p(g, "");
    ui::TForm2& f = p.principal();
    ui::TForm3& w = p.columnas();
    f.show();  // carga DMC: los títulos pasan a los del catálogo
    Estado& e = f.estado();
    EXPECT_EQ(w.casilla_columna(18)->text().toStdString(), "COLUMNA 18");
    EXPECT_EQ(w.casilla_columna(19)->text().toStdString(), "Columna 19 GRISES");

    // "+" de la columna 17: 24 casillas con los números, del color de cada hilo.
    w.boton_mas(17)->click();
    ASSERT_TRUE(w.panel()->isVisibleTo(&w));
    EXPECT_EQ(w.casilla_hilo(24)->text().toStdString(), "844");
    EXPECT_FALSE(w.casilla_hilo(25)->isVisibleTo(&w));
    const QImage oscura = w.casilla_hilo(24)->grab().toImage();  // 844, gris oscuro
    EXPECT_EQ(oscura.pixelColor(oscura.width() - 2, oscura.height() / 2), QColor(qRgb(72, 72, 72)));
    w.casilla_hilo(2)->click();
    w.boton_aplicar_panel()->click();
    EXPECT_FALSE(w.panel()->isVisibleTo(&w));
    EXPECT_FALSE(hilo_numero(e, -2).activo);
    EXPECT_EQ(w.casilla_columna(17)->checkState(), Qt::PartiallyChecked);

    // Un clic pasa la gris a marcada y la marcada a sin marcar; "APLICAR" cierra.
    w.casilla_columna(17)->click();
    EXPECT_EQ(w.casilla_columna(17)->checkState(), Qt::Checked);
    w.casilla_columna(18)->click();
    w.boton_aplicar()->click();
    EXPECT_TRUE(hilo_numero(e, -2).activo);
    EXPECT_FALSE(hilo_numero(e, 310).activo);

    // El menú abre la ventana con las casillas puestas según los hilos.
    hilo_numero(e, 3713).activo = false;
    bool vista = false;
    QTimer::singleShot(0, &w, [&] {
        vista = w.isVisible();
        EXPECT_EQ(w.casilla_columna(1)->checkState(), Qt::PartiallyChecked);
        EXPECT_EQ(w.casilla_columna(18)->checkState(), Qt::Unchecked);
        w.reject();
    });
    accion(&f, "SeleccindeHILOSporCOLUMNAS1")->trigger();
    EXPECT_TRUE(vista);

    // Cada carga de un catálogo escribe sus títulos en la ventana.
    const std::string fichero = temporal("anchor.dat");
    {
        QFile q(QString::fromStdString(fichero));
        ASSERT_TRUE(q.open(QIODevice::WriteOnly));
        q.write(";COLUMNA 2 Mis azules\r\n1 R:1 G:2 B:3\r\n");
    }
    g.fichero(fichero);
    accion(&f, "LeePaletadehilosANCHORpersonalizada1")->trigger();
    QFile::remove(QString::fromStdString(fichero));
    EXPECT_EQ(w.casilla_columna(2)->text().toStdString(), "COLUMNA 2 Mis azules");
    EXPECT_EQ(w.casilla_columna(1)->text().toStdString(), "COLUMNA 1");
    EXPECT_TRUE(g.errores().empty());
    f.hide();
}

TEST(VisorImagen, ReabrirLaMismaRutaCambiadaReajustaComoLaPrimeraVez) {
    aplicacion();
    DialogosGuion g;
    ui::Programa p(g, "");
    ui::TForm1& visor = p.visor();
    const std::string ruta = temporal("reabrir.bmp");
    auto abrir = [&](int ancho, int alto) {
        QImage im(ancho, alto, QImage::Format_RGB32);
        im.fill(qRgb(10, 20, 30));
        ASSERT_TRUE(im.save(QString::fromStdString(ruta), "BMP"));
        abrir_imagen(p, g, ruta);
    };
    abrir(900, 700);
    visor.barra_horizontal()->setValue(800);
    visor.barra_vertical()->setValue(600);
    visor.move(0, 300);
    EXPECT_EQ(visor.lienzo()->pos(), QPoint(-800, -600));

    abrir(80, 50);
    QFile::remove(QString::fromStdString(ruta));
    EXPECT_EQ(visor.lienzo()->size(), QSize(80, 50));
    EXPECT_EQ(visor.barra_horizontal()->maximum(), 80);
    EXPECT_EQ(visor.barra_vertical()->maximum(), 50);
    EXPECT_EQ(visor.barra_horizontal()->value() + visor.barra_vertical()->value(), 0);
    EXPECT_EQ(visor.lienzo()->pos(), QPoint(0, 0));
    EXPECT_EQ(visor.y(), 0);
    EXPECT_TRUE(g.errores().empty());
    visor.hide();
}

}  // namespace
}  // namespace pc::prueba
