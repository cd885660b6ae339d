// Los pocos tipos de error del programa. Cada uno lleva el texto que ve el usuario;
// las órdenes los dejan pasar y un único "ejecutor" por adaptador los muestra.
#pragma once
#include <stdexcept>
#include <string>

namespace pc {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Un texto que debía ser un número entero y no lo es.
class ErrorConversion : public Error {
public:
    using Error::Error;
};

// División por cero y demás fallos aritméticos.
class ErrorAritmetico : public Error {
public:
    using Error::Error;
};

// No se pudo abrir, crear, leer o escribir un fichero.
class ErrorFichero : public Error {
public:
    using Error::Error;
};

// Un fichero o un dato con un formato que no se reconoce, o un valor fuera de rango.
class ErrorFormato : public Error {
public:
    using Error::Error;
};

}  // namespace pc
