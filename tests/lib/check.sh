# Small helpers for the shell tests: source it, call the checks, then `finish`.
failures=0
check_equal() {  # description, expected, actual
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1"
    diff <(printf '%s\n' "$2") <(printf '%s\n' "$3") | head -20
    failures=$((failures + 1))
  fi
}
check_contains() {  # description, needle, haystack
  case "$3" in
    *"$2"*) ;;
    *) echo "FAIL: $1: missing [$2]"; failures=$((failures + 1)) ;;
  esac
}
finish() {
  [ "$failures" -eq 0 ] && echo "ok" || { echo "$failures check(s) failed"; exit 1; }
}
