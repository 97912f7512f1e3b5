#!/usr/bin/env bash
# Pictures of the editor dialogs, taken from the real DLL under Wine with
# kesto-sim edit's `shot` step: docs/dialogs/*.png, at 100 % (96 DPI), and
# some again at 150 % (144 DPI, `--dpi 144`) as NAME-150.png, ZUVO_Set
# in a message font the size of today's Windows one (`--font`), and ZUVO_Set
# in German, Japanese and Arabic (`--lang`) as set-LANG.png.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
out="$root/docs/dialogs"
mkdir -p "$out"
export LANG=C.UTF-8
# In the tree's own prefixes, whatever the shell names: the pictures are made
# in known settings, and --dpi, --font and --lang are refused in a prefix of
# one's own.
unset WINEPREFIX WINEARCH WINE_DPI WINE_FONT WINE_LANG

# name | action line | steps before the picture (";" between steps) | DPI | font | language
pictures=(
  "visibility|ZUVO_Visibility \"Rect1\" \"button:btn_ok\" \"Hide\"|"
  "navigate|ZUVO_Navigate \"Rect1\" \"GoToPage\" \"Results\"|"
  "items|ZUVO_Items \"Rect1\" \"combobox:cbo_color\" \"AddItem\" \"Red\"|"
  "gosub|ZUVO_GoSub \"OnSaveComplete\"|"
  "addrow|ZUVO_AddRow \"Rect1\" \"tbl_staff\" \"Alice Chen,Engineering,Lead Developer\"|"
  "clearrows|ZUVO_ClearRows \"Rect1\" \"tbl_staff\"|"
  "set-text|ZUVO_Set \"Rect1\" \"button:btn_ok\" \"caption\" \"Save\"|"
  "set-boolean|ZUVO_Set \"Rect1\" \"checkBox:chk_terms\" \"checked\" \"true\"|"
  "set-choice|ZUVO_Set \"Rect1\" \"button:btn_ok\" \"style\" \"primary\"|"
  "set-color|ZUVO_Set \"Rect1\" \"slider:sld_volume\" \"trackColor\" \"#4466ff\"|"
  "set-file|ZUVO_Set \"Rect1\" \"mediaPlayer:mp_music\" \"filename\" \"[PubDir]music.mp3\"|"
  "set-background|ZUVO_Set \"Rect1\" \"button:btn_ok\" \"style.background\" \"#336699\"|"
  "gradient-linear|ZUVO_Set \"Rect1\" \"button:btn_ok\" \"style.background\" \"#336699\"|click Gradient..."
  "gradient-radial|ZUVO_Set \"Rect1\" \"button:btn_ok\" \"style.background\" \"#336699\"|click Gradient...;choose Type: radial"
  "get-property|ZUVO_Get \"Rect1\" \"label:lbl_status\" \"caption\" \"[Status]\"|"
  "get-key|ZUVO_Get \"Rect1\" \"PAGE\" \"\" \"[PageName]\"|"
  "set-text-150|ZUVO_Set \"Rect1\" \"button:btn_ok\" \"caption\" \"Save\"||144"
  "get-property-150|ZUVO_Get \"Rect1\" \"label:lbl_status\" \"caption\" \"[Status]\"||144"
  "gradient-linear-150|ZUVO_Set \"Rect1\" \"button:btn_ok\" \"style.background\" \"#336699\"|click Gradient...|144"
  "set-text-dejavu|ZUVO_Set \"Rect1\" \"button:btn_ok\" \"caption\" \"Save\"||96|dejavu-condensed"
  "set-de|ZUVO_Set \"Rect1\" \"button:btn_ok\" \"caption\" \"Save\"||96|tahoma|de"
  "set-ja|ZUVO_Set \"Rect1\" \"button:btn_ok\" \"caption\" \"Save\"||96|tahoma|ja"
  "set-ar|ZUVO_Set \"Rect1\" \"button:btn_ok\" \"caption\" \"Save\"||96|tahoma|ar"
)

# One private display for all pictures.
source "$root/tests/lib/private_display.sh"
[ -n "${DISPLAY:-}" ] || start_private_display

echo "== the editor dialogs (real DLL under Wine)"
prefixes=()
for entry in "${pictures[@]}"; do
  IFS='|' read -r name line steps dpi font lang <<<"$entry"
  picture="$out/$name.png"
  rm -f "$picture"
  options=(--dpi "${dpi:-96}" --font "${font:-tahoma}")
  [ -z "$lang" ] || options+=(--lang "$lang")
  { tr ';' '\n' <<<"$steps"; echo "shot $picture"; } |
    "$root/bin/kesto-sim" edit "$line" "${options[@]}" >/dev/null 2>&1 || true
  if [ -s "$picture" ]; then
    echo "saved docs/dialogs/$name.png"
  else
    echo "no picture of $name (its editor opened no dialog)"
  fi
  prefixes+=("$(WINE_DPI=${dpi:-96} WINE_FONT=${font:-tahoma} WINE_LANG=$lang tree_wine_prefix "$(windows_tree)")")
done
# Each picture's Wine session ends before the display closes.
for prefix in "${prefixes[@]}"; do
  WINEPREFIX=$prefix wineserver -w 2>/dev/null || true
done
