// ==== What the views paint alike ====
// The outlines of circles as far as they pass through a picture, the Mach lines, the source's dot and the strip
// below each picture, in the picture's look from the program and the page's own colours.
function makePainting(program, Rules) {
    const kSeenMargin = 2;      // how far beyond the picture [px] an outline still shows: its width and fringe
    const kSourceDot = 3.5;     // the source's marker for a class to see: radius [CSS px], over a white rim
    const kSourceRim = 1.5;     // [CSS px]
    const kMachLineWidth = 1.5; // [CSS px]
    // The page's own colours on its canvases.
    const colours = { paper: "#FFFFFF", ink: "#000000", text: "#111111", line: "#555555", ground: "#D8D8D0",
                      rule: "#BBBBBB", notYet: "#AAAAAA", boom: "#C00000", now: "#0050B4" };

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

    // The strip's line: its view's clock, then what else the view says, at y [px], the face size [px] high.
    function stripText(view, clock, more, size, y) {
        const context = view.context;
        context.fillStyle = colours.text;
        const font = size.toFixed(1) + "px system-ui, sans-serif";
        if (view.font !== font) {
            // Parsing a font costs more than drawing the text: only when the size changes or the canvas was reset.
            context.font = view.font = font;
            context.textBaseline = "middle";
        }
        context.fillText(Rules.fill(program.page.stripText, [clock, more]), 4, y);
    }

    return { colours, outline, machLines, sourceDot, strip, stripText };
}
