// ==== The fly-over's sound ====
// Web Audio, made only when the reader turns the sound on: a click for every wavefront that reaches the listener, a
// tone for each stream of wavefronts at the pitch heard (two at once after the boom), and the boom. The clicks and
// tones are as loud as each arrival's loudness says (it falls with the distance the front travelled); the boom is
// louder than all. It follows the fly-over's clock at the page's speed (1 plays it as it happens, 1/10 ten times
// slower); heard is the fly-over's { f0, boomTime, arrivals } with each arrival's stream, its loudness and, for the
// last of its stream, how long its pitch holds (endsAfter [s]), or null where there is none.
function makeSound(isOn) {
    const kBaseTone = 330;         // [Hz] the tone's pitch for f0: comfortable, with room either way
    const kToneRange = [40, 4000]; // [Hz] the tone stays within hearing and the speaker's reach
    const kLookAhead = 0.25;       // [s] of audio time scheduled ahead of the clock while playing
    const kClickGain = 0.5;        // a click from overhead
    const kToneGain = 0.08;        // a tone from overhead; two may sound at once
    const kBoomGain = 0.9;         // the boom, the loudest
    const kClickSeconds = 0.005;   // [s] a click's length

    let audio = null;     // { context, tones: [{ oscillator, gain }, ...], click }
    let scheduledUntil = -Infinity; // fly-over time up to which events are scheduled
    let origin = null;    // the audio time of fly-over time 0 while playing: one stretch, so that clicks keep time
    let pending = [];     // { source, end }: the sources still to sound, stopped at a pause

    function openAudio() {
        const context = new AudioContext();
        // One tone for each stream, silent until its first arrival.
        const tones = [0, 1].map(() => {
            const gain = context.createGain();
            gain.gain.value = 0;
            gain.connect(context.destination);
            const oscillator = context.createOscillator();
            oscillator.type = "triangle";
            oscillator.connect(gain);
            oscillator.start();
            return { oscillator, gain };
        });
        // A click: a few milliseconds of decaying noise.
        const click = context.createBuffer(1, Math.round(context.sampleRate * kClickSeconds), context.sampleRate);
        const samples = click.getChannelData(0);
        for (let k = 0; k < samples.length; ++k) samples[k] = (Math.random() * 2 - 1) * (1 - k / samples.length);
        return { context, tones, click };
    }

    const pitch = (heard, frequency) =>
        Math.min(kToneRange[1], Math.max(kToneRange[0], kBaseTone * frequency / heard.f0));

    // One arrival at audio time `when`, at a speed; after the last of its stream, the stream's tone ends.
    function scheduleArrival(heard, arrival, when, speed) {
        const { context, click, tones } = audio;
        const source = context.createBufferSource(), gain = context.createGain();
        source.buffer = click;
        gain.gain.setValueAtTime(kClickGain * arrival.loudness, when);
        source.connect(gain).connect(context.destination);
        source.start(when);
        pending.push({ source, end: when + click.duration });
        if (arrival.heardFrequency === null) return; // the cone's own front: the boom says it
        const tone = tones[arrival.stream];
        tone.oscillator.frequency.setValueAtTime(pitch(heard, arrival.heardFrequency), when);
        tone.gain.gain.setValueAtTime(kToneGain * arrival.loudness, when);
        if (arrival.endsAfter !== null) tone.gain.gain.setValueAtTime(0, when + arrival.endsAfter / speed);
    }

    // The boom: a short low thump, its pitch falling.
    function scheduleBoom(when) {
        const { context } = audio;
        const thump = context.createOscillator(), gain = context.createGain();
        thump.frequency.setValueAtTime(90, when);
        thump.frequency.exponentialRampToValueAtTime(35, when + 0.3);
        gain.gain.setValueAtTime(kBoomGain, when);
        gain.gain.exponentialRampToValueAtTime(0.001, when + 0.45);
        thump.connect(gain).connect(context.destination);
        thump.start(when);
        thump.stop(when + 0.5);
        pending.push({ source: thump, end: when + 0.5 });
    }

    // Everything heard from fly-over time from up to to, each at audioOrigin + its time / speed. What has sounded is
    // let go first, so that a lesson that leaves the page playing keeps only the next moment's sounds.
    function schedule(heard, from, to, audioOrigin, speed) {
        if (!audio || !heard || !isOn()) return;
        const now = audio.context.currentTime;
        pending = pending.filter((sound) => sound.end > now);
        const at = (t) => audioOrigin + t / speed;
        for (const arrival of heard.arrivals) {
            if (arrival.tArrives >= to) break;
            if (arrival.tArrives >= from) scheduleArrival(heard, arrival, at(arrival.tArrives), speed);
        }
        if (heard.boomTime !== null && heard.boomTime >= from && heard.boomTime < to) scheduleBoom(at(heard.boomTime));
    }

    // Both tones fall silent at audio time `when`.
    function endTones(when) {
        for (const tone of audio.tones) tone.gain.gain.setValueAtTime(0, when);
    }

    function silence() {
        for (const sound of pending) sound.source.stop();
        pending = [];
        if (audio) {
            const now = audio.context.currentTime;
            for (const tone of audio.tones) {
                tone.gain.gain.cancelScheduledValues(now);
                tone.oscillator.frequency.cancelScheduledValues(now);
            }
            endTones(now);
        }
        scheduledUntil = -Infinity;
        origin = null;
    }

    // While playing at a speed, after the clock moved on from `from` to time: what is heard next is scheduled a
    // little ahead of it on one stretch of audio time, taken up again only where the page's timer has drifted from
    // the audio clock by more than a frame or two.
    function keepUp(heard, from, time, speed) {
        if (!audio || !isOn()) return;
        if (time < from) silence(); // back at the start of the flight
        const now = audio.context.currentTime;
        if (origin === null || Math.abs(now - origin - time / speed) > kLookAhead / 2) {
            silence();
            origin = now - time / speed;
        }
        const start = Math.max(scheduledUntil, time);
        const until = time + kLookAhead * speed;
        if (start < until) {
            schedule(heard, start, until, origin, speed);
            scheduledUntil = until;
        }
    }

    // One step by hand from `from` to time at a speed: what a step forward passes over is heard at once, and the
    // tones end with the step.
    function passOver(heard, from, time, forward, speed) {
        silence();
        if (!forward || !audio || !isOn()) return;
        const now = audio.context.currentTime;
        schedule(heard, from, time, now - from / speed, speed);
        endTones(now + (time - from) / speed);
    }

    function turnOn() {
        if (!audio) audio = openAudio();
        if (audio.context.state === "suspended") audio.context.resume();
    }

    return { kBaseTone, turnOn, silence, keepUp, passOver, opened: () => audio !== null, pending: () => pending.length };
}
