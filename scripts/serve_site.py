#!/usr/bin/env python3
"""Serves a folder on 127.0.0.1 as a web host would:
python3 serve_site.py FOLDER PORT [--throttle-kbps N] [--latency-ms N] [--log]
(PORT 0: any free port). Prints the address once it listens.

Every answer carries validators (ETag, Last-Modified) and is revalidated
(Cache-Control: no-cache: the file names carry no version), so a repeated
request costs a 304 and no body. Text and wasm go gzipped to a browser that
accepts it. --throttle-kbps and --latency-ms slow every answer down as a
mobile network would: one shared link of that many kilobits a second, and that
round trip before each answer and for each new connection. --log prints a line
for every answer: its status, the bytes sent (headers and body) and the path."""
import argparse
import email.utils
import gzip
import hashlib
import http.server
import os
import sys
import threading
import time
import urllib.parse

TYPES = {
    ".html": "text/html; charset=utf-8",
    ".js": "text/javascript",
    ".mjs": "text/javascript",
    ".css": "text/css",
    ".wasm": "application/wasm",
    ".webmanifest": "application/manifest+json",
    ".json": "application/json",
    ".svg": "image/svg+xml",
    ".png": "image/png",
    ".ico": "image/x-icon",
    ".gz": "application/gzip",
    ".txt": "text/plain; charset=utf-8",
    "": "text/plain; charset=utf-8",  # COPYING
}
COMPRESSED = {".html", ".js", ".mjs", ".css", ".wasm", ".webmanifest", ".json", ".svg", ".txt", ""}
CHUNK = 4096


class Link:
    """One network link shared by every connection: each chunk waits for the
    link to be free and holds it for as long as its bits take at that rate."""

    def __init__(self, kilobits_per_second, latency_ms):
        self.seconds_per_byte = 8 / (kilobits_per_second * 1000) if kilobits_per_second else 0
        self.latency = latency_ms / 1000
        self.free_at = 0.0
        self.lock = threading.Lock()

    def wait_round_trip(self):
        if self.latency:
            time.sleep(self.latency)

    def send(self, stream, data):
        if not self.seconds_per_byte:
            stream.write(data)
            return
        for start in range(0, len(data), CHUNK):
            chunk = data[start:start + CHUNK]
            with self.lock:
                self.free_at = max(self.free_at, time.monotonic()) + len(chunk) * self.seconds_per_byte
                done = self.free_at
            time.sleep(max(0.0, done - time.monotonic()))
            stream.write(chunk)


class Representations:
    """A file's bytes as sent, plain and gzipped, with their entity tags, kept
    while the file stays the same."""

    def __init__(self):
        self.kept = {}
        self.lock = threading.Lock()

    def get(self, path, suffix, gzipped):
        status = os.stat(path)
        key = (path, status.st_mtime_ns, status.st_size, gzipped)
        with self.lock:
            if key in self.kept:
                return self.kept[key]
        with open(path, "rb") as source:
            body = source.read()
        tag = hashlib.sha256(body).hexdigest()[:20]
        if gzipped:
            body = gzip.compress(body, 6, mtime=0)
            tag += "-gz"
        answer = (body, f'"{tag}"', status.st_mtime)
        with self.lock:
            self.kept[key] = answer
        return answer


class SiteHandler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    folder = "."
    link = Link(0, 0)
    representations = Representations()
    log = False
    log_lock = threading.Lock()

    def setup(self):
        super().setup()
        self.link.wait_round_trip()  # the connection's handshake
        self.sent = 0

    def flush_headers(self):
        data = b"".join(getattr(self, "_headers_buffer", []))
        self._headers_buffer = []
        self.transmit(data)

    def transmit(self, data):
        self.link.send(self.wfile, data)
        self.sent += len(data)

    def do_HEAD(self):
        self.answer(with_body=False)

    def do_GET(self):
        self.answer(with_body=True)

    def answer(self, with_body):
        self.sent = 0
        self.link.wait_round_trip()
        status = self.respond(with_body)
        self.wfile.flush()
        if self.log:
            with self.log_lock:
                print(f"{status} {self.sent} {self.path}", flush=True)

    def respond(self, with_body):
        path = urllib.parse.urlsplit(self.path).path
        local = os.path.normpath(os.path.join(self.folder, urllib.parse.unquote(path).lstrip("/")))
        if local != self.folder and not local.startswith(self.folder + os.sep):
            return self.plain(404, "Not found", with_body)
        if os.path.isdir(local):
            if not path.endswith("/"):
                return self.redirect(path + "/")
            local = os.path.join(local, "index.html")
        if not os.path.isfile(local):
            return self.plain(404, "Not found", with_body)
        name = os.path.basename(local)
        suffix = os.path.splitext(name)[1] if "." in name else ""
        gzipped = suffix in COMPRESSED and "gzip" in self.headers.get("Accept-Encoding", "")
        try:
            body, tag, modified = self.representations.get(local, suffix, gzipped)
        except OSError:
            return self.plain(404, "Not found", with_body)
        status = 304 if self.unchanged(tag, modified) else 200
        self.send_response(status)
        if status == 200:
            self.send_header("Content-Type", TYPES.get(suffix, "application/octet-stream"))
            self.send_header("Content-Length", str(len(body)))
            if gzipped:
                self.send_header("Content-Encoding", "gzip")
        self.send_header("ETag", tag)
        self.send_header("Last-Modified", email.utils.formatdate(modified, usegmt=True))
        self.send_header("Cache-Control", "no-cache")
        if suffix in COMPRESSED:
            self.send_header("Vary", "Accept-Encoding")
        self.end_headers()
        if status == 200 and with_body:
            self.transmit(body)
        return status

    def unchanged(self, tag, modified):
        """The conditional request's answer: the entity tags decide where the
        browser sent any, else the date."""
        tags = self.headers.get("If-None-Match")
        if tags is not None:
            listed = [t.strip().removeprefix("W/") for t in tags.split(",")]
            return "*" in listed or tag in listed
        since = self.headers.get("If-Modified-Since")
        if since:
            try:
                return int(modified) <= email.utils.parsedate_to_datetime(since).timestamp()
            except (TypeError, ValueError):
                return False
        return False

    def redirect(self, location):
        self.send_response(301)
        self.send_header("Location", location)
        self.send_header("Content-Length", "0")
        self.end_headers()
        return 301

    def plain(self, status, text, with_body):
        body = text.encode()
        self.send_response(status)
        self.send_header("Content-Type", "text/plain; charset=utf-8")
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Cache-Control", "no-cache")
        self.end_headers()
        if with_body:
            self.transmit(body)
        return status

    def log_message(self, *args):
        pass


class SiteServer(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        # A browser that leaves a download midway is no fault of the site's.
        if not isinstance(sys.exc_info()[1], (ConnectionError, TimeoutError)):
            super().handle_error(request, client_address)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("folder")
    parser.add_argument("port", type=int)
    parser.add_argument("--throttle-kbps", type=float, default=0)
    parser.add_argument("--latency-ms", type=float, default=0)
    parser.add_argument("--log", action="store_true")
    arguments = parser.parse_args()
    SiteHandler.folder = os.path.abspath(arguments.folder)
    SiteHandler.link = Link(arguments.throttle_kbps, arguments.latency_ms)
    SiteHandler.log = arguments.log
    with SiteServer(("127.0.0.1", arguments.port), SiteHandler) as server:
        print(f"http://127.0.0.1:{server.server_address[1]}/", flush=True)
        try:
            server.serve_forever()
        except KeyboardInterrupt:
            pass


if __name__ == "__main__":
    main()
