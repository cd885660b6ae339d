#include "tests/comun/guion.h"

#include <gtest/gtest.h>

namespace pc::prueba {

namespace {
const char* nombre(Tipo t) {
    switch (t) {
        case Tipo::kEntrada: return "entrada";
        case Tipo::kMensaje: return "mensaje";
        case Tipo::kPregunta: return "pregunta";
        case Tipo::kAbrir: return "abrir";
        case Tipo::kGuardar: return "guardar";
        case Tipo::kError: return "error";
        case Tipo::kCarpeta: return "carpeta";
    }
    return "?";
}
}  // namespace

DialogosGuion& DialogosGuion::responder(std::string texto) {
    respuestas_.push_back({Tipo::kEntrada, std::move(texto)});
    return *this;
}
DialogosGuion& DialogosGuion::cancelar_entrada() {
    respuestas_.push_back({Tipo::kEntrada, std::nullopt});
    return *this;
}
DialogosGuion& DialogosGuion::contestar(bool si) {
    respuestas_.push_back({Tipo::kPregunta, std::nullopt, si});
    return *this;
}
DialogosGuion& DialogosGuion::contestar_grabar() {
    respuestas_.push_back({Tipo::kPregunta, std::nullopt, false, true});
    return *this;
}
DialogosGuion& DialogosGuion::pulsar(int boton) {
    respuestas_.push_back({Tipo::kPregunta, std::nullopt, false, false, boton});
    return *this;
}
DialogosGuion& DialogosGuion::fichero(std::optional<std::string> f) {
    respuestas_.push_back({Tipo::kAbrir, std::move(f)});
    return *this;
}

DialogosGuion& DialogosGuion::carpeta(std::optional<std::string> c) {
    respuestas_.push_back({Tipo::kCarpeta, std::move(c)});
    return *this;
}

DialogosGuion::Respuesta DialogosGuion::siguiente(Tipo tipo, const std::string& que) {
    const Tipo buscado = tipo == Tipo::kGuardar ? Tipo::kAbrir : tipo;
    if (respuestas_.empty() || respuestas_.front().tipo != buscado) {
        ADD_FAILURE() << "Diálogo inesperado (" << nombre(tipo) << "): " << que;
        return {tipo, std::nullopt};
    }
    Respuesta r = respuestas_.front();
    respuestas_.pop_front();
    return r;
}

std::string DialogosGuion::entrada(const std::string& titulo, const std::string& texto,
                                   const std::string& defecto) {
    llamadas_.push_back({Tipo::kEntrada, titulo, texto});
    Respuesta r = siguiente(Tipo::kEntrada, titulo + " / " + texto);
    return r.texto ? *r.texto : defecto;
}

void DialogosGuion::mensaje(const std::string& texto) { llamadas_.push_back({Tipo::kMensaje, "", texto}); }

bool DialogosGuion::pregunta(const std::string& titulo, const std::string& texto) {
    llamadas_.push_back({Tipo::kPregunta, titulo, texto});
    return siguiente(Tipo::kPregunta, titulo + " / " + texto).si;
}

RespuestaSalir DialogosGuion::pregunta_con_grabar(const std::string& titulo, const std::string& texto,
                                                  BotonesGrabar) {
    llamadas_.push_back({Tipo::kPregunta, titulo, texto});
    const Respuesta r = siguiente(Tipo::kPregunta, titulo + " / " + texto);
    if (r.grabar) return RespuestaSalir::kGrabar;
    return r.si ? RespuestaSalir::kSi : RespuestaSalir::kNo;
}

int DialogosGuion::pregunta_botones(const std::string& titulo, const std::string& texto,
                                    const std::vector<std::string>& botones) {
    std::string todo = texto;
    for (const std::string& b : botones) todo += " [" + b + "]";
    llamadas_.push_back({Tipo::kPregunta, titulo, todo});
    const Respuesta r = siguiente(Tipo::kPregunta, titulo + " / " + texto);
    if (r.boton >= 0) return r.boton;
    // Un Sí/No, como lo contesta quien no ofrece botones: Sí sigue adelante (el segundo).
    if (botones.empty()) return -1;
    return r.si ? (botones.size() > 1 ? 1 : 0) : static_cast<int>(botones.size()) - 1;
}

std::optional<std::string> DialogosGuion::abrir(const std::string& filtro, const std::string& extension) {
    llamadas_.push_back({Tipo::kAbrir, extension, filtro});
    return siguiente(Tipo::kAbrir, filtro).texto;
}

std::optional<std::string> DialogosGuion::guardar(const std::string& filtro, const std::string& extension) {
    llamadas_.push_back({Tipo::kGuardar, extension, filtro});
    return siguiente(Tipo::kGuardar, filtro).texto;
}

std::optional<std::string> DialogosGuion::elegir_carpeta(const std::string& titulo, const std::string& inicial) {
    llamadas_.push_back({Tipo::kCarpeta, titulo, inicial});
    return siguiente(Tipo::kCarpeta, titulo).texto;
}

void DialogosGuion::error(const std::string& texto) { llamadas_.push_back({Tipo::kError, "", texto}); }

std::vector<std::string> DialogosGuion::mensajes() const {
    std::vector<std::string> out;
    for (const auto& l : llamadas_)
        if (l.tipo == Tipo::kMensaje) out.push_back(l.texto);
    return out;
}

std::vector<std::string> DialogosGuion::errores() const {
    std::vector<std::string> out;
    for (const auto& l : llamadas_)
        if (l.tipo == Tipo::kError) out.push_back(l.texto);
    return out;
}

DialogosGuion::~DialogosGuion() {
    EXPECT_TRUE(respuestas_.empty()) << "Quedan " << respuestas_.size() << " respuestas sin usar";
}

void VistaRegistro::panel(int n, const std::string& texto) {
    if (n >= 0 && n < 3) paneles[n] = texto;
    if (n == 1) historial_panel1.push_back(texto);
}

void VistaRegistro::panel_visor(int n, const std::string& texto) {
    if (n >= 0 && n < 2) paneles_visor[n] = texto;
}

}  // namespace pc::prueba
