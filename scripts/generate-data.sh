#!/usr/bin/env bash
# Regenerates the files shipped in data/ and seeded into the working folder:
# the bitmaps (ImageMagick), the voices and signals (espeak-ng, sox), the help
# guide (scripts/make-guide.sh), the country list, the default settings and the empty
# databases. The output is committed; run this only to change it. Every run
# gives the same bytes (no dates, no random seeds).
#
#   scripts/generate-data.sh [images|sounds|texts|guide ...]   (default: all)
set -euo pipefail
export LC_ALL=C.UTF-8 SOURCE_DATE_EPOCH=1704067200

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
data="$root/data"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

for tool in convert espeak-ng sox iconv; do
  command -v "$tool" >/dev/null || { echo "missing: $tool (scripts/install-deps.sh)" >&2; exit 1; }
done

# Files are Windows-1252 bytes; this script is written in UTF-8.
cp1252() { iconv -f UTF-8 -t CP1252; }

# ---------------------------------------------------------------- images ---
bold=/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf
navy='#1E4696' orange='#F08C00' sand='#E8C77A' dark='#2B2B2B' grey='#8A8A8A'
green='#2E9E3E' red='#D32F2F' gold='#F2B705' silver='#B0B7C0' bronze='#C77B30'
dialog='#F0F0F0' # dialog background behind the .bmp faces (they have no alpha)

png_opts=(-define png:exclude-chunks=date,time,text -strip)

# icon OUT SIZE MVG...: draws MVG in a 64 x 64 design space, four times larger
# than SIZE, and averages it down so that small icons keep clean edges.
icon() {
  local out=$1 size=$2; shift 2
  local big=$((size * 4)) scale
  scale=$(awk -v s="$size" 'BEGIN { printf "%g", s / 16 }')
  convert -size "${big}x${big}" xc:none -draw "affine $scale,0,0,$scale,0,0 $*" \
    -filter Box -resize "${size}x${size}" "${png_opts[@]}" "PNG32:$out"
}
# bmp OUT BACKGROUND PNG: flattens an icon onto a background, 24-bit BMP.
bmp() { convert "$3" -background "$2" -flatten -type TrueColor "BMP3:$1"; }

# The drawings, in the 64 x 64 design space.
d_yacht="fill $navy stroke none polygon 30,4 30,44 8,44 fill $orange polygon 34,10 34,44 54,44
  fill $dark polygon 6,48 58,48 52,54 12,54 fill $dark circle 14,58 14,62 circle 50,58 50,62"
d_track="fill none stroke $sand stroke-width 9 ellipse 32,34 26,17 0,360
  stroke $grey stroke-width 2 ellipse 32,34 30,21 0,360 ellipse 32,34 21,12 0,360
  stroke none fill white rectangle 28,10 36,24 fill $dark rectangle 28,10 32,14
  rectangle 32,14 36,18 rectangle 28,18 32,22"
d_person="fill $navy stroke none circle 32,18 32,5 roundrectangle 10,34 54,63 14,14"
d_sliders="stroke $grey stroke-width 5 line 6,14 58,14 line 6,32 58,32 line 6,50 58,50
  stroke $dark stroke-width 2 fill $orange circle 20,14 20,21 circle 44,32 44,39 circle 28,50 28,57"
d_grid="stroke none fill $orange rectangle 4,6 18,20 fill $navy rectangle 4,25 18,39
  fill $green rectangle 4,44 18,58 fill $grey rectangle 24,9 60,17 rectangle 24,28 60,36
  rectangle 24,47 60,55"
d_folder="stroke $dark stroke-width 2 fill $gold polygon 4,12 24,12 30,18 60,18 60,56 4,56
  fill #F7CF4A polygon 4,26 60,26 60,56 4,56"
d_flag_pole="stroke none fill $dark rectangle 8,4 13,62"
d_flag_empty="$d_flag_pole stroke $grey stroke-width 3 fill white rectangle 15,8 57,36"
d_flag_checked="$d_flag_pole stroke $dark stroke-width 2 fill white rectangle 15,8 57,36
  stroke none fill $dark rectangle 15,8 29,22 rectangle 43,8 57,22 rectangle 29,22 43,36"
