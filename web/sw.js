// The service worker: after one visit the game plays with the network gone. The site's files are
// kept as one set, named by this copy of the game (its scope: a host may serve several copies, and
// other sites, from one origin, which share one Cache Storage) and by the build's content. A new
// build is fetched whole in the background while the old one plays on, every file checked against
// the hash the build wrote for it, and it takes over, in one step, at the next start with no page
// of the old build open. Files of two builds are never mixed, nothing fetched later changes a set,
// and no set but this copy's older ones is ever deleted.
'use strict';

// Written at build time: a hash of the site's files, and each file with its own SHA-256.
const BUILD = '@version@';
const SITE = {@files@};
const SCOPE = self.registration.scope;
const CACHE = `quv ${BUILD} ${SCOPE}`;
const ours = key => key.startsWith('quv ') && key.endsWith(` ${SCOPE}`);

// The hash as a request's integrity, which makes the fetch fail on any other bytes.
const integrity = hex =>
    'sha256-' + btoa(String.fromCharCode(...hex.match(/../g).map(byte => parseInt(byte, 16))));

self.addEventListener('install', event => {
  // Past the browser's own cache, so that every file is of this build; all of them or none. A
  // deploy caught halfway fails here: the old set plays on, and the next start tries again.
  event.waitUntil(caches.open(CACHE)
      .then(cache => cache.addAll(Object.entries(SITE).map(([file, hash]) =>
          new Request(file, {cache: 'reload', integrity: integrity(hash)}))))
      .catch(error => caches.delete(CACHE).then(() => { throw error; })));
});

self.addEventListener('activate', event => {
  event.waitUntil(caches.keys()
      .then(keys => Promise.all(keys.filter(key => ours(key) && key !== CACHE)
                                    .map(key => caches.delete(key))))
      .then(() => self.clients.claim()));
});

self.addEventListener('fetch', event => {
  const request = event.request;
  const url = new URL(request.url);
  if (request.method !== 'GET' || url.origin !== location.origin)
    return;
  // The page is the scope's root, however it was asked for; any other file opened as a page is
  // just that file.
  const root = new URL('./', location);
  const page = request.mode === 'navigate' &&
               (url.pathname === root.pathname || url.pathname === root.pathname + 'index.html');
  event.respondWith(caches.open(CACHE)
      .then(cache => cache.match(page ? root.href : request, {ignoreSearch: true}))
      .then(kept => kept || fetch(request)));
});
