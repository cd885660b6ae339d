#include "render/impresion.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QVector>
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <unordered_map>

#include "app/errores.h"
#include "render/dibujo_puntadas.h"
#include "render/imagen_qt.h"

namespace pc {

namespace {

constexpr QRgb kNegroQ = 0xFF000000u;
constexpr QRgb kBlancoQ = 0xFFFFFFFFu;
constexpr int kPuntosPorPulgadaPdf = 300;
// Margen del PDF en cada lado: ningún número ni el pie quedan cortados en el borde del papel.
constexpr double kMargenPdfMm = 10.0;

ObservadorTexto& observador() {
    static ObservadorTexto o;
    return o;
}

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

// Lo que se dibuja de un símbolo fuera de la escritura directa en la imagen, desde la esquina de
// su celda y calculado una vez por símbolo: con puntos de un píxel o en la imagen, cuadrados
// negros, juntando los puntos seguidos de una fila; en papel con puntos mayores, la diagonal de
// cada punto, juntando las de los puntos seguidos en diagonal (caen en la misma recta).
struct Trazos {
    QVector<QRect> cuadros;
    QVector<QLine> lineas;
};

Trazos trazos_de(const TramaSimbolo& tr, bool papel) {
    Trazos t;
    const int d = tr.d, n = std::clamp(tr.n, 0, 10);
    if (d < 1) return t;
    auto puesto = [&](int r, int q) {
        return r >= 1 && q >= 1 && r <= n && q <= n &&
               tr.punto[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(q - 1)];
    };
    if (!papel || d == 1) {
        for (int r = 1; r <= n; ++r)
            for (int q = 1; q <= n; ++q) {
                if (!puesto(r, q) || puesto(r, q - 1)) continue;
                int fin = q;
                while (puesto(r, fin + 1)) ++fin;
                t.cuadros.append(QRect(d * q + d, d * r + d, d * (fin - q + 1), d));
            }
        return t;
    }
    for (int r = 1; r <= n; ++r)
        for (int q = 1; q <= n; ++q) {
            if (!puesto(r, q) || puesto(r - 1, q - 1)) continue;
            int k = 0;
            while (puesto(r + k + 1, q + k + 1)) ++k;
            t.lineas.append(QLine(d * q + d, d * r + d, d * (q + k) + 2 * d - 1, d * (r + k) + 2 * d - 1));
        }
    return t;
}

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
        for (auto& tz : trazos_) tz.reset();
    }

