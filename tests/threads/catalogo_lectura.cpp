// Lectura del formato de texto de los catálogos de hilos.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/errores.h"
#include "app/tipos.h"
#include "threads/catalogo.h"

namespace pc {
namespace {

struct Lectura {
    TablaHilos tabla;
    std::array<std::string, kColumnasCatalogo + 1> titulos{};
    void leer(const std::vector<std::string>& lineas) { leer_catalogo(lineas, tabla, titulos); }
    // Mensaje del error de conversión, o "" si no lo hubo.
    std::string leer_con_error(const std::vector<std::string>& lineas) {
        try {
            leer(lineas);
        } catch (const ErrorConversion& e) {
            return e.what();
        }
        return "";
    }
};

TEST(CatalogoLectura, LineasDeHiloComentariosYMarcas) {
    Lectura l;
    l.leer({
        "; comentario",
        "",
        "1 R:1 G:2 B:3",                 // antes de la primera marca: columna 0
        "   ;COLUMNA 7   ",             // marca con blancos delante y detrás
        ";776   R:244 G:160 B:176",     // hilo comentado
        "762   R:212 G:212 B:212 ;Grises ARREGLADO a MANO",
        "3712  R:212 G:84  B:92",
        "3712 R:212 G:84 B:92",         // blancos sencillos: la misma entrada
        "\t-2    R:252 G:251 B:248\r",
    });
    ASSERT_EQ(l.tabla.total, 5);
    EXPECT_EQ(l.tabla[1].numero, 1);
    EXPECT_EQ(l.tabla[1].color, 1 + 2 * 256 + 3 * 65536);
    EXPECT_EQ(l.tabla[1].columna, 0);
    EXPECT_EQ(l.tabla[2].numero, 762);
    EXPECT_EQ(l.tabla[2].color, 212 + 212 * 256 + 212 * 65536);
    EXPECT_EQ(l.tabla[2].columna, 7);
    EXPECT_EQ(l.tabla[3].color, l.tabla[4].color);
    EXPECT_EQ(l.tabla[3].numero, l.tabla[4].numero);
    EXPECT_EQ(l.tabla[3].color, 212 + 84 * 256 + 92 * 65536);
    EXPECT_EQ(l.tabla[5].numero, -2);
    EXPECT_EQ(l.tabla[5].color, 252 + 251 * 256 + 248 * 65536);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_TRUE(l.tabla[i].activo);
        EXPECT_FALSE(l.tabla[i].bloqueado);
    }
    EXPECT_EQ(l.titulos[7], "COLUMNA 7");
}

TEST(CatalogoLectura, NumeroDeColumnaSoloDosCaracteres) {
    Lectura l;
    l.leer({";COLUMNA 123", "5 R:0 G:0 B:0", ";COLUMNA 7 palabra", "6 R:0 G:0 B:1",
            ";xx COLUMNA   -3  ", "7 R:0 G:0 B:2", ";COLUMNA 25", "8 R:0 G:0 B:3"});
    ASSERT_EQ(l.tabla.total, 4);
    EXPECT_EQ(l.tabla[1].columna, 12);
    EXPECT_EQ(l.tabla[2].columna, 7);
    EXPECT_EQ(l.tabla[3].columna, -3);
    EXPECT_EQ(l.tabla[4].columna, 25);
    EXPECT_EQ(l.titulos[12], "COLUMNA 123");
    EXPECT_EQ(l.titulos[7], "COLUMNA 7 palabra");
    // Fuera de 1..19 no hay casilla: los títulos que había no cambian.
    EXPECT_EQ(l.titulos[0], "");
}

TEST(CatalogoLectura, PosicionesDeLasLetras) {
    Lectura l;
    l.leer({
        "5 R:150G:1 B:2",     // el carácter antes de G se quita siempre: rojo 15
        "6 R:256 G:-1 B:511", // sólo los 8 bits bajos
        "7 Rx9 Gy8 Bz7",      // la letra y el carácter siguiente se saltan, sean los que sean
        "8 R€150 G:1 B:2",    // un carácter de varios bytes cuenta como uno
    });
    ASSERT_EQ(l.tabla.total, 4);
    EXPECT_EQ(l.tabla[1].color, 15 + 1 * 256 + 2 * 65536);
    EXPECT_EQ(l.tabla[2].color, 0 + 255 * 256 + 255 * 65536);
    EXPECT_EQ(l.tabla[3].color, 9 + 8 * 256 + 7 * 65536);
    EXPECT_EQ(l.tabla[4].color, 150 + 1 * 256 + 2 * 65536);
}

TEST(CatalogoLectura, ErrorDeConversionDejaLasEntradasAnteriores) {
    Lectura l;
    EXPECT_EQ(l.leer_con_error({"1 R:1 G:1 B:1", "2 R:2 G:2 B:2", "3 R:  x1 G:3 B:3", "4 R:4 G:4 B:4"}),
              "'x1' is not a valid integer value");
    EXPECT_EQ(l.tabla.total, 2);  // la línea que falla no cuenta
    EXPECT_EQ(l.tabla[2].numero, 2);

    EXPECT_EQ(l.leer_con_error({"1 R:1 G:1 B:1", "hola"}), "'' is not a valid integer value");
    EXPECT_EQ(l.tabla.total, 1);
    EXPECT_EQ(l.leer_con_error({"1 R:1 G:1"}), "'' is not a valid integer value");
    EXPECT_EQ(l.tabla.total, 0);
    EXPECT_EQ(l.leer_con_error({"1 R:1 G:1 B:1 x"}), "'1 x' is not a valid integer value");
    EXPECT_EQ(l.leer_con_error({"9 R:1 G:1 B:99999999999"}), "'99999999999' is not a valid integer value");
    // Un número de hilo con letras de color desplaza los campos y falla.
    EXPECT_EQ(l.leer_con_error({"B5200 R:1 G:1 B:1"}), "'B5200' is not a valid integer value");
    // Una marca sin número detiene la lectura.
    EXPECT_EQ(l.leer_con_error({"1 R:1 G:1 B:1", ";COLUMNA", "2 R:1 G:1 B:2"}),
              "'' is not a valid integer value");
    EXPECT_EQ(l.tabla.total, 1);
    EXPECT_EQ(l.leer_con_error({";COLUMNA x5"}), "'x5' is not a valid integer value");
}

TEST(CatalogoLectura, TextoVacioYTablaLlena) {
    Lectura l;
    l.tabla.total = 17;
    l.leer({});
    EXPECT_EQ(l.tabla.total, 0);

    std::vector<std::string> muchas;
    for (int i = 1; i <= 650; ++i) muchas.push_back(std::to_string(i) + " R:1 G:2 B:3");
    muchas.push_back("roto");  // más allá de los 600 ya no se lee
    l.leer(muchas);
    EXPECT_EQ(l.tabla.total, 600);
    EXPECT_EQ(l.tabla[600].numero, 600);
}

}  // namespace
}  // namespace pc
