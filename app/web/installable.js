// Served as a folder's index, as the release's web/ folder is on a web
// server, the page names its manifest and starts the worker that keeps it for
// use offline, so that it can be added to a home screen. Opened from a file,
// or under another name, it asks for nothing beside itself.
if (typeof location !== 'undefined' && /^https?:$/.test(location.protocol) &&
    /\/(index\.html)?$/.test(location.pathname)) {
  var manifest = document.createElement('link');
  manifest.rel = 'manifest';
  manifest.href = 'manifest.webmanifest';
  document.head.appendChild(manifest);
  if ('serviceWorker' in navigator)
    navigator.serviceWorker.register('sw.js').catch(function () {});
}
