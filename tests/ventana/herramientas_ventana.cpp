// La ventana principal como la usa alguien acostumbrado a otros editores: herramientas y
// ventana de colores por el mismo camino que los menús, zona a la vista, trazos sin huecos,
// Grabar, soltar ficheros y las faltas que se encontraron al usarla.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTemporaryDir>

#include "ventana/barra_herramientas.h"
#include "ventana/bmp.h"
#include "ventana/colores_grafico.h"
#include "ventana/lienzo_patron.h"
#include "ventana/pcruz.h"
#include "ventana/programa.h"
#include "tests/comun/banco.h"
#include "tests/comun/guion.h"
#include "tests/ventana/comun_ui.h"
#include "files/fichero_pc.h"
#include "ordenes/ficheros/ficheros_patron.h"
#include "ordenes/impresion/cuadernillo.h"

namespace pc::prueba {
namespace {

constexpr Color kFondo = 0x102030;
constexpr Color kMancha = 0x2080C0;
constexpr int s = 4;

// Un tapiz de 30 x 20 de un color con una mancha de 3 x 2 en (5..7, 5..6), el catálogo DMC
// cargado y la ventana a la vista.
class Ventana : public ::testing::Test {
protected:
    Ventana() : app_(aplicacion()), programa_(guion_, "") {
        f().show();
        Estado& e = f().estado();
        e.ancho = "30";
        e.alto = "20";
        for (int x = 1; x <= 30; ++x)
            for (int y = 1; y <= 20; ++y) e.punto(x, y) = {kFondo, {-1, -1, -1, -1}};
        for (int x = 5; x <= 7; ++x)
            for (int y = 5; y <= 6; ++y) e.punto(x, y).color = kMancha;
        f().historial().empezar(e);
        f().sincronizar();
    }
    ~Ventana() override { f().hide(); }
    ui::TForm2& f() { return programa_.principal(); }
    Estado& e() { return f().estado(); }
    QPoint en(int x, int y) const { return QPoint(x * s + 1, y * s + 1); }
    void raton(QEvent::Type t, Qt::MouseButton b, Qt::MouseButtons bs, int x, int y) {
        prueba::raton(f().lienzo_patron(), t, b, bs, en(x, y));
    }
    void clic(int x, int y, Qt::MouseButton b = Qt::LeftButton) { pulsar(f().lienzo_patron(), b, en(x, y)); }
    QString texto(const char* nombre) { return accion(&f(), nombre)->text(); }
    int de_color(Color c) {
        int n = 0;
        for (int x = 1; x <= 30; ++x)
            for (int y = 1; y <= 20; ++y) n += e().punto(x, y).color == c;
        return n;
    }

