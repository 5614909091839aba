// The WebAssembly core as the page uses it: the settings, a fresh start for a canvas
// size, one tick drawn into the picture it keeps, the rectangles of that picture changed
// since they were last taken, the frog picture, the configuration dialog's reading of typed
// numbers and colours, and the record of the core's drawing calls.
import createSinuetCore from './sinuet-core.js';

export async function loadCore() {
    const m = await createSinuetCore();
    const words = (pointer, length) => new Int32Array(m.HEAP32.buffer, pointer, length);
    // Pixels in the module's memory as ImageData, without a copy; valid until the next call.
    const image = (pointer, width, height) =>
        new ImageData(new Uint8ClampedArray(m.HEAPU8.buffer, pointer, width * height * 4),
                      width, height);
    return {
        // settings: { count, loops, color (0x00BBGGRR), frog, fade, view3d }
        setSettings(s) {
            m._sinuet_settings(s.count, s.loops, s.frog, s.fade, s.view3d, s.color);
        },
        fixSeed(seed) {
            m._sinuet_fixed_seed(seed);
        },
        // The figures are set up again for this size at the next tick, on a black picture.
        restart(width, height) {
            m._sinuet_restart(width, height);
            m._sinuet_picture_reset(width, height);
        },
        // The whole picture as ImageData of the size given at the restart.
        picture(width, height) {
            return image(m._sinuet_picture_pixels(), width, height);
        },
        // One tick drawn into the picture.
        drawTick() {
            m._sinuet_draw_tick();
        },
        // Calls put(imageData, x, y) for each rectangle changed since the last take.
        takeChanges(put) {
            const count = m._sinuet_take_changes();
            const rects = words(m._sinuet_changed_rects(), 4 * count);
            let pointer = m._sinuet_changed_pixels();
            for (let k = 0; k < 4 * count; k += 4) {
                const [x, y, width, height] = rects.subarray(k, k + 4);
                put(image(pointer, width, height), x, y);
                pointer += width * height * 4;
            }
        },
        // The frog picture as ImageData, or null when it cannot be read.
        frogImage() {
            const pointer = m._sinuet_frog_pixels();
            const width = m._sinuet_frog_width();
            const height = m._sinuet_frog_height();
            if (width <= 0) {
                return null;
            }
            const rgba = m.HEAPU8.slice(pointer, pointer + width * height * 4);
            return new ImageData(new Uint8ClampedArray(rgba.buffer), width, height);
        },
        // A typed number corrected to 1..upper as the dialog does; -1 for no number at all.
        correctedNumber(text, upper) {
            return m.ccall('sinuet_corrected_number', 'number', ['string', 'number'], [text, upper]);
        },
        // "#RRGGBB" as 0x00BBGGRR; -1 for any other text.
        hexColour(text) {
            return m.ccall('sinuet_hex_colour', 'number', ['string'], [text]);
        },
        // Records every drawing call from now on, pens counted from 1 again.
        recordCalls(on) {
            m._sinuet_record_calls(on ? 1 : 0);
        },
        // The calls recorded since the last take, one sinuet-trace line each.
        takeRecordedCalls() {
            return m.ccall('sinuet_take_recorded_calls', 'string', [], []);
        },
    };
}
