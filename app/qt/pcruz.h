// La ventana principal: lienzo del patrón y de la paleta, barras de desplazamiento, barra
// de estado y menús. Posee el estado del diseño durante toda la ejecución.
#pragma once
#include <QImage>
#include <QMainWindow>
#include <memory>
#include <string>

#include "app/ordenes/sesion.h"
#include "app/qt/menus.h"
#include "app/qt/vista_qt.h"

class QLabel;
class QScrollBar;

namespace pc::ui {

class Lienzo;
class TForm1;
class TForm3;
class TAboutBox;
class VentanaAyuda;

class TForm2 : public QMainWindow {
    Q_OBJECT
public:
    // Crea la ventana y hace su arranque: valores iniciales, lienzo blanco, aviso y, si
    // `argumento` no está en blanco, abre ese fichero de patrón y se muestra maximizada.
    TForm2(Dialogos& dialogos, Imagen& imagen, const std::string& argumento, QWidget* padre = nullptr);
    ~TForm2() override;

    // Las ventanas que se crean después de ésta.
    void conectar(TForm1* visor, TAboutBox* acerca);
    // La ventana de selección de columnas, que trabaja sobre este estado.
    void conectar_columnas(TForm3* columnas);

    Estado& estado() { return *estado_; }
    Sesion& sesion() { return sesion_; }
    QImage& imagen_patron() { return patron_; }
    QImage& imagen_paleta() { return paleta_; }
    Lienzo* lienzo_patron() const { return image1_; }
    Lienzo* lienzo_paleta() const { return image2_; }
    QScrollBar* barra_vertical() const { return scrollbar1_; }
    QScrollBar* barra_horizontal() const { return scrollbar2_; }
    QString panel(int n) const;
    bool pista_activa() const;
    VentanaAyuda* ayuda() const { return ayuda_; }

    // Ejecuta una entrada de menú y refleja después el estado en las ventanas.
    void elegir(const EntradaMenu& entrada);
    // Marcas de los menús y lienzo visible según el estado del diseño.
    void sincronizar();

    // Para la vista.
    void poner_panel(int n, const std::string& texto);
    void repintar_patron();
    void repintar_celda(int x, int y);
    void poner_color_fondo(QRgb c);

protected:
    void closeEvent(QCloseEvent* ev) override;
    void showEvent(QShowEvent* ev) override;

private:
    void crear_controles();
    void crear_menus();
    void al_pulsar(Qt::MouseButton boton, QPoint p);
    void al_mover(Qt::MouseButtons botones, QPoint p);
    void desplazar_vertical(int p);
    void desplazar_horizontal(int p);
    void salir();
    void abrir_ayuda();

    Dialogos& dialogos_;
    std::unique_ptr<Estado> estado_;
    VistaQt vista_;
    Sesion sesion_;
    QImage patron_;
    QImage paleta_;
    Lienzo* image1_ = nullptr;
    Lienzo* image2_ = nullptr;
    QWidget* panel2_ = nullptr;
    QScrollBar* scrollbar1_ = nullptr;
    QScrollBar* scrollbar2_ = nullptr;
    QLabel* paneles_[3] = {};
    Acciones acciones_;
    TForm1* visor_ = nullptr;
    TAboutBox* acerca_ = nullptr;
    TForm3* columnas_ = nullptr;
    VentanaAyuda* ayuda_ = nullptr;
    bool mostrada_ = false;
    bool salida_confirmada_ = false;
};

}  // namespace pc::ui
