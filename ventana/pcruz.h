// La ventana principal: lienzo del patrón y de la paleta, barras de desplazamiento, barra
// de estado y menús. Posee el estado del diseño durante toda la ejecución.
#pragma once
#include <QImage>
#include <QRect>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/historial.h"
#include "ordenes/sesion/sesion.h"
#include "ventana/dialogos_anotados.h"
#include "ventana/menus.h"
#include "ventana/vista_qt.h"

class QAction;
class QMenu;
class QScrollBar;

namespace pc {
struct OpcionesImagen;
}

namespace pc::ui {

class BarraHerramientas;
class DockColores;
class Lienzo;
class LienzoPatron;
class PanelEstado;
class TForm1;
class TForm3;
class TAboutBox;
class TForm4;
class VentanaAyuda;
class VigiaRecuperacion;
class VentanaPatron;
class VentanaDesdeImagen;

class TForm2 : public QMainWindow {
    Q_OBJECT
public:
    // Crea la ventana y hace su arranque: valores iniciales, lienzo blanco, aviso y, si
    // `argumento` no está en blanco, abre ese fichero de patrón y se muestra maximizada.
    TForm2(Dialogos& dialogos, Imagen& imagen, const std::string& argumento, QWidget* padre = nullptr);
    ~TForm2() override;

    // Las ventanas que se crean después de ésta.
    void conectar(TForm1* visor, TAboutBox* acerca);
    // La ventana de opciones de impresión, que abre "Imprimir Punto de Cruz".
    void conectar_impresion(TForm4* impresion) { impresion_ = impresion; }
    // "Exportar Patrón PDF...": la ventana del cuadernillo (se crea la primera vez).
    void abrir_patron();
    VentanaPatron& ventana_patron();
    // La ventana de selección de columnas, que trabaja sobre este estado.
    void conectar_columnas(TForm3* columnas);

    Estado& estado() { return *estado_; }
    Sesion& sesion() { return sesion_; }
    // El píxel (x, y) del lienzo del patrón tal como se ve (el lienzo no es una imagen entera).
    QRgb pixel_patron(int x, int y) const;
    QImage& imagen_paleta() { return paleta_; }
    Lienzo* lienzo_patron() const;
    LienzoPatron* vista_patron() const { return image1_; }
    BarraHerramientas* herramientas() const { return herramientas_; }
    DockColores* colores() const { return colores_; }
    Lienzo* lienzo_paleta() const { return image2_; }
    QScrollBar* barra_vertical() const { return scrollbar1_; }
    QScrollBar* barra_horizontal() const { return scrollbar2_; }
    QString panel(int n) const;
    // Panel con el punto bajo el puntero ("x, y").
    QString panel_punto() const;
    bool pista_activa() const;
    VentanaAyuda* ayuda() const { return ayuda_; }

    // Ejecuta una entrada de menú y refleja después el estado en las ventanas. Una entrada
    // que abre otro diseño pregunta antes si hay cambios sin grabar (puede_reemplazar).
    void elegir(const EntradaMenu& entrada);
    // Antes de reemplazar el diseño por otro: si tiene cambios sin grabar, pregunta "El diseño
    // «NOMBRE» tiene cambios sin grabar. ¿Desea grabarlos?". "Grabar" graba como "Grabar"
    // (Ctrl+S) y sigue si quedó grabado; "No grabar" sigue; "Cancelar" no. true: se puede seguir.
    bool puede_reemplazar();
    // Ejecuta `orden` como un paso de deshacer cuyo resultado es un diseño nuevo, "Sin
    // título": "Grabar" después pregunta el nombre, y deshacerlo devuelve el diseño de antes
    // con su fichero. Sin pregunta (se deshace). Es lo que hacen las generaciones desde una
    // imagen; true si el tapiz cambió (si no, nada cambia).
    bool crear_diseno_nuevo(const std::string& nombre_paso, const std::function<void(Sesion&)>& orden);
    // "Nuevo patrón desde imagen...": sin imagen, la pide antes; después abre la ventana.
    void abrir_desde_imagen();
    VentanaDesdeImagen* ventana_desde_imagen() const { return desde_imagen_; }
    // "Crear" de esa ventana: la generación como un paso de deshacer, igual que las del menú,
    // y el tapiz ajustado a la vista con el teclado en él.
    void crear_desde_imagen(const OpcionesImagen& op);
    // Ejecuta una orden de otra ventana y refleja después el estado, como un menú.
    void ejecutar_orden(const std::function<void(Sesion&)>& orden);
    // Marcas de los menús, herramientas, colores y lienzo visible según el estado del diseño.
    void sincronizar();

    // Para la vista.
    void poner_panel(int n, const std::string& texto);
    void repintar_patron();
    void repintar_celda(int x, int y);
    void poner_color_fondo(QRgb c);