    // Los trazos del símbolo del color para la salida, o nada si el color no tiene símbolo.
    const Trazos* trazos(Color c, bool papel) {
        const TramaSimbolo* tr = trama(c);
        if (!tr) return nullptr;
        if (papel != papel_) {
            papel_ = papel;
            for (auto& tz : trazos_) tz.reset();
        }
        auto& tz = trazos_[static_cast<std::size_t>(ultimo_hueco_)];
        if (!tz) tz = trazos_de(*tr, papel);
        return &*tz;
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
    std::array<std::optional<Trazos>, kMaxSimbolos + 1> trazos_{};
    bool papel_ = false;
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
    const Trazos* tz = sim.trazos(c, papel);
    QPainter& p = s.p();
    if (!tz->cuadros.isEmpty()) {
        QVector<QRect> cuadros = tz->cuadros;
        for (QRect& r : cuadros) r.translate(x, y);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawRects(cuadros);
    }
    if (!tz->lineas.isEmpty()) {
        QVector<QLine> lineas = tz->lineas;
        for (QLine& l : lineas) l.translate(x, y);
        s.pluma(kNegroQ, 1);
        p.drawLines(lineas);
    }
    s.pluma(kNegroQ, 1);
}

// La tabla de símbolos de la imagen, en la franja a la derecha del tapiz: el título y una
// fila por color con su cuadrado, su símbolo y "H. marca: número". Caben todos los colores:
// si hace falta, las filas se hacen más bajas y la letra más pequeña; si el tapiz se mete en la
// franja, la tabla va encima sobre fondo blanco.
void tabla_bmp(Superficie& s, Simbolos& sim, const TrabajoImpresion& t, int x0, int alto_imagen, int ancho_imagen) {
    QPainter& p = s.p();
    const QFont normal = p.font();
    const QFontMetrics fm = p.fontMetrics();
    const int arriba = fm.height() + 4;
    auto letra = [&](int alto) {
        QFont f = normal;
        if (alto > 0) f.setPixelSize(std::max(alto - 1, 3));
        return f;
    };
    auto ancho_texto = [&](int alto) {
        const QFontMetrics m(letra(alto));
        int w = 0;
        for (const EntradaLeyenda& f : t.leyenda) w = std::max(w, m.horizontalAdvance(q(f.texto_bmp)));
        return w;
    };
    const TablaBmp tb = maqueta_tabla_bmp(static_cast<int>(t.leyenda.size()), x0, ancho_imagen, alto_imagen, arriba,
                                          fm.height(), ancho_texto);
    if (tb.x0 < x0) p.fillRect(QRect(tb.x0, 0, ancho_imagen - tb.x0, alto_imagen), Qt::white);
    s.pluma(kNegroQ, 1);
    s.texto(tb.x0, 0, kTituloTablaBmp);
    p.setFont(letra(tb.letra));
    const int alto_texto = p.fontMetrics().height();
    const int h = tb.fila;
    int x = tb.x0, y = arriba, en_columna = 0;
    sim.lado(h);
    for (const EntradaLeyenda& f : t.leyenda) {
        if (en_columna == tb.por_columna) {
            x += tb.ancho_columna;
            y = arriba;
            en_columna = 0;
        }
        s.cuadrado(x, y, x + h, y + h, kNegroQ, t.op.colores ? a_qrgb(f.color) : kBlancoQ);
        dibujar_simbolo(s, sim, false, x, y, f.color);
        s.pluma(kNegroQ, 1);
        s.texto(x + h + 4, y + (h - alto_texto) / 2, f.texto_bmp);
        y += h;
        ++en_columna;
    }
    p.setFont(normal);
}

// La leyenda en papel: el título y la frase arriba de cada página, y las filas en columnas de
// 15 unidades; las que no caben siguen en páginas nuevas.
void leyenda_papel(Superficie& s, Simbolos& sim, const TrabajoImpresion& t, int pagina_ancho, int pagina_alto,
                   const std::function<void()>& nueva_pagina) {
    QPainter& p = s.p();
    const int L = unidad_leyenda(pagina_ancho, pagina_alto);
    if (L < 1) return;
    const QFont normal = p.font();
    QFont grande = normal;
    if (grande.pointSizeF() > 0) grande.setPointSizeF(grande.pointSizeF() + 2);
    else grande.setPixelSize(grande.pixelSize() + 2);
    auto titulos = [&] {
        s.pluma(kNegroQ, 1);
        p.setFont(grande);
        s.texto(L, L, kTituloLeyenda);
        p.setFont(normal);
        s.texto(L, 2 * L, kFraseEquivalencias);
    };
    int ancho_texto = 0;
    for (const EntradaLeyenda& f : t.leyenda)
        ancho_texto = std::max(ancho_texto, p.fontMetrics().horizontalAdvance(q(f.texto_papel)));
    const auto sitios = sitios_leyenda(static_cast<int>(t.leyenda.size()), L, pagina_ancho, pagina_alto,
                                       2 * L + ancho_texto);
    titulos();
    sim.lado(L);
    const int baja = static_cast<int>(L / 1.35);
    int pagina = 0;
    for (std::size_t n = 0; n < t.leyenda.size(); ++n) {
        const EntradaLeyenda& f = t.leyenda[n];
        const int u = sitios[n].u, v = sitios[n].v;
        if (sitios[n].pagina != pagina) {
            pagina = sitios[n].pagina;
            if (nueva_pagina) nueva_pagina();
            titulos();
        }
        s.cuadrado(u * L, v * L, (u + 1) * L, (v + 1) * L, kNegroQ, a_qrgb(f.color));
        s.cuadrado((u + 1) * L, v * L, (u + 2) * L, (v + 1) * L, kNegroQ, kBlancoQ);
        dibujar_simbolo(s, sim, true, u * L, v * L, f.color);
        dibujar_simbolo(s, sim, true, (u + 1) * L, v * L, f.color);
        s.pluma(kNegroQ, 1);
        s.texto((u + 2) * L, (v + 1) * L - baja, f.texto_papel);
    }
}

// Lo que queda a la vista de un trozo de símbolo que se sale de su cuadro (celdas pequeñas):
// los cuadros que se dibujan después lo tapan, el de la derecha (de x_fin a `derecha`, hasta
// y_fin) si lo hay y las filas de abajo (de y_fin a `abajo`, de `izquierda` a `derecha`) si
// las hay; lo que cae fuera del tapiz se ve. Se añaden a `v` los pedazos visibles, fila a fila.
void recortar_tapado(const QRect& q, bool hay_derecha, bool hay_abajo, int x_fin, int y_fin, int izquierda,
                     int derecha, int abajo, QVector<QRect>& v) {
    for (int py = q.top(); py <= q.bottom(); ++py) {
        int desde = 0, hasta = -1;  // lo tapado en esta fila de píxeles
        if (hay_abajo && py >= y_fin && py <= abajo) desde = izquierda, hasta = derecha;
        else if (hay_derecha && py <= y_fin) desde = x_fin, hasta = derecha;
        if (hasta < desde) {
            v.append(QRect(q.left(), py, q.width(), 1));
            continue;
        }
        if (q.left() < desde) v.append(QRect(q.left(), py, std::min(q.right(), desde - 1) - q.left() + 1, 1));
        if (q.right() > hasta) {
            const int x0 = std::max(q.left(), hasta + 1);
            v.append(QRect(x0, py, q.right() - x0 + 1, 1));
        }
    }
}

// Los puntos fuera de la escritura directa en la imagen (en papel): el mismo resultado que
// dibujar cuadrado a cuadrado, fila a fila, pero de una vez. Cada punto se queda con su cuadro
// menos el borde derecho y el de abajo, que tapan el vecino de la derecha y el de abajo (salvo
// en la última columna y en la última fila); así los tramos seguidos de un color son un solo
// rectángulo, la rejilla son líneas de lado a lado y el símbolo de cada punto es lo que queda
// dentro de su cuadro. false si el avance pidió parar.
bool puntos_de_una_vez(Superficie& s, Simbolos& sim, const TrabajoImpresion& t, const Area& a, int c, bool papel,
                       Vista& v, const Avance& avance) {
    const Estado& e = *t.estado;
    const OpcionesImpresion& op = t.op;
    const Rango& r = t.rango;
    const bool rejilla_negra = op.rejilla || !op.colores;
    std::unordered_map<QRgb, QVector<QRect>> rellenos;
    QVector<QRect> cuadros;
    QVector<QLine> lineas;
    auto relleno = [&](int i, int j) {
        if (!op.colores) return kBlancoQ;
        const Color guardado = e.punto(i, j).color;
        return a_qrgb(t.aclara != 0 ? aclarar(guardado, t.aclara) : guardado);
    };
    const std::string y2 = std::to_string(r.y2);
    const int derecha = a.ox + r.columnas() * c, abajo = a.oy + r.filas() * c;
    for (int j = r.y1; j <= r.y2; ++j) {
        v.progreso("Imprimiendo... " + std::to_string(j) + "/" + y2);
        if (avance && !avance(j - r.y1, r.filas())) return false;
        const int y = a.oy + (j - r.y1) * c;
        const bool ultima_fila = j == r.y2;
        for (int i = r.x1; i <= r.x2;) {
            const QRgb color = relleno(i, j);
            int fin = i;
            while (fin < r.x2 && relleno(fin + 1, j) == color) ++fin;
            const int x = a.ox + (i - r.x1) * c, ancho = (fin - i + 1) * c;
            const QRect q = rejilla_negra ? QRect(x + 1, y + 1, ancho - 1, c - 1)
                                          : QRect(x, y, ancho + (fin == r.x2 ? 1 : 0), c + (ultima_fila ? 1 : 0));
            if (!q.isEmpty()) rellenos[color].append(q);
            i = fin + 1;
        }
        if (!op.simbolos) continue;
        for (int i = r.x1; i <= r.x2; ++i) {
            // Una celda con parciales es tela: su símbolo no va (los parciales se dibujan encima).
            if (e.puntadas.hay_parciales(i, j)) continue;
            const Trazos* tz = sim.trazos(e.punto(i, j).color, papel);
            if (!tz) continue;
            const int x = a.ox + (i - r.x1) * c;
            const QRect propio(x, y, c, c);
            for (const QRect& q0 : tz->cuadros) {
                const QRect q = q0.translated(x, y);
                if (propio.contains(q)) cuadros.append(q);
                else recortar_tapado(q, i < r.x2, !ultima_fila, x + c, y + c, a.ox, derecha, abajo, cuadros);
            }
            for (const QLine& l : tz->lineas) lineas.append(l.translated(x, y));
        }
    }
    QPainter& p = s.p();
    p.setPen(Qt::NoPen);
    for (const auto& [color, rects] : rellenos) {
        p.setBrush(QColor::fromRgb(color));
        p.drawRects(rects);
    }
    if (rejilla_negra) {
        QVector<QLine> rejilla;
        for (int k = 0; k <= r.columnas(); ++k) rejilla.append(QLine(a.ox + k * c, a.oy, a.ox + k * c, abajo));
        for (int k = 0; k <= r.filas(); ++k) rejilla.append(QLine(a.ox, a.oy + k * c, derecha, a.oy + k * c));
        s.pluma(kNegroQ, 1);
        p.drawLines(rejilla);
    }
    if (!cuadros.isEmpty()) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawRects(cuadros);
    }
    s.pluma(kNegroQ, 1);
    if (!lineas.isEmpty()) p.drawLines(lineas);
    return true;
}

