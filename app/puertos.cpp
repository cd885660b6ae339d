// Lo que hacen los puertos cuando un adaptador no lo redefine.
#include "app/puertos.h"

#include "app/opciones_impresion.h"

namespace pc {

std::optional<DestinoImpresion> Dialogos::dialogo_impresion(const std::string& filtro_pdf) {
    const auto fichero = guardar(filtro_pdf, "*.pdf");
    if (!fichero) return std::nullopt;
    DestinoImpresion d;
    d.fichero_pdf = *fichero;
    return d;
}

std::optional<std::string> Dialogos::elegir_carpeta(const std::string&, const std::string&) {
    return std::nullopt;
}

RespuestaSalir Dialogos::pregunta_con_grabar(const std::string& titulo, const std::string& texto, BotonesGrabar) {
    return pregunta(titulo, texto) ? RespuestaSalir::kSi : RespuestaSalir::kNo;
}

int Dialogos::pregunta_botones(const std::string& titulo, const std::string& texto,
                                const std::vector<std::string>& botones) {
    if (botones.empty()) return -1;
    const int si = botones.size() > 1 ? 1 : 0;
    return pregunta(titulo, texto) ? si : static_cast<int>(botones.size()) - 1;
}

void Vista::imprimir(const TrabajoImpresion&) {}

bool Vista::imprimir_cuadernillo(const TrabajoCuadernillo&) { return true; }

std::string Vista::bmp_impreso() { return {}; }

}  // namespace pc
