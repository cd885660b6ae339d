#include "render/impresion.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QVector>
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <unordered_map>

#include "app/errores.h"
#include "render/imagen_qt.h"

namespace pc {

namespace {

constexpr QRgb kNegroQ = 0xFF000000u;
constexpr QRgb kBlancoQ = 0xFFFFFFFFu;
constexpr int kPuntosPorPulgadaPdf = 300;
// Filas de la tabla de símbolos de la imagen: alto entre estos dos (26 deja los símbolos de
// 10 x 10 con puntos de 2 píxeles).
constexpr int kFilaTablaMin = 8, kFilaTablaMax = 26;

ObservadorTexto& observador() {
    static ObservadorTexto o;
    return o;
}

QString q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// El dispositivo con su pintor. En una imagen, mientras no se haya empezado a pintar con
// QPainter, los rectángulos se escriben directamente en los píxeles.
class Superficie {
public:
    Superficie(QPaintDevice& d, QImage* img, QPainter* externo = nullptr)
        : d_(d), img_(externo ? nullptr : img), externo_(externo) {
        if (externo_) preparar(*externo_);
        if (img_) {
            an_ = img_->width();
            al_ = img_->height();
            // Se toma la memoria una vez: mientras se escribe directamente no hay pintor.
            bits_ = reinterpret_cast<QRgb*>(img_->bits());
            paso_ = img_->bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
        }
    }
    ~Superficie() { fin(); }

    QPainter& p() {
        if (externo_) return p_;
        if (!pintando_) {
            if (!propio_.begin(&d_)) throw ErrorFichero("No se puede empezar a imprimir.");
            pintando_ = true;
            preparar(propio_);
        }
        return p_;
    }
    void fin() {
        if (!externo_ && pintando_) propio_.end();
        pintando_ = false;
    }
    bool directo() const { return img_ && !pintando_; }

    // Un píxel, escrito directamente (sólo mientras directo()).
    void pixel(int x, int y, QRgb c) {
        if (x >= 0 && y >= 0 && x < an_ && y < al_) bits_[y * paso_ + x] = c;
    }

    void pluma(QRgb c, int ancho) {
        QPen pen{QColor::fromRgb(c)};
        pen.setWidth(ancho);
        pen.setCapStyle(Qt::SquareCap);
        pen.setJoinStyle(Qt::MiterJoin);
        p_.setPen(pen);
    }

    // Rectángulo de (x1, y1) a (x2, y2) sin el borde derecho ni el inferior: borde de un píxel
    // en el color de la pluma y el interior en el de la brocha.
    void cuadrado(int x1, int y1, int x2, int y2, QRgb borde, QRgb relleno) {
        if (x2 - x1 < 1 || y2 - y1 < 1) return;
        if (directo()) {
            directo_cuadrado(x1, y1, x2 - 1, y2 - 1, borde, relleno);
            return;
        }
        pluma(borde, 1);
        p_.setBrush(QColor::fromRgb(relleno));
        if (x2 - x1 == 1 || y2 - y1 == 1) {
            p_.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), QColor::fromRgb(borde));
            return;
        }
        p_.drawRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
    }

    // Cuadrado lleno de (x, y), de lado `lado`, sin borde.
    void lleno(int x, int y, int lado, QRgb c) {
        if (directo()) {
            directo_cuadrado(x, y, x + lado - 1, y + lado - 1, c, c);
            return;
        }
        p_.fillRect(QRect(x, y, lado, lado), QColor::fromRgb(c));
    }

    void linea(int x1, int y1, int x2, int y2) { p().drawLine(x1, y1, x2, y2); }

    // Texto con su esquina superior izquierda en (x, y), sobre fondo blanco.
    void texto(int x, int y, const std::string& s) {
        QPainter& pp = p();
        const QFontMetrics fm = pp.fontMetrics();
        pp.drawText(QPoint(x, y + fm.ascent()), q(s));
        if (observador()) observador()(x, y, s);
    }

private:
    void preparar(QPainter& pp) {
        pp.setRenderHint(QPainter::Antialiasing, false);
        pp.setRenderHint(QPainter::TextAntialiasing, true);
        pp.setBackground(QColor(Qt::white));
        pp.setBackgroundMode(Qt::OpaqueMode);
        pluma(kNegroQ, 1);
    }

    void directo_cuadrado(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, QRgb borde,
                          QRgb relleno) {
        const std::int64_t a = std::max<std::int64_t>(x1, 0), b = std::min<std::int64_t>(x2, an_ - 1);
        const std::int64_t ya = std::max<std::int64_t>(y1, 0), yb = std::min<std::int64_t>(y2, al_ - 1);
        if (a > b || ya > yb) return;
        for (std::int64_t y = ya; y <= yb; ++y) {
            QRgb* f = bits_ + y * paso_;
            if (y == y1 || y == y2) {
                std::fill(f + a, f + b + 1, borde);
                continue;
            }
            std::fill(f + a, f + b + 1, relleno);
            if (x1 >= 0 && x1 < an_) f[x1] = borde;
            if (x2 >= 0 && x2 < an_) f[x2] = borde;
        }
    }

