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
    ];
    for (const row of rows) {
        it(row.name, async () => {
            const ticks = h.csvTicks(row.texts, 110);
            const page = await open(h.fileUrl(h.pageFile(row.texts)));
            assert.equal((await h.now(page)).playing, false, "starts paused when the reader prefers reduced motion");
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

    it("after START with typed texts, and while playing", async () => {
        const page = await open(h.fileUrl(h.pageFile(["0", "4", "1"])));
        await h.typeTexts(page, ["1.2", "4", "1"]);
        const ticks = h.csvTicks(["1.2", "4", "1"], 40);
        h.assertFrameIs(await h.now(page), ticks[1], "START shows tick 1");
        // In a box the space is typed; from the boxes on to START it plays instead of pressing START.
        await page.keyboard.press("Tab");
        await page.keyboard.press("Tab");
        const label = () => page.$eval("#scrubber", (s) => s.getAttribute("aria-valuetext"));
        const pausedLabel = await label();
        await page.keyboard.press(" ");
        // While playing the scrubber's own thumb and tNow beside it (drawn) show the clock; the slider keeps still.
        const thumbAfter = async (ms) => {
            await h.advance(page, ms);
            return page.evaluate(() => getComputedStyle(document.getElementById("playing-thumb")).visibility ===
                "visible" && getComputedStyle(document.getElementById("clock-playing")).display !== "none" &&
                document.getElementById("playing-thumb").style.transform);
        };
        const [second, fourth] = [await thumbAfter(40), await thumbAfter(80)];
        assert.equal((await h.now(page)).cycleTick, 4, "two ticks of 40 ms, then two more");
        assert.ok(second && fourth && second !== fourth, `the playing thumb moves: ${second}, ${fourth}`);
        assert.equal(await label(), pausedLabel, "nothing for assistive technology per frame");
        await page.keyboard.press(" ");
        const paused = await h.now(page);
        assert.equal(paused.playing, false);
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
            if (["button", "slider", "textbox", "image"].includes(node.role)) named.push([node.role, node.name]);
            (node.children ?? []).forEach(walk);
        };
        walk(tree);
        assert.deepEqual(named.filter(([, name]) => !name), [], "a control without a name");
        for (const name of ["Play", "One tick back", "One tick forward", "Clock cycle", "M", "nWave", "tMax", "H",
                            "Fly-over time", "START"])
            assert.ok(named.some(([, n]) => n === name), `no control named ${name}: ${JSON.stringify(named)}`);
        assert.equal(named.filter(([role]) => role === "image").length, 3, "the three views are pictures with names");
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
        // Up moves the listener away from the flight.
        await page.focus("#flyover-view");
        await page.keyboard.press("ArrowUp");
        assert.equal((await flyOver()).height, 1100);
        assert.equal(await page.$eval("#text-H", (input) => input.value), "1100");
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
