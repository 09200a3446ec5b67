// The map pages in headless Chromium: the track, the marker, the poll, the
// offline spell and the event points, as a user of the program meets them.
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const path = require('path');
const { launch, close, open, until, track, icons, mapUrl } = require('./harness');

let browser;
before(async () => { browser = await launch(); });
after(async () => { await close(browser); });

const run = (page, script) => page.evaluate(script);
const calls = (page, name) => page.evaluate((n) => __host.calls.filter((c) => c[0] === n), name);
const poll = (page) => page.clock.runFor(1000);
const round = (x) => Math.round(x * 1e4) / 1e4;
const liveLines = (page) => page.evaluate(() => __maps.polylines.filter((l) => l.map).map((l) => ({
  color: l.options.strokeColor, opacity: l.options.strokeOpacity, z: l.options.zIndex,
  path: l.options.path.map((p) => [p.lat(), p.lng()]),
})));
const stretches = (page) => page.evaluate(() => orbitgrplist.orbitlist.map((s) => [s.start, s.end]));
// What the program's 'update' message does to page 328.
const update = (page, fields) => page.evaluate((f) => {
  __host.listeners.forEach((listener) => listener({ data: Object.assign({ val_command: 'update' }, f) }));
}, fields);

test('a jump of more than 0.001385 degrees, longitude scaled by latitude, starts a new stretch', async () => {
  const page = await open(browser, '328', { grid: track([
    [35.0, 139.0, 0], [35.0013, 139.0, 1], [35.0027, 139.0, 2],
    [60.0, 10.0, 3], [60.0, 10.0025, 4], [60.0, 10.0055, 5]]) });
  await run(page, () => orbitgrplist.CreateGridLine(0));
  assert.deepEqual(await stretches(page), [[0, 1], [2, 2], [3, 4], [5, 5]]);
  await page.close();
});

test('the marker stands at the point before the position, bounded by the track', async () => {
  const page = await open(browser, '328', { grid: track([[35, 139, 10], [35.0001, 139, 20], [35.0002, 139, 30],
                                                        [35.0003, 139, 40]]) });
  await run(page, () => orbitgrplist.CreateGridLine(0));
  for (const [position, index] of [['30', 1], ['10', 0], ['5', 0], ['99', 3], ['-1', -1]]) {
    assert.equal(await page.evaluate((p) => { __host.position = p; return orbitgrplist.GetIndex(); }, position), index,
                 'position ' + position);
  }
  const before = await page.evaluate(() => [__maps.markers.length, __maps.polylines.length]);
  await run(page, () => orbitgrplist.MoveMarker());
  assert.deepEqual(await page.evaluate(() => [__maps.markers.length, __maps.polylines.length]), before,
                   'no position: marker and lines stay');
  await page.close();
});

test('the redraw: group track faint, the clip blue up to the position and red after it', async () => {
  const clip = [[35.0, 139.0, 0], [35.0005, 139.0, 10], [35.001, 139.0, 20],
                [35.01, 139.0, 30], [35.0105, 139.0, 40], [35.011, 139.0, 50], [35.0115, 139.0, 60]];
  const page = await open(browser, '328', { gps: track(clip), grid: track(clip), position: '50' });
  for (const script of ['cplist.ClearCrashPos()', 'orbitgrplist.RemoveLineList()', 'orbitgrplist.CreateLine()',
                        'orbitgrplist.CreateGridLine(3)']) {
    await page.evaluate(script);
  }
  const lines = (await liveLines(page)).map((l) => [l.color, round(l.opacity), l.z, l.path.map((p) => round(p[0]))]);
  assert.deepEqual(lines, [
    ['#FF0000', 0.5, 1, [35.0, 35.0005, 35.001]],
    ['#FF0000', 0.5, 1, [35.01, 35.0105, 35.011, 35.0115]],
    ['#0000FF', 1, 2, [35.0, 35.0005, 35.001]],
    ['#0000FF', 1, 2, [35.01, 35.0105]],
    ['#FF0000', 0.9, 2, [35.0105, 35.011, 35.0115]],
  ]);
  const marker = await page.evaluate(() => { const m = __maps.markers.filter((x) => x.map); return [m.length, m[0].options.position.lat()]; });
  assert.deepEqual([marker[0], round(marker[1])], [1, 35.0105]);
  assert.deepEqual((await calls(page, 'GetGridData')).map((c) => c[1]), [0], 'page 328 always asks for clip 0');
  await page.close();
});

test('paused or stopped, the poll moves nothing; the program still can', async () => {
  const page = await open(browser, '328', { grid: track([[35, 139, 0]]) });
  const moves = async () => (await calls(page, 'GetRelJpgNum')).length;
  for (const status of ['PAUSE', 'stop']) {
    await update(page, { map_lat: '35.000000', map_lng: '139.000000', map_status: status });
    const before = await moves();
    await poll(page);
    assert.equal(await moves(), before, status);
    await run(page, () => orbitgrplist.MoveMarker());
    assert.equal(await moves(), before + 1, status);
  }
  await update(page, { map_lat: '35.000000', map_lng: '139.000000', map_status: '' });
  const playing = await moves();
  await poll(page);
  assert.equal(await moves(), playing + 1, 'playing');
  await page.close();
});

