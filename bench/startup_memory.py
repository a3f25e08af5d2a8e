#!/usr/bin/env python3
"""Start-up time and peak memory of two programs, watched from outside.

Each program runs on a private X server with no window manager. The clock
starts when the program is spawned; the watcher finds the program's window by
its title, notes when the window is mapped, then grabs the window's pixels
until they are no longer all one colour (the first paint has reached the
screen). Shortly after, the program's peak resident memory (VmHWM) is read
from /proc and the program is killed. The two programs take turns.
"""
import argparse
import ctypes
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from ctypes import (CFUNCTYPE, POINTER, Structure, byref, c_char_p, c_int, c_long, c_ubyte, c_uint, c_ulong,
                    c_void_p)

IS_VIEWABLE = 2
Z_PIXMAP = 2
ALL_PLANES = ~0 & 0xFFFFFFFFFFFFFFFF
ANY_PROPERTY_TYPE = 0
LSB_FIRST = 0


class XWindowAttributes(Structure):
    _fields_ = [("x", c_int), ("y", c_int), ("width", c_int), ("height", c_int), ("border_width", c_int),
                ("depth", c_int), ("visual", c_void_p), ("root", c_ulong), ("class_", c_int),
                ("bit_gravity", c_int), ("win_gravity", c_int), ("backing_store", c_int),
                ("backing_planes", c_ulong), ("backing_pixel", c_ulong), ("save_under", c_int),
                ("colormap", c_ulong), ("map_installed", c_int), ("map_state", c_int),
                ("all_event_masks", c_long), ("your_event_mask", c_long), ("do_not_propagate_mask", c_long),
                ("override_redirect", c_int), ("screen", c_void_p)]


# Only the leading fields are read; the image itself allocates the whole structure.
class XImageHead(Structure):
    _fields_ = [("width", c_int), ("height", c_int), ("xoffset", c_int), ("format", c_int), ("data", c_void_p),
                ("byte_order", c_int), ("bitmap_unit", c_int), ("bitmap_bit_order", c_int),
                ("bitmap_pad", c_int), ("depth", c_int), ("bytes_per_line", c_int), ("bits_per_pixel", c_int)]


ERROR_HANDLER = CFUNCTYPE(c_int, c_void_p, c_void_p)


