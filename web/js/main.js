// The page: the WebAssembly core draws Sinuet on a canvas that fills the window in device
// pixels, one tick every 40 ms; the panel changes the settings, which the page keeps in its
// URL query and in localStorage.
import { loadCore } from './core.js';
import { bindPanel, showPanel, showSettings } from './panel.js';
import { copyChanges, makePainter, resizeCanvas } from './painter.js';
import { bindSaverMode } from './saver_mode.js';
import { makeSchedule, restartSchedule, ticksDue } from './scheduler.js';
import {
    DEFAULTS,
    applyParams,
    seedOf,
    settingsParams,
    tickLimitOf,
    storeSettings,
    storedParams,
} from './settings.js';

const canvas = document.getElementById('saver');
const core = await loadCore();
const painter = makePainter(canvas);
const schedule = makeSchedule();
const query = new URLSearchParams(location.search);
let settings = applyParams(core, applyParams(core, DEFAULTS, storedParams()), query);
let ticks = 0;
const tickLimit = tickLimitOf(query); // ticks=N: N ticks, then the picture stays
let size = null; // the canvas in device pixels, once known

// The query shows the settings in force, corrected; the other parameters stay.
function showInAddress(params) {
    history.replaceState(null, '', `?${params.toString()}`);
}

// A fresh set-up on a cleared canvas: the figures start again at the next tick.
function restart() {
    if (size !== null) {
        core.restart(size.width, size.height);
        resizeCanvas(painter, core, size.width, size.height);
    }
}

function applySettings(next) {
    settings = next;
    core.setSettings(settings);
    restart();
}

// Draws the ticks due and puts their changes on the canvas, then waits for the next
// deadline with a timer: the canvas changes 25 times a second, and the browser makes a
// frame only then, not at the display's rate (see docs/web.md). A hidden page waits for
// no timer; showing it again starts the schedule afresh.
let timer = null;
function step() {
    timer = null;
    if (size !== null) {
        for (let due = ticksDue(schedule, performance.now()); due > 0 && ticks !== tickLimit; --due) {
            core.drawTick();
            ticks += 1;
        }
        copyChanges(painter, core);
        if (canvas.dataset.ticks !== String(ticks)) {
            canvas.dataset.ticks = String(ticks);
        }
    }
    waitForTick();
}

function waitForTick() {
    // Nothing to draw on before the size is known; after ticks=N the picture stays.
    if (timer !== null || size === null || ticks === tickLimit || document.hidden) {
        return;
    }
    const wait = schedule.deadline === null ? 0 : schedule.deadline - performance.now();
    timer = setTimeout(step, Math.max(0, wait));
}

// The canvas's size in device pixels, exactly where the browser reports it.
function deviceSize(entry) {
    const box = entry.devicePixelContentBoxSize?.[0];
    if (box) {
        return { width: box.inlineSize, height: box.blockSize };
    }
    const ratio = window.devicePixelRatio || 1;
    return {
        width: Math.round(entry.contentRect.width * ratio),
        height: Math.round(entry.contentRect.height * ratio),
    };
}

const sizes = new ResizeObserver((entries) => {
    const next = deviceSize(entries[entries.length - 1]);
    if (size === null || next.width !== size.width || next.height !== size.height) {
        size = next;
        restart();
        waitForTick();
    }
});
try {
    // Also told when only the pixel ratio changes (zoom, another screen).
    sizes.observe(canvas, { box: 'device-pixel-content-box' });
} catch {
    sizes.observe(canvas);
}

document.addEventListener('visibilitychange', () => {
    restartSchedule(schedule);
    waitForTick();
});

const seed = seedOf(query);
if (seed !== null) {
    core.fixSeed(seed);
}
core.setSettings(settings);
showSettings(settings);
showInAddress(settingsParams(settings, query));
bindPanel(core, () => settings, (next) => {
    applySettings(next);
    storeSettings(settings);
    showInAddress(settingsParams(settings, new URLSearchParams(location.search)));
});
// Hiding the panel puts panel=0 into the query, so that a link keeps it hidden.
function setPanelShown(shown) {
    showPanel(shown);
    const params = new URLSearchParams(location.search);
    if (shown) {
        params.delete('panel');
    } else {
        params.set('panel', '0');
    }
    showInAddress(params);
}
document.getElementById('hide-panel').addEventListener('click', () => setPanelShown(false));
document.getElementById('show-panel').addEventListener('click', () => setPanelShown(true));
showPanel(query.get('panel') !== '0');
bindSaverMode(document.getElementById('fullscreen'));
waitForTick();
