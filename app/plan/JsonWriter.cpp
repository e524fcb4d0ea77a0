#include "app/plan/JsonWriter.h"

#include <charconv>
#include <cmath>

namespace VelmarisEditor {

namespace {

// Large enough that a sink's system calls cost nothing next to the formatting.
constexpr std::size_t s_bufferSize = 1 << 20;

} // namespace

JsonWriter::JsonWriter(Sink sink)
    : m_sink(std::move(sink))
{
}

void JsonWriter::beforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_filled.empty())
        return;
    if (m_filled.back())
        put(',');
    m_filled.back() = true;
    if (m_breakPending) {
        put('\n');
        m_breakPending = false;
    }
}

void JsonWriter::beginObject()
{
    beforeValue();
    put('{');
    m_filled.push_back(false);
}

void JsonWriter::endObject()
{
    m_filled.pop_back();
    put('}');
}

void JsonWriter::beginArray()
{
    beforeValue();
    put('[');
    m_filled.push_back(false);
}

void JsonWriter::endArray()
{
    m_filled.pop_back();
    put(']');
}

void JsonWriter::key(std::string_view name)
{
    value(name);
    put(':');
    m_afterKey = true;
}

void JsonWriter::value(std::string_view text)
{
    beforeValue();
    put('"');
    std::size_t plain = 0; // start of the run not yet written
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        put(text.substr(plain, i - plain));
        plain = i + 1;
        put('\\');
        switch (c) {
        case '"': put('"'); break;
        case '\\': put('\\'); break;
        case '\n': put('n'); break;
        case '\r': put('r'); break;
        case '\t': put('t'); break;
        case '\b': put('b'); break;
        case '\f': put('f'); break;
        default: {
            static const char hex[] = "0123456789abcdef";
            const char escape[] = {'u', '0', '0', hex[c >> 4], hex[c & 0xf]};
            put(std::string_view(escape, sizeof escape));
        }
        }
    }
    put(text.substr(plain));
    put('"');
    flushIfFull();
}

void JsonWriter::value(int number)
{
    beforeValue();
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    put(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

void JsonWriter::value(double number)
{
    beforeValue();
    if (!std::isfinite(number)) {
        m_nonFinite = true;
        m_failed = true;
        put('0');
        return;
    }
    // JSON's -0 reads back as the integer 0.
    if (number == 0 && std::signbit(number)) {
        put(std::string_view("-0.0"));
        return;
    }
    // The shortest digits that read back as the same double: 85 for 85.0, 1e+300 for 1e300.
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    put(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

void JsonWriter::value(bool flag)
{
    beforeValue();
    put(flag ? std::string_view("true") : std::string_view("false"));
}

void JsonWriter::put(char c)
{
    m_buffer.push_back(c);
}

void JsonWriter::put(std::string_view text)
{
    m_buffer.append(text);
    flushIfFull();
}

void JsonWriter::flushIfFull()
{
    if (m_buffer.size() < s_bufferSize)
        return;
    if (!m_failed && !m_sink(m_buffer.data(), m_buffer.size()))
        m_failed = true;
    m_buffer.clear();
}

void JsonWriter::rawValue(std::string_view json)
{
    beforeValue();
    put(json);
}

bool JsonWriter::finish()
{
    if (!m_failed && !m_buffer.empty() && !m_sink(m_buffer.data(), m_buffer.size()))
        m_failed = true;
    m_buffer.clear();
    return !m_failed;
}

} // namespace VelmarisEditor
