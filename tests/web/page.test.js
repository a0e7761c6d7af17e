// The page of conwave-frames --html in Debian's headless Chromium: its frames against the program's CSV, its
// sentence and refusals against the program's, the ground view, the keyboard, the live region, and that it asks
// for nothing over the network and logs no error.
"use strict";

const assert = require("node:assert/strict");
const http = require("node:http");
const fs = require("node:fs");
const { describe, it, before, after, afterEach } = require("node:test");
const { launch } = require("./browser.js");
const h = require("./page_helpers.js");

let browser;
let opened = [];

before(async () => {
    browser = await launch();
});
after(async () => {
    await browser.close();
});

async function open(url, options) {
    const page = await h.openPage(browser, url, options);
    opened.push(page);
    return page;
}

// Every test's pages: no console error or warning, no uncaught error, no request beyond the page.
afterEach(async () => {
    const problems = opened.flatMap((page) => page.problems());
    await Promise.all(opened.map((page) => page.close()));
    opened = [];
    assert.deepEqual(problems, []);
});

// The frames a reader reaches by the page's own controls: steps, the scrubber, and START with typed texts.
describe("frames equal the CSV", () => {
    const rows = [
        { name: "worked example", texts: ["1.2", "4", "1"] },
        { name: "widest scroll picture", texts: ["3", "30", "4"] },
        { name: "long cycle of 100 ticks", texts: ["1", "1", "4"] },
        { name: "texts read as the window reads them", texts: [" 0.5x", "4.6", "2e0"] },
        { name: "negative Mach number", texts: ["-1.5", "7", "1"] },
        { name: "negative span: the clock wraps every tick", texts: ["2", "5", "-1"] },
        { name: "fifty wavefronts", texts: ["0.7", "50", "0.3"] },
        { name: "digits to the last bit", texts: ["2.7182818284590451", "13.999999999999998", "3.1415926535897931"] },
        { name: "a tenth of the speed steps alike", texts: ["1.2", "4", "1"], speed: "0.1" },
        // A link per set-up: each text percent-encoded, read back exactly as typed; one that START refuses shows the
        // refusal over the page as it starts without the link.
        { name: "opened by a link, its texts read as typed", texts: [], link: "#M=%200.5x&nWave=4.6&tMax=+2e0&H=500",
          boxes: [" 0.5x", "4.6", "+2e0", "500"], drawn: [" 0.5x", "4.6", "+2e0"] },
        { name: "opened by a link that START refuses", texts: ["1.2", "4", "1"], link: "#M=1&nWave=0&tMax=1",
          boxes: ["1", "0", "1", "1000"], refused: ["1", "0", "1"] },
        { name: "opened by a link with a height START refuses", texts: ["1.2", "4", "1"], link: "#H=-5",
          boxes: ["1.2", "4", "1", "-5"], refusedHeight: true },
    ];
    for (const row of rows) {
        it(row.name, async () => {
            const ticks = h.csvTicks(row.drawn ?? row.texts, 110);
            const page = await open(h.fileUrl(h.pageFile(row.texts)) + (row.link ?? ""));
            assert.equal((await h.now(page)).playing, false, "starts paused when the reader prefers reduced motion");
            if (row.link) {
                assert.deepEqual(await page.$$eval("#parameters input", (inputs) => inputs.map((i) => i.value)),
                                 row.boxes, "the link's texts in the boxes");
                const refusal = await page.$eval("#refusal", (p) => (p.hidden ? "" : p.textContent));
                assert.equal(refusal, row.refused ? h.programRefusal(row.refused) : row.refusedHeight ?
                    "The listener's distance below the flight H is a number of metres, 0 or more: enter a number " +
                    "such as 1000." : "");
                assert.equal((await h.flyOver(page)).height, row.refusedHeight ? 1000 : Number(row.boxes[3]));
                await page.focus("#forward"); // out of the box a refusal chose
            }
            if (row.speed) {
                // By keyboard: the arrows on the speed control choose, and do not step the clock.
                await page.focus("#speed");
                for (let k = 0; k < 3; ++k) await page.keyboard.press("ArrowDown");
                assert.deepEqual([await page.$eval("#speed", (s) => s.value), (await h.now(page)).cycleTick],
                                 [row.speed, 1]);
                await page.focus("#forward");
            }
            h.assertFrameIs(await h.now(page), ticks[1], "tick 1");
            // Stepping forward past the first wrap: every tick is the CSV's.
            const cycle = (await h.now(page)).cycleTicks;
            assert.equal(ticks[cycle + 1].tNow, 0.04, "the CSV's clock wraps where the page's cycle ends");
            for (let tick = 2; tick <= Math.min(cycle + 2, 9); ++tick) {
                await page.keyboard.press("ArrowRight");
                h.assertFrameIs(await h.now(page), ticks[tick], `tick ${tick} by the arrow key`);
            }
            // The scrubber reaches any tick of the cycle, the last one included.
            for (const tick of [cycle, Math.ceil(cycle / 2), 1]) {
                await h.scrubTo(page, tick);
                h.assertFrameIs(await h.now(page), ticks[tick], `tick ${tick} by the scrubber`);
            }
            await h.scrubTo(page, cycle);
            await page.click("#forward");
            h.assertFrameIs(await h.now(page), ticks[cycle + 1], "a step past the cycle's end");
            await page.click("#back");
            h.assertFrameIs(await h.now(page), ticks[cycle], "a step back past the wrap");
        });
    }

    for (const speed of [1, 0.5, 0.25, 0.1]) it(`after START with typed texts, and while playing at ${speed}`, async () => {
        const page = await open(h.fileUrl(h.pageFile(["0", "4", "1"])));
        await page.setViewport({ width: 800, height: 900 }); // where the two sliders differ most in width
        await h.chooseSpeed(page, speed);
        const history = await page.evaluate(() => history.length);
        await h.typeTexts(page, ["1.2", "4", "1"]);
        const ticks = h.csvTicks(["1.2", "4", "1"], 40);
        h.assertFrameIs(await h.now(page), ticks[1], "START shows tick 1");
        assert.deepEqual(await page.evaluate(() => [location.hash, history.length]),
                         ["#M=1.2&nWave=4&tMax=1&H=1000", history], "START writes the set-up into the address");
        // In a box the space is typed; from the boxes on to START it plays instead of pressing START.
        await page.keyboard.press("Tab");
        await page.keyboard.press("Tab");
        const label = () => page.$eval("#scrubber", (s) => s.getAttribute("aria-valuetext"));
        const pausedLabel = await label();
        await page.keyboard.press(" ");
        // While playing the scrubber's own thumb and tNow beside it (drawn) show the clock; the slider keeps still.
        // Each playing thumb is drawn over its own slider: its centre, where the canvas is blue, stands at its
        // clock's share of that slider's travel.
        const thumbsAfter = async (ms) => {
            await h.advance(page, ms);
            return page.evaluate(() => ["playing-thumb", "flyover-thumb"].map((id) => {
                const canvas = document.getElementById(id);
                if (getComputedStyle(canvas).visibility !== "visible" ||
                    getComputedStyle(document.getElementById("clock-playing")).display === "none") return null;
                const copy = document.createElement("canvas").getContext("2d", { willReadFrequently: true });
                [copy.canvas.width, copy.canvas.height] = [canvas.width, canvas.height];
                copy.drawImage(canvas, 0, 0);
                const row = copy.getImageData(0, canvas.height >> 1, canvas.width, 1).data;
                const blue = [];
                for (let x = 0; x < canvas.width; ++x) if (row[4 * x + 3] > 128) blue.push(x);
                const scale = canvas.width / canvas.clientWidth, radius = canvas.clientHeight / 2;
                return ((blue[0] + blue[blue.length - 1] + 1) / 2 / scale - radius) / (canvas.clientWidth - 2 * radius);
            }));
        };
        await h.flyTo(page, 4); // the fly-over's thumb far along its slider
        const flyFrom = (await h.flyOver(page)).time;
        await h.advance(page, 40 / speed - 1);
        assert.equal((await h.now(page)).cycleTick, 1, "no tick before 40 ms / speed");
        const second = await thumbsAfter(1);
        const fourth = await thumbsAfter(80 / speed);
        assert.equal((await h.now(page)).cycleTick, 4, "two ticks of 40 ms / speed, then two more");
        const flyTime = (await h.flyOver(page)).time;
        assert.ok(Math.abs(flyTime - flyFrom - 0.12) < 1e-9, `the fly-over's clock moved three ticks: ${flyTime}`);
        const cycle = (await h.now(page)).cycleTicks;
        const near = (a, b) => Math.abs(a - b) < 0.01;
        assert.ok(near(second[0], 1 / (cycle - 1)) && near(fourth[0], 3 / (cycle - 1)), `clock thumb: ${second} ${fourth}`);
        assert.ok(near(fourth[1], (flyTime + 10) / 20), `fly-over thumb over its own slider: ${fourth[1]} at ${flyTime}`);
        assert.equal(await label(), pausedLabel, "nothing for assistive technology per frame");
        await page.keyboard.press(" ");
        const paused = await h.now(page);
        assert.equal(paused.playing, false);
        assert.equal(await page.evaluate(() => window.drivenClock.timers()), 0, "nothing runs while paused");
        h.assertFrameIs(paused, ticks[4], "tick 4 after playing");
    });

    it("draws the circles where the frame says, in the window's colours", async () => {
        const page = await open(h.fileUrl(h.pageFile(["1.2", "4", "1"])));
        await page.setViewport({ width: 1200, height: 900, deviceScaleFactor: 2 });
        await page.waitForFunction(() => {
            const canvas = document.getElementById("source-view");
            return Math.abs(canvas.width - 2 * canvas.clientWidth) <= 1;
        }, { timeout: 10000 });
        const { source } = await h.now(page);
        const pixels = await page.$eval("#source-view", (canvas, circles) => {
            const image = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height);
            const perMetre = canvas.width / 1020;
            const at = (x, y) => {
                const k = 4 * (Math.floor((y + 340) * perMetre) * canvas.width + Math.floor((x + 340) * perMetre));
                return Array.from(image.data.slice(k, k + 4));
            };
            const outer = circles[3];
            // The Mach line at 200 m downstream, at the angle whose sine is 1/1.2.
            const machLine = at(200, -200 * Math.tan(Math.asin(1 / 1.2)));
            return { top: at(outer.x, -outer.r), inside: at(outer.x, -outer.r / 2), corner: at(-330, -330),
                     scale: Math.round(canvas.width / canvas.clientWidth), source: at(0, 0), machLine };
        }, source);
        assert.ok(pixels.source.slice(0, 3).every((c) => c < 60), `the source a dark dot: ${pixels.source}`);
        assert.ok(pixels.machLine[2] > pixels.machLine[0] + 40, `the Mach line over the picture: ${pixels.machLine}`);
        // Hidden for a lesson that asks first where the cone will be.
        await page.click("#mach-lines");
        const hidden = await page.$eval("#source-view", (canvas, at) => {
            // A copy of the pixel, so that the page's canvas is read back only once.
            const copy = document.createElement("canvas").getContext("2d", { willReadFrequently: true });
            copy.drawImage(canvas, -Math.floor(at.x * canvas.width / 1020), -Math.floor(at.y * canvas.width / 1020));
            return Array.from(copy.getImageData(0, 0, 1, 1).data);
        }, { x: 540, y: 340 - 200 * Math.tan(Math.asin(1 / 1.2)) });
        assert.deepEqual(hidden, [0x80, 0xff, 0xff, 0xff], "no Mach line once hidden");
        assert.equal(pixels.scale, 2, "device pixels at the screen's resolution");
        assert.ok(pixels.top[0] > 200 && pixels.top[1] < 150 && pixels.top[2] < 150, `red outline: ${pixels.top}`);
        assert.deepEqual(pixels.inside, [0x80, 0xff, 0xff, 0xff], "light cyan inside");
        assert.deepEqual(pixels.corner, [0x80, 0xff, 0xff, 0xff], "light cyan background");
    });
});

