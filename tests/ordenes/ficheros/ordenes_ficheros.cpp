// Las órdenes de grabar y cargar vistas como las usa el usuario, y la herramienta por lotes.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "app/imagen_memoria.h"
#include "files/fichero_pc.h"
#include "files/fichero_pci.h"
#include "ordenes/ficheros/ficheros_patron.h"
#include "tests/comun/guion.h"
#include "tests/files/ayuda_ficheros.h"
#include "threads/datos.h"

namespace pc {
namespace {

using prueba::Tipo;

struct Sesiones {
    std::unique_ptr<Estado> e = crear_estado();
    prueba::DialogosGuion d;
    prueba::VistaRegistro v;
    ImagenMemoria img;
    Sesion s{*e, d, v, img};
    Sesiones() {
        valores_iniciales(*e);
        poner_textos_incorporados(*e);
    }
};

// Diseño de 3 x 2 con un perfil.
void diseno_pequeno(Estado& e) {
    e.ancho = "3";
    e.alto = "2";
    for (int x = 1; x <= 3; ++x)
        for (int y = 1; y <= 2; ++y) {
            e.punto(x, y).color = rgb(x * 60, y * 100, 0);
            e.punto(x, y).perfil = {-1, -1, -1, -1};
        }
    e.punto(2, 2).lado(kIzquierda) = rgb(0, 0, 0);
}

TEST(OrdenesPatron, GrabarYVolverACargar) {
    prueba::CarpetaTemporal tmp;
    const std::string ruta = tmp / "dibujo.pc";
    {
        Sesiones a;
        diseno_pequeno(*a.e);
        // Tiene un lado perfilado: se graba igualmente. Primero se cancela: no se escribe nada.
        a.d.contestar(true).fichero(std::nullopt);
        grabar_punto_cruz(a.s);
        EXPECT_FALSE(std::filesystem::exists(ruta));
        a.d.contestar(true).fichero(ruta);
        grabar_punto_cruz(a.s);
        const auto& g = a.d.llamadas().back();
        EXPECT_EQ(g.tipo, Tipo::kGuardar);
        EXPECT_EQ(g.texto, "Punto de Cruz|*.pc|Todos los Archivos|*.*");
        EXPECT_EQ(g.titulo, "*.pc");
        EXPECT_EQ(a.v.paneles[2], ruta);
        EXPECT_GT(a.e->paleta.total, 0);  // la paleta se rehízo antes de grabar
        EXPECT_EQ(prueba::leer_bytes(ruta).size(), 359u + 4 * 7);  // la tanda vacía y una por punto
    }
    Sesiones b;
    b.e->tam_rejilla = "9";
    b.e->paleta.total = 4;
    b.d.fichero(ruta);
    cargar_punto_cruz(b.s);
    EXPECT_EQ(b.d.llamadas().front().texto, "Punto de Cruz|*.pc|Todos los Archivos|*.*");
    EXPECT_EQ(b.e->marca, "DMC");  // sin catálogo se carga el DMC
    EXPECT_GT(b.e->hilos.total, 0);
    EXPECT_TRUE(b.d.mensajes().empty());
    EXPECT_EQ(b.e->ancho, "3");
    EXPECT_EQ(b.e->alto, "2");
    EXPECT_EQ(b.e->zona_x2, "3");
    EXPECT_EQ(b.e->zona_y2, "2");
    EXPECT_EQ(b.e->tam_rejilla, "9");
    EXPECT_EQ(b.e->punto(3, 2).color, rgb(180, 200, 0));
    EXPECT_EQ(b.e->punto(2, 2).lado(kIzquierda), -1);  // el perfil no se guarda
    EXPECT_EQ(b.e->punto(4, 1).color, kBlanco);
    EXPECT_EQ(b.e->paleta.total, 0);
    EXPECT_EQ(b.v.redibujados, 1);
    EXPECT_EQ(b.v.paneles[2], ruta);
}

// Una carga fallida (de cualquiera de los cuatro lectores, o de un fichero que no se puede abrir)
// avisa y deja el diseño abierto exactamente como estaba: rejilla, tamaño, celda, paleta,
// zona, barra de estado y vista.
TEST(OrdenesPatron, CargaFallidaConservaElDiseno) {
    prueba::CarpetaTemporal tmp;
    std::string cortado = prueba::cabecera_pc("Versi\xF3n 1.60", 2, 2);
    prueba::tanda(cortado, 2, 1, 2, 3);
    cortado += "\x02\x09";
    prueba::escribir_bytes(tmp / "cortado.pc", cortado);
    std::string antiguo = prueba::cabecera_pc("Versi\xF3n 1.40", 1, 1);
    prueba::tanda(antiguo, 1, 0, 0, 0);
    prueba::escribir_bytes(tmp / "antiguo.pc", antiguo);
    prueba::escribir_bytes(tmp / "viejo.pc", "3\n3\n255\nhola\n");
    prueba::escribir_bytes(tmp / "ver12.pc", "2\n2\n1\n1. R:1 G:2 B:3\n4:7\n");
    std::string corto;
    prueba::int32(corto, 2);
    prueba::int32(corto, 3);
    prueba::int32(corto, rgb(255, 0, 0));
    prueba::escribir_bytes(tmp / "corto.pci", corto);

    Sesiones a;
    diseno_pequeno(*a.e);
    a.e->tam_rejilla = "7";
    a.e->tam_celda = 7;
    a.e->zona_x1 = "2";
    a.e->paleta.total = 5;
    a.v.panel(2, "mi_diseño.pc");
    const auto antes = crear_estado();
    *antes = *a.e;
    const auto intacto = [&](const std::string& que) {
        SCOPED_TRACE(que);
        EXPECT_EQ(std::memcmp(&a.e->puntos, &antes->puntos, sizeof(antes->puntos)), 0);
        EXPECT_EQ(a.e->ancho, "3");
        EXPECT_EQ(a.e->alto, "2");
        EXPECT_EQ(a.e->tam_rejilla, "7");
        EXPECT_EQ(a.e->tam_celda, 7);
        EXPECT_EQ(a.e->zona_x1, "2");
        EXPECT_EQ(a.e->paleta.total, 5);
        EXPECT_EQ(a.v.paneles[2], "mi_diseño.pc");
        EXPECT_EQ(a.v.redibujados + a.v.limpiezas, 0);
    };
    const std::string no_existe = "El fichero \"" + (tmp / "no_hay.pc") + "\" no existe";
    const std::string carpeta = "No se puede abrir el fichero \"" + tmp.ruta().string() + "\": no es un fichero";

    EXPECT_FALSE(cargar_pc_leido(a.s, tmp / "cortado.pc", 5));
    EXPECT_FALSE(cargar_pc_leido(a.s, tmp / "antiguo.pc", 5));
    EXPECT_FALSE(cargar_pc_leido(a.s, tmp / "viejo.pc", 1));
    EXPECT_FALSE(cargar_pc_leido(a.s, tmp / "ver12.pc", 3));
    EXPECT_FALSE(cargar_pc_leido(a.s, tmp / "no_hay.pc", 5));
    EXPECT_FALSE(cargar_pc_leido(a.s, tmp.ruta().string(), 5));
    EXPECT_EQ(a.d.mensajes(), (std::vector<std::string>{"ERROR: Formato no reconocido", "ERROR en la versión del fichero",
                                                        "ERROR: Formato no reconocido", "ERROR: Formato no reconocido"}));
    // Un fichero que no se pudo leer no es cosa del formato: sólo el porqué, como error.
    EXPECT_EQ(a.d.errores(), (std::vector<std::string>{no_existe, carpeta}));
    intacto("patrón");

    a.d.fichero(tmp / "corto.pci").fichero(tmp / "no_hay.pc");
    cargar_pci_orden(a.s);
    cargar_pci_orden(a.s);
    EXPECT_EQ(a.d.mensajes().back(), "ERROR al leer el fichero");
    EXPECT_EQ(a.d.errores().back(), no_existe);
    intacto("impresión");

    // Un fichero cuyas tandas acaban antes se carga como siempre: lo que falta, en blanco.
    std::string medio = prueba::cabecera_pc("Versi\xF3n 1.60", 2, 2);
    prueba::tanda(medio, 0, 255, 255, 255);
    prueba::tanda(medio, 3, 1, 2, 3);
    prueba::escribir_bytes(tmp / "medio.pc", medio);
    EXPECT_TRUE(cargar_pc_leido(a.s, tmp / "medio.pc", 5));
    EXPECT_EQ(a.e->ancho, "2");
    EXPECT_EQ(a.e->zona_x2, "2");
    EXPECT_EQ(a.e->punto(1, 2).color, rgb(1, 2, 3));
    EXPECT_EQ(a.e->punto(2, 2).color, kBlanco);
    EXPECT_EQ(a.e->punto(3, 1).color, kBlanco);
    EXPECT_EQ(a.e->paleta.total, 0);
    EXPECT_EQ(a.v.redibujados, 1);
    EXPECT_EQ(a.v.paneles[2], tmp / "medio.pc");
}

TEST(OrdenesPatron, GrabacionFallidaConservaElFicheroAnterior) {
    prueba::CarpetaTemporal tmp;
    const std::string ruta = tmp / "viejo.pc";
    prueba::escribir_bytes(ruta, "contenido anterior");
    Sesiones a;
    diseno_pequeno(*a.e);

    // Sin sitio para escribir (límite de tamaño de fichero del proceso: vale también como root).
    rlimit antes{};
    getrlimit(RLIMIT_FSIZE, &antes);
    auto senal = signal(SIGXFSZ, SIG_IGN);
    rlimit poco = antes;
    poco.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &poco);
    a.d.contestar(true).fichero(ruta);
    const bool ok = ejecutar(a.d, [&] { grabar_punto_cruz(a.s); });
    setrlimit(RLIMIT_FSIZE, &antes);
    signal(SIGXFSZ, senal);
    EXPECT_FALSE(ok);
    ASSERT_EQ(a.d.errores().size(), 1u);
    EXPECT_EQ(a.d.errores()[0].rfind("Cannot create file \"" + ruta + "\"", 0), 0u) << a.d.errores()[0];
    EXPECT_EQ(prueba::leer_bytes(ruta), "contenido anterior");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tmp.ruta()), {}), 1);  // sin temporales

    // Carpeta de sólo lectura (sólo tiene efecto si no somos root).
    if (geteuid() != 0) {
        std::filesystem::permissions(tmp.ruta(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        EXPECT_FALSE(ejecutar(a.d, [&] { grabar_pci_en(a.s, ruta); }));
        EXPECT_EQ(prueba::leer_bytes(ruta), "contenido anterior");
    }
}

TEST(OrdenesPatron, NombreEnLaBarraYArgumentoDeArranque) {
    Sesiones a;
    // 50 caracteres (con letras de dos bytes) se ven enteros; 51 se abrevian.
    const std::string cincuenta = "/ñandú/" + std::string(38, 'a') + "/x.pc";
    ASSERT_EQ(cincuenta.size(), 52u);
    mostrar_fichero(a.s, cincuenta);
    EXPECT_EQ(a.v.paneles[2], cincuenta);
    const std::string cincuenta_y_uno = "/ñandú/" + std::string(39, 'a') + "/x.pc";
    mostrar_fichero(a.s, cincuenta_y_uno);
    EXPECT_EQ(a.v.paneles[2], "/ñandú/aaaaaaaaaaaaa...aaaaaaaaaaaaaaaaaaaaa/x.pc");

    EXPECT_FALSE(abrir_al_arrancar(a.s, "   \t "));
    EXPECT_FALSE(abrir_al_arrancar(a.s, ""));
    EXPECT_TRUE(a.d.llamadas().empty());
    EXPECT_EQ(a.v.redibujados, 0);
    EXPECT_EQ(a.e->punto(1, 1).color, 0);

    prueba::CarpetaTemporal tmp;
    diseno_pequeno(*a.e);
    prueba::escribir_bytes(tmp / "arranque.pc", codificar_pc(*a.e, 3, 2));
    Sesiones b;
    EXPECT_TRUE(abrir_al_arrancar(b.s, "  " + (tmp / "arranque.pc") + " "));
    EXPECT_TRUE(b.d.mensajes().empty());
    EXPECT_EQ(b.e->ancho, "3");
    EXPECT_EQ(b.e->punto(1, 1).color, rgb(60, 100, 0));
    EXPECT_EQ(b.v.paneles[2], tmp / "arranque.pc");
}

TEST(OrdenesImpresion, GrabarYCargarConAjusteDeRejilla) {
    prueba::CarpetaTemporal tmp;
    Sesiones a;
    a.e->ancho = "700";
    a.e->alto = "700";
    for (int x = 1; x <= 700; ++x)
        for (int y = 1; y <= 700; ++y) a.e->punto(x, y).color = rgb(x, y, (x + y) & 0xFF);
    a.d.fichero(tmp / "grande.pci");
    grabar_pci(a.s);
    EXPECT_EQ(a.d.llamadas().back().texto, "Punto de Cruz (Para Imprimir)|*.pci|Todos los Archivos|*.*");
    EXPECT_EQ(a.d.llamadas().back().titulo, "*.pci");
    EXPECT_EQ(a.v.paneles[2], "");  // la barra no cambia
    EXPECT_EQ(prueba::leer_bytes(tmp / "grande.pci").size(), 8u + 4u * 700 * 700);

    Sesiones b;
    b.e->punto(5, 5).perfil = {1, 2, 3, 4};
    b.d.fichero(tmp / "grande.pci");
    cargar_pci_orden(b.s);
    EXPECT_EQ(b.d.llamadas().front().texto, "Archivos .PCI para Imprimir|*.pci");
    EXPECT_EQ(b.d.llamadas().front().titulo, "*.pci");
    EXPECT_EQ(b.d.mensajes(), std::vector<std::string>{"Se cambia el tamaño de la rejilla 2"});
    EXPECT_EQ(b.e->tam_rejilla, "2");
    EXPECT_EQ(b.e->tam_celda, 2);
    EXPECT_EQ(b.e->zona_x2, "700");
    EXPECT_EQ(b.e->punto(700, 700).color, rgb(700, 700, 1400 & 0xFF));
    EXPECT_EQ(b.e->punto(5, 5).perfil[0], -1);
    EXPECT_EQ(b.v.limpiezas, 1);
    EXPECT_EQ(b.v.redibujados, 1);
    EXPECT_EQ(b.v.paneles[2], tmp / "grande.pci");

    // Cancelar no cambia nada; un tamaño de rejilla "0" no rompe la carga.
    Sesiones c;
    c.e->marca = "DMC";
    c.e->tam_rejilla = "0";
    c.e->tam_celda = 0;
    c.d.fichero(std::nullopt);
    cargar_pci_orden(c.s);
    EXPECT_EQ(c.e->punto(1, 1).color, 0);
    EXPECT_EQ(c.v.limpiezas + c.v.redibujados, 0);
    c.d.fichero(tmp / "grande.pci");
    cargar_pci_orden(c.s);
    EXPECT_EQ(c.d.mensajes(), std::vector<std::string>{"Se cambia el tamaño de la rejilla 2"});
    EXPECT_EQ(c.e->punto(1, 1).color, rgb(1, 1, 2));
}

// La herramienta por lotes, ejecutada de verdad.
int lote(const std::string& args, const std::string& salida_error) {
    const int r = std::system((std::string(PC_LOTE) + " " + args + " 2>" + salida_error + " >/dev/null").c_str());
    return WIFEXITED(r) ? WEXITSTATUS(r) : -1;
}

TEST(LoteConvertir, IdaYVueltaEntreFormatosYFallos) {
    prueba::CarpetaTemporal tmp;
    const std::string err = tmp / "err.txt";
    auto e = crear_estado();
    valores_iniciales(*e);
    for (int x = 1; x <= 4; ++x)
        for (int y = 1; y <= 3; ++y) e->punto(x, y).color = rgb(x * 10, y * 20, 30);
    const std::string pc = codificar_pc(*e, 4, 3);
    prueba::escribir_bytes(tmp / "a.pc", pc);

    ASSERT_EQ(lote("convertir " + (tmp / "a.pc") + " " + (tmp / "b.pci"), err), 0) << prueba::leer_bytes(err);
    EXPECT_EQ(prueba::leer_bytes(tmp / "b.pci"), codificar_pci(*e, 4, 3));
    ASSERT_EQ(lote("convertir " + (tmp / "b.pci") + " " + (tmp / "c.pc"), err), 0) << prueba::leer_bytes(err);
    EXPECT_EQ(prueba::leer_bytes(tmp / "c.pc"), pc);

    // Texto 1.2 a binario.
    ASSERT_EQ(lote("convertir " + std::string(PC_DATOS_PRUEBA) + "/patron_ver12.pc " + (tmp / "d.pc") + " --formato 3",
                   err),
              0)
        << prueba::leer_bytes(err);
    auto d = crear_estado();
    leer_pc_binario(*d, prueba::leer_bytes(tmp / "d.pc"));
    EXPECT_EQ(d->ancho, "3");
    EXPECT_EQ(d->punto(3, 2).color, rgb(0, 0, 255));

    // Fallos: salida distinta de cero, el aviso en stderr y nada escrito.
    prueba::escribir_bytes(tmp / "malo.pc", "esto no es un patrón");
    EXPECT_EQ(lote("convertir " + (tmp / "malo.pc") + " " + (tmp / "x.pc"), err), 1);
    EXPECT_NE(prueba::leer_bytes(err).find("ERROR: Formato no reconocido"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(tmp / "x.pc"));
    EXPECT_EQ(lote("convertir " + (tmp / "no_hay.pci") + " " + (tmp / "x.pc"), err), 1);
    EXPECT_EQ(prueba::leer_bytes(err), "El fichero \"" + (tmp / "no_hay.pci") + "\" no existe\n");
    EXPECT_EQ(lote("convertir " + tmp.ruta().string() + " " + (tmp / "x.pc"), err), 1);
    EXPECT_EQ(prueba::leer_bytes(err), "No se puede abrir el fichero \"" + tmp.ruta().string() + "\": no es un fichero\n");
    EXPECT_EQ(lote("convertir " + (tmp / "a.pc") + " " + (tmp / "x.pc") + " --formato 2", err), 2);
    EXPECT_FALSE(std::filesystem::exists(tmp / "x.pc"));
}

}  // namespace
}  // namespace pc
