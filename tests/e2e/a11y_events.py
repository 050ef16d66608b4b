"""Listens for accessibility change events from the game, for the e2e tests.

    events = a11y_events.Listener(["object:property-change:accessible-name",
                                   "object:text-changed:insert"])
    ... act ...
    events.pump(); events.seen("object:text-changed:insert", "label", "Moves :1")

Start the Desktop first: pyatspi must bind to its bus.
"""
import time

import quindle_e2e as e2e


class Listener:
    def __init__(self, types):
        self.entries = []  # (event type, source role, source name, detail)
        self._pa = e2e.atspi()
        self._types = list(types)
        for t in self._types:
            self._pa.Registry.registerEventListener(self._on, t)

    def _on(self, ev):
        try:
            detail = ev.any_data if isinstance(ev.any_data, str) else ""
            self.entries.append((ev.type, e2e.role(ev.source), e2e.name(ev.source), detail))
        except Exception as ex:  # the source may be gone already
            self.entries.append((ev.type, "", "", repr(ex)))

    def pump(self):
        """Delivers the events that have arrived so far."""
        from gi.repository import GLib
        ctx = GLib.MainContext.default()
        while ctx.pending():
            ctx.iteration(False)
        return self.entries

    def clear(self):
        self.pump()
        self.entries.clear()

    def matching(self, type_prefix, role=None, name=None):
        self.pump()
        return [e for e in self.entries if e[0].startswith(type_prefix)
                and (role is None or e[1] == role) and (name is None or e[2] == name)]

    def wait_for(self, type_prefix, role=None, name=None, timeout=10):
        return e2e.wait_until(lambda: self.matching(type_prefix, role, name), timeout,
                              f"the event {type_prefix} from {role} {name!r}")

    def close(self):
        for t in self._types:
            self._pa.Registry.deregisterEventListener(self._on, t)

    def during(self, seconds):
        """Pumps for a while and returns what came; for checking that nothing comes."""
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            self.pump()
            time.sleep(0.05)
        return self.entries
