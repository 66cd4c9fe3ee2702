#!/usr/bin/env bash
# Builds the program and starts it. Without a display it runs in a virtual one, saves a screenshot
# under the build folder and says where; with --keep it stays open until you press Enter.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target Settings

if [ -n "${DISPLAY:-}" ] && [ "${1:-}" != "--virtual" ]; then
  exec build/app/Settings
fi

source scripts/xsession.sh
start_virtual_display
build/app/Settings &
app=$!
xdotool search --sync --name '^Setup$' >/dev/null
sleep 3  # the help window opens shortly after start-up
mkdir -p build/screenshots
shot="$PWD/build/screenshots/run.png"
import -window root "$shot"
echo "Settings is running on the virtual display $DISPLAY; screenshot: $shot"
if [ "${1:-}" = "--keep" ] || [ "${2:-}" = "--keep" ]; then
  read -r -p "Press Enter to close it. "
fi
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
