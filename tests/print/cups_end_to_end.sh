#!/usr/bin/env bash
# Prints through a real print server: starts a private CUPS scheduler (its own configuration,
# spool and socket) with a PDF printer as its default, runs the print command driver, and checks
# that exactly one one-page PDF arrives; then, with no printer at all, that the program says so
# and still finishes.
#
# usage: [CARLOAN_KEEP_PDF=copy.pdf] cups_end_to_end.sh [EMULATOR...] DRIVER
# Needs root: the PDF backend runs as root and reads its instance settings only from /etc/cups,
# where this script puts one file of its own for the length of the run.
set -euo pipefail
(($#)) || { echo "usage: cups_end_to_end.sh [EMULATOR...] DRIVER"; exit 2; }
driver=("$@")
skip=77

if [[ $(id -u) -ne 0 ]]; then
    echo "SKIP: needs root for the PDF backend of the private print server"
    exit $skip
fi
for tool in /usr/sbin/cupsd /usr/lib/cups/backend/cups-pdf lpadmin lpstat pdfinfo pdftotext; do
    command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/setup"; exit 1; }
done
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

work=$(mktemp -d /tmp/carloan-cups.XXXXXX)
queue="carloan-test-$$"
instance_conf="/etc/cups/cups-pdf-$queue.conf"
cupsd_pid=""
cleanup() {
    if [[ -n $cupsd_pid ]]; then
        kill "$cupsd_pid" 2>/dev/null || true
        wait "$cupsd_pid" 2>/dev/null || true
    fi
    rm -f "$instance_conf"
    rm -rf "$work"
}
trap cleanup EXIT

# Filters run as lp, so the folders they use must be reachable by it.
chmod 755 "$work"
mkdir -p "$work"/{cache,state,log,home,client,out,pdf-spool}
install -d -o root -g lp -m 0710 "$work/spool"
install -d -o root -g lp -m 1770 "$work/tmp"

cat >"$work/cupsd.conf" <<CONF
Listen $work/cups.sock
LogLevel warn
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
cat >"$work/cups-files.conf" <<CONF
ServerRoot $work
RequestRoot $work/spool
CacheDir $work/cache
StateDir $work/state
TempDir $work/tmp
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
User lp
Group lp
SystemGroup root
CONF
cat >"$instance_conf" <<CONF
Out $work/out
AnonDirName $work/out
Spool $work/pdf-spool
Log $work/log
Grp lp
CONF

/usr/sbin/cupsd -f -c "$work/cupsd.conf" -s "$work/cups-files.conf" &
cupsd_pid=$!

# Clients talk to this server only, and read no user or system printer defaults.
export CUPS_SERVER="$work/cups.sock" HOME="$work/home" CUPS_SERVERROOT="$work/client"
export QT_QPA_PLATFORM=offscreen

fail() {
    echo "FAIL: $*"
    echo "--- print server log"
    cat "$work/log/error_log" 2>/dev/null || true
    exit 1
}

# lpstat -r exits 0 whether or not the scheduler answers; only its words tell.
running() { [[ $(lpstat -r 2>/dev/null) == "scheduler is running" ]]; }
for _ in $(seq 100); do
    running && break
    sleep 0.1
done
running || fail "the private print server did not start"

# 1. A PDF printer as the default: one job, one PDF, one page.
# lpadmin warns that printer drivers are deprecated: its words are shown only when it fails.
if ! lpadmin -p "$queue" -E -v "cups-pdf:/$queue" -P "$ppd" 2>"$work/lpadmin.err"; then
    cat "$work/lpadmin.err"
    fail "the test printer could not be added"
fi
# The default PostScript step turns the fonts into pictures; this one keeps the text readable.
lpadmin -p "$queue" -o pdftops-renderer-default=pdftocairo
lpadmin -d "$queue"
[[ $(lpstat -d) == *"$queue"* ]] || fail "the test printer is not the default"

output=$("${driver[@]}" | tr -d '\r')
echo "$output"
[[ $output != *message* ]] || fail "printing showed a message"
[[ $(tail -n 1 <<<"$output") == $'status\t印刷が終了しました。' ]] || fail "no final status"

pdfs=()
for _ in $(seq 600); do
    mapfile -t pdfs < <(find "$work/out" -name '*.pdf')
    if ((${#pdfs[@]} > 0)) && [[ -z $(lpstat -o "$queue") ]]; then
        break
    fi
    sleep 0.1
done
# Where AppArmor guards the PDF backend, its profile refuses any folder but the usual ones.
((${#pdfs[@]} == 1)) || fail "expected one PDF, found ${#pdfs[@]}: ${pdfs[*]} (AppArmor denials show in dmesg)"
pages=$(pdfinfo "${pdfs[0]}" | sed -n 's/^Pages: *//p')
[[ $pages == 1 ]] || fail "expected one page, found $pages"
# Wine's PostScript driver draws the glyphs without their text, and names the job in the ANSI
# code page: there the page is looked at by eye (CARLOAN_KEEP_PDF).
if [[ ${CARLOAN_PRINTED_TEXT:-} != unreadable ]]; then
    text=$(pdftotext -layout "${pdfs[0]}" -)
    for expected in "オートローンお見積書" "山田 様" "中央支店" "1,000,000円" "32,200円×35回"; do
        [[ $text == *"$expected"* ]] || fail "the printed page lacks $expected"
    done
    grep -q "オートローンお見積書" "$work/log/page_log" || fail "the job is not named オートローンお見積書"
fi
echo "printed: $(basename "${pdfs[0]}")"
if [[ -n ${CARLOAN_KEEP_PDF:-} ]]; then
    cp "${pdfs[0]}" "$CARLOAN_KEEP_PDF"  # to look at the page by eye
fi

# 2. No printer, so no default: the message, and the status says the print failed.
lpadmin -x "$queue"
output=$("${driver[@]}" | tr -d '\r')
echo "$output"
expected_output=$'message\tTavri\tプリンタ名の取得に失敗しました\nstatus\t印刷に失敗しました。'
[[ $output == "$expected_output" ]] || fail "unexpected output without a default printer"
sleep 1
[[ $(find "$work/out" -name '*.pdf' | wc -l) == 1 ]] || fail "a PDF arrived without a printer"

echo "PASS"