    // Deshacer, rehacer, zoom y archivos recientes (edicion.cpp).
    Historial& historial() { return *historial_; }
    void deshacer();
    void rehacer();
    // Cambia el tamaño de celda en `pasos` (positivo: acercar) dejando en su sitio el punto
    // que está bajo `en_lienzo` (píxeles del lienzo), o el del centro de la vista.
    void zoom(int pasos, std::optional<QPoint> en_lienzo = std::nullopt);
    // "Ajustar a la ventana": el tapiz entero a la vista.
    void ajustar_zoom();
    // Tamaño del lienzo del patrón y rango de las barras según el tapiz, el zoom y la vista.
    void ajustar_lienzos();
    // Vuelve a abrir un archivo reciente con la orden que lo abrió (o la que abre lo grabado).
    void abrir_reciente(const QString& orden, const QString& fichero);
    QMenu* menu_recientes() const { return recientes_; }
    // El fichero del diseño (vacío si es nuevo); lo lleva el historial.
    QString fichero_actual() const { return QString::fromStdString(historial_->fichero().ruta); }
    // El nombre del diseño que se ve en el título: el de su fichero o "Sin título".
    QString nombre_diseno() const;
    // Copias de recuperación del diseño sin grabar (recuperacion.cpp).
    VigiaRecuperacion& recuperacion() { return *recuperacion_; }
    // "Grabar" (Ctrl+S): al fichero del que vino el diseño sin preguntar; sin él (o si es de
    // un formato viejo) pregunta como "Grabar Punto Cruz". true si quedó grabado.
    bool grabar();
    // Abre los ficheros soltados sobre la ventana, cada uno con la entrada de menú de su clase.
    void abrir_soltados(const QStringList& ficheros);

protected:
    void closeEvent(QCloseEvent* ev) override;
    void showEvent(QShowEvent* ev) override;
    bool eventFilter(QObject* objeto, QEvent* ev) override;
    void dragEnterEvent(QDragEnterEvent* ev) override;
    void dropEvent(QDropEvent* ev) override;

private:
    void crear_controles();
    void crear_menus();
    void al_pulsar(Qt::MouseButton boton, QPoint p);
    void al_mover(Qt::MouseButtons botones, QPoint p);
    void mostrar_tramo(QPoint p);
    void desplazar_vertical(int p);
    void desplazar_horizontal(int p);
    void salir();
    // La pregunta de salida (con "Grabar" si hay cambios): true si se puede cerrar.
    bool puede_salir();
    void abrir_ayuda();
    // costumbres.cpp: "Grabar", menús con Alt y F10.
    void crear_grabar();
    void poner_mnemonicos();
    // edicion.cpp
    void crear_menu_edicion();
    void crear_menu_recientes();
    void llenar_recientes();
    void al_soltar(Qt::MouseButton boton, QPoint p);
    void al_rodar(int pasos, bool control, QPoint p);
    // Tras una orden: anota el paso si cambió el tapiz y, si la orden abrió o grabó un
    // fichero, lo recuerda; después pone al día el título y el menú Edición.
    // Con `diseno_nuevo` (o si la entrada es una generación) lo que queda es un diseño nuevo.
    void tras_orden(const std::string& nombre, const char* entrada, bool diseno_nuevo = false);
    // elegir() sin la pregunta de reemplazar.
    void ejecutar_entrada(const EntradaMenu& entrada);
    // Lo que hace una entrada de menú con orden: el paso de deshacer `paso`, la orden y lo que
    // sigue (ficheros recientes, título, ventanas) según el nombre de la entrada.
    void ejecutar_paso(const std::string& paso, const char* nombre, const std::function<void(Sesion&)>& orden);
    // Elige la entrada de menú de ese nombre contestando con `fichero` a su elección de
    // fichero (sin él, pregunta); false si no hay tal entrada.
    bool elegir_con_fichero(const char* nombre, std::optional<std::string> fichero);
    // La parte de sincronizar que no depende de los colores del tapiz (el zoom sólo cambia ésta).
    void sincronizar_vista();
    // Tras deshacer o rehacer: el fichero que nombran la barra de estado y la impresión.
    void tras_deshacer(const FicheroDiseno& antes);
    void actualizar_edicion();
    void actualizar_titulo();

    Dialogos& dialogos_;
    DialogosAnotados anotados_;  // los que usan las órdenes de esta ventana
    std::unique_ptr<Estado> estado_;
    VistaQt vista_;
    Sesion sesion_;
    QImage paleta_;
    LienzoPatron* image1_ = nullptr;
    Lienzo* image2_ = nullptr;
    QWidget* panel2_ = nullptr;
    QScrollBar* scrollbar1_ = nullptr;
    QScrollBar* scrollbar2_ = nullptr;
    PanelEstado* paneles_[3] = {};
    PanelEstado* punto_ = nullptr;
    BarraHerramientas* herramientas_ = nullptr;
    DockColores* colores_ = nullptr;
    Acciones acciones_;
    TForm1* visor_ = nullptr;
    TAboutBox* acerca_ = nullptr;
    TForm4* impresion_ = nullptr;
    VentanaPatron* ventana_patron_ = nullptr;
    VentanaDesdeImagen* desde_imagen_ = nullptr;
    TForm3* columnas_ = nullptr;
    VentanaAyuda* ayuda_ = nullptr;
    QRect celdas_pendientes_;  // celdas repintadas que aún no se han actualizado en pantalla
    bool mostrada_ = false;
    bool salida_confirmada_ = false;
    // Deshacer y rehacer (con el fichero del diseño) y archivos recientes.
    std::unique_ptr<Historial> historial_;
    bool trazo_ = false;  // botón izquierdo pulsado sobre el lienzo
    bool clic_consumido_ = false;  // el clic izquierdo sólo quitó el resaltado: no arrastra
    QAction* deshacer_ = nullptr;
    QAction* rehacer_ = nullptr;
    QMenu* recientes_ = nullptr;
    // La última: se destruye la primera, antes que el estado y el historial que mira.
    std::unique_ptr<VigiaRecuperacion> recuperacion_;
};

}  // namespace pc::ui
