#!/usr/bin/python3
"""El contraste de cada símbolo del cuadernillo, medido en el PDF con PyMuPDF.

Uso: contraste_cuadernillo.py PUNTOCRUZ-LOTE

Escribe un gráfico OXS de franjas de colores claros, medios y oscuros (negro, naranjas, azules,
una escala de grises) con un perfil negro, y hace con él dos cuadernillos: "ambos" con la tanda
en blanco y negro y "color" sin símbolos, con la misma maqueta. Cada símbolo del primero (su
color de letra, del texto del PDF) se compara con el color de su celda o de su muestra en el
segundo (el píxel del centro del carácter): el contraste debe ser de 4,5 o más. Las páginas en
blanco y negro sólo tienen negro sobre blanco.
"""
import os
import subprocess
import sys
import tempfile

import fitz

MM = 72 / 25.4
CONTRASTE_MINIMO = 4.5


def luminancia(rgb):
    def lineal(v):
        s = v / 255.0
        return s / 12.92 if s <= 0.04045 else ((s + 0.055) / 1.055) ** 2.4
    r, g, b = rgb
    return 0.2126 * lineal(r) + 0.7152 * lineal(g) + 0.0722 * lineal(b)


def contraste(a, b):
    la, lb = luminancia(a), luminancia(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def colores():
    # Los que dieron blanco a 2,7:1 (720, 721, 608), el negro del 310, azules, verdes, grises.
    v = [(229, 92, 31), (242, 120, 66), (253, 93, 53), (0, 0, 0), (255, 255, 255), (30, 30, 90),
         (0, 0, 255), (0, 128, 0), (200, 0, 0), (255, 255, 0), (0, 160, 160), (128, 0, 128)]
    v += [(g, g, g) for g in range(10, 250, 16)]
    v += [(g, 255 - g, (g * 3) % 256) for g in range(0, 256, 23)]
    return v


def escribir_oxs(ruta, ancho, alto):
    cs = colores()
    lineas = ['<?xml version="1.0" encoding="UTF-8"?>', "<chart>",
              '<properties chartwidth="%d" chartheight="%d"/>' % (ancho, alto), "<palette>",
              '<palette_item index="0" number="cloth" name="cloth" color="FFFFFF"/>']
    for i, (r, g, b) in enumerate(cs):
        lineas.append('<palette_item index="%d" number="RGB %02X%02X%02X" color="%02X%02X%02X"/>'
                      % (i + 1, r, g, b, r, g, b))
    lineas.append("</palette><fullstitches>")
    for y in range(alto):
        for x in range(ancho):
            lineas.append('<stitch x="%d" y="%d" palindex="%d"/>' % (x, y, 1 + (x // 3 + y // 7) % len(cs)))
    lineas.append("</fullstitches><backstitches>")
    for x in range(10, 40):
        lineas.append('<backstitch x1="%d" y1="20" x2="%d" y2="20" palindex="4" objecttype="backstitch"/>'
                      % (x, x + 1))
    lineas.append("</backstitches></chart>")
    with open(ruta, "w", encoding="utf-8") as f:
        f.write("\n".join(lineas))


def cuadernillo(lote, entrada, salida, *opciones):
    r = subprocess.run([lote, "patron", entrada, "-o", salida] + list(opciones), capture_output=True, text=True)
    if r.returncode != 0:
        sys.exit("puntocruz-lote falló: " + r.stdout + r.stderr)


def rgb_entero(c):
    return ((c >> 16) & 255, (c >> 8) & 255, c & 255)


def caracteres(pagina):
    """Cada carácter suelto (un símbolo es un glifo aparte) con su color y el centro de su caja."""
    for bloque in pagina.get_text("rawdict")["blocks"]:
        for linea in bloque.get("lines", []):
            for span in linea["spans"]:
                for ch in span["chars"]:
                    x0, y0, x1, y1 = ch["bbox"]
                    yield ch["c"], rgb_entero(span["color"]), ((x0 + x1) / 2, (y0 + y1) / 2), len(span["chars"])


def main():
    lote = sys.argv[1]
    with tempfile.TemporaryDirectory() as d:
        entrada = os.path.join(d, "franjas.oxs")
        escribir_oxs(entrada, 100, 90)
        ambos, color = os.path.join(d, "ambos.pdf"), os.path.join(d, "color.pdf")
        cuadernillo(lote, entrada, ambos, "--tambien-bn")
        cuadernillo(lote, entrada, color, "--modo", "color")
        da, dc = fitz.open(ambos), fitz.open(color)
        graficos = [i for i in range(len(dc)) if "Columnas" in dc[i].get_text()]
        leyendas = [i for i in range(len(dc)) if "Leyenda" in dc[i].get_text() and "Madejas" in dc[i].get_text()]
        # Las páginas del gráfico del primero que no están en el segundo: la tanda en blanco y negro.
        bn = [i for i in range(len(da)) if "Columnas" in da[i].get_text() and i > max(graficos)]
        assert graficos and leyendas, "faltan páginas"
        assert len(bn) == len(graficos), "la tanda en blanco y negro no repite las páginas del gráfico"
        # La leyenda del PDF con la tanda va detrás de ella.
        desfase = len(bn)
        ancho_pagina = da[0].rect.width / MM
        medidos, peores = 0, []
        for i in graficos + leyendas:
            pa = da[i + (desfase if i in leyendas else 0)]
            fondo = dc[i].get_pixmap(dpi=150)
            k = 150 / 72.0
            for c, letra, (cx, cy), n in caracteres(pa):
                if not c.strip():
                    continue  # los blancos que el lector pone entre glifos
                x_mm, y_mm = cx / MM - 10, cy / MM - 10  # en el área, sin el margen
                if i in graficos:
                    # Entre la cabecera y el pie, y ninguna cifra (son los números de filas y columnas).
                    if y_mm < 13.8 or y_mm > 297 - 20 - 7.5 or c.isdigit():
                        continue
                else:
                    # La muestra de cada fila (un carácter suelto al principio de cada columna).
                    columna = (ancho_pagina - 20) / 2
                    if n != 1 or y_mm < 20 or not any(1 <= x_mm - k2 * columna <= 6 for k2 in (0, 1)):
                        continue
                fondo_rgb = fondo.pixel(int(cx * k), int(cy * k))[:3]
                medidos += 1
                r = contraste(letra, fondo_rgb)
                if r < CONTRASTE_MINIMO:
                    peores.append((round(r, 2), c, letra, fondo_rgb, i + 1, round(x_mm, 1), round(y_mm, 1)))
        assert medidos > 3000, "sólo %d símbolos medidos" % medidos
        if peores:
            sys.exit("%d símbolos con menos de 4,5:1, p. ej. %s" % (len(peores), sorted(peores)[:5]))
        # Las páginas en blanco y negro: letra negra y ningún píxel de color.
        for i in bn:
            for c, letra, (_, cy), _ in caracteres(da[i]):
                if 13.8 <= cy / MM - 10 <= 297 - 20 - 7.5 and c.strip() and not c.isdigit():
                    assert letra == (0, 0, 0), "símbolo de color en blanco y negro: %r" % (letra,)
            pix = da[i].get_pixmap(dpi=40)
            s = pix.samples
            for j in range(0, len(s), pix.n):
                r, g, b = s[j], s[j + 1], s[j + 2]
                assert max(r, g, b) - min(r, g, b) < 12, "color en la página %d en blanco y negro" % (i + 1)
        print("%d símbolos medidos, todos con 4,5:1 o más" % medidos)


if __name__ == "__main__":
    main()
