#!/usr/bin/env node
// The page's memory while the fly-over plays with sound for an hour, on a clock the script drives (no real hour
// passes, and the page runs exactly as it would):
//
//   NODE_PATH=build/tests/web/node_modules node bench/page_memory.js build/bin/conwave-frames [MINUTES]
//
// The page of M 2, nWave 8, tMax 2 (the fly-over at H 1000 m) plays with its sound turned on; after each tenth of
// the time the script collects garbage and reads the page's JavaScript heap and how many sounds the page keeps
// scheduled. Prints them as a Markdown table; the heap at the end against the heap after the first minutes is the
// figure to compare with 1.
"use strict";

const { execFileSync } = require("node:child_process");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { pathToFileURL } = require("node:url");
const { launch } = require("../tests/web/browser.js");
const { driveClock } = require("../tests/web/driven_clock.js");

const [frames, minutesArg] = process.argv.slice(2);
if (!frames) {
    console.error("usage: page_memory.js CONWAVE_FRAMES [MINUTES]");
    process.exit(64);
}
const minutes = Number(minutesArg || 60);

async function main() {
    const scratch = fs.mkdtempSync(path.join(os.tmpdir(), "conwave-memory-"));
    const pageFile = path.join(scratch, "conwave.html");
    fs.writeFileSync(pageFile, execFileSync(frames, ["--html", "2", "8", "2"]));
    const browser = await launch();
    try {
        const page = await browser.newPage();
        await page.setViewport({ width: 1000, height: 800, deviceScaleFactor: 1 });
        await page.evaluateOnNewDocument(driveClock);
        await page.emulateMediaFeatures([{ name: "prefers-reduced-motion", value: "reduce" }]);
        await page.goto(pathToFileURL(pageFile).href);
        await page.click("#sound");
        await page.click("#play");
        const cdp = await page.createCDPSession();
        const rows = [];
        const started = Date.now();
        for (let tenth = 1; tenth <= 10; ++tenth) {
            // A minute at a time; what the stand-in audio recorded is dropped, so that only the page's own keep counts.
            for (let k = 0; k < minutes / 10; ++k)
                await page.evaluate(() => {
                    window.drivenClock.advance(60000);
                    window.drivenClock.sounds.length = 0;
                });
            await cdp.send("HeapProfiler.collectGarbage");
            const { usedSize } = await cdp.send("Runtime.getHeapUsage");
            rows.push({ minute: (tenth * minutes) / 10, heap: usedSize,
                        pending: (await page.evaluate(() => window.conwave.flyOver())).soundsPending });
        }
        const f = (bytes) => (bytes / 1024 / 1024).toFixed(2);
        console.log(`Chromium ${(await browser.version()).replace(/^[^/]*\//, "")}, ${minutes} minutes of the ` +
                    `fly-over with sound on a driven clock, in ${((Date.now() - started) / 1000).toFixed(0)} s\n`);
        console.log("| minute played | JavaScript heap after garbage collection [MiB] | sounds scheduled |");
        console.log("|---|---|---|");
        for (const row of rows) console.log(`| ${row.minute} | ${f(row.heap)} | ${row.pending} |`);
        console.log(`\nheap at the end / after ${rows[0].minute} minutes: ` +
                    `${(rows[rows.length - 1].heap / rows[0].heap).toFixed(3)}`);
    } finally {
        await browser.close();
        fs.rmSync(scratch, { recursive: true, force: true });
    }
}

main().catch((error) => {
    console.error(error);
    process.exit(1);
});
