#!/bin/bash
# End to end: the real program on its own X display, every service answered by the fixture
# server; a click on a topic link of the start page must write the topic's news pages and show
# them. Screenshots go to the current folder (the build folder under CTest).
# Usage: smoke_test.sh PROGRAM FIXTURE_SERVER FIXTURE_DIR [FIXTURE_DIR...]
set -uo pipefail

program=$1 server=$2
shift 2
out=$PWD
scratch=$(mktemp -d "$out/smoke.XXXXXX")
pids=()
passed=""

fail() { echo "smoke: FAIL: $*" >&2; exit 1; }
step() { echo "smoke: $*"; }
stop_all() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null
    wait "${pids[i]}" 2>/dev/null
  done
  # A failed run keeps its folder (logs, pages) for a look.
  [ -z "$passed" ] || rm -rf "$scratch"
}
trap stop_all EXIT

# Polls a command every 0.2 s until it succeeds or SECONDS seconds pass.
wait_until() {
  local seconds=$1
  shift
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
}
has_text() { [ -s "$1" ] && grep -q "$2" "$1"; }

# The window sits at the screen's top-left corner at 850 x 570.
shoot() { DISPLAY=$display import -window root -crop 850x570+0+0 +repage "$1" 2>/dev/null; }
# Pixels in a region that look like link blue; plain text and empty pages have none.
blue_pixels() {
  convert "$1" -crop "$2" +repage -fx '(b>0.5 && r<0.45 && g<0.45) ? 1 : 0' \
    -format '%[fx:round(mean*w*h)]' info:
}
shows_links() {
  shoot "$1" && (($(blue_pixels "$1" "$2") > $3))
}

for tool in Xvfb xdotool import convert iconv; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/setup installs it)"
done

step "starting Xvfb"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
pids+=($!)
wait_until 20 has_text "$scratch/display" '[0-9]' || fail "Xvfb reported no display"
display=:$(tr -dc 0-9 <"$scratch/display")

step "starting the fixture server"
"$server" 0 "$@" >"$scratch/server.out" 2>"$scratch/server.log" &
pids+=($!)
wait_until 20 has_text "$scratch/server.out" '^port ' || fail "the fixture server printed no port"
port=$(awk '/^port /{print $2}' "$scratch/server.out")

step "starting the program in $scratch"
# An empty config folder: the user's own sources file or history never steers the test.
mkdir -p "$scratch/config"
(cd "$scratch" && DISPLAY=$display XDG_CONFIG_HOME="$scratch/config" \
   XDG_DATA_HOME="$scratch/data" XDG_CACHE_HOME="$scratch/cache" \
   http_proxy="http://127.0.0.1:$port" HTTP_PROXY="http://127.0.0.1:$port" \
   no_proxy="" NO_PROXY="" exec "$program") \
   >"$scratch/orvanta.log" 2>&1 &
pids+=($!)
wait_until 60 test -s "$scratch/sc/jz1" || fail "the start page sc/jz1 was not written"
DISPLAY=$display timeout 60 xdotool search --sync --onlyvisible --name '^Orvanta' >/dev/null ||
  fail "the main window did not appear"
# The topic row of the start page, under the search box of the web view.
wait_until 60 shows_links "$out/smoke_start_page.png" 610x40+237+225 100 ||
  fail "the start page's topic links are not shown (see smoke_start_page.png)"

step "clicking a topic link"
page1="$scratch/temp/~astq22265291"
clicked=""
for y in 244 240 248 236 252; do
  for x in 297 329 362 392; do
    DISPLAY=$display xdotool mousemove "$x" "$y" click 1
    if wait_until 4 test -s "$page1"; then clicked="$x,$y"; break 2; fi
  done
done
[ -n "$clicked" ] || fail "no click on the topic row wrote $page1"
step "a click at $clicked opened a topic"

# The job writes every page before it shows the first; the first feed of every topic is one
# of the two recorded Baidu feeds, whose first items open page 1.
wait_until 10 test -s "$scratch/temp/~astq22265292" || fail "the topic has no second page"
iconv -f gbk -t utf-8 "$page1" >"$scratch/page1.utf8" || fail "page 1 is not GBK"
grep -q -e '国务院常务会议部署进一步做好' -e '杭州：公交车司机突发疾病' "$scratch/page1.utf8" ||
  fail "page 1 does not hold the recorded feed's items"
grep -q "href='http://dy/#" "$scratch/page1.utf8" || fail "page 1 has no subscribe link"

step "waiting for the news page to show"
wait_until 30 shows_links "$out/smoke_news_page.png" 610x250+237+290 150 ||
  fail "the window does not show the news page as a page (see smoke_news_page.png)"
# The engine is started before the toolkit names the program; its stored site data must
# still go to the program's own folders, where the last version kept it.
[ -d "$scratch/data/orvanta" ] && [ -d "$scratch/cache/orvanta" ] &&
  [ ! -e "$scratch/data/webkitgtk" ] && [ ! -e "$scratch/cache/webkitgtk" ] ||
  fail "the engine keeps its data outside the program's folders: $(ls "$scratch/data" "$scratch/cache")"
passed=1
step "PASS (screenshots smoke_start_page.png, smoke_news_page.png in $out)"
