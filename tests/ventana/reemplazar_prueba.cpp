// Abrir otro diseño sobre uno con cambios sin grabar pregunta antes, y deshacer nunca cambia
// dónde graba "Grabar": el fichero del diseño vuelve con él.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/imagen_memoria.h"
#include "files/fichero_pc.h"
#include "ordenes/ficheros/ficheros_patron.h"
#include "tests/comun/guion.h"
#include "ventana/lienzo.h"
#include "tests/ventana/comun_ui.h"

namespace pc::prueba {
namespace {

constexpr Color kAzul = 0x0000FF;
constexpr int s = 4;

class Reemplazar : public ::testing::Test {
protected:
    Reemplazar() : app_(aplicacion()), programa_(guion_, "") {
        f().show();
        Estado& e = f().estado();
        e.ancho = "30";
        e.alto = "20";
        for (int x = 1; x <= 30; ++x)
            for (int y = 1; y <= 20; ++y) e.punto(x, y) = {0x102030, {-1, -1, -1, -1}};
        f().historial().empezar(e);
        f().sincronizar();
        e.color_actual = kAzul;
        // gato.pc: otro diseño de 4 x 3, escrito como lo escribe el programa.
        auto otro = crear_estado();
        valores_iniciales(*otro);
        for (int x = 1; x <= 4; ++x)
            for (int y = 1; y <= 3; ++y) otro->punto(x, y) = {0x00FF00, {-1, -1, -1, -1}};
        QFile g(gato_);
        EXPECT_TRUE(g.open(QIODevice::WriteOnly));
        const std::string bytes = codificar_pc(*otro, 4, 3);
        g.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    ~Reemplazar() override { f().hide(); }
    ui::TForm2& f() { return programa_.principal(); }
    Estado& e() { return f().estado(); }
    void pintar(int x, int y) { pulsar(f().lienzo_patron(), Qt::LeftButton, QPoint(x * s + 1, y * s + 1)); }
    std::string titulo() { return f().windowTitle().toStdString(); }
    // El color del punto (x, y) en el fichero.
    Color en_fichero(const QString& fichero, int x, int y) {
        auto leido = crear_estado();
        DialogosGuion g;
        VistaRegistro v;
        ImagenMemoria img;
        Sesion ses{*leido, g, v, img};
        valores_iniciales(*leido);
        ejecutar(g, [&] { cargar_pc(ses, fichero.toStdString(), kFormatoBinario); });
        return leido->punto(x, y).color;
    }
    void abrir_gato() { f().abrir_reciente(QStringLiteral("CargarPuntoCruz1"), gato_); }

    QApplication& app_;
    DialogosGuion guion_;
    ui::Programa programa_;
    QTemporaryDir dir_;
    const QString mancha_ = dir_.filePath(QStringLiteral("mancha.pc"));
    const QString gato_ = dir_.filePath(QStringLiteral("gato.pc"));
};

TEST_F(Reemplazar, CadaRespuestaHaceLoQueDiceYDeshacerDevuelveElFicheroDelDiseno) {
    guion_.fichero(mancha_.toStdString());
    elegir(&f(), "Grabar1");
    pintar(1, 1);
    ASSERT_EQ(titulo(), "mancha.pc* - Punto de Cruz by Tarvelo");

    // Cancelar: nada cambia.
    guion_.contestar(false);
    abrir_gato();
    EXPECT_EQ(guion_.llamadas().back().texto,
              "El diseño «mancha.pc» tiene cambios sin grabar. ¿Desea grabarlos?");
    EXPECT_EQ(e().ancho, "30");
    EXPECT_EQ(e().punto(1, 1).color, kAzul);
    EXPECT_EQ(titulo(), "mancha.pc* - Punto de Cruz by Tarvelo");

    // No grabar: se abre sin grabar.
    guion_.contestar(true);
    abrir_gato();
    EXPECT_EQ(e().ancho, "4");
    EXPECT_EQ(titulo(), "gato.pc - Punto de Cruz by Tarvelo");
    EXPECT_NE(en_fichero(mancha_, 1, 1), kAzul);

    // Deshacer la carga devuelve mancha.pc con sus cambios; Ctrl+S graba ahí, no en gato.pc.
    elegir(&f(), "Deshacer1");
    EXPECT_EQ(e().ancho, "30");
    EXPECT_EQ(titulo(), "mancha.pc* - Punto de Cruz by Tarvelo");
    EXPECT_EQ(f().panel(2), mancha_);
    elegir(&f(), "Grabar1");
    EXPECT_EQ(en_fichero(mancha_, 1, 1), kAzul);
    EXPECT_EQ(en_fichero(gato_, 1, 1), 0x00FF00);
    EXPECT_EQ(titulo(), "mancha.pc - Punto de Cruz by Tarvelo");

    // Grabar: graba en su fichero y sigue.
    pintar(2, 2);
    guion_.contestar_grabar();
    abrir_gato();
    EXPECT_EQ(en_fichero(mancha_, 2, 2), kAzul);
    EXPECT_EQ(e().ancho, "4");

    // Un diseño nuevo no tiene fichero: "Grabar" pregunta el nombre, y si se cancela no se
    // abre nada. Deshacerlo devuelve gato.pc, sin cambios.
    ASSERT_TRUE(f().crear_diseno_nuevo("Generar Punto de Cruz", [](Sesion& ses) { ses.e.punto(1, 1).color = 7; }));
    EXPECT_EQ(titulo(), "Sin título* - Punto de Cruz by Tarvelo");
    guion_.contestar_grabar().fichero(std::nullopt);
    abrir_gato();
    EXPECT_EQ(guion_.llamadas().end()[-2].texto,
              "El diseño «Sin título» tiene cambios sin grabar. ¿Desea grabarlos?");
    EXPECT_EQ(e().punto(1, 1).color, 7);
    guion_.fichero(std::nullopt);
    elegir(&f(), "Grabar1");
    EXPECT_EQ(en_fichero(gato_, 1, 1), 0x00FF00);
    elegir(&f(), "Deshacer1");
    EXPECT_EQ(titulo(), "gato.pc - Punto de Cruz by Tarvelo");
    EXPECT_EQ(e().punto(1, 1).color, 0x00FF00);
    EXPECT_EQ(guion_.pendientes(), 0u);
}

TEST_F(Reemplazar, LasEntradasDeAbrirYLosFicherosSoltadosPreguntanYLaImagenNo) {
    pintar(1, 1);
    const std::size_t antes = guion_.llamadas().size();
    // Cargar Punto Cruz pregunta antes del diálogo de abrir; Cancelar no lo abre.
    guion_.contestar(false);
    elegir(&f(), "CargarPuntoCruz1");
    EXPECT_EQ(guion_.llamadas().back().tipo, Tipo::kPregunta);
    // Importar OXS y el formato viejo, igual.
    guion_.contestar(false);
    elegir(&f(), "ImportarOXS1");
    guion_.contestar(false);
    elegir(&f(), "CargarPtoCruzFormatoVIEJO1");
    guion_.contestar(false);
    f().abrir_soltados({gato_});
    EXPECT_EQ(e().ancho, "30");
    EXPECT_EQ(guion_.llamadas().size(), antes + 4);
    // Abrir una imagen no reemplaza el diseño: no pregunta.
    guion_.fichero(std::nullopt);
    elegir(&f(), "AbrirImagenBMP1");
    EXPECT_EQ(guion_.pendientes(), 0u);
}

}  // namespace
}  // namespace pc::prueba
