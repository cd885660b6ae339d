// Los ficheros de datos se encuentran junto al programa o en la carpeta de la instalación.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "app/datos_instalados.h"

namespace pc {
namespace {

namespace fs = std::filesystem;

TEST(DatosInstalados, JuntoAlProgramaAntesQueEnShareYSiNoEnNingunoElDeJunto) {
    const fs::path raiz = fs::temp_directory_path() / ("pc_datos_" + std::to_string(std::random_device{}()));
    fs::create_directories(raiz / "bin");
    fs::create_directories(raiz / "share" / "puntocruz");
    const std::string bin = (raiz / "bin").string();
    EXPECT_EQ(buscar_dato(bin, "ayuda.hlp"), (raiz / "bin" / "ayuda.hlp").string());
    std::ofstream(raiz / "share" / "puntocruz" / "ayuda.hlp") << "instalada";
    EXPECT_EQ(buscar_dato(bin, "ayuda.hlp"), (raiz / "share" / "puntocruz" / "ayuda.hlp").string());
    std::ofstream(raiz / "bin" / "ayuda.hlp") << "junto";
    EXPECT_EQ(buscar_dato(bin, "ayuda.hlp"), (raiz / "bin" / "ayuda.hlp").string());
    fs::remove_all(raiz);
}

// dmc_aux.dat se graba en la carpeta de datos del usuario y se busca primero ahí y después junto
// al programa (donde lo dejaban las versiones anteriores).
TEST(DatosInstalados, DmcAuxEnLaCarpetaDeDatosDelUsuarioAntesQueJuntoAlPrograma) {
    const fs::path raiz = fs::temp_directory_path() / ("pc_datos_" + std::to_string(std::random_device{}()));
    fs::create_directories(raiz / "bin");
    ::setenv("XDG_DATA_HOME", (raiz / "datos").c_str(), 1);
    EXPECT_EQ(carpeta_datos_usuario(), (raiz / "datos" / "puntocruz").string());
    const std::string bin = (raiz / "bin").string();
    EXPECT_EQ(carpeta_dmc_aux(bin), "");
    std::ofstream(raiz / "bin" / "dmc_aux.dat") << "viejo";
    EXPECT_EQ(carpeta_dmc_aux(bin), bin);
    fs::create_directories(raiz / "datos" / "puntocruz");
    std::ofstream(raiz / "datos" / "puntocruz" / "dmc_aux.dat") << "nuevo";
    EXPECT_EQ(carpeta_dmc_aux(bin), (raiz / "datos" / "puntocruz").string());
    // Sin la variable (o con una ruta relativa, que no vale), la de siempre bajo la carpeta personal.
    const std::string casa = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("XDG_DATA_HOME", "relativa", 1);
    ::setenv("HOME", raiz.c_str(), 1);
    EXPECT_EQ(carpeta_datos_usuario(), (raiz / ".local/share/puntocruz").string());
    ::setenv("HOME", casa.c_str(), 1);
    ::unsetenv("XDG_DATA_HOME");
    fs::remove_all(raiz);
}

}  // namespace
}  // namespace pc
