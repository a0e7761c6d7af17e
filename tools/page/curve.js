// ==== The Doppler curve ====
// The frequency heard against time, f / f0 from -span to +span, beside the fly-over: a point for each arrival,
// joined within its stream, t = 0 and f / f0 = 1 marked, the boom and the frequencies heard far ahead and far behind.
// It is drawn once per set-up (and when its size changes); while playing only its cursor moves, drawn on a
// transparent canvas over it. A text beside it says what it shows, for screen readers and for the class.
function makeCurve(program, Rules, $, painting) {
    const words = program.page;
    const colours = painting.colours;
    const kMargin = { left: 30, right: 8, top: 16, bottom: 18 }; // [CSS px] room for the scales' numbers
    const kHighest = 4;      // the f / f0 shown at most: near the boom the frequency heard grows without bound
    const kTops = [1.5, 2, 2.5, 3, 4, 5]; // the scale's top, the lowest that holds the highest point shown
    const kDot = 2.5;        // a point's side [CSS px]
    const local = (value) => Rules.local(Rules.readableNumber(value));
    const view = { canvas: $("curve"), context: $("curve").getContext("2d", { alpha: false }), scale: 1 };
    const cursor = { canvas: $("curve-cursor"), context: $("curve-cursor").getContext("2d"), scale: 1, x: null };

    let setUp = null;  // { heard, span }: what the curve shows
    let drawn = null;  // { plot, top, branches } of the last drawing
    let draws = 0;     // drawings so far, for scripts that check that playing draws none

    // The points of each stream heard within the span, in the order heard: {t, ratio, front}.
    function branchesOf(heard, span) {
        return heard.streams.map((stream) => stream.filter((a) => a.tArrives >= -span && a.tArrives <= span)
            .map((a) => ({ t: a.tArrives, ratio: a.heardFrequency / heard.f0, front: a.front })));
    }

    // What the curve says in words: the far frequencies, the boom and the streams, with the streams' colours.
    function describe(heard) {
        const ratioAndHertz = (f) => [local(f / heard.f0), local(f)];
        const far = heard.farAhead === null
            ? Rules.fill(words.curveFarBehindOnly, ratioAndHertz(heard.farBehind))
            : Rules.fill(words.curveFar, [...ratioAndHertz(heard.farAhead), ...ratioAndHertz(heard.farBehind)]);
        const boom = heard.boomTime === null ? "" : " " + Rules.fill(words.curveBoom, [local(heard.boomTime)]);
        $("curve-text").textContent = far + boom;
        const streams = heard.boomTime === null ? [[1, words.streamOnly]]
            : [[0, words.streamAhead], [1, words.streamBehind]];
        $("curve-streams").replaceChildren(...streams.map(([k, pattern]) => {
            const item = document.createElement("li");
            const swatch = document.createElement("span");
            swatch.className = "swatch";
            swatch.style.background = colours.streams[k];
            swatch.setAttribute("aria-hidden", "true");
            item.append(swatch, Rules.fill(pattern, [local(heard.split)]));
            return item;
        }));
    }

    function paint(heard, span) {
        const { canvas, context } = view;
        const width = canvas.width / view.scale, height = canvas.height / view.scale;
        context.setTransform(view.scale, 0, 0, view.scale, 0, 0);
        context.fillStyle = colours.paper;
        context.fillRect(0, 0, width, height);
        const plot = { left: kMargin.left, top: kMargin.top, width: width - kMargin.left - kMargin.right,
                       height: height - kMargin.top - kMargin.bottom };
        const branches = branchesOf(heard, span);
        const farRatios = [heard.farAhead, heard.farBehind].filter((f) => f !== null).map((f) => f / heard.f0);
        const highest = branches.flat().map((p) => p.ratio).concat(farRatios)
            .reduce((most, ratio) => Math.max(most, Math.min(ratio, kHighest)), 1);
        const top = kTops.find((t) => t >= 1.1 * highest) ?? kTops[kTops.length - 1];
        const px = (t) => plot.left + (t + span) / (2 * span) * plot.width;
        const py = (ratio) => plot.top + (1 - ratio / top) * plot.height;
        const rule = (x0, y0, x1, y1, colour, dash = []) => {
            context.beginPath();
            context.setLineDash(dash);
            context.moveTo(x0, y0);
            context.lineTo(x1, y1);
            context.strokeStyle = colour;
            context.lineWidth = 1;
            context.stroke();
            context.setLineDash([]);
        };
        painting.useFace(view, 11);
        context.fillStyle = colours.text;
        // The scales: f / f0 at every whole number, t at the span's ends and the pass overhead.
        context.textAlign = "right";
        for (let ratio = 0; ratio <= top; ++ratio) {
            rule(plot.left, py(ratio), plot.left + plot.width, py(ratio), ratio === 1 ? colours.line : colours.rule);
            context.fillText(Rules.local(String(ratio)), plot.left - 4, py(ratio));
        }
        const below = plot.top + plot.height + kMargin.bottom / 2;
        for (const [t, align] of [[-span, "left"], [0, "center"], [span, "right"]]) {
            context.textAlign = align;
            context.fillText(Rules.local(Rules.numberToText(t)), px(t), below);
        }
        context.textAlign = "center";
        context.fillText(words.curveAxisTime, px(span / 2), below);
        rule(px(0), plot.top, px(0), plot.top + plot.height, colours.line);
        context.textAlign = "left";
        context.fillText(words.curveAxisRatio, 2, kMargin.top / 2);
        // The far frequencies, faint, and the boom.
        const far = [[heard.farAhead, words.farAhead], [heard.farBehind, words.farBehind]]
            .filter(([f], k, all) => f !== null && f / heard.f0 <= top && (k === 0 || f !== all[0][0]));
        context.textAlign = "right";
        for (const [f, label] of far) {
            rule(plot.left, py(f / heard.f0), plot.left + plot.width, py(f / heard.f0), colours.faint, [4, 3]);
            context.fillText(label, plot.left + plot.width - 2, py(f / heard.f0) - 6);
        }
        context.save();
        context.beginPath();
        context.rect(plot.left, plot.top, plot.width, plot.height);
        context.clip();
        if (heard.boomTime !== null && heard.boomTime <= span) {
            rule(px(heard.boomTime), plot.top, px(heard.boomTime), plot.top + plot.height, colours.boom, [2, 2]);
            context.textAlign = "left";
            context.fillStyle = colours.boom;
            context.fillText(words.boom, px(heard.boomTime) + 3, plot.top + 6);
        }
        // Each stream's points, joined in the order heard.
        branches.forEach((points, k) => {
            context.beginPath();
            points.forEach((p, n) => (n === 0 ? context.moveTo : context.lineTo).call(context, px(p.t), py(p.ratio)));
            context.strokeStyle = context.fillStyle = colours.streams[k];
            context.lineWidth = 1.5;
            context.stroke();
            for (const p of points) context.fillRect(px(p.t) - kDot / 2, py(p.ratio) - kDot / 2, kDot, kDot);
        });
        context.restore();
        context.textAlign = "left";
        return { plot, top, branches };
    }

    // A new set-up, or the same at a new size: the curve is drawn again and its text written.
    function draw(heard, span) {
        setUp = heard ? { heard, span } : null;
        drawn = null;
        $("curve-figure").hidden = setUp === null;
        painting.fit(view);
        if (setUp === null || view.canvas.width === 0) return;
        drawn = paint(heard, span);
        ++draws;
        describe(heard);
        painting.fit(cursor);
        cursor.context.setTransform(cursor.scale, 0, 0, cursor.scale, 0, 0);
        cursor.context.clearRect(0, 0, cursor.canvas.width, cursor.canvas.height);
        cursor.context.fillStyle = colours.ink;
        cursor.x = null;
    }

    // The cursor at the fly-over's time t [s], 2 CSS px wide: only the old line is wiped, and the curve beneath is
    // not drawn again.
    function moveCursor(t) {
        if (!drawn) return;
        const x = Math.round(drawn.plot.left + (t + setUp.span) / (2 * setUp.span) * drawn.plot.width) - 1;
        if (x === cursor.x) return;
        const { context } = cursor;
        if (cursor.x !== null) context.clearRect(cursor.x - 1, drawn.plot.top - 1, 4, drawn.plot.height + 2);
        context.fillRect(x, drawn.plot.top, 2, drawn.plot.height);
        cursor.x = x;
    }

    return {
        draw, moveCursor,
        redraw: () => setUp && draw(setUp.heard, setUp.span),
        shown: () => (drawn ? { ...drawn, draws, cursor: cursor.x + 1 } : { draws }),
    };
}
