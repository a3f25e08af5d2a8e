// Keeps the site for use without a network: the service worker keeps the
// files the page has loaded. It is registered once the page has loaded, so
// that its downloads never compete with the page's own.
export function keepForOffline() {
  if (!('serviceWorker' in navigator))
    return;
  const register = () => navigator.serviceWorker.register('service-worker.js')
    .catch((error) => console.warn('Voltaris BT non resterà disponibile senza rete:', error));
  if (document.readyState === 'complete')
    register();
  else
    window.addEventListener('load', register, {once: true});
}
