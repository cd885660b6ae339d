// El fichero para imprimir: bytes exactos, ida y vuelta y ficheros cortados.
#include <gtest/gtest.h>

#include "app/errores.h"
#include "files/fichero_pci.h"
#include "tests/files/ayuda_ficheros.h"

namespace pc {
namespace {

TEST(Impresion, TresPorDosSon32BytesConAltoPrimero) {
    auto e = crear_estado();
    e->punto(1, 1).color = rgb(255, 255, 255);
    e->punto(2, 1).color = rgb(255, 0, 0);
    e->punto(3, 1).color = rgb(0, 0, 255);
    e->punto(1, 2).color = rgb(1, 2, 3);
    e->punto(2, 2).color = 0;
    e->punto(3, 2).color = rgb(0, 255, 0);
    e->punto(4, 1).color = rgb(9, 9, 9);  // fuera del tapiz: no se escribe
    const std::string b = codificar_pci(*e, 3, 2);
    const std::string esperado("\x02\0\0\0\x03\0\0\0"
                               "\xFF\xFF\xFF\x00\xFF\x00\x00\x00\x00\x00\xFF\x00"
                               "\x01\x02\x03\x00\x00\x00\x00\x00\x00\xFF\x00\x00",
                               32);
    EXPECT_EQ(b, esperado);
}

TEST(Impresion, LecturaPorPartesYFicherosMalos) {
    auto a = crear_estado();
    for (int x = 1; x <= 5; ++x)
        for (int y = 1; y <= 4; ++y) a->punto(x, y).color = rgb(x * 50, y * 60, 7);
    std::string b = codificar_pci(*a, 5, 4);

    auto e = crear_estado();
    prueba::marcar_centinela(*e);
    int alto = 0, ancho = 0;
    leer_cabecera_pci(b + "sobra", alto, ancho);
    EXPECT_EQ(alto, 4);
    EXPECT_EQ(ancho, 5);
    leer_puntos_pci(*e, b + "sobra", alto, ancho);
    EXPECT_EQ(e->punto(5, 4).color, rgb(250, 240, 7));
    EXPECT_EQ(e->punto(3, 2).perfil, (std::array<Color, 4>{-1, -1, -1, -1}));
    prueba::fuera_intacto(*e, 5, 4);

    // Cortado a media fila: lo leído se queda, el resto no se toca.
    prueba::marcar_centinela(*e);
    const std::string corto = b.substr(0, 8 + 4 * 7 + 2);
    EXPECT_THROW(leer_puntos_pci(*e, corto, 4, 5), ErrorFormato);
    EXPECT_EQ(e->punto(2, 2).color, rgb(100, 120, 7));
    EXPECT_EQ(e->punto(3, 2).color, prueba::kCentinela);
    prueba::fuera_intacto(*e, 5, 4);

    // Cabeceras imposibles o cortadas.
    for (auto [h, w] : {std::pair{0, 3}, {3, 701}, {-1, 5}, {701, 701}}) {
        std::string c;
        prueba::int32(c, h);
        prueba::int32(c, w);
        EXPECT_THROW(leer_cabecera_pci(c, alto, ancho), ErrorFormato) << h << " x " << w;
    }
    EXPECT_THROW(leer_cabecera_pci(std::string("\x02\0\0\0\x03\0", 6), alto, ancho), ErrorFormato);

    // Un color con el byte alto puesto no es un color.
    std::string raro;
    prueba::int32(raro, 1);
    prueba::int32(raro, 1);
    prueba::int32(raro, -1);
    EXPECT_THROW(leer_puntos_pci(*e, raro, 1, 1), ErrorFormato);
}

}  // namespace
}  // namespace pc