describe("ground view", () => {
    it("keeps every centre where it was sent out while the source moves through them", async () => {
        const texts = ["1.2", "4", "1"];
        const [M, dtWave] = [1.2, 0.25];
        const uSource = M * 340;
        const page = await open(h.fileUrl(h.pageFile(texts)));
        const near = (a, b, what) =>
            assert.ok(Math.abs(a - b) <= 1e-6 * Math.max(1, Math.abs(b)), `${what}: ${a} ${b}`);
        let previous = null;
        for (let tick = 1; tick <= 9; ++tick) {
            const now = await h.now(page);
            const { source, ground } = now;
            const groundSource = ground[ground.length - 1];
            assert.equal(ground.length, source.length);
            source.slice(0, -1).forEach((c, i) => {
                assert.equal(ground[i].r, c.r, "the same radii");
                near(ground[i].x - groundSource.x, c.x, "seen from the source, the same picture");
                near(ground[i].x - ground[0].x, uSource * i * dtWave, "one emission interval apart");
            });
            if (previous && now.cycleTick > 1) {
                previous.ground.forEach((c, i) => i < 4 && assert.equal(ground[i].x, c.x, "centres stay put"));
                near(groundSource.x - previous.ground[4].x, -uSource * 0.04, "the source moves 0.04 s upstream");
            } else if (previous) {
                // The wrap: everything jumps back by the source's path in one interval, so the new wavefront 2 is
                // where the old wavefront 1 was, one interval's path further on.
                near(ground[1].x - previous.ground[0].x, uSource * dtWave, "wavefronts relabelled at the wrap");
            }
            previous = now;
            await page.keyboard.press("ArrowRight");
        }
        const note = await page.$eval("#ground-note", (p) => p.textContent);
        assert.match(note, /starts again from 0/);
    });
});

