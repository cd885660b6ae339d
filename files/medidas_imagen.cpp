#include "files/medidas_imagen.h"

#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/errores.h"
#include "app/ficheros.h"
#include "files/enteros_le.h"

namespace pc {

namespace {

unsigned byte(std::string_view b, std::size_t pos) { return static_cast<unsigned char>(b[pos]); }

std::uint32_t be32(std::string_view b, std::size_t pos) {
    return static_cast<std::uint32_t>(byte(b, pos)) << 24 | byte(b, pos + 1) << 16 | byte(b, pos + 2) << 8 |
           byte(b, pos + 3);
}

std::optional<MedidasImagen> medidas_bmp(std::string_view b) {
    if (b.size() < 26) return std::nullopt;
    const auto cabecera = static_cast<std::uint32_t>(leer32(b, 14));
    if (cabecera == 12) return MedidasImagen{leer16(b, 18), leer16(b, 20)};
    // El alto negativo es una imagen de arriba abajo; un ancho negativo no es válido, pero la
    // regla se aplica a su tamaño (el lector lo rechazará por su cuenta).
    return MedidasImagen{std::llabs(static_cast<long long>(leer32(b, 18))), std::llabs(static_cast<long long>(leer32(b, 22)))};
}

std::optional<MedidasImagen> medidas_png(std::string_view b) {
    // Firma, longitud del primer trozo y "IHDR" con el ancho y el alto (big-endian).
    if (b.size() < 24 || b.substr(12, 4) != "IHDR") return std::nullopt;
    return MedidasImagen{be32(b, 16), be32(b, 20)};
}

// Los marcadores del JPEG hasta el que da las medidas (SOFn): precisión, alto y ancho.
std::optional<MedidasImagen> medidas_jpeg(std::string_view b) {
    std::size_t p = 2;
    while (p + 4 <= b.size()) {
        if (byte(b, p) != 0xFF) return std::nullopt;
        const unsigned m = byte(b, p + 1);
        if (m == 0xFF) {  // relleno
            ++p;
            continue;
        }
        // Marcadores sin longitud.
        if (m == 0x01 || (m >= 0xD0 && m <= 0xD8)) {
            p += 2;
            continue;
        }
        if (m == 0xD9 || m == 0xDA) return std::nullopt;  // fin, o datos sin haber dado las medidas
        const std::size_t largo = byte(b, p + 2) << 8 | byte(b, p + 3);
        if (largo < 2) return std::nullopt;
        const bool sof = m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
        if (sof) {
            if (largo < 7 || p + 9 > b.size()) return std::nullopt;
            return MedidasImagen{byte(b, p + 7) << 8 | byte(b, p + 8), byte(b, p + 5) << 8 | byte(b, p + 6)};
        }
        p += 2 + largo;
    }
    return std::nullopt;
}

// Las cabeceras dan lados de hasta 32 bits: el producto puede no caber en 64 con signo.
unsigned __int128 pixeles(long long ancho, long long alto) {
    return static_cast<unsigned __int128>(std::llabs(ancho)) * static_cast<unsigned long long>(std::llabs(alto));
}

std::optional<MedidasImagen> medidas_gif(std::string_view b) {
    if (b.size() < 10) return std::nullopt;
    return MedidasImagen{leer16(b, 6), leer16(b, 8)};
}

}  // namespace

std::optional<MedidasImagen> medidas_imagen(std::string_view b) {
    if (b.starts_with("BM")) return medidas_bmp(b);
    if (b.starts_with("\x89PNG\r\n\x1a\n")) return medidas_png(b);
    if (b.starts_with("\xFF\xD8")) return medidas_jpeg(b);
    if (b.starts_with("GIF87a") || b.starts_with("GIF89a")) return medidas_gif(b);
    return std::nullopt;
}

bool pasa_del_maximo(long long ancho, long long alto) {
    return pixeles(ancho, alto) > static_cast<unsigned __int128>(kMaxPixelesImagen);
}

void comprobar_pixeles(long long ancho, long long alto) {
    if (!pasa_del_maximo(ancho, alto)) return;
    // Redondeado hacia arriba: una imagen que pasa del máximo nunca dice "100 megapíxeles".
    const auto millones = static_cast<unsigned long long>((pixeles(ancho, alto) + 999'999) / 1'000'000);
    throw ErrorFormato("La imagen es demasiado grande: " + std::to_string(millones) +
                       " megapíxeles; el máximo es 100");
}

void comprobar_tamano_imagen(const std::string& ruta) {
    std::string inicio(kInicioImagen, '\0');
    // Un error de lectura lo dirá la lectura entera.
    inicio.resize(abrir_fichero_normal(ruta).fd.leer(0, inicio.data(), inicio.size()));
    if (const auto m = medidas_imagen(inicio)) comprobar_pixeles(m->ancho, m->alto);
}

}  // namespace pc
