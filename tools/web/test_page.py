#!/usr/bin/env python3
"""Drives the page in headless Chromium over the DevTools protocol on a pipe (file
descriptors 3 and 4, NUL-separated JSON): no port, no extra packages.

Usage: test_page.py FOLDER --checksum STEPS=HEX ... [--screenshot FILE]
Serves FOLDER twice (isolated, for the threaded build, and plain, for the single-threaded
one) and checks: both builds load without a console error, the canvas is 1366 x 768, frames
move, the frame-rate read-out reaches 30, the stepped checksums equal the native build's
(as the engine reports them and as the canvas shows them), a click reaches the sound code,
the menu opens on a click at its item and File > Exit stops the scene.
"""
import argparse
import base64
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))


class Browser:
    def __init__(self):
        self.profile = tempfile.mkdtemp(prefix='vantrel-chromium-')
        to_browser_r, self.to_browser = os.pipe()
        self.from_browser, from_browser_w = os.pipe()

        def plumb():
            # Through fresh numbers first, so that neither end overwrites the other.
            reading, writing = os.dup(to_browser_r), os.dup(from_browser_w)
            os.dup2(reading, 3)
            os.dup2(writing, 4)

        self.process = subprocess.Popen(
            ['chromium', '--headless=new', '--no-sandbox', '--no-first-run', '--disable-background-networking',
             '--disable-component-update', '--disable-sync', '--disable-quic', '--mute-audio',
             '--autoplay-policy=no-user-gesture-required', '--window-size=1400,900',
             f'--user-data-dir={self.profile}', '--remote-debugging-pipe', 'about:blank'],
            preexec_fn=plumb, pass_fds=(3, 4, to_browser_r, from_browser_w),
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(to_browser_r)
        os.close(from_browser_w)
        self.buffer = b''
        self.next_id = 0
        self.events = []
        self.session = None

    def close(self):
        try:
            self.call('Browser.close', session=False)
        except Exception:
            pass
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
        shutil.rmtree(self.profile, ignore_errors=True)

    def _read_message(self, deadline):
        while b'\0' not in self.buffer:
            if time.time() > deadline:
                raise TimeoutError('no answer from Chromium')
            chunk = os.read(self.from_browser, 1 << 20)
            if not chunk:
                raise RuntimeError('Chromium closed the pipe')
            self.buffer += chunk
        message, self.buffer = self.buffer.split(b'\0', 1)
        return json.loads(message)

    def call(self, method, params=None, session=True, timeout=60):
        self.next_id += 1
        message = {'id': self.next_id, 'method': method, 'params': params or {}}
        if session and self.session:
            message['sessionId'] = self.session
        os.write(self.to_browser, json.dumps(message).encode() + b'\0')
        deadline = time.time() + timeout
        while True:
            answer = self._read_message(deadline)
            if answer.get('id') == self.next_id:
                if 'error' in answer:
                    raise RuntimeError(f'{method}: {answer["error"]}')
                return answer.get('result', {})
            if 'method' in answer:
                self.events.append(answer)

    def open_page(self):
        target = self.call('Target.createTarget', {'url': 'about:blank'}, session=False)['targetId']
        self.session = self.call('Target.attachToTarget', {'targetId': target, 'flatten': True},
                                 session=False)['sessionId']
        for domain in ('Runtime', 'Page', 'Log'):
            self.call(f'{domain}.enable')

    def navigate(self, url):
        self.events.clear()
        self.call('Page.navigate', {'url': url})

    def evaluate(self, expression):
        result = self.call('Runtime.evaluate', {'expression': expression, 'returnByValue': True,
                                                'awaitPromise': True})
        if 'exceptionDetails' in result:
            raise RuntimeError(f'{expression}: {result["exceptionDetails"]}')
        return result['result'].get('value')

    def wait_for(self, expression, timeout, what):
        deadline = time.time() + timeout
        while time.time() < deadline:
            value = self.evaluate(expression)
            if value:
                return value
            time.sleep(0.2)
        raise AssertionError(f'timed out waiting for {what} ({expression})')

    def errors(self):
        found = []
        for event in self.events:
            method, params = event['method'], event.get('params', {})
            if method == 'Runtime.consoleAPICalled' and params.get('type') == 'error':
                found.append(' '.join(str(a.get('value', a.get('description', ''))) for a in params['args']))
            elif method == 'Runtime.exceptionThrown':
                found.append(params['exceptionDetails'].get('text', '') + ' ' +
                             str(params['exceptionDetails'].get('exception', {}).get('description', '')))
            elif method == 'Log.entryAdded' and params['entry'].get('level') == 'error':
                found.append(params['entry'].get('text', ''))
        return found

    def console(self):
        return [' '.join(str(a.get('value', '')) for a in e['params']['args'])
                for e in self.events if e['method'] == 'Runtime.consoleAPICalled']

    def screenshot(self, clip=None):
        params = {'format': 'png'}
        if clip:
            params['clip'] = {**clip, 'scale': 1}
        return base64.b64decode(self.call('Page.captureScreenshot', params)['data'])

    def click(self, x, y):
        for kind in ('mouseMoved', 'mousePressed', 'mouseReleased'):
            self.call('Input.dispatchMouseEvent', {'type': kind, 'x': x, 'y': y, 'button': 'left',
                                                   'clickCount': 1 if kind != 'mouseMoved' else 0})
            time.sleep(0.05)


def serve(folder, port, plain):
    command = [sys.executable, os.path.join(HERE, 'serve.py'), folder, '--port', str(port), '--quiet']
    if plain:
        command.append('--plain')
    server = subprocess.Popen(command, stdout=subprocess.PIPE, text=True)
    server.stdout.readline()  # the "Serving" line: the socket is listening
    return server


class Checks:
    def __init__(self):
        self.failures = []

    def check(self, condition, what):
        print(f'  {"ok  " if condition else "FAIL"} {what}', flush=True)
        if not condition:
            self.failures.append(what)


def canvas_box(browser, element):
    return browser.evaluate(f'(() => {{ const b = document.getElementById("{element}").getBoundingClientRect();'
                            f' return {{x: b.left, y: b.top, width: b.width, height: b.height}}; }})()')


def run_page(browser, checks, base, threads, screenshot):
    name = 'threaded' if threads else 'single-threaded'
    print(f'{name} page at {base}', flush=True)
    browser.navigate(base)
    browser.wait_for('globalThis.vantrelPage && globalThis.Module && Module.calledRun', 60, f'the {name} page to run')
    checks.check(browser.evaluate('vantrelPage.threads') == threads, f'{name}: the page chose the {name} build')
    size = browser.evaluate('[document.getElementById("canvas").width, document.getElementById("canvas").height]')
    checks.check(size == [1366, 768], f'{name}: the canvas is 1366 x 768 (it is {size})')
    box = canvas_box(browser, 'canvas')
    browser.wait_for('vantrelPage.values.fps !== undefined', 30, 'the frame-rate read-out')
    time.sleep(3)
    first = browser.screenshot(box)
    time.sleep(1)
    second = browser.screenshot(box)
    checks.check(first != second, f'{name}: frames move (two screenshots a second apart differ)')
    fps = 0.0
    deadline = time.time() + 20
    while time.time() < deadline and fps < 30:
        fps = float(browser.evaluate('vantrelPage.values.fps') or 0)
        time.sleep(0.5)
    checks.check(fps >= 30, f'{name}: the frame-rate read-out reaches 30 (it shows {fps:.1f})')
    if screenshot:
        top = canvas_box(browser, 'menubar')
        with open(screenshot, 'wb') as file:
            file.write(browser.screenshot({**top, 'height': box['y'] + box['height'] - top['y']}))

    # A click on the frame starts the click sound.
    browser.click(box['x'] + 600, box['y'] + 400)
    started = browser.wait_for('globalThis.vantrelSounds && vantrelSounds.started', 5, 'the click sound')
    checks.check(started >= 1, f'{name}: a click on the frame starts the click sound')

    # File (the first item of the bar) opens; Exit, its first item, stops the scene.
    bar = canvas_box(browser, 'menubar')
    browser.click(bar['x'] + 20, bar['y'] + 10)
    opened = browser.evaluate('vantrelPage.values.menu')
    checks.check(opened == '0', f'{name}: a click on File opens its menu (open menu: {opened!r})')
    browser.click(bar['x'] + 30, bar['y'] + bar['height'] + 14)
    stopped = browser.wait_for('vantrelPage.values.state === "stopped"', 10, 'the scene to stop')
    status = browser.evaluate('document.getElementById("status").textContent')
    checks.check(stopped and status == 'stopped', f'{name}: File > Exit stops the scene and says "stopped"')
    errors = browser.errors()
    checks.check(not errors, f'{name}: no console errors {errors if errors else ""}')
    bench_lines = [line for line in browser.console() if line.startswith('vantrel')]
    return bench_lines


def run_stepped(browser, checks, base, steps, expected):
    browser.navigate(f'{base}?steps={steps}')
    reported = browser.wait_for('globalThis.vantrelPage && vantrelPage.values.checksum', 120,
                                f'the checksum after {steps} steps')
    checks.check(reported == expected,
                 f'{steps} steps: the engine\'s checksum {reported} equals the native build\'s {expected}')
    shown = None
    deadline = time.time() + 10
    while time.time() < deadline and shown != expected:
        shown = browser.evaluate('vantrelPage.canvasChecksum()')
        time.sleep(0.3)
    checks.check(shown == expected, f'{steps} steps: the canvas shows the same pixels ({shown})')
    errors = browser.errors()
    checks.check(not errors, f'{steps} steps: no console errors {errors if errors else ""}')


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('folder')
    parser.add_argument('--checksum', action='append', default=[], help='STEPS=HEX from vantrel-bench')
    parser.add_argument('--screenshot')
    parser.add_argument('--port', type=int, default=8731)
    options = parser.parse_args()

    servers = [serve(options.folder, options.port, False), serve(options.folder, options.port + 1, True)]
    browser = Browser()
    checks = Checks()
    try:
        browser.open_page()
        isolated = f'http://127.0.0.1:{options.port}/'
        plain = f'http://127.0.0.1:{options.port + 1}/'
        run_page(browser, checks, isolated, True, options.screenshot)
        run_page(browser, checks, plain, False, None)
        for index, pair in enumerate(options.checksum):
            steps, expected = pair.split('=')
            run_stepped(browser, checks, isolated, int(steps), expected)
            if index == 0:  # the single-threaded build steps the same engine
                run_stepped(browser, checks, plain, int(steps), expected)
    except Exception as failure:  # a page that never comes up fails the test, it does not hang it
        checks.check(False, f'the page test ran to its end ({failure})')
    finally:
        browser.close()
        for server in servers:
            server.terminate()
            server.wait()
    print(f'{len(checks.failures)} failure(s)' if checks.failures else 'all page checks passed')
    return 1 if checks.failures else 0


if __name__ == '__main__':
    sys.exit(main())
