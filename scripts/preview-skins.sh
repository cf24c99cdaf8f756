#!/usr/bin/env bash
# Composes the main window of every page from the staged skins and languages, the way the panel
# lays it out, so that the look can be reviewed without the panel: the pictures of page 0 and of
# the page at their layout positions (state: a device present, the page's features in use), the
# labels of the language file in their fonts and colours, and the window cut to its outline;
# then the About window.
#
# Usage: scripts/preview-skins.sh [-s skin] [-r 1920x1080|1366x768|960x540|default] [-l language]
#                                 [-b build] [-o folder]
# Defaults: every skin, class and language of build/win64/stage; pictures to artifacts/preview/.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
build=win64 out=$ROOT/artifacts/preview
skins=() classes=() languages=()
while getopts "s:r:l:b:o:" opt; do
  case $opt in
    s) skins+=("$OPTARG") ;;
    r) classes+=("$OPTARG") ;;
    l) languages+=("$OPTARG") ;;
    b) build=$OPTARG ;;
    o) out=$OPTARG ;;
    *) sed -n '2,10p' "$0"; exit 2 ;;
  esac
done
stage=$ROOT/build/$build/stage
[ -d "$stage/Skin" ] || { echo "no staged skins in $stage: build the 'stage' target first" >&2; exit 1; }
[ ${#skins[@]} -gt 0 ] || skins=(Midnight Daylight)
[ ${#classes[@]} -gt 0 ] || classes=(1920x1080 1366x768 960x540 default)
[ ${#languages[@]} -gt 0 ] || languages=(English German SimplifiedChinese)
CONVERT=/usr/bin/convert
[ -x $CONVERT ] || CONVERT=convert

# Fonts of the faces that the language files name, with their ascent per pixel of size.
declare -A FONT_FILE=([Tahoma]=/usr/share/wine/fonts/tahoma.ttf
                      ["Microsoft YaHei"]=/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc)
declare -A FONT_ASCENT=([Tahoma]=1.0005 ["Microsoft YaHei"]=0.9629)

declare -A INI
# Reads an INI file (UTF-16 or 8-bit) into INI["Section/Key"].
load_ini() {
  local file=$1 section="" line key
  INI=()
  while IFS= read -r line; do
    line=${line%$'\r'}
    case $line in
      \[*\]) section=${line#[}; section=${section%]} ;;
      \;*|"") ;;
      *=*) key=${line%%=*}; INI["$section/$key"]=${line#*=} ;;
    esac
  done < <(if [ "$(head -c2 "$file" | od -An -tx1 | tr -d ' ')" = fffe ]; then
             iconv -f UTF-16 -t UTF-8 "$file"; else cat "$file"; fi)
}

field() { local IFS=,; local a=($1); echo "${a[$2]:-}"; }

# The page of a skin key by its section, overridden by a sixth field.
section_page() {
  case $1 in Main|About) echo 0 ;; EQ) echo 1 ;; Effect) echo 2 ;; Mic) echo 3 ;;
    Virtual7ch1) echo 4 ;; 3D) echo 5 ;; LED) echo 6 ;; ENC) echo 7 ;; VoiceMagic) echo 8 ;; esac
}

