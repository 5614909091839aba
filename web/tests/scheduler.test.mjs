// The tick schedule fed made-up frame times: one tick per 40 ms at any frame rate, no
// burst after a stall.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { MAX_LAG_MS, TICK_MS, makeSchedule, restartSchedule, ticksDue } from '../js/scheduler.js';

// Feeds the frame times in order; the ticks drawn at each frame.
function run(schedule, times) {
    return times.map((t) => ticksDue(schedule, t));
}

function frames(start, end, period) {
    const times = [];
    for (let t = start; t < end; t += period) {
        times.push(t);
    }
    return times;
}

const sum = (values) => values.reduce((a, b) => a + b, 0);

test('steady frame rates give one tick per 40 ms, none twice in a frame faster than it', () => {
    for (const hz of [60, 144, 75, 24]) {
        const times = frames(1000, 11000, 1000 / hz);
        const ticks = run(makeSchedule(), times);
        // 10 s of frames: 250 ticks, less the first period and at most one frame's lag.
        const total = sum(ticks);
        assert.ok(total >= 248 && total <= 250, `${hz} Hz: ${total} ticks`);
        if (hz > 25) {
            assert.ok(Math.max(...ticks) <= 1, `${hz} Hz: a frame drew ${Math.max(...ticks)}`);
        }
    }
});

test('a 30 Hz stutter keeps the rate: late frames draw the ticks that fell due', () => {
    // Frames 33 ms apart, every fourth one 67 ms late (a dropped frame).
    const times = [];
    for (let t = 0, n = 0; t < 10000; n++) {
        times.push(t);
        t += n % 4 === 3 ? 67 : 33;
    }
    const ticks = run(makeSchedule(), times);
    const elapsed = times[times.length - 1] - times[0];
    assert.ok(Math.abs(sum(ticks) - elapsed / TICK_MS) <= 2, `${sum(ticks)} ticks in ${elapsed} ms`);
    assert.ok(Math.max(...ticks) <= 2);
});

test('a 10-second hidden tab restarts the schedule instead of drawing a burst', () => {
    const schedule = makeSchedule();
    const before = run(schedule, frames(0, 2000, 1000 / 60));
    const hidden = 2000 + 10000; // no frames while the tab is hidden
    const [first, ...after] = run(schedule, frames(hidden, hidden + 2000, 1000 / 60));
    assert.equal(first, 1);
    // Afterwards the schedule runs from the first frame back: 25 ticks a second again.
    const total = sum(after);
    assert.ok(total >= 48 && total <= 50, `${total} ticks in the 2 s after`);
    assert.ok(sum(before) >= 48 && sum(before) <= 50);
});

test('a stall just within the lag limit catches up; beyond it, a restart; and on demand', () => {
    const schedule = makeSchedule();
    run(schedule, [0, 40]); // next deadline at 80
    assert.equal(ticksDue(schedule, 80 + MAX_LAG_MS), 6); // 80, 120, ..., 280
    assert.equal(ticksDue(schedule, 320), 1);
    assert.equal(ticksDue(schedule, 360 + MAX_LAG_MS + 1), 1); // restart: next due 40 ms on
    assert.equal(ticksDue(schedule, 360 + MAX_LAG_MS + 40), 0);
    assert.equal(ticksDue(schedule, 360 + MAX_LAG_MS + 41), 1);
    restartSchedule(schedule);
    assert.equal(ticksDue(schedule, 5000), 0);
    assert.equal(ticksDue(schedule, 5039), 0);
    assert.equal(ticksDue(schedule, 5040), 1);
});
