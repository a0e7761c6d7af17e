// ==== The window's rules, in script ====
// What the window does when START is pressed, and how it words the picture: how a text becomes a number, which
// parameters the restart refuses and why, the sentence, and one tick of the clock. The program's C++ holds the
// originals (the text-to-number grammar and the number texts in the platform services, the restart and the tick in
// the wave state and tick, the sentence in the regime description); the program hands this script its numbers,
// limits and words as data (the page's "program" element), so that only the logic is here. A sweep compares this
// block with conwave-frames --batch over thousands of texts, byte for byte.
"use strict";

function makeRules(program) {
    const kSoundSpeed = program.soundSpeed;   // wave speed [m/s]
    const kTickSeconds = program.tickSeconds; // clock advance per tick [s]
    const kMaxWaves = program.maxWaves;       // wavefronts that have a slot
    const kMaxScrollMach = program.maxScrollMach;
    const kMaxScrollSpan = program.maxScrollSpan; // [s]
    const kMarkerRadius = program.markerRadius;   // source marker [m], in single precision
    const kSingleOverflow = program.singleOverflow;
    const kGeometryLimit = program.geometryLimit; // largest centre or radius the restart lets through [m]
    const decimalComma = program.decimalSign === ",";

    // A pattern with %1, %2, ... replaced by the texts in turn; a filled text is not filled again.
    const fill = (pattern, texts) => pattern.replace(/%([1-9])/g, (place, n) => texts[n - 1] ?? place);
    // A number text with the language's decimal sign.
    const local = (text) => (decimalComma ? text.replace(".", ",") : text);

    class Refusal extends Error {
        constructor(field, message) {
            super(message);
            this.field = field; // "M", "nWave" or "tMax"
        }
    }

    const isBlank = (c) => c === " " || c === "\t" || c === "\r" || c === "\n";
    const isDigit = (c) => c >= "0" && c <= "9";
    const isDecimalSign = (c, comma) => c === "." || (comma && c === ",");

    // The number at the start of a text: blanks, a sign, digits with at most one decimal sign (a point, or a comma
    // where the language writes one), an exponent with at least one digit; reading stops at the first character
    // that cannot continue it; no number reads as 0. Returns null for a number too large for a double. Number()
    // rounds a decimal text correctly, as the program's reader does.
    function textToNumber(text, comma = decimalComma) {
        let p = 0;
        while (p < text.length && isBlank(text[p])) ++p;
        const negative = text[p] === "-";
        if (text[p] === "+" || text[p] === "-") ++p;
        const start = p;
        let digits = 0;
        while (p < text.length && isDigit(text[p])) ++p, ++digits;
        if (isDecimalSign(text[p], comma)) {
            ++p;
            while (p < text.length && isDigit(text[p])) ++p, ++digits;
        }
        if (digits === 0) return 0;
        let end = p;
        if (text[p] === "e" || text[p] === "E") {
            let q = p + 1;
            if (text[q] === "+" || text[q] === "-") ++q;
            if (isDigit(text[q] ?? "")) {
                while (q < text.length && isDigit(text[q])) ++q;
                end = q;
            }
        }
        const magnitude = Number(text.slice(start, end).replace(",", "."));
        if (magnitude === Infinity) return null;
        return negative ? -magnitude : magnitude;
    }

    // The exact decimal digits of a finite positive double: value = digits x 10^-scale.
    function exactDecimal(value) {
        const view = new DataView(new ArrayBuffer(8));
        view.setFloat64(0, value);
        const bits = view.getBigUint64(0);
        const biased = Number((bits >> 52n) & 0x7ffn);
        let mantissa = bits & ((1n << 52n) - 1n);
        if (biased !== 0) mantissa |= 1n << 52n;
        const power = (biased === 0 ? 1 : biased) - 1075; // value = mantissa x 2^power
        if (power >= 0) return { digits: (mantissa << BigInt(power)).toString(), scale: 0 };
        return { digits: (mantissa * 5n ** BigInt(-power)).toString(), scale: -power };
    }

    // printf's %.<precision>g in the C locale, rounding the exact value half to even as the program's library does.
    function generalText(value, precision) {
        if (value === 0) return Object.is(value, -0) ? "-0" : "0";
        const sign = value < 0 ? "-" : "";
        const { digits, scale } = exactDecimal(Math.abs(value));
        let exponent = digits.length - 1 - scale;
        let head = digits.slice(0, precision).padEnd(precision, "0");
        const rest = digits.slice(precision);
        const roundUp = rest.length > 0 && (rest[0] > "5" || (rest[0] === "5" &&
            (/[1-9]/.test(rest.slice(1)) || Number(head[head.length - 1]) % 2 === 1)));
        if (roundUp) {
            head = (BigInt(head) + 1n).toString();
            if (head.length > precision) {
                head = head.slice(0, precision);
                ++exponent;
            }
        }
        if (exponent < -4 || exponent >= precision) {
            const mantissa = (head[0] + "." + head.slice(1)).replace(/\.?0+$/, "");
            const power = Math.abs(exponent).toString().padStart(2, "0");
            return sign + mantissa + "e" + (exponent < 0 ? "-" : "+") + power;
        }
        const fixed = exponent < 0 ? "0." + "0".repeat(-exponent - 1) + head
                                   : head.slice(0, exponent + 1) + "." + head.slice(exponent + 1);
        return sign + fixed.replace(/\.?0+$/, "").replace(/\.$/, "");
    }

    // At most 15 significant digits, no trailing zeros; 0 also for -0. The clock is written at every tick, so the
    // exact digits are worked out only where the browser's own rounding can differ: a value whose 16th digit is 5.
    function numberToText(value) {
        if (value === 0) return "0";
        const sixteen = value.toPrecision(16);
        const fifteen = value.toPrecision(15);
        if (/5(e|$)/.test(sixteen) || fifteen.includes("e") || Math.abs(value) < 1e-4) return generalText(value, 15);
        return fifteen.includes(".") ? fifteen.replace(/\.?0+$/, "") : fifteen;
    }

    // One digit after the point, as the Mach angle is said, rounded half to even as the program's library does.
    function oneDecimal(value) {
        const { digits, scale } = exactDecimal(Math.abs(value));
        // Ten times the value is digits x 10^(1 - scale): split it into its whole part and the digits after.
        let whole = BigInt(digits) * 10n ** BigInt(Math.max(1 - scale, 0));
        let rest = "";
        if (scale > 1) {
            const padded = digits.padStart(scale, "0");
            whole = BigInt(padded.slice(0, padded.length - (scale - 1)));
            rest = padded.slice(padded.length - (scale - 1));
        }
        if (rest[0] > "5" || (rest[0] === "5" && (/[1-9]/.test(rest.slice(1)) || whole % 2n === 1n))) whole += 1n;
        const text = whole.toString().padStart(2, "0");
        return (value < 0 ? "-" : "") + text.slice(0, -1) + "." + text.slice(-1);
    }

    function waveCount(nWave) {
        if (!(nWave >= 1)) return 0;
        return Math.min(Math.floor(nWave), program.waveCountCap);
    }

    // A limit for a refusal message: three significant digits, rounded towards zero so that it is itself accepted.
    function limitText(limit) {
        const power = Number("1e" + (Math.floor(Math.log10(limit)) - 2));
        return generalText(Math.floor(limit / power * (1 - program.limitShrink)) * power, 3);
    }

    // A refusal of one field, for a reason the program names, asking for a range of values written as the
    // program writes them.
    function refuse(field, reason, lowText, highText) {
        throw new Refusal(field, fill(program.refusals[reason], [local(lowText), local(highText)]));
    }
    const refuseRange = (field, reason, [low, high]) => refuse(field, reason, numberToText(low), numberToText(high));
    // A refusal that asks for a number from -limit to limit.
    function refuseBeyond(field, reason, limit) {
        const text = limitText(limit);
        refuse(field, reason, "-" + text, text);
    }

    function readField(text, field) {
        const value = textToNumber(text);
        if (value !== null) return value;
        const [reason, range] = { M: ["MachTooLargeForADouble", program.ordinaryMach],
                                  nWave: ["WaveCountTooLargeForADouble", program.waveCounts],
                                  tMax: ["SpanTooLargeForADouble", program.ordinarySpan] }[field];
        refuseRange(field, reason, range);
    }

    // Every circle of a clock cycle must fit single precision; see the restart's own comment for the ages and for
    // which field a refusal names.
    function checkGeometry(next) {
        const waves = waveCount(next.nWave);
        if (waves === 0) return;
        const ageLimit = next.dtWave >= 0 ? kTickSeconds + waves * next.dtWave
                                          : kTickSeconds + (waves - 1) * -next.dtWave;
        const speed = Math.max(next.aSound, Math.abs(next.uSource));
        if (ageLimit * speed <= kGeometryLimit) return;
        const ordinarySpeed = Math.min(Math.max(Math.abs(next.uSource), next.aSound), kMaxScrollMach * next.aSound);
        const spanLimit = (kGeometryLimit / speed - kTickSeconds) * next.nWave / waves;
        const spanFitsSomeMach = ageLimit * next.aSound <= kGeometryLimit;
        if (ageLimit * ordinarySpeed <= kGeometryLimit || (!(spanLimit > 0) && spanFitsSomeMach))
            refuseBeyond("M", "MachTooLargeForWaves", kGeometryLimit / (ageLimit * next.aSound));
        if (spanLimit > 0) refuseBeyond("tMax", "SpanTooLongForMach", spanLimit);
        refuseBeyond("M", "MachTooLargeForAnySpan", kGeometryLimit / ((kTickSeconds + kMaxScrollSpan) * next.aSound));
    }

    // Whether the text begins with a number: blanks, a sign, then a digit or a decimal sign followed by one.
    // Otherwise it reads as 0 for want of a number, and the refusal says so.
    const beginsWithNumber = (text) => (decimalComma ? /^[ \t\r\n]*[+-]?(\d|[.,]\d)/ : /^[ \t\r\n]*[+-]?(\d|\.\d)/)
        .test(text);

    // START: the three texts in the window's order; a refusal throws Refusal and leaves nothing changed.
    function restart(mText, nWaveText, tMaxText) {
        const next = { aSound: kSoundSpeed, started: true };
        next.M = readField(mText, "M");
        next.nWave = readField(nWaveText, "nWave");
        next.tMax = readField(tMaxText, "tMax");
        if (next.nWave === 0)
            refuseRange("nWave", beginsWithNumber(nWaveText) ? "NoWaves" : "WaveCountNotANumber", program.waveCounts);
        if (waveCount(next.nWave) > kMaxWaves) refuseRange("nWave", "TooManyWaves", program.waveCounts);
        next.dtWave = next.tMax / next.nWave;
        if (!Number.isFinite(next.dtWave)) refuseRange("nWave", "WaveCountTooSmallForSpan", program.waveCounts);
        next.uSource = next.M * next.aSound;
        if (!Number.isFinite(next.uSource)) refuseRange("M", "MachTooLargeForADouble", program.ordinaryMach);
        checkGeometry(next);
        return next;
    }

    // As at start-up, before any START: the clock runs and only the source is drawn.
    const startUp = () => ({ aSound: kSoundSpeed, M: 0, nWave: 0, tMax: 0, dtWave: 0, uSource: 0, started: false });

    // The Mach angle [rad] between the source's path and the lines every wavefront touches; pi / 2 up to Mach 1.
    function machAngle(M) {
        const mach = Math.abs(M);
        return mach > 1 ? Math.asin(1 / mach) : Math.PI / 2;
    }
    const machAngleDegrees = (M) => machAngle(M) * 180 / Math.PI;

    // A number for a sentence that is read, not typed back: rounded to three significant figures (half to even on
    // the exact value, as the program's library rounds), then written as the program writes numbers.
    function readableNumber(value, figures = 3) {
        if (value === 0 || !Number.isFinite(value)) return numberToText(value);
        const rounded = textToNumber(generalText(value, figures));
        return numberToText(rounded === null ? value : rounded);
    }

    // Three figures, or as many more as it takes not to read as Mach 1 when the regime is not sonic (1.0001).
    function machText(mach) {
        let text = readableNumber(mach);
        for (let figures = 4; figures <= 15 && mach !== 1 && textToNumber(text) === 1; ++figures)
            text = readableNumber(mach, figures);
        return text;
    }

    // With a negative interval every frame is drawn at the first tick: the wavefronts whose radius, in single
    // precision, is not negative.
    function wavesDrawnAtFirstTick(state) {
        let drawn = 0;
        while (drawn < waveCount(state.nWave) &&
               Math.fround(state.aSound * (kTickSeconds + drawn * state.dtWave)) >= 0) ++drawn;
        return drawn;
    }

    // The sentence of the window's tooltip and accessible description, in the page's language.
    function describePicture(state) {
        const words = program.picture;
        if (state.nWave === 0) return words.beforeStart;
        const mach = Math.abs(state.M);
        const otherWay = state.M < 0 ? "OtherWay" : "";
        const regime = mach === 0 ? "atRest" : mach < 1 ? "subsonic" + otherWay : mach === 1 ? "sonic" + otherWay
                                                                                             : "supersonic" + otherWay;
        const interval = Math.abs(state.dtWave);
        const waves = waveCount(state.nWave);
        const drawn = waves > 0 && state.dtWave < 0 ? wavesDrawnAtFirstTick(state) : 0;
        const intervalWords = waves === 0 ? "noWavefront" : state.dtWave < 0 ? (drawn === 1 ? "negativeSpanOne"
                                                                                           : "negativeSpanSome")
                                          : interval < kTickSeconds ? "standsStill" : "every";
        return fill(words.sentence, [
            fill(words[regime], [local(machText(mach)), local(oneDecimal(machAngleDegrees(mach)))]),
            fill(words[intervalWords], [local(readableNumber(interval)), local(readableNumber(kTickSeconds)),
                                        String(drawn)]),
        ]);
    }

    // "M = 1.2, nWave = 4, tMax = 1", as the program writes the parameters.
    const caption = (state) => fill(program.caption, [state.M, state.nWave, state.tMax].map((v) => local(numberToText(v))));

    // ---- The fly-over heard from the ground ----
    class FlyOverRefusal extends Error {}

    // sqrt(x^2 + height^2) without a square that overflows, in the model's steps.
    function distanceTo(x, height) {
        let longer = Math.abs(x), shorter = height;
        if (longer < shorter) [longer, shorter] = [shorter, longer];
        if (longer === 0) return 0;
        const ratio = shorter / longer;
        return longer * Math.sqrt(1 + ratio * ratio);
    }

    // When the cone's own front was sent above Mach 1 [s after the pass overhead], else null. Those sent before it
    // arrive after the boom in reverse order, those sent after it in order.
    function boomEmitted(state, height) {
        const mach = Math.abs(state.M);
        return mach > 1 ? -(height / (Math.abs(state.uSource) * Math.sqrt(mach * mach - 1))) : null;
    }

    // The span the fly-over takes unless told another [s]: the program's default, or above Mach 1 as many whole
    // seconds as it takes to hold the boom's front.
    function flyOverSpan(state, height) {
        const sent = boomEmitted(state, height);
        return sent === null ? program.flyOverSpan : Math.max(program.flyOverSpan, Math.ceil(-sent));
    }

    // Whether a front sent at t = k x interval lies within the span, up to the rounding of the product.
    const withinSpan = (t, span) => t - span <= span * program.flyOverSpanRounding;

    // Every front sent within +-span of the pass overhead, in the order heard: {front, tEmitted, xEmitted,
    // tArrives, heardFrequency (null with the cone itself, or for a front a moving source sent at the listener)},
    // the boom's time above Mach 1 (else null), f0, and the frequencies heard far ahead (null at Mach 1) and far
    // behind [Hz].
    function flyOver(state, height, span) {
        const words = program.listener;
        if (!(height <= kGeometryLimit))
            throw new FlyOverRefusal(fill(words.TooHigh, ["0", local(limitText(kGeometryLimit))]));
        const interval = Math.abs(state.dtWave);
        if (interval === 0) throw new FlyOverRefusal(words.NoInterval);
        const most = Math.floor((program.maxFlyOverFronts - 1) / 2);
        let last = Math.floor(span / interval);
        if (last <= most) {
            if (last > 0 && !withinSpan(last * interval, span)) --last;
            else if (withinSpan((last + 1) * interval, span)) ++last;
        }
        if (!(last <= most))
            throw new FlyOverRefusal(fill(words.TooManyFronts, [numberToText(program.maxFlyOverFronts),
                                                                local(numberToText(span))]));
        const speed = state.uSource;
        if (!Number.isFinite(2 * Math.abs(speed) * span + 2 * height) ||
            !Number.isFinite(state.M * state.M * state.aSound * span))
            throw new FlyOverRefusal(fill(words.TooFast, program.ordinaryMach.map((v) => local(numberToText(v)))));
        const f0 = 1 / interval;
        const mach = Math.abs(state.M);
        const boomTime = mach > 1 ? height * Math.sqrt(mach * mach - 1) / (mach * state.aSound) : null;
        const farAhead = mach !== 1 ? f0 / Math.abs(1 - mach) : null;
        const farBehind = f0 / (1 + mach);
        const arrivals = [];
        for (let k = 0 - last; k <= last; ++k) { // 0 - 0 is +0, as the program counts
            const tEmitted = k * state.dtWave + 0; // + 0 turns -0 into 0, as the model does
            const xEmitted = -speed * tEmitted + 0; // to the left for M > 0, as in the model
            const d = distanceTo(xEmitted, height);
            const slope = state.M === 0 ? 1 : 1 + state.M * state.M * state.aSound * tEmitted / d; // at rest, 1
            arrivals.push({ front: k, tEmitted, xEmitted, tArrives: tEmitted + d / state.aSound,
                            heardFrequency: Number.isFinite(slope) && slope !== 0 ? f0 / Math.abs(slope) : null });
        }
        arrivals.sort((a, b) => (a.tArrives !== b.tArrives ? a.tArrives - b.tArrives : a.tEmitted - b.tEmitted));
        return { f0, boomTime, farAhead, farBehind, arrivals };
    }

    // Double to single precision as the picture is handed it; null beyond the single-precision range.
    const toSingle = (value) => (Math.abs(value) < kSingleOverflow ? Math.fround(value) : null);

    // The circles drawn at clock value tNow, wavefronts 1, 2, ... then the source marker, as {x, r} in metres.
    // Returns null when a circle does not fit single precision: the window stops there with a run-time error.
    function circlesAt(state, tNow) {
        const circles = [];
        for (let i = 1; i <= state.nWave; ++i) {
            const age = tNow + (i - 1) * state.dtWave;
            const x = toSingle(state.uSource * age);
            const r = toSingle(state.aSound * age);
            if (x === null || r === null) return null;
            circles.push({ x, r });
        }
        circles.push({ x: 0, r: kMarkerRadius });
        return circles;
    }

    // The clock after one tick, and whether the tick wraps it: the test comes after drawing, so 0 is never drawn.
    const nextClock = (tNow) => tNow + kTickSeconds;
    const wraps = (state, drawnAt) => drawnAt > state.dtWave;

    return { kTickSeconds, Refusal, textToNumber, numberToText, generalText, oneDecimal, waveCount, restart, startUp,
             machAngle, machAngleDegrees, describePicture, caption, circlesAt, nextClock, wraps, fill, local,
             FlyOverRefusal, flyOver, flyOverSpan, boomEmitted, distanceTo, readableNumber };
}

// The page takes its rules from the program's data; a test under Node takes the maker.
if (typeof module === "object") module.exports = makeRules;
