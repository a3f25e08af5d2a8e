#!/usr/bin/env python3
"""Serves a folder on 127.0.0.1 with the types a web app needs, compressed
where the browser accepts it: python3 serve_site.py FOLDER PORT (0: any free
port). Prints the address once it listens."""
import functools
import gzip
import http.server
import io
import sys

TYPES = {
    ".wasm": "application/wasm",
    ".js": "text/javascript",
    ".webmanifest": "application/manifest+json",
    ".html": "text/html; charset=utf-8",
    ".css": "text/css",
    "": "text/plain; charset=utf-8",  # COPYING
}
COMPRESSED = (".wasm", ".js", ".html", ".css", ".webmanifest", "")


class SiteHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, **TYPES}

    def send_head(self):
        path = self.translate_path(self.path)
        suffix = path[path.rfind("."):] if "." in path.rsplit("/", 1)[-1] else ""
        accepts = "gzip" in self.headers.get("Accept-Encoding", "")
        if not accepts or suffix not in COMPRESSED or path.endswith("/"):
            return super().send_head()
        try:
            with open(path, "rb") as source:
                body = gzip.compress(source.read(), 6, mtime=0)
        except OSError:
            return super().send_head()
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Cache-Control", "no-cache")
        self.end_headers()
        return io.BytesIO(body)

    def log_message(self, *args):
        pass


class SiteServer(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        # A browser that leaves a download midway is no fault of the site's.
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


def main():
    folder, port = sys.argv[1], int(sys.argv[2])
    handler = functools.partial(SiteHandler, directory=folder)
    with SiteServer(("127.0.0.1", port), handler) as server:
        print(f"http://127.0.0.1:{server.server_address[1]}/", flush=True)
        server.serve_forever()


if __name__ == "__main__":
    main()
