// puntocruz-lote: las órdenes del programa desde la línea de órdenes.
#include <iostream>
#include <string>
#include <vector>

#include "lote/lote.h"
#include "render/lector_imagenes.h"
#include "render/mensajes_qt.h"

namespace {

void uso(std::ostream& out) {
    out << "Uso: puntocruz-lote SUBORDEN [opciones]\n\nSubórdenes:\n";
    for (const auto& sub : pc::lote::subcomandos()) out << sub.uso << '\n';
    out << "  puntocruz-lote --ayuda\n      Muestra esta ayuda.\n";
}

}  // namespace

int main(int argc, char** argv) {
    pc::callar_avisos_qt();
    pc::preparar_lector_imagenes();
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << "Falta la suborden.\n\n";
        uso(std::cerr);
        return 2;
    }
    if (args[0] == "--ayuda" || args[0] == "-h" || args[0] == "--help") {
        uso(std::cout);
        return 0;
    }
    for (const auto& sub : pc::lote::subcomandos()) {
        if (sub.nombre != args[0]) continue;
        for (std::size_t i = 1; i < args.size(); ++i) {
            if (args[i] == "--ayuda" || args[i] == "-h" || args[i] == "--help") {
                std::cout << "Uso:\n" << sub.uso << '\n';
                return 0;
            }
        }
        try {
            return sub.ejecutar(std::vector<std::string>(args.begin() + 1, args.end()));
        } catch (const pc::lote::ErrorUso& err) {
            std::cerr << err.what() << "\nPrueba: puntocruz-lote --ayuda\n";
            return 2;
        } catch (const std::exception& err) {
            std::cerr << err.what() << '\n';
            return 1;
        }
    }
    std::cerr << "Suborden desconocida: " << args[0] << "\n\n";
    uso(std::cerr);
    return 2;
}