compose_page() {
  local skinFolder=$1 langFile=$2 page=$3 target=$4
  local -n S=SKIN
  local args=() z
  # Pictures: "Section/Key [crop width] [crop height] [left] [top]" in painting order.
  local pictures=()
  add() { pictures+=("$*"); }

  add Main/MainFormImage
  add EQ/Back_EQImage; add Effect/Back_EffectImage; add Mic/Back_MicImage; add Virtual7ch1/Back_Virtual7p1Image
  add Main/LogoImage; add Main/DeviceActiveImage; add Main/DeviceActiveUpImage; add Main/DeviceUnActiveUpImage
  add Main/LedImageUp; add Main/MinimizeImageUp; add Main/CloseImageUp
  add Main/Menu1ImageUp; add Main/Menu2ImageUp; add Main/Menu3ImageUp
  local tabs=(1:PageEQ 2:PageEffect 3:PageMic 4:PageVirtual7p1 6:PageLED 7:PageENC 8:PageVMEffect) t
  for t in "${tabs[@]}"; do
    if [ "${t%%:*}" = "$page" ]; then add "Main/${t#*:}DownImage"; else add "Main/${t#*:}UpImage"; fi
  done
  # Equaliser: on, 3D off, preset 2, thumbs spread over the travel.
  add EQ/EQEQENImageDown; add EQ/EQ3DENImageUp; add EQ/EQResetImageUp
  add EQ/EQS1ImageUp; add EQ/EQS2ImageDown; add EQ/EQS3ImageUp; add EQ/EQS4ImageUp
  for z in 1 2 3 4 5; do add "EQ/EQButtonLineImage$z"; done
  add EQ/EQGraduationImage
  local eqTop eqRange f band thumbH barTop
  eqTop=$(field "${S[EQ/EQSlider]}" 0); eqRange=$(field "${S[EQ/EQSlider]}" 1)
  local fractions=(30 45 50 62 72) i=0
  for band in 60 300 1200 3600 12000; do
    add "EQ/EQ${band}HzBarImage"
    thumbH=$(field "${S[EQ/EQ${band}HzSliderImage]}" 4)
    barTop=$(field "${S[EQ/EQ${band}HzBarDownImage]}" 2)
    f=$((eqTop + eqRange * fractions[i] / 100))
    add "EQ/EQ${band}HzBarDownImage" - $((f + thumbH - barTop))
    add "EQ/EQ${band}HzSliderImage" - - - "$f"
    i=$((i + 1))
  done
  # Environment: theatre.
  add Effect/EffectPicTheaterImage
  add Effect/EffectButtonNonImageUp; add Effect/EffectButtonTheaterImageDown
  add Effect/EffectButtonBathroomImageUp; add Effect/EffectButtonLivingroomImageUp
  add Effect/EffectButtonStoneGalleryImageUp
  for z in 1 2 3 4; do add "Effect/EffectButtonLineImage$z"; done
  # Microphone: boost on, volume 70, level about 60 %.
  add Mic/MicBoostImageDown; add Mic/MicMuteImageUp; add Mic/MicMonitorImageUp
  add Mic/MicButtonLineImage; add Mic/MicPicImage; add Mic/MicGainImage
  local len k
  len=${S[Mic/MicProgressLength]}; k=$(( (len * 6 / 10 - 10) / 4 ))
  add Mic/MicProgressImage $((4 * k + 10))
  add Mic/MicGraduationImage; add Mic/MicBarImage
  local micTop micRange
  micTop=$(field "${S[Mic/MicSlider]}" 0); micRange=$(field "${S[Mic/MicSlider]}" 1)
  f=$((micTop + micRange - 70 * micRange / 100))
  thumbH=$(field "${S[Mic/MicSliderImage]}" 4); barTop=$(field "${S[Mic/MicBarDownImage]}" 2)
  add Mic/MicBarDownImage - $((f + thumbH - barTop))
  add Mic/MicSliderImage - - - "$f"
  add Mic/MicValueImage
  # Virtual 7.1: on, the speakers where the skin places them.
  add Virtual7ch1/VirtualEnableImageDown; add Virtual7ch1/VirtualClockwiseUpImage
  add Virtual7ch1/VirtualCounterclockwiseUpImage; add Virtual7ch1/VirtualEnlargeUpImage
  add Virtual7ch1/VirtualNarrowUpImage; add Virtual7ch1/VirtualResetUpImage
  for z in 1 2 3; do add "Virtual7ch1/VirtualButtonLineImage$z"; done
  add Virtual7ch1/VirtualPicImage
  for z in C L LS LB RB RS R SUB; do add "Virtual7ch1/Virtual${z}Image"; done
  # Lighting: breathe chosen, speeds at a third, two thirds and the far left.
  add LED/ColorLEDOffCheckUpImage; add LED/ColorSingleCheckUpImage; add LED/ColorBreatheCheckDownImage
  add LED/ColorRainbowCheckUpImage; add LED/ColorPulsatingCheckUpImage
  local effect frac barLeft barW thumbW pos
  for effect in Breathe:33:Down Rainbow:66:Up Pulsating:0:Up; do
    IFS=: read -r name frac state <<<"$effect"
    add "LED/Color${name}BarImage"
    barLeft=$(field "${S[LED/Color${name}BarImage]}" 1); barW=$(field "${S[LED/Color${name}BarImage]}" 3)
    thumbW=$(field "${S[LED/Color${name}Slider${state}Image]}" 3)
    pos=$((barLeft + (barW - thumbW) * frac / 100)); [ "$frac" = 0 ] || pos=$((pos + 3))
    add "LED/Color${name}Slider${state}Image" - - "$pos"
  done
  # Noise cancellation on at level 15; voice change on, second voice.
  add ENC/ENCFunctionDownImage; add ENC/ENCBarImage
  local encTop encRange
  encTop=$(field "${S[ENC/ENCSlider]}" 0); encRange=$(field "${S[ENC/ENCSlider]}" 1)
  add ENC/ENCSliderImage - - - $((encTop + encRange - 15 * encRange / 30))
  add ENC/ENCValueImage
  add VoiceMagic/VMFunctionDownImage; add VoiceMagic/VMEffectNoneUpImage; add VoiceMagic/VMEffect1UpImage
  add VoiceMagic/VMEffect2DownImage; add VoiceMagic/VMEffect3UpImage; add VoiceMagic/VMEffect4UpImage

  local entry key value file left top width height itemPage cw ch
  for entry in "${pictures[@]}"; do
    read -r key cw ch left top <<<"$entry"
    value=${S[$key]:-}
    file=$(field "$value" 0)
    [ -n "$file" ] && [ "$file" != "(null)" ] || continue
    itemPage=$(field "$value" 5); [ -n "$itemPage" ] || itemPage=$(section_page "${key%%/*}")
    [ "$itemPage" = 0 ] || [ "$itemPage" = "$page" ] || continue
    [ -n "${left:-}" ] && [ "$left" != - ] || left=$(field "$value" 1)
    [ -n "${top:-}" ] && [ "$top" != - ] || top=$(field "$value" 2)
    width=$(field "$value" 3); height=$(field "$value" 4)
    [ -n "${cw:-}" ] && [ "$cw" != - ] && width=$cw
    [ -n "${ch:-}" ] && [ "$ch" != - ] && height=$ch
    [ "$width" -gt 0 ] && [ "$height" -gt 0 ] || continue
    args+=( \( "$skinFolder/${file//\\//}" -crop "${width}x${height}+0+0" +repage \)
            -geometry "+$left+$top" -composite )
  done

  # Swatches of the lighting page: palette fills, black outline, the first one highlighted.
  if [ "$page" = 6 ] && [ "${S[LED/LEDPageMode]}" = 1 ]; then
    local sw colours=(ff0000 00ffff ffff00 ffffff 00ff00 0000ff ff00ff ff0000 ff0000) n=0 l t w h
    for sw in Color01 Color02 Color03 Color04 Color05 Color06 Color07 ColorSingle ColorBreathe; do
      value=${S[LED/${sw}Shape]}
      l=$(field "$value" 0); t=$(field "$value" 1); w=$(field "$value" 2); h=$(field "$value" 3)
      if [ $n = 0 ]; then
        args+=(-fill "#${colours[$n]}" -stroke '#A6CAF0' -strokewidth 3)
      else
        args+=(-fill "#${colours[$n]}" -stroke black -strokewidth 1)
      fi
      args+=(-draw "ellipse $((l + w / 2)),$((t + h / 2)) $((w / 2 - 1)),$((h / 2 - 1)) 0,360")
      n=$((n + 1))
    done
    args+=(-stroke none)
  fi

  # Labels of the page in their state's colour.
  load_ini "$langFile"
  local -A L=()
  for key in "${!INI[@]}"; do L[$key]=${INI[$key]}; done
  local labels=() down
  for key in "${!L[@]}"; do
    case ${key%%/*} in GlobalFont|Setup|About|3D) continue ;; esac
    case ${key#*/} in LabelLanguage|LabelSkin|LabelClose|LabelPlugin|LabelWarning|LabelWarning1|LabelUnDriver|LabelUnactive) continue ;; esac
    labels+=("$key")
  done
  declare -A DOWN=([Main/LabelPageEQ]=1 [Main/LabelPageEffect]=2 [Main/LabelPageMic]=3
                   [Main/LabelPageVirtual7ch1]=4 [Main/LabelPageLED]=6 [Main/LabelPageENC]=7
                   [Main/LabelPageVMEffect]=8 [EQ/LabelEQEnable]=all [EQ/LabelEQS2]=all
                   [Effect/LabelEffectTheater]=all [Mic/LabelMicBoost]=all
                   [Virtual7ch1/Label7ch1Enable]=all)
  local text up dn face size ppem baseline colour
  for key in "${labels[@]}"; do
    value=${L[$key]}
    text=$(field "$value" 0)
    [ -n "$text" ] && [ "$text" != "(null)" ] || continue
    itemPage=$(field "$value" 9); [ -n "$itemPage" ] || itemPage=$(section_page "${key%%/*}")
    [ "$itemPage" = 0 ] || [ "$itemPage" = "$page" ] || continue
    case $key in Mic/LabelMicValue) text=70 ;; ENC/LabelENCValue) text=15 ;; esac
    up=$(field "$value" 1); dn=$(field "$value" 2); face=$(field "$value" 3); size=$(field "$value" 4)
    left=$(field "$value" 5); top=$(field "$value" 6)
    down=${DOWN[$key]:-}
    if [ "$down" = all ] || [ "$down" = "$page" ]; then colour=$dn; else colour=$up; fi
    colour=${colour#0x}
    colour="#${colour:4:2}${colour:2:2}${colour:0:2}"
    ppem=$(( (size * 96 + 36) / 72 ))
    baseline=$(awk -v t="$top" -v p="$ppem" -v a="${FONT_ASCENT[$face]}" 'BEGIN { printf "%d", t + int(p * a + 0.5) }')
    args+=(-font "${FONT_FILE[$face]}" -pointsize "$ppem" -fill "$colour" -annotate "+$left+$baseline" "$text")
  done

  # The window on a desktop, cut to the outline of its main picture.
  local main mainW mainH
  main=$skinFolder/$(field "${S[Main/MainFormImage]}" 0)
  mainW=$(field "${S[Main/MainFormImage]}" 3); mainH=$(field "${S[Main/MainFormImage]}" 4)
  $CONVERT -size "${mainW}x${mainH}" xc:none "${args[@]}" \
    \( "$main" -alpha extract \) -compose CopyOpacity -composite \
    \( -size "$((mainW + 48))x$((mainH + 48))" xc:'#5A6170' \) +swap -geometry +24+24 -compose Over -composite \
    "$target"
}

