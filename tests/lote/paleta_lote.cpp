// Subórdenes paleta, reducir, ajustar y equivalencias de la herramienta por lotes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "ordenes/ficheros/ficheros_patron.h"
#include "tests/comun/proceso.h"
#include "tests/comun/paleta_apoyo.h"

namespace pc::prueba {
namespace {

namespace fs = std::filesystem;

class LotePaleta : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device rd;
        carpeta_ = fs::temp_directory_path() / ("pc_lote_paleta_" + std::to_string(rd()));
        fs::create_directories(carpeta_);
    }
    void TearDown() override { fs::remove_all(carpeta_); }
    std::string ruta(const std::string& nombre) const { return (carpeta_ / nombre).string(); }

    // Graba un tapiz de 3 × 2: (3,3,3) ×3, DMC 310 ×2 y (100,100,100) ×1 (los ficheros no
    // guardan perfiles).
    std::string tapiz_de_prueba(const std::string& nombre) {
        Banco b;
        b.tapiz({{rgb(3, 3, 3), rgb(2, 2, 2), rgb(3, 3, 3)}, {rgb(100, 100, 100), rgb(3, 3, 3), rgb(2, 2, 2)}});
        const std::string r = ruta(nombre);
        if (nombre.size() > 4 && nombre.substr(nombre.size() - 4) == ".pci")
            grabar_pci_en(b.s, r);
        else
            grabar_pc_en(b.s, r);
        return r;
    }

    fs::path carpeta_;
};

TEST_F(LotePaleta, PaletaEscribeLaListaDelVisor) {
    const std::string f = tapiz_de_prueba("t.pc");
    const Resultado r = ejecutar_lote("paleta " + comillas(f));
    EXPECT_EQ(r.codigo, 0) << r.errores;
    EXPECT_EQ(r.salida,
              "Paleta de Colores del Punto de Cruz\n"
              "Total de Colores: 3\n"
              "\n"
              " 1. HILO:???? Nº:3\n"
              " 2. DMC: 310 Nº:2\n"
              " 3. HILO:???? Nº:1\n");

    const Resultado p = ejecutar_lote("paleta " + comillas(tapiz_de_prueba("t.pci")));
    EXPECT_EQ(p.codigo, 0) << p.errores;
    EXPECT_NE(p.salida.find("Total de Colores: 3\n"), std::string::npos) << p.salida;
}

TEST_F(LotePaleta, ReducirEscribeLosCambiosYGrabaElResultado) {
    const std::string f = tapiz_de_prueba("t.pc");
    Resultado r = ejecutar_lote("reducir " + comillas(f) + " -o " + comillas(ruta("r.pc")) + " --colores 1");
    EXPECT_EQ(r.codigo, 0) << r.errores;
    EXPECT_EQ(r.salida,
              "DMC: 310 cambiar por HILO:????\n"
              "HILO:???? cambiar por HILO:????\n"
              "Cambios recomendados: 2\n"
              "Escrito " + ruta("r.pc") + " (3 x 2 puntos, 1 color)\n");
    r = ejecutar_lote("paleta " + comillas(ruta("r.pc")));
    EXPECT_NE(r.salida.find(" 1. HILO:???? Nº:6\n"), std::string::npos) << r.salida;

    // Similares: (3,3,3) y el 310 están a 3; el gris queda lejos.
    r = ejecutar_lote("reducir " + comillas(f) + " -o " + comillas(ruta("s.pci")) + " --similares 3");
    EXPECT_EQ(r.codigo, 0) << r.errores;
    EXPECT_EQ(r.salida, "DMC: 310 cambiar por HILO:????\nCambios recomendados: 1\nEscrito " + ruta("s.pci") +
                            " (3 x 2 puntos, 2 colores)\n");
    r = ejecutar_lote("paleta " + comillas(ruta("s.pci")));
    EXPECT_NE(r.salida.find("Total de Colores: 2\n"), std::string::npos) << r.salida;

    // Tonos: no escribe cambios, pero el tapiz cambia: (3,3,3) y el 310 pasan a negro.
    r = ejecutar_lote("reducir " + comillas(f) + " -o " + comillas(ruta("t2.pc")) + " --tonos 10");
    EXPECT_EQ(r.codigo, 0) << r.errores;
    EXPECT_EQ(r.salida, "Escrito " + ruta("t2.pc") + " (3 x 2 puntos, 2 colores)\n");
    r = ejecutar_lote("paleta " + comillas(ruta("t2.pc")));
    EXPECT_NE(r.salida.find(" 1. HILO:???? Nº:5\n"), std::string::npos) << r.salida;
}

