// The page in Debian's Firefox ESR, headless: the same frames as the CSV, keys, a refusal, and no error logged.
// The Chromium tests check every rule in depth; this one checks that the other engine runs the same script alike.
"use strict";

const assert = require("node:assert/strict");
const { it, before, after } = require("node:test");
const { launch } = require("./browser.js");
const h = require("./page_helpers.js");

let browser;
before(async () => {
    browser = await launch("firefox");
});
after(async () => {
    await browser.close();
});

it("plays, steps and refuses in Firefox ESR as in Chromium", async () => {
    const texts = ["1.2", "4", "1"];
    const page = await browser.newPage();
    const problems = [];
    page.on("console", (message) => ["error", "warn"].includes(message.type()) && problems.push(message.text()));
    page.on("pageerror", (error) => problems.push(error.message));
    await page.goto(h.fileUrl(h.pageFile(texts)));
    await page.waitForFunction(() => window.conwave.now().playing, { timeout: 10000 });
    await page.keyboard.press(" ");
    const ticks = h.csvTicks(texts, 20);
    await h.scrubTo(page, 1);
    for (let tick = 1; tick <= 9; ++tick) {
        h.assertFrameIs(await h.now(page), ticks[tick], `tick ${tick}`);
        await page.keyboard.press("ArrowRight");
    }
    await h.typeTexts(page, ["1", "0", "1"]);
    assert.equal(await page.$eval("#refusal", (p) => p.textContent), h.programRefusal(["1", "0", "1"]));
    await h.typeTexts(page, ["3", "30", "4"]);
    assert.equal(await page.$eval("#regime", (p) => p.textContent), h.programSentence(["3", "30", "4"]));
    h.assertFrameIs(await h.now(page), h.csvTicks(["3", "30", "4"], 1)[1], "after START");
    assert.deepEqual(problems, []);
});
