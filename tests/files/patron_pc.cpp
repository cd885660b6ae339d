// El fichero de patrón: bytes exactos del formato binario, idas y vueltas, versiones, los
// dos formatos de texto y ficheros cortados o corruptos.
#include <gtest/gtest.h>

#include "app/errores.h"
#include "app/ficheros.h"
#include "files/fichero_pc.h"
#include "tests/files/ayuda_ficheros.h"

namespace pc {
namespace {

using prueba::cabecera_pc;
using prueba::tanda;

const Color kRojo = 0x0000FF;

std::unique_ptr<Estado> estado_nuevo() {
    auto e = crear_estado();
    valores_iniciales(*e);
    return e;
}

// Tapiz de ancho × alto con colores que cambian y sin perfiles.
void llenar(Estado& e, int ancho, int alto, Color (*color)(int, int)) {
    e.ancho = std::to_string(ancho);
    e.alto = std::to_string(alto);
    for (int x = 1; x <= ancho; ++x)
        for (int y = 1; y <= alto; ++y) {
            e.punto(x, y).color = color(x, y);
            e.punto(x, y).perfil = {-1, -1, -1, -1};
        }
}

std::string runs(const std::string& fichero) { return fichero.substr(359); }

TEST(PatronBinario, UnPuntoRojoSonLos367BytesEsperados) {
    auto e = estado_nuevo();
    llenar(*e, 1, 1, [](int, int) { return kRojo; });
    const std::string b = codificar_pc(*e, 1, 1);
    ASSERT_EQ(b.size(), 367u);
    EXPECT_EQ(b.substr(0, 15), std::string("Versi\xF3n 1.60   "));
    EXPECT_EQ(b.substr(15, 336), std::string(336, '\0'));
    EXPECT_EQ(b.substr(351, 8), std::string("\x01\0\0\0\x01\0\0\0", 8));
    EXPECT_EQ(runs(b), std::string("\x00\xFF\xFF\xFF\x01\xFF\x00\x00", 8));
}

TEST(PatronBinario, TandasLargasCruzanFilasYSeCortanPorPerfiles) {
    auto e = estado_nuevo();
    // 300 iguales en una fila: 255 + 45.
    llenar(*e, 300, 1, [](int, int) { return rgb(1, 2, 3); });
    EXPECT_EQ(runs(codificar_pc(*e, 300, 1)), std::string("\x00\xFF\xFF\xFF\xFF\x01\x02\x03\x2D\x01\x02\x03", 12));
    // 3 x 2 del mismo color: una sola tanda de 6 que salta de fila.
    llenar(*e, 3, 2, [](int, int) { return rgb(9, 8, 7); });
    EXPECT_EQ(runs(codificar_pc(*e, 3, 2)), std::string("\x00\xFF\xFF\xFF\x06\x09\x08\x07", 8));
    // Mismo color, pero el segundo punto tiene perfil abajo: dos tandas del mismo color.
    e->punto(2, 1).lado(kAbajo) = 0;
    EXPECT_EQ(runs(codificar_pc(*e, 3, 2)),
              std::string("\x00\xFF\xFF\xFF\x01\x09\x08\x07\x01\x09\x08\x07\x04\x09\x08\x07", 16));
    // La versión se corta a 15 caracteres.
    e->version = "Versión 1.60 de pruebas";
    EXPECT_EQ(codificar_pc(*e, 3, 2).substr(0, 15), std::string("Versi\xF3n 1.60 de"));
}

TEST(PatronBinario, IdaYVueltaConservaColoresYTamanoYQuitaPerfiles) {
    struct Caso {
        int ancho, alto;
        Color (*color)(int, int);
    };
    const Caso casos[] = {
        {1, 1, [](int, int) { return kRojo; }},
        {3, 2, [](int x, int y) { return rgb(x * 40, y * 70, 5); }},
        {255, 1, [](int, int) { return rgb(0, 0, 200); }},
        {300, 1, [](int x, int) { return x <= 280 ? rgb(4, 4, 4) : rgb(5, 5, 5); }},
        {700, 700, [](int x, int y) { return rgb(x % 7 == 0 ? x : 3, y / 300, (x * y) % 251); }},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::to_string(c.ancho) + " x " + std::to_string(c.alto));
        auto a = estado_nuevo();
        llenar(*a, c.ancho, c.alto, c.color);
        a->punto(1, 1).lado(kDerecha) = rgb(1, 1, 1);  // el perfil no se guarda
        const std::string bytes = codificar_pc(*a, c.ancho, c.alto);

        auto b = estado_nuevo();
        prueba::marcar_centinela(*b);
        leer_pc_binario(*b, bytes);
        EXPECT_EQ(b->ancho, std::to_string(c.ancho));
        EXPECT_EQ(b->alto, std::to_string(c.alto));
        int distintos = 0;
        for (int x = 1; x <= c.ancho; ++x)
            for (int y = 1; y <= c.alto; ++y) {
                const Punto& p = b->punto(x, y);
                if (p.color != c.color(x, y) || p.perfil != std::array<Color, 4>{-1, -1, -1, -1}) ++distintos;
            }
        EXPECT_EQ(distintos, 0);
        prueba::fuera_intacto(*b, c.ancho, c.alto);
    }
}

TEST(PatronBinario, PruebaDeVersion) {
    auto e = estado_nuevo();
    e->ancho = "12";
    e->alto = "34";
    std::string b = cabecera_pc("Versi\xF3n 1.40", 1, 1);
    tanda(b, 1, 255, 0, 0);
    try {
        leer_pc_binario(*e, b);
        FAIL() << "se aceptó la versión 1.40";
    } catch (const ErrorVersionPc& err) {
        EXPECT_STREQ(err.what(), "ERROR en la versión del fichero");
    }
    EXPECT_EQ(e->ancho, "12");
    EXPECT_EQ(e->alto, "34");

    // Coma como separador decimal; y una etiqueta sin la palabra no se comprueba.
    for (const char* etiqueta : {"Versi\xF3n 1,50", "Mi programa 0.1", "Versi\xF3n 2.00"}) {
        std::string ok = cabecera_pc(etiqueta, 1, 1);
        tanda(ok, 1, 0, 255, 0);
        EXPECT_NO_THROW(leer_pc_binario(*e, ok)) << etiqueta;
        EXPECT_EQ(e->punto(1, 1).color, rgb(0, 255, 0));
    }

    // Un número de versión que no es un número es un error de formato, no de versión.
    std::string mal = cabecera_pc("Versi\xF3n x.yz", 1, 1);
    tanda(mal, 1, 0, 0, 0);
    try {
        leer_pc_binario(*e, mal);
        FAIL();
    } catch (const ErrorVersionPc&) {
        FAIL() << "tomado por versión antigua";
    } catch (const ErrorFormato&) {
    }
}

TEST(PatronBinario, CortadoOCorruptoNuncaSaleDelTapiz) {
    auto e = estado_nuevo();
    std::string bueno = cabecera_pc("Versi\xF3n 1.60", 2, 2);
    tanda(bueno, 0, 255, 255, 255);
    tanda(bueno, 3, 10, 20, 30);
    tanda(bueno, 1, 40, 50, 60);

    // Cualquier corte: o se lee (cortado justo entre tandas) o es un error de formato.
    for (std::size_t n = 0; n < bueno.size(); ++n) {
        SCOPED_TRACE(n);
        prueba::marcar_centinela(*e);
        const std::string trozo = bueno.substr(0, n);
        const bool entre_tandas = n >= 359 && (n - 359) % 4 == 0;
        if (entre_tandas) {
            EXPECT_NO_THROW(leer_pc_binario(*e, trozo));
        } else {
            EXPECT_THROW(leer_pc_binario(*e, trozo), ErrorFormato);
        }
        prueba::fuera_intacto(*e, 2, 2);
    }

    // Sólo tandas vacías: el tapiz no se toca.
    std::string vacias = cabecera_pc("", 2, 2);
    tanda(vacias, 0, 1, 2, 3);
    tanda(vacias, 0, 4, 5, 6);
    prueba::marcar_centinela(*e);
    EXPECT_NO_THROW(leer_pc_binario(*e, vacias));
    EXPECT_EQ(e->punto(1, 1).color, prueba::kCentinela);

    // Más puntos de los que caben: error y nada fuera; lo anterior se queda.
    std::string largo = cabecera_pc("", 2, 2);
    tanda(largo, 2, 1, 1, 1);
    tanda(largo, 3, 2, 2, 2);
    prueba::marcar_centinela(*e);
    EXPECT_THROW(leer_pc_binario(*e, largo), ErrorFormato);
    EXPECT_EQ(e->punto(2, 1).color, rgb(1, 1, 1));
    prueba::fuera_intacto(*e, 2, 2);

    // Tamaños imposibles.
    for (auto [alto, ancho] : {std::pair{0, 5}, {5, 701}, {-3, 2}, {2, 2147483647}}) {
        std::string b = cabecera_pc("", alto, ancho);
        tanda(b, 1, 0, 0, 0);
        prueba::marcar_centinela(*e);
        EXPECT_THROW(leer_pc_binario(*e, b), ErrorFormato);
        prueba::fuera_intacto(*e, 0, 0);
    }
}

TEST(PatronTexto, Version12ConComentariosLineasVaciasYPerfiles) {
    auto e = estado_nuevo();
    prueba::marcar_centinela(*e);
    leer_pc_ver12(*e, leer_fichero(std::string(PC_DATOS_PRUEBA) + "/patron_ver12.pc"));
    EXPECT_EQ(e->alto, "2");
    EXPECT_EQ(e->ancho, "3");
    ASSERT_EQ(e->paleta.total, 5);
    EXPECT_EQ(e->paleta[4].color, rgb(10, 20, 30));
    // "3:2;1-4 3-5": tres puntos del color 2 con perfil arriba del 4 y abajo del 5.
    for (int x = 1; x <= 3; ++x) {
        const Punto& p = e->punto(x, 1);
        EXPECT_EQ(p.color, rgb(0, 128, 0));
        EXPECT_EQ(p.perfil, (std::array<Color, 4>{rgb(10, 20, 30), -1, rgb(200, 100, 50), -1}));
    }
    EXPECT_EQ(e->punto(1, 2).color, rgb(255, 0, 0));
    EXPECT_EQ(e->punto(2, 2).perfil, (std::array<Color, 4>{-1, -1, -1, -1}));
    // "1:3;2-1 4-2" tras una línea vacía.
    EXPECT_EQ(e->punto(3, 2).color, rgb(0, 0, 255));
    EXPECT_EQ(e->punto(3, 2).perfil, (std::array<Color, 4>{-1, rgb(255, 0, 0), -1, rgb(0, 128, 0)}));
    prueba::fuera_intacto(*e, 3, 2);
}

TEST(PatronTexto, Version12RechazaLoQueNoCabeONoExiste) {
    const std::string cabeza = "1\n2\n2\n1. R:1 G:2 B:3\n2. R:4 G:5 B:6\n";
    struct Caso {
        const char* que;
        std::string texto;
    };
    const Caso casos[] = {
        {"entrada 0", cabeza + "1:0\n"},
        {"entrada N+1", cabeza + "1:3\n"},
        {"perfil con entrada fuera", cabeza + "1:1;2-7\n"},
        {"lado 5", cabeza + "1:1;5-1\n"},
        {"lado 0", cabeza + "1:1;0-1\n"},
        {"más puntos que el tapiz", cabeza + "2:1\n1:2\n"},
        {"largo negativo", cabeza + "-1:1\n"},
        {"sin dos puntos", cabeza + "2 1\n"},
        {"601 colores", "1\n1\n601\n"},
        {"acaba en la lista de colores", "1\n2\n3\n1. R:1 G:2 B:3\n"},
        {"acaba antes del ancho", "; sólo alto\n1\n"},
        {"color sin G", "1\n1\n1\n1. R:1 X:2 B:3\n"},
        {"alto 701", "701\n1\n0\n"},
        {"ancho no numérico", "1\nuno\n0\n"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        auto e = estado_nuevo();
        prueba::marcar_centinela(*e);
        EXPECT_THROW(leer_pc_ver12(*e, c.texto), Error);
        prueba::fuera_intacto(*e, 2, 1);
    }
    // Menos puntos que el tapiz no es un error: lo demás se queda como estaba.
    auto e = estado_nuevo();
    prueba::marcar_centinela(*e);
    EXPECT_NO_THROW(leer_pc_ver12(*e, cabeza + "1:2\n"));
    EXPECT_EQ(e->punto(1, 1).color, rgb(4, 5, 6));
    EXPECT_EQ(e->punto(2, 1).color, prueba::kCentinela);
}

TEST(PatronTexto, FormatoViejo) {
    auto e = estado_nuevo();
    prueba::marcar_centinela(*e);
    leer_pc_viejo(*e, leer_fichero(std::string(PC_DATOS_PRUEBA) + "/patron_viejo.pc"));
    EXPECT_EQ(e->ancho, "2");
    EXPECT_EQ(e->alto, "2");
    EXPECT_EQ(e->punto(1, 1).color, rgb(255, 0, 0));
    EXPECT_EQ(e->punto(2, 1).color, rgb(0, 255, 0));
    EXPECT_EQ(e->punto(1, 2).color, rgb(0, 0, 255));
    EXPECT_EQ(e->punto(2, 2).color, rgb(255, 255, 255));
    EXPECT_EQ(e->punto(2, 2).perfil[1], -1);
    prueba::fuera_intacto(*e, 2, 2);

    for (const char* malo : {"2\n2\n1\n2\n3\n", "2\n2\n1\n2\nrojo\n4\n", "1\n1\n-1\n", "1\n1\n16777216\n",
                             "0\n3\n1\n", "1\n"}) {
        SCOPED_TRACE(malo);
        prueba::marcar_centinela(*e);
        EXPECT_THROW(leer_pc_viejo(*e, malo), Error);
        prueba::fuera_intacto(*e, 2, 2);
    }
    // Lo que sobra tras el último punto no se lee.
    EXPECT_NO_THROW(leer_pc_viejo(*e, "1\n1\n255\nbasura\n"));
    EXPECT_EQ(e->punto(1, 1).color, rgb(255, 0, 0));
}

}  // namespace
}  // namespace pc
