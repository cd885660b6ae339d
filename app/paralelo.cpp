#include "app/paralelo.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include "app/texto.h"

namespace pc {

namespace {

// Tramos por hilo de cálculo: con varios, el hilo que acaba antes (porque su núcleo está más
// libre o sus tramos cuestan menos) toma más, y ninguno espera mucho a los otros.
constexpr int kTramosPorHilo = 4;

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

// Dentro de un tramo: un reparto anidado se hace entero en el propio hilo.
thread_local bool en_tramo = false;
// Plaza del hilo en el reparto que está haciendo (0 el que reparte).
thread_local int mi_plaza = 0;

// Un reparto en marcha: los tramos se toman por orden de llegada, y lo hacen como mucho
// "plazas" hilos (el que reparte y plazas - 1 del equipo).
struct Trabajo {
    const std::function<void(int)>* tarea = nullptr;
    int tramos = 0;
    int plazas = 1;
    std::atomic<int> siguiente{0};
    int unidos = 1;     // hilos que han tomado plaza, el que reparte incluido
    int dentro = 0;     // hilos del equipo que lo están haciendo
};

// Hace tramos del trabajo mientras queden, desde la plaza dada.
void hacer_tramos(Trabajo& t, int plaza) {
    en_tramo = true;
    mi_plaza = plaza;
    for (int k = t.siguiente.fetch_add(1); k < t.tramos; k = t.siguiente.fetch_add(1)) (*t.tarea)(k);
    en_tramo = false;
    mi_plaza = 0;
}

// Los hilos de cálculo, creados al primer reparto que los pide y dormidos entre repartos:
// lanzar un hilo por reparto costaría más que algunos de los repartos. Sus hilos viven hasta
// que acaba el programa (el equipo no se destruye nunca).
class Equipo {
public:
    static Equipo& el() {
        static Equipo* const equipo = new Equipo;
        return *equipo;
    }

    void ejecutar(int tramos, int plazas, const std::function<void(int)>& tarea) {
        const std::lock_guard<std::mutex> turno(turno_);  // un reparto cada vez
        Trabajo t;
        t.tarea = &tarea;
        t.tramos = tramos;
        t.plazas = plazas;
        {
            const std::lock_guard<std::mutex> l(m_);
            asegurar(plazas - 1);
            actual_ = &t;
        }
        trabajo_.notify_all();
        hacer_tramos(t, 0);
        // Ya no quedan tramos por tomar, así que ningún hilo más se une: basta esperar a los
        // que están dentro (cada uno entró con m_ tomado, antes de que se acabaran).
        std::unique_lock<std::mutex> l(m_);
        fin_.wait(l, [&] { return t.dentro == 0; });
        actual_ = nullptr;
    }

private:
    // Que haya al menos n hilos en el equipo; si el sistema no da más, el que reparte hace
    // los tramos que queden.
    void asegurar(int n) {
        while (hilos_ < n) {
            try {
                std::thread(&Equipo::trabajar, this).detach();
            } catch (const std::system_error&) {
                return;
            }
            ++hilos_;
        }
    }

    void trabajar() {
        std::unique_lock<std::mutex> l(m_);
        for (;;) {
            trabajo_.wait(l, [&] {
                return actual_ && actual_->unidos < actual_->plazas && actual_->siguiente.load() < actual_->tramos;
            });
            Trabajo& t = *actual_;
            const int plaza = t.unidos++;
            ++t.dentro;
            l.unlock();
            hacer_tramos(t, plaza);
            l.lock();
            if (--t.dentro == 0) fin_.notify_all();
        }
    }

    std::mutex turno_;
    std::mutex m_;
    std::condition_variable trabajo_, fin_;
    Trabajo* actual_ = nullptr;
    int hilos_ = 0;
};

}  // namespace

int hilos_calculo() {
    const int f = fijados.load(std::memory_order_relaxed);
    return f > 0 ? f : de_la_maquina();
}

void fijar_hilos_calculo(int n) { fijados.store(std::clamp(n, 0, kTopeHilos), std::memory_order_relaxed); }

int plaza_de_calculo() { return mi_plaza; }

int tramos_de(std::size_t n, std::size_t minimo) {
    const std::size_t por_tamano = n / std::max<std::size_t>(minimo, 1);
    const auto tope = static_cast<std::size_t>(hilos_calculo() == 1 ? 1 : kTramosPorHilo * hilos_calculo());
    return static_cast<int>(std::clamp<std::size_t>(por_tamano, 1, tope));
}

void tramo(std::size_t n, int tramos, int t, std::size_t& inicio, std::size_t& fin) {
    const auto k = static_cast<std::size_t>(std::max(tramos, 1));
    inicio = n * static_cast<std::size_t>(t) / k;
    fin = n * static_cast<std::size_t>(t + 1) / k;
}

int repartir(std::size_t n, std::size_t minimo, const std::function<void(int, std::size_t, std::size_t)>& tarea) {
    const int tramos = tramos_de(n, minimo);
    repartir_en(n, tramos, tarea);
    return tramos;
}

void repartir_en(std::size_t n, int tramos, const std::function<void(int, std::size_t, std::size_t)>& tarea) {
    tramos = std::max(tramos, 1);
    std::vector<std::exception_ptr> fallo(static_cast<std::size_t>(tramos));
    const std::function<void(int)> hacer = [&](int t) {
        std::size_t a = 0, b = 0;
        tramo(n, tramos, t, a, b);
        try {
            tarea(t, a, b);
        } catch (...) {
            fallo[static_cast<std::size_t>(t)] = std::current_exception();
        }
    };
    const int plazas = std::min(tramos, hilos_calculo());
    if (plazas == 1 || en_tramo) {
        for (int t = 0; t < tramos; ++t) hacer(t);
    } else {
        Equipo::el().ejecutar(tramos, plazas, hacer);
    }
    for (const std::exception_ptr& e : fallo)
        if (e) std::rethrow_exception(e);
}

}  // namespace pc
