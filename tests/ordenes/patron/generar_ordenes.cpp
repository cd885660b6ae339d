// Las órdenes de abrir la imagen, fijar el tamaño del tapiz y generarlo, como las usa el
// usuario: respuestas del guion, mensajes registrados y la rejilla resultante.
#include <gtest/gtest.h>

#include <algorithm>

#include <memory>

#include "app/errores.h"
#include "ordenes/patron/generar.h"
#include "tests/comun/banco.h"

namespace pc::prueba {
namespace {

// Imagen en memoria que "carga" ficheros: "mala.bmp" falla, cualquier otro da una imagen
// de 600 x 400 gris.
class ImagenCargable : public ImagenMemoria {
public:
    using ImagenMemoria::ImagenMemoria;
    void cargar(const std::string& f) override {
        if (f == "mala.bmp") throw ErrorFormato("El fichero BMP \"mala.bmp\" está incompleto o dañado: prueba.");
        ImagenMemoria::operator=(ImagenMemoria(600, 400, rgb(128, 128, 128)));
        nombre_ = f;
    }
    std::string fichero() const override { return nombre_; }

private:
    std::string nombre_;
};

// Sin catálogo cargado: la generación lo carga.
struct Mesa : BancoOrdenes<ImagenCargable> {
    explicit Mesa(int w = 0, int h = 0) : BancoOrdenes(w, h) {}
    bool orden(void (*f)(Sesion&)) {
        return BancoOrdenes::orden([&] { f(s); });
    }
    bool generar(bool interpolar, bool ajustar) {
        return BancoOrdenes::orden([&] { generar_rejilla(s, interpolar, ajustar); });
    }
    // Marca los puntos con un color y perfiles reconocibles.
    void ensuciar(int hasta_x, int hasta_y) {
        for (int x = 0; x <= hasta_x; ++x)
            for (int y = 0; y <= hasta_y; ++y) {
                e.punto(x, y).color = rgb(1, 2, 3);
                e.punto(x, y).perfil = {rgb(9, 9, 9), rgb(8, 8, 8), rgb(7, 7, 7), rgb(6, 6, 6)};
            }
    }
};

// Color que codifica la posición de un píxel (para ver qué píxel muestreó cada punto).
Color posicion(int x, int y) { return rgb(x % 256, y % 256, x / 256 + 16 * (y / 256)); }

TEST(GenerarAbrirImagen, FiltroCancelarErrorYCargaCorrecta) {
    Mesa m(10, 10);
    m.d.fichero(std::nullopt).fichero("mala.bmp").fichero("/fotos/gato.bmp");
    EXPECT_TRUE(m.orden(abrir_imagen));  // cancelada: nada
    EXPECT_EQ(m.d.llamadas()[0].texto, "Bitmaps (*.bmp)|*.bmp|Todos los Archivos|*.*");
    EXPECT_EQ(m.d.llamadas()[0].titulo, "*.bmp");  // la extensión por defecto
    // Un fichero que no se puede leer: se informa y la imagen anterior se queda.
    EXPECT_FALSE(m.orden(abrir_imagen));
    EXPECT_EQ(m.d.errores().back(), "El fichero BMP \"mala.bmp\" está incompleto o dañado: prueba.");
    EXPECT_EQ(m.img.ancho(), 10);
    EXPECT_EQ(m.v.visor_mostrado, 0);
    EXPECT_TRUE(m.orden(abrir_imagen));
    EXPECT_EQ(m.img.ancho(), 600);
    EXPECT_EQ(m.v.paneles_visor[1], "/fotos/gato.bmp");
    EXPECT_EQ(m.v.visor_mostrado, 1);
    EXPECT_EQ(m.v.redibujados, 0);  // el tapiz no se toca
}

TEST(GenerarTamano, EscalaSinImagenYRechazos) {
    Mesa m(600, 400);
    m.d.responder("60").responder("25").responder("75").cancelar_entrada();
    EXPECT_TRUE(m.orden(ancho_a_escala));
    EXPECT_EQ(m.e.alto, "40");
    EXPECT_EQ(m.d.llamadas()[0].titulo, "Tamaño del Punto de Cruz");
    EXPECT_EQ(m.d.llamadas()[0].texto, "Indicar ancho ");
    // Mitades exactas, al par: 25/400·600 = 37,5 -> 38; 75/400·600 = 112,5 -> 112.
    EXPECT_TRUE(m.orden(alto_a_escala));
    EXPECT_EQ(m.d.llamadas()[1].texto, "Indicar ALTO ");
    EXPECT_EQ(m.e.ancho, "38");
    EXPECT_TRUE(m.orden(alto_a_escala));
    EXPECT_EQ(m.e.ancho, "112");
    // Cancelar devuelve el valor actual, que se vuelve a escalar: 112/600·400 = 74,67 -> 75.
    m.e.alto = "9";
    EXPECT_TRUE(m.orden(ancho_a_escala));
    EXPECT_EQ(m.e.alto, "75");

    // Texto no numérico: se queda tecleado y el otro lado no cambia.
    m.d.responder("6O");
    EXPECT_FALSE(m.orden(ancho_a_escala));
    EXPECT_EQ(m.d.errores().back(), "'6O' is not a valid integer value");
    EXPECT_EQ(m.e.ancho, "6O");
    EXPECT_EQ(m.e.alto, "75");
    // Fuera de 1..700, tecleado o al escalar (500 de alto daría 750 de ancho): se rechaza y
    // se dejan los textos anteriores.
    m.e.ancho = "60";
    for (const char* malo : {"701", "0", "-4"}) {
        m.d.responder(malo);
        EXPECT_FALSE(m.orden(ancho_a_escala)) << malo;
        EXPECT_EQ(m.e.ancho, "60");
    }
    EXPECT_EQ(m.d.errores().back(), "El tamaño -4 no es válido: debe estar entre 1 y 700 puntos.");
    m.d.responder("500");
    EXPECT_FALSE(m.orden(alto_a_escala));
    EXPECT_EQ(m.e.alto, "75");
    EXPECT_EQ(m.e.ancho, "60");
    EXPECT_NE(m.d.errores().back().find("750"), std::string::npos) << m.d.errores().back();
    // Ancho y alto, sin escalar; el ancho aceptado se queda aunque el alto se rechace.
    m.d.responder("70").responder("20").responder("50").responder("900");
    EXPECT_TRUE(m.orden(ancho_y_alto));
    EXPECT_EQ(m.e.ancho + "x" + m.e.alto, "70x20");
    EXPECT_EQ(m.d.llamadas().back().texto, "Indicar ALTO ");
    EXPECT_FALSE(m.orden(ancho_y_alto));
    EXPECT_EQ(m.e.ancho + "x" + m.e.alto, "50x20");

    // Sin imagen, el texto se copia al otro lado.
    Mesa v;
    v.d.responder("45").responder(" 33");
    EXPECT_TRUE(v.orden(ancho_a_escala));
    EXPECT_EQ(v.e.alto, "45");
    EXPECT_TRUE(v.orden(alto_a_escala));
    EXPECT_EQ(v.e.ancho, " 33");
}

TEST(GenerarRejilla, SinImagenCadaPuntoEsElHiloMasProximoAlBlancoYCargaElCatalogo) {
    Mesa m;
    m.ensuciar(5, 4);
    m.e.ancho = "4";
    m.e.alto = "3";
    m.e.paleta.total = 12;
    ASSERT_TRUE(m.e.marca.empty());
    EXPECT_TRUE(m.generar(false, true));
    EXPECT_EQ(m.e.marca, "DMC");
    EXPECT_EQ(m.v.paneles[1], "Paleta de Hilos: DMC");
    EXPECT_EQ(m.e.paleta.total, 0);
    EXPECT_EQ(m.v.limpiezas, 1);
    EXPECT_EQ(m.v.redibujados, 1);
    EXPECT_TRUE(m.d.mensajes().empty());
    for (int x = 1; x <= 4; ++x)
        for (int y = 1; y <= 3; ++y) {
            EXPECT_EQ(m.e.punto(x, y).color, rgb(252, 251, 248));  // DMC "Blanco"
            for (int k = 1; k <= 4; ++k) EXPECT_EQ(m.e.punto(x, y).lado(k), -1);
        }
    // Fuera del tapiz nada cambia: ni la fila 0, ni la columna 5, ni la fila 4.
    for (auto [x, y] : {std::pair{0, 0}, {0, 2}, {2, 0}, {5, 1}, {1, 4}, {5, 4}}) {
        EXPECT_EQ(m.e.punto(x, y).color, rgb(1, 2, 3)) << x << "," << y;
        EXPECT_EQ(m.e.punto(x, y).lado(3), rgb(7, 7, 7));
    }
    // Con el método 2 el blanco más próximo es B5200 (250,250,248).
    m.e.metodo_color = 2;
    EXPECT_TRUE(m.generar(false, true));
    EXPECT_EQ(m.e.punto(4, 3).color, rgb(250, 250, 248));
}

TEST(GenerarRejilla, CadaPuntoMuestreaElExtremoLejanoYLaUltimaFilaYColumnaRepitenElBorde) {
    Mesa m(600, 400);
    for (int x = 0; x < 600; ++x)
        for (int y = 0; y < 400; ++y) m.img.poner(x, y, posicion(x, y));
    m.e.ancho = "60";
    m.e.alto = "40";
    EXPECT_TRUE(m.generar(false, false));
    EXPECT_EQ(m.e.punto(1, 1).color, posicion(10, 10));
    EXPECT_EQ(m.e.punto(59, 39).color, posicion(590, 390));
    EXPECT_EQ(m.e.punto(30, 7).color, posicion(300, 70));
    // La muestra del último punto cae justo fuera (600, 400): se lee el borde, nunca blanco.
    for (int y = 1; y <= 40; ++y) EXPECT_EQ(m.e.punto(60, y).color, posicion(599, std::min(10 * y, 399))) << y;
    for (int x = 1; x <= 60; ++x) EXPECT_EQ(m.e.punto(x, 40).color, posicion(std::min(10 * x, 599), 399)) << x;
}

TEST(GenerarRejilla, InterpoladoPromediaSoloLosVecinosParecidos) {
    // Imagen de 6 x 6 en un tapiz de 3 x 3: paso 2, ventana 3 x 3 centrada en (2x, 2y).
    Mesa m(6, 6);
    for (int x = 0; x < 6; ++x)
        for (int y = 0; y < 6; ++y) m.img.poner(x, y, rgb(100, 100, 100));
    m.img.poner(2, 2, rgb(200, 10, 10));  // centro del punto (1,1)
    m.img.poner(1, 1, rgb(150, 10, 10));  // diferencia 50: fuera
    m.img.poner(3, 3, rgb(160, 20, 0));   // dentro
    m.e.ancho = "3";
    m.e.alto = "3";
    EXPECT_TRUE(m.generar(true, false));
    EXPECT_EQ(m.e.punto(1, 1).color, rgb(180, 15, 5));       // (200+160)/2, (10+20)/2, (10+0)/2
    EXPECT_EQ(m.e.punto(2, 2).color, rgb(100, 100, 100));    // centro (4,4) uniforme
    // El punto (3,3) se centra en (6,6), fuera: toda su ventana lee el borde (5,5).
    EXPECT_EQ(m.e.punto(3, 3).color, rgb(100, 100, 100));
    // Sin interpolar, el punto (1,1) es el píxel del centro tal cual.
    EXPECT_TRUE(m.generar(false, false));
    EXPECT_EQ(m.e.punto(1, 1).color, rgb(200, 10, 10));
}

TEST(GenerarRejilla, LaRejillaSeEncogeSiElTapizNoCabe) {
    Mesa m(1000, 600);
    m.e.ancho = "500";
    m.e.alto = "300";
    ASSERT_EQ(m.e.tam_celda, 4);
    EXPECT_TRUE(m.generar(false, true));
    EXPECT_EQ(m.e.tam_celda, 3);
    EXPECT_EQ(m.e.tam_rejilla, "3");
    EXPECT_EQ(m.d.mensajes(), std::vector<std::string>{"Se cambia el tamaño de la rejilla a 3"});
    EXPECT_EQ(m.v.redibujados, 1);

    // Cabe justo (400 en 1600 / 4): no cambia ni avisa.
    Mesa c(10, 10);
    c.e.ancho = "100";
    c.e.alto = "400";
    EXPECT_TRUE(c.generar(false, true));
    EXPECT_EQ(c.e.tam_celda, 4);
    EXPECT_TRUE(c.d.mensajes().empty());

    // Un tamaño de celda no positivo no rompe la generación: se calcula uno que quepa.
    Mesa z(10, 10);
    z.e.tam_celda = 0;
    EXPECT_TRUE(z.generar(false, true));
    EXPECT_EQ(z.e.tam_celda, 26);
    EXPECT_EQ(z.d.mensajes(), std::vector<std::string>{"Se cambia el tamaño de la rejilla a 26"});
}

TEST(GenerarRejilla, LadoCeroNoNumericoOFueraDeRangoNoEscribeNingunPunto) {
    struct Caso {
        const char* ancho;
        const char* alto;
        const char* error;
    };
    const Caso casos[] = {
        {"0", "40", "Error aritmético: división por cero"},
        {"60", "0", "Error aritmético: división por cero"},
        {"60", "4x", "'4x' is not a valid integer value"},
        {"abc", "40", "'abc' is not a valid integer value"},
        {"701", "40", "El tamaño 701 no es válido: debe estar entre 1 y 700 puntos."},
        {"60", "-3", "El tamaño -3 no es válido: debe estar entre 1 y 700 puntos."},
    };
    for (const Caso& c : casos) {
        Mesa m(600, 400);
        m.ensuciar(700, 700);
        m.e.ancho = c.ancho;
        m.e.alto = c.alto;
        m.e.paleta.total = 5;
        EXPECT_FALSE(m.generar(false, true));
        EXPECT_EQ(m.d.errores(), std::vector<std::string>{c.error});
        EXPECT_EQ(m.v.limpiezas, 1);  // el lienzo ya se limpió
        EXPECT_EQ(m.v.redibujados, 0);
        EXPECT_EQ(m.e.paleta.total, 0);
        EXPECT_EQ(m.e.tam_celda, 4);
        for (int x = 0; x <= 700; x += 7)
            for (int y = 0; y <= 700; y += 7) ASSERT_EQ(m.e.punto(x, y).color, rgb(1, 2, 3)) << c.ancho << "x" << c.alto;
    }
}

}  // namespace
}  // namespace pc::prueba