    QPaintDevice& d_;
    QImage* img_;
    QPainter* externo_;
    QPainter propio_;
    QPainter& p_ = externo_ ? *externo_ : propio_;
    bool pintando_ = false;
    QRgb* bits_ = nullptr;
    qsizetype paso_ = 0;
    int an_ = 0, al_ = 0;
};

// Los símbolos de los colores: el hueco de cada color en la tabla y la trama de cada hueco
// para el lado de celda en uso, calculadas una vez.
class Simbolos {
public:
    Simbolos(const TrabajoImpresion& t) : t_(t) {
        const int total = std::clamp(t.paleta_imp.total, 0, kMaxHilos);
        for (int n = 1; n <= total; ++n) {
            const Color c = t.paleta_imp[n].color;
            if (hueco_.count(c)) continue;
            const int m = simbolo_de_color(t.paleta_imp, c);
            hueco_[c] = (m >= 1 && m <= kMaxSimbolos) ? m : 0;
        }
    }

    void lado(int celda) {
        if (celda == celda_) return;
        celda_ = celda;
        for (auto& tr : tramas_) tr.reset();
    }

    // La trama del símbolo del color, o nada si el color no tiene símbolo.
    const TramaSimbolo* trama(Color c) {
        if (c != ultimo_color_) {
            ultimo_color_ = c;
            const auto it = hueco_.find(c);
            ultimo_hueco_ = it == hueco_.end() ? 0 : it->second;
        }
        if (ultimo_hueco_ == 0) return nullptr;
        auto& tr = tramas_[static_cast<std::size_t>(ultimo_hueco_)];
        if (!tr) tr = trama_simbolo(t_.simbolos.item[static_cast<std::size_t>(ultimo_hueco_)], celda_);
        return &*tr;
    }

private:
    const TrabajoImpresion& t_;
    std::unordered_map<Color, int> hueco_;
    std::array<std::optional<TramaSimbolo>, kMaxSimbolos + 1> tramas_{};
    int celda_ = -1;
    Color ultimo_color_ = -2;
    int ultimo_hueco_ = 0;
};

// El símbolo del color con su esquina en (x, y): cada punto es el cuadrado de
// (x + d·q + d, y + d·r + d) a (x + d·q + 2d, y + d·r + 2d). En la imagen se rellena de negro;
// en papel se traza su diagonal con la pluma negra de un píxel.
void dibujar_simbolo(Superficie& s, Simbolos& sim, bool papel, int x, int y, Color c) {
    const TramaSimbolo* tr = sim.trama(c);
    if (!tr) return;
    const int d = tr->d, n = std::clamp(tr->n, 0, 10);
    if (d < 1) return;
    if (s.directo() && d == 1) {
        for (int r = 1; r <= n; ++r)
            for (int qq = 1; qq <= n; ++qq)
                if (tr->punto[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(qq - 1)])
                    s.pixel(x + qq + 1, y + r + 1, kNegroQ);
        return;
    }
    if (s.directo()) {
        for (int r = 1; r <= n; ++r)
            for (int qq = 1; qq <= n; ++qq)
                if (tr->punto[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(qq - 1)])
                    s.lleno(x + d * qq + d, y + d * r + d, d, kNegroQ);
        return;
    }
    if (!papel || d == 1) {
        // Cuadrados negros (en papel, con d = 1 la diagonal es un solo píxel), de una vez.
        QVector<QRect> cuadros;
        for (int r = 1; r <= n; ++r)
            for (int qq = 1; qq <= n; ++qq)
                if (tr->punto[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(qq - 1)])
                    cuadros.append(QRect(x + d * qq + d, y + d * r + d, d, d));
        if (cuadros.isEmpty()) return;
        QPainter& p = s.p();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawRects(cuadros);
        s.pluma(kNegroQ, 1);
        return;
    }
    QVector<QLine> lineas;
    for (int r = 1; r <= n; ++r)
        for (int qq = 1; qq <= n; ++qq)
            if (tr->punto[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(qq - 1)]) {
                const int x1 = x + d * qq + d, y1 = y + d * r + d;
                lineas.append(QLine(x1, y1, x1 + d - 1, y1 + d - 1));
            }
    if (lineas.isEmpty()) return;
    QPainter& p = s.p();
    s.pluma(kNegroQ, 1);
    p.drawLines(lineas);
}

