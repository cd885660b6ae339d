// Zona de trabajo, copia y pegado y perfilado como sesiones de usuario.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "ordenes/patron/zonas.h"
#include "tests/ordenes/patron/edicion_apoyo.h"

namespace pc::prueba {
namespace {

using Dibujo = std::vector<std::string>;
using Lados = std::vector<std::array<int, 3>>;
const Color kA = kLeyenda.at('A');
const Color kB = kLeyenda.at('B');
constexpr Color kPluma = rgb(1, 2, 3);

TEST(Zona, LasEsquinasSeMarcanConElBotonDerechoYLosRotulosLasMuestran) {
    BancoEdicion b;
    b.dibujo(Dibujo(8, std::string(9, 'A')));
    EXPECT_TRUE(b.e.rotulos.marcar_x1y1.empty());
    b.pulsar(7, 6);
    b.orden([&] { marcar_x1y1(b.s); });
    b.pulsar(2, 3);
    b.orden([&] { marcar_x2y2(b.s); });
    EXPECT_EQ(b.e.zona_x1 + "," + b.e.zona_y1 + " " + b.e.zona_x2 + "," + b.e.zona_y2, "7,6 2,3");
    EXPECT_EQ(b.e.rotulos.marcar_x1y1, "Marcar (X1,Y1)--> (7,6)");
    EXPECT_EQ(b.e.rotulos.marcar_x2y2, "Marcar (X2,Y2)--> (2,3)");

    // Los tres rótulos del modo de zona, con la "Tapiz" en minúsculas tal cual.
    EXPECT_TRUE(b.e.rotulos.cambiar.empty());
    b.orden([&] { conmutar_zona(b.s); });
    EXPECT_TRUE(b.e.en_zona);
    EXPECT_EQ(b.e.rotulos.cambiar, "Cambiar Color ORIGEN por DESTINO (ZONA)");
    EXPECT_EQ(b.e.rotulos.aclarar_tapiz, "Aclarar el TAPIZ (ZONA)");
    EXPECT_EQ(b.e.rotulos.oscurecer_tapiz, "Oscurecer el TAPIZ (ZONA)");
    b.orden([&] { conmutar_zona(b.s); });
    EXPECT_EQ(b.e.rotulos.cambiar, "Cambiar Color ORIGEN por DESTINO (TODO)");
    EXPECT_EQ(b.e.rotulos.aclarar_tapiz, "Aclarar el Tapiz (TODO)");
    EXPECT_EQ(b.e.rotulos.oscurecer_tapiz, "Oscurecer el TAPIZ (TODO)");
}

TEST(Zona, CopiarYPegarLlevaLosColoresSalvoLosCasiBlancosYSeRecortaAlTapiz) {
    BancoEdicion b;
    Dibujo d(25, std::string(14, '.'));
    d[3].replace(2, 3, "AWB");
    d[4].replace(2, 3, "vAB");
    d[5].replace(2, 3, "BBA");
    for (int y = 19; y <= 21; ++y) d[static_cast<std::size_t>(y)].replace(9, 3, "NNN");
    b.dibujo(d);
    b.e.punto(11, 20).perfil = {kPluma, kPluma, kPluma, kPluma};
    b.pulsar(3, 4);
    b.orden([&] { marcar_x1y1(b.s); });
    b.pulsar(5, 6);
    b.orden([&] { marcar_x2y2(b.s); });
    EXPECT_TRUE(b.orden([&] { copiar_zona(b.s); }));
    EXPECT_EQ(b.e.copia_ancho, 2);
    EXPECT_EQ(b.e.copia_alto, 2);

    b.d.responder("10").responder("20");
    EXPECT_TRUE(b.orden([&] { pegar_en(b.s); }));
    ASSERT_EQ(b.d.llamadas().size(), 2u);
    EXPECT_EQ(b.d.llamadas()[0].titulo, "Pegar Imagen");
    EXPECT_EQ(b.d.llamadas()[0].texto, "En la cordenada X:");
    EXPECT_EQ(b.d.llamadas()[1].texto, "En la cordenada Y:");
    const Dibujo v = b.ver();
    EXPECT_EQ(v[19].substr(9, 3), "ANB");  // el casi blanco (suma 750) no se pega
    EXPECT_EQ(v[20].substr(9, 3), "vAB");  // suma 689: sí
    EXPECT_EQ(v[21].substr(9, 3), "BBA");
    EXPECT_EQ(b.e.punto(11, 20).perfil, (std::array<Color, 4>{kPluma, kPluma, kPluma, kPluma}));
    EXPECT_EQ(b.v.repintadas.size(), 8u);

    // En la esquina del tapiz sólo se pega lo que cabe dentro.
    b.d.responder("13").responder("24");
    EXPECT_TRUE(b.orden([&] { pegar_en(b.s); }));
    const Dibujo w = b.ver();
    EXPECT_EQ(w[23].substr(11), ".A.");
    EXPECT_EQ(w[24].substr(11), ".vA");
    EXPECT_EQ(b.e.punto(15, 24).color, BancoEdicion::kFueraTapiz);
    EXPECT_EQ(b.e.punto(13, 26).color, BancoEdicion::kFueraTapiz);
}

TEST(Zona, SinCopiaPreviaSePegaUnPuntoNegroYUnaZonaDe701NoSeCopia) {
    BancoEdicion b;
    b.dibujo(Dibujo(700, std::string(700, 'A')));
    b.d.responder("2").responder("3");
    b.orden([&] { pegar_en(b.s); });
    EXPECT_EQ(b.v.repintadas, (std::vector<std::pair<int, int>>{{2, 3}}));
    EXPECT_EQ(b.e.punto(2, 3).color, kNegro);

    b.e.zona_x1 = "1", b.e.zona_y1 = "1", b.e.zona_x2 = "700", b.e.zona_y2 = "700";
    b.orden([&] { copiar_zona(b.s); });
    EXPECT_TRUE(b.d.mensajes().empty());
    EXPECT_EQ(b.e.copia_ancho, 699);
    EXPECT_EQ(b.e.copia[699][699], kA);

    b.e.punto(1, 1).color = kB;
    b.e.zona_x2 = "701";
    b.orden([&] { copiar_zona(b.s); });
    EXPECT_EQ(b.d.mensajes(), std::vector<std::string>{"No se puede copiar una zoma mayor de 700x700 puntos"});
    EXPECT_EQ(b.e.copia_ancho, 0);
    EXPECT_EQ(b.e.copia_alto, 0);
    EXPECT_EQ(b.e.copia[0][0], kA);  // la copia anterior se queda
}

TEST(Perfilar, LasLineasVanEnLosPuntosQueRodeanElAreaPorElLadoQueLaMira) {
    struct Caso {
        const char* que;
        void (*orden)(Sesion&);
        int x, y;
        Lados lados;  // x, y, lado
    };
    // Un bloque de 2 x 2 en el centro de un campo de 6 x 6.
    const Caso casos[] = {
        {"todo", perfilar_todo, 3, 3,
         {{2, 3, kDerecha}, {2, 4, kDerecha}, {3, 2, kAbajo}, {3, 5, kArriba},
          {4, 2, kAbajo}, {4, 5, kArriba}, {5, 3, kIzquierda}, {5, 4, kIzquierda}}},
        {"hacia abajo: sólo a la derecha y debajo", perfilar_abajo, 3, 3,
         {{3, 5, kArriba}, {4, 5, kArriba}, {5, 3, kIzquierda}, {5, 4, kIzquierda}}},
        {"hacia arriba: sólo a la izquierda y encima", perfilar_arriba, 4, 4,
         {{2, 3, kDerecha}, {2, 4, kDerecha}, {3, 2, kAbajo}, {4, 2, kAbajo}}},
        {"desde la esquina de abajo: un solo punto del área", perfilar_abajo, 4, 4,
         {{4, 5, kArriba}, {5, 4, kIzquierda}}},
        {"el campo que toca los bordes del tapiz: nada a lo largo del borde", perfilar_todo, 1, 1,
         {{3, 3, kIzquierda}, {3, 3, kArriba}, {3, 4, kIzquierda}, {3, 4, kAbajo},
          {4, 3, kArriba}, {4, 3, kDerecha}, {4, 4, kDerecha}, {4, 4, kAbajo}}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        BancoEdicion b;
        b.dibujo({"......", "......", "..AA..", "..AA..", "......", "......"});
        b.e.color_actual = kPluma;
        b.pulsar(c.x, c.y);
        EXPECT_TRUE(b.orden([&] { c.orden(b.s); }));
        Lados puestos;
        for (int x = 1; x <= 6; ++x)
            for (int y = 1; y <= 6; ++y)
                for (int k = 1; k <= 4; ++k) {
                    const Color p = b.e.punto(x, y).lado(k);
                    if (p == kPluma) puestos.push_back({x, y, k});
                    else EXPECT_EQ(p, kSinPerfil);
                }
        Lados esperados = c.lados;
        std::sort(esperados.begin(), esperados.end());
        EXPECT_EQ(puestos, esperados);
        Lados dibujados = b.v.lados;
        std::sort(dibujados.begin(), dibujados.end());
        EXPECT_EQ(dibujados, esperados);
        EXPECT_EQ(b.ver()[2], "..AA..");  // los colores no cambian
    }
}

TEST(Perfilar, UnTapizDe700x700ConUnSoloPuntoDistintoSeRecorreSinRecursion) {
    BancoEdicion b;
    b.dibujo(Dibujo(700, std::string(700, 'A')));
    b.e.punto(700, 700).color = kB;
    b.e.color_actual = kPluma;
    b.pulsar(1, 1);
    EXPECT_TRUE(b.orden([&] { perfilar_abajo(b.s); }));
    EXPECT_EQ(b.v.lados, (Lados{{700, 700, kIzquierda}, {700, 700, kArriba}}));
}

TEST(Perfilar, BorrarPerfiladoMarcaPerfilandoYBorrarEnZonaQuitaLosPerfilesYRedibuja) {
    BancoEdicion b;
    b.dibujo({"AAA", "AAA", "AAA"});
    b.orden([&] { conmutar_borrar_perfilado(b.s); });
    EXPECT_TRUE(b.e.borrar_perfilado);
    EXPECT_TRUE(b.e.perfilando);
    b.orden([&] { conmutar_borrar_perfilado(b.s); });
    EXPECT_FALSE(b.e.borrar_perfilado);
    EXPECT_TRUE(b.e.perfilando);

    for (int x = 1; x <= 3; ++x)
        for (int y = 1; y <= 3; ++y) b.e.punto(x, y).perfil = {kPluma, kPluma, kPluma, kPluma};
    b.e.en_zona = true;
    b.e.zona_x1 = "2", b.e.zona_y1 = "2", b.e.zona_x2 = "9", b.e.zona_y2 = "3";
    EXPECT_TRUE(b.orden([&] { borrar_perfilado_zona(b.s); }));
    EXPECT_EQ(b.v.redibujados, 1);
    EXPECT_EQ(b.e.punto(2, 2).lado(kArriba), kSinPerfil);
    EXPECT_EQ(b.e.punto(3, 3).lado(kIzquierda), kSinPerfil);
    EXPECT_EQ(b.e.punto(1, 2).lado(kArriba), kPluma);
    EXPECT_EQ(b.e.punto(2, 1).lado(kAbajo), kPluma);
    b.e.en_zona = false;
    EXPECT_TRUE(b.orden([&] { borrar_perfilado_zona(b.s); }));
    EXPECT_EQ(b.e.punto(1, 1).lado(kDerecha), kSinPerfil);
}

}  // namespace
}  // namespace pc::prueba
