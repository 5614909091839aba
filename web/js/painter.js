// Puts the core's picture on the canvas: whole after a restart, then at each wake-up only
// the rectangles the ticks changed, each as its own small ImageData (in Chromium far
// cheaper than dirty rectangles of one canvas-sized ImageData). A desynchronized canvas
// saves Chromium about a quarter of the page's CPU when it is fed from a timer (see
// docs/web.md).
export function makePainter(canvas) {
    return { canvas, context: canvas.getContext('2d', { alpha: false, desynchronized: true }) };
}

// A new size in device pixels: the canvas gets the core's fresh, black picture whole.
export function resizeCanvas(painter, core, width, height) {
    const { canvas } = painter;
    canvas.width = width;
    canvas.height = height;
    if (width > 0 && height > 0) { // a hidden canvas may have no pixels; ImageData needs some
        painter.context.putImageData(core.picture(width, height), 0, 0);
    }
}

export function copyChanges(painter, core) {
    const c = painter.context;
    core.takeChanges((image, x, y) => c.putImageData(image, x, y));
}
