// ==== What the views paint alike ====
// The outlines of circles as far as they pass through a picture, the Mach lines, the source's dot and the strip
// below each picture, in the picture's look from the program and the page's own colours.
function makePainting(program, Rules) {
    const kSeenMargin = 2;      // how far beyond the picture [px] an outline still shows: its width and fringe
    const kSourceDot = 3.5;     // the source's marker for a class to see: radius [CSS px], over a white rim
    const kSourceRim = 1.5;     // [CSS px]
    const kMachLineWidth = 1.5; // [CSS px]
    const kFace = 16;           // the largest face of a strip's line [CSS px]
    const kInset = 4;           // text and marks keep this far from a picture's edge [CSS px]
    const kLabelFace = 12;      // labels in a picture [CSS px]
    // The page's own colours on its canvases; the two streams of the fly-over in colours that people who see red
    // and green alike still tell apart.
    const colours = { paper: "#FFFFFF", ink: "#000000", text: "#111111", line: "#555555", ground: "#D8D8D0",
                      rule: "#BBBBBB", notYet: "#AAAAAA", boom: "#C00000", now: "#0050B4", faint: "#8A8A8A",
                      streams: ["#D55E00", "#0072B2"] };

    // A canvas's backing store at the screen's resolution: exactly the device pixels it covers where the browser
    // says how many (then the compositor copies it without scaling), else its CSS size times devicePixelRatio.
    function fit(view, devicePixels) {
        const cssWidth = view.canvas.clientWidth, cssHeight = view.canvas.clientHeight;
        if (cssWidth === 0 || cssHeight === 0) return;
        let width = Math.round(cssWidth * window.devicePixelRatio);
        let height = Math.round(cssHeight * window.devicePixelRatio);
        // The browser's count settles the rounding; one that disagrees more (as under emulated resolutions) is stale.
        const near = (count, estimate) => Math.abs(count - estimate) <= 1;
        if (devicePixels && near(devicePixels.inlineSize, width) && near(devicePixels.blockSize, height))
            [width, height] = [devicePixels.inlineSize, devicePixels.blockSize];
        view.scale = width / cssWidth;
        if (view.canvas.width !== width || view.canvas.height !== height) {
            [view.canvas.width, view.canvas.height] = [width, height];
            view.font = null; // a resized canvas starts with a fresh drawing state
        }
    }

    // The arcs [from, to] [rad] of a circle [px] that pass through the picture, widened by the outline's fringe:
    // stroking costs in proportion to the length of the outline, seen or not, and most of a large circle lies
    // outside. Angles run as the canvas draws them, from three o'clock towards six.
    function seenArcs(x, y, r, width, height) {
        const box = { left: -kSeenMargin, top: -kSeenMargin, right: width + kSeenMargin, bottom: height + kSeenMargin };
        const inside = (angle) => {
            const px = x + r * Math.cos(angle), py = y + r * Math.sin(angle);
            return px >= box.left && px <= box.right && py >= box.top && py <= box.bottom;
        };
        const turn = 2 * Math.PI;
        const crossings = [];
        for (const edge of [box.left, box.right]) {
            const c = (edge - x) / r;
            if (Math.abs(c) < 1) crossings.push(Math.acos(c), turn - Math.acos(c));
        }
        for (const edge of [box.top, box.bottom]) {
            const s = (edge - y) / r;
            if (Math.abs(s) < 1) crossings.push((Math.asin(s) + turn) % turn, Math.PI - Math.asin(s));
        }
        if (crossings.length === 0) return inside(0) ? [[0, turn]] : [];
        crossings.sort((a, b) => a - b);
        crossings.push(crossings[0] + turn);
        const arcs = [];
        for (let k = 0; k + 1 < crossings.length; ++k) {
            const [from, to] = [crossings[k], crossings[k + 1]];
            if (to > from && inside((from + to) / 2)) arcs.push([from, to]);
        }
        return arcs;
    }

    // Adds to the path the arcs of a circle [px] that pass through a picture width x height [px].
    function outline(context, x, y, r, width, height) {
        for (const [from, to] of seenArcs(x, y, r, width, height)) {
            context.moveTo(x + r * Math.cos(from), y + r * Math.sin(from));
            context.arc(x, y, r, from, to);
        }
    }

    // Above Mach 1 the two lines every wavefront touches, from the source at (x, y), length long [px], at the Mach
    // angle either side of the way the cone opens: opens is 1 to the right, -1 to the left.
    function machLines(context, x, y, M, opens, length) {
        const angle = Rules.machAngle(M);
        context.beginPath();
        for (const side of [-1, 1]) {
            context.moveTo(x, y);
            context.lineTo(x + opens * length * Math.cos(angle), y + side * length * Math.sin(angle));
        }
        context.lineWidth = kMachLineWidth;
        context.strokeStyle = program.look.machLine;
        context.stroke();
    }

    // The source as a dot a class sees on a projector, over the wavefronts, with a white rim.
    function sourceDot(context, x, y) {
        for (const [radius, colour] of [[kSourceDot + kSourceRim, colours.paper], [kSourceDot, colours.ink]]) {
            context.beginPath();
            context.arc(x, y, radius, 0, 2 * Math.PI);
            context.fillStyle = colour;
            context.fill();
        }
    }

    // Below a picture, on the same canvas, from top, height high [px]: white under the marks of its view. Written
    // into the page's text at every tick, what the strip says would make the browser lay out and paint the page 25
    // times a second.
    function strip(context, width, top, height) {
        context.fillStyle = colours.paper;
        context.fillRect(0, top, width, height + 1);
    }

    // The face size [px] of a view's text; parsing a font costs more than drawing the text, so it is set only
    // when the size changes or the canvas was reset.
    const advances = new Map(); // font -> character -> advance [px]
    function useFace(view, size) {
        const font = size.toFixed(1) + "px system-ui, sans-serif";
        if (view.font !== font) {
            view.context.font = view.font = font;
            view.context.textBaseline = "middle";
            if (!advances.has(font)) advances.set(font, new Map());
        }
    }

    // A text's width [px] in the view's face, from each character's advance measured once: measuring whole texts
    // at every tick costs as much as drawing them.
    function textWidth(view, text) {
        const known = advances.get(view.font);
        let width = 0;
        for (const c of text) {
            if (!known.has(c)) known.set(c, view.context.measureText(c).width);
            width += known.get(c);
        }
        return width;
    }

    // The strip's line in a box {top, height, width} [px]: its view's clock, then what else the view says. Where
    // the line is wider than the picture it wraps after the clock, and a line still too wide is set smaller (its
    // width is reckoned without kerning, so a few per cent are kept free).
    function stripText(view, clock, more, box) {
        const context = view.context;
        const room = 0.96 * (box.width - 2 * kInset);
        context.fillStyle = colours.text;
        useFace(view, Math.min(kFace, box.height * 0.62));
        const line = Rules.fill(program.page.stripText, [clock, more]);
        if (textWidth(view, line) <= room) {
            context.fillText(line, kInset, box.top + box.height / 2);
            return;
        }
        useFace(view, Math.min(kFace, box.height * 0.45));
        const widest = Math.max(textWidth(view, clock), textWidth(view, more));
        if (widest > room) useFace(view, Math.floor(2 * Math.min(kFace, box.height * 0.45) * room / widest) / 2);
        context.fillText(clock, kInset, box.top + box.height * 0.27);
        context.fillText(more, kInset, box.top + box.height * 0.75);
    }

    // A scale bar [px] from (x, y) to the right, its length said beside it.
    function scaleBar(view, x, y, length, label) {
        const context = view.context;
        const tick = 5;
        context.beginPath();
        context.moveTo(x, y);
        context.lineTo(x, y + tick);
        context.lineTo(x + length, y + tick);
        context.lineTo(x + length, y);
        context.lineWidth = 2;
        context.strokeStyle = colours.ink;
        context.stroke();
        context.fillStyle = colours.ink;
        useFace(view, kLabelFace);
        context.fillText(label, x + length + kInset, y + tick / 2);
    }

    return { colours, fit, outline, machLines, sourceDot, strip, stripText, useFace, scaleBar };
}
