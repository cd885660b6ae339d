#include "files/bmp.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>
#include <string_view>

#include "app/errores.h"
#include "app/ficheros.h"
#include "app/paralelo.h"
#include "files/enteros_le.h"
#include "files/medidas_imagen.h"

namespace pc {

namespace {

// Mayor lado que se admite: ni una cabecera rota ni un RLE pequeño que prometa una imagen
// descomunal llegan al lector.
constexpr std::int64_t kLadoMaximo = 50000;

// Tipos de compresión de la cabecera BMP.
enum : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3, kAlphaBitfields = 6 };

class Cabecera {
public:
    Cabecera(std::string_view bytes, const std::string& fichero) : b_(bytes), fichero_(fichero) {}

    std::uint32_t u32(std::size_t pos) const {
        necesita(pos + 4);
        return static_cast<std::uint32_t>(leer32(b_, pos));
    }
    std::int32_t i32(std::size_t pos) const { return static_cast<std::int32_t>(u32(pos)); }
    std::uint16_t u16(std::size_t pos) const {
        necesita(pos + 2);
        return leer16(b_, pos);
    }

    [[noreturn]] void roto(const std::string& detalle) const {
        throw ErrorFormato("El fichero BMP \"" + fichero_ + "\" está incompleto o dañado: " + detalle + ".");
    }

private:
    void necesita(std::size_t fin) const {
        if (fin > b_.size()) roto("la cabecera está cortada");
    }
    std::string_view b_;
    const std::string& fichero_;
};

}  // namespace

namespace {

// Los campos de la cabecera que mira la vía directa (en las posiciones de las cabeceras de 40
// bytes o más).
struct CamposBmp {
    std::uint32_t tam_cab = 0;
    std::int32_t ancho = 0, alto = 0;
    unsigned bits = 0, planos = 0;
    std::uint32_t compresion = 0, colores = 0, datos = 0;
};

// Comprueba la cabecera como comprobar_bmp y devuelve sus campos; nada si no es un BMP o es
// demasiado corto para la vía directa.
std::optional<CamposBmp> comprobar_campos(std::string_view bytes, std::int64_t tam, const std::string& fichero) {
    if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
    const Cabecera c(bytes, fichero);

    // Cabecera de fichero (14 bytes) y tamaño de la cabecera de la imagen.
    const std::int64_t desplazamiento = c.u32(10);
    const std::uint32_t tam_cab = c.u32(14);
    if (tam_cab != 12 && tam_cab != 16 && tam_cab != 40 && tam_cab != 52 && tam_cab != 56 && tam_cab != 64 &&
        tam_cab != 108 && tam_cab != 124) {
        c.roto("el tamaño de la cabecera de la imagen (" + std::to_string(tam_cab) + ") no es válido");
    }
    if (14 + static_cast<std::int64_t>(tam_cab) > tam) c.roto("la cabecera está cortada");

    std::int64_t ancho = 0, alto = 0;
    unsigned bits = 0;
    std::uint32_t compresion = kRgb, tam_imagen = 0, colores = 0;
    std::int64_t tam_color = 4;  // bytes por entrada de la paleta
    if (tam_cab == 12) {
        ancho = c.u16(18);
        alto = c.u16(20);
        bits = c.u16(24);
        tam_color = 3;
    } else {
        ancho = c.i32(18);
        alto = c.i32(22);
        bits = c.u16(28);
        if (tam_cab >= 40) {
            compresion = c.u32(30);
            tam_imagen = c.u32(34);
            colores = c.u32(46);
        }
    }
    if (ancho <= 0 || ancho > kLadoMaximo) c.roto("el ancho (" + std::to_string(ancho) + ") no es válido");
    const bool de_arriba_abajo = alto < 0;
    const std::int64_t filas = de_arriba_abajo ? -alto : alto;
    if (filas == 0 || filas > kLadoMaximo) c.roto("el alto (" + std::to_string(alto) + ") no es válido");
    // La regla de todas las imágenes, con las medidas de la cabecera y antes de leer los píxeles.
    comprobar_pixeles(ancho, filas);
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
        c.roto("el número de bits por píxel (" + std::to_string(bits) + ") no es válido");
    }

