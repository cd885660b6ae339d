// Edición desde la ventana principal: los rótulos que cambian con las órdenes se ven en
// los dos menús emergentes, y los botones laterales del ratón no pintan.
#include <gtest/gtest.h>

#include <QAction>
#include <QMouseEvent>

#include "ventana/lienzo.h"
#include "ventana/pcruz.h"
#include "ventana/programa.h"
#include "tests/comun/banco.h"
#include "tests/comun/guion.h"
#include "tests/ventana/comun_ui.h"

namespace pc::prueba {
namespace {

class Edicion : public ::testing::Test {
protected:
    Edicion() : app_(aplicacion()), programa_(guion_, "") {
        Estado& e = principal().estado();
        cargar_dmc(e);
        e.ancho = e.alto = "10";
        for (int x = 1; x <= 10; ++x)
            for (int y = 1; y <= 10; ++y) e.punto(x, y) = {rgb(2, 2, 2), {kSinPerfil, kSinPerfil, kSinPerfil, kSinPerfil}};
        e.color_actual = rgb(200, 10, 20);
    }
    ui::TForm2& principal() { return programa_.principal(); }
    QString texto(const char* nombre) {
        auto* a = principal().findChild<QAction*>(QString::fromLatin1(nombre));
        return a ? a->text() : QStringLiteral("(no está)");
    }
    void elegir(const char* nombre) { prueba::elegir(&principal(), nombre); }
    // (x, y) es una casilla del patrón, de 4 píxeles; el evento va a su centro.
    void raton(QEvent::Type tipo, Qt::MouseButton boton, Qt::MouseButtons botones, int x, int y) {
        prueba::raton(principal().lienzo_patron(), tipo, boton, botones, QPoint(x * 4 + 2, y * 4 + 2));
    }
    void pulsar(Qt::MouseButton boton, int x, int y) { prueba::pulsar(principal().lienzo_patron(), boton, QPoint(x * 4 + 2, y * 4 + 2)); }

    QApplication& app_;
    DialogosGuion guion_;
    ui::Programa programa_;
};

TEST_F(Edicion, LosRotulosDeLosColoresElegidosSeVenEnLosDosMenusEmergentes) {
    pulsar(Qt::RightButton, 3, 4);
    elegir("SeleccionarColor1");
    EXPECT_EQ(texto("SeleccionarColor1").toStdString(), "Seleccionar Color: DMC: 310");
    EXPECT_EQ(texto("s1").toStdString(), "Seleccionar Color: DMC: 310");
    elegir("CopiarRGB11");
    EXPECT_EQ(texto("CopiarRGB11").toStdString(), "Copiar RGB a color ORIGEN: 2,2,2  DMC: 310");
    EXPECT_EQ(texto("rgb11"), texto("CopiarRGB11"));
    elegir("CopiarRGB21");
    EXPECT_EQ(texto("rgb21").toStdString(), "Copiar RGB a color DESTINO: 2,2,2  DMC: 310");
    elegir("MarcarX2Y21");
    EXPECT_EQ(texto("MarcarX2Y21").toStdString(), "Marcar (X2,Y2)--> (3,4)");
    EXPECT_EQ(texto("CambiarColorORIGENporDESTINO1").toStdString(), "Cambiar Color ORIGEN por DESTINO");
    elegir("en_zona1");
    EXPECT_EQ(texto("CambiarColorORIGENporDESTINO1").toStdString(), "Cambiar Color ORIGEN por DESTINO (ZONA)");
    EXPECT_EQ(texto("AclararelTAPIZ1").toStdString(), "Aclarar el TAPIZ (ZONA)");
    elegir("en_zona1");
    EXPECT_EQ(texto("AclararelTAPIZ1").toStdString(), "Aclarar el Tapiz (TODO)");
    EXPECT_EQ(texto("OscurecerelTAPIZ1").toStdString(), "Oscurecer el TAPIZ (TODO)");
    EXPECT_TRUE(guion_.errores().empty());
}

TEST_F(Edicion, SoloElBotonIzquierdoPintaLosLateralesNo) {
    const Estado& e = principal().estado();
    for (Qt::MouseButton b : {Qt::BackButton, Qt::ForwardButton, Qt::MiddleButton}) {
        pulsar(b, 2, 2);
        raton(QEvent::MouseMove, Qt::NoButton, b, 3, 3);
    }
    EXPECT_EQ(e.punto(2, 2).color, rgb(2, 2, 2));
    EXPECT_EQ(e.punto(3, 3).color, rgb(2, 2, 2));
    pulsar(Qt::LeftButton, 2, 2);
    EXPECT_EQ(e.punto(2, 2).color, rgb(200, 10, 20));
}

}  // namespace
}  // namespace pc::prueba
