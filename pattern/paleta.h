// La paleta del tapiz: los colores distintos de la rejilla con su número de puntos, y un
// índice de colores de tamaño fijo para no buscar linealmente en cada punto.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "app/estado.h"

namespace pc {

// Índice de color -> posición (1..600) de tamaño fijo, con direccionamiento abierto. La
// posición 0 marca una casilla libre, así que cualquier valor de 32 bits vale como color.
class MapaColores {
public:
    void vaciar();
    // Posición guardada para el color, o 0 si no está.
    int buscar(Color c) const;
    // Guarda (o cambia) la posición de un color; posicion debe ser 1..600.
    void poner(Color c, int posicion);

private:
    static constexpr int kCasillas = 2048;  // potencia de dos, más del triple de 600
    static std::uint32_t casilla(Color c);
    std::array<Color, kCasillas> color_{};
    std::array<std::int16_t, kCasillas> posicion_{};
};

// Rectángulo de la rejilla que se recorre (incluidos los bordes); vacío si x1 > x2 o y1 > y2.
struct Rango {
    int x1 = 1, y1 = 1, x2 = 0, y2 = 0;
};
// Limita un rango a la rejilla 1..700, para no leer nunca fuera de ella.
Rango limitar_rango(Rango r);

// Un color del rango con su número de puntos y dónde lo encuentra primero el recorrido por
// filas, en el color de un punto y en un perfil: (fila, columna, lado) como un número, con 0
// el color del punto y 1..4 los perfiles; kNunca si no está en ninguno.
struct ColorContado {
    static constexpr std::int64_t kNunca = INT64_MAX;
    Color color = 0;
    std::int32_t numero = 0;
    std::int64_t en_punto = kNunca, en_perfil = kNunca;
    std::int64_t primero() const { return en_punto < en_perfil ? en_punto : en_perfil; }
};
// Todos los colores del rango contado, si cupieron en la paleta (completos); con ellos la
// paleta se rehace tras unos cambios sin volver a recorrer la rejilla.
struct ColoresContados {
    std::vector<ColorContado> color;
    bool completos = false;
};

// Rellena la tabla con los colores del rango: por filas de arriba abajo y de izquierda a
// derecha, el color del punto (contado) y después sus perfiles distintos de -1 por orden de
// lado (sin contar). Deja las entradas en el orden en que se encontraron. Devuelve cuántas
// veces apareció un color nuevo con la tabla ya llena (ese color no se añade). Si se da
// contados, deja en él los colores con sus lugares.
long contar_colores(const Estado& e, Rango r, TablaHilos& paleta, MapaColores& indice,
                    ColoresContados* contados = nullptr);

// Pone en la tabla los colores (como mucho 600) en el orden en que los encuentra el recorrido
// por filas.
void poner_en_orden_de_encuentro(std::vector<ColorContado>& colores, TablaHilos& paleta, MapaColores& indice);

// Número de colores distintos del rango, sin tope: los de los puntos y, con con_perfiles,
// también los de los perfiles.
int colores_distintos(const Estado& e, Rango r, bool con_perfiles);

// Ordena las entradas 1..total por nº de puntos de mayor a menor; las iguales conservan su orden.
void ordenar_paleta(TablaHilos& paleta);

}  // namespace pc
