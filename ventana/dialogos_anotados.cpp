#include "ventana/dialogos_anotados.h"

#include <utility>

#include "app/opciones_impresion.h"
#include "ordenes/ficheros/ficheros_patron.h"

namespace pc::ui {

void DialogosAnotados::empezar() {
    fichero_.reset();
    fallo_ = false;
}

std::string DialogosAnotados::entrada(const std::string& titulo, const std::string& texto,
                                      const std::string& defecto) {
    return d_.entrada(titulo, texto, defecto);
}

void DialogosAnotados::mensaje(const std::string& texto) {
    if (texto.rfind("ERROR", 0) == 0) fallo_ = true;
    d_.mensaje(texto);
}

bool DialogosAnotados::pregunta(const std::string& titulo, const std::string& texto) {
    return d_.pregunta(titulo, texto);
}

RespuestaSalir DialogosAnotados::pregunta_con_grabar(const std::string& titulo, const std::string& texto,
                                                     BotonesGrabar botones) {
    return d_.pregunta_con_grabar(titulo, texto, botones);
}

int DialogosAnotados::pregunta_botones(const std::string& titulo, const std::string& texto,
                                       const std::vector<std::string>& botones) {
    return d_.pregunta_botones(titulo, texto, botones);
}

std::optional<std::string> DialogosAnotados::anotar(std::optional<std::string> f) {
    fichero_ = f;
    return f;
}

std::optional<std::string> DialogosAnotados::abrir(const std::string& filtro, const std::string& extension) {
    if (preparado_) return anotar(std::exchange(preparado_, std::nullopt));
    return anotar(d_.abrir(filtro, extension));
}

std::optional<std::string> DialogosAnotados::guardar(const std::string& filtro, const std::string& extension) {
    // El fichero preparado ("Grabar" al fichero abierto) sólo vale para su formato: si la orden
    // acaba grabando otro (el aviso del .pc ofrece "Grabar como OXS"), se pregunta dónde.
    if (preparado_ && extension.size() > 1 && extension[0] == '*' &&
        !acaba_en(*preparado_, std::string_view(extension).substr(1)))
        preparado_.reset();
    if (preparado_) return anotar(std::exchange(preparado_, std::nullopt));
    return anotar(d_.guardar(filtro, extension));
}

void DialogosAnotados::error(const std::string& texto) {
    fallo_ = true;
    d_.error(texto);
}

std::optional<DestinoImpresion> DialogosAnotados::dialogo_impresion(const std::string& filtro_pdf) {
    return d_.dialogo_impresion(filtro_pdf);
}

std::optional<std::string> DialogosAnotados::elegir_carpeta(const std::string& titulo, const std::string& inicial) {
    return d_.elegir_carpeta(titulo, inicial);
}

}  // namespace pc::ui
