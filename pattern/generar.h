// Generación de la rejilla de puntos a partir de la imagen: muestreo (directo o con la
// media de los vecinos parecidos) y emparejamiento de cada muestra con el hilo más próximo.
#pragma once
#include <cstdint>
#include <vector>

#include "app/estado.h"
#include "app/puertos.h"
#include "pattern/recuerdo.h"

namespace pc {

// Píxeles de imagen por punto: el cociente se hace en precisión extendida y se guarda en
// precisión simple, que es la que usan después todos los productos. Lado 0: ErrorAritmetico.
float paso_muestreo(int lado_imagen, int puntos);
// Semiancho de la ventana de la media (0 o 1): 1 cuando el paso redondeado es mayor que 1.
int semiancho_ventana(float paso);
// Posición de la muestra del punto i (1..n): el extremo lejano de su tramo, redondeado al par.
int posicion_muestra(int i, float paso);

// Vecino que entra en la media sólo si cada componente difiere del centro en menos de esto.
inline constexpr int kUmbralParecido = 50;

// Color de la imagen en (x, y) para el muestreo: pasada la última columna o fila, la última
// (el borde se repite); sin imagen, blanco.
Color pixel_muestra(const Imagen& img, int x, int y);
// Media entera de los píxeles de la ventana (cx ± mx, cy ± my) parecidos al del centro.
Color media_parecidos(const Imagen& img, int cx, int cy, int mx, int my);

// Búsqueda exacta y rápida del hilo más próximo: da siempre el mismo color que
// hilo_mas_proximo con la misma tabla y el mismo método. El cubo de colores se parte en
// cubitos de 8 x 8 x 8; la primera vez que un color cae en un cubito se apuntan los hilos
// que pueden ser el más próximo de algún color de ese cubito (en el orden de la tabla,
// buscándolos entre los de su cubo de 32 x 32 x 32, preparado igual), y después sólo se
// miran ésos; y los colores buscados hace poco se recuerdan. Se prepara una vez por generación (la
// tabla no debe cambiar mientras se usa); cada hilo de cálculo usa el suyo.
class Emparejador {
public:
    Emparejador(const TablaHilos& tabla, int metodo);
    Color mas_proximo(Color c) {
        return recuerdo_.obtener(c, [this](Color q) { return buscar(q); });
    }

private:
    Color buscar(Color c);
    struct Entrada {
        std::int16_t r, g, b;
        Color color;
    };
    // Apunta en candidatas_ las posiciones de "de" (n posiciones de entradas_) que pueden ser
    // el hilo más próximo de algún color del cubo de lado "lado" con esquina (r0, g0, b0).
    void filtrar(const std::uint16_t* de, int n, int lado, int r0, int g0, int b0);
    void preparar_cubito(int cubito);
    int distancia(const Entrada& en, int r, int g, int b) const;

    int metodo_;
    bool generico_ = false;  // método desconocido: se delega en hilo_mas_proximo
    const TablaHilos* tabla_;
    std::vector<Entrada> entradas_;          // las activas, en el orden de la tabla
    std::vector<std::uint16_t> todas_;       // 0..n-1: todas las entradas
    // Dos niveles: cubos de 32 (candidatas entre todas) y cubitos de 8 (candidatas entre las
    // de su cubo). Por cada uno, la primera candidata en candidatas_ (-1: sin preparar) y
    // cuántas son.
    std::vector<std::int32_t> inicio_cubo_, inicio_;
    std::vector<std::uint16_t> cuantas_cubo_, cuantas_;
    std::vector<std::uint16_t> candidatas_;
    RecuerdoCercano<Color, 15> recuerdo_;  // 256 KB: cabe en la caché
};

// Escribe en la rejilla los puntos 1..ancho × 1..alto a partir de la imagen, borrando los
// perfiles. Con ajustar, cada color se cambia por el del hilo activo más próximo de hilos
// con metodo_color. Los tamaños ya vienen comprobados (1..700).
void muestrear_rejilla(Estado& e, const Imagen& img, int ancho, int alto, bool interpolar, bool ajustar);
// Los mismos puntos ajustados a los hilos de la tabla, por filas ((y - 1) * ancho + x - 1), sin
// tocar ningún estado: para calcular un tapiz fuera del hilo de la ventana.
std::vector<Color> muestrear_colores(const TablaHilos& hilos, int metodo, const Imagen& img, int ancho, int alto,
                                     bool interpolar);

// Ajuste de la rejilla al lienzo: si el tapiz de lado mayor m no cabe con tam_celda, devuelve
// el nuevo tamaño de celda; si cabe, devuelve 0. Un tam_celda no positivo nunca cabe.
int celda_ajustada(int tam_celda, int m, int lado_lienzo);

}  // namespace pc
