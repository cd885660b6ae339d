// Enteros en orden little-endian, como los guardan los ficheros del programa (y los BMP).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace pc {

inline void poner32(std::string& out, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    out += static_cast<char>(u & 0xFF);
    out += static_cast<char>((u >> 8) & 0xFF);
    out += static_cast<char>((u >> 16) & 0xFF);
    out += static_cast<char>((u >> 24) & 0xFF);
}

// Lee 4 bytes desde pos (el llamador comprueba que están).
inline std::int32_t leer32(std::string_view b, std::size_t pos) {
    const auto byte = [&](std::size_t k) { return static_cast<std::uint32_t>(static_cast<unsigned char>(b[pos + k])); };
    return static_cast<std::int32_t>(byte(0) | (byte(1) << 8) | (byte(2) << 16) | (byte(3) << 24));
}

// Lee 2 bytes sin signo desde pos (el llamador comprueba que están).
inline std::uint16_t leer16(std::string_view b, std::size_t pos) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned>(static_cast<unsigned char>(b[pos + k])); };
    return static_cast<std::uint16_t>(byte(0) | (byte(1) << 8));
}

}  // namespace pc