d_podium="stroke $dark stroke-width 2 fill $silver rectangle 4,30 22,60 fill $gold rectangle 22,14 42,60
  fill $bronze rectangle 42,38 60,60"
d_sheet_new="stroke $grey stroke-width 3 fill white polygon 10,4 40,4 52,16 52,60 10,60
  fill none polyline 40,4 40,16 52,16 stroke none fill $green rectangle 34,40 62,48 rectangle 44,30 52,58"
d_floppy="stroke none fill $navy roundrectangle 4,4 60,60 6,6 fill white rectangle 14,36 50,60
  fill $silver rectangle 18,4 46,22 fill $navy rectangle 36,7 42,19 fill $grey rectangle 18,44 46,47
  rectangle 18,51 46,54"
d_quit="stroke none fill $red circle 32,32 32,4 stroke white stroke-width 8 line 20,20 44,44 line 44,20 20,44"
d_pennant="stroke none fill $dark rectangle 10,4 15,62 fill $orange polygon 15,6 58,20 15,34
  fill white circle 26,20 26,25"
d_antenna="fill none stroke $navy stroke-width 5 line 32,28 32,62 line 20,62 44,62
  stroke $orange stroke-width 4 arc 20,16 44,40 200,340 arc 10,6 54,50 200,340
  stroke none fill $navy circle 32,28 32,33"
d_chip="stroke $grey stroke-width 4 line 4,20 60,20 line 4,32 60,32 line 4,44 60,44
  line 20,4 20,60 line 32,4 32,60 line 44,4 44,60 stroke none fill $dark roundrectangle 12,12 52,52 4,4
  fill $orange circle 32,32 32,38"
d_stopwatch="stroke none fill $dark rectangle 27,2 37,9 stroke $dark stroke-width 5 fill white
  circle 32,36 32,10 stroke $red stroke-width 4 line 32,36 32,18 stroke $dark line 32,36 44,44"
d_speaker="stroke none fill $navy polygon 6,24 18,24 32,10 32,54 18,40 6,40
  fill none stroke $orange stroke-width 5 arc 24,18 48,46 -50,50 arc 22,6 60,58 -50,50"
d_monitor="stroke none fill $dark roundrectangle 2,6 62,46 4,4 fill #7FC4FF rectangle 7,11 57,41
  fill $dark rectangle 28,46 36,54 rectangle 16,54 48,60"
d_connector="stroke $dark stroke-width 3 fill $silver polygon 4,18 60,18 52,46 12,46
  stroke none fill $dark circle 16,27 16,30 circle 26,27 26,30 circle 36,27 36,30 circle 46,27 46,30
  circle 21,37 21,40 circle 31,37 31,40 circle 41,37 41,40 fill $dark rectangle 26,46 38,62"
d_play="stroke none fill $green circle 32,32 32,3 fill white polygon 24,16 50,32 24,48"
d_stop="stroke none fill $red circle 32,32 32,3 fill white rectangle 20,20 44,44"
d_clear="stroke none fill $orange circle 32,32 32,3 stroke white stroke-width 7 line 21,21 43,43 line 43,21 21,43"
d_printer="stroke $dark stroke-width 2 fill white rectangle 16,4 48,26 fill $grey roundrectangle 4,22 60,48 5,5
  fill white rectangle 16,40 48,60 stroke $grey line 21,47 43,47 line 21,53 43,53
  stroke none fill $green circle 52,30 52,33"
