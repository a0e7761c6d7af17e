#!/usr/bin/env node
// The cost of the page of conwave-frames --html against its floor, side by side in one headless Chromium.
//
//   NODE_PATH=build/tests/web/node_modules node bench/page_cost.js build/bin/conwave-frames [ROUNDS] [SPAN_S]
//                                                                   [BASELINE_CONWAVE_FRAMES]
//
// The page is that of the widest picture the scroll bars allow (M 3, nWave 30, tMax 4). The floor
// (bench/floor_page.html) holds canvases of the same number and sizes as the page's three views and only clears
// them every 40 ms; the page's other canvases (the curve, drawn once per set-up, its cursor, the playing thumbs and
// tNow) are the page's own cost. With a baseline program (an earlier build), its page of the same texts is measured in the same rounds
// and the page's cost is given against it too. Every round shows each in turn in a 1000 x 800 viewport, in an order that alternates from round to
// round, and measures over SPAN_S seconds (default 8) after one second to settle:
//   CPU      of every process of the browser (schedstat, nanoseconds, all threads);
//   ticks    the times of the page's timer and animation-frame callbacks, each of which draws one frame.
// Then the page is paused and watched for 3 s: no callback may run and no timer or animation frame may be left.
// Prints the figures as a Markdown table; the median of the rounds' CPU ratios is the one to compare with 1.3.
"use strict";

const { execFileSync } = require("node:child_process");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { pathToFileURL } = require("node:url");
const { launch } = require("../tests/web/browser.js");

const [frames, roundsArg, spanArg, baselineFrames] = process.argv.slice(2);
if (!frames) {
    console.error("usage: page_cost.js CONWAVE_FRAMES [ROUNDS] [SPAN_S]");
    process.exit(64);
}
const rounds = Number(roundsArg || 5);
const spanMs = 1000 * Number(spanArg || 8);
const kSettleMs = 1000;
const kPausedMs = 3000;

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Counts every timer and animation-frame callback and which of them are still pending; the same in both pages.
function watchCallbacks() {
    const log = (window.costLog = { times: [], pending: new Set() });
    const wrap = (set, clear, kind, repeats) => {
        window[set.name] = (callback, ...rest) => {
            let id = 0;
            id = set.call(window, (...args) => {
                if (!repeats) log.pending.delete(kind + id);
                log.times.push(performance.now());
                callback(...args);
            }, ...rest);
            log.pending.add(kind + id);
            return id;
        };
        window[clear.name] = (id) => {
            log.pending.delete(kind + id);
            clear.call(window, id);
        };
    };
    wrap(setInterval, clearInterval, "interval", true);
    wrap(setTimeout, clearTimeout, "timeout", false);
    wrap(requestAnimationFrame, cancelAnimationFrame, "frame", false);
}

// CPU time [ns] of a process and all its descendants, every thread.
function treeCpuNs(rootPid) {
    const parents = new Map();
    for (const entry of fs.readdirSync("/proc")) {
        if (!/^\d+$/.test(entry)) continue;
        try {
            const stat = fs.readFileSync(`/proc/${entry}/stat`, "utf8");
            parents.set(Number(entry), Number(stat.slice(stat.lastIndexOf(")") + 2).split(" ")[1]));
        } catch {
            // a process that ended in between
        }
    }
    const tree = new Set([rootPid]);
    for (let grown = true; grown;) {
        grown = false;
        for (const [pid, parent] of parents)
            if (tree.has(parent) && !tree.has(pid)) tree.add(pid), (grown = true);
    }
    let total = 0;
    for (const pid of tree) {
        try {
            for (const task of fs.readdirSync(`/proc/${pid}/task`))
                total += Number(fs.readFileSync(`/proc/${pid}/task/${task}/schedstat`, "utf8").split(" ")[0]);
        } catch {
            // ended in between
        }
    }
    return total;
}

function percentile(values, fraction) {
    const sorted = [...values].sort((a, b) => a - b);
    const position = fraction * (sorted.length - 1);
    const low = Math.floor(position), high = Math.min(low + 1, sorted.length - 1);
    return sorted[low] + (sorted[high] - sorted[low]) * (position - low);
}

const median = (values) => percentile(values, 0.5);

async function measure(browser, url) {
    const page = await browser.newPage();
    await page.setViewport({ width: 1000, height: 800, deviceScaleFactor: 1 });
    await page.evaluateOnNewDocument(watchCallbacks);
    await page.goto(url);
    await sleep(kSettleMs);
    await page.evaluate(() => (window.costLog.times.length = 0));
    const before = treeCpuNs(browser.process().pid);
    await sleep(spanMs);
    const cpuNs = treeCpuNs(browser.process().pid) - before;
    const times = await page.evaluate(() => window.costLog.times);
    await page.close();
    return { cpuNs, intervals: times.slice(1).map((t, k) => t - times[k]) };
}

