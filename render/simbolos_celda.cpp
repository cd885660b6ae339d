#include "render/simbolos_celda.h"

#include <QFontMetricsF>
#include <algorithm>

#include "app/texto.h"
#include "print/cuadernillo.h"
#include "render/cuadernillo.h"
#include "render/imagen_qt.h"

namespace pc {

namespace {
// Lo más que ocupa el dibujo del símbolo, en partes del lado de la celda.
constexpr double kDibujoMaximo = 0.78;
}  // namespace

SimbolosEnCeldas::SimbolosEnCeldas(int lado) : lado_(std::max(lado, 1)) {}

const SimbolosEnCeldas::Preparado& SimbolosEnCeldas::preparar(const std::string& simbolo) {
    const auto it = preparados_.find(simbolo);
    if (it != preparados_.end()) return it->second;
    const QString s = QString::fromStdString(simbolo);
    Preparado pr;
    pr.letra = QFont(familia_letra());
    pr.letra.setStyleStrategy(QFont::NoFontMerging);
    int tamano = std::max(1, static_cast<int>(lado_ * 0.8));
    QRectF dibujo;
    for (int intento = 0; intento < 4; ++intento) {
        pr.letra.setPixelSize(tamano);
        dibujo = QFontMetricsF(pr.letra).tightBoundingRect(s);
        const double mayor = std::max(dibujo.width(), dibujo.height());
        if (mayor <= lado_ * kDibujoMaximo || mayor <= 0) break;
        tamano = std::max(1, static_cast<int>(tamano * lado_ * kDibujoMaximo / mayor));
    }
    pr.base = QPointF(lado_ / 2.0 - dibujo.center().x(), lado_ / 2.0 - dibujo.center().y());
    return preparados_.emplace(simbolo, pr).first->second;
}

void SimbolosEnCeldas::dibujar(QPainter& p, QPointF esquina, Color celda, const std::string& simbolo) {
    if (simbolo.empty()) return;
    const Preparado& pr = preparar(simbolo);
    p.setFont(pr.letra);
    p.setPen(simbolo_en_blanco(celda) ? Qt::white : Qt::black);
    p.drawText(esquina + pr.base, QString::fromStdString(simbolo));
}

QImage muestra_con_simbolo(Color c, const std::string& simbolo, int lado) {
    QImage img(lado, lado, QImage::Format_RGB32);
    img.fill(a_qrgb(c));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    SimbolosEnCeldas(lado).dibujar(p, QPointF(0, 0), c, simbolo);
    p.setPen(QColor(60, 60, 60));
    p.drawRect(0, 0, lado - 1, lado - 1);
    return img;
}

void dibujar_simbolos_vista(QImage& trozo, const Estado& e, QPoint origen,
                            const std::unordered_map<Color, std::string>& simbolos) {
    const int s = e.tam_celda;
    int ancho = 0, alto = 0;
    if (s < kLadoSimbolosPantalla || simbolos.empty() || !leer_entero(e.ancho, ancho) || !leer_entero(e.alto, alto))
        return;
    ancho = std::min(ancho, kMaxPuntos);
    alto = std::min(alto, kMaxPuntos);
    // Los puntos que tocan el trozo; el punto (x, y) ocupa de x·s a x·s + s.
    const int x1 = std::max(1, origen.x() / s - 1), y1 = std::max(1, origen.y() / s - 1);
    const int x2 = std::min(ancho, (origen.x() + trozo.width()) / s + 1);
    const int y2 = std::min(alto, (origen.y() + trozo.height()) / s + 1);
    if (x1 > x2 || y1 > y2) return;
    QPainter p(&trozo);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.translate(-origen.x(), -origen.y());
    // El interior de la celda, sin la línea de la rejilla de su borde.
    SimbolosEnCeldas celdas(s - 1);
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) {
            const Color c = e.punto(x, y).color;
            const auto it = simbolos.find(c);
            if (it != simbolos.end()) celdas.dibujar(p, QPointF(x * s + 1, y * s + 1), c, it->second);
        }
}

}  // namespace pc
