#include "pattern/cambios.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "app/paralelo.h"
#include "pattern/puntadas_tapiz.h"
#include "threads/emparejar.h"

namespace pc {

void ListaCambios::vaciar() {
    total_ = 0;
    indice_.vaciar();
}

bool ListaCambios::anadir(Color viejo, Color nuevo) {
    if (total_ >= kMaxHilos || indice_.buscar(viejo) != 0) return false;
    ++total_;
    par_[static_cast<std::size_t>(total_)] = Cambio{viejo, nuevo};
    indice_.poner(viejo, total_);
    return true;
}

std::string linea_cambio(const Estado& e, const Cambio& c) {
    return nombre_hilo(e, c.viejo) + " cambiar por " + nombre_hilo(e, c.nuevo);
}

long aplicar_cambios(Estado& e, const ListaCambios& cambios, int ancho, int alto, AvisoCambios aviso) {
    if (cambios.total() == 0) return 0;
    ancho = std::min(ancho, kMaxPuntos);
    alto = std::min(alto, kMaxPuntos);
    const int w = std::max(ancho, 0), h = std::max(alto, 0);

    // Los cambios se hacen en paralelo, por tramos de columnas (como está guardada la rejilla).
    // Cada tramo apunta los puntos que cambió, cuántos y el último en el orden por filas.
    struct Tramo {
        long cambiados = 0;
        int ultima_y = 0, ultima_x = 0;
        Color ultimo = 0;
    };
    const bool repintar = aviso.vista != nullptr && aviso.vista->pinta_celdas();
    std::vector<std::uint8_t> cambiado(repintar ? static_cast<std::size_t>(w) * static_cast<std::size_t>(h) : 0);
    const bool con_parciales = !e.puntadas.parciales().empty();  // bajo un parcial hay tela, no un punto
    const std::size_t minimo = filas_por_tramo(h);
    std::vector<Tramo> tramos(static_cast<std::size_t>(tramos_de(static_cast<std::size_t>(w), minimo)));
    repartir_en(static_cast<std::size_t>(w), static_cast<int>(tramos.size()), [&](int t, std::size_t desde, std::size_t hasta) {
        Tramo& r = tramos[static_cast<std::size_t>(t)];
        for (int x = static_cast<int>(desde) + 1; x <= static_cast<int>(hasta); ++x) {
            for (int y = 1; y <= h; ++y) {
                Punto& p = e.punto(x, y);
                const int k = cambios.buscar(p.color);
                if (k == 0 || (con_parciales && e.puntadas.hay_parciales(x, y))) continue;
                p.color = cambios[k].nuevo;
                ++r.cambiados;
                if (y > r.ultima_y || (y == r.ultima_y && x > r.ultima_x)) r.ultima_y = y, r.ultima_x = x, r.ultimo = p.color;
                if (repintar) cambiado[static_cast<std::size_t>(y - 1) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x - 1)] = 1;
            }
        }
    });

    // color_actual queda como si se hubiera escrito punto a punto por filas: el último.
    long cambiados = 0;
    const Tramo* ultimo = nullptr;
    for (const Tramo& r : tramos) {
        cambiados += r.cambiados;
        if (r.cambiados > 0 &&
            (!ultimo || r.ultima_y > ultimo->ultima_y || (r.ultima_y == ultimo->ultima_y && r.ultima_x > ultimo->ultima_x)))
            ultimo = &r;
    }
    if (ultimo) e.color_actual = ultimo->ultimo;
    const Rango todo{1, 1, w, h};
    cambiar_colores_otras(e, cambios, &todo);

    // La pantalla, en el orden de siempre: fila a fila, con su texto de avance.
    if (aviso.vista && (repintar || aviso.alto)) {
        for (int y = 1; y <= alto; ++y) {
            if (aviso.alto) aviso.vista->progreso("Reduciendo... " + std::to_string(y) + "/" + *aviso.alto);
            if (!repintar) continue;
            const std::uint8_t* fila = cambiado.data() + static_cast<std::size_t>(y - 1) * static_cast<std::size_t>(w);
            for (int x = 1; x <= w; ++x)
                if (fila[x - 1]) aviso.vista->repintar_celda(x, y);
        }
    }
    return cambiados;
}

bool paleta_tras_cambios(TablaHilos& paleta, ColoresContados& contados, const ListaCambios& cambios) {
    if (!contados.completos) return false;
    std::vector<ColorContado> colores = contados.color;
    MapaColores pos;
    pos.vaciar();
    for (std::size_t i = 0; i < colores.size(); ++i) pos.poner(colores[i].color, static_cast<int>(i + 1));
    // Todos los pares a la vez, como los aplica aplicar_cambios: primero se quitan los puntos
    // de cada viejo y después se dan a su nuevo (que puede ser viejo de otro par).
    struct Paso {
        Color nuevo;
        std::int32_t numero;
        std::int64_t en_punto;
    };
    std::vector<Paso> pasos;
    for (int k = 1; k <= cambios.total(); ++k) {
        const int p = pos.buscar(cambios[k].viejo);
        if (p == 0) continue;  // sin puntos de ese color
        ColorContado& viejo = colores[static_cast<std::size_t>(p - 1)];
        pasos.push_back({cambios[k].nuevo, viejo.numero, viejo.en_punto});
    }
    for (int k = 1; k <= cambios.total(); ++k) {
        if (const int p = pos.buscar(cambios[k].viejo); p != 0) {
            colores[static_cast<std::size_t>(p - 1)].numero = 0;
            colores[static_cast<std::size_t>(p - 1)].en_punto = ColorContado::kNunca;
        }
    }
    for (const Paso& paso : pasos) {
        int q = pos.buscar(paso.nuevo);
        if (q == 0) {
            if (colores.size() >= static_cast<std::size_t>(kMaxHilos)) return false;
            colores.push_back({paso.nuevo, 0});
            q = static_cast<int>(colores.size());
            pos.poner(paso.nuevo, q);
        }
        ColorContado& nuevo = colores[static_cast<std::size_t>(q - 1)];
        nuevo.numero += paso.numero;
        nuevo.en_punto = std::min(nuevo.en_punto, paso.en_punto);
    }
    // Un color sin puntos ni perfiles ya no está en el tapiz.
    std::erase_if(colores, [](const ColorContado& k) { return k.primero() == ColorContado::kNunca; });
    poner_en_orden_de_encuentro(colores, paleta, pos);
    ordenar_paleta(paleta);
    contados.color = std::move(colores);
    return true;
}

}  // namespace pc
