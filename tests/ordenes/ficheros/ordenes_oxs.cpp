// Importar y exportar OXS como lo hace el usuario, el aviso del perfilado al grabar un .pc y la
// conversión por lotes entre .pc, .pci y .oxs.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <filesystem>

#include "files/fichero_pc.h"
#include "files/oxs.h"
#include "ordenes/ficheros/ficheros_patron.h"
#include "ordenes/ficheros/oxs.h"
#include "tests/comun/banco.h"
#include "tests/comun/proceso.h"
#include "tests/files/ayuda_ficheros.h"

namespace pc {
namespace {

using prueba::Tipo;

using Sesiones = prueba::BancoOrdenes<>;

// 3 x 2 con dos lados perfilados: el de abajo del (1, 1) y el de la izquierda del (3, 2).
void diseno_perfilado(Estado& e) {
    e.ancho = "3";
    e.alto = "2";
    for (int x = 1; x <= 3; ++x)
        for (int y = 1; y <= 2; ++y) e.punto(x, y) = Punto{rgb(x * 60, y * 100, 0), {-1, -1, -1, -1}};
    e.punto(1, 1).lado(kAbajo) = rgb(2, 2, 2);
    e.punto(3, 2).lado(kIzquierda) = rgb(2, 2, 2);
}

TEST(OrdenesOxs, ExportarEImportarPorElMenu) {
    prueba::CarpetaTemporal tmp;
    const std::string ruta = tmp / "mi gráfico.oxs";
    Sesiones a;
    diseno_perfilado(a.e);
    a.d.fichero(std::nullopt);  // cancelar no escribe nada
    exportar_oxs(a.s);
    EXPECT_TRUE(std::filesystem::is_empty(tmp.ruta()));
    a.d.fichero(ruta);
    exportar_oxs(a.s);
    EXPECT_EQ(a.d.llamadas().back().tipo, Tipo::kGuardar);
    EXPECT_EQ(a.d.llamadas().back().texto, "Open Cross Stitch|*.oxs|Todos los Archivos|*.*");
    EXPECT_EQ(a.d.llamadas().back().titulo, "*.oxs");
    EXPECT_EQ(a.e.marca, "DMC");  // sin catálogo se carga el DMC, que nombra los hilos
    EXPECT_EQ(a.v.paneles[2], ruta);
    const std::string oxs = prueba::leer_bytes(ruta);
    EXPECT_NE(oxs.find(R"(charttitle="mi gráfico")"), std::string::npos);
    EXPECT_NE(oxs.find(R"(number="DMC 310" name="310" color="020202")"), std::string::npos);

    Sesiones b;
    b.e.tam_rejilla = "9";
    b.e.zona_x1 = "2";
    b.e.paleta.total = 4;
    b.d.fichero(ruta);
    importar_oxs(b.s);
    EXPECT_EQ(b.d.llamadas().front().tipo, Tipo::kAbrir);
    EXPECT_EQ(b.d.llamadas().front().texto, "Open Cross Stitch|*.oxs|Todos los Archivos|*.*");
    EXPECT_TRUE(b.d.mensajes().empty());  // nada omitido
    EXPECT_EQ(b.e.ancho, "3");
    EXPECT_EQ(b.e.zona_x1, "1");
    EXPECT_EQ(b.e.zona_x2, "3");
    EXPECT_EQ(b.e.paleta.total, 0);
    EXPECT_EQ(b.e.tam_rejilla, "9");
    EXPECT_EQ(b.e.fichero_abierto, ruta);
    for (int x = 1; x <= 3; ++x)
        for (int y = 1; y <= 2; ++y) EXPECT_EQ(b.e.punto(x, y).color, a.e.punto(x, y).color);
    EXPECT_EQ(b.e.punto(1, 2).lado(kArriba), rgb(2, 2, 2));  // el lado, guardado en el punto de abajo
    EXPECT_EQ(b.e.punto(3, 2).lado(kIzquierda), rgb(2, 2, 2));
    EXPECT_EQ(b.v.redibujados, 1);
    EXPECT_EQ(b.v.paneles[2], ruta);
    ASSERT_EQ(b.v.memo.size(), 8u);
    EXPECT_EQ(b.v.memo[0], "Paleta del fichero OXS: 7 colores, 1 tomado del catálogo por su número de hilo");
    EXPECT_EQ(b.v.memo[7], "7. DMC 310 2,2,2");
}

// Como cualquier carga: un fichero que no se puede leer avisa con el porqué y deja el diseño
// abierto exactamente como estaba.
// Un color que nombra un hilo de los catálogos toma el color del hilo aunque el fichero diga
// otro; uno sin hilo nuestro (o con un número que no existe) se queda el del fichero.
TEST(OrdenesOxs, LosHilosNombradosTomanElColorDelCatalogo) {
    prueba::CarpetaTemporal tmp;
    const std::string ruta = tmp / "ajeno.oxs";
    {
        std::ofstream f(ruta);
        f << R"(<?xml version="1.0"?><chart><properties chartwidth="4" chartheight="1"/><palette>
<palette_item index="0" number="cloth" color="FFFFFF"/>
<palette_item index="1" number="DMC 310" color="FF00FF"/>
<palette_item index="2" number="Anchor 403" color="111111"/>
<palette_item index="3" number="DMC 99999" color="123456"/>
<palette_item index="4" number="Madeira 2400" color="00FF00"/>
</palette><fullstitches>
<stitch x="0" y="0" palindex="1"/><stitch x="1" y="0" palindex="2"/>
<stitch x="2" y="0" palindex="3"/><stitch x="3" y="0" palindex="4"/>
</fullstitches></chart>)";
    }
    Sesiones b;
    b.cargar_dmc();
    b.d.fichero(ruta);
    importar_oxs(b.s);
    EXPECT_EQ(b.e.punto(1, 1).color, prueba::hilo_numero(b.e, 310).color);
    EXPECT_NE(b.e.punto(2, 1).color, rgb(0x11, 0x11, 0x11));
    EXPECT_EQ(b.e.punto(3, 1).color, rgb(0x12, 0x34, 0x56));
    EXPECT_EQ(b.e.punto(4, 1).color, rgb(0, 0xFF, 0));
    ASSERT_FALSE(b.v.memo.empty());
    EXPECT_EQ(b.v.memo[0], "Paleta del fichero OXS: 4 colores, 2 tomados del catálogo por su número de hilo");
}

TEST(OrdenesOxs, ImportacionFallidaConservaElDiseno) {
    prueba::CarpetaTemporal tmp;
    prueba::escribir_bytes(tmp / "cortado.oxs", "<chart>\n<properties chartwidth=\"3\" chartheight=\"3\"/>\n<fullstitc");
    prueba::escribir_bytes(tmp / "grande.oxs", "<chart><properties chartwidth=\"800\" chartheight=\"800\"/></chart>");
    {
        std::ofstream f(tmp / "enorme.oxs");
        f << "<chart>";
    }
    std::filesystem::resize_file(tmp / "enorme.oxs", (std::uintmax_t{64} << 20) + 1);

    Sesiones a;
    diseno_perfilado(a.e);
    a.e.tam_celda = 7;
    a.e.paleta.total = 5;
    a.v.panel(2, "mio.pc");
    const auto antes = crear_estado();
    *antes = a.e;
    EXPECT_FALSE(cargar_oxs(a.s, tmp / "cortado.oxs"));
    EXPECT_FALSE(cargar_oxs(a.s, tmp / "grande.oxs"));
    EXPECT_FALSE(cargar_oxs(a.s, tmp / "enorme.oxs"));
    EXPECT_FALSE(cargar_oxs(a.s, tmp / "no_hay.oxs"));
    EXPECT_EQ(a.d.mensajes(),
              (std::vector<std::string>{
                  "ERROR: Formato no reconocido\nXML mal formado en la línea 3, columna 10: etiqueta de apertura mal "
                  "escrita.",
                  "ERROR: Formato no reconocido\nEl gráfico mide 800 x 800 puntos: el ancho y el alto deben estar "
                  "entre 1 y 700."}));
    EXPECT_EQ(a.d.errores(), (std::vector<std::string>{"El fichero \"" + (tmp / "enorme.oxs") + "\" ocupa más de 64 MB",
                                                        "El fichero \"" + (tmp / "no_hay.oxs") + "\" no existe"}));
    EXPECT_EQ(std::memcmp(&a.e.puntos, &antes->puntos, sizeof(antes->puntos)), 0);
    EXPECT_EQ(a.e.ancho, "3");
    EXPECT_EQ(a.e.tam_celda, 7);
    EXPECT_EQ(a.e.paleta.total, 5);
    EXPECT_EQ(a.v.paneles[2], "mio.pc");
    EXPECT_EQ(a.v.redibujados + a.v.limpiezas, 0);
    EXPECT_TRUE(a.v.memo.empty());
}

// El .pc no guarda el perfilado: antes de elegir el fichero se pregunta, y "No" no graba.
TEST(OrdenesOxs, GrabarPcConPerfiladoPreguntaAntes) {
    prueba::CarpetaTemporal tmp;
    const std::string ruta = tmp / "d.pc";
    Sesiones a;
    diseno_perfilado(a.e);
    a.d.pulsar(2);  // Cancelar
    grabar_punto_cruz(a.s);
    ASSERT_EQ(a.d.llamadas().size(), 1u);
    EXPECT_EQ(a.d.llamadas()[0].tipo, Tipo::kPregunta);
    EXPECT_EQ(a.d.llamadas()[0].titulo, "Grabar Punto Cruz");
    EXPECT_EQ(a.d.llamadas()[0].texto,
              "El fichero .pc no guarda: 2 lados de perfilado. [Grabar como OXS] [Grabar igualmente] [Cancelar]");
    a.d.pulsar(1).fichero(ruta);
    grabar_punto_cruz(a.s);
    EXPECT_TRUE(std::filesystem::exists(ruta));

    // Un lado perfilado por los dos puntos que lo comparten, del mismo color, es uno; sin
    // perfilado no hay pregunta.
    a.e.punto(1, 2).lado(kArriba) = rgb(2, 2, 2);
    a.e.punto(3, 2).lado(kIzquierda) = -1;
    EXPECT_EQ(lados_sin_guardar_pc(a.e), 1);
    EXPECT_EQ(aviso_no_guarda(a.e, ".pc"), "El fichero .pc no guarda: 1 lado de perfilado.");
    // Cada clase con su número, en singular y en plural.
    a.e.puntadas.poner(Parcial{1, 1, TipoParcial::kMedio}, 3, 2);
    a.e.puntadas.poner(Parcial{2, 1, TipoParcial::kMedio}, 3, 2);
    a.e.puntadas.poner(Parcial{3, 1, TipoParcial::kTresCuartos, Diagonal::kBarra, Esquina::kArribaIzquierda}, 3, 2);
    a.e.puntadas.poner(Parcial{1, 2, TipoParcial::kPetit}, 3, 2);
    a.e.puntadas.poner(Linea{0, 0, 3, 3, 0, 1}, 3, 2);
    a.e.puntadas.poner(Nudo{1, 1, 0, 2}, 3, 2);
    a.e.puntadas.poner(Nudo{2, 1, 0, 2}, 3, 2);
    EXPECT_EQ(aviso_no_guarda(a.e, ".pci"),
              "El fichero .pci no guarda: 1 lado de perfilado, 2 medios puntos, 1 tres cuartos, 1 petit, 1 pespunte, "
              "2 nudos.");
    // "Grabar como OXS" graba el OXS, no el .pc.
    a.d.pulsar(0).fichero(tmp / "d.oxs");
    grabar_punto_cruz(a.s);
    EXPECT_TRUE(std::filesystem::exists(tmp / "d.oxs"));
    a.e.puntadas.vaciar();
    for (int x = 1; x <= 3; ++x)
        for (int y = 1; y <= 2; ++y) a.e.punto(x, y).perfil = {-1, -1, -1, -1};
    a.d.fichero(ruta);
    grabar_punto_cruz(a.s);
    EXPECT_EQ(a.d.llamadas().back().tipo, Tipo::kGuardar);
}

TEST(LoteConvertir, OxsEnLasDosDireccionesYExtensionDesconocida) {
    prueba::CarpetaTemporal tmp;
    Sesiones a;
    diseno_perfilado(a.e);
    prueba::escribir_bytes(tmp / "a.pc", codificar_pc(a.e, 3, 2));
    // Un fichero ajeno con un tres cuartos y un pespunte de dos lados: se reescribe en nuestra
    // forma con los dos.
    prueba::escribir_bytes(tmp / "ajeno.oxs", R"(<chart><properties chartwidth="2" chartheight="1"/>
<palette><palette_item index="0" color="FFFFFF"/><palette_item index="1" number="DMC    310" color="020202"/></palette>
<fullstitches><stitch x="1" y="0" palindex="1"/></fullstitches>
<partstitches><partstitch x="0" y="0" palindex1="1" palindex2="0" direction="1"/></partstitches>
<backstitches><backstitch x1="0" y1="1" x2="2" y2="1" palindex="1" objecttype="backstitch" sequence="0"/></backstitches>
</chart>)");
    const auto q = [](const std::string& s) { return prueba::comillas(s); };

    auto r = prueba::ejecutar_lote("convertir " + q(tmp / "a.pc") + " " + q(tmp / "b.oxs") +
                                   " --catalogo ANCHOR --titulo " + q("Título & más"));
    ASSERT_EQ(r.codigo, 0) << r.errores;
    EXPECT_EQ(r.salida, "Escrito " + (tmp / "b.oxs") + " (3 x 2 puntos, 6 colores)\n");
    const std::string b = prueba::leer_bytes(tmp / "b.oxs");
    EXPECT_NE(b.find(R"(charttitle="Título &amp; más")"), std::string::npos);
    EXPECT_NE(b.find(R"(number="RGB 3C6400")"), std::string::npos);  // ningún hilo ANCHOR

    r = prueba::ejecutar_lote("convertir " + q(tmp / "ajeno.oxs") + " " + q(tmp / "c.oxs"));
    ASSERT_EQ(r.codigo, 0) << r.errores;
    EXPECT_EQ(r.errores, "");
    auto c = crear_estado();
    leer_oxs(*c, prueba::leer_bytes(tmp / "c.oxs"));
    EXPECT_EQ(c->punto(1, 1).color, kBlanco);
    EXPECT_EQ(c->punto(2, 1).color, rgb(2, 2, 2));
    EXPECT_EQ(c->puntadas.parciales(), (std::vector<Parcial>{{1, 1, TipoParcial::kTresCuartos, Diagonal::kInvertida,
                                                              Esquina::kAbajoIzquierda, rgb(2, 2, 2)}}));
    EXPECT_EQ(c->puntadas.lineas(), (std::vector<Linea>{{0, 2, 4, 2, rgb(2, 2, 2), 1}}));
    EXPECT_NE(prueba::leer_bytes(tmp / "c.oxs").find(R"(software="Punto de Cruz")"), std::string::npos);

    // A .pc: se graba, avisando de lo que se pierde.
    r = prueba::ejecutar_lote("convertir " + q(tmp / "c.oxs") + " " + q(tmp / "d.pc"));
    ASSERT_EQ(r.codigo, 0) << r.errores;
    EXPECT_EQ(r.errores, "El fichero .pc no guarda: 1 tres cuartos, 1 pespunte. Para conservarlo, conviértalo a .oxs.\n");
    EXPECT_TRUE(std::filesystem::exists(tmp / "d.pc"));

    // Una extensión de salida desconocida no se escribe.
    r = prueba::ejecutar_lote("convertir " + q(tmp / "a.pc") + " " + q(tmp / "x.oxs.txt"));
    EXPECT_EQ(r.codigo, 2);
    EXPECT_EQ(r.errores.substr(0, r.errores.find('\n')),
              "No se sabe en qué formato escribir " + (tmp / "x.oxs.txt") +
                  ": la salida debe acabar en .pc, .pci u .oxs.");
    EXPECT_FALSE(std::filesystem::exists(tmp / "x.oxs.txt"));
}

}  // namespace
}  // namespace pc
