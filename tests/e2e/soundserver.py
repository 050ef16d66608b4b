"""A private PulseAudio sound server that plays into a null sink and logs
every stream it is asked to play, so a test can tell which cues sounded.

    server = SoundServer(desk)         # starts it on a harness desktop
    game = desk.launch(env=server.env())
    mark = server.mark()
    ... act ...
    server.wait_for(lambda names: ..., mark, timeout, what)

The desktop ends the server with everything else it started. Each stream
is known by its media name: libcanberra names a file stream by its path
and the desktop's alert by its event id, "bell".
"""
import os
import re
import subprocess
import tempfile
import time

_CREATED = re.compile(r'Created input \d+ "(.*)" on ')


class SoundServer:
    def __init__(self, desk):
        self.dir = tempfile.mkdtemp(prefix="pulse-", dir=desk.tmp)
        runtime = os.path.join(self.dir, "runtime")
        os.makedirs(runtime, mode=0o700)
        self.socket = os.path.join(runtime, "native")
        self.log = os.path.join(self.dir, "log")
        env = dict(desk.env, XDG_RUNTIME_DIR=runtime, HOME=self.dir)
        self.proc = desk.start(
            ["pulseaudio", "--daemonize=no", "-n", "--exit-idle-time=-1", "--use-pid-file=no",
             "--disable-shm=yes", "--log-level=info", "--log-target=file:" + self.log,
             "-L", "module-null-sink sink_name=quiet",
             "-L", "module-native-protocol-unix socket=%s auth-anonymous=1" % self.socket],
            env=env)
        deadline = time.monotonic() + 30
        while not self._answers(desk):
            if self.proc.poll() is not None or time.monotonic() > deadline:
                raise RuntimeError("the private sound server did not start")
            time.sleep(0.1)

    def _answers(self, desk):
        if not os.path.exists(self.socket):
            return False
        r = subprocess.run(["pactl", "info"], env=dict(desk.env, **self.env()),
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

    def wait_for(self, predicate, mark=0, timeout=20, what="a sound"):
        """Waits until predicate(names played since mark) holds; returns them."""
        deadline = time.monotonic() + timeout
        while True:
            names = self.played()[mark:]
            if predicate(names):
                return names
            if time.monotonic() > deadline:
                raise AssertionError("timed out waiting for %s; played since: %r" % (what, names))
            time.sleep(0.05)

    def alive(self):
        return self.proc.poll() is None
