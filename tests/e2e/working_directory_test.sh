#!/usr/bin/env bash
# Started from another folder, the program works in the folder of its executable.
set -euo pipefail
program=$1
elsewhere=$(mktemp -d)
cd "$elsewhere"
QT_QPA_PLATFORM=offscreen "$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$elsewhere"' EXIT
expected=$(cd "$(dirname "$program")" && pwd -P)
for _ in $(seq 100); do
    actual=$(readlink "/proc/$pid/cwd" || true)
    [[ "$actual" == "$expected" ]] && { echo "working directory: $actual"; exit 0; }
    sleep 0.05
done
echo "working directory is '$actual', expected '$expected'" >&2
exit 1
