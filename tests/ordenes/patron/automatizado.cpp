// "Generar Punto de Cruz Automatizado": la secuencia completa y su parada en un paso que falla.
#include <gtest/gtest.h>

#include <set>

#include "ordenes/patron/paleta.h"
#include "tests/comun/paleta_apoyo.h"

namespace pc::prueba {
namespace {

// Una imagen con muchos colores: degradados cruzados y unas bandas.
void pintar_imagen(ImagenMemoria& img) {
    for (int y = 0; y < img.alto(); ++y)
        for (int x = 0; x < img.ancho(); ++x)
            img.poner(x, y, rgb(x * 255 / img.ancho(), y * 255 / img.alto(), ((x / 40) % 2) ? 200 : (x + y) % 256));
}

// Los textos de pasos del panel 1 (sin los del nombre del catálogo).
std::vector<std::string> pasos(const VistaRegistro& v) {
    std::vector<std::string> r;
    for (const auto& t : v.historial_panel1)
        if (t.rfind("Paleta de Hilos", 0) != 0) r.push_back(t);
    return r;
}

TEST(GeneracionAutomatizada, CuatroPasosSinPreguntasYComoMuchoLosColoresPedidos) {
    Banco b;
    pintar_imagen(b.img);
    generar_automatizado(b.s);

    EXPECT_EQ(pasos(b.v), (std::vector<std::string>{"Generando Punto de Cruz", "Convirtiendo a HILOS",
                                                     "Reduciendo Colores Aproximados",
                                                     "Reduciendo Número de colores",
                                                     "Generación AUTOMATIZADA Concluida"}));
    EXPECT_TRUE(b.d.llamadas().empty());
    EXPECT_FALSE(b.v.minimizada);
    EXPECT_EQ(b.e.paleta.total, 0);
    EXPECT_EQ(b.e.n_colores, "35");
    EXPECT_EQ(b.e.dif_max, "30");
    EXPECT_EQ(b.e.ancho, "60");
    EXPECT_EQ(b.e.alto, "60");

    std::set<Color> colores;
    for (int y = 1; y <= 60; ++y)
        for (int x = 1; x <= 60; ++x) {
            const Punto& p = b.e.punto(x, y);
            colores.insert(p.color);
            EXPECT_GT(buscar_color(p.color, b.e.hilos), 0) << x << "," << y;  // todos son hilos
            for (int k = 1; k <= 4; ++k) EXPECT_EQ(p.lado(k), kSinPerfil);
        }
    EXPECT_LE(colores.size(), 35u);
    EXPECT_GE(colores.size(), 10u);  // la imagen tiene colores de sobra para más de diez
}

TEST(GeneracionAutomatizada, UnPasoQueFallaDetieneLaSecuenciaAhi) {
    {
        Banco b;
        pintar_imagen(b.img);
        b.e.dif_max = "x";
        EXPECT_FALSE(b.correr([&] { generar_automatizado(b.s); }));
        EXPECT_EQ(b.d.errores(), std::vector<std::string>{"'x' is not a valid integer value"});
        EXPECT_EQ(pasos(b.v).back(), "Reduciendo Colores Aproximados");
        EXPECT_EQ(b.e.dif_max, "x");
        // La generación y el ajuste ya hechos se quedan.
        EXPECT_GT(buscar_color(b.e.punto(30, 30).color, b.e.hilos), 0);
    }
    {
        Banco b;
        pintar_imagen(b.img);
        b.e.n_colores = "muchos";
        EXPECT_FALSE(b.correr([&] { generar_automatizado(b.s); }));
        EXPECT_EQ(b.d.errores(), std::vector<std::string>{"'muchos' is not a valid integer value"});
        EXPECT_EQ(pasos(b.v).back(), "Reduciendo Número de colores");
    }
    {
        Banco b;
        b.e.alto = "0";
        EXPECT_FALSE(b.correr([&] { generar_automatizado(b.s); }));
        EXPECT_EQ(pasos(b.v), std::vector<std::string>{"Generando Punto de Cruz"});
    }
}

}  // namespace
}  // namespace pc::prueba