class Screen:
    """A connection to the private X server, with what the watcher asks of it."""

    def __init__(self, display_name):
        self.x = ctypes.CDLL("libX11.so.6")
        x = self.x
        x.XOpenDisplay.restype = c_void_p
        x.XOpenDisplay.argtypes = [c_char_p]
        x.XDefaultRootWindow.restype = c_ulong
        x.XDefaultRootWindow.argtypes = [c_void_p]
        x.XInternAtom.restype = c_ulong
        x.XInternAtom.argtypes = [c_void_p, c_char_p, c_int]
        x.XQueryTree.argtypes = [c_void_p, c_ulong, POINTER(c_ulong), POINTER(c_ulong),
                                 POINTER(POINTER(c_ulong)), POINTER(c_uint)]
        x.XGetWindowAttributes.argtypes = [c_void_p, c_ulong, POINTER(XWindowAttributes)]
        x.XGetWindowProperty.argtypes = [c_void_p, c_ulong, c_ulong, c_long, c_long, c_int, c_ulong,
                                         POINTER(c_ulong), POINTER(c_int), POINTER(c_ulong), POINTER(c_ulong),
                                         POINTER(POINTER(c_ubyte))]
        x.XGetImage.restype = POINTER(XImageHead)
        x.XGetImage.argtypes = [c_void_p, c_ulong, c_int, c_int, c_uint, c_uint, c_ulong, c_int]
        x.XDestroyImage.argtypes = [POINTER(XImageHead)]
        x.XFree.argtypes = [c_void_p]
        x.XCloseDisplay.argtypes = [c_void_p]
        # A window that vanishes between two requests is no reason for Xlib to end the watcher.
        self._ignore_errors = ERROR_HANDLER(lambda display, event: 0)
        x.XSetErrorHandler(self._ignore_errors)
        self.display = x.XOpenDisplay(display_name.encode())
        if not self.display:
            raise RuntimeError(f"cannot open the X display {display_name}")
        self.root = x.XDefaultRootWindow(self.display)
        self.net_wm_name = x.XInternAtom(self.display, b"_NET_WM_NAME", False)
        self.wm_name = x.XInternAtom(self.display, b"WM_NAME", False)

    def close(self):
        self.x.XCloseDisplay(self.display)

    def _title(self, window):
        for atom in (self.net_wm_name, self.wm_name):
            actual_type, actual_format = c_ulong(), c_int()
            count, remaining = c_ulong(), c_ulong()
            data = POINTER(c_ubyte)()
            status = self.x.XGetWindowProperty(self.display, window, atom, 0, 1024, False, ANY_PROPERTY_TYPE,
                                               byref(actual_type), byref(actual_format), byref(count),
                                               byref(remaining), byref(data))
            if status != 0 or not data:
                continue
            text = ctypes.string_at(data, count.value) if actual_format.value == 8 else b""
            self.x.XFree(data)
            if text:
                return text.decode("utf-8", "replace")
        return None

    def viewable_window(self, title):
        """The top-level window of that title once it is mapped and viewable, else None."""
        root, parent = c_ulong(), c_ulong()
        children, count = POINTER(c_ulong)(), c_uint()
        if not self.x.XQueryTree(self.display, self.root, byref(root), byref(parent), byref(children),
                                 byref(count)):
            return None
        windows = [children[i] for i in range(count.value)]
        if children:
            self.x.XFree(children)
        for window in windows:
            attributes = XWindowAttributes()
            if not self.x.XGetWindowAttributes(self.display, window, byref(attributes)):
                continue
            if attributes.map_state == IS_VIEWABLE and self._title(window) == title:
                return window, attributes.width, attributes.height
        return None

    def painted(self, window, width, height):
        """Whether the window's pixels are no longer all one colour: with nothing
        drawn, the window shows the black background of the server."""
        image = self.x.XGetImage(self.display, window, 0, 0, width, height, ALL_PLANES, Z_PIXMAP)
        if not image:
            return False
        head = XImageHead.from_buffer_copy(image.contents)
        pixels = ctypes.string_at(head.data, head.bytes_per_line * head.height)
        self.x.XDestroyImage(image)
        pixel_bytes = max(1, head.bits_per_pixel // 8)
        if head.bits_per_pixel == 32 and head.depth == 24 and head.bytes_per_line == head.width * 4:
            # The fourth byte of each pixel is padding, never painted: only the colour bytes count.
            colour_bytes = (0, 1, 2) if head.byte_order == LSB_FIRST else (1, 2, 3)
            return any(pixels[offset::4] != pixels[offset:offset + 1] * (head.width * head.height)
                       for offset in colour_bytes)
        row_bytes = head.width * pixel_bytes
        uniform_row = pixels[:pixel_bytes] * head.width
        return any(pixels[row * head.bytes_per_line:row * head.bytes_per_line + row_bytes] != uniform_row
                   for row in range(head.height))


def start_x_server():
    """A private Xvfb on a free display number, with a black background."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-br",
                               "-nolisten", "tcp", "-noreset"],
                              pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            server.kill()
            raise RuntimeError("Xvfb did not start")
        number += chunk
    os.close(read_end)
    return server, ":" + number.decode().strip()


def peak_memory_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    raise RuntimeError(f"no VmHWM for process {pid}")


class Program:
    def __init__(self, label, path, title):
        self.label, self.path, self.title = label, os.path.abspath(path), title
        self.mapped_ms, self.painted_ms, self.peak_kib = [], [], []
        self.output = b""


def measure(program, screen, environment, settle_s, timeout_s):
    """One start of the program: (ms to mapped, ms to painted, peak KiB)."""
    with tempfile.TemporaryFile() as output:
        started = time.perf_counter()
        process = subprocess.Popen([program.path], env=environment, stdin=subprocess.DEVNULL, stdout=output,
                                   stderr=output)
        try:
            found, mapped, painted = None, None, None
            while painted is None:
                if process.poll() is not None:
                    raise RuntimeError(f"{program.label} ended before its window was painted")
                if time.perf_counter() - started > timeout_s:
                    raise RuntimeError(f"{program.label}: no painted window titled {program.title!r}")
                if found is None:
                    found = screen.viewable_window(program.title)
                    if found is not None:
                        mapped = time.perf_counter() - started
                if found is not None and screen.painted(*found):
                    painted = time.perf_counter() - started
                else:
                    time.sleep(0.001)
            # Whatever the first shown window costs right after its paint counts too.
            time.sleep(settle_s)
            peak = peak_memory_kib(process.pid)
        finally:
            process.kill()
            process.wait()
        output.seek(0)
        program.output += output.read()
    return mapped * 1000, painted * 1000, peak


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--settle", type=float, default=0.5, help="seconds between first paint and the memory read")
    parser.add_argument("--timeout", type=float, default=30.0)
    parser.add_argument("--program", nargs=3, metavar=("LABEL", "PATH", "TITLE"), required=True)
    parser.add_argument("--reference", nargs=3, metavar=("LABEL", "PATH", "TITLE"), required=True)
    parser.add_argument("--startup-ratio", type=float, default=1.3)
    parser.add_argument("--memory-margin-mib", type=float, default=15.0)
    arguments = parser.parse_args()

    program, reference = Program(*arguments.program), Program(*arguments.reference)
    server, display = start_x_server()
    runtime_dir = tempfile.mkdtemp(prefix="bench-runtime-")
    environment = {key: value for key, value in os.environ.items()
                   if key not in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XAUTHORITY")}
    environment.update(DISPLAY=display, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=runtime_dir)
    screen = None
    try:
        screen = Screen(display)
        print(f"Private X server {display}; {arguments.runs} starts of each program, taking turns, "
              f"after one unmeasured start of each.")
        for subject in (program, reference):
            measure(subject, screen, environment, arguments.settle, arguments.timeout)
        print(f"{'run':>3}  {'program':<14} {'mapped ms':>10} {'painted ms':>11} {'VmHWM MiB':>10}")
        for run in range(1, arguments.runs + 1):
            for subject in ((program, reference) if run % 2 else (reference, program)):
                mapped, painted, peak = measure(subject, screen, environment, arguments.settle,
                                                arguments.timeout)
                subject.mapped_ms.append(mapped)
                subject.painted_ms.append(painted)
                subject.peak_kib.append(peak)
                print(f"{run:>3}  {subject.label:<14} {mapped:>10.1f} {painted:>11.1f} {peak / 1024:>10.1f}",
                      flush=True)
    finally:
        if screen is not None:
            screen.close()
        server.terminate()
        server.wait()
        shutil.rmtree(runtime_dir, ignore_errors=True)

    print()
    for subject in (program, reference):
        print(f"{subject.label:<14} median: mapped {statistics.median(subject.mapped_ms):.1f} ms, "
              f"painted {statistics.median(subject.painted_ms):.1f} ms, "
              f"peak memory {statistics.median(subject.peak_kib) / 1024:.1f} MiB")
        if subject.output:
            print(f"{subject.label:<14} printed: {subject.output.decode(errors='replace').strip()[:400]}")
    startup_ratio = statistics.median(program.painted_ms) / statistics.median(reference.painted_ms)
    mapped_ratio = statistics.median(program.mapped_ms) / statistics.median(reference.mapped_ms)
    memory_excess = (statistics.median(program.peak_kib) - statistics.median(reference.peak_kib)) / 1024
    memory_ratio = statistics.median(program.peak_kib) / statistics.median(reference.peak_kib)
    startup_ok = startup_ratio <= arguments.startup_ratio
    memory_ok = memory_excess <= arguments.memory_margin_mib
    print(f"start-up to first paint: {startup_ratio:.2f}x the {reference.label} (to mapped: {mapped_ratio:.2f}x); "
          f"target at most {arguments.startup_ratio:.2f}x: {'PASS' if startup_ok else 'FAIL'}")
    print(f"peak memory: {memory_excess:+.1f} MiB over the {reference.label} ({memory_ratio:.2f}x); "
          f"target at most {arguments.memory_margin_mib:.0f} MiB more: {'PASS' if memory_ok else 'FAIL'}")
    return 0 if startup_ok and memory_ok else 1


if __name__ == "__main__":
    sys.exit(main())