// La tabla de símbolos de la imagen, en la franja a la derecha del tapiz: el título y una
// fila por color con su cuadrado, su símbolo y "H. marca: número".
void tabla_bmp(Superficie& s, Simbolos& sim, const TrabajoImpresion& t, int x0, int alto_imagen, int ancho_imagen) {
    QPainter& p = s.p();
    const QFontMetrics fm = p.fontMetrics();
    s.pluma(kNegroQ, 1);
    s.texto(x0, 0, kTituloTablaBmp);
    const int arriba = fm.height() + 4;
    const int n = static_cast<int>(t.leyenda.size());
    const int h = std::clamp(n > 0 ? (alto_imagen - arriba) / n : kFilaTablaMax, kFilaTablaMin, kFilaTablaMax);
    int ancho_texto = 0;
    for (const EntradaLeyenda& f : t.leyenda) ancho_texto = std::max(ancho_texto, fm.horizontalAdvance(q(f.texto_bmp)));
    const int ancho_columna = h + 4 + ancho_texto + 8;
    int x = x0, y = arriba;
    sim.lado(h);
    for (const EntradaLeyenda& f : t.leyenda) {
        if (y + h > alto_imagen && y > arriba) {
            x += ancho_columna;
            y = arriba;
        }
        if (x >= ancho_imagen) break;
        s.cuadrado(x, y, x + h, y + h, kNegroQ, t.op.colores ? a_qrgb(f.color) : kBlancoQ);
        dibujar_simbolo(s, sim, false, x, y, f.color);
        s.pluma(kNegroQ, 1);
        s.texto(x + h + 4, y + (h - fm.height()) / 2, f.texto_bmp);
        y += h;
    }
}

// La página de la leyenda en papel.
void leyenda_papel(Superficie& s, Simbolos& sim, const TrabajoImpresion& t, int pagina_ancho, int pagina_alto) {
    QPainter& p = s.p();
    const int L = unidad_leyenda(pagina_ancho, pagina_alto);
    if (L < 1) return;
    const QFont normal = p.font();
    QFont grande = normal;
    if (grande.pointSizeF() > 0) grande.setPointSizeF(grande.pointSizeF() + 2);
    else grande.setPixelSize(grande.pixelSize() + 2);
    s.pluma(kNegroQ, 1);
    p.setFont(grande);
    s.texto(L, L, kTituloLeyenda);
    p.setFont(normal);
    s.texto(L, 2 * L, kFraseEquivalencias);
    sim.lado(L);
    int u = 1, v = 4;
    const int baja = static_cast<int>(L / 1.35);
    for (const EntradaLeyenda& f : t.leyenda) {
        s.cuadrado(u * L, v * L, (u + 1) * L, (v + 1) * L, kNegroQ, a_qrgb(f.color));
        s.cuadrado((u + 1) * L, v * L, (u + 2) * L, (v + 1) * L, kNegroQ, kBlancoQ);
        dibujar_simbolo(s, sim, true, u * L, v * L, f.color);
        dibujar_simbolo(s, sim, true, (u + 1) * L, v * L, f.color);
        s.pluma(kNegroQ, 1);
        s.texto((u + 2) * L, (v + 1) * L - baja, f.texto_papel);
        ++v;
        if (v * L > pagina_alto - L) {
            u += 15;
            v = 4;
        }
    }
}

