// La ventana "Exportar Patrón PDF": papel, celda, tela, hebras (de los puntos y del perfilado),
// margen de la tela, solape, modo (y la tanda en blanco y negro), título, catálogo y zona del
// cuadernillo del patrón, con "Vista Previa", "Imprimir" y "Exportar PDF". Cada
// cambio se guarda en el estado del diseño y la ventana dice cuántas páginas saldrán.
#pragma once
#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPrintPreviewDialog;
class QPushButton;
class QSpinBox;

namespace pc::ui {

class TForm2;

class VentanaPatron : public QDialog {
    Q_OBJECT
public:
    explicit VentanaPatron(TForm2& principal);

    // Muestra lo guardado y abre la ventana modal.
    void abrir();
    // Lo mismo sin esperar.
    void preparar();

    // Para las pruebas: recibe el diálogo de la vista previa en vez de ejecutarlo.
    std::function<void(QPrintPreviewDialog&)> al_previsualizar;

    QComboBox* papel = nullptr;
    QCheckBox* apaisado = nullptr;
    QDoubleSpinBox* celda = nullptr;
    QSpinBox* tela = nullptr;
    QSpinBox* hebras = nullptr;
    QSpinBox* hebras_perfil = nullptr;
    QSpinBox* margen_tela = nullptr;
    QCheckBox* tambien_bn = nullptr;
    QSpinBox* solape = nullptr;
    QComboBox* modo = nullptr;
    QLineEdit* titulo = nullptr;
    QComboBox* catalogo = nullptr;
    QCheckBox* zona = nullptr;
    QLabel* resumen = nullptr;
    QPushButton* vista_previa = nullptr;
    QPushButton* imprimir = nullptr;
    QPushButton* exportar = nullptr;
    QPushButton* cerrar = nullptr;

private:
    void mostrar_estado();
    // Guarda las opciones en el estado; con recontar, pone al día también las páginas.
    void guardar_estado(bool recontar);
    void vista_previaClick();

    TForm2& principal_;
    bool cargando_ = false;
};

}  // namespace pc::ui
