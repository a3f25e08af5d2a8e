// Keeps one version of the site for use without a network. Its cache is named
// after the version, a hash of the site's files, and is filled whole before
// this worker takes over; pages are answered from it first, so a later start
// shows the kept version at once, whatever the network. A new version installs
// beside it in the background and takes over at the next start.
'use strict';

const CACHE = 'voltaris-bt-@SITE_VERSION@';
const FILES = [@SITE_FILES@];

// Revalidated requests: what the page has just downloaded comes from the
// browser's own cache after a 304, so a first visit downloads nothing twice.
// addAll keeps all of the files or none.
self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) =>
    cache.addAll(FILES.map((file) => new Request(file, {cache: 'no-cache'})))));
});

// Taking over pages that have none yet (a first visit) lets them open their
// later files from this version's cache too.
self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(names
    .filter((name) => name.startsWith('voltaris-bt-') && name !== CACHE)
    .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  const url = new URL(event.request.url);
  if (event.request.method !== 'GET' || url.origin !== self.location.origin)
    return;
  // The page is kept under its folder's address alone.
  const name = url.pathname.endsWith('/index.html') ? new URL('./', url).href : event.request;
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(name, {ignoreSearch: true, ignoreVary: true}))
    .then((kept) => kept || fetch(event.request)));
});
