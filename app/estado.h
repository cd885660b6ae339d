// El estado del diseño: la rejilla de puntos, las cuatro tablas de hilos, el estado de
// edición, los ajustes (guardados como el texto que tecleó el usuario) y las marcas de
// los menús. Lo posee la ventana principal durante toda la ejecución.
#pragma once
#include <array>
#include <cstdlib>
#include <new>
#include <memory>
#include <string>
#include <vector>

#include "app/memoria.h"
#include "app/tipos.h"
#include "app/opciones_impresion.h"
#include "app/puntadas.h"

namespace pc {

// Lados del perfilado, en el orden en que se recorren siempre (1..4).
enum Lado : int { kArriba = 1, kDerecha = 2, kAbajo = 3, kIzquierda = 4 };

struct Punto {
    Color color = 0;
    std::array<Color, 4> perfil{};  // perfil[k - 1] para el lado k = 1..4; -1 sin perfil

    Color& lado(int k) { return perfil[static_cast<std::size_t>(k - 1)]; }
    Color lado(int k) const { return perfil[static_cast<std::size_t>(k - 1)]; }
};

struct Hilo {
    Color color = 0;
    std::int32_t numero = 0;   // número de hilo, o nº de puntos en la paleta del tapiz
    std::int32_t columna = 0;  // columna del catálogo
    bool activo = false;
    bool bloqueado = false;
};

// Tabla de hasta 600 hilos; las entradas válidas son item[1..total].
struct TablaHilos {
    std::array<Hilo, kMaxHilos + 1> item{};
    std::int32_t total = 0;

    Hilo& operator[](int i) { return item[static_cast<std::size_t>(i)]; }
    const Hilo& operator[](int i) const { return item[static_cast<std::size_t>(i)]; }
};

// Posición 1..total de la primera entrada activa con ese color, o 0.
int buscar_color(Color c, const TablaHilos& tabla);

inline constexpr int kLadoRejilla = kMaxPuntos + 1;  // índices 0..700
inline constexpr int kColumnasCatalogo = 19;         // casillas de columna de la selección

// Ventana de selección de columnas: el estado de sus casillas. Una casilla de columna tiene
// tres estados (marcada, sin marcar y gris); las de hilo del panel, dos.
inline constexpr int kHilosPanel = 50;
enum class Casilla : std::uint8_t { kMarcada, kSinMarcar, kGris };  // el valor 0: marcada
struct CasillaHilo {
    std::int32_t numero = 0;  // el rótulo de la casilla
    Color color = 0;          // su color de fondo
    bool visible = false;
    bool marcada = false;
};
struct VentanaColumnas {
    std::array<Casilla, kColumnasCatalogo + 1> columna{};  // 1..19, marcadas al crearse
    std::array<CasillaHilo, kHilosPanel + 1> hilo{};        // 1..50
    int columna_abierta = 0;
    int visibles = 0;
    bool panel_visible = false;
};

// Estado del visor de imagen (captura de color).
struct EstadoVisor {
    Color color_capturado = 0;
    int captura_x = 15;  // semiancho del área de captura, en píxeles de la imagen
    int captura_y = 10;  // semialto
    bool marcar_zona = false;
};

// Herramientas del botón izquierdo sobre el tapiz. Perfilar es la marca "Perfilando": está
// activa mientras esa marca lo está, y entonces el botón izquierdo pone perfiles.
// Las siete últimas ponen o quitan las puntadas que no son cruces enteras.
enum class Herramienta : std::uint8_t {
    kPincel, kRelleno, kCuentagotas, kZona, kPerfilar,
    kMedioPunto, kCuarto, kTresCuartos, kPetit, kPespunte, kNudo, kGoma
};

// Trazo del ratón en curso: el último punto (en puntos de la rejilla, puede caer fuera del
// tapiz) por el que pasó, para pintar la recta hasta el siguiente.
struct Trazo {
    bool activo = false;
    int x = 0, y = 0;
};

// Lo que recuerdan las herramientas de puntadas de un clic al siguiente: la diagonal del último
// medio punto (Mayús la repite) y el punto de la red donde sigue un pespunte empezado.
struct ManoPuntadas {
    Diagonal diagonal = Diagonal::kBarra;
    bool cadena = false;
    int u = 0, v = 0;
};

struct Estado {
    // Más de 10 MB: en memoria de bloque grande, que se estrena antes.
    static void* operator new(std::size_t bytes) {
        if (void* p = reservar_grande(bytes)) return p;
        throw std::bad_alloc();
    }
    static void operator delete(void* p) noexcept { std::free(p); }

    // Rejilla [x][y], x e y en 0..700; el tapiz es 1..ancho × 1..alto.
    std::array<std::array<Punto, kLadoRejilla>, kLadoRejilla> puntos{};

    // Medios puntos, cuartos, tres cuartos, petits, pespuntes y nudos, al lado de la rejilla.
    Puntadas puntadas;

