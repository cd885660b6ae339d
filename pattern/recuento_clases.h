// Recuento por clases de puntada: cuántas cruces enteras, medios puntos, cuartos, tres cuartos,
// petits, pespuntes y nudos lleva cada color del diseño. Lo usan la ventana de colores, la
// leyenda del cuadernillo y la orden `paleta` de la herramienta por lotes.
//
// Una celda con puntadas parciales no cuenta como cruz entera (bajo ellas la rejilla guarda la
// tela): sólo cuentan sus parciales.
#pragma once
#include <cstdint>
#include <vector>

#include "app/estado.h"

namespace pc {

struct RecuentoClases {
    Color color = 0;
    long enteros = 0;
    long medios = 0, cuartos = 0, tres_cuartos = 0, petits = 0;
    long lineas = 0;        // pespuntes (tramos rectos)
    double largo = 0;       // largo de sus pespuntes, en medios puntos (pasos de la red)
    long nudos = 0;

    long parciales() const { return medios + cuartos + tres_cuartos + petits; }
    // El hilo que gastan sus puntadas de celda, en cruces enteras: un medio punto 1/2, un tres
    // cuartos 3/4, un cuarto o un petit 1/4.
    double cruces_de_hilo() const {
        return static_cast<double>(enteros) + 0.5 * static_cast<double>(medios) +
               0.75 * static_cast<double>(tres_cuartos) + 0.25 * static_cast<double>(cuartos + petits);
    }
    bool vacio() const { return enteros == 0 && parciales() == 0 && lineas == 0 && nudos == 0; }
};

// Pespuntes o nudos de un color con un mismo número de hebras.
struct GrupoHebras {
    Color color = 0;
    int hebras = 0;
    long cuantos = 0;
    double largo = 0;  // pespuntes: en medios puntos
};

struct RecuentoPorClases {
    // Un elemento por color con alguna puntada, ordenados por color.
    std::vector<RecuentoClases> colores;
    // Los pespuntes y los nudos por color y hebras, ordenados por color y hebras.
    std::vector<GrupoHebras> lineas;
    std::vector<GrupoHebras> nudos;

    // El recuento de un color, o nullptr si no lleva ninguna puntada.
    const RecuentoClases* de(Color c) const;
};

// Largo de un pespunte en medios puntos (pasos de la red).
double largo_medios(const Linea& l);

// Cuenta las puntadas de cada clase del tapiz de ancho × alto (acotado a la rejilla). Con
// `enteros` falso no recorre la rejilla (sólo las otras clases, enteros queda a 0).
RecuentoPorClases recuento_por_clases(const Estado& e, int ancho, int alto, bool enteros = true);

}  // namespace pc
