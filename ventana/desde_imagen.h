// "Nuevo patrón desde imagen...": la imagen y la vista previa del tapiz lado a lado, con el
// tamaño en puntos (ligado a las proporciones de la imagen o del recorte, con un candado para
// soltarlo), el tamaño bordado en la tela elegida, el catálogo, el método, los colores y la
// limpieza de "Fiel" y un recorte arrastrado sobre la imagen. La vista previa se calcula
// fuera del hilo de la ventana con la misma orden que "Crear" y "puntocruz-lote generar"; un
// cambio nuevo cancela el cálculo anterior.
#pragma once
#include <QDialog>
#include <QImage>
#include <atomic>
#include <memory>
#include <optional>
#include <thread>

#include "ordenes/patron/desde_imagen.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTimer;

namespace pc {
class ImagenQt;
}

namespace pc::ui {

class TForm2;
class VistaRecorte;

class VentanaDesdeImagen : public QDialog {
    Q_OBJECT
public:
    explicit VentanaDesdeImagen(TForm2& principal);
    ~VentanaDesdeImagen() override;

    // Toma la imagen de origen actual (si cambió) y se muestra.
    void abrir();
    // Las opciones tal como están en la ventana.
    OpcionesImagen opciones() const;
    // Para las pruebas y las capturas.
    QSpinBox* campo_ancho() const { return ancho_; }
    QSpinBox* campo_alto() const { return alto_; }
    QCheckBox* candado() const { return candado_; }
    QComboBox* campo_metodo() const { return metodo_; }
    QComboBox* campo_catalogo() const { return catalogo_; }
    QComboBox* campo_tela() const { return tela_; }
    QSpinBox* campo_colores() const { return colores_; }
    QComboBox* campo_limpieza() const { return limpieza_; }
    QLabel* resumen() const { return resumen_; }
    void poner_recorte(std::optional<Recorte> r);
    // La vista previa que se ve (vacía hasta el primer cálculo) y las opciones con que se calculó.
    const QImage& previa() const { return previa_; }
    std::optional<OpcionesImagen> opciones_previa() const { return opciones_previa_; }
    // Espera a que termine el cálculo en marcha (pruebas).
    void esperar_calculo();
    void crear();

private:
    void cambio();
    void ancho_cambiado();
    void alto_cambiado();
    void lanzar();
    void al_terminar(int numero, std::shared_ptr<std::optional<TapizCalculado>> t, QString error);
    void poner_tamano_cm();
    QSize base_proporciones() const;

    TForm2& principal_;
    std::shared_ptr<const ImagenQt> imagen_;
    int carga_ = -1;
    VistaRecorte* vista_ = nullptr;
    QLabel* dibujo_previa_ = nullptr;
    QLabel* resumen_ = nullptr;
    QLabel* tamano_cm_ = nullptr;
    QSpinBox* ancho_ = nullptr;
    QSpinBox* alto_ = nullptr;
    QCheckBox* candado_ = nullptr;
    QComboBox* tela_ = nullptr;
    QComboBox* catalogo_ = nullptr;
    QComboBox* metodo_ = nullptr;
    QSpinBox* colores_ = nullptr;
    QComboBox* limpieza_ = nullptr;
    QPushButton* crear_ = nullptr;
    QTimer* espera_ = nullptr;
    bool ligando_ = false;
    // El cálculo: uno a la vez; el número del último pedido cancela los anteriores.
    std::thread hilo_;
    bool calculando_ = false;
    bool pendiente_ = false;
    std::shared_ptr<std::atomic<int>> ultimo_ = std::make_shared<std::atomic<int>>(0);
    QImage previa_;
    std::optional<OpcionesImagen> opciones_previa_;
};

}  // namespace pc::ui
