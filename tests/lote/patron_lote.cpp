// puntocruz-lote patron: opciones malas (código 2), el cuadernillo escrito con su línea
// "Escrito", una salida que no se puede escribir (código 1, nada a medias); y lo mendado de
// exportar: --catalogo y un tapiz de una fila cortado en trozos.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/ficheros.h"
#include "tests/comun/cafe_generado.h"
#include "tests/comun/proceso.h"

namespace pc::prueba {
namespace {

namespace fs = std::filesystem;

using LotePatron = CafeGenerado<40>;

TEST_F(LotePatron, OpcionesMalasSalenConDos) {
    const std::string pc = comillas(ruta("cafe.pc"));
    const std::pair<std::string, std::string> casos[] = {
        {"patron " + pc + " -o x.png", "La salida debe acabar en .pdf."},
        {"patron " + pc + " -o x.pdf --celda 1,5", "Valor incorrecto para --celda: '1,5' (debe ser un número de 2,0 a 10,0)."},
        {"patron " + pc + " -o x.pdf --celda tres", "Valor incorrecto para --celda: 'tres'"},
        // Sólo cifras con coma o punto decimal, como dice la ayuda: ni hexadecimal ni exponente.
        {"patron " + pc + " -o x.pdf --celda 0x5", "Valor incorrecto para --celda: '0x5' (debe ser un número de 2,0 a 10,0)."},
        {"patron " + pc + " -o x.pdf --celda 1e1", "Valor incorrecto para --celda: '1e1'"},
        {"patron " + pc + " -o x.pdf --celda 2,5.0", "Valor incorrecto para --celda: '2,5.0'"},
        {"patron " + pc + " -o x.pdf --solape 11", "Valor incorrecto para --solape: '11'"},
        {"patron " + pc + " -o x.pdf --hebras 0", "Valor incorrecto para --hebras: '0'"},
        {"patron " + pc + " -o x.pdf --tela 100", "Valor incorrecto para --tela: '100'"},
        {"patron " + pc + " -o x.pdf --hebras-perfil 7", "Valor incorrecto para --hebras-perfil: '7'"},
        {"patron " + pc + " -o x.pdf --margen-tela 21", "Valor incorrecto para --margen-tela: '21'"},
        {"patron " + pc + " -o x.pdf --margen-tela 1e300", "Valor incorrecto para --margen-tela"},
        {"patron " + pc + " -o x.pdf --modo gris", "Modo desconocido: 'gris' (debe ser ambos, simbolos o color)."},
        {"patron " + pc + " -o x.pdf --papel A3", "Papel desconocido: 'A3' (debe ser A4 o Carta)."},
        {"patron " + pc + " -o x.pdf --catalogo XYZ", "Catálogo desconocido: 'XYZ'"},
        {"patron " + pc + " -o x.pdf --zona 1,2", "Valor incorrecto para --zona"},
        {"exportar " + pc + " -o x.bmp --catalogo XYZ", "Catálogo desconocido: 'XYZ'"},
    };
    for (const auto& [args, mensaje] : casos) {
        const Resultado r = ejecutar_lote(args);
        EXPECT_EQ(r.codigo, 2) << args;
        EXPECT_NE(r.errores.find(mensaje), std::string::npos) << args << "\n" << r.errores;
    }
}

TEST_F(LotePatron, EscribeElCuadernilloONadaSiNoPuede) {
    Resultado r = ejecutar_lote("patron " + comillas(ruta("cafe.pc")) + " -o " + comillas(ruta("cafe.pdf")) +
                                " --papel Carta --apaisado --celda 2,5 --tela 16 --hebras 3 --solape 0 --modo simbolos" +
                                " --titulo Taza --catalogo ANCHOR --zona 1,1,30,20");
    ASSERT_EQ(r.codigo, 0) << r.errores;
    // El tamaño y los colores del cuadernillo: los de la zona, no los del gráfico entero.
    EXPECT_EQ(r.salida.rfind("Escrito " + ruta("cafe.pdf") + " (30 x 20 puntos, ", 0), 0u) << r.salida;
    EXPECT_EQ(r.errores, "");
    const std::string pdf = leer_fichero(ruta("cafe.pdf"));
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
    EXPECT_NE(pdf.find("/MediaBox [0 0 792.000000 612.000000]"), std::string::npos);  // Carta apaisada

    r = ejecutar_lote("patron " + comillas(ruta("cafe.pc")) + " -o " + comillas(ruta("no_hay/x.pdf")));
    EXPECT_EQ(r.codigo, 1);
    EXPECT_NE(r.errores.find("No se puede escribir el patrón en \"" + ruta("no_hay/x.pdf") + "\"."), std::string::npos)
        << r.errores;
    EXPECT_EQ(r.salida, "");
    EXPECT_FALSE(fs::exists(ruta("no_hay")));
}

TEST_F(LotePatron, ExportarConCatalogoYTrozosQueNoCaben) {
    // Un tapiz ajustado a ANCHOR: su tabla de símbolos sólo nombra los hilos con --catalogo ANCHOR.
    Resultado r = ejecutar_lote("ajustar " + comillas(ruta("cafe.pc")) + " -o " + comillas(ruta("anchor.pc")) +
                                " --catalogo ANCHOR");
    ASSERT_EQ(r.codigo, 0) << r.errores;
    for (const char* catalogo : {"DMC", "ANCHOR"}) {
        r = ejecutar_lote("exportar " + comillas(ruta("anchor.pc")) + " -o " + comillas(ruta(std::string(catalogo) + ".bmp")) +
                          " --simbolos --catalogo " + catalogo);
        ASSERT_EQ(r.codigo, 0) << r.errores;
    }
    EXPECT_NE(leer_fichero(ruta("DMC.bmp")), leer_fichero(ruta("ANCHOR.bmp")));

    // Una sola fila no da ningún trozo: no se escribe nada ni se dice "Escrito".
    r = ejecutar_lote("generar " + comillas(std::string(PC_DATOS_PRUEBA) + "/coffee.bmp") + " -o " +
                      comillas(ruta("fila.pc")) + " --ancho 70 --alto 1");
    ASSERT_EQ(r.codigo, 0) << r.errores;
    r = ejecutar_lote("exportar " + comillas(ruta("fila.pc")) + " -o " + comillas(ruta("trozos")) + " --trozos");
    EXPECT_EQ(r.codigo, 1);
    EXPECT_EQ(r.salida, "");
    EXPECT_NE(r.errores.find("Ningún trozo de 60 x 60 cabe en un tapiz de 70 x 1 puntos"), std::string::npos)
        << r.errores;
    EXPECT_FALSE(fs::exists(ruta("trozos")));
}

}  // namespace
}  // namespace pc::prueba
