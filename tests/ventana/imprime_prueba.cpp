// La ventana "Opciones para la Impresión" en la ventana principal: tamaño, lo que muestra al
// abrirse, las casillas y cuadros que guardan el estado, "Imprimir" a la imagen de Image2 o a
// un PDF, y la vista previa (sin ejecutar su diálogo).
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/ficheros.h"
#include "ventana/lienzo.h"
#include "ventana/pcruz.h"
#include "ventana/programa.h"
#include "ventana/impresion/imprime.h"
#include "ventana/impresion/patron.h"
#include "tests/comun/banco.h"
#include "tests/comun/guion.h"
#include "tests/ventana/comun_ui.h"

namespace pc::prueba {
namespace {

struct VentanaImpresion : ::testing::Test {
    DialogosGuion g;
    std::unique_ptr<ui::Programa> p;
    QTemporaryDir tmp;

    void SetUp() override {
        aplicacion();
        p = std::make_unique<ui::Programa>(g, "");
        Estado& e = p->principal().estado();
        cargar_dmc(e);
        e.ancho = "30";
        e.alto = "20";
        for (int x = 1; x <= 30; ++x)
            for (int y = 1; y <= 20; ++y) {
                e.punto(x, y).color = e.hilos[1 + (x / 5) % 4].color;
                e.punto(x, y).perfil = {-1, -1, -1, -1};
            }
    }
    ui::TForm4& f() { return p->impresion(); }
    std::string ruta(const char* n) const { return tmp.filePath(QString::fromLatin1(n)).toStdString(); }
};

TEST_F(VentanaImpresion, TamanoValoresAlAbrirYCambiosQueGuardaElEstado) {
    EXPECT_EQ(f().size(), QSize(328, 303));
    EXPECT_EQ(f().windowTitle().toStdString(), "Opciones para la Impresión");
    EXPECT_EQ(f().imp_coment->text().toStdString(), "Diseño realizado con Punto de Cruz");
    EXPECT_EQ(f().vista_previa->text().toStdString(), "Vista Previa");
    Estado& e = p->principal().estado();
    e.grosor_guias = "7";
    f().preparar();
    EXPECT_EQ(f().imp_grosor->text().toStdString(), "7");
    EXPECT_TRUE(f().imp_imprimir->isEnabled());

    f().imp_grosor->setText(QStringLiteral("3"));
    f().imp_aclara->setText(QStringLiteral("20"));
    f().imp_rejilla->setChecked(false);
    EXPECT_EQ(e.grosor_guias, "3");
    EXPECT_EQ(e.impresion.aclara, "20");
    EXPECT_FALSE(e.impresion.rejilla);

    // "Imprimir DETALLE" pide la zona al marcarse.
    g.responder("5").responder("25").responder("2").responder("9");
    f().imp_detalle->click();
    EXPECT_TRUE(e.impresion.detalle);
    EXPECT_EQ(e.zona_x1 + "," + e.zona_x2 + "," + e.zona_y1 + "," + e.zona_y2, "5,25,2,9");
    EXPECT_EQ(g.pendientes(), 0u);
}

TEST_F(VentanaImpresion, ImprimirDibujaEnLaImagenOEnUnPdf) {
    auto* generar = p->principal().findChild<QAction*>(QStringLiteral("GenerarBMPdelaImpresin1"));
    ASSERT_NE(generar, nullptr);
    ASSERT_TRUE(generar->isEnabled());
    generar->trigger();
    Estado& e = p->principal().estado();
    EXPECT_TRUE(e.generar_bmp);
    EXPECT_EQ(e.grosor_guias, "2");
    EXPECT_TRUE(generar->isChecked());

    f().preparar();
    f().imp_imprimir->click();
    EXPECT_TRUE(e.ver_bmp_exportado);
    EXPECT_FALSE(p->principal().lienzo_patron()->isVisibleTo(&p->principal()));
    const QImage& img = p->principal().imagen_paleta();
    EXPECT_EQ(img.size(), QSize(1200, 1200));
    EXPECT_NE(img.pixel(40, 10) & 0xFFFFFFu, 0xFFFFFFu);  // un punto pintado
    // Al acabar, el progreso ("Imprimiendo... 20/20") no se queda en la barra.
    EXPECT_EQ(p->principal().panel(0).toStdString(), "");

    // Sin "Generar BMP de la Impresión" y sin impresoras: a un PDF.
    generar->trigger();
    f().imp_simbolos->setChecked(true);
    g.fichero(ruta("t.pdf"));
    f().preparar();
    f().imp_imprimir->click();
    EXPECT_EQ(leer_fichero(ruta("t.pdf")).rfind("%PDF", 0), 0u);
    EXPECT_TRUE(g.errores().empty());
}

// Desde el menú de la ventana principal: la carpeta elegida llega a la orden y en ella se
// escriben los trozos.
TEST_F(VentanaImpresion, BmpTroceadoDesdeElMenuEscribeEnLaCarpetaElegida) {
    auto* troceado = p->principal().findChild<QAction*>(QStringLiteral("GenerarBMPTroceado60x601"));
    ASSERT_NE(troceado, nullptr);
    g.carpeta(tmp.path().toStdString());
    troceado->trigger();
    EXPECT_TRUE(QFile::exists(QString::fromStdString(ruta("1.bmp"))));
    EXPECT_TRUE(g.errores().empty());
}

TEST_F(VentanaImpresion, VistaPreviaPintaLoQueSeImprimiria) {
    f().preparar();
    f().imp_simbolos->setChecked(true);
    bool visto = false;
    f().al_previsualizar = [&](QPrintPreviewDialog& dlg) {
        visto = true;
        QPrinter impresora;
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(QString::fromStdString(ruta("previa.pdf")));
        emit dlg.paintRequested(&impresora);
    };
    f().vista_previa->click();
    EXPECT_TRUE(visto);
    const std::string pdf = leer_fichero(ruta("previa.pdf"));
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
    std::size_t paginas = 0;
    for (std::size_t i = pdf.find("/Type /Page\n"); i != std::string::npos; i = pdf.find("/Type /Page\n", i + 1))
        ++paginas;
    EXPECT_EQ(paginas, 2u);  // el tapiz y la leyenda

    // Con "Generar BMP de la Impresión", la imagen que se generaría, en una página.
    p->principal().estado().generar_bmp = true;
    f().vista_previa->click();
    const std::string imagen = leer_fichero(ruta("previa.pdf"));
    EXPECT_NE(imagen.find("/Subtype /Image"), std::string::npos);
    EXPECT_EQ(imagen.find("/Type /Page\n", imagen.find("/Type /Page\n") + 1), std::string::npos);
}

// "Exportar Patrón PDF...": la entrada del menú, el botón "Patrón" de las opciones de impresión,
// las opciones que guarda el estado con el número de páginas a la vista, el PDF escrito y la
// vista previa del cuadernillo.
TEST_F(VentanaImpresion, PatronGuardaLasOpcionesExportaYPrevisualiza) {
    auto* entrada = p->principal().findChild<QAction*>(QStringLiteral("ExportarPatronPDF1"));
    ASSERT_NE(entrada, nullptr);
    EXPECT_TRUE(entrada->isEnabled());
    EXPECT_EQ(f().patron->text().toStdString(), "Patrón");
    EXPECT_EQ(f().patron->geometry(), QRect(228, 172, 88, 25));

    ui::VentanaPatron& w = p->principal().ventana_patron();
    w.preparar();
    EXPECT_EQ(w.windowTitle().toStdString(), "Exportar Patrón PDF");
    EXPECT_EQ(w.resumen->text().toStdString(), "3 páginas: la portada, 1 del gráfico y 1 de leyenda.");
    w.celda->setValue(10.0);
    w.apaisado->setChecked(true);
    w.modo->setCurrentIndex(1);
    w.titulo->setText(QStringLiteral("Gato"));
    const OpcionesCuadernillo& op = p->principal().estado().cuadernillo;
    EXPECT_DOUBLE_EQ(op.celda_mm, 10.0);
    EXPECT_TRUE(op.apaisado);
    EXPECT_EQ(op.modo, ModoCuadernillo::kSimbolos);
    EXPECT_EQ(op.titulo, "Gato");
    // Apaisado, a 10 mm por punto caben 26 x 16: los 30 x 20 puntos en 2 x 2 páginas.
    EXPECT_EQ(w.resumen->text().toStdString(), "6 páginas: la portada, 4 del gráfico y 1 de leyenda.");

    g.fichero(ruta("gato.pdf"));
    w.exportar->click();
    EXPECT_EQ(leer_fichero(ruta("gato.pdf")).rfind("%PDF", 0), 0u);
    EXPECT_EQ(p->principal().panel(0).toStdString(), "Patrón escrito en " + ruta("gato.pdf") + " (6 páginas).");
    EXPECT_TRUE(g.errores().empty());

    std::size_t paginas = 0;
    w.al_previsualizar = [&](QPrintPreviewDialog& dlg) {
        QPrinter impresora;
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(QString::fromStdString(ruta("previa.pdf")));
        emit dlg.paintRequested(&impresora);
    };
    w.vista_previa->click();
    const std::string pdf = leer_fichero(ruta("previa.pdf"));
    for (std::size_t i = pdf.find("/Type /Page\n"); i != std::string::npos; i = pdf.find("/Type /Page\n", i + 1))
        ++paginas;
    EXPECT_EQ(paginas, 6u);

    // Las hebras del perfilado, el margen de la tela y la tanda en blanco y negro, que en "Sólo
    // símbolos" no añade nada y con colores repite las 4 páginas del gráfico.
    w.hebras_perfil->setValue(3);
    w.margen_tela->setValue(8);
    w.tambien_bn->setChecked(true);
    EXPECT_EQ(op.hebras_perfil, 3);
    EXPECT_EQ(op.margen_tela_cm, 8);
    EXPECT_TRUE(op.tambien_bn);
    EXPECT_EQ(w.resumen->text().toStdString(), "6 páginas: la portada, 4 del gráfico y 1 de leyenda.");
    w.modo->setCurrentIndex(0);
    EXPECT_EQ(w.resumen->text().toStdString(), "10 páginas: la portada, 8 del gráfico y 1 de leyenda.");
}

}  // namespace
}  // namespace pc::prueba