# The About window: a plain light dialog (client area 360 x 160 at 1366x768) with the skin's logo
# and the language's two texts.
compose_about() {
  local skinFolder=$1 langFile=$2 scale=$3 target=$4
  local -n S=SKIN
  local value file left top w h args=()
  value=${S[About/LogoImage]:-}
  file=$(field "$value" 0)
  if [ -n "$file" ]; then
    args+=( "$skinFolder/${file//\\//}" -geometry "+$(field "$value" 1)+$(field "$value" 2)" -composite )
  fi
  load_ini "$langFile"
  local key text colour face size ppem baseline
  for key in About/LabelAbout About/LabelWeb; do
    value=${INI[$key]:-}
    text=$(field "$value" 0); [ -n "$text" ] || continue
    colour=$(field "$value" 1); colour=${colour#0x}; colour="#${colour:4:2}${colour:2:2}${colour:0:2}"
    face=$(field "$value" 3); size=$(field "$value" 4)
    left=$(field "$value" 5); top=$(field "$value" 6)
    ppem=$(( (size * 96 + 36) / 72 ))
    baseline=$(awk -v t="$top" -v p="$ppem" -v a="${FONT_ASCENT[$face]}" 'BEGIN { printf "%d", t + int(p * a + 0.5) }')
    args+=(-font "${FONT_FILE[$face]}" -pointsize "$ppem" -fill "$colour" -annotate "+$left+$baseline" "$text")
  done
  w=$(awk -v s="$scale" 'BEGIN { printf "%d", 360 * s + 0.5 }'); h=$(awk -v s="$scale" 'BEGIN { printf "%d", 160 * s + 0.5 }')
  $CONVERT -size "${w}x${h}" xc:'#F0F0F0' "${args[@]}" -bordercolor '#5A6170' -border 24 "$target"
}

mkdir -p "$out"
declare -A SKIN
pageNames=([1]=1-Equaliser [2]=2-Environment [3]=3-Microphone [4]=4-Virtual71 [6]=6-Lighting [7]=7-NoiseCancelling [8]=8-Voice)
count=0
for skin in "${skins[@]}"; do
  for class in "${classes[@]}"; do
    folder=$class; [ "$class" = default ] && folder=
    skinFolder=$stage/Skin/${folder:+$folder/}$skin
    [ -f "$skinFolder/SkinSetting.ini" ] || { echo "missing $skinFolder/SkinSetting.ini" >&2; exit 1; }
    load_ini "$skinFolder/SkinSetting.ini"
    SKIN=()
    for key in "${!INI[@]}"; do SKIN[$key]=${INI[$key]}; done
    for language in "${languages[@]}"; do
      langFile=$stage/Language/${folder:+$folder/}$language/Language.ini
      [ -f "$langFile" ] || { echo "missing $langFile" >&2; exit 1; }
      for page in 1 2 3 4 6 7 8; do
        target=$out/$skin-$class-$language-${pageNames[$page]}.png
        compose_page "$skinFolder" "$langFile" "$page" "$target"
        count=$((count + 1))
      done
      scale=$(awk -v w="$(field "${SKIN[Main/MainFormImage]}" 3)" 'BEGIN { print w / 819 }')
      compose_about "$skinFolder" "$langFile" "$scale" "$out/$skin-$class-$language-9-About.png"
      count=$((count + 1))
    done
  done
done
echo "$count pictures in $out"
