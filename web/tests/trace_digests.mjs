// The drawing calls of a run as per-tick SHA-256 digests: from sinuet-trace's output, and
// from the page's WebAssembly core in the browser. Only the calls are compared (pens,
// selects, deletes, moves, lines and the frog's blit), in sinuet-trace's words, never the
// doubles that the set-up lines print.
import { spawn } from 'node:child_process';
import { createHash } from 'node:crypto';

const CALL_WORDS = new Set(['pen', 'select', 'delete', 'move', 'line', 'blit']);

function traceArgs(c) {
    return [
        ['--size', `${c.width}x${c.height}`],
        ['--count', c.count],
        ['--loops', c.loops],
        ['--frog', c.frog],
        ['--fade', c.fade],
        ['--view3d', c.view3d],
        ['--color', c.color],
        ['--seed', c.seed],
        ['--ticks', c.ticks],
    ].flatMap(([name, value]) => [name, String(value)]);
}

// Reads sinuet-trace's output for case c and hands each tick's call lines, from tick
// c.from (default 1) on, to onTick(n, lines).
function readTrace(trace, c, onTick) {
    const from = c.from ?? 1;
    const child = spawn(trace, traceArgs(c), { stdio: ['ignore', 'pipe', 'inherit'] });
    let rest = '';
    let tick = 0;
    let lines = [];
    const finishTick = () => tick >= from && onTick(tick, lines);
    child.stdout.setEncoding('latin1');
    child.stdout.on('data', (chunk) => {
        const parts = (rest + chunk).split('\n');
        rest = parts.pop();
        for (const line of parts) {
            const word = line.slice(0, line.indexOf(' '));
            if (word === 'tick') {
                finishTick();
                tick = Number(line.split(' ')[1]);
                lines = [];
            } else if (tick >= from && CALL_WORDS.has(word)) {
                lines.push(line);
            }
        }
    });
    return new Promise((resolve, reject) => {
        child.on('error', reject);
        child.on('close', (code) => {
            finishTick();
            code === 0 ? resolve() : reject(new Error(`sinuet-trace exited with ${code}`));
        });
    });
}

const digestOf = (lines) => createHash('sha256').update(lines.map((l) => `${l}\n`).join('')).digest('hex');

// The digests of ticks c.from .. c.ticks, in order.
export async function nativeDigests(trace, c) {
    const digests = [];
    await readTrace(trace, c, (n, lines) => digests.push(digestOf(lines)));
    return digests;
}

// The call lines of one tick, to show where the two differ.
export async function nativeTickLines(trace, c, tick) {
    let found = [];
    await readTrace(trace, { ...c, from: tick, ticks: tick }, (n, lines) => {
        found = lines;
    });
    return found;
}

// Runs in the page: a core of its own from the page's module, set up as sinuet-trace is,
// the calls of ticks c.from .. c.ticks as digests, or as lines for the tick `show`.
export async function pageDigests({ c, show }) {
    const core = await import('./js/core.js');
    const sinuet = await core.loadCore();
    const { count, loops, frog, fade, view3d, color } = c;
    sinuet.setSettings({ count, loops, frog, fade, view3d, color });
    sinuet.fixSeed(c.seed);
    sinuet.restart(c.width, c.height);
    sinuet.recordCalls(true);
    const hex = (n) => n.toString(16).padStart(2, '0');
    const digests = [];
    for (let n = 1; n <= c.ticks; n++) {
        sinuet.drawTick();
        const text = sinuet.takeRecordedCalls();
        if (n === show) {
            return text.split('\n').slice(0, -1);
        }
        if (n >= (c.from ?? 1)) {
            const digest = new Uint8Array(await crypto.subtle.digest('SHA-256', new TextEncoder().encode(text)));
            digests.push(Array.from(digest, hex).join(''));
        }
    }
    return digests;
}
