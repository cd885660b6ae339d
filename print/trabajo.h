// Un trabajo de impresión: todo lo que el renderizador necesita, ya convertido y
// comprobado por la orden. El renderizador sólo dibuja.
#pragma once
#include <string>
#include <vector>

#include "app/estado.h"
#include "print/leyenda.h"
#include "print/maqueta.h"
#include "app/opciones_impresion.h"
#include "print/simbolos.h"

namespace pc {

struct TrabajoImpresion {
    Salida salida = Salida::kImpresora;
    DestinoImpresion destino;
    const Estado* estado = nullptr;  // la rejilla de puntos
    OpcionesImpresion op;
    Rango rango;
    int aclara = 0;              // 0: sin aclarar
    int escala_x = 100, escala_y = 100;
    int grosor_guias = 4;
    // Con símbolos: la paleta de la leyenda ordenada y los símbolos ya asignados.
    TablaHilos paleta_imp;
    TablaSimbolos simbolos;
    // Con leyenda (y símbolos): sus filas.
    std::vector<EntradaLeyenda> leyenda;
    // Pie de la página en papel: el comentario y el nombre del fichero del patrón.
    std::string pie;
};

}  // namespace pc
