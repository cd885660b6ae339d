// Fotos grandes: una de 48 megapíxeles (la de un teléfono actual) se abre; una de más de 100 se
// rechaza con un mensaje en castellano, y ni la ventana ni la herramienta por lotes dejan salir
// las líneas de registro de Qt o de sus bibliotecas de imágenes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/errores.h"
#include "render/imagen_qt.h"
#include "tests/comun/proceso.h"

namespace pc {
namespace {

namespace fs = std::filesystem;

void le32(std::string& b, std::uint32_t v) {
    for (int k = 0; k < 4; ++k) b += static_cast<char>((v >> (8 * k)) & 0xFF);
}
void be32(std::string& b, std::uint32_t v) {
    for (int k = 3; k >= 0; --k) b += static_cast<char>((v >> (8 * k)) & 0xFF);
}

// BMP de 24 bits, negro: la cabecera y los datos como un hueco del fichero (no ocupa disco).
void bmp_negro(const std::string& ruta, int ancho, int alto) {
    const std::uint32_t fila = (static_cast<std::uint32_t>(ancho) * 3 + 3) / 4 * 4;
    const std::uint32_t datos = fila * static_cast<std::uint32_t>(alto);
    std::string b = "BM";
    le32(b, 54 + datos);
    le32(b, 0);
    le32(b, 54);
    le32(b, 40);
    le32(b, static_cast<std::uint32_t>(ancho));
    le32(b, static_cast<std::uint32_t>(alto));
    b += std::string("\x01\x00\x18\x00", 4);
    le32(b, 0);
    le32(b, datos);
    for (int k = 0; k < 4; ++k) le32(b, 0);
    std::ofstream(ruta, std::ios::binary) << b;
    fs::resize_file(ruta, 54 + datos);
}

std::uint32_t crc32(const std::string& s) {
    std::uint32_t c = 0xFFFFFFFFu;
    for (unsigned char ch : s) {
        c ^= ch;
        for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return ~c;
}

// PNG de ancho × alto cuyos datos comprimidos son basura: la cabecera se lee, los píxeles no.
void png_roto(const std::string& ruta, int ancho, int alto) {
    const auto trozo = [](std::string& b, const std::string& tipo, const std::string& datos) {
        be32(b, static_cast<std::uint32_t>(datos.size()));
        b += tipo + datos;
        be32(b, crc32(tipo + datos));
    };
    std::string ihdr;
    be32(ihdr, static_cast<std::uint32_t>(ancho));
    be32(ihdr, static_cast<std::uint32_t>(alto));
    ihdr += std::string("\x08\x02\x00\x00\x00", 5);
    std::string b = "\x89PNG\r\n\x1a\n";
    trozo(b, "IHDR", ihdr);
    trozo(b, "IDAT", "basura, no zlib");
    trozo(b, "IEND", "");
    std::ofstream(ruta, std::ios::binary) << b;
}

struct Carpeta {
    fs::path ruta = fs::temp_directory_path() / ("pc_imagenes_" + std::to_string(::getpid()));
    Carpeta() { fs::create_directories(ruta); }
    ~Carpeta() { fs::remove_all(ruta); }
    std::string operator/(const std::string& n) const { return (ruta / n).string(); }
};

TEST(ImagenesGrandes, CuarentaYOchoMegapixelesSeAbrenYMasDeCienNo) {
    Carpeta c;
    bmp_negro(c / "movil.bmp", 8000, 6000);
    png_roto(c / "gigante.png", 20000, 10000);

    ImagenQt img;
    img.cargar(c / "movil.bmp");
    EXPECT_EQ(img.ancho(), 8000);
    EXPECT_EQ(img.alto(), 6000);
    EXPECT_EQ(img.pixel(7999, 5999), 0);
    try {
        img.cargar(c / "gigante.png");
        ADD_FAILURE() << "una imagen de 200 megapíxeles no debe abrirse";
    } catch (const ErrorFormato& err) {
        EXPECT_EQ(std::string(err.what()), "La imagen \"" + (c / "gigante.png") +
                                               "\" tiene 20000 x 10000 píxeles (200 megapíxeles); se pueden abrir "
                                               "imágenes de hasta 100 megapíxeles.");
    }
    EXPECT_EQ(img.ancho(), 8000);  // la imagen anterior se queda
    EXPECT_EQ(img.fichero(), c / "movil.bmp");
}

TEST(ImagenesGrandes, LaHerramientaPorLotesSoloDiceElMensaje) {
    Carpeta c;
    png_roto(c / "gigante.png", 20000, 10000);
    png_roto(c / "roto.png", 100, 100);
    const auto a = prueba::ejecutar_lote("generar " + prueba::comillas(c / "gigante.png") + " -o " +
                                         prueba::comillas(c / "a.pc"));
    EXPECT_EQ(a.codigo, 1);
    EXPECT_EQ(a.errores, "La imagen \"" + (c / "gigante.png") +
                             "\" tiene 20000 x 10000 píxeles (200 megapíxeles); se pueden abrir imágenes de hasta "
                             "100 megapíxeles.\n");
    // La biblioteca de PNG avisaría por su cuenta ("libpng error: …"): no sale.
    const auto b = prueba::ejecutar_lote("generar " + prueba::comillas(c / "roto.png") + " -o " +
                                         prueba::comillas(c / "b.pc"));
    EXPECT_EQ(b.codigo, 1);
    EXPECT_EQ(b.errores, "No se puede leer la imagen \"" + (c / "roto.png") +
                             "\": el fichero está dañado o su formato no se reconoce.\n");
}

}  // namespace
}  // namespace pc
