// A clock for the page that the test drives, for the page tests and the cost script.
"use strict";

// Runs in a page before its scripts (page.evaluateOnNewDocument): the page's timers and its audio clock follow a
// clock that the caller drives, window.drivenClock.advance(ms), so that what a test sees never depends on how busy
// the machine is. Its Web Audio plays nothing and keeps each sound it was asked for in drivenClock.sounds:
// { kind: "click" | "oscillator", when [s] } for a start, { kind: "frequency" | "gain", value, when } for a value.
function driveClock() {
    let now = 0; // [ms]
    let nextId = 1;
    const timers = new Map(); // id -> { due, every, run }
    const sounds = [];
    window.setInterval = (run, every) => {
        timers.set(nextId, { due: now + Math.max(1, every), every: Math.max(1, every), run });
        return nextId++;
    };
    window.clearInterval = (id) => timers.delete(id);
    const param = (kind) => ({
        value: 0,
        setValueAtTime: (value, when) => sounds.push({ kind, value, when }),
        exponentialRampToValueAtTime() {},
        cancelScheduledValues() {},
    });
    const node = (parts) => ({ connect: (next) => next, ...parts });
    const source = (kind, parts) => node({ start: (when) => sounds.push({ kind, when }), stop() {}, ...parts });
    window.AudioContext = class {
        sampleRate = 48000;
        state = "running";
        destination = node({});
        get currentTime() { return now / 1000; }
        resume() { return Promise.resolve(); }
        createGain() { return node({ gain: param("gain") }); }
        createOscillator() { return source("oscillator", { frequency: param("frequency") }); }
        createBufferSource() { return source("click", {}); }
        createBuffer(channels, length, rate) {
            const samples = new Float32Array(length);
            return { duration: length / rate, getChannelData: () => samples };
        }
    };
    window.drivenClock = {
        sounds,
        // Runs every timer that falls due within the next ms milliseconds, in the order they fall due.
        advance(ms) {
            const until = now + ms;
            for (;;) {
                let due = null;
                for (const [id, timer] of timers)
                    if (timer.due <= until && (!due || timer.due < due[1].due)) due = [id, timer];
                if (!due) break;
                now = due[1].due;
                due[1].due += due[1].every;
                due[1].run();
            }
            now = until;
        },
    };
}

module.exports = { driveClock };
