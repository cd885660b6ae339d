// Órdenes de la zona de trabajo, de la copia y el pegado, y del perfilado.
#pragma once
#include <optional>
#include <string>

#include "ordenes/sesion/sesion.h"

namespace pc {

void marcar_x1y1(Sesion& s);     // "Marcar ZONA (X1,Y1)": la primera esquina, el punto pulsado
void marcar_x2y2(Sesion& s);     // "Marcar ZONA (X2,Y2)"
// Las dos esquinas de una vez, como dos "Marcar ZONA", con la primera arriba a la izquierda:
// el rectángulo de los puntos (ax, ay) y (bx, by), en cualquier orden (herramienta Zona).
void marcar_zona_entre(Sesion& s, int ax, int ay, int bx, int by);
// Rótulos de "Marcar ZONA": una vez marcada una esquina, siguen a la zona (también cuando una
// carga o la impresión la cambian). Vacío: el rótulo de siempre.
std::string rotulo_marcar_x1y1(const Estado& e);
std::string rotulo_marcar_x2y2(const Estado& e);

// La zona de trabajo tal como se ve sobre el tapiz: sus esquinas como están guardadas.
struct ZonaVista {
    int x1 = 1, y1 = 1, x2 = 1, y2 = 1;
    bool invertida = false;  // la primera esquina a la derecha o debajo de la segunda: zona vacía
    friend bool operator==(const ZonaVista&, const ZonaVista&) = default;
};
// La zona se ve cuando no es el tapiz entero o cuando se trabaja en ella; nada si alguna
// esquina no es un número.
std::optional<ZonaVista> zona_a_la_vista(const Estado& e);
// Texto de la pista sobre una zona invertida.
std::string pista_zona_invertida();
void conmutar_zona(Sesion& s);   // "Trabajar en ZONA Delimitada"
void copiar_zona(Sesion& s);     // "Copiar Zona de la Imagen."
void pegar_en(Sesion& s);        // "Pegar en..."

void perfilar_abajo(Sesion& s);  // "Perfilar" > "Hacia Abajo"
void perfilar_arriba(Sesion& s); // "Perfilar" > "Hacia Arriba"
void perfilar_todo(Sesion& s);   // "Perfilar" > "Todo"
void conmutar_borrar_perfilado(Sesion& s);  // "Borrar Perfilado" (marca también "Perfilando")
void borrar_perfilado_zona(Sesion& s);      // "Borrar Perfilado en ZONA de trabajo"

}  // namespace pc
