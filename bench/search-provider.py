#!/usr/bin/python3
"""Query times of the search provider as a desktop's search box meets them, on the session bus
this runs in (bench/search-provider.sh makes a private one): ROUNDS times, the first query of a
provider the bus starts for it (D-Bus activation, the index read, the answer), then the provider
ended; and QUERIES queries of a provider already running. Prints the medians and the largest
figures against the bounds a search box allows (400 ms and 50 ms); exits 1 past a bound."""

import statistics
import sys
import time

from gi.repository import Gio, GLib

NAME = "org.example.Tarvel.SearchProvider"
PATH = "/org/example/Tarvel/SearchProvider"
TERMS = [["5", "pies"], ["100", "km/h"], ["pul"], ["3,5", "libras"], ["20", "grados"]]


def call(bus, interface, method, args, reply):
    start = time.perf_counter()
    bus.call_sync(NAME, PATH, interface, method, args, GLib.VariantType(reply),
                  Gio.DBusCallFlags.NONE, 30000, None)
    return (time.perf_counter() - start) * 1000


def search(bus, terms):
    return call(bus, "org.gnome.Shell.SearchProvider2", "GetInitialResultSet",
                GLib.Variant("(as)", (terms,)), "(as)")


def end_provider(bus):
    pid = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                        "GetConnectionUnixProcessID", GLib.Variant("(s)", (NAME,)),
                        GLib.VariantType("(u)"), Gio.DBusCallFlags.NONE, 5000, None)[0]
    Gio.Subprocess.new(["kill", str(pid)], Gio.SubprocessFlags.NONE).wait()
    while True:
        owned = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                              "org.freedesktop.DBus", "NameHasOwner", GLib.Variant("(s)", (NAME,)),
                              GLib.VariantType("(b)"), Gio.DBusCallFlags.NONE, 5000, None)[0]
        if not owned:
            return
        time.sleep(0.01)


def main(rounds=10, queries=200):
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    first = []
    for i in range(int(rounds)):
        first.append(search(bus, TERMS[i % len(TERMS)]))
        end_provider(bus)
    running = [search(bus, TERMS[i % len(TERMS)]) for i in range(int(queries) + 1)][1:]
    end_provider(bus)
    failed = False
    for what, times, bound in (("first query, with activation", first, 400),
                               ("query of a running provider", running, 50)):
        worst = max(times)
        failed |= worst > bound
        print("%-30s median %7.1f ms   largest %7.1f ms   bound %3d ms   %s"
              % (what, statistics.median(times), worst, bound, "PASS" if worst <= bound else "OVER"))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
