// The page's rules against the program's, without a browser: over more than ten thousand parameter texts in every
// language, the page's script must refuse, word and draw exactly as conwave-frames --batch does, byte for byte.
"use strict";

const assert = require("node:assert/strict");
const fs = require("node:fs");
const path = require("node:path");
const { it } = require("node:test");
const h = require("./page_helpers.js");
const makeRules = require("../../tools/page/rules.js");

// A small seeded generator, so that a failure can be run again as it was.
function generator(seed) {
    let state = seed >>> 0;
    const next = () => {
        state = (state + 0x6d2b79f5) >>> 0;
        let t = state;
        t = Math.imul(t ^ (t >>> 15), t | 1);
        t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
    const pick = (list) => list[Math.floor(next() * list.length)];
    return { next, pick };
}

// Every input as three texts.
function inputs() {
    const rows = [];
    // The fuzzers' seed corpora: the restart's three lines, and the reader's texts as each field.
    const corpus = path.join(__dirname, "..", "fuzz", "corpus");
    for (const file of fs.readdirSync(path.join(corpus, "restart_fuzz")))
        rows.push(fs.readFileSync(path.join(corpus, "restart_fuzz", file), "latin1").split("\n").concat("", "", "")
                    .slice(0, 3));
    for (const file of fs.readdirSync(path.join(corpus, "text_to_number_fuzz"))) {
        const text = fs.readFileSync(path.join(corpus, "text_to_number_fuzz", file), "latin1");
        rows.push([text, "4", "1"], ["1.2", text, "1"], ["1.2", "4", text]);
    }
    // A grid of ordinary values and the edges of every rule.
    const machs = ["0", "-0", "0.1", "0.5", "0.99999", "1", "1.0000001", "1.2", "1.5", "2", "2.34567", "3", "-0.5",
                   "-1", "-2", "10", "1e-310", "1000000000000005", "1,5", "-1,5e1", "2.4e37", "2.6e37", "1e38"];
    const counts = ["0", "-0", "0.5", "1", "4", "4.6", "7", "30", "50", "50.99", "51", "-3", "1e-320", "abc", "4,6"];
    const spans = ["-1", "-0.1", "0", "0.01", "0.04", "1", "2", "4", "1e36", "9.9e35", "2e308", "-0,5", "1e10"];
    for (const m of machs) for (const n of counts) for (const t of spans) rows.push([m, n, t]);
    // Extreme numbers as the refusal's property draws them: signs, mantissas and exponents up to 308 in all fields.
    const random = generator(20261210);
    const extreme = () => {
        const sign = random.pick(["", "-", "+"]);
        const mantissa = random.pick(["1", "9.99", "0.5", "3.4028", "1.7976931348623157", "2.5", "7"]);
        const exponent = Math.floor(random.next() * 617) - 308;
        return sign + mantissa + random.pick(["e", "E"]) + exponent;
    };
    for (let k = 0; k < 4000; ++k)
        rows.push([extreme(), random.next() < 0.3 ? random.pick(["4", "30", "1"]) : extreme(),
                   random.next() < 0.3 ? random.pick(["1", "4"]) : extreme()]);
    // Texts as students type them: blanks, signs, points and commas, exponents, letters and other garbage.
    const pieces = [" ", "\t", "+", "-", "--", ".", ",", "e", "E", "e+", "e-", "0", "1", "2", "5", "9", "12", "0.5",
                    ".5", "5.", "x", "abc", "1 2", "é", "½", "1e", "1e3", "%", "\u00a0", "0x10", "Infinity", "NaN"];
    const typed = () => Array.from({ length: 1 + Math.floor(random.next() * 4) }, () => random.pick(pieces)).join("");
    for (let k = 0; k < 4000; ++k) rows.push([typed(), random.next() < 0.5 ? typed() : "4", typed()]);
    return rows;
}

// The page's restart of three texts: the state, or the batch's line for its refusal.
function restarted(rules, texts) {
    try {
        return { state: rules.restart(...texts) };
    } catch (refusal) {
        if (!(refusal instanceof rules.Refusal)) throw refusal;
        return { refused: `refused\t${refusal.field}\t${refusal.message}` };
    }
}

// What the page's rules make of three texts, in the batch's line format.
function pageLine(rules, program, texts) {
    const { state, refused } = restarted(rules, texts);
    if (refused) return refused;
    const circles = rules.circlesAt(state, rules.nextClock(0));
    if (circles === null) return `error\t${program.overflow}`;
    const written = circles.map((c) => rules.generalText(c.x, 17) + " " + rules.generalText(c.r, 17)).join(";");
    return `drawn\t${rules.caption(state)}\t${rules.describePicture(state)}\t${written}`;
}

// The program's data as the page of that language carries it.
function programOf(language) {
    const html = h.run(["--html", "--lang", language]).out;
    return JSON.parse(html.match(/<script type="application\/json" id="program">(.*?)<\/script>/)[1]);
}

const rows = inputs();

// The fly-over's line for these texts as the page works it out; without a span, the program's default for them.
function heardLine(rules, program, texts, height, span) {
    const { state, refused } = restarted(rules, texts);
    if (refused) return refused;
    let heard;
    try {
        heard = rules.flyOver(state, height, span ?? rules.flyOverSpan(state, height));
    } catch (refusal) {
        if (!(refusal instanceof rules.FlyOverRefusal)) throw refusal;
        return `refused\tlistener\t${refusal.message}`;
    }
    const digits = (v) => rules.generalText(v, 17);
    const arrivals = heard.arrivals.map((a) => `${a.front} ${digits(a.tEmitted)} ${digits(a.xEmitted)} ` +
        `${digits(a.tArrives)} ${a.heardFrequency === null ? "" : digits(a.heardFrequency)}`);
    return `heard\t${heard.boomTime === null ? "none" : digits(heard.boomTime)}\t${arrivals.join(";")}`;
}

// Lines that differ, at most five, with their texts.
function differences(texts, page, program) {
    const found = [];
    texts.forEach((row, k) => {
        if (page[k] !== program[k] && found.length < 5)
            found.push(`${JSON.stringify(row)}\n  page:    ${page[k]?.slice(0, 2000)}\n  program: ${program[k]?.slice(0, 2000)}`);
    });
    return found;
}

function batch(args, texts) {
    const result = h.run(["--batch", ...args], {}, texts.map((r) => JSON.stringify(r)).join("\n") + "\n");
    assert.equal(result.status, 0, result.err);
    const lines = result.out.split("\n").slice(0, -1);
    assert.equal(lines.length, texts.length);
    return lines;
}

for (const language of ["en", "de", "fr", "es"]) {
    it(`computes what the program computes, in ${language}, for ${rows.length} texts`, () => {
        assert.ok(rows.length >= 10000);
        const expected = batch(["--lang", language], rows);
        const program = programOf(language);
        const rules = makeRules(program);
        assert.deepEqual(differences(rows, rows.map((texts) => pageLine(rules, program, texts)), expected), []);
    });
}

// The fly-over's arrivals: every front within a second of the pass, for listeners on the flight path, near it and
// far below, over the grid and the first extreme texts, in English and in a decimal-comma language; and with each
// line's own span, which reaches back to the boom's front, over eight Mach numbers with a front every 0.25 s, every
// 0 s and every 2 s.
const flights = ["0", "0.5", "1", "1.0000001", "1.01", "2", "-3", "1e200"].flatMap((m) => [[m, "8", "2"], [m, "4", "0"],
                                                                                          [m, "0.5", "1"]]);
for (const [language, height, span] of [["en", 1000, 0.5], ["de", 0, 0.5], ["en", 10000, 0.2], ["es", 10000], ["fr", 0],
                                        ["en", 1e308]]) {
    const texts = span ? rows.slice(0, 3000) : flights;
    it(`hears what the program hears, in ${language}, ${height} m below, span ${span ?? "default"}, ${texts.length} texts`,
       () => {
        const spanArgs = span ? ["--span", String(span)] : [];
        const expected = batch(["--lang", language, "--listener", String(height), ...spanArgs], texts);
        const program = programOf(language);
        const rules = makeRules(program);
        const page = texts.map((row) => heardLine(rules, program, row, height, span));
        const kind = height > 1e300 ? "refused" : "heard";
        assert.ok(page.filter((line) => line.startsWith(kind)).length > texts.length / 3);
        assert.deepEqual(differences(texts, page, expected), []);
    });
}
