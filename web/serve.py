#!/usr/bin/env python3
"""Serves a built site on the loopback address, as a static host with compression would:
a file that the site build also wrote compressed (NAME.gz) goes out compressed to a
browser that accepts it.

    serve.py SITE_DIR [PORT]      (PORT 0: a free one; prints "Serving on port N")
"""
import http.server
import os
import sys
from functools import partial


class SiteHandler(http.server.SimpleHTTPRequestHandler):
    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path) and self.path.endswith("/"):
            path = os.path.join(path, "index.html")
        compressed = path + ".gz"
        if "gzip" not in self.headers.get("Accept-Encoding", "") or not os.path.isfile(compressed):
            return super().send_head()
        body = open(compressed, "rb")
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(os.fstat(body.fileno()).st_size))
        self.send_header("Vary", "Accept-Encoding")
        self.end_headers()
        return body

    def log_message(self, *args):
        pass


def main():
    site = sys.argv[1]
    port = int(sys.argv[2]) if len(sys.argv) > 2 else 0
    SiteHandler.extensions_map.update({".wasm": "application/wasm", ".webmanifest": "application/manifest+json",
                                       ".js": "text/javascript"})
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), partial(SiteHandler, directory=site))
    print(f"Serving on port {server.server_address[1]}", flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
