// ==== The fly-over's sound ====
// Web Audio, made only when the reader turns the sound on: a click for every wavefront that reaches the listener, a
// tone at the pitch heard, and the boom. It follows the fly-over's clock; heard is the fly-over's { f0, boomTime,
// arrivals }, or null where there is none.
function makeSound(isOn) {
    const kBaseTone = 330;         // [Hz] the tone's pitch for f0: comfortable, with room either way
    const kToneRange = [40, 4000]; // [Hz] the tone stays within hearing and the speaker's reach
    const kLookAhead = 0.25;       // [s] of fly-over time scheduled ahead of the clock while playing

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

    const pitch = (heard, frequency) =>
        Math.min(kToneRange[1], Math.max(kToneRange[0], kBaseTone * frequency / heard.f0));

    function scheduleArrival(heard, arrival, when) {
        const { context, click, tone, toneGain } = audio;
        const source = context.createBufferSource();
        source.buffer = click;
        source.connect(context.destination);
        source.start(when);
        pending.push({ source, end: when + click.duration });
        if (arrival.heardFrequency === null) return; // the cone's own front: the boom says it
        tone.frequency.setValueAtTime(pitch(heard, arrival.heardFrequency), when);
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
    function schedule(heard, from, to, audioOrigin) {
        if (!audio || !heard || !isOn()) return;
        const now = audio.context.currentTime;
        pending = pending.filter((sound) => sound.end > now);
        for (const arrival of heard.arrivals) {
            if (arrival.tArrives >= to) break;
            if (arrival.tArrives >= from) scheduleArrival(heard, arrival, audioOrigin + arrival.tArrives);
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

    // While playing, after the clock moved on from `from` to time: what is heard next is scheduled a little ahead of
    // it on one stretch of audio time, taken up again only where the page's timer has drifted from the audio clock
    // by more than a frame or two.
    function keepUp(heard, from, time) {
        if (!audio || !isOn()) return;
        if (time < from) silence(); // back at the start of the flight
        const now = audio.context.currentTime;
        if (origin === null || Math.abs(now - origin - time) > kLookAhead / 2) {
            silence();
            origin = now - time;
        }
        const start = Math.max(scheduledUntil, time);
        if (start < time + kLookAhead) {
            schedule(heard, start, time + kLookAhead, origin);
            scheduledUntil = time + kLookAhead;
        }
    }

    // One step by hand from `from` to time: what a step forward passes over is heard at once.
    function passOver(heard, from, time, forward) {
        silence();
        if (forward && audio && isOn()) schedule(heard, from, time, audio.context.currentTime - from);
    }

    function turnOn() {
        if (!audio) audio = openAudio();
        if (audio.context.state === "suspended") audio.context.resume();
    }

    return { turnOn, silence, keepUp, passOver, opened: () => audio !== null, pending: () => pending.length };
}
