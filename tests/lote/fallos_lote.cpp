// La herramienta por lotes atacada desde fuera: una imagen que falta para la fidelidad, un
// tamaño tecleado con signo, un entorno que pide una pantalla que no hay y unos trozos que no
// caben en el disco.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "tests/comun/proceso.h"

namespace pc::prueba {
namespace {

namespace fs = std::filesystem;

const std::string kCafe = std::string(PC_DATOS_PRUEBA) + "/coffee.bmp";

struct Carpeta {
    fs::path ruta = fs::temp_directory_path() / ("pc_lote_fallos_" + std::to_string(std::random_device{}()));
    Carpeta() { fs::create_directories(ruta); }
    ~Carpeta() { fs::remove_all(ruta); }
    std::string operator/(const std::string& n) const { return (ruta / n).string(); }
};

TEST(LoteFallos, FidelidadSinImagenEnCastellanoYEscritoConLosNumerosUsados) {
    Carpeta c;
    Resultado r = ejecutar_lote("generar " + comillas(kCafe) + " -o " + comillas(c / "mas.pc") + " --ancho +5");
    ASSERT_EQ(r.codigo, 0) << r.errores;
    EXPECT_EQ(r.salida.rfind("Escrito " + (c / "mas.pc") + " (5 x 3 puntos, ", 0), 0u) << r.salida;

    r = ejecutar_lote("fidelidad " + comillas(c / "no_hay.bmp") + " " + comillas(c / "mas.pc"));
    EXPECT_EQ(r.codigo, 1);
    EXPECT_EQ(r.errores, "El fichero " + (c / "no_hay.bmp") + " no existe.\n");
}

// Con QT_QPA_PLATFORM=xcb y sin pantalla, Qt no podría arrancar: la herramienta dibuja siempre
// fuera de pantalla. Y si los trozos no caben (límite de tamaño de fichero del proceso, como un
// disco lleno), la carpeta que creó la orden no se queda vacía detrás.
TEST(LoteFallos, ExportarNoNecesitaPantallaYUnosTrozosFallidosNoDejanCarpeta) {
    Carpeta c;
    ASSERT_EQ(ejecutar_lote("generar " + comillas(kCafe) + " -o " + comillas(c / "cafe.pc") + " --ancho 70").codigo, 0);

    const std::string orden = "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb " + comillas(PC_LOTE) +
                              " exportar " + comillas(c / "cafe.pc") + " -o " + comillas(c / "cafe.bmp") +
                              " > /dev/null 2> " + comillas(c / "err.txt");
    const int estado = std::system(orden.c_str());
    EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0) << estado;
    EXPECT_TRUE(fs::exists(c / "cafe.bmp"));
    EXPECT_EQ(fs::file_size(c / "err.txt"), 0u);

    const std::string trozos = "sh -c " + comillas("trap '' XFSZ; ulimit -f 1; exec " + comillas(PC_LOTE) +
                                                  " exportar " + comillas(c / "cafe.pc") + " -o " +
                                                  comillas(c / "nueva/trozos") + " --trozos 2> " +
                                                  comillas(c / "err.txt"));
    const int fallo = std::system(trozos.c_str());
    EXPECT_TRUE(WIFEXITED(fallo) && WEXITSTATUS(fallo) == 1) << fallo;
    EXPECT_FALSE(fs::exists(c / "nueva"));
}

// Un OXS con más colores de los que caben en la paleta (601) no se convierte a medias: sale
// con 1 y no escribe nada, como el cuadernillo.
TEST(LoteFallos, ConvertirUnOxsDeMasDe600ColoresFallaSinEscribir) {
    Carpeta c;
    std::string xml = "<chart><properties chartwidth=\"601\" chartheight=\"1\"/><palette>";
    std::string puntos;
    for (int i = 1; i <= 601; ++i) {
        char color[8];
        std::snprintf(color, sizeof color, "%06X", i * 1000);
        xml += "<palette_item index=\"" + std::to_string(i) + "\" color=\"" + color + "\"/>";
        puntos += "<stitch x=\"" + std::to_string(i - 1) + "\" y=\"0\" palindex=\"" + std::to_string(i) + "\"/>";
    }
    xml += "</palette><fullstitches>" + puntos + "</fullstitches></chart>";
    { std::ofstream(c / "muchos.oxs") << xml; }
    for (const char* salida : {"muchos.pc", "muchos2.oxs"}) {
        const Resultado r = ejecutar_lote("convertir " + comillas(c / "muchos.oxs") + " " + comillas(c / salida));
        EXPECT_EQ(r.codigo, 1) << salida;
        EXPECT_NE(r.errores.find("El patrón tiene 601 colores"), std::string::npos) << r.errores;
        EXPECT_FALSE(fs::exists(c / salida));
    }
}

}  // namespace
}  // namespace pc::prueba
