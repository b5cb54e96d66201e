#!/bin/sh
# Draws the button faces, bands and icons of the program into this folder (one PNG per
# resource number). Needs ImageMagick and a CJK font; run it again after changing a face.
set -e
cd "$(dirname "$0")"
FONT=$(fc-list :lang=zh file | head -n 1 | cut -d: -f1)
[ -n "$FONT" ] || { echo "no CJK font found" >&2; exit 1; }

# face id width height background text-colour border label
face() {
  convert -size "$2x$3" "xc:$4" -bordercolor "$6" -border 1 -shave 1x1 \
    -bordercolor "$6" -border 1 -resize "$2x$3!" \
    -font "$FONT" -pointsize "$8" -fill "$5" -gravity center -annotate +0+0 "$7" \
    "PNG32:$1.png"
}

# Page buttons of the main window: normal and highlighted faces.
face 142 65 28 '#1c4f86' '#ffffff' '#5d8fc4' '资讯' 15
face 153 65 28 '#ffba00' '#12203f' '#ffe080' '资讯' 15
face 150 65 28 '#1c4f86' '#ffffff' '#5d8fc4' '视频' 15
face 149 65 28 '#ffba00' '#12203f' '#ffe080' '视频' 15
face 148 65 28 '#1c4f86' '#ffffff' '#5d8fc4' '图片' 15
face 147 65 28 '#ffba00' '#12203f' '#ffe080' '图片' 15
face 146 65 28 '#1c4f86' '#ffffff' '#5d8fc4' '音乐' 15
face 145 65 28 '#ffba00' '#12203f' '#ffe080' '音乐' 15
# Go and search.
face 187 51 28 '#2a74b8' '#ffffff' '#97c4e5' '进入' 14
face 188 51 28 '#2a74b8' '#ffffff' '#97c4e5' '搜索' 14

# Toolbar of the browser page: enabled and disabled faces.
face 199 54 30 '#1c6aa8' '#ffffff' '#4f93c9' '◀ 后退' 12
face 214 54 30 '#1c6aa8' '#7fa7c8' '#3f7fb4' '◀ 后退' 12
face 200 48 30 '#1c6aa8' '#ffffff' '#4f93c9' '前进 ▶' 12
face 212 48 30 '#1c6aa8' '#7fa7c8' '#3f7fb4' '前进 ▶' 12
face 205 48 30 '#1c6aa8' '#ffffff' '#4f93c9' '■ 停止' 12
face 206 48 30 '#1c6aa8' '#ffffff' '#4f93c9' '↻ 刷新' 12
face 213 48 30 '#1c6aa8' '#7fa7c8' '#3f7fb4' '↻ 刷新' 12
face 204 61 30 '#1c6aa8' '#ffffff' '#4f93c9' '★ 收藏夹' 12
face 203 101 30 '#1c6aa8' '#ffffff' '#4f93c9' '＋ 添加到收藏夹' 12
face 207 87 30 '#1c6aa8' '#ffffff' '#4f93c9' '整理收藏夹' 12
face 202 69 30 '#1c6aa8' '#ffffff' '#4f93c9' '保存网页' 12
face 215 69 30 '#1c6aa8' '#7fa7c8' '#3f7fb4' '保存网页' 12

# Splitter: arrow right while the tree is hidden, left while it is shown.
convert -size 7x300 xc:'#2a74b8' -fill '#ffffff' -draw 'polygon 1,140 6,150 1,160' PNG32:182.png
convert -size 7x300 xc:'#2a74b8' -fill '#ffffff' -draw 'polygon 6,140 1,150 6,160' PNG32:183.png

# Bands behind the toolbars: the page's (201) and the secondary window's (217).
convert -size 4x30 gradient:'#3d8ccc-#1c6aa8' PNG32:201.png
convert -size 2x33 gradient:'#3d8ccc-#1c6aa8' PNG32:217.png

# Tree images: a closed and an open folder-like keyword mark.
convert -size 16x22 xc:none -fill '#ffba00' -draw 'roundrectangle 1,6 14,17 2,2' \
  -fill '#1c6aa8' -draw 'rectangle 4,9 11,10' PNG32:220.png
convert -size 16x22 xc:none -fill '#97c4e5' -draw 'roundrectangle 1,6 14,17 2,2' \
  -fill '#12203f' -draw 'rectangle 4,9 11,10' -draw 'rectangle 4,12 11,13' PNG32:221.png

# Window icons: secondary window (175), tray and minimised (176), first window icon (177).
icon() {
  convert -size 32x32 xc:none -fill "$2" -draw 'circle 16,16 16,1' \
    -font "$FONT" -pointsize 20 -fill '#ffffff' -gravity center -annotate +0+0 "$3" "PNG32:$1.png"
}
icon 175 '#2a74b8' '网'
icon 176 '#1c6aa8' '导'
icon 177 '#12203f' '导'

# Main window background: the blue band behind caption and toolbars over a near-white field.
# Kept with a palette of its hundred-odd colours, which decodes in a third of the time while
# the first frame waits for it; made from the 8-bit picture, as straight from the gradient
# the palette would come out dithered.
convert -size 900x100 gradient:'#0f3766-#3d8ccc' -size 900x500 xc:'#f4f7fb' -append +repage PNG32:132.png
convert 132.png PNG8:132.png

# Caption buttons, white glyphs on the caption colour: close, maximise, restore, minimise, menu.
glyph() {
  convert -size "$2x18" xc:'#1c6aa8' -stroke '#ffffff' -strokewidth "$3" -fill none \
    -draw "$4" "PNG32:$1.png"
}
glyph 156 47 2 'line 18,4 29,14 line 29,4 18,14'
glyph 157 34 1 'rectangle 11,4 22,13 line 11,5 22,5'
glyph 155 34 1 'rectangle 14,3 23,10 rectangle 10,7 19,14 line 10,8 19,8'
glyph 158 34 2 'line 11,13 22,13'
convert -size 33x18 xc:'#1c6aa8' -fill '#ffffff' -draw 'polygon 11,6 21,6 16,12' PNG32:159.png
