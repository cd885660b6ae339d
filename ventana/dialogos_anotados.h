// Los diálogos que ven las órdenes de la ventana principal: pasan cada llamada a los de
// verdad y anotan el último fichero elegido y si la orden avisó de un fallo, para que la
// ventana sepa qué fichero se abrió o grabó. Un fichero preparado contesta la siguiente
// elección de fichero sin mostrar el diálogo (volver a abrir un archivo reciente).
#pragma once
#include <optional>
#include <string>
#include <utility>

#include "app/puertos.h"

namespace pc::ui {

class DialogosAnotados : public Dialogos {
public:
    explicit DialogosAnotados(Dialogos& d) : d_(d) {}

    // Olvida lo anotado (antes de cada orden).
    void empezar();
    void preparar(std::optional<std::string> fichero) { preparado_ = std::move(fichero); }
    // Fichero elegido desde empezar(), si lo hubo.
    const std::optional<std::string>& fichero() const { return fichero_; }
    // true si desde empezar() hubo un error o un mensaje que empieza por "ERROR".
    bool fallo() const { return fallo_; }

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
    std::optional<DestinoImpresion> dialogo_impresion(const std::string& filtro_pdf) override;
    std::optional<std::string> elegir_carpeta(const std::string& titulo, const std::string& inicial) override;

private:
    std::optional<std::string> anotar(std::optional<std::string> f);

    Dialogos& d_;
    std::optional<std::string> preparado_;
    std::optional<std::string> fichero_;
    bool fallo_ = false;
};

}  // namespace pc::ui
