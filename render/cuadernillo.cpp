#include "render/cuadernillo.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>
#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_map>

#include "app/errores.h"
#include "render/cuadernillo_puntadas.h"
#include "render/imagen_qt.h"
#include "render/impresion.h"
#include "render/trazos.h"

namespace pc {

namespace {

constexpr int kPuntosPorPulgadaPdf = 1200;
constexpr double kMmPorPulgada = 25.4;
const char* const kRecursoLetra = ":/letra/DejaVuSans.ttf";

// Grosores de línea, en mm: la rejilla (y el filo blanco de una línea gruesa junto a una celda
// oscura), el perfilado en el color de su hilo con su filo blanco, el mapa de páginas y la línea
// discontinua del borde de lo repetido de la página anterior.
constexpr double kLineaFina = 0.12, kLineaGruesa = 0.45, kFiloRejilla = 0.15;
constexpr double kLineaPerfil = 0.8, kFiloPerfil = 0.12, kLineaMapa = 0.25, kLineaSolape = 0.35;
// Alto de la letra (el em), en mm.
constexpr double kLetraTitulo = 7.0, kLetraPortada = 4.0, kLetraTabla = 3.4, kLetraLeyenda = 3.2;
// El símbolo en la celda: su em y lo más que puede ocupar su dibujo, en partes del lado.
constexpr double kEmSimbolo = 0.8, kDibujoMaximo = 0.82;
// Lado de la muestra de color de la leyenda, en mm.
constexpr double kMuestra = 5.0;
// Lado mayor de la imagen de la portada, en píxeles de la imagen (cada punto es un cuadrado).
constexpr int kLadoImagenPortada = 1000;
// Los puntos repetidos de la página anterior, sombreados.
const QColor kSombraSolape(0, 0, 0, 46);

// El color de una celda bajo la sombra del solape, como queda en el papel.
Color sombreado(Color c) {
    const double deja = 1.0 - kSombraSolape.alphaF();
    return rgb(static_cast<int>(std::lround(rojo(c) * deja)), static_cast<int>(std::lround(verde(c) * deja)),
               static_cast<int>(std::lround(azul(c) * deja)));
}

ObservadorCuadernillo& observador() {
    static ObservadorCuadernillo o;
    return o;
}

// La página que se está dibujando: milímetros del área a unidades del dispositivo, letras y textos.
class Hoja {
public:
    Hoja(QPainter& p, double k) : p_(p), k_(k) {}

    double px(double mm) const { return mm * k_; }
    QRectF caja(double x, double y, double w, double h) const { return {px(x), px(y), px(w), px(h)}; }
    QPointF punto(double x, double y) const { return {px(x), px(y)}; }

    // La letra del programa a ese alto. Sin ligaduras: "fi" sigue siendo "f" e "i" en el texto del PDF.
    QFont letra(double mm) const {
        QFont f(familia_letra());
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(px(mm)))));
        f.setHintingPreference(QFont::PreferNoHinting);
        f.setStyleStrategy(QFont::PreferNoShaping);
        return f;
    }

    // Texto en la caja que empieza en (x, y) (esquina superior izquierda, mm) y mide `ancho`:
    // alineado a la izquierda, al centro o a la derecha, y recortado con "…" si no cabe (con
    // `entero`, la letra se achica hasta que cabe: los números de los hilos no se cortan).
    void texto(double x, double y, double ancho, const std::string& s, QFont f,
               Qt::Alignment alineado = Qt::AlignLeft, bool entero = false) {
        QString t = q(s);
        const double w = px(ancho);
        if (entero && ancho > 0) {
            const double ancho_texto = QFontMetricsF(f).horizontalAdvance(t);
            if (ancho_texto > w) {
                const double alto = f.pixelSize();
                f.setPixelSize(std::max(1, static_cast<int>(std::floor(f.pixelSize() * w / ancho_texto))));
                y += (alto - f.pixelSize()) / k_ / 2;  // sobre la misma línea que los demás
            }
        }
        const QFontMetricsF fm(f);
        if (!entero && ancho > 0 && fm.horizontalAdvance(t) > w) t = fm.elidedText(t, Qt::ElideRight, w);
        const double tw = fm.horizontalAdvance(t);
        double x0 = px(x);
        if (alineado & Qt::AlignHCenter) x0 += (w - tw) / 2;
        else if (alineado & Qt::AlignRight) x0 += w - tw;
        p_.setFont(f);
        p_.drawText(QPointF(x0, px(y) + fm.ascent()), t);
        if (observador()) observador()(pagina, x0 / k_, y, t.toStdString());
    }

    void pluma(const QColor& c, double mm) {
        QPen pen(c);
        pen.setWidthF(px(mm));
        pen.setCapStyle(Qt::FlatCap);
        p_.setPen(pen);
    }

    QPainter& p() { return p_; }
    int pagina = 1;

private:
    QPainter& p_;
    double k_;
};

// Color del símbolo de una fila según el modo: negro, o blanco sobre los colores oscuros.
bool en_blanco(const TrabajoCuadernillo& t, Color c) {
    return t.op.modo == ModoCuadernillo::kAmbos && simbolo_en_blanco(c);
}

// El símbolo de cada fila de la leyenda, ya convertido en glifos de la letra y centrado en una
// celda del lado dado (en unidades del dispositivo).
struct GlifosSimbolo {
    int tamano = 0;  // tamaño de la letra, para agrupar
    bool blanco = false;  // en_blanco de su color, calculado una vez
    bool blanco_sombra = false;  // lo mismo bajo la sombra del solape
    QVector<quint32> indices;
    QVector<QPointF> posiciones;  // desde la esquina de la celda
};

