"""A stand-in desktop portal for the end-to-end tests: the Settings interface
on the session bus, its values read from the JSON file named as argument
({"namespace": {"key": ["type", value]}}). SIGUSR1 reads the file again and
signals every value that changed, as a desktop does when the player switches."""
import json
import signal
import sys

from gi.repository import Gio, GLib

NAME = "org.freedesktop.portal.Desktop"
PATH = "/org/freedesktop/portal/desktop"
IFACE = "org.freedesktop.portal.Settings"
XML = f"""<node><interface name="{IFACE}">
  <method name="ReadAll"><arg type="as" direction="in"/><arg type="a{{sa{{sv}}}}" direction="out"/></method>
  <method name="Read"><arg type="s" direction="in"/><arg type="s" direction="in"/>
    <arg type="v" direction="out"/></method>
  <signal name="SettingChanged"><arg type="s"/><arg type="s"/><arg type="v"/></signal>
  <property name="version" type="u" access="read"/>
</interface></node>"""


def load(path):
    with open(path) as f:
        return {(ns, key): GLib.Variant(t, v) for ns, keys in json.load(f).items()
                for key, (t, v) in keys.items()}


def main():
    path = sys.argv[1]
    settings = load(path)
    loop = GLib.MainLoop()
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)

    def call(conn, sender, obj, iface, method, params, invocation):
        if method == "Read":
            ns, key = params.unpack()
            if (ns, key) not in settings:
                invocation.return_dbus_error("org.freedesktop.portal.Error.NotFound", f"{ns} {key}")
                return
            # As the portal's first version does: the value inside a variant.
            invocation.return_value(GLib.Variant("(v)", (GLib.Variant("v", settings[(ns, key)]),)))
        else:
            out = {}
            for (ns, key), value in settings.items():
                out.setdefault(ns, {})[key] = value
            invocation.return_value(GLib.Variant("(a{sa{sv}})", (out,)))

    def prop(conn, sender, obj, iface, name):
        return GLib.Variant("u", 1)

    node = Gio.DBusNodeInfo.new_for_xml(XML)
    bus.register_object(PATH, node.interfaces[0], call, prop, None)

    def reread():
        nonlocal settings
        new = load(path)
        for k, v in new.items():
            if settings.get(k) != v:
                bus.emit_signal(None, PATH, IFACE, "SettingChanged", GLib.Variant("(ssv)", (k[0], k[1], v)))
        settings = new
        return GLib.SOURCE_CONTINUE

    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR1, reread)
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, lambda: loop.quit() or GLib.SOURCE_REMOVE)
    Gio.bus_own_name_on_connection(bus, NAME, Gio.BusNameOwnerFlags.NONE, None, None)
    loop.run()


if __name__ == "__main__":
    main()
