#!/usr/bin/env bash
# Draws the picture gallery in docs/gallery/ from the bundled example with the batch commands:
# each fill style, each contour line colour, the three graph patterns, the three colour
# schemes, the mesh mode and a typed x range narrower than the data; and the scatter example with its legend in the three series
# colour schemes. Rerun after changing a renderer and look at the pictures.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -x build/tarnplot ] || scripts/build.sh
out=docs/gallery
mkdir -p "$out"
rm -f "$out"/*.png

draw() {  # draw NAME [batch words...]: the example, meshed, with the given settings
  local name=$1
  shift
  build/tarnplot --batch open-contour examples/contour_standard.txt make-mesh "$@" redraw \
    save-image "$out/$name.png" 2>/dev/null
}

draw vector-fill set ContourPattern:Meta
draw pixel-fill set ContourPattern:Bitmap set ShowContourLine:True
i=0
for colour in Black White Reverse Standard BackColor BorderColor; do
  draw "lines-only-$i-$colour" set ContourPattern:None set ContourLineColor:$colour set BackColor:250:250:235
  i=$((i + 1))
done
for pattern in 1 2 3; do
  draw "pattern-$pattern" set GraphPattern:$pattern set ShowContourLine:True
done
for scheme in Rainbow Gray Contrast; do
  draw "scheme-$scheme" set ContourColor:$scheme
done
draw mesh-mode click contour click mesh
draw mesh-over-bands check show-mesh set Size:Wide
draw table-form set ContourFile:Table open-contour examples/contour_table.txt make-mesh
draw fixed-range set ShowContourLine:True set XAutoMaxMin:False set Xmin:2 set Xmax:7 check show-mesh
scatter() {  # scatter NAME [batch words...]: the scatter example, wide, legend clicked at (300, 60)
  local name=$1
  shift
  build/tarnplot --batch open-scatter examples/scatter_logger.txt set Size:Wide "$@" redraw legend 300 60 \
    save-image "$out/$name.png" 2>/dev/null
}
scatter scatter-standard
scatter scatter-gradation set LineGraphColor:Gradation set GraphPattern:2
scatter scatter-white-black set LineGraphColor:WhiteAndBlack set GraphPattern:3
# The example saved as WMF and EPS, drawn by independent readers (libwmf, Ghostscript).
tmp=$(mktemp -d)
build/tarnplot --batch open-contour examples/contour_standard.txt make-mesh redraw save-image "$tmp/example.wmf" \
  save-eps "$tmp/color-raster.eps" color raster save-eps "$tmp/gray-vector.eps" gray vector 2>/dev/null
wmf2gd --maxwidth=275 --maxheight=275 -o "$out/wmf-by-libwmf.png" "$tmp/example.wmf" >/dev/null 2>&1
for eps in color-raster gray-vector; do
  gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -dEPSCrop -r96.15 -sOutputFile="$out/eps-$eps-by-ghostscript.png" \
    "$tmp/$eps.eps"
done
rm -rf "$tmp"
echo "gallery written to $out"
