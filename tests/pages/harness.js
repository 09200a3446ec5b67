// Opens the map pages in Debian's Chromium with the map library replaced by
// the stand-in and the program replaced by a recording host object. Nothing
// leaves the machine: every request is answered here.
const { chromium } = require('playwright-core');
const fs = require('fs');
const os = require('os');
const path = require('path');

const pages = process.env.OSTRILEX_MAP_PAGES;
const icons = path.join(__dirname, '..', '..', 'resources', 'skin', 'png');
const origin = 'http://127.0.0.1:9';
const mapUrl = origin + '/maps/api/js?key=test&v=3&sensor=false&callback=loadLibs';
const pageUrls = { 103: origin + '/app/103', 328: origin + '/328' };

async function launch() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'ostrilex-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync'],
  });
  context.profile = profile;
  return context;
}

async function close(context) {
  await context.close();
  fs.rmSync(context.profile, { recursive: true, force: true });
}
// The program's side as each page reaches it; every call is kept in
// window.__host.calls as [name, arguments...].
function installHost(config) {
  const host = window.__host = { online: true, gps: null, grid: null, position: '0', calls: [], listeners: [] };
  Object.assign(host, config.state);
  const call = (name, result) => (...args) => (host.calls.push([name, ...args]), result());
  const api = {
    JS2C_ConnectTest: call('ConnectTest', () => config.kind === '103' ? host.online : (host.online ? 1 : 0)),
    JS2C_GetMapURL: call('GetMapURL', () => config.mapUrl),
    JS2C_OnInitHtml: call('OnInitHtml', () => undefined),
    JS2C_GetGPSData: call('GetGPSData', () => host.gps),
    JS2C_GetGridData: call('GetGridData', () => host.grid),
    JS2C_GetRelJpgNum: call('GetRelJpgNum', () => host.position),
    JS2C_OnClickCrashPoint: call('OnClickCrashPoint', () => undefined),
    JS2C_SetSend: call('SetSend', () => undefined),
    JS2C_DEBLOG: call('DEBLOG', () => undefined),
  };
  if (config.kind === '103') {
    Object.defineProperty(window, 'external', { value: api, configurable: true });
    window.VBArray = function (array) { return { toArray: () => array }; };
  } else {
    window.chrome = window.chrome || {};
    window.chrome.webview = {
      addEventListener: (type, listener) => { if (type === 'message') host.listeners.push(listener); },
      hostObjects: { sync: { sample: api } },
    };
  }
}

const files = {
  '/maps/api/js': ['text/javascript; charset=utf-8', path.join(__dirname, 'map-stand-in.js')],
  '/app/103': ['text/html; charset=utf-8', path.join(pages || '', '103.html')],
  '/328': ['text/html; charset=utf-16le', path.join(pages || '', '328.html')],
};

async function answer(route) {
  const { pathname } = new URL(route.request().url());
  const icon = /^\/app\/PNG\/(\d+)$/.exec(pathname);
  const [contentType, file] = icon ? ['image/png', path.join(icons, icon[1] + '.png')] : files[pathname] || [];
  return file ? route.fulfill({ contentType, path: file }) : route.fulfill({ status: 404, body: '' });
}

// Waits, with a deadline, until the expression holds in the page.
async function until(page, expression) {
  for (const deadline = Date.now() + 5000; !(await page.evaluate(expression));) {
    if (Date.now() > deadline) throw new Error('timed out waiting for ' + expression);
    await new Promise((resolve) => setTimeout(resolve, 10));
  }
}

const kPauseAtMs = 60000;

// A page with the library loaded; state sets the host's first answers.
// Time stands still until the test runs the clock, one poll per second.
async function open(context, kind, state = {}) {
  const page = await context.newPage();
  await page.route('**/*', answer);
  await page.addInitScript(installHost, { kind, mapUrl, state });
  // The installed clock runs until paused; the pause lies far enough ahead
  // that a busy machine never reaches it first.
  await page.clock.install({ time: 0 });
  await page.clock.pauseAt(kPauseAtMs);
  await page.goto(pageUrls[kind]);
  await until(page, () => window.g_isInitConnect === true);
  return page;
}

// [lat, lng, time] triples and their count, as the program hands a track.
function track(points) {
  const values = points.flat();
  return values.concat([values.length]);
}

module.exports = { launch, close, open, until, track, icons, mapUrl };
