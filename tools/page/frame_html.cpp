#include "page/frame_html.h"

#include "listener.h"
#include "page/page_parts.h"
#include "picture_look.h"
#include "regime.h"
#include "runtime_services.h"
#include "shared/markup.h"
#include "shared/tool_words.h"
#include "wave_state.h"
#include "wave_tick.h"

#include <array>

namespace conwave {

namespace {

constexpr double kStartUpHeight = 1000.0; // the listener's distance below the flight in the page's box at start-up [m]

// The page's speeds: animation time per wall time, each with the text its control shows.
struct Speed {
    double share;
    std::string_view text;
};
constexpr std::array<Speed, 4> kSpeeds{{{1.0, "1"}, {0.5, "1/2"}, {0.25, "1/4"}, {0.1, "1/10"}}};

// The page's own texts, by the name the page's markup and scripts use. The context "Page" names them for the
// translators; the translations live with the windows'.
constexpr std::array<NamedWords, 62> kPageWords{{
    {"title", CONWAVE_WORDS("Page", "Conwave: wavefronts of a moving source")},
    {"sourceTitle", CONWAVE_WORDS("Page", "Seen from the source: the air streams past it from left to right")},
    {"sourceTitleOtherWay", CONWAVE_WORDS("Page", "Seen from the source: the air streams past it from right to left")},
    {"sourceTitleAtRest", CONWAVE_WORDS("Page", "Seen from the source: the source and the air are at rest")},
    {"groundTitle", CONWAVE_WORDS("Page", "Seen from the ground: the air is at rest and the source moves to the left")},
    {"groundTitleOtherWay",
     CONWAVE_WORDS("Page", "Seen from the ground: the air is at rest and the source moves to the right")},
    {"groundTitleAtRest", CONWAVE_WORDS("Page", "Seen from the ground: the source and the air are at rest, and the "
                                                "wavefronts grow around the source")},
    {"wrapNote", CONWAVE_WORDS("Page", "When the clock starts again, this view jumps back by one interval's path: "
                                       "see below.")},
    {"animation", CONWAVE_WORDS("Page", "Animation")},
    {"play", CONWAVE_WORDS("Page", "Play")},
    {"pause", CONWAVE_WORDS("Page", "Pause")},
    {"tick", CONWAVE_WORDS("Page", "Tick")},
    {"tickBack", CONWAVE_WORDS("Page", "One tick back")},
    {"tickForward", CONWAVE_WORDS("Page", "One tick forward")},
    {"clockCycle", CONWAVE_WORDS("Page", "Clock cycle")},
    {"clock", CONWAVE_WORDS("Page", "tNow = %1 s")},
    {"stripText", CONWAVE_WORDS("Page", "%1   %2")}, // below a picture: its clock, then what else its view says
    {"tickAndClock", CONWAVE_WORDS("Page", "%1, %2")}, // the playing slider's value: the tick, then the clock
    {"tickOf", CONWAVE_WORDS("Page", "tick %1 of %2")},
    {"tickOfMore", CONWAVE_WORDS("Page", "tick %1 of %2 or more")},
    {"keys", CONWAVE_WORDS("Page", "Keys: %1 plays and pauses, %2 %3 step one tick (%4 s), everywhere except in "
                                   "the number boxes.")},
    {"space", CONWAVE_WORDS("Page", "Space")},
    {"machLines", CONWAVE_WORDS("Page", "Mach lines")},
    {"beforeStart", CONWAVE_WORDS("Page", "before START")},
    {"machAngle", CONWAVE_WORDS("Page", "Mach angle: %1°, the angle whose sine is 1/|M|.")},
    {"howToRead", CONWAVE_WORDS("Page", "How to read the three views")},
    {"noteSource", CONWAVE_WORDS("Page", "The first view, seen from the source, is the picture of the Conwave window: "
                                         "the source sits still and the air carries each wavefront downstream while "
                                         "it grows at the speed of sound, %1 m/s. Each tick adds %2 s to the clock "
                                         "tNow.")},
    {"noteGround",
     CONWAVE_WORDS("Page", "In the second view, seen from the ground, the air is at rest: every wavefront stays centred "
                           "where the source sent it out, and the source moves through them. Both views run on the "
                           "same clock. At any one moment they show the same wavefronts, only shifted; they differ in "
                           "how the picture moves. When the clock has passed one interval between wavefronts it "
                           "starts again from 0, as in the window: in the first view nothing seems to happen, because "
                           "every wavefront has grown into the place of the next one; in the second the source and "
                           "all wavefronts jump back by the distance the source travels in one interval, the oldest "
                           "wavefront leaves and a new one starts at the source.")},
    {"noteFlyOver",
     CONWAVE_WORDS("Page", "The third view, heard from the ground, follows one fly-over on a clock of its own: the "
                           "source flies to the left for M > 0, at the height H above a listener, and the view zooms "
                           "out as the source recedes so that both stay in sight; its scale bar gives the current "
                           "scale. The curve below it shows the frequency heard against time, as f / f0, where f0 is "
                           "the frequency the source sends: above Mach 1 nothing is heard before the boom, and after "
                           "it two streams of wavefronts arrive at once. Speed slows both clocks and the sound alike.")},
    {"noteLink", CONWAVE_WORDS("Page", "After START, and when H changes, the page's address holds M, nWave, tMax and "
                                       "H: a link to it opens the page on the same set-up, so that one file serves "
                                       "several slides.")},
    {"noteBoxes", CONWAVE_WORDS("Page", "M, nWave and tMax are read as the window reads its boxes when START is "
                                        "pressed. Values it cannot draw are refused with a message, and the animation "
                                        "goes on as it was.")},
    {"start", CONWAVE_WORDS("Form1", "START")},
    {"flyOverTitle", CONWAVE_WORDS("Page", "Heard from the ground: the source flies over a listener %1 m below it")},
    {"flyOverTitleAtRest", CONWAVE_WORDS("Page", "Heard from the ground: the source hovers %1 m above a listener")},
    {"flyOverNote", CONWAVE_WORDS("Page", "The air is at rest. The strip below marks each wavefront where it reaches "
                                          "the listener, dark once heard, and the boom in red; above Mach 1 nothing "
                                          "is heard before the boom, when the Mach cone sweeps over the listener.")},
    {"flyOverTime", CONWAVE_WORDS("Page", "Fly-over time")},
    {"flightTime", CONWAVE_WORDS("Page", "t = %1 s")},
    {"silenceUntil", CONWAVE_WORDS("Page", "silence until %1 s, when the first wavefront arrives")},
    {"heardNow", CONWAVE_WORDS("Page", "heard now: %1 Hz = %2 f0")},
    {"heardNowTwo", CONWAVE_WORDS("Page", "heard now: %1 Hz = %2 f0 and %3 Hz = %4 f0")},
    {"sending", CONWAVE_WORDS("Page", "The source sends a wavefront every %1 s (f0 = %2 Hz) from %3 s to %4 s, and "
                                      "none before or after.")},
    {"scaleBar", CONWAVE_WORDS("Page", "%1 m")},
    {"speed", CONWAVE_WORDS("Page", "Speed")},
    {"soundNote", CONWAVE_WORDS("Page", "The tone is transposed: it plays %1 Hz × f / f0, one tone for each stream "
                                        "of wavefronts.")},
    {"curveTitle", CONWAVE_WORDS("Page", "The frequency heard against time: f / f0 for each wavefront when it reaches "
                                         "the listener")},
    {"curveAxisTime", CONWAVE_WORDS("Page", "t [s]")},
    {"curveAxisRatio", CONWAVE_WORDS("Page", "f / f0")},
    {"farAhead", CONWAVE_WORDS("Page", "far ahead")},
    {"farBehind", CONWAVE_WORDS("Page", "far behind")},
    {"curveFar", CONWAVE_WORDS("Page", "Far ahead the listener hears %1 f0 (%2 Hz), far behind %3 f0 (%4 Hz).")},
    {"curveFarBehindOnly", CONWAVE_WORDS("Page", "Far behind the listener hears %1 f0 (%2 Hz); the wavefronts sent "
                                                 "long before the pass all arrive together just after it.")},
    {"curveBoom", CONWAVE_WORDS("Page", "The boom reaches the listener at %1 s; after it two streams of wavefronts "
                                        "arrive at once:")},
    {"streamAhead", CONWAVE_WORDS("Page", "sent before %1 s, heard in reverse order")},
    {"streamBehind", CONWAVE_WORDS("Page", "sent after %1 s, heard in the order sent")},
    {"streamOnly", CONWAVE_WORDS("Page", "every wavefront, heard in the order sent")},
    {"boom", CONWAVE_WORDS("Page", "the boom")},
    {"sound", CONWAVE_WORDS("Page", "Sound")},
    {"boomNews", CONWAVE_WORDS("Page", "The boom reaches the listener, %1 s after the source passed overhead.")},
    {"arrivedNews", CONWAVE_WORDS("Page", "%1 wavefronts have reached the listener.")},
    {"arrivedNewsOne", CONWAVE_WORDS("Page", "One wavefront has reached the listener.")},
    {"heightRefused",
     CONWAVE_WORDS("Page", "The listener's distance below the flight H is a number of metres, 0 or more: enter a "
                           "number such as %1.")},
    {"flyOverKeys", CONWAVE_WORDS("Page", "On the fly-over, %1 and %2 move the listener away from the flight and "
                                          "towards it.")},
}};

std::string_view pageWords(std::string_view name) { return wordsNamed(kPageWords, name); }

// The context a page text is translated under: the page's own, or the window's where the page says the same.
std::string_view contextOf(std::string_view name) { return name == "start" ? "Form1" : "Page"; }

void replaceAll(std::string &page, std::string_view mark, std::string_view content)
{
    for (std::size_t at = page.find(mark); at != std::string::npos; at = page.find(mark, at + content.size()))
        page.replace(at, mark.size(), content);
}

// {"name":"words",...} for a table of named texts, each in the wording's language.
std::string jsonWords(std::span<const NamedWords> table, std::string_view context, const Wording &wording,
                      std::string_view (*contextFor)(std::string_view) = nullptr)
{
    std::string json = "{";
    for (const NamedWords &entry : table) {
        const std::string_view where = contextFor != nullptr ? contextFor(entry.name) : context;
        json += (json.size() > 1 ? "," : "") + jsonString(entry.name) + ":" +
                jsonString(wording.translate(where, entry.english));
    }
    return json + "}";
}

std::string jsonNumber(double value) { return shortestText(value); }

std::string jsonRange(const AcceptedRange &range)
{
    return "[" + jsonNumber(range.low) + "," + jsonNumber(range.high) + "]";
}

// Everything the page's scripts take from the program: its numbers, its look and its words.
std::string programData(std::string_view language, const Wording &wording)
{
    const WorldWindow world = worldWindow(kSoundSpeed);
    std::string json = "{\"language\":" + jsonString(language);
    json += ",\"decimalSign\":" + jsonString(std::string(1, wording.decimalSign));
    json += ",\"soundSpeed\":" + jsonNumber(kSoundSpeed) + ",\"tickSeconds\":" + jsonNumber(kTickSeconds);
    json += ",\"maxWaves\":" + jsonNumber(kMaxWaves) + ",\"maxScrollMach\":" + jsonNumber(kMaxScrollMach) +
            ",\"maxScrollSpan\":" + jsonNumber(kMaxScrollSpan);
    json += ",\"ordinaryMach\":" + jsonRange(kOrdinaryMach) + ",\"waveCounts\":" + jsonRange(kWaveCounts) +
            ",\"ordinarySpan\":" + jsonRange(kOrdinarySpan);
    json += ",\"geometryLimit\":" + jsonNumber(kGeometryLimit) + ",\"singleOverflow\":" + jsonNumber(kSingleOverflow);
    json += ",\"waveCountCap\":" + jsonNumber(kWaveCountCap) + ",\"limitShrink\":" + jsonNumber(kLimitShrink);
    json += ",\"markerRadius\":" + jsonNumber(static_cast<double>(kMarkerRadius));
    json += ",\"world\":{\"left\":" + jsonNumber(world.left) + ",\"top\":" + jsonNumber(world.top) +
            ",\"right\":" + jsonNumber(world.right) + ",\"bottom\":" + jsonNumber(world.bottom) + "}";
    json += ",\"look\":{\"background\":" + jsonString(svgColour(kPictureBackground)) +
            ",\"wave\":" + jsonString(svgColour(kWaveColour)) + ",\"machLine\":" + jsonString(svgColour(kMachLineColour)) +
            ",\"dotRadius\":" + jsonNumber(kDotRadius) + "}";
    json += ",\"caption\":" + jsonString(kParameterCaption);
    json += ",\"maxFlyOverFronts\":" + jsonNumber(static_cast<double>(kMaxFlyOverFronts)) +
            ",\"flyOverSpan\":" + jsonNumber(kDefaultFlyOverSpan) +
            ",\"flyOverSpanRounding\":" + jsonNumber(kFlyOverSpanRounding);
    json += ",\"speeds\":[";
    for (const Speed &speed : kSpeeds)
        json += (&speed != kSpeeds.data() ? ",[" : "[") + jsonNumber(speed.share) + "," + jsonString(speed.text) + "]";
    json += "]";
    json += ",\"refusals\":" + jsonWords(refusalWordTable(), "Refusal", wording);
    json += ",\"listener\":" + jsonWords(flyOverWordTable(), "Listener", wording);
    json += ",\"picture\":" + jsonWords(pictureWordTable(), "Picture", wording);
    json += ",\"page\":" + jsonWords(kPageWords, "Page", wording, contextOf);
    // What the page says when a circle does not fit single precision, as the window reports that run-time error.
    json += ",\"overflow\":" + jsonString(errorReport(RuntimeError(RuntimeErrorDetail::CoordinateTooLarge), wording));
    return json + "}";
}

// The page's static texts, each {{name}} in the markup, in the page's language and safe as markup.
void fillTexts(std::string &page, const Wording &wording)
{
    const auto text = [&wording](std::string_view name) {
        return escapedMarkup(wording.translate(contextOf(name), pageWords(name)));
    };
    const std::string tick = localNumber(numberToText(kTickSeconds), wording);
    replaceAll(page, "{{keys}}", fillWords(text("keys"), {"<kbd>" + text("space") + "</kbd>", "<kbd>&larr;</kbd>",
                                                          "<kbd>&rarr;</kbd>", tick}));
    replaceAll(page, "{{noteSource}}", fillWords(text("noteSource"), {numberToText(kSoundSpeed), tick}));
    replaceAll(page, "{{flyOverKeys}}", fillWords(text("flyOverKeys"), {"<kbd>&uarr;</kbd>", "<kbd>&darr;</kbd>"}));
    for (const NamedWords &entry : kPageWords)
        replaceAll(page, "{{" + std::string(entry.name) + "}}", text(entry.name));
}

} // namespace

std::string frameHtml(const std::vector<std::string_view> &texts, const WaveState &state, std::string_view language)
{
    const Wording wording = toolWording(language);
    const bool started = texts.size() == 3;
    std::string startUp = "{\"texts\":[";
    for (std::size_t k = 0; k < 3; ++k)
        startUp += (k > 0 ? "," : "") + jsonString(started ? texts[k] : kStartUpTexts[k]);
    startUp += "],\"height\":" + jsonString(numberToText(kStartUpHeight));
    startUp += std::string(",\"started\":") + (started ? "true" : "false");
    startUp += ",\"sentence\":" + jsonString(describePicture(state, wording)) + "}";

    std::string page(kPageHtml);
    // The style, the scripts and the program's own words go in first: the start-up texts are the reader's and are
    // inserted last, so that nothing typed can look like one of the marks.
    replaceAll(page, "@@LANG@@", language);
    fillTexts(page, wording);
    replaceAll(page, "@@STYLE@@", kPageStyle);
    replaceAll(page, "@@RULES@@", kPageRules);
    replaceAll(page, "@@PAINTING@@", kPagePainting);
    replaceAll(page, "@@SOUND@@", kPageSound);
    replaceAll(page, "@@FLYOVER@@", kPageFlyOver);
    replaceAll(page, "@@CURVE@@", kPageCurve);
    replaceAll(page, "@@PLAYER@@", kPagePlayer);
    replaceAll(page, "@@PROGRAM@@", programData(language, wording));
    replaceAll(page, "@@START@@", startUp);
    return page;
}

} // namespace conwave
