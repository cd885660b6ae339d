// Las herramientas de puntadas en la ventana: su tecla, dónde cae cada puntada según el
// puntero, la cadena del pespunte con su vista previa y su final (Esc, botón derecho sin menú),
// la goma y un paso de deshacer por clic.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMenu>

#include "ordenes/sesion/herramientas_puntadas.h"
#include "ventana/lienzo_patron.h"
#include "ventana/pcruz.h"
#include "ventana/programa.h"
#include "tests/comun/guion.h"
#include "tests/ventana/comun_ui.h"

namespace pc::prueba {
namespace {

constexpr Color kFondo = 0x102030;
constexpr Color kHilo = 0x2080C0;
constexpr int s = 20;

class Puntadas : public ::testing::Test {
protected:
    Puntadas() : app_(aplicacion()), programa_(guion_, "") {
        f().show();
        Estado& e = f().estado();
        e.ancho = "12";
        e.alto = "10";
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 10; ++y) e.punto(x, y) = {kFondo, {-1, -1, -1, -1}};
        e.tam_celda = s;
        e.color_actual = kHilo;
        f().historial().empezar(e);
        f().sincronizar();
    }
    ~Puntadas() override { f().hide(); }
    ui::TForm2& f() { return programa_.principal(); }
    Estado& e() { return f().estado(); }
    QWidget* lienzo() { return f().lienzo_patron(); }
    // El píxel en la fracción (fx, fy) de la celda (x, y).
    static QPoint en(int x, int y, double fx, double fy) {
        return QPoint(static_cast<int>(x * s + fx * s), static_cast<int>(y * s + fy * s));
    }
    void clic(QPoint p, Qt::KeyboardModifiers m = Qt::NoModifier, Qt::MouseButton b = Qt::LeftButton) {
        for (const auto t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent ev(t, QPointF(p), lienzo()->mapToGlobal(QPointF(p)), b,
                           t == QEvent::MouseButtonPress ? Qt::MouseButtons(b) : Qt::MouseButtons(Qt::NoButton), m);
            QCoreApplication::sendEvent(lienzo(), &ev);
        }
    }
    std::string deshacer() { return accion(&f(), "Deshacer1")->text().toStdString(); }
    const pc::Puntadas& puntadas() { return e().puntadas; }