    TablaHilos paleta;      // colores del tapiz con su nº de puntos
    TablaHilos paleta_imp;  // copia ordenada para la leyenda impresa
    TablaHilos paleta_aux;  // segundo catálogo (equivalencias)
    TablaHilos hilos;       // paleta activa de hilos
    std::string marca;      // "DMC" o "ANCHOR"

    // Textos de los catálogos (las líneas, en UTF-8): el incorporado o el que leyó el usuario.
    std::vector<std::string> texto_dmc;
    std::vector<std::string> texto_anchor;
    // Títulos de las casillas de columna de la ventana de selección (1..19).
    std::array<std::string, kColumnasCatalogo + 1> titulo_columna{};

    // Estado de edición.
    Color color_actual = 0;
    Color color_origen = 0;
    Color color_destino = 0;
    int sel_x = 0, sel_y = 0;
    int pal_x = 0, pal_y = 0;
    int tam_celda = 0;
    // Lado del lienzo del patrón con el que el redibujado comprueba si el tapiz cabe: el de
    // partida tras cargar o generar; el zoom lo agranda hasta lo que ocupe el tapiz.
    int lado_lienzo = kLadoLienzo;
    int metodo_color = 0;
    // Herramienta elegida para el botón izquierdo (la que vuelve al quitar "Perfilando").
    Herramienta herramienta = Herramienta::kPincel;
    Trazo trazo;
    ManoPuntadas mano;
    // Copia de zona: copia[dy][dx].
    std::array<std::array<Color, kMaxPuntos>, kMaxPuntos> copia{};
    int copia_ancho = 0, copia_alto = 0;
    std::array<std::array<bool, kLadoRejilla>, kLadoRejilla> visitado{};
    std::string version;

    // Ajustes guardados como texto.
    std::string ancho, alto, tam_rejilla, tam_pincel, grosor_guias, factor_aclarado;
    std::string n_colores, dif_max, divisor_tonos, trozo_ancho, trozo_alto;
    std::string zona_x1, zona_y1, zona_x2, zona_y2;

    // Marcas de los menús (la marca es el estado).
    bool ver_rejilla = false;
    bool perfilando = false;
    bool perfil_arriba = false, perfil_derecha = false, perfil_abajo = false, perfil_izquierda = false;
    bool borrar_perfilado = false;
    bool en_zona = false;
    bool componente_r = false, componente_g = false, componente_b = false;
    bool generar_bmp = false;
    bool ver_bmp_exportado = false;

    EstadoVisor visor;

    // Impresión: las opciones de la ventana "Opciones para la Impresión" y el último fichero
    // de patrón elegido al abrir (su nombre va al pie de la página impresa).
    OpcionesImpresion impresion;
    std::string fichero_abierto;
    // El cuadernillo del patrón: las opciones de su ventana.
    OpcionesCuadernillo cuadernillo;

    // Rótulos de menú que cambian con las órdenes de edición. Vacío: el rótulo de siempre.
    // Los de selección y los de ORIGEN y DESTINO los comparten el menú del lienzo del
    // patrón y el de la paleta; la ventana los aplica al sincronizar los menús.
    struct Rotulos {
        std::string seleccionar;       // "Seleccionar Color"
        std::string origen;            // "Copiar RGB a color ORIGEN"
        std::string destino;           // "Copiar RGB a color DESTINO"
        std::string cambiar;           // "Cambiar Color ORIGEN por DESTINO"
        std::string aclarar_tapiz;     // "Aclarar el TAPIZ"
        std::string oscurecer_tapiz;   // "Oscurecer el TAPIZ"
        std::string marcar_x1y1;       // "Marcar ZONA (X1,Y1)"
        std::string marcar_x2y2;       // "Marcar ZONA (X2,Y2)"
    } rotulos;
    // Herramientas de la paleta de hilos: las casillas de la selección de columnas.
    VentanaColumnas columnas;

    // Generación FIEL: número de colores y nivel de limpieza, como se teclearon.
    std::string colores_fiel = "35";
    std::string limpieza_fiel = "2";

    Punto& punto(int x, int y) { return puntos[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)]; }
    const Punto& punto(int x, int y) const {
        return puntos[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
    }
};

// Crea un estado nuevo en el montón (ocupa unos 12 MB): todo a cero y vacío.
std::unique_ptr<Estado> crear_estado();

// Pone los valores iniciales del programa, en el orden de arranque.
void valores_iniciales(Estado& e);

// Ancho y alto del tapiz, convertidos y comprobados (1..700). Lanzan ErrorConversion si el
// texto no es un número y ErrorFormato si está fuera de 1..700.
int ancho_tapiz(const Estado& e);
int alto_tapiz(const Estado& e);
// Comprueba un tamaño del tapiz; lanza ErrorFormato con un mensaje claro si no está en 1..700.
void comprobar_tamano(int valor);
// Mensaje de tamaño fuera de rango.
std::string mensaje_tamano_fuera_de_rango(int valor);
// Tamaño de la rejilla convertido y comprobado (>= 1).
int tam_rejilla_valor(const Estado& e);

}  // namespace pc