    QApplication& app_;
    DialogosGuion guion_;
    ui::Programa programa_;
};

TEST_F(Ventana, HerramientasElegidasComoLosMenusYCadaUsoEsUnPasoDeDeshacer) {
    e().color_actual = 0x0000FF;
    ASSERT_TRUE(accion(&f(), "HerramientaPincel")->isChecked());
    elegir(&f(), "HerramientaRelleno");
    EXPECT_TRUE(accion(&f(), "HerramientaRelleno")->isChecked());
    EXPECT_FALSE(accion(&f(), "HerramientaPincel")->isChecked());
    clic(6, 5);
    EXPECT_EQ(de_color(0x0000FF), 6);
    EXPECT_EQ(texto("Deshacer1").toStdString(), "Deshacer Rellenar Color (MACIZO)");

    // El botón derecho abre el menú del gráfico con cualquier herramienta: sólo marca el punto.
    clic(20, 10, Qt::RightButton);
    EXPECT_EQ(e().sel_x, 20);
    EXPECT_EQ(de_color(0x0000FF), 6);

    // Cuentagotas: el color del punto es el actual, y se ve con su nombre en la barra.
    elegir(&f(), "HerramientaCuentagotas");
    clic(1, 1);
    EXPECT_EQ(e().color_actual, kFondo);
    EXPECT_EQ(f().herramientas()->color_mostrado(), kFondo);
    EXPECT_EQ(f().herramientas()->nombre_color().toStdString(), "HILO:????");
    EXPECT_EQ(texto("SeleccionarColor1").toStdString(), "Seleccionar Color: HILO:????");

    // Perfilar es la marca "Perfilando": se ven juntas, en la barra y en el menú.
    elegir(&f(), "HerramientaPerfilar");
    EXPECT_TRUE(accion(&f(), "Perfilando1")->isChecked());
    e().color_actual = 0x00FF00;
    clic(6, 5);  // sin lados marcados: perfila el área del punto, como "Perfilar" > "Todo"
    EXPECT_EQ(e().punto(4, 5).lado(kDerecha), 0x00FF00);
    EXPECT_EQ(texto("Deshacer1").toStdString(), "Deshacer Perfilar Todo");
    elegir(&f(), "Perfilando1");  // quitar la marca vuelve a la herramienta de antes
    EXPECT_TRUE(accion(&f(), "HerramientaCuentagotas")->isChecked());
    accion(&f(), "Deshacer1")->trigger();
    EXPECT_EQ(e().punto(4, 5).lado(kDerecha), -1);

    // Desde el menú del gráfico el paso lleva el camino entero de su entrada.
    clic(6, 5, Qt::RightButton);
    elegir(&f(), "Todo1");
    EXPECT_EQ(texto("Deshacer1").toStdString(), "Deshacer Perfilar Todo");
    EXPECT_TRUE(guion_.errores().empty());
}

TEST_F(Ventana, UnTrazoRapidoNoDejaHuecosYLaZonaArrastradaSeDibuja) {
    e().color_actual = 0x0000FF;
    // 25 puntos cruzados en dos movimientos del ratón.
    raton(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, 2, 15);
    raton(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, 14, 15);
    raton(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, 26, 15);
    raton(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, 26, 15);
    EXPECT_EQ(de_color(0x0000FF), 25);
    EXPECT_EQ(texto("Deshacer1").toStdString(), "Deshacer Pintar");
    EXPECT_EQ(f().panel_punto().toStdString(), "26, 15");

    // Zona: de (12, 9) a (3, 2) arrastrando; la primera esquina queda arriba a la izquierda.
    elegir(&f(), "HerramientaZona");
    raton(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, 12, 9);
    raton(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, 3, 2);
    raton(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, 3, 2);
    EXPECT_EQ(texto("MarcarX1Y11").toStdString(), "Marcar (X1,Y1)--> (3,2)");
    EXPECT_EQ(texto("MarcarX2Y21").toStdString(), "Marcar (X2,Y2)--> (12,9)");
    // El rectángulo discontinuo rodea los puntos de la zona: su lado de arriba en y = 8.
    int negros = 0;
    for (int x = 13; x < 48; ++x) negros += f().pixel_patron(x, 8) == qRgb(0, 0, 0);
    EXPECT_GT(negros, 10);

    // Invertida desde el menú del gráfico: en rojo.
    clic(20, 15, Qt::RightButton);
    elegir(&f(), "MarcarX1Y11");
    // Va de (12, 9) a (20, 15): su lado de arriba en y = 36.
    int rojos = 0;
    for (int x = 49; x < 84; ++x) rojos += qRed(f().pixel_patron(x, 36)) > 200 && qGreen(f().pixel_patron(x, 36)) < 40;
    EXPECT_GT(rojos, 10);
}

TEST_F(Ventana, ColoresDelGraficoAlDiaClicDobleClicYBuscarHilo) {
    cargar_dmc(e());
    ui::DockColores* d = f().colores();
    ASSERT_TRUE(d->isVisible());
    QTableWidget* t = d->tabla();
    ASSERT_EQ(t->rowCount(), 2);
    EXPECT_EQ(t->item(0, 3)->text().toStdString(), "594");  // de más a menos puntos
    EXPECT_EQ(t->item(1, 3)->text().toStdString(), "6");
    EXPECT_EQ(t->item(1, 2)->text().toStdString(), "DMC ????");

    // Pintar añade el color a la lista en cuanto se suelta el botón.
    e().color_actual = hilo_numero(e(), 310).color;
    clic(20, 18);
    ASSERT_EQ(t->rowCount(), 3);
    t->sortItems(2, Qt::AscendingOrder);  // por número de hilo: el 310 delante
    EXPECT_EQ(t->item(0, 2)->text().toStdString(), "DMC 310");
    EXPECT_EQ(t->item(0, 3)->text().toStdString(), "1");
    EXPECT_FALSE(t->item(0, 1)->icon().isNull());  // su símbolo de la impresión

    // Un clic hace actual el color de la fila, como "Seleccionar Color".
    int mancha = 0;
    while (d->color_fila(mancha) != kMancha) ++mancha;
    emit t->cellClicked(mancha, 2);
    EXPECT_EQ(e().color_actual, kMancha);
    EXPECT_EQ(texto("SeleccionarColor1").toStdString(), "Seleccionar Color: HILO:????");
    // El doble clic resalta sus puntos; los demás se ven pálidos hasta el siguiente clic, que
    // no pinta.
    emit t->cellDoubleClicked(mancha, 2);
    EXPECT_EQ(f().pixel_patron(6 * s + 2, 5 * s + 2), qRgb(0xC0, 0x80, 0x20));
    EXPECT_NE(f().pixel_patron(2 * s + 2, 2 * s + 2), qRgb(0x30, 0x20, 0x10));
    clic(2, 2);
    EXPECT_FALSE(f().vista_patron()->resaltado());
    EXPECT_EQ(e().punto(2, 2).color, kFondo);
    EXPECT_EQ(f().pixel_patron(2 * s + 2, 2 * s + 2), qRgb(0x30, 0x20, 0x10));

    // "Buscar hilo": un hilo del catálogo que el tapiz no usa.
    d->buscar()->setText(QStringLiteral("3865"));
    emit d->buscar()->returnPressed();
    EXPECT_EQ(e().color_actual, hilo_numero(e(), 3865).color);
    EXPECT_EQ(f().herramientas()->nombre_color().toStdString(), "DMC:3865");
    d->buscar()->setText(QStringLiteral("99999"));
    emit d->buscar()->returnPressed();
    EXPECT_EQ(guion_.mensajes().back(), "No hay ningún hilo \"99999\" en el catálogo DMC.");
    EXPECT_EQ(e().color_actual, hilo_numero(e(), 3865).color);
}

// "Ver símbolos" (S): desde 12 píxeles por punto, el símbolo del cuadernillo de cada color, en
// blanco sobre el fondo oscuro y en negro sobre la mancha clara; la ventana de colores da los
// mismos símbolos que la leyenda del cuadernillo.
TEST_F(Ventana, VerSimbolosLosDelCuadernilloEnBlancoONegro) {
    cargar_dmc(e());
    QAction* ver = accion(&f(), "VerSimbolos");
    ASSERT_TRUE(ver->isCheckable());
    EXPECT_EQ(ver->shortcut(), QKeySequence(QStringLiteral("S")));
    auto contar = [&](int x, int y, auto&& cumple) {
        const int lado = e().tam_celda;
        int n = 0;
        for (int i = 2; i < lado - 1; ++i)
            for (int j = 2; j < lado - 1; ++j) n += cumple(f().pixel_patron(x * lado + i, y * lado + j));
        return n;
    };
    auto claro = [](QRgb p) { return qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) > 200; };
    auto oscuro = [](QRgb p) { return qRed(p) < 60 && qGreen(p) < 60 && qBlue(p) < 60; };
    e().tam_celda = 16;
    EXPECT_EQ(contar(10, 10, claro), 0);
    ver->trigger();
    ASSERT_TRUE(f().vista_patron()->viendo_simbolos());
    EXPECT_GT(contar(10, 10, claro), 6);  // fondo oscuro: símbolo blanco
    EXPECT_GT(contar(6, 5, oscuro), 6);   // mancha clara: símbolo negro
    e().tam_celda = 11;  // con menos de 12 píxeles, nada
    EXPECT_EQ(contar(10, 10, claro), 0);

