// Fotos grandes: una de 48 megapíxeles (la de un teléfono actual) se abre, también en PNG de 16
// bits por canal; una de más de 100, en cualquier formato, se rechaza por su cabecera con un
// mensaje en castellano, y ni la ventana ni la herramienta por lotes dejan salir las líneas de
// registro de Qt o de sus bibliotecas de imágenes. Una tubería con nombre no se queda esperando.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/errores.h"
#include "app/ficheros.h"
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

// PNG RGB de ancho × alto con `bits` por canal y esos datos comprimidos.
void png(const std::string& ruta, int ancho, int alto, char bits, const std::string& comprimidos) {
    const auto trozo = [](std::string& b, const std::string& tipo, const std::string& datos) {
        be32(b, static_cast<std::uint32_t>(datos.size()));
        b += tipo + datos;
        be32(b, crc32(tipo + datos));
    };
    std::string ihdr;
    be32(ihdr, static_cast<std::uint32_t>(ancho));
    be32(ihdr, static_cast<std::uint32_t>(alto));
    ihdr += bits;
    ihdr += std::string("\x02\x00\x00\x00", 4);
    std::string b = "\x89PNG\r\n\x1a\n";
    trozo(b, "IHDR", ihdr);
    trozo(b, "IDAT", comprimidos);
    trozo(b, "IEND", "");
    std::ofstream(ruta, std::ios::binary) << b;
}

// PNG de ancho × alto cuyos datos comprimidos son basura: la cabecera se lee, los píxeles no.
void png_roto(const std::string& ruta, int ancho, int alto) { png(ruta, ancho, alto, 8, "basura, no zlib"); }

// PNG RGB de 16 bits por canal, negro: los datos comprimidos se escriben a mano (un cero y
// copias de 258 bytes a distancia 1, con los códigos fijos de deflate), así que el fichero
// ocupa poco aunque la imagen sea enorme.
void png16_negro(const std::string& ruta, int ancho, int alto) {
    std::string z = "\x78\x01";
    std::uint32_t acumulado = 0;
    int bits = 0;
    const auto poner = [&](std::uint32_t v, int n) {  // del bit bajo al alto
        acumulado |= v << bits;
        bits += n;
        while (bits >= 8) {
            z += static_cast<char>(acumulado & 0xFF);
            acumulado >>= 8;
            bits -= 8;
        }
    };
    const auto codigo = [&](std::uint32_t c, int n) {  // los códigos de Huffman, del bit alto al bajo
        for (int i = n - 1; i >= 0; --i) poner((c >> i) & 1u, 1);
    };
    const unsigned long long total = static_cast<unsigned long long>(alto) * (1 + 6ull * static_cast<unsigned long long>(ancho));
    poner(1, 1);  // último bloque
    poner(1, 2);  // códigos fijos
    codigo(0x30, 8);  // el literal 0
    unsigned long long hecho = 1;
    for (; hecho + 258 <= total; hecho += 258) {
        codigo(0xC5, 8);  // longitud 258
        codigo(0, 5);     // distancia 1
    }
    for (; hecho < total; ++hecho) codigo(0x30, 8);
    codigo(0, 7);  // fin del bloque
    if (bits > 0) poner(0, 8 - bits);
    be32(z, static_cast<std::uint32_t>((total % 65521) << 16 | 1));  // Adler-32 de ceros
    png(ruta, ancho, alto, 16, z);
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
        EXPECT_EQ(std::string(err.what()), "La imagen es demasiado grande: 200 megapíxeles; el máximo es 100");
    }
    EXPECT_EQ(img.ancho(), 8000);  // la imagen anterior se queda
    EXPECT_EQ(img.fichero(), c / "movil.bmp");
}