bool dibujar(QPaintDevice& dev, QImage* img, QPainter* externo, const TrabajoImpresion& t, Vista& v,
             const std::function<void()>& nueva_pagina, const Avance& avance = {}) {
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
    if (!s.directo()) {
        if (!puntos_de_una_vez(s, sim, t, a, c, papel, v, avance)) return false;
    } else for (int j = r.y1; j <= r.y2; ++j) {
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
            if (op.simbolos && !e.puntadas.hay_parciales(i, j)) dibujar_simbolo(s, sim, papel, x, y, guardado);
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

    // 9. Perfiles encima de todo, en el mismo orden; los seguidos del mismo color, de una vez.
    const int grosor_perfil = papel ? t.grosor_guias : 2;
    QVector<QLine> perfil;
    QRgb color_perfil = 0;
    auto trazar_perfil = [&] {
        if (perfil.isEmpty()) return;
        s.pluma(color_perfil, grosor_perfil);
        s.p().drawLines(perfil);
        s.pluma(kNegroQ, 1);
        perfil.clear();
    };
    for (int j = r.y1; j <= r.y2; ++j) {
        for (int i = r.x1; i <= r.x2; ++i) {
            const Punto& pt = e.punto(i, j);
            const int x = a.ox + (i - r.x1) * c, y = a.oy + (j - r.y1) * c;
            for (int k = 1; k <= 4; ++k) {
                const Color pc = pt.lado(k);
                if (pc == kSinPerfil) continue;
                s.p();
                if (a_qrgb(pc) != color_perfil) {
                    trazar_perfil();
                    color_perfil = a_qrgb(pc);
                }
                switch (k) {
                    case kArriba: perfil.append(QLine(x, y, x + c, y)); break;
                    case kDerecha: perfil.append(QLine(x + c, y, x + c, y + c)); break;
                    case kAbajo: perfil.append(QLine(x, y + c, x + c, y + c)); break;
                    default: perfil.append(QLine(x, y + c, x, y)); break;
                }
            }
        }
    }
    trazar_perfil();

    // Las puntadas que no son cruces enteras encima, sólo si el diseño las tiene (sin ellas el
    // dibujo es el de siempre). Lo que se sale del rango impreso no se ve.
    if (!e.puntadas.vacia()) {
        QPainter& p = s.p();
        p.save();
        p.setClipRect(QRect(a.ox, a.oy, ancho_tapiz + 1, alto_tapiz + 1));
        LugarPuntadas lugar;
        lugar.origen = QPointF(a.ox - (r.x1 - 1) * c, a.oy - (r.y1 - 1) * c);
        lugar.celda = c;
        lugar.hueco = op.rejilla || !op.colores ? 1 : 0;
        EstiloPuntadas estilo;
        estilo.grueso_linea = std::max(2.0, c / 6.0);
        estilo.radio_nudo = std::max(2.0, c / 5.0);
        const int aclara = t.aclara;
        const bool colores = op.colores;
        estilo.color = [aclara, colores](Color g) {
            if (!colores) return QColor(90, 90, 90);
            return QColor::fromRgb(a_qrgb(aclara != 0 ? aclarar(g, aclara) : g));
        };
        dibujar_puntadas(p, e.puntadas, RectanguloCeldas{r.x1, r.y1, r.x2, r.y2}, lugar, estilo);
        p.restore();
    }

    // 10. La leyenda: página propia en papel, tabla a la derecha en la imagen.
    if (!t.leyenda.empty()) {
        if (papel) {
            s.p();
            if (nueva_pagina) nueva_pagina();
            leyenda_papel(s, sim, t, dev.width(), dev.height(), nueva_pagina);
        } else {
            const int x0 = a.ox + ancho_tapiz + 1 + fm.horizontalAdvance(QStringLiteral("000")) + 6;
            tabla_bmp(s, sim, t, x0, dev.height(), dev.width());
        }
    }
    s.fin();
    return true;
}

}  // namespace