test('page 328 takes its fields from the update it asks for at every poll; at latitude 1000 it only polls', async () => {
  const page = await open(browser, '328');
  const count = async (name) => (await calls(page, name)).length;
  const sends = await count('SetSend');
  await update(page, { map_lat: '35.500000', map_lng: '139.700000', map_status: 'pause', val_end: '' });
  await poll(page);
  await poll(page);
  assert.equal(await count('SetSend'), sends + 2);
  assert.deepEqual(await page.evaluate(() => ['map_lat', 'map_lng', 'map_status'].map((id) => field(id).value)),
                   ['35.500000', '139.700000', 'pause']);
  await update(page, { map_lat: '1000.000000', map_lng: '0.000000', map_status: '' });
  const tests = await count('ConnectTest');
  for (let i = 0; i < 3; ++i) await poll(page);
  assert.equal(await count('ConnectTest'), tests + 1);
  await page.close();
});

test('offline drops the map and its loader; back online the library loads again', async () => {
  const page = await open(browser, '103');
  const loader = () => page.evaluate((url) => document.querySelectorAll('script[src="' + url + '"]').length, mapUrl);
  assert.equal(await loader(), 1);
  await page.evaluate(() => { __host.online = false; });
  await poll(page);
  assert.deepEqual(await page.evaluate(() => [g_map, g_script, g_isInitConnect]), [null, null, false]);
  assert.equal(await loader(), 0);
  await page.evaluate(() => { __host.online = true; });
  await poll(page);
  await until(page, () => g_isInitConnect === true);
  assert.equal(await loader(), 1);
  assert.deepEqual(await page.evaluate(() => [__maps.loads, __maps.maps.length]), [2, 2]);
  assert.equal((await calls(page, 'OnInitHtml')).length, 2);
  await page.close();
});

const kindIcons = [183, 183, 183, 183, 183, 185, 182, 216, 221, 184, 180, 181];
const addEach = (page) => page.evaluate((count) => {
  for (let kind = 0; kind < count; ++kind) cplist.AddCrashPos(kind, 0.1, 0.2, 0.3, 1, 2, 100 + kind, 35.5, 139.7, 1, 42.5, 90);
  cplist.AddCrashPos(0, 0, 0, 0, 3, 4, 5, -33.9, 151.2, 1, 10, 20);
  return __maps.markers.filter((m) => m.map && m.options.shadow).map((m) => [m.options.icon.url, m.options.shadow.url]);
}, kindIcons.length);

test('event markers carry their kind\'s icon, and a click reports the point', async () => {
  const page = await open(browser, '328', { grid: track([[35.5, 139.7, 0]]) });
  const markers = await addEach(page);
  const dataUrl = (id) => 'data:image/png;base64,' + fs.readFileSync(path.join(icons, id + '.png')).toString('base64');
  assert.deepEqual(markers.slice(0, 12), kindIcons.map((id) => [dataUrl(id), dataUrl(186)]));

  const click = async (i) => {
    const before = (await calls(page, 'GetRelJpgNum')).length;
    await page.evaluate((n) => google.maps.event.trigger(cplist.markers[n].marker, 'click'), i);
    return (await calls(page, 'GetRelJpgNum')).length - before;
  };
  assert.equal(await click(8), 1, 'a point north and east redraws');
  assert.deepEqual((await calls(page, 'OnClickCrashPoint')).pop(), ['OnClickCrashPoint', 1, 2, 108, 1, 35.5, 139.7, 42.5, 90]);
  assert.equal(await click(12), 0, 'a point with a negative latitude does not');
  assert.deepEqual((await calls(page, 'OnClickCrashPoint')).pop(), ['OnClickCrashPoint', 3, 4, 5, 1, -33.9, 151.2, 10, 20]);
  await run(page, () => cplist.ClearCrashPos());
  assert.equal(await page.evaluate(() => __maps.markers.filter((m) => m.map && m.options.shadow).length), 0);
  await page.close();
});

test('page 103: window.external, the array conversion, icons beside the page', async () => {
  const page = await open(browser, '103', { grid: track([[35, 139, 0], [35.0001, 139, 10], [35.0002, 139, 20]]),
                                            position: '20' });
  await run(page, () => orbitgrplist.CreateGridLine(7));
  assert.deepEqual((await calls(page, 'GetGridData')).map((c) => c[1]), [7]);
  const markers = await addEach(page);
  assert.deepEqual(markers[0], ['http://127.0.0.1:9/app/PNG/183', 'http://127.0.0.1:9/app/PNG/186']);
  assert.deepEqual(markers[11], ['http://127.0.0.1:9/app/PNG/181', 'http://127.0.0.1:9/app/PNG/186']);
  await poll(page);
  assert.equal((await calls(page, 'SetSend')).length, 0);
  await page.close();
});
