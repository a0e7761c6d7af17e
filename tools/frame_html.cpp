#include "frame_html.h"

#include "page_parts.h"
#include "regime.h"

#include <array>
#include <cstdio>

namespace conwave {

namespace {

// The window's boxes at start-up.
constexpr std::array<std::string_view, 3> kStartUpTexts = {"0", "4", "1"};

// A JSON string that is also safe inside a script element: "<", ">" and "&" are escaped, so no text can close it.
std::string jsonString(std::string_view text)
{
    std::string json = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (byte < 0x20 || c == '<' || c == '>' || c == '&') {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(byte));
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + '"';
}

void replaceOnce(std::string &page, std::string_view mark, std::string_view content)
{
    const std::size_t at = page.find(mark);
    if (at != std::string::npos)
        page.replace(at, mark.size(), content);
}

} // namespace

std::string frameHtml(const std::vector<std::string_view> &texts, const WaveState &state)
{
    const bool started = texts.size() == 3;
    std::string startUp = "{\"texts\":[";
    for (std::size_t k = 0; k < 3; ++k)
        startUp += (k > 0 ? "," : "") + jsonString(started ? texts[k] : kStartUpTexts[k]);
    startUp += std::string("],\"started\":") + (started ? "true" : "false") +
               ",\"sentence\":" + jsonString(describePicture(state)) + "}";

    std::string page(kPageHtml);
    // The style and the scripts go in first: the start-up texts are the reader's and are inserted last, so that
    // nothing typed can look like one of the marks.
    replaceOnce(page, "@@STYLE@@", kPageStyle);
    replaceOnce(page, "@@RULES@@", kPageRules);
    replaceOnce(page, "@@PLAYER@@", kPagePlayer);
    replaceOnce(page, "@@START@@", startUp);
    return page;
}

} // namespace conwave