describe("keyboard", () => {
    it("plays, pauses and steps by keys alone, with the focus visible", async () => {
        const page = await open(h.fileUrl(h.pageFile(["2", "12", "2"])));
        assert.equal(await page.$eval("#play", (b) => b.textContent), "Play");
        await page.keyboard.press(" ");
        assert.equal(await page.$eval("#play", (b) => b.textContent), "Pause");
        await h.advance(page, 80);
        await page.keyboard.press(" ");
        const paused = await h.now(page);
        assert.deepEqual([paused.playing, paused.cycleTick], [false, 3]);
        await page.keyboard.press("ArrowRight");
        assert.equal((await h.now(page)).cycleTick, paused.cycleTick + 1);
        await page.keyboard.press("ArrowLeft");
        await page.keyboard.press("ArrowLeft");
        const stepped = await h.now(page);
        assert.equal(stepped.cycleTick, paused.cycleTick - 1);
        // Paused, the page's text says the clock as the program's SVG caption does for that tick of the first cycle.
        const caption = h.run(["--svg", "--ticks", String(stepped.cycleTick), "2", "12", "2"]).out
            .match(/tNow = [^<]* s/)[0];
        assert.equal(await page.$eval("#clock", (o) => o.textContent), caption);
        assert.match(await page.$eval("#scrubber", (s) => s.getAttribute("aria-valuetext")),
                     new RegExp(`^tick ${stepped.cycleTick} of ${stepped.cycleTicks}, ${caption}$`));

        // Tab reaches the controls and shows where the focus is; space on a step button plays, as everywhere.
        const outlines = [];
        for (let k = 0; k < 4; ++k) {
            await page.keyboard.press("Tab");
            outlines.push(await page.evaluate(() => [document.activeElement.id,
                                                     getComputedStyle(document.activeElement).outlineStyle]));
        }
        assert.deepEqual(outlines, [["flyover-view", "solid"], ["play", "solid"], ["back", "solid"],
                                    ["forward", "solid"]]);
        const before = (await h.now(page)).cycleTick;
        await page.keyboard.press(" ");
        assert.equal((await h.now(page)).playing, true);
        await page.keyboard.press(" ");
        assert.deepEqual([(await h.now(page)).playing, (await h.now(page)).cycleTick], [false, before],
                         "the space played and paused without a step");
    });

    it("starts playing unless the reader prefers reduced motion", async () => {
        const page = await open(h.fileUrl(h.pageFile(["2", "12", "2"])), { reducedMotion: false });
        assert.equal((await h.now(page)).playing, true);
    });

    it("names every control for assistive technology", async () => {
        const page = await open(h.fileUrl(h.pageFile(["2", "12", "2"])));
        const tree = await page.accessibility.snapshot({ interestingOnly: true });
        const named = [];
        const walk = (node) => {
            if (["button", "slider", "textbox", "image", "combobox"].includes(node.role))
                named.push([node.role, node.name]);
            (node.children ?? []).forEach(walk);
        };
        walk(tree);
        assert.deepEqual(named.filter(([, name]) => !name), [], "a control without a name");
        for (const name of ["Play", "One tick back", "One tick forward", "Clock cycle", "M", "nWave", "tMax", "H",
                            "Fly-over time", "START", "Speed"])
            assert.ok(named.some(([, n]) => n === name), `no control named ${name}: ${JSON.stringify(named)}`);
        assert.equal(named.filter(([role]) => role === "image").length, 4,
                     "the three views and the curve are pictures with names");
    });
});

