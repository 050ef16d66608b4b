"""Harness for Quindle's end-to-end tests: the built game on a real display.

Run test scripts with /usr/bin/python3 (it has pyatspi). One desktop per
script process: pyatspi binds to the accessibility bus of the first desktop.

    import quindle_e2e as e2e

    with e2e.Desktop("x11") as desk:            # or "wayland" (Weston, headless)
        game = desk.launch()                     # the built game, accessibility on
        main = game.window("Quindle")            # waits for the frame by title
        tiles = game.tiles()                     # the sixteen tile buttons, in board order
        e2e.click(desk, game.find(main, "push button", "Start"))   # xdotool, X11 only
        e2e.press(game.find(main, "push button", "Start"))         # AT-SPI action
        e2e.wait_until(lambda: game.window("Hey!"), 10, "the confirmation dialog")
        desk.screenshot("shot.png")
        assert game.wait_exit(10) == 0

Desktop(kind, size=(1024, 768), pointer=False)
    A private desktop: its own temporary folder, XDG_RUNTIME_DIR (made before
    its D-Bus session starts), XDG_CONFIG_HOME/CACHE/DATA/STATE, a session bus,
    an accessibility bus, and either Xvfb on a free display (-displayfd) with
    openbox, or Weston on its headless back end (pixman, so screenshots work).
    Wayland with pointer=True nests Weston in a private Xvfb instead, so
    click()/key() reach the game through Weston (output = screen coordinates;
    AT-SPI extents are not screen positions there).
    The process's own environment is pointed at it on entry, so import
    pyatspi (or call e2e.atspi()) only inside the with block.
    desk.kind, desk.env (for children), desk.tmp, desk.display (":N" or the
    Wayland socket name), desk.run([...]) runs a tool on the desktop,
    desk.start([...]) starts one in the background (stopped at teardown),
    desk.screenshot(path) saves the whole screen as PNG.
    desk.launch(args=(), cwd_files=None, env=None) -> Game.
    On leaving the block every process it started is ended, also on failure,
    SIGTERM or SIGINT; daemons started by D-Bus activation are found by a
    marker in their environment and ended too.

Game
    game.proc (Popen), game.pid, game.cwd (temporary current folder holding
    the cues and the clip), game.exit_code() (None while running),
    game.wait_exit(timeout) -> exit status (fails on timeout),
    game.app(timeout) -> its AT-SPI application (matched by process id),
    game.window(title, timeout=10) -> the visible top-level window with
    that title (fails on timeout), game.active(title) -> that window once
    ready() for input, game.windows() -> visible top-levels,
    game.find(root, role, name=None) / game.find_all(...) search a subtree
    (role as pyatspi's role name, e.g. "push button", "label", "frame"),
    game.tiles() -> the sixteen tile buttons in row-major order,
    game.captions() -> their captions, e.g. ["1", ..., "15", ""] ("" for blank).
    game.output() -> what it wrote on stdout/stderr so far.

Free functions
    wait_until(predicate, timeout, what): polls until predicate() is truthy
      and returns that value; fails loudly naming `what` and the last error.
    atspi(): the pyatspi module, imported on the desktop's bus.
    name(acc), role(acc), states(acc), extents(acc) -> (x, y, w, h) on screen,
    showing(acc), press(acc, action="Press") does an accessibility action
      without waiting for it (a button that opens a modal dialog answers
      only when the dialog closes). Headless Weston has no input devices,
      so on Wayland press() is the way to act.
    click(desk, acc_or_xy, button=1), key(desk, to, *keys),
      alt_code(desk, to, letters), xdotool(desk, to, *args): real input
      through xdotool (X11 only), each first waiting until the window holding
      the accessible (`to`, or the one clicked) is ready(): shown, active and
      at rest.
    window_of(acc) -> the top-level window holding acc.
    x11_window_ids(desk, title) -> client window ids with that title;
    x11_frame(desk, wid) -> (x, y, w, h) of the outer frame around a client;
    x11_titled_frame(desk, title) -> (wid, frame) of the window with that
      title, once the window manager lists it;
    x11_client(desk, wid) -> (x, y, w, h) of the client area on the root;
    x11_prop(desk, wid, name) -> xprop's text for one property.
    step(desk, title): context manager that prints the step and, when it
      fails, saves a screenshot into $QUINDLE_E2E_ARTIFACTS (or the temp dir).
    artifacts(desk) -> the folder for pictures worth keeping, made:
      $QUINDLE_E2E_ARTIFACTS, or the desktop's own folder.
    Picture(path): a PNG's pixels, .at(x, y) -> (r, g, b), .runs(y, colour).

Environment set by CTest (tests/e2e/CMakeLists.txt, quindle_add_e2e):
    QUINDLE_GAME (the built game), QUINDLE_ASSETS (assets/ of the source),
    QUINDLE_E2E_ARTIFACTS (where failure screenshots go).
A script exits with 77 (CTest: skipped) when a required tool is missing.
"""

