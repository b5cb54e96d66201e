#!/bin/bash
# What an install gives a user: the build installed into a scratch prefix, then the launcher,
# the menu entry, the metadata and the icons checked as the desktop and a shell meet them.
# Usage: installed_layout_test.sh BUILD_DIR RES_FROM_PROGRAM
set -uo pipefail
build=$1 res_from_program=$2
scratch=$(mktemp -d /tmp/orvanta-install.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
failures=0
fail() { echo "installed layout: FAIL: $*" >&2; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "install failed" >&2; exit 1; }
launcher=$prefix/bin/orvanta

# --help and --version answer at once: no window, no file, status 0.
for option in --help -h --version; do
  home=$scratch/home$option
  mkdir -p "$home"
  out=$(env -i HOME="$home" PATH=/usr/bin:/bin "$launcher" "$option" 2>&1)
  status=$?
  [ $status -eq 0 ] || fail "orvanta $option exits $status"
  case $option in
    --version) [ "$out" = "orvanta 1.0" ] || fail "orvanta --version says '$out'" ;;
    *) [[ $out == "Usage: orvanta"* ]] || fail "orvanta $option says '$out'" ;;
  esac
  [ -z "$(ls -A "$home")" ] || fail "orvanta $option left files: $(ls -A "$home")"
done
env -i HOME="$scratch" PATH=/usr/bin:/bin "$launcher" --verbose 2>/dev/null
[ $? -eq 2 ] || fail "an unknown argument is not refused with status 2"

# The menu entry names the launcher by its installed path, valid whatever the PATH.
entry=$prefix/share/applications/orvanta.desktop
grep -qx "Exec=$launcher" "$entry" || fail "menu entry: $(grep '^Exec=' "$entry")"
desktop-file-validate "$entry" || fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml >/dev/null ||
  fail "appstreamcli validate"
[ -x "$prefix/bin/orvanta-cli" ] || fail "orvanta-cli is not installed"
for page in orvanta orvanta-cli; do
  [ -s "$prefix/share/man/man1/$page.1.gz" ] || fail "no man page for $page"
done

# Every icon is the size its folder says.
for size in 16 22 24 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/orvanta.png
  file "$icon" | grep -q "PNG image data, $size x $size," || fail "icon $icon"
done
grep -q "<path" "$prefix/share/icons/hicolor/scalable/apps/orvanta.svg" || fail "scalable icon"

# The program proper finds its images from its own folder.
program=$prefix/lib/orvanta/orvanta
[ -x "$program" ] || fail "no program in lib/orvanta"
[ -f "$(dirname "$program")/$res_from_program/176.png" ] || fail "images not at $res_from_program"

# The launcher starts the program in the data folder and takes over the subscriptions an
# earlier start from a shell left in the shell's folder or the home folder, once. A stand-in
# for the program records where it ran.
cat >"$program" <<'EOF'
#!/bin/sh
pwd > "$HOME/ran-in"
EOF
chmod +x "$program"
# case: where the earlier subscriptions lie | XDG_DATA_HOME | expected data folder
while IFS='|' read -r earlier data_home data; do
  home=$scratch/user-$RANDOM
  shell_folder=$home/sc-folder
  mkdir -p "$shell_folder/sc" "$home/sc"
  case $earlier in
    shell) echo "keyword from the shell folder" >"$shell_folder/sc/jzxml" ;;
    home) echo "keyword from the home folder" >"$home/sc/jzxml" ;;
  esac
  data=${data//HOME/$home}
  run() {
    (cd "$shell_folder" && env -i HOME="$home" PATH=/usr/bin:/bin ${data_home:+XDG_DATA_HOME="${data_home//HOME/$home}"} \
      "$launcher" 2>"$home/said")
  }
  run
  [ "$(cat "$home/ran-in")" = "$data" ] || fail "$earlier: ran in $(cat "$home/ran-in"), not $data"
  if [ "$earlier" = none ]; then
    [ ! -e "$data/sc/jzxml" ] || fail "none: a subscription file appeared"
    [ ! -s "$home/said" ] || fail "none: said $(cat "$home/said")"
    continue
  fi
  grep -q "from the $earlier folder" "$data/sc/jzxml" || fail "$earlier: not taken over"
  grep -q "took over" "$home/said" || fail "$earlier: nothing said"
  echo "kept since" >"$data/sc/jzxml"
  run
  [ "$(cat "$data/sc/jzxml")" = "kept since" ] || fail "$earlier: taken over twice"
  [ ! -s "$home/said" ] || fail "$earlier: said it again: $(cat "$home/said")"
done <<'CASES'
shell||HOME/.local/share/orvanta
home||HOME/.local/share/orvanta
none||HOME/.local/share/orvanta
shell|HOME/data|HOME/data/orvanta
home|relative/data|HOME/.local/share/orvanta
CASES

# Subscriptions that cannot be taken over do not keep the program from starting.
home=$scratch/user-blocked
mkdir -p "$home/sc" "$home/.local/share/orvanta"
echo "keyword" >"$home/sc/jzxml"
touch "$home/.local/share/orvanta/sc"
(cd "$home" && env -i HOME="$home" PATH=/usr/bin:/bin "$launcher" 2>"$home/said")
[ "$(cat "$home/ran-in" 2>/dev/null)" = "$home/.local/share/orvanta" ] ||
  fail "blocked: the program did not start"
grep -q "could not take over" "$home/said" || fail "blocked: nothing said"

[ $failures -eq 0 ] || exit 1
echo "installed layout: ok"
