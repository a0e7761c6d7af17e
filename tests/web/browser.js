// Debian's Chromium, headless, as the page tests and the cost script drive it: the machine's own browser, never
// one that a tool downloads, with a new empty profile each time and nothing that talks to the network by itself.
"use strict";

const fs = require("fs");
const os = require("os");
const path = require("path");
const puppeteer = require("puppeteer-core");

const kChromium = process.env.CONWAVE_CHROMIUM || "/usr/bin/chromium";

async function launch(extraArgs = []) {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), "conwave-chromium-"));
    const browser = await puppeteer.launch({
        executablePath: kChromium,
        headless: true,
        args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
               "--disable-component-update", "--disable-sync", "--user-data-dir=" + profile, ...extraArgs],
    });
    const close = browser.close.bind(browser);
    browser.close = async () => {
        await close();
        fs.rmSync(profile, { recursive: true, force: true });
    };
    return browser;
}

module.exports = { launch };
