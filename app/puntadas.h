// Las puntadas que no son cruces enteras, al lado de la rejilla de puntos: medios puntos,
// cuartos, tres cuartos y petits en las celdas, pespuntes rectos entre dos puntos de la red de
// medios puntos y nudos franceses. La rejilla sigue teniendo un color en cada celda: bajo las
// puntadas parciales hay blanco, la tela.
//
// La red de medios puntos: (u, v) cuenta medios puntos desde la esquina de arriba a la
// izquierda del tapiz, u = 0..2·ancho, v = 0..2·alto. La celda (x, y) (1..ancho × 1..alto) va
// de u = 2x - 2 a u = 2x y de v = 2y - 2 a v = 2y; su centro es (2x - 1, 2y - 1).
#pragma once
#include <cstdint>
#include <vector>

#include "app/tipos.h"

namespace pc {

enum class TipoParcial : std::uint8_t { kMedio, kCuarto, kTresCuartos, kPetit };
enum class Esquina : std::uint8_t { kArribaIzquierda, kArribaDerecha, kAbajoIzquierda, kAbajoDerecha };
// '/' va de abajo a la izquierda a arriba a la derecha; '\' de arriba a la izquierda a abajo a
// la derecha.
enum class Diagonal : std::uint8_t { kBarra, kInvertida };

// Una puntada parcial de una celda.
//  - medio punto: `diagonal`;
//  - cuarto y petit: `esquina` (el cuarto va de esa esquina al centro; el petit es una cruz
//    pequeña que llena ese cuarto de la celda);
//  - tres cuartos: `diagonal` (el medio punto) y `esquina`, una de las dos esquinas que la
//    diagonal deja libres (el cuarto que se le añade).
struct Parcial {
    std::int16_t x = 0, y = 0;
    TipoParcial tipo = TipoParcial::kMedio;
    Diagonal diagonal = Diagonal::kBarra;
    Esquina esquina = Esquina::kArribaIzquierda;
    Color color = 0;
    bool operator==(const Parcial&) const = default;
};

// Un pespunte recto entre dos puntos de la red, distintos.
struct Linea {
    std::int16_t u1 = 0, v1 = 0, u2 = 0, v2 = 0;
    Color color = 0;
    std::uint8_t hebras = 1;
    bool operator==(const Linea&) const = default;
};

// Un nudo francés en un punto de la red.
struct Nudo {
    std::int16_t u = 0, v = 0;
    Color color = 0;
    std::uint8_t hebras = 2;
    bool operator==(const Nudo&) const = default;
};

// Rectángulo de celdas, bordes incluidos; vacío si x1 > x2 o y1 > y2.
struct RectanguloCeldas {
    int x1 = 1, y1 = 1, x2 = 0, y2 = 0;
};

// Todas las puntadas de un diseño de esas tres clases, con un índice por filas para
// recorrer sólo lo que cae en un rectángulo.
class Puntadas {
public:
    bool vacia() const { return parciales_.empty() && lineas_.empty() && nudos_.empty(); }
    void vaciar();

    const std::vector<Parcial>& parciales() const { return parciales_; }
    const std::vector<Linea>& lineas() const { return lineas_; }
    const std::vector<Nudo>& nudos() const { return nudos_; }

    // Ponen una puntada en un tapiz de ancho × alto. Devuelven false, sin cambiar nada, si cae
    // fuera del tapiz o no es válida (un tres cuartos con una esquina que su diagonal cubre, un
    // pespunte de longitud cero). Un parcial quita los de su celda con los que se solapa (dos
    // medios puntos se solapan siempre; dos tres cuartos a ambos lados de una diagonal, no) y
    // deja como mucho dos en la celda; un nudo sustituye al que hubiera en su punto; un
    // pespunte igual a otro (en cualquier sentido) lo sustituye.
    bool poner(const Parcial& p, int ancho, int alto);
    bool poner(const Linea& p, int ancho, int alto);
    bool poner(const Nudo& n, int ancho, int alto);

    // Quita los parciales de una celda; devuelve cuántos había.
    int quitar_celda(int x, int y);
    // Quita lo que no cabe en un tapiz de ancho × alto (tras una generación o un cambio de tamaño).
    void recortar(int ancho, int alto);

    // Cambia de color lo que tiene el color `viejo` (todo, o lo que cae en `zona`): para las
    // órdenes que cambian un color en todo el tapiz o en la zona. Devuelve cuántas puntadas
    // cambiaron.
    long cambiar_color(Color viejo, Color nuevo, const RectanguloCeldas* zona = nullptr);

    // Índices de lo que toca el rectángulo de celdas (un pespunte toca las celdas por las que
    // pasa o cuyo borde pisa; un nudo, las celdas de su punto).
    std::vector<std::size_t> parciales_en(const RectanguloCeldas& r) const;
    std::vector<std::size_t> lineas_en(const RectanguloCeldas& r) const;
    std::vector<std::size_t> nudos_en(const RectanguloCeldas& r) const;

    bool operator==(const Puntadas& o) const;

private:
    std::vector<Parcial> parciales_;
    std::vector<Linea> lineas_;
    std::vector<Nudo> nudos_;
};

}  // namespace pc
