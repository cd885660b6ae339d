// "Acerca de..." y la ventana de la ayuda del programa.
#pragma once
#include <QDialog>
#include <QWidget>
#include <string>

class QLabel;
class QPushButton;
class QTextBrowser;

namespace pc::ui {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* padre = nullptr);
    // Pone la versión y uno de los dos logotipos al azar, y se abre (modal, sin bloquear).
    void abrir(const std::string& version, int azar = -1);

    QLabel* version() const { return version_; }
    const char* logo() const { return logo_; }

private:
    QLabel* imagen_ = nullptr;
    QLabel* version_ = nullptr;
    QPushButton* cerrar_ = nullptr;
    const char* logo_ = nullptr;
};

// La ayuda: el fichero de ayuda (HTML) en un visor de texto.
class VentanaAyuda : public QWidget {
    Q_OBJECT
public:
    explicit VentanaAyuda(QWidget* padre = nullptr);
    // Lee el fichero; lanza ErrorFichero si no se puede leer.
    void cargar(const std::string& fichero);
    QTextBrowser* texto() const { return texto_; }

private:
    QTextBrowser* texto_ = nullptr;
};

}  // namespace pc::ui
