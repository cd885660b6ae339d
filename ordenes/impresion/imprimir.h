// La impresión del tapiz: prepara el trabajo (rango, conversión de las opciones, paleta de la
// leyenda, símbolos y filas de la leyenda) y lo manda a la vista, que lo dibuja en papel o en
// la imagen del lienzo de la paleta. `carpeta` es la del programa, donde está simbolos.dat.
#pragma once
#include <string>

#include "ordenes/sesion/sesion.h"
#include "print/trabajo.h"

namespace pc {

// Filtro del diálogo de ficheros PDF (imprimir sin impresoras, exportar el patrón).
inline constexpr const char* kFiltroPdf = "Documento PDF|*.pdf|Todos los Archivos|*.*";

// Imprime o, con "Generar BMP de la Impresión" marcado, dibuja en la imagen. Sin paleta la
// construye antes. En papel pregunta con el diálogo de impresión; cancelar no dibuja nada.
// `pieza`: un trozo de la exportación troceada (la zona de trabajo manda siempre).
void imprimir(Sesion& s, const std::string& carpeta, bool pieza = false);

// Dibuja la impresión en la salida dada, hacia ese destino si es papel.
void dibujar_impresion(Sesion& s, Salida salida, const std::string& carpeta, bool pieza = false,
                       const DestinoImpresion& destino = {});

// El trabajo de impresión tal como se dibujaría, sin dibujarlo (también para la vista
// previa). Rehace paleta_imp y los símbolos si se imprimen símbolos.
TrabajoImpresion preparar_impresion(Sesion& s, Salida salida, const std::string& carpeta, bool pieza = false);

// Lee simbolos.dat de la carpeta y asigna los símbolos a los colores de paleta_imp, con el
// aviso si hay más colores que símbolos. ErrorFichero si no se puede leer.
TablaSimbolos cargar_simbolos(Sesion& s, const std::string& carpeta);

// El nombre del fichero de la ruta, sin su carpeta (vale la barra de Windows).
std::string sin_carpeta(const std::string& ruta);

}  // namespace pc