    const bool rle = compresion == kRle8 || compresion == kRle4;
    switch (compresion) {
        case kRgb: break;
        case kRle8:
        case kRle4:
            if (bits != (compresion == kRle8 ? 8u : 4u))
                c.roto("la compresión RLE no corresponde a " + std::to_string(bits) + " bits por píxel");
            if (de_arriba_abajo) c.roto("una imagen con compresión RLE no puede ir de arriba abajo");
            break;
        case kBitfields:
        case kAlphaBitfields:
            if (bits != 16 && bits != 32)
                c.roto("las máscaras de color no corresponden a " + std::to_string(bits) + " bits por píxel");
            break;
        default: c.roto("la compresión " + std::to_string(compresion) + " no se admite");
    }

    // Máscaras tras una cabecera de 40 bytes y paleta de colores.
    std::int64_t fin_cabeceras = 14 + static_cast<std::int64_t>(tam_cab);
    if (tam_cab == 40 && compresion == kBitfields) fin_cabeceras += 12;
    if (tam_cab == 40 && compresion == kAlphaBitfields) fin_cabeceras += 16;
    std::int64_t fin_paleta = fin_cabeceras;
    if (bits <= 8) {
        const std::int64_t maximo = std::int64_t{1} << bits;
        if (colores > maximo) c.roto("la paleta declara " + std::to_string(colores) + " colores");
        const std::int64_t n = colores == 0 ? maximo : colores;
        fin_paleta = fin_cabeceras + n * tam_color;
        if (fin_paleta > tam) c.roto("la paleta de colores está cortada");
    } else if (fin_cabeceras > tam) {
        c.roto("la cabecera está cortada");
    }

    if (desplazamiento < fin_cabeceras || desplazamiento >= tam) {
        c.roto("los datos de la imagen empiezan fuera del fichero (posición " + std::to_string(desplazamiento) + ")");
    }
    // Si los datos empezasen dentro de la paleta, el lector los buscaría tras ella y se
    // quedaría corto: la imagen saldría con píxeles sin leer.
    if (desplazamiento < fin_paleta) c.roto("los datos de la imagen empiezan dentro de la paleta de colores");

    const std::int64_t disponibles = tam - desplazamiento;
    std::int64_t necesarios = 0;
    if (rle) {
        necesarios = tam_imagen;
    } else {
        const std::int64_t fila = (ancho * bits + 31) / 32 * 4;
        necesarios = fila * filas;
    }
    if (necesarios > disponibles) {
        c.roto("faltan datos de la imagen (tiene " + std::to_string(disponibles) + " bytes y necesita " +
                 std::to_string(necesarios) + ")");
    }

    if (bytes.size() < 54) return std::nullopt;
    CamposBmp k;
    k.tam_cab = tam_cab;
    k.ancho = static_cast<std::int32_t>(ancho);
    k.alto = static_cast<std::int32_t>(alto);
    k.bits = bits;
    k.planos = c.u16(26);
    k.compresion = compresion;
    k.colores = colores;
    k.datos = static_cast<std::uint32_t>(desplazamiento);
    return k;
}

}  // namespace

void comprobar_bmp(const std::string& bytes, const std::string& fichero) {
    comprobar_bmp(std::string_view(bytes), static_cast<std::int64_t>(bytes.size()), fichero);
}

void comprobar_bmp(std::string_view bytes, std::int64_t tam, const std::string& fichero) {
    comprobar_campos(bytes, tam, fichero);
}

}  // namespace pc

