#include "ordenes/sesion/visor.h"

#include <algorithm>
#include <cstdint>

#include "app/errores.h"
#include "app/texto.h"
#include "threads/emparejar.h"

namespace pc {

namespace {

// Media truncada de los píxeles (X ± ax, Y ± ay); lo que cae fuera de la imagen cuenta como
// blanco. Sólo se recorre la parte que está dentro: la de fuera se suma de una vez, así un
// área enorme no cuesta más que la imagen ni desborda las sumas.
Color media_area(const Imagen& img, int X, int Y, int ax, int ay) {
    const std::int64_t x1 = std::int64_t{X} - ax, x2 = std::int64_t{X} + ax;
    const std::int64_t y1 = std::int64_t{Y} - ay, y2 = std::int64_t{Y} + ay;
    const std::uint64_t total = static_cast<std::uint64_t>(x2 - x1 + 1) * static_cast<std::uint64_t>(y2 - y1 + 1);
    const std::int64_t xa = std::max<std::int64_t>(x1, 0), xb = std::min<std::int64_t>(x2, img.ancho() - 1);
    const std::int64_t ya = std::max<std::int64_t>(y1, 0), yb = std::min<std::int64_t>(y2, img.alto() - 1);
    std::uint64_t dentro = 0, sr = 0, sg = 0, sb = 0;
    for (std::int64_t x = xa; x <= xb; ++x) {
        for (std::int64_t y = ya; y <= yb; ++y) {
            const Color c = img.pixel(static_cast<int>(x), static_cast<int>(y));
            sr += static_cast<std::uint64_t>(rojo(c));
            sg += static_cast<std::uint64_t>(verde(c));
            sb += static_cast<std::uint64_t>(azul(c));
            ++dentro;
        }
    }
    // (suma + 255·fuera) div total = 255 - techo(falta / total), con falta = 255·dentro - suma.
    auto canal = [&](std::uint64_t suma) {
        const std::uint64_t falta = 255 * dentro - suma;
        const std::uint64_t techo = falta == 0 ? 0 : (falta - 1) / total + 1;
        return static_cast<int>(255 - techo);
    };
    return rgb(canal(sr), canal(sg), canal(sb));
}

// Coordenada de un rectángulo llevada a lo sumo a un píxel fuera de la imagen: lo que se ve
// es lo mismo y las cuentas no desbordan.
int acotar(std::int64_t v, int lado) { return static_cast<int>(std::clamp<std::int64_t>(v, -1, std::int64_t{lado} + 1)); }

std::string texto_componentes(Color c) {
    return " R:" + std::to_string(rojo(c)) + " G:" + std::to_string(verde(c)) + " B:" + std::to_string(azul(c));
}

int pedir_longitud(Sesion& s, const char* titulo, int actual) {
    const int v = entero(s.d.entrada(titulo, "Valores recomendados 5..20", std::to_string(actual)));
    if (v < 0) {
        throw ErrorFormato("La longitud del área de captura no puede ser negativa (" + std::to_string(v) +
                           "): indique 0 o un número mayor.");
    }
    return v;
}

}  // namespace

std::string texto_pixel(const Imagen& img, int X, int Y) {
    const Color c = (X < 0 || Y < 0 || X >= img.ancho() || Y >= img.alto()) ? kBlanco : img.pixel(X, Y);
    return texto_rgb(c);
}

void capturar_color(Sesion& s, int X, int Y) {
    EstadoVisor& v = s.e.visor;
    v.color_capturado = media_area(s.img, X, Y, 1, 1);
    const Color media = media_area(s.img, X, Y, std::max(v.captura_x, 0), std::max(v.captura_y, 0));
    if (v.marcar_zona) {
        const std::int64_t cx = std::max(v.captura_x, 0), cy = std::max(v.captura_y, 0);
        s.img.rectangulo(acotar(X - cx, s.img.ancho()), acotar(Y - cy, s.img.alto()), acotar(X + cx, s.img.ancho()),
                         acotar(Y + cy, s.img.alto()), kNegro, media);
    }
    s.v.memo_linea(" " + texto_componentes(media));
    s.img.rectangulo(0, 0, 20, 20, kNegro, media);
}

void seleccionar_hilo_mas_proximo(Sesion& s) {
    const Color c = hilo_mas_proximo(s.e.visor.color_capturado, s.e.hilos, s.e.metodo_color);
    s.v.color_fondo(c);
    s.v.panel_visor(1, "Color más próximo " + nombre_hilo(s.e, c) + texto_componentes(c));
}

void cambiar_area_captura(Sesion& s) {
    // El valor de X aceptado se queda aunque falle el de Y.
    s.e.visor.captura_x = pedir_longitud(s, "Longitud en X", s.e.visor.captura_x);
    s.e.visor.captura_y = pedir_longitud(s, "Longitud en Y", s.e.visor.captura_y);
}

void marcar_zona_captura(Sesion& s) { s.e.visor.marcar_zona = !s.e.visor.marcar_zona; }

}  // namespace pc
