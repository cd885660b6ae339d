// Lista de cambios (viejo -> nuevo) y su aplicación a la rejilla. La usan las reducciones
// de color y el ajuste del tapiz a hilos.
#pragma once
#include <array>
#include <string>

#include "app/estado.h"
#include "app/puertos.h"
#include "pattern/paleta.h"

namespace pc {

struct Cambio {
    Color viejo = 0;
    Color nuevo = 0;
};

// Hasta 600 pares, como mucho uno por cada color viejo (vienen de entradas distintas de la
// paleta del tapiz). Lleva su propio índice para encontrar el par de un color sin recorrerlos.
class ListaCambios {
public:
    ListaCambios() { vaciar(); }
    void vaciar();
    // Añade un par; false si la lista está llena o ya hay un par para ese color viejo.
    bool anadir(Color viejo, Color nuevo);
    int total() const { return total_; }
    const Cambio& operator[](int i) const { return par_[static_cast<std::size_t>(i)]; }  // 1..total
    // Posición 1..total del par cuyo viejo es c, o 0.
    int buscar(Color c) const { return indice_.buscar(c); }

private:
    std::array<Cambio, kMaxHilos + 1> par_{};
    int total_ = 0;
    MapaColores indice_;
};

// Línea de Memo1 de un par: nombre del hilo viejo + " cambiar por " + nombre del nuevo.
std::string linea_cambio(const Estado& e, const Cambio& c);

// Cómo se avisa del avance al aplicar los cambios.
struct AvisoCambios {
    Vista* vista = nullptr;            // repinta cada celda cambiada (si no es nula)
    const std::string* alto = nullptr; // si no es nulo: "Reduciendo... fila/alto" en cada fila
};

// Recorre las filas 1..alto y las columnas 1..ancho (limitadas a 1..700): cada punto cuyo
// color es el viejo de un par pasa a su nuevo, a través de color_actual, y se repinta. Los
// perfiles no se tocan. Devuelve el número de puntos cambiados.
long aplicar_cambios(Estado& e, const ListaCambios& cambios, int ancho, int alto, AvisoCambios aviso);

// La paleta del tapiz (contada del rango 1..ancho × 1..alto y ordenada) tras aplicar los
// cambios a ese rango, sin recorrer la rejilla: los puntos de cada color viejo pasan a su
// nuevo con su primer lugar; los perfiles se quedan. Da la misma paleta que volver a contarla
// y ordenarla, y pone al día contados. false (y nada cambiado) si los colores contados no
// estaban todos.
bool paleta_tras_cambios(TablaHilos& paleta, ColoresContados& contados, const ListaCambios& cambios);

}  // namespace pc
