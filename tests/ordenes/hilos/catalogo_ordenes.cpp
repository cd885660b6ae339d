// Órdenes de los catálogos y de la ventana principal, como las vive el usuario.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/imagen_memoria.h"
#include "ordenes/sesion/principal.h"
#include "tests/comun/guion.h"
#include "threads/datos.h"
#include "ordenes/hilos/catalogo.h"

namespace pc {
namespace {

namespace fs = std::filesystem;
using prueba::Tipo;

constexpr Color C(int r, int g, int b) { return r + 256 * g + 65536 * b; }

struct Sesion_ {
    std::unique_ptr<Estado> e = crear_estado();
    prueba::DialogosGuion d;
    prueba::VistaRegistro v;
    ImagenMemoria img;
    Sesion s{*e, d, v, img};
    fs::path carpeta;

    Sesion_() {
        valores_iniciales(*e);
        poner_textos_incorporados(*e);
        carpeta = fs::temp_directory_path() /
                  ("pc_catalogo_" + std::to_string(::getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(carpeta);
    }
    ~Sesion_() { fs::remove_all(carpeta); }

    std::string escribir(const std::string& nombre, const std::string& bytes) {
        const fs::path p = carpeta / nombre;
        std::ofstream(p, std::ios::binary) << bytes;
        return p.string();
    }
    std::string leer(const fs::path& p) {
        std::ifstream f(p, std::ios::binary);
        std::ostringstream o;
        o << f.rdbuf();
        return o.str();
    }
};

TEST(CatalogoOrdenes, CargarUsaLaMarcaEnElPanelYReactiva) {
    Sesion_ t;
    t.e->marca = "DMC";
    cargar_catalogo(t.s, "ANCHOR", t.e->paleta_aux);
    EXPECT_EQ(t.v.paneles[1], "Paleta de Hilos: DMC");  // la marca, no el catálogo cargado
    EXPECT_EQ(t.e->paleta_aux.total, 444);
    EXPECT_EQ(t.e->marca, "DMC");
    EXPECT_EQ(t.e->hilos.total, 0);

    cargar_catalogo(t.s, "cualquiera", t.e->hilos);  // otro nombre: DMC
    ASSERT_EQ(t.e->hilos.total, 420);
    t.e->hilos[5].activo = false;
    t.e->hilos[6].bloqueado = true;
    cargar_catalogo(t.s, "DMC", t.e->hilos);
    EXPECT_TRUE(t.e->hilos[5].activo);
    EXPECT_FALSE(t.e->hilos[6].bloqueado);
    EXPECT_EQ(t.e->titulo_columna[18], "COLUMNA 18");
}

TEST(CatalogoOrdenes, AsegurarSoloCargaSinMarca) {
    Sesion_ t;
    asegurar_catalogo(t.s);
    EXPECT_EQ(t.e->marca, "DMC");
    EXPECT_EQ(t.e->hilos.total, 420);
    EXPECT_EQ(t.v.historial_panel1, std::vector<std::string>{"Paleta de Hilos: DMC"});
    t.e->marca = "ANCHOR";
    asegurar_catalogo(t.s);
    EXPECT_EQ(t.e->hilos.total, 420);
    EXPECT_EQ(t.v.historial_panel1.size(), 1u);
}

TEST(CatalogoOrdenes, LeePaletaPersonalizadaEnWindows1252) {
    Sesion_ t;
    // "; Año", un título con acento y CR LF, como los escribe el programa de Windows.
    const std::string ruta = t.escribir("mia.dat",
                                        "; A\xF1o\r\n;COLUMNA 2 Az\xFAles\r\n7 R:1 G:2 B:3\r\n8 R:4 G:5 B:6\r\n");
    t.d.fichero(ruta);
    lee_paleta_anchor(t.s);
    const auto& ll = t.d.llamadas();
    ASSERT_EQ(ll.size(), 1u);
    EXPECT_EQ(ll[0].tipo, Tipo::kAbrir);
    EXPECT_EQ(ll[0].texto, "Paleta de Hilos|*.dat;*.txt|Todos los Archivos|*.*");
    EXPECT_EQ(ll[0].titulo, "*.dat;*.txt");
    EXPECT_EQ(t.e->marca, "ANCHOR");
    EXPECT_EQ(t.v.paneles[1], "Paleta de Hilos: ANCHOR");
    ASSERT_EQ(t.e->hilos.total, 2);
    EXPECT_EQ(t.e->hilos[2].color, C(4, 5, 6));
    EXPECT_EQ(t.e->hilos[2].columna, 2);
    EXPECT_EQ(t.e->texto_anchor[0], "; Año");
    EXPECT_EQ(t.e->titulo_columna[2], "COLUMNA 2 Azúles");
    EXPECT_EQ(t.e->texto_dmc.size(), 488u);  // el otro catálogo no cambia
}

TEST(CatalogoOrdenes, CancelarNoCambiaNada) {
    Sesion_ t;
    t.e->marca = "DMC";
    t.d.fichero(std::nullopt);
    lee_paleta_dmc(t.s);
    EXPECT_EQ(t.e->texto_dmc.size(), 488u);
    EXPECT_EQ(t.e->hilos.total, 0);
    EXPECT_TRUE(t.v.historial_panel1.empty());
}

// Un fichero malo (no existe, es una carpeta, no tiene hilos, una línea no es un número) avisa y
// deja el texto del catálogo y los hilos activos como estaban, con sus marcas de desactivado.
TEST(CatalogoOrdenes, FicheroMaloConservaElCatalogo) {
    Sesion_ t;
    al_mostrar(t.s);
    t.e->hilos[3].activo = false;
    const auto hilos_antes = t.e->hilos;
    const auto titulos_antes = t.e->titulo_columna;
    const auto comprobar_intacto = [&] {
        EXPECT_EQ(t.e->texto_dmc.size(), 488u);
        EXPECT_EQ(t.e->hilos.total, 420);
        EXPECT_FALSE(t.e->hilos[3].activo);
        EXPECT_EQ(t.e->hilos[420].color, hilos_antes[420].color);
        EXPECT_EQ(t.e->titulo_columna, titulos_antes);
        EXPECT_EQ(t.e->marca, "DMC");
    };

    const std::string falta = (t.carpeta / "no_existe.dat").string();
    t.d.fichero(falta);
    EXPECT_FALSE(ejecutar(t.d, [&] { lee_paleta_dmc(t.s); }));
    t.d.fichero(t.carpeta.string());
    EXPECT_FALSE(ejecutar(t.d, [&] { lee_paleta_dmc(t.s); }));
    t.d.fichero(t.escribir("rota.txt", ";COLUMNA 5 Nueva\n1 R:1 G:1 B:1\n2 R:1 G:1 B:zz\n3 R:1 G:1 B:3\n"));
    EXPECT_FALSE(ejecutar(t.d, [&] { lee_paleta_dmc(t.s); }));
    EXPECT_EQ(t.d.errores(),
              (std::vector<std::string>{"Cannot open file \"" + falta + "\". No existe el fichero o la carpeta",
                                        "No se puede abrir el fichero \"" + t.carpeta.string() + "\": no es un fichero",
                                        "'zz' is not a valid integer value"}));
    comprobar_intacto();

    const std::string vacia = t.escribir("vacia.dat", "; sólo comentarios\n\n;COLUMNA 1\n");
    t.d.fichero(vacia);
    EXPECT_TRUE(ejecutar(t.d, [&] { lee_paleta_dmc(t.s); }));
    EXPECT_EQ(t.d.mensajes(), std::vector<std::string>{"El fichero \"" + vacia +
                                                       "\" no tiene ningún hilo: la paleta de hilos no se cambia."});
    comprobar_intacto();
}

TEST(CatalogoOrdenes, PaletaDeMasDe600Hilos) {
    Sesion_ t;
    std::string grande;
    for (int i = 1; i <= 601; ++i) grande += std::to_string(i) + " R:" + std::to_string(i % 256) + " G:0 B:0\n";
    t.d.fichero(t.escribir("grande.dat", grande));
    lee_paleta_dmc(t.s);
    EXPECT_EQ(t.e->hilos.total, 600);
    EXPECT_EQ(t.d.mensajes(), std::vector<std::string>{"La paleta tiene 601 hilos; sólo se usan los 600 primeros."});
}

TEST(CatalogoOrdenes, GrabaDmcAuxEnWindows1252YSeReLee) {
    Sesion_ t;
    // La carpeta de datos del usuario se crea si todavía no existe.
    const auto datos = t.carpeta / "datos" / "puntocruz";
    graba_paleta_dmc(t.s, datos.string());
    EXPECT_TRUE(t.d.llamadas().empty());  // sin mensaje si va bien
    const std::string bytes = t.leer(datos / "dmc_aux.dat");
    EXPECT_EQ(bytes.substr(0, 57), "; Palera de Hilos DMC sacada del cat\xE1logo de hilos DMC.\r\n");
    EXPECT_NE(bytes.find("\r\n; A\xF1o 2000. Scanner HP ScanJet Series II\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\n3712  R:212 G:84  B:92\r\n"), std::string::npos);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 488);

    // Se vuelve a leer con la orden de lectura y da lo mismo.
    t.d.fichero((datos / "dmc_aux.dat").string());
    lee_paleta_dmc(t.s);
    EXPECT_EQ(t.e->texto_dmc, lineas_dmc_incorporado());
    EXPECT_EQ(t.e->hilos.total, 420);

    // Una carpeta que no se puede crear (en su sitio hay un fichero): error de la grabación.
    t.escribir("fichero", "x");
    const std::string mala = (t.carpeta / "fichero" / "hay").string();
    EXPECT_FALSE(ejecutar(t.d, [&] { graba_paleta_dmc(t.s, mala); }));
    EXPECT_EQ(t.d.errores(), std::vector<std::string>{"Cannot create file \"" + mala +
                                                      "/dmc_aux.dat\". Una parte de la ruta no es una carpeta"});
}

TEST(Principal, AvisoSalidaYPrimeraCarga) {
    Sesion_ t;
    aviso_inicio(t.d);
    EXPECT_EQ(t.d.mensajes(), std::vector<std::string>{"AVISO: Interesa que el monitor esté configurado como "
                                                       "COLOR VERDADERO. Mira la ayuda para más información."});
    t.d.contestar(false).contestar(true);
    EXPECT_FALSE(confirmar_salida(t.d));
    EXPECT_TRUE(confirmar_salida(t.d));
    const auto& ll = t.d.llamadas();
    ASSERT_EQ(ll.size(), 3u);
    EXPECT_EQ(ll[1].tipo, Tipo::kPregunta);
    EXPECT_EQ(ll[1].titulo, "Punto de Cruz");
    EXPECT_EQ(ll[1].texto, "¿Desea Salir?");

    EXPECT_EQ(t.e->marca, "");
    al_mostrar(t.s);
    EXPECT_EQ(t.e->marca, "DMC");
    EXPECT_EQ(t.e->hilos.total, 420);
    EXPECT_EQ(t.v.paneles[1], "Paleta de Hilos: DMC");
}

TEST(Principal, PintarPaletaDmc) {
    Sesion_ t;
    t.e->marca = "ANCHOR";
    t.e->punto(19, 30).lado(kArriba) = C(9, 9, 9);
    t.e->punto(20, 1).color = C(8, 8, 8);
    pintar_paleta_dmc(t.s);
    EXPECT_EQ(t.e->marca, "DMC");
    EXPECT_EQ(t.e->ancho, "19");
    EXPECT_EQ(t.e->alto, "30");
    EXPECT_EQ(t.v.redibujados, 1);
    const Color blanco = C(252, 251, 248);
    EXPECT_EQ(t.e->punto(1, 1).color, C(246, 186, 190));   // 3713
    EXPECT_EQ(t.e->punto(1, 4).color, C(212, 84, 92));     // 3712
    EXPECT_EQ(t.e->punto(1, 24).color, blanco);            // la columna 1 tiene 23
    EXPECT_EQ(t.e->punto(5, 26).color, t.e->hilos[123].color);  // último de la columna 5
    EXPECT_EQ(t.e->punto(17, 1).color, C(250, 250, 248));  // B5200
    EXPECT_EQ(t.e->punto(18, 1).color, C(212, 212, 212));  // 762
    EXPECT_EQ(t.e->punto(18, 8).color, C(2, 2, 2));        // 310
    EXPECT_EQ(t.e->punto(18, 9).color, blanco);
    for (int y = 1; y <= 30; ++y) EXPECT_EQ(t.e->punto(19, y).color, blanco) << y;
    EXPECT_EQ(t.e->punto(19, 30).lado(kArriba), C(9, 9, 9));  // el perfilado no se toca
    EXPECT_EQ(t.e->punto(20, 1).color, C(8, 8, 8));           // fuera de la carta tampoco
}

TEST(Principal, PintarPaletaConColumnasPersonalizadas) {
    Sesion_ t;
    // Una entrada sin columna (0) ya abre una columna nueva; una columna de 40 sigue por debajo.
    std::vector<std::string> texto = {"1 R:1 G:0 B:0"};
    texto.push_back(";COLUMNA 1");
    for (int i = 0; i < 40; ++i) texto.push_back(std::to_string(100 + i) + " R:" + std::to_string(i) + " G:1 B:0");
    texto.push_back("-2 R:200 G:200 B:200");  // sigue en la columna 1
    t.e->texto_dmc = texto;
    pintar_paleta_dmc(t.s);
    EXPECT_EQ(t.e->punto(2, 1).color, C(1, 0, 0));
    EXPECT_EQ(t.e->punto(3, 1).color, C(0, 1, 0));
    EXPECT_EQ(t.e->punto(3, 40).color, C(39, 1, 0));
    EXPECT_EQ(t.e->punto(3, 41).color, C(200, 200, 200));
    EXPECT_EQ(t.e->punto(1, 1).color, C(200, 200, 200));  // el fondo es el "Blanco" del catálogo
}

}  // namespace
}  // namespace pc