namespace pc {

namespace {
// Decodifica `n` filas seguidas tal como están guardadas, la primera de ellas la `k0`-ésima del
// fichero, y las deja en su fila de la imagen de destino.
bool decodificar_filas(const BmpDirecto& f, const unsigned char* filas, std::size_t k0, std::size_t n,
                       std::uint32_t* destino, std::ptrdiff_t paso) {
    for (std::size_t j = 0; j < n; ++j) {
        const int k = static_cast<int>(k0 + j);
        const int y = f.de_arriba_abajo ? k : f.alto - 1 - k;
        if (!decodificar_fila_bmp(f, filas + j * f.fila, destino + static_cast<std::ptrdiff_t>(y) * paso))
            return false;
    }
    return true;
}
}  // namespace

std::optional<BmpDirecto> bmp_directo(const std::string& bytes) { return bmp_directo(bytes, bytes.size()); }

namespace {

// La vía directa para una cabecera ya leída: las medidas si es de uno de sus tipos.
std::optional<BmpDirecto> directo_de(std::string_view bytes, std::size_t tam, const CamposBmp& k) {
    const std::uint32_t tam_cab = k.tam_cab;
    if (bytes.size() < 54) return std::nullopt;
    if (tam_cab != 40 && tam_cab != 108 && tam_cab != 124) return std::nullopt;
    if (14 + static_cast<std::size_t>(tam_cab) > bytes.size()) return std::nullopt;
    const std::int32_t ancho = k.ancho;
    const std::int32_t alto = k.alto;
    const unsigned bits = k.bits;
    const std::uint32_t colores = k.colores;
    if (k.compresion != kRgb) return std::nullopt;
    if (k.planos != 1) return std::nullopt;  // el lector general sólo admite un plano
    // Con 32 bits y cabecera larga puede haber máscara de transparencia: vía general.
    if (!(bits == 24 || bits == 8 || (bits == 32 && tam_cab == 40))) return std::nullopt;
    if (ancho <= 0 || ancho > kLadoMaximo || alto == 0 || alto < -kLadoMaximo || alto > kLadoMaximo)
        return std::nullopt;

    BmpDirecto f;
    f.ancho = ancho;
    f.alto = alto < 0 ? -alto : alto;
    f.de_arriba_abajo = alto < 0;
    f.bits = bits;
    f.fila = (static_cast<std::size_t>(ancho) * bits + 31) / 32 * 4;
    std::size_t fin_cabeceras = 14 + tam_cab;
    if (bits == 8) {
        if (colores > 256) return std::nullopt;
        f.colores = colores == 0 ? 256 : colores;
        f.paleta = fin_cabeceras;
        fin_cabeceras += 4 * f.colores;
        if (fin_cabeceras > bytes.size()) return std::nullopt;
        for (std::size_t i = 0; i < f.colores; ++i) {
            const auto* p = reinterpret_cast<const unsigned char*>(bytes.data()) + f.paleta + 4 * i;
            f.tabla[i] = 0xFF000000u | static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[1]) << 8 | p[0];
        }
    }
    f.datos = k.datos;
    // Datos que empiezan dentro de las cabeceras o de la paleta: vía general.
    if (f.datos < fin_cabeceras) return std::nullopt;
    if (f.datos > tam || (tam - f.datos) / f.fila < static_cast<std::size_t>(f.alto))
        return std::nullopt;
    return f;
}

}  // namespace

std::optional<BmpDirecto> bmp_directo(std::string_view bytes, std::size_t tam) {
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
    CamposBmp k;
    k.tam_cab = static_cast<std::uint32_t>(leer32(bytes, 14));
    k.ancho = leer32(bytes, 18);
    k.alto = leer32(bytes, 22);
    k.bits = leer16(bytes, 28);
    k.planos = leer16(bytes, 26);
    k.compresion = static_cast<std::uint32_t>(leer32(bytes, 30));
    k.colores = static_cast<std::uint32_t>(leer32(bytes, 46));
    k.datos = static_cast<std::uint32_t>(leer32(bytes, 10));
    return directo_de(bytes, tam, k);
}

bool decodificar_fila_bmp(const BmpDirecto& f, const unsigned char* s, std::uint32_t* d) {
    const int w = f.ancho;
    switch (f.bits) {
        case 24: {
            // Azul, verde, rojo guardados es el orden de los bytes de 0xFFRRGGBB en memoria: cuatro
            // píxeles salen de tres palabras de 32 bits leídas de una vez.
            int x = 0;
            if constexpr (std::endian::native == std::endian::little) for (; x + 4 <= w; x += 4, s += 12) {
                std::uint32_t p[3];
                std::memcpy(p, s, sizeof p);
                d[x] = 0xFF000000u | (p[0] & 0xFFFFFFu);
                d[x + 1] = 0xFF000000u | p[0] >> 24 | (p[1] & 0xFFFFu) << 8;
                d[x + 2] = 0xFF000000u | p[1] >> 16 | (p[2] & 0xFFu) << 16;
                d[x + 3] = 0xFF000000u | p[2] >> 8;
            }
            for (; x < w; ++x, s += 3)
                d[x] = 0xFF000000u | static_cast<std::uint32_t>(s[2]) << 16 | static_cast<std::uint32_t>(s[1]) << 8 | s[0];
            return true;
        }
        case 32:
            for (int x = 0; x < w; ++x, s += 4) {
                if constexpr (std::endian::native == std::endian::little) {
                    std::uint32_t p;
                    std::memcpy(&p, s, sizeof p);
                    d[x] = 0xFF000000u | (p & 0xFFFFFFu);
                } else {
                    d[x] = 0xFF000000u | static_cast<std::uint32_t>(s[2]) << 16 | static_cast<std::uint32_t>(s[1]) << 8 | s[0];
                }
            }
            return true;
        default: {
            unsigned char mayor = 0;
            for (int x = 0; x < w; ++x) mayor = std::max(mayor, s[x]);
            if (mayor >= f.colores) return false;
            for (int x = 0; x < w; ++x) d[x] = f.tabla[s[x]];
            return true;
        }
    }
}

