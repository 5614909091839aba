// The settings panel, laid out like the configuration dialog. Every change applies at once:
// a typed number as soon as it is one (corrected to its range as the dialog corrects it),
// and written back corrected when the field is left; a field left without a number holds
// 1, as the dialog saves it.
import { RANGES, colourText } from './settings.js';

const SWITCHES = ['frog', 'fade', 'view3d'];

function field(name) {
    return document.getElementById(name);
}

export function showSettings(settings) {
    for (const name of Object.keys(RANGES)) {
        field(name).value = String(settings[name]);
    }
    for (const name of SWITCHES) {
        field(name).checked = settings[name] === 1;
    }
    field('color').value = colourText(settings.color);
}

// onChange(settings) receives the new settings after each change.
export function bindPanel(core, getSettings, onChange) {
    const change = (name, value) => {
        if (getSettings()[name] !== value) {
            onChange({ ...getSettings(), [name]: value });
        }
    };
    for (const name of Object.keys(RANGES)) {
        const input = field(name);
        const corrected = () => core.correctedNumber(input.value, RANGES[name]);
        input.addEventListener('input', () => {
            if (corrected() > 0) {
                change(name, corrected());
            }
        });
        input.addEventListener('change', () => {
            const value = Math.max(corrected(), 1);
            input.value = String(value);
            change(name, value);
        });
    }
    for (const name of SWITCHES) {
        field(name).addEventListener('change', (e) => change(name, e.target.checked ? 1 : 0));
    }
    field('color').addEventListener('input', (e) => {
        const colour = core.hexColour(e.target.value);
        if (colour >= 0) {
            change('color', colour);
        }
    });
}

// The panel shown or hidden; the small button that brings it back shows while it is not.
export function showPanel(shown) {
    field('panel').hidden = !shown;
    field('show-panel').hidden = shown;
}
