// Las puntadas que no son cruces enteras, al lado de la rejilla de puntos: medios puntos,
// cuartos, tres cuartos y petits en las celdas, pespuntes rectos entre dos puntos de la red de
// medios puntos y nudos franceses. La rejilla sigue teniendo un color en cada celda: bajo las
// puntadas parciales hay blanco, la tela.
//
// La red de medios puntos: (u, v) cuenta medios puntos desde la esquina de arriba a la
// izquierda del tapiz, u = 0..2·ancho, v = 0..2·alto. La celda (x, y) (1..ancho × 1..alto) va
// de u = 2x - 2 a u = 2x y de v = 2y - 2 a v = 2y; su centro es (2x - 1, 2y - 1).
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
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

// Índice por filas de celdas: en cada fila, las puntadas que la tocan con el tramo de columnas
// que tocan en ella, ordenadas por la primera columna. Recorrer un rectángulo cuesta lo que
// devuelve más una búsqueda binaria por fila.
class IndiceFilas {
public:
    struct Entrada {
        std::int16_t x1, x2;
        std::uint32_t i;
    };
    void vaciar();
    void anadir(std::uint32_t i, int y, int x1, int x2);
    void quitar(std::uint32_t i, int y, int x1);
    void renumerar(std::uint32_t viejo, std::uint32_t nuevo, int y, int x1);
    // Añade a `salida` los índices de las entradas de las filas y1..y2 que tocan x1..x2.
    void buscar(int x1, int y1, int x2, int y2, std::vector<std::size_t>& salida) const;
    const std::vector<Entrada>& fila(int y) const;

private:
    std::vector<std::vector<Entrada>> filas_;
    std::vector<std::int16_t> alcance_;  // el mayor x2 - x1 que ha tenido cada fila
};

// Todas las puntadas de un diseño de esas tres clases, con un índice por filas para
// recorrer sólo lo que cae en un rectángulo. El orden de los vectores no importa (son
// conjuntos): quitar una puntada pone la última en su lugar.
class Puntadas {
public:
    Puntadas();
    Puntadas(const Puntadas&) = default;
    Puntadas& operator=(const Puntadas&) = default;
    Puntadas(Puntadas&& o) noexcept;
    Puntadas& operator=(Puntadas&& o) noexcept;

    bool vacia() const { return parciales_.empty() && lineas_.empty() && nudos_.empty(); }
    void vaciar();

    const std::vector<Parcial>& parciales() const { return parciales_; }
    const std::vector<Linea>& lineas() const { return lineas_; }
    const std::vector<Nudo>& nudos() const { return nudos_; }

    // Cambia con cada cambio del contenido; dos objetos con la misma versión tienen lo mismo
    // (una copia lleva la versión de su original). Para ver sin comparar si algo cambió.
    std::uint64_t version() const { return version_; }

    // Ponen una puntada en un tapiz de ancho × alto. Devuelven false, sin cambiar nada, si cae
    // fuera del tapiz o no es válida (un tres cuartos con una esquina que su diagonal cubre, un
    // pespunte de longitud cero, un color fuera de 0..0xFFFFFF, 0 hebras). Un parcial quita los
    // de su celda con los que se solapa (dos medios puntos se solapan siempre; dos tres cuartos
    // a ambos lados de una diagonal, no) y deja como mucho dos en la celda (si hubiera un
    // tercero, se va el más antiguo); un nudo sustituye al que hubiera en su punto; un
    // pespunte igual a otro (en cualquier sentido) lo sustituye.
    bool poner(const Parcial& p, int ancho, int alto);
    bool poner(const Linea& p, int ancho, int alto);
    bool poner(const Nudo& n, int ancho, int alto);

    // Quita los parciales de una celda; devuelve cuántos había.
    int quitar_celda(int x, int y);
    // Quitan la puntada de índice i (la última pasa a ocupar su lugar).
    void quitar_parcial(std::size_t i);
    void quitar_linea(std::size_t i);
    void quitar_nudo(std::size_t i);
    // Quita lo que no cabe en un tapiz de ancho × alto (tras una generación o un cambio de tamaño).
    void recortar(int ancho, int alto);

    // Para deshacer: añaden una puntada tal cual, sin reglas, y quitan una igual a la dada
    // (false si no había ninguna).
    void anadir_tal_cual(const Parcial& p);
    void anadir_tal_cual(const Linea& l);
    void anadir_tal_cual(const Nudo& n);
    bool quitar_igual(const Parcial& p);
    bool quitar_igual(const Linea& l);
    bool quitar_igual(const Nudo& n);

    // Cambia de color lo que tiene el color `viejo` (todo, o lo que cae en `zona`): para las
    // órdenes que cambian un color en todo el tapiz o en la zona. Devuelve cuántas puntadas
    // cambiaron.
    long cambiar_color(Color viejo, Color nuevo, const RectanguloCeldas* zona = nullptr);
    // Lo mismo con cualquier correspondencia de colores: cada puntada (de `zona` si no es
    // nula) de color c pasa a nuevo_de(c). Un parcial está en la zona si su celda lo está; un
    // nudo, si su punto está en el rectángulo de la zona (bordes incluidos); un pespunte, si
    // sus dos extremos lo están.
    long cambiar_colores(const std::function<Color(Color)>& nuevo_de, const RectanguloCeldas* zona = nullptr);

    // Índices de lo que toca el rectángulo de celdas (un pespunte toca las celdas por las que
    // pasa o cuyo borde pisa; un nudo, las celdas de su punto). Sin repetidos.
    std::vector<std::size_t> parciales_en(const RectanguloCeldas& r) const;
    std::vector<std::size_t> lineas_en(const RectanguloCeldas& r) const;
    std::vector<std::size_t> nudos_en(const RectanguloCeldas& r) const;
    // true si la celda tiene algún parcial (entonces la rejilla sólo tiene tela). Sin reservar
    // memoria: se puede llamar desde varios hilos a la vez.
    bool hay_parciales(int x, int y) const;
    // Índices de los parciales de una celda (0, 1 o 2).
    std::vector<std::size_t> parciales_celda(int x, int y) const;
    // Índice del nudo en el punto (u, v), o -1.
    long nudo_en(int u, int v) const;

    // Iguales como conjuntos (el orden no cuenta).
    bool operator==(const Puntadas& o) const;

    // Las partes de la celda que cubre un parcial (0 si no es válido): dos parciales se
    // solapan si comparten alguna.
    static unsigned ocupacion(const Parcial& p);
    // true si el pespunte va a lo largo de un solo lado de una celda (es un lado de perfilado).
    static bool es_lado_de_celda(const Linea& l);

private:
    void cambiado();
    void indexar_linea(std::uint32_t i, bool quitar, std::uint32_t nuevo = 0);
    void indexar_nudo(std::uint32_t i, bool quitar, std::uint32_t nuevo = 0);

    std::vector<Parcial> parciales_;
    std::vector<Linea> lineas_;
    std::vector<Nudo> nudos_;
    IndiceFilas filas_parciales_, filas_lineas_, filas_nudos_;
    std::uint64_t version_ = 0;
};

// Conteos por clase, para avisos y listas: medios puntos, cuartos, tres cuartos, petits,
// pespuntes y nudos.
struct ConteoPuntadas {
    long medios = 0, cuartos = 0, tres_cuartos = 0, petits = 0, pespuntes = 0, nudos = 0;
    long parciales() const { return medios + cuartos + tres_cuartos + petits; }
};
ConteoPuntadas contar(const Puntadas& p);

}  // namespace pc