describe("the window's rules", () => {
    it("says the program's sentence in the live region after each START, never every frame", async () => {
        const page = await open(h.fileUrl(h.pageFile(["0", "4", "1"])));
        assert.equal(await page.$eval("#regime", (p) => p.getAttribute("aria-live")), "polite");
        const texts = [["1.2", "4", "1"], ["0", "4", "1"], ["1", "4", "1"], ["-2", "4", "1"], ["3", "30", "4"],
                       ["0.5", "0.5", "1"], ["2.5", "3", "-1"], ["1000000000000005", "4", "1"], ["1e-310", "4", "1"],
                       ["7", "2.9", "0.1"], ["1.0000000000000002", "7", "1e-9"], ["1.5", "4", "1"],
                       ["1", "32", "1"], ["-0.5", "8", "1"], ["0", "30", "1"], ["1.00001", "3", "2"]];
        for (const row of texts) {
            await h.typeTexts(page, row);
            assert.equal(await page.$eval("#regime", (p) => p.textContent), h.programSentence(row), row.join(" "));
            const angle = await page.$eval("#mach-angle", (p) => (p.hidden ? "" : p.textContent));
            const mach = Number(row[0]);
            assert.equal(angle !== "", Math.abs(mach) > 1, `Mach angle shown only above Mach 1: ${angle}`);
            assert.ok(angle === "" || angle.includes("1/|M|"), angle);
            assert.equal(await page.$eval(".mach-lines", (l) => !l.hidden), Math.abs(mach) > 1, "Mach lines control");
            // The captions say which way the air streams and the source moves, and that nothing moves at M 0.
            const captions = await page.$$eval("figcaption", (f) => f.map((c) => c.textContent).join(" | "));
            const expected = mach > 0 ? /left to right.*moves to the left/ : mach < 0 ? /right to left.*moves to the right/
                                                                                   : /at rest.*at rest/;
            assert.match(captions, expected, row.join(" "));
        }
        // While playing, the live region is left alone.
        await page.evaluate(() => {
            window.regimeChanges = 0;
            new MutationObserver((records) => (window.regimeChanges += records.length))
                .observe(document.getElementById("regime"), { childList: true, characterData: true, subtree: true });
        });
        await page.click("#play");
        await h.advance(page, 200);
        await page.click("#play");
        assert.equal(await page.evaluate(() => window.regimeChanges), 0);
        // Before any START the page says what the window says then.
        const fresh = await open(h.fileUrl(h.pageFile([])));
        assert.equal(await fresh.$eval("#regime", (p) => p.textContent), h.programSentence([]));
    });

    // German, French and Spanish pages: chosen by the environment as the window does or by --lang, their sentence
    // is the program's in that language, and their boxes take a decimal comma.
    for (const row of [{ lang: "de", env: { LANGUAGE: "de" }, start: "STARTEN" },
                       { lang: "fr", options: ["--lang", "fr"], start: "DÉMARRER" },
                       { lang: "es", env: { LANG: "es_ES.UTF-8" }, start: "INICIAR" }]) {
        it(`speaks ${row.lang} and reads 1,5 as the window does in it`, async () => {
            const page = await open(h.fileUrl(h.pageFile(["0", "4", "1"], row.options, row.env)));
            assert.equal(await page.$eval("html", (e) => e.lang), row.lang);
            assert.equal(await page.$eval("#start", (b) => b.textContent), row.start);
            await h.typeTexts(page, ["1,5", "4", "1"]);
            assert.equal(await page.$eval("#regime", (p) => p.textContent),
                         h.programSentence(["1.5", "4", "1"], ["--lang", row.lang]));
            assert.match(await page.$eval("#caption", (c) => c.textContent), /^M = 1,5, nWave = 4, tMax = 1$/);
            assert.equal((await h.now(page)).source.length, 5, "four wavefronts and the source");
        });
    }

    it("refuses what the program refuses, with its message, and the animation goes on", async () => {
        const page = await open(h.fileUrl(h.pageFile(["1.2", "4", "1"])));
        await page.evaluate(() => (window.sameDocument = true));
        // Each refusal the restart has, and both sides of its limits: the largest double, 50 wavefronts, a divisor
        // of 0, single precision.
        const rows = [["1", "0", "1"], ["1", "-0", "1"], ["1", "50.99", "1"], ["1", "51", "1"], ["1e400", "4", "1"],
                      ["1", "4", "2e308"], ["1.7976931348623157e308", "1", "1"], ["1.797693134862316e308", "1", "1"],
                      ["1", "1e-320", "1e10"], ["0", "1", "1e38"], ["0", "1", "9.9e35"], ["1e36", "4", "1"],
                      ["3", "30", "1e36"], ["2.4e37", "1", "0.01"], ["2.6e37", "1", "0.01"], ["-2.6e37", "1", "-0.01"],
                      ["1", "abc", "1"], ["1e38", "1", "1e36"], ["1e38", "1", "1e37"]];
        for (const row of rows) {
            await page.click("#play");
            const before = await h.now(page);
            await h.typeTexts(page, row);
            const shown = await page.$eval("#refusal", (p) => (p.hidden ? "" : p.getAttribute("role") + ": " +
                                                                              p.textContent));
            if (h.run(["--html", ...row]).status !== 2) {
                assert.equal(shown, "", `taken by both: ${row.join(" ")}`);
            } else {
                const said = h.programRefusal(row);
                assert.equal(shown, "alert: " + said, row.join(" "));
                const focus = await page.evaluate(() => document.activeElement.name);
                assert.ok(said.includes(` ${focus} `), `the focus is on the field the message names: ${focus}`);
                const now = await h.now(page);
                assert.equal(now.playing, before.playing, "the animation goes on as it was");
                assert.equal(now.source.length, before.source.length, "with the same parameters");
            }
            if ((await h.now(page)).playing) await page.click("#play");
        }
        assert.equal(await page.evaluate(() => window.sameDocument), true, "no reload");
    });
});

