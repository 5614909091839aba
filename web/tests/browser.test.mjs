// The page in Debian's Chromium: the WebAssembly core's drawing calls against the native
// sinuet-trace's, the picture on the screen, the settings panel and query, screen-saver
// mode. SINUET_WEB_DIR is the built page, SINUET_TRACE the native sinuet-trace;
// SINUET_WEB_SCREENSHOT, if set, receives a screenshot of the page (the README's).
import assert from 'node:assert/strict';
import { existsSync, mkdirSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, test } from 'node:test';

import { launch, openPage, pixel, screenshot, serve, waitForTicks } from './browser_support.mjs';
import { nativeDigests, nativeTickLines, pageDigests } from './trace_digests.mjs';

const SITE = process.env.SINUET_WEB_DIR;
const TRACE = process.env.SINUET_TRACE;
const OUT = process.env.SINUET_WEB_TEST_OUT ?? join(SITE ?? '.', '..', 'web-test');
const VIEW = { width: 800, height: 600 };
const FROG = { width: 188, height: 149 };
const BAND = [128, 0, 255]; // the default colour, figure 0's band with fade

let server;
let browser;

before(async () => {
    assert.ok(SITE && TRACE, 'set SINUET_WEB_DIR and SINUET_TRACE');
    assert.ok(existsSync(TRACE), `${TRACE} is missing: build the native preset's sinuet-trace`);
    mkdirSync(OUT, { recursive: true });
    server = await serve(SITE);
    browser = await launch(VIEW);
});

after(async () => {
    await browser?.close();
    server?.stop();
});

// Sizes wide, tall, small and large, tilted and flat; the last case spans the clock's
// wrap after tick 90000 and the frog's second appearance at tick 90002.
const CASES = [
    { width: 1920, height: 1080, count: 50, loops: 10, view3d: 1, frog: 1, fade: 1, color: 0xff0080, seed: 7, ticks: 200 },
    { width: 1280, height: 720, count: 10, loops: 2, view3d: 0, frog: 1, fade: 1, color: 0xff0080, seed: 1, ticks: 300 },
    { width: 547, height: 1191, count: 50, loops: 7, view3d: 1, frog: 0, fade: 0, color: 0x00ff00, seed: 5, ticks: 300 },
    { width: 3840, height: 2160, count: 50, loops: 10, view3d: 0, frog: 1, fade: 1, color: 0x123456, seed: 10, ticks: 200 },
    { width: 10000, height: 400, count: 50, loops: 7, view3d: 1, frog: 1, fade: 1, color: 0xff0080, seed: 9, ticks: 100 },
    { width: 152, height: 112, count: 10, loops: 2, view3d: 1, frog: 0, fade: 1, color: 0xff0080, seed: 3, ticks: 300 },
    { width: 320, height: 240, count: 1, loops: 10, view3d: 0, frog: 1, fade: 1, color: 0xff0080, seed: 11, ticks: 90010, from: 89990 },
];

test('the WebAssembly core makes exactly the drawing calls of the native sinuet-trace', async () => {
    const page = await openPage(browser, server.url);
    for (const c of CASES) {
        const name = `${c.width}x${c.height} ${c.view3d ? 'tilted' : 'flat'} seed ${c.seed}`;
        const [native, web] = await Promise.all([
            nativeDigests(TRACE, c),
            page.evaluate(pageDigests, { c, show: 0 }),
        ]);
        assert.equal(web.length, native.length, name);
        const differs = native.findIndex((digest, k) => digest !== web[k]);
        if (differs >= 0) {
            const tick = (c.from ?? 1) + differs;
            const want = await nativeTickLines(TRACE, c, tick);
            const got = await page.evaluate(pageDigests, { c, show: tick });
            const line = want.findIndex((l, k) => l !== got[k]);
            assert.fail(`${name}: tick ${tick}, call ${line}: sinuet-trace "${want[line]}", ` +
                `WebAssembly "${got[line]}"`);
        }
    }
    assert.deepEqual(page.problems, []);
    await page.close();
});

