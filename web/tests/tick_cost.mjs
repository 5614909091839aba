// A benchmark, not a test: where a tick's time goes in the browser at 1920x1080, 50
// figures, loops 10, tilted. Per tick, averaged over 250 ticks after 50: the core in
// WebAssembly, the script's paths, and Chromium rasterising them (forced by reading one
// pixel back). With FLAT_ENDS=1 the lines get flat ends instead of round ones.
//   SINUET_WEB_DIR=build/web node web/tests/tick_cost.mjs
import { launch, openPage, serve } from './browser_support.mjs';

async function measure(flatEnds) {
    const { loadCore } = await import('./js/core.js');
    const { makePainter, paintDrawList, resizeCanvas } = await import('./js/painter.js');
    const canvas = document.createElement('canvas');
    const core = await loadCore();
    const painter = makePainter(canvas, core.frogImage());
    resizeCanvas(painter, 1920, 1080);
    painter.context.lineCap = flatEnds ? 'butt' : 'round';
    core.setSettings({ count: 50, loops: 10, view3d: 1, frog: 1, fade: 1, color: 0xff0080 });
    core.fixSeed(7);
    core.restart(1920, 1080);
    const total = { core: 0, paths: 0, raster: 0, lines: 0 };
    for (let n = 0; n < 300; n++) {
        const t0 = performance.now();
        const list = core.tick();
        const t1 = performance.now();
        paintDrawList(painter, list);
        const t2 = performance.now();
        painter.context.getImageData(0, 0, 1, 1);
        const t3 = performance.now();
        if (n >= 50) {
            total.core += t1 - t0;
            total.paths += t2 - t1;
            total.raster += t3 - t2;
            for (let k = 0; k < list.length; k += list[k] === 1 ? 3 + 4 * list[k + 2] : 3) {
                total.lines += list[k] === 1 ? list[k + 2] : 0;
            }
        }
    }
    return Object.fromEntries(Object.entries(total).map(([k, v]) => [k, v / 250]));
}

const server = await serve(process.env.SINUET_WEB_DIR);
const browser = await launch({ width: 1920, height: 1080 });
const page = await openPage(browser, `${server.url}?panel=0`);
const cost = await page.evaluate(measure, process.env.FLAT_ENDS === '1');
console.log(`per tick: core ${cost.core.toFixed(2)} ms, paths ${cost.paths.toFixed(2)} ms, ` +
    `raster ${cost.raster.toFixed(2)} ms, ${Math.round(cost.lines)} lines`);
await browser.close();
server.stop();