// Una foto PNG de 16 bits por canal de 53 megapíxeles ocupa 8 bytes por píxel al leerla: se
// abre (antes el límite de memoria, pensado para 4 bytes, la daba por dañada).
TEST(ImagenesGrandes, UnPngDe16BitsDe53MegapixelesSeAbre) {
    Carpeta c;
    png16_negro(c / "foto16.png", 7300, 7300);
    ImagenQt img;
    img.cargar(c / "foto16.png");
    EXPECT_EQ(img.ancho(), 7300);
    EXPECT_EQ(img.alto(), 7300);
    EXPECT_EQ(img.pixel(7299, 7299), 0);
}

// La misma regla para todos los formatos, con las medidas de la cabecera: un BMP de 101
// megapíxeles (que la vía directa abría) se rechaza, y uno de 600 MB sin leerlo entero.
TEST(ImagenesGrandes, LaReglaDeLosCienMegapixelesValeParaLosBmpDesdeLaCabecera) {
    Carpeta c;
    bmp_negro(c / "pasado.bmp", 10100, 10000);
    bmp_negro(c / "enorme.bmp", 20000, 10000);
    ImagenQt img;
    for (const auto& [f, n] : {std::pair{"pasado.bmp", 101}, {"enorme.bmp", 200}}) {
        const auto antes = std::chrono::steady_clock::now();
        try {
            img.cargar(c / f);
            ADD_FAILURE() << f << " no debe abrirse";
        } catch (const ErrorFormato& err) {
            EXPECT_EQ(std::string(err.what()),
                      "La imagen es demasiado grande: " + std::to_string(n) + " megapíxeles; el máximo es 100");
        }
        EXPECT_LT(std::chrono::steady_clock::now() - antes, std::chrono::milliseconds(200)) << f;
    }
    EXPECT_EQ(img.fichero(), "");
}

// Una tubería con nombre como imagen: se rechaza en el acto, sin abrirla (abrirla esperaría
// para siempre a que alguien escribiese). Si se quedase esperando, un hilo la desbloquea a los
// dos segundos y la prueba falla en lugar de colgarse.
TEST(ImagenesGrandes, UnaTuberiaConNombreNoSeQuedaEsperando) {
    Carpeta c;
    const std::string tubo = c / "tubo.bmp";
    ASSERT_EQ(::mkfifo(tubo.c_str(), 0600), 0);
    std::atomic<bool> fin{false};
    std::thread desbloquear([&] {
        for (int i = 0; i < 200 && !fin; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (fin) return;
        const int fd = ::open(tubo.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) ::close(fd);
    });
    ImagenQt img;
    const auto antes = std::chrono::steady_clock::now();
    try {
        img.cargar(tubo);
        ADD_FAILURE() << "una tubería no es una imagen";
    } catch (const ErrorLectura& err) {
        EXPECT_EQ(err.aviso(), "No se puede abrir el fichero \"" + tubo + "\": no es un fichero");
    }
    fin = true;
    desbloquear.join();
    EXPECT_LT(std::chrono::steady_clock::now() - antes, std::chrono::seconds(1));
}

TEST(ImagenesGrandes, LaHerramientaPorLotesSoloDiceElMensaje) {
    Carpeta c;
    png_roto(c / "gigante.png", 20000, 10000);
    png_roto(c / "roto.png", 100, 100);
    const auto a = prueba::ejecutar_lote("generar " + prueba::comillas(c / "gigante.png") + " -o " +
                                         prueba::comillas(c / "a.pc"));
    EXPECT_EQ(a.codigo, 1);
    EXPECT_EQ(a.errores, "La imagen es demasiado grande: 200 megapíxeles; el máximo es 100\n");
    // La biblioteca de PNG avisaría por su cuenta ("libpng error: …"): no sale.
    const auto b = prueba::ejecutar_lote("generar " + prueba::comillas(c / "roto.png") + " -o " +
                                         prueba::comillas(c / "b.pc"));
    EXPECT_EQ(b.codigo, 1);
    EXPECT_EQ(b.errores, "No se puede leer la imagen \"" + (c / "roto.png") +
                             "\": el fichero está dañado o su formato no se reconoce.\n");
}

}  // namespace
}  // namespace pc
