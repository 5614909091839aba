// The tick schedule: one animation tick per 40 ms of wall time, fed the times at which the
// page wakes (its timer, or a display's animation frames). Deadlines do not drift: a late
// wake-up runs the ticks that fell due since the last one. After a long stall (a hidden
// tab, a stopped machine) the schedule starts again from now instead of drawing the missed
// ticks in a burst, as the Linux hack does; the animation clock then simply goes on from
// where it was.

export const TICK_MS = 40;
// A wake-up later than this after its deadline restarts the schedule.
export const MAX_LAG_MS = 5 * TICK_MS;

export function makeSchedule() {
    return { deadline: null };
}

// The next wake-up starts the schedule afresh: its first tick is due one period later.
export function restartSchedule(schedule) {
    schedule.deadline = null;
}

// The number of ticks to draw at a wake-up at time now (milliseconds).
export function ticksDue(schedule, now) {
    if (schedule.deadline === null) {
        schedule.deadline = now + TICK_MS;
        return 0;
    }
    if (now < schedule.deadline) {
        return 0;
    }
    if (now - schedule.deadline > MAX_LAG_MS) {
        schedule.deadline = now + TICK_MS;
        return 1;
    }
    let due = 0;
    while (now >= schedule.deadline) {
        due += 1;
        schedule.deadline += TICK_MS;
    }
    return due;
}
