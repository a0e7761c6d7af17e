// ==== The fly-over heard from the ground ====
// A third view on its own clock, from -span to +span around the pass overhead: the ground and the listener, the
// source crossing with its wavefronts, a strip that marks each arrival as the listener hears it, the frequency heard
// now, and sound on request. The arrivals are the program's (the rules' flyOver), so a sweep checks them.
function makeFlyOver(program, Rules, $, painting) {
    const words = program.page;
    const colours = painting.colours;
    const kSpan = program.flyOverSpan;   // [s] either side of the pass overhead
    const kTick = program.tickSeconds;   // [s] the fly-over's clock moves in the window's ticks
    const kStripShare = 0.16;            // the arrivals' strip below the picture, as a share of its height
    const local = (value, figures = 3) => Rules.local(Rules.readableNumber(value, figures));

    let state = null;     // the restart's state, or null before START
    let height = 0;       // H [m], as the last restart took it
    let heard = null;     // { f0, boomTime, arrivals } or null
    let refusal = "";     // why there is no fly-over for these parameters
    let time = -kSpan;    // the fly-over's clock [s]
    const sound = makeSound(() => $("sound").checked);

    // ---- The clock ----
    function moveTo(t) {
        time = t > kSpan + 1e-9 ? -kSpan : t < -kSpan - 1e-9 ? kSpan : t;
    }

    // While playing: the clock moves on, and the sound keeps up with it.
    function advance(seconds, playing) {
        const from = time;
        moveTo(time + seconds);
        if (playing) sound.keepUp(heard, from, time);
    }

    // One step by hand: what the step passes over is heard at once.
    function step(seconds) {
        const from = time;
        moveTo(time + seconds);
        sound.passOver(heard, from, time, seconds > 0);
    }

    // The clock in whole ticks, as its slider shows it, and in words.
    const tick = () => Math.round(time / kTick);
    const timeText = () => Rules.fill(words.flightTime, [local(tick() * kTick, 15)]);

    // The wavefronts heard up to now, and the latest of them.
    function heardSoFar() {
        if (!heard) return { count: 0, latest: null };
        let count = 0;
        while (count < heard.arrivals.length && heard.arrivals[count].tArrives <= time) ++count;
        return { count, latest: count > 0 ? heard.arrivals[count - 1] : null };
    }

    // ---- Drawing ----
    // The world window [m]: the listener at the middle of the ground, the flight at height H, as wide as the other
    // views are for their height.
    function windowOf(width, height) {
        const extent = Math.max(heightOrOne(), program.soundSpeed);
        const top = heightOrOne() + 0.35 * extent, bottom = -0.15 * extent;
        const perMetre = height / (top - bottom);
        return { top, bottom, perMetre, left: -width / perMetre / 2 };
    }
    const heightOrOne = () => Math.max(height, 1);

    function paint(view, showMachLines) {
        const { canvas, context } = view;
        const width = canvas.width / view.scale, full = canvas.height / view.scale;
        const pictureHeight = full / (1 + kStripShare);
        context.setTransform(view.scale, 0, 0, view.scale, 0, 0);
        const w = windowOf(width, pictureHeight);
        const px = (x) => (x - w.left) * w.perMetre, py = (y) => (w.top - y) * w.perMetre;
        context.fillStyle = program.look.background;
        context.fillRect(0, 0, width, pictureHeight);
        context.fillStyle = colours.ground;
        context.fillRect(0, py(0), width, pictureHeight - py(0));
        const sourceX = state ? -state.uSource * time : 0; // to the left for M > 0, as in the ground view
        if (heard) {
            // The fronts sent so far, centred where they were sent out; sound goes no further than the ground.
            context.save();
            context.beginPath();
            context.rect(0, 0, width, py(0));
            context.clip();
            context.beginPath();
            const reach = Math.hypot(width, pictureHeight);
            const y = py(height);
            for (const a of heard.arrivals) {
                if (a.tEmitted > time) continue;
                const r = program.soundSpeed * (time - a.tEmitted) * w.perMetre;
                const x = px(a.xEmitted);
                if (Math.abs(x - width / 2) > reach + r) continue;
                // Only what passes through the picture is stroked: most of a large front lies outside.
                painting.outline(context, x, y, r, width, py(0));
            }
            context.lineWidth = 1;
            context.strokeStyle = program.look.wave;
            context.stroke();
            // The cone trails the source.
            if (showMachLines && Math.abs(state.M) > 1)
                painting.machLines(context, px(sourceX), py(height), state.M, state.M > 0 ? 1 : -1, reach);
            context.restore();
        }
        // The flight's path, the listener standing on the ground, and the source.
        context.setLineDash([6, 4]);
        context.beginPath();
        context.moveTo(0, py(height));
        context.lineTo(width, py(height));
        context.strokeStyle = colours.line;
        context.stroke();
        context.setLineDash([]);
        context.beginPath();
        context.moveTo(px(0), py(0) - 12);
        context.lineTo(px(0) - 6, py(0));
        context.lineTo(px(0) + 6, py(0));
        context.closePath();
        context.fillStyle = colours.ink;
        context.fill();
        painting.sourceDot(context, px(sourceX), py(height));
        paintStrip(view, width, pictureHeight, full - pictureHeight);
    }

    // The arrivals on a time line from -span to +span: each wavefront a mark where the listener hears it, dark once
    // heard; the boom in red; the clock; what is heard now.
    function paintStrip(view, width, top, height) {
        const context = view.context;
        painting.strip(context, width, top, height);
        const at = (t) => ((t + kSpan) / (2 * kSpan)) * width;
        const markTop = top + 2, markHeight = height * 0.38;
        if (heard) {
            context.fillStyle = colours.rule;
            context.fillRect(0, markTop + markHeight / 2, width, 1);
            for (const a of heard.arrivals) {
                if (a.tArrives > kSpan) break;
                context.fillStyle = a.tArrives <= time ? colours.text : colours.notYet;
                context.fillRect(Math.floor(at(a.tArrives)), markTop, 1, markHeight);
            }
            if (heard.boomTime !== null && heard.boomTime <= kSpan) {
                context.fillStyle = colours.boom;
                context.fillRect(Math.floor(at(heard.boomTime)) - 1, markTop - 2, 3, markHeight + 4);
            }
        }
        context.fillStyle = colours.now;
        context.fillRect(Math.floor(at(time)), top, 2, markHeight + 4);
        painting.stripText(view, timeText(), heardNow(), Math.min(15, height * 0.36), top + height * 0.72);
    }

    // What the listener hears now, or why there is no fly-over.
    function heardNow() {
        if (!heard) return refusal;
        const { latest } = heardSoFar();
        if (latest === null) return words.silence;
        if (latest.heardFrequency === null) return words.boom;
        return Rules.fill(words.heardNow, [local(latest.heardFrequency), local(latest.heardFrequency / heard.f0)]);
    }

    // ---- START and the listener's height ----
    function restart(next, heightText) {
        const value = Rules.textToNumber(heightText);
        if (value === null || !(value >= 0)) return false;
        state = next;
        height = value;
        refusal = "";
        try {
            heard = state.started ? Rules.flyOver(state, height, kSpan) : null;
        } catch (error) {
            if (!(error instanceof Rules.FlyOverRefusal)) throw error;
            heard = null;
            refusal = error.message;
        }
        moveTo(-kSpan);
        sound.silence();
        $("flyover-title").textContent =
            Rules.fill(state.M === 0 ? words.flyOverTitleAtRest : words.flyOverTitle, [local(height, 6)]);
        return true;
    }

    return {
        span: kSpan,
        get time() { return time; },
        get height() { return height; },
        get tick() { return tick(); },
        restart, advance, step, paint, timeText,
        silence: sound.silence,
        goTo: (t) => { moveTo(t); sound.silence(); },
        turnSoundOn: sound.turnOn,
        // What the listener has heard: said on a pause, never per frame.
        news: () => Rules.fill(heardSoFar().count === 1 ? words.arrivedNewsOne : words.arrivedNews, [heardSoFar().count]),
        boomNews: () => Rules.fill(words.boomNews, [local(heard.boomTime)]),
        boomTime: () => (heard ? heard.boomTime : null),
        arrivals: () => (heard ? heard.arrivals : []),
        f0: () => (heard ? heard.f0 : null),
        audioOpened: sound.opened,
        soundsPending: sound.pending,
    };
}
