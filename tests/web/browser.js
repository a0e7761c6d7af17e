// Debian's Chromium or Firefox ESR, headless, as the page tests and the cost script drive them: the machine's own
// browsers, never one that a tool downloads, with a new empty profile each time and nothing that talks to the
// network by itself.
"use strict";

const fs = require("fs");
const os = require("os");
const path = require("path");

// The npm packages come from tests/web/install.sh, which ./test.sh runs; without them a test says why it skips.
let puppeteer;
try {
    puppeteer = require("puppeteer-core");
} catch {
    console.log("page test skipped: puppeteer-core is not installed in NODE_PATH " +
                `(${process.env.NODE_PATH || "unset"}); ./test.sh installs it with tests/web/install.sh`);
    process.exit(0);
}

// The browsers' paths come from the build's configuration; Debian's places when run by hand.
const kChromium = process.env.CONWAVE_CHROMIUM || "/usr/bin/chromium";
const kFirefox = process.env.CONWAVE_FIREFOX || "/usr/bin/firefox-esr";

// Chromium by default; "firefox" for Debian's Firefox ESR, driven through WebDriver BiDi.
async function launch(which = "chromium") {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), `conwave-${which}-`));
    const browser = await puppeteer.launch(which === "firefox" ? {
        browser: "firefox",
        executablePath: kFirefox,
        headless: true,
        userDataDir: profile,
        // No updates, no telemetry, no pages of its own: the browser talks to nothing by itself.
        extraPrefsFirefox: { "app.update.enabled": false, "datareporting.policy.dataSubmissionEnabled": false,
                             "toolkit.telemetry.enabled": false, "browser.shell.checkDefaultBrowser": false,
                             "network.captive-portal-service.enabled": false,
                             "network.connectivity-service.enabled": false },
    } : {
        executablePath: kChromium,
        headless: true,
        args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
               "--disable-component-update", "--disable-sync", "--user-data-dir=" + profile],
    });
    const close = browser.close.bind(browser);
    browser.close = async () => {
        await close();
        fs.rmSync(profile, { recursive: true, force: true });
    };
    return browser;
}

module.exports = { launch };