class Simbolos {
public:
    Simbolos(const TrabajoCuadernillo& t, double lado, Hoja& h) : lado_(lado), h_(h) {
        const int base = std::max(1, static_cast<int>(std::lround(lado * kEmSimbolo)));
        for (const FilaLeyenda& f : t.leyenda) {
            glifos_.push_back(preparar(q(f.simbolo), base));
            glifos_.back().blanco = en_blanco(t, f.color);
            glifos_.back().blanco_sombra = en_blanco(t, sombreado(f.color));
        }
    }
    const GlifosSimbolo& de(std::size_t fila) const { return glifos_[fila]; }
    const QRawFont& fuente(int tamano) { return fuente_de(tamano); }

private:
    const QRawFont& fuente_de(int tamano) {
        auto it = fuentes_.find(tamano);
        if (it != fuentes_.end()) return it->second;
        QFont f = h_.letra(1);
        f.setPixelSize(tamano);
        f.setStyleStrategy(QFont::NoFontMerging);
        return fuentes_.emplace(tamano, QRawFont::fromFont(f)).first->second;
    }

    // Encoge la letra hasta que el dibujo quepa en la celda y lo centra.
    GlifosSimbolo preparar(const QString& s, int tamano) {
        GlifosSimbolo g;
        for (int intento = 0; intento < 4; ++intento) {
            const QRawFont& r = fuente_de(tamano);
            g.tamano = tamano;
            g.indices = r.glyphIndexesForString(s);
            const QVector<QPointF> avances = r.advancesForGlyphIndexes(g.indices);
            QRectF dibujo;
            QPointF pluma(0, 0);
            g.posiciones.clear();
            for (qsizetype i = 0; i < g.indices.size(); ++i) {
                g.posiciones.append(pluma);
                dibujo |= r.boundingRect(g.indices[i]).translated(pluma);
                pluma += avances.value(i);
            }
            const double mayor = std::max(dibujo.width(), dibujo.height());
            if (mayor > lado_ * kDibujoMaximo && mayor > 0 && intento < 3) {
                tamano = std::max(1, static_cast<int>(tamano * lado_ * kDibujoMaximo / mayor));
                continue;
            }
            const QPointF d((lado_ - dibujo.width()) / 2 - dibujo.x(), (lado_ - dibujo.height()) / 2 - dibujo.y());
            for (QPointF& p : g.posiciones) p += d;
            break;
        }
        return g;
    }

    double lado_;
    Hoja& h_;
    std::map<int, QRawFont> fuentes_;
    std::vector<GlifosSimbolo> glifos_;
};

QColor color_q(Color c) { return QColor::fromRgb(a_qrgb(c)); }

void cabecera(Hoja& h, const TrabajoCuadernillo& t, const std::string& izquierda) {
    const MaquetaCuadernillo& m = t.maqueta;
    const QFont f = h.letra(geo::kLetraTexto);
    h.p().setPen(Qt::black);
    h.texto(0, 0, m.ancho * 0.48, izquierda, f);
    h.texto(m.ancho * 0.7, 0, m.ancho * 0.3, texto_pagina(h.pagina, m.total_paginas), f, Qt::AlignRight);
}

void pie(Hoja& h, const TrabajoCuadernillo& t) {
    const MaquetaCuadernillo& m = t.maqueta;
    h.p().setPen(QColor(90, 90, 90));
    h.texto(0, m.alto - geo::kPie + 1.2, m.ancho, t.titulo, h.letra(geo::kLetraNumeros), Qt::AlignHCenter);
}

// Triángulo relleno con la punta en (x, y) y la base hacia (dx, dy), en mm.
void triangulo(Hoja& h, double x, double y, double dx, double dy) {
    const double a = geo::kMarca * 0.8;
    const QPointF punta = h.punto(x, y);
    QPointF b1, b2;
    if (dx != 0) {
        b1 = h.punto(x + dx * a, y - a / 2);
        b2 = h.punto(x + dx * a, y + a / 2);
    } else {
        b1 = h.punto(x - a / 2, y + dy * a);
        b2 = h.punto(x + a / 2, y + dy * a);
    }
    const QPointF puntos[3] = {punta, b1, b2};
    h.p().setPen(Qt::NoPen);
    h.p().setBrush(Qt::black);
    h.p().drawPolygon(puntos, 3);
    h.p().setBrush(Qt::NoBrush);
}

// ------------------------------------------------------------------------------ portada

