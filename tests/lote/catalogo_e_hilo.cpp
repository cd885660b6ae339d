// Subórdenes "catalogo" e "hilo" de la herramienta por lotes, ejecutadas de verdad.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/texto.h"
#include "threads/datos.h"

namespace pc {
namespace {

struct Salida {
    int codigo = -1;
    std::string out, err;
};

Salida lote(const std::string& args) {
    const std::string err_fichero = (std::filesystem::temp_directory_path() /
                                     ("pc_lote_hilo_" + std::to_string(::getpid()) + ".err")).string();
    const std::string orden = std::string("'") + PC_LOTE + "' " + args + " 2>'" + err_fichero + "'";
    Salida s;
    FILE* p = ::popen(orden.c_str(), "r");
    if (!p) return s;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) s.out.append(buf, n);
    const int estado = ::pclose(p);
    s.codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    std::ifstream f(err_fichero, std::ios::binary);
    std::ostringstream o;
    o << f.rdbuf();
    s.err = o.str();
    std::filesystem::remove(err_fichero);
    return s;
}

TEST(CatalogoLote, EscribeElTextoIncorporado) {
    const Salida dmc = lote("catalogo DMC");
    EXPECT_EQ(dmc.codigo, 0) << dmc.err;
    const auto lineas = partir_lineas(dmc.out);
    EXPECT_EQ(lineas.size(), 488u);
    EXPECT_EQ(lineas, lineas_dmc_incorporado());
    EXPECT_EQ(dmc.out.substr(0, 59), "; Palera de Hilos DMC sacada del catálogo de hilos DMC.\n; ");
    EXPECT_NE(dmc.out.find("\n310   R:2   G:2   B:2   ;Grises ARREGLADO a MANO\n"), std::string::npos);
    EXPECT_EQ(dmc.out.find('\r'), std::string::npos);

    const Salida anchor = lote("catalogo ANCHOR");
    EXPECT_EQ(anchor.codigo, 0);
    EXPECT_EQ(partir_lineas(anchor.out), lineas_anchor_incorporado());
    EXPECT_EQ(anchor.out.substr(0, 53), ";ANCHOR escaneadas de la Tabla de HILOS (año 2001)\n\n");

    for (const char* malo : {"catalogo", "catalogo dmc", "catalogo DMC ANCHOR", "catalogo DMC --x"}) {
        const Salida s = lote(malo);
        EXPECT_NE(s.codigo, 0) << malo;
        EXPECT_TRUE(s.out.empty()) << malo;
        EXPECT_FALSE(s.err.empty()) << malo;
    }
}

TEST(HiloLote, HiloMasProximo) {
    EXPECT_EQ(lote("hilo 0,0,0").out, "DMC: 310 2,2,2\n");
    EXPECT_EQ(lote("hilo 255,255,255").out, "DMC:Blanco 252,251,248\n");
    EXPECT_EQ(lote("hilo 255,255,255 --metodo 2").out, "DMC:B5200 250,250,248\n");
    EXPECT_EQ(lote("hilo 246,186,190 --metodo 1").out, "DMC:3713 246,186,190\n");
    EXPECT_EQ(lote("--catalogo ANCHOR hilo 1,1,1").codigo, 2);  // la subórden va primero
    EXPECT_EQ(lote("hilo 246,246,243 --catalogo ANCHOR").out, "ANCHOR:   1 246,246,243\n");
    EXPECT_EQ(lote("hilo 45,35,30 --catalogo ANCHOR --metodo 2").out, "ANCHOR: 403 44,35,30\n");
}

TEST(HiloLote, ValoresIncorrectos) {
    for (const char* malo : {"hilo 300,0,0", "hilo 1,2", "hilo 1,2,3,4", "hilo a,0,0", "hilo -1,0,0",
                             "hilo", "hilo 1,2,3 --metodo 3", "hilo 1,2,3 --metodo", "hilo 1,2,3 --catalogo XYZ",
                             "hilo 1,2,3 4,5,6"}) {
        const Salida s = lote(malo);
        EXPECT_NE(s.codigo, 0) << malo;
        EXPECT_TRUE(s.out.empty()) << malo;
        EXPECT_FALSE(s.err.empty()) << malo;
    }
    const Salida s = lote("hilo 300,0,0");
    EXPECT_NE(s.err.find("el rojo debe ser un número entero de 0 a 255"), std::string::npos) << s.err;
    const Salida m = lote("hilo 1,2,3 --metodo 3");
    EXPECT_NE(m.err.find("--metodo"), std::string::npos) << m.err;
}

TEST(CatalogoLote, AyudaNombraLasSubordenes) {
    const Salida s = lote("--ayuda");
    EXPECT_EQ(s.codigo, 0);
    EXPECT_NE(s.out.find("puntocruz-lote catalogo DMC|ANCHOR"), std::string::npos);
    EXPECT_NE(s.out.find("puntocruz-lote hilo R,G,B [--metodo 1|2] [--catalogo DMC|ANCHOR]"), std::string::npos);
}

}  // namespace
}  // namespace pc
