#include "pattern/cambios.h"

#include <algorithm>

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
    long cambiados = 0;
    for (int y = 1; y <= alto; ++y) {
        if (aviso.vista && aviso.alto) aviso.vista->progreso("Reduciendo... " + std::to_string(y) + "/" + *aviso.alto);
        for (int x = 1; x <= ancho; ++x) {
            Punto& p = e.punto(x, y);
            const int k = cambios.buscar(p.color);
            if (k == 0) continue;
            e.color_actual = cambios[k].nuevo;
            p.color = e.color_actual;
            ++cambiados;
            if (aviso.vista) aviso.vista->repintar_celda(x, y);
        }
    }
    return cambiados;
}

}  // namespace pc
