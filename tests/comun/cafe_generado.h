// Un grupo de pruebas de la herramienta por lotes con su carpeta temporal y cafe.pc, el patrón
// generado de la foto de muestra al ancho dado, hecho una vez para todo el grupo.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "tests/comun/proceso.h"

namespace pc::prueba {

template <int Ancho>
class CafeGenerado : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::random_device rd;
        carpeta_ = std::filesystem::temp_directory_path() / ("pc_lote_" + std::to_string(rd()));
        std::filesystem::create_directories(carpeta_);
        const Resultado r = ejecutar_lote("generar " + comillas(std::string(PC_DATOS_PRUEBA) + "/coffee.bmp") +
                                          " -o " + comillas(ruta("cafe.pc")) + " --ancho " + std::to_string(Ancho));
        ASSERT_EQ(r.codigo, 0) << r.errores;
    }
    static void TearDownTestSuite() { std::filesystem::remove_all(carpeta_); }
    static std::string ruta(const std::string& nombre) { return (carpeta_ / nombre).string(); }
    static inline std::filesystem::path carpeta_;
};

}  // namespace pc::prueba
