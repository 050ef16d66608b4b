"""A private PulseAudio sound server that plays into a null sink and logs
every stream it is asked to play, so a test can tell which cues sounded.

    server = SoundServer(tmpdir)       # starts it
    env.update(server.env())           # PULSE_SERVER for the game
    mark = server.mark()
    ... act ...
    server.wait_for(lambda names: ..., mark, timeout, what)
    server.stop()

Each stream is known by its media name: libcanberra names a file stream by
its path and the desktop's alert by its event id, "bell".
"""
import os
import re
import shutil
import signal
import subprocess
import time

_CREATED = re.compile(r'Created input \d+ "(.*)" on ')


class SoundServer:
    def __init__(self, tmpdir):
        self.dir = os.path.join(tmpdir, "pulse")
        runtime = os.path.join(self.dir, "runtime")
        home = os.path.join(self.dir, "home")
        os.makedirs(runtime, mode=0o700)
        os.makedirs(home)
        self.socket = os.path.join(runtime, "native")
        self.log = os.path.join(self.dir, "log")
        env = dict(os.environ, XDG_RUNTIME_DIR=runtime, HOME=home,
                   XDG_CONFIG_HOME=os.path.join(home, ".config"))
        env.pop("PULSE_SERVER", None)
        env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        self.proc = subprocess.Popen(
            [shutil.which("pulseaudio") or "/usr/bin/pulseaudio",
             "--daemonize=no", "-n", "--exit-idle-time=-1", "--use-pid-file=no",
             "--disable-shm=yes", "--log-level=info", "--log-target=file:" + self.log,
             "-L", "module-null-sink sink_name=quiet",
             "-L", "module-native-protocol-unix socket=%s auth-anonymous=1" % self.socket],
            env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL, start_new_session=True)
        deadline = time.monotonic() + 20
        while not self._answers():
            if self.proc.poll() is not None or time.monotonic() > deadline:
                self.stop()
                raise RuntimeError("the private sound server did not start")
            time.sleep(0.05)

    def _answers(self):
        if not os.path.exists(self.socket):
            return False
        r = subprocess.run(["pactl", "info"], env=dict(os.environ, **self.env()),
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return r.returncode == 0

    def env(self):
        return {"PULSE_SERVER": "unix:" + self.socket}

    def played(self):
        """Media names of every stream created so far, in order."""
        try:
            with open(self.log, errors="replace") as f:
                return [m.group(1) for m in map(_CREATED.search, f) if m]
        except FileNotFoundError:
            return []

    def mark(self):
        return len(self.played())

    def since(self, mark):
        return self.played()[mark:]

    def wait_for(self, predicate, mark=0, timeout=15, what="a sound"):
        """Waits until predicate(names played since mark) holds; returns them."""
        deadline = time.monotonic() + timeout
        while True:
            names = self.since(mark)
            if predicate(names):
                return names
            if time.monotonic() > deadline:
                raise AssertionError("timed out waiting for %s; played since: %r" % (what, names))
            time.sleep(0.05)

    def alive(self):
        return self.proc.poll() is None

    def stop(self):
        if self.proc.poll() is None:
            try:
                os.killpg(self.proc.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
            try:
                self.proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(self.proc.pid, signal.SIGKILL)
                self.proc.wait()