d_up="stroke none fill $navy polygon 32,6 60,40 44,40 44,58 20,58 20,40 4,40"
d_down="stroke none fill $navy polygon 32,58 60,24 44,24 44,6 20,6 20,24 4,24"
d_light() { echo "stroke $dark stroke-width 3 fill $1 circle 32,32 32,4 stroke none fill $2 circle 32,32 32,12
  fill #FFFFFFB0 ellipse 24,22 8,5 0,360"; }

images() {
  local d="$data/images" t="$work/img"
  rm -rf "$d" && mkdir -p "$d" "$t"

  # Numbered resources: window icon, button faces, menu and tree images.
  icon "$d/res_01_window_icon.png" 64 "fill $navy stroke none roundrectangle 1,1 63,63 12,12
    fill $sand rectangle 4,50 60,60 affine 0.8,0,0,0.8,6.4,4 $d_yacht"
  icon "$d/res_02_depart.png" 32 "$d_play"
  icon "$d/res_03_arret.png" 32 "$d_stop"
  icon "$d/res_04_effacer.png" 32 "$d_clear"
  icon "$d/res_05_menu_nouvelle_course.png" 16 "$d_sheet_new"
  icon "$d/res_06_menu_enregistrer.png" 16 "$d_floppy"
  icon "$d/res_07_menu_quitter.png" 16 "$d_quit"
  icon "$d/res_08_menu_parcours.png" 16 "$d_track"
  icon "$d/res_09_menu_clubs.png" 16 "$d_pennant"
  icon "$d/res_10_menu_pilotes.png" 16 "$d_person"
  icon "$d/res_11_menu_frequences.png" 16 "$d_antenna"
  icon "$d/res_12_menu_transpondeurs.png" 16 "$d_chip"
  icon "$d/res_13_menu_calcul_temps.png" 16 "$d_stopwatch"
  icon "$d/res_14_menu_sons.png" 16 "$d_speaker"
  icon "$d/res_15_menu_affichage.png" 16 "$d_monitor"
  icon "$d/res_16_menu_interface.png" 16 "$d_connector"
  icon "$d/res_17_resultats.png" 32 "$d_podium"
  icon "$d/res_18_imprimer.png" 32 "$d_printer"
  icon "$d/res_19_tree_course.png" 16 "$d_yacht"
  icon "$d/res_20_tree_piste.png" 16 "$d_track"
  icon "$d/res_21_tree_pilotes.png" 16 "$d_person"
  icon "$d/res_22_tree_parametres.png" 16 "$d_sliders"
  icon "$d/res_23_tree_repartition.png" 16 "$d_grid"
  icon "$d/res_24_tree_categorie.png" 16 "$d_folder"
  icon "$d/res_25_tree_serie.png" 16 "$d_flag_empty"
  icon "$d/res_26_tree_classements.png" 16 "$d_podium"
  icon "$d/res_27_tree_serie_resultats.png" 16 "$d_flag_checked"

  # Bitmaps the program loads by name.
  icon "$t/print.png" 32 "$d_printer" && bmp "$d/impression.bmp" "$dialog" "$t/print.png"
  icon "$t/save.png" 32 "$d_floppy" && bmp "$d/enregistrer.bmp" "$dialog" "$t/save.png"
  icon "$t/up.png" 16 "$d_up" && bmp "$d/FlecheHaut.bmp" white "$t/up.png"
  icon "$t/down.png" 16 "$d_down" && bmp "$d/FlecheBas.bmp" white "$t/down.png"
  icon "$t/green.png" 32 "$(d_light '#1B7A2A' '#3DDC55')" && bmp "$d/voyantVert.bmp" "$dialog" "$t/green.png"
  icon "$t/red.png" 32 "$(d_light '#8A1414' '#F04040')" && bmp "$d/voyantRouge.bmp" "$dialog" "$t/red.png"

  # Scan indicator, 45 x 35: state k lights the k first of four rising bars.
  local k i bars colour
  for k in 1 2 3 4; do
    bars=""
    for i in 1 2 3 4; do
      colour=$([ "$i" -le "$k" ] && echo "$orange" || echo "#D0D0D0")
      bars+=" fill $colour rectangle $((i * 40 - 24)),$((130 - i * 26)) $((i * 40 + 4)),128"
    done
    convert -size 180x140 "xc:$dialog" -draw "stroke $dark stroke-width 2 $bars" \
      -filter Box -resize 45x35 -type TrueColor "BMP3:$d/voyantScanPuce$k.bmp"
  done

  # Finish flag, 25 x 16 (its size on a 1600-pixel-wide screen): pole and a
  # chequered cloth of 4-pixel squares, drawn without smoothing.
  local checks=""
  for i in 0 1 2 3 4; do
    for k in 0 1 2; do
      [ $(((i + k) % 2)) -eq 0 ] && checks+=" rectangle $((4 + i * 4)),$((1 + k * 4)) $((7 + i * 4)),$((4 + k * 4))"
    done
  done
  convert -size 25x16 xc:white +antialias -draw "fill $dark rectangle 1,0 2,15 stroke $dark
    fill white rectangle 3,0 24,13 stroke none fill black $checks" -type TrueColor \
    "BMP3:$d/drapeauArrivee.bmp"

  # Logo, 200 x 50.
  icon "$t/yacht.png" 44 "$d_yacht"
  convert -size 200x50 xc:white -fill "$navy" -draw "rectangle 0,46 199,49" \
    -fill "$sand" -draw "rectangle 0,43 199,45" \
    "$t/yacht.png" -geometry +4+1 -composite \
    -font "$bold" -fill "$navy" -pointsize 23 -annotate +52+24 "Kestrametrix" \
    -fill "$orange" -pointsize 15 -annotate +53+40 "Sand Yachting" \
    -type TrueColor "BMP3:$d/logo.bmp"

  write_images_readme "$d/README.md"
}

write_images_readme() {
  cat >"$1" <<'EOF'
# Images

Generated by `scripts/generate-data.sh images`; do not edit by hand.

## Bitmaps loaded by name from `images/` of the working folder

| File | Size | Use |
|---|---|---|
| logo.bmp | 200 x 50 | logo on the live board and on printed reports |
| drapeauArrivee.bmp | 25 x 16 | finish flag beside a pilot who has finished |
| impression.bmp | 32 x 32 | face of every "Imprimer" button in dialogs |
| enregistrer.bmp | 32 x 32 | face of every "Sauvegarder" button |
| FlecheHaut.bmp, FlecheBas.bmp | 16 x 16 | move arrows of the heat composition list |
| voyantVert.bmp, voyantRouge.bmp | 32 x 32 | decoder indicator of the INTERFACE dialog (connected / not) |
| voyantScanPuce1.bmp .. voyantScanPuce4.bmp | 45 x 35 | transponder scan indicator, states 1 to 4 |

## Numbered resources (PNG with transparency)

| Resource | File | Size | Use |
|---|---|---|---|
| 1 | res_01_window_icon.png | 64 x 64 | window icon |
| 2 | res_02_depart.png | 32 x 32 | "Depart" button (also the checked image of the menu items) |
| 3 | res_03_arret.png | 32 x 32 | "Arret" button |
| 4 | res_04_effacer.png | 32 x 32 | "Effacer" button |
| 5 | res_05_menu_nouvelle_course.png | 16 x 16 | menu 1001 "Nouvelle course" |
| 6 | res_06_menu_enregistrer.png | 16 x 16 | menu 1003 "Enregistrer" |
| 7 | res_07_menu_quitter.png | 16 x 16 | menu 1005 "Quitter" |
| 8 | res_08_menu_parcours.png | 16 x 16 | menu 1006 "Parcours" |
| 9 | res_09_menu_clubs.png | 16 x 16 | menu 1007 "Clubs" |
| 10 | res_10_menu_pilotes.png | 16 x 16 | menu 1008 "Pilotes" |
| 11 | res_11_menu_frequences.png | 16 x 16 | menu 1010 "Fréquences" |
| 12 | res_12_menu_transpondeurs.png | 16 x 16 | menu 1009 "Transpondeurs" |
| 13 | res_13_menu_calcul_temps.png | 16 x 16 | menu 1011 "Calcul temps" |
| 14 | res_14_menu_sons.png | 16 x 16 | menu 1013 "Sons" |
| 15 | res_15_menu_affichage.png | 16 x 16 | menu 1014 "Affichage" |
| 16 | res_16_menu_interface.png | 16 x 16 | menu 1015 "Interface" |
| 17 | res_17_resultats.png | 32 x 32 | "Résultats" button |
| 18 | res_18_imprimer.png | 32 x 32 | "Imprimer" button of the main window |
| 19 | res_19_tree_course.png | 16 x 16 | tree image 0: "Course" and the rounds |
| 20 | res_20_tree_piste.png | 16 x 16 | tree image 1: "Piste" |
| 21 | res_21_tree_pilotes.png | 16 x 16 | tree image 2: "Pilotes (n)" and the participants |
| 22 | res_22_tree_parametres.png | 16 x 16 | tree image 3: "Paramètres" |
| 23 | res_23_tree_repartition.png | 16 x 16 | tree image 4: "Répartition" |
| 24 | res_24_tree_categorie.png | 16 x 16 | tree image 5: a category |
| 25 | res_25_tree_serie.png | 16 x 16 | tree image 6: a heat without results |
| 26 | res_26_tree_classements.png | 16 x 16 | tree image 7: "Classements" and the rankings |
| 27 | res_27_tree_serie_resultats.png | 16 x 16 | tree image 8: a heat with results |
EOF
}


# ---------------------------------------------------------------- sounds ---
# Voices and signals: 16-bit mono 22050 Hz PCM, short, no dither so that every
# run gives the same samples.
sox_out=(-D -r 22050 -b 16 -c 1)

voice() { # voice OUT LANG TEXT
  espeak-ng -v "$2" -s 150 -w "$work/voice.wav" "$3"
  sox -R "$work/voice.wav" "${sox_out[@]}" "$1" \
    silence 1 0.01 0.3% reverse silence 1 0.01 0.3% reverse pad 0.02 0.05 gain -n -1
}
tone() { # tone OUT SOX-EFFECTS... (starting from silence)
  local out=$1; shift
  sox -R -n "${sox_out[@]}" "$out" "$@"
}

sounds() {
  local d="$data/sons" n
  rm -rf "$d" && mkdir -p "$d"
  local -A fr=([60minutes]="soixante minutes" [30minutes]="trente minutes"
    [15minutes]="quinze minutes" [5minutes]="cinq minutes" [2minutes]="deux minutes"
    [1minute]="une minute" [30secondes]="trente secondes" [10secondes]="dix secondes"
    [cinq]="cinq" [quatre]="quatre" [trois]="trois" [deux]="deux" [un]="un"
    [miCourse]="mi-course")
  local -A en=([60minutes]="sixty minutes" [30minutes]="thirty minutes"
    [15minutes]="fifteen minutes" [5minutes]="five minutes" [2minutes]="two minutes"
    [1minute]="one minute" [30secondes]="thirty seconds" [10secondes]="ten seconds"
    [cinq]="five" [quatre]="four" [trois]="three" [deux]="two" [un]="one"
    [miCourse]="half race" [5minutesRace]="five minutes to go")
  for n in "${!fr[@]}"; do voice "$d/$n.wav" fr "${fr[$n]}"; done
  for n in "${!en[@]}"; do voice "$d/${n}GB.wav" en-gb "${en[$n]}"; done
  for n in $(seq 1 20); do
    voice "$d/FinCourseVoiture$n.wav" fr "Arrivée du char $n"
    voice "$d/FinCourseVoiture${n}GB.wav" en-gb "Car $n finished"
  done

  # Passing beep: short and clear over the wind.
  tone "$d/beep1.wav" synth 0.12 sine 1760 fade q 0.005 0.12 0.02 gain -n -3
  # Start and time-up horn: a low, rough two-note chord.
  sox -V1 -R -n -r 22050 -b 16 -c 2 -t wav - synth 1.4 sawtooth 110 sawtooth 138.6 |
    sox -R - "${sox_out[@]}" "$d/foghorn.wav" remix - gain -6 lowpass 900 fade h 0.08 1.4 0.25 gain -n -2
  # End-of-heat horn: two bright notes, like a lorry's air horn.
  sox -V1 -R -n -r 22050 -b 16 -c 2 -t wav - synth 1.0 square 311 square 370 |
    sox -R - "${sox_out[@]}" "$d/truckhorn.wav" remix - gain -6 lowpass 2500 fade h 0.03 1.0 0.12 gain -n -4
  # Alert: the rhythm of "S M S" in Morse code (... -- ...).
  local parts=() i
  for i in s s s g l g l g s s s; do
    case $i in
      s) tone "$work/p${#parts[@]}.wav" synth 0.07 sine 1318 fade q 0.005 0.07 0.01 pad 0 0.05 ;;
      l) tone "$work/p${#parts[@]}.wav" synth 0.21 sine 1318 fade q 0.005 0.21 0.01 pad 0 0.05 ;;
      g) tone "$work/p${#parts[@]}.wav" trim 0 0.08 ;;
    esac
    parts+=("$work/p${#parts[@]}.wav")
  done
  sox -R "${parts[@]}" "${sox_out[@]}" "$d/nokia-sms.wav" gain -n -3
  # Error buzz of the transponder scan.
  tone "$d/buzz.wav" synth 0.45 square 140 gain -6 lowpass 1800 fade q 0.01 0.45 0.05 gain -n -4
  # Personal best: a cheer with a "youpi" on top.
  tone "$work/crowd.wav" synth 1.1 pinknoise band 1800 1400 tremolo 7 50 fade q 0.15 1.1 0.5 gain -n -9
  espeak-ng -v fr -s 170 -p 85 -w "$work/youpi.wav" "youpi !"
  sox -R "$work/youpi.wav" "${sox_out[@]}" "$work/youpi16.wav" gain -n -3
  sox -R -m "$work/crowd.wav" "$work/youpi16.wav" "${sox_out[@]}" "$d/youpi.wav" gain -n -1
}

