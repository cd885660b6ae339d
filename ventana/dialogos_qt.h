// Los diálogos modales del programa con Qt: caja de entrada, mensajes, pregunta Sí/No y
// elección de ficheros.
#pragma once
#include <QPointer>
#include <QString>
#include <QWidget>

#include "app/puertos.h"

namespace pc::ui {

// Traduce un filtro "Descripción|*.ext|Todos los Archivos|*.*" al formato de Qt:
// "Descripción (*.ext);;Todos los Archivos (*)".
QString filtro_qt(const std::string& filtro);
// Añade la extensión por defecto ("pc", ".pc" o "*.pc") si el nombre del fichero no tiene
// ninguna.
std::string con_extension(const std::string& fichero, const std::string& extension);

class DialogosQt : public Dialogos {
public:
    explicit DialogosQt(QWidget* padre = nullptr) : padre_(padre) {}
    void poner_padre(QWidget* padre) { padre_ = padre; }

    std::string entrada(const std::string& titulo, const std::string& texto,
                        const std::string& defecto) override;
    void mensaje(const std::string& texto) override;
    bool pregunta(const std::string& titulo, const std::string& texto) override;
    RespuestaSalir pregunta_con_grabar(const std::string& titulo, const std::string& texto,
                                       BotonesGrabar botones) override;
    int pregunta_botones(const std::string& titulo, const std::string& texto,
                         const std::vector<std::string>& botones) override;
    std::optional<std::string> abrir(const std::string& filtro, const std::string& extension) override;
    std::optional<std::string> guardar(const std::string& filtro, const std::string& extension) override;
    void error(const std::string& texto) override;
    // Con impresoras instaladas, el diálogo de impresión de Qt; sin ellas, un fichero PDF.
    std::optional<DestinoImpresion> dialogo_impresion(const std::string& filtro_pdf) override;
    std::optional<std::string> elegir_carpeta(const std::string& titulo, const std::string& inicial) override;

private:
    QPointer<QWidget> padre_;
};

}  // namespace pc::ui
