// The page's settings: the saver's six, read from the page's URL query and from
// localStorage in the same form (count=50&loops=10&color=%238000ff&frog=1&fade=1&view3d=1).
// Numbers are corrected as the configuration dialog corrects typed ones (above the range:
// the highest; 0 or below: 1); a value that is no number, no #RRGGBB colour or no 0/1
// switch is ignored. "seed" fixes the phases, "ticks" stops after so many ticks, "panel=0"
// starts with the panel hidden.

export const DEFAULTS = Object.freeze({
    count: 10,
    loops: 2,
    color: 0xff0080, // 0x00BBGGRR: red 128, green 0, blue 255
    frog: 1,
    fade: 1,
    view3d: 0,
});

export const RANGES = Object.freeze({ count: 50, loops: 10 });

const STORAGE_KEY = 'sinuet.settings';
const SWITCHES = ['frog', 'fade', 'view3d'];

// #rrggbb of a colour reference 0x00BBGGRR.
export function colourText(colour) {
    const hex = (v) => v.toString(16).padStart(2, '0');
    return `#${hex(colour & 0xff)}${hex((colour >> 8) & 0xff)}${hex((colour >> 16) & 0xff)}`;
}

// The settings of `base` with every well-formed value of `params` (URLSearchParams).
export function applyParams(core, base, params) {
    const settings = { ...base };
    for (const name of Object.keys(RANGES)) {
        const text = params.get(name);
        const number = text === null ? -1 : core.correctedNumber(text, RANGES[name]);
        if (number > 0) {
            settings[name] = number;
        }
    }
    const colour = params.has('color') ? core.hexColour(params.get('color')) : -1;
    if (colour >= 0) {
        settings.color = colour;
    }
    for (const name of SWITCHES) {
        const text = params.get(name);
        if (text === '0' || text === '1') {
            settings[name] = Number(text);
        }
    }
    return settings;
}

// The settings as query parameters, beside the other parameters of `params`.
export function settingsParams(settings, params = new URLSearchParams()) {
    const result = new URLSearchParams(params);
    for (const name of ['count', 'loops']) {
        result.set(name, String(settings[name]));
    }
    result.set('color', colourText(settings.color));
    for (const name of SWITCHES) {
        result.set(name, String(settings[name]));
    }
    return result;
}

// A whole number 0..4294967295, or null for any other text or none.
function wholeNumber(text) {
    if (text === null || !/^[0-9]{1,10}$/.test(text) || Number(text) > 0xffffffff) {
        return null;
    }
    return Number(text);
}

// The fixed seed of the query, or null.
export function seedOf(params) {
    return wholeNumber(params.get('seed'));
}

// ticks=N of the query (a whole number 1..4294967295): draw that many ticks, then keep the
// picture; null for no limit.
export function tickLimitOf(params) {
    const limit = wholeNumber(params.get('ticks'));
    return limit === 0 ? null : limit;
}

// localStorage can be missing or refuse (a private window, a file: page, storage turned
// off): then nothing is kept, and nothing fails.
export function storedParams() {
    try {
        return new URLSearchParams(globalThis.localStorage.getItem(STORAGE_KEY) ?? '');
    } catch {
        return new URLSearchParams();
    }
}

export function storeSettings(settings) {
    try {
        globalThis.localStorage.setItem(STORAGE_KEY, settingsParams(settings).toString());
    } catch {
        // not kept
    }
}