    const TrabajoCuadernillo t = preparar_cuadernillo(f().sesion());
    QTableWidget* tabla = f().colores()->tabla();
    ASSERT_EQ(tabla->rowCount(), 2);
    for (int fila = 0; fila < 2; ++fila) {
        const Color c = f().colores()->color_fila(fila);
        for (const FilaLeyenda& l : t.leyenda) {
            if (l.color != c) continue;
            EXPECT_EQ(tabla->item(fila, 1)->toolTip().toStdString(), l.simbolo);
        }
    }
}

QByteArray leer_qfichero(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST_F(Ventana, GrabarSinPreguntarSoltarFicherosYSalirGrabando) {
    QTemporaryDir dir;
    const QString fichero = dir.filePath(QStringLiteral("mancha.pc"));
    // Sin fichero, "Grabar" pregunta como "Grabar Punto Cruz".
    guion_.fichero(fichero.toStdString());
    elegir(&f(), "Grabar1");
    ASSERT_TRUE(QFile::exists(fichero));
    EXPECT_EQ(guion_.pendientes(), 0u);

    // Soltar el fichero sobre la ventana lo carga como "Cargar Punto Cruz", sin preguntar; la
    // zona vuelve al tapiz entero y los rótulos de sus esquinas lo dicen.
    clic(3, 3, Qt::RightButton);
    elegir(&f(), "MarcarX2Y21");
    e().ancho = "5";
    f().abrir_soltados({fichero, dir.filePath(QStringLiteral("nota.txt"))});
    EXPECT_EQ(e().ancho, "30");
    EXPECT_EQ(texto("MarcarX2Y21").toStdString(), "Marcar (X2,Y2)--> (30,20)");
    EXPECT_EQ(f().fichero_actual(), fichero);

    // "Grabar" de un .pc con un medio punto: avisa y, con "Grabar como OXS", pregunta dónde
    // grabar el OXS (el .pc abierto no se toca) y lo que queda abierto es ese OXS.
    const QByteArray pc_antes = leer_qfichero(fichero);
    e().puntadas.poner(Parcial{2, 2, TipoParcial::kMedio}, 30, 20);
    const QString oxs = dir.filePath(QStringLiteral("mancha.oxs"));
    guion_.pulsar(0).fichero(oxs.toStdString());
    elegir(&f(), "Grabar1");
    EXPECT_EQ(guion_.pendientes(), 0u);
    EXPECT_EQ(leer_qfichero(fichero), pc_antes);
    ASSERT_TRUE(QFile::exists(oxs));
    EXPECT_EQ(f().fichero_actual(), oxs);
    elegir(&f(), "Grabar1");  // ya es un OXS: sin preguntar
    EXPECT_EQ(guion_.pendientes(), 0u);
    e().puntadas.vaciar();
    f().abrir_soltados({fichero});

    // Con cambios, salir ofrece "Grabar": graba en el mismo fichero sin preguntar y cierra.
    e().color_actual = 0x0000FF;
    clic(1, 1);
    guion_.contestar_grabar();
    EXPECT_TRUE(f().close());
    EXPECT_EQ(guion_.llamadas().back().texto, "Hay cambios sin grabar.\n¿Desea Salir?");
    EXPECT_EQ(guion_.pendientes(), 0u);
    auto leido = crear_estado();
    DialogosGuion g2;
    VistaRegistro v2;
    ImagenMemoria img;
    Sesion s2{*leido, g2, v2, img};
    valores_iniciales(*leido);
    ejecutar(g2, [&] { cargar_pc(s2, fichero.toStdString(), kFormatoBinario); });
    EXPECT_EQ(leido->punto(1, 1).color, 0x0000FF);
}

TEST_F(Ventana, MenusConAltEnLaBarraYLasFaltasDeLaVentana) {
    // La letra subrayada sólo en los menús de la barra; el rótulo que se ve es el mismo.
    EXPECT_EQ(f().menuBar()->actions()[0]->text().toStdString(), "&Archivo");
    EXPECT_EQ(texto("Salir1").toStdString(), "Salir");

    // "Brillo Paleta" empieza el panel del visor con una línea vacía.
    cargar_dmc(e());
    guion_.responder("20");
    elegir(&f(), "BrilloPaleta1");
    const QStringList lineas = programa_.visor().memo()->toPlainText().split(QLatin1Char('\n'));
    ASSERT_GT(lineas.size(), 2);
    EXPECT_EQ(lineas[0].toStdString(), "");
    EXPECT_EQ(lineas[1].toStdString(), ";COLUMNA 1");

    // Una reducción devuelve la ventana maximizada, con el visor y su lista de cambios a la
    // vista, y no deja su progreso en la barra.
    f().showMaximized();
    programa_.visor().hide();
    guion_.responder("1");
    elegir(&f(), "ReducirColores1");
    EXPECT_TRUE(f().isMaximized());
    EXPECT_TRUE(programa_.visor().isVisible());
    EXPECT_EQ(f().panel(0).toStdString(), "");
    EXPECT_EQ(de_color(kFondo), 600);
}

TEST_F(Ventana, UnOxsSoltadoSeImportaYGrabarLoVuelveAEscribirEnOxs) {
    QTemporaryDir dir;
    const QString oxs = dir.filePath(QStringLiteral("ajeno.oxs"));
    QFile ajeno(oxs);
    ASSERT_TRUE(ajeno.open(QIODevice::WriteOnly));
    ajeno.write(R"(<?xml version="1.0" encoding="UTF-8"?><chart>
<properties oxsversion="1.0" chartwidth="2" chartheight="1"/>
<palette><palette_item index="0" number="cloth" name="cloth" color="FFFFFF"/>
<palette_item index="1" number="DMC    310" name="310" color="000000"/></palette>
<fullstitches><stitch x="1" y="0" palindex="1"/></fullstitches></chart>)");
    ajeno.close();
    f().abrir_soltados({oxs});
    EXPECT_EQ(e().ancho, "2");
    EXPECT_EQ(e().punto(1, 1).color, 0xFFFFFFu);
    EXPECT_EQ(e().punto(2, 1).color, rgb(2, 2, 2));  // el 310 del catálogo, no el 000000 del fichero
    EXPECT_EQ(f().fichero_actual(), oxs);

    e().color_actual = 0x0000FF;
    clic(1, 1);
    elegir(&f(), "Grabar1");
    EXPECT_EQ(guion_.pendientes(), 0u);
    ASSERT_TRUE(ajeno.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ajeno.readAll().contains(R"(color="FF0000")"));
}

}  // namespace
}  // namespace pc::prueba
