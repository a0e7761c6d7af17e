// ==== The player ====
// Plays the window's ticks at 25 per second, pauses, steps and scrubs over the clock cycle, and draws the two views.
// Every frame is computed afresh from the clock with the rules above, so a frame never depends on how it was reached.
(() => {
    const $ = (id) => document.getElementById(id);
    const program = JSON.parse($("program").textContent);
    const Rules = makeRules(program);
    const words = program.page;
    const startUp = JSON.parse($("start-up").textContent);
    const fields = { M: $("text-M"), nWave: $("text-nWave"), tMax: $("text-tMax"), H: $("text-H") };

    const kTickMs = program.tickSeconds * 1000; // the window's timer interval [ms]
    const kScrubTicks = 100000;   // the longest cycle the scrubber spans: about 67 minutes of playing
    const kDotRadius = program.look.dotRadius; // below this radius [px] a circle is a dot one pixel wide
    const kLargestDrawnRadius = 1e6; // beyond this radius [px] a circle is drawn as its tangent across the picture
    const kPrintScale = 4;        // device pixels per CSS pixel when printing, for a sharp picture on paper
    const kStripShare = 0.08;     // the clock's strip below each picture, as a share of the picture's height
    const kPrintWidth = 480;      // the printed views' width [CSS px] that the outlines' width is measured against
    const world = { left: program.world.left, top: program.world.top,
                    width: program.world.right - program.world.left, height: program.world.bottom - program.world.top };

    let state = Rules.startUp();
    let clock = 0;        // the model's clock after the last tick [s]
    let drawnAt = 0;      // the clock the shown frame was drawn at [s]
    let cycleTick = 0;    // the shown frame's tick within its clock cycle, from 1
    let cycle = { ticks: 1, whole: true }; // ticks of one clock cycle, up to kScrubTicks
    let frame = [];       // the shown frame's circles {x, r} [m]
    let timer = 0;

    // Ticks until the clock passes one emission interval and wraps.
    function cycleOf(next) {
        let t = 0;
        for (let n = 1; n <= kScrubTicks; ++n) {
            t = Rules.nextClock(t);
            if (Rules.wraps(next, t)) return { ticks: n, whole: true };
        }
        return { ticks: kScrubTicks, whole: false };
    }

    // n ticks as the window's timer runs them, then the last one is shown.
    function runTicks(n) {
        for (let k = 0; k < n; ++k) {
            const t = Rules.nextClock(clock);
            cycleTick = clock === 0 ? 1 : cycleTick + 1;
            drawnAt = t;
            clock = Rules.wraps(state, t) ? 0 : t;
        }
        show();
    }

    function goToTick(k) {
        clock = 0;
        runTicks(Math.max(1, Math.min(k, cycle.ticks)));
    }

    // ---- Drawing ----
    // Opaque canvases: the compositor need not blend them with what lies below.
    const views = [$("source-view"), $("ground-view"), $("flyover-view")].map((canvas) => ({
        canvas, context: canvas.getContext("2d", { alpha: false }), scale: 1 }));

    // The backing store at the screen's resolution: exactly the device pixels the canvas covers where the browser
    // says how many (then the compositor copies it without scaling), else its CSS size times devicePixelRatio.
    function fit(view, devicePixels) {
        const cssWidth = view.canvas.clientWidth, cssHeight = view.canvas.clientHeight;
        if (cssWidth === 0 || cssHeight === 0) return;
        let width = Math.round(cssWidth * window.devicePixelRatio);
        let height = Math.round(cssHeight * window.devicePixelRatio);
        // The browser's count settles the rounding; one that disagrees more (as under emulated resolutions) is stale.
        const near = (count, estimate) => Math.abs(count - estimate) <= 1;
        if (devicePixels && near(devicePixels.inlineSize, width) && near(devicePixels.blockSize, height))
            [width, height] = [devicePixels.inlineSize, devicePixels.blockSize];
        view.scale = width / cssWidth;
        if (view.canvas.width !== width || view.canvas.height !== height) {
            [view.canvas.width, view.canvas.height] = [width, height];
            view.font = null; // a resized canvas starts with a fresh drawing state
        }
    }

    const painting = makePainting(program, Rules);

    // Circles {x, y, r} in metres onto a view, as the window paints them: one CSS pixel wide outlines, dots for
    // circles smaller than a pixel, nothing for negative radii, only outlines that can pass through the picture.
    function paint(view, circles) {
        const { canvas, context } = view;
        const width = canvas.width / view.scale, height = canvas.height / view.scale / (1 + kStripShare);
        context.setTransform(view.scale, 0, 0, view.scale, 0, 0);
        context.fillStyle = program.look.background;
        context.fillRect(0, 0, width, height);
        const perMetre = width / world.width; // radii are measured along x, so circles stay round
        const middleX = width / 2, middleY = height / 2;
        const reach = Math.hypot(width, height) / 2 + 1;
        const dots = [];
        context.beginPath();
        for (const c of circles) {
            const r = c.r * perMetre;
            if (!(r >= 0)) continue;
            const x = (c.x - world.left) * perMetre, y = (c.y - world.top) * height / world.height;
            if (r < kDotRadius) {
                dots.push([Math.floor(x), Math.floor(y)]);
                continue;
            }
            const distance = Math.hypot(middleX - x, middleY - y);
            if (Math.abs(distance - r) > reach) continue;
            if (r <= kLargestDrawnRadius) {
                painting.outline(context, x, y, r, width, height);
            } else {
                const ux = (middleX - x) / distance, uy = (middleY - y) / distance;
                const nearX = middleX - ux * (distance - r), nearY = middleY - uy * (distance - r);
                context.moveTo(nearX + uy * reach, nearY - ux * reach);
                context.lineTo(nearX - uy * reach, nearY + ux * reach);
            }
        }
        context.lineWidth = 1;
        context.strokeStyle = program.look.wave;
        context.stroke();
        context.fillStyle = program.look.wave;
        for (const [x, y] of dots) context.fillRect(x, y, 1, 1);
        const source = circles[circles.length - 1];
        const sourceX = (source.x - world.left) * perMetre, sourceY = (source.y - world.top) * height / world.height;
        // Above Mach 1 the cone opens downstream.
        if (Math.abs(state.M) > 1 && $("mach-lines").checked)
            painting.machLines(context, sourceX, sourceY, state.M, state.M > 0 ? 1 : -1, Math.hypot(width, height));
        painting.sourceDot(context, sourceX, sourceY);
        paintStrip(view, width, height);
    }

    // Below the picture: the clock and where it is in its cycle.
    function paintStrip(view, width, top) {
        const context = view.context;
        const height = top * kStripShare;
        painting.strip(context, width, top, height);
        context.fillStyle = painting.colours.line;
        const bar = Math.max(1, Math.round(height / 8));
        context.fillRect(0, top, width * Math.min(cycleTick, cycle.ticks) / cycle.ticks, bar);
        painting.stripText(view, clockText(), tickText(), Math.min(16, height * 0.62), top + bar + (height - bar) / 2);
    }

    const clockText = () => Rules.fill(words.clock, [Rules.local(Rules.numberToText(drawnAt))]);
    const tickText = () => Rules.fill(cycle.whole ? words.tickOf : words.tickOfMore, [cycleTick, cycle.ticks]);

    // Ground frame: the wavefronts' centres stay where the source sent them out, and the source moves through them
    // at -uSource. Shifted by half the source's path in one interval, so that it passes the same place as in the
    // source view; at most half the window's height, so that it starts in view.
    function groundCircles() {
        const path = state.uSource * Math.max(state.dtWave, 0) / 2;
        const shift = Math.max(-world.height / 2, Math.min(world.height / 2, path));
        const circles = frame.slice(0, -1).map((c, i) => ({ x: shift + state.uSource * (i * state.dtWave), y: 0,
                                                            r: c.r }));
        circles.push({ x: shift - state.uSource * drawnAt, y: 0, r: frame[frame.length - 1].r });
        return circles;
    }

    const sourceCircles = () => frame.map((c) => ({ x: c.x, y: 0, r: c.r }));
    const flyOver = makeFlyOver(program, Rules, $, painting);

    function draw() {
        if (frame.length === 0) return;
        paint(views[0], sourceCircles());
        paint(views[1], groundCircles());
        flyOver.paint(views[2], $("mach-lines").checked);
    }

    function show() {
        const circles = Rules.circlesAt(state, drawnAt);
        if (circles === null) {
            // The window ends with this run-time error; the page stops and says it.
            pause();
            showMessage(program.overflow);
            return;
        }
        frame = circles;
        draw();
        showClock();
    }

    // The clock beside the scrubber and where the scrubber's thumb stands. While playing, a thumb of its own moves
    // over the slider and the slider itself keeps still, so that assistive technology hears nothing per frame; the
    // slider follows when the animation stops.
    const thumbs = [$("playing-thumb"), $("flyover-thumb")];
    let thumbTravel = 0; // how far those thumbs move across their sliders [CSS px], measured when the layout changes
    const measureThumb = () => (thumbTravel = thumbs[0].parentElement.clientWidth - thumbs[0].offsetWidth);
    // While playing, tNow beside the slider is drawn on a small canvas of its own: text written into the page at
    // every tick would make the browser lay the page out again 25 times a second.
    const playingClock = { canvas: $("clock-playing"), context: $("clock-playing").getContext("2d"), scale: 1 };
    function fitPlayingClock() {
        const { canvas } = playingClock;
        playingClock.scale = window.devicePixelRatio;
        canvas.width = Math.round(canvas.clientWidth * playingClock.scale);
        canvas.height = Math.round(canvas.clientHeight * playingClock.scale);
        const context = playingClock.context;
        const style = getComputedStyle($("clock"));
        context.setTransform(playingClock.scale, 0, 0, playingClock.scale, 0, 0);
        context.font = `${style.fontSize} ${style.fontFamily}`;
        context.fillStyle = style.color;
        context.textBaseline = "middle";
    }
    function showClock() {
        if (timer !== 0) {
            const shares = [cycle.ticks > 1 ? (Math.min(cycleTick, cycle.ticks) - 1) / (cycle.ticks - 1) : 0,
                            (flyOver.time + flyOver.span) / (2 * flyOver.span)];
            thumbs.forEach((thumb, k) => (thumb.style.transform = `translateX(${shares[k] * thumbTravel}px)`));
            const { canvas, context, scale } = playingClock;
            context.clearRect(0, 0, canvas.width / scale, canvas.height / scale);
            context.fillText(clockText(), 0, canvas.height / scale / 2);
            return;
        }
        $("clock").textContent = clockText();
        const scrubber = $("scrubber");
        scrubber.value = String(Math.min(cycleTick, cycle.ticks));
        scrubber.setAttribute("aria-valuetext", Rules.fill(words.tickAndClock, [tickText(), clockText()]));
        const flyScrubber = $("flyover-scrubber");
        flyScrubber.value = String(flyOver.tick);
        flyScrubber.setAttribute("aria-valuetext", flyOver.timeText());
    }

    // One tick of playing: both clocks move on; the boom is said once, when it reaches the listener.
    function playTick() {
        const before = flyOver.time;
        flyOver.advance(program.tickSeconds, true);
        runTicks(1);
        const boom = flyOver.boomTime();
        if (boom !== null && before < boom && flyOver.time >= boom) $("flyover-news").textContent = flyOver.boomNews();
    }

    // ---- Playing ----
    function play() {
        if (timer !== 0) return;
        timer = setInterval(playTick, kTickMs);
        $("play").textContent = words.pause;
        document.body.classList.add("playing");
        measureThumb();
        fitPlayingClock();
        showClock();
    }

    // Nothing keeps running while paused: no timer, no animation frame.
    function pause() {
        if (timer === 0) return;
        clearInterval(timer);
        timer = 0;
        flyOver.silence();
        $("flyover-news").textContent = flyOver.news();
        $("play").textContent = words.play;
        document.body.classList.remove("playing");
        showClock();
    }

    const toggle = () => (timer === 0 ? play() : pause());

    function step(direction) {
        pause();
        flyOver.step(direction * program.tickSeconds);
        if (direction > 0) runTicks(1);
        else if (cycleTick > 1) goToTick(cycleTick - 1);
        else if (cycle.whole) goToTick(cycle.ticks); // back past the wrap: the cycle's last tick
    }

    // ---- START ----
    function showMessage(text) {
        $("refusal").textContent = text;
        $("refusal").hidden = false;
    }

    function describe() {
        $("caption").textContent = state.started ? Rules.caption(state) : words.beforeStart;
        $("regime").textContent = Rules.describePicture(state); // the live region says it once per change
        // Which way the air streams and the source moves follows the sign of M; at M 0 nothing moves.
        const motion = state.M > 0 ? "" : state.M < 0 ? "OtherWay" : "AtRest";
        $("source-title").textContent = words["sourceTitle" + motion];
        $("ground-title").textContent = words["groundTitle" + motion];
        const mach = Math.abs(state.M);
        $("mach-angle").hidden = !(mach > 1);
        $("mach-angle").textContent = Rules.fill(words.machAngle,
                                                 [Rules.local(Rules.oneDecimal(Rules.machAngleDegrees(mach)))]);
        document.querySelector(".mach-lines").hidden = !(mach > 1);
    }

    // As the window's START: a refusal changes nothing and names the field to correct.
    function refuse(field, message) {
        showMessage(message);
        fields[field].setAttribute("aria-invalid", "true");
        fields[field].focus();
        fields[field].select();
    }

    function start() {
        for (const input of Object.values(fields)) input.removeAttribute("aria-invalid");
        let next;
        try {
            next = Rules.restart(fields.M.value, fields.nWave.value, fields.tMax.value);
        } catch (refusal) {
            if (!(refusal instanceof Rules.Refusal)) throw refusal;
            refuse(refusal.field, refusal.message);
            return;
        }
        if (!flyOver.restart(next, fields.H.value)) {
            refuse("H", Rules.fill(words.heightRefused, [Rules.local(startUp.height)]));
            return;
        }
        $("refusal").hidden = true;
        $("flyover-news").textContent = "";
        state = next;
        cycle = cycleOf(state);
        $("scrubber").max = String(cycle.ticks);
        describe();
        goToTick(1);
    }

    // ---- Wiring ----
    $("play").addEventListener("click", toggle);
    $("back").addEventListener("click", () => step(-1));
    $("forward").addEventListener("click", () => step(1));
    $("scrubber").addEventListener("input", (event) => goToTick(Number(event.target.value)));
    $("mach-lines").addEventListener("change", draw);
    $("flyover-scrubber").addEventListener("input", (event) => {
        flyOver.goTo(Number(event.target.value) * program.tickSeconds);
        draw();
        showClock();
    });
    // Sound starts only when the reader asks for it: the audio is made then, on that click.
    $("sound").addEventListener("change", (event) => (event.target.checked ? flyOver.turnSoundOn() : flyOver.silence()));
    // On the fly-over, Up and Down move the listener away from the flight and towards it.
    $("flyover-view").addEventListener("keydown", (event) => {
        if (event.key !== "ArrowUp" && event.key !== "ArrowDown") return;
        event.preventDefault();
        event.stopPropagation();
        const height = flyOver.height, change = Math.max(50, Math.round(height * 0.1));
        const next = Math.max(0, event.key === "ArrowUp" ? height + change : height - change);
        fields.H.value = Rules.local(Rules.numberToText(next));
        flyOver.restart(state, fields.H.value);
        showClock();
        draw();
    });
    $("parameters").addEventListener("submit", (event) => {
        event.preventDefault();
        start();
    });
    document.addEventListener("keydown", (event) => {
        const target = event.target;
        if (event.altKey || event.ctrlKey || event.metaKey) return;
        if (target instanceof HTMLInputElement && target.type !== "range") return; // typing a number
        const keys = { " ": toggle, ArrowRight: () => step(1), ArrowUp: () => step(1), ArrowLeft: () => step(-1),
                       ArrowDown: () => step(-1) };
        if (!(event.key in keys)) return;
        event.preventDefault(); // also keeps a focused button from taking the space as a click
        keys[event.key]();
    });

    const refit = (entries = []) => {
        measureThumb();
        for (const view of views)
            fit(view, entries.find((entry) => entry.target === view.canvas)?.devicePixelContentBoxSize?.[0]);
        draw();
    };
    // Also a change of zoom or screen resolution: the device pixels change while the CSS size may not.
    const resizes = new ResizeObserver(refit);
    for (const view of views) {
        try {
            resizes.observe(view.canvas, { box: "device-pixel-content-box" });
        } catch {
            resizes.observe(view.canvas); // browsers that cannot count device pixels
        }
    }
    window.addEventListener("resize", () => refit());
    // Printing: each view as a picture of four device pixels per CSS pixel, made when printing begins, so that the
    // paper shows the current frame sharply whatever the screen's resolution and the paper's layout.
    const printed = views.map((view) => {
        const image = document.createElement("img");
        image.className = "printed";
        image.alt = "";
        image.setAttribute("aria-hidden", "true");
        view.canvas.after(image);
        return image;
    });
    function preparePrint() {
        if (frame.length === 0) return;
        [sourceCircles(), groundCircles(), null].forEach((circles, k) => {
            const canvas = document.createElement("canvas");
            canvas.width = kPrintWidth * kPrintScale;
            canvas.height = Math.round(kPrintWidth * world.height / world.width * (1 + kStripShare) * kPrintScale);
            const view = { canvas, context: canvas.getContext("2d", { alpha: false }), scale: kPrintScale };
            if (circles === null) flyOver.paint(view, $("mach-lines").checked);
            else paint(view, circles);
            printed[k].src = canvas.toDataURL("image/png");
        });
    }
    window.addEventListener("beforeprint", preparePrint);
    window.matchMedia("print").addEventListener("change", (query) => query.matches && preparePrint());

    // What the views show now, for scripts that check the page.
    window.conwave = Object.freeze({
        flyOver: () => ({ time: flyOver.time, height: flyOver.height, boomTime: flyOver.boomTime(), f0: flyOver.f0(),
                          arrivals: flyOver.arrivals().map((a) => a.tArrives), audioOpened: flyOver.audioOpened(),
                          soundsPending: flyOver.soundsPending() }),
        now: () => ({ drawnAt, cycleTick, cycleTicks: cycle.ticks, wholeCycle: cycle.whole, playing: timer !== 0,
                      source: frame.map((c) => ({ x: c.x, r: c.r })),
                      ground: frame.length ? groundCircles().map((c) => ({ x: c.x, r: c.r })) : [] }),
    });

    fields.M.value = startUp.texts[0];
    fields.nWave.value = startUp.texts[1];
    fields.tMax.value = startUp.texts[2];
    fields.H.value = startUp.height;
    $("flyover-scrubber").min = String(-Math.round(flyOver.span / program.tickSeconds));
    $("flyover-scrubber").max = String(Math.round(flyOver.span / program.tickSeconds));
    if (startUp.started) {
        start();
    } else {
        flyOver.restart(state, fields.H.value);
        describe();
        goToTick(1);
    }
    refit();
    if (!window.matchMedia("(prefers-reduced-motion: reduce)").matches) play();
})();
