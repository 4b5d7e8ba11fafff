# SPDX-License-Identifier: MIT
# An assistive technology as a screen reader is one: it listens for every text that any program
# inserts. For the bench, which times the window with such a listener on the accessibility bus.
# Prints "listening" once registered, then the count of insertions now and then.
import pyatspi

count = 0


def inserted(event):
    global count
    count += 1
    if count % 100 == 0:
        print("insertions", count, flush=True)


pyatspi.Registry.registerEventListener(inserted, "object:text-changed:insert")
print("listening", flush=True)
pyatspi.Registry.start()
