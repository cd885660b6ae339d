// Los puertos por los que hablan las órdenes: los diálogos modales, lo que una orden hace
// a las ventanas y la imagen de origen. La interfaz Qt, la herramienta por lotes y las
// pruebas dan cada una su propia implementación.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "app/tipos.h"

namespace pc {

struct DestinoImpresion;
struct TrabajoImpresion;
struct TrabajoCuadernillo;
struct DibujoPaleta;

// Respuesta a una pregunta con "Grabar" (salir o reemplazar un diseño con cambios sin
// grabar): seguir sin grabar, no seguir, o grabar y seguir.
enum class RespuestaSalir { kSi, kNo, kGrabar };
// Los botones de esa pregunta: al salir, "Sí" (kSi), "No" (kNo) y "Grabar"; antes de
// reemplazar el diseño, "Grabar", "No grabar" (kSi) y "Cancelar" (kNo).
enum class BotonesGrabar { kSalir, kReemplazar };

class Dialogos {
public:
    virtual ~Dialogos() = default;
    // Caja de entrada: título, texto y valor por defecto; cancelar devuelve el valor por defecto.
    virtual std::string entrada(const std::string& titulo, const std::string& texto,
                                const std::string& defecto) = 0;
    // Mensaje con un botón de aceptar.
    virtual void mensaje(const std::string& texto) = 0;
    // Pregunta Sí/No con título; true es Sí.
    virtual bool pregunta(const std::string& titulo, const std::string& texto) = 0;
    // Pregunta con una tercera respuesta, "Grabar", y esos botones. Quien no la ofrece (la
    // herramienta por lotes) hace la pregunta Sí/No.
    virtual RespuestaSalir pregunta_con_grabar(const std::string& titulo, const std::string& texto,
                                               BotonesGrabar botones);
    // Pregunta con sus propios botones, en orden: el índice del pulsado, o -1 si se cierra sin
    // elegir. Quien no la ofrece hace la pregunta Sí/No: Sí es el segundo botón (el que sigue
    // adelante sin más) y No, el último.
    virtual int pregunta_botones(const std::string& titulo, const std::string& texto,
                                 const std::vector<std::string>& botones);
    // Elección de fichero para abrir o guardar. El filtro es del tipo
    // "Descripción|*.ext|Todos los Archivos|*.*". Sin valor si el usuario cancela.
    virtual std::optional<std::string> abrir(const std::string& filtro, const std::string& extension) = 0;
    virtual std::optional<std::string> guardar(const std::string& filtro, const std::string& extension) = 0;
    // La presentación única de errores del programa.
    virtual void error(const std::string& texto) = 0;
    // Diálogo de impresión: la impresora (o el fichero) donde imprimir; sin valor si el
    // usuario cancela. Sin impresoras se pide el nombre de un PDF con ese filtro.
    virtual std::optional<DestinoImpresion> dialogo_impresion(const std::string& filtro_pdf);
    // Elección de una carpeta con título y carpeta inicial; sin valor si se cancela.
    virtual std::optional<std::string> elegir_carpeta(const std::string& titulo, const std::string& inicial);
};

class Vista {
public:
    virtual ~Vista() = default;
    // Texto de un panel (0..2) de la barra de estado de la ventana principal.
    virtual void panel(int n, const std::string& texto) = 0;
    // Texto de un panel (0..1) de la barra de estado del visor de imagen.
    virtual void panel_visor(int n, const std::string& texto) = 0;
    // Panel de texto del visor (Memo1).
    virtual void memo_limpiar() = 0;
    virtual void memo_linea(const std::string& linea) = 0;
    // Redibujado completo del tapiz (la comprobación de tamaño ya está hecha).
    virtual void redibujar() = 0;
    // Redibujado de un punto con sus cuatro bordes.
    virtual void redibujar_celda(int x, int y) = 0;
    // Repintado de la celda como un rectángulo relleno de su color (reducciones, ajuste).
    virtual void repintar_celda(int x, int y) = 0;
    // Si pinta las celdas una a una; una vista sin lienzo no, y las órdenes se ahorran llamarla
    // por cada celda.
    virtual bool pinta_celdas() const { return true; }
    // Pinta de blanco todo el lienzo del patrón.
    virtual void limpiar_lienzo() = 0;
    virtual void mostrar_visor() = 0;
    virtual void minimizar() = 0;
    virtual void restaurar() = 0;
    // Texto de progreso en el panel 0; el adaptador lo limita a unas pocas veces por segundo.
    virtual void progreso(const std::string& texto) = 0;
    // Deja que la interfaz procese los mensajes pendientes.
    virtual void procesar_mensajes() = 0;
    // Color de fondo de la ventana principal.
    virtual void color_fondo(Color c) = 0;
    // Dibuja un trabajo de impresión: en papel (impresora o PDF) o en la imagen del lienzo de
    // la paleta. Quien no imprime no hace nada.
    virtual void imprimir(const TrabajoImpresion& trabajo);
    // Dibuja el cuadernillo del patrón en su destino (un PDF o la impresora); false si el
    // usuario lo canceló a medias (entonces no queda nada escrito). Quien no imprime no hace nada.
    virtual bool imprimir_cuadernillo(const TrabajoCuadernillo& trabajo);
    // La imagen del lienzo de la paleta como fichero BMP de 24 bits; vacío si no hay imagen.
    virtual std::string bmp_impreso();
    // Una línea de perfilado recién puesta: el lado k (1..4) del punto (x, y), en el color
    // de su perfil. Sin una vista que sepa dibujar sólo el lado, se redibuja el punto.
    virtual void dibujar_lado(int x, int y, int k) {
        (void)k;
        redibujar_celda(x, y);
    }

    // Paleta de hilos. Sin ventana que la muestre no hacen nada (y el lienzo es blanco).
    // Dibuja la vista de la paleta en su lienzo (Image2).
    virtual void dibujar_paleta(const DibujoPaleta&) {}
    // Color del píxel (x, y) del lienzo de la paleta; blanco fuera de él.
    virtual Color pixel_paleta(int, int) const { return kBlanco; }
    // Trae la ventana principal al frente.
    virtual void al_frente() {}
    // Muestra la ventana de selección de columnas, modal.
    virtual void mostrar_columnas() {}
};

// La imagen de origen: cada posición fuera de ella se lee como blanco.
class Imagen {
public:
    virtual ~Imagen() = default;
    virtual int ancho() const = 0;
    virtual int alto() const = 0;
    virtual Color pixel(int x, int y) const = 0;
    // Los n píxeles de la fila y desde la columna x (todo dentro de la imagen) en destino:
    // para recorrer la imagen entera deprisa. Por defecto, uno a uno con pixel().
    virtual void fila(int y, int x, int n, Color* destino) const {
        for (int i = 0; i < n; ++i) destino[i] = pixel(x + i, y);
    }
    // Rectángulo sobre la propia imagen, de (x1, y1) a (x2, y2) sin el borde derecho ni el
    // inferior: borde de 1 píxel y relleno.
    virtual void rectangulo(int x1, int y1, int x2, int y2, Color borde, Color relleno) = 0;
    // Carga un fichero de imagen; lanza ErrorFichero o ErrorFormato y deja la imagen anterior.
    virtual void cargar(const std::string& fichero) = 0;
    // Nombre completo del fichero cargado, vacío si no hay imagen.
    virtual std::string fichero() const = 0;
};

}  // namespace pc
