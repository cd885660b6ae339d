#include "app/paralelo.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

#include "app/texto.h"

namespace pc {

namespace {

constexpr int kTopeHilos = 64;

std::atomic<int> fijados{0};

int de_la_maquina() {
    static const int n = [] {
        int nucleos = static_cast<int>(std::thread::hardware_concurrency());
        nucleos = std::clamp(nucleos, 1, kTopeHilos);
        int tope = 0;
        if (const char* v = std::getenv("PC_HILOS"); v && leer_entero(v, tope) && tope >= 1)
            nucleos = std::min(nucleos, tope);
        return nucleos;
    }();
    return n;
}

}  // namespace

int hilos_calculo() {
    const int f = fijados.load(std::memory_order_relaxed);
    return f > 0 ? f : de_la_maquina();
}

void fijar_hilos_calculo(int n) { fijados.store(std::clamp(n, 0, kTopeHilos), std::memory_order_relaxed); }

int tramos_de(std::size_t n, std::size_t minimo) {
    const std::size_t por_tamano = n / std::max<std::size_t>(minimo, 1);
    return static_cast<int>(std::clamp<std::size_t>(por_tamano, 1, static_cast<std::size_t>(hilos_calculo())));
}

void tramo(std::size_t n, int tramos, int t, std::size_t& inicio, std::size_t& fin) {
    const auto k = static_cast<std::size_t>(std::max(tramos, 1));
    inicio = n * static_cast<std::size_t>(t) / k;
    fin = n * static_cast<std::size_t>(t + 1) / k;
}

int repartir(std::size_t n, std::size_t minimo, const std::function<void(int, std::size_t, std::size_t)>& tarea) {
    const int tramos = tramos_de(n, minimo);
    std::vector<std::exception_ptr> fallo(static_cast<std::size_t>(tramos));
    auto hacer = [&](int t) {
        std::size_t a = 0, b = 0;
        tramo(n, tramos, t, a, b);
        try {
            tarea(t, a, b);
        } catch (...) {
            fallo[static_cast<std::size_t>(t)] = std::current_exception();
        }
    };
    std::vector<std::thread> hilos;
    hilos.reserve(static_cast<std::size_t>(tramos));
    int lanzados = 1;
    for (; lanzados < tramos; ++lanzados) {
        try {
            hilos.emplace_back(hacer, lanzados);
        } catch (const std::system_error&) {
            break;  // sin más hilos: los tramos que faltan se hacen aquí
        }
    }
    hacer(0);
    for (int t = lanzados; t < tramos; ++t) hacer(t);
    for (std::thread& h : hilos) h.join();
    for (const std::exception_ptr& e : fallo)
        if (e) std::rethrow_exception(e);
    return tramos;
}

}  // namespace pc