QImage imagen_tapiz(const TrabajoCuadernillo& t) {
    const Rango& r = t.tapiz;
    QImage img(r.columnas(), r.filas(), QImage::Format_RGB32);
    for (int y = r.y1; y <= r.y2; ++y) {
        QRgb* fila = reinterpret_cast<QRgb*>(img.scanLine(y - r.y1));
        for (int x = r.x1; x <= r.x2; ++x) fila[x - r.x1] = a_qrgb(t.estado->punto(x, y).color);
    }
    const int factor = std::max(1, kLadoImagenPortada / std::max(r.columnas(), r.filas()));
    if (factor == 1) return img;
    return img.scaled(img.width() * factor, img.height() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void mapa_paginas(Hoja& h, const TrabajoCuadernillo& t, double x, double y, double w, double alto) {
    const Rango& r = t.tapiz;
    const double escala = std::min(w / r.columnas(), alto / r.filas());
    const double x0 = x + (w - escala * r.columnas()) / 2;
    h.p().setBrush(Qt::NoBrush);
    // Con la tanda en blanco y negro, cada página lleva sus dos números: "2 / 8".
    std::vector<int> en_bn;
    for (const PaginaGrafico& g : t.maqueta.graficos)
        if (g.blanco_y_negro) en_bn.push_back(g.numero);
    std::size_t k = 0;
    for (const PaginaGrafico& g : t.maqueta.graficos) {
        if (g.blanco_y_negro) continue;
        const std::string numero = std::to_string(g.numero) + (k < en_bn.size() ? " / " + std::to_string(en_bn[k]) : "");
        ++k;
        const double gx = x0 + (g.r.x1 - r.x1) * escala, gy = y + (g.r.y1 - r.y1) * escala;
        const double gw = g.r.columnas() * escala, gh = g.r.filas() * escala;
        if (g.solape_x > 0) h.p().fillRect(h.caja(gx, gy, g.solape_x * escala, gh), kSombraSolape);
        if (g.solape_y > 0) h.p().fillRect(h.caja(gx, gy, gw, g.solape_y * escala), kSombraSolape);
        h.pluma(Qt::black, kLineaMapa);
        h.p().drawRect(h.caja(gx, gy, gw, gh));
        const double letra = std::clamp(std::min(gw, gh) * 0.35, 2.0, 8.0);
        const QFont f = h.letra(letra);
        h.p().setPen(Qt::black);
        h.texto(gx, gy + (gh - letra * 1.16) / 2, gw, numero, f, Qt::AlignHCenter);
    }
}

void portada(Hoja& h, const TrabajoCuadernillo& t) {
    const MaquetaCuadernillo& m = t.maqueta;
    const Rango& r = t.tapiz;
    QPainter& p = h.p();
    double y = 0;
    p.setPen(Qt::black);
    h.texto(0, y, m.ancho, t.titulo, h.letra(kLetraTitulo), Qt::AlignHCenter);
    y += kLetraTitulo * 1.6;

    // El gráfico en sus colores, un cuadrado por punto.
    const double alto_imagen = m.alto * 0.40;
    const double escala = std::min(m.ancho / r.columnas(), alto_imagen / r.filas());
    const double iw = escala * r.columnas(), ih = escala * r.filas();
    const QRectF destino = h.caja((m.ancho - iw) / 2, y, iw, ih);
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.setRenderHint(QPainter::LosslessImageRendering, true);
    p.drawImage(destino, imagen_tapiz(t));
    p.restore();
    h.pluma(Qt::black, kLineaMapa);
    p.setBrush(Qt::NoBrush);
    p.drawRect(destino);
    y += ih + 5;

    // Tamaño, colores y tamaño bordado.
    const QFont f = h.letra(kLetraPortada);
    p.setPen(Qt::black);
    for (const std::string& linea : {texto_puntos(r.columnas(), r.filas()),
                                     texto_colores(static_cast<int>(t.leyenda.size())),
                                     texto_tamano(r.columnas(), r.filas(), t.op.tela),
                                     "Hilos " + t.catalogo + ", " + std::to_string(t.op.hebras) +
                                         (t.op.hebras == 1 ? " hebra" : " hebras"),
                                     texto_centro(r)}) {
        h.texto(0, y, m.ancho, linea, f, Qt::AlignHCenter);
        y += kLetraPortada * 1.5;
    }
    // La tabla de los otros tamaños de tela.
    const QFont ft = h.letra(kLetraTabla);
    // La tabla de las telas: el tamaño bordado de las otras y la tela a cortar de todas.
    const double columna = 48, x0 = (m.ancho - 3 * columna) / 2;
    y += 1;
    h.texto(x0, y, columna, "Tela (puntos por pulgada)", h.letra(kLetraTabla));
    h.texto(x0 + columna, y, columna, "Tamaño bordado", h.letra(kLetraTabla), Qt::AlignRight);
    h.texto(x0 + 2 * columna, y, columna, "Tela a cortar", h.letra(kLetraTabla), Qt::AlignRight);
    y += kLetraTabla * 1.45;
    std::vector<int> telas(std::begin(kTelasPortada), std::end(kTelasPortada));
    if (std::find(telas.begin(), telas.end(), t.op.tela) == telas.end()) {
        telas.push_back(t.op.tela);
        std::sort(telas.begin(), telas.end());
    }
    for (int tela : telas) {
        h.texto(x0, y, columna, std::to_string(tela), ft);
        h.texto(x0 + columna, y, columna, tamano_bordado(r.columnas(), r.filas(), tela), ft, Qt::AlignRight);
        h.texto(x0 + 2 * columna, y, columna, tela_a_cortar(r.columnas(), r.filas(), tela, t.op.margen_tela_cm), ft,
                Qt::AlignRight);
        y += kLetraTabla * 1.45;
    }
    h.texto(x0, y, 3 * columna,
            "Tela a cortar: el tamaño bordado y " + std::to_string(t.op.margen_tela_cm) + " cm más por cada lado.", ft);
    y += kLetraTabla * 1.45 + 3;

    // El mapa de páginas.
    const bool con_bn = !m.graficos.empty() && m.graficos.back().blanco_y_negro;
    h.texto(0, y, m.ancho, con_bn ? "Páginas del gráfico (en color / en blanco y negro)" : "Páginas del gráfico",
            h.letra(kLetraTabla), Qt::AlignHCenter);
    y += kLetraTabla * 1.6;
    const double alto_mapa = m.alto - geo::kPie - y - 2;
    if (alto_mapa > 5) mapa_paginas(h, t, 0, y, m.ancho, alto_mapa);
}

// ------------------------------------------------------------------------------ gráfico

// El mapa de páginas en pequeño en la cabecera de una página del gráfico, con ella rellena (y
// los números de su tanda, en color o en blanco y negro, si caben).
void mapa_pequeno(Hoja& h, const TrabajoCuadernillo& t, const PaginaGrafico& g, double x, double y, double w,
                  double alto) {
    const MaquetaCuadernillo& m = t.maqueta;
    if (m.columnas_mapa < 1 || m.filas_mapa < 1) return;
    const double lado = std::min(w / m.columnas_mapa, alto / m.filas_mapa);
    const double x0 = x + (w - lado * m.columnas_mapa) / 2;
    const double letra = lado * 0.55;
    for (const PaginaGrafico& o : m.graficos) {
        if (o.blanco_y_negro != g.blanco_y_negro) continue;
        const QRectF caja = h.caja(x0 + o.columna * lado, y + o.fila * lado, lado, lado);
        const bool esta = o.numero == g.numero;
        h.p().setBrush(esta ? QColor(Qt::black) : QColor(Qt::white));
        h.pluma(Qt::black, kLineaMapa * 0.6);
        h.p().drawRect(caja);
        if (letra >= 1.6) {
            h.p().setPen(esta ? Qt::white : Qt::black);
            h.texto(x0 + o.columna * lado, y + o.fila * lado + (lado - letra * 1.16) / 2, lado, std::to_string(o.numero),
                    h.letra(letra), Qt::AlignHCenter);
        }
    }
    h.p().setBrush(Qt::NoBrush);
}

void pagina_grafico(Hoja& h, const TrabajoCuadernillo& t, const PaginaGrafico& g, Simbolos& sim) {
    const MaquetaCuadernillo& m = t.maqueta;
    QPainter& p = h.p();
    const Estado& e = *t.estado;
    const double c = m.celda;
    const int cols = g.r.columnas(), filas = g.r.filas();
    // Las páginas en blanco y negro: sólo los símbolos, negros sobre blanco.
    const bool con_color = t.op.modo != ModoCuadernillo::kSimbolos && !g.blanco_y_negro;
    const bool con_simbolos = t.op.modo != ModoCuadernillo::kColor || g.blanco_y_negro;
    // La rejilla de una página más estrecha que las demás, centrada.
    const double izquierda = m.rejilla_x + (m.columnas - cols) * c / 2;
    auto X = [&](int columna) { return izquierda + (columna - g.r.x1) * c; };  // borde izquierdo
    auto Y = [&](int fila) { return m.rejilla_y + (fila - g.r.y1) * c; };
    const double derecha = X(g.r.x2 + 1), abajo = Y(g.r.y2 + 1);

    // Colores: los tramos seguidos de un mismo color, agrupados por color.
    if (con_color) {
        std::unordered_map<QRgb, QVector<QRectF>> tramos;
        for (int y = g.r.y1; y <= g.r.y2; ++y) {
            int x = g.r.x1;
            while (x <= g.r.x2) {
                const Color col = e.punto(x, y).color;
                int fin = x;
                while (fin + 1 <= g.r.x2 && e.punto(fin + 1, y).color == col) ++fin;
                tramos[a_qrgb(col)].append(h.caja(X(x), Y(y), (fin - x + 1) * c, c));
                x = fin + 1;
            }
        }
        p.setPen(Qt::NoPen);
        for (const auto& [rgb, rects] : tramos) {
            p.setBrush(QColor::fromRgb(rgb));
            p.drawRects(rects);
        }
        p.setBrush(Qt::NoBrush);
    }
    // Lo repetido de la página anterior, sombreado.
    if (g.solape_x > 0) p.fillRect(h.caja(X(g.r.x1), Y(g.r.y1), g.solape_x * c, filas * c), kSombraSolape);
    // La esquina de las dos franjas, una sola vez: la misma sombra en todo lo repetido.
    if (g.solape_y > 0)
        p.fillRect(h.caja(X(g.r.x1 + g.solape_x), Y(g.r.y1), (cols - g.solape_x) * c, g.solape_y * c), kSombraSolape);

    // Los símbolos, como texto: cada fila de izquierda a derecha, en tiradas de glifos del mismo
    // color de letra y tamaño, así el texto del PDF sigue el orden de la rejilla.
    if (con_simbolos) {
        const bool ver = static_cast<bool>(observador());
        QVector<quint32> indices;
        QVector<QPointF> posiciones;
        std::pair<bool, int> actual{false, -1};
        auto soltar = [&] {
            if (indices.isEmpty()) return;
            QGlyphRun run;
            run.setRawFont(sim.fuente(actual.second));
            run.setGlyphIndexes(indices);
            run.setPositions(posiciones);
            p.setPen(actual.first ? Qt::white : Qt::black);
            p.drawGlyphRun(QPointF(0, 0), run);
            indices.clear();
            posiciones.clear();
        };
        for (int y = g.r.y1; y <= g.r.y2; ++y) {
            for (int x = g.r.x1; x <= g.r.x2; ++x) {
                // Una celda con parciales lleva sus símbolos pequeños, no el de una cruz.
                if (t.puntadas && t.puntadas->celda_con_parcial(t, x, y)) continue;
                const std::size_t f = t.fila(x, y);
                const GlifosSimbolo& gl = sim.de(f);
                const bool sombra = x < g.r.x1 + g.solape_x || y < g.r.y1 + g.solape_y;
                const std::pair<bool, int> clase{(sombra ? gl.blanco_sombra : gl.blanco) && con_color, gl.tamano};
                if (clase != actual) {
                    soltar();
                    actual = clase;
                }
                const QPointF esquina = h.punto(X(x), Y(y));
                indices += gl.indices;
                for (const QPointF& d : gl.posiciones) posiciones.append(esquina + d);
                if (ver) observador()(h.pagina, X(x), Y(y), t.leyenda[f].simbolo);
            }
            soltar();
        }
    }

    const RejillaCuadernillo rejilla{g.r, h.punto(X(g.r.x1), Y(g.r.y1)), h.px(c), h.px(1)};
    dibujar_parciales_cuadernillo(p, t, rejilla);

    // La rejilla: líneas finas entre puntos y gruesas cada diez puntos del tapiz. Cada tramo
    // entre dos celdas va en negro o en blanco según sus colores (tramo_rejilla); un tramo grueso
    // entre una celda oscura y una clara lleva un filo blanco del lado de la oscura. Cada línea
    // va entera en negro y encima, del mismo grueso, sus tramos blancos seguidos en una sola
    // línea: el PDF lleva sólo lo que cambia.
    auto celda = [&](int x, int y) -> Color {
        if (!con_color || x < g.r.x1 || x > g.r.x2 || y < g.r.y1 || y > g.r.y2) return kBlanco;
        const Color col = e.punto(x, y).color;
        return x < g.r.x1 + g.solape_x || y < g.r.y1 + g.solape_y ? sombreado(col) : col;
    };
    enum Clase { kNegra, kBlanca, kFiloAntes, kFiloDespues };
    QVector<QLineF> lineas[2][2];  // [gruesa][blanca]
    QVector<QLineF> filos;
    const double aparte = kLineaGruesa / 2 + kFiloRejilla / 2;
    auto clase = [&](Color antes, Color despues, bool gruesa) {
        switch (tramo_rejilla(antes, despues)) {
            case TramoRejilla::kNegro: return kNegra;
            case TramoRejilla::kBlanco: return kBlanca;
            default: break;
        }
        if (!gruesa) return kNegra;
        return luminancia(antes) < luminancia(despues) ? kFiloAntes : kFiloDespues;
    };
    // Una línea de la rejilla: `tramo(i)` da los colores a cada lado del tramo i (de 0 a n - 1)
    // y `linea(a, b, d)` la línea de los tramos a..b desplazada d mm hacia "después".
    auto trazar = [&](bool gruesa, int n, auto&& tramo, auto&& linea) {
        int inicio = 0;
        Clase anterior = kNegra;
        lineas[gruesa][0].append(linea(0, n, 0.0));
        auto soltar = [&](int fin) {
            if (anterior == kBlanca) lineas[gruesa][1].append(linea(inicio, fin, 0.0));
            if (anterior == kFiloAntes) filos.append(linea(inicio, fin, -aparte));
            if (anterior == kFiloDespues) filos.append(linea(inicio, fin, aparte));
        };
        for (int i = 0; i < n; ++i) {
            const auto [antes, despues] = tramo(i);
            const Clase k = clase(antes, despues, gruesa);
            if (i > 0 && k != anterior) {
                soltar(i);
                inicio = i;
            }
            anterior = k;
        }
        soltar(n);
    };
    for (int col = g.r.x1 - 1; col <= g.r.x2; ++col) {
        const double x = X(col + 1);
        trazar(
            col % 10 == 0, filas, [&](int i) { return std::pair{celda(col, g.r.y1 + i), celda(col + 1, g.r.y1 + i)}; },
            [&](int a, int b, double d) { return QLineF(h.punto(x + d, Y(g.r.y1 + a)), h.punto(x + d, Y(g.r.y1 + b))); });
    }
    for (int fila = g.r.y1 - 1; fila <= g.r.y2; ++fila) {
        const double y = Y(fila + 1);
        trazar(
            fila % 10 == 0, cols, [&](int i) { return std::pair{celda(g.r.x1 + i, fila), celda(g.r.x1 + i, fila + 1)}; },
            [&](int a, int b, double d) { return QLineF(h.punto(X(g.r.x1 + a), y + d), h.punto(X(g.r.x1 + b), y + d)); });
    }
    for (const bool gruesa : {false, true})
        for (const bool blanca : {false, true}) {
            h.pluma(blanca ? Qt::white : Qt::black, gruesa ? kLineaGruesa : kLineaFina);
            p.drawLines(lineas[gruesa][blanca]);
        }
    h.pluma(Qt::white, kFiloRejilla);
    p.drawLines(filos);

    // El borde de lo repetido: blanco debajo y negro discontinuo encima, se ve sobre cualquier color.
    QVector<QLineF> bordes_solape;
    if (g.solape_x > 0) bordes_solape.append(QLineF(h.punto(X(g.r.x1 + g.solape_x), Y(g.r.y1)), h.punto(X(g.r.x1 + g.solape_x), abajo)));
    if (g.solape_y > 0) bordes_solape.append(QLineF(h.punto(X(g.r.x1), Y(g.r.y1 + g.solape_y)), h.punto(derecha, Y(g.r.y1 + g.solape_y))));
    if (!bordes_solape.isEmpty()) {
        h.pluma(Qt::white, kLineaSolape);
        p.drawLines(bordes_solape);
        QPen trazo(Qt::black);
        trazo.setWidthF(h.px(kLineaSolape));
        trazo.setCapStyle(Qt::FlatCap);
        trazo.setDashPattern({4, 3});  // en anchos de la línea
        p.setPen(trazo);
        p.drawLines(bordes_solape);
    }

    // El perfilado, encima de todo, en su color y con su filo blanco.
    std::unordered_map<QRgb, QVector<QLineF>> perfiles;
    for (int y = g.r.y1; y <= g.r.y2; ++y)
        for (int x = g.r.x1; x <= g.r.x2; ++x) {
            const Punto& pt = e.punto(x, y);
            for (int lado = 1; lado <= 4; ++lado) {
                const Color pc = pt.lado(lado);
                if (pc == kSinPerfil) continue;
                const double x0 = X(x), y0 = Y(y), x1 = x0 + c, y1 = y0 + c;
                QLineF l;
                switch (lado) {
                    case kArriba: l = QLineF(h.punto(x0, y0), h.punto(x1, y0)); break;
                    case kDerecha: l = QLineF(h.punto(x1, y0), h.punto(x1, y1)); break;
                    case kAbajo: l = QLineF(h.punto(x0, y1), h.punto(x1, y1)); break;
                    default: l = QLineF(h.punto(x0, y0), h.punto(x0, y1)); break;
                }
                perfiles[a_qrgb(pc)].append(l);
            }
        }
    for (const auto& [rgb, lineas_hilo] : perfiles)
        dibujar_lineas_hilo(p, lineas_hilo, QColor::fromRgb(rgb), h.px(kLineaPerfil), h.px(kFiloPerfil));
    dibujar_lineas_cuadernillo(p, t, rejilla);

    // Números de columna (10, 20...) encima de su columna y de fila a la izquierda de la suya.
    const QFont fn = h.letra(geo::kLetraNumeros);
    const double alto_numero = geo::kLetraNumeros * 1.16;
    p.setPen(Qt::black);
    const double arriba_numeros = m.rejilla_y - geo::kMarca - geo::kNumerosColumna;
    for (int col = g.r.x1; col <= g.r.x2; ++col)
        if (col % 10 == 0)
            h.texto(X(col) + c / 2 - 5, arriba_numeros + (geo::kNumerosColumna - alto_numero) / 2, 10,
                    std::to_string(col), fn, Qt::AlignHCenter);
    for (int fila = g.r.y1; fila <= g.r.y2; ++fila)
        if (fila % 10 == 0)
            h.texto(izquierda - geo::kMarca - geo::kNumerosFila, Y(fila) + (c - alto_numero) / 2,
                    geo::kNumerosFila - 0.8, std::to_string(fila), fn, Qt::AlignRight);

    // Las marcas del centro del tapiz, en los bordes donde cae.
    const double centro_x = (t.tapiz.x1 - 1) + t.tapiz.columnas() / 2.0;
    const double centro_y = (t.tapiz.y1 - 1) + t.tapiz.filas() / 2.0;
    if (centro_x >= g.r.x1 - 1 && centro_x <= g.r.x2) {
        const double x = izquierda + (centro_x - (g.r.x1 - 1)) * c;
        triangulo(h, x, m.rejilla_y - 0.3, 0, -1);
        triangulo(h, x, abajo + 0.3, 0, 1);
    }
    if (centro_y >= g.r.y1 - 1 && centro_y <= g.r.y2) {
        const double y = m.rejilla_y + (centro_y - (g.r.y1 - 1)) * c;
        triangulo(h, izquierda - 0.3, y, -1, 0);
        triangulo(h, derecha + 0.3, y, 1, 0);
    }

    cabecera(h, t, texto_rango(g.r) + (g.blanco_y_negro ? " (blanco y negro)" : ""));
    mapa_pequeno(h, t, g, m.ancho * 0.5, 0, m.ancho * 0.2, geo::kCabecera - 1.0);
    pie(h, t);
}

// ------------------------------------------------------------------------------ leyenda

// Las columnas de una fila de la leyenda, en mm desde el borde de su columna: la muestra, los
// hilos de las dos marcas (de ancho para "255,255,255"), las hebras, los puntos (o el largo de
// una línea) y las madejas.
struct ColumnasLeyenda {
    double muestra = 1, numero = 8, ancho_numero = 22, equivalente = 31, ancho_equivalente = 20;
    double hebras = 51, ancho_hebras = 11, puntos = 63, ancho_puntos = 16, madejas = 80, ancho_madejas = 12;
    double parciales = 0, ancho_parciales = 0;  // sólo con parciales en el patrón
};
// Letra de los nombres de las columnas.
constexpr double kLetraColumnas = 2.7;

// Las columnas de la leyenda: con parciales, una más para ellos (los hilos, más estrechos).
ColumnasLeyenda columnas_leyenda(const TrabajoCuadernillo& t) {
    ColumnasLeyenda c;
    if (!t.puntadas || t.puntadas->parciales.empty()) return c;
    c.ancho_numero = 16, c.equivalente = 25, c.ancho_equivalente = 14;
    c.hebras = 39, c.ancho_hebras = 11, c.puntos = 51, c.ancho_puntos = 12;
    c.parciales = 64, c.ancho_parciales = 15;
    return c;
}

void muestra(Hoja& h, const TrabajoCuadernillo& t, double x, double y, Color c, const std::string& simbolo) {
    QPainter& p = h.p();
    const QRectF caja = h.caja(x, y, kMuestra, kMuestra);
    p.setBrush(t.op.modo == ModoCuadernillo::kSimbolos ? QColor(Qt::white) : color_q(c));
    h.pluma(Qt::black, kLineaFina);
    p.drawRect(caja);
    p.setBrush(Qt::NoBrush);
    if (t.op.modo == ModoCuadernillo::kColor) return;
    QFont f = h.letra(simbolo.size() > 4 ? kMuestra * 0.5 : kMuestra * 0.7);
    f.setStyleStrategy(QFont::NoFontMerging);
    p.setPen(en_blanco(t, c) ? Qt::white : Qt::black);
    const QFontMetricsF fm(f);
    const QRectF dibujo = fm.tightBoundingRect(q(simbolo));
    p.setFont(f);
    p.drawText(QPointF(caja.center().x() - dibujo.center().x(), caja.center().y() - dibujo.center().y()), q(simbolo));
}

// Una fila de una sección de líneas: un trozo de la línea en su color, como en el gráfico, los
// hilos, las hebras, el largo en la tela y las madejas.
void fila_linea(Hoja& h, const ColumnasLeyenda& col, double x, double y, double yt, const FilaLinea& fl,
                const QFont& f) {
    const double medio = y + 0.6 + kMuestra / 2;
    dibujar_lineas_hilo(h.p(), {QLineF(h.punto(x + col.muestra + 0.5, medio), h.punto(x + col.muestra + kMuestra - 0.5, medio))},
                        color_q(fl.color), h.px(kLineaPerfil), h.px(kFiloPerfil));
    h.p().setPen(Qt::black);
    h.texto(x + col.numero, yt, col.ancho_numero, fl.numero, f, Qt::AlignLeft, true);
    h.texto(x + col.equivalente, yt, col.ancho_equivalente, fl.equivalente, f, Qt::AlignLeft, true);
    h.texto(x + col.hebras, yt, col.ancho_hebras, std::to_string(fl.hebras), f, Qt::AlignRight);
    h.texto(x + col.puntos, yt, col.ancho_puntos, texto_metros(fl.largo_mm), f, Qt::AlignRight);
    h.texto(x + col.madejas, yt, col.ancho_madejas, std::to_string(fl.madejas), f, Qt::AlignRight);
}

// Lo que va en una línea de la leyenda: un color, el total, el título de una sección de líneas o
// una de sus filas.
struct LineaLeyenda {
    enum { kColor, kTotal, kTitulo, kFila, kPuntadas } clase = kColor;
    std::size_t indice = 0, fila = 0;
};

std::vector<LineaLeyenda> lineas_de_leyenda(const TrabajoCuadernillo& t) {
    std::vector<LineaLeyenda> v;
    for (std::size_t i = 0; i < t.leyenda.size(); ++i) v.push_back({LineaLeyenda::kColor, i, 0});
    v.push_back({LineaLeyenda::kTotal, 0, 0});
    for (std::size_t s = 0; s < t.secciones.size(); ++s) {
        if (t.secciones[s].filas.empty()) continue;
        v.push_back({LineaLeyenda::kTitulo, s, 0});
        for (std::size_t i = 0; i < t.secciones[s].filas.size(); ++i) v.push_back({LineaLeyenda::kFila, s, i});
    }
    // Los nudos, detrás (cuadernillo_puntadas).
    if (t.puntadas)
        for (int i = 0; i < t.puntadas->lineas(); ++i) v.push_back({LineaLeyenda::kPuntadas, 0, static_cast<std::size_t>(i)});
    return v;
}

void pagina_leyenda(Hoja& h, const TrabajoCuadernillo& t, int pagina_leyenda) {
    using namespace geo;
    const MaquetaCuadernillo& m = t.maqueta;
    QPainter& p = h.p();
    const ColumnasLeyenda col = columnas_leyenda(t);
    const double ancho_columna = m.ancho / m.columnas_leyenda;
    const QFont f = h.letra(kLetraLeyenda), fc = h.letra(kLetraColumnas);
    p.setPen(Qt::black);
    cabecera(h, t, "Leyenda");
    h.texto(0, kCabecera, m.ancho,
            "Tela de " + std::to_string(t.op.tela) + " puntos por pulgada. Una madeja: 8 m de algodón de seis cabos.", f);
    const std::vector<LineaLeyenda> lineas = lineas_de_leyenda(t);
    const int por_pagina = m.columnas_leyenda * m.filas_leyenda;
    const int primera = pagina_leyenda * por_pagina;
    const double arriba = kCabecera + kEncabezadoLeyenda;
    const int total_lineas = std::min<int>(m.lineas_leyenda, static_cast<int>(lineas.size()));
    for (int c = 0; c < m.columnas_leyenda; ++c) {
        if (primera + c * m.filas_leyenda >= total_lineas) break;
        const double x = c * ancho_columna;
        const double yt = arriba - kFilaLeyenda + 1.4;
        h.texto(x + col.numero, yt, col.ancho_numero, t.catalogo, fc);
        h.texto(x + col.equivalente, yt, col.ancho_equivalente, t.otro, fc);
        h.texto(x + col.hebras, yt, col.ancho_hebras, "Hebras", fc, Qt::AlignRight);
        h.texto(x + col.puntos, yt, col.ancho_puntos, "Puntos", fc, Qt::AlignRight);
        h.texto(x + col.madejas, yt, col.ancho_madejas, "Madejas", fc, Qt::AlignRight);
        if (col.ancho_parciales > 0) h.texto(x + col.parciales, yt, col.ancho_parciales, "Parciales", fc, Qt::AlignRight);
        h.pluma(Qt::black, kLineaFina);
        p.drawLine(h.punto(x, arriba - 0.6), h.punto(x + col.madejas + col.ancho_madejas, arriba - 0.6));
        for (int r = 0; r < m.filas_leyenda; ++r) {
            const int linea = primera + c * m.filas_leyenda + r;
            if (linea >= total_lineas) break;
            const LineaLeyenda& l = lineas[static_cast<std::size_t>(linea)];
            const double y = arriba + r * kFilaLeyenda;
            const double yt2 = y + (kMuestra - kLetraLeyenda * 1.16) / 2 + 0.6;
            p.setPen(Qt::black);
            switch (l.clase) {
                case LineaLeyenda::kColor: {
                    const FilaLeyenda& fl = t.leyenda[l.indice];
                    muestra(h, t, x + col.muestra, y + 0.6, fl.color, fl.simbolo);
                    p.setPen(Qt::black);
                    h.texto(x + col.numero, yt2, col.ancho_numero, fl.numero, f, Qt::AlignLeft, true);
                    h.texto(x + col.equivalente, yt2, col.ancho_equivalente, fl.equivalente, f, Qt::AlignLeft, true);
                    h.texto(x + col.hebras, yt2, col.ancho_hebras, std::to_string(fl.hebras), f, Qt::AlignRight);
                    h.texto(x + col.puntos, yt2, col.ancho_puntos, std::to_string(fl.puntos), f, Qt::AlignRight);
                    if (col.ancho_parciales > 0)
                        h.texto(x + col.parciales, yt2, col.ancho_parciales,
                                std::to_string(t.puntadas->parciales[l.indice]), f, Qt::AlignRight);
                    h.texto(x + col.madejas, yt2, col.ancho_madejas, std::to_string(fl.madejas), f, Qt::AlignRight);
                    break;
                }
                case LineaLeyenda::kTotal:
                    h.texto(x + col.numero, yt2, col.ancho_numero, "Total", f);
                    h.texto(x + col.puntos, yt2, col.ancho_puntos, std::to_string(t.total_puntos), f, Qt::AlignRight);
                    h.texto(x + col.madejas, yt2, col.ancho_madejas, std::to_string(t.total_madejas), f, Qt::AlignRight);
                    break;
                case LineaLeyenda::kTitulo:
                    h.texto(x + col.muestra, yt2, col.puntos - col.muestra - 1, t.secciones[l.indice].titulo, f);
                    h.texto(x + col.puntos, yt2 + 0.5, col.ancho_puntos, "Largo", fc, Qt::AlignRight);
                    break;
                case LineaLeyenda::kFila:
                    fila_linea(h, col, x, y, yt2, t.secciones[l.indice].filas[l.fila], f);
                    break;
                case LineaLeyenda::kPuntadas: {
                    ColumnasPuntadas cp;
                    cp.muestra = col.muestra, cp.numero = col.numero, cp.ancho_numero = col.ancho_numero;
                    cp.equivalente = col.equivalente, cp.ancho_equivalente = col.ancho_equivalente;
                    cp.hebras = col.hebras, cp.ancho_hebras = col.ancho_hebras;
                    cp.puntos = col.puntos, cp.ancho_puntos = col.ancho_puntos, cp.lado_muestra = kMuestra;
                    fila_leyenda_puntadas(p, t, static_cast<int>(l.fila), x, y + 0.6, yt2, h.px(1), cp,
                                          [&](double x0, double y0, double ancho, const std::string& texto,
                                              bool columna, Qt::Alignment alineado) {
                                              p.setPen(Qt::black);
                                              h.texto(x0, y0, ancho, texto, columna ? fc : f, alineado);
                                          });
                    break;
                }
            }
        }
    }
    pie(h, t);
}

}  // namespace

QString familia_letra() {
    static const QString familia = [] {
        QFile f(QString::fromLatin1(kRecursoLetra));
        if (!f.open(QIODevice::ReadOnly)) return QString();
        const int id = QFontDatabase::addApplicationFontFromData(f.readAll());
        return id < 0 ? QString() : QFontDatabase::applicationFontFamilies(id).value(0);
    }();
    if (familia.isEmpty()) throw ErrorFichero("No se puede cargar la letra DejaVu Sans del programa.");
    return familia;
}

void preparar_pagina_cuadernillo(QPagedPaintDevice& d, const OpcionesCuadernillo& op) {
    d.setPageSize(QPageSize(op.carta ? QPageSize::Letter : QPageSize::A4));
    d.setPageOrientation(op.apaisado ? QPageLayout::Landscape : QPageLayout::Portrait);
    // Una impresora que no llega a 10 mm del borde se queda con su margen mínimo.
    QPageLayout l = d.pageLayout();
    l.setUnits(QPageLayout::Millimeter);
    const QMarginsF minimo = l.minimumMargins();
    const double m = kMargenCuadernilloMm;
    d.setPageMargins(QMarginsF(std::max(m, minimo.left()), std::max(m, minimo.top()), std::max(m, minimo.right()),
                               std::max(m, minimo.bottom())),
                     QPageLayout::Millimeter);
}

bool dibujar_cuadernillo(QPainter& p, QPagedPaintDevice& d, const TrabajoCuadernillo& t, const Avance& avance) {
    const MaquetaCuadernillo& m = t.maqueta;
    if (m.ancho <= 0 || m.alto <= 0) return true;
    // Unidades del dispositivo por mm; si el área del dispositivo es menor, se encoge todo.
    const double k = std::min({d.logicalDpiX() / kMmPorPulgada, d.width() / m.ancho, d.height() / m.alto});
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    Hoja h(p, k);
    Simbolos sim(t, h.px(m.celda), h);
    const int total = m.total_paginas;
    auto siguiente = [&](int hechas) {
        if (avance && !avance(hechas, total)) return false;
        d.newPage();
        ++h.pagina;
        return true;
    };
    portada(h, t);
    int hechas = 1;
    for (const PaginaGrafico& g : m.graficos) {
        if (!siguiente(hechas)) return false;
        pagina_grafico(h, t, g, sim);
        ++hechas;
    }
    for (int k2 = 0; k2 < m.paginas_leyenda; ++k2) {
        if (!siguiente(hechas)) return false;
        pagina_leyenda(h, t, k2);
        ++hechas;
    }
    return !avance || avance(hechas, total);
}

std::optional<std::string> cuadernillo_pdf(const TrabajoCuadernillo& t, const Avance& avance) {
    return pdf_en_memoria(
        kPuntosPorPulgadaPdf, t.titulo, [&](QPdfWriter& pdf) { preparar_pagina_cuadernillo(pdf, t.op); },
        [&](QPdfWriter& pdf) {
            QPainter p;
            if (!p.begin(&pdf)) throw ErrorFichero("No se puede empezar el PDF del patrón.");
            return dibujar_cuadernillo(p, pdf, t, avance);
        });
}

void observar_cuadernillo(ObservadorCuadernillo o) { observador() = std::move(o); }

}  // namespace pc
