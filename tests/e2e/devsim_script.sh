#!/usr/bin/env bash
# The control tool as a user drives it from a shell: plug, unplug, preload and dump.
set -u
devsim=$1
run() { "$(dirname "$0")/../../scripts/wine-run.sh" "$devsim" "$@" | tr -d '\r'; }
fail() { echo "FAILED: $*"; exit 1; }

run reset
run dump state | grep -qx 'plugged 1' || fail "a reset device is plugged"
run unplug
run dump state | grep -qx 'plugged 0' || fail "unplug"
run dump events | grep -q 'removal hid \\\\?\\HID#VID_7A39&PID_4215' || fail "unplug posts the HID removal"
run plug
run dump state | grep -qx 'plugged 1' || fail "plug"
run dump events | tail -n 2 | grep -q 'arrival hid' || fail "plug posts the HID arrival"
run driver off
run dump state | grep -qx 'driver 0' || fail "driver off"
run eeprom 0 00 04 40 00 04 40 00 84
run dump eeprom | grep -qx '00: 00 04 40 00 04 40 00 84 FF FF FF FF FF FF FF FF' || fail "EEPROM preload"
run dump journal | grep -qx 'EEPROM preload at 0: 00 04 40 00 04 40 00 84' || fail "journal"
"$(dirname "$0")/../../scripts/wine-run.sh" "$devsim" bogus >/dev/null; [ $? = 2 ] || fail "an unknown command is refused"
run reset
echo "devsim script passed"
