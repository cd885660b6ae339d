// Utilidades de las pruebas de ficheros: carpeta temporal, bytes a mano y una rejilla
// marcada con un centinela para comprobar que nada se escribe fuera del tapiz.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "app/estado.h"

namespace pc::prueba {

inline constexpr Color kCentinela = 0x123456;

// Carpeta temporal propia de cada prueba; se borra al terminar.
class CarpetaTemporal {
public:
    CarpetaTemporal() {
        std::random_device azar;
        ruta_ = std::filesystem::temp_directory_path() / ("pc_ficheros_" + std::to_string(azar()));
        std::filesystem::create_directories(ruta_);
    }
    ~CarpetaTemporal() {
        std::error_code ec;
        std::filesystem::permissions(ruta_, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(ruta_, ec);
    }
    std::string operator/(const std::string& nombre) const { return (ruta_ / nombre).string(); }
    const std::filesystem::path& ruta() const { return ruta_; }

private:
    std::filesystem::path ruta_;
};

inline std::string leer_bytes(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

inline void escribir_bytes(const std::string& ruta, const std::string& bytes) {
    std::ofstream f(ruta, std::ios::binary);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline void int32(std::string& out, std::int32_t v) {
    for (int k = 0; k < 4; ++k) out += static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * k)) & 0xFF);
}

// Cabecera binaria .pc escrita a mano: etiqueta de 15 bytes, 336 ceros, alto y ancho.
inline std::string cabecera_pc(const std::string& etiqueta_1252, int alto, int ancho) {
    std::string b = etiqueta_1252;
    b.resize(15, ' ');
    b.append(336, '\0');
    int32(b, alto);
    int32(b, ancho);
    return b;
}

inline void tanda(std::string& b, int largo, int r, int g, int bl) {
    b += static_cast<char>(largo);
    b += static_cast<char>(r);
    b += static_cast<char>(g);
    b += static_cast<char>(bl);
}

// Llena toda la rejilla (0..700) con el centinela, relleno y perfiles.
inline void marcar_centinela(Estado& e) {
    for (auto& col : e.puntos)
        for (auto& p : col) {
            p.color = kCentinela;
            p.perfil = {kCentinela, kCentinela, kCentinela, kCentinela};
        }
}

// Comprueba que las celdas fuera de 1..ancho × 1..alto siguen con el centinela.
inline void fuera_intacto(const Estado& e, int ancho, int alto) {
    int malas = 0;
    for (int x = 0; x <= 700; ++x)
        for (int y = 0; y <= 700; ++y) {
            if (x >= 1 && x <= ancho && y >= 1 && y <= alto) continue;
            const Punto& p = e.punto(x, y);
            if (p.color != kCentinela || p.perfil[0] != kCentinela || p.perfil[3] != kCentinela) ++malas;
        }
    EXPECT_EQ(malas, 0) << "celdas tocadas fuera de " << ancho << " x " << alto;
}

}  // namespace pc::prueba
