#!/usr/bin/env python3
"""Serves a folder on 127.0.0.1 as a static host that isolates its pages: every answer
carries Cross-Origin-Opener-Policy: same-origin and Cross-Origin-Embedder-Policy:
require-corp, which let a page share memory between threads (the threaded build).
With --plain it sends neither, like most static hosts (the page then runs on one thread).
"""
import argparse
import functools
import http.server
import sys


class Handler(http.server.SimpleHTTPRequestHandler):
    isolate = True
    extensions_map = {
        **http.server.SimpleHTTPRequestHandler.extensions_map,
        '.wasm': 'application/wasm',
        '.js': 'text/javascript',
        '.data': 'application/octet-stream',
        '.html': 'text/html; charset=utf-8',
    }

    def end_headers(self):
        if self.isolate:
            self.send_header('Cross-Origin-Opener-Policy', 'same-origin')
            self.send_header('Cross-Origin-Embedder-Policy', 'require-corp')
        self.send_header('Cache-Control', 'no-cache')
        super().end_headers()

    def log_message(self, format, *args):
        if self.server.verbose:
            super().log_message(format, *args)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument('folder')
    parser.add_argument('--port', type=int, default=8020)
    parser.add_argument('--plain', action='store_true', help='send no isolation headers')
    parser.add_argument('--quiet', action='store_true')
    options = parser.parse_args()

    handler = type('PageHandler', (Handler,), {'isolate': not options.plain})
    server = http.server.ThreadingHTTPServer(('127.0.0.1', options.port),
                                             functools.partial(handler, directory=options.folder))
    server.verbose = not options.quiet
    print(f'Serving {options.folder} on http://127.0.0.1:{server.server_address[1]}/'
          f'{" without isolation headers" if options.plain else ""}', flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    return 0


if __name__ == '__main__':
    sys.exit(main())