# ------------------------------------------------------------ text files ---
rgb() { echo $(($1 + $2 * 256 + $3 * 65536)); } # the platform's colour layout
row() { local v; for v in "$@"; do printf '%s\t' "$v"; done; printf '\n'; }
repeat() { local i; for ((i = 0; i < $1; i++)); do printf '%s\n' "$2"; done; }

texts() {
  countries | cp1252 >"$data/BaseDonnéesPays.bd"
  [ "$(wc -l <"$data/BaseDonnéesPays.bd")" -eq 208 ] || { echo "country list is not 208 lines" >&2; exit 1; }

  # No port chosen yet (port names differ between systems), not connected.
  printf '\t0\tKestrametrix\n' >"$data/RéglagesInterface2.rg"
  printf '%s\n' SONLANGUEFrancais SONDECOMPTEoui SONDEPARToui SONPASSAGEoui \
    SONMEILLEURTOURoui SONHORLOGEoui SONFINCOURSEoui SONFINVOITUREoui >"$data/RéglagesSons.rg"

  # Empty databases; the pack file always has its 20 lines.
  : >"$data/BaseDonnéesParcours.bd"
  : >"$data/BaseDonnéesClubs.bd"
  : >"$data/BaseDonnéesPilotes.bd"
  : >"$data/BaseDonnéesFréquences.bd"
  local k
  for k in $(seq -w 1 20); do
    printf 'Pack%s\t%s\n' "$k" "$(printf '\t%.0s' $(seq 20))"
  done >"$data/BaseDonnéesTranspondeurs.bd"

  mkdir -p "$data/Private"
  display_theme >"$data/Private/RéglagesAffichage.rgsc"
}