import contextlib
import ctypes
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77
_MARKER = "QUINDLE_E2E_DESKTOP"
_GAME_FILES = ("left.wav", "ok.wav", "uhoh.wav", "applause.wav", "cool.avi")
_OFF_WESTON = 16  # px of Xvfb screen right of and below nested Weston


class E2EFailure(AssertionError):
    pass


def wait_until(predicate, timeout, what, interval=0.05):
    """Polls predicate until it returns something truthy; returns that."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = predicate()
            if value:
                return value
            last_error = None
        except Exception as e:  # keep polling; report the last one
            last_error = e
        if time.monotonic() >= deadline:
            detail = f" (last error: {last_error!r})" if last_error else ""
            raise E2EFailure(f"timed out after {timeout}s waiting for {what}{detail}")
        time.sleep(interval)


def _require(*tools):
    missing = [t for t in tools if not (shutil.which(t) or os.path.exists(t))]
    if missing:
        print(f"SKIP: missing tools: {' '.join(missing)}", flush=True)
        sys.exit(SKIP)


_libc = ctypes.CDLL(None, use_errno=True)


def _child_setup():
    # Own process group, and die with the test script even if it is killed
    # outright (CTest's timeout), so nothing outlives a run.
    os.setsid()
    _libc.prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG


def _pids_with_marker(value):
    found = []
    me = os.getpid()
    needle = f"{_MARKER}={value}".encode() + b"\0"
    for entry in os.listdir("/proc"):
        if not entry.isdigit() or int(entry) == me:
            continue
        try:
            with open(f"/proc/{entry}/environ", "rb") as f:
                if needle in f.read() + b"\0":
                    found.append(int(entry))
        except OSError:
            pass
    return found


def _sweep_stale_folders(age=3600):
    """Removes the folders of desktops killed outright long ago: nothing of
    theirs runs any more."""
    base = tempfile.gettempdir()
    for entry in os.listdir(base):
        path = os.path.join(base, entry)
        with contextlib.suppress(OSError):
            if entry.startswith("quindle-e2e-") and time.time() - os.stat(path).st_mtime > age \
                    and not _pids_with_marker(path):
                shutil.rmtree(path, ignore_errors=True)


class Desktop:
    def __init__(self, kind="x11", size=(1024, 768), pointer=False):
        if kind not in ("x11", "wayland"):
            raise ValueError(kind)
        self.kind = kind
        self.size = size
        # Weston nested in a private Xvfb instead of headless: xdotool's
        # input then reaches Wayland clients. Screen and output coincide.
        self.pointer = pointer or kind == "x11"
        self.env = None
        self.tmp = None
        self.display = None
        self._procs = []
        self._logs = []
        self._old_handlers = {}

    # --- lifetime -------------------------------------------------------
    def __enter__(self):
        tools = ["dbus-daemon", "/usr/libexec/at-spi-bus-launcher", "dbus-send"]
        tools += ["Xvfb", "openbox", "xwininfo", "xprop", "import"] if self.kind == "x11" \
            else ["weston", "weston-screenshooter"]
        tools += ["Xvfb", "xdotool"] if self.pointer else []
        tools += ["convert", "identify"]
        _require(*tools)
        for sig in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
            self._old_handlers[sig] = signal.signal(sig, self._on_signal)
        try:
            self._start()
        except BaseException:
            self._dump_logs()
            self._teardown()
            raise
        return self

    def __exit__(self, exc_type, exc, tb):
        if exc_type is not None:
            self._dump_logs()
        self._teardown()
        return False

    def _on_signal(self, signum, frame):
        raise SystemExit(128 + signum)

    def _start(self):
        _sweep_stale_folders()
        self.tmp = tempfile.mkdtemp(prefix=f"quindle-e2e-{self.kind}-")
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("DBUS_", "AT_SPI_", "WAYLAND_", "XDG_", "QT_", "DISPLAY",
                                    "XAUTHORITY", "PULSE_", "SESSION_MANAGER"))}
        env[_MARKER] = self.tmp
        for sub in ("runtime", "config", "cache", "data", "state"):
            os.makedirs(os.path.join(self.tmp, sub), mode=0o700)
        env["XDG_RUNTIME_DIR"] = os.path.join(self.tmp, "runtime")
        env["XDG_CONFIG_HOME"] = os.path.join(self.tmp, "config")
        env["XDG_CACHE_HOME"] = os.path.join(self.tmp, "cache")
        env["XDG_DATA_HOME"] = os.path.join(self.tmp, "data")
        env["XDG_STATE_HOME"] = os.path.join(self.tmp, "state")
        # No sound server gets started behind our back.
        pulse = os.path.join(env["XDG_CONFIG_HOME"], "pulse")
        os.makedirs(pulse)
        with open(os.path.join(pulse, "client.conf"), "w") as f:
            f.write("autospawn = no\n")
        self.env = env

        if self.pointer:
            self._start_xvfb()
        if self.kind == "wayland":
            self._start_weston()

        bus = os.path.join(env["XDG_RUNTIME_DIR"], "bus")
        r, w = os.pipe()
        self._spawn(["dbus-daemon", "--session", "--nofork", "--nopidfile", "--nosyslog",
                     f"--address=unix:path={bus}", f"--print-address={w}"], pass_fds=(w,))
        os.close(w)
        address = self._read_line(r, 10, "the session bus address")
        env["DBUS_SESSION_BUS_ADDRESS"] = address

        # The bus launcher and the registry start by D-Bus activation, as on
        # a real desktop; teardown finds them by the marker.
        a11y = wait_until(self._a11y_address, 15, "the accessibility bus", interval=0.1)

        if self.kind == "x11":
            self._spawn(["openbox", "--sm-disable"])
            wait_until(self._wm_ready, 15, "openbox to manage the screen", interval=0.1)

        # This process talks to the same desktop (pyatspi, xdotool).
        # Only here: Qt 6.4 given AT_SPI_BUS_ADDRESS connects but never registers.
        for k in list(os.environ):
            if k not in env:
                del os.environ[k]
        os.environ.update(env)
        os.environ["AT_SPI_BUS_ADDRESS"] = a11y

    def _start_xvfb(self):
        r, w = os.pipe()
        w_, h_ = self.size
        if self.kind == "wayland":
            # A strip beside Weston's window, for the pointer to leave it by.
            w_, h_ = w_ + _OFF_WESTON, h_ + _OFF_WESTON
        self._spawn(["Xvfb", "-displayfd", str(w), "-screen", "0", f"{w_}x{h_}x24",
                     "-nolisten", "tcp", "-noreset", "+extension", "RANDR"], pass_fds=(w,))
        os.close(w)
        number = self._read_line(r, 15, "Xvfb's display number")
        self.display = f":{number}"
        self.env["DISPLAY"] = self.display

    def _start_weston(self):
        self.display = "wayland-e2e"
        w_, h_ = self.size
        backend = "x11-backend.so" if self.pointer else "headless-backend.so"
        self._spawn(["weston", f"--backend={backend}", "--use-pixman", "--debug",
                     f"--socket={self.display}", f"--width={w_}", f"--height={h_}",
                     "--idle-time=0", "--no-config"])
        self.env["WAYLAND_DISPLAY"] = self.display
        sock = os.path.join(self.env["XDG_RUNTIME_DIR"], self.display)
        wait_until(lambda: os.path.exists(sock) and self._weston_ready(), 20, "Weston's socket",
                   interval=0.1)
        if self.pointer:
            # Weston tracks the X pointer from where it last entered its window;
            # an entry it saw before it was ready leaves its pointer stuck in a
            # corner, and clicks land on its panel. Enter anew, now it is ready.
            self.run(["xdotool", "mousemove", str(w_ + _OFF_WESTON // 2), str(h_ + _OFF_WESTON // 2)])
            self.run(["xdotool", "mousemove", str(w_ // 2), str(h_ // 2)])

    def _weston_ready(self):
        tool = shutil.which("wayland-info") or shutil.which("weston-info")
        if not tool:
            return True
        return subprocess.run([tool], env=self.env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, timeout=10).returncode == 0

    def _a11y_address(self):
        out = subprocess.run(
            ["dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus",
             "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
            env=self.env, capture_output=True, text=True, timeout=10)
        return out.stdout.strip() if out.returncode == 0 else None

    def _wm_ready(self):
        out = self.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False)
        return "window id" in out.stdout

    def _read_line(self, fd, timeout, what):
        data = b""
        deadline = time.monotonic() + timeout
        try:
            while b"\n" not in data:
                left = deadline - time.monotonic()
                if left <= 0 or not select.select([fd], [], [], left)[0]:
                    raise E2EFailure(f"timed out waiting for {what}")
                chunk = os.read(fd, 256)
                if not chunk:
                    raise E2EFailure(f"no {what}: the process ended")
                data += chunk
        finally:
            os.close(fd)
        return data.decode().strip()

    def _teardown(self):
        for proc in reversed(self._procs):
            _end_group(proc)
        self._procs.clear()
        if self.tmp:
            # Activated daemons (registry, accessibility bus) carry our marker.
            for _ in range(2):
                pids = _pids_with_marker(self.tmp)
                if not pids:
                    break
                for pid in pids:
                    with contextlib.suppress(ProcessLookupError, PermissionError):
                        os.kill(pid, signal.SIGKILL)
                time.sleep(0.1)
            shutil.rmtree(self.tmp, ignore_errors=True)
            self.tmp = None
        for sig, old in self._old_handlers.items():
            signal.signal(sig, old)
        self._old_handlers.clear()

    def _dump_logs(self):
        for path in self._logs:
            with contextlib.suppress(OSError), open(path, errors="replace") as f:
                text = f.read().strip()
            if text:
                print(f"--- {os.path.basename(path)} ---\n{text[-4000:]}", file=sys.stderr)

    # --- processes ------------------------------------------------------
    def _spawn(self, argv, env=None, cwd=None, pass_fds=()):
        log = os.path.join(self.tmp, f"{len(self._procs):02d}-{os.path.basename(argv[0])}.log")
        self._logs.append(log)
        with open(log, "wb") as out:
            proc = subprocess.Popen(argv, env=env or self.env, cwd=cwd, stdin=subprocess.DEVNULL,
                                    stdout=out, stderr=subprocess.STDOUT, pass_fds=pass_fds,
                                    preexec_fn=_child_setup)
        proc.log = log
        self._procs.append(proc)
        return proc

    def start(self, argv, **kw):
        """Starts a tool in the background on this desktop; ended at teardown."""
        return self._spawn(argv, **kw)

    def run(self, argv, check=True, timeout=20):
        """Runs a tool on this desktop to its end; returns CompletedProcess."""
        return subprocess.run(argv, env=self.env, capture_output=True, text=True, check=check,
                              timeout=timeout)

    def launch(self, args=(), cwd_files=None, env=None, game=None):
        game = game or os.environ.get("QUINDLE_GAME") or self.env.get("QUINDLE_GAME")
        assets = os.environ.get("QUINDLE_ASSETS") or self.env.get("QUINDLE_ASSETS")
        if not game or not os.path.exists(game):
            raise E2EFailure(f"no built game at QUINDLE_GAME={game!r}")
        cwd = tempfile.mkdtemp(prefix="cwd-", dir=self.tmp)
        for name in (_GAME_FILES if cwd_files is None else cwd_files):
            shutil.copy(os.path.join(assets, name), cwd)
        genv = dict(self.env)
        genv.update({
            "QT_QPA_PLATFORM": "xcb" if self.kind == "x11" else "wayland",
            "QT_ACCESSIBILITY": "1",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
        })
        genv.update(env or {})
        return Game(self, self._spawn([game, *args], env=genv, cwd=cwd), cwd)

    # --- pictures -------------------------------------------------------
    def screenshot(self, path):
        path = os.path.abspath(path)
        if self.kind == "x11":
            self.run(["import", "-window", "root", path])
            return path
        shots = tempfile.mkdtemp(prefix="shot-", dir=self.tmp)
        subprocess.run(["weston-screenshooter"], env=self.env, cwd=shots, check=True,
                       capture_output=True, timeout=20)
        made = wait_until(lambda: [f for f in os.listdir(shots) if f.endswith(".png")], 10,
                          "weston-screenshooter's picture")
        shutil.move(os.path.join(shots, made[0]), path)
        return path


def _end_group(proc, grace=3.0):
    if proc.poll() is not None:
        with contextlib.suppress(ProcessLookupError, PermissionError):
            os.killpg(proc.pid, signal.SIGKILL)  # leftovers in its group
        return
    with contextlib.suppress(ProcessLookupError, PermissionError):
        os.killpg(proc.pid, signal.SIGTERM)
    try:
        proc.wait(grace)
    except subprocess.TimeoutExpired:
        pass
    with contextlib.suppress(ProcessLookupError, PermissionError):
        os.killpg(proc.pid, signal.SIGKILL)
    with contextlib.suppress(subprocess.TimeoutExpired):
        proc.wait(grace)


# --- accessibility ------------------------------------------------------
_pyatspi = None
_a11y_bus = None


def atspi():
    global _pyatspi
    if _pyatspi is None:
        if "AT_SPI_BUS_ADDRESS" not in os.environ:
            raise E2EFailure("start a Desktop before using the accessibility bus")
        import pyatspi
        _pyatspi = pyatspi
    return _pyatspi


def name(acc):
    return acc.name or ""


def role(acc):
    return acc.getRoleName()


def states(acc):
    pa = atspi()
    return {pa.stateToString(s) for s in acc.getState().getStates()}


def showing(acc):
    return "showing" in states(acc)


def extents(acc):
    pa = atspi()
    e = acc.queryComponent().getExtents(pa.DESKTOP_COORDS)
    return (e.x, e.y, e.width, e.height)


def press(acc, action="Press"):
    """Does an accessibility action without waiting for its reply: the
    game answers only when the handler returns, which a modal dialog delays."""
    act = acc.queryAction()
    names = [act.getName(i) for i in range(act.nActions)]
    if action not in names:
        raise E2EFailure(f"{role(acc)} {name(acc)!r} has no action {action!r} (has {names})")
    from gi.repository import Gio, GLib
    global _a11y_bus
    if _a11y_bus is None:
        _a11y_bus = Gio.DBusConnection.new_for_address_sync(
            os.environ["AT_SPI_BUS_ADDRESS"],
            Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION,
            None, None)
    # A reply must be asked for (Qt ignores the call otherwise), but nobody waits for it.
    _a11y_bus.call(acc.app.bus_name, acc.path, "org.a11y.atspi.Action", "DoAction",
                   GLib.Variant("(i)", (names.index(action),)), None, Gio.DBusCallFlags.NONE, -1,
                   None, None, None)
    _a11y_bus.flush_sync(None)


def _walk(root, depth=0):
    yield root
    if depth > 40:
        return
    for i in range(root.childCount):
        child = root.getChildAtIndex(i)
        if child is not None:
            yield from _walk(child, depth + 1)


class Game:
    def __init__(self, desk, proc, cwd):
        self.desk = desk
        self.proc = proc
        self.pid = proc.pid
        self.cwd = cwd
        self._app = None

    def exit_code(self):
        return self.proc.poll()

    def wait_exit(self, timeout):
        try:
            return self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            raise E2EFailure(f"the game did not end within {timeout}s") from None

    def output(self):
        with open(self.proc.log, errors="replace") as f:
            return f.read()

    def _alive(self):
        code = self.proc.poll()
        if code is not None:
            raise E2EFailure(f"the game ended with status {code}:\n{self.output()[-2000:]}")

    def app(self, timeout=20):
        if self._app is not None:
            return self._app
        pa = atspi()

        def found():
            self._alive()
            desktop = pa.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                a = desktop.getChildAtIndex(i)
                if a is not None and a.get_process_id() == self.pid:
                    return a
            return None
        self._app = wait_until(found, timeout, "the game on the accessibility bus")
        return self._app

    def windows(self):
        self._alive()
        app = self.app()
        out = []
        for i in range(app.childCount):
            w = app.getChildAtIndex(i)
            if w is not None and showing(w):
                out.append(w)
        return out

    def window(self, title, timeout=10):
        return wait_until(lambda: next((w for w in self.windows() if name(w) == title), None),
                          timeout, f"the window {title!r}")

    def active(self, title, timeout=30):
        """The window with that title once it is ready() for input."""
        return ready(self.window(title, timeout), timeout)

    def find_all(self, root, role_name=None, acc_name=None, only_showing=True):
        out = []
        for acc in _walk(root):
            if role_name is not None and role(acc) != role_name:
                continue
            if acc_name is not None and name(acc) != acc_name:
                continue
            if only_showing and not showing(acc):
                continue
            out.append(acc)
        return out

    def find(self, root, role_name=None, acc_name=None, only_showing=True):
        found = self.find_all(root, role_name, acc_name, only_showing)
        return found[0] if found else None

    def tiles(self):
        """The sixteen tile buttons in board order (top row first)."""
        main = self.window("Quindle")
        cands = []
        for acc in _walk(main):
            if role(acc) == "push button" and showing(acc):
                x, y, w, h = extents(acc)
                cands.append((w * h, y, x, acc))
        # The tiles are the sixteen largest buttons, all the same size.
        cands.sort(key=lambda c: -c[0])
        tiles = [c for c in cands if c[0] == cands[0][0]][:16] if cands else []
        if len(tiles) != 16:
            raise E2EFailure(f"expected 16 tile buttons, found {len(tiles)}")
        tiles.sort(key=lambda c: (c[1], c[2]))
        return [c[3] for c in tiles]

    def captions(self):
        # A blank tile has no text; Qt then names it after its group box.
        return [n if n.isdigit() else "" for n in (name(t) for t in self.tiles())]


# --- real input and X11 windows ---------------------------------------
def _x11_only(desk):
    if not desk.pointer:
        raise E2EFailure("real input through xdotool needs Xvfb: Desktop('x11') or pointer=True")


def window_of(acc):
    """The top-level window that holds an accessible."""
    while True:
        parent = acc.parent
        if parent is None or role(parent) == "application":
            return acc
        acc = parent


def ready(target, timeout=30):
    """Waits until target's window takes real input: shown, active (so the
    window manager has mapped, placed and focused it) and at rest, its and
    target's extents the same at two looks in a row. Returns the window."""
    window = window_of(target)
    seen = []

    def at_rest():
        if not {"showing", "active"} <= states(window):
            seen.clear()
            return False
        now = (extents(window), extents(target))
        settled = seen == [now]
        seen[:] = [now]
        return settled
    wait_until(at_rest, timeout, f"{name(window)!r} to be active and at rest", interval=0.1)
    return window