describe("fly-over", () => {
    it("plays, steps and scrubs the arrivals of the CSV, says the boom once, and sounds only when asked", async () => {
        const page = await open(h.fileUrl(h.pageFile(["2", "8", "2"])));
        const flyOver = () => page.evaluate(() => window.conwave.flyOver());
        const csv = h.run(["--listener", "1000", "2", "8", "2"]).out.trim().split("\n").slice(1)
            .filter((line) => !line.startsWith("boom,")); // the boom's own row is no front
        assert.deepEqual((await flyOver()).arrivals, csv.map((line) => Number(line.split(",")[3])));
        assert.equal((await flyOver()).time, -10);
        await page.click("#forward");
        assert.equal((await flyOver()).time, -10 + 0.04, "a step is a tick");
        await page.$eval("#flyover-scrubber", (s) => {
            s.value = "60";
            s.dispatchEvent(new Event("input", { bubbles: true }));
        });
        assert.equal((await flyOver()).time, 60 * 0.04, "the scrubber sets the fly-over's own clock");
        // Sound is made only once the reader turns it on; then each arrival and the boom are scheduled at their
        // times, as one stretch of audio time that follows the fly-over's clock: the audio clock stood at 0 when
        // the fly-over began to play at 2.4 s.
        assert.equal((await flyOver()).audioOpened, false);
        await page.click("#sound");
        assert.equal((await flyOver()).audioOpened, true);
        await page.click("#play");
        await h.advance(page, 13 * 40);
        await page.click("#play");
        const { arrivals, boomTime, time } = await flyOver();
        assert.equal(time.toFixed(2), "2.92");
        const sounds = await page.evaluate(() => window.drivenClock.sounds);
        const at = (kind) => sounds.filter((s) => s.kind === kind && s.when !== undefined).map((s) => s.when + 2.4);
        const near = (a, b) => Math.abs(a - b) < 1e-9;
        assert.deepEqual(at("oscillator").map((t) => near(t, boomTime)), [true], "the boom's thump, once");
        const clicks = at("click");
        assert.ok(clicks.every((t) => arrivals.some((a) => near(a, t))), `clicks on arrivals: ${clicks}`);
        const heard = arrivals.filter((t) => t <= time);
        assert.ok(heard.filter((t) => t > 2.44).every((a) => clicks.some((t) => near(a, t))), "every arrival clicks");
        assert.equal(await page.$eval("#flyover-news", (p) => p.textContent),
                     `${heard.length} wavefronts have reached the listener.`);
        // Playing on to the end of the fly-over, the page keeps no more sounds than reach the listener in a second.
        await page.click("#play");
        await h.advance(page, 7000);
        const perSecond = Math.max(...arrivals.map((a) => arrivals.filter((t) => t >= a && t < a + 1).length));
        const pending = (await flyOver()).soundsPending;
        assert.ok(pending > 0 && pending <= perSecond, `${pending} sounds kept, ${perSecond} arrive in a second`);
        await page.click("#play");
        // Up moves the listener away from the flight; the fly-over goes on from where it is.
        const before = await flyOver();
        await page.focus("#flyover-view");
        await page.keyboard.press("ArrowUp");
        assert.deepEqual([(await flyOver()).height, (await flyOver()).time], [1100, before.time]);
        assert.equal(await page.$eval("#text-H", (input) => input.value), "1100");
        assert.equal(await page.evaluate(() => location.hash), "#M=2&nWave=8&tMax=2&H=1100");
    });

    // At every tick of the fly-over, where the view draws the source and the listener (ink, as the canvas shows)
    // both lie inside it, and the scale bar, measured on the canvas, is as long in pixels per metre as the drawing
    // puts the listener below the flight and the source along it, -M x 340 m/s x t from overhead.
    for (const texts of [["2", "8", "2"], ["0.5", "8", "2"], ["1", "8", "2"], ["-1.5", "4", "1"]]) {
        it(`keeps the source and the listener in view, with its scale, at Mach ${texts[0]}`, async () => {
            const page = await open(h.fileUrl(h.pageFile(texts)));
            await page.setViewport({ width: 800, height: 900 });
            const faults = await page.evaluate((M) => {
                const canvas = document.getElementById("flyover-view"), scrubber = document.getElementById("flyover-scrubber");
                const copy = document.createElement("canvas").getContext("2d", { willReadFrequently: true });
                [copy.canvas.width, copy.canvas.height] = [canvas.width, canvas.height];
                const scale = canvas.width / canvas.clientWidth;
                const ink = (x, y) => Array.from(copy.getImageData(Math.floor(x * scale), Math.floor(y * scale), 1, 1)
                    .data.slice(0, 3)).every((c) => c < 40);
                const faults = [];
                for (let tick = Number(scrubber.min); tick <= Number(scrubber.max); ++tick) {
                    scrubber.value = String(tick);
                    scrubber.dispatchEvent(new Event("input", { bubbles: true }));
                    const { view, time, height } = window.conwave.flyOver();
                    copy.drawImage(canvas, 0, 0);
                    const { source, listener, bar } = view;
                    const inside = (p) => p.x >= 0 && p.x <= view.width && p.y >= 0 && p.y <= view.pictureHeight;
                    let end = bar.from;
                    while (ink(end + 1, bar.y + 5)) ++end;
                    const perMetre = (end + 1 - bar.from) / bar.metres;
                    const drawn = [(listener.y - source.y) / height];
                    if (Math.abs(M * time) > 0.5) drawn.push((source.x - listener.x) / (-M * 340 * time));
                    const fault = !inside(source) ? "source outside" : !inside(listener) ? "listener outside"
                        : !ink(source.x, source.y) ? "no source there" : !ink(listener.x, listener.y - 3) ? "no listener"
                        : drawn.some((d) => Math.abs(d / perMetre - 1) > 2.5 / (end - bar.from)) ? `bar ${perMetre} ${drawn}`
                        : "";
                    if (fault) faults.push(`${time.toFixed(2)} s: ${fault}`);
                }
                return faults;
            }, Number(texts[0]));
            assert.deepEqual(faults.slice(0, 5), []);
        });
    }

    // The curve's points are the CSV's (tArrives, heardFrequency / f0) within the span, one branch per stream:
    // above Mach 1 the fronts sent before the one that arrives with the cone, heard in reverse order, and those sent
    // after it, in order. It is drawn once per set-up: while playing only its cursor moves.
    for (const texts of [["0.5", "8", "2"], ["2", "8", "2"]]) {
        it(`draws the CSV's Doppler curve for ${texts.join(" ")}, once`, async () => {
            const page = await open(h.fileUrl(h.pageFile(texts)));
            const M = Number(texts[0]);
            const split = M > 1 ? -1000 / (M * 340 * Math.sqrt(M * M - 1)) : -Infinity;
            const rows = h.csvHeard(texts, 1000).filter((r) => r.ratio !== null && Math.abs(r.tArrives) <= 10);
            const { curve } = await h.flyOver(page);
            const expected = [rows.filter((r) => r.tEmitted < split), rows.filter((r) => r.tEmitted > split)];
            assert.deepEqual(curve.branches, expected.map((branch) => branch.map((r) => ({ t: r.tArrives,
                                                                                           ratio: r.ratio,
                                                                                           front: r.front }))));
            const order = (branch) => branch.slice(1).map((p, k) => Math.sign(p.front - branch[k].front));
            assert.deepEqual(order(curve.branches[0]), order(curve.branches[0]).map(() => -1), "reverse order");
            assert.deepEqual(order(curve.branches[1]), order(curve.branches[1]).map(() => 1), "in order");
            assert.equal(curve.branches[0].length > 0, M > 1, "two branches only above Mach 1");
            const text = await page.$eval("#curve-text", (p) => p.textContent);
            assert.match(text, M > 1 ? /ahead.* 1 f0 \(4 Hz\), far behind 0\.333 f0.*boom.* 2\.55 s/
                                     : /ahead.* 2 f0 \(8 Hz\), far behind 0\.667 f0/);
            await page.click("#play");
            await h.advance(page, 400);
            const playing = (await h.flyOver(page)).curve;
            await page.click("#play");
            assert.equal(playing.draws, curve.draws, "no drawing of the curve while playing");
            assert.ok(playing.cursor > curve.cursor, `the cursor moves: ${curve.cursor} ${playing.cursor}`);
        });
    }

    // After the boom two tones sound at once, one for each stream, each at 330 Hz x f / f0 of its stream's arrivals;
    // every click is as loud as 1 / the distance its front travelled (from H on), the boom louder than all; and at a
    // quarter of the speed everything sounds at the arrival times, four times as far apart.
    it("sounds two streams, as loud as their distance, at the page's speed", async () => {
        const texts = ["2", "8", "2"], speed = 0.25;
        const page = await open(h.fileUrl(h.pageFile(texts)));
        const rows = h.csvHeard(texts, 1000);
        await h.chooseSpeed(page, speed);
        await h.flyTo(page, 2.4);
        await page.click("#sound");
        await page.click("#play");
        const start = await page.evaluate(() => window.drivenClock.sounds.length);
        await h.advance(page, 100 * 40 / speed);
        await page.click("#play");
        const sounds = (await page.evaluate(() => window.drivenClock.sounds)).slice(start);
        // Audio time back to fly-over time: the clock stood at 2.4 s when it began to play, at audio time 0.
        const flight = (when) => 2.4 + when * speed;
        const near = (a, b) => Math.abs(a - b) < 1e-9;
        const rowAt = (when) => rows.find((r) => near(r.tArrives, flight(when)));
        const gainOf = (node) => sounds.find((s) => s.kind === "connect" && s.node === node).to;
        const gains = new Map(sounds.filter((s) => s.kind === "gain").map((s) => [`${s.node} ${s.when}`, s.value]));
        const clicks = sounds.filter((s) => s.kind === "click").map((s) => ({ row: rowAt(s.when),
                                                                               gain: gains.get(`${gainOf(s.node)} ${s.when}`) }));
        assert.ok(clicks.length > 20 && clicks.every((c) => c.row), "every click at an arrival, the speed's share apart");
        const travelled = (r) => Math.hypot(r.xEmitted, 1000);
        const loudness = clicks.map((c) => c.gain * Math.max(travelled(c.row), 1000));
        assert.ok(loudness.every((l) => Math.abs(l / loudness[0] - 1) < 1e-9), "gain x distance is the same for all");
        const { boomTime } = await h.flyOver(page);
        const thump = sounds.find((s) => s.kind === "oscillator" && s.when !== undefined);
        assert.ok(near(flight(thump.when), boomTime), "the boom at its time");
        const boom = gains.get(`${gainOf(thump.node)} ${thump.when}`);
        const loudest = Math.max(...sounds.filter((s) => s.kind === "gain" && s.node !== gainOf(thump.node))
            .map((s) => s.value));
        assert.ok(boom > loudest, `the boom the loudest: ${boom}, ${loudest}`);
        // The tones: each frequency value belongs to one oscillator, set at an arrival of one stream.
        const tones = new Map();
        for (const s of sounds.filter((s) => s.kind === "frequency" && rowAt(s.when))) {
            const row = rowAt(s.when);
            assert.ok(near(s.value, Math.min(4000, Math.max(40, 330 * row.ratio))), "the tone's pitch");
            if (!tones.has(s.node)) tones.set(s.node, new Set());
            tones.get(s.node).add(row.tEmitted < -1000 / (2 * 340 * Math.sqrt(3)) ? "before" : "after");
        }
        assert.deepEqual([...tones.values()].map((streams) => [...streams]).sort(), [["after"], ["before"]],
                         "two tones, one for each stream");
    });

    it("says the boom once, when it reaches the listener", async () => {
        const page = await open(h.fileUrl(h.pageFile(["2", "8", "2"])));
        await page.$eval("#flyover-scrubber", (s) => {
            s.value = "62";
            s.dispatchEvent(new Event("input", { bubbles: true }));
        });
        await page.evaluate(() => {
            window.newsChanges = 0;
            new MutationObserver((records) => (window.newsChanges += records.length))
                .observe(document.getElementById("flyover-news"), { childList: true, characterData: true, subtree: true });
        });
        await page.click("#play");
        await h.advance(page, 9 * 40);
        assert.equal(await page.$eval("#flyover-news", (p) => p.textContent),
                     "The boom reaches the listener, 2.55 s after the source passed overhead.");
        assert.equal(await page.evaluate(() => window.newsChanges), 1, "said once, nothing per frame");
        await page.click("#play");
    });
});

