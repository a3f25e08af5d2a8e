// Loads the program into the page: the bytes of the program shown as they
// arrive, then the program started in the page's screen, in the browser's
// language; afterwards the page keeps itself for use without a network.
'use strict';

(function () {
  const screen = document.getElementById('screen');
  const loading = document.getElementById('loading');
  const progress = document.getElementById('progress');
  const progressText = document.getElementById('progress-text');
  const expectedBytes = Number(document.body.dataset.wasmBytes) || 0;
  // The widest window, in Qt's pixels, and the frame Qt draws around it, in
  // the page's pixels at any scale, with a pixel's rounding to spare.
  const widestWindow = 781;
  const frame = 12;

  const megabytes = (bytes) => (bytes / 1e6).toLocaleString('it-IT', {maximumFractionDigits: 1});

  function showProgress(received) {
    if (expectedBytes > 0) {
      progress.value = Math.min(1, received / expectedBytes);
      progressText.textContent = `${megabytes(received)} MB di ${megabytes(expectedBytes)} MB`;
    } else {
      progress.removeAttribute('value');
      progressText.textContent = `${megabytes(received)} MB`;
    }
  }

  function fail(error) {
    loading.hidden = true;
    document.getElementById('failed-text').textContent = String(error && error.message || error);
    document.getElementById('failed').hidden = false;
  }

  async function fetchProgram() {
    const response = await fetch('Voltaris.wasm');
    if (!response.ok)
      throw new Error(`Voltaris.wasm: ${response.status} ${response.statusText}`);
    const reader = response.body.getReader();
    const chunks = [];
    let received = 0;
    for (;;) {
      const {done, value} = await reader.read();
      if (done)
        break;
      chunks.push(value);
      received += value.length;
      showProgress(received);
    }
    progressText.textContent = 'Avvio…';
    const bytes = new Uint8Array(received);
    let at = 0;
    for (const chunk of chunks) {
      bytes.set(chunk, at);
      at += chunk.length;
    }
    return WebAssembly.compile(bytes);
  }

  function loadScript(source) {
    return new Promise((resolve, reject) => {
      const script = document.createElement('script');
      script.src = source;
      script.onload = resolve;
      script.onerror = () => reject(new Error(`${source} non trovato`));
      document.body.appendChild(script);
    });
  }

  // The browser's first language, as the C library names a locale: it-IT gives it_IT.
  function localeName() {
    const language = (navigator.languages && navigator.languages[0]) || navigator.language || 'it-IT';
    return language.replace('-', '_') + '.UTF-8';
  }

  // On a touch screen narrower than the widest window every window shows
  // smaller, whole. Not where a mouse points: Qt 6.4 places a mouse press in
  // a window by the page's pixels, so at another scale it lands off its control.
  function scaleFactor() {
    if (!matchMedia('(pointer: coarse)').matches)
      return 1;
    return Math.min(1, (document.documentElement.clientWidth - frame) / widestWindow);
  }

  // "Stampa": the window's image alone on the page, at its size on the screen.
  window.voltarisPrintImage = function (pngView, width, height) {
    const image = document.getElementById('print-image');
    if (image.src)
      URL.revokeObjectURL(image.src);
    image.style.width = `${width}px`;
    image.style.height = `${height}px`;
    image.onload = () => window.print();
    image.src = URL.createObjectURL(new Blob([new Uint8Array(pngView)], {type: 'image/png'}));
  };

  // Qt keeps a press on its canvas from focusing it: once the page around the
  // window took the focus, a click back into a box would give it no keys.
  screen.addEventListener('pointerdown', () => {
    const canvas = screen.querySelector('canvas');
    if (canvas && document.activeElement !== canvas)
      canvas.focus({preventScroll: true});
  }, true);

  function ended() {
    screen.hidden = true;
    document.getElementById('ended').hidden = false;
  }
  document.getElementById('reopen').addEventListener('click', () => location.reload());

  Promise.all([fetchProgram(), loadScript('Voltaris.js')]).then(([compiled]) => createQtAppInstance({
    qtContainerElements: [screen],
    thisProgram: 'Voltaris',
    instantiateWasm(imports, done) {
      WebAssembly.instantiate(compiled, imports).then((instance) => done(instance, compiled), fail);
      return {};
    },
    preRun: [(module) => {
      module.ENV.LANG = localeName();
      module.ENV.QT_SCALE_FACTOR = String(scaleFactor());
    }],
    print: (text) => console.log(text),
    printErr: (text) => console.warn(text),
    onAbort: fail,
    quit: (code, exception) => ended(),
  })).then((program) => {
    loading.hidden = true;
    // Back closes the visible window, as its "Chiudi" does.
    window.addEventListener('popstate', () => program.voltarisBrowserBack());
    window.voltaris = program;
  }).catch(fail);

  if ('serviceWorker' in navigator)
    navigator.serviceWorker.register('service-worker.js').catch((error) => console.warn(error));
})();
