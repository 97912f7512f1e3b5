# Which Windows build tree runs under Wine on this machine.
#
# The product is the 32-bit DLL of build/win32. Some kernels (virtual
# machines without IA-32 emulation) cannot execute any 32-bit x86 program,
# so 32-bit Wine cannot start there. On such a machine the same sources are
# also built for x86-64 (build/win64) and that tree's programs run under
# 64-bit Wine instead; the 32-bit DLL is still built and checked statically.
#
# Sourced by bin/wine-run, bin/kesto-sim and the scripts; $root is the
# repository's root.

# True when the kernel runs 32-bit x86 programs (32-bit Wine's loader is one).
machine_runs_i386() {
  [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

# The tree whose programs run under Wine: WIN_BUILD_DIR when set, otherwise
# build/win32 where 32-bit programs run, build/win64 where they cannot.
windows_tree() {
  if [ -n "${WIN_BUILD_DIR:-}" ]; then echo "$WIN_BUILD_DIR"
  elif machine_runs_i386; then echo "$root/build/win32"
  else echo "$root/build/win64"
  fi
}

# "win32" or "win64": the Wine architecture a tree's programs need.
windows_tree_arch() {
  cat "$1/wine-arch" 2>/dev/null || echo win32
}

# The Wine prefix that bin/wine-run uses for TREE: the one WINEPREFIX names
# when set (the caller's own, used as it is), otherwise the tree's own.
wine_prefix() {  # TREE
  if [ -n "${WINEPREFIX:-}" ]; then echo "$WINEPREFIX"
  else tree_wine_prefix "$1"
  fi
}

# The languages the dialogs come in, as WINE_LANG (kesto-sim edit --lang)
# names them, and the Linux locale that makes Wine report each as the
# user's UI language (Wine takes it from LANG and LC_ALL).
# language | locale
wine_languages=(
  'en|en_US.UTF-8' 'de|de_DE.UTF-8' 'fr|fr_FR.UTF-8' 'es|es_ES.UTF-8' 'it|it_IT.UTF-8'
  'pt-BR|pt_BR.UTF-8' 'nl|nl_NL.UTF-8' 'pl|pl_PL.UTF-8' 'ru|ru_RU.UTF-8' 'ja|ja_JP.UTF-8'
  'zh-CN|zh_CN.UTF-8' 'ko|ko_KR.UTF-8' 'ar|ar_EG.UTF-8'
)

# The locale of LANGUAGE; fails for a language not in the table.
wine_language_locale() {  # LANGUAGE
  local entry
  for entry in "${wine_languages[@]}"; do
    [ "${entry%%|*}" = "$1" ] && { echo "${entry#*|}"; return 0; }
  done
  return 1
}

# The table's languages, for messages: "en, de, ...".
wine_language_names() {
  local entry names=
  for entry in "${wine_languages[@]}"; do names+="${names:+, }${entry%%|*}"; done
  echo "$names"
}

# The tree's own prefix for the display DPI, message font and language
# asked for (WINE_DPI, WINE_FONT, WINE_LANG): one per combination, made by
# bin/wine-run on first use and kept. Only these prefixes get bin/wine-run's
# settings. A language has a prefix of its own because Wine writes the
# locale's formats into the prefix whenever the locale it starts in differs.
tree_wine_prefix() {  # TREE
  local dpi=${WINE_DPI:-96} font=${WINE_FONT:-tahoma} lang=${WINE_LANG:-}
  if [ -n "$lang" ]; then
    [ "$font" = tahoma ] && echo "$1/wineprefix-$lang-dpi$dpi" || echo "$1/wineprefix-$font-$lang-dpi$dpi"
  elif [ "$font" != tahoma ]; then echo "$1/wineprefix-$font-dpi$dpi"
  elif [ "$dpi" = 96 ]; then echo "$1/wineprefix"
  else echo "$1/wineprefix-dpi$dpi"
  fi
}

# What the tests scrub from the environment they start in: a test runs in
# the tree's own prefixes, on a display of its own, whatever the caller's
# shell says about Wine and X.
wine_caller_variables=(WINEPREFIX WINEARCH WINEDEBUG WINEDLLOVERRIDES DISPLAY WINE_DPI WINE_FONT WINE_LANG)

# True when the win32 tree's tests under Wine run in the emulated i386
# machine (bin/guest) rather than here: where this kernel runs no 32-bit
# program, or when WIN32_TESTS_IN_GUEST=1 asks for it on any machine.
win32_tests_in_guest() {
  [ "${WIN32_TESTS_IN_GUEST:-0}" = 1 ] || ! machine_runs_i386
}
