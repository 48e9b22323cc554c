# Sourced by the run and test scripts: headless and root-friendly settings.
# Tumbrix itself reads no environment variable; these are Qt's own.
if [ "$(id -u)" -eq 0 ]; then
  # Chromium refuses its sandbox as root.
  export QTWEBENGINE_DISABLE_SANDBOX=1
fi
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---disable-gpu --disable-background-networking --disable-component-update}"
jobs=$(nproc 2>/dev/null || echo 2)
