// puntocruz-lote exportar: errores de uso (código 2), la imagen BMP de 24 bits, el PDF de dos
// páginas, los trozos numerados y un fichero que no se puede escribir (código 1, nada a medias).
#include <gtest/gtest.h>

#include <filesystem>

#include "app/ficheros.h"
#include "tests/comun/cafe_generado.h"
#include "tests/comun/proceso.h"

namespace pc::prueba {
namespace {

namespace fs = std::filesystem;

using LoteExportar = CafeGenerado<70>;

TEST_F(LoteExportar, ErroresDeUsoSalenConDos) {
    const std::string pc = comillas(ruta("cafe.pc"));
    const std::pair<std::string, std::string> casos[] = {
        {"exportar " + pc, "Indica la salida con -o."},
        {"exportar -o x.bmp", "Indica el fichero de entrada."},
        {"exportar " + pc + " -o x.png", "La salida debe acabar en .bmp o en .pdf"},
        {"exportar " + pc + " -o x.bmp --aclarar mucho", "Valor incorrecto para --aclarar: 'mucho'"},
        {"exportar " + pc + " -o x.pdf --escala 50", "Valor incorrecto para --escala: '50'"},
        {"exportar " + pc + " -o x.pdf --escala 0,100", "Valor incorrecto para --escala: '0'"},
        {"exportar " + pc + " -o x.bmp --zona 1,2,3", "Valor incorrecto para --zona"},
        {"exportar " + pc + " -o d --trozos --zona 1,1,5,5", "--zona no se puede usar con --trozos."},
        {"exportar " + pc + " -o x.bmp --negrita", "Opción desconocida: --negrita."},
    };
    for (const auto& [args, mensaje] : casos) {
        const Resultado r = ejecutar_lote(args);
        EXPECT_EQ(r.codigo, 2) << args;
        EXPECT_NE(r.errores.find(mensaje), std::string::npos) << args << "\n" << r.errores;
    }
}

TEST_F(LoteExportar, BmpDe24BitsPdfDeDosPaginasYTrozosNumerados) {
    Resultado r = ejecutar_lote("exportar " + comillas(ruta("cafe.pc")) + " -o " + comillas(ruta("cafe.bmp")) +
                                " --simbolos");
    ASSERT_EQ(r.codigo, 0) << r.errores;
    // Una sola línea que dice qué se escribió, y nada de los avisos internos de Qt.
    EXPECT_EQ(r.salida.rfind("Escrito " + ruta("cafe.bmp") + " (70 x ", 0), 0u) << r.salida;
    EXPECT_EQ(r.errores, "");
    const std::string bmp = leer_fichero(ruta("cafe.bmp"));
    ASSERT_GT(bmp.size(), 54u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(bmp[18]) | static_cast<unsigned char>(bmp[19]) << 8, 1200);
    EXPECT_EQ(static_cast<unsigned char>(bmp[28]), 24);

    r = ejecutar_lote("exportar " + comillas(ruta("cafe.pc")) + " -o " + comillas(ruta("cafe.pdf")) +
                      " --simbolos --comentario Taza");
    ASSERT_EQ(r.codigo, 0) << r.errores;
    const std::string pdf = leer_fichero(ruta("cafe.pdf"));
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);

    // 70 puntos de ancho y menos de 61 de alto: dos trozos, 1..61 y 11..70.
    r = ejecutar_lote("exportar " + comillas(ruta("cafe.pc")) + " -o " + comillas(ruta("trozos")) + " --trozos");
    ASSERT_EQ(r.codigo, 0) << r.errores;
    EXPECT_TRUE(fs::exists(ruta("trozos/1.bmp")));
    EXPECT_TRUE(fs::exists(ruta("trozos/2.bmp")));
    EXPECT_FALSE(fs::exists(ruta("trozos/3.bmp")));
}

TEST_F(LoteExportar, SalidaQueNoSePuedeEscribirSaleConUnoSinDejarNada) {
    for (const char* nombre : {"no_hay/x.bmp", "no_hay/x.pdf"}) {
        const Resultado r = ejecutar_lote("exportar " + comillas(ruta("cafe.pc")) + " -o " + comillas(ruta(nombre)));
        EXPECT_EQ(r.codigo, 1) << nombre;
        EXPECT_NE(r.errores.find("Cannot create file"), std::string::npos) << r.errores;
    }
    EXPECT_FALSE(fs::exists(ruta("no_hay")));
}

}  // namespace
}  // namespace pc::prueba
