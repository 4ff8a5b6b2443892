// The service worker: after one visit the game plays with the network gone. The site's files are
// kept as one set, named by the build's content and installed whole; a new build is fetched whole
// in the background while the old one plays on, and it takes over, in one step, at the next start
// with no page of the old build open. Files of two builds are never mixed, and nothing fetched
// later changes a set.
'use strict';

// Written at build time: a hash of the site's files, and the files.
const CACHE = 'quv-@version@';
const SITE = [@files@];

self.addEventListener('install', event => {
  // Past the browser's own cache, so that every file is of this build; all of them or none.
  event.waitUntil(caches.open(CACHE).then(cache => cache.addAll(
      SITE.map(file => new Request(file, {cache: 'reload'})))));
});

self.addEventListener('activate', event => {
  event.waitUntil(caches.keys()
      .then(keys => Promise.all(keys.filter(key => key !== CACHE).map(key => caches.delete(key))))
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