def click(desk, target, button=1):
    """Moves the pointer to the centre of an accessible, once its window is
    ready for input, and clicks; or clicks at a point (x, y) as it is."""
    _x11_only(desk)
    if isinstance(target, tuple):
        x, y = target
    else:
        ready(target)
        ex, ey, ew, eh = extents(target)
        x, y = ex + ew // 2, ey + eh // 2
    # One client, so the server takes the move before the click. (--sync
    # would wait forever for a move to where the pointer already is.)
    desk.run(["xdotool", "mousemove", str(x), str(y), "click", str(button)])


# Keys go to the focused window: these first wait for `to`, an accessible
# in the window that should have them, to be ready.
def xdotool(desk, to, *args):
    _x11_only(desk)
    ready(to)
    desk.run(["xdotool", *args])


def key(desk, to, *keys):
    xdotool(desk, to, "key", "--clearmodifiers", *keys)


def alt_code(desk, to, letters):
    """Types letters with Alt held, as the solve mode's code is typed."""
    xdotool(desk, to, "keydown", "alt", "key", *letters, "keyup", "alt")


def x11_window_ids(desk, title):
    """Managed client windows whose title is exactly `title`."""
    _x11_only(desk)
    out = desk.run(["xprop", "-root", "_NET_CLIENT_LIST"], check=False).stdout
    ids = [int(w.strip(","), 16) for w in out.split("#", 1)[-1].split()] if "#" in out else []
    found = []
    for wid in ids:
        prop = desk.run(["xprop", "-id", str(wid), "_NET_WM_NAME"], check=False).stdout
        if prop.partition("=")[2].strip() == f'"{title}"':
            found.append(wid)
    return found


