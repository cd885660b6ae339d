// Cálculo en paralelo: un recorrido se parte en tramos contiguos y cada tramo va a un núcleo.
// Los tramos sólo calculan; quien reparte junta sus resultados en el orden de los tramos,
// así que el resultado es el mismo con cualquier número de hilos.
#pragma once
#include <array>
#include <cstddef>
#include <functional>
#include <memory>

namespace pc {

// Hilos de cálculo: los núcleos de la máquina, con la variable de entorno PC_HILOS=N (un
// entero de 1 en adelante) como tope.
int hilos_calculo();
// Tope de hilos de cálculo, pida lo que pida PC_HILOS o fijar_hilos_calculo.
inline constexpr int kTopeHilos = 64;
// Fija el número de hilos de cálculo, aunque pase de los núcleos (pruebas y mediciones);
// 0 vuelve al de la máquina.
void fijar_hilos_calculo(int n);

// Número de tramos en que repartir parte n elementos: unos pocos por hilo de cálculo (uno
// solo si hay un hilo), pero ninguno de menos de "minimo" elementos (y al menos uno).
int tramos_de(std::size_t n, std::size_t minimo);
// Plaza (0..hilos_calculo() - 1) del hilo que hace el tramo en curso; 0 fuera de un reparto.
// Para que cada hilo lleve su propio estado de un tramo al siguiente.
int plaza_de_calculo();
// Tramo t de los "tramos" de [0, n): [inicio, fin).
void tramo(std::size_t n, int tramos, int t, std::size_t& inicio, std::size_t& fin);

// Parte [0, n) en tramos_de(n, minimo) tramos y llama a tarea(t, inicio, fin) con cada uno,
// a la vez en los hilos de cálculo y en el que llama (cada hilo toma el siguiente tramo libre).
// Vuelve cuando han acabado todos; si alguno lanzó, relanza la excepción del primero de ellos.
// Devuelve el número de tramos. Un reparto dentro de un tramo se hace entero en su hilo.
int repartir(std::size_t n, std::size_t minimo, const std::function<void(int, std::size_t, std::size_t)>& tarea);
// Lo mismo en un número de tramos dado (el que se pidió a tramos_de para guardar un resultado
// por tramo).
void repartir_en(std::size_t n, int tramos, const std::function<void(int, std::size_t, std::size_t)>& tarea);

// Llama a f(i) para cada i de [0, n), repartido como repartir: para recorridos cuyos
// elementos no dependen unos de otros.
template <class F>
void para_cada(std::size_t n, std::size_t minimo, F&& f) {
    repartir(n, minimo, [&f](int, std::size_t inicio, std::size_t fin) {
        for (std::size_t i = inicio; i < fin; ++i) f(i);
    });
}

// Un estado de trabajo por plaza de cálculo (un emparejador, un recuerdo de colores...), creado
// con crear() la primera vez que la plaza lo pide y guardado para sus tramos siguientes.
template <class T>
class PorPlaza {
public:
    template <class Crear>
    T& de_esta(Crear&& crear) {
        std::unique_ptr<T>& p = plaza_[static_cast<std::size_t>(plaza_de_calculo())];
        if (!p) p = std::make_unique<T>(crear());
        return *p;
    }

private:
    std::array<std::unique_ptr<T>, kTopeHilos> plaza_;
};

// Filas de un tapiz de "ancho" puntos que como poco lleva cada tramo: por debajo de unos
// miles de puntos, lanzar un hilo cuesta más de lo que ahorra.
inline std::size_t filas_por_tramo(int ancho) {
    constexpr std::size_t kPuntosPorTramo = 4096;
    return kPuntosPorTramo / static_cast<std::size_t>(ancho > 0 ? ancho : 1) + 1;
}

}  // namespace pc