bool dibujar_impresion(QPaintDevice& dispositivo, const TrabajoImpresion& t, Vista& v,
                       const std::function<void()>& nueva_pagina, const Avance& avance) {
    return dibujar(dispositivo, nullptr, nullptr, t, v, nueva_pagina, avance);
}

bool dibujar_impresion(QPainter& pintor, const TrabajoImpresion& t, Vista& v,
                       const std::function<void()>& nueva_pagina, const Avance& avance) {
    if (!pintor.device()) return true;
    return dibujar(*pintor.device(), nullptr, &pintor, t, v, nueva_pagina, avance);
}

void imprimir_en_imagen(QImage& imagen, const TrabajoImpresion& t, Vista& v) {
    if (imagen.format() != QImage::Format_RGB32) imagen = imagen.convertToFormat(QImage::Format_RGB32);
    imagen.fill(kBlancoQ);
    dibujar(imagen, &imagen, nullptr, t, v, nullptr);
}

void preparar_pagina_impresion(QPagedPaintDevice& d, const DestinoImpresion& destino, bool impresora) {
    QPageSize papel(QPageSize::A4);
    if (destino.papel_ancho_mm > 0 && destino.papel_alto_mm > 0)
        papel = QPageSize(QSizeF(destino.papel_ancho_mm, destino.papel_alto_mm), QPageSize::Millimeter,
                          QString::fromStdString(destino.papel), QPageSize::FuzzyMatch);
    // Papel y orientación primero: unos márgenes que la impresora no admite no los deshacen.
    d.setPageSize(papel);
    d.setPageOrientation(destino.apaisado ? QPageLayout::Landscape : QPageLayout::Portrait);
    // En la impresora, los márgenes son los que no puede imprimir: la página es su área imprimible.
    if (impresora) d.setPageMargins(d.pageLayout().minimumMargins(), d.pageLayout().units());
    else d.setPageMargins(QMarginsF(kMargenPdfMm, kMargenPdfMm, kMargenPdfMm, kMargenPdfMm), QPageLayout::Millimeter);
}

std::optional<std::string> pdf_en_memoria(int ppp, const std::string& titulo,
                                          const std::function<void(QPdfWriter&)>& preparar,
                                          const std::function<bool(QPdfWriter&)>& dibujar) {
    QByteArray bytes;
    bool hecho = false;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(ppp);
        preparar(pdf);
        pdf.setCreator(QStringLiteral("Punto de Cruz"));
        pdf.setTitle(q(titulo));
        hecho = dibujar(pdf);
    }
    if (!hecho) return std::nullopt;
    return bytes.toStdString();
}

std::optional<std::string> imprimir_en_pdf(const TrabajoImpresion& t, Vista& v, const Avance& avance) {
    return pdf_en_memoria(
        kPuntosPorPulgadaPdf, "Punto de Cruz", [&](QPdfWriter& pdf) { preparar_pagina_impresion(pdf, t.destino, false); },
        [&](QPdfWriter& pdf) { return dibujar(pdf, nullptr, nullptr, t, v, [&pdf] { pdf.newPage(); }, avance); });
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
