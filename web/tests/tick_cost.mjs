// A benchmark, not a test: where a tick's time goes in the browser at 1920x1080, 50
// figures, loops 10, tilted. Per tick, averaged over 250 ticks after 50: the core in
// WebAssembly with its drawing into the picture, the script's copies of the changed
// rectangles to the canvas, and Chromium finishing them (forced by reading one pixel back).
//   SINUET_WEB_DIR=build/web node web/tests/tick_cost.mjs
import { launch, openPage, serve } from './browser_support.mjs';

async function measure() {
    const { loadCore } = await import('./js/core.js');
    const { makePainter, resizeCanvas } = await import('./js/painter.js');
    const canvas = document.createElement('canvas');
    const core = await loadCore();
    const painter = makePainter(canvas);
    core.setSettings({ count: 50, loops: 10, view3d: 1, frog: 1, fade: 1, color: 0xff0080 });
    core.fixSeed(7);
    core.restart(1920, 1080);
    resizeCanvas(painter, core, 1920, 1080);
    const total = { core: 0, copies: 0, flush: 0, rects: 0, pixels: 0 };
    for (let n = 0; n < 300; n++) {
        const t0 = performance.now();
        core.drawTick();
        const t1 = performance.now();
        let rects = 0;
        let pixels = 0;
        core.takeChanges((image, x, y) => {
            painter.context.putImageData(image, x, y);
            rects += 1;
            pixels += image.width * image.height;
        });
        const t2 = performance.now();
        painter.context.getImageData(0, 0, 1, 1);
        const t3 = performance.now();
        if (n >= 50) {
            total.core += t1 - t0;
            total.copies += t2 - t1;
            total.flush += t3 - t2;
            total.rects += rects;
            total.pixels += pixels;
        }
    }
    return Object.fromEntries(Object.entries(total).map(([k, v]) => [k, v / 250]));
}

const server = await serve(process.env.SINUET_WEB_DIR);
const browser = await launch({ width: 1920, height: 1080 });
const page = await openPage(browser, `${server.url}?panel=0`);
const cost = await page.evaluate(measure);
console.log(`per tick: core and lines ${cost.core.toFixed(2)} ms, copies ${cost.copies.toFixed(2)} ms, ` +
    `flush ${cost.flush.toFixed(2)} ms, ${Math.round(cost.rects)} rectangles, ` +
    `${Math.round(cost.pixels)} pixels`);
await browser.close();
server.stop();
