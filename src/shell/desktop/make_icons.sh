#!/bin/sh
# Draws the program's desktop icons into icons/: the caption glyph 导 in white on the blue
# disc of the window icon, as PNGs at every hicolor size and as an SVG of the glyph's own
# outline (no font needed to show it). Needs ImageMagick, python3-fonttools and a CJK font;
# run it again after changing the icon.
set -e
cd "$(dirname "$0")"
FONT=$(fc-list :lang=zh file | head -n 1 | cut -d: -f1)
[ -n "$FONT" ] || { echo "no CJK font found" >&2; exit 1; }
DISC='#1c6aa8'
mkdir -p icons

for size in 16 22 24 32 48 64 128 256; do
  centre=$((size / 2))
  convert -size "${size}x${size}" xc:none -fill "$DISC" \
    -draw "circle $centre,$centre $centre,0" \
    -font "$FONT" -pointsize "$((size * 5 / 8))" -fill '#ffffff' -gravity center \
    -annotate +0+0 '导' -crop "${size}x${size}+0+0" +repage "PNG32:icons/orvanta-$size.png"
done

/usr/bin/python3 - "$FONT" "$DISC" > icons/orvanta.svg <<'PY'
import sys
from fontTools.ttLib import TTCollection, TTFont
from fontTools.pens.boundsPen import BoundsPen
from fontTools.pens.svgPathPen import SVGPathPen
from fontTools.pens.transformPen import TransformPen

path, disc = sys.argv[1], sys.argv[2]
font = TTCollection(path).fonts[0] if path.endswith(".ttc") else TTFont(path)
glyphs = font.getGlyphSet()
glyph = glyphs[font.getBestCmap()[ord("导")]]
bounds = BoundsPen(glyphs)
glyph.draw(bounds)
x0, y0, x1, y1 = bounds.bounds
# The glyph takes the same share of the disc as in the window icon, centred on its ink.
scale = 256 * 0.58 / max(x1 - x0, y1 - y0)
dx = 128 - scale * (x0 + x1) / 2
dy = 128 + scale * (y0 + y1) / 2
pen = SVGPathPen(glyphs, ntos=lambda v: ("%.1f" % v).rstrip("0").rstrip("."))
glyph.draw(TransformPen(pen, (scale, 0, 0, -scale, dx, dy)))
print('<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">')
print('  <circle cx="128" cy="128" r="128" fill="%s"/>' % disc)
print('  <path fill="#ffffff" d="%s"/>' % pen.getCommands())
print("</svg>")
PY
