// The page's canvas against the Linux hack's window, pixel for pixel: for each case the
// page draws `ticks=N` ticks in Chromium and the hack (`--ticks N`, same seed and settings)
// on the root of an Xvfb screen of the canvas's size. SINUET_WEB_DIR is the built page,
// SINUET_HACK the native hack; skipped without Xvfb.
import assert from 'node:assert/strict';
import { spawn, spawnSync } from 'node:child_process';
import { existsSync } from 'node:fs';
import { after, before, test } from 'node:test';

import { decodePng, launch, openPage, serve, waitForTicks } from './browser_support.mjs';

const SITE = process.env.SINUET_WEB_DIR;
const HACK = process.env.SINUET_HACK;
const LIMIT_MS = 60000;
const HAVE_XVFB = spawnSync('sh', ['-c', 'command -v Xvfb && command -v import']).status === 0;

// Flat and tilted, fade on and off, two sizes; the frog at the start, lines over it later.
const CASES = [
    { width: 640, height: 480, count: 50, loops: 10, view3d: 1, fade: 1, seed: 7, ticks: 250 },
    { width: 640, height: 480, count: 20, loops: 3, view3d: 0, fade: 0, seed: 2, ticks: 300 },
    { width: 1003, height: 617, count: 50, loops: 7, view3d: 0, fade: 1, seed: 5, ticks: 250 },
    { width: 1003, height: 617, count: 30, loops: 10, view3d: 1, fade: 0, seed: 9, ticks: 250 },
];

let server;

before(async () => {
    if (HAVE_XVFB) {
        assert.ok(SITE && HACK && existsSync(HACK), 'set SINUET_WEB_DIR and SINUET_HACK (built)');
        server = await serve(SITE);
    }
});

after(() => server?.stop());

// An Xvfb screen of the given size; resolves to { display, stop }.
function startXvfb(width, height) {
    const xvfb = spawn('Xvfb', ['-displayfd', '1', '-screen', '0', `${width}x${height}x24`,
        '-nolisten', 'tcp'], { stdio: ['ignore', 'pipe', 'ignore'] });
    return new Promise((resolve, reject) => {
        xvfb.on('exit', (code) => reject(new Error(`Xvfb ended with ${code}`)));
        xvfb.stdout.once('data', (number) => resolve({
            display: `:${String(number).trim()}`,
            stop: () => xvfb.kill(),
        }));
    });
}

// The root window's pixels as RGB bytes.
function rootPixels(display) {
    const grab = spawnSync('import', ['-display', display, '-window', 'root', '-depth', '8', 'rgb:-'],
        { maxBuffer: 1 << 26 });
    return grab.stdout;
}

function differingPixels(rgb, image) {
    let differing = 0;
    for (let k = 0; k < image.width * image.height; k++) {
        const a = 3 * k, b = 4 * k;
        if (rgb[a] !== image.rgba[b] || rgb[a + 1] !== image.rgba[b + 1] || rgb[a + 2] !== image.rgba[b + 2]) {
            ++differing;
        }
    }
    return differing;
}

test('the page draws the pixels of the Linux hack', { skip: !HAVE_XVFB && 'no Xvfb or ImageMagick' }, async () => {
    for (const c of CASES) {
        const name = `${c.width}x${c.height} ${c.view3d ? 'tilted' : 'flat'} fade ${c.fade}`;
        const xvfb = await startXvfb(c.width, c.height);
        const hack = spawn(HACK, ['--root', '--count', `${c.count}`, '--loops', `${c.loops}`,
            c.view3d ? '--3d' : '--no-3d', c.fade ? '--fade' : '--no-fade', '--frog',
            '--color', '#ff8000', '--seed', `${c.seed}`, '--ticks', `${c.ticks}`],
            { env: { ...process.env, DISPLAY: xvfb.display }, stdio: 'ignore' });
        const browser = await launch({ width: c.width, height: c.height });
        try {
            const page = await openPage(browser, `${server.url}?count=${c.count}&loops=${c.loops}` +
                `&view3d=${c.view3d}&fade=${c.fade}&frog=1&color=%23ff8000&panel=0` +
                `&seed=${c.seed}&ticks=${c.ticks}`);
            assert.equal(await waitForTicks(page, c.ticks), c.ticks, name);
            const png = await page.evaluate(() => document.getElementById('saver').toDataURL());
            const image = decodePng(Buffer.from(png.split(',')[1], 'base64'));
            assert.deepEqual([image.width, image.height], [c.width, c.height], name);
            // The hack's picture is complete once it equals the page's, or never.
            let differing = -1;
            for (const start = Date.now(); differing !== 0 && Date.now() - start < LIMIT_MS;) {
                differing = differingPixels(rootPixels(xvfb.display), image);
            }
            assert.equal(differing, 0, `${name}: pixels differing from the hack's`);
            assert.deepEqual(page.problems, [], name);
        } finally {
            await browser.close();
            hack.kill();
            xvfb.stop();
        }
    }
});
