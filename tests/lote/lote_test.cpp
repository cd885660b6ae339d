#include <gtest/gtest.h>

#include "tests/comun/proceso.h"

namespace pc::prueba {
namespace {

TEST(Lote, AyudaListaLasSubordenes) {
    const Resultado r = ejecutar_lote("--ayuda");
    EXPECT_EQ(r.codigo, 0);
    for (const char* sub : {"catalogo", "hilo", "generar", "paleta", "convertir", "reducir", "ajustar",
                            "equivalencias"}) {
        EXPECT_NE(r.salida.find(std::string("puntocruz-lote ") + sub), std::string::npos) << sub;
    }
}

TEST(Lote, SubordenDesconocidaOSinSubordenFallanConMensaje) {
    Resultado r = ejecutar_lote("pintar");
    EXPECT_NE(r.codigo, 0);
    EXPECT_NE(r.errores.find("Suborden desconocida: pintar"), std::string::npos);
    r = ejecutar_lote("");
    EXPECT_NE(r.codigo, 0);
    EXPECT_NE(r.errores.find("Falta la suborden"), std::string::npos);
}

}  // namespace
}  // namespace pc::prueba