describe("self-contained", () => {
    it("writes one page under 100 KiB and plays the same from a web server and inside a frame", async () => {
        const file = h.pageFile(["1.2", "4", "1"]);
        assert.ok(fs.statSync(file).size < 100 * 1024);
        const server = http.createServer((request, response) => {
            if (request.url === "/page.html") {
                response.writeHead(200, { "content-type": "text/html; charset=utf-8" });
                response.end(fs.readFileSync(file));
            } else if (request.url === "/lesson.html") {
                response.writeHead(200, { "content-type": "text/html; charset=utf-8" });
                response.end('<!DOCTYPE html><title>Lesson</title><link rel="icon" href="data:,">' +
                             '<iframe src="page.html" width="800" height="700" title="Conwave"></iframe>');
            } else {
                response.writeHead(404);
                response.end();
            }
        });
        await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
        const base = `http://127.0.0.1:${server.address().port}`;
        try {
            const page = await open(`${base}/lesson.html`, { allowed: [`${base}/lesson.html`, `${base}/page.html`] });
            const frame = await (await page.$("iframe")).contentFrame();
            const ticks = h.csvTicks(["1.2", "4", "1"], 3);
            await frame.focus("#forward");
            await page.keyboard.press("Enter");
            h.assertFrameIs(await frame.evaluate(() => window.conwave.now()), ticks[2], "tick 2 inside a frame");
        } finally {
            server.close();
        }
    });

    it("carries any typed text safely, shown in its box as typed", async () => {
        const texts = ["2</script><b>", "4\"&<!--", "1\\u0041"];
        const page = await open(h.fileUrl(h.pageFile(texts)));
        const shown = await page.$$eval("#parameters input", (inputs) => inputs.map((input) => input.value));
        assert.deepEqual(shown, [...texts, "1000"]);
        h.assertFrameIs(await h.now(page), h.csvTicks(texts, 1)[1], "tick 1");
    });

    it("is written as the other modes are: usage errors and refusals", () => {
        assert.equal(h.run(["--html", "--svg", "1", "4", "1"]).status, 64);
        assert.equal(h.run(["--html", "--ticks", "3"]).status, 64);
        assert.equal(h.run(["--html", "1", "4"]).status, 64);
        assert.equal(h.run(["--html", "1", "0", "1"]).status, 2);
        // A LANGUAGE list decides alone, as for the window: one without a language Conwave speaks is English.
        assert.match(h.run(["--html"], { LANGUAGE: "it", LANG: "es_ES.UTF-8" }).out, /<html lang="en">/);
        assert.match(h.run(["--help"]).out, /--html/);
    });
});
