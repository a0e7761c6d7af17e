// ==== The fly-over heard from the ground ====
// A third view on its own clock, from -span to +span around the pass overhead: the ground and the listener, the
// source crossing with its wavefronts, zoomed so that both stay in sight, a scale bar, a strip that marks each arrival
// as the listener hears it, the frequencies heard now, and sound on request. The arrivals are the program's (the
// rules' flyOver), so a sweep checks them.
function makeFlyOver(program, Rules, $, painting) {
    const words = program.page;
    const colours = painting.colours;
    const kTick = program.tickSeconds;   // [s] the fly-over's clock moves in the window's ticks
    const kStripShare = 0.24;            // the arrivals' strip below the picture, as a share of its height
    const kEdge = 0.08;                  // the source keeps this share of the view's width from its edge
    const kGround = 0.1;                 // the ground's share of the view's height, below the listener
    const kBarShare = 0.25;              // the scale bar is at most this share of the view's width
    const kLoudestWithin = 100;          // [m] fronts that travel less than this, or than H, sound at full loudness
    const local = (value, figures = 3) => Rules.local(Rules.readableNumber(value, figures));

    let state = null;     // the restart's state, or null before START
    let height = 0;       // H [m], as the last restart took it
    let span = program.flyOverSpan; // [s] either side of the pass overhead, set at each restart
    let heard = null;     // { f0, boomTime, farAhead, farBehind, split, streams, arrivals } or null
    let refusal = "";     // why there is no fly-over for these parameters
    let time = -span;     // the fly-over's clock [s]
    let shown = null;     // where the last frame put things, for scripts that check the page
    let marks = null;     // the strip's marks of every arrival, drawn once per set-up and size
    const sound = makeSound(() => $("sound").checked);

    // The fly-over's span for a set-up [s]: every front sent within it is worked out, and the clock runs over it.
    const spanOf = (next, distance) => Rules.flyOverSpan(next, distance);

    // ---- The clock ----
    function moveTo(t) {
        time = t > span + 1e-9 ? -span : t < -span - 1e-9 ? span : t;
    }

    // While playing: the clock moves on, and the sound keeps up with it at the page's speed.
    function advance(seconds, speed) {
        const from = time;
        moveTo(time + seconds);
        sound.keepUp(heard, from, time, speed);
    }

    // One step by hand: what the step passes over is heard at once, at the page's speed.
    function step(seconds, speed) {
        const from = time;
        moveTo(time + seconds);
        sound.passOver(heard, from, time, seconds > 0, speed);
    }

    // The clock in whole ticks, as its slider shows it, and in words.
    const tick = () => Math.round(time / kTick);
    const timeText = () => Rules.fill(words.flightTime, [local(tick() * kTick, 15)]);

    // ---- The two streams ----
    // Above Mach 1 the fronts sent before the one that arrives with the cone reach the listener after the boom in
    // reverse order (stream 0), those sent after it in order (stream 1); at and below Mach 1 every front is in
    // stream 1. Each arrival learns its stream and how loud it is (1 / the distance it travelled, 1 from overhead);
    // the last of a stream how long its pitch holds [s]: as long as the one before it did.
    function sortStreams(result, next, distance) {
        result.split = Rules.boomEmitted(next, distance) ?? -Infinity;
        const nearest = Math.max(distance, kLoudestWithin);
        result.streams = [[], []];
        for (const a of result.arrivals) {
            a.stream = a.tEmitted < result.split ? 0 : 1;
            a.loudness = Math.min(1, nearest / (program.soundSpeed * (a.tArrives - a.tEmitted)));
            a.endsAfter = null;
            if (a.heardFrequency !== null) result.streams[a.stream].push(a);
        }
        for (const stream of result.streams) {
            const [before, last] = stream.slice(-2);
            if (last) last.endsAfter = last.tArrives - before.tArrives;
            else if (before) before.endsAfter = 1 / result.f0;
        }
        return result;
    }

    // How many of the arrivals, in the order heard, have reached the listener by time t.
    function countBy(arrivals, t) {
        let [low, high] = [0, arrivals.length];
        while (low < high) {
            const middle = (low + high) >> 1;
            if (arrivals[middle].tArrives <= t) low = middle + 1;
            else high = middle;
        }
        return low;
    }

    // The latest arrival of each stream that is heard now: from the stream's first arrival to its last.
    function heardNowByStream() {
        if (!heard) return [];
        return heard.streams.filter((stream) => stream.length > 0 && stream[stream.length - 1].tArrives >= time)
            .map((stream) => stream[countBy(stream, time) - 1]).filter((latest) => latest !== undefined);
    }

    const heardCount = () => (heard ? countBy(heard.arrivals, time) : 0);

    // ---- Drawing ----
    const sourceX = (t) => (state ? -state.uSource * t : 0); // to the left for M > 0, as in the ground view

    // The world window [m] at time t on a picture width x pictureHeight [px]: the listener at x 0 on the ground, the
    // flight at height H. At rest it is 1.5 times the larger of H and a second of sound high, the listener in the
    // middle; as the source recedes it widens, anchored on the listener's side, so that the source keeps a share of
    // the width from the edge. It changes smoothly with t, so the view zooms out and back in without a jump.
    function windowAt(t, width, pictureHeight) {
        const extent = Math.max(height, program.soundSpeed);
        const half = (1.5 * extent) * width / pictureHeight / 2;
        const x = sourceX(t);
        const wide = Math.max(2 * half, (Math.abs(x) + half) / (1 - kEdge));
        const left = x >= 0 ? -half : half - wide;
        const perMetre = width / wide;
        const bottom = -kGround * pictureHeight / perMetre;
        return { left, right: left + wide, bottom, top: bottom + pictureHeight / perMetre, perMetre };
    }

    // The scale bar: the longest of 1, 2 or 5 x 10^n m that takes at most a share of the width.
    function scaleBar(perMetre, width) {
        const most = kBarShare * width / perMetre;
        const power = 10 ** Math.floor(Math.log10(most));
        const metres = [5, 2, 1].map((m) => m * power).find((m) => m <= most);
        return { metres, pixels: metres * perMetre };
    }

    function paint(view, showMachLines) {
        const { canvas, context } = view;
        const width = canvas.width / view.scale, full = canvas.height / view.scale;
        const pictureHeight = full / (1 + kStripShare);
        context.setTransform(view.scale, 0, 0, view.scale, 0, 0);
        const w = windowAt(time, width, pictureHeight);
        const px = (x) => (x - w.left) * w.perMetre, py = (y) => (w.top - y) * w.perMetre;
        context.fillStyle = program.look.background;
        context.fillRect(0, 0, width, pictureHeight);
        context.fillStyle = colours.ground;
        context.fillRect(0, py(0), width, pictureHeight - py(0));
        const source = { x: px(sourceX(time)), y: py(height) }, listener = { x: px(0), y: py(0) };
        if (heard) {
            // The fronts sent so far, centred where they were sent out; sound goes no further than the ground.
            context.save();
            context.beginPath();
            context.rect(0, 0, width, listener.y);
            context.clip();
            context.beginPath();
            const reach = Math.hypot(width, pictureHeight);
            for (const a of heard.arrivals) {
                if (a.tEmitted > time) continue;
                const r = program.soundSpeed * (time - a.tEmitted) * w.perMetre;
                const x = px(a.xEmitted);
                if (Math.abs(x - width / 2) > reach + r) continue;
                // Only what passes through the picture is stroked: most of a large front lies outside.
                painting.outline(context, x, source.y, r, width, listener.y);
            }
            context.lineWidth = 1;
            context.strokeStyle = program.look.wave;
            context.stroke();
            // The cone trails the source.
            if (showMachLines && Math.abs(state.M) > 1)
                painting.machLines(context, source.x, source.y, state.M, state.M > 0 ? 1 : -1, reach);
            context.restore();
        }
        // The flight's path, the listener standing on the ground, the source and the scale.
        context.setLineDash([6, 4]);
        context.beginPath();
        context.moveTo(0, source.y);
        context.lineTo(width, source.y);
        context.strokeStyle = colours.line;
        context.lineWidth = 1;
        context.stroke();
        context.setLineDash([]);
        context.beginPath();
        context.moveTo(listener.x, listener.y - 12);
        context.lineTo(listener.x - 6, listener.y);
        context.lineTo(listener.x + 6, listener.y);
        context.closePath();
        context.fillStyle = colours.ink;
        context.fill();
        painting.sourceDot(context, source.x, source.y);
        const bar = scaleBar(w.perMetre, width);
        const barAt = { x: 8, y: 8 };
        painting.scaleBar(view, barAt.x, barAt.y, bar.pixels, Rules.fill(words.scaleBar, [local(bar.metres)]));
        paintStrip(view, width, pictureHeight, full - pictureHeight);
        shown = { ...w, width, pictureHeight, source, listener,
                  bar: { metres: bar.metres, from: barAt.x, to: barAt.x + bar.pixels, y: barAt.y } };
    }

    // The strip's marks, one for each arrival, once dark (heard) and once light (not yet), one above the other, on
    // a canvas of their own: a frame copies the two parts instead of drawing every mark.
    function marksFor(view, width, height, at) {
        const key = [heard, span, width, height, view.scale].join();
        if (marks && marks.key === key && marks.heard === heard) return marks.canvas;
        const canvas = document.createElement("canvas");
        [canvas.width, canvas.height] = [Math.ceil(width * view.scale), Math.ceil(2 * height * view.scale)];
        const context = canvas.getContext("2d");
        context.scale(view.scale, view.scale);
        [colours.text, colours.notYet].forEach((colour, row) => {
            context.fillStyle = colours.rule;
            context.fillRect(0, row * height + height / 2, width, 1);
            context.fillStyle = colour;
            for (const a of heard.arrivals)
                if (a.tArrives <= span) context.fillRect(Math.floor(at(a.tArrives)), row * height, 1, height);
        });
        marks = { key, heard, canvas };
        return canvas;
    }

    // The arrivals on a time line from -span to +span: each wavefront a mark where the listener hears it, dark once
    // heard; the boom in red; the clock; what is heard now.
    function paintStrip(view, width, top, height) {
        const context = view.context;
        painting.strip(context, width, top, height);
        const at = (t) => ((t + span) / (2 * span)) * width;
        const markTop = top + 2, markHeight = height * 0.3;
        if (heard) {
            const image = marksFor(view, width, markHeight, at), s = view.scale;
            const split = Math.min(width, Math.floor(at(time)) + 1);
            if (split > 0) context.drawImage(image, 0, 0, split * s, markHeight * s, 0, markTop, split, markHeight);
            if (split < width)
                context.drawImage(image, split * s, markHeight * s, (width - split) * s, markHeight * s, split, markTop,
                                  width - split, markHeight);
            if (heard.boomTime !== null && heard.boomTime <= span) {
                context.fillStyle = colours.boom;
                context.fillRect(Math.floor(at(heard.boomTime)) - 1, markTop - 2, 3, markHeight + 4);
            }
        }
        context.fillStyle = colours.now;
        context.fillRect(Math.floor(at(time)), top, 2, markHeight + 4);
        const below = markTop + markHeight + 3;
        painting.stripText(view, timeText(), heardNow(), { top: below, height: top + height - below, width });
    }

    // What the listener hears now, or why there is no fly-over.
    function heardNow() {
        if (!heard) return refusal;
        if (heard.boomTime !== null && time >= heard.boomTime && time < heard.boomTime + kTick) return words.boom;
        const now = heardNowByStream();
        if (now.length === 0) {
            const first = heard.arrivals[heardCount()];
            return first ? Rules.fill(words.silenceUntil, [local(first.tArrives)]) : "";
        }
        const texts = now.flatMap((a) => [local(a.heardFrequency), local(a.heardFrequency / heard.f0)]);
        return Rules.fill(now.length === 2 ? words.heardNowTwo : words.heardNow, texts);
    }

    // ---- START and the listener's height ----
    // A new set-up: the fronts heard from it, the span and what the figure says. Returns false where the height's
    // text is not a distance.
    function setUp(next, heightText) {
        const value = Rules.textToNumber(heightText);
        if (value === null || !(value >= 0)) return false;
        state = next;
        height = value;
        span = spanOf(state, height);
        refusal = "";
        try {
            heard = state.started ? sortStreams(Rules.flyOver(state, height, span), state, height) : null;
        } catch (error) {
            if (!(error instanceof Rules.FlyOverRefusal)) throw error;
            heard = null;
            refusal = error.message;
        }
        sound.silence();
        $("flyover-title").textContent =
            Rules.fill(state.M === 0 ? words.flyOverTitleAtRest : words.flyOverTitle, [local(height, 6)]);
        // When the source sends: the clock runs from the first front to the last.
        const sent = heard ? [heard.arrivals.reduce((t, a) => Math.min(t, a.tEmitted), Infinity),
                              heard.arrivals.reduce((t, a) => Math.max(t, a.tEmitted), -Infinity)] : null;
        $("flyover-sending").textContent = sent === null ? "" : Rules.fill(words.sending,
            [local(1 / heard.f0), local(heard.f0), local(sent[0]), local(sent[1])]);
        return true;
    }

    // START: the new set-up from the start of the fly-over.
    function restart(next, heightText) {
        if (!setUp(next, heightText)) return false;
        moveTo(-span);
        return true;
    }

    // Another height for the same parameters: the fly-over goes on from where it is, within the new span.
    function moveListener(heightText) {
        if (state === null || !setUp(state, heightText)) return false;
        moveTo(Math.max(-span, Math.min(span, time)));
        return true;
    }

    return {
        get span() { return span; },
        get time() { return time; },
        get height() { return height; },
        get tick() { return tick(); },
        get heard() { return heard; },
        baseTone: sound.kBaseTone,
        restart, moveListener, advance, step, paint, timeText,
        silence: sound.silence,
        goTo: (t) => { moveTo(t); sound.silence(); },
        turnSoundOn: sound.turnOn,
        // What the listener has heard: said on a pause, never per frame.
        news: () => Rules.fill(heardCount() === 1 ? words.arrivedNewsOne : words.arrivedNews, [heardCount()]),
        boomNews: () => Rules.fill(words.boomNews, [local(heard.boomTime)]),
        boomTime: () => (heard ? heard.boomTime : null),
        arrivals: () => (heard ? heard.arrivals : []),
        f0: () => (heard ? heard.f0 : null),
        shown: () => shown,
        audioOpened: sound.opened,
        soundsPending: sound.pending,
    };
}