# Default board theme, laid out for a 1600 x 900 screen: 17-pixel text lets the
# 20 slots of a heat without scrolling; white headings on a navy band; the
# heat's best lap in violet and a personal best in green, as on TV timing.
display_theme() {
  local black=0 white navy
  white=$(rgb 255 255 255) navy=$(rgb 30 70 150)
  row 1                                                      # style relief
  row Arial Arial Arial Arial Arial Arial Arial Arial Arial Arial Arial Arial
  row 28 34 15 17 17 17 17 17 17 17 17 17                    # sizes
  row 700 700 700 700 700 700 700 400 400 400 700 400        # weights
  row 0 0 0 0 0 0 0 0 0 0 0 0                                # italic
  row 0 0 0 0 0 0 0 0 0 0 0 0                                # underline
  row 0 0 0 0 0 0 0 0 0 0 0 0                                # strike-out
  row "$white" "$(rgb 200 0 0)" "$white" "$navy" $black $black $black \
    "$(rgb 60 60 60)" "$(rgb 60 60 60)" $black $black "$(rgb 90 90 90)"
  row "$(rgb 200 200 200)" "$white" "$(rgb 232 238 246)" "$(rgb 20 50 110)" \
    "$(rgb 255 230 0)" "$(rgb 255 200 0)" "$(rgb 200 150 255)" "$(rgb 150 230 150)" \
    "$(rgb 40 85 170)" "$(rgb 15 40 95)" "$white" "$(rgb 225 232 245)" "$(rgb 150 160 180)"
  row 60 280 80 150 140 140 130 130 100                      # column widths
  row $(repeat 16 "$white")                                  # custom colours
}

