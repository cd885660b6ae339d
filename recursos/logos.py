# Genera las dos imágenes del logotipo como dibujos MVG de puntos de cruz.
import sys
W, H, S = 320, 200, 10  # tamaño y paso de la tela
def tela(f, fondo, hilo):
    f.write(f"viewbox 0 0 {W} {H}\nfill '{fondo}'\nrectangle 0,0 {W},{H}\n")
    f.write(f"stroke '{hilo}'\nstroke-width 1\n")
    for x in range(0, W, S):
        f.write(f"line {x},0 {x},{H}\n")
    for y in range(0, H, S):
        f.write(f"line 0,{y} {W},{y}\n")
def cruz(f, cx, cy, color):
    x, y = cx * S, cy * S
    f.write(f"stroke '{color}'\nstroke-width 3\nstroke-linecap round\n")
    f.write(f"line {x+2},{y+2} {x+S-2},{y+S-2}\nline {x+S-2},{y+2} {x+2},{y+S-2}\n")
def dibujo(nombre, fondo, hilo, patron, colores, ox, oy):
    with open(nombre, "w") as f:
        tela(f, fondo, hilo)
        for j, fila in enumerate(patron):
            for i, ch in enumerate(fila):
                if ch in colores:
                    cruz(f, ox + i, oy + j, colores[ch])
corazon = [
 "..rrr...rrr..",
 ".rRRRr.rRRRr.",
 "rRRwRRrRRRRRr",
 "rRwRRRRRRRRRr",
 "rRRRRRRRRRRRr",
 ".rRRRRRRRRRr.",
 "..rRRRRRRRr..",
 "...rRRRRRr...",
 "....rRRRr....",
 ".....rRr.....",
 "......r......",
]
flor = [
 "....pp.pp....",
 "...pPPpPPp...",
 "..pPPyyyPPp..",
 "...pPyoyPp...",
 "..pPPyyyPPp..",
 "...pPPpPPp...",
 "....pp.pp....",
 "......g......",
 "..ll..g..ll..",
 "...lllglll...",
 "......g......",
 "....ggggg....",
]
dibujo("logo1.mvg", "#f4efe1", "#e0d8c4", corazon,
       {"r": "#8e1022", "R": "#d8283c", "w": "#ffd0d8"}, 9, 2)
dibujo("logo2.mvg", "#e8f1f4", "#cddde3", flor,
       {"p": "#7a2a7e", "P": "#c45ab8", "y": "#f2c230", "o": "#d07a10",
        "g": "#2e7d32", "l": "#66bb6a"}, 9, 1)
