// Comprobación de la cabecera de los BMP: ficheros buenos pasan, los cortados o con datos
// incoherentes se rechazan con un mensaje claro antes de llegar al lector de imágenes.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "app/errores.h"
#include "app/ficheros.h"
#include "files/bmp.h"
#include "files/medidas_imagen.h"

namespace pc {
namespace {

void poner32(std::string& b, std::size_t pos, std::uint32_t v) {
    for (int k = 0; k < 4; ++k) b[pos + static_cast<std::size_t>(k)] = static_cast<char>((v >> (8 * k)) & 0xFF);
}
void poner16(std::string& b, std::size_t pos, std::uint16_t v) {
    b[pos] = static_cast<char>(v & 0xFF);
    b[pos + 1] = static_cast<char>(v >> 8);
}

// BMP con cabecera de 40 bytes; paleta de 2^bits colores si bits <= 8; datos de relleno.
std::string bmp(std::int32_t ancho, std::int32_t alto, int bits, std::uint32_t compresion = 0,
                std::uint32_t tam_imagen = 0, std::size_t datos = SIZE_MAX) {
    const std::size_t paleta = bits <= 8 ? (std::size_t{1} << bits) * 4 : (compresion == 3 ? 12 : 0);
    const std::size_t fila = (static_cast<std::size_t>(ancho) * static_cast<std::size_t>(bits) + 31) / 32 * 4;
    const std::size_t filas = static_cast<std::size_t>(alto < 0 ? -alto : alto);
    if (datos == SIZE_MAX) datos = compresion == 1 || compresion == 2 ? tam_imagen : fila * filas;
    std::string b(54 + paleta + datos, '\x55');
    b[0] = 'B';
    b[1] = 'M';
    poner32(b, 2, static_cast<std::uint32_t>(b.size()));
    poner32(b, 6, 0);
    poner32(b, 10, static_cast<std::uint32_t>(54 + paleta));
    poner32(b, 14, 40);
    poner32(b, 18, static_cast<std::uint32_t>(ancho));
    poner32(b, 22, static_cast<std::uint32_t>(alto));
    poner16(b, 26, 1);
    poner16(b, 28, static_cast<std::uint16_t>(bits));
    poner32(b, 30, compresion);
    poner32(b, 34, tam_imagen);
    poner32(b, 38, 2835);
    poner32(b, 42, 2835);
    poner32(b, 46, 0);
    poner32(b, 50, 0);
    return b;
}

// Mensaje del error de formato, o "" si pasa la comprobación.
std::string motivo(const std::string& bytes) {
    try {
        comprobar_bmp(bytes, "foto.bmp");
    } catch (const ErrorFormato& e) {
        return e.what();
    }
    return "";
}

TEST(BmpCabecera, FicherosCorrectosYOtrosFormatosPasan) {
    EXPECT_EQ(motivo(bmp(3, 2, 24)), "");          // filas de 9 bytes rellenas a 12
    EXPECT_EQ(motivo(bmp(3, -2, 24)), "");         // de arriba abajo
    EXPECT_EQ(motivo(bmp(5, 5, 4)), "");
    EXPECT_EQ(motivo(bmp(5, 5, 8)), "");
    EXPECT_EQ(motivo(bmp(5, 5, 32, 3)), "");        // con máscaras
    EXPECT_EQ(motivo(bmp(5, 5, 8, 1, 40)), "");     // RLE8 con sus 40 bytes
    EXPECT_EQ(motivo(bmp(5, 5, 4, 2, 12)), "");     // RLE4
    EXPECT_EQ(motivo(leer_fichero(PC_DATOS_PRUEBA "/coffee.bmp")), "");
    // Lo que no empieza por "BM" no se comprueba aquí.
    EXPECT_EQ(motivo(leer_fichero(PC_DATOS_PRUEBA "/coffee.png")), "");
    EXPECT_EQ(motivo("GIF89a"), "");

}

// Las medidas de la cabecera de cada formato, con las que se aplica la regla de los 100
// megapíxeles antes de leer el fichero entero.
TEST(MedidasImagen, DeLaCabeceraDeCadaFormatoYLaRegla) {
    const auto medidas = [](const std::string& b) {
        const auto m = medidas_imagen(b);
        return m ? std::to_string(m->ancho) + "x" + std::to_string(m->alto) : std::string("-");
    };
    EXPECT_EQ(medidas(leer_fichero(PC_DATOS_PRUEBA "/coffee.bmp")), "600x400");
    EXPECT_EQ(medidas(leer_fichero(PC_DATOS_PRUEBA "/coffee.png")), "600x400");
    EXPECT_EQ(medidas(bmp(3, -2, 24)), "3x2");
    EXPECT_EQ(medidas(std::string("GIF89a\x2C\x01\x0A\x00", 10)), "300x10");
    // JPEG: un bloque APP0, relleno y el SOF2 (progresivo) con alto 0x1234 y ancho 0x0102.
    const std::string jpeg("\xFF\xD8\xFF\xE0\x00\x04" "ab\xFF\xFF\xC2\x00\x11\x08\x12\x34\x01\x02", 19);
    EXPECT_EQ(medidas(jpeg), "258x4660");
    EXPECT_EQ(medidas(jpeg.substr(0, 15)), "-");  // cortado antes de las medidas
    EXPECT_EQ(medidas(std::string("\xFF\xD8\xFF\xDA\x00\x02", 6)), "-");  // datos sin medidas
    EXPECT_EQ(medidas("texto cualquiera"), "-");

    EXPECT_NO_THROW(comprobar_pixeles(10000, 10000));
    try {
        comprobar_pixeles(10000, 10001);
        ADD_FAILURE() << "100.010.000 píxeles pasan de 100 megapíxeles";
    } catch (const ErrorFormato& err) {
        EXPECT_EQ(std::string(err.what()), "La imagen es demasiado grande: 101 megapíxeles; el máximo es 100");
    }
    // La comprobación de la cabecera BMP aplica la misma regla, antes de mirar los datos.
    std::string grande = bmp(3, 2, 24);
    poner32(grande, 18, 20000);
    poner32(grande, 22, 6000);
    EXPECT_EQ(motivo(grande), "La imagen es demasiado grande: 120 megapíxeles; el máximo es 100");
}

TEST(BmpCabecera, CualquierCorteDelFicheroSeRechazaConElMensajeDelFichero) {
    const std::string prefijo = "El fichero BMP \"foto.bmp\" está incompleto o dañado: ";
    for (const std::string& bueno : {bmp(3, 2, 24), bmp(6, 3, 8), bmp(4, 4, 32, 3), bmp(5, 5, 8, 1, 40)}) {
        for (std::size_t n = 2; n < bueno.size(); ++n) {
            const std::string m = motivo(bueno.substr(0, n));
            ASSERT_EQ(m.rfind(prefijo, 0), 0u) << "cortado en " << n << ": " << m;
        }
    }
    const std::string coffee = leer_fichero(PC_DATOS_PRUEBA "/coffee.bmp");
    EXPECT_EQ(motivo(coffee.substr(0, coffee.size() - 1)),
              prefijo + "faltan datos de la imagen (tiene 719999 bytes y necesita 720000).");
    EXPECT_EQ(motivo(coffee.substr(0, 30)), prefijo + "la cabecera está cortada.");
}

TEST(BmpCabecera, CabecerasIncoherentesSeRechazan) {
    const std::string prefijo = "El fichero BMP \"foto.bmp\" está incompleto o dañado: ";
    auto con = [](std::string b, std::size_t pos, std::uint32_t v) {
        poner32(b, pos, v);
        return b;
    };
    const std::string base = bmp(4, 3, 24);
    EXPECT_EQ(motivo(con(base, 14, 0)), prefijo + "el tamaño de la cabecera de la imagen (0) no es válido.");
    EXPECT_EQ(motivo(con(base, 14, 0xFFFFFFF0u)),
              prefijo + "el tamaño de la cabecera de la imagen (4294967280) no es válido.");
    EXPECT_EQ(motivo(con(base, 18, 0)), prefijo + "el ancho (0) no es válido.");
    EXPECT_EQ(motivo(con(base, 18, static_cast<std::uint32_t>(-4))), prefijo + "el ancho (-4) no es válido.");
    EXPECT_EQ(motivo(con(base, 22, 0)), prefijo + "el alto (0) no es válido.");
    EXPECT_EQ(motivo(con(base, 22, 0x80000000u)), prefijo + "el alto (-2147483648) no es válido.");
    std::string bits = base;
    poner16(bits, 28, 7);
    EXPECT_EQ(motivo(bits), prefijo + "el número de bits por píxel (7) no es válido.");
    EXPECT_EQ(motivo(con(base, 30, 9)), prefijo + "la compresión 9 no se admite.");
    EXPECT_EQ(motivo(con(base, 30, 1)), prefijo + "la compresión RLE no corresponde a 24 bits por píxel.");
    EXPECT_EQ(motivo(con(base, 30, 3)), prefijo + "las máscaras de color no corresponden a 24 bits por píxel.");
    EXPECT_EQ(motivo(con(base, 10, static_cast<std::uint32_t>(base.size()))),
              prefijo + "los datos de la imagen empiezan fuera del fichero (posición 90).");
    // Un ancho mayor que los datos: 5 x 3 a 24 bits pide 48 bytes y sólo hay 36.
    EXPECT_EQ(motivo(con(base, 18, 5)), prefijo + "faltan datos de la imagen (tiene 36 bytes y necesita 48).");

    // Paleta: más colores de los que caben en 8 bits, o paleta que no está en el fichero.
    const std::string ocho = bmp(4, 4, 8);
    EXPECT_EQ(motivo(con(ocho, 46, 257)), prefijo + "la paleta declara 257 colores.");
    std::string sin_paleta = ocho.substr(0, 54 + 100);
    EXPECT_EQ(motivo(sin_paleta), prefijo + "la paleta de colores está cortada.");

    // RLE que promete más datos de los que hay, o una imagen enorme con cuatro bytes.
    EXPECT_EQ(motivo(bmp(5, 5, 8, 1, 400, 40)), prefijo + "faltan datos de la imagen (tiene 40 bytes y necesita 400).");
    EXPECT_EQ(motivo(bmp(60000, 5, 8, 1, 4)), prefijo + "el ancho (60000) no es válido.");
    EXPECT_EQ(motivo(bmp(5, -5, 8, 1, 40)), prefijo + "una imagen con compresión RLE no puede ir de arriba abajo.");
}

}  // namespace
}  // namespace pc
