#include "app/texto.h"

#include <gtest/gtest.h>

#include "app/errores.h"

namespace pc {
namespace {

TEST(Entero, AceptaEnterosConSignoYBlancosAlrededor) {
    EXPECT_EQ(entero("60"), 60);
    EXPECT_EQ(entero(" -12 "), -12);
    EXPECT_EQ(entero("+7"), 7);
    EXPECT_EQ(entero("2147483647"), 2147483647);
    EXPECT_EQ(entero("-2147483648"), -2147483647 - 1);
}

TEST(Entero, RechazaLoQueNoEsUnEnteroConElMensajeEstandar) {
    for (const char* malo : {"", " ", "abc", "12a", "1.5", "-", "+", "2147483648", "9999999999999"}) {
        try {
            entero(malo);
            ADD_FAILURE() << "se aceptó '" << malo << "'";
        } catch (const ErrorConversion& e) {
            EXPECT_EQ(std::string(e.what()), std::string("'") + malo + "' is not a valid integer value");
        }
    }
}

TEST(Dividir, TruncaHaciaCeroYNoDividePorCero) {
    EXPECT_EQ(dividir(7, 2), 3);
    EXPECT_EQ(dividir(-7, 2), -3);
    EXPECT_THROW(dividir(5, 0), ErrorAritmetico);
}

TEST(Redondear, MitadesAlPar) {
    EXPECT_EQ(redondear(0.5L), 0);
    EXPECT_EQ(redondear(1.5L), 2);
    EXPECT_EQ(redondear(2.5L), 2);
    EXPECT_EQ(redondear(-2.5L), -2);
    EXPECT_EQ(redondear(4.5L), 4);
    EXPECT_EQ(redondear(25.5L), 26);
    EXPECT_EQ(redondear(2.4999L), 2);
}

TEST(Codificacion, Windows1252IdaYVuelta) {
    const std::string utf8 = "Versión año €";
    const std::string cp = utf8_a_cp1252(utf8);
    EXPECT_EQ(cp, "Versi\xF3n a\xF1o \x80");
    EXPECT_EQ(cp1252_a_utf8(cp), utf8);
    EXPECT_TRUE(es_utf8_valido(utf8));
    EXPECT_FALSE(es_utf8_valido(cp));
    EXPECT_EQ(decodificar(cp), utf8);
    EXPECT_EQ(decodificar(utf8), utf8);
    EXPECT_EQ(decodificar("\xEF\xBB\xBFhola"), "hola");
    // Lo que no existe en Windows-1252 se escribe como '?'.
    EXPECT_EQ(utf8_a_cp1252("a→b"), "a?b");
    // Secuencias demasiado largas o cortadas no son UTF-8.
    EXPECT_FALSE(es_utf8_valido("\xC0\xAF"));
    EXPECT_FALSE(es_utf8_valido("\xE2\x82"));
}

TEST(Lineas, PartirAdmiteTodosLosSaltos) {
    EXPECT_EQ(partir_lineas("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(partir_lineas("a\n\nb\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(partir_lineas("").empty());
    EXPECT_EQ(recortar(" \t x y \r\n"), "x y");
}

TEST(Utf8, LongitudYSubcadenaPorCaracteres) {
    EXPECT_EQ(longitud_utf8("año"), 3u);
    EXPECT_EQ(subcadena_utf8("Versión 1.60", 8, 3), "1.6");
    EXPECT_EQ(subcadena_utf8("ñandú", 3, 10), "dú");
    EXPECT_EQ(subcadena_utf8("abc", 5, 2), "");
}

}  // namespace
}  // namespace pc
