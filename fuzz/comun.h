// Lo común de los objetivos de fuzzing: un estado con la rejilla marcada con un centinela y
// las comprobaciones que deben cumplirse tras cualquier entrada. Una comprobación que falla
// aborta, y libFuzzer guarda la entrada que lo provocó.
#pragma once
#include <algorithm>
#include <cstdint>
#include <string_view>
#include <utility>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/errores.h"
#include "app/estado.h"
#include "app/texto.h"
#include "files/medidas_imagen.h"

namespace pc::fuzz {

inline constexpr Color kCentinela = 0x5A5A5A5;  // fuera de 0..0xFFFFFF: ningún lector lo escribe

[[noreturn]] inline void falla(const std::string& que) {
    std::fprintf(stderr, "Comprobación fallida: %s\n", que.c_str());
    std::abort();
}

inline void exigir(bool condicion, const char* que) {
    if (!condicion) falla(que);
}

inline void poner_centinela(Punto& p) {
    p.color = kCentinela;
    p.perfil = {kCentinela, kCentinela, kCentinela, kCentinela};
}

inline bool es_centinela(const Punto& p) {
    return p.color == kCentinela && p.perfil[0] == kCentinela && p.perfil[1] == kCentinela &&
           p.perfil[2] == kCentinela && p.perfil[3] == kCentinela;
}

// Estado que se reutiliza entre entradas (crearlo cuesta 12 MB): sólo se limpia lo que se tocó.
class Banco {
public:
    Banco() : e_(crear_estado()) {
        valores_iniciales(*e_);
        for (auto& col : e_->puntos)
            for (auto& p : col) poner_centinela(p);
    }
    Estado& e() { return *e_; }

    // Antes de cada entrada: sin tamaño y sin paleta.
    void preparar() {
        e_->ancho.clear();
        e_->alto.clear();
        e_->paleta.total = 0;
    }

    // Tamaño que dejó el lector (0 si no lo puso); un tamaño puesto siempre está en 1..700.
    int tamano(const std::string& texto, const char* que) const {
        if (texto.empty()) return 0;
        int v = 0;
        if (!leer_entero(texto, v) || v < 1 || v > kMaxPuntos)
            falla(std::string(que) + " no es un número de 1..700: '" + texto + "'");
        return v;
    }

    // Nada fuera del tapiz de ancho × alto ha cambiado (se mira el marco que lo rodea: el
    // primer sitio que pisaría un lector que se pasa) y cada celda escrita cumple valida().
    // Después deja el tapiz otra vez con el centinela.
    template <class Valida>
    void comprobar_y_limpiar(int ancho, int alto, Valida valida) {
        for (int i = 0; i <= kMaxPuntos; ++i) {
            exigir(es_centinela(e_->punto(i, 0)) && es_centinela(e_->punto(0, i)), "escrito en la fila o columna 0");
            if (ancho < kMaxPuntos && alto > 0 && i <= alto)
                exigir(es_centinela(e_->punto(ancho + 1, i)), "escrito a la derecha del tapiz");
            if (alto < kMaxPuntos && ancho > 0 && i <= ancho)
                exigir(es_centinela(e_->punto(i, alto + 1)), "escrito debajo del tapiz");
        }
        if (ancho == 0 || alto == 0) {
            // Sin tamaño no se escribe ningún punto: basta mirar la primera celda.
            exigir(es_centinela(e_->punto(1, 1)), "puntos escritos sin tamaño");
            return;
        }
        // Los lectores guardan los puntos en orden de filas desde (1, 1): lo escrito es un
        // principio de ese orden, que acaba en la primera celda que sigue con el centinela.
        for (int y = 1; y <= alto; ++y)
            for (int x = 1; x <= ancho; ++x) {
                Punto& p = e_->punto(x, y);
                if (es_centinela(p)) return;
                if (!valida(p))
                    falla("punto (" + std::to_string(x) + ", " + std::to_string(y) + ") con un color imposible");
                poner_centinela(p);
            }
    }

private:
    std::unique_ptr<Estado> e_;
};

inline bool color_valido(Color c) { return c >= 0 && c <= 0xFFFFFF; }

// Un punto de los lectores sin perfiles (binario, viejo, impresión).
inline bool punto_sin_perfil_valido(const Punto& p) {
    return color_valido(p.color) && std::all_of(p.perfil.begin(), p.perfil.end(), [](Color c) { return c == -1; });
}

// Pasa una entrada por un lector de patrón (`leer(e, texto)`): o la rechaza con un mensaje, o
// deja un tamaño de 1..700. Devuelve el ancho y el alto que dejó (0 si no los puso).
template <class Lector>
std::pair<int, int> leer_patron(Banco& banco, const std::uint8_t* datos, std::size_t n, Lector leer) {
    banco.preparar();
    Estado& e = banco.e();
    bool leido = true;
    try {
        leer(e, std::string_view(reinterpret_cast<const char*>(datos), n));
    } catch (const Error& err) {
        leido = false;
        exigir(*err.what() != '\0', "error sin mensaje");
    }
    const int alto = banco.tamano(e.alto, "alto");
    const int ancho = banco.tamano(e.ancho, "ancho");
    if (leido) exigir(ancho > 0 && alto > 0, "lectura correcta sin tamaño");
    return {ancho, alto};
}

// El rechazo de un BMP: o el mensaje de la cabecera dañada, con el nombre "foto.bmp", o el de la
// regla de los 100 megapíxeles, que decide lo mismo con las medidas de la cabecera.
inline void comprobar_rechazo_bmp(const Error& err, std::string_view bytes) {
    const std::string m = err.what();
    if (m.rfind("La imagen es demasiado grande: ", 0) == 0) {
        const auto med = medidas_imagen(bytes);
        exigir(med && pasa_del_maximo(med->ancho, med->alto), "demasiado grande sin serlo");
    } else {
        exigir(m.find("foto.bmp") != std::string::npos, "rechazo sin el nombre");
    }
}

}  // namespace pc::fuzz
