#include "print/cuadernillo_puntadas.h"

#include <algorithm>
#include <map>
#include <memory>
#include <tuple>
#include <unordered_map>

#include "app/texto.h"
#include "pattern/recuento_clases.h"
#include "print/leyenda.h"
#include "print/simbolos_diseno.h"
#include "threads/emparejar.h"

namespace pc {

namespace {

using Orden = OrdenLeyenda;

}  // namespace

long cuartos_de_hilo(TipoParcial t) {
    switch (t) {
        case TipoParcial::kMedio: return 2;
        case TipoParcial::kTresCuartos: return 3;
        case TipoParcial::kCuarto:
        case TipoParcial::kPetit: return 1;
    }
    return 0;
}

void anadir_puntadas_leyenda(TrabajoCuadernillo& t, const TablaHilos& catalogo, const TablaHilos& otro,
                             const std::vector<std::string>& equivalencias) {
    const Estado& e = *t.estado;
    const Rango& r = t.tapiz;
    const Puntadas& pt = e.puntadas;
    if (pt.vacia() || r.x1 > r.x2 || r.y1 > r.y2) return;
    const RectanguloCeldas zona{r.x1, r.y1, r.x2, r.y2};
    const std::vector<std::size_t> parciales = pt.parciales_en(zona);
    const std::vector<std::size_t> lineas = pt.lineas_en(zona);
    const std::vector<std::size_t> nudos = pt.nudos_en(zona);
    if (parciales.empty() && lineas.empty() && nudos.empty()) return;

    auto res = std::make_shared<PuntadasCuadernillo>();
    const std::size_t columnas = static_cast<std::size_t>(r.columnas());
    res->con_parcial.assign(columnas * static_cast<std::size_t>(r.filas()), false);

    // Los parciales de cada color y su hilo en cuartos de cruz; las celdas con parciales, que
    // se quitan de las cruces de la fila de su color (la tela).
    struct Cuenta {
        long parciales = 0, cuartos = 0;
    };
    std::unordered_map<Color, Cuenta> por_color;
    std::vector<long> quitar(t.leyenda.size(), 0);
    for (const std::size_t i : parciales) {
        const Parcial& q = pt.parciales()[i];
        if (q.x < r.x1 || q.x > r.x2 || q.y < r.y1 || q.y > r.y2) continue;
        Cuenta& c = por_color[q.color];
        ++c.parciales;
        c.cuartos += cuartos_de_hilo(q.tipo);
        const std::size_t k = static_cast<std::size_t>(q.y - r.y1) * columnas + static_cast<std::size_t>(q.x - r.x1);
        if (res->con_parcial[k]) continue;
        res->con_parcial[k] = true;
        const std::size_t fila = t.fila(q.x, q.y);
        if (fila < quitar.size()) ++quitar[fila];
    }

    const NumerosLeyenda numeros(catalogo, otro, equivalencias, t.catalogo);

    struct Fila {
        FilaLeyenda f;
        Cuenta c;
        Orden orden;
        long vieja = -1;  // su fila en la leyenda de las cruces, o -1 si es nueva
    };
    std::vector<Fila> filas;
    for (std::size_t i = 0; i < t.leyenda.size(); ++i) {
        Fila f;
        f.f = t.leyenda[i];
        f.f.puntos -= std::min(quitar[i], f.f.puntos);
        const auto it = por_color.find(f.f.color);
        if (it != por_color.end()) {
            f.c = it->second;
            por_color.erase(it);
        }
        f.orden = orden_leyenda(hilo_de_color(catalogo, f.f.color), f.f.color);
        f.vieja = static_cast<long>(i);
        // Un color que sólo era la tela bajo los parciales ya no se borda.
        if (f.f.puntos == 0 && f.c.parciales == 0) continue;
        filas.push_back(std::move(f));
    }
    // Los colores que sólo tienen parciales, con los símbolos que siguen a los repartidos.
    std::map<Color, Cuenta> nuevos(por_color.begin(), por_color.end());
    const std::unordered_map<Color, std::string> simbolos = nuevos.empty() ? decltype(simbolos){} : simbolos_del_diseno(e);
    for (const auto& [color, c] : nuevos) {
        Fila f;
        f.f.color = color;
        f.c = c;
        f.orden = numeros(color, f.f.numero, f.f.equivalente);
        f.f.hebras = t.op.hebras;
        if (const auto it = simbolos.find(color); it != simbolos.end()) f.f.simbolo = it->second;
        filas.push_back(std::move(f));
    }
    std::stable_sort(filas.begin(), filas.end(), [](const Fila& a, const Fila& b) { return a.orden < b.orden; });

    std::vector<std::uint16_t> nueva_de(t.leyenda.size(), 0);
    t.leyenda.clear();
    t.total_puntos = 0;
    t.total_madejas = 0;
    for (std::size_t i = 0; i < filas.size(); ++i) {
        Fila& f = filas[i];
        if (f.vieja >= 0) nueva_de[static_cast<std::size_t>(f.vieja)] = static_cast<std::uint16_t>(i);
        // Las madejas, del hilo de todas sus puntadas en cruces enteras (por arriba).
        const long cuartos = 4 * f.f.puntos + f.c.cuartos;
        f.f.madejas = madejas((cuartos + 3) / 4, t.op.tela, f.f.hebras);
        t.total_puntos += f.f.puntos;
        t.total_madejas += f.f.madejas;
        res->parciales.push_back(f.c.parciales);
        t.leyenda.push_back(std::move(f.f));
    }
    // Las celdas con parciales pueden quedar en una fila que salió: no llevan símbolo entero.
    for (std::uint16_t& f : t.fila_de_punto) f = f < nueva_de.size() ? nueva_de[f] : 0;

    // Pespuntes por hilo y hebras, con su largo en la tela; nudos por hilo y hebras.
    std::map<std::pair<Orden, int>, FilaLinea> pespuntes;
    for (const std::size_t i : lineas) {
        const Linea& l = pt.lineas()[i];
        FilaLinea f;
        f.color = l.color;
        f.hebras = l.hebras;
        const Orden o = numeros(l.color, f.numero, f.equivalente);
        auto [it, nuevo] = pespuntes.try_emplace({o, l.hebras}, std::move(f));
        it->second.largo_mm += largo_linea_mm(largo_medios(l), t.op.tela);
    }
    std::vector<FilaLinea> filas_pespuntes;
    for (auto& [k, f] : pespuntes) {
        f.madejas = madejas_linea(f.largo_mm, f.hebras);
        filas_pespuntes.push_back(std::move(f));
    }
    anadir_seccion_lineas(t, "Pespuntes", std::move(filas_pespuntes));
    std::map<std::pair<Orden, int>, FilaNudos> por_nudo;
    for (const std::size_t i : nudos) {
        const Nudo& n = pt.nudos()[i];
        FilaNudos f;
        f.color = n.color;
        f.hebras = n.hebras;
        const Orden o = numeros(n.color, f.numero, f.equivalente);
        auto [it, nuevo] = por_nudo.try_emplace({o, n.hebras}, std::move(f));
        ++it->second.nudos;
    }
    for (auto& [k, f] : por_nudo) res->nudos.push_back(std::move(f));
    t.puntadas = std::move(res);
}

}  // namespace pc
