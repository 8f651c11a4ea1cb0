#!/usr/bin/env bash
# The real program on a virtual X server with a window manager: keys go to
# whatever window has the focus, as a clerk types them, and the database is
# checked with SQL afterwards. The accessibility bus (AT-SPI) tells which
# control has the focus, by the name a screen reader says for it.
#   e2e.sh SCENARIO PATH/TO/ijar
# Exit code 77 (skipped) when a tool is missing; ./ijar.sh test installs them.
# IJAR_E2E_SCREEN sets the size of the screen (1024x768, the smallest one served).
set -uo pipefail

scenario=${1:?scenario}
ijar=${2:?path of the ijar program}
timeout_s=${IJAR_E2E_TIMEOUT:-10}
screen=${IJAR_E2E_SCREEN:-1024x768}
# Never the developer's own display.
unset DISPLAY

missing=()
for tool in Xvfb openbox xdotool xprop xwininfo sqlite3 dbus-launch; do
  command -v "$tool" >/dev/null || missing+=("$tool")
done
bus_launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$bus_launcher" ] || missing+=(at-spi2-core)
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || missing+=(python3-pyatspi)
if [ ${#missing[@]} -gt 0 ]; then
  echo "e2e: skipped, missing ${missing[*]} (./ijar.sh test installs them)"
  exit 77
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/ijar-e2e-$scenario.XXXXXX") || exit 1
home=$work/home
db=$home/fdk.db
focus_file=$work/focus
xvfb_pid='' openbox_pid='' ijar_pid='' ijar_status='' bus_pid='' a11y_pid='' listener_pid=''
failed=0
watched_rows=''  # a query whose rows a failure shows

log() { echo "e2e $scenario: $*"; }

# ---- processes ---------------------------------------------------------------

# Alive and not yet a zombie waiting to be reaped.
running() { local _pid _name state; read -r _pid _name state _ 2>/dev/null <"/proc/$1/stat" && [ "$state" != Z ]; }

# Ends a process of this script: politely, then by force after three seconds.
stop() {
  local pid=$1
  [ -n "$pid" ] || return 0
  kill "$pid" 2>/dev/null
  for _ in $(seq 60); do
    running "$pid" || break
    sleep 0.05
  done
  kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  return 0
}

cleanup() {
  local status=$?
  [ "$status" -ne 0 ] && [ "$status" -ne 77 ] && failed=1
  stop "$ijar_pid"
  stop "$listener_pid"
  stop "$a11y_pid"
  stop "$bus_pid"
  stop "$openbox_pid"
  stop "$xvfb_pid"
  if [ "$failed" -eq 0 ]; then
    rm -rf "$work"
  else
    log "kept $work (program output: $work/ijar.out)"
  fi
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

screenshot() {
  [ -n "${DISPLAY:-}" ] || return 0
  local file=$work/failure.png
  if command -v import >/dev/null && import -window root "$file" 2>/dev/null; then
    log "screenshot: $file"
  elif command -v xwd >/dev/null && xwd -root -silent -out "$work/failure.xwd" 2>/dev/null; then
    log "screenshot: $work/failure.xwd"
  fi
}

fail() {
  failed=1
  log "FAILED: $*"
  if [ -n "${DISPLAY:-}" ]; then
    log "active window: $(title "$(active)")"
    local w
    for w in $(windows); do log "  open window: $(title "$w") [$(kind "$w")]"; done
  fi
  [ -s "$focus_file" ] && log "focus: $(tail -n1 "$focus_file")"
  [ -n "$watched_rows" ] && log "rows: $(sql "$watched_rows" 2>&1 | tr '\n' ';')"
  screenshot
  exit 1
}

ijar_alive() {
  [ -n "$ijar_pid" ] || return 1
  running "$ijar_pid" && return 0
  if [ -z "$ijar_status" ]; then
    wait "$ijar_pid"
    ijar_status=$?
  fi
  return 1
}

now_us() { echo "${EPOCHREALTIME/./}"; }

# until WHAT COMMAND...: polls COMMAND until it succeeds; fails after the timeout
# or as soon as the program has ended (unless that is what is awaited).
until_ok() {
  local what=$1; shift
  local deadline=$(( $(now_us) + timeout_s * 1000000 ))
  until "$@"; do
    if [ -n "$ijar_pid" ] && [ "$1" != ijar_ended ] && ! ijar_alive; then
      fail "the program ended (exit code $ijar_status) while waiting for $what"
    fi
    [ "$(now_us)" -lt "$deadline" ] || fail "waited ${timeout_s}s in vain for: $what"
    sleep 0.05
  done
}

start_desktop() {
  unset WAYLAND_DISPLAY XAUTHORITY SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS
  export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache XDG_DATA_HOME=$work/data
  export XDG_RUNTIME_DIR=$work/runtime
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  # The server takes the first free display and writes its number once it listens;
  # -noreset, or a client that leaves early resets it under the next one.
  Xvfb -displayfd 3 -noreset -screen 0 "${screen}x24" -nolisten tcp 3>"$work/display" >"$work/xvfb.out" 2>&1 &
  xvfb_pid=$!
  until_ok "display from Xvfb" test -s "$work/display"
  export DISPLAY=":$(tr -dc 0-9 <"$work/display")"
  openbox --sm-disable >"$work/openbox.out" 2>&1 &
  openbox_pid=$!
  until_ok "window manager on $DISPLAY" wm_ready
  start_accessibility
}

# A session bus, the accessibility bus on it, and a listener that writes down
# every control that takes the focus.
start_accessibility() {
  local vars
  vars=$(dbus-launch --sh-syntax) || fail "dbus-launch: $vars"
  eval "$vars"
  bus_pid=$DBUS_SESSION_BUS_PID
  "$bus_launcher" --launch-immediately >"$work/a11y.out" 2>&1 &
  a11y_pid=$!
  /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/focus.py" "$focus_file" >"$work/listener.out" 2>&1 &
  listener_pid=$!
  until_ok "the focus listener on the accessibility bus" test -s "$focus_file"
}

last_focus() { tail -n1 "$focus_file" | cut -f2; }
focus_on() { [ "$(last_focus)" = "$1" ]; }
focus_named() { [ -n "$(last_focus)" ]; }
# focus_is NAME: the control that has the focus is the one a screen reader calls NAME.
focus_is() {
  until_ok "the focus on \"$1\"" focus_on "$1"
  log "focus on: $1"
}

focus_starting() { [[ "$(last_focus)" == "$1"* ]]; }
# focus_starts TEXT: what a screen reader says of the focused control begins with TEXT.
focus_starts() {
  until_ok "the focus on \"$1...\"" focus_starting "$1"
  log "focus on: $(last_focus)"
}

wm_ready() { [ "$(xdotool get_num_desktops 2>/dev/null)" -gt 0 ] 2>/dev/null; }

# ---- windows -----------------------------------------------------------------

# fits WINDOW WHAT: the window, its frame included, lies on the screen.
fits() {
  local x y width height left right top bottom
  read -r x y width height <<<"$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF}
    /Absolute upper-left Y/ {y = $NF} /Width:/ {w = $NF} /Height:/ {h = $NF} END {print x, y, w, h}')"
  read -r left right top bottom <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ,)"
  (( x - ${left:-0} >= 0 && y - ${top:-0} >= 0 && x + width + ${right:-0} <= ${screen%x*} \
     && y + height + ${bottom:-0} <= ${screen#*x} )) \
    || fail "$2 does not fit the $screen screen: ${width}x${height} at $x,$y, frame $left $right $top $bottom"
}

declare -A titles
active() { xdotool getactivewindow 2>/dev/null; }
# A window's title; that of a closed window as it was when it opened.
remember() { local t; t=$(xdotool getwindowname "$1" 2>/dev/null) && titles[$1]=$t; }
title() {
  [ -n "$1" ] || return 0
  xdotool getwindowname "$1" 2>/dev/null || echo "${titles[$1]:-window $1}"
}
windows() { [ -n "$ijar_pid" ] && xdotool search --onlyvisible --pid "$ijar_pid" --name . 2>/dev/null; }
shown() { windows | grep -qx "$1"; }
# NORMAL for the main window, DIALOG for screens and messages, UTILITY for menus.
kind() {
  xprop -id "$1" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -o '_NET_WM_WINDOW_TYPE_[A-Z]*' | head -n1 \
    | sed 's/_NET_WM_WINDOW_TYPE_//'
}
ours() { [ -n "$1" ] && [ "$(xdotool getwindowpid "$1" 2>/dev/null)" = "$ijar_pid" ]; }

# Sets $win to the active window when it is the program's and not among $1.
new_active() {
  local a
  a=$(active) && ours "$a" && ! grep -qx "$a" <<<"$1" && win=$a && remember "$a"
}
active_of_kind() {
  local a
  a=$(active) && ours "$a" && [ "$(kind "$a")" = "$1" ] && win=$a && remember "$a"
}
is_active() { [ "$(active)" = "$1" ]; }
# A new active window taller than a message or a wait.
large_new_active() {
  new_active "$1" && [ "$(xdotool getwindowgeometry "$win" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')" -gt 400 ]
}
closed_and_active() { ! shown "$1" && { [ -z "$2" ] && ours "$(active)" || is_active "$2"; }; }

key() { xdotool key "$@"; }
typed() { xdotool type --delay 30 -- "$1"; }

# opens KEY WHAT: the key opens a new window of the program, which gets the focus; its id goes to $win.
opens() {
  local before
  before=$(windows)
  key "$1"
  until_ok "$2 (after $1)" new_active "$before"
  log "$1 opened $2: $(title "$win")"
}

# closes KEY WINDOW WHAT [BACK]: the key closes WINDOW and BACK (else any window of the program) is active.
closes() {
  key "$1"
  until_ok "$3 closed by $1${4:+, the focus back on \"$(title "$4")\"}" closed_and_active "$2" "${4:-}"
  log "$1 closed $3"
}

# ---- the program -------------------------------------------------------------

new_office() {
  mkdir -p "$home"
  "$ijar" --create-database "$db" --demo >"$work/create.out" 2>&1 || fail "--create-database: $(cat "$work/create.out")"
  printf '[CONFIG]\nDATABASE = %s\nLASTUSER = ADMIN\n' "$db" >"$home/ijar.ini"
}

start_ijar() {
  # ctest may run with the offscreen platform; these windows must be real.
  QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$ijar" --home "$home" >"$work/ijar.out" 2>&1 &
  ijar_pid=$!
  until_ok "login window" active_of_kind DIALOG
  login_win=$win
  log "login window: $(title "$login_win")"
}

# Types the password on the login screen; the main window takes the focus.
log_in() {
  focus_is "كلمة المرور"
  typed "$1"
  key Return
  until_ok "main window after the login" active_of_kind NORMAL
  main_win=$win
  shown "$login_win" && fail "the login window is still open"
  log "logged in: $(title "$main_win")"
  fits "$main_win" "the main window"
  # A second later the demo office's reminders pop up: no more of them for now.
  until_ok "the reminders" active_of_kind DIALOG
  log "reminder: $(title "$win")"
  key Tab Tab space Return
  until_ok "main window after the reminders" is_active "$main_win"
}

ijar_ended() { ! ijar_alive; }

sql() { sqlite3 -batch -noheader -cmd '.timeout 2000' "${2:-$db}" "$1"; }
sql_is() { [ "$(sql "$1" 2>/dev/null)" = "$2" ]; }

# ---- scenarios ---------------------------------------------------------------

scenario_login() {
  typed WRONG
  opens Return "the wrong-password message"
  closes Return "$win" "the message" "$login_win"
  log_in ADMIN
  grep -Eq "^DATABASE *= *$db\$" "$home/ijar.ini" || fail "ijar.ini lost the database: $(cat "$home/ijar.ini")"
  grep -Eqi '^LASTUSER *= *ADMIN$' "$home/ijar.ini" || fail "ijar.ini lost the last user: $(cat "$home/ijar.ini")"
}

scenario_menu() {
  log_in ADMIN
  opens F5 "the Rent menu"
  local menu=$win
  [ "$(kind "$menu")" != NORMAL ] || fail "F5 did not open a menu window"
  opens 6 "the customer messages screen"
  [ "$(kind "$win")" = DIALOG ] || fail "6 on the menu opened a $(kind "$win") window, not a screen"
  closes Escape "$win" "the customer messages screen"
}

scenario_menu_again() {
  log_in ADMIN
  opens F5 "the Rent menu"
  local menu=$win
  opens 6 "the customer messages screen"
  closes Escape "$win" "the customer messages screen" "$menu"
  opens 5 "the diary"
  closes Escape "$win" "the diary" "$menu"
  # Another menu's key takes its place, and it stays once the window manager settles.
  opens F3 "the Data menu in place of the Rent menu"
  local data=$win
  sleep 1
  is_active "$data" && ! shown "$menu" || fail "F3 on the Rent menu left the Data menu closed or the Rent menu open"
  closes 0 "$data" "the Data menu" "$main_win"
}

scenario_new_record() {
  # Latin letters only: xdotool types other scripts by remapping a spare key for
  # a moment, and a busy program may read that key after the remap is undone.
  local name='Welcome back 7' text='Your car is ready at 5 pm.'
  local last
  last=$(sql 'select coalesce(max(CUSTOMERMESSAGEID), 0) from CUSTOMERMESSAGE')
  watched_rows="select CUSTOMERMESSAGEID, quote(name), quote(HomeComments) from CUSTOMERMESSAGE
                where CUSTOMERMESSAGEID > $last"
  log_in ADMIN
  opens F5 "the Rent menu"
  opens 6 "the customer messages screen"
  local screen=$win
  opens F8 "the new-record dialog"
  focus_is "الاسم"
  typed "$name"
  closes Return "$win" "the new-record dialog" "$screen"
  focus_is "الرسالة"
  until_ok "new row named '$name'" sql_is "select count(*) from CUSTOMERMESSAGE where name = '$name'" 1
  # The cursor is in the message text now: the first field of the first page.
  typed "$text"
  local windows_before
  windows_before=$(windows)
  key F12
  saved_or_new_window() {
    local stored
    stored=$(sql "select quote(HomeComments) from CUSTOMERMESSAGE where name = '$name'" 2>/dev/null)
    [ "$stored" = "'$text'" ] && return 0
    [ -n "$stored" ] && [ "$stored" != NULL ] && fail "F12 saved the message as $stored, typed was '$text'"
    new_active "$windows_before" && fail "F12 opened a window instead of saving: $(title "$win")"
    return 1
  }
  until_ok "saved message text" saved_or_new_window
  sql_is "select count(*) from CUSTOMERMESSAGE where CUSTOMERMESSAGEID > $last" 1 || fail "not exactly one new message"
  is_active "$screen" || fail "the screen lost the focus after the save"
}

scenario_logoff() {
  log_in ADMIN
  key alt+F4
  until_ok "log-off screen" new_active "$main_win"
  log "Alt+F4 opened the log-off screen: $(title "$win")"
  key space
  key Return
  until_ok "the end of the program after log-off" ijar_ended
  [ "$ijar_status" = 0 ] || fail "the program ended with exit code $ijar_status"
  ijar_pid=''
  local backups=("$home"/db/backup/*)
  [ ${#backups[@]} -eq 1 ] && [ -f "${backups[0]}" ] || fail "not one backup in $home/db/backup: ${backups[*]}"
  [ "$(sql 'pragma integrity_check' "${backups[0]}")" = ok ] || fail "the backup ${backups[0]} fails its check"
  [ "$(sql .dump "${backups[0]}")" = "$(sql .dump)" ] || fail "the backup differs from the database"
  log "backup: ${backups[0]}"
}

scenario_board() {
  # The first car free today and tomorrow: its plate typed on the board goes to its row, at today.
  local today tomorrow car plate
  today=$(date +%Y%m%d)
  tomorrow=$(date -d tomorrow +%Y%m%d)
  car=$(sql "select carid from car c where STOP = 0 and rented = 0 and not exists (select 1 from RESERVATION r
             where r.CARNO = c.carid and r.STATE = 0 and r.PICKUPDATE <= $tomorrow and r.RETURNDATE >= $today)
             order by carid limit 1")
  plate=$(sql "select PLATENO from car where carid = $car")
  watched_rows="select RESERVATIONID, STATE, CUSTOMERID, RENTID from RESERVATION where CARNO = $car"
  log_in ADMIN
  opens F5 "the Rent menu"
  opens 8 "the planning board"
  local board=$win
  typed "$plate"
  focus_starts "متاحة، "
  opens Return "the name of a new reservation"
  typed "Booked on the board"
  closes Return "$win" "the name of the new reservation"
  local reservation
  reservation=$(active)
  until_ok "the new reservation" sql_is "select count(*) from RESERVATION where NAME = 'Booked on the board'" 1
  opens F5 "the customer picker"
  closes Return "$win" "the customer picker" "$reservation"
  key F12
  until_ok "the reservation saved with the car of the board and its customer" \
    sql_is "select count(*) from RESERVATION where NAME = 'Booked on the board' and CARNO = $car and STATE = 0
            and PICKUPDATE = $today and RETURNDATE = $tomorrow and CUSTOMERID > 0" 1
  opens F4 "the contract of the reservation picked up"
  local contract=$win
  local picked="select count(*) from RESERVATION r join RENT c on c.RENTID = r.RENTID where r.CARNO = $car
                and r.STATE = 1 and c.CARNO = $car and c.RETURNED = 0 and c.CUSTOMERID = r.CUSTOMERID"
  until_ok "the reservation picked up into an open contract" sql_is "$picked" 1
  # Its own reservation never stands in the way of the contract's save.
  local before
  before=$(windows)
  key F12
  sleep 1
  new_active "$before" && fail "F12 on the picked-up contract opened a window: $(title "$win")"
  closes Escape "$contract" "the contract" "$reservation"
  closes Escape "$reservation" "the reservation" "$board"
  # The cursor stands where it was: one day on and back, today's cell shows the car out.
  key Left
  focus_starts "موعد العودة: "
  key Right
  focus_starts "مؤجرة: "
}

scenario_print() {
  log_in ADMIN
  opens F5 "the Rent menu"
  opens 1 "the contract screen"
  local screen=$win
  opens F7 "the report dialog"
  local dialog=$win
  # The contract is the first report of the list; LibreOffice makes the
  # preview's PDF, and on its first start its profile too, while a small
  # window with a Cancel button waits for it.
  local before
  before=$(windows)
  key Return
  timeout_s=90 until_ok "the report preview (after Return)" large_new_active "$before"
  log "Return opened the report preview: $(title "$win")"
  fits "$win" "the report preview"
  local copies=("$home"/reports/*.odt)
  [ ${#copies[@]} -eq 1 ] && [ -f "${copies[0]}" ] || fail "not one copy in $home/reports: ${copies[*]}"
  [ -f "${copies[0]%.odt}.pdf" ] || fail "no PDF beside ${copies[0]}"
  [ "$(stat -c %a "${copies[0]}")" = 400 ] || fail "the copy ${copies[0]} is not its owner's and read-only"
  closes Escape "$win" "the report preview" "$dialog"
  closes Escape "$dialog" "the report dialog" "$screen"
}

# tab_to NAME [KEY]: Tab (or KEY) until the control a screen reader calls NAME has the focus.
tab_to() {
  local left=80
  until focus_on "$1"; do
    (( left-- > 0 )) || fail "${2:-Tab} never reached \"$1\""
    key "${2:-Tab}"
    sleep 0.1
  done
  log "focus on: $1"
}

# A dent marked by keys as the first open contract's car goes out is on its
# diagram at the return, beside a crack found then; the close-out's PDF shows
# the diagram and both marks, the new one as new.
scenario_condition() {
  local rent marks before pdf text
  rent=$(sql "select min(RENTID) from RENT where RETURNED = 0")
  marks="select count(*) from CARDAMAGE d join RENT r on r.RENTID = d.RENTID where r.RENTID = $rent and d.KIND"
  log_in ADMIN
  opens F5 "the Rent menu"
  opens 1 "the contract screen"
  tab_to "مخطط الأضرار"
  key Return 2 F12
  until_ok "the dent stored on the contract as it went out" sql_is "$marks = 2 and d.FOUNDDATE = r.EXITDATE" 1
  closes Escape "$win" "the contract screen"
  opens 3 "the return screen"
  # The page's first field is the fuel gauge; the diagram follows it.
  key ctrl+Tab Tab
  focus_is "الوقود عند العودة"
  tab_to "مخطط الأضرار"
  key 3 Return
  tab_to "تم استلام السيارة"
  key space F12
  until_ok "the crack stored at the return, the contract closed" \
    sql_is "$marks = 3 and d.FOUNDDATE > r.EXITDATE and r.RETURNED = 1" 1
  opens F7 "the report dialog"
  before=$(windows)
  key Return
  timeout_s=90 until_ok "the close-out's preview" large_new_active "$before"
  pdf=("$home"/reports/*.pdf)
  text=$(pdftotext -enc UTF-8 "${pdf[0]}" - | tr -s ' \n' ' ')
  for words in Dent انبعاج Crack كسر; do
    grep -qF -- "$words" <<<"$text" || fail "the close-out lacks \"$words\": $text"
  done
  # A right-to-left cell may come out of the PDF turned: its words one by one.
  [ "$(grep -o check-out <<<"$text" | wc -l) $(grep -o جديد <<<"$text" | wc -l)" = "1 1" ] \
    || fail "the close-out does not show one mark as at check-out and one as new: $text"
  [ "$(pdfimages -list "${pdf[0]}" | awk '$3 == "image"' | wc -l)" -ge 1 ] || fail "the close-out has no picture"
  [ -f "${pdf[0]%.pdf}-DAMAGEDIAGRAM.png" ] || fail "no diagram beside the close-out"
}

# Every window each menu opens fits the screen, and the control it puts the
# focus on has a name; Escape closes it (and the window it opened with, such
# as the open dialog of the contracts) back to the menu.
scenario_windows() {
  log_in ADMIN
  local menu item count
  for menu in F1:2 F2:3 F3:4 F4:6 F5:6; do
    count=${menu#*:} menu=${menu%:*}
    opens "$menu" "menu $menu"
    local menu_win=$win
    fits "$menu_win" "menu $menu"
    for item in $(seq "$count"); do
      opens "$item" "item $item of menu $menu"
      local left=5
      until is_active "$menu_win"; do
        (( left-- > 0 )) || fail "Escape does not lead back to menu $menu"
        fits "$win" "\"$(title "$win")\" (item $item of menu $menu)"
        until_ok "a named control with the focus in \"$(title "$win")\"" focus_named
        closes Escape "$win" "\"$(title "$win")\""
        win=$(active)
      done
    done
    closes 0 "$menu_win" "menu $menu" "$main_win"
  done
}

# ---- main --------------------------------------------------------------------

case "$scenario" in
  login|menu|menu_again|new_record|logoff|print|windows|board|condition) ;;
  *) echo "e2e: unknown scenario $scenario" >&2; exit 2 ;;
esac
[ -x "$ijar" ] || { echo "e2e: no program at $ijar" >&2; exit 2; }

new_office
start_desktop
start_ijar
"scenario_$scenario"
log "passed"
