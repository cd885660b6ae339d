// Lo que se imprime: las casillas y los textos de la ventana de opciones de impresión. Los
// guarda el estado del diseño mientras dura el programa; no se graban en ningún fichero.
#pragma once
#include <string>

namespace pc {

// Comentario que se imprime al pie de la página si el usuario no escribe otro.
inline constexpr const char* kComentarioImpresion = "Diseño realizado con Punto de Cruz";

struct OpcionesImpresion {
    bool rejilla = true;     // rejilla negra y guías con sus números
    bool simbolos = false;   // un símbolo en cada punto (y la leyenda)
    bool colores = true;     // cada punto relleno de su color
    bool detalle = false;    // sólo la zona de trabajo
    bool leyenda = true;     // página de la leyenda (sólo con símbolos)
    bool troceado = false;   // impresión por trozos
    std::string aclara = "0";     // suma a rojo, verde y azul de cada color de relleno
    std::string escala_x = "100"; // porcentaje del ancho de la página
    std::string escala_y = "100"; // porcentaje del alto de la página
    std::string comentario = kComentarioImpresion;
    bool imprimir_habilitado = true;  // el botón "Imprimir" de la ventana
};

// Dónde va la impresión en papel: la impresora elegida en el diálogo o un fichero PDF, con el
// papel, la orientación y las copias que se eligieron en el diálogo de impresión.
struct DestinoImpresion {
    std::string impresora;    // vacío: la impresora por defecto
    std::string fichero_pdf;  // no vacío: se escribe un PDF con ese nombre
    std::string papel;        // nombre del papel elegido; vacío: A4
    double papel_ancho_mm = 0, papel_alto_mm = 0;  // en vertical; 0: A4
    bool apaisado = false;
    int copias = 1;
};

// El cuadernillo del patrón ("Exportar Patrón PDF..."): portada, páginas del gráfico que se
// solapan y leyenda con las madejas. Lo que se eligió en su ventana dura lo que el programa.
enum class ModoCuadernillo { kAmbos, kSimbolos, kColor };

struct OpcionesCuadernillo {
    bool carta = false;        // papel Carta; si no, A4
    bool apaisado = false;
    double celda_mm = 3.0;     // lado de un punto en el papel, 2,0 a 10,0
    int tela = 14;             // puntos por pulgada de la tela
    int hebras = 2;
    int solape = 2;            // puntos que repite cada página de la anterior, 0 a 10
    ModoCuadernillo modo = ModoCuadernillo::kAmbos;
    std::string titulo;        // vacío: el nombre del fichero sin extensión
    std::string catalogo = "DMC";
    bool zona = false;         // sólo la zona de trabajo
    int hebras_perfil = 1;     // hebras del perfilado
    int margen_tela_cm = 5;    // tela de más en cada lado al cortarla, 0 a 20
    bool tambien_bn = false;   // tras las páginas del gráfico, las mismas en blanco y negro
};

}  // namespace pc
