// "Nuevo patrón desde imagen...": la vista previa sigue a las opciones y "Crear" da, byte a
// byte, el patrón de "puntocruz-lote generar" con las mismas opciones, como un paso de deshacer.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>

#include "render/imagen_qt.h"
#include "tests/comun/guion.h"
#include "tests/comun/proceso.h"
#include "tests/ventana/comun_ui.h"
#include "ventana/desde_imagen.h"
#include "ventana/lienzo.h"
#include "ventana/pcruz.h"
#include "ventana/programa.h"

namespace pc::prueba {
namespace {

QByteArray leer(const std::string& ruta) {
    QFile f(QString::fromStdString(ruta));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(DesdeImagenVentana, LaVistaPreviaSigueALasOpcionesYCrearEsElPatronDelLote) {
    aplicacion();
    QTemporaryDir dir;
    DialogosGuion g;
    ui::Programa p(g, "");
    ui::TForm2& f = p.principal();
    f.show();
    abrir_imagen(p, g);  // una imagen abierta se ofrece para un patrón nuevo
    ui::VentanaDesdeImagen* v = f.ventana_desde_imagen();
    ASSERT_NE(v, nullptr);
    ASSERT_TRUE(v->isVisible());

    // Ancho y alto ligados por las proporciones de la imagen (200 x 133) y, sin candado, no.
    v->campo_ancho()->setValue(90);
    EXPECT_EQ(v->campo_alto()->value(), 60);
    v->poner_recorte(Recorte{40, 10, 100, 100});  // un recorte cuadrado
    EXPECT_EQ(v->campo_alto()->value(), 90);
    v->candado()->setChecked(false);
    v->campo_alto()->setValue(50);
    EXPECT_EQ(v->campo_ancho()->value(), 90);
    v->campo_metodo()->setCurrentIndex(0);  // Fiel
    v->campo_colores()->setValue(12);
    v->campo_limpieza()->setCurrentIndex(1);
    v->campo_catalogo()->setCurrentIndex(1);  // ANCHOR
    v->esperar_calculo();
    ASSERT_TRUE(v->opciones_previa());
    EXPECT_EQ(v->previa().size(), QSize(90, 50));
    EXPECT_NE(v->resumen()->text().indexOf(QStringLiteral(" colores · 90 x 50 puntos · 16,3 x 9,1 cm en tela de 14 · ")), -1) << v->resumen()->text().toStdString();
    // Otro cambio: la vista previa lo sigue.
    v->campo_metodo()->setCurrentIndex(2);  // Interpolado
    v->esperar_calculo();
    EXPECT_EQ(v->opciones_previa()->metodo, MetodoImagen::kInterpolado);
    v->campo_metodo()->setCurrentIndex(0);
    v->esperar_calculo();
    const QImage previa = v->previa();

    v->crear();
    EXPECT_FALSE(v->isVisible());
    ASSERT_TRUE(g.errores().empty()) << g.errores()[0];
    Estado& e = f.estado();
    EXPECT_EQ(e.ancho, "90");
    EXPECT_EQ(e.alto, "50");
    EXPECT_EQ(e.marca, "ANCHOR");
    for (int y = 1; y <= 50; ++y)
        for (int x = 1; x <= 90; ++x) ASSERT_EQ(a_qrgb(e.punto(x, y).color), previa.pixel(x - 1, y - 1)) << x << "," << y;
    // Ajustado a la vista: el tapiz entero se ve.
    EXPECT_LE(90 * e.tam_celda, f.lienzo_patron()->parentWidget()->width());
    EXPECT_EQ(accion(&f, "Deshacer1")->text().toStdString(), "Deshacer Nuevo patrón desde imagen");

    const std::string ventana = dir.filePath(QStringLiteral("ventana.pc")).toStdString();
    const std::string lote = dir.filePath(QStringLiteral("lote.pc")).toStdString();
    g.fichero(ventana);
    elegir(&f, "GrabarPuntoCruz1");
    const Resultado r = ejecutar_lote("generar " + comillas(std::string(PC_DATOS_PRUEBA) + "/coffee.bmp") + " -o " +
                                      comillas(lote) +
                                      " --ancho 90 --alto 50 --fiel --colores 12 --limpieza 1 --catalogo ANCHOR "
                                      "--recorte 40,10,100,100");
    ASSERT_EQ(r.codigo, 0) << r.errores;
    const QByteArray a = leer(ventana), b = leer(lote);
    ASSERT_FALSE(a.isEmpty());
    EXPECT_TRUE(a == b);
}

}  // namespace
}  // namespace pc::prueba

namespace pc::prueba {
namespace {

TEST(DesdeImagenVentana, ElTecladoEmpiezaEnElTapizYVuelveTrasUnClicEnLosColores) {
    aplicacion();
    DialogosGuion g;
    ui::Programa p(g, "");
    ui::TForm2& f = p.principal();
    f.show();
    f.activateWindow();
    QApplication::processEvents();
    EXPECT_EQ(f.focusWidget(), f.lienzo_patron());
    auto* buscar = f.findChild<QWidget*>(QStringLiteral("BuscarHilo"));
    ASSERT_NE(buscar, nullptr);
    buscar->setFocus();
    auto* tabla = f.findChild<QTableWidget*>(QStringLiteral("TablaColores"));
    ASSERT_NE(tabla, nullptr);
    ASSERT_GT(tabla->rowCount(), 0);
    const QRect celda = tabla->visualItemRect(tabla->item(0, 0));
    pulsar(tabla->viewport(), Qt::LeftButton, celda.center());
    raton(tabla->viewport(), QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, celda.center());
    QApplication::processEvents();
    EXPECT_EQ(f.focusWidget(), f.lienzo_patron());
}

}  // namespace
}  // namespace pc::prueba
