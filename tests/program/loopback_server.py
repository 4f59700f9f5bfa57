"""HTTP server on 127.0.0.1 for whole-program tests and benchmarks.

Serves the two side pictures at /soft/images/1.jpg and /soft/images/2.jpg,
nothing at /favicon.ico, a file to save (an attachment) at /download.bin,
and at every other path a small page: a link, and what a browser pane meets
(a link into a new tab, a button calling window.open(), a download link, a
full-screen button, each at a fixed place) and a pop-up the page opens of its
own, unasked.
Each request is appended to the log once its answer is sent, as
"<epoch seconds> <method> <path> <host> <status> <Accept-Language or ->", so a
caller can tell when a picture was served, and in which language it was asked for. Nothing may be cached: every start of a client asks again.

It also answers as a proxy (absolute addresses in the request line), so a web
engine pointed at it with --proxy-server reaches no other host; tunnels
(CONNECT) are refused.

Usage: loopback_server.py PORT PORT-FILE LOG-FILE
PORT 0 takes a free port; the port in use is written to PORT-FILE.
While the file named by $LOOPBACK_FAULT_FILE exists, every request is answered
with status 503 and an empty body.
The side pictures come from the directory $LOOPBACK_PICTURES when it is set;
paths listed in $LOOPBACK_PAGES (blank-separated) are answered with the page,
pictures' paths too, and those in $LOOPBACK_PAGES_ONCE only the first time.
Paths listed in $LOOPBACK_SILENT_ONCE (blank-separated) get no answer the
first time they are asked for: the server holds the request until the client
gives it up.
"""

import os

import http.server
import pathlib
import sys
import threading
import time
import urllib.parse

PICTURES = pathlib.Path(os.environ.get("LOOPBACK_PICTURES") or pathlib.Path(__file__).resolve().parent / "pictures")
PAGE = b"""<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>Loopback</title>
<style>
body { margin: 0; }
.pane { position: absolute; left: 20px; width: 300px; height: 50px; font-size: 20px; }
</style></head>
<body>
<a class="pane" style="top: 20px" href="/new-tab.html" target="_blank">New tab</a>
<button class="pane" style="top: 90px" onclick="window.open('/opened.html')">window.open()</button>
<a class="pane" style="top: 160px" href="/download.bin">Download</a>
<button class="pane" style="top: 230px" onclick="document.documentElement.requestFullscreen()">Full screen</button>
<p class="pane" style="top: 300px"><a id="next" href="/next.html">Next page</a></p>
<script>setTimeout(function () { window.open('/unasked.html'); }, 300);</script>
</body></html>
"""
DOWNLOAD = b"Saved by the browser, not by the launcher.\n"


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    log_lock = threading.Lock()
    log_path = None
    silent_once = set(os.environ.get("LOOPBACK_SILENT_ONCE", "").split())
    fault_file = os.environ.get("LOOPBACK_FAULT_FILE")
    pages = set(os.environ.get("LOOPBACK_PAGES", "").split())
    pages_once = set(os.environ.get("LOOPBACK_PAGES_ONCE", "").split())

    def do_GET(self):
        self.answer(with_body=True)

    def do_HEAD(self):
        self.answer(with_body=False)

    def do_CONNECT(self):
        self.host, self.target = self.path, "-"
        self.send_error(405, "No tunnels")
        self.record(405)

    def answer(self, with_body):
        address = urllib.parse.urlsplit(self.path)
        self.host = address.netloc or self.headers.get("Host", "-")
        self.target = address.path + (f"?{address.query}" if address.query else "")
        path = address.path
        with self.log_lock:
            silent = path in self.silent_once
            self.silent_once.discard(path)
            page_once = path in self.pages_once
            self.pages_once.discard(path)
        if silent:
            while self.rfile.read(1):
                pass
            self.close_connection = True
            return
        status, kind, body, extra = 200, "text/html; charset=utf-8", PAGE, {}
        if self.fault_file and os.path.exists(self.fault_file):
            status, kind, body = 503, "text/plain", b""
        elif path in self.pages or page_once:
            pass
        elif path in ("/soft/images/1.jpg", "/soft/images/2.jpg"):
            kind, body = "image/jpeg", (PICTURES / path.rsplit("/", 1)[1]).read_bytes()
        elif path == "/favicon.ico":
            status, kind, body = 404, "text/plain", b"not found\n"
        elif path == "/download.bin":
            kind, body = "application/octet-stream", DOWNLOAD
            extra["Content-Disposition"] = "attachment; filename=download.bin"
        self.send_response(status)
        self.send_header("Content-Type", kind)
        for name, value in extra.items():
            self.send_header(name, value)
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Cache-Control", "no-store")
        self.end_headers()
        if with_body:
            self.wfile.write(body)
        self.wfile.flush()
        self.record(status)

    def record(self, status):
        languages = (self.headers.get("Accept-Language") or "-").replace(" ", "")
        line = f"{time.time():.6f} {self.command} {self.target} {self.host} {status} {languages}\n"
        with self.log_lock, open(self.log_path, "a", encoding="utf-8") as log:
            log.write(line)

    def log_message(self, format, *args):
        pass


def main():
    port, port_file, log_file = int(sys.argv[1]), sys.argv[2], sys.argv[3]
    Handler.log_path = log_file
    pathlib.Path(log_file).touch()
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), Handler)
    server.daemon_threads = True
    pending = pathlib.Path(port_file + ".part")
    pending.write_text(f"{server.server_address[1]}\n", encoding="ascii")
    pending.rename(port_file)
    server.serve_forever()


if __name__ == "__main__":
    main()
