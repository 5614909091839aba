// Screen-saver mode: the page full screen without panel and cursor, ended as the saver
// ends, by the first key press, click or touch, or a pointer moved by more than a few
// pixels.

// Travel (x plus y distance from where the pointer was first seen) that ends the mode.
const TRAVEL_THRESHOLD = 4;

export function bindSaverMode(button) {
    let start = null;
    const leave = () => {
        if (document.fullscreenElement) {
            document.exitFullscreen().catch(() => {});
        }
    };
    button.addEventListener('click', () => {
        document.documentElement.requestFullscreen().catch(() => {});
    });
    document.addEventListener('fullscreenchange', () => {
        start = null;
        document.body.classList.toggle('saver', document.fullscreenElement !== null);
    });
    const inSaverMode = () => document.body.classList.contains('saver');
    document.addEventListener('keydown', () => inSaverMode() && leave());
    document.addEventListener('pointerdown', () => inSaverMode() && leave());
    document.addEventListener('pointermove', (e) => {
        if (!inSaverMode()) {
            return;
        }
        if (start === null) {
            start = { x: e.screenX, y: e.screenY };
        } else if (Math.abs(e.screenX - start.x) + Math.abs(e.screenY - start.y) > TRAVEL_THRESHOLD) {
            leave();
        }
    });
}
