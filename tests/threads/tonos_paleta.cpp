// Paletas derivadas: contraste, brillo y RGB, escritas en Memo1 como texto de catálogo que
// se vuelve a leer como paleta personalizada.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "tests/comun/paleta_apoyo.h"
#include "ordenes/hilos/catalogo.h"
#include "ordenes/hilos/tonos.h"
#include "threads/tonos.h"

namespace pc::prueba {
namespace {

namespace fs = std::filesystem;

std::string linea_de(const std::vector<std::string>& memo, const std::string& prefijo) {
    for (const std::string& l : memo)
        if (l.rfind(prefijo, 0) == 0) return l;
    return "(no está)";
}

TEST(Tonos, FormulasConTruncadoYLimites) {
    EXPECT_EQ(canal_contraste(246, 20), 255);  // 264 se limita
    EXPECT_EQ(canal_contraste(186, 20), 195);  // 195.06
    EXPECT_EQ(canal_contraste(190, 20), 199);  // 199.69
    EXPECT_EQ(canal_contraste(100, 20), 95);   // 95.6
    EXPECT_EQ(canal_contraste(128, 20), 128);
    EXPECT_EQ(canal_contraste(246, -20), 227);
    EXPECT_EQ(canal_contraste(2, -20), 21);    // 21.6: hacia cero
    EXPECT_EQ(canal_contraste(127, -2000000000), 255);
    EXPECT_EQ(canal_desplazado(2, -20), 0);
    EXPECT_EQ(canal_desplazado(250, 2147483647LL), 255);
}

TEST(Tonos, ContrasteYBrilloDeLaPaletaDmc) {
    Banco b;
    b.d.responder("20");
    b.v.memo = {"lo de antes"};
    contraste_paleta(b.s);
    ASSERT_EQ(b.d.llamadas().size(), 1u);
    EXPECT_EQ(b.d.llamadas()[0].titulo, "Generación de PALETA con más contraste");
    EXPECT_EQ(b.d.llamadas()[0].texto, "1..100");
    ASSERT_EQ(b.v.memo.size(), 420u + 18u);
    EXPECT_EQ(b.v.memo[0], ";COLUMNA 1");
    EXPECT_EQ(b.v.memo[1], "3713 R:255 G:195 B:199");
    EXPECT_EQ(std::count(b.v.memo.begin(), b.v.memo.end(), ""), 0);
    EXPECT_EQ(b.v.visor_mostrado, 0);

    b.d.cancelar_entrada();  // el valor por defecto, 20
    brillo_paleta(b.s);
    EXPECT_EQ(b.d.llamadas()[1].titulo, "Generación de PALETA con otro BRILLO");
    EXPECT_EQ(b.d.llamadas()[1].texto, "-100..100");
    EXPECT_EQ(b.v.memo[0], "");
    EXPECT_EQ(b.v.memo[1], ";COLUMNA 1");
    EXPECT_EQ(b.v.memo.size(), 420u + 36u);
    EXPECT_EQ(b.v.memo.back(), "310 R:22 G:22 B:22");
    b.d.responder("-20");
    brillo_paleta(b.s);
    EXPECT_EQ(linea_de(b.v.memo, "-2 "), "-2 R:232 G:231 B:228");
}

TEST(Tonos, RespuestaNoNumericaParaAntesDeTocarMemo1) {
    Banco b;
    b.v.memo = {"lo de antes"};
    b.d.responder("5").responder("x1");
    EXPECT_FALSE(b.orden([&] { modifica_rgb(b.s); }));
    EXPECT_EQ(b.d.errores(), std::vector<std::string>{"'x1' is not a valid integer value"});
    ASSERT_EQ(b.d.llamadas().size(), 3u);  // ROJO, VERDE y el error: AZUL no se pregunta
    EXPECT_EQ(b.d.llamadas()[1].texto, "VERDE (-100..100)");
    EXPECT_EQ(b.v.memo, std::vector<std::string>{"lo de antes"});
}

// Lo escrito en Memo1 se graba en un fichero y se lee como paleta DMC personalizada.
void releer(Banco& b, const std::vector<std::string>& memo) {
    const fs::path f = fs::temp_directory_path() / ("pc_tonos_" + std::to_string(::getpid()) + ".dat");
    {
        std::ofstream o(f, std::ios::binary);
        for (const std::string& l : memo) o << l << "\r\n";
    }
    b.d.fichero(f.string());
    lee_paleta_dmc(b.s);
    fs::remove(f);
}

TEST(Tonos, ElTextoDerivadoSeLeeComoPaletaPersonalizada) {
    Banco b;
    const TablaHilos antes = b.e.hilos;
    b.d.responder("10").responder("-10").responder("300");
    modifica_rgb(b.s);
    EXPECT_EQ(b.d.llamadas()[0].titulo, "Generación de PALETA cambiando RGB");
    EXPECT_EQ(b.d.llamadas()[2].texto, "AZUL (-100..100)");
    EXPECT_EQ(b.e.hilos.total, 420);  // la paleta activa no cambia
    releer(b, b.v.memo);
    ASSERT_EQ(b.e.hilos.total, 420);
    for (int i = 1; i <= 420; ++i) {
        const Hilo& h = b.e.hilos[i];
        const Hilo& a = antes[i];
        ASSERT_EQ(h.numero, a.numero) << i;
        ASSERT_EQ(h.columna, a.columna) << i;
        ASSERT_EQ(h.color, rgb(limitar(rojo(a.color) + 10), limitar(verde(a.color) - 10), 255)) << i;
    }

    // Contraste de una paleta con hilos antes de la primera columna y una columna sin casilla.
    b.e.texto_dmc = {"5 R:100 G:128 B:200", ";COLUMNA 3 mis rojos", "6 R:0 G:1 B:255", ";COLUMNA 25",
                     "7 R:150 G:60 B:9"};
    cargar_catalogo(b.s, "DMC", b.e.hilos);
    const TablaHilos propia = b.e.hilos;
    b.d.responder("40");
    contraste_paleta(b.s);
    EXPECT_EQ(b.v.memo, (std::vector<std::string>{"5 R:91 G:128 B:222", ";COLUMNA 3", "6 R:0 G:0 B:255",
                                                  ";COLUMNA 25", "7 R:156 G:38 B:0"}));
    b.d.responder("0");
    brillo_paleta(b.s);
    EXPECT_EQ(b.v.memo[2], ";COLUMNA 3 mis rojos");
    EXPECT_EQ(b.v.memo[5], ";COLUMNA 25");
    releer(b, b.v.memo);
    ASSERT_EQ(b.e.hilos.total, 3);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(b.e.hilos[i].columna, propia[i].columna);
        EXPECT_EQ(b.e.hilos[i].color, propia[i].color);
    }
}

}  // namespace
}  // namespace pc::prueba
