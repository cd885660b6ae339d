// Los ficheros de datos se encuentran junto al programa o en la carpeta de la instalación.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace pc
