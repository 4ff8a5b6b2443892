// The service worker: after one visit the game plays with the network gone. Every file of the site
// is kept at installation; online, the server's answer is taken (and kept), so a new build shows at
// once; offline, the kept copy answers.
'use strict';

const CACHE = 'quv';
const SITE = [
  './', 'quv.css', 'quv.js', 'quv.wasm', 'manifest.json', 'LICENSE',
  'quv-32.png', 'quv-48.png', 'quv-64.png', 'quv-128.png', 'quv-192.png', 'quv-512.png',
];

self.addEventListener('install', event => {
  event.waitUntil(caches.open(CACHE).then(cache => cache.addAll(SITE))
                    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', event => event.waitUntil(self.clients.claim()));

self.addEventListener('fetch', event => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== location.origin)
    return;
  // The page itself is kept under './', however it was asked for.
  const key = request.mode === 'navigate' ? new URL('./', location).href : request;
  event.respondWith(fetch(request).then(response => {
    if (response.ok) {
      const copy = response.clone();
      caches.open(CACHE).then(cache => cache.put(key, copy));
    }
    return response;
  }, () => caches.match(key, {ignoreSearch: true}).then(kept => kept || Response.error())));
});
