// Generación FIEL: un tapiz pensado para parecerse a la imagen a la vista y para bordarse
// con pocos puntos sueltos. Cada punto toma la media en luz lineal de todos los píxeles que
// cubre su celda; los N hilos se eligen para que el error CIEDE2000 total sea pequeño (k-medias
// en Lab y después, por grupo, el hilo que menos error suma, refinado unas vueltas); cada punto
// toma el más próximo de los N, y la limpieza quita los puntos sueltos que cuesta poco quitar.
#pragma once
#include <cstdint>
#include <vector>

#include "app/estado.h"
#include "app/puertos.h"
#include "pattern/ciede2000.h"
#include "pattern/recuerdo.h"

namespace pc {

// Tramo de píxeles [inicio, fin) de la celda i (0..celdas-1) sobre un lado de "lado" píxeles:
// la rejilla cubre el lado entero y cada píxel cae en una sola celda. Si hay menos píxeles que
// celdas, cada celda toma el píxel que cae bajo su centro.
void tramo_celda(int i, int lado, int celdas, int& inicio, int& fin);

// Posición del punto (x, y) en un vector guardado por filas de "ancho" puntos.
inline std::size_t indice_celda(int ancho, int x, int y) {
    return static_cast<std::size_t>(y - 1) * static_cast<std::size_t>(ancho) + static_cast<std::size_t>(x - 1);
}

// Colores medios de las celdas de un tapiz de ancho × alto sobre la imagen.
struct MediasCeldas {
    int ancho = 0, alto = 0;
    std::vector<Lab> lab;      // por filas: (y - 1) * ancho + (x - 1)
    std::vector<Color> color;  // la media en sRGB de 8 bits
    std::size_t indice(int x, int y) const { return indice_celda(ancho, x, y); }
};

// Media en luz lineal de cada celda. Sin imagen, todas las celdas son blancas.
MediasCeldas promediar_celdas(const Imagen& img, int ancho, int alto);

struct HiloLab {
    Color color = 0;
    Lab lab;
    bool bloqueado = false;
};

// Los hilos activos de la tabla, en su orden y sin colores repetidos.
std::vector<HiloLab> hilos_activos(const TablaHilos& tabla);

// Los hilos de un grupo por componentes en Lab, con su croma: para recorrerlos deprisa. Los
// vectores llevan relleno hasta un múltiplo de 4; size() es el número de hilos.
struct GrupoLab {
    std::vector<float> l, a, b, croma;
    GrupoLab() = default;
    explicit GrupoLab(const std::vector<HiloLab>& hilos);
    std::size_t size() const { return n_; }

private:
    std::size_t n_ = 0;
};

// El hilo más próximo por CIEDE2000 dentro de un grupo, exacto (el primero de los iguales):
// CIEDE2000 sólo se calcula con los hilos que una cota inferior barata no descarta. Los
// colores ya vistos se recuerdan.
class Asignador {
public:
    explicit Asignador(const std::vector<HiloLab>& hilos, std::size_t previstos = 0);
    // Posición en el grupo del más próximo a q (la primera de las iguales).
    int mas_proximo(const Lab& q) const;
    // El más próximo al color c, recordando la respuesta.
    int mas_proximo(Color c);

private:
    GrupoLab grupo_;
    RecuerdoColores<std::int16_t> recuerdo_;
};

// Hasta n hilos de entre los activos para las celdas: los bloqueados siempre (aunque pasen
// de n) y el resto elegidos por el error CIEDE2000 que dejan. Con n mayor o igual que el
// número de activos, todos.
std::vector<HiloLab> elegir_hilos(const MediasCeldas& c, const std::vector<HiloLab>& activos, int n);

// Para cada celda, la posición en "elegidos" de su hilo más próximo.
std::vector<int> asignar_hilos(const MediasCeldas& c, const std::vector<HiloLab>& elegidos);

// Un punto suelto: ninguno de sus vecinos de arriba, abajo, izquierda y derecha (dentro del
// tapiz de ancho × alto) tiene su color; color_en(x, y) da el color (o el hilo) de cada punto.
// Mira los vecinos en ese orden: izquierda, derecha, arriba, abajo.
template <class ColorEn>
bool suelto_en(const ColorEn& color_en, int ancho, int alto, int x, int y) {
    const auto v = color_en(x, y);
    if (x > 1 && color_en(x - 1, y) == v) return false;
    if (x < ancho && color_en(x + 1, y) == v) return false;
    if (y > 1 && color_en(x, y - 1) == v) return false;
    if (y < alto && color_en(x, y + 1) == v) return false;
    return true;
}
// suelto_en sobre los hilos de las celdas, guardados por filas.
bool es_suelto(const std::vector<int>& indice, int ancho, int alto, int x, int y);

// Limpieza de nivel 0 (nada) a 3 (fuerte): cada punto suelto toma el color vecino que menos
// aumenta su error CIEDE2000, si el aumento no pasa del límite del nivel. Sólo usa colores
// que ya están en el tapiz. Devuelve cuántos puntos cambió.
int limpiar_sueltos(const MediasCeldas& c, const std::vector<HiloLab>& elegidos, std::vector<int>& indice, int nivel);
// Aumento de error máximo que admite cada nivel de limpieza.
double limite_limpieza(int nivel);

// Escribe el tapiz: cada punto con el color de su hilo y sin perfiles.
void escribir_tapiz(Estado& e, const MediasCeldas& c, const std::vector<HiloLab>& elegidos, const std::vector<int>& indice);

}  // namespace pc
