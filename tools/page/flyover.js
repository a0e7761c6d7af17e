// ==== The fly-over heard from the ground ====
// A third view on its own clock, from -span to +span around the pass overhead: the ground and the listener, the
// source crossing with its wavefronts, a strip that marks each arrival as the listener hears it, the frequency heard
// now, and sound on request. The arrivals are the program's (the rules' flyOver), so a sweep checks them.
function makeFlyOver(program, Rules, $, seenArcs) {
    const words = program.page;
    const kSpan = program.flyOverSpan;   // [s] either side of the pass overhead
    const kStripShare = 0.16;            // the arrivals' strip below the picture, as a share of its height
    const kBaseTone = 330;               // [Hz] the tone's pitch for f0: comfortable, with room either way
    const kToneRange = [40, 4000];       // [Hz] the tone stays within hearing and the speaker's reach
    const kLookAhead = 0.25;             // [s] of fly-over time scheduled ahead of the clock while playing
    const local = (value, figures = 3) => Rules.local(Rules.readableNumber(value, figures));

    let state = null;     // the restart's state, or null before START
    let height = 1000;    // H [m]
    let heard = null;     // { f0, boomTime, arrivals } or null
    let refusal = "";     // why there is no fly-over for these parameters
    let time = -kSpan;    // the fly-over's clock [s]

    // ---- Sound (Web Audio): nothing is made until the reader turns it on ----
    let audio = null;     // { context, tone, toneGain, click }
    let scheduledUntil = -Infinity; // fly-over time up to which events are scheduled
    let origin = null;    // the audio time of fly-over time 0 while playing: one stretch, so that clicks keep time
    let pending = [];     // { source, end }: the sources still to sound, stopped at a pause

    function openAudio() {
        const context = new AudioContext();
        const toneGain = context.createGain();
        toneGain.gain.value = 0;
        toneGain.connect(context.destination);
        const tone = context.createOscillator();
        tone.type = "triangle";
        tone.connect(toneGain);
        tone.start();
        // A click: five milliseconds of decaying noise.
        const click = context.createBuffer(1, Math.round(context.sampleRate * 0.005), context.sampleRate);
        const samples = click.getChannelData(0);
        for (let k = 0; k < samples.length; ++k) samples[k] = (Math.random() * 2 - 1) * (1 - k / samples.length);
        return { context, tone, toneGain, click };
    }

    const soundOn = () => $("sound").checked;
    const pitch = (frequency) => Math.min(kToneRange[1], Math.max(kToneRange[0], kBaseTone * frequency / heard.f0));

    function scheduleArrival(arrival, when) {
        const { context, click, tone, toneGain } = audio;
        const source = context.createBufferSource();
        source.buffer = click;
        source.connect(context.destination);
        source.start(when);
        pending.push({ source, end: when + click.duration });
        if (arrival.heardFrequency === null) return; // the cone's own front: the boom says it
        tone.frequency.setValueAtTime(pitch(arrival.heardFrequency), when);
        toneGain.gain.setValueAtTime(0.06, when);
    }

    // The boom: a short low thump, its pitch falling.
    function scheduleBoom(when) {
        const { context } = audio;
        const thump = context.createOscillator(), gain = context.createGain();
        thump.frequency.setValueAtTime(90, when);
        thump.frequency.exponentialRampToValueAtTime(35, when + 0.3);
        gain.gain.setValueAtTime(0.8, when);
        gain.gain.exponentialRampToValueAtTime(0.001, when + 0.45);
        thump.connect(gain).connect(context.destination);
        thump.start(when);
        thump.stop(when + 0.5);
        pending.push({ source: thump, end: when + 0.5 });
    }

    // Everything heard from the fly-over time from up to to, each at origin + its time. What has sounded is let
    // go first, so that a lesson that leaves the page playing keeps only the next moment's sounds.
    function schedule(from, to, audioOrigin) {
        if (!audio || !heard || !soundOn()) return;
        const now = audio.context.currentTime;
        pending = pending.filter((sound) => sound.end > now);
        for (const arrival of heard.arrivals) {
            if (arrival.tArrives >= to) break;
            if (arrival.tArrives >= from) scheduleArrival(arrival, audioOrigin + arrival.tArrives);
        }
        if (heard.boomTime !== null && heard.boomTime >= from && heard.boomTime < to)
            scheduleBoom(audioOrigin + heard.boomTime);
    }

    function silence() {
        for (const sound of pending) sound.source.stop();
        pending = [];
        if (audio) {
            audio.toneGain.gain.cancelScheduledValues(audio.context.currentTime);
            audio.toneGain.gain.setValueAtTime(0, audio.context.currentTime);
            audio.tone.frequency.cancelScheduledValues(audio.context.currentTime);
        }
        scheduledUntil = -Infinity;
        origin = null;
    }

    // ---- The clock ----
    function moveTo(t) {
        time = t > kSpan + 1e-9 ? -kSpan : t < -kSpan - 1e-9 ? kSpan : t;
    }

    // While playing: the clock moves on, and what is heard next is scheduled a little ahead of it on one stretch
    // of audio time, taken up again only where the page's timer has drifted from the audio clock by more than a
    // frame or two.
    function advance(seconds, playing) {
        const from = time;
        moveTo(time + seconds);
        if (!playing || !audio || !soundOn()) return;
        if (time < from) silence(); // back at the start of the flight
        const now = audio.context.currentTime;
        if (origin === null || Math.abs(now - origin - time) > kLookAhead / 2) {
            silence();
            origin = now - time;
        }
        const start = Math.max(scheduledUntil, time);
        if (start < time + kLookAhead) {
            schedule(start, time + kLookAhead, origin);
            scheduledUntil = time + kLookAhead;
        }
    }

    // One step by hand: what the step passes over is heard at once.
    function step(seconds) {
        const from = time;
        moveTo(time + seconds);
        silence();
        if (seconds > 0 && audio && soundOn()) schedule(from, time, audio.context.currentTime - from);
    }

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
        context.fillStyle = "#D8D8D0";
        context.fillRect(0, py(0), width, pictureHeight - py(0));
        const sourceX = state ? state.uSource * time : 0;
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
                for (const [from, to] of seenArcs(x, y, r, width, py(0))) {
                    context.moveTo(x + r * Math.cos(from), y + r * Math.sin(from));
                    context.arc(x, y, r, from, to);
                }
            }
            context.lineWidth = 1;
            context.strokeStyle = program.look.wave;
            context.stroke();
            if (showMachLines && Math.abs(state.M) > 1) {
                const angle = Math.asin(1 / Math.abs(state.M)), behind = state.M > 0 ? -1 : 1;
                context.beginPath();
                for (const side of [-1, 1]) {
                    context.moveTo(px(sourceX), py(height));
                    context.lineTo(px(sourceX) + behind * reach * Math.cos(angle), py(height) + side * reach * Math.sin(angle));
                }
                context.lineWidth = 1.5;
                context.strokeStyle = "#1a1a66";
                context.stroke();
            }
            context.restore();
        }
        // The flight's path, the listener standing on the ground, and the source.
        context.setLineDash([6, 4]);
        context.beginPath();
        context.moveTo(0, py(height));
        context.lineTo(width, py(height));
        context.strokeStyle = "#555555";
        context.stroke();
        context.setLineDash([]);
        context.beginPath();
        context.moveTo(px(0), py(0) - 12);
        context.lineTo(px(0) - 6, py(0));
        context.lineTo(px(0) + 6, py(0));
        context.closePath();
        context.fillStyle = "#000000";
        context.fill();
        for (const [radius, colour] of [[5, "#FFFFFF"], [3.5, "#000000"]]) {
            context.beginPath();
            context.arc(px(sourceX), py(height), radius, 0, 2 * Math.PI);
            context.fillStyle = colour;
            context.fill();
        }
        paintStrip(context, width, pictureHeight, full - pictureHeight);
    }

    // The arrivals on a time line from -span to +span: each wavefront a mark where the listener hears it, dark once
    // heard; the boom in red; the clock; what is heard now.
    function paintStrip(context, width, top, height) {
        context.fillStyle = "#FFFFFF";
        context.fillRect(0, top, width, height + 1);
        const at = (t) => ((t + kSpan) / (2 * kSpan)) * width;
        const markTop = top + 2, markHeight = height * 0.38;
        if (heard) {
            context.fillStyle = "#BBBBBB";
            context.fillRect(0, markTop + markHeight / 2, width, 1);
            for (const a of heard.arrivals) {
                if (a.tArrives > kSpan) break;
                context.fillStyle = a.tArrives <= time ? "#111111" : "#AAAAAA";
                context.fillRect(Math.floor(at(a.tArrives)), markTop, 1, markHeight);
            }
            if (heard.boomTime !== null && heard.boomTime <= kSpan) {
                context.fillStyle = "#C00000";
                context.fillRect(Math.floor(at(heard.boomTime)) - 1, markTop - 2, 3, markHeight + 4);
            }
        }
        context.fillStyle = "#0050B4";
        context.fillRect(Math.floor(at(time)), top, 2, markHeight + 4);
        context.fillStyle = "#111111";
        context.font = Math.min(15, height * 0.36).toFixed(1) + "px system-ui, sans-serif";
        context.textBaseline = "middle";
        context.fillText(statusText(), 4, top + height * 0.72);
    }

    function statusText() {
        const clock = Rules.fill(words.flightTime, [local(Number(time.toFixed(2)), 15)]);
        if (!heard) return clock + "   " + refusal;
        const { latest } = heardSoFar();
        if (latest === null) return clock + "   " + words.silence;
        if (latest.heardFrequency === null) return clock + "   " + words.boom;
        return clock + "   " + Rules.fill(words.heardNow, [local(latest.heardFrequency), local(latest.heardFrequency / heard.f0)]);
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
        silence();
        $("flyover-title").textContent =
            Rules.fill(state.M === 0 ? words.flyOverTitleAtRest : words.flyOverTitle, [local(height, 6)]);
        return true;
    }

    return {
        span: kSpan,
        get time() { return time; },
        get height() { return height; },
        restart, advance, step, paint, silence,
        goTo: (t) => { moveTo(t); silence(); },
        turnSoundOn: () => { if (!audio) audio = openAudio(); if (audio.context.state === "suspended") audio.context.resume(); },
        // What the listener has heard: said on a pause, never per frame.
        news: () => Rules.fill(heardSoFar().count === 1 ? words.arrivedNewsOne : words.arrivedNews, [heardSoFar().count]),
        boomNews: () => Rules.fill(words.boomNews, [local(heard.boomTime)]),
        boomTime: () => (heard ? heard.boomTime : null),
        arrivals: () => (heard ? heard.arrivals : []),
        f0: () => (heard ? heard.f0 : null),
        audioOpened: () => audio !== null,
        soundsPending: () => pending.length,
    };
}
