#include "ordenes/patron/desde_imagen.h"

#include <algorithm>
#include <climits>
#include <unordered_map>

#include "app/errores.h"
#include "app/texto.h"
#include "ordenes/hilos/catalogo.h"
#include "ordenes/patron/generar.h"
#include "ordenes/sesion/patron.h"
#include "pattern/fiel.h"
#include "pattern/generar.h"
#include "print/cuadernillo.h"
#include "threads/catalogo.h"

namespace pc {

int lado_a_escala(int valor, int lado_imagen, int otro_lado_imagen) {
    if (lado_imagen <= 0 || otro_lado_imagen <= 0) return valor;
    const long double r = static_cast<long double>(valor) / static_cast<long double>(lado_imagen) *
                          static_cast<long double>(otro_lado_imagen);
    return static_cast<int>(std::clamp<long long>(redondear(r), INT_MIN, INT_MAX));
}

void comprobar_opciones(const OpcionesImagen& op, int ancho_imagen, int alto_imagen) {
    if (op.ancho < 1 || op.ancho > kMaxPuntos || op.alto < 1 || op.alto > kMaxPuntos)
        throw ErrorFormato("El tapiz mediría " + std::to_string(op.ancho) + " x " + std::to_string(op.alto) +
                           " puntos: el ancho y el alto deben estar entre 1 y 700.");
    if (op.catalogo != "DMC" && op.catalogo != "ANCHOR")
        throw ErrorFormato("El catálogo debe ser DMC o ANCHOR.");
    if (op.metodo == MetodoImagen::kFiel) {
        if (op.colores < 1 || op.colores > kMaxHilos)
            throw ErrorFormato("El número de colores debe estar entre 1 y 600.");
        if (op.limpieza < 0 || op.limpieza > 3)
            throw ErrorFormato("El nivel de limpieza debe estar entre 0 (ninguna) y 3 (fuerte).");
    }
    if (op.recorte) {
        const Recorte& r = *op.recorte;
        const auto dentro = recorte_dentro(r, ancho_imagen, alto_imagen);
        if (!dentro || !(*dentro == r))
            throw ErrorFormato("El recorte " + std::to_string(r.x) + "," + std::to_string(r.y) + "," +
                               std::to_string(r.ancho) + "," + std::to_string(r.alto) +
                               " no cabe en la imagen de " + std::to_string(ancho_imagen) + " x " +
                               std::to_string(alto_imagen) + " píxeles.");
    }
}

TablaHilos tabla_para(const Estado& e, const std::string& catalogo) {
    if (e.marca == catalogo) return e.hilos;
    TablaHilos t;
    std::array<std::string, kColumnasCatalogo + 1> titulos;
    leer_catalogo(catalogo == "ANCHOR" ? e.texto_anchor : e.texto_dmc, t, titulos);
    return t;
}

std::optional<TapizCalculado> calcular_tapiz(const Imagen& img, const TablaHilos& hilos, int metodo_color,
                                             const OpcionesImagen& op, const std::function<bool()>& cancelado) {
    auto parar = [&] { return cancelado && cancelado(); };
    std::optional<ImagenRecortada> recortada;
    if (op.recorte) recortada.emplace(img, *op.recorte);
    const Imagen& fuente = recortada ? static_cast<const Imagen&>(*recortada) : img;

    TapizCalculado t;
    t.ancho = op.ancho;
    t.alto = op.alto;
    if (op.metodo != MetodoImagen::kFiel) {
        t.puntos = muestrear_colores(hilos, metodo_color, fuente, op.ancho, op.alto,
                                     op.metodo == MetodoImagen::kInterpolado);
        if (parar()) return std::nullopt;
        return t;
    }
    const std::vector<HiloLab> activos = hilos_activos(hilos);
    if (activos.empty()) throw ErrorFormato("No hay ningún hilo activo en la paleta de hilos: activa alguno para generar.");
    const MediasCeldas c = promediar_celdas(fuente, op.ancho, op.alto);
    if (parar()) return std::nullopt;
    const std::vector<HiloLab> elegidos = elegir_hilos(c, activos, op.colores);
    if (parar()) return std::nullopt;
    std::vector<int> indice = asignar_hilos(c, elegidos);
    if (parar()) return std::nullopt;
    limpiar_sueltos(c, elegidos, indice, op.limpieza);
    if (parar()) return std::nullopt;
    t.puntos.resize(indice.size());
    for (std::size_t i = 0; i < indice.size(); ++i)
        t.puntos[i] = elegidos.empty() ? kNegro : elegidos[static_cast<std::size_t>(indice[i])].color;
    return t;
}

ResumenTapiz resumir_tapiz(const TapizCalculado& t, int tela) {
    ResumenTapiz r;
    std::unordered_map<Color, long> cuenta;
    for (Color c : t.puntos) ++cuenta[c];
    r.colores = static_cast<int>(cuenta.size());
    r.puntos = static_cast<long>(t.puntos.size());
    for (const auto& [color, n] : cuenta) r.madejas += madejas(n, tela, 2);
    r.tamano = tamano_bordado(t.ancho, t.alto, tela);
    return r;
}

void generar_desde_imagen(Sesion& s, const OpcionesImagen& op) {
    comprobar_opciones(op, s.img.ancho(), s.img.alto());
    if (s.e.marca != op.catalogo) {
        s.e.marca = op.catalogo;
        cargar_catalogo(s, op.catalogo, s.e.hilos);
    }
    s.v.progreso("Generando el patrón");
    const std::optional<TapizCalculado> t = calcular_tapiz(s.img, s.e.hilos, s.e.metodo_color, op);
    if (!t) return;  // sin cancelación no pasa

    s.e.ancho = std::to_string(t->ancho);
    s.e.alto = std::to_string(t->alto);
    // Un diseño nuevo: como tras una carga, la zona de trabajo es el tapiz entero.
    s.e.zona_x1 = "1";
    s.e.zona_y1 = "1";
    s.e.zona_x2 = s.e.ancho;
    s.e.zona_y2 = s.e.alto;
    s.e.paleta.total = 0;
    s.e.puntadas = Puntadas{};  // un diseño nuevo: sin otras puntadas
    s.v.limpiar_lienzo();
    lienzo_de_partida(s.e);  // la ventana ajusta después el zoom al tapiz
    for (int x = 1; x <= t->ancho; ++x)
        for (int y = 1; y <= t->alto; ++y) {
            Punto& p = s.e.punto(x, y);
            p.color = t->puntos[static_cast<std::size_t>(y - 1) * static_cast<std::size_t>(t->ancho) +
                                static_cast<std::size_t>(x - 1)];
            p.perfil.fill(kSinPerfil);
        }
    redibujar_todo(s);
    s.v.panel(0, "Nuevo patrón desde la imagen");
}

}  // namespace pc