bool leer_bmp_directo(const std::string& bytes, const BmpDirecto& f, std::uint32_t* destino, std::ptrdiff_t paso) {
    const auto* base = reinterpret_cast<const unsigned char*>(bytes.data());
    return decodificar_filas(f, base + f.datos, 0, static_cast<std::size_t>(f.alto), destino, paso);
}

bool leer_bmp_fichero(const std::string& ruta, const std::function<DestinoBmp(const BmpDirecto&)>& destino) {
    // Una tubería con nombre o un dispositivo no se abren (esperarían para siempre): la vía
    // general dirá qué le pasa al fichero.
    FicheroNormal f;
    try {
        f = abrir_fichero_normal(ruta);
    } catch (const ErrorLectura&) {
        return false;
    }
    if (f.tam == 0) return false;
    return leer_bmp_trozos(
        f.tam, [&f](std::size_t pos, char* destino, std::size_t n) { return f.fd.leer(pos, destino, n) == n; },
        ruta, destino);
}

bool leer_bmp_memoria(std::string_view bytes, const std::string& nombre,
                      const std::function<DestinoBmp(const BmpDirecto&)>& destino) {
    if (bytes.empty()) return false;
    return leer_bmp_trozos(
        bytes.size(),
        [bytes](std::size_t pos, char* destino, std::size_t n) {
            if (pos > bytes.size() || n > bytes.size() - pos) return false;
            std::copy_n(bytes.data() + pos, n, destino);
            return true;
        },
        nombre, destino);
}

bool leer_bmp_trozos(std::size_t tam, const LeerTrozoBmp& leer, const std::string& nombre,
                     const std::function<DestinoBmp(const BmpDirecto&)>& destino) {
    std::string inicio(std::min(tam, kInicioBmp), '\0');
    if (!leer(0, inicio.data(), inicio.size())) return false;
    // La cabecera se lee una vez: lo comprobado es lo que usa la vía directa.
    const auto campos = comprobar_campos(std::string_view(inicio), static_cast<std::int64_t>(tam), nombre);
    if (!campos) return false;
    const auto f = directo_de(inicio, tam, *campos);
    if (!f) return false;
    const DestinoBmp dst = destino(*f);
    if (!dst.pixeles) return false;

    // Trozos de unas cuantas filas (alrededor de 1 MB, o la imagen entera si es menor), en el
    // orden en que están guardadas; las filas se reparten entre los hilos de cálculo.
    const auto filas = static_cast<std::size_t>(f->alto);
    const std::size_t por_trozo =
        std::min<std::size_t>(filas, std::max<std::size_t>(1, (std::size_t{1} << 20) / f->fila));
    std::atomic<bool> bien{true};
    repartir(filas, por_trozo, [&](int, std::size_t desde, std::size_t hasta) {
        std::vector<unsigned char> trozo(std::min(por_trozo, hasta - desde) * f->fila);
        for (std::size_t k0 = desde; k0 < hasta && bien.load(std::memory_order_relaxed); k0 += por_trozo) {
            const std::size_t n = std::min(por_trozo, hasta - k0);
            if (!leer(f->datos + k0 * f->fila, reinterpret_cast<char*>(trozo.data()), n * f->fila) ||
                !decodificar_filas(*f, trozo.data(), k0, n, dst.pixeles, dst.paso))
                bien = false;
        }
    });
    return bien;
}

}  // namespace pc
