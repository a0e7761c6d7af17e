// What the page tests share: running conwave-frames, reading its CSV, and opening its page in the browser with
// every console message, script error and request watched.
"use strict";

const assert = require("node:assert/strict");
const { spawnSync } = require("node:child_process");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { pathToFileURL } = require("node:url");
const { driveClock } = require("./driven_clock.js");

const frames = process.env.CONWAVE_FRAMES;
if (!frames) throw new Error("CONWAVE_FRAMES must name the built conwave-frames");

const scratch = fs.mkdtempSync(path.join(os.tmpdir(), "conwave-page-"));
process.on("exit", () => fs.rmSync(scratch, { recursive: true, force: true }));

// The program in an English environment unless the test gives it another.
function run(args, env = {}, input = "") {
    const result = spawnSync(frames, args, { encoding: "utf8", maxBuffer: 1 << 28, input,
                                             env: { ...process.env, LANGUAGE: "", LC_ALL: "", LANG: "C.UTF-8", ...env } });
    return { status: result.status, out: result.stdout, err: result.stderr };
}

// The page for these texts, written to a file of its own; options such as ["--lang", "de"] go before them.
let pages = 0;
function pageFile(texts, options = [], env = {}) {
    const result = run(["--html", ...options, ...texts], env);
    assert.equal(result.status, 0, result.err);
    const file = path.join(scratch, `page${++pages}.html`);
    fs.writeFileSync(file, result.out);
    return file;
}

// What the program itself says about these texts: its sentence, as carried in the page it writes.
function programSentence(texts, options = []) {
    const html = run(["--html", ...options, ...texts]).out;
    const json = html.match(/<script type="application\/json" id="start-up">(.*?)<\/script>/)[1];
    return JSON.parse(json).sentence;
}

// The program's refusal of these texts, without its name in front.
function programRefusal(texts) {
    const result = run(["--html", ...texts]);
    assert.equal(result.status, 2, `not refused: ${texts.join(" ")}`);
    assert.equal(result.out, "");
    return result.err.trim().replace(/^conwave-frames: /, "");
}

// The CSV of the first n ticks, as {tNow, circles: [{wave, x, r}]} per tick, numbers as the program printed them.
function csvTicks(texts, n) {
    const result = run(["--ticks", String(n), ...texts]);
    assert.equal(result.status, 0, result.err);
    const ticks = [];
    for (const line of result.out.trim().split("\n").slice(1)) {
        const [tick, tNow, wave, x, y, radius] = line.split(",");
        ticks[Number(tick)] ??= { tNow: Number(tNow), circles: [] };
        assert.equal(Number(y), 0);
        ticks[Number(tick)].circles.push({ wave: Number(wave), x: Number(x), r: Number(radius) });
    }
    return ticks;
}

// The fronts of the fly-over of --listener H (not the boom's own row) as {front, tEmitted, xEmitted, tArrives,
// ratio: heardFrequency / f0 or null}, f0 the emission frequency 1 / |tMax / nWave| of the texts (plain numbers).
function csvHeard(texts, height) {
    const result = run(["--listener", String(height), ...texts]);
    assert.equal(result.status, 0, result.err);
    const f0 = 1 / Math.abs(Number(texts[2]) / Number(texts[1]));
    return result.out.trim().split("\n").slice(1).filter((line) => !line.startsWith("boom,")).map((line) => {
        const [front, tEmitted, xEmitted, tArrives, heard] = line.split(",").map((v) => (v === "" ? null : Number(v)));
        return { front, tEmitted, xEmitted, tArrives, ratio: heard === null ? null : heard / f0 };
    });
}

// The shown frame must be the CSV's tick exactly: the clock as a double, centres and radii as singles.
function assertFrameIs(now, expected, where) {
    assert.equal(now.drawnAt, expected.tNow, `${where}: tNow`);
    assert.equal(now.source.length, expected.circles.length, `${where}: circles`);
    expected.circles.forEach((c, k) => {
        assert.equal(now.source[k].x, Math.fround(c.x), `${where}: x of wave ${c.wave}`);
        assert.equal(now.source[k].r, Math.fround(c.r), `${where}: radius of wave ${c.wave}`);
    });
}

// A page of the browser with everything it logs, throws and requests collected; problems() lists what a page must
// never do: a console error or warning, an uncaught error, a request for anything but the page itself. Its timers
// and its audio run on a clock that only advance() moves.
async function openPage(browser, url, { reducedMotion = true, allowed = [url.split("#")[0]] } = {}) {
    const page = await browser.newPage();
    await page.evaluateOnNewDocument(driveClock);
    const seen = [];
    page.on("console", (message) => {
        if (message.type() === "error" || message.type() === "warn")
            seen.push(`console ${message.type()}: ${message.text()}`);
    });
    page.on("pageerror", (error) => seen.push(`error: ${error.message}`));
    page.on("request", (request) => {
        if (!allowed.includes(request.url())) seen.push(`request: ${request.url()}`);
    });
    page.problems = () => seen;
    await page.emulateMediaFeatures([{ name: "prefers-reduced-motion",
                                       value: reducedMotion ? "reduce" : "no-preference" }]);
    await page.goto(url);
    return page;
}

const fileUrl = (file) => pathToFileURL(file).href;
const now = (page) => page.evaluate(() => window.conwave.now());
// Moves the page's clock on by ms milliseconds: every tick that falls due runs.
const advance = (page, ms) => page.evaluate((span) => window.drivenClock.advance(span), ms);

// Sets the scrubber as a drag would, one input event at the end.
const scrubTo = (page, tick) => page.$eval("#scrubber", (scrubber, value) => {
    scrubber.value = String(value);
    scrubber.dispatchEvent(new Event("input", { bubbles: true }));
}, tick);

const flyOver = (page) => page.evaluate(() => window.conwave.flyOver());
// Sets the fly-over's slider to a time [s], as a drag would.
const flyTo = (page, seconds) => page.$eval("#flyover-scrubber", (scrubber, value) => {
    scrubber.value = String(value);
    scrubber.dispatchEvent(new Event("input", { bubbles: true }));
}, Math.round(seconds / 0.04));
// Chooses a speed, as the reader would with the keyboard or the mouse.
const chooseSpeed = (page, text) => page.select("#speed", String(text));

// Types the three texts into the page's boxes, as a reader would, and presses Enter for START.
async function typeTexts(page, texts) {
    for (const [k, id] of ["#text-M", "#text-nWave", "#text-tMax"].entries()) {
        await page.click(id);
        await page.$eval(id, (input) => input.select()); // a triple click selects a word or a line, not always all
        await page.keyboard.press("Backspace");
        await page.type(id, texts[k]);
    }
    await page.keyboard.press("Enter");
}

module.exports = { run, pageFile, programSentence, programRefusal, csvTicks, csvHeard, assertFrameIs, openPage,
                   fileUrl, now, advance, scrubTo, typeTexts, flyOver, flyTo, chooseSpeed };
