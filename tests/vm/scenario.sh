# Runs inside the test VM (busybox sh): the production hidraw backend in tavroctl
# against the simulated mouse behind the kernel's HID core. Prints one CHECK line per
# check; exits non-zero when any check failed.
failed=0
check() {  # check <name> <command…>: passes when the command succeeds
    name=$1
    shift
    if "$@"; then
        echo "CHECK ok   $name"
    else
        echo "CHECK FAIL $name"
        failed=$((failed + 1))
    fi
}
contains() { grep -q -- "$2" "$1"; }
count_is() { [ "$(grep -c -- "$2" "$1")" -eq "$3" ]; }

mouse_pid=
start_mouse() {  # start_mouse <log> [options…]
    log=$1
    shift
    tavro-uhid-mouse --state /tmp/mouse.state "$@" 2>"$log" &
    mouse_pid=$!
    # The hidraw node appears asynchronously once the kernel has added the device.
    tries=0
    until tavroctl list >/tmp/list.out 2>/dev/null; do
        tries=$((tries + 1))
        [ $tries -lt 100 ] || { echo "no hidraw node after 10 s"; return 1; }
        sleep 0.1
    done
}
stop_mouse() {
    kill "$mouse_pid" 2>/dev/null
    wait "$mouse_pid" 2>/dev/null
    # Wait for the kernel to drop the node before the next device is created.
    tries=0
    while ls /dev/hidraw* >/dev/null 2>&1 && [ $tries -lt 50 ]; do
        tries=$((tries + 1))
        sleep 0.1
    done
}
now_ms() { awk '{ printf "%d", $1 * 1000 }' /proc/uptime; }
elapsed_ms() { echo $(( $(now_ms) - $1 )); }

echo "== the mouse behind the kernel"
start_mouse /tmp/mouse.log || exit 1
cat /tmp/list.out
check "four collections on one node" count_is /tmp/list.out "usage_page=" 4
check "the vendor collection is used" contains /tmp/list.out "usage_page=0xff01 usage=0x0002 (used)"

tavroctl --trace info >/tmp/info.out 2>/tmp/info.trace
cat /tmp/info.out /tmp/info.trace
check "firmware version" contains /tmp/info.out "firmware: 1.24"
check "active profile" contains /tmp/info.out "active profile: 0"

start=$(now_ms)
tavroctl apply --dir /data >/tmp/apply.out 2>&1
status=$?
echo "apply took $(elapsed_ms "$start") ms"
cat /tmp/apply.out
check "apply exit status" [ $status -eq 0 ]
check "five images written" count_is /tmp/apply.out "written" 5
check "ten image halves of 1041 bytes" count_is /tmp/mouse.log "SET id=0x61 len=1041 err=0" 10

tavroctl --trace select 3 2>/tmp/select.trace
check "select 3" [ $? -eq 0 ]
cat /tmp/select.trace
check "select command bytes" contains /tmp/mouse.log "SET id=0x60 len=64 err=0 data=60 04 00 00 00 03 00"
tavroctl info >/tmp/info.out 2>&1
check "the mouse reports slot 3" contains /tmp/info.out "active profile: 3"

check "lod test 12" tavroctl lod test 12
check "lod test command bytes" contains /tmp/mouse.log "data=60 06 01 00 00 0c 00"
check "lod save clamps 40 to 31" tavroctl lod save 40
check "lod save command bytes" contains /tmp/mouse.log "data=60 06 02 00 00 1f 00"

tavroctl surface --countdown 0 >/tmp/surface.out 2>/dev/null
cat /tmp/surface.out
check "surface quality read" contains /tmp/surface.out "quality: 38 level: 7"

# One writer at a time: a command holds the node's lock for its whole sequence (here
# the surface analysis with its countdown), and one that may not wait is refused.
tavroctl surface --countdown 3 >/tmp/held.out 2>/tmp/held.err &
held_pid=$!
tries=0
until grep -q "measuring" /tmp/held.err 2>/dev/null || [ $tries -ge 50 ]; do
    tries=$((tries + 1))
    sleep 0.1
done
tavroctl --lock-wait=0 info >/tmp/busy.out 2>&1
busy_status=$?
cat /tmp/busy.out
check "a held mouse refuses a command that may not wait" [ $busy_status -eq 1 ]
check "the refusal says the mouse is busy" contains /tmp/busy.out "busy"
tavroctl --lock-wait=10 info >/tmp/waited.out 2>&1
check "a command that may wait runs once the holder is done" contains /tmp/waited.out "firmware: 1.24"
wait "$held_pid"
check "the holder itself completed" contains /tmp/held.out "quality: 38"

for slot in 0 1 2 3 4; do
    n=$((slot + 1))
    tavroctl image /data/Default$n.profile --slot $slot -o /tmp/expected$slot
    tavroctl --simulate=/tmp/mouse.state sim-image $slot -o /tmp/held$slot
    check "image of slot $slot held by the mouse" cmp /tmp/expected$slot /tmp/held$slot
done
stop_mouse
echo "-- mouse log (first lines)"
head -n 30 /tmp/mouse.log

echo "== fault: busy for three status reads"
start_mouse /tmp/busy.log --busy 3 || exit 1
start=$(now_ms)
tavroctl info >/tmp/info.out 2>&1
echo "info took $(elapsed_ms "$start") ms"
cat /tmp/info.out
check "busy mouse: firmware unreadable" contains /tmp/info.out "firmware: -.--"
check "busy mouse: three status reads, then no more" count_is /tmp/busy.log "GET id=0x60" 4
stop_mouse

echo "== fault: the first image half refused"
start_mouse /tmp/refuse.log --refuse-half 0 || exit 1
tavroctl apply --dir /data >/tmp/apply.out 2>&1
status=$?
cat /tmp/apply.out
check "refused half: apply fails" [ $status -ne 0 ]
check "refused half: every slot failed" count_is /tmp/apply.out "failed" 5
# uhid hands every refusal to the host as EIO, which is not one of the transient errors
# the link retries: one refused send per slot.
check "refused half: refused once per slot" count_is /tmp/refuse.log "SET id=0x61 len=1041 err=32" 5
check "refused half: no second half sent" [ "$(grep -c 'data=61 08 00 00 00 0[0-4] 01' /tmp/refuse.log)" -eq 0 ]
stop_mouse

echo "== fault: the device destroyed during apply"
start_mouse /tmp/destroy.log --destroy-after-halves 3 || exit 1
start=$(now_ms)
tavroctl apply --dir /data >/tmp/apply.out 2>&1
status=$?
took=$(elapsed_ms "$start")
echo "apply took $took ms"
cat /tmp/apply.out
check "destroyed: apply fails" [ $status -ne 0 ]
check "destroyed: slot 0 written" contains /tmp/apply.out "slot 0: written"
check "destroyed: slot 1 failed" contains /tmp/apply.out "slot 1: failed"
check "destroyed: apply ends within 5 s" [ "$took" -lt 5000 ]
tail -n 3 /tmp/destroy.log
wait "$mouse_pid" 2>/dev/null

echo "CHECKS FAILED: $failed"
[ $failed -eq 0 ]