// The frog's pixels on the screenshot against the core's decoding of the bitmap: how many
// differ, and how many of its pixels that are not black are there.
async function frogOnScreen(page, image, x0, y0) {
    const frog = await page.evaluate(async () => {
        const { loadCore } = await import('./js/core.js');
        return Array.from((await loadCore()).frogImage().data);
    });
    const found = { differ: 0, coloured: 0, colouredShown: 0 };
    for (let y = 0; y < FROG.height; y++) {
        for (let x = 0; x < FROG.width; x++) {
            const k = (y * FROG.width + x) * 4;
            const [r, g, b] = pixel(image, x0 + x, y0 + y);
            const same = r === frog[k] && g === frog[k + 1] && b === frog[k + 2];
            const coloured = frog[k] + frog[k + 1] + frog[k + 2] > 0;
            found.differ += same ? 0 : 1;
            found.coloured += coloured ? 1 : 0;
            found.colouredShown += coloured && same ? 1 : 0;
        }
    }
    return found;
}

// The pixels between the radii rMin and rMax from the screenshot's centre, outside the
// rectangle `skip`: how many have exactly the colour, and how many are neither of its hue
// over black (an edge's blend) nor black.
function ring(image, rMin, rMax, colour, skip = { x: 0, y: 0, width: 0, height: 0 }) {
    const found = { exact: 0, other: 0 };
    const strongest = colour.indexOf(Math.max(...colour));
    for (let y = 0; y < image.height; y++) {
        for (let x = 0; x < image.width; x++) {
            const r = Math.hypot(x - image.width / 2, y - image.height / 2);
            const skipped =
                x >= skip.x && x < skip.x + skip.width && y >= skip.y && y < skip.y + skip.height;
            if (r <= rMin || r >= rMax || skipped) {
                continue;
            }
            const p = pixel(image, x, y);
            const share = p[strongest] / colour[strongest];
            found.exact += p.every((v, k) => v === colour[k]) ? 1 : 0;
            found.other += p.every((v, k) => Math.abs(v - share * colour[k]) <= 2) ? 0 : 1;
        }
    }
    return found;
}

// The frog's corner for a canvas of w x h device pixels.
const frogCorner = (w, h, view3d) => [
    Math.trunc(w / 2) - FROG.width / 2,
    Math.trunc(h / 2) - Math.trunc(FROG.height / 2) - (view3d ? Math.trunc(h / 4) : 0),
];

test('the frog at the centre with the bands around it, lifted in 3D, again after a resize', async () => {
    const page = await openPage(browser, `${server.url}?seed=5&panel=0`);
    await waitForTicks(page, 30);
    const flat = await screenshot(page, join(OUT, 'flat.png'));
    const [x0, y0] = frogCorner(VIEW.width, VIEW.height, 0);
    assert.equal((await frogOnScreen(page, flat, x0, y0)).differ, 0);
    // Figure 0's band (radii 121 to 160 at this size) holds its exact colour, and nothing
    // there is of another hue than the band's over black.
    const band = ring(flat, 125, 156, BAND);
    assert.ok(band.exact > 1000 && band.other === 0, JSON.stringify(band));

    await page.goto(`${server.url}?seed=5&panel=0&view3d=1`);
    await waitForTicks(page, 30);
    const tilted = await screenshot(page, join(OUT, 'tilted.png'));
    const [tx, ty] = frogCorner(VIEW.width, VIEW.height, 1);
    assert.equal((await frogOnScreen(page, tilted, tx, ty)).differ, 0);

    // A new size: a fresh set-up (the frog again, at the new centre) on a cleared canvas
    // (the old frog, which the new one does not overlap, gone).
    await page.setViewportSize({ width: 1200, height: 600 });
    await page.waitForFunction(() => document.getElementById('saver').width === 1200);
    await waitForTicks(page, 10, await waitForTicks(page, 0));
    const resized = await screenshot(page, join(OUT, 'resized.png'));
    const [rx, ry] = frogCorner(1200, 600, 1);
    assert.equal((await frogOnScreen(page, resized, rx, ry)).differ, 0);
    const old = await frogOnScreen(page, resized, tx, ty);
    assert.ok(old.colouredShown < old.coloured * 0.05, `${old.colouredShown} of ${old.coloured}`);
    await page.setViewportSize(VIEW);
    assert.deepEqual(page.problems, []);
    await page.close();
});

// Pixels of exactly this colour.
function countColour(image, [r, g, b]) {
    let n = 0;
    for (let k = 0; k < image.rgba.length; k += 4) {
        n += image.rgba[k] === r && image.rgba[k + 1] === g && image.rgba[k + 2] === b ? 1 : 0;
    }
    return n;
}