def _tree(desk, wid):
    out = desk.run(["xwininfo", "-tree", "-id", str(wid)]).stdout
    root = parent = None
    for line in out.splitlines():
        line = line.strip()
        if line.startswith("Root window id:"):
            root = int(line.split()[3], 16)
        elif line.startswith("Parent window id:"):
            parent = int(line.split()[3], 16)
    return root, parent


def _geometry(desk, wid):
    out = desk.run(["xwininfo", "-id", str(wid)]).stdout
    vals = {}
    for line in out.splitlines():
        line = line.strip()
        for key_, label in (("x", "Absolute upper-left X:"), ("y", "Absolute upper-left Y:"),
                            ("w", "Width:"), ("h", "Height:")):
            if line.startswith(label):
                vals[key_] = int(line.split(":")[1])
    return (vals["x"], vals["y"], vals["w"], vals["h"])


def x11_client(desk, wid):
    return _geometry(desk, wid)


def x11_frame(desk, wid):
    """The outermost window below the root that holds the client: its frame."""
    outer = wid
    while True:
        root, parent = _tree(desk, outer)
        if parent is None or parent == root:
            break
        outer = parent
    x, y, w, h = _geometry(desk, outer)
    # xwininfo's absolute position is inside the border; the frame counts it.
    out = desk.run(["xwininfo", "-id", str(outer)]).stdout
    border = next((int(l.split(":")[1]) for l in out.splitlines() if "Border width:" in l), 0)
    return (x - border, y - border, w + 2 * border, h + 2 * border)