    QApplication& app_;
    DialogosGuion guion_;
    ui::Programa programa_;
};

TEST_F(Puntadas, CadaHerramientaPoneSuPuntadaDondeCaeElPunteroYCadaClicSeDeshace) {
    const std::pair<const char*, const char*> teclas[] = {
        {"HerramientaMedioPunto", "H"}, {"HerramientaCuarto", "Q"}, {"HerramientaTresCuartos", "T"},
        {"HerramientaPetit", "G"},      {"HerramientaPespunte", "L"}, {"HerramientaNudo", "K"},
        {"HerramientaGoma", "E"}};
    for (const auto& [nombre, tecla] : teclas) EXPECT_EQ(accion(&f(), nombre)->shortcut().toString(), tecla) << nombre;

    // Medio punto: arriba a la derecha, '/'; con Mayús en el cuarto de arriba a la izquierda
    // de otra celda, repite '/'. La celda queda de tela.
    elegir(&f(), "HerramientaMedioPunto");
    EXPECT_NE(lienzo()->cursor().shape(), Qt::ArrowCursor);
    clic(en(5, 5, 0.8, 0.2));
    ASSERT_EQ(puntadas().parciales().size(), 1u);
    EXPECT_EQ(puntadas().parciales()[0].diagonal, Diagonal::kBarra);
    EXPECT_EQ(puntadas().parciales()[0].color, kHilo);
    EXPECT_EQ(e().punto(5, 5).color, kBlanco);
    EXPECT_EQ(deshacer(), "Deshacer Medio punto");
    clic(en(6, 5, 0.2, 0.2), Qt::ShiftModifier);
    clic(en(7, 5, 0.2, 0.2));
    ASSERT_EQ(puntadas().parciales().size(), 3u);
    EXPECT_EQ(puntadas().parciales_celda(6, 5).size(), 1u);
    EXPECT_EQ(puntadas().parciales()[puntadas().parciales_celda(6, 5)[0]].diagonal, Diagonal::kBarra);
    EXPECT_EQ(puntadas().parciales()[puntadas().parciales_celda(7, 5)[0]].diagonal, Diagonal::kInvertida);
    accion(&f(), "Deshacer1")->trigger();
    EXPECT_EQ(puntadas().parciales().size(), 2u);
    EXPECT_EQ(e().punto(7, 5).color, kFondo);
    // El pincel pone una cruz entera, que quita los parciales de su celda.
    elegir(&f(), "HerramientaPincel");
    clic(en(6, 5, 0.5, 0.5));
    EXPECT_TRUE(puntadas().parciales_celda(6, 5).empty());
    EXPECT_EQ(e().punto(6, 5).color, kHilo);

    // Cuarto, tres cuartos y petit en el cuarto de la celda bajo el puntero.
    elegir(&f(), "HerramientaCuarto");
    clic(en(2, 2, 0.1, 0.9));
    elegir(&f(), "HerramientaTresCuartos");
    clic(en(3, 2, 0.9, 0.9));
    elegir(&f(), "HerramientaPetit");
    clic(en(4, 2, 0.9, 0.1));
    const auto parcial = [&](int x, int y) { return puntadas().parciales()[puntadas().parciales_celda(x, y).at(0)]; };
    EXPECT_EQ(parcial(2, 2).tipo, TipoParcial::kCuarto);
    EXPECT_EQ(parcial(2, 2).esquina, Esquina::kAbajoIzquierda);
    EXPECT_EQ(parcial(3, 2).tipo, TipoParcial::kTresCuartos);
    EXPECT_EQ(parcial(3, 2).esquina, Esquina::kAbajoDerecha);
    EXPECT_EQ(parcial(4, 2).tipo, TipoParcial::kPetit);
    EXPECT_EQ(parcial(4, 2).esquina, Esquina::kArribaDerecha);
    EXPECT_EQ(deshacer(), "Deshacer Petit");

    // Nudo en el punto de la red más cercano (el centro de la celda (9, 8)); la goma lo quita
    // y después, bajo el mismo puntero, la cruz entera.
    elegir(&f(), "HerramientaNudo");
    clic(en(9, 8, 0.45, 0.55));
    ASSERT_EQ(puntadas().nudos().size(), 1u);
    EXPECT_EQ(puntadas().nudos()[0].u, 17);
    EXPECT_EQ(puntadas().nudos()[0].v, 15);
    elegir(&f(), "HerramientaGoma");
    clic(en(9, 8, 0.5, 0.5));
    EXPECT_TRUE(puntadas().nudos().empty());
    EXPECT_EQ(deshacer(), "Deshacer Goma");
    EXPECT_EQ(e().punto(9, 8).color, kFondo);
    clic(en(9, 8, 0.5, 0.5));
    EXPECT_EQ(e().punto(9, 8).color, kBlanco);
    accion(&f(), "Deshacer1")->trigger();
    accion(&f(), "Deshacer1")->trigger();
    EXPECT_EQ(puntadas().nudos().size(), 1u);
    EXPECT_TRUE(guion_.errores().empty());
}

TEST_F(Puntadas, ElPespunteVaDePuntoEnPuntoHastaEscOElBotonDerecho) {
    elegir(&f(), "HerramientaPespunte");
    // Esquina de arriba a la izquierda de (2, 2), centro de (4, 2), mitad del lado de abajo de (4, 4).
    clic(en(2, 2, 0.05, 0.05));
    EXPECT_TRUE(puntadas().lineas().empty());
    EXPECT_FALSE(accion(&f(), "Deshacer1")->isEnabled());  // empezar la cadena no cambia nada
    clic(en(4, 2, 0.5, 0.5));
    ASSERT_EQ(puntadas().lineas().size(), 1u);
    const Linea primera = puntadas().lineas()[0];
    EXPECT_EQ((std::array<int, 4>{primera.u1, primera.v1, primera.u2, primera.v2}), (std::array<int, 4>{2, 2, 7, 3}));
    EXPECT_EQ(primera.color, kHilo);
    EXPECT_EQ(primera.hebras, 1);
    clic(en(4, 4, 0.5, 0.95));
    ASSERT_EQ(puntadas().lineas().size(), 2u);
    EXPECT_EQ(deshacer(), "Deshacer Pespunte");

    // La vista previa sigue al puntero desde el último punto, en el color actual.
    mover(lienzo(), en(8, 4, 0.5, 0.95));
    const ui::LienzoPatron* vista = f().vista_patron();
    EXPECT_EQ(QColor(vista->pixel(6 * s + s / 2, 5 * s)), QColor::fromRgb(0xFFC08020));

    // El botón derecho acaba la cadena sin abrir el menú; el siguiente clic empieza otra.
    clic(en(8, 4, 0.5, 0.95), Qt::NoModifier, Qt::RightButton);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, en(8, 4, 0.5, 0.95));
    QCoreApplication::sendEvent(lienzo(), &menu);
    EXPECT_FALSE(f().lienzo_patron()->menu() && f().lienzo_patron()->menu()->isVisible());
    clic(en(8, 8, 0, 0));
    EXPECT_EQ(puntadas().lineas().size(), 2u);
    clic(en(10, 8, 0, 0));
    EXPECT_EQ(puntadas().lineas().size(), 3u);
    // Esc también la acaba.
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(lienzo(), &esc);
    clic(en(11, 9, 0, 0));
    EXPECT_EQ(puntadas().lineas().size(), 3u);

    // Deshacer quita el último tramo y acaba la cadena: el clic siguiente empieza otra.
    clic(en(11, 9, 0.5, 0.5));
    EXPECT_EQ(puntadas().lineas().size(), 4u);
    accion(&f(), "Deshacer1")->trigger();
    EXPECT_EQ(puntadas().lineas().size(), 3u);
    clic(en(2, 9, 0, 0));
    EXPECT_EQ(puntadas().lineas().size(), 3u);
    // Sin cadena, el botón derecho vuelve a abrir el menú.
    acabar_pespunte(e());
    accion(&f(), "HerramientaPincel")->trigger();
    clic(en(3, 3, 0.5, 0.5), Qt::NoModifier, Qt::RightButton);
    EXPECT_EQ(e().sel_x, 3);
    EXPECT_TRUE(guion_.errores().empty());
}

}  // namespace
}  // namespace pc::prueba
