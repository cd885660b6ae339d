// Las órdenes de impresión y exportación como las vive el usuario: respuestas con guion,
// mensajes exactos y lo que llega a la vista para dibujar (salida, rango, leyenda).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/ficheros.h"
#include "ordenes/impresion/imprimir.h"
#include "ordenes/impresion/opciones_impresion.h"
#include "tests/comun/banco.h"

namespace pc {
namespace {

namespace fs = std::filesystem;
using prueba::Tipo;

std::string carpeta_simbolos() { return fs::path(PC_SIMBOLOS).parent_path().string(); }

// La vista apunta cada trabajo que le llega y da como imagen impresa un texto que lo nombra.
struct VistaImpresion : prueba::VistaRegistro {
    std::vector<TrabajoImpresion> trabajos;
    void imprimir(const TrabajoImpresion& t) override { trabajos.push_back(t); }
    std::string bmp_impreso() override { return "BM-" + std::to_string(trabajos.size()); }
};

struct Impresion : ::testing::Test {
    prueba::BancoOrdenes<> b;
    VistaImpresion v;
    Sesion s{b.e, b.d, v, b.img};
    fs::path tmp = fs::temp_directory_path() / ("pc_impresion_" + std::to_string(::getpid()));

    // Tapiz de ancho × alto con tres hilos DMC en franjas.
    void tapiz(int ancho, int alto) {
        b.cargar_dmc();
        b.e.ancho = std::to_string(ancho);
        b.e.alto = std::to_string(alto);
        const Color c[3] = {b.e.hilos[1].color, b.e.hilos[2].color, b.e.hilos[3].color};
        for (int x = 1; x <= ancho; ++x)
            for (int y = 1; y <= alto; ++y) {
                b.e.punto(x, y).color = c[(x / 7) % 3];
                b.e.punto(x, y).perfil = {-1, -1, -1, -1};
            }
    }
    std::vector<Rango> rangos() const {
        std::vector<Rango> r;
        for (const auto& t : v.trabajos) r.push_back(t.rango);
        return r;
    }
    void SetUp() override { fs::create_directories(tmp); }
    void TearDown() override { fs::remove_all(tmp); }
};

TEST_F(Impresion, ImprimirTroceadoPideTrozosYUnDialogoPorTrozo) {
    tapiz(150, 120);
    b.e.impresion.troceado = true;
    b.e.generar_bmp = true;
    const std::string pdf = (tmp / "t.pdf").string();
    b.d.responder("70").responder("100");
    for (int i = 0; i < 6; ++i) b.d.fichero(i == 2 ? std::nullopt : std::optional<std::string>(pdf));
    ASSERT_TRUE(b.orden([&] { imprimir_desde_opciones(s, carpeta_simbolos()); }));

    EXPECT_FALSE(b.e.impresion.imprimir_habilitado);
    EXPECT_FALSE(b.e.generar_bmp);  // los trozos van al papel
    EXPECT_EQ(b.d.mensajes(), (std::vector<std::string>{
                                  "Se va a Imprimir el Tapiz Troceado. Haz que NO se imprima la LEYENDA.",
                                  "Fin de la Impresión a Trozos."}));
    const auto& ll = b.d.llamadas();
    ASSERT_GE(ll.size(), 3u);
    EXPECT_EQ(ll[1].titulo, "Imprimir Automáticamente.");
    EXPECT_EQ(ll[1].texto, "Puntos a imprimir a lo ancho");
    EXPECT_EQ(ll[2].texto, "Puntos a imprimir a lo alto");
    EXPECT_EQ(b.e.trozo_ancho, "70");
    // El tercer trozo se canceló: los demás, cada uno con su zona, al PDF elegido.
    EXPECT_EQ(rangos(), (std::vector<Rango>{{1, 1, 71, 101}, {71, 1, 141, 101}, {1, 20, 71, 120},
                                            {71, 20, 141, 120}, {80, 20, 150, 120}}));
    for (const auto& t : v.trabajos) {
        EXPECT_EQ(t.salida, Salida::kImpresora);
        EXPECT_EQ(t.destino.fichero_pdf, pdf);
    }
    EXPECT_EQ(b.e.zona_x1, "80");
    EXPECT_EQ(b.e.zona_y2, "120");
}

TEST_F(Impresion, TrozosMenoresQueUnoOQueNoSonNumerosNoImprimenNada) {
    tapiz(30, 30);
    b.d.responder("0").responder("10");
    EXPECT_FALSE(b.orden([&] { imprimir_troceado(s, carpeta_simbolos()); }));
    ASSERT_EQ(b.d.errores().size(), 1u);
    EXPECT_EQ(b.d.errores()[0], "El tamaño de los trozos debe ser de 1 punto o más: '0'.");
    b.d.responder("diez").responder("10");
    EXPECT_FALSE(b.orden([&] { imprimir_troceado(s, carpeta_simbolos()); }));
    EXPECT_EQ(b.d.errores()[1], "'diez' is not a valid integer value");
    EXPECT_TRUE(v.trabajos.empty());
}

TEST_F(Impresion, DetallePideLaZonaSalvoEnTroceadoYCancelarLaConserva) {
    tapiz(60, 60);
    b.e.zona_x1 = "5";
    b.e.zona_x2 = "25";
    b.e.impresion.detalle = true;
    b.d.cancelar_entrada().cancelar_entrada().cancelar_entrada().cancelar_entrada();
    ASSERT_TRUE(b.orden([&] { imprimir_detalle(s); }));
    ASSERT_EQ(b.d.llamadas().size(), 4u);
    const char* prompts[] = {"Punto de Cruz X inicial", "Punto de Cruz X final", "Punto de Cruz Y inicial",
                             "Punto de Cruz Y final"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(b.d.llamadas()[static_cast<std::size_t>(i)].titulo, "Imprimir Detalle");
        EXPECT_EQ(b.d.llamadas()[static_cast<std::size_t>(i)].texto, prompts[i]);
    }
    EXPECT_EQ(b.e.zona_x1, "5");
    EXPECT_EQ(b.e.zona_x2, "25");

    // Con la zona, "Generar BMP de la Impresión" dibuja sólo ese detalle en la imagen.
    generar_bmp_impresion(s);
    EXPECT_EQ(b.e.grosor_guias, "2");
    ASSERT_TRUE(b.orden([&] { imprimir(s, carpeta_simbolos()); }));
    ASSERT_EQ(v.trabajos.size(), 1u);
    EXPECT_EQ(v.trabajos[0].salida, Salida::kBmp);
    EXPECT_EQ(v.trabajos[0].rango, (Rango{5, 1, 25, 60}));
    EXPECT_EQ(v.trabajos[0].grosor_guias, 2);
    EXPECT_TRUE(b.e.ver_bmp_exportado);

    b.e.impresion.troceado = true;
    ASSERT_TRUE(b.orden([&] { imprimir_detalle(s); }));
    EXPECT_EQ(b.d.llamadas().size(), 4u);  // nada más
}

TEST_F(Impresion, SimbolosYLeyendaConLaPaletaOrdenadaYElAvisoDeFaltaDeSimbolos) {
    tapiz(20, 10);
    b.e.impresion.simbolos = true;
    b.e.impresion.aclara = " 50 ";
    b.e.paleta.total = 0;
    b.d.fichero((tmp / "a.pdf").string());
    ASSERT_TRUE(b.orden([&] { imprimir(s, carpeta_simbolos()); }));
    ASSERT_EQ(v.trabajos.size(), 1u);
    const TrabajoImpresion& t = v.trabajos[0];
    EXPECT_EQ(b.e.paleta.total, 3);  // construida antes de imprimir
    EXPECT_EQ(t.aclara, 50);
    EXPECT_GE(t.simbolos.total, 150);
    ASSERT_EQ(t.leyenda.size(), 3u);
    for (std::size_t i = 1; i < t.leyenda.size(); ++i) {
        const Color a = t.leyenda[i - 1].color, c = t.leyenda[i].color;
        EXPECT_GE(rojo(a) + verde(a) + azul(a), rojo(c) + verde(c) + azul(c));
    }
    EXPECT_EQ(t.leyenda[0].texto_papel.rfind(" HILO DMC: ", 0), 0u);
    EXPECT_EQ(t.pie, "Diseño realizado con Punto de Cruz    ()");

    // Con dos símbolos para tres colores: el aviso, y se imprime igual.
    const fs::path otra = tmp / "prog";
    fs::create_directories(otra);
    std::ofstream(otra / "simbolos.dat") << "1X\n2\n3\n4\n5\n6\n7\n8\n9\n0\n\n1 X\n2\n3\n4\n5\n6\n7\n8\n9\n0\n";
    b.e.fichero_abierto = "/home/ana/diseños/gato.pc";
    b.d.fichero((tmp / "b.pdf").string());
    ASSERT_TRUE(b.orden([&] { imprimir(s, otra.string()); }));
    ASSERT_FALSE(b.d.mensajes().empty());
    EXPECT_EQ(b.d.mensajes().back(),
              "ERROR: Hay más colores en la paleta que SIMBOLOS para representar. \n"
              "Se empleará el mismo símbolo para más de un color.");
    ASSERT_EQ(v.trabajos.size(), 2u);
    EXPECT_EQ(v.trabajos[1].pie, "Diseño realizado con Punto de Cruz    (gato.pc)");

    // Sin simbolos.dat: el error de fichero y nada dibujado.
    b.d.fichero((tmp / "c.pdf").string());
    EXPECT_FALSE(b.orden([&] { imprimir(s, (tmp / "nada").string()); }));
    EXPECT_NE(b.d.errores().back().find("Cannot open file"), std::string::npos);
    EXPECT_EQ(v.trabajos.size(), 2u);
}

TEST_F(Impresion, ExportacionTroceadaPideCarpetaYNumeraLosFicheros) {
    tapiz(100, 60);
    b.e.fichero_abierto = "/datos/diseños/taza.pc";
    // Cancelar la carpeta no escribe nada.
    b.d.carpeta(std::nullopt);
    ASSERT_TRUE(b.orden([&] { exportar_bmp_troceado(s, carpeta_simbolos()); }));
    EXPECT_TRUE(b.d.mensajes().empty());
    EXPECT_TRUE(v.trabajos.empty());
    EXPECT_EQ(b.d.llamadas()[0].texto, "/datos/diseños");

    const std::string dir = tmp.string();
    b.d.carpeta(dir);
    ASSERT_TRUE(b.orden([&] { exportar_bmp_troceado(s, carpeta_simbolos()); }));
    EXPECT_EQ(b.d.mensajes(), (std::vector<std::string>{"Se generarán ficheros en el formato " + dir + "/1.bmp, " +
                                                            dir + "/2.bmp...",
                                                        "Ficheros BMP generados."}));
    EXPECT_EQ(rangos(), (std::vector<Rango>{{1, 1, 61, 60}, {41, 1, 100, 60}}));
    EXPECT_EQ(leer_fichero(dir + "/1.bmp"), "BM-1");
    EXPECT_EQ(leer_fichero(dir + "/2.bmp"), "BM-2");
    EXPECT_FALSE(fs::exists(tmp / "3.bmp"));
    EXPECT_TRUE(b.e.generar_bmp);
    EXPECT_TRUE(b.e.ver_bmp_exportado);
}

TEST_F(Impresion, GrabarBmpImpresoYVerBmpExportado) {
    tapiz(10, 10);
    b.d.fichero(std::nullopt);
    ASSERT_TRUE(b.orden([&] { grabar_bmp_impreso(s); }));
    const std::string f = (tmp / "imagen.bmp").string();
    b.d.fichero(f);
    ASSERT_TRUE(b.orden([&] { grabar_bmp_impreso(s); }));
    EXPECT_EQ(leer_fichero(f), "BM-0");
    EXPECT_EQ(b.d.llamadas().back().texto, "Imagen BMP|*.bmp|Todos los Archivos|*.*");
    // Un fallo al grabar avisa y no deja nada a medias.
    b.d.fichero((tmp / "no_existe" / "x.bmp").string());
    EXPECT_FALSE(b.orden([&] { grabar_bmp_impreso(s); }));
    EXPECT_NE(b.d.errores().back().find("Cannot create file"), std::string::npos);

    ver_bmp_exportado(s);
    EXPECT_TRUE(b.e.ver_bmp_exportado);
    ver_bmp_exportado(s);
    EXPECT_FALSE(b.e.ver_bmp_exportado);
}

}  // namespace
}  // namespace pc