TEST_F(LotePaleta, AjustarAlCatalogoIndicado) {
    const std::string f = tapiz_de_prueba("t.pc");
    Resultado r = ejecutar_lote("ajustar " + comillas(f) + " -o " + comillas(ruta("a.pc")) + " --catalogo DMC");
    EXPECT_EQ(r.codigo, 0) << r.errores;
    // (3,3,3) va al 310 y el gris (100,100,100) al DMC 535.
    EXPECT_EQ(r.salida, "HILO:???? cambiar por DMC: 310\nHILO:???? cambiar por DMC: 535\nCambios recomendados: 2\n"
                        "Escrito " + ruta("a.pc") + " (3 x 2 puntos, 2 colores)\n");
    r = ejecutar_lote("paleta " + comillas(ruta("a.pc")));
    EXPECT_NE(r.salida.find(" 1. DMC: 310 Nº:5\n"), std::string::npos) << r.salida;

    r = ejecutar_lote("ajustar " + comillas(f) + " -o " + comillas(ruta("b.pc")) + " --catalogo ANCHOR");
    EXPECT_EQ(r.codigo, 0) << r.errores;
    EXPECT_NE(r.salida.find("cambiar por ANCHOR:"), std::string::npos) << r.salida;
    // La paleta nombra los hilos del catálogo que se le pida.
    r = ejecutar_lote("paleta " + comillas(ruta("b.pc")) + " --catalogo ANCHOR");
    EXPECT_NE(r.salida.find(" 1. ANCHOR:"), std::string::npos) << r.salida;
    EXPECT_EQ(r.salida.find("DMC"), std::string::npos) << r.salida;
}

TEST_F(LotePaleta, EquivalenciasUnaLineaPorHiloAnchor) {
    const Resultado r = ejecutar_lote("equivalencias");
    EXPECT_EQ(r.codigo, 0) << r.errores;
    EXPECT_EQ(r.salida.rfind("Equivalencias\nANCHOR <---> DMC\n292     <---->    727\n", 0), 0u);
    EXPECT_EQ(std::count(r.salida.begin(), r.salida.end(), '\n'), 446);
}

TEST_F(LotePaleta, EntradasYOpcionesMalasFallanConMensaje) {
    const std::string f = tapiz_de_prueba("t.pc");
    const std::string salida = " -o " + comillas(ruta("x.pc"));
    for (const std::string& args :
         {"paleta " + comillas(ruta("no_existe.pc")),
          "reducir " + comillas(ruta("no_existe.pc")) + salida + " --colores 3",
          "reducir " + comillas(f) + salida,
          "reducir " + comillas(f) + salida + " --colores 2 --tonos 4",
          "reducir " + comillas(f) + salida + " --colores 0",
          "reducir " + comillas(f) + salida + " --tonos x",
          "reducir " + comillas(f) + " --colores 3",
          "ajustar " + comillas(f) + salida + " --catalogo XYZ",
          "ajustar " + comillas(f) + salida,
          std::string("equivalencias --metodo 3")}) {
        const Resultado r = ejecutar_lote(args);
        EXPECT_NE(r.codigo, 0) << args;
        EXPECT_FALSE(r.errores.empty()) << args;
        EXPECT_TRUE(r.salida.empty()) << args << "\n" << r.salida;
    }
    EXPECT_FALSE(fs::exists(ruta("x.pc")));
}

}  // namespace
}  // namespace pc::prueba
