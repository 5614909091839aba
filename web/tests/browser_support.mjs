// What the browser tests share: the page served by python3's http.server on a free port,
// Debian's Chromium driven by playwright-core with a fresh profile (it never downloads a
// browser), screenshots decoded to pixels, and waiting for the page's ticks.
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { inflateSync } from 'node:zlib';

import { chromium } from 'playwright-core';

const CHROMIUM = process.env.SINUET_CHROMIUM ?? '/usr/bin/chromium';
const CHROMIUM_ARGS = [
    '--headless',
    '--no-sandbox',
    '--disable-gpu',
    '--disable-quic',
    '--no-first-run',
    '--disable-background-networking',
    '--disable-component-update',
    '--disable-sync',
];
const LIMIT_MS = 60000; // generous: the machine may be loaded

// Serves folder on 127.0.0.1; resolves to { url, stop } once the server listens.
export function serve(folder) {
    const server = spawn('python3', ['-u', '-m', 'http.server', '--bind', '127.0.0.1', '0'], {
        cwd: folder,
        stdio: ['ignore', 'pipe', 'ignore'],
    });
    return new Promise((resolve, reject) => {
        let text = '';
        server.on('exit', (code) => reject(new Error(`http.server ended with ${code}`)));
        server.stdout.on('data', (chunk) => {
            text += chunk;
            const port = /port (\d+)/.exec(text);
            if (port) {
                resolve({ url: `http://127.0.0.1:${port[1]}/`, stop: () => server.kill() });
            }
        });
    });
}

// A browser with a fresh profile folder, removed again by close().
export async function launch(viewport) {
    const profile = mkdtempSync(join(tmpdir(), 'sinuet-chromium-'));
    const context = await chromium.launchPersistentContext(profile, {
        executablePath: CHROMIUM,
        headless: true,
        args: CHROMIUM_ARGS,
        viewport,
        deviceScaleFactor: 1,
    });
    context.setDefaultTimeout(LIMIT_MS);
    return {
        context,
        async close() {
            await context.close();
            rmSync(profile, { recursive: true, force: true });
        },
    };
}

// A page that collects console errors and uncaught exceptions in `problems`.
export async function openPage(browser, url) {
    const page = await browser.context.newPage();
    page.problems = [];
    page.on('console', (m) => m.type() === 'error' && page.problems.push(m.text()));
    page.on('pageerror', (e) => page.problems.push(String(e)));
    await page.goto(url);
    return page;
}

// The page's tick count, once it is at least `ticks` beyond `after`.
export async function waitForTicks(page, ticks, after = 0) {
    const reached = await page.waitForFunction(
        ([n, from]) => {
            const drawn = Number(document.getElementById('saver').dataset.ticks ?? 0);
            return drawn >= from + n ? drawn : false;
        },
        [ticks, after],
        { timeout: LIMIT_MS },
    );
    return reached.jsonValue();
}

// An 8-bit RGB or RGBA, non-interlaced PNG (as Chromium's screenshots are) as
// { width, height, rgba }.
export function decodePng(png) {
    let offset = 8;
    const idat = [];
    let width = 0;
    let height = 0;
    let channels = 0;
    while (offset < png.length) {
        const length = png.readUInt32BE(offset);
        const type = png.toString('latin1', offset + 4, offset + 8);
        const data = png.subarray(offset + 8, offset + 8 + length);
        if (type === 'IHDR') {
            width = data.readUInt32BE(0);
            height = data.readUInt32BE(4);
            if (data[8] !== 8 || (data[9] !== 2 && data[9] !== 6) || data[12] !== 0) {
                throw new Error('not an 8-bit RGB(A) non-interlaced PNG');
            }
            channels = data[9] === 6 ? 4 : 3;
        } else if (type === 'IDAT') {
            idat.push(data);
        }
        offset += 12 + length;
    }
    const raw = inflateSync(Buffer.concat(idat));
    const stride = width * channels;
    const rows = Buffer.alloc(stride * height);
    for (let y = 0; y < height; y++) {
        const filter = raw[y * (stride + 1)];
        for (let x = 0; x < stride; x++) {
            const left = x >= channels ? rows[y * stride + x - channels] : 0;
            const up = y > 0 ? rows[(y - 1) * stride + x] : 0;
            const upLeft = x >= channels && y > 0 ? rows[(y - 1) * stride + x - channels] : 0;
            const p = left + up - upLeft;
            const pa = Math.abs(p - left);
            const pb = Math.abs(p - up);
            const pc = Math.abs(p - upLeft);
            const paeth = pa <= pb && pa <= pc ? left : pb <= pc ? up : upLeft;
            const predictor = [0, left, up, (left + up) >> 1, paeth][filter];
            rows[y * stride + x] = (raw[y * (stride + 1) + 1 + x] + predictor) & 0xff;
        }
    }
    const rgba = Buffer.alloc(width * height * 4, 255);
    for (let k = 0; k < width * height; k++) {
        rows.copy(rgba, k * 4, k * channels, k * channels + 3);
    }
    return { width, height, rgba };
}

// [r, g, b] of pixel (x, y).
export function pixel(image, x, y) {
    const k = (y * image.width + x) * 4;
    return [image.rgba[k], image.rgba[k + 1], image.rgba[k + 2]];
}

export async function screenshot(page, path) {
    return decodePng(await page.screenshot({ path }));
}
