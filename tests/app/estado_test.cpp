#include "app/estado.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "app/errores.h"
#include "app/ficheros.h"

namespace pc {
namespace {

TEST(Estado, ValoresInicialesDelArranque) {
    auto e = crear_estado();
    valores_iniciales(*e);
    EXPECT_EQ(e->ancho, "60");
    EXPECT_EQ(e->alto, "60");
    EXPECT_EQ(e->version, "Versión 1.60");
    EXPECT_EQ(e->tam_rejilla, "4");
    EXPECT_EQ(e->tam_celda, 4);
    EXPECT_EQ(e->zona_x2, "60");
    EXPECT_EQ(e->zona_y2, "60");
    EXPECT_EQ(e->color_destino, 0xFFFFFF);
    EXPECT_EQ(e->color_origen, 0);
    EXPECT_EQ(e->n_colores, "35");
    EXPECT_EQ(e->dif_max, "30");
    EXPECT_EQ(e->divisor_tonos, "10");
    EXPECT_EQ(e->trozo_ancho, "70");
    EXPECT_EQ(e->trozo_alto, "100");
    EXPECT_TRUE(e->marca.empty());
    EXPECT_TRUE(e->ver_rejilla);
    EXPECT_FALSE(e->perfilando);
    EXPECT_TRUE(e->componente_r && e->componente_g && e->componente_b);
    // La rejilla sigue a cero (negro, perfiles 0) hasta generar o cargar.
    EXPECT_EQ(e->punto(700, 700).color, 0);
    EXPECT_EQ(e->punto(1, 1).lado(kIzquierda), 0);
}

TEST(Estado, BuscarColorSoloEntradasActivasYLaPrimera) {
    TablaHilos t;
    t.total = 3;
    t[1] = {rgb(1, 2, 3), 10, 1, false, false};
    t[2] = {rgb(1, 2, 3), 11, 1, true, false};
    t[3] = {rgb(1, 2, 3), 12, 1, true, false};
    EXPECT_EQ(buscar_color(rgb(1, 2, 3), t), 2);
    EXPECT_EQ(buscar_color(rgb(9, 9, 9), t), 0);
    t[2].activo = t[3].activo = false;
    EXPECT_EQ(buscar_color(rgb(1, 2, 3), t), 0);
    // Las entradas por encima de total no cuentan.
    t.total = 0;
    t[1].activo = true;
    EXPECT_EQ(buscar_color(rgb(1, 2, 3), t), 0);
}

TEST(Estado, TamanoDelTapizFueraDeRangoSeRechaza) {
    auto e = crear_estado();
    valores_iniciales(*e);
    e->ancho = "700";
    EXPECT_EQ(ancho_tapiz(*e), 700);
    e->ancho = "701";
    EXPECT_THROW(ancho_tapiz(*e), ErrorFormato);
    e->alto = "0";
    EXPECT_THROW(alto_tapiz(*e), ErrorFormato);
    e->alto = "x";
    EXPECT_THROW(alto_tapiz(*e), ErrorConversion);
    e->tam_rejilla = "0";
    EXPECT_THROW(tam_rejilla_valor(*e), ErrorFormato);
}

TEST(Ficheros, EscrituraAtomicaYErroresClaros) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("pc_ficheros_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string ruta = (dir / "a.bin").string();
    escribir_fichero(ruta, std::string("uno\0dos", 7));
    EXPECT_EQ(leer_fichero(ruta), std::string("uno\0dos", 7));
    escribir_fichero(ruta, "nuevo");
    EXPECT_EQ(leer_fichero(ruta), "nuevo");
    // Ningún temporal se queda junto al destino.
    int n = 0;
    for ([[maybe_unused]] const auto& f : fs::directory_iterator(dir)) ++n;
    EXPECT_EQ(n, 1);
    // Una carpeta que no existe: error y nada escrito.
    try {
        escribir_fichero((dir / "no" / "b.bin").string(), "x");
        ADD_FAILURE();
    } catch (const ErrorFichero& err) {
        EXPECT_EQ(std::string(err.what()).rfind("Cannot create file \"", 0), 0u);
    }
    try {
        leer_fichero((dir / "falta.bin").string());
        ADD_FAILURE();
    } catch (const ErrorFichero& err) {
        EXPECT_EQ(std::string(err.what()).rfind("Cannot open file \"", 0), 0u);
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace pc