void dibujar(QPaintDevice& dev, QImage* img, QPainter* externo, const TrabajoImpresion& t, Vista& v,
             const std::function<void()>& nueva_pagina) {
    const Estado& e = *t.estado;
    const bool papel = t.salida == Salida::kImpresora;
    const OpcionesImpresion& op = t.op;
    const Rango& r = t.rango;
    Superficie s(dev, img, externo);
    Simbolos sim(t);

    // 1. Área de dibujo, con la letra del dispositivo.
    const QFontMetrics fm = externo ? externo->fontMetrics() : QFontMetrics(QFont(), &dev);
    const Area a = papel ? area_papel(dev.width(), dev.height(), fm.horizontalAdvance(QStringLiteral("200")),
                                      fm.height(), t.escala_x, t.escala_y)
                         : area_bmp(dev.width(), dev.height(), fm.height());
    // 3. Lado de la celda.
    const int c = lado_celda(a, r);
    sim.lado(c);
    // 4. En papel empieza el trabajo.
    if (papel) s.p();

    // 6. Los puntos, fila a fila, con sus símbolos.
    const std::string y2 = std::to_string(r.y2);
    for (int j = r.y1; j <= r.y2; ++j) {
        v.progreso("Imprimiendo... " + std::to_string(j) + "/" + y2);
        for (int i = r.x1; i <= r.x2; ++i) {
            const Color guardado = e.punto(i, j).color;
            const Color f = t.aclara != 0 ? aclarar(guardado, t.aclara) : guardado;
            QRgb borde = op.rejilla ? kNegroQ : a_qrgb(f);
            QRgb relleno = a_qrgb(f);
            if (!op.colores) {
                borde = kNegroQ;
                relleno = kBlancoQ;
            }
            const int x = a.ox + (i - r.x1) * c, y = a.oy + (j - r.y1) * c;
            s.cuadrado(x, y, x + c + 1, y + c + 1, borde, relleno);
            if (op.simbolos) dibujar_simbolo(s, sim, papel, x, y, guardado);
        }
    }

    // 7. Guías cada diez puntos, con sus números.
    const int ancho_tapiz = c * r.columnas(), alto_tapiz = c * r.filas();
    if (op.rejilla) {
        QPainter& p = s.p();
        s.pluma(kNegroQ, t.grosor_guias);
        p.setBrush(Qt::white);
        for (int col = r.x1; col <= r.x2; ++col) {
            if ((col - 1) % 10 != 0) continue;
            const int x = a.ox + (col - r.x1) * c;
            s.linea(x, a.oy, x, a.oy + alto_tapiz);
            if (papel) s.texto(x, a.oy + alto_tapiz + 1, std::to_string(col - 1));
            else s.texto(x - 2, alto_tapiz + 1, std::to_string(col - 1));
        }
        for (int fila = r.y1; fila <= r.y2; ++fila) {
            if ((fila - 1) % 10 != 0) continue;
            const int y = a.oy + (fila - r.y1) * c;
            s.linea(a.ox, y, a.ox + ancho_tapiz, y);
            s.texto(a.ox + ancho_tapiz + 1, y - 2, std::to_string(fila - 1));
        }
        s.pluma(kNegroQ, 1);
    }

    // 8. El comentario al pie, en papel.
    if (papel) s.texto(0, dev.height() - 4 * c, t.pie);

    // 9. Perfiles encima de todo.
    const int grosor_perfil = papel ? t.grosor_guias : 2;
    for (int j = r.y1; j <= r.y2; ++j) {
        for (int i = r.x1; i <= r.x2; ++i) {
            const Punto& pt = e.punto(i, j);
            const int x = a.ox + (i - r.x1) * c, y = a.oy + (j - r.y1) * c;
            for (int k = 1; k <= 4; ++k) {
                const Color pc = pt.lado(k);
                if (pc == kSinPerfil) continue;
                s.p();
                s.pluma(a_qrgb(pc), grosor_perfil);
                switch (k) {
                    case kArriba: s.linea(x, y, x + c, y); break;
                    case kDerecha: s.linea(x + c, y, x + c, y + c); break;
                    case kAbajo: s.linea(x, y + c, x + c, y + c); break;
                    default: s.linea(x, y + c, x, y); break;
                }
                s.pluma(kNegroQ, 1);
            }
        }
    }

    // 10. La leyenda: página propia en papel, tabla a la derecha en la imagen.
    if (!t.leyenda.empty()) {
        if (papel) {
            s.p();
            if (nueva_pagina) nueva_pagina();
            leyenda_papel(s, sim, t, dev.width(), dev.height());
        } else {
            const int x0 = a.ox + ancho_tapiz + 1 + fm.horizontalAdvance(QStringLiteral("000")) + 6;
            tabla_bmp(s, sim, t, x0, dev.height(), dev.width());
        }
    }
    s.fin();
}

}  // namespace

void dibujar_impresion(QPaintDevice& dispositivo, const TrabajoImpresion& t, Vista& v,
                       const std::function<void()>& nueva_pagina) {
    dibujar(dispositivo, nullptr, nullptr, t, v, nueva_pagina);
}

void dibujar_impresion(QPainter& pintor, const TrabajoImpresion& t, Vista& v,
                       const std::function<void()>& nueva_pagina) {
    if (!pintor.device()) return;
    dibujar(*pintor.device(), nullptr, &pintor, t, v, nueva_pagina);
}

void imprimir_en_imagen(QImage& imagen, const TrabajoImpresion& t, Vista& v) {
    if (imagen.format() != QImage::Format_RGB32) imagen = imagen.convertToFormat(QImage::Format_RGB32);
    imagen.fill(kBlancoQ);
    dibujar(imagen, &imagen, nullptr, t, v, nullptr);
}

std::string imprimir_en_pdf(const TrabajoImpresion& t, Vista& v) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kPuntosPorPulgadaPdf);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setCreator(QStringLiteral("Punto de Cruz"));
        pdf.setTitle(QStringLiteral("Punto de Cruz"));
        dibujar(pdf, nullptr, nullptr, t, v, [&pdf] { pdf.newPage(); });
    }
    return bytes.toStdString();
}

std::string codificar_bmp(const QImage& imagen) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!imagen.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP")) {
        throw ErrorFichero("No se puede codificar la imagen como BMP.");
    }
    return bytes.toStdString();
}

void observar_textos(ObservadorTexto o) { observador() = std::move(o); }

}  // namespace pc