test('the panel changes the picture at once and keeps it in the query and localStorage', async () => {
    const page = await openPage(browser, `${server.url}?seed=2`);
    await waitForTicks(page, 30);
    const panel = await page.locator('#panel').boundingBox();
    const before = await screenshot(page);
    assert.equal(ring(before, 200, 240, BAND, panel).exact, 0); // figures 2 and 3, darker
    await page.fill('#count', '3');
    await page.press('#count', 'Tab');
    await waitForTicks(page, 30, await waitForTicks(page, 0));
    const fewer = await screenshot(page, join(OUT, 'count-3.png'));
    let differ = 0;
    for (let k = 0; k < fewer.rgba.length; k++) {
        differ += fewer.rgba[k] !== before.rgba[k] ? 1 : 0;
    }
    assert.ok(differ > 10000, `${differ} bytes differ`);
    // Three bands: figure 0, in the full colour, now reaches from 121 out to 254 pixels.
    const wide = ring(fewer, 200, 240, BAND, panel);
    assert.ok(wide.exact > 500 && wide.other === 0, JSON.stringify(wide));

    await page.fill('#color', '#00ff00');
    await waitForTicks(page, 30, await waitForTicks(page, 0));
    const green = await screenshot(page, join(OUT, 'green.png'));
    assert.ok(countColour(green, [0, 255, 0]) > 1000);
    assert.equal(countColour(green, BAND), 0);

    const query = new URL(page.url()).searchParams;
    assert.equal(query.get('count'), '3');
    assert.equal(query.get('color'), '#00ff00');
    assert.equal(query.get('seed'), '2');
    const stored = await page.evaluate(() => localStorage.getItem('sinuet.settings'));
    assert.match(stored, /count=3&.*color=%2300ff00/);
    // A typed number out of range is corrected when the field is left.
    await page.fill('#loops', '75');
    await page.press('#loops', 'Tab');
    assert.equal(await page.inputValue('#loops'), '10');
    assert.equal(new URL(page.url()).searchParams.get('loops'), '10');
    assert.deepEqual(page.problems, []);
    await page.close();
});

test('a malformed query loads corrected; panel=0 and full screen hide the panel', async () => {
    // Nothing stored: the colour that is ignored stays the default.
    const page = await openPage(browser, server.url);
    await page.evaluate(() => localStorage.clear());
    await page.goto(`${server.url}?count=999&loops=-3&color=zzz&panel=0`);
    await waitForTicks(page, 10);
    assert.equal(await page.inputValue('#count'), '50');
    assert.equal(await page.inputValue('#loops'), '1');
    assert.equal(await page.inputValue('#color'), '#8000ff');
    const query = new URL(page.url()).searchParams;
    assert.deepEqual([query.get('count'), query.get('loops'), query.get('color')], ['50', '1', '#8000ff']);
    assert.ok(await page.isHidden('#panel'));
    await page.click('#show-panel');
    assert.ok(await page.isVisible('#panel'));
    assert.equal(new URL(page.url()).searchParams.get('panel'), null);

    // Full screen: no panel, no cursor; a pointer moved by more than 4 pixels ends it.
    await page.mouse.move(400, 400);
    await page.click('#fullscreen');
    await page.waitForFunction(() => document.body.classList.contains('saver'));
    assert.ok(await page.isHidden('#panel'));
    assert.equal(await page.evaluate(() => getComputedStyle(document.body).cursor), 'none');
    await page.mouse.move(402, 401);
    await page.mouse.move(403, 402);
    assert.ok(await page.evaluate(() => document.fullscreenElement !== null));
    await page.mouse.move(410, 402);
    await page.waitForFunction(() => document.fullscreenElement === null);
    await page.waitForFunction(() => !document.body.classList.contains('saver'));
    assert.ok(await page.isVisible('#panel'));
    assert.deepEqual(page.problems, []);
    await page.close();
});

// The README's picture, on request: the page with its panel, default settings, after 5 s.
const PICTURE = process.env.SINUET_WEB_SCREENSHOT;
test('a picture of the page for the README', { skip: !PICTURE }, async () => {
    const page = await openPage(browser, `${server.url}?seed=4`);
    await page.setViewportSize({ width: 1024, height: 640 });
    await page.waitForFunction(() => document.getElementById('saver').width === 1024);
    await waitForTicks(page, 125, await waitForTicks(page, 0));
    const image = await screenshot(page, PICTURE);
    assert.equal((await frogOnScreen(page, image, ...frogCorner(1024, 640, 0))).differ, 0);
    await page.close();
});