# 208 names in French, in alphabetical order (accents and hyphens ignored):
# the members of the United Nations, its two observers, and the territories
# that field their own sand-yachting pilots.
countries() {
  cat <<'EOF'
Afghanistan
Afrique du Sud
Albanie
Algérie
Allemagne
Andorre
Angola
Antigua-et-Barbuda
Arabie saoudite
Argentine
Arménie
Australie
Autriche
Azerbaïdjan
Bahamas
Bahreïn
Bangladesh
Barbade
Belgique
Belize
Bénin
Bhoutan
Biélorussie
Birmanie
Bolivie
Bosnie-Herzégovine
Botswana
Brésil
Brunei
Bulgarie
Burkina Faso
Burundi
Cambodge
Cameroun
Canada
Cap-Vert
Chili
Chine
Chypre
Colombie
Comores
Congo
Corée du Nord
Corée du Sud
Costa Rica
Côte d'Ivoire
Croatie
Cuba
Danemark
Djibouti
Dominique
Égypte
Émirats arabes unis
Équateur
Érythrée
Espagne
Estonie
Eswatini
États-Unis
Éthiopie
Fidji
Finlande
France
Gabon
Gambie
Géorgie
Ghana
Grèce
Grenade
Groenland
Guadeloupe
Guatemala
Guinée
Guinée-Bissau
Guinée équatoriale
Guyana
Guyane
Haïti
Honduras
Hong Kong
Hongrie
Îles Féroé
Îles Marshall
Îles Salomon
Inde
Indonésie
Irak
Iran
Irlande
Islande
Israël
Italie
Jamaïque
Japon
Jordanie
Kazakhstan
Kenya
Kirghizistan
Kiribati
Kosovo
Koweït
Laos
Lesotho
Lettonie
Liban
Liberia
Libye
Liechtenstein
Lituanie
Luxembourg
Macao
Macédoine du Nord
Madagascar
Malaisie
Malawi
Maldives
Mali
Malte
Maroc
Martinique
Maurice
Mauritanie
Mexique
Micronésie
Moldavie
Monaco
Mongolie
Monténégro
Mozambique
Namibie
Nauru
Népal
Nicaragua
Niger
Nigeria
Norvège
Nouvelle-Calédonie
Nouvelle-Zélande
Oman
Ouganda
Ouzbékistan
Pakistan
Palaos
Palestine
Panama
Papouasie-Nouvelle-Guinée
Paraguay
Pays-Bas
Pérou
Philippines
Pologne
Polynésie française
Porto Rico
Portugal
Qatar
République centrafricaine
République démocratique du Congo
République dominicaine
République tchèque
Réunion
Roumanie
Royaume-Uni
Russie
Rwanda
Saint-Christophe-et-Niévès
Sainte-Lucie
Saint-Marin
Saint-Vincent-et-les-Grenadines
Salvador
Samoa
Sao Tomé-et-Principe
Sénégal
Serbie
Seychelles
Sierra Leone
Singapour
Slovaquie
Slovénie
Somalie
Soudan
Soudan du Sud
Sri Lanka
Suède
Suisse
Suriname
Syrie
Tadjikistan
Taïwan
Tanzanie
Tchad
Thaïlande
Timor oriental
Togo
Tonga
Trinité-et-Tobago
Tunisie
Turkménistan
Turquie
Tuvalu
Ukraine
Uruguay
Vanuatu
Vatican
Venezuela
Viêt Nam
Yémen
Zambie
Zimbabwe
EOF
}

# ----------------------------------------------------------------- guide ---
# The guide is typeset by the program's own tool, with screenshots of the demo.
guide() { "$root/scripts/make-guide.sh"; }

# ------------------------------------------------------------------ main ---
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(images sounds texts guide)
for target in "${targets[@]}"; do
  case $target in
    images | sounds | texts | guide) "$target" ;;
    *) echo "unknown part: $target (images, sounds, texts, guide)" >&2; exit 2 ;;
  esac
done
