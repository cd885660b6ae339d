// El fichero de intercambio .oxs: el texto exacto que se escribe, ida y vuelta con el
// perfilado, un fichero de otro programa con todo lo que no cabe en el tapiz, y los rechazos.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <tuple>

#include "app/errores.h"
#include "files/oxs.h"
#include "tests/comun/banco.h"
#include "tests/files/ayuda_ficheros.h"
#include "threads/catalogo.h"
#include "threads/datos.h"
#include "threads/emparejar.h"

namespace pc {
namespace {

std::string leer_todo(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::unique_ptr<Estado> estado_dmc() {
    prueba::BancoOrdenes<> b;
    b.cargar_dmc();
    return std::move(b.estado);
}

void tapiz(Estado& e, int ancho, int alto) {
    e.ancho = std::to_string(ancho);
    e.alto = std::to_string(alto);
    for (int x = 1; x <= ancho; ++x)
        for (int y = 1; y <= alto; ++y) e.punto(x, y) = Punto{kBlanco, {-1, -1, -1, -1}};
}

using Lado = std::tuple<int, int, int, int, Color>;
std::vector<Lado> lados_ordenados(const Estado& e, int ancho, int alto) {
    std::vector<Lado> v;
    for (const Pespunte& p : pespuntes_del_tapiz(e, ancho, alto)) v.emplace_back(p.x1, p.y1, p.x2, p.y2, p.color);
    std::sort(v.begin(), v.end());
    return v;
}

TEST(Oxs, EscribeElFicheroEsperado) {
    auto e = estado_dmc();
    tapiz(*e, 2, 2);
    const Color rojo = rgb(255, 0, 0), verde = rgb(0, 255, 0), azul = rgb(0, 0, 255);
    e->punto(1, 1).color = rgb(2, 2, 2);      // DMC 310
    e->punto(2, 1).color = rgb(2, 2, 2);
    e->punto(1, 2).color = rgb(250, 250, 248);  // DMC B5200
    e->punto(2, 2).color = rgb(1, 2, 3);        // ningún hilo
    e->punto(1, 1).lado(kDerecha) = rojo;       // el mismo lado con el mismo color: una vez
    e->punto(2, 1).lado(kIzquierda) = rojo;
    e->punto(1, 1).lado(kAbajo) = verde;        // el mismo lado con dos colores: dos veces
    e->punto(1, 2).lado(kArriba) = azul;
    e->punto(2, 2).lado(kDerecha) = rojo;       // borde del tapiz
    EXPECT_EQ(codificar_oxs(*e, 2, 2, "Mi <gráfico> & \"yo\""),
              R"oxs(<?xml version="1.0" encoding="UTF-8"?>
<chart>
  <format comments01="Open Cross Stitch (OXS): intercambio de gráficos de punto de cruz" comments02="Colores en hexadecimal RRGGBB; puntos y pespuntes desde la esquina superior izquierda (0, 0)"/>
  <properties oxsversion="1.0" software="Punto de Cruz" software_version="1.60" chartwidth="2" chartheight="2" charttitle="Mi &lt;gráfico&gt; &amp; &quot;yo&quot;" stitchesperinch="14" stitchesperinch_y="14" palettecount="6"/>
  <palette>
    <palette_item index="0" number="cloth" name="cloth" color="FFFFFF"/>
    <palette_item index="1" number="DMC 310" name="310" color="020202" symbol="A"/>
    <palette_item index="2" number="DMC B5200" name="B5200" color="FAFAF8" symbol="B"/>
    <palette_item index="3" number="RGB 010203" name="010203" color="010203" symbol="C"/>
    <palette_item index="4" number="RGB FF0000" name="FF0000" color="FF0000" symbol="D"/>
    <palette_item index="5" number="RGB 00FF00" name="00FF00" color="00FF00" symbol="E"/>
    <palette_item index="6" number="RGB 0000FF" name="0000FF" color="0000FF" symbol="F"/>
  </palette>
  <fullstitches>
    <stitch x="0" y="0" palindex="1"/>
    <stitch x="1" y="0" palindex="1"/>
    <stitch x="0" y="1" palindex="2"/>
    <stitch x="1" y="1" palindex="3"/>
  </fullstitches>
  <partstitches/>
  <backstitches>
    <backstitch x1="1" y1="0" x2="1" y2="1" palindex="4" objecttype="backstitch" sequence="0"/>
    <backstitch x1="0" y1="1" x2="1" y2="1" palindex="5" objecttype="backstitch" sequence="0"/>
    <backstitch x1="0" y1="1" x2="1" y2="1" palindex="6" objecttype="backstitch" sequence="0"/>
    <backstitch x1="2" y1="1" x2="2" y2="2" palindex="4" objecttype="backstitch" sequence="0"/>
  </backstitches>
  <ornaments_inc_knots_and_beads/>
</chart>
)oxs");
    // Con el catálogo ANCHOR, los hilos se nombran por él.
    e->marca = "ANCHOR";
    leer_catalogo(e->texto_anchor, e->hilos, e->titulo_columna);
    e->punto(1, 1).color = e->hilos[buscar_numero(403, e->hilos)].color;
    EXPECT_NE(codificar_oxs(*e, 2, 2, "").find(R"(number="ANCHOR 403" name="403")"), std::string::npos);
}

TEST(Oxs, IdaYVueltaConservaPuntosYPerfilado) {
    auto a = estado_dmc();
    const int ancho = 31, alto = 17;
    tapiz(*a, ancho, alto);
    std::mt19937 azar(17);
    const Color colores[] = {rgb(2, 2, 2), rgb(250, 250, 248), kBlanco, rgb(10, 200, 30), rgb(99, 1, 7)};
    for (int x = 1; x <= ancho; ++x)
        for (int y = 1; y <= alto; ++y) {
            Punto& p = a->punto(x, y);
            p.color = colores[azar() % 5];
            for (int k = 1; k <= 4; ++k)
                if (azar() % 4 == 0) p.lado(k) = colores[azar() % 5];
        }
    const std::string primero = codificar_oxs(*a, ancho, alto, "ida");

    auto b = estado_dmc();
    prueba::marcar_centinela(*b);
    const LecturaOxs r = leer_oxs(*b, primero);
    EXPECT_EQ(texto_omitidos(r.omitidos), "");
    prueba::fuera_intacto(*b, ancho, alto);
    EXPECT_EQ(b->ancho, "31");
    EXPECT_EQ(b->alto, "17");
    for (int x = 1; x <= ancho; ++x)
        for (int y = 1; y <= alto; ++y) ASSERT_EQ(b->punto(x, y).color, a->punto(x, y).color) << x << "," << y;
    // Los mismos lados dibujados (alguno guardado en el punto del otro lado).
    EXPECT_EQ(lados_ordenados(*b, ancho, alto), lados_ordenados(*a, ancho, alto));
    const std::string segundo = codificar_oxs(*b, ancho, alto, "ida");
    const auto puntos = [](const std::string& s) { return s.substr(0, s.find("<backstitches>")); };
    EXPECT_EQ(puntos(segundo), puntos(primero));
}

// Un fichero de otro programa: números con cuatro blancos, colores en minúsculas, un color
// sin RGB, la tela, huecos, y todo lo que el tapiz no puede mostrar.
TEST(Oxs, FicheroAjenoOmiteYCuentaLoQueNoCabe) {
    const std::string xml = R"(<?xml version="1.0" encoding="UTF-8"?>
<chart>
<properties oxsversion="1.0" software="Otro" chartwidth="4" chartheight="3" palettecount="4"/>
<palette>
<palette_item index="0" number="cloth" name="cloth" color="F0E0D0"/>
<palette_item index="1" number="DMC    310" name="Black" color="2c3225"/>
<palette_item index="2" number="ANCHOR 403" name="403" color="000000"/>
<palette_item index="3" number="DMC 666" name="Red"/>
<palette_item index="7" number="Madeira 2012" color="ABCDEF"/>
</palette>
<fullstitches>
<stitch x="0" y="0" palindex="1"/>
<stitch x="1" y="0" palindex="2"/>
<stitch x="2" y="0" palindex="0"/>
<stitch x="0" y="1" palindex="3"/>
<stitch x="0" y="1" palindex="7"/>
<stitch x="4" y="0" palindex="1"/>
<stitch x="-1" y="2" palindex="1"/>
<stitch x="1" y="1" palindex="9"/>
<stitch x="a" y="1" palindex="1"/>
</fullstitches>
<partstitches>
<partstitch x="2" y="2" palindex1="1" palindex2="0" direction="1"/>
<partstitch x="3" y="2" palindex1="1" palindex2="0" direction="2"/>
</partstitches>
<backstitches>
<backstitch x1="4" y1="3" x2="0" y2="3" palindex="1" objecttype="backstitch" sequence="0"/>
<backstitch x1="2" y1="0" x2="2" y2="2" palindex="2" objecttype="backstitch" sequence="0"/>
<backstitch x1="1" y1="1" x2="2" y2="2" palindex="1" objecttype="backstitch" sequence="0"/>
<backstitch x1="0.5" y1="1" x2="1.5" y2="1" palindex="1" objecttype="backstitch" sequence="0"/>
<backstitch x1="3" y1="0" x2="900000000000" y2="0" palindex="1" objecttype="backstitch" sequence="0"/>
<backstitch x1="1" y1="1" x2="1" y2="2" palindex="1" objecttype="daisy" sequence="0"/>
</backstitches>
<ornaments_inc_knots_and_beads>
<object x1="1.5" y1="1.5" palindex="1" objecttype="knot"/>
<object x1="2" y1="2" palindex="1" objecttype="bead"/>
<object x1="2" y1="2" palindex="1" objecttype="bead3mm"/>
</ornaments_inc_knots_and_beads>
<commentboxes/>
</chart>
)";
    auto e = estado_dmc();
    prueba::marcar_centinela(*e);
    const LecturaOxs r = leer_oxs(*e, xml);
    prueba::fuera_intacto(*e, 4, 3);
    const Color negro310 = rgb(0x2C, 0x32, 0x25);
    EXPECT_EQ(e->punto(1, 1).color, negro310);
    EXPECT_EQ(e->punto(2, 1).color, 0);
    EXPECT_EQ(e->punto(3, 1).color, kBlanco);  // la tela
    EXPECT_EQ(e->punto(4, 1).color, kBlanco);  // sin punto
    EXPECT_EQ(e->punto(1, 2).color, rgb(0xAB, 0xCD, 0xEF));  // repetido: el último manda
    EXPECT_EQ(e->punto(2, 2).color, kBlanco);
    // Los pespuntes de más de un lado, diagonales o por medios puntos son pespuntes; el que se
    // sale, recortado a un lado del perfilado.
    EXPECT_TRUE(e->puntadas.lineas() == (std::vector<Linea>{{8, 6, 0, 6, negro310, 1},
                                                            {4, 0, 4, 4, 0, 1},
                                                            {2, 2, 4, 4, negro310, 1},
                                                            {1, 2, 3, 2, negro310, 1}}));
    EXPECT_EQ(e->punto(4, 1).lado(kArriba), negro310);
    EXPECT_EQ(lados_ordenados(*e, 4, 3).size(), 1u);
    EXPECT_EQ(e->puntadas.parciales().size(), 2u);
    EXPECT_TRUE(e->puntadas.nudos() == (std::vector<Nudo>{{3, 3, negro310, 2}}));
    EXPECT_EQ(texto_omitidos(r.omitidos),
              "Se omitieron: 2 cuentas, 1 objeto de otra clase, 2 puntos fuera del gráfico, 1 pespunte fuera del gráfico, "
              "1 punto repetido, 1 índice de color desconocido, 1 valor que no es un número\n"
              "1 color de la paleta no tiene RGB: se pinta en magenta.");
    ASSERT_EQ(r.paleta.size(), 4u);
    EXPECT_EQ(r.paleta[0].marca, "DMC");
    EXPECT_EQ(r.paleta[0].numero, "310");
    EXPECT_EQ(r.paleta[0].nombre, "Black");
    EXPECT_EQ(r.paleta[2].color, rgb(255, 0, 255));
    EXPECT_EQ(r.paleta[3].indice, 7);
    EXPECT_EQ(r.paleta[3].marca, "Madeira");
}

// Un fichero escrito como lo escriben otros programas, con todas las clases de puntadas: cada
// una llega a su sitio y, grabado y vuelto a leer, vuelven todas.
TEST(Oxs, ParcialesPespuntesYNudosDeOtroProgramaIdaYVuelta) {
    auto e = estado_dmc();
    const LecturaOxs r = leer_oxs(*e, leer_todo(PC_DATOS_PRUEBA "/ajeno_parciales.oxs"));
    const Color negro = 0, rojo = rgb(0xC7, 0x2B, 0x3B), azul = rgb(0x13, 0x47, 0x7D), verde = rgb(0x7B, 0xB5, 0x47);
    EXPECT_EQ(texto_omitidos(r.omitidos), "Se omitieron: 1 cuenta, 1 objeto de otra clase");
    const ConteoPuntadas n = contar(e->puntadas);
    EXPECT_EQ(std::tuple(n.medios, n.tres_cuartos, n.cuartos, n.petits, n.pespuntes, n.nudos), std::tuple(4, 5, 1, 2, 4, 2));
    auto en = [&](int x, int y) {
        std::vector<Parcial> v;
        for (std::size_t i : e->puntadas.parciales_celda(x, y)) v.push_back(e->puntadas.parciales()[i]);
        std::sort(v.begin(), v.end(), [](const Parcial& a, const Parcial& b) { return a.esquina < b.esquina; });
        return v;
    };
    using enum TipoParcial;
    using enum Esquina;
    // El medio punto '/' quita el punto entero verde de su celda: queda la tela.
    EXPECT_EQ(en(3, 2), (std::vector<Parcial>{{3, 2, kMedio, Diagonal::kBarra, kArribaIzquierda, rojo}}));
    EXPECT_EQ(e->punto(3, 2).color, kBlanco);
    EXPECT_EQ(en(5, 2), (std::vector<Parcial>{{5, 2, kTresCuartos, Diagonal::kInvertida, kArribaDerecha, rojo},
                                              {5, 2, kTresCuartos, Diagonal::kInvertida, kAbajoIzquierda, negro}}));
    EXPECT_EQ(en(6, 2), (std::vector<Parcial>{{6, 2, kTresCuartos, Diagonal::kBarra, kAbajoDerecha, verde}}));
    EXPECT_EQ(en(5, 3), (std::vector<Parcial>{{5, 3, kCuarto, Diagonal::kBarra, kAbajoDerecha, azul}}));
    EXPECT_EQ(en(7, 4), (std::vector<Parcial>{{7, 4, kPetit, Diagonal::kBarra, kArribaDerecha, negro},
                                              {7, 4, kPetit, Diagonal::kBarra, kAbajoIzquierda, rojo}}));
    EXPECT_EQ(en(2, 6), (std::vector<Parcial>{{2, 6, kMedio, Diagonal::kInvertida, kArribaIzquierda, verde}}));
    EXPECT_EQ(e->punto(1, 1).lado(kArriba), negro);  // un solo lado: perfilado
    EXPECT_EQ(e->puntadas.lineas()[1], (Linea{0, 6, 8, 6, azul, 1}));  // recto de cuatro lados: pespunte

    const std::string oxs = codificar_oxs(*e, 8, 6, "vuelta");
    EXPECT_NE(oxs.find(R"(<object x1="4.5" y1="2.5" palindex="4" objecttype="quarter" petit="false"/>)"), std::string::npos);
    EXPECT_NE(oxs.find(R"( x1="8" y1="6" x2="0" y2="0" palindex="5" objecttype="backstitch" sequence="0" strands="1"/>)"),
              std::string::npos);
    auto vuelta = estado_dmc();
    const LecturaOxs r2 = leer_oxs(*vuelta, oxs);
    EXPECT_EQ(texto_omitidos(r2.omitidos), "");
    EXPECT_TRUE(vuelta->puntadas == e->puntadas);
    EXPECT_EQ(lados_ordenados(*vuelta, 8, 6), lados_ordenados(*e, 8, 6));
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 6; ++y) ASSERT_EQ(vuelta->punto(x, y).color, e->punto(x, y).color) << x << "," << y;
}

// Un fichero rechazado no escribe nada: ni el tamaño ni un solo punto.
TEST(Oxs, RechazaXmlMalFormadoSinChartCortadoOGrande) {
    const std::pair<std::string, std::string> casos[] = {
        {"<chart>\n<properties chartwidth=\"3\" chartheight=\"3\"/>\n<fullstitches>\n<stitch x=\"0\" y=\"0\"",
         "XML mal formado en la línea 4, columna 19: etiqueta de apertura mal escrita."},
        {"<chart>\n  <properties chartwidth=\"3\" chartheight=\"3\"/>\n  <fullstitches/>\n",
         "XML mal formado en la línea 3, columna 18: una etiqueta no se cierra o se cierra con otro nombre "
         "(¿fichero cortado?)."},
        {"", "XML mal formado en la línea 1, columna 1: no hay ningún elemento."},
        {"<?xml version=\"1.0\"?>\n<pattern><chart/></pattern>", "El fichero no tiene el elemento <chart>."},
        {"<chart><properties chartwidth=\"701\" chartheight=\"10\"/></chart>",
         "El gráfico mide 701 x 10 puntos: el ancho y el alto deben estar entre 1 y 700."},
        {"<chart><properties chartwidth=\"0\"/></chart>",
         "El gráfico mide 0 x 100 puntos: el ancho y el alto deben estar entre 1 y 700."},
        {"<chart><properties chartwidth=\"3\" chartheight=\"tres\"/></chart>",
         "El alto del gráfico no es un número: 'tres'."},
    };
    auto e = estado_dmc();
    prueba::marcar_centinela(*e);
    for (const auto& [xml, motivo] : casos) {
        SCOPED_TRACE(xml);
        try {
            leer_oxs(*e, xml);
            ADD_FAILURE() << "aceptado";
        } catch (const ErrorFormato& err) {
            EXPECT_EQ(err.what(), motivo);
        }
        EXPECT_EQ(e->ancho, "60");
        prueba::fuera_intacto(*e, 0, 0);
    }
}

// Coordenadas enormes, muy negativas o que no son números en cada atributo de un pespunte: lo
// que cae fuera se cuenta y lo de dentro se queda, sin escribir fuera del tapiz.
TEST(Oxs, PespuntesConCoordenadasExtremasSeRecortanSinSalirDelTapiz) {
    const char* const extremos[] = {"2147483648", "2147483649", "-2147483649", "1e300", "1e301",
                                    "-1e300",     "nan",        "inf",         "1e-300"};
    std::string xml = "<chart><properties chartwidth=\"4\" chartheight=\"3\"/>"
                      "<palette><palette_item index=\"1\" color=\"000000\"/></palette><backstitches>";
    int lineas = 0;
    for (const char* a : extremos)
        for (const char* b : extremos) {
            xml += std::string("<backstitch x1=\"") + a + "\" y1=\"1\" x2=\"" + b + "\" y2=\"1\" palindex=\"1\"/>";
            xml += std::string("<backstitch x1=\"2\" y1=\"") + a + "\" x2=\"2\" y2=\"" + b + "\" palindex=\"1\"/>";
            lineas += 2;
        }
    // De la esquina (-1e300, 2) a (1e300, 2): el lado de arriba de la fila 3, entero.
    xml += "<backstitch x1=\"-1e300\" y1=\"2\" x2=\"1e300\" y2=\"2\" palindex=\"1\"/></backstitches></chart>";
    auto e = estado_dmc();
    prueba::marcar_centinela(*e);
    const LecturaOxs r = leer_oxs(*e, xml);
    prueba::fuera_intacto(*e, 4, 3);
    EXPECT_EQ(r.omitidos.pespuntes_fuera + r.omitidos.pespuntes_fuera_de_rejilla + r.omitidos.no_numeros, lineas + 1);
    for (int x = 1; x <= 4; ++x) EXPECT_EQ(e->punto(x, 3).lado(kArriba), 0) << x;
}

}  // namespace
}  // namespace pc
