#!/bin/bash
# Renders the program's pictures from their SVG sources in this folder.
# The rendered files are kept in the repository, so a build needs none of this;
# run it again after changing a drawing.
#
#   Palette_640px.png  speaker list page header, RGB without alpha
#   Funk_640px.png     WLAN selection page header, RGBA
#   Ovix_640px.png     settings page header, RGBA
#   ajax-loader.gif    busy animation: 12 frames of 100 ms, looping, at most 16 colours
#   *_1280px.png, ajax-loader@2x.gif
#                      the same at twice the size, for screens scaled above 100 %
#                      (the toolkit reads "@2x" as a device pixel ratio of 2)
#   Icon_<N>px.png     application icon for the desktop menu, RGBA, 48, 128 and 256 pixels
#                      (installed, not compiled in)
# shellcheck source-path=SCRIPTDIR/../..
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tools/lib/common.sh
. "$here/../../tools/lib/common.sh"
# shellcheck source=tools/lib/deps.sh
. "$here/../../tools/lib/deps.sh"
cd "$here"

ensure_packages librsvg2-bin imagemagick
convert=/usr/bin/convert

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Fixed metadata, so that rendering twice gives the same bytes.
png_options=(-strip -define "png:exclude-chunks=date,time" -depth 8)

for width in 640 1280; do
    height=$((289 * width / 640))
    rsvg-convert -w $width -h $height Palette_640px.svg -o "$work/palette.png"
    "$convert" "$work/palette.png" -background white -alpha remove -alpha off \
        "${png_options[@]}" -define png:color-type=2 "PNG24:Palette_${width}px.png"

    for name in Funk Ovix; do
        rsvg-convert -w $width -h $height "${name}_640px.svg" -o "$work/$name.png"
        "$convert" "$work/$name.png" "${png_options[@]}" -define png:color-type=6 \
            "PNG32:${name}_${width}px.png"
    done
done

for size in 48 128 256; do
    rsvg-convert -w $size -h $size Icon.svg -o "$work/icon$size.png"
    "$convert" "$work/icon$size.png" "${png_options[@]}" -define png:color-type=6 "PNG32:Icon_${size}px.png"
done

# The busy symbol. GIF transparency is all or nothing, so the soft dot edges are
# blended onto the light grey of a dialog and cut off where they cover less than
# half a pixel. The palette is the dots' own tints plus two edge blends of each,
# so every frame uses the same 12 colours and the transparent one.
grey='#efefef'
palette=()
while read -r tint; do
    palette+=("xc:$tint")
    for share in 75 55; do
        palette+=("xc:$("$convert" "xc:$grey" "xc:$tint" -compose blend -define compose:args=$share \
            -composite -format '#%[hex:p{0,0}]' info:)")
    done
done < <(grep -o 'fill="#[0-9a-f]*"' ajax-loader.svg | cut -d'"' -f2 | sort -u)
"$convert" "${palette[@]}" +append "$work/palette.png"

for size in 32 64; do
    frames=()
    for step in $(seq 0 11); do
        sed "s/rotate(0 16 16)/rotate($((step * 30)) 16 16)/" ajax-loader.svg > "$work/frame$step.svg"
        rsvg-convert -w $size -h $size "$work/frame$step.svg" -o "$work/soft$step.png"
        "$convert" "$work/soft$step.png" \
            \( -clone 0 -background "$grey" -alpha remove -alpha off +dither -remap "$work/palette.png" \) \
            \( -clone 0 -alpha extract -threshold 50% \) \
            -delete 0 -compose CopyOpacity -composite "$work/frame$step.png"
        frames+=("$work/frame$step.png")
    done
    gif=ajax-loader.gif
    [ $size -eq 32 ] || gif=ajax-loader@2x.gif
    "$convert" -dispose previous -delay 10 -loop 0 "${frames[@]}" $gif
done

echo "Rendered: {Palette,Funk,Ovix}_{640,1280}px.png ajax-loader.gif ajax-loader@2x.gif Icon_*px.png"
