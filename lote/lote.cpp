#include "lote/lote.h"

#include "app/ficheros.h"
#include "app/texto.h"
#include "render/cuadernillo.h"
#include "render/impresion.h"
#include "threads/datos.h"
#include "threads/catalogo.h"
#include "ordenes/hilos/catalogo.h"

#include <filesystem>
#include <system_error>

namespace pc::lote {

namespace {
std::vector<Subcomando>& tabla() {
    static std::vector<Subcomando> t;
    return t;
}
}  // namespace

bool registrar(Subcomando sub) {
    tabla().push_back(std::move(sub));
    return true;
}

const std::vector<Subcomando>& subcomandos() { return tabla(); }

std::string DialogosLote::entrada(const std::string&, const std::string&, const std::string& defecto) {
    if (respuestas.empty()) return defecto;
    std::string r = respuestas.front();
    respuestas.pop_front();
    return r;
}

void DialogosLote::mensaje(const std::string& texto) { *salida_mensajes << texto << '\n'; }

bool DialogosLote::pregunta(const std::string&, const std::string&) { return true; }

std::optional<std::string> DialogosLote::abrir(const std::string&, const std::string&) {
    if (ficheros.empty()) return std::nullopt;
    std::string f = ficheros.front();
    ficheros.pop_front();
    return f;
}

std::optional<std::string> DialogosLote::guardar(const std::string& filtro, const std::string& ext) {
    return abrir(filtro, ext);
}

void DialogosLote::error(const std::string& texto) {
    hubo_error = true;
    std::cerr << texto << '\n';
}

void VistaLote::memo_linea(const std::string& linea) {
    memo.push_back(linea);
    if (eco_memo) *eco_memo << linea << '\n';
}

bool VistaLote::imprimir_cuadernillo(const TrabajoCuadernillo& t) {
    const auto pdf = cuadernillo_pdf(t);
    if (!pdf) return false;
    escribir_fichero(t.destino.fichero_pdf, *pdf);
    return true;
}

void VistaLote::imprimir(const TrabajoImpresion& t) {
    if (t.salida == Salida::kBmp) {
        if (imagen_impresion.isNull())
            imagen_impresion = QImage(kLadoImagenImpresion, kLadoImagenImpresion, QImage::Format_RGB32);
        imprimir_en_imagen(imagen_impresion, t, *this);
        return;
    }
    escribir_fichero(t.destino.fichero_pdf, *imprimir_en_pdf(t, *this));
}

std::string VistaLote::bmp_impreso() {
    if (imagen_impresion.isNull()) return {};
    return codificar_bmp(imagen_impresion);
}

Entorno::Entorno() : estado(crear_estado()), sesion{*estado, dialogos, vista, imagen} {
    valores_iniciales(*estado);
    // Sin pantalla no hay lienzo que llenar: con celdas de 1 píxel cualquier tapiz cabe y no
    // salen los avisos de cambio del tamaño de la rejilla.
    estado->tam_rejilla = "1";
    estado->tam_celda = 1;
    poner_textos_incorporados(*estado);
    estado->marca = "DMC";
    leer_catalogo(estado->texto_dmc, estado->hilos, estado->titulo_columna);
}

bool Entorno::ejecutar(const std::function<void()>& orden) {
    const bool ok = pc::ejecutar(dialogos, orden);
    return ok && !dialogos.hubo_error;
}

bool Entorno::usar_catalogo(const std::string& nombre) {
    if (estado->marca == nombre) return true;
    return ejecutar([&] {
        estado->marca = nombre;
        cargar_catalogo(sesion, nombre, estado->hilos);
    });
}

bool existe_entrada(const std::string& ruta) {
    std::error_code ec;
    if (std::filesystem::exists(ruta, ec)) return true;
    std::cerr << "El fichero " << ruta << " no existe.\n";
    return false;
}

std::optional<std::string> Opciones::valor(const std::string& o) const {
    auto it = valores.find(o);
    if (it == valores.end()) return std::nullopt;
    return it->second;
}

Opciones leer_opciones(const std::vector<std::string>& args, const std::set<std::string>& con_valor,
                       const std::set<std::string>& banderas) {
    Opciones op;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() > 1 && a[0] == '-' && !(a.size() > 1 && (a[1] >= '0' && a[1] <= '9'))) {
            if (con_valor.count(a)) {
                if (i + 1 >= args.size()) throw ErrorUso("Falta el valor de la opción " + a + ".");
                op.valores[a] = args[++i];
            } else if (banderas.count(a)) {
                op.banderas.insert(a);
            } else {
                throw ErrorUso("Opción desconocida: " + a + ".");
            }
        } else {
            op.sueltos.push_back(a);
        }
    }
    return op;
}

int entero_opcion(const std::string& opcion, const std::string& texto, int minimo, int maximo) {
    int v = 0;
    if (!leer_entero(texto, v) || v < minimo || v > maximo) {
        throw ErrorUso("Valor incorrecto para " + opcion + ": '" + texto + "' (debe ser un número entero de " +
                       std::to_string(minimo) + " a " + std::to_string(maximo) + ").");
    }
    return v;
}

std::string catalogo_opcion(const std::string& texto) {
    if (texto == "DMC" || texto == "ANCHOR") return texto;
    throw ErrorUso("Catálogo desconocido: '" + texto + "' (debe ser DMC o ANCHOR).");
}

void leer_metodo(const Opciones& op, Estado& e) {
    if (auto m = op.valor("--metodo")) e.metodo_color = entero_opcion("--metodo", *m, 1, 2);
}

std::string entrada_y_salida(const Opciones& op) {
    if (op.sueltos.size() != 1) throw ErrorUso("Indica el fichero de entrada.");
    const auto salida = op.valor("-o");
    if (!salida) throw ErrorUso("Indica el fichero de salida con -o.");
    return *salida;
}

std::vector<int> lista_enteros(const std::string& opcion, const std::string& texto, std::size_t cuantos,
                               int minimo, int maximo) {
    std::vector<int> v;
    std::size_t desde = 0;
    while (true) {
        const std::size_t coma = texto.find(',', desde);
        v.push_back(entero_opcion(opcion, texto.substr(desde, coma - desde), minimo, maximo));
        if (coma == std::string::npos) break;
        desde = coma + 1;
    }
    if (v.size() != cuantos) {
        throw ErrorUso("Valor incorrecto para " + opcion + ": '" + texto + "' (deben ser " +
                       std::to_string(cuantos) + " números separados por comas).");
    }
    return v;
}

std::vector<int> opcion_zona(const Opciones& op) {
    if (auto z = op.valor("--zona")) return lista_enteros("--zona", *z, 4, 1, kMaxPuntos);
    return {};
}

void poner_zona(Estado& e, const std::vector<int>& zona) {
    if (zona.size() != 4) return;
    e.zona_x1 = std::to_string(zona[0]);
    e.zona_y1 = std::to_string(zona[1]);
    e.zona_x2 = std::to_string(zona[2]);
    e.zona_y2 = std::to_string(zona[3]);
}

// Las fuentes y el dibujo de texto necesitan una aplicación de Qt, pero nunca una pantalla: la
// herramienta dibuja siempre fuera de ella, diga lo que diga el entorno (con QT_QPA_PLATFORM=xcb
// y sin pantalla, Qt no podría arrancar).
std::unique_ptr<QGuiApplication> aplicacion_qt() {
    if (QCoreApplication::instance()) return nullptr;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char nombre[] = "puntocruz-lote";
    static char* argv[] = {nombre, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace pc::lote