async function main() {
    const scratch = fs.mkdtempSync(path.join(os.tmpdir(), "conwave-cost-"));
    const pageFile = path.join(scratch, "conwave.html");
    const html = execFileSync(frames, ["--html", "3", "30", "4"]);
    fs.writeFileSync(pageFile, html);
    const baselineFile = path.join(scratch, "baseline.html");
    if (baselineFrames) fs.writeFileSync(baselineFile, execFileSync(baselineFrames, ["--html", "3", "30", "4"]));
    const browser = await launch();
    try {
        const probe = await browser.newPage();
        await probe.setViewport({ width: 1000, height: 800, deviceScaleFactor: 1 });
        await probe.goto(pathToFileURL(pageFile).href);
        const size = await probe.$eval("#source-view", (c) => ({ w: c.clientWidth, h: c.clientHeight,
                                                                   n: document.querySelectorAll("[id$=-view]").length }));
        await probe.close();
        const floorUrl = pathToFileURL(path.join(__dirname, "floor_page.html")).href +
                         `?w=${size.w}&h=${size.h}&n=${size.n}`;
        const pageUrl = pathToFileURL(pageFile).href;
        const urls = { floor: floorUrl, page: pageUrl, baseline: pathToFileURL(baselineFile).href };

        const results = { floor: [], page: [], baseline: [] };
        const kinds = baselineFrames ? ["floor", "page", "baseline"] : ["floor", "page"];
        for (let round = 0; round < rounds; ++round) {
            const order = round % 2 === 0 ? kinds : [...kinds].reverse();
            for (const which of order) results[which].push(await measure(browser, urls[which]));
        }

        // Paused: nothing may run, nothing may be left pending.
        const paused = await browser.newPage();
        await paused.evaluateOnNewDocument(watchCallbacks);
        await paused.goto(pageUrl);
        await paused.click("#play");
        const stillPlaying = await paused.evaluate(() => window.conwave.now().playing);
        await paused.evaluate(() => (window.costLog.times.length = 0));
        const pausedBefore = treeCpuNs(browser.process().pid);
        await sleep(kPausedMs);
        const pausedCpuNs = treeCpuNs(browser.process().pid) - pausedBefore;
        const pausedLog = await paused.evaluate(() => ({ callbacks: window.costLog.times.length,
                                                         pending: [...window.costLog.pending] }));
        await paused.close();

        const cpu = (which) => results[which].map((r) => r.cpuNs / 1e9);
        const ratios = results.page.map((r, k) => r.cpuNs / results.floor[k].cpuNs);
        const intervals = (which) => results[which].flatMap((r) => r.intervals);
        const row = (label, floor, page, target, met) =>
            console.log(`| ${label} | ${floor} | ${page} | ${target} | ${met} |`);
        const f = (x, digits = 3) => Number(x.toPrecision(digits));
        const range = (values) => `${f(median(values))} [${f(Math.min(...values))} .. ${f(Math.max(...values))}]`;
        const p90 = percentile(intervals("page"), 0.9);
        const ratio = median(ratios);

        const version = (await browser.version()).replace(/^[^/]*\//, "");
        console.log(`Chromium ${version}, ${rounds} rounds of ${spanMs / 1000} s, ` +
                    `views ${size.w} x ${size.h} CSS px each, ${os.cpus().length} processors, ` +
                    `load average ${os.loadavg().map((x) => x.toFixed(2)).join(" ")}\n`);
        console.log("| figure | floor page | Conwave page | target | met |\n|---|---|---|---|---|");
        row("page size [KiB]", "", f(html.length / 1024), "under 100 KiB", html.length < 100 * 1024 ? "yes" : "no");
        row(`browser CPU over ${spanMs / 1000} s playing [s]`, range(cpu("floor")), range(cpu("page")), "", "");
        const rounded = ratios.map((x) => f(x, 2)).join(", ");
        row("CPU, Conwave / floor, median of the rounds' ratios", "", `${f(ratio)} (rounds: ${rounded})`,
            "at most 1.3", ratio <= 1.3 ? "yes" : "no");
        row("frame interval playing, median [ms]", f(median(intervals("floor"))), f(median(intervals("page"))),
            "40 ms", "");
        row("frame interval playing, 90th percentile [ms]", f(percentile(intervals("floor"), 0.9)), f(p90),
            "at most 44 ms", p90 <= 44 ? "yes" : "no");
        row(`paused ${kPausedMs / 1000} s: callbacks run, timers or frames pending`, "",
            `${pausedLog.callbacks}, ${pausedLog.pending.length}`, "0, 0",
            !stillPlaying && pausedLog.callbacks === 0 && pausedLog.pending.length === 0 ? "yes" : "no");
        row(`browser CPU over ${kPausedMs / 1000} s paused [s]`, "", f(pausedCpuNs / 1e9), "", "");
        if (baselineFrames) {
            const againstBaseline = results.page.map((r, k) => r.cpuNs / results.baseline[k].cpuNs);
            row(`baseline page: browser CPU over ${spanMs / 1000} s playing [s]`, "", range(cpu("baseline")), "", "");
            row("CPU, Conwave / baseline page, median of the rounds' ratios", "",
                `${f(median(againstBaseline))} (rounds: ${againstBaseline.map((x) => f(x, 2)).join(", ")})`, "", "");
            row("baseline page: frame interval playing, 90th percentile [ms]", "",
                f(percentile(intervals("baseline"), 0.9)), "", "");
        }
        console.log(`\n${intervals("page").length} frame intervals of the page, ` +
                    `${intervals("floor").length} of the floor; ${size.n} canvases of ${size.w} x ${size.h} CSS px.`);
    } finally {
        await browser.close();
        fs.rmSync(scratch, { recursive: true, force: true });
    }
}

main().catch((error) => {
    console.error(error);
    process.exit(1);
});
