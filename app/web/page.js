'use strict';
// Chooses the engine build this page can run, loads it with its data and passes it the
// pointer. Cross-origin isolated pages (the server sends COOP and COEP) may share memory
// between threads: they get the threaded build; every other page the single-threaded one.
(function () {
  const params = new URLSearchParams(location.search);
  const isolated = globalThis.crossOriginIsolated === true && typeof SharedArrayBuffer === 'function';
  const threads = isolated && params.get('threads') !== '0';
  const status = document.getElementById('status');
  const modeLine = document.getElementById('mode');
  const frame = document.getElementById('canvas');
  const bar = document.getElementById('menubar');
  const barHeight = bar.height;
  let running = false;

  const page = globalThis.vantrelPage = {
    threads: threads,
    values: {},
    set(key, value) {
      this.values[key] = value;
      if (key === 'state' && value === 'stopped') {
        status.textContent = 'stopped';
      } else if (key === 'bench') {
        document.getElementById('bench').textContent = value;
      } else if (key === 'checksum') {
        status.textContent = 'Stepped checksum: ' + value;
      } else if (key === 'message' && value) {
        status.textContent = 'The engine reports: ' + value;
      }
    },
    // FNV-1a over blue, green and red of every canvas pixel, top row first: the checksum the
    // engine reports for its presented frame, taken from what the canvas shows.
    canvasChecksum() {
      const data = frame.getContext('2d').getImageData(0, 0, frame.width, frame.height).data;
      let hash = 0x811c9dc5;
      for (let i = 0; i < data.length; i += 4) {
        hash = Math.imul(hash ^ data[i + 2], 16777619);
        hash = Math.imul(hash ^ data[i + 1], 16777619);
        hash = Math.imul(hash ^ data[i], 16777619);
      }
      return (hash >>> 0).toString(16).padStart(8, '0');
    },
  };

  const fail = (text) => {
    status.textContent = text;
    console.error(text);
  };
  if (typeof WebAssembly !== 'object') {
    fail('This browser cannot run WebAssembly, which the engine is built as.');
    return;
  }

  const workers = Math.min(Math.max(navigator.hardwareConcurrency || 1, 1), 4);
  modeLine.textContent = threads
    ? 'Threads: ' + workers + ' drawing worker' + (workers === 1 ? '' : 's') +
      ' beside a render thread (the page is cross-origin isolated). ' +
      'CPU(W0)… show each worker\'s busy share: a browser tells a page no processor load.'
    : 'One thread: the page draws on its main loop' +
      (isolated ? ' (asked for with ?threads=0).' : ', because the server does not isolate it ' +
       '(no Cross-Origin-Opener-Policy and Cross-Origin-Embedder-Policy headers).') +
      ' CPU(W0) shows the drawing\'s busy share: a browser tells a page no processor load.';

  const args = [];
  for (const [name, option] of [['steps', '--steps'], ['bench', '--bench']]) {
    if (params.has(name)) {
      args.push(option, params.get(name));
    }
  }

  globalThis.Module = {
    arguments: args,
    canvas: frame,
    print: (text) => console.log(text),
    printErr: (text) => console.warn(text),
    setStatus: (text) => {
      if (text && !running) {
        status.textContent = text;
      }
    },
    onRuntimeInitialized: () => {
      running = true;
      if (!page.values.checksum && !page.values.state && !page.values.message) {
        status.textContent = 'Running: the engine draws every frame in WebAssembly, in software.';
      }
    },
    onAbort: (what) => fail('The engine stopped with an error: ' + what),
  };

  const load = (src) => new Promise((resolve, reject) => {
    const script = document.createElement('script');
    script.src = src;
    script.onload = resolve;
    script.onerror = () => reject(new Error('cannot load ' + src));
    document.body.appendChild(script);
  });
  status.textContent = 'Downloading the engine…';
  load('vantrel-data.js')
    .then(() => load(threads ? 'vantrel-threads.js' : 'vantrel-single.js'))
    .catch((error) => fail('The page could not load the engine: ' + error.message));

  // Window coordinates, as the engine's menu knows them: the bar on top, the frame below.
  const position = (event, canvas, top) => {
    const box = canvas.getBoundingClientRect();
    const scaleX = canvas.width / box.width;
    const scaleY = canvas.height / box.height;
    return [Math.floor((event.clientX - box.left) * scaleX), Math.floor((event.clientY - box.top) * scaleY) + top];
  };
  for (const [canvas, top] of [[bar, 0], [frame, barHeight]]) {
    canvas.addEventListener('pointermove', (event) => {
      if (running) {
        Module._vantrel_pointer_moved(...position(event, canvas, top));
      }
    });
    for (const [type, down] of [['pointerdown', 1], ['pointerup', 0]]) {
      canvas.addEventListener(type, (event) => {
        if (running && event.button === 0) {
          Module._vantrel_button(down, ...position(event, canvas, top));
        }
      });
    }
    canvas.addEventListener('contextmenu', (event) => event.preventDefault());
  }
  document.addEventListener('fullscreenchange', () => {
    if (running) {
      Module._vantrel_fullscreen_changed(document.fullscreenElement === frame ? 1 : 0);
    }
  });
})();
