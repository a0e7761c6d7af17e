#include "batch/batch.h"

#include "listener.h"
#include "regime.h"
#include "runtime_services.h"
#include "shared/markup.h"
#include "shared/tool_words.h"
#include "wave_state.h"
#include "wave_tick.h"

#include <charconv>
#include <istream>
#include <ostream>

namespace conwave {

namespace {

// Appends code point cp as UTF-8.
void appendUtf8(std::string &text, std::uint32_t cp)
{
    if (cp < 0x80) {
        text += static_cast<char>(cp);
    } else if (cp < 0x800) {
        text += static_cast<char>(0xC0 | (cp >> 6));
        text += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        text += static_cast<char>(0xE0 | (cp >> 12));
        text += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (cp >> 18));
        text += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

class JsonReader {
public:
    explicit JsonReader(std::string_view text) : m_text(text) {}

    bool take(char c)
    {
        skipBlanks();
        if (m_at < m_text.size() && m_text[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }

    bool atEnd()
    {
        skipBlanks();
        return m_at == m_text.size();
    }

    std::optional<std::string> string()
    {
        if (!take('"'))
            return std::nullopt;
        std::string value;
        while (m_at < m_text.size()) {
            const char c = m_text[m_at++];
            if (c == '"')
                return value;
            if (c != '\\') {
                value += c;
                continue;
            }
            if (m_at >= m_text.size())
                return std::nullopt;
            const char escaped = m_text[m_at++];
            switch (escaped) {
            case '"': case '\\': case '/': value += escaped; break;
            case 'b': value += '\b'; break;
            case 'f': value += '\f'; break;
            case 'n': value += '\n'; break;
            case 'r': value += '\r'; break;
            case 't': value += '\t'; break;
            case 'u': {
                std::optional<std::uint32_t> cp = hex4();
                if (!cp)
                    return std::nullopt;
                // A surrogate pair makes one code point; a lone surrogate stays as it is.
                if (*cp >= 0xD800 && *cp < 0xDC00 && m_text.substr(m_at, 2) == "\\u") {
                    const std::size_t back = m_at;
                    m_at += 2;
                    const std::optional<std::uint32_t> low = hex4();
                    if (low && *low >= 0xDC00 && *low < 0xE000)
                        cp = 0x10000 + ((*cp - 0xD800) << 10) + (*low - 0xDC00);
                    else
                        m_at = back;
                }
                appendUtf8(value, *cp);
                break;
            }
            default: return std::nullopt;
            }
        }
        return std::nullopt;
    }

private:
    void skipBlanks()
    {
        while (m_at < m_text.size() && (m_text[m_at] == ' ' || m_text[m_at] == '\t' || m_text[m_at] == '\r'))
            ++m_at;
    }

    std::optional<std::uint32_t> hex4()
    {
        std::uint32_t cp = 0;
        if (m_text.size() - m_at < 4)
            return std::nullopt;
        const auto [ptr, error] = std::from_chars(m_text.data() + m_at, m_text.data() + m_at + 4, cp, 16);
        if (error != std::errc{} || ptr != m_text.data() + m_at + 4)
            return std::nullopt;
        m_at += 4;
        return cp;
    }

    std::string_view m_text;
    std::size_t m_at = 0;
};

std::string seventeenDigits(double value) { return formattedText(value, std::chars_format::general, 17); }

constexpr std::string_view fieldName(WaveField field)
{
    switch (field) {
    case WaveField::M: return "M";
    case WaveField::nWave: return "nWave";
    case WaveField::tMax: return "tMax";
    }
    return "";
}

std::string heardLine(const WaveState &state, const BatchListener &listener, const Wording &wording)
{
    FlyOver heard;
    try {
        heard = flyOver(state, listener.height, listener.span.value_or(flyOverSpan(state, listener.height)));
    } catch (const FlyOverRefused &refusal) {
        return "refused\tlistener\t" + flyOverMessage(refusal, wording);
    }
    std::string line = "heard\t" + (heard.boomTime ? seventeenDigits(*heard.boomTime) : std::string("none")) + '\t';
    for (std::size_t k = 0; k < heard.arrivals.size(); ++k) {
        const Arrival &a = heard.arrivals[k];
        line += (k > 0 ? ";" : "") + std::to_string(a.front) + ' ' + seventeenDigits(a.tEmitted) + ' ' +
                seventeenDigits(a.xEmitted) + ' ' + seventeenDigits(a.tArrives) + ' ' +
                (a.heardFrequency ? seventeenDigits(*a.heardFrequency) : std::string());
    }
    return line;
}

std::string batchLine(const std::array<std::string, 3> &texts, const Wording &wording,
                      const std::optional<BatchListener> &listener)
{
    WaveState state;
    initialise(state);
    try {
        restart(state, texts[0], texts[1], texts[2], typedDecimalSign(wording));
    } catch (const RestartRefused &refusal) {
        return "refused\t" + std::string(fieldName(refusal.field())) + '\t' + refusalMessage(refusal, wording);
    }
    if (listener)
        return heardLine(state, *listener, wording);
    RecordingSink sink;
    try {
        tick(state, sink);
    } catch (const RuntimeError &error) {
        return "error\t" + errorReport(error, wording);
    }
    std::string circles;
    for (const WaveCircle &c : sink.frame())
        circles += (circles.empty() ? "" : ";") + seventeenDigits(c.x) + ' ' + seventeenDigits(c.radius);
    return "drawn\t" + parameterCaption(state, wording) + '\t' + describePicture(state, wording) + '\t' + circles;
}

} // namespace

std::optional<std::array<std::string, 3>> jsonTexts(std::string_view line)
{
    JsonReader json(line);
    std::array<std::string, 3> texts;
    if (!json.take('['))
        return std::nullopt;
    for (std::size_t k = 0; k < texts.size(); ++k) {
        if (k > 0 && !json.take(','))
            return std::nullopt;
        std::optional<std::string> text = json.string();
        if (!text)
            return std::nullopt;
        texts[k] = std::move(*text);
    }
    if (!json.take(']') || !json.atEnd())
        return std::nullopt;
    return texts;
}

bool runBatch(std::istream &in, std::ostream &out, const Wording &wording, const std::optional<BatchListener> &listener,
              std::string &why)
{
    std::string line;
    for (long long number = 1; std::getline(in, line); ++number) {
        const std::optional<std::array<std::string, 3>> texts = jsonTexts(line);
        if (!texts) {
            why = "line " + std::to_string(number) + " is not a JSON array of three strings";
            return false;
        }
        out << batchLine(*texts, wording, listener) << '\n';
    }
    return true;
}

} // namespace conwave
