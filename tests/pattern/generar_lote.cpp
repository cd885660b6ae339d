// "puntocruz-lote generar": de una imagen real a un fichero, con los tamaños a escala.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <set>

#include "app/ficheros.h"
#include "tests/comun/proceso.h"
#include "threads/catalogo.h"
#include "threads/datos.h"

namespace pc::prueba {
namespace {

namespace fs = std::filesystem;

class GenerarLote : public ::testing::Test {
protected:
    void SetUp() override {
        carpeta_ = fs::temp_directory_path() /
                   ("pc_generar_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(carpeta_);
        fs::create_directories(carpeta_);
    }
    void TearDown() override { fs::remove_all(carpeta_); }
    std::string ruta(const std::string& nombre) const { return (carpeta_ / nombre).string(); }

    // Lee un fichero de impresión: alto, ancho y un color por punto, enteros de 32 bits.
    struct Pci {
        int alto = 0, ancho = 0;
        std::vector<std::int32_t> colores;
    };
    static Pci leer_pci(const std::string& f) {
        const std::string b = leer_fichero(f);
        auto entero_en = [&](std::size_t pos) {
            std::uint32_t v = 0;
            for (int k = 3; k >= 0; --k) v = v << 8 | static_cast<unsigned char>(b[pos + static_cast<std::size_t>(k)]);
            return static_cast<std::int32_t>(v);
        };
        Pci p;
        if (b.size() < 8) return p;
        p.alto = entero_en(0);
        p.ancho = entero_en(4);
        for (std::size_t pos = 8; pos + 4 <= b.size(); pos += 4) p.colores.push_back(entero_en(pos));
        return p;
    }

    fs::path carpeta_;
};

const std::string kCoffeePng = PC_DATOS_PRUEBA "/coffee.png";
const std::string kCoffeeBmp = PC_DATOS_PRUEBA "/coffee.bmp";

TEST_F(GenerarLote, ElLadoQueNoSeIndicaSigueAEscalaYCadaPuntoEsUnHiloDmc) {
    const std::string salida = ruta("taza.pci");
    Resultado r = ejecutar_lote("generar " + comillas(kCoffeePng) + " -o " + comillas(salida) + " --ancho 60");
    ASSERT_EQ(r.codigo, 0) << r.errores;
    Pci p = leer_pci(salida);
    EXPECT_EQ(p.ancho, 60);
    EXPECT_EQ(p.alto, 40);
    ASSERT_EQ(p.colores.size(), 2400u);

    TablaHilos dmc;
    std::array<std::string, kColumnasCatalogo + 1> titulos;
    leer_catalogo(lineas_dmc_incorporado(), dmc, titulos);
    std::set<std::int32_t> hilos;
    for (int i = 1; i <= dmc.total; ++i) hilos.insert(dmc[i].color);
    std::set<std::int32_t> usados(p.colores.begin(), p.colores.end());
    for (std::int32_t c : usados) EXPECT_TRUE(hilos.count(c)) << c;
    EXPECT_GT(usados.size(), 20u);  // una foto da muchos hilos distintos

    // Sólo el alto: 100 de 400 -> ancho 150. Ninguno: 60 x 60 (extensión en mayúsculas).
    ASSERT_EQ(ejecutar_lote("generar " + comillas(kCoffeeBmp) + " -o " + comillas(salida) + " --alto 100").codigo, 0);
    p = leer_pci(salida);
    EXPECT_EQ(p.ancho * 1000 + p.alto, 150100);
    const std::string mayus = ruta("sin_tamano.PCI");
    ASSERT_EQ(ejecutar_lote("generar " + comillas(kCoffeeBmp) + " -o " + comillas(mayus) + " --interpolado").codigo, 0);
    p = leer_pci(mayus);
    EXPECT_EQ(p.ancho * 1000 + p.alto, 60060);

    // El BMP y el PNG son la misma foto: el mismo tapiz.
    const std::string de_png = ruta("png.pci"), de_bmp = ruta("bmp.pci");
    ASSERT_EQ(ejecutar_lote("generar " + comillas(kCoffeePng) + " -o " + comillas(de_png) + " --ancho 45").codigo, 0);
    ASSERT_EQ(ejecutar_lote("generar " + comillas(kCoffeeBmp) + " -o " + comillas(de_bmp) + " --ancho 45").codigo, 0);
    EXPECT_EQ(leer_fichero(de_png), leer_fichero(de_bmp));

}

TEST_F(GenerarLote, AutomatizadoDejaComoMuchoLosColoresPedidos) {
    const std::string salida = ruta("auto.pci");
    Resultado r = ejecutar_lote("generar " + comillas(kCoffeePng) + " -o " + comillas(salida) +
                                " --ancho 40 --alto 30 --automatizado --colores 6 --diferencia 20");
    ASSERT_EQ(r.codigo, 0) << r.errores;
    const Pci p = leer_pci(salida);
    EXPECT_EQ(p.ancho * 1000 + p.alto, 40030);
    const std::set<std::int32_t> usados(p.colores.begin(), p.colores.end());
    EXPECT_LE(usados.size(), 6u);
    EXPECT_GE(usados.size(), 2u);
}

TEST_F(GenerarLote, UnaLineaPorFicheroEscritoSinAvisosDePantallaYAyudaPorSuborden) {
    // A 500 puntos la ventana cambiaría el tamaño de la rejilla; aquí no hay pantalla.
    const std::string salida = ruta("grande.pci");
    Resultado r = ejecutar_lote("generar " + comillas(kCoffeeBmp) + " -o " + comillas(salida) + " --ancho 500");
    ASSERT_EQ(r.codigo, 0) << r.errores;
    const Pci p = leer_pci(salida);
    const std::set<std::int32_t> usados(p.colores.begin(), p.colores.end());
    EXPECT_EQ(r.salida, "Escrito " + salida + " (500 x 333 puntos, " + std::to_string(usados.size()) + " colores)\n");
    EXPECT_EQ(r.errores, "");

    r = ejecutar_lote("generar --ayuda");
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(r.salida.rfind("Uso:\n  puntocruz-lote generar IMAGEN -o SALIDA", 0), 0u) << r.salida;
    EXPECT_EQ(r.salida.find("reducir"), std::string::npos);

    r = ejecutar_lote("generar " + comillas(ruta("no_hay.bmp")) + " -o " + comillas(salida));
    EXPECT_EQ(r.codigo, 1);
    EXPECT_EQ(r.errores, "El fichero " + ruta("no_hay.bmp") + " no existe.\n");
}

TEST_F(GenerarLote, ErroresDeUsoDeImagenYDeTamano) {
    const std::string salida = ruta("x.pci");
    Resultado r = ejecutar_lote("generar " + comillas(kCoffeePng));
    EXPECT_EQ(r.codigo, 2);
    EXPECT_NE(r.errores.find("-o"), std::string::npos) << r.errores;
    // El alto a escala se saldría de la rejilla: 500 de 400 daría 750 de ancho.
    r = ejecutar_lote("generar " + comillas(kCoffeePng) + " -o " + comillas(salida) + " --alto 500");
    EXPECT_EQ(r.codigo, 1);
    EXPECT_NE(r.errores.find("750"), std::string::npos) << r.errores;
    EXPECT_FALSE(fs::exists(salida));

    // El recorte: mal escrito o sin píxeles, error de uso; fuera de la imagen (también con
    // números que desbordarían al sumarse), sin escribir nada.
    for (const char* malo : {"1,2,3", "0,0,0,5", "a,0,5,5", "-1,0,5,5"}) {
        r = ejecutar_lote("generar " + comillas(kCoffeePng) + " -o " + comillas(salida) + " --recorte " + malo);
        EXPECT_EQ(r.codigo, 2) << malo;
    }
    for (const char* fuera : {"550,300,51,10", "2147483647,2147483647,2147483647,2147483647"}) {
        r = ejecutar_lote("generar " + comillas(kCoffeePng) + " -o " + comillas(salida) + " --recorte " + fuera);
        EXPECT_EQ(r.codigo, 1) << fuera;
        EXPECT_NE(r.errores.find("no cabe en la imagen de 600 x 400 píxeles"), std::string::npos) << r.errores;
        EXPECT_FALSE(fs::exists(salida));
    }

    // Un BMP cortado se rechaza antes de leerlo, con su mensaje.
    const std::string bmp = leer_fichero(kCoffeeBmp);
    const std::string cortado = ruta("cortado.bmp");
    escribir_fichero(cortado, bmp.substr(0, bmp.size() / 2));
    r = ejecutar_lote("generar " + comillas(cortado) + " -o " + comillas(salida));
    EXPECT_EQ(r.codigo, 1);
    EXPECT_NE(r.errores.find("está incompleto o dañado: faltan datos de la imagen"), std::string::npos) << r.errores;
    EXPECT_FALSE(fs::exists(salida));
}

}  // namespace
}  // namespace pc::prueba
