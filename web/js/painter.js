// Draws the core's draw lists on the canvas, which is never cleared between ticks: each
// run of lines as one path, 3 pixels wide with round ends in the run's colour, and the frog
// picture with its exact pixels. Pixel (x, y) of the saver is the canvas pixel whose centre
// is (x + 0.5, y + 0.5).
import { LIST_FROG, LIST_RUN } from './core.js';

const PEN_WIDTH = 3;

// A colour reference 0x00BBGGRR as CSS.
export function cssColour(colour) {
    return `rgb(${colour & 0xff},${(colour >> 8) & 0xff},${(colour >> 16) & 0xff})`;
}

export function makePainter(canvas, frogImage) {
    return { canvas, context: canvas.getContext('2d', { alpha: false }), frogImage };
}

// A new size in device pixels: the canvas is cleared to black.
export function resizeCanvas(painter, width, height) {
    const { canvas } = painter;
    canvas.width = width;
    canvas.height = height;
    clearCanvas(painter);
}

export function clearCanvas(painter) {
    const c = painter.context;
    c.fillStyle = '#000';
    c.fillRect(0, 0, painter.canvas.width, painter.canvas.height);
    c.lineWidth = PEN_WIDTH;
    c.lineCap = 'round';
    c.lineJoin = 'round';
}

function strokeRun(c, words, start, count, colour) {
    c.strokeStyle = cssColour(colour);
    c.beginPath();
    for (let k = start, end = start + 4 * count; k < end; k += 4) {
        c.moveTo(words[k] + 0.5, words[k + 1] + 0.5);
        c.lineTo(words[k + 2] + 0.5, words[k + 3] + 0.5);
    }
    c.stroke();
}

export function paintDrawList(painter, words) {
    const c = painter.context;
    let k = 0;
    while (k < words.length) {
        if (words[k] === LIST_RUN) {
            strokeRun(c, words, k + 3, words[k + 2], words[k + 1]);
            k += 3 + 4 * words[k + 2];
        } else if (words[k] === LIST_FROG) {
            if (painter.frogImage) {
                c.putImageData(painter.frogImage, words[k + 1], words[k + 2]);
            }
            k += 3;
        } else {
            throw new Error(`draw list word ${words[k]} at ${k}`);
        }
    }
}