def x11_titled_frame(desk, title):
    wids = wait_until(lambda: x11_window_ids(desk, title), 10, f"the X window {title!r}")
    return wids[0], x11_frame(desk, wids[0])


def x11_prop(desk, wid, prop):
    return desk.run(["xprop", "-id", str(wid), prop]).stdout.strip()


class Picture:
    """A screenshot's pixels: pic.width, pic.height, pic.at(x, y) -> (r, g, b)."""

    def __init__(self, path):
        size = subprocess.run(["identify", "-format", "%w %h", path], capture_output=True,
                              text=True, check=True).stdout.split()
        self.width, self.height = int(size[0]), int(size[1])
        self.data = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True,
                                   check=True).stdout

    def at(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.data[i:i + 3])

    def runs(self, y, colour, min_length=1):
        """(start, length) of each horizontal run of exactly `colour` on row y."""
        out, start = [], None
        for x in range(self.width + 1):
            hit = x < self.width and self.at(x, y) == colour
            if hit and start is None:
                start = x
            elif not hit and start is not None:
                if x - start >= min_length:
                    out.append((start, x - start))
                start = None
        return out


def artifacts(desk):
    where = os.environ.get("QUINDLE_E2E_ARTIFACTS") or desk.tmp
    os.makedirs(where, exist_ok=True)
    return where


@contextlib.contextmanager
def step(desk, title):
    print(f"-- {title}", flush=True)
    try:
        yield
    except BaseException:
        where = os.environ.get("QUINDLE_E2E_ARTIFACTS") or tempfile.gettempdir()
        os.makedirs(where, exist_ok=True)
        slug = "".join(c if c.isalnum() else "-" for c in title.lower())[:60]
        with contextlib.suppress(Exception):
            shot = desk.screenshot(os.path.join(where, f"failed-{slug}.png"))
            print(f"   screenshot: {shot}", file=sys.stderr, flush=True)
        raise
    print("   ok", flush=True)
