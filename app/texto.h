// Conversión de textos: números enteros de los ajustes, recorte, redondeo y
// codificaciones (UTF-8 en memoria, Windows-1252 en los ficheros que escribe el programa).
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pc {

// Quita espacios y caracteres de control de ambos extremos.
std::string recortar(std::string_view s);
// Igual, sin copiar: la parte de `s` que queda.
std::string_view recortar_vista(std::string_view s);

// Convierte un texto en entero de 32 bits con signo (admite espacios alrededor).
// Si no lo es, lanza ErrorConversion con "'%s' is not a valid integer value".
int entero(const std::string& s);
// Igual, pero sin lanzar: false si el texto no es un entero.
bool leer_entero(std::string_view s, int& valor);

// El texto con cada carácter de control (un byte nulo, un salto de línea...) cambiado por '?',
// para citarlo en un mensaje sin que lo corte ni lo descoloque.
std::string visible(std::string_view s);

// Mensaje estándar de conversión para un texto (citado con visible).
std::string mensaje_conversion(const std::string& s);

// División entera truncando hacia cero; lanza ErrorAritmetico si el divisor es 0.
int dividir(int a, int b);
// Mensaje de la división por cero.
std::string mensaje_division_por_cero();

// Redondeo al entero más próximo con las mitades al par.
long long redondear(long double v);
// El número con `decimales` cifras decimales (redondeado) y coma decimal: "21,8".
std::string decimal_coma(double v, int decimales);

// Codificaciones.
bool es_utf8_valido(std::string_view s);
std::string cp1252_a_utf8(std::string_view s);
// Convierte a Windows-1252; los caracteres que no existen allí se escriben como '?'.
std::string utf8_a_cp1252(std::string_view s);
// Añade el carácter cp codificado en UTF-8.
void poner_utf8(std::string& out, char32_t cp);
// Texto leído de un fichero: UTF-8 si es válido, si no Windows-1252.
std::string decodificar(std::string_view bytes);

// Parte un texto en líneas (admite \r\n, \n y \r). Un salto final no crea línea vacía.
std::vector<std::string> partir_lineas(std::string_view texto);

// Recorre un texto línea a línea sin copiarlas, con los mismos saltos que partir_lineas.
class LectorLineas {
public:
    explicit LectorLineas(std::string_view texto) : texto_(texto) {}
    bool al_final() const { return pos_ >= texto_.size(); }
    // La línea siguiente, sin su separador; "" al final del texto.
    std::string_view siguiente();

private:
    std::string_view texto_;
    std::size_t pos_ = 0;
};

// Número de caracteres (no de bytes) de un texto UTF-8.
std::size_t longitud_utf8(std::string_view s);
// Subcadena por caracteres de un texto UTF-8 (desde, cuantos).
std::string subcadena_utf8(std::string_view s, std::size_t desde, std::size_t cuantos);

}  // namespace pc
